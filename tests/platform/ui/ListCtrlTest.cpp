#include "support/UiTest.h"

#include "platform/ui/CDialog.h"
#include "platform/ui/CListCtrl.h"
#include "res/Resource.h"

#include <QHeaderView>
#include <QImage>
#include <QPalette>
#include <QTest>
#include <QTreeWidget>

namespace {

class ListView : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        ASSERT_TRUE(dialog.Create());
        list = dynamic_cast<CListCtrl*>(dialog.GetDlgItem(IDC_CLUB_LIST));
        ASSERT_NE(list, nullptr);
        list->InsertColumn(0, u"Club", LVCFMT_LEFT, 120, -1);
        list->InsertColumn(1, u"Dist.", LVCFMT_LEFT, 50, -1);
    }
    void TearDown() override {
        dialog.DestroyWindow();
        UiTest::TearDown();
    }
    int Append(const char16_t* name, const char16_t* distance, LPARAM id) {
        const int row = list->InsertItem(LVIF_TEXT, list->GetItemCount(), name, 0, 0, 0, 0);
        list->SetItemText(row, 1, distance);
        list->SetItem(row, 0, LVIF_PARAM, nullptr, 0, 0, 0, id);
        return row;
    }

    CDialog dialog{IDD_SETUP};
    CListCtrl* list = nullptr;
};

TEST_F(ListView, ColumnsHaveTheirHeadingsAndWidths) {
    EXPECT_EQ(list->GetColumnHeading(0), CString(u"Club"));
    EXPECT_EQ(list->GetColumnHeading(1), CString(u"Dist."));
    EXPECT_EQ(list->GetColumnWidth(0), 120);
    EXPECT_EQ(list->GetColumnWidth(1), 50);
    EXPECT_FALSE(qobject_cast<QTreeWidget*>(WidgetOf(list->m_hWnd))->header()->sectionsClickable());
}

TEST_F(ListView, TheHeaderPastItsLastColumnIsAnEmptyHeadingNotTheDialog) {
    QWidget* window = WidgetOf(dialog.GetSafeHwnd());
    QPalette green = window->palette();
    green.setColor(QPalette::Window, QColor(172, 211, 115));
    window->setPalette(green);
    QHeaderView* header = qobject_cast<QTreeWidget*>(WidgetOf(list->m_hWnd))->header();
    header->resize(300, header->sizeHint().height());
    const QImage shot = header->grab().toImage();
    const QColor past = shot.pixelColor(shot.width() - 3, shot.height() / 2);
    EXPECT_NE(past, QColor(172, 211, 115));
    EXPECT_EQ(past, header->palette().color(QPalette::Button));
}

TEST_F(ListView, RowsAreAppendedWithTextsAndData) {
    EXPECT_EQ(Append(u"Driver (1 Wood)", u"230", 1), 0);
    EXPECT_EQ(Append(u"Sand Wedge", u"-5", 14), 1);
    EXPECT_EQ(list->GetItemCount(), 2);
    EXPECT_EQ(list->GetItemText(1, 0), CString(u"Sand Wedge"));
    EXPECT_EQ(list->GetItemText(1, 1), CString(u"-5"));
    EXPECT_EQ(list->GetItemData(0), 1);
    EXPECT_EQ(list->GetItemData(1), 14);
    EXPECT_EQ(list->GetNextItem(-1, LVNI_SELECTED), -1) << "new rows are not selected";
}

TEST_F(ListView, SelectionIsFoundSetAndDroppedByARebuild) {
    for (int i = 0; i < 20; ++i) {
        Append(u"Club", u"100", i + 1);
    }
    list->SetItemState(17, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(list->GetNextItem(-1, LVNI_SELECTED), 17);
    EXPECT_EQ(list->GetItemState(17, LVIS_SELECTED), LVIS_SELECTED);
    EXPECT_TRUE(list->EnsureVisible(17, FALSE));
    list->DeleteAllItems();
    EXPECT_EQ(list->GetItemCount(), 0);
    EXPECT_EQ(list->GetNextItem(-1, LVNI_SELECTED), -1);
}

TEST_F(ListView, SelectingARowOfASingleSelectionListClearsTheOtherRow) {
    for (int i = 0; i < 3; ++i) {
        Append(u"Club", u"100", i + 1);
    }
    list->SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    list->SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(list->GetNextItem(-1, LVNI_SELECTED), 2);
    EXPECT_EQ(list->GetNextItem(2, LVNI_SELECTED), -1);
    list->SetItemState(2, 0, LVIS_SELECTED);
    EXPECT_EQ(list->GetNextItem(-1, LVNI_SELECTED), -1);
}

// The current row is the one the focus frame marks and the arrow keys move from.
TEST_F(ListView, TheCurrentRowIsTheSelectedOneAndNoneWithoutASelection) {
    for (int i = 0; i < 8; ++i) {
        Append(u"Club", u"100", i + 1);
    }
    auto* view = qobject_cast<QTreeWidget*>(WidgetOf(list->m_hWnd));
    ASSERT_TRUE(Activate(view));
    view->setFocus();
    EXPECT_EQ(view->currentItem(), nullptr) << "the focus alone marks no row";
    QTest::keyClick(view, Qt::Key_Down);
    EXPECT_EQ(list->GetNextItem(-1, LVNI_SELECTED), 0) << "the first Down selects the first row";

    list->SetItemState(5, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(list->GetItemState(5, LVIS_FOCUSED), LVIS_FOCUSED);
    QTest::keyClick(view, Qt::Key_Down);
    EXPECT_EQ(list->GetNextItem(-1, LVNI_SELECTED), 6) << "and the next moves on from there";

    list->DeleteAllItems();
    Append(u"Club", u"100", 1);
    view->clearFocus();
    view->setFocus();
    EXPECT_EQ(view->currentItem(), nullptr) << "a rebuild drops the current row";
}

TEST_F(ListView, FullRowSelectionIsTheOnlyExtendedStyle) {
    list->SetExtendedStyle(LVS_EX_FULLROWSELECT);
    EXPECT_EQ(list->GetExtendedStyle(), LVS_EX_FULLROWSELECT);
    EXPECT_EQ(qobject_cast<QTreeWidget*>(WidgetOf(list->m_hWnd))->selectionBehavior(),
              QAbstractItemView::SelectRows);
}

} // namespace
