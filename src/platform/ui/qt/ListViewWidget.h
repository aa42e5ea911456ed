#pragma once
#include <QTreeWidget>

// The report-mode list view. Its current row (the one the focus frame marks and the arrow
// keys move from) is the selected row: with nothing selected there is none, so the first
// Down selects the first row rather than the second.
class ListViewWidget : public QTreeWidget {
public:
    explicit ListViewWidget(QWidget* parent);

protected:
    void focusInEvent(QFocusEvent* event) override;
};
