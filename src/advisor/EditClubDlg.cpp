#include "advisor/EditClubDlg.h"

#include "advisor/AdvisorApp.h"
#include "advisor/ColourScheme.h"
#include "advisor/ShownUnit.h"
#include "club/GolfClub.h"
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

BOOL CEditClubDlg::Edit(CGolfClub& club) {
    CEditClubDlg dlg;
    dlg.m_strDescription = club.m_strName;
    // In the unit shown; a distance taken back unchanged keeps the stored yards.
    const std::int32_t nStored = club.DistanceFor(theApp.m_nPlayerType);
    dlg.m_nBestDistance = ShownYards(nStored);

    if (dlg.DoModal() == IDCANCEL) {
        return FALSE;
    }
    // Anything but Cancel counts as accepted, even a dialog that could not be created (-1):
    // the club then gets its own values back. The fields are assigned directly, so that
    // neither date-time changes and the name keeps every space as typed.
    club.m_strName = dlg.m_strDescription;
    club.DistanceFor(theApp.m_nPlayerType) =
        StoredDistance(dlg.m_nBestDistance, ShownUnit(), nStored);
    return TRUE;
}
