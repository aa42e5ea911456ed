#include "platform/ui/qt/BalloonTip.h"

#include <QAccessible>
#include <QEvent>

BalloonTip::BalloonTip(QWidget* control)
    : QLabel(control, Qt::ToolTip | Qt::BypassGraphicsProxyWidget), m_control(control) {
    setObjectName(QStringLiteral("balloonTip"));
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setMargin(3);
    setTextFormat(Qt::PlainText);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &QWidget::hide);
    control->installEventFilter(this);
}

void BalloonTip::ShowText(const QString& text, int milliseconds) {
    setText(text);
    adjustSize();
    move(m_control->mapToGlobal(QPoint(0, m_control->height())));
    show();
    raise();
    m_timer.start(milliseconds);
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

bool BalloonTip::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_control &&
        (event->type() == QEvent::FocusOut || event->type() == QEvent::Hide)) {
        hide();
    }
    return QLabel::eventFilter(watched, event);
}
