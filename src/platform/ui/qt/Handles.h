#pragma once
// The handles of the dialogs' vocabulary as the Qt backend fills them: a window handle is the
// widget itself, a device context the painter that draws on a window or a page.
#include "platform/ui/UiApi.h"

class QPainter;
class QWidget;

inline QWidget* WidgetOf(HWND hWnd) {
    return reinterpret_cast<QWidget*>(hWnd);
}

inline HWND HandleOf(const QWidget* widget) {
    return reinterpret_cast<HWND>(const_cast<QWidget*>(widget));
}

inline QPainter* PainterOf(HDC hDC) {
    return reinterpret_cast<QPainter*>(hDC);
}

inline HDC HandleOf(QPainter* painter) {
    return reinterpret_cast<HDC>(painter);
}
