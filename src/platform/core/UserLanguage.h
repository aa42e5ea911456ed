#pragma once
// The language the user reads the program's texts in, as the system says it: the two-letter
// code of ISO 639-1 in lower case ("de", "fr"), "en" when the system says nothing or "C".
#include <string>

std::string UserLanguage();
// The language of a locale name as the environment gives it ("de_DE.UTF-8", "fr:en", "es",
// "C"); empty when the name says no language.
std::string LanguageOfLocaleName(const std::string& name);
