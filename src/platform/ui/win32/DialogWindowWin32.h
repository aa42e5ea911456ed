#pragma once
// The window of a dialog over Win32, as the files of the backend share it: the controls the
// dialog manager made from the template, each paired with its template item, and what the
// dialog keeps beside them (accelerators, tooltips, pictures, the owner it disabled).
#include "platform/ui/CDialog.h"
#include "platform/ui/win32/ControlKindsWin32.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

// One control of the dialog's window, in template order.
struct DialogControl {
    HWND hWnd;
    const DialogItemTemplate* item;
    const ControlKind* kind;
    // The object that stands for the control until a member is bound to it.
    std::unique_ptr<CWnd> wrapper;
    CWnd* bound = nullptr;
    // What the button's last colour query answered, on which device context: the owner draw
    // that follows paints with it.
    HBRUSH hbrButton = nullptr;
    HDC hdcButton = nullptr;

    CWnd* Object() const { return bound != nullptr ? bound : wrapper.get(); }
};

struct CDialog::Window {
    explicit Window(CDialog& owner) : dialog(owner) {}
    // The window of a dialog; null while it has none.
    static Window* Of(const CDialog& owner) { return owner.m_window.get(); }

    CDialog& dialog;
    const DialogTemplate* dlgTemplate = nullptr;
    std::vector<DialogControl> controls;
    UINT closeCommand = 0;
    HACCEL hAccel = nullptr;
    // The keys of the accelerator table and of the context menu, together in hAccel.
    std::vector<ACCEL> accelerators;
    HWND hToolTip = nullptr;
    HWND hOwnerDisabled = nullptr;
    bool modal = false;
    // Pictures stretched for a screen of more dots per inch, and those the statics loaded
    // themselves from the template: the statics never delete them.
    std::vector<HBITMAP> bitmaps;
    // The keys of each picture, for its tooltip.
    std::map<int, std::wstring> keyNames;

    DialogControl* ById(int id);
    DialogControl* ByHandle(HWND hWnd);
    // The system makes a radio button a tab stop when it is checked; the template's Tab order
    // (the radio buttons are none) is kept.
    void KeepTemplateTabStops();

    // What every window of the dialog answers (the dialog procedure's work).
    INT_PTR WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The dialog manager has made every control; each is paired with its template item.
    void AdoptControls();
    INT_PTR OnCtlColorMessage(HDC hdc, HWND hControl, UINT nCtlColor);

    // ToolTipsWin32.cpp: what each picture is, and the keys that press it.
    void AddToolTips();
    void AddKeyNames(const std::vector<ACCEL>& entries);

    // PushButtonsWin32.cpp: a push button painted in what its colour query answered.
    void DrawPushButton(const DRAWITEMSTRUCT& item);

    // ContextMenuWin32.cpp: the keys in force, the context menu and its commands in the
    // window's system menu.
    void AddAccelerators(const std::vector<ACCEL>& entries);
    void ShowContextMenu(int x, int y);
    // A command of the context menu that came by the system menu or by a key of its own.
    bool OnMenuCommand(UINT nID);

    // ModalLoopWin32.cpp: the dialog's own message loop, until it ends.
    int RunModalLoop();

private:
    void AdoptPicture(HWND child, const DialogItemTemplate& item, UINT dpi);
    BOOL OnInitDialogMessage();
    void OnCommandMessage(WPARAM wParam, LPARAM lParam);
    BOOL OnDrawItemMessage(const DRAWITEMSTRUCT& item);
    INT_PTR OnSessionMessage(UINT message, WPARAM wParam);
};

// ModalLoopWin32.cpp: the dialogs that run modally, innermost last.
std::vector<CDialog*>& ModalStack();
