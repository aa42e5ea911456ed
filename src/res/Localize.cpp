// The resources as the player reads them: the English templates with the texts of the
// player's language put in, one set for yards and one for metres. Each set is made once per
// language and kept for the whole run, so that a dialog open on one never loses its template.
#include "res/LanguageTexts.h"
#include "res/RegisterCaddoraResources.h"
#include "res/Templates.h"

#include "platform/core/CString.h"
#include "platform/core/UserLanguage.h"
#include "platform/ui/PlatformTexts.h"

#include <map>
#include <memory>
#include <string>

namespace {

// One language's resources: the templates in yards and in metres, and the menu.
struct LocalizedSet {
    std::vector<DialogTemplate> yards;
    std::vector<DialogTemplate> metres;
    MenuTemplate menu;
};

void PutTexts(DialogTemplate& dlgTemplate, const std::vector<DialogTexts>& texts) {
    for (const DialogTexts& dialog : texts) {
        if (dialog.dialogId != dlgTemplate.id) {
            continue;
        }
        if (dialog.caption != nullptr) {
            dlgTemplate.caption = dialog.caption;
        }
        for (const ItemText& item : dialog.items) {
            if (item.index < 0 ||
                static_cast<std::size_t>(item.index) >= dlgTemplate.items.size()) {
                continue;
            }
            DialogItemTemplate& control = dlgTemplate.items[static_cast<std::size_t>(item.index)];
            control.text = item.text != nullptr ? item.text : control.text;
            control.accessibleName =
                item.accessibleName != nullptr ? item.accessibleName : control.accessibleName;
            control.imageId = item.imageId != 0 ? item.imageId : control.imageId;
        }
    }
}

// English first, then the language; in metres, what reads otherwise in metres after each.
DialogTemplate Localized(const DialogTemplate& english, const LanguageTexts* language,
                         bool metres) {
    DialogTemplate localized = english;
    if (metres) {
        PutTexts(localized, EnglishTexts().metresDialogs);
    }
    if (language != nullptr) {
        PutTexts(localized, language->dialogs);
        if (metres) {
            PutTexts(localized, language->metresDialogs);
        }
    }
    return localized;
}

void PutMenuTexts(std::vector<MenuItemTemplate>& items, const std::vector<MenuText>& texts) {
    for (MenuItemTemplate& item : items) {
        for (const MenuText& text : texts) {
            if (text.id == item.id && item.text != nullptr) {
                item.text = text.text;
            }
        }
        PutMenuTexts(item.items, texts);
    }
}

const LocalizedSet& SetFor(const std::string& code) {
    static std::map<std::string, std::unique_ptr<LocalizedSet>> sets;
    std::unique_ptr<LocalizedSet>& set = sets[code];
    if (!set) {
        const LanguageTexts* language = TextsOfLanguage(code);
        set = std::make_unique<LocalizedSet>();
        for (const DialogTemplate* english : EnglishDialogTemplates()) {
            set->yards.push_back(Localized(*english, language, false));
            set->metres.push_back(Localized(*english, language, true));
        }
        set->menu = EnglishMainMenu();
        if (language != nullptr) {
            PutMenuTexts(set->menu.items, language->menu);
        }
    }
    return *set;
}

void RegisterStrings(const std::vector<StringText>& strings) {
    for (const StringText& string : strings) {
        RegisterStringResource(string.id, string.text);
    }
}

std::string& CurrentLanguage() {
    static std::string code = "en";
    return code;
}

bool& ShowingMetres() {
    static bool metres = false;
    return metres;
}

} // namespace

void RegisterCaddoraResources() {
    ShowingMetres() = false;
    UseLanguage(UserLanguage());
}

void UseLanguage(const std::string& code) {
    const LanguageTexts* language = TextsOfLanguage(code);
    CurrentLanguage() = language != nullptr ? code : "en";
    // English under everything, so that a text the language lacks, or one another language
    // left behind, reads in English; the platform layer's own texts among them.
    RegisterPlatformTexts();
    RegisterStrings(EnglishTexts().strings);
    if (language != nullptr) {
        RegisterStrings(language->strings);
    }
    RegisterAcceleratorTables();
    RegisterMenu(&SetFor(CurrentLanguage()).menu);
    UseMetresTemplates(ShowingMetres());
}

void UseMetresTemplates(bool metres) {
    ShowingMetres() = metres;
    const LocalizedSet& set = SetFor(CurrentLanguage());
    for (const DialogTemplate& localized : metres ? set.metres : set.yards) {
        RegisterDialogTemplate(&localized);
    }
}

bool UsingMetresTemplates() {
    return ShowingMetres();
}

const std::array<const char16_t*, 14>& DefaultClubNames() {
    const LanguageTexts* language = TextsOfLanguage(CurrentLanguage());
    return language != nullptr ? language->clubNames : EnglishTexts().clubNames;
}
