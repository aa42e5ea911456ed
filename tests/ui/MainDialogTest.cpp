#include "support/AppTest.h"

#include "advisor/AdvisorDlg.h"
#include "advisor/SetupDlg.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/MessageBoxSeam.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <algorithm>

namespace {

// Gives the tests the dialog's protected handlers through its message map only.
class MainDialog : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        PrepareDrawingObjectsAndClubs();
        dlg = std::make_unique<CAdvisorDlg>();
    }
    void TearDown() override {
        dlg.reset();
        AppTest::TearDown();
    }
    void Open() {
        ASSERT_TRUE(dlg->Create());
        ASSERT_TRUE(Activate(WidgetOf(dlg->GetSafeHwnd())));
    }
    QLineEdit* Field() {
        return qobject_cast<QLineEdit*>(WidgetOf(dlg->GetDlgItem(IDC_DISTANCE)->m_hWnd));
    }
    QLabel* Result() {
        return qobject_cast<QLabel*>(WidgetOf(dlg->GetDlgItem(IDC_RECOMMENDATION)->m_hWnd));
    }
    void Tap(int id) {
        QTest::mouseClick(WidgetOf(dlg->GetDlgItem(id)->m_hWnd), Qt::LeftButton, {}, QPoint(5, 5));
    }
    void Type(const QString& text) {
        Field()->selectAll();
        if (text.isEmpty()) {
            QTest::keyClick(Field(), Qt::Key_Delete);
        }
        QTest::keyClicks(Field(), text);
    }
    static QString ClubFor(int yards, PlayerType type = 1) {
        return ToQString(FindClubForDistance(theApp.m_clubs, type, yards)->m_strName);
    }

    // Made once the application exists, since the dialog loads its icon when built.
    std::unique_ptr<CAdvisorDlg> dlg;
};

TEST_F(MainDialog, FirstOpeningShowsTheRecommendationForOneHundredWithTheFieldSelected) {
    Open();
    EXPECT_EQ(Field()->text(), QStringLiteral("100"));
    EXPECT_EQ(Result()->text(), QStringLiteral("Dual/Gap Wedge"));
    EXPECT_EQ(dlg->m_strRecommendation, CString(u"Dual/Gap Wedge"));
    EXPECT_EQ(QApplication::focusWidget(), Field());
    EXPECT_EQ(Field()->selectedText(), QStringLiteral("100"));
    EXPECT_TRUE(Result()->font().bold());
    EXPECT_EQ(Result()->font().pixelSize(), StandInPixelSize(-GetStockSystemFont().lfHeight))
        << "bold at the stock font's size";
    EXPECT_TRUE(Field()->font().bold());
    EXPECT_EQ(Field()->font().pixelSize(), StandInPixelSize(12)) << "the application's bold font";
    EXPECT_TRUE(MessageBoxSeam::TakeShownTexts().empty());
}

struct StepCase {
    const char* name;
    int start;
    int picture;
    int expected;
};

class Steps : public MainDialog, public ::testing::WithParamInterface<StepCase> {};

