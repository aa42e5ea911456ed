// The player's hands on Qt: QTest's mouse and key events on the dialogs' widgets.
#include "support/Player.h"

#include "platform/ui/qt/QtConvert.h"
#include "support/ModalWatchdog.h"
#include "support/UiTest.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

#include <memory>

namespace {

QWidget* Control(CDialog& dlg, int id) {
    if (id == 0) {
        return WidgetOf(dlg.GetSafeHwnd());
    }
    CWnd* control = dlg.GetDlgItem(id);
    return control != nullptr ? WidgetOf(control->m_hWnd) : nullptr;
}

Qt::Key ToQtKey(Key key) {
    switch (key) {
    case Key::Tab:
        return Qt::Key_Tab;
    case Key::Return:
        return Qt::Key_Return;
    case Key::Escape:
        return Qt::Key_Escape;
    case Key::PageUp:
        return Qt::Key_PageUp;
    case Key::PageDown:
        return Qt::Key_PageDown;
    case Key::Up:
        return Qt::Key_Up;
    case Key::Down:
        return Qt::Key_Down;
    }
    // Letters: Qt's key codes of A to Z are their upper-case characters too.
    return static_cast<Qt::Key>(key);
}

} // namespace

namespace Player {

void StartToolkit() {
    EnsureTestApplication();
}

bool Open(CDialog& dlg) {
    if (!dlg.Create()) {
        return false;
    }
    QWidget* window = WidgetOf(dlg.GetSafeHwnd());
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

void Tap(CDialog& dlg, int id) {
    QWidget* control = Control(dlg, id);
    ASSERT_NE(control, nullptr) << "no control " << id;
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(4, 4));
}

void Type(CDialog& dlg, int id, const CString& text) {
    auto* field = qobject_cast<QLineEdit*>(Control(dlg, id));
    ASSERT_NE(field, nullptr) << "no field " << id;
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
    if (text.IsEmpty()) {
        QTest::keyClick(field, Qt::Key_Delete);
    }
    QTest::keyClicks(field, ToQString(text));
}

void TypeOn(CDialog& dlg, int id, const CString& text) {
    QWidget* control = Control(dlg, id);
    ASSERT_NE(control, nullptr) << "no control " << id;
    QTest::keyClicks(control, ToQString(text));
}

void Paste(CDialog& dlg, int id, const CString& text) {
    auto* field = qobject_cast<QLineEdit*>(Control(dlg, id));
    ASSERT_NE(field, nullptr) << "no field " << id;
    QApplication::clipboard()->setText(ToQString(text));
    field->paste();
}

void Press(CDialog& dlg, int id, Key key, unsigned modifiers) {
    QWidget* control = id != 0 ? Control(dlg, id) : WidgetOf(dlg.GetSafeHwnd())->focusWidget();
    ASSERT_NE(control, nullptr) << "no control " << id;
    if (id != 0) {
        control->setFocus(Qt::OtherFocusReason);
    }
    Qt::KeyboardModifiers held;
    if (modifiers & Shift) {
        held |= Qt::ShiftModifier;
    }
    if (modifiers & Alt) {
        held |= Qt::AltModifier;
    }
    QTest::keyClick(control, ToQtKey(key), held);
}

void CloseBox(CDialog& dlg) {
    WidgetOf(dlg.GetSafeHwnd())->close();
}

// The control that has the focus within its dialog, whether the offscreen platform made that
// dialog the active window or not.
bool HasFocus(CDialog& dlg, int id) {
    QWidget* control = Control(dlg, id);
    return control != nullptr && control->window()->focusWidget() == control;
}

COLORREF PixelAt(CDialog& dlg, int id, int x, int y) {
    QWidget* window = WidgetOf(dlg.GetSafeHwnd());
    const QImage image = window->grab().toImage();
    const QPoint at = Control(dlg, id)->mapTo(window, QPoint(x, y)) * image.devicePixelRatio();
    const QColor colour = image.pixelColor(at);
    return MakeRgb(static_cast<BYTE>(colour.red()), static_cast<BYTE>(colour.green()),
                   static_cast<BYTE>(colour.blue()));
}

Extent SizeOf(CDialog& dlg, int id) {
    const QSize size = Control(dlg, id)->size();
    return {size.width(), size.height()};
}

void ProcessEvents() {
    QCoreApplication::processEvents();
}

void WhenModal(std::function<void(CDialog*)> act) {
    UiTest::WhenModal([act = std::move(act)](QWidget* modal) {
        act(CDialog::FromHandlePermanent(HandleOf(modal)));
    });
}

struct Watchdog::State {
    ModalWatchdog watchdog;
};

Watchdog::Watchdog() : m_state(std::make_unique<State>()) {}

Watchdog::~Watchdog() = default;

} // namespace Player
