// The languages the program speaks besides English.
#include "res/LanguageTexts.h"

const LanguageTexts* TextsOfLanguage(const std::string& code) {
    for (const LanguageTexts* language : {&GermanTexts(), &FrenchTexts(), &SpanishTexts()}) {
        if (code == language->code) {
            return language;
        }
    }
    return nullptr;
}
