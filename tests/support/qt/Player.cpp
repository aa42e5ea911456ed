// The player's hands on Qt: QTest's mouse and key events on the dialogs' widgets.
#include "support/Player.h"

#include "platform/ui/qt/QtConvert.h"
#include "support/ModalWatchdog.h"
#include "support/UiTest.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <memory>

namespace {

QWidget* Control(CDialog& dlg, int id) {
    if (id == 0) {
        return WidgetOf(dlg.GetSafeHwnd());
    }
    CWnd* control = dlg.GetDlgItem(id);
    return control != nullptr ? WidgetOf(control->m_hWnd) : nullptr;
}

QTreeWidget* List(CDialog& dlg, int id) {
    auto* list = qobject_cast<QTreeWidget*>(Control(dlg, id));
    EXPECT_NE(list, nullptr) << "no list " << id;
    return list;
}

// The middle of the row's cell in the last column, in the list's viewport.
QPoint RowPoint(QTreeWidget* list, int row) {
    return list->visualRect(list->model()->index(row, list->columnCount() - 1)).center();
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
    case Key::F1:
        return Qt::Key_F1;
    }
    // Letters: Qt's key codes of A to Z are their upper-case characters too.
    return static_cast<Qt::Key>(key);
}

// Keys go to the active window, as the player's keyboard does: its shortcuts answer only
// then. The window that a closed dialog gave the activation back to may not have it yet.
void MakeActive(CDialog& dlg) {
    QWidget* window = WidgetOf(dlg.GetSafeHwnd())->window();
    if (!window->isActiveWindow()) {
        window->activateWindow();
        [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(window);
    }
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
    MakeActive(dlg);
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
    if (modifiers & Ctrl) {
        held |= Qt::ControlModifier;
    }
    QTest::keyClick(control, ToQtKey(key), held);
}

void ChooseFromContextMenu(CDialog& dlg, int id, char mnemonic, char then) {
    MakeActive(dlg);
    // The menu runs a loop of its own: the choice is made from inside it, and in the submenu
    // once that is the popup on top.
    QTimer::singleShot(0, [mnemonic, then] {
        QWidget* popup = QApplication::activePopupWidget();
        ASSERT_NE(popup, nullptr) << "no menu opened";
        QTest::keyClick(popup, static_cast<Qt::Key>(mnemonic));
        if (then != 0) {
            // The submenu opens from the menu's own timer.
            ASSERT_TRUE(QTest::qWaitFor([popup] {
                return QApplication::activePopupWidget() != nullptr &&
                       QApplication::activePopupWidget() != popup;
            })) << "no submenu opened";
            QWidget* submenu = QApplication::activePopupWidget();
            QTest::keyClick(submenu, static_cast<Qt::Key>(then));
        }
    });
    if (id == 0) {
        QWidget* focus = WidgetOf(dlg.GetSafeHwnd())->focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClick(focus, Qt::Key_F10, Qt::ShiftModifier);
        return;
    }
    QWidget* control = Control(dlg, id);
    ASSERT_NE(control, nullptr) << "no control " << id;
    const QPoint at(5, 5);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, control->mapToGlobal(at));
    QApplication::sendEvent(control, &event);
}

void TapRow(CDialog& dlg, int id, int row) {
    QTreeWidget* list = List(dlg, id);
    ASSERT_NE(list, nullptr);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, RowPoint(list, row));
}

void DoubleTapRow(CDialog& dlg, int id, int row) {
    QTreeWidget* list = List(dlg, id);
    ASSERT_NE(list, nullptr);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, RowPoint(list, row));
    QTest::qWait(0);
}

void ScrollToTop(CDialog& dlg, int id) {
    if (QTreeWidget* list = List(dlg, id)) {
        list->verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMinimum);
    }
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

CString Text(CDialog& dlg, int id) {
    QWidget* control = Control(dlg, id);
    if (auto* field = qobject_cast<QLineEdit*>(control)) {
        return FromQString(field->text());
    }
    if (auto* label = qobject_cast<QLabel*>(control)) {
        return FromQString(label->text());
    }
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        return FromQString(button->text());
    }
    ADD_FAILURE() << "no control with a text " << id;
    return CString();
}

bool Shown(CDialog& dlg, int id) {
    const CWnd* control = dlg.GetDlgItem(id);
    return control != nullptr && WidgetOf(control->m_hWnd)->isVisible();
}

bool Checked(CDialog& dlg, int id) {
    auto* button = qobject_cast<QAbstractButton*>(Control(dlg, id));
    EXPECT_NE(button, nullptr) << "no button " << id;
    return button != nullptr && button->isChecked();
}

std::vector<CString> ColumnTexts(CDialog& dlg, int id, int column) {
    std::vector<CString> texts;
    if (QTreeWidget* list = List(dlg, id)) {
        for (int row = 0; row < list->topLevelItemCount(); ++row) {
            texts.push_back(FromQString(list->topLevelItem(row)->text(column)));
        }
    }
    return texts;
}

std::vector<CString> ColumnHeads(CDialog& dlg, int id) {
    std::vector<CString> heads;
    if (QTreeWidget* list = List(dlg, id)) {
        for (int column = 0; column < list->columnCount(); ++column) {
            heads.push_back(FromQString(list->headerItem()->text(column)));
        }
    }
    return heads;
}

std::vector<CString> LabelTexts(CDialog& dlg) {
    std::vector<CString> texts;
    for (const QLabel* label : Control(dlg, 0)->findChildren<QLabel*>()) {
        if (!label->text().isEmpty()) {
            texts.push_back(FromQString(label->text()));
        }
    }
    return texts;
}

std::vector<int> SelectedRows(CDialog& dlg, int id) {
    std::vector<int> rows;
    if (QTreeWidget* list = List(dlg, id)) {
        for (int row = 0; row < list->topLevelItemCount(); ++row) {
            if (list->topLevelItem(row)->isSelected()) {
                rows.push_back(row);
            }
        }
    }
    return rows;
}

bool RowShown(CDialog& dlg, int id, int row) {
    QTreeWidget* list = List(dlg, id);
    if (list == nullptr) {
        return false;
    }
    const QRect shown = list->visualItemRect(list->topLevelItem(row));
    return shown.top() >= 0 && shown.bottom() < list->viewport()->height();
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
