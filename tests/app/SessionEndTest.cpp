#include "ProgramFixture.h"

#include "platform/ui/MessageBoxSeam.h"
#include "ui/AdvisorDlg.h"
#include "ui/EditClubDlg.h"
#include "ui/SetupDlg.h"

#include <QLineEdit>
#include <QStandardPaths>
#include <QTest>

namespace {

class SessionEnd : public ProgramTest {};

class TerminationSignal : public SessionEnd, public ::testing::WithParamInterface<int> {};

TEST_P(TerminationSignal, EndsTheRunAsTheCloseButtonWould) {
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
                 {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-nolisten"),
                  QStringLiteral("tcp"), QStringLiteral("-screen"), QStringLiteral("0"),
                  QStringLiteral("640x480x24")});
    QByteArray display;
    const QDeadlineTimer deadline(RunningProgram::kPatienceMs);
    while (!display.endsWith('\n') && server.waitForReadyRead(deadline.remainingTime())) {
        display += server.readAllStandardOutput();
    }
    ASSERT_TRUE(display.endsWith('\n')) << server.readAllStandardError().toStdString();

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("DISPLAY"),
               QLatin1Char(':') + QString::fromLatin1(display.trimmed()));
    RunningProgram program(env);
    ASSERT_TRUE(program.WaitUntilAnswering()) << program.Errors();
    server.kill();
    server.waitForFinished(RunningProgram::kPatienceMs);
    ASSERT_TRUE(program.WaitForEnd());
    const std::string errors = program.Errors();
    EXPECT_TRUE(program.EndedNormally()) << "crashed: " << errors;
    EXPECT_EQ(errors.find("Sanitizer"), std::string::npos) << errors;
    ExpectTheRunEndedAsAlways();
}

// In the program the signal arrives through the event loop; here it is the same call, made
// while Setup and an Edit Club dialog are open inside the main dialog.
TEST_F(SessionEnd, EndsEveryOpenDialogInnermostFirstAsEscapeWould) {
    const auto modal = [](auto* typed) {
        auto* dlg = dynamic_cast<std::remove_pointer_t<decltype(typed)>*>(
            CDialog::FromWidget(QApplication::activeModalWidget()));
        EXPECT_NE(dlg, nullptr);
        return dlg;
    };
    const auto retype = [](CDialog& dlg, int id, const char* text) {
        auto* field = qobject_cast<QLineEdit*>(dlg.GetDlgItem(id)->m_hWnd);
        field->selectAll();
        QTest::keyClicks(field, QString::fromLatin1(text));
    };
    const auto tap = [](CDialog& dlg, int id) {
        QTest::mouseClick(dlg.GetDlgItem(id)->m_hWnd, Qt::LeftButton, {}, QPoint(4, 4));
    };
    int femaleBefore = 0;
    WhenModal([&](QWidget*) {
        CAdvisorDlg& main = *modal(static_cast<CAdvisorDlg*>(nullptr));
        retype(main, IDC_DISTANCE, "1500"); // typed, never accepted
        WhenModal([&](QWidget*) {
            CSetupDlg& setup = *modal(static_cast<CSetupDlg*>(nullptr));
            tap(setup, IDC_ADULT_FEMALE);
            setup.m_lstClubs.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
            femaleBefore = theApp.m_clubs.GetHead()->m_nFemaleDistance;
            WhenModal([&](QWidget*) {
                CEditClubDlg& edit = *modal(static_cast<CEditClubDlg*>(nullptr));
                retype(edit, IDC_BEST_DISTANCE, "777"); // not accepted with OK
                theApp.EndSession();
            });
            tap(setup, IDC_EDIT);
        });
        tap(main, IDC_SETUP);
    });
    EXPECT_FALSE(theApp.InitInstance());
    EXPECT_EQ(theApp.ExitInstance(), 0);

    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    const auto texts = MessageBoxSeam::TakeShownTexts();
    ASSERT_EQ(texts.size(), 1U) << "the refresh after Setup refused 1500, without a window";
    EXPECT_EQ(StoredDistance(), 1000U) << "the distance the dialog last accepted";
    CRegistryKey key(HKEY_CURRENT_USER);
    DWORD gender = 0;
    ASSERT_TRUE(key.Open(HKEY_CURRENT_USER, kSettingsKeyPath) &&
                key.GetDWordValue(kGenderValue, gender));
    EXPECT_EQ(gender, 2U) << "Setup ended as by Escape: the type in force is stored";
    CClubList clubs;
    ASSERT_TRUE(SerializeClubs(clubs, 1));
    EXPECT_EQ(clubs.GetCount(), 2) << "the table was saved";
    EXPECT_EQ(clubs.GetHead()->m_nFemaleDistance, femaleBefore) << "Edit Club ended as cancelled";
    theApp.m_bEndingSession = FALSE; // the next test starts a run of its own
}

// A signal taken by a message box's loop before the main dialog opens (start-up still on
// its way there) is not lost: the main dialog ends as soon as it shows.
TEST_F(SessionEnd, ADialogThatOpensAfterTheEndWasAskedForEndsAtOnce) {
    theApp.EndSession();
    EXPECT_FALSE(theApp.InitInstance());
    EXPECT_EQ(theApp.ExitInstance(), 0);
    theApp.m_bEndingSession = FALSE;
    ExpectTheRunEndedAsAlways();
}

} // namespace
