#include "support/AppTest.h"

#include "advisor/AdvisorDlg.h"
#include "advisor/EditClubDlg.h"
#include "advisor/SetupDlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

// The main dialog's Setup picture: what it stores and refreshes after the Setup dialog.
class SetupFromMainDialog : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        PrepareDrawingObjectsAndClubs();
        ASSERT_TRUE(theApp.m_regSettings.Create(HKEY_CURRENT_USER, kSettingsKeyPath, 0));
        // Built only now: its icon needs the Qt application, which the set-up makes.
        mainDlg = std::make_unique<CAdvisorDlg>();
        mainDlg->m_nDistance = 150;
        ASSERT_TRUE(mainDlg->Create());
        ASSERT_TRUE(Activate(WidgetOf(mainDlg->GetSafeHwnd())));
    }
    void TearDown() override {
        mainDlg.reset();
        AppTest::TearDown();
    }
    static void Tap(CDialog& dlg, int id) {
        QTest::mouseClick(WidgetOf(dlg.GetDlgItem(id)->m_hWnd), Qt::LeftButton, {}, QPoint(4, 4));
    }
    QLineEdit* Field() {
        return qobject_cast<QLineEdit*>(WidgetOf(mainDlg->GetDlgItem(IDC_DISTANCE)->m_hWnd));
    }
    QString Result() {
        return qobject_cast<QLabel*>(WidgetOf(mainDlg->GetDlgItem(IDC_RECOMMENDATION)->m_hWnd))
            ->text();
    }
    // Taps Setup with `act` playing the player in the Setup dialog.
    void RunSetup(std::function<void(CSetupDlg&)> act) {
        WithModalDialog(std::move(act), [this] { Tap(*mainDlg, IDC_SETUP); });
    }
    static bool StoredGender(DWORD& value) {
        CRegistryKey key(HKEY_CURRENT_USER);
        return key.Open(HKEY_CURRENT_USER, kSettingsKeyPath) &&
               key.GetDWordValue(kGenderValue, value);
    }
    static QString ClubFor(int yards, PlayerType type) {
        return ToQString(FindClubForDistance(theApp.m_clubs, type, yards)->m_strName);
    }
    // A number typed but not yet taken: only a refresh reads it.
    void TypeUntaken(const QString& text) {
        Field()->selectAll();
        QTest::keyClicks(Field(), text);
    }

    std::unique_ptr<CAdvisorDlg> mainDlg;
};

enum class SetupEnd { Close, Enter, Escape, CloseBox };

struct CloseCase {
    const char* name;
    PlayerType before;
    int radio; // 0: none clicked
    SetupEnd how;
    DWORD stored;
};

class SetupClosed : public SetupFromMainDialog, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(SetupClosed, HoweverItEndsStoresTheTypeAndRefreshesTheRecommendation) {
    const CloseCase& c = GetParam();
    theApp.m_nPlayerType = c.before;
    TypeUntaken(QStringLiteral("200"));

    RunSetup([&](CSetupDlg& setup) {
        if (c.radio != 0) {
            Tap(setup, c.radio);
        }
        QWidget* list = WidgetOf(setup.GetDlgItem(IDC_CLUB_LIST)->m_hWnd);
        switch (c.how) {
        case SetupEnd::Close:
            Tap(setup, IDOK);
            break;
        case SetupEnd::Enter:
            QTest::keyClick(list, Qt::Key_Return);
            break;
        case SetupEnd::Escape:
            QTest::keyClick(list, Qt::Key_Escape);
            break;
        case SetupEnd::CloseBox:
            WidgetOf(setup.GetSafeHwnd())->close();
            break;
        }
    });

    DWORD stored = 0;
    ASSERT_TRUE(StoredGender(stored));
    EXPECT_EQ(stored, c.stored);
    EXPECT_EQ(theApp.m_nPlayerType, static_cast<PlayerType>(c.stored));
    EXPECT_EQ(mainDlg->m_nDistance, 200) << "the refresh read the field";
    EXPECT_EQ(Result(), ClubFor(200, static_cast<PlayerType>(c.stored)));
}

INSTANTIATE_TEST_SUITE_P(
    Ways, SetupClosed,
    ::testing::Values(CloseCase{"CloseUnchangedMale", 1, 0, SetupEnd::Close, 1},
                      CloseCase{"CloseTypeThreeIsStoredAsFemale", 3, 0, SetupEnd::Close, 2},
                      CloseCase{"CloseToFemale", 1, IDC_ADULT_FEMALE, SetupEnd::Close, 2},
                      CloseCase{"EnterToMale", 2, IDC_ADULT_MALE, SetupEnd::Enter, 1},
                      CloseCase{"EscapeToFemale", 1, IDC_ADULT_FEMALE, SetupEnd::Escape, 2},
                      CloseCase{"EscapeUnchangedFemale", 2, 0, SetupEnd::Escape, 2},
                      CloseCase{"CloseBoxToMale", 2, IDC_ADULT_MALE, SetupEnd::CloseBox, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SetupFromMainDialog, AnEditAcceptedBeforeSetupIsCancelledStays) {
    CGolfClub* first = theApp.m_clubs.GetHead();
    const int female = first->m_nFemaleDistance;

    RunSetup([](CSetupDlg& setup) {
        setup.m_lstClubs.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
        WithModalDialog<CEditClubDlg>(
            [](CEditClubDlg& edit) {
                auto* distance =
                    qobject_cast<QLineEdit*>(WidgetOf(edit.GetDlgItem(IDC_BEST_DISTANCE)->m_hWnd));
                distance->selectAll();
                QTest::keyClicks(distance, QStringLiteral("333"));
                Tap(edit, IDOK);
            },
            [&] { Tap(setup, IDC_EDIT); });
        WidgetOf(setup.GetSafeHwnd())->close();
    });

    EXPECT_EQ(first->m_nMaleDistance, 333);
    EXPECT_EQ(first->m_nFemaleDistance, female);
}

} // namespace
