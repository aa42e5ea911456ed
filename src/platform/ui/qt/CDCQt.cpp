// A device context over Qt: the device is a painter on a window or a page, whose coordinates
// are the logical units. The drawing state is given to the painter by each operation that
// draws with it.
#include "platform/ui/CDC.h"

#include "platform/ui/CBrush.h"
#include "platform/ui/qt/Handles.h"
#include "platform/ui/qt/QtConvert.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>

namespace {

constexpr int kBaseDpi = 96;

QRect ToQRect(const RECT& rect) {
    return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

int TextFlags(UINT nFormat) {
    int flags = (nFormat & DT_CENTER)  ? Qt::AlignHCenter
                : (nFormat & DT_RIGHT) ? Qt::AlignRight
                                       : Qt::AlignLeft;
    flags |= (nFormat & DT_VCENTER)  ? Qt::AlignVCenter
             : (nFormat & DT_BOTTOM) ? Qt::AlignBottom
                                     : Qt::AlignTop;
    flags |= (nFormat & DT_SINGLELINE) ? Qt::TextSingleLine : 0;
    flags |= (nFormat & DT_WORDBREAK) ? Qt::TextWordWrap : 0;
    return flags;
}

// A font's height is in the device's logical units, as the painter's coordinates are.
QFont FontOf(HFONT hFont) {
    LOGFONT lf{};
    return GetObject(hFont, lf) ? ToQFont(lf, kBaseDpi) : QFont();
}

} // namespace

CDC CDC::FromHandle(HDC hDC) {
    CDC dc;
    dc.m_hDC = hDC;
    return dc;
}

void CDC::ApplyToDevice() const {
    // Each drawing operation gives the painter what it draws with.
}

void CDC::FillSolidRect(const RECT* lpRect, COLORREF clr) {
    if (QPainter* painter = PainterOf(m_hDC); painter != nullptr && lpRect != nullptr) {
        painter->fillRect(ToQRect(*lpRect), ToQColor(clr));
    }
}

void CDC::FrameRect(const RECT* lpRect, CBrush* pBrush) {
    LOGBRUSH lb{};
    if (lpRect == nullptr || pBrush == nullptr || !pBrush->GetLogBrush(&lb)) {
        return;
    }
    const LONG w = lpRect->right - lpRect->left;
    const LONG h = lpRect->bottom - lpRect->top;
    const RECT edges[] = {{lpRect->left, lpRect->top, lpRect->right, lpRect->top + 1},
                          {lpRect->left, lpRect->bottom - 1, lpRect->right, lpRect->bottom},
                          {lpRect->left, lpRect->top, lpRect->left + 1, lpRect->top + h},
                          {lpRect->left + w - 1, lpRect->top, lpRect->right, lpRect->bottom}};
    for (const RECT& edge : edges) {
        FillSolidRect(&edge, lb.lbColor);
    }
}

BOOL CDC::LineTo(int x, int y) {
    QPainter* painter = PainterOf(m_hDC);
    LOGPEN lp{};
    if (painter != nullptr && GetObject(m_hPen, lp) && lp.lopnStyle != PS_NULL) {
        QPen pen(ToQColor(lp.lopnColor), std::max<LONG>(1, lp.lopnWidth.x));
        pen.setStyle(lp.lopnStyle == PS_DASH  ? Qt::DashLine
                     : lp.lopnStyle == PS_DOT ? Qt::DotLine
                                              : Qt::SolidLine);
        pen.setCapStyle(Qt::FlatCap);
        painter->setPen(pen);
        painter->drawLine(m_ptCurrent.x, m_ptCurrent.y, x, y);
    }
    m_ptCurrent = POINT{x, y};
    return painter != nullptr;
}

int CDC::DrawText(const CString& str, RECT* lpRect, UINT nFormat) {
    QPainter* painter = PainterOf(m_hDC);
    if (painter == nullptr || lpRect == nullptr) {
        return 0;
    }
    painter->setFont(FontOf(m_hFont));
    const QString text = ToQString(str);
    const QRect area = ToQRect(*lpRect);
    const int flags = TextFlags(nFormat);
    QRect bounds = painter->boundingRect(area, flags, text);
    if (nFormat & DT_CALCRECT) {
        lpRect->right = lpRect->left + bounds.width();
        lpRect->bottom = lpRect->top + bounds.height();
        return bounds.height();
    }
    QString shown = text;
    if ((nFormat & DT_END_ELLIPSIS) &&
        painter->fontMetrics().horizontalAdvance(text) > area.width()) {
        shown = painter->fontMetrics().elidedText(text, Qt::ElideRight, area.width());
        bounds = painter->boundingRect(area, flags, shown);
    }
    if (m_nBkMode == OPAQUE) {
        painter->fillRect(bounds.intersected(area), ToQColor(m_crBk));
    }
    painter->setPen(ToQColor(m_crText));
    painter->drawText(area, flags, shown);
    return bounds.height();
}

SIZE CDC::GetTextExtent(const CString& str) const {
    QPainter* painter = PainterOf(m_hDC);
    const QFontMetrics metrics(FontOf(m_hFont), painter != nullptr ? painter->device() : nullptr);
    return SIZE{metrics.horizontalAdvance(ToQString(str)), metrics.height()};
}

int CDC::GetDeviceCaps(int nIndex) const {
    QPainter* painter = PainterOf(m_hDC);
    const QPaintDevice* device = painter != nullptr ? painter->device() : nullptr;
    if (device == nullptr) {
        return nIndex == LOGPIXELSX || nIndex == LOGPIXELSY ? kBaseDpi : 0;
    }
    switch (nIndex) {
    case LOGPIXELSX:
        return device->logicalDpiX();
    case LOGPIXELSY:
        return device->logicalDpiY();
    case HORZRES:
        return device->width();
    case VERTRES:
        return device->height();
    default:
        return 0;
    }
}
