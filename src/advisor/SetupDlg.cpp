#include "advisor/SetupDlg.h"

#include "advisor/AdvisorApp.h"
#include "advisor/ClubGapsDlg.h"
#include "advisor/ColourScheme.h"
#include "advisor/EditClubDlg.h"
#include "advisor/ShownUnit.h"
#include "advisor/Texts.h"
#include "platform/ui/CDataExchange.h"

BEGIN_MESSAGE_MAP(CSetupDlg, CDialog)
ON_WM_CTLCOLOR()
ON_BN_CLICKED(IDC_EDIT, &CSetupDlg::OnEdit)
ON_BN_CLICKED(IDC_ADULT_MALE, &CSetupDlg::RefreshClubList)
ON_BN_CLICKED(IDC_ADULT_FEMALE, &CSetupDlg::RefreshClubList)
ON_COMMAND(ID_CLUB_GAPS, &CSetupDlg::OnClubGaps)
END_MESSAGE_MAP()

namespace {

constexpr int kClubColumnWidth = 120;
constexpr int kDistanceColumnWidth = 50;
constexpr int kCaptionSize = 11;

} // namespace

CSetupDlg::CSetupDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

CSetupDlg::~CSetupDlg() = default;

void CSetupDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PLAYER_TYPE, m_lblPlayerType);
    DDX_Control(pDX, IDC_DISTANCE_CHART, m_lblDistanceChart);
    DDX_Control(pDX, IDC_CLUB_LIST, m_lstClubs);
}

BOOL CSetupDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    m_lstClubs.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    m_lstClubs.InsertColumn(0, LoadText(IDS_SETUP_CLUB_COLUMN), LVCFMT_LEFT, kClubColumnWidth, -1);
    m_lstClubs.InsertColumn(1, LoadText(IDS_SETUP_DISTANCE_COLUMN), LVCFMT_LEFT,
                            kDistanceColumnWidth, -1);

    m_lblDistanceChart.SetFontBold(TRUE);
    m_lblDistanceChart.SetFontSize(kCaptionSize);
    m_lblPlayerType.SetFontBold(TRUE);
    m_lblPlayerType.SetFontSize(kCaptionSize);

    GetDlgItem(IDC_EDIT)->SetFont(theApp.m_fntBold, TRUE);
    GetDlgItem(IDOK)->SetFont(theApp.m_fntBold, TRUE);
    // Club Gaps from here too, showing the table as Setup leaves it.
    LoadAccelTable(IDR_SETUP_KEYS);

    GetDlgItem(CGolfClub::ReadsMaleDistance(theApp.m_nPlayerType) ? IDC_ADULT_MALE
                                                                  : IDC_ADULT_FEMALE)
        ->SetCheck(BST_CHECKED);
    // Reads the button just set back, so that any type but 1 becomes 2 here.
    RefreshClubList();
    return TRUE;
}

HBRUSH CSetupDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    const HBRUSH hbr = CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    return ButtonDialogCtlColor(*pDC, nCtlColor, hbr, theApp.m_brLight, theApp.m_brDark);
}

void CSetupDlg::RefreshClubList() {
    if (GetDlgItem(IDC_ADULT_MALE)->GetCheck() == BST_CHECKED) {
        theApp.m_nPlayerType = CGolfClub::kAdultMale;
    } else if (GetDlgItem(IDC_ADULT_FEMALE)->GetCheck() == BST_CHECKED) {
        theApp.m_nPlayerType = CGolfClub::kAdultFemale;
    }

    m_lstClubs.DeleteAllItems();
    // One paint for the whole rebuild.
    m_lstClubs.SetRedraw(FALSE);
    const CClubList& clubs = theApp.m_clubs;
    for (auto pos = clubs.GetHeadPosition(); pos;) {
        const CGolfClub* club = clubs.GetNext(pos);
        const int nDistance = ShownYards(club->DistanceFor(theApp.m_nPlayerType));
        const int nCount = m_lstClubs.GetItemCount();
        const int nItem = m_lstClubs.InsertItem(LVIF_TEXT, nCount, club->m_strName, 0, 0, 0, 0);
        CString strDistance;
        strDistance.Format(u"%d", nDistance);
        m_lstClubs.SetItemText(nItem, 1, strDistance);
        m_lstClubs.SetItem(nItem, 0, LVIF_PARAM, nullptr, 0, 0, 0, club->m_nClubId);
    }
    m_lstClubs.SetRedraw(TRUE);
    m_lstClubs.Invalidate(TRUE);
}

void CSetupDlg::OnEdit() {
    const int nItem = m_lstClubs.GetNextItem(-1, LVNI_SELECTED);
    if (nItem < 0) {
        return;
    }
    // The rows were built from the club list in order, so the row's index is the club's
    // place in the list; its id could name another record when a data file repeats one.
    const auto pos = theApp.m_clubs.FindIndex(nItem);
    if (!pos || !CEditClubDlg::Edit(*theApp.m_clubs.GetAt(pos))) {
        return;
    }
    // The rebuild keeps the club list's order, so the same row is the same club.
    RefreshClubList();
    m_lstClubs.EnsureVisible(nItem, FALSE);
    m_lstClubs.SetItemState(nItem, LVIS_SELECTED, LVIS_SELECTED);
    m_lstClubs.SetFocus();
}

void CSetupDlg::OnClubGaps() {
    CClubGapsDlg dlg;
    dlg.DoModal();
}
