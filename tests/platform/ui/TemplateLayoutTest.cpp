#include "platform/ui/TestDialogs.h"
#include "support/UiTest.h"

#include "platform/ui/qt/DialogControls.h"
#include "platform/ui/qt/QtConvert.h"
#include "res/Resource.h"

#include <QAccessible>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>

namespace {

class TemplateLayout : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        RegisterTestTemplates();
    }
    // The handheld's rule, written out on its own: x * width / 4, y * height / 8, rounded.
    static QRect Expected(const CDialog& dialog, int x, int y, int cx, int cy) {
        const auto scale = [](int v, int unit, int div) {
            return static_cast<int>(std::lround(static_cast<double>(v) * unit / div));
        };
        const int bx = dialog.GetBaseUnitX();
        const int by = dialog.GetBaseUnitY();
        const int left = scale(x, bx, 4);
        const int top = scale(y, by, 8);
        return QRect(left, top, scale(x + cx, bx, 4) - left, scale(y + cy, by, 8) - top);
    }
};

// Whatever face stands in: 6 x 13 at 96 dpi, the handheld's own 8 x 16 at 120 dpi.
TEST_F(TemplateLayout, BaseUnitsAreSixByThirteenScaledByTheLogicalDpiAndSizeTheDialogs) {
    struct Units {
        int dpi;
        int cx;
        int cy;
    };
    for (const Units& u :
         {Units{96, 6, 13}, Units{120, 8, 16}, Units{144, 9, 20}, Units{192, 12, 26}}) {
        EXPECT_EQ(DialogBaseUnitsAt(u.dpi, u.dpi).cx, u.cx) << u.dpi;
        EXPECT_EQ(DialogBaseUnitsAt(u.dpi, u.dpi).cy, u.cy) << u.dpi;
    }
    struct Size {
        UINT id;
        QSize pixels;
    };
    for (const Size& s : {Size{IDD_CADDORA_DIALOG, {269, 288}}, Size{IDD_SETUP, {234, 301}},
                          Size{IDD_EDIT_CLUB, {227, 197}}}) {
        CDialog dialog(s.id);
        ASSERT_TRUE(dialog.Create());
        EXPECT_EQ(dialog.GetBaseUnitX() * 100 + dialog.GetBaseUnitY(), 613) << s.id;
        EXPECT_EQ(WidgetOf(dialog.GetSafeHwnd())->size(), s.pixels) << s.id;
    }
}

TEST_F(TemplateLayout, TheHandheldFacesAreDrawnInTheStandInFaceFoundDirectly) {
    struct Face {
        const char16_t* name;
        LONG weight;
    };
    for (const Face& f : {Face{u"MS Sans Serif", FW_NORMAL}, Face{u"System", FW_NORMAL},
                          Face{u"System", FW_BOLD}, Face{u"", FW_BOLD}}) {
        LOGFONT lf = LogFontFromPoints(f.name, 8);
        lf.lfWeight = f.weight;
        const QFontInfo info(ToQFont(lf));
        EXPECT_EQ(info.family(), QString::fromLatin1(kStandInFace))
            << ToQString(f.name).toStdString();
        EXPECT_TRUE(info.exactMatch()) << "installed, so that no look-up falls back";
        EXPECT_EQ(info.bold(), f.weight == FW_BOLD);
    }
}

struct Placement {
    int id;
    int x, y, cx, cy;
};

TEST_F(TemplateLayout, ControlsLieWhereTheirDialogUnitsPutThem) {
    FormDialog dialog;
    ASSERT_TRUE(dialog.Create());
    for (const Placement& p :
         {Placement{kCaption, 4, 4, 40, 8}, Placement{kTextField, 60, 14, 60, 14},
          Placement{kPush, 60, 40, 40, 14}, Placement{kRadioB, 40, 70, 30, 10},
          Placement{kPicture, 4, 40, 30, 20}, Placement{IDOK, 60, 96, 40, 14}}) {
        EXPECT_EQ(WidgetOf(dialog.GetDlgItem(p.id)->m_hWnd)->geometry(),
                  Expected(dialog, p.x, p.y, p.cx, p.cy))
            << "control " << p.id;
    }
}

TEST_F(TemplateLayout, UpDownArrowsSitInsideTheRightEdgeOfTheirField) {
    FormDialog dialog;
    ASSERT_TRUE(dialog.Create());
    const QRect templateField = Expected(dialog, 4, 14, 40, 14);
    const QRect field = WidgetOf(dialog.GetDlgItem(kNumberField)->m_hWnd)->geometry();
    const QRect arrows = WidgetOf(dialog.GetDlgItem(kSpin)->m_hWnd)->geometry();
    EXPECT_EQ(arrows.right(), templateField.right());
    EXPECT_EQ(arrows.top(), templateField.top());
    EXPECT_EQ(arrows.height(), templateField.height());
    EXPECT_EQ(arrows.width(), Expected(dialog, 0, 0, 10, 14).width());
    EXPECT_EQ(field.right() + 1, arrows.left());
}

