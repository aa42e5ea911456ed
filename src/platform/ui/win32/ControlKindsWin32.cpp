#include "platform/ui/win32/ControlKindsWin32.h"

#include "platform/ui/CListCtrl.h"
#include "platform/ui/ControlKindOrder.h"
#include "platform/ui/CSpinButtonCtrl.h"
#include "platform/ui/CStatic.h"

namespace {

constexpr WORD kButtonAtom = 0x0080;
constexpr WORD kEditAtom = 0x0081;
constexpr WORD kStaticAtom = 0x0082;

DWORD AsTemplated(DWORD style) {
    return style;
}

// A push button is drawn by its dialog, flat in the colours the dialog's colour query gives
// buttons: the system's own push button ignores the brush and text colour of that query.
// Which button is the default one the dialog knows from the template.
DWORD OwnerDrawn(DWORD style) {
    return (style & ~static_cast<DWORD>(BS_TYPEMASK)) | BS_OWNERDRAW;
}

using control_kinds::KindOf;
using control_kinds::Wrap;

const ControlKind kKinds[] = {
    /* StaticText */ {kStaticAtom, nullptr, &AsTemplated, &Wrap<CStatic>, CTLCOLOR_STATIC, false},
    /* StaticPicture */
    {kStaticAtom, nullptr, &AsTemplated, &Wrap<CStatic>, CTLCOLOR_STATIC, false},
    /* StaticIcon */ {kStaticAtom, nullptr, &AsTemplated, &Wrap<CStatic>, CTLCOLOR_STATIC, false},
    // Painted whole by its dialog (WM_DRAWITEM), which asks no colours for it.
    /* StaticOwnerDrawn */
    {kStaticAtom, nullptr, &AsTemplated, &Wrap<CStatic>, kNoColourQuery, false},
    /* Edit */ {kEditAtom, nullptr, &AsTemplated, &Wrap<CWnd>, CTLCOLOR_EDIT, false},
    /* PushButton */ {kButtonAtom, nullptr, &OwnerDrawn, &Wrap<CWnd>, CTLCOLOR_BTN, true},
    // A check box and a radio button paint their whole rectangle as the dialog's: they ask the
    // static query.
    /* CheckBox */ {kButtonAtom, nullptr, &AsTemplated, &Wrap<CWnd>, CTLCOLOR_STATIC, false},
    /* RadioButton */ {kButtonAtom, nullptr, &AsTemplated, &Wrap<CWnd>, CTLCOLOR_STATIC, false},
    /* UpDown */
    {0, UPDOWN_CLASSW, &AsTemplated, &Wrap<CSpinButtonCtrl>, kNoColourQuery, false},
    /* ListView */
    {0, WC_LISTVIEWW, &AsTemplated, &Wrap<CListCtrl>, kNoColourQuery, false},
};

} // namespace

const ControlKind& ControlKindOf(const DialogItemTemplate& item) {
    return kKinds[KindOf(item)];
}
