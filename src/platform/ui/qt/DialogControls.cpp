#include "platform/ui/qt/DialogControls.h"

DialogControl& DialogControls::Add(std::unique_ptr<DialogControl> control) {
    DialogControl& added = *control;
    m_byId.emplace(added.id, &added); // an id already taken keeps its first control
    m_byWidget.emplace(added.widget, &added);
    m_controls.push_back(std::move(control));
    return added;
}

DialogControl* DialogControls::ById(int id) const {
    const auto found = m_byId.find(id);
    return found != m_byId.end() ? found->second : nullptr;
}

DialogControl* DialogControls::ByWidget(const QWidget* widget) const {
    const auto found = m_byWidget.find(widget);
    return found != m_byWidget.end() ? found->second : nullptr;
}
