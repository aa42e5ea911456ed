#include "ListViewWidget.h"

#include <QHeaderView>

ListViewWidget::ListViewWidget(QWidget* parent) : QTreeWidget(parent) {
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setIndentation(0);
    setColumnCount(0);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    header()->setSectionsClickable(false);
    header()->setStretchLastSection(false);
}

void ListViewWidget::focusInEvent(QFocusEvent* event) {
    QTreeWidget::focusInEvent(event);
    // The view makes its first row current when it gains the focus; with no row selected
    // that row would carry a focus frame that stands for nothing.
    if (selectionModel() != nullptr && !selectionModel()->hasSelection()) {
        selectionModel()->clearCurrentIndex();
    }
}
