#include "platform/ui/qt/ListViewWidget.h"

#include <QHeaderView>
#include <QPalette>

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
    // Past its last column a list view's header is an empty heading, not the dialog behind
    // it: the header's own background takes the headings' face, whatever colour the dialog
    // paints itself.
    QPalette face = header()->palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    header()->setPalette(face);
}

void ListViewWidget::focusInEvent(QFocusEvent* event) {
    QTreeWidget::focusInEvent(event);
    // The view makes its first row current when it gains the focus; with no row selected
    // that row would carry a focus frame that stands for nothing.
    if (selectionModel() != nullptr && !selectionModel()->hasSelection()) {
        selectionModel()->clearCurrentIndex();
    }
}
