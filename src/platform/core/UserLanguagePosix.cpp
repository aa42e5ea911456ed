// The language of messages as POSIX programs find it: LANGUAGE first (unless the locale is
// "C"), then LC_ALL, LC_MESSAGES and LANG, the first one that is set.
#include "platform/core/UserLanguage.h"

#include <cstdlib>

namespace {

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

} // namespace

std::string UserLanguage() {
    std::string locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = Variable(name);
        if (!locale.empty()) {
            break;
        }
    }
    const std::string chosen = LanguageOfLocaleName(locale);
    if (!chosen.empty()) {
        const std::string listed = LanguageOfLocaleName(Variable("LANGUAGE"));
        if (!listed.empty()) {
            return listed;
        }
        return chosen;
    }
    return "en";
}
