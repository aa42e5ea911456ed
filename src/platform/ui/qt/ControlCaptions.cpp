#include "platform/ui/qt/ControlCaptions.h"

#include "platform/ui/qt/DialogControls.h"
#include "platform/ui/qt/StaticWidget.h"
#include "platform/ui/UiApi.h"

#include <QAbstractItemView>
#include <QLineEdit>

namespace {

// A static that shows text and is no button.
StaticWidget* AsText(QWidget* widget) {
    auto* text = dynamic_cast<StaticWidget*>(widget);
    return text != nullptr && text->pixmap().isNull() && !text->Notifies() ? text : nullptr;
}

// The nearest control wholly above the widget whose width reaches over its left edge, when
// that is a text; nothing when another kind of control stands between.
StaticWidget* CaptionAbove(const DialogControls& controls, const QWidget* widget) {
    const QRect place = widget->geometry();
    QWidget* nearest = nullptr;
    for (const auto& control : controls.InOrder()) {
        const QRect other = control->widget->geometry();
        const bool above = other.bottom() < place.top() && other.left() <= place.left() &&
                           other.right() >= place.left();
        if (above && (nearest == nullptr || other.bottom() > nearest->geometry().bottom())) {
            nearest = control->widget;
        }
    }
    StaticWidget* caption = AsText(nearest);
    return caption != nullptr && !caption->text().isEmpty() ? caption : nullptr;
}

} // namespace

void NameControlsByCaptions(const DialogControls& controls) {
    for (const auto& control : controls.InOrder()) {
        QWidget* widget = control->widget;
        StaticWidget* caption = CaptionAbove(controls, widget);
        if (caption == nullptr) {
            continue;
        }
        if (qobject_cast<QLineEdit*>(widget) != nullptr ||
            qobject_cast<QAbstractItemView*>(widget) != nullptr) {
            caption->setBuddy(widget);
            widget->setAccessibleName(caption->text());
        } else if (control->id != IDC_STATIC && AsText(widget) != nullptr) {
            widget->setAccessibleDescription(caption->text());
        }
    }
}
