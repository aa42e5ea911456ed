#pragma once
#include <QLabel>

#include <functional>

// A static text or picture. With notification on, a click is reported to the dialog.
class StaticWidget : public QLabel {
public:
    explicit StaticWidget(QWidget* parent) : QLabel(parent) {}
    std::function<void()> onClicked;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