TEST_P(Steps, MoveTheDistanceAndRefreshTheClub) {
    const StepCase& c = GetParam();
    dlg->m_nDistance = c.start;
    Open();
    Tap(c.picture);
    EXPECT_EQ(dlg->m_nDistance, c.expected);
    EXPECT_EQ(Field()->text(), QString::number(c.expected));
    EXPECT_EQ(Result()->text(), ClubFor(c.expected));
    EXPECT_EQ(Field()->selectedText(), QString::number(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, Steps,
    ::testing::Values(StepCase{"Minus10From55ClampsAt50", 55, IDC_MINUS10, 50},
                      StepCase{"Minus20From50StaysAt50", 50, IDC_MINUS20, 50},
                      StepCase{"Minus20From60ClampsAt50", 60, IDC_MINUS20, 50},
                      StepCase{"Minus10", 150, IDC_MINUS10, 140},
                      StepCase{"Plus10", 100, IDC_PLUS10, 110},
                      StepCase{"Plus20", 180, IDC_PLUS20, 200},
                      StepCase{"Plus20From990ClampsAt1000", 990, IDC_PLUS20, 1000},
                      StepCase{"Plus10From995ClampsAt1000", 995, IDC_PLUS10, 1000},
                      StepCase{"Plus20At1000StaysAt1000", 1000, IDC_PLUS20, 1000}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainDialog, StepsTakeTheTypedNumberFirst) {
    Open();
    Type(QStringLiteral("200"));
    Tap(IDC_PLUS10);
    EXPECT_EQ(dlg->m_nDistance, 210);
    EXPECT_EQ(Result()->text(), ClubFor(210));
}

TEST_F(MainDialog, ARefusedNumberIsShownButNeverTaken) {
    dlg->m_nDistance = 130;
    Open();
    const QString before = Result()->text();
    ASSERT_FALSE(before.isEmpty());
    for (int picture : {IDC_RECOMMEND, IDC_PLUS10}) {
        Type(QStringLiteral("1500"));
        MessageBoxSeam::SetNextAnswer(IDOK);
        Tap(picture);
        const auto texts = MessageBoxSeam::TakeShownTexts();
        ASSERT_EQ(texts.size(), 1U) << picture;
        EXPECT_EQ(texts[0], IntegerRangeMessage(50, 1000));
        EXPECT_EQ(Field()->text(), QStringLiteral("1500")) << "left for the player to correct";
        EXPECT_EQ(Result()->text(), before);
        EXPECT_EQ(dlg->m_nDistance, 130) << "the last distance accepted stays";
    }
    Tap(IDC_CLOSE);
    EXPECT_TRUE(dlg->IsEnded());
    EXPECT_EQ(dlg->m_nDistance, 130) << "what start-up stores";
}

TEST_F(MainDialog, UpDownArrowsMoveByFiveWithinTheirRangeWithoutARefresh) {
    Open();
    const QString club = Result()->text();
    QTest::keyClick(Field(), Qt::Key_Up);
    EXPECT_EQ(Field()->text(), QStringLiteral("105"));
    for (int i = 0; i < 30; ++i) {
        QTest::keyClick(Field(), Qt::Key_Up);
    }
    EXPECT_EQ(Field()->text(), QStringLiteral("255"));
    EXPECT_EQ(Result()->text(), club) << "only a picture refreshes the club";
    EXPECT_EQ(dlg->m_nDistance, 100);

    Type(QStringLiteral("498"));
    QTest::keyClick(Field(), Qt::Key_Up);
    EXPECT_EQ(Field()->text(), QStringLiteral("500"));
    QTest::keyClick(Field(), Qt::Key_Up);
    EXPECT_EQ(Field()->text(), QStringLiteral("500"));
    Type(QStringLiteral("52"));
    QTest::keyClick(Field(), Qt::Key_Down);
    EXPECT_EQ(Field()->text(), QStringLiteral("50"));
    int low = 0;
    int high = 0;
    dlg->m_spnDistance.GetRange32(low, high);
    EXPECT_EQ(low, 50);
    EXPECT_EQ(high, 500);
}

TEST_F(MainDialog, CloseRightAfterTypingKeepsTheLastExchangedDistance) {
    Open();
    Type(QStringLiteral("150"));
    Tap(IDC_CLOSE);
    EXPECT_TRUE(dlg->IsEnded());
    EXPECT_EQ(dlg->GetModalResult(), IDOK);
    EXPECT_EQ(dlg->m_nDistance, 100);
}

TEST_F(MainDialog, LeadingZerosComeBackAsThePlainNumber) {
    Open();
    Type(QStringLiteral("0150"));
    Tap(IDC_RECOMMEND);
    EXPECT_EQ(Field()->text(), QStringLiteral("150"));
    EXPECT_EQ(dlg->m_nDistance, 150);
    EXPECT_EQ(Result()->text(), ClubFor(150));
    EXPECT_EQ(Result()->text(), QStringLiteral("6 Iron"));
}

TEST_F(MainDialog, AStoredDistanceOutsideTheRangeIsShownReportedAndRecommendsNothing) {
    dlg->m_nDistance = 20;
    MessageBoxSeam::SetNextAnswer(IDOK);
    Open();
    EXPECT_EQ(Field()->text(), QStringLiteral("20"));
    const auto texts = MessageBoxSeam::TakeShownTexts();
    ASSERT_EQ(texts.size(), 1U);
    EXPECT_EQ(texts[0], IntegerRangeMessage(50, 1000));
    EXPECT_TRUE(Result()->text().isEmpty()) << "the template's \"Static\" is gone";
    EXPECT_EQ(QApplication::focusWidget(), Field());
}

TEST_F(MainDialog, AnEmptyClubListShowsAnEmptyResult) {
    theApp.m_clubs.DeleteAll();
    Open();
    EXPECT_TRUE(Result()->text().isEmpty());
    Tap(IDC_PLUS10);
    EXPECT_EQ(dlg->m_nDistance, 110);
    EXPECT_TRUE(Result()->text().isEmpty());
}

TEST_F(MainDialog, TheFemaleColumnDecidesForPlayerTypeTwo) {
    theApp.m_nPlayerType = 2;
    dlg->m_nDistance = 150;
    Open();
    EXPECT_EQ(Result()->text(), ClubFor(150, 2));
    EXPECT_NE(Result()->text(), ClubFor(150, 1));
}

struct EndCase {
    const char* name;
    int how; // 0 Enter, 1 Escape, 2 close box
    const char* typed;
    int result; // 0: still open
    int distance;
    int messages;
};

class Ending : public MainDialog, public ::testing::WithParamInterface<EndCase> {};

TEST_P(Ending, EnterAndTheCloseBoxExchangeEscapeDoesNot) {
    const EndCase& c = GetParam();
    Open();
    Type(QString::fromLatin1(c.typed));
    for (int i = 0; i < c.messages; ++i) {
        MessageBoxSeam::SetNextAnswer(IDOK);
    }
    if (c.how == 0) {
        QTest::keyClick(Field(), Qt::Key_Return);
    } else if (c.how == 1) {
        QTest::keyClick(Field(), Qt::Key_Escape);
    } else {
        WidgetOf(dlg->GetSafeHwnd())->close();
    }
    EXPECT_EQ(dlg->IsEnded() ? dlg->GetModalResult() : 0, c.result);
    EXPECT_EQ(dlg->m_nDistance, c.distance);
    EXPECT_EQ(static_cast<int>(MessageBoxSeam::TakeShownTexts().size()), c.messages);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, Ending,
    ::testing::Values(EndCase{"EnterReadsTheField", 0, "150", IDOK, 150, 0},
                      EndCase{"EnterRefusesOutOfRange", 0, "2000", 0, 100, 1},
                      EndCase{"EscapeCancelsWithoutReading", 1, "150", IDCANCEL, 100, 0},
                      EndCase{"CloseBoxReadsTheField", 2, "250", IDOK, 250, 0},
                      EndCase{"CloseBoxRefusesAnEmptyField", 2, "", 0, 100, 1}),
    [](const auto& info) { return std::string(info.param.name); });

// Assistive technology sees each picture as a push button with its name, a Press action
// that runs its handler, and its key; the tooltip names the key too.
TEST_F(MainDialog, EveryPictureIsAPushButtonNamedWithItsKey) {
    struct PictureKey {
        int id;
        const char* name;
        const char* key;
    };
    Open();
    for (const PictureKey& p :
         {PictureKey{IDC_RECOMMEND, "Recommend Club", "Alt+R"},
          PictureKey{IDC_SETUP, "Setup", "Alt+S"}, PictureKey{IDC_CLOSE, "Close", "Alt+C"},
          PictureKey{IDC_PLUS10, "+10 yd", "Page Up"},
          PictureKey{IDC_MINUS10, "-10 yd", "Page Down"},
          PictureKey{IDC_PLUS20, "+20 yd", "Shift+Page Up"},
          PictureKey{IDC_MINUS20, "-20 yd", "Shift+Page Down"}}) {
        QWidget* picture = WidgetOf(dlg->GetDlgItem(p.id)->m_hWnd);
        EXPECT_EQ(picture->toolTip(), QString("%1 (%2)").arg(p.name, p.key));
        QAccessibleInterface* button = QAccessible::queryAccessibleInterface(picture);
        EXPECT_EQ(button->role(), QAccessible::Button) << p.name;
        EXPECT_EQ(button->text(QAccessible::Name), QString::fromLatin1(p.name));
        ASSERT_NE(button->actionInterface(), nullptr) << p.name;
        EXPECT_EQ(button->actionInterface()->keyBindingsForAction(
                      QAccessibleActionInterface::pressAction()),
                  QStringList{QString::fromLatin1(p.key)});
    }
    QAccessible::queryAccessibleInterface(WidgetOf(dlg->GetDlgItem(IDC_PLUS20)->m_hWnd))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(dlg->m_nDistance, 120) << "pressed as a tap would";
    EXPECT_EQ(Result()->accessibleDescription(), QStringLiteral("Recommendation:"));
}

struct KeyCase {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int distance; // what the dialog holds afterwards
    bool ended;
};

class Keys : public MainDialog, public ::testing::WithParamInterface<KeyCase> {};

// Every picture's action from the keyboard, through the picture's own handler; the field
// keeps the focus, the only tab stop. 150 is typed first: the steps and Recommend Club read
// it, Close does not.
TEST_P(Keys, RunThePicturesHandlersWithTheFocusInTheField) {
    const KeyCase& c = GetParam();
    Open();
    Type(QStringLiteral("150"));
    QTest::keyClick(Field(), c.key, c.modifiers);
    EXPECT_EQ(dlg->m_nDistance, c.distance);
    EXPECT_EQ(static_cast<bool>(dlg->IsEnded()), c.ended);
    if (!c.ended) {
        EXPECT_EQ(Result()->text(), ClubFor(c.distance));
        QTest::keyClick(Field(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), Field()) << "still the only tab stop";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, Keys,
    ::testing::Values(
        KeyCase{"AltRRecommends", Qt::Key_R, Qt::AltModifier, 150, false},
        KeyCase{"PageUpAddsTen", Qt::Key_PageUp, Qt::NoModifier, 160, false},
        KeyCase{"PageDownTakesTen", Qt::Key_PageDown, Qt::NoModifier, 140, false},
        KeyCase{"ShiftPageUpAddsTwenty", Qt::Key_PageUp, Qt::ShiftModifier, 170, false},
        KeyCase{"ShiftPageDownTakesTwenty", Qt::Key_PageDown, Qt::ShiftModifier, 130, false},
        KeyCase{"AltCCloses", Qt::Key_C, Qt::AltModifier, 100, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainDialog, AltSOpensSetup) {
    Open();
    WithModalDialog<CSetupDlg>([](CSetupDlg& setup) { setup.EndDialog(IDCANCEL); },
                               [this] { QTest::keyClick(Field(), Qt::Key_S, Qt::AltModifier); });
    EXPECT_FALSE(dlg->IsEnded());
}

// The icon carries every desktop size, read only once the first frame is out, and is the
// whole program's, so that Setup and Edit Club show it too.
TEST_F(MainDialog, TheIconOfEveryWindowCarriesEverySizeAfterTheFirstFrame) {
    QApplication::setWindowIcon(QIcon());
    ASSERT_TRUE(dlg->Create());
    EXPECT_TRUE(QApplication::windowIcon().isNull()) << "not before the first frame";
    ASSERT_TRUE(QTest::qWaitFor([] { return !QApplication::windowIcon().isNull(); }));
    QList<QSize> sizes = QApplication::windowIcon().availableSizes();
    std::sort(sizes.begin(), sizes.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
    EXPECT_EQ(sizes,
              (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}}));
    CSetupDlg setup;
    ASSERT_TRUE(setup.Create());
    EXPECT_EQ(WidgetOf(setup.GetSafeHwnd())->windowIcon().cacheKey(),
              QApplication::windowIcon().cacheKey());
    setup.DestroyWindow();
}

TEST_F(MainDialog, ALongClubNameStaysInItsRectangleAndIsWholeInItsTooltipAndAccessibleName) {
    const QString whole = QStringLiteral("Extra Long Hybrid Rescue Club");
    theApp.m_clubs.DeleteAll();
    theApp.m_clubs.AddTail(std::make_unique<CGolfClub>(1));
    theApp.m_clubs.GetHead()->m_strName = FromQString(whole);
    theApp.m_clubs.GetHead()->m_nMaleDistance = 500; // the one club, and it reaches
    Open();
    ASSERT_EQ(Result()->text(), whole);
    EXPECT_EQ(Result()->toolTip(), whole);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Result())->text(QAccessible::Name), whole);
    EXPECT_LE(Result()->geometry().right(), WidgetOf(dlg->GetDlgItem(IDC_PLUS10)->m_hWnd)->x());
}

TEST_F(MainDialog, TheScreenshotIsLightGreenWithABoldResult) {
    Open();
    const QImage image = WidgetOf(dlg->GetSafeHwnd())->grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    const auto at = [&](int x, int y) {
        return image.pixelColor(static_cast<int>(x * ratio), static_cast<int>(y * ratio));
    };
    const QSize size = WidgetOf(dlg->GetSafeHwnd())->size();
    EXPECT_EQ(ratio, WidgetOf(dlg->GetSafeHwnd())->devicePixelRatio());
    EXPECT_EQ(image.size(), size * ratio) << "drawn at the screen's device pixel ratio";
    for (const QPoint p : {QPoint(size.width() - 3, size.height() - 3), QPoint(size.width() - 3, 3),
                           QPoint(3, size.height() - 3)}) {
        EXPECT_EQ(at(p.x(), p.y()), QColor(172, 211, 115)) << p.x() << "," << p.y();
    }
    const QRect result = Result()->geometry();
    EXPECT_EQ(at(result.right() - 1, result.bottom() - 1), QColor(172, 211, 115))
        << "the label paints with the light brush, not its own white one";
    EXPECT_TRUE(Result()->font().bold());
    EXPECT_EQ(Result()->palette().color(QPalette::WindowText), QColor(0, 0, 0));
}

} // namespace
