#pragma once
// The kinds of control a template may hold, as the Win32 backend has them made: the window
// class the dialog manager creates, the style the desktop's control takes for the template's,
// which object stands for the control and which colour query paints it. The dialog manager
// itself creates every control from the in-memory template (DialogTemplateEx.h); the
// properties every control shares (id, font, geometry, order) are the template's.
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/UiApi.h"

#include <memory>

class CWnd;

inline constexpr UINT kNoColourQuery = ~0U;

struct ControlKind {
    // A predefined class of the dialog manager (0x0080 button, 0x0081 edit, 0x0082 static),
    // or 0 and the name of a common control's class.
    WORD classAtom;
    const wchar_t* className;
    DWORD (*desktopStyle)(DWORD templateStyle);
    std::unique_ptr<CWnd> (*wrap)();
    // The kind of colour query the control sends, or kNoColourQuery.
    UINT ctlColor;
    // Painted by its dialog in the colours its colour query answered (WM_DRAWITEM).
    bool ownerDrawn;
};

const ControlKind& ControlKindOf(const DialogItemTemplate& item);
