// The languages the program speaks besides English.
#include "res/LanguageTexts.h"

const LanguageTexts* TextsOfLanguage(const std::string& code) {
    (void)code;
    return nullptr;
}
