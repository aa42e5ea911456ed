// The main dialog's menu and what it opens: Club Gaps over the player's bag, from the menu, its
// key and Setup, and About.
#include "support/MainDialogTest.h"

#include "advisor/AboutDlg.h"
#include "advisor/ClubGapsDlg.h"
#include "advisor/EditClubDlg.h"
#include "advisor/SetupDlg.h"

#include <string>

namespace {

class BagAtAGlance : public MainDialogTest {
protected:
    void SetUp() override {
        MainDialogTest::SetUp();
        Open();
    }
    // The summary Club Gaps shows, opened by `open`.
    static std::string GapsSummary(const std::function<void()>& open) {
        std::string summary;
        Player::WithModalDialog<CClubGapsDlg>(
            [&summary](CClubGapsDlg& gaps) {
                summary = Player::Text(gaps, IDC_GAPS_SUMMARY).ToUtf8();
                Player::Press(gaps, 0, Key::Escape);
                EXPECT_TRUE(gaps.IsEnded());
            },
            open);
        return summary;
    }
};

constexpr const char* kDefaultMaleBag =
    "2 gaps over 15 yd: Driver to 3 Wood 20 yd, Dual/Gap Wedge to Sand Wedge 20 yd; "
    "1 overlap: 7 Wood and 3 Iron 180 yd";

} // namespace

TEST_F(BagAtAGlance, TheMenuByTheRightButtonTheKeyboardOrTheShortcutOpensClubGaps) {
    struct Way {
        const char* what;
        std::function<void(CAdvisorDlg&)> open;
    };
    const Way ways[] = {
        {"right button on the banner's caption",
         [](CAdvisorDlg& d) { Player::ChooseFromContextMenu(d, IDC_RECOMMENDATION, 'G'); }},
        {"Shift+F10 in the distance field",
         [](CAdvisorDlg& d) { Player::ChooseFromContextMenu(d, 0, 'G'); }},
        {"Ctrl+G in the distance field",
         [](CAdvisorDlg& d) { Player::Press(d, IDC_DISTANCE, Letter('G'), Player::Ctrl); }},
    };
    for (const Way& way : ways) {
        EXPECT_EQ(GapsSummary([&] { way.open(*dlg); }), kDefaultMaleBag) << way.what;
    }
}

TEST_F(BagAtAGlance, ClubGapsFromSetupShowsTheTableAsSetupLeftIt) {
    std::string summary;
    Player::WithModalDialog<CSetupDlg>(
        [&summary](CSetupDlg& setup) {
            Player::TapRow(setup, IDC_CLUB_LIST, 6); // the 5 Iron
            Player::WithModalDialog<CEditClubDlg>(
                [](CEditClubDlg& edit) {
                    Player::Type(edit, IDC_BEST_DISTANCE, u"172");
                    Player::Tap(edit, IDOK);
                },
                [&setup] { Player::Tap(setup, IDC_EDIT); });
            summary = GapsSummary(
                [&setup] { Player::Press(setup, IDC_CLUB_LIST, Letter('G'), Player::Ctrl); });
            Player::Press(setup, 0, Key::Escape);
        },
        [this] { Player::Tap(*dlg, IDC_SETUP); });
    EXPECT_EQ(summary, "3 gaps over 15 yd: Driver to 3 Wood 20 yd, 4 Iron to 6 Iron 20 yd, "
                       "Dual/Gap Wedge to Sand Wedge 20 yd; 2 overlaps: 7 Wood and 3 Iron 180 yd, "
                       "5 Iron and 4 Iron 2 yd apart");
}

TEST_F(BagAtAGlance, F1AndTheMenuOpenAboutWithTheVersion) {
    theApp.m_pszAppVersion = "1.2.3";
    for (const bool byMenu : {false, true}) {
        Player::WithModalDialog<CAboutDlg>(
            [](CAboutDlg& about) {
                EXPECT_EQ(Player::Text(about, IDC_ABOUT_VERSION), CString(u"Version 1.2.3"));
                Player::Tap(about, IDOK);
            },
            [&] {
                if (byMenu) {
                    Player::ChooseFromContextMenu(*dlg, IDC_RECOMMENDATION, 'A');
                } else {
                    Player::Press(*dlg, IDC_DISTANCE, Key::F1);
                }
            });
    }
    theApp.m_pszAppVersion = nullptr;
}
