#include "platform/core/UserLanguage.h"

#include <gtest/gtest.h>

TEST(UserLanguage, ALocaleNameSaysItsLanguage) {
    const std::pair<const char*, const char*> names[] = {
        {"de_DE.UTF-8", "de"}, {"fr_FR", "fr"}, {"es", "es"}, {"en_GB.UTF-8@euro", "en"},
        {"fr:en", "fr"},       {"pt-BR", "pt"}, {"C", ""},    {"POSIX", ""},
        {"C.UTF-8", ""},       {"", ""},        {"x", ""},    {"1234", ""},
    };
    for (const auto& [name, language] : names) {
        EXPECT_EQ(LanguageOfLocaleName(name), language) << name;
    }
}
