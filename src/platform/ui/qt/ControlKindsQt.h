#pragma once
// The kinds of control a template may hold, one table entry each: how the Qt backend creates
// the widget, which object stands for it, how it takes the focus when it is no tab stop, and
// which colour query paints it. The properties every control shares (id, name, font,
// geometry, order) are applied by the dialog in one pass afterwards. A backend over another
// toolkit brings a table of its own; the templates stay as they are.
#include "platform/ui/DialogTemplate.h"

#include <QRect>

#include <memory>

class CDialog;
class CWnd;
class QButtonGroup;
class QWidget;

// Where a control is being built: its dialog, the dialog's window, the control built just
// before it and the radio group that the last WS_GROUP opened.
struct ControlSite {
    CDialog& dialog;
    QWidget& window;
    // The control's rectangle in pixels; a kind whose size comes from its content changes it.
    QRect geometry;
    QWidget* previous;
    QButtonGroup*& radioGroup;
};

struct ControlKind {
    QWidget* (*create)(ControlSite& site, const DialogItemTemplate& item);
    std::unique_ptr<CWnd> (*wrap)();
    Qt::FocusPolicy focusWithoutTabStop;
    UINT ctlColor;
};

const ControlKind& ControlKindOf(const DialogItemTemplate& item);

// What a number field shows when it refuses a key or a paste that is not only digits.
QString DigitsOnlyHint();
