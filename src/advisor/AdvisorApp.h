#pragma once
// The one application object: the state that every dialog shares (player type, club list,
// settings key, the bold font and the two scheme brushes), filled by start-up and emptied
// by shut-down around the main dialog's modal run.
#include "club/ClubList.h"
#include "club/PlaysLike.h"
#include "persistence/ClubDataFile.h"
#include "persistence/RegistryKey.h"
#include "platform/ui/CBrush.h"
#include "platform/ui/CFont.h"
#include "platform/ui/CWinApp.h"

class CAdvisorApp : public CWinApp {
public:
    CAdvisorApp();
    ~CAdvisorApp() override;

    BOOL InitInstance() override;
    int ExitInstance() override;
    // The process exits with the main dialog still open (the display is gone): its
    // distance is stored as it would be once the dialog closed.
    void FinishInstanceAtExit() override;
    // Loads (CArchive::load) or saves (CArchive::store) the club list through the data file;
    // what that met is in m_clubFile's report.
    BOOL SerializeClubs(UINT nMode);
    // The light brush, the dark brush and then the bold font, each unless it exists already
    // (the object outlives a run, and a brush object holds one brush).
    void CreateDrawingObjects();
    // Stores the main dialog's distance, the last one it accepted, as "LastDistance"; once
    // per run, however the run ends.
    void StoreLastDistance();

    CFont m_fntBold;
    CBrush m_brLight;
    CBrush m_brDark;
    PlayerType m_nPlayerType;
    CClubList m_clubs;
    CRegistryKey m_regSettings;
    CClubDataFile m_clubFile;
    // What the weather and the ground make of a distance; not in use unless the player said so.
    Conditions m_conditions;

    DECLARE_MESSAGE_MAP()
};

extern CAdvisorApp theApp;

// Where the settings live under HKEY_CURRENT_USER, and the names of the two values.
extern const char16_t* const kSettingsKeyPath;
extern const char16_t* const kGenderValue;
extern const char16_t* const kLastDistanceValue;
constexpr COLORREF kLightColour = MakeRgb(172, 211, 115);
constexpr COLORREF kDarkColour = MakeRgb(89, 133, 39);
