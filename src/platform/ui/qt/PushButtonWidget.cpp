#include "platform/ui/qt/PushButtonWidget.h"

#include <QPainter>

namespace {

// A frame of the given width just inside the rectangle, as filled strips, so that it covers
// the same pixels at any device pixel ratio.
void FillFrame(QPainter& painter, const QRectF& r, qreal width, const QColor& colour) {
    painter.fillRect(QRectF(r.left(), r.top(), r.width(), width), colour);
    painter.fillRect(QRectF(r.left(), r.bottom() - width, r.width(), width), colour);
    painter.fillRect(QRectF(r.left(), r.top(), width, r.height()), colour);
    painter.fillRect(QRectF(r.right() - width, r.top(), width, r.height()), colour);
}

} // namespace

void PushButtonWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QRectF area = rect();
    const QColor face = palette().color(QPalette::Button);
    const QColor text = palette().color(QPalette::ButtonText);
    // Pressed, the face darkens, so that a click shows before the dialog acts on it.
    painter.fillRect(area, isDown() ? face.darker(130) : face);
    // The edge: black round the default button, as the handheld marks it, else a darker face.
    FillFrame(painter, area, 1, isDefault() ? QColor(Qt::black) : face.darker(160));
    if (hasFocus()) {
        const qreal inset = kFocusRingInset;
        FillFrame(painter, area.adjusted(inset, inset, -inset, -inset), kFocusRingWidth, text);
    }
    painter.setPen(isEnabled() ? text : face.lighter(150));
    painter.setFont(font());
    painter.drawText(area, Qt::AlignCenter | Qt::TextShowMnemonic, this->text());
}
