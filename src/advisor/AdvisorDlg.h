#pragma once
// The main dialog: the distance field with its arrows and step pictures, the Recommend
// Club picture, the recommended club's name in bold, and the Setup and Close pictures.
#include "advisor/Label.h"
#include "club/Units.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CSpinButtonCtrl.h"
#include "res/Resource.h"

#include <algorithm>

class CAdvisorDlg : public CDialog {
public:
    explicit CAdvisorDlg(CWnd* pParent = nullptr);
    ~CAdvisorDlg() override;

    enum { IDD = IDD_CADDORA_DIALOG };

    CSpinButtonCtrl m_spnDistance;
    CLabel m_lblRecommendation;
    int m_nDistance;
    CString m_strRecommendation;
    HICON m_hAppIcon;

    // The distances the field accepts, and that the steps keep to.
    static constexpr int kMinDistance = 50;
    static constexpr int kMaxDistance = 1000;
    // The arrows stop short of the field's top.
    static constexpr int kArrowsMaxDistance = 500;
    // The accepted distance nearest to nYards: a stored distance the field would refuse
    // starts the dialog at the bound it passed.
    static constexpr int NearestAcceptedDistance(int nYards) {
        return std::clamp(nYards, kMinDistance, kMaxDistance);
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

    // Reads the distance, names the club for it and selects the field for the next number.
    void OnRecommend();
    void StepDistance(int nStep);
    void OnMinus10();
    void OnMinus20();
    void OnPlus10();
    void OnPlus20();
    void OnCloseButton();
    void OnSetup();
    void OnClubGaps();
    void OnYardageCard();
    void OnAppAbout();
    void OnConditions();
    void OnUnitsYards();
    void OnUnitsMetres();
    // Shows distances in the unit from now on, and keeps it as the player's choice.
    void ChangeUnit(DistanceUnit unit);
    // The arrows' range and the menu's check mark for the unit shown.
    void ShowUnit();
    // The line under the club: the distance the shot plays like, while conditions are in use.
    void ShowPlaysLike(std::int32_t nPlaysLike);

    DECLARE_MESSAGE_MAP()
};
