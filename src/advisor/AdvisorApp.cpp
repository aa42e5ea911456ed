#include "advisor/AdvisorApp.h"

#include "advisor/AdvisorDlg.h"
#include "advisor/ClubFileMessages.h"
#include "advisor/ConditionsSettings.h"
#include "advisor/ShownUnit.h"
#include "club/ClubBook.h"
#include "platform/core/CArchive.h"
#include "platform/ui/MessageBoxSeam.h"
#include "res/RegisterCaddoraResources.h"

const char16_t* const kSettingsKeyPath = u"Software\\Holverra\\Caddora";
const char16_t* const kGenderValue = u"Gender";
const char16_t* const kLastDistanceValue = u"LastDistance";

CAdvisorApp theApp;

namespace {

// A message already given at start (the places of another user) is not given again.
void ShowUnlessEmpty(const CString& text) {
    if (!text.IsEmpty()) {
        AfxMessageBox(text);
    }
}

} // namespace

BEGIN_MESSAGE_MAP(CAdvisorApp, CWinApp)
END_MESSAGE_MAP()

CAdvisorApp::CAdvisorApp() : m_regSettings(HKEY_CURRENT_USER) {
    m_nPlayerType = CGolfClub::kAdultMale;
}

CAdvisorApp::~CAdvisorApp() = default;

BOOL CAdvisorApp::InitInstance() {
    if (!m_regSettings.Exists(HKEY_CURRENT_USER, kSettingsKeyPath)) {
        m_regSettings.Create(HKEY_CURRENT_USER, kSettingsKeyPath, 0);
    }
    m_regSettings.Open(HKEY_CURRENT_USER, kSettingsKeyPath);

    CAdvisorDlg dlg;
    DWORD dwValue = 0;
    if (m_regSettings.GetDWordValue(kGenderValue, dwValue)) {
        m_nPlayerType = static_cast<PlayerType>(dwValue);
    }
    if (m_regSettings.GetDWordValue(kLastDistanceValue, dwValue)) {
        dlg.m_nDistance = CAdvisorDlg::NearestAcceptedDistance(static_cast<int>(dwValue));
    }
    m_conditions = ReadConditions(m_regSettings);
    UseUnit(ReadDistanceUnit(m_regSettings));
    m_pMainWnd = &dlg;

    CreateDrawingObjects();

    if (!SerializeClubs(CArchive::load)) {
        BuildDefaultClubs(m_clubs, &DefaultClubNames());
    }
    // A damaged or unreadable table is told once, before the player relies on it.
    if (const CString text = ClubFileLoadMessage(m_clubFile.GetReport()); !text.IsEmpty()) {
        AfxMessageBox(text);
    }

    dlg.DoModal();

    StoreLastDistance();
    return FALSE;
}

void CAdvisorApp::StoreLastDistance() {
    const auto* dlg = dynamic_cast<const CAdvisorDlg*>(m_pMainWnd);
    if (dlg == nullptr) {
        return;
    }
    m_regSettings.SetDWordValue(kLastDistanceValue, static_cast<DWORD>(dlg->m_nDistance));
    m_pMainWnd = nullptr;
}

void CAdvisorApp::FinishInstanceAtExit() {
    // Setup may be open, and its end, which stores the player type in force, never comes:
    // that type is stored here, unless the settings hold it already.
    DWORD dwStored = 0;
    if (m_regSettings.GetDWordValue(kGenderValue, dwStored)
            ? dwStored != static_cast<DWORD>(m_nPlayerType)
            : m_nPlayerType != CGolfClub::kAdultMale) {
        m_regSettings.SetDWordValue(kGenderValue, static_cast<DWORD>(m_nPlayerType));
    }
    StoreLastDistance();
}

int CAdvisorApp::ExitInstance() {
    m_fntBold.DeleteObject();
    m_regSettings.Close();
    if (!SerializeClubs(CArchive::store)) {
        // Nothing could be written anywhere: the player's edits would be lost silently.
        ShowUnlessEmpty(ClubFileNotSavedMessage(m_clubFile.GetReport()));
    }
    if (m_regSettings.m_bWriteFailed) {
        // A setting of this run is lost (the settings' lock was held too long, say).
        ShowUnlessEmpty(SettingsNotSavedMessage());
    }
    m_clubs.DeleteAll();
    return CWinApp::ExitInstance();
}

void CAdvisorApp::CreateDrawingObjects() {
    if (m_brLight.m_hObject == nullptr) {
        m_brLight.CreateSolidBrush(kLightColour);
    }
    if (m_brDark.m_hObject == nullptr) {
        m_brDark.CreateSolidBrush(kDarkColour);
    }
    if (m_fntBold.m_hObject == nullptr) {
        LOGFONT lf{};
        GetObject(GetStockFont(SYSTEM_FONT), lf);
        lf.lfWeight = FW_BOLD;
        lf.lfHeight = -12;
        m_fntBold.CreateFontIndirect(&lf);
    }
}

BOOL CAdvisorApp::SerializeClubs(UINT nMode) {
    return m_clubFile.Serialize(m_clubs, nMode);
}
