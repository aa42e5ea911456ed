#pragma once
// The program's texts in one language, beside its templates, the way a resource script keeps a
// block for each language: the string table, the texts of each dialog template (its caption,
// and each control's text and name by its place in the template), the menu's item texts, and
// the names of the default clubs. A dialog's texts in metres are given apart from those in
// yards, for the few that name a unit.
#include "platform/core/WinTypes.h"

#include <array>
#include <string>
#include <vector>

struct StringText {
    UINT id;
    const char16_t* text;
};

struct ItemText {
    // The control's place in its template, from 0.
    int index;
    const char16_t* text;
    // What a picture shows, for screen readers and tooltips; null keeps the template's.
    const char16_t* accessibleName = nullptr;
    // Another picture; 0 keeps the template's.
    UINT imageId = 0;
};

struct DialogTexts {
    UINT dialogId;
    // Null keeps the template's caption.
    const char16_t* caption;
    std::vector<ItemText> items;
};

struct MenuText {
    UINT id;
    const char16_t* text;
};

struct LanguageTexts {
    // ISO 639-1, as UserLanguage gives it.
    const char* code;
    std::vector<StringText> strings;
    std::vector<DialogTexts> dialogs;
    // What reads otherwise while distances are shown in metres.
    std::vector<DialogTexts> metresDialogs;
    std::vector<MenuText> menu;
    // The default set's names, ids 1 to 14; null: the built-in English ones.
    std::array<const char16_t*, 14> clubNames;
};

// English: the templates' own texts, the strings and what reads otherwise in metres.
const LanguageTexts& EnglishTexts();
const LanguageTexts& GermanTexts();
const LanguageTexts& FrenchTexts();
const LanguageTexts& SpanishTexts();
// The languages besides English; the language's texts, or null when there are none.
const LanguageTexts* TextsOfLanguage(const std::string& code);
