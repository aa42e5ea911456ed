#include "platform/ui/CListCtrl.h"

#include "platform/ui/qt/Handles.h"
#include "platform/ui/qt/QtConvert.h"

#include <QHeaderView>
#include <QTreeWidget>

namespace {

QTreeWidget* List(HWND hWnd) {
    return qobject_cast<QTreeWidget*>(WidgetOf(hWnd));
}

QTreeWidgetItem* Row(HWND hWnd, int nItem) {
    QTreeWidget* list = List(hWnd);
    return list != nullptr && nItem >= 0 ? list->topLevelItem(nItem) : nullptr;
}

} // namespace

DWORD CListCtrl::SetExtendedStyle(DWORD dwNewStyle) {
    QTreeWidget* list = List(m_hWnd);
    if (list == nullptr) {
        return 0;
    }
    const DWORD previous = GetExtendedStyle();
    list->setSelectionBehavior((dwNewStyle & LVS_EX_FULLROWSELECT)
                                   ? QAbstractItemView::SelectRows
                                   : QAbstractItemView::SelectItems);
    list->setProperty("caddoraExtendedStyle", static_cast<uint>(dwNewStyle));
    return previous;
}

DWORD CListCtrl::GetExtendedStyle() const {
    QTreeWidget* list = List(m_hWnd);
    return list != nullptr ? list->property("caddoraExtendedStyle").toUInt() : 0;
}

int CListCtrl::InsertColumn(int nCol, const CString& heading, int nFormat, int nWidth,
                            int /*nSubItem*/) {
    QTreeWidget* list = List(m_hWnd);
    if (list == nullptr || nCol < 0) {
        return -1;
    }
    const int count = list->columnCount();
    const int column = std::min(nCol, count);
    QTreeWidgetItem* header = list->headerItem();
    QStringList headings;
    for (int i = 0; i < count; ++i) {
        headings << header->text(i);
    }
    headings.insert(column, ToQString(heading));
    list->setColumnCount(count + 1);
    list->setHeaderLabels(headings);
    list->headerItem()->setTextAlignment(column,
                                         nFormat == LVCFMT_LEFT ? Qt::AlignLeft : Qt::AlignRight);
    if (nWidth >= 0) {
        list->header()->resizeSection(column, nWidth);
    }
    return column;
}

int CListCtrl::GetColumnWidth(int nCol) const {
    QTreeWidget* list = List(m_hWnd);
    return list != nullptr ? list->header()->sectionSize(nCol) : 0;
}

CString CListCtrl::GetColumnHeading(int nCol) const {
    QTreeWidget* list = List(m_hWnd);
    return list != nullptr ? FromQString(list->headerItem()->text(nCol)) : CString();
}

int CListCtrl::InsertItem(UINT nMask, int nItem, const CString& text, UINT nState, UINT nStateMask,
                          int /*nImage*/, LPARAM lParam) {
    QTreeWidget* list = List(m_hWnd);
    if (list == nullptr || nItem < 0) {
        return -1;
    }
    const int index = std::min(nItem, list->topLevelItemCount());
    auto* row = new QTreeWidgetItem(); // the list takes it over below
    list->insertTopLevelItem(index, row);
    if (nMask & LVIF_TEXT) {
        row->setText(0, ToQString(text));
    }
    if (nMask & LVIF_PARAM) {
        row->setData(0, Qt::UserRole, QVariant::fromValue<qlonglong>(lParam));
    }
    if (nMask & LVIF_STATE) {
        SetItemState(index, nState, nStateMask);
    }
    return index;
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, const CString& text) {
    QTreeWidgetItem* row = Row(m_hWnd, nItem);
    if (row == nullptr || nSubItem < 0 || nSubItem >= List(m_hWnd)->columnCount()) {
        return FALSE;
    }
    row->setText(nSubItem, ToQString(text));
    return TRUE;
}

