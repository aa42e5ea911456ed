#include "EditClubDlg.h"

#include "app/AdvisorApp.h"
#include "ColourScheme.h"
#include "platform/ui/CDataExchange.h"

BEGIN_MESSAGE_MAP(CEditClubDlg, CDialog)
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CEditClubDlg::CEditClubDlg(CWnd* pParent) : CDialog(IDD, pParent) {
    m_nBestDistance = 0;
    m_strDescription = CString();
}

CEditClubDlg::~CEditClubDlg() = default;

void CEditClubDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    // Any integer is taken as it is: a stored distance carries no range.
    DDX_Text(pDX, IDC_BEST_DISTANCE, m_nBestDistance);
    DDX_Text(pDX, IDC_DESCRIPTION, m_strDescription);
}

BOOL CEditClubDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    GetDlgItem(IDOK)->SetFont(theApp.m_fntBold, TRUE);
    GetDlgItem(IDCANCEL)->SetFont(theApp.m_fntBold, TRUE);
    // The focus goes to the first tab stop, the Best Distance field, although the
    // Description field stands above it.
    return TRUE;
}

HBRUSH CEditClubDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    const HBRUSH hbr = CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    return ButtonDialogCtlColor(*pDC, nCtlColor, hbr, theApp.m_brLight, theApp.m_brDark);
}
