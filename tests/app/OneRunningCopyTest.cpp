#include "app/ProgramFixture.h"

#include "advisor/AdvisorDlg.h"

#include <QDirIterator>
#include <QTest>

#include <map>
#include <tuple>

namespace {

class OneRunningCopy : public ProgramTest {
protected:
    // Every file below the test's home, with what a write would change.
    std::map<QString, std::tuple<qint64, qint64, ino_t>> Files() const {
        std::map<QString, std::tuple<qint64, qint64, ino_t>> files;
        QDirIterator it(HomeDir(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            struct stat st {};
            ::stat(it.next().toUtf8().constData(), &st);
            files[it.filePath()] = {
                st.st_size, st.st_mtim.tv_nsec + st.st_mtim.tv_sec * 1000000000LL, st.st_ino};
        }
        return files;
    }
};

TEST_F(OneRunningCopy, ASecondStartRaisesTheFirstAndEndsWithoutTouchingAFile) {
    RunningProgram first;
    ASSERT_TRUE(first.WaitUntilAnswering()) << first.Errors();
    const auto before = Files();

    RunningProgram second;
    ASSERT_TRUE(second.WaitForEnd());
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
    ASSERT_TRUE(std::filesystem::exists(RunningProgram::SocketPath()))
        << "the case needs its socket";
    RunningProgram next;
    EXPECT_TRUE(next.WaitUntilAnswering()) << next.Errors();
}

// What the asked copy does: its main window, minimized or behind another, comes back to the
// front and takes the keyboard.
TEST_F(OneRunningCopy, TheAskedCopyBringsItsMainWindowToTheFront) {
    PrepareDrawingObjectsAndClubs();
    CAdvisorDlg main;
    ASSERT_TRUE(main.Create());
    QWidget other;
    other.show();
    ASSERT_TRUE(Activate(&other));
    WidgetOf(main.GetSafeHwnd())->showMinimized();
    theApp.m_pMainWnd = &main;
    theApp.BringWindowsToFront();
    theApp.m_pMainWnd = nullptr;
    EXPECT_FALSE(WidgetOf(main.GetSafeHwnd())->isMinimized());
    EXPECT_TRUE(QTest::qWaitForWindowActive(WidgetOf(main.GetSafeHwnd())));
    main.DestroyWindow();
}

} // namespace
