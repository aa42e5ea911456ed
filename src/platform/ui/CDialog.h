#pragma once
// A dialog built from a template: its window and controls are created from the template's
// data, the members are exchanged with the controls through DoDataExchange, and commands and
// colour queries reach the handlers of the message map. A dialog class reads:
//
//   class CEditClubDlg : public CDialog {
//   public:
//       CEditClubDlg() : CDialog(IDD_EDIT_CLUB) {}
//   protected:
//       void DoDataExchange(CDataExchange* pDX) override;  // DDX_Control, DDX_Text, DDV_...
//       BOOL OnInitDialog() override;                       // calls CDialog::OnInitDialog first
//       HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
//       void OnEdit();
//       DECLARE_MESSAGE_MAP()
//   };
//   BEGIN_MESSAGE_MAP(CEditClubDlg, CDialog)
//   ON_WM_CTLCOLOR()
//   ON_BN_CLICKED(IDC_EDIT, &CEditClubDlg::OnEdit)
//   END_MESSAGE_MAP()
#include "platform/ui/CWnd.h"
#include "platform/ui/DialogTemplate.h"

#include <memory>
#include <optional>
#include <vector>

class CDataExchange;
struct MenuTemplate;

// The dialog base units at a screen's logical dpi: those the handheld gives both template
// fonts at 96 dpi (6 x 13 pixels), scaled and rounded as it scales them.
struct DialogBaseUnits {
    int cx;
    int cy;
};
DialogBaseUnits DialogBaseUnitsAt(int logicalDpiX, int logicalDpiY);

class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Runs the dialog modally and answers the code given to EndDialog, or -1 when the
    // dialog could not be created. A dialog built with no parent is owned by the window that
    // is active when it opens (the dialog that opens it) and centred over it, unless it is an
    // application window (WS_EX_APPWINDOW), which nothing owns.
    virtual INT_PTR DoModal();
    // Creates the dialog without running it, as DoModal does up to its modal loop: the
    // window exists, OnInitDialog has run and the dialog is shown. For previews and tests.
    BOOL Create();
    void DestroyWindow();
    void EndDialog(int nResult);
    BOOL IsEnded() const { return m_bEnded; }
    int GetModalResult() const { return m_nModalResult; }

    // TRUE reads the controls into the members, FALSE writes the members into the
    // controls; FALSE when a value was refused.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    CWnd* GetDlgItem(int nID) const;
    // The object that stands for a widget of this dialog: a bound member, else the wrapper.
    CWnd* FromHandle(HWND hWnd) const;
    // Centres the dialog over its owner, or on the screen when it has none.
    void CenterWindow();
    // The window's icon. Its images are read once the window has shown its first frame; the
    // icon of an application window becomes the icon of every window of the program.
    void SetIcon(HICON hIcon, BOOL bBigIcon);
    // Gives the dialog the keys of an accelerator table: each sends its command, with code
    // 0, as a tap on the control of that id would; a picture's tooltip names its keys.
    BOOL LoadAccelTable(UINT nIDResource);
    // Gives the dialog a context menu from the program's resources (MenuTemplate.h): the
    // right button (on a control without a menu of its own), the Menu key and Shift+F10 show
    // it, the keys of its commands work while the dialog is active, and on Windows its
    // commands are appended to the window's system menu as well. A command chosen comes to
    // the message map as a tap would (WM_COMMAND, code 0). FALSE without a window or a menu.
    BOOL SetContextMenu(UINT nIDResource);
    // Checks or clears an item of the context menu (one of a choice, such as a unit).
    void CheckMenuItem(UINT nIDCheckItem, BOOL bChecked);
    BOOL IsMenuItemChecked(UINT nIDItem) const;
    void MapDialogRect(RECT* lpRect) const;
    // The dialog base units: the template font's average character width and height as the
    // handheld gives them at 96 dpi (6 x 13 pixels), scaled by the screen's logical dpi.
    int GetBaseUnitX() const { return m_nBaseUnitX; }
    int GetBaseUnitY() const { return m_nBaseUnitY; }
    UINT GetTemplateId() const { return m_nIDTemplate; }
    // The context menu SetContextMenu gave the dialog; null for none.
    const MenuTemplate* GetContextMenu() const;
    // The command that Enter gives when no push button has the focus.
    int GetDefID() const { return m_nDefaultId; }
    void SetDefID(UINT nID) { m_nDefaultId = static_cast<int>(nID); }

    // WM_COMMAND from a control, or Enter (the default button), Escape (IDCANCEL) or the
    // caption's close box. Answers whether a handler ran.
    BOOL OnCommand(UINT nID, UINT nCode);
    // Asks the dialog's colour handler for one control's (or the dialog's own) colours and
    // paints the control with the answer.
    void QueryColours(HWND hWnd);
    // The font a control currently draws with, as given by the template or WM_SETFONT.
    HFONT GetControlFont(HWND hWnd) const;
    void SetControlFont(HWND hWnd, HFONT hFont);
    // An owner-drawn control (SS_OWNERDRAW) is to be painted: the dialog's draw handler
    // (ON_WM_DRAWITEM) paints it through the device context of the structure.
    void SendDrawItem(int nIDCtl, DRAWITEMSTRUCT* lpDrawItemStruct);
    // Takes the caption, the control texts, the pictures and what each picture is from the
    // template as it is registered now (another language or unit of it), for the window
    // that is open; what the player typed into edit fields stays.
    void ApplyTemplateTexts();
    // Adds a control made from a template item to the dialog's open window, above the others;
    // FALSE without a window or when the id is taken. The item must outlive the window.
    BOOL AddControl(const DialogItemTemplate& item);
    // DDX_Control: binds the member to the control's widget, once.
    void BindControl(int nIDC, CWnd& rControl);

    // The dialog whose window is (or holds) the window; null for other windows.
    static CDialog* FromHandlePermanent(HWND hWnd);
    // The innermost dialog of ours that runs modally; null when none does.
    static CDialog* InnermostModal();

    virtual BOOL OnInitDialog();

    // What the toolkit gives the dialog's window and controls: each backend has its own,
    // and no other code sees inside it.
    struct Window;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual void OnOK();
    virtual void OnCancel();

private:
    // Lets the last window go, forgets how it ended and answers the template the next one is
    // built from; null when the template is missing.
    const DialogTemplate* BeginNewWindow();
    // The command the caption's close box gives: IDCANCEL with a system menu, IDOK for the
    // handheld's caption OK button, else 0 (no close box).
    static int CloseCommandOf(const DialogTemplate& dlgTemplate);
    // The owner of a modal dialog: its parent, none for an application window, else the
    // dialog of ours that is open and active, else the application's main window.
    HWND ModalOwner(const DialogTemplate& dlgTemplate) const;
    // The window of the dialog of ours that is open and active, as each backend knows it;
    // nothing when there is none.
    std::optional<HWND> ActiveDialogWindow() const;

    BOOL CreateWindowFromTemplate(HWND owner);
    void ReleaseWindow(bool unbindMembers);
    HBRUSH SendCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    // The backend's part of SetContextMenu and CheckMenuItem.
    BOOL AttachContextMenu(const MenuTemplate& menu);
    void ShowMenuItemCheck(UINT nIDItem);

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
    std::unique_ptr<Window> m_window;
    int m_nBaseUnitX = 0;
    int m_nBaseUnitY = 0;
    int m_nDefaultId = IDOK;
    int m_nModalResult = -1;
    BOOL m_bEnded = FALSE;
    UINT m_nIDContextMenu = 0;
    std::vector<UINT> m_checkedMenuItems;

    DECLARE_MESSAGE_MAP()
};
