// What the player is told when the changes of a run cannot be kept: once, and only once.
#include "support/AppTest.h"

#include "advisor/AdvisorDlg.h"
#include "platform/core/KnownFolders.h"
#include "platform/ui/MessageBoxSeam.h"

#include "support/OrdinaryUser.h"
#include "support/Player.h"

#include <QDirIterator>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

class ChangesThatCannotBeSaved : public AppTest {
protected:
    // A run closed at once, with one message answered; what was told before the window, and
    // at the end.
    std::pair<std::vector<CString>, std::vector<CString>> Run() {
        MessageBoxSeam::SetNextAnswer(IDOK);
        std::vector<CString> atStart;
        Player::WithModalDialog<CAdvisorDlg>(
            [&](CAdvisorDlg& dlg) {
                atStart = MessageBoxSeam::TakeShownTexts();
                QTest::mouseClick(WidgetOf(dlg.GetDlgItem(IDC_CLOSE)->m_hWnd), Qt::LeftButton, {},
                                  QPoint(5, 5));
            },
            [] { return theApp.InitInstance(); });
        theApp.ExitInstance();
        EXPECT_EQ(MessageBoxSeam::PendingAnswers(), 0);
        return {atStart, MessageBoxSeam::TakeShownTexts()};
    }
    static bool Holds(const CString& text, const CString& part) {
        return text.Str().find(part.Str()) != std::u16string_view::npos;
    }
};

} // namespace

TEST_F(ChangesThatCannotBeSaved, ASettingThatCouldNotBeWrittenIsToldAtTheEnd) {
    CRegistryKey key(HKEY_CURRENT_USER);
    ASSERT_TRUE(key.Create(HKEY_CURRENT_USER, kSettingsKeyPath, 0));
    // The distance stored at the end fails, as it does when the settings' lock is held too
    // long; a settings file nobody may change fails it at once.
    ASSERT_EQ(::chmod(GetRegistryHivePath().ToUtf8().c_str(), 0444), 0);
    const auto [atStart, atTheEnd] = Run();
    EXPECT_TRUE(atStart.empty());
    ASSERT_EQ(atTheEnd.size(), 1U);
    EXPECT_TRUE(Holds(atTheEnd[0], u"settings could not be saved")) << atTheEnd[0].ToUtf8();
}

TEST_F(ChangesThatCannotBeSaved, AnotherUsersPlacesAreToldOnceAtTheStart) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only an administrator can run with another user's home";
    }
    // The whole home, the program's folder with it, is the ordinary user's.
    QDirIterator entries(HomeDir(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        ASSERT_EQ(::lchown(entries.next().toUtf8().constData(), kOrdinaryUser, kOrdinaryUser), 0);
    }
    ASSERT_EQ(::lchown(HomeDir().toUtf8().constData(), kOrdinaryUser, kOrdinaryUser), 0);
    const auto [atStart, atTheEnd] = Run();
    ASSERT_EQ(atStart.size(), 1U);
    EXPECT_TRUE(Holds(atStart[0], GetDataFilePath())) << atStart[0].ToUtf8();
    EXPECT_TRUE(Holds(atStart[0], GetRegistryHivePath())) << atStart[0].ToUtf8();
    EXPECT_TRUE(Holds(atStart[0], u"another user")) << atStart[0].ToUtf8();
    EXPECT_TRUE(atTheEnd.empty()) << atTheEnd.front().ToUtf8();
}
