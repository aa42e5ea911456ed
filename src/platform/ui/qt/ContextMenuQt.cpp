// A dialog's context menu over Qt: a popup menu built from the menu's template each time it is
// shown, so that it shows the checks in force; its commands' keys are window shortcuts.
#include "platform/ui/CDialog.h"

#include "platform/ui/AcceleratorTable.h"
#include "platform/ui/MenuTemplate.h"
#include "platform/ui/qt/DialogWidget.h"
#include "platform/ui/qt/DialogWindowQt.h"
#include "platform/ui/qt/QtConvert.h"

#include <QMenu>
#include <QShortcut>

namespace {

void AddItems(QMenu& menu, const std::vector<MenuItemTemplate>& items, const CDialog& dialog) {
    for (const MenuItemTemplate& item : items) {
        if (item.text == nullptr) {
            menu.addSeparator();
        } else if (!item.items.empty()) {
            AddItems(*menu.addMenu(ToQString(item.text)), item.items, dialog);
        } else {
            // The key is named after a tab, as the menu shows a shortcut, in the names the
            // dialogs give keys; the key itself is a shortcut of the window.
            QString text = ToQString(item.text);
            if (item.fVirt != 0) {
                text += QLatin1Char('\t') + ToQString(KeyNameOf(ACCEL{item.fVirt, item.key, 0}));
            }
            QAction* action = menu.addAction(text);
            action->setData(item.id);
            if (dialog.IsMenuItemChecked(item.id)) {
                action->setCheckable(true);
                action->setChecked(true);
            }
        }
    }
}

} // namespace

void CDialog::Window::ShowContextMenu(const QPoint* globalPos) {
    const MenuTemplate* menuTemplate = dialog.GetContextMenu();
    if (menuTemplate == nullptr) {
        return;
    }
    QMenu menu(widget.get());
    AddItems(menu, menuTemplate->items, dialog);
    QPoint at;
    if (globalPos != nullptr) {
        at = *globalPos;
    } else {
        // From the keyboard: below the control that has the focus, as menus open from it.
        const QWidget* focus =
            widget->focusWidget() != nullptr ? widget->focusWidget() : widget.get();
        at = focus->mapToGlobal(QPoint(0, focus->height()));
    }
    const QAction* chosen = menu.exec(at);
    if (chosen != nullptr && chosen->data().isValid()) {
        dialog.OnCommand(chosen->data().toUInt(), 0);
    }
}

BOOL CDialog::AttachContextMenu(const MenuTemplate& menu) {
    DialogWidget* widget = m_window->widget.get();
    const auto addShortcut = [widget](const QKeySequence& keys, auto action) {
        auto* shortcut = new QShortcut(keys, widget); // owned by the dialog's window
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, widget, action);
    };
    for (const ACCEL& accel : MenuAccelerators(menu)) {
        addShortcut(ToKeySequence(accel), [this, nID = accel.cmd] { OnCommand(nID, 0); });
    }
    // The Menu key and Shift+F10 open it from whatever control has the focus, an edit field's
    // own menu included.
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)}) {
        addShortcut(keys, [this] { m_window->ShowContextMenu(nullptr); });
    }
    return TRUE;
}

void CDialog::ShowMenuItemCheck(UINT /*nIDItem*/) {
    // The menu is built anew, with its checks, each time it is shown.
}
