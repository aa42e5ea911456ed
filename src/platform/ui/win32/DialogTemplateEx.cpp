#include "platform/ui/win32/DialogTemplateEx.h"

#include "platform/ui/UiApi.h"
#include "platform/ui/win32/ControlKindsWin32.h"

#include <cstring>
#include <string_view>

namespace {

class TemplateWriter {
public:
    void Word(WORD value) { Append(&value, sizeof value); }
    void Dword(DWORD value) { Append(&value, sizeof value); }
    void Short(short value) { Append(&value, sizeof value); }
    void Byte(BYTE value) { m_bytes.push_back(value); }
    // A null-terminated wide string.
    void Text(const char16_t* text) {
        const std::u16string_view view(text != nullptr ? text : u"");
        Append(view.data(), view.size() * sizeof(char16_t));
        Word(0);
    }
    void Text(const wchar_t* text) { Text(reinterpret_cast<const char16_t*>(text)); }
    // A resource or class given by number: 0xFFFF, then the number.
    void Ordinal(WORD value) {
        Word(0xFFFF);
        Word(value);
    }
    void AlignToDword() {
        while (m_bytes.size() % sizeof(DWORD) != 0) {
            m_bytes.push_back(0);
        }
    }
    std::vector<DWORD> Take() {
        AlignToDword();
        std::vector<DWORD> words(m_bytes.size() / sizeof(DWORD));
        std::memcpy(words.data(), m_bytes.data(), m_bytes.size());
        return words;
    }

private:
    void Append(const void* data, std::size_t size) {
        const auto* bytes = static_cast<const BYTE*>(data);
        m_bytes.insert(m_bytes.end(), bytes, bytes + size);
    }

    std::vector<BYTE> m_bytes;
};

} // namespace

DWORD DesktopDialogStyle(const DialogTemplate& dlgTemplate) {
    DWORD style = dlgTemplate.style;
    if (dlgTemplate.exStyle & WS_EX_CAPTIONOKBTN) {
        style |= WS_SYSMENU;
    }
    if (dlgTemplate.exStyle & WS_EX_APPWINDOW) {
        style |= WS_MINIMIZEBOX;
    }
    return style;
}

DWORD DesktopDialogExStyle(const DialogTemplate& dlgTemplate) {
    return dlgTemplate.exStyle & ~WS_EX_CAPTIONOKBTN;
}

std::vector<DWORD> BuildDialogTemplateEx(const DialogTemplate& dlgTemplate) {
    TemplateWriter out;
    const DWORD style = DesktopDialogStyle(dlgTemplate);
    out.Word(1);      // dlgVer
    out.Word(0xFFFF); // signature: the extended form
    out.Dword(0);     // helpID
    out.Dword(DesktopDialogExStyle(dlgTemplate));
    out.Dword(style);
    out.Word(static_cast<WORD>(dlgTemplate.items.size()));
    out.Short(dlgTemplate.x);
    out.Short(dlgTemplate.y);
    out.Short(dlgTemplate.cx);
    out.Short(dlgTemplate.cy);
    out.Word(0); // no menu
    out.Word(0); // the standard dialog class
    out.Text(dlgTemplate.caption);
    if (style & DS_SETFONT) {
        out.Word(static_cast<WORD>(dlgTemplate.pointSize));
        out.Word(FW_NORMAL);
        out.Byte(FALSE); // italic
        out.Byte(DEFAULT_CHARSET);
        out.Text(dlgTemplate.fontFace);
    }
    for (const DialogItemTemplate& item : dlgTemplate.items) {
        const ControlKind& kind = ControlKindOf(item);
        out.AlignToDword();
        out.Dword(0); // helpID
        out.Dword(0); // exStyle
        // Each control paints only where no control earlier in the template lies over it:
        // the banner, last and lowest, stays under the field and the pictures on it.
        out.Dword(kind.desktopStyle(item.style) | WS_CLIPSIBLINGS);
        out.Short(item.x);
        out.Short(item.y);
        out.Short(item.cx);
        out.Short(item.cy);
        out.Dword(static_cast<DWORD>(item.id));
        if (kind.classAtom != 0) {
            out.Ordinal(kind.classAtom);
        } else {
            out.Text(kind.className);
        }
        // A picture is named by its bitmap's resource number, which the static loads itself.
        if (item.imageId != 0) {
            out.Ordinal(static_cast<WORD>(item.imageId));
        } else {
            out.Text(item.text);
        }
        out.Word(0); // no creation data
    }
    return out.Take();
}
