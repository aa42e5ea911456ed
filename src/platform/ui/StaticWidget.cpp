#include "StaticWidget.h"

#include <QMouseEvent>

void StaticWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
        onClicked) {
        onClicked();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}
