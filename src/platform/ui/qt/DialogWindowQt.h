#pragma once
// The window of a dialog over Qt, as the files of the backend share it: the dialog's widget,
// its controls in template order and its font, and what the controls ask of the dialog.
#include "platform/ui/CDialog.h"
#include "platform/ui/CFont.h"
#include "platform/ui/qt/ControlHost.h"
#include "platform/ui/qt/DialogControls.h"
#include "platform/ui/qt/DialogWidget.h"

#include <QButtonGroup>
#include <QPushButton>

#include <memory>

// The dialog's window, its controls and its font, and what the controls ask of the dialog.
struct CDialog::Window : ControlHost {
    explicit Window(CDialog& owner) : dialog(owner) {}

    CDialog& Dialog() override { return dialog; }
    CWnd* ObjectOf(const QWidget* w) const override {
        if (w != nullptr && w == widget.get()) {
            return &dialog;
        }
        const DialogControl* control = controls.ByWidget(w);
        return control != nullptr ? control->Object() : nullptr;
    }
    HFONT ControlFont(const QWidget* w) const override {
        if (w != nullptr && w == widget.get()) {
            return font.m_hObject;
        }
        const DialogControl* control = controls.ByWidget(w);
        return control != nullptr ? control->hFont : nullptr;
    }
    void SetControlFont(QWidget* w, HFONT hFont) override;
    void QueryColours(QWidget* w) override;
    void OnCommand(UINT nID, UINT nCode) override { dialog.OnCommand(nID, nCode); }
    int EnterCommand(const QWidget* focus) const override {
        // A push button with the focus is the one Enter presses; otherwise the default.
        if (qobject_cast<const QPushButton*>(focus) != nullptr) {
            if (const DialogControl* control = controls.ByWidget(focus)) {
                return control->id;
            }
        }
        return dialog.GetDefID();
    }

    void DrawItem(QWidget* w, DRAWITEMSTRUCT& item) override {
        if (const DialogControl* control = controls.ByWidget(w)) {
            item.CtlID = static_cast<UINT>(control->id);
            dialog.SendDrawItem(control->id, &item);
        }
    }

    void ShowContextMenu(const QPoint* globalPos) override;

    // The window's logical dpi, or the handheld's before there is a window.
    int LogicalDpi() const { return widget ? widget->logicalDpiY() : 96; }
    void CreateControls(const DialogTemplate& dlgTemplate);
    // The text or picture of the template item, on its control.
    void ApplyItemTexts(const DialogControl& control, const DialogItemTemplate& item);
    // One control of the template, made by the entry of its kind, with what every control
    // takes from its item.
    QWidget* MakeControl(const DialogItemTemplate& item, QWidget* previous,
                         QButtonGroup*& radioGroup);
    void FocusFirstTabStop();

    CDialog& dialog;
    // Destroyed in the reverse order: the controls' objects, the widgets, then the font.
    CFont font;
    std::unique_ptr<DialogWidget> widget;
    DialogControls controls;
};
