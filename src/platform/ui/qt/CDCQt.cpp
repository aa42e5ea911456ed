// A device context over Qt: the device is a painter on a window or a page. It starts from the
// state every device context starts from, and every change is given to the painter.
#include "platform/ui/CDC.h"

#include "platform/ui/qt/Handles.h"
#include "platform/ui/qt/QtConvert.h"

#include <QPaintDevice>
#include <QPainter>

CDC CDC::FromHandle(HDC hDC) {
    CDC dc;
    dc.m_hDC = hDC;
    dc.ApplyToDevice();
    return dc;
}

void CDC::ApplyToDevice() const {
    QPainter* painter = PainterOf(m_hDC);
    if (painter == nullptr) {
        return;
    }
    LOGFONT lf{};
    if (GetObject(m_hFont, lf)) {
        const QPaintDevice* device = painter->device();
        painter->setFont(ToQFont(lf, device != nullptr ? device->logicalDpiY() : 96));
    }
    painter->setPen(ToQColor(m_crText));
    painter->setBackground(ToQColor(m_crBk));
    painter->setBackgroundMode(m_nBkMode == OPAQUE ? Qt::OpaqueMode : Qt::TransparentMode);
}