CString CListCtrl::GetItemText(int nItem, int nSubItem) const {
    QTreeWidgetItem* row = Row(m_hWnd, nItem);
    return row != nullptr ? FromQString(row->text(nSubItem)) : CString();
}

BOOL CListCtrl::SetItem(int nItem, int nSubItem, UINT nMask, const CString* text, int /*nImage*/,
                        UINT nState, UINT nStateMask, LPARAM lParam) {
    if (Row(m_hWnd, nItem) == nullptr) {
        return FALSE;
    }
    if ((nMask & LVIF_TEXT) && text != nullptr && !SetItemText(nItem, nSubItem, *text)) {
        return FALSE;
    }
    if (nMask & LVIF_PARAM) {
        SetItemData(nItem, lParam);
    }
    if (nMask & LVIF_STATE) {
        SetItemState(nItem, nState, nStateMask);
    }
    return TRUE;
}

BOOL CListCtrl::SetItemData(int nItem, LPARAM data) {
    QTreeWidgetItem* row = Row(m_hWnd, nItem);
    if (row == nullptr) {
        return FALSE;
    }
    row->setData(0, Qt::UserRole, QVariant::fromValue<qlonglong>(data));
    return TRUE;
}

LPARAM CListCtrl::GetItemData(int nItem) const {
    QTreeWidgetItem* row = Row(m_hWnd, nItem);
    return row != nullptr ? static_cast<LPARAM>(row->data(0, Qt::UserRole).toLongLong()) : 0;
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nStateMask) {
    QTreeWidgetItem* row = Row(m_hWnd, nItem);
    if (row == nullptr) {
        return FALSE;
    }
    if (nStateMask & LVIS_SELECTED) {
        const bool select = (nState & LVIS_SELECTED) != 0;
        // A single-selection list (LVS_SINGLESEL) moves its one selection to the row, and
        // the current row goes with it, so that the arrow keys move on from there.
        if (select && List(m_hWnd)->selectionMode() == QAbstractItemView::SingleSelection) {
            List(m_hWnd)->clearSelection();
        }
        row->setSelected(select);
        if (select) {
            List(m_hWnd)->setCurrentItem(row, 0, QItemSelectionModel::NoUpdate);
        }
    }
    if ((nStateMask & LVIS_FOCUSED) && (nState & LVIS_FOCUSED)) {
        List(m_hWnd)->setCurrentItem(row, 0, QItemSelectionModel::NoUpdate);
    }
    return TRUE;
}

UINT CListCtrl::GetItemState(int nItem, UINT nMask) const {
    QTreeWidgetItem* row = Row(m_hWnd, nItem);
    if (row == nullptr) {
        return 0;
    }
    UINT state = 0;
    if (row->isSelected()) {
        state |= LVIS_SELECTED;
    }
    if (List(m_hWnd)->currentItem() == row) {
        state |= LVIS_FOCUSED;
    }
    return state & nMask;
}

int CListCtrl::GetItemCount() const {
    QTreeWidget* list = List(m_hWnd);
    return list != nullptr ? list->topLevelItemCount() : 0;
}

int CListCtrl::GetNextItem(int nItem, UINT nFlags) const {
    QTreeWidget* list = List(m_hWnd);
    if (list == nullptr) {
        return -1;
    }
    for (int i = std::max(nItem + 1, 0); i < list->topLevelItemCount(); ++i) {
        if (!(nFlags & LVNI_SELECTED) || list->topLevelItem(i)->isSelected()) {
            return i;
        }
    }
    return -1;
}

BOOL CListCtrl::DeleteAllItems() {
    QTreeWidget* list = List(m_hWnd);
    if (list == nullptr) {
        return FALSE;
    }
    list->clear();
    return TRUE;
}

BOOL CListCtrl::EnsureVisible(int nItem, BOOL /*bPartialOK*/) {
    QTreeWidgetItem* row = Row(m_hWnd, nItem);
    if (row == nullptr) {
        return FALSE;
    }
    List(m_hWnd)->scrollToItem(row, QAbstractItemView::EnsureVisible);
    return TRUE;
}
