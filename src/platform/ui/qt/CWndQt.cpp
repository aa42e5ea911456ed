// A window over Qt: the operations are made on its widget; what needs the dialog that holds
// it (fonts, colours) goes through that dialog's control host.
#include "platform/ui/CWnd.h"

#include "platform/ui/qt/ControlHost.h"
#include "platform/ui/qt/DialogControls.h"
#include "platform/ui/qt/Handles.h"
#include "platform/ui/qt/OwnerDrawWidget.h"
#include "platform/ui/qt/QtConvert.h"
#include "platform/ui/qt/StaticWidget.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QVariant>
#include <QWidget>

#include <algorithm>

int CWnd::GetDlgCtrlID() const {
    if (m_hWnd == nullptr) {
        return 0;
    }
    const QVariant id = WidgetOf(m_hWnd)->property(kControlIdProperty);
    return id.isValid() ? id.toInt() : 0;
}

void CWnd::SetWindowText(const CString& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(WidgetOf(m_hWnd))) {
        // A field whose whole text was selected keeps the new text selected, so that the
        // next number typed still replaces it.
        const bool allSelected = edit->hasSelectedText() && edit->selectedText() == edit->text();
        edit->setText(ToQString(text));
        if (allSelected) {
            edit->selectAll();
        }
    } else if (auto* label = dynamic_cast<StaticWidget*>(WidgetOf(m_hWnd))) {
        label->SetText(ToQString(text));
    } else if (auto* other = qobject_cast<QLabel*>(WidgetOf(m_hWnd))) {
        other->setText(ToQString(text));
    } else if (auto* button = qobject_cast<QAbstractButton*>(WidgetOf(m_hWnd))) {
        button->setText(ToQString(text));
    } else if (auto* drawn = dynamic_cast<OwnerDrawWidget*>(WidgetOf(m_hWnd))) {
        drawn->SetText(ToQString(text));
    } else if (m_hWnd != nullptr) {
        WidgetOf(m_hWnd)->setWindowTitle(ToQString(text));
    }
}

CString CWnd::GetWindowText() const {
    if (auto* edit = qobject_cast<QLineEdit*>(WidgetOf(m_hWnd))) {
        return FromQString(edit->text());
    }
    if (auto* label = qobject_cast<QLabel*>(WidgetOf(m_hWnd))) {
        return FromQString(label->text());
    }
    if (auto* button = qobject_cast<QAbstractButton*>(WidgetOf(m_hWnd))) {
        return FromQString(button->text());
    }
    if (auto* drawn = dynamic_cast<OwnerDrawWidget*>(WidgetOf(m_hWnd))) {
        return FromQString(drawn->Text());
    }
    return m_hWnd != nullptr ? FromQString(WidgetOf(m_hWnd)->windowTitle()) : CString();
}

void CWnd::SetFont(HFONT hFont, BOOL bRedraw) {
    ControlHost* host = ControlHost::Of(WidgetOf(m_hWnd));
    if (host == nullptr || hFont == nullptr) {
        return;
    }
    host->SetControlFont(WidgetOf(m_hWnd), hFont);
    if (bRedraw) {
        RedrawWindow();
    }
}

HFONT CWnd::GetFont() const {
    const ControlHost* host = ControlHost::Of(WidgetOf(m_hWnd));
    return host != nullptr ? host->ControlFont(WidgetOf(m_hWnd)) : nullptr;
}

CWnd* CWnd::SetFocus() {
    if (m_hWnd != nullptr) {
        WidgetOf(m_hWnd)->setFocus(Qt::OtherFocusReason);
    }
    return this;
}

void CWnd::RedrawWindow() {
    if (ControlHost* host = ControlHost::Of(WidgetOf(m_hWnd))) {
        host->QueryColours(WidgetOf(m_hWnd));
    }
    if (m_hWnd != nullptr) {
        WidgetOf(m_hWnd)->update();
    }
}

void CWnd::Invalidate(BOOL /*bErase*/) {
    if (m_hWnd != nullptr) {
        WidgetOf(m_hWnd)->update();
    }
}

void CWnd::SetRedraw(BOOL bRedraw) {
    if (m_hWnd != nullptr) {
        WidgetOf(m_hWnd)->setUpdatesEnabled(bRedraw != FALSE);
    }
}

void CWnd::EnableWindow(BOOL bEnable) {
    if (m_hWnd != nullptr) {
        WidgetOf(m_hWnd)->setEnabled(bEnable != FALSE);
    }
}

void CWnd::SetSel(int nStartChar, int nEndChar) {
    auto* edit = qobject_cast<QLineEdit*>(WidgetOf(m_hWnd));
    if (edit == nullptr) {
        return;
    }
    const int length = static_cast<int>(edit->text().size());
    if (nStartChar < 0) {
        edit->deselect();
        return;
    }
    const int start = std::min(nStartChar, length);
    const int end = nEndChar < 0 ? length : std::min(nEndChar, length);
    edit->setSelection(start, end - start);
}

void CWnd::ScrollCaret() {
    // A line field always keeps its caret in view; the request is only needed for fields
    // that scroll by themselves, which a Qt line edit does on every change.
    if (auto* edit = qobject_cast<QLineEdit*>(WidgetOf(m_hWnd))) {
        edit->update();
    }
}

void CWnd::SetCheck(int nCheck) {
    auto* button = qobject_cast<QAbstractButton*>(WidgetOf(m_hWnd));
    if (button == nullptr || !button->isCheckable()) {
        return;
    }
    // An exclusive group refuses to clear its checked button; clearing one is allowed here,
    // as on the handheld, where only a click moves the check within a group.
    QButtonGroup* group = button->group();
    const bool exclusive = group != nullptr && group->exclusive();
    if (exclusive && nCheck != BST_CHECKED) {
        group->setExclusive(false);
    }
    button->setChecked(nCheck == BST_CHECKED);
    if (exclusive) {
        group->setExclusive(true);
    }
}

int CWnd::GetCheck() const {
    auto* button = qobject_cast<QAbstractButton*>(WidgetOf(m_hWnd));
    return button != nullptr && button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

BOOL CWnd::ShowWindow(int nCmdShow) {
    const BOOL wasVisible = IsWindowVisible();
    if (m_hWnd != nullptr) {
        WidgetOf(m_hWnd)->setVisible(nCmdShow != SW_HIDE);
    }
    return wasVisible;
}

BOOL CWnd::IsWindowVisible() const {
    return m_hWnd != nullptr && WidgetOf(m_hWnd)->isVisible();
}
