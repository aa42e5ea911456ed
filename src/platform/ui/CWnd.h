#pragma once
// A window as the dialogs see it: a typed handle on one widget. Member controls are bound to
// their template's widgets through data exchange; every other control is reached through a
// wrapper that its dialog keeps. The operations are the few messages the dialogs send.
#include "platform/core/CString.h"
#include "platform/ui/CCmdTarget.h"

class CFont;

class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    ~CWnd() override = default;

    HWND GetSafeHwnd() const { return m_hWnd; }
    BOOL IsWindow() const { return m_hWnd != nullptr; }
    int GetDlgCtrlID() const;

    void SetWindowText(const CString& text);
    CString GetWindowText() const;
    // WM_SETFONT: the control takes the font (which it does not own) and its dialog is
    // asked for its colours again.
    void SetFont(CFont* pFont, BOOL bRedraw = TRUE);
    void SetFont(HFONT hFont, BOOL bRedraw = TRUE);
    HFONT GetFont() const;
    CWnd* SetFocus();
    // A full redraw: the dialog's colour query runs again for this control, then it repaints.
    void RedrawWindow();
    void Invalidate(BOOL bErase = TRUE);
    // WM_SETREDRAW.
    void SetRedraw(BOOL bRedraw);
    void EnableWindow(BOOL bEnable);
    // SW_SHOW or SW_HIDE; answers whether it was visible before.
    BOOL ShowWindow(int nCmdShow);
    BOOL IsWindowVisible() const;

    // EM_SETSEL and EM_SCROLLCARET; only edit controls take them.
    void SetSel(int nStartChar, int nEndChar);
    void ScrollCaret();
    // BM_SETCHECK and BM_GETCHECK; only buttons take them.
    void SetCheck(int nCheck);
    int GetCheck() const;

    // The default colour query: offers it to the control itself first (the reflected
    // query), else answers the system's brush for the kind.
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    // Runs the control's own reflected colour handler; null when it has none.
    HBRUSH ReflectCtlColor(CDC* pDC, UINT nCtlColor);

    // The platform binds a member control to its widget (DDX_Control) and unbinds it when
    // the dialog's window goes away.
    void SubclassWindow(HWND hWnd) { m_hWnd = hWnd; }
    HWND UnsubclassWindow();

    HWND m_hWnd = nullptr;

    DECLARE_MESSAGE_MAP()
};
