#include "advisor/AboutDlg.h"

#include "advisor/AdvisorApp.h"
#include "advisor/ColourScheme.h"
#include "advisor/Texts.h"
#include "platform/ui/CDataExchange.h"

BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CAboutDlg::CAboutDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

CAboutDlg::~CAboutDlg() = default;

void CAboutDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_ABOUT_VERSION, m_strVersion);
}

BOOL CAboutDlg::OnInitDialog() {
    const char* version = theApp.m_pszAppVersion != nullptr ? theApp.m_pszAppVersion : "";
    m_strVersion = FormatText(IDS_ABOUT_VERSION, {CString(version)});
    CDialog::OnInitDialog();
    GetDlgItem(IDOK)->SetFont(theApp.m_fntBold, TRUE);
    return TRUE;
}

HBRUSH CAboutDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    const HBRUSH hbr = CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    return ButtonDialogCtlColor(*pDC, nCtlColor, hbr, theApp.m_brLight, theApp.m_brDark);
}
