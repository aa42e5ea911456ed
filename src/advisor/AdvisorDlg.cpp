#include "advisor/AdvisorDlg.h"

#include "advisor/AboutDlg.h"
#include "advisor/AdvisorApp.h"
#include "advisor/ClubGapsDlg.h"
#include "advisor/ColourScheme.h"
#include "advisor/ConditionsDlg.h"
#include "advisor/ConditionsSettings.h"
#include "advisor/SetupDlg.h"
#include "advisor/ShownUnit.h"
#include "advisor/Texts.h"
#include "advisor/YardageCard.h"
#include "club/ClubBook.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/CDC.h"
#include "platform/ui/ImageResources.h"
#include "res/RegisterCaddoraResources.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CAdvisorDlg, CDialog)
ON_WM_CTLCOLOR()
ON_STN_CLICKED(IDC_RECOMMEND, &CAdvisorDlg::OnRecommend)
ON_STN_CLICKED(IDC_CLOSE, &CAdvisorDlg::OnCloseButton)
ON_STN_CLICKED(IDC_MINUS10, &CAdvisorDlg::OnMinus10)
ON_STN_CLICKED(IDC_MINUS20, &CAdvisorDlg::OnMinus20)
ON_STN_CLICKED(IDC_PLUS10, &CAdvisorDlg::OnPlus10)
ON_STN_CLICKED(IDC_PLUS20, &CAdvisorDlg::OnPlus20)
ON_STN_CLICKED(IDC_SETUP, &CAdvisorDlg::OnSetup)
ON_COMMAND(ID_CLUB_GAPS, &CAdvisorDlg::OnClubGaps)
ON_COMMAND(ID_YARDAGE_CARD, &CAdvisorDlg::OnYardageCard)
ON_COMMAND(ID_CONDITIONS, &CAdvisorDlg::OnConditions)
ON_COMMAND(ID_UNITS_YARDS, &CAdvisorDlg::OnUnitsYards)
ON_COMMAND(ID_UNITS_METRES, &CAdvisorDlg::OnUnitsMetres)
ON_COMMAND(ID_APP_ABOUT, &CAdvisorDlg::OnAppAbout)
END_MESSAGE_MAP()

CAdvisorDlg::CAdvisorDlg(CWnd* pParent) : CDialog(IDD, pParent) {
    m_nDistance = 100;
    m_hAppIcon = LoadIconResource(IDR_MAINFRAME);
}

CAdvisorDlg::~CAdvisorDlg() = default;

void CAdvisorDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SPIN_DISTANCE, m_spnDistance);
    DDX_Control(pDX, IDC_RECOMMENDATION, m_lblRecommendation);
    // The number is taken only once it passed the range check, so that m_nDistance always
    // holds the last distance the dialog accepted: that is what start-up stores at the end.
    // The field reads in the unit shown; a distance shown and taken back unchanged keeps the
    // stored yards.
    const DistanceUnit unit = ShownUnit();
    int nShown = ShownDistance(m_nDistance, unit);
    DDX_Text(pDX, IDC_DISTANCE, nShown);
    DDV_MinMaxInt(pDX, nShown, ShownDistance(kMinDistance, unit),
                  ShownDistance(kMaxDistance, unit));
    if (!pDX->Failed()) {
        m_nDistance = StoredDistance(nShown, unit, m_nDistance);
    }
    DDX_Text(pDX, IDC_RECOMMENDATION, m_strRecommendation);
}

BOOL CAdvisorDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    SetIcon(m_hAppIcon, TRUE);
    SetIcon(m_hAppIcon, FALSE);
    CenterWindow();
    // Every picture can also be pressed from the keyboard, the field keeping the focus.
    LoadAccelTable(IDR_MAINFRAME);
    // The commands beyond the pictures are in a menu of their own, with keys of their own.
    SetContextMenu(IDR_MAINFRAME);

    m_lblRecommendation.SetFontBold(TRUE);
    ShowUnit();
    const UDACCEL accel{0, 5};
    m_spnDistance.SetAccel(1, &accel);
    GetDlgItem(IDC_DISTANCE)->SetFont(theApp.m_fntBold, TRUE);

    OnRecommend();
    return TRUE;
}

HBRUSH CAdvisorDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    const HBRUSH hbr = CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    return MainDialogCtlColor(*pDC, nCtlColor, hbr, theApp.m_brLight);
}

void CAdvisorDlg::OnRecommend() {
    if (!UpdateData(TRUE)) {
        return;
    }
    // With conditions in use the club is the one for the distance the shot plays like; the
    // field and what is stored stay the target's distance.
    const std::int32_t nPlaysLike = PlaysLike(m_nDistance, theApp.m_conditions);
    const CGolfClub* club = FindClubForDistance(theApp.m_clubs, theApp.m_nPlayerType, nPlaysLike);
    // With no clubs at all there is nothing to recommend; the result line stays empty.
    m_strRecommendation = club != nullptr ? club->m_strName : CString();
    ShowPlaysLike(nPlaysLike);

    CWnd* pDistance = GetDlgItem(IDC_DISTANCE);
    pDistance->SetFocus();
    pDistance->SetSel(0, 999);
    pDistance->ScrollCaret();

    UpdateData(FALSE);
}

