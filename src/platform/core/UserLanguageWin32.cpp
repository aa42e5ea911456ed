// The user's language of the user interface, as Windows keeps it for the user.
#include "platform/core/UserLanguage.h"

#include "platform/core/Win32Api.h"

std::string UserLanguage() {
    wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
    const LCID locale = MAKELCID(GetUserDefaultUILanguage(), SORT_DEFAULT);
    if (LCIDToLocaleName(locale, name, LOCALE_NAME_MAX_LENGTH, 0) == 0) {
        return "en";
    }
    std::string narrow;
    for (const wchar_t* c = name; *c != L'\0'; ++c) {
        narrow += static_cast<char>(*c & 0x7F);
    }
    const std::string language = LanguageOfLocaleName(narrow);
    return language.empty() ? "en" : language;
}
