#pragma once
// Which entry of a backend's table of control kinds a template item takes, and how an entry
// makes the object that stands for its control. Each backend brings its own table; the order
// of the entries and the choice among them are the same for both.
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/UiApi.h"

#include <memory>

class CWnd;

namespace control_kinds {

// The entries of a table of kinds, in its order.
enum Kind {
    StaticText,
    StaticPicture,
    StaticIcon,
    StaticOwnerDrawn,
    Edit,
    PushButton,
    CheckBox,
    RadioButton,
    UpDown,
    ListView
};

inline Kind KindOf(const DialogItemTemplate& item) {
    switch (item.windowClass) {
    case ControlClass::Static:
        switch (item.style & SS_TYPEMASK) {
        case SS_BITMAP:
            return StaticPicture;
        case SS_ICON:
            return StaticIcon;
        case SS_OWNERDRAW:
            return StaticOwnerDrawn;
        default:
            return StaticText;
        }
    case ControlClass::Edit:
        return Edit;
    case ControlClass::Button:
        switch (item.style & BS_TYPEMASK) {
        case BS_AUTORADIOBUTTON:
            return RadioButton;
        case BS_AUTOCHECKBOX:
            return CheckBox;
        default:
            return PushButton;
        }
    case ControlClass::UpDown:
        return UpDown;
    case ControlClass::ListView:
        return ListView;
    }
    return StaticText;
}

} // namespace control_kinds

// Whether the control shows its template's text for good: a caption nobody addresses, or a
// button. Any other control's text is the dialog's to set (data exchange, a result line).
inline bool TakesTemplateText(const DialogItemTemplate& item) {
    const control_kinds::Kind kind = control_kinds::KindOf(item);
    return (item.id == IDC_STATIC && kind == control_kinds::StaticText) ||
           kind == control_kinds::PushButton || kind == control_kinds::RadioButton ||
           kind == control_kinds::CheckBox;
}

namespace control_kinds {

template <typename T> std::unique_ptr<CWnd> Wrap() {
    return std::make_unique<T>();
}

} // namespace control_kinds
