#include "advisor/ConditionsDlg.h"

#include "advisor/AdvisorApp.h"
#include "advisor/ColourScheme.h"
#include "platform/ui/CDataExchange.h"

BEGIN_MESSAGE_MAP(CConditionsDlg, CDialog)
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

namespace {

// A number field and its range: what the field holds is taken only once it lies within the
// range, so that a refused value is never kept.
void ExchangeInRange(CDataExchange* pDX, int nIDC, std::int32_t& value,
                     const ConditionRange& range) {
    int field = value;
    DDX_Text(pDX, nIDC, field);
    DDV_MinMaxInt(pDX, field, range.min, range.max);
    if (!pDX->Failed()) {
        value = field;
    }
}

} // namespace

CConditionsDlg::CConditionsDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

CConditionsDlg::~CConditionsDlg() = default;

void CConditionsDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_WIND_SPIN, m_spnWind);
    DDX_Control(pDX, IDC_TEMPERATURE_SPIN, m_spnTemperature);
    DDX_Control(pDX, IDC_SLOPE_SPIN, m_spnSlope);
    DDX_Control(pDX, IDC_ALTITUDE_SPIN, m_spnAltitude);
    // Every field is read before any value is taken, so that a refused one leaves them all.
    Conditions read = m_conditions;
    int inUse = read.inUse ? BST_CHECKED : BST_UNCHECKED;
    int windFrom = read.windInto ? 0 : 1;
    DDX_Check(pDX, IDC_USE_CONDITIONS, inUse);
    ExchangeInRange(pDX, IDC_WIND, read.windMph, kWindMphRange);
    DDX_Radio(pDX, IDC_WIND_INTO, windFrom);
    ExchangeInRange(pDX, IDC_TEMPERATURE, read.temperatureF, kTemperatureFRange);
    ExchangeInRange(pDX, IDC_SLOPE, read.slopeFeet, kSlopeFeetRange);
    ExchangeInRange(pDX, IDC_ALTITUDE, read.altitudeFeet, kAltitudeFeetRange);
    if (pDX->m_bSaveAndValidate && !pDX->Failed()) {
        read.inUse = inUse == BST_CHECKED;
        read.windInto = windFrom != 1;
        m_conditions = read;
    }
}

BOOL CConditionsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    const struct {
        CSpinButtonCtrl& arrows;
        ConditionRange range;
    } fields[] = {{m_spnWind, kWindMphRange},
                  {m_spnTemperature, kTemperatureFRange},
                  {m_spnSlope, kSlopeFeetRange},
                  {m_spnAltitude, kAltitudeFeetRange}};
    for (const auto& field : fields) {
        field.arrows.SetRange32(field.range.min, field.range.max);
    }
    GetDlgItem(IDOK)->SetFont(theApp.m_fntBold, TRUE);
    GetDlgItem(IDCANCEL)->SetFont(theApp.m_fntBold, TRUE);
    return TRUE;
}

HBRUSH CConditionsDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    const HBRUSH hbr = CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    return ButtonDialogCtlColor(*pDC, nCtlColor, hbr, theApp.m_brLight, theApp.m_brDark);
}
