#pragma once
// The player's hands in the program's dialogs, the same on both platform layers: taps, typing
// and keys reach the controls as the toolkit's own input would (QTest on Qt, the windows' own
// mouse and keyboard messages through the dialog manager on Win32), and what the player sees
// is read back from the screen. Tests of the dialogs' behaviour are written once against it
// and run on both.
#include "platform/core/CString.h"
#include "platform/ui/CDialog.h"

#include <functional>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

// Keys by their virtual-key codes; a letter is its own upper-case character.
enum class Key : unsigned {
    Tab = 0x09,
    Return = 0x0D,
    Escape = 0x1B,
    PageUp = 0x21,
    PageDown = 0x22,
    Up = 0x26,
    Down = 0x28,
    F1 = 0x70,
};
constexpr Key Letter(char upperCase) {
    return static_cast<Key>(upperCase);
}

namespace Player {

enum Modifiers : unsigned { NoModifier = 0, Shift = 1, Alt = 2, Ctrl = 4 };

// The toolkit started once for the test program, and the program's resources entered.
void StartToolkit();
// Shows the dialog (Create), active, as the player finds it.
bool Open(CDialog& dlg);
// A click near the top left corner of the control.
void Tap(CDialog& dlg, int id);
// Replaces the control's whole text by typing, key by key.
void Type(CDialog& dlg, int id, const CString& text);
// Types key by key where the field stands: at its caret, over what it has selected.
void TypeOn(CDialog& dlg, int id, const CString& text);
// Puts the text on the clipboard and pastes it where the field's caret stands.
void Paste(CDialog& dlg, int id, const CString& text);
// A key with the focus in the control; id 0: wherever the focus is in the dialog.
void Press(CDialog& dlg, int id, Key key, unsigned modifiers = NoModifier);
// Opens the dialog's context menu, with the right button on the control, or with id 0 from the
// keyboard (Shift+F10) wherever the focus is, and chooses the item of the mnemonic letter, an
// upper-case one; what the item's command does has run when this returns. `then`: the
// mnemonic of the item to choose in the submenu that the first opens.
void ChooseFromContextMenu(CDialog& dlg, int id, char mnemonic, char then = 0);
// The caption's close box.
void CloseBox(CDialog& dlg);
// A click on the row's cell in the list's last column: away from the first, so that it
// selects the row only where the list selects whole rows. DoubleTapRow: a double click there.
void TapRow(CDialog& dlg, int id, int row);
void DoubleTapRow(CDialog& dlg, int id, int row);
// The list's scroll bar taken to its top.
void ScrollToTop(CDialog& dlg, int id);
// Whether the control has the keyboard focus within its dialog.
bool HasFocus(CDialog& dlg, int id);
// What the control shows: a field's or a label's text, a button's caption.
CString Text(CDialog& dlg, int id);
// Whether a radio button shows its mark.
bool Checked(CDialog& dlg, int id);
// Whether the control is there and shown.
bool Shown(CDialog& dlg, int id);
// A list's column as it shows it, from the top row down.
std::vector<CString> ColumnTexts(CDialog& dlg, int id, int column);
// A list's column heads, from the left.
std::vector<CString> ColumnHeads(CDialog& dlg, int id);
// The texts the dialog's labels show, those without an id too, in no particular order.
std::vector<CString> LabelTexts(CDialog& dlg);
// The rows the list shows selected, from the top down.
std::vector<int> SelectedRows(CDialog& dlg, int id);
// Whether the list shows the whole height of the row, none of it scrolled away.
bool RowShown(CDialog& dlg, int id, int row);
// The colour the screen shows at a point of the control (id 0: of the dialog itself), in the
// control's own pixels, and the size of the control (or the dialog's client area) in them.
COLORREF PixelAt(CDialog& dlg, int id, int x, int y);
struct Extent {
    int cx;
    int cy;
};
Extent SizeOf(CDialog& dlg, int id);
// Runs what waits in the event queue.
void ProcessEvents();
// Runs `act` on the dialog that the next modal loop runs, as soon as it runs.
void WhenModal(std::function<void(CDialog*)> act);

// Runs `act` on the dialog that the next modal loop runs, which must be a Dialog.
template <typename Dialog> void WhenModalDialog(std::function<void(Dialog&)> act) {
    WhenModal([act = std::move(act)](CDialog* modal) {
        auto* dlg = dynamic_cast<Dialog*>(modal);
        ASSERT_NE(dlg, nullptr) << "another window opened than the dialog expected";
        act(*dlg);
    });
}

// Runs `open`, the code that runs a dialog modally, with `act` playing the player in that
// dialog, which must be a Dialog; answers what `open` answers. The test fails when no such
// dialog opened.
template <typename Dialog, typename Open>
auto WithModalDialog(std::function<void(Dialog&)> act, Open&& open) {
    bool acted = false;
    WhenModalDialog<Dialog>([&](Dialog& dlg) {
        acted = true;
        act(dlg);
    });
    if constexpr (std::is_void_v<decltype(open())>) {
        open();
        EXPECT_TRUE(acted) << "the dialog never opened";
    } else {
        auto result = open();
        EXPECT_TRUE(acted) << "the dialog never opened";
        return result;
    }
}

// Fails the running test, instead of letting it hang, when a modal window stays open that
// the test did not deal with, and ends that window; for the life of the object.
class Watchdog {
public:
    Watchdog();
    ~Watchdog();
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

    struct State;

private:
    std::unique_ptr<State> m_state;
};

} // namespace Player
