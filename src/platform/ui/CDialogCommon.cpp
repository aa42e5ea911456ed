// What a dialog does the same over either backend: its commands, the exchange of its members
// with its controls, the path of a colour query to its handler, the base units of its template
// font, how each new window of it starts and which window owns it.
#include "platform/ui/CDataExchange.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CWinApp.h"
#include "platform/ui/MenuTemplate.h"
#include "platform/ui/UiApi.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, &CDialog::OnOK)
ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

namespace {

constexpr int kBaseDpi = 96;
// The base units of "MS Sans Serif" 8 and "System" 8 on the handheld at 96 dpi.
constexpr int kBaseUnitX = 6;
constexpr int kBaseUnitY = 13;

} // namespace

DialogBaseUnits DialogBaseUnitsAt(int logicalDpiX, int logicalDpiY) {
    return {MulDiv(kBaseUnitX, logicalDpiX, kBaseDpi), MulDiv(kBaseUnitY, logicalDpiY, kBaseDpi)};
}

void CDialog::DestroyWindow() {
    ReleaseWindow(true);
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange* /*pDX*/) {}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) {
        return;
    }
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return !dx.Failed();
}

BOOL CDialog::OnCommand(UINT nID, UINT nCode) {
    return OnCmdMsg(nID, nCode);
}

HBRUSH CDialog::SendCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(AFX_MSGMAP_ENTRY::CtlColor);
    if (entry != nullptr) {
        return (this->*entry->pfnCtlColor)(pDC, pWnd, nCtlColor);
    }
    return CWnd::OnCtlColor(pDC, pWnd, nCtlColor);
}

BOOL CDialog::SetContextMenu(UINT nIDResource) {
    const MenuTemplate* menu = FindMenu(nIDResource);
    if (menu == nullptr || !m_window) {
        return FALSE;
    }
    m_nIDContextMenu = nIDResource;
    return AttachContextMenu(*menu);
}

const MenuTemplate* CDialog::GetContextMenu() const {
    return m_nIDContextMenu != 0 ? FindMenu(m_nIDContextMenu) : nullptr;
}

void CDialog::CheckMenuItem(UINT nIDCheckItem, BOOL bChecked) {
    auto& checked = m_checkedMenuItems;
    checked.erase(std::remove(checked.begin(), checked.end(), nIDCheckItem), checked.end());
    if (bChecked) {
        checked.push_back(nIDCheckItem);
    }
    ShowMenuItemCheck(nIDCheckItem);
}

BOOL CDialog::IsMenuItemChecked(UINT nIDItem) const {
    return std::find(m_checkedMenuItems.begin(), m_checkedMenuItems.end(), nIDItem) !=
           m_checkedMenuItems.end();
}

void CDialog::SendDrawItem(int nIDCtl, DRAWITEMSTRUCT* lpDrawItemStruct) {
    if (const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(AFX_MSGMAP_ENTRY::DrawItem)) {
        (this->*entry->pfnDrawItem)(nIDCtl, lpDrawItemStruct);
    }
}

const DialogTemplate* CDialog::BeginNewWindow() {
    ReleaseWindow(true);
    m_nIDContextMenu = 0;
    m_bEnded = FALSE;
    m_nModalResult = -1;
    m_nDefaultId = IDOK;
    return FindDialogTemplate(m_nIDTemplate);
}

int CDialog::CloseCommandOf(const DialogTemplate& dlgTemplate) {
    if (dlgTemplate.style & WS_SYSMENU) {
        return IDCANCEL;
    }
    if (dlgTemplate.exStyle & WS_EX_CAPTIONOKBTN) {
        // The caption's OK button of the handheld; here the close box plays its part.
        return IDOK;
    }
    return 0;
}

HWND CDialog::ModalOwner(const DialogTemplate& dlgTemplate) const {
    if (m_pParentWnd != nullptr) {
        return m_pParentWnd->m_hWnd;
    }
    if (dlgTemplate.exStyle & WS_EX_APPWINDOW) {
        return nullptr;
    }
    // As the handheld's class library does for a dialog built without a parent: the dialog
    // that is open and active owns it, else the application's main window.
    if (const std::optional<HWND> active = ActiveDialogWindow()) {
        return *active;
    }
    const CWinApp* app = AfxGetApp();
    if (app != nullptr && app->m_pMainWnd != nullptr && app->m_pMainWnd != this) {
        return app->m_pMainWnd->m_hWnd;
    }
    return nullptr;
}
