// Each language's tables against the English ones: a text the language does not give would
// show in English, and a placeholder it drops or adds would lose a value or show a "%2".
#include "res/LanguageTexts.h"
#include "res/Templates.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace {

// The placeholders a text uses, "%1" to "%9".
std::set<char16_t> Placeholders(const char16_t* text) {
    std::set<char16_t> found;
    for (const char16_t* p = text; p != nullptr && *p != u'\0'; ++p) {
        if (p[0] == u'%' && p[1] >= u'1' && p[1] <= u'9') {
            found.insert(p[1]);
        }
    }
    return found;
}

void CollectMenuIds(const std::vector<MenuItemTemplate>& items, std::set<UINT>& ids) {
    for (const MenuItemTemplate& item : items) {
        if (item.text != nullptr) {
            ids.insert(item.id);
        }
        CollectMenuIds(item.items, ids);
    }
}

class LanguageTables : public ::testing::TestWithParam<const LanguageTexts* (*)()> {};

const LanguageTexts* German() {
    return &GermanTexts();
}
const LanguageTexts* French() {
    return &FrenchTexts();
}
const LanguageTexts* Spanish() {
    return &SpanishTexts();
}

} // namespace

TEST_P(LanguageTables, GiveEveryTextOfEnglishWithTheSamePlaceholders) {
    const LanguageTexts& language = *GetParam()();
    std::map<UINT, const char16_t*> strings;
    for (const StringText& string : language.strings) {
        strings[string.id] = string.text;
    }
    for (const StringText& english : EnglishTexts().strings) {
        const auto it = strings.find(english.id);
        ASSERT_NE(it, strings.end()) << language.code << " has no text " << english.id;
        EXPECT_EQ(Placeholders(it->second), Placeholders(english.text))
            << language.code << " text " << english.id;
    }

    std::set<UINT> menuIds;
    CollectMenuIds(EnglishMainMenu().items, menuIds);
    std::set<UINT> translated;
    for (const MenuText& item : language.menu) {
        translated.insert(item.id);
    }
    EXPECT_EQ(translated, menuIds) << language.code;

    for (const char16_t* name : language.clubNames) {
        EXPECT_NE(name, nullptr) << language.code;
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageTables, ::testing::Values(&German, &French, &Spanish),
                         [](const auto& info) { return std::string(info.param()->code); });
