#include "platform/core/UserLanguage.h"

#include <gtest/gtest.h>

#include <cstdlib>

TEST(UserLanguage, FollowsTheEnvironmentAsPosixProgramsDo) {
    struct Case {
        const char* language;
        const char* all;
        const char* messages;
        const char* lang;
        const char* expected;
    };
    const Case cases[] = {
        {nullptr, nullptr, nullptr, "de_DE.UTF-8", "de"},
        {nullptr, nullptr, "fr_FR.UTF-8", "de_DE.UTF-8", "fr"},
        {nullptr, "es_ES.UTF-8", "fr_FR.UTF-8", "de_DE.UTF-8", "es"},
        {"fr:de", nullptr, nullptr, "de_DE.UTF-8", "fr"},
        {"fr", "C", nullptr, "de_DE.UTF-8",
         "en"}, // a "C" locale says English whatever LANGUAGE says
        {nullptr, nullptr, nullptr, nullptr, "en"},
    };
    for (const Case& c : cases) {
        const std::pair<const char*, const char*> variables[] = {{"LANGUAGE", c.language},
                                                                 {"LC_ALL", c.all},
                                                                 {"LC_MESSAGES", c.messages},
                                                                 {"LANG", c.lang}};
        for (const auto& [name, value] : variables) {
            if (value != nullptr) {
                setenv(name, value, 1);
            } else {
                unsetenv(name);
            }
        }
        EXPECT_EQ(UserLanguage(), c.expected) << c.expected;
    }
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        unsetenv(name);
    }
}
