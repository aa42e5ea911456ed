#include "support/AppTest.h"

#include "ui/AdvisorDlg.h"
#include "ui/EditClubDlg.h"
#include "ui/SetupDlg.h"

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
        ASSERT_TRUE(Activate(mainDlg->GetSafeHwnd()));
    }
    void TearDown() override {
        mainDlg.reset();
        AppTest::TearDown();
    }
    static void Tap(CDialog& dlg, int id) {
        QTest::mouseClick(dlg.GetDlgItem(id)->m_hWnd, Qt::LeftButton, {}, QPoint(4, 4));
    }
    QLineEdit* Field() {
        return qobject_cast<QLineEdit*>(mainDlg->GetDlgItem(IDC_DISTANCE)->m_hWnd);
    }
    QString Result() {
        return qobject_cast<QLabel*>(mainDlg->GetDlgItem(IDC_RECOMMENDATION)->m_hWnd)->text();
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

TEST_F(SetupFromMainDialog, EscapeAfterAChangeKeepsTheTypeInMemoryOnlyAndRefreshesNothing) {
    const QString maleClub = Result();
    ASSERT_EQ(maleClub, ClubFor(150, 1));
    ASSERT_NE(ClubFor(150, 1), ClubFor(150, 2));
    TypeUntaken(QStringLiteral("200"));

    RunSetup([](CSetupDlg& setup) {
        Tap(setup, IDC_ADULT_FEMALE);
        QTest::keyClick(setup.GetDlgItem(IDC_CLUB_LIST)->m_hWnd, Qt::Key_Escape);
    });

    EXPECT_EQ(theApp.m_nPlayerType, 2);
    DWORD stored = 0;
    EXPECT_FALSE(StoredGender(stored)) << "nothing written after a cancel";
    EXPECT_EQ(Result(), maleClub) << "the previous type's club until the next refresh";
    EXPECT_EQ(mainDlg->m_nDistance, 150) << "no exchange ran";
}

struct CloseCase {
    const char* name;
    PlayerType before;
    int radio; // 0: none clicked
    DWORD stored;
};

class SetupClosed : public SetupFromMainDialog, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(SetupClosed, StoresTheTypeAndRefreshesTheRecommendation) {
    const CloseCase& c = GetParam();
    theApp.m_nPlayerType = c.before;
    TypeUntaken(QStringLiteral("200"));

    RunSetup([&](CSetupDlg& setup) {
        if (c.radio != 0) {
            Tap(setup, c.radio);
        }
        Tap(setup, IDOK);
    });

    DWORD stored = 0;
    ASSERT_TRUE(StoredGender(stored));
    EXPECT_EQ(stored, c.stored);
    EXPECT_EQ(theApp.m_nPlayerType, static_cast<PlayerType>(c.stored));
    EXPECT_EQ(mainDlg->m_nDistance, 200) << "the refresh read the field";
    EXPECT_EQ(Result(), ClubFor(200, static_cast<PlayerType>(c.stored)));
}

INSTANTIATE_TEST_SUITE_P(Ways, SetupClosed,
                         ::testing::Values(CloseCase{"UnchangedMale", 1, 0, 1},
                                           CloseCase{"UnchangedTypeThreeIsStoredAsFemale", 3, 0, 2},
                                           CloseCase{"ToFemale", 1, IDC_ADULT_FEMALE, 2},
                                           CloseCase{"ToMale", 2, IDC_ADULT_MALE, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SetupFromMainDialog, AnEditAcceptedBeforeSetupIsCancelledStays) {
    CGolfClub* first = theApp.m_clubs.GetHead();
    const int female = first->m_nFemaleDistance;

    RunSetup([](CSetupDlg& setup) {
        setup.m_lstClubs.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
        WithModalDialog<CEditClubDlg>(
            [](CEditClubDlg& edit) {
                auto* distance =
                    qobject_cast<QLineEdit*>(edit.GetDlgItem(IDC_BEST_DISTANCE)->m_hWnd);
                distance->selectAll();
                QTest::keyClicks(distance, QStringLiteral("333"));
                Tap(edit, IDOK);
            },
            [&] { Tap(setup, IDC_EDIT); });
        setup.GetSafeHwnd()->close();
    });

    EXPECT_EQ(first->m_nMaleDistance, 333);
    EXPECT_EQ(first->m_nFemaleDistance, female);
    DWORD stored = 0;
    EXPECT_FALSE(StoredGender(stored));
}

} // namespace
