#include "ProgramFixture.h"

#include "ui/AdvisorDlg.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <map>
#include <tuple>

namespace {

class OneRunningCopy : public ProgramTest {
protected:
    // Every file below the test's home, with what a write would change.
    std::map<QString, std::tuple<qint64, qint64, ino_t>> Files() const {
        std::map<QString, std::tuple<qint64, qint64, ino_t>> files;
        QDirIterator it(HomeDir(), QDir::Files | QDir::Hidden | QDir::System,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            struct stat st {};
            ::stat(path.toUtf8().constData(), &st);
            files[path] = {st.st_size, st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec,
                           st.st_ino};
        }
        return files;
    }
};

TEST_F(OneRunningCopy, ASecondStartRaisesTheFirstAndEndsWithoutTouchingAFile) {
    RunningProgram first;
    ASSERT_TRUE(first.WaitUntilAnswering()) << first.Errors();
    const auto before = Files();
    ASSERT_FALSE(before.empty());

    RunningProgram second;
    ASSERT_TRUE(second.WaitForEnd());
    EXPECT_TRUE(second.EndedNormally()) << second.Errors();
    EXPECT_EQ(second.ExitCode(), 0) << "the first copy answered: " << second.Errors();
    EXPECT_EQ(Files(), before);
    EXPECT_TRUE(first.Running());
}

TEST_F(OneRunningCopy, AKilledCopyDoesNotBlockTheNextStart) {
    {
        RunningProgram killed;
        ASSERT_TRUE(killed.WaitUntilAnswering()) << killed.Errors();
        killed.Signal(SIGKILL);
        ASSERT_TRUE(killed.WaitForEnd());
    }
    ASSERT_TRUE(QFileInfo::exists(RunningProgram::ServerName())) << "the case needs its socket";
    RunningProgram next;
    EXPECT_TRUE(next.WaitUntilAnswering()) << next.Errors();
}

TEST_F(OneRunningCopy, CopiesWithSettingsInDifferentPlacesRunSideBySide) {
    RunningProgram first;
    ASSERT_TRUE(first.WaitUntilAnswering()) << first.Errors();
    const QTemporaryDir otherUser;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"}) {
        env.insert(QString::fromLatin1(variable), otherUser.path());
    }
    // A table of its own in its data directory, where it then saves.
    ASSERT_TRUE(QDir(otherUser.path()).mkpath(QStringLiteral("Holverra/Caddora")));
    ASSERT_TRUE(QFile::copy(ToQString(GetDataFilePath()),
                            otherUser.path() + QStringLiteral("/Holverra/Caddora/Clubs.dat")));
    RunningProgram other(env);
    EXPECT_TRUE(other.WaitUntilAnswering(
        SingleInstance::ServerName(otherUser.path() + QStringLiteral("/Holverra/registry.reg"))))
        << other.Errors();
    EXPECT_TRUE(first.Running());
}

// What the running copy does when a second start asks: its main window, minimized or
// behind another, comes back to the front and takes the keyboard.
TEST_F(OneRunningCopy, TheAskedCopyBringsItsMainWindowToTheFront) {
    PrepareDrawingObjectsAndClubs();
    CAdvisorDlg main;
    ASSERT_TRUE(main.Create());
    QWidget other;
    other.show();
    ASSERT_TRUE(Activate(&other));
    main.GetSafeHwnd()->showMinimized();
    theApp.m_pMainWnd = &main;

    theApp.BringWindowsToFront();

    theApp.m_pMainWnd = nullptr;
    EXPECT_FALSE(main.GetSafeHwnd()->isMinimized());
    EXPECT_TRUE(QTest::qWaitForWindowActive(main.GetSafeHwnd()));
    main.DestroyWindow();
}

} // namespace
