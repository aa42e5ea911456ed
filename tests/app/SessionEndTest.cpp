#include "app/ProgramFixture.h"

#include "advisor/AdvisorDlg.h"
#include "advisor/SetupDlg.h"
#include "platform/ui/MessageBoxSeam.h"

#include <QLineEdit>
#include <QStandardPaths>
#include <QTest>

namespace {

class SessionEnd : public ProgramTest {
protected:
    // The application object outlives the test; the next one starts a run of its own.
    void TearDown() override {
        theApp.m_bEndingSession = FALSE;
        ProgramTest::TearDown();
    }
    static CDialog& Modal() {
        return *CDialog::FromHandlePermanent(HandleOf(QApplication::activeModalWidget()));
    }
    static void Tap(CDialog& dlg, int id) {
        QTest::mouseClick(WidgetOf(dlg.GetDlgItem(id)->m_hWnd), Qt::LeftButton, {}, QPoint(4, 4));
    }
};

class TerminationSignal : public SessionEnd, public ::testing::WithParamInterface<int> {};

TEST_P(TerminationSignal, EndsTheRunAndSavesAsClosingWould) {
    RunningProgram program;
    ASSERT_TRUE(program.WaitUntilAnswering()) << program.Errors();
    program.Signal(GetParam());
    ASSERT_TRUE(program.WaitForEnd());
    EXPECT_TRUE(program.EndedNormally()) << program.Errors();
    EXPECT_EQ(program.ExitCode(), 0) << program.Errors();
    ExpectTheRunEndedAsAlways();
}

INSTANTIATE_TEST_SUITE_P(Signals, TerminationSignal, ::testing::Values(SIGTERM, SIGINT, SIGHUP),
                         [](const auto& info) { return std::string(sigabbrev_np(info.param)); });

TEST_F(SessionEnd, ALostDisplayEndsTheRunAsAlwaysWithoutACrash) {
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty()) {
        GTEST_SKIP() << "Xvfb is not installed (package xvfb)";
    }
    // The server picks a free display itself and names it on its standard output.
    QProcess server;
    server.start(xvfb,
                 QStringLiteral("-displayfd 1 -nolisten tcp -screen 0 640x480x24").split(' '));
    QByteArray display;
    while (!display.endsWith('\n') && server.waitForReadyRead(RunningProgram::kPatienceMs)) {
        display += server.readAllStandardOutput();
    }
    ASSERT_TRUE(display.endsWith('\n')) << server.readAllStandardError().toStdString();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("DISPLAY"),
               QLatin1Char(':') + QString::fromLatin1(display.trimmed()));
    // Qt's display plugin ends the process without releasing what D-Bus and fontconfig hold;
    // those are no leaks of the program's, and memory errors still count.
    env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    RunningProgram program(env);
    ASSERT_TRUE(program.WaitUntilAnswering()) << program.Errors();

    server.kill();
    server.waitForFinished(RunningProgram::kPatienceMs);
    ASSERT_TRUE(program.WaitForEnd());
    const std::string errors = program.Errors();
    EXPECT_TRUE(program.EndedNormally()) << "crashed: " << errors;
    EXPECT_EQ(errors.find("ERROR: AddressSanitizer"), std::string::npos) << errors;
    EXPECT_EQ(errors.find("runtime error"), std::string::npos) << errors;
    ExpectTheRunEndedAsAlways();
    EXPECT_FALSE(std::filesystem::exists(RunningProgram::SocketPath())) << "no socket left behind";
}

// In the program the signal arrives through the event loop; here it is the same call, made
// while Setup and an Edit Club dialog are open inside the main dialog.
TEST_F(SessionEnd, EndsSetupAndEditClubAsEscapeWouldAndKeepsOnlyWhatWasAccepted) {
    std::int32_t femaleBefore = 0;
    WhenModal([&](QWidget*) {
        auto* field = qobject_cast<QLineEdit*>(WidgetOf(Modal().GetDlgItem(IDC_DISTANCE)->m_hWnd));
        QTest::keyClicks(field, QStringLiteral("5")); // replaces 1000; never accepted
        WhenModal([&](QWidget*) {
            Tap(Modal(), IDC_ADULT_FEMALE);
            static_cast<CSetupDlg&>(Modal()).m_lstClubs.SetItemState(0, LVIS_SELECTED,
                                                                     LVIS_SELECTED);
            femaleBefore = theApp.m_clubs.GetHead()->m_nFemaleDistance;
            WhenModal([&](QWidget*) {
                QTest::keyClicks(WidgetOf(Modal().GetDlgItem(IDC_BEST_DISTANCE)->m_hWnd),
                                 QStringLiteral("7"));
                theApp.EndSession();
            });
            Tap(Modal(), IDC_EDIT);
        });
        Tap(Modal(), IDC_SETUP);
    });
    EXPECT_FALSE(theApp.InitInstance());
    EXPECT_EQ(theApp.ExitInstance(), 0);

    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(MessageBoxSeam::TakeShownTexts().size(), 1U)
        << "the refresh after Setup refused 5, and showed no window";
    EXPECT_EQ(Stored(kGenderValue), 2U) << "Setup ended as by Escape: the type in force";
    ExpectTheRunEndedAsAlways();
    CClubList clubs;
    ASSERT_TRUE(SerializeClubs(clubs, 1));
    EXPECT_EQ(clubs.GetHead()->m_nFemaleDistance, femaleBefore) << "Edit Club ended as cancelled";
}

// When the display goes the toolkit ends the process from inside the innermost dialog's loop,
// and Setup's own end never comes: the way out stores the player type in force all the same.
TEST_F(SessionEnd, ALostDisplayWhileSetupIsOpenStoresThePlayerTypeInForce) {
    WhenModal([&](QWidget*) {
        WhenModal([&](QWidget*) {
            Tap(Modal(), IDC_ADULT_FEMALE);
            theApp.FinishInstanceAtExit(); // what the way out does
            EXPECT_EQ(Stored(kGenderValue), 2U);
            EXPECT_EQ(Stored(kLastDistanceValue), 1000U);
            theApp.EndSession();
        });
        Tap(Modal(), IDC_SETUP);
    });
    EXPECT_FALSE(theApp.InitInstance());
    EXPECT_EQ(theApp.ExitInstance(), 0);
}

// A signal taken by a message box's loop before the main dialog opens (start-up still on
// its way there) is not lost: the main dialog ends as soon as it shows.
TEST_F(SessionEnd, ADialogThatOpensAfterTheEndWasAskedForEndsAtOnce) {
    theApp.EndSession();
    EXPECT_FALSE(theApp.InitInstance());
    EXPECT_EQ(theApp.ExitInstance(), 0);
    ExpectTheRunEndedAsAlways();
}

} // namespace
