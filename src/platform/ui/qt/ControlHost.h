#pragma once
// What a control's window asks of the dialog that holds it: the object that stands for it,
// its font and its colours, and the commands of the dialog's own window. The window classes
// reach the dialog through this alone, so that they never depend on the dialog class.
#include "platform/ui/UiApi.h"

class CDialog;
class CWnd;
class QPoint;
class QWidget;

class ControlHost {
public:
    virtual ~ControlHost() = default;

    // The host of the dialog window that is (or holds) the widget; null for other widgets.
    static ControlHost* Of(const QWidget* widget);

    virtual CDialog& Dialog() = 0;
    // The object that stands for a widget of the dialog: a bound member, else the wrapper.
    virtual CWnd* ObjectOf(const QWidget* widget) const = 0;
    // The font a control draws with, as given by the template or WM_SETFONT.
    virtual HFONT ControlFont(const QWidget* widget) const = 0;
    virtual void SetControlFont(QWidget* widget, HFONT hFont) = 0;
    // Asks the dialog's colour handler for the control's colours again.
    virtual void QueryColours(QWidget* widget) = 0;
    // A command of the dialog's window: Enter (the command of the push button that has the
    // focus, else the default), Escape or the caption's close box.
    virtual void OnCommand(UINT nID, UINT nCode) = 0;
    virtual int EnterCommand(const QWidget* focus) const = 0;
    // An owner-drawn control paints: the dialog's draw handler does it, the control's id
    // filled in.
    virtual void DrawItem(QWidget* widget, DRAWITEMSTRUCT& item) = 0;
    // The dialog's context menu at a point of the screen, or, asked from the keyboard, at the
    // control that has the focus; nothing when the dialog has none.
    virtual void ShowContextMenu(const QPoint* globalPos) = 0;
};
