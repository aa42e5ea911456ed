// What the player is told when the changes of a run cannot be kept: once, and only once.
#include "support/AppTest.h"

#include "platform/core/KnownFolders.h"
#include "platform/ui/MessageBoxSeam.h"
#include "ui/AdvisorDlg.h"

#include <QTest>

#include <sys/stat.h>

namespace {

class ChangesThatCannotBeSaved : public AppTest {
protected:
    // A run closed at once, with one message answered; what was told before the window, and
    // at the end.
    std::pair<std::vector<CString>, std::vector<CString>> Run() {
        MessageBoxSeam::SetNextAnswer(IDOK);
        std::vector<CString> atStart;
        WithModalDialog<CAdvisorDlg>(
            [&](CAdvisorDlg& dlg) {
                atStart = MessageBoxSeam::TakeShownTexts();
                QTest::mouseClick(dlg.GetDlgItem(IDC_CLOSE)->m_hWnd, Qt::LeftButton, {},
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
