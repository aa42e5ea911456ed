#include "advisor/ConditionsDlg.h"

#include "advisor/AdvisorApp.h"
#include "advisor/ColourScheme.h"
#include "advisor/ShownUnit.h"
#include "platform/ui/CDataExchange.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CConditionsDlg, CDialog)
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

namespace {

// The range of a quantity as the field shows it.
ConditionRange ShownRange(Quantity quantity, const ConditionRange& range) {
    return {ShownQuantity(quantity, range.min, ShownUnit()),
            ShownQuantity(quantity, range.max, ShownUnit())};
}

// A number field and its range: what the field holds is taken only once it lies within the
// range, so that a refused value is never kept. The field reads in the unit shown; a value
// taken back unchanged keeps what was stored, and a converted one stays within the stored
// range (3658 m is a little over 12,000 ft).
void ExchangeInRange(CDataExchange* pDX, int nIDC, std::int32_t& value, Quantity quantity,
                     const ConditionRange& range) {
    const ConditionRange shown = ShownRange(quantity, range);
    int field = ShownQuantity(quantity, value, ShownUnit());
    DDX_Text(pDX, nIDC, field);
    DDV_MinMaxInt(pDX, field, shown.min, shown.max);
    if (!pDX->Failed()) {
        value =
            std::clamp(StoredQuantity(quantity, field, ShownUnit(), value), range.min, range.max);
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
    ExchangeInRange(pDX, IDC_WIND, read.windMph, Quantity::Speed, kWindMphRange);
    DDX_Radio(pDX, IDC_WIND_INTO, windFrom);
    ExchangeInRange(pDX, IDC_TEMPERATURE, read.temperatureF, Quantity::Temperature,
                    kTemperatureFRange);
    ExchangeInRange(pDX, IDC_SLOPE, read.slopeFeet, Quantity::Height, kSlopeFeetRange);
    ExchangeInRange(pDX, IDC_ALTITUDE, read.altitudeFeet, Quantity::Height, kAltitudeFeetRange);
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
    } fields[] = {{m_spnWind, ShownRange(Quantity::Speed, kWindMphRange)},
                  {m_spnTemperature, ShownRange(Quantity::Temperature, kTemperatureFRange)},
                  {m_spnSlope, ShownRange(Quantity::Height, kSlopeFeetRange)},
                  {m_spnAltitude, ShownRange(Quantity::Height, kAltitudeFeetRange)}};
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
