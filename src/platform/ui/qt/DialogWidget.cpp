#include "platform/ui/qt/DialogWidget.h"

#include "platform/ui/qt/ControlHost.h"
#include "platform/ui/qt/DialogAccessible.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QTimer>

ControlHost* ControlHost::Of(const QWidget* widget) {
    for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        if (const auto* dialog = dynamic_cast<const DialogWidget*>(w)) {
            return &dialog->Host();
        }
    }
    return nullptr;
}

DialogWidget::DialogWidget(ControlHost& host, QWidget* parent, int closeCommand)
    : QDialog(parent), m_host(host), m_closeCommand(closeCommand) {
    InstallDialogAccessibility();
}

void DialogWidget::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_host.OnCommand(static_cast<UINT>(m_host.EnterCommand(focusWidget())), BN_CLICKED);
        event->accept();
        return;
    case Qt::Key_Escape:
        m_host.OnCommand(IDCANCEL, BN_CLICKED);
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void DialogWidget::closeEvent(QCloseEvent* event) {
    // The window stays until the dialog's own handler ends it.
    event->ignore();
    if (m_closeCommand != 0) {
        m_host.OnCommand(static_cast<UINT>(m_closeCommand), BN_CLICKED);
    }
}

void DialogWidget::contextMenuEvent(QContextMenuEvent* event) {
    if (event->reason() == QContextMenuEvent::Keyboard) {
        m_host.ShowContextMenu(nullptr);
    } else {
        const QPoint at = event->globalPos();
        m_host.ShowContextMenu(&at);
    }
    event->accept();
}

void DialogWidget::AfterFirstFrame(std::function<void()> work) {
    if (m_shownFirstFrame) {
        work();
    } else {
        m_afterFirstFrame.push_back(std::move(work));
    }
}

void DialogWidget::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    if (m_shownFirstFrame) {
        return;
    }
    m_shownFirstFrame = true;
    // The frame reaches the screen when this paint returns; the waiting work comes after.
    QTimer::singleShot(0, this, [this] {
        for (auto& work : std::exchange(m_afterFirstFrame, {})) {
            work();
        }
    });
}
