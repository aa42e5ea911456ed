#pragma once
// UI tests that need the application object: the executable pretends to live in the test's
// temporary directory (so Clubs.dat lands there), and the one application object is put
// back to its state after construction, with the shared drawing objects that start-up
// creates before any dialog runs.
#include "support/UiTest.h"

#include "advisor/AdvisorApp.h"
#include "club/ClubBook.h"
#include "platform/core/KnownFolders.h"
#include "platform/core/ModulePath.h"
#include "platform/ui/qt/QtConvert.h"

#include <QDir>

class AppTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        QDir(HomeDir()).mkpath(QStringLiteral("bin"));
        SetModuleFilePathOverride(FromQString(AppDir() + QStringLiteral("caddora")));
        // The preferred data directory is entered once per process; this test's home
        // must be the one it names.
        RegisterPlatformStringResources();
        theApp.m_nPlayerType = 1;
        theApp.m_clubs.DeleteAll();
    }
    void TearDown() override {
        theApp.m_clubs.DeleteAll();
        theApp.m_regSettings.Close();
        SetModuleFilePathOverride(CString());
        UiTest::TearDown();
    }
    // The program's own directory, with its trailing separator.
    QString AppDir() const { return HomeDir() + QStringLiteral("/bin/"); }

    // What start-up does before it runs the main dialog: the brushes, the bold font and
    // the default clubs.
    static void PrepareDrawingObjectsAndClubs() {
        theApp.CreateDrawingObjects();
        BuildDefaultClubs(theApp.m_clubs);
    }
};
