#include "platform/ui/qt/OwnerDrawWidget.h"

#include "platform/ui/qt/ControlHost.h"
#include "platform/ui/qt/Handles.h"

#include <QPainter>

OwnerDrawWidget::OwnerDrawWidget(QWidget* parent) : QWidget(parent) {}

void OwnerDrawWidget::SetText(const QString& text) {
    setAccessibleName(text);
    update();
}

void OwnerDrawWidget::paintEvent(QPaintEvent* /*event*/) {
    ControlHost* host = ControlHost::Of(this);
    if (host == nullptr) {
        return;
    }
    QPainter painter(this);
    DRAWITEMSTRUCT item{ODT_STATIC,
                        0,
                        0,
                        ODA_DRAWENTIRE,
                        0,
                        HandleOf(this),
                        HandleOf(&painter),
                        RECT{0, 0, width(), height()},
                        0};
    host->DrawItem(this, item);
}
