#pragma once
// The base of the tests that play the player in the program's dialogs on either platform
// layer: the toolkit started once, a temporary home with its own settings and data places
// (and, on Windows, a registry of its own), the program pretending to live in it, the one
// application object as start-up leaves it before the main dialog runs (the brushes, the
// bold font and the default clubs), the message box seam emptied, and a watchdog against
// modal windows nobody answers.
#include "advisor/AdvisorApp.h"
#include "club/ClubBook.h"
#include "platform/core/KnownFolders.h"
#include "platform/core/ModulePath.h"
#include "platform/ui/MessageBoxSeam.h"
#include "support/Player.h"
#include "support/UserEnvironment.h"

#include <filesystem>
#include <memory>

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_environment = std::make_unique<UserEnvironment>();
        Player::StartToolkit();
        const std::filesystem::path bin = m_environment->Root().Path() / "bin";
        std::filesystem::create_directories(bin);
        SetModuleFilePathOverride(CString::FromUtf8((bin / "caddora").string()));
        // The preferred data directory is entered once per process; this test's home must
        // be the one it names.
        RegisterPlatformStringResources();
        MessageBoxSeam::TakeShownTexts();
        theApp.m_nPlayerType = 1;
        theApp.m_clubs.DeleteAll();
        theApp.CreateDrawingObjects();
        BuildDefaultClubs(theApp.m_clubs);
        m_watchdog = std::make_unique<Player::Watchdog>();
    }
    void TearDown() override {
        m_watchdog.reset();
        EXPECT_EQ(MessageBoxSeam::PendingAnswers(), 0) << "a message the test expected never came";
        while (MessageBoxSeam::PendingAnswers() > 0) {
            MessageBoxSeam::Show(CString(), 0);
        }
        MessageBoxSeam::TakeShownTexts();
        theApp.m_clubs.DeleteAll();
        theApp.m_regSettings.Close();
        SetModuleFilePathOverride(CString());
        m_environment.reset();
    }

    // The name of the club the rule gives for the distance.
    static CString ClubFor(int yards, PlayerType playerType = 1) {
        const CGolfClub* club = FindClubForDistance(theApp.m_clubs, playerType, yards);
        return club != nullptr ? club->m_strName : CString();
    }

private:
    std::unique_ptr<UserEnvironment> m_environment;
    std::unique_ptr<Player::Watchdog> m_watchdog;
};
