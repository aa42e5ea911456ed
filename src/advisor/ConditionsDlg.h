#pragma once
// Conditions: whether the recommendation goes by the distance the shot plays like, and the
// wind, air temperature, the target's height and the course's altitude that make it. OK takes
// what the fields hold, each within its range; Cancel and Escape drop it.
#include "club/PlaysLike.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CSpinButtonCtrl.h"
#include "res/Resource.h"

class CConditionsDlg : public CDialog {
public:
    explicit CConditionsDlg(CWnd* pParent = nullptr);
    ~CConditionsDlg() override;

    enum { IDD = IDD_CONDITIONS };

    Conditions m_conditions;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

    DECLARE_MESSAGE_MAP()

private:
    CSpinButtonCtrl m_spnWind;
    CSpinButtonCtrl m_spnTemperature;
    CSpinButtonCtrl m_spnSlope;
    CSpinButtonCtrl m_spnAltitude;
};