TEST_F(TemplateLayout, TabOrderFollowsTheTemplateAndSkipsNonTabStops) {
    FormDialog dialog;
    ASSERT_TRUE(dialog.Create());
    std::vector<int> order;
    QWidget* start = WidgetOf(dialog.GetDlgItem(kNumberField)->m_hWnd);
    QWidget* w = start;
    do {
        if (w->focusPolicy() & Qt::TabFocus) {
            order.push_back(w->property(kControlIdProperty).toInt());
        }
        w = w->nextInFocusChain();
    } while (w != start && order.size() < 20);
    EXPECT_EQ(order, (std::vector<int>{kNumberField, kTextField, kPush, IDOK}));
}

TEST_F(TemplateLayout, TheFirstControlOfTheTemplateIsTopmost) {
    CDialog dialog(IDD_CADDORA_DIALOG);
    ASSERT_TRUE(dialog.Create());
    const QObjectList stack = WidgetOf(dialog.GetSafeHwnd())->children(); // bottom to top
    const auto depth = [&](QWidget* w) { return stack.indexOf(w); };
    QWidget* field = WidgetOf(dialog.GetDlgItem(IDC_DISTANCE)->m_hWnd);
    QWidget* minus10 = WidgetOf(dialog.GetDlgItem(IDC_MINUS10)->m_hWnd);
    QWidget* banner = nullptr;
    for (QObject* child : stack) {
        auto* label = qobject_cast<QLabel*>(child);
        if (label != nullptr && label->accessibleName() == QStringLiteral("Caddora")) {
            banner = label;
        }
    }
    ASSERT_NE(banner, nullptr);
    EXPECT_GT(depth(field), depth(banner));
    EXPECT_GT(depth(minus10), depth(banner));
    EXPECT_GT(depth(field), depth(minus10));
}

TEST_F(TemplateLayout, AOneLineTextTooLongForItsRectangleEndsInAnEllipsisAndShowsWhole) {
    FormDialog dialog;
    ASSERT_TRUE(dialog.Create());
    auto* caption = qobject_cast<QLabel*>(WidgetOf(dialog.m_caption.m_hWnd));
    const QRect rectangle = caption->geometry();
    EXPECT_TRUE(caption->toolTip().isEmpty()) << "a text that fits needs no tooltip";

    const QString whole = QStringLiteral("A caption much too long for its rectangle");
    const QString shown =
        caption->fontMetrics().elidedText(whole, Qt::ElideRight, rectangle.width());
    ASSERT_TRUE(shown.endsWith(QChar(0x2026)));
    dialog.m_caption.SetWindowText(FromQString(shown));
    const QImage elided = caption->grab().toImage();
    dialog.m_caption.SetWindowText(FromQString(whole));

    EXPECT_EQ(caption->geometry(), rectangle) << "the rectangle stays the template's";
    EXPECT_EQ(caption->grab().toImage(), elided) << "drawn as its start and an ellipsis";
    EXPECT_EQ(caption->toolTip(), whole);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(caption)->text(QAccessible::Name), whole);
}

TEST_F(TemplateLayout, APictureWithoutItsBitmapKeepsTheTemplateSize) {
    FormDialog dialog; // its picture names a bitmap that does not exist
    ASSERT_TRUE(dialog.Create());
    auto* picture = qobject_cast<QLabel*>(WidgetOf(dialog.GetDlgItem(kPicture)->m_hWnd));
    EXPECT_EQ(picture->geometry(), Expected(dialog, 4, 40, 30, 20));
    EXPECT_EQ(picture->accessibleName(), QStringLiteral("Picture"));
    EXPECT_EQ(picture->toolTip(), QStringLiteral("Picture"));
}

TEST_F(TemplateLayout, TheProgramsTemplatesAreAllThere) {
    struct Expect {
        UINT id;
        const char16_t* caption;
        std::size_t controls;
    };
    for (const Expect& e :
         {Expect{IDD_CADDORA_DIALOG, u"Caddora", 14}, Expect{IDD_SETUP, u"Setup", 8},
          Expect{IDD_EDIT_CLUB, u"Edit Club", 7}}) {
        const DialogTemplate* t = FindDialogTemplate(e.id);
        ASSERT_NE(t, nullptr) << e.id;
        EXPECT_EQ(CString(t->caption), CString(e.caption));
        EXPECT_EQ(t->items.size(), e.controls);
    }
    EXPECT_EQ(FindDialogTemplate(IDD_CADDORA_DIALOG)->style, 0x90C00040U);
    EXPECT_EQ(FindDialogTemplate(IDD_CADDORA_DIALOG)->exStyle, 0x80040000U);
    EXPECT_EQ(FindDialogTemplate(IDD_SETUP)->style, 0x80C800C0U);
    EXPECT_EQ(FindDialogTemplate(IDD_SETUP)->items[0].style, 0x5081810DU);
    EXPECT_EQ(FindDialogTemplate(IDD_EDIT_CLUB)->items[1].style, 0x50812080U);
    EXPECT_EQ(FindDialogTemplate(IDD_CADDORA_DIALOG)->items[2].style, 0x500000B6U);
    EXPECT_EQ(FindDialogTemplate(IDD_CADDORA_DIALOG)->items[5].style, 0x5000010EU);
}

} // namespace
