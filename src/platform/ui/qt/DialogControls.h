#pragma once
// The controls of one dialog's window as the Qt backend keeps them: in template order, found
// by id and by widget.
#include "platform/ui/CWnd.h"

#include <memory>
#include <unordered_map>
#include <vector>

class QWidget;

// The widget property that holds a control's id.
inline constexpr char kControlIdProperty[] = "caddoraControlId";
// The widget property that holds a control's place in its template, from 0: the order the
// player reads the controls in. Kept on the widget, it is there for as long as the widget is.
inline constexpr char kControlPlaceProperty[] = "caddoraControlPlace";

struct DialogControl {
    QWidget* widget;
    int id;
    DWORD style;
    // The kind of colour query the control answers, or kNoColourQuery.
    UINT ctlColor;
    HFONT hFont;
    // The object that stands for the control until a member is bound to it.
    std::unique_ptr<CWnd> wrapper;
    CWnd* bound = nullptr;

    CWnd* Object() const { return bound != nullptr ? bound : wrapper.get(); }
};

inline constexpr UINT kNoColourQuery = ~0U;

class DialogControls {
public:
    DialogControl& Add(std::unique_ptr<DialogControl> control);
    // The first control of that id in template order; null for none.
    DialogControl* ById(int id) const;
    DialogControl* ByWidget(const QWidget* widget) const;
    const std::vector<std::unique_ptr<DialogControl>>& InOrder() const { return m_controls; }

private:
    std::vector<std::unique_ptr<DialogControl>> m_controls;
    std::unordered_map<int, DialogControl*> m_byId;
    std::unordered_map<const QWidget*, DialogControl*> m_byWidget;
};
