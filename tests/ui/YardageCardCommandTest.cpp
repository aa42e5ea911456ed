// The main dialog's Yardage Card command over Qt: the card's one page in a print preview over
// the main dialog, which the player may close without printing and without being told more.
#include "support/AppTest.h"

#include "advisor/AdvisorDlg.h"
#include "platform/ui/MessageBoxSeam.h"

#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>

using YardageCardCommand = AppTest;

TEST_F(YardageCardCommand, ShowsTheCardsOnePageInAPreviewOverTheMainDialog) {
    PrepareDrawingObjectsAndClubs();
    CAdvisorDlg mainDlg;
    ASSERT_TRUE(mainDlg.Create());
    QWidget* parent = nullptr;
    int pages = 0;
    WhenModal([&](QWidget* modal) {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(modal);
        ASSERT_NE(preview, nullptr) << "another window opened than the preview";
        parent = preview->parentWidget();
        pages = preview->findChild<QPrintPreviewWidget*>()->pageCount();
        preview->reject();
    });
    EXPECT_TRUE(mainDlg.OnCommand(ID_YARDAGE_CARD, 0));
    EXPECT_EQ(parent, WidgetOf(mainDlg.GetSafeHwnd()));
    EXPECT_EQ(pages, 1);
    EXPECT_TRUE(MessageBoxSeam::TakeShownTexts().empty());
}
