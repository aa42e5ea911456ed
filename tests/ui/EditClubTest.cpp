#include "support/AppTest.h"

#include "advisor/EditClubDlg.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/MessageBoxSeam.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

QWidget* Control(CDialog& dlg, int id) {
    return WidgetOf(dlg.GetDlgItem(id)->m_hWnd);
}

QLineEdit* Field(CDialog& dlg, int id) {
    return qobject_cast<QLineEdit*>(Control(dlg, id));
}

void Retype(QLineEdit* field, const QString& text) {
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

// How the player ends the dialog.
enum class Ending { OkButton, Enter, CancelButton, Escape, CloseBox };

void End(CDialog& dlg, Ending how) {
    switch (how) {
    case Ending::OkButton:
        QTest::mouseClick(Control(dlg, IDOK), Qt::LeftButton);
        break;
    case Ending::Enter:
        QTest::keyClick(Field(dlg, IDC_DESCRIPTION), Qt::Key_Return);
        break;
    case Ending::CancelButton:
        QTest::mouseClick(Control(dlg, IDCANCEL), Qt::LeftButton);
        break;
    case Ending::Escape:
        QTest::keyClick(Field(dlg, IDC_BEST_DISTANCE), Qt::Key_Escape);
        break;
    case Ending::CloseBox:
        WidgetOf(dlg.GetSafeHwnd())->close();
        break;
    }
}

class EditClub : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        PrepareDrawingObjectsAndClubs();
        club.m_strName = u"7 Iron";
        club.m_strExtra = u"kept";
        club.m_nMaleDistance = 150;
        club.m_nFemaleDistance = 110;
        club.m_dtCreated = COleDateTime(40000.25);
        club.m_dtModified = COleDateTime(41000.5);
    }

    // Runs Edit with `act` playing the player in the Edit Club dialog.
    BOOL EditWith(std::function<void(CEditClubDlg&)> act) {
        return WithModalDialog(std::move(act), [this] { return CEditClubDlg::Edit(club); });
    }

    void ExpectUnchanged() const {
        EXPECT_EQ(club.m_nClubId, 7);
        EXPECT_EQ(club.m_strName, CString(u"7 Iron"));
        EXPECT_EQ(club.m_strExtra, CString(u"kept"));
        EXPECT_EQ(club.m_nMaleDistance, 150);
        EXPECT_EQ(club.m_nFemaleDistance, 110);
        EXPECT_EQ(club.m_dtCreated.m_dt, 40000.25);
        EXPECT_EQ(club.m_dtModified.m_dt, 41000.5);
    }

    CGolfClub club{7};
};

struct ColumnCase {
    const char* name;
    PlayerType playerType;
    int shown;
    int male;
    int female;
};

class EditColumn : public EditClub, public ::testing::WithParamInterface<ColumnCase> {};

TEST_P(EditColumn, ThePlayerTypeChoosesTheDistanceShownAndChanged) {
    const ColumnCase& c = GetParam();
    theApp.m_nPlayerType = c.playerType;
    QString shownDistance;
    QString shownName;
    const BOOL accepted = EditWith([&](CEditClubDlg& dlg) {
        shownDistance = Field(dlg, IDC_BEST_DISTANCE)->text();
        shownName = Field(dlg, IDC_DESCRIPTION)->text();
        Retype(Field(dlg, IDC_BEST_DISTANCE), QStringLiteral("163"));
        Retype(Field(dlg, IDC_DESCRIPTION), QStringLiteral("Seven Iron"));
        End(dlg, Ending::OkButton);
    });
    EXPECT_TRUE(accepted);
    EXPECT_EQ(shownDistance, QString::number(c.shown));
    EXPECT_EQ(shownName, QStringLiteral("7 Iron"));
    EXPECT_EQ(club.m_nMaleDistance, c.male);
    EXPECT_EQ(club.m_nFemaleDistance, c.female);
    EXPECT_EQ(club.m_strName, CString(u"Seven Iron"));
    EXPECT_EQ(club.m_nClubId, 7);
    EXPECT_EQ(club.m_strExtra, CString(u"kept"));
    EXPECT_EQ(club.m_dtCreated.m_dt, 40000.25);
    EXPECT_EQ(club.m_dtModified.m_dt, 41000.5) << "the fields are assigned, not set";
    EXPECT_EQ(theApp.m_nPlayerType, c.playerType);
}

INSTANTIATE_TEST_SUITE_P(PlayerTypes, EditColumn,
                         ::testing::Values(ColumnCase{"Male", 1, 150, 163, 110},
                                           ColumnCase{"Female", 2, 110, 150, 163},
                                           ColumnCase{"AnyOtherIsFemale", 3, 110, 150, 163}),
                         [](const auto& info) { return std::string(info.param.name); });

class EditCancelled : public EditClub, public ::testing::WithParamInterface<Ending> {};

TEST_P(EditCancelled, AnswersFalseAndLeavesTheClubAlone) {
    const BOOL accepted = EditWith([](CEditClubDlg& dlg) {
        Retype(Field(dlg, IDC_BEST_DISTANCE), QStringLiteral("999"));
        Retype(Field(dlg, IDC_DESCRIPTION), QStringLiteral("Changed"));
        End(dlg, GetParam());
    });
    EXPECT_FALSE(accepted);
    ExpectUnchanged();
}

INSTANTIATE_TEST_SUITE_P(Ways, EditCancelled,
                         ::testing::Values(Ending::CancelButton, Ending::Escape, Ending::CloseBox));

