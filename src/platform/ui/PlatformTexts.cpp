#include "platform/ui/PlatformTexts.h"

namespace {

struct DefaultText {
    UINT id;
    const char16_t* text;
};

constexpr DefaultText kEnglish[] = {
    {AFX_IDP_PARSE_INT, u"Please enter a whole number."},
    {AFX_IDP_PARSE_INT_RANGE, u"Please enter a whole number between %1 and %2."},
    {AFX_IDS_DIGITS_ONLY, u"Only digits 0 to 9 can be typed here."},
    {AFX_IDS_KEY_CTRL, u"Ctrl"},
    {AFX_IDS_KEY_SHIFT, u"Shift"},
    {AFX_IDS_KEY_ALT, u"Alt"},
    {AFX_IDS_KEY_PAGE_UP, u"Page Up"},
    {AFX_IDS_KEY_PAGE_DOWN, u"Page Down"},
    {AFX_IDS_KEY_MENU, u"Menu"},
};

} // namespace

CString PlatformText(UINT nID) {
    CString text;
    if (text.LoadString(nID)) {
        return text;
    }
    for (const DefaultText& english : kEnglish) {
        if (english.id == nID) {
            return CString(english.text);
        }
    }
    return text;
}

void RegisterPlatformTexts() {
    for (const DefaultText& english : kEnglish) {
        RegisterStringResource(english.id, english.text);
    }
}
