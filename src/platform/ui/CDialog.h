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
#include "CFont.h"
#include "CWnd.h"
#include "DialogTemplate.h"

#include <memory>
#include <vector>

class CDataExchange;
class DialogWidget;

class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Runs the dialog modally and answers the code given to EndDialog, or -1 when the
    // dialog could not be created.
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
    void CenterWindow();
    void SetIcon(HICON hIcon, BOOL bBigIcon);
    void MapDialogRect(RECT* lpRect) const;
    // Average character width and height of the dialog's font, in pixels.
    int GetBaseUnitX() const { return m_nBaseUnitX; }
    int GetBaseUnitY() const { return m_nBaseUnitY; }
    UINT GetTemplateId() const { return m_nIDTemplate; }
    // The command that Enter gives when no push button has the focus.
    int GetDefID() const { return m_nDefaultId; }

    // WM_COMMAND from a control, or Enter (the default button), Escape (IDCANCEL) or the
    // caption's close box. Answers whether a handler ran.
    BOOL OnCommand(UINT nID, UINT nCode);
    // Asks the dialog's colour handler for one control's (or the dialog's own) colours and
    // paints the control with the answer.
    void QueryColours(HWND hWnd);
    // The font a control currently draws with, as given by the template or WM_SETFONT.
    HFONT GetControlFont(HWND hWnd) const;
    void SetControlFont(HWND hWnd, HFONT hFont);
    // DDX_Control: binds the member to the control's widget, once.
    void BindControl(int nIDC, CWnd& rControl);

    // The dialog whose window is (or holds) the widget; null for other widgets.
    static CDialog* FromWidget(const QWidget* widget);

    virtual BOOL OnInitDialog();

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual void OnOK();
    virtual void OnCancel();

private:
    struct Control;

    BOOL CreateWindowFromTemplate();
    void CreateControls(const DialogTemplate& dlgTemplate);
    void FocusFirstTabStop();
    void ReleaseWindow(bool unbindMembers);
    HBRUSH SendCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    Control* FindControl(HWND hWnd);
    const Control* FindControl(HWND hWnd) const;

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
    std::unique_ptr<DialogWidget> m_widget;
    std::vector<std::unique_ptr<Control>> m_controls;
    CFont m_font;
    int m_nBaseUnitX = 0;
    int m_nBaseUnitY = 0;
    int m_nDefaultId = IDOK;
    int m_nModalResult = -1;
    BOOL m_bEnded = FALSE;

    DECLARE_MESSAGE_MAP()
};
