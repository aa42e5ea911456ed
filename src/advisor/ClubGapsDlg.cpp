#include "advisor/ClubGapsDlg.h"

#include "advisor/AdvisorApp.h"
#include "advisor/BagSummary.h"
#include "advisor/ColourScheme.h"
#include "advisor/GapsChart.h"
#include "advisor/ShownUnit.h"
#include "advisor/Texts.h"
#include "platform/ui/CDataExchange.h"

BEGIN_MESSAGE_MAP(CClubGapsDlg, CDialog)
ON_WM_CTLCOLOR()
ON_WM_DRAWITEM()
END_MESSAGE_MAP()

CClubGapsDlg::CClubGapsDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

CClubGapsDlg::~CClubGapsDlg() = default;

void CClubGapsDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_GAPS_SUMMARY, m_strSummary);
}

BOOL CClubGapsDlg::OnInitDialog() {
    const CString unit = ShownUnitName();
    m_bag = FindBagGaps(theApp.m_clubs, theApp.m_nPlayerType, &ShownYards);
    m_strSummary = BagSummary(m_bag, theApp.m_nPlayerType, ShownStepLimits(), &ShownYards, unit);
    CDialog::OnInitDialog();

    GetDlgItem(IDOK)->SetFont(theApp.m_fntBold, TRUE);
    // What the chart shows, for a screen reader: each club with its distance.
    GetDlgItem(IDC_GAPS_CHART)
        ->SetWindowText(BagClubsText(m_bag, theApp.m_nPlayerType, &ShownYards, unit));
    LOGFONT lf{};
    if (GetObject(GetDlgItem(IDC_GAPS_CHART)->GetFont(), lf)) {
        lf.lfWeight = FW_BOLD;
        m_fntMarks.DeleteObject();
        m_fntMarks.CreateFontIndirect(&lf);
    }
    return TRUE;
}

HBRUSH CClubGapsDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    const HBRUSH hbr = CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    return ButtonDialogCtlColor(*pDC, nCtlColor, hbr, theApp.m_brLight, theApp.m_brDark);
}

void CClubGapsDlg::OnDrawItem(int nIDCtl, DRAWITEMSTRUCT* lpDrawItemStruct) {
    if (nIDCtl != IDC_GAPS_CHART) {
        return;
    }
    CDC dc = CDC::FromHandle(lpDrawItemStruct->hDC);
    const HFONT hFont = GetDlgItem(IDC_GAPS_CHART)->GetFont();
    DrawGapsChart(dc, lpDrawItemStruct->rcItem, m_bag, theApp.m_nPlayerType, ShownStepLimits(),
                  &ShownYards, GreenGapsChartLook(hFont, m_fntMarks.m_hObject));
}
