// What Qt draws of the main dialog and tells assistive technology about it.
#include "support/MainDialogTest.h"

#include "advisor/SetupDlg.h"
#include "platform/ui/qt/Handles.h"
#include "platform/ui/qt/QtConvert.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QTest>

#include <algorithm>

namespace {

class MainDialogLook : public MainDialogTest {
protected:
    QWidget* Widget(int id) { return WidgetOf(dlg->GetDlgItem(id)->m_hWnd); }
    QLabel* ResultLabel() { return qobject_cast<QLabel*>(Widget(IDC_RECOMMENDATION)); }
};

// Assistive technology sees each picture as a push button with its name, a Press action
// that runs its handler, and its key; the tooltip names the key too.
TEST_F(MainDialogLook, EveryPictureIsAPushButtonNamedWithItsKey) {
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
        QWidget* picture = Widget(p.id);
        EXPECT_EQ(picture->toolTip(), QString("%1 (%2)").arg(p.name, p.key));
        QAccessibleInterface* button = QAccessible::queryAccessibleInterface(picture);
        EXPECT_EQ(button->role(), QAccessible::Button) << p.name;
        EXPECT_EQ(button->text(QAccessible::Name), QString::fromLatin1(p.name));
        ASSERT_NE(button->actionInterface(), nullptr) << p.name;
        EXPECT_EQ(button->actionInterface()->keyBindingsForAction(
                      QAccessibleActionInterface::pressAction()),
                  QStringList{QString::fromLatin1(p.key)});
    }
    QAccessible::queryAccessibleInterface(Widget(IDC_PLUS20))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(dlg->m_nDistance, 120) << "pressed as a tap would";
    EXPECT_EQ(ResultLabel()->accessibleDescription(), QStringLiteral("Recommendation:"));
}

// The icon carries every desktop size, read only once the first frame is out, and is the
// whole program's, so that Setup and Edit Club show it too.
TEST_F(MainDialogLook, TheIconOfEveryWindowCarriesEverySizeAfterTheFirstFrame) {
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

TEST_F(MainDialogLook, ALongClubNameStaysInItsRectangleAndIsWholeInItsTooltipAndAccessibleName) {
    const QString whole = QStringLiteral("Extra Long Hybrid Rescue Club");
    theApp.m_clubs.DeleteAll();
    theApp.m_clubs.AddTail(std::make_unique<CGolfClub>(1));
    theApp.m_clubs.GetHead()->m_strName = FromQString(whole);
    theApp.m_clubs.GetHead()->m_nMaleDistance = 500; // the one club, and it reaches
    Open();
    ASSERT_EQ(ResultLabel()->text(), whole);
    EXPECT_EQ(ResultLabel()->toolTip(), whole);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(ResultLabel())->text(QAccessible::Name), whole);
    EXPECT_LE(ResultLabel()->geometry().right(), Widget(IDC_PLUS10)->x());
}

TEST_F(MainDialogLook, TheScreenshotIsLightGreenWithTheResultInBlack) {
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
    const QRect result = ResultLabel()->geometry();
    EXPECT_EQ(at(result.right() - 1, result.bottom() - 1), QColor(172, 211, 115))
        << "the label paints with the light brush, not its own white one";
    EXPECT_EQ(ResultLabel()->palette().color(QPalette::WindowText), QColor(0, 0, 0));
}

} // namespace
