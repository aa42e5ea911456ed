#include "platform/core/UserLanguage.h"

#include <cctype>

std::string LanguageOfLocaleName(const std::string& name) {
    // The first of a list of languages ("fr:en"), up to its territory, code set or modifier.
    const std::string first = name.substr(0, name.find(':'));
    std::string language;
    for (char c : first) {
        if (c == '_' || c == '-' || c == '.' || c == '@') {
            break;
        }
        if (!std::isalpha(static_cast<unsigned char>(c))) {
            return std::string();
        }
        language += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    if (language == "c" || language == "posix" || language.size() < 2 || language.size() > 3) {
        return std::string();
    }
    return language;
}
