#include "platform/ui/qt/StaticWidget.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <utility>

namespace {

// A notifying picture is a push button to assistive technology: it has a name, a Press
// action and the keys that press it (a label with a pixmap would report a graphic).
class PictureButtonAccessible : public QAccessibleWidget {
public:
    explicit PictureButtonAccessible(StaticWidget* widget)
        : QAccessibleWidget(widget, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Accelerator) {
            return Picture()->KeyNames().join(QStringLiteral(", "));
        }
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& actionName) override {
        if (actionName == pressAction()) {
            Picture()->Press();
        }
    }
    QStringList keyBindingsForAction(const QString& actionName) const override {
        return actionName == pressAction() ? Picture()->KeyNames() : QStringList();
    }

private:
    StaticWidget* Picture() const { return static_cast<StaticWidget*>(widget()); }
};

QAccessibleInterface* PictureButtonFactory(const QString& /*className*/, QObject* object) {
    auto* picture = dynamic_cast<StaticWidget*>(object);
    if (picture != nullptr && picture->Notifies()) {
        return new PictureButtonAccessible(picture); // Qt's accessibility cache owns it
    }
    return nullptr;
}

} // namespace

StaticWidget::StaticWidget(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void StaticWidget::SetSingleLine(bool singleLine) {
    m_singleLine = singleLine;
    setWordWrap(!singleLine);
    UpdateToolTip();
}

void StaticWidget::SetText(const QString& text) {
    setText(text);
    UpdateToolTip();
}

void StaticWidget::SetPictures(const QPixmap& normal, std::function<QPixmap()> loadDoubled) {
    setPixmap(normal);
    m_loadDoubled = std::move(loadDoubled);
    m_doubled = QPixmap();
    m_scaled = QPixmap();
}

void StaticWidget::SetOnPressed(std::function<void()> onPressed) {
    InstallAccessibility();
    m_onPressed = std::move(onPressed);
    setCursor(m_onPressed ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void StaticWidget::Press() {
    if (m_onPressed) {
        m_onPressed();
    }
}

void StaticWidget::AddKeyName(const QString& keyName) {
    m_keyNames.append(keyName);
    UpdateToolTip();
}

void StaticWidget::SetName(const QString& name) {
    m_name = name;
    setAccessibleName(name);
    UpdateToolTip();
}

void StaticWidget::InstallAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&PictureButtonFactory);
        return true;
    }();
    (void)installed;
}

bool StaticWidget::Elided() const {
    return m_singleLine && pixmap().isNull() && TextWidth() > contentsRect().width();
}

int StaticWidget::TextWidth() const {
    const QString shown = text();
    const int dpi = logicalDpiY();
    if (m_measuredWidth < 0 || shown != m_measuredText || font() != m_measuredFont ||
        dpi != m_measuredDpi) {
        m_measuredWidth = fontMetrics().horizontalAdvance(shown);
        m_measuredText = shown;
        m_measuredFont = font();
        m_measuredDpi = dpi;
    }
    return m_measuredWidth;
}

void StaticWidget::UpdateToolTip() {
    QString tip = m_name;
    if (!m_keyNames.isEmpty()) {
        tip += QStringLiteral(" (%1)").arg(m_keyNames.join(QStringLiteral(", ")));
    }
    if (tip.isEmpty() && Elided()) {
        tip = text();
    }
    setToolTip(tip);
}

void StaticWidget::paintEvent(QPaintEvent* event) {
    const QPixmap normal = pixmap();
    if (!normal.isNull()) {
        QPainter painter(this);
        DrawPicture(painter, PictureForRatio(devicePixelRatioF()));
        return;
    }
    if (Elided()) {
        QPainter painter(this);
        const QRect area = contentsRect();
        const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
        style()->drawItemText(&painter, area, static_cast<int>(alignment()), palette(), isEnabled(),
                              shown, foregroundRole());
        return;
    }
    QLabel::paintEvent(event);
}

// Draws a tall picture in bands: one blit of a hundred rows or more makes the raster engine
// start a pool of threads to share it, which costs the first frame far more than the blit.
// Bands of whole pixels meet without a seam; a picture at a fractional ratio is drawn whole.
void StaticWidget::DrawPicture(QPainter& painter, const QPixmap& picture) {
    constexpr int kBandRows = 64;
    const qreal ratio = picture.devicePixelRatio();
    const auto whole = static_cast<int>(ratio);
    if (whole != ratio || (kBandRows % whole) != 0) {
        painter.drawPixmap(QPointF(0, 0), picture);
        return;
    }
    for (int row = 0; row < picture.height(); row += kBandRows) {
        const int rows = std::min(kBandRows, picture.height() - row);
        painter.drawPixmap(QPointF(0, row / whole), picture, QRectF(0, row, picture.width(), rows));
    }
}

// The picture to draw device pixel for device pixel at the ratio: the finer variant on a
// screen with more than one device pixel per pixel, scaled down smoothly (once for each ratio)
// when the ratio is not its own.
QPixmap StaticWidget::PictureForRatio(qreal ratio) {
    const QPixmap normal = pixmap();
    if (ratio <= 1.0) {
        return normal;
    }
    if (m_loadDoubled) {
        m_doubled = std::exchange(m_loadDoubled, nullptr)();
    }
    if (m_doubled.isNull()) {
        return normal;
    }
    if (ratio == m_doubled.devicePixelRatio()) {
        return m_doubled;
    }
    if (m_scaled.isNull() || m_scaled.devicePixelRatio() != ratio) {
        const QSize device = (QSizeF(normal.deviceIndependentSize()) * ratio).toSize();
        m_scaled = m_doubled.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        m_scaled.setDevicePixelRatio(ratio);
    }
    return m_scaled;
}

void StaticWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
        m_onPressed) {
        m_onPressed();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void StaticWidget::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    UpdateToolTip();
}

void StaticWidget::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        UpdateToolTip();
    }
}
