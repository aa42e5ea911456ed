#include "platform/ui/qt/DialogAccessible.h"

#include "platform/ui/qt/DialogControls.h"
#include "platform/ui/qt/DialogWidget.h"

#include <QAccessibleWidget>
#include <QVariant>

#include <algorithm>
#include <limits>
#include <vector>

namespace {

// Qt lists a window's children in stacking order, the bottom one first: each control was
// lowered beneath those before it, so that would read the template backwards. Here they are
// read in the template's order, and found by a point topmost first; widgets that are no
// control of the template come last, in Qt's order.
class DialogAccessible : public QAccessibleWidget {
public:
    explicit DialogAccessible(DialogWidget* dialog)
        : QAccessibleWidget(dialog, QAccessible::Dialog) {}

    int childCount() const override { return static_cast<int>(Children().size()); }
    QAccessibleInterface* child(int index) const override {
        const std::vector<QAccessibleInterface*> children = Children();
        return index >= 0 && index < static_cast<int>(children.size()) ? children[index] : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const std::vector<QAccessibleInterface*> children = Children();
        const auto found = std::find(children.begin(), children.end(), child);
        return found != children.end() ? static_cast<int>(found - children.begin()) : -1;
    }

private:
    std::vector<QAccessibleInterface*> Children() const {
        std::vector<QAccessibleInterface*> children;
        for (int i = 0; i < QAccessibleWidget::childCount(); ++i) {
            if (QAccessibleInterface* child = QAccessibleWidget::child(i)) {
                children.push_back(child);
            }
        }
        const auto place = [](const QAccessibleInterface* child) {
            const QObject* object = child->object();
            const QVariant place =
                object != nullptr ? object->property(kControlPlaceProperty) : QVariant();
            return place.isValid() ? place.toInt() : std::numeric_limits<int>::max();
        };
        std::stable_sort(children.begin(), children.end(),
                         [&place](const QAccessibleInterface* a, const QAccessibleInterface* b) {
                             return place(a) < place(b);
                         });
        return children;
    }
};

QAccessibleInterface* DialogFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("QDialog")) {
        return nullptr;
    }
    auto* dialog = dynamic_cast<DialogWidget*>(object);
    return dialog != nullptr ? new DialogAccessible(dialog) : nullptr; // owned by Qt's cache
}

} // namespace

void InstallDialogAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&DialogFactory);
        return true;
    }();
    (void)installed;
}