class EditAcceptedUnchanged : public EditClub, public ::testing::WithParamInterface<Ending> {};

TEST_P(EditAcceptedUnchanged, StillAnswersTrue) {
    const BOOL accepted = EditWith([](CEditClubDlg& dlg) { End(dlg, GetParam()); });
    EXPECT_TRUE(accepted) << "so that the Setup list is rebuilt";
    ExpectUnchanged();
}

INSTANTIATE_TEST_SUITE_P(Ways, EditAcceptedUnchanged,
                         ::testing::Values(Ending::OkButton, Ending::Enter));

TEST_F(EditClub, KeepsTheDescriptionAsTypedWithItsSpacesAndTakesZero) {
    for (const QString& typed :
         {QStringLiteral("   "), QStringLiteral(" Lob Wedge  "), QString()}) {
        const BOOL accepted = EditWith([&](CEditClubDlg& dlg) {
            Retype(Field(dlg, IDC_DESCRIPTION), typed);
            Retype(Field(dlg, IDC_BEST_DISTANCE), QStringLiteral("0"));
            End(dlg, Ending::OkButton);
        });
        EXPECT_TRUE(accepted);
        EXPECT_EQ(club.m_strName, FromQString(typed));
        EXPECT_EQ(club.m_nMaleDistance, 0);
    }
}

TEST_F(EditClub, ADistanceThatIsNoIntegerIsRefusedAndTheDialogStaysOpen) {
    bool stayedOpen = false;
    std::vector<CString> shown;
    QWidget* focusAfterRefusal = nullptr;
    QWidget* distanceField = nullptr;
    const BOOL accepted = EditWith([&](CEditClubDlg& dlg) {
        distanceField = Field(dlg, IDC_BEST_DISTANCE);
        Retype(Field(dlg, IDC_DESCRIPTION), QStringLiteral("Changed"));
        Retype(Field(dlg, IDC_BEST_DISTANCE), QString());
        MessageBoxSeam::SetNextAnswer(IDOK);
        End(dlg, Ending::OkButton);
        shown = MessageBoxSeam::TakeShownTexts();
        stayedOpen = !dlg.IsEnded();
        focusAfterRefusal = WidgetOf(dlg.GetSafeHwnd())->focusWidget();
        End(dlg, Ending::CancelButton);
    });
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(shown.size(), 1U);
    EXPECT_EQ(shown[0], IntegerRequiredMessage());
    EXPECT_EQ(focusAfterRefusal, distanceField);
    EXPECT_FALSE(accepted);
    ExpectUnchanged();
}

TEST_F(EditClub, ADialogThatCannotBeCreatedCountsAsAcceptedWithTheClubsOwnValues) {
    const DialogTemplate* editTemplate = FindDialogTemplate(IDD_EDIT_CLUB);
    ASSERT_NE(editTemplate, nullptr);
    UnregisterDialogTemplate(IDD_EDIT_CLUB);
    ASSERT_EQ(CEditClubDlg().DoModal(), -1);
    theApp.m_nPlayerType = 2;
    const BOOL accepted = CEditClubDlg::Edit(club);
    RegisterDialogTemplate(editTemplate);
    EXPECT_TRUE(accepted);
    ExpectUnchanged();
}

// The dialog on its own, for what the player sees while it is open.
class EditClubWindow : public EditClub {
protected:
    void TearDown() override {
        dlg.DestroyWindow();
        EditClub::TearDown();
    }
    CEditClubDlg dlg;
};

TEST_F(EditClubWindow, FocusStartsInTheDistanceAndTabGoesDistanceOkCancelDescription) {
    ASSERT_TRUE(dlg.Create());
    ASSERT_TRUE(Activate(WidgetOf(dlg.GetSafeHwnd())));
    const std::vector<int> order = {IDC_BEST_DISTANCE, IDOK, IDCANCEL, IDC_DESCRIPTION,
                                    IDC_BEST_DISTANCE};
    for (std::size_t i = 0; i < order.size(); ++i) {
        EXPECT_EQ(QApplication::focusWidget(), Control(dlg, order[i])) << "stop " << i;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
}

TEST_F(EditClubWindow, OkAndCancelAreBoldInTheApplicationsFontAndNothingElseIs) {
    dlg.m_nBestDistance = 42;
    dlg.m_strDescription = u"Putter";
    ASSERT_TRUE(dlg.Create());
    EXPECT_EQ(Field(dlg, IDC_BEST_DISTANCE)->text(), QStringLiteral("42"));
    EXPECT_EQ(Field(dlg, IDC_DESCRIPTION)->text(), QStringLiteral("Putter"));
    for (int id : {IDOK, IDCANCEL}) {
        EXPECT_EQ(dlg.GetDlgItem(id)->GetFont(), theApp.m_fntBold.m_hObject) << id;
        EXPECT_TRUE(Control(dlg, id)->font().bold()) << id;
        EXPECT_EQ(Control(dlg, id)->font().pixelSize(), StandInPixelSize(12)) << id;
    }
    for (int id : {IDC_BEST_DISTANCE, IDC_DESCRIPTION}) {
        EXPECT_NE(dlg.GetDlgItem(id)->GetFont(), theApp.m_fntBold.m_hObject) << id;
        EXPECT_FALSE(Control(dlg, id)->font().bold()) << id;
    }
}

} // namespace