void CAdvisorDlg::StepDistance(int nStep) {
    if (!UpdateData(TRUE)) {
        return;
    }
    // Kept within what the field accepts at both ends, so that a step never makes a
    // distance the refresh then refuses. Widened, so that no sum can overflow. A step is in
    // the unit shown: 10 metres in metres.
    const DistanceUnit unit = ShownUnit();
    const long long sum = static_cast<long long>(ShownDistance(m_nDistance, unit)) + nStep;
    const int nShown = static_cast<int>(std::clamp<long long>(
        sum, ShownDistance(kMinDistance, unit), ShownDistance(kMaxDistance, unit)));
    m_nDistance = StoredDistance(nShown, unit, m_nDistance);
    UpdateData(FALSE);
    OnRecommend();
}

void CAdvisorDlg::OnMinus10() {
    StepDistance(-10);
}

void CAdvisorDlg::OnMinus20() {
    StepDistance(-20);
}

void CAdvisorDlg::OnPlus10() {
    StepDistance(+10);
}

void CAdvisorDlg::OnPlus20() {
    StepDistance(+20);
}

void CAdvisorDlg::OnCloseButton() {
    EndDialog(IDOK);
}

void CAdvisorDlg::OnSetup() {
    CSetupDlg dlg;
    // Setup undoes nothing however it ends, so the type it leaves in force is stored and
    // recommended with after Close, Enter, Escape and the close box alike: the type used,
    // shown and stored is always one. A failed write is not shown.
    dlg.DoModal();
    theApp.m_regSettings.SetDWordValue(kGenderValue, static_cast<DWORD>(theApp.m_nPlayerType));
    OnRecommend();
}

void CAdvisorDlg::OnClubGaps() {
    CClubGapsDlg dlg;
    dlg.DoModal();
}

void CAdvisorDlg::OnYardageCard() {
    PrintYardageCard(this, theApp.m_clubs, theApp.m_nPlayerType);
}

void CAdvisorDlg::OnAppAbout() {
    CAboutDlg dlg;
    dlg.DoModal();
}

void CAdvisorDlg::ShowPlaysLike(std::int32_t nPlaysLike) {
    CWnd* line = GetDlgItem(IDC_PLAYS_LIKE);
    if (!theApp.m_conditions.inUse) {
        if (line != nullptr) {
            line->ShowWindow(SW_HIDE);
        }
        return;
    }
    if (line == nullptr && AddControl(kPlaysLikeLine)) {
        line = GetDlgItem(IDC_PLAYS_LIKE);
    }
    if (line != nullptr) {
        line->SetWindowText(FormatText(IDS_PLAYS_LIKE, {NumberText(ShownYards(nPlaysLike))}));
        line->ShowWindow(SW_SHOW);
    }
}

void CAdvisorDlg::OnConditions() {
    CConditionsDlg dlg;
    dlg.m_conditions = theApp.m_conditions;
    if (dlg.DoModal() != IDOK) {
        return;
    }
    theApp.m_conditions = dlg.m_conditions;
    // As the player type after Setup: a failed write is not shown here; the run's end tells.
    StoreConditions(theApp.m_regSettings, theApp.m_conditions);
    OnRecommend();
}

void CAdvisorDlg::OnUnitsYards() {
    ChangeUnit(DistanceUnit::Yards);
}

void CAdvisorDlg::OnUnitsMetres() {
    ChangeUnit(DistanceUnit::Metres);
}

void CAdvisorDlg::ChangeUnit(DistanceUnit unit) {
    // The distance typed so far is taken in the unit it was typed in; one the field refuses
    // keeps the unit as it is.
    if (!UpdateData(TRUE)) {
        return;
    }
    // The choice is the player's from now on, made again or not. As the player type after
    // Setup, a failed write is not shown here.
    StoreDistanceUnit(theApp.m_regSettings, unit);
    if (unit == ShownUnit()) {
        return;
    }
    UseUnit(unit);
    ApplyTemplateTexts();
    ShowUnit();
    UpdateData(FALSE);
    OnRecommend();
}

void CAdvisorDlg::ShowUnit() {
    // The arrows run as far as they did in yards (to 500 yards), in the unit shown.
    m_spnDistance.SetRange32(ShownYards(kMinDistance), ShownYards(kArrowsMaxDistance));
    CheckMenuItem(ID_UNITS_YARDS, ShownUnit() == DistanceUnit::Yards);
    CheckMenuItem(ID_UNITS_METRES, ShownUnit() == DistanceUnit::Metres);
}
