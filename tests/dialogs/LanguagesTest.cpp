// The program in the player's language: once German, French or Spanish is chosen, the main
// dialog, its refusal, its menu (chosen by the language's own mnemonics), Setup and the clubs
// of a first run read in it, with nothing left of the language chosen before it.
#include "support/MainDialogTest.h"

#include "advisor/SetupDlg.h"
#include "advisor/ShownUnit.h"
#include "platform/ui/MenuTemplate.h"
#include "res/RegisterCaddoraResources.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct LanguageCase {
    const char* code;
    const char16_t* distanceLabel;
    const char16_t* recommendationLabel;
    const char16_t* metresLabel;
    const char16_t* refusal;
    // The menu's items in order, each submenu's after its own.
    std::vector<const char16_t*> menu;
    char units;
    char metres;
    std::vector<const char16_t*> columnHeads;
    const char16_t* driver;
    const char16_t* sixIron;
};

void PrintTo(const LanguageCase& c, std::ostream* os) {
    *os << c.code;
}

std::vector<CString> Texts(const std::vector<const char16_t*>& texts) {
    return {texts.begin(), texts.end()};
}

void AddMenuTexts(const std::vector<MenuItemTemplate>& items, std::vector<CString>& texts) {
    for (const MenuItemTemplate& item : items) {
        if (item.text != nullptr) {
            texts.emplace_back(item.text);
        }
        AddMenuTexts(item.items, texts);
    }
}

class Language : public MainDialogTest, public ::testing::WithParamInterface<LanguageCase> {
protected:
    void SetUp() override {
        MainDialogTest::SetUp();
        // Another language first, in the same process: what it left behind would show.
        UseLanguage(std::string(GetParam().code) == "es" ? "de" : "es");
        UseLanguage(GetParam().code);
        // What a first run with no table of its own starts with.
        theApp.m_clubs.DeleteAll();
        BuildDefaultClubs(theApp.m_clubs, &DefaultClubNames());
    }
    void TearDown() override {
        UseUnit(DistanceUnit::Yards);
        MainDialogTest::TearDown();
        UseLanguage("en");
    }
    bool Labelled(const char16_t* text) {
        const std::vector<CString> labels = Player::LabelTexts(*dlg);
        return std::find(labels.begin(), labels.end(), CString(text)) != labels.end();
    }
};

} // namespace

TEST_P(Language, TheDialogsTheRefusalTheMenuAndAFirstRunsClubsReadInIt) {
    const LanguageCase& c = GetParam();
    dlg->m_nDistance = 150;
    Open();
    EXPECT_TRUE(Labelled(c.distanceLabel));
    EXPECT_TRUE(Labelled(c.recommendationLabel));
    EXPECT_EQ(Result(), CString(c.sixIron));

    std::vector<CString> menu;
    AddMenuTexts(FindMenu(IDR_MAINFRAME)->items, menu);
    EXPECT_EQ(menu, Texts(c.menu));
    Player::ChooseFromContextMenu(*dlg, IDC_RECOMMENDATION, c.units, c.metres);
    EXPECT_TRUE(Labelled(c.metresLabel));
    Player::ChooseFromContextMenu(*dlg, 0, c.units, 'Y');
    EXPECT_TRUE(Labelled(c.distanceLabel));

    Player::WithModalDialog<CSetupDlg>(
        [&c](CSetupDlg& setup) {
            EXPECT_EQ(Player::ColumnHeads(setup, IDC_CLUB_LIST), Texts(c.columnHeads));
            const std::vector<CString> names = Player::ColumnTexts(setup, IDC_CLUB_LIST, 0);
            ASSERT_EQ(names.size(), 14u);
            EXPECT_EQ(names[0], CString(c.driver));
            EXPECT_EQ(names[7], CString(c.sixIron));
            Player::Tap(setup, IDOK);
        },
        [this] { Player::Tap(*dlg, IDC_SETUP); });

    Player::Type(*dlg, IDC_DISTANCE, u"40");
    MessageBoxSeam::SetNextAnswer(IDOK);
    Player::Tap(*dlg, IDC_RECOMMEND);
    EXPECT_EQ(MessageBoxSeam::TakeShownTexts(), std::vector<CString>{c.refusal});
}

INSTANTIATE_TEST_SUITE_P(
    Languages, Language,
    ::testing::Values(LanguageCase{"de",
                                   u"Distanz (Yards):",
                                   u"Empfehlung:",
                                   u"Distanz (Meter):",
                                   u"Bitte geben Sie eine ganze Zahl zwischen 50 und 1000 ein.",
                                   {u"&Distanzlücken...", u"Distanz&karte...", u"&Bedingungen...",
                                    u"&Einheiten", u"&Yards", u"&Meter", u"&Info über Caddora"},
                                   'E',
                                   'M',
                                   {u"Schläger", u"Dist."},
                                   u"Driver (Holz 1)",
                                   u"Eisen 6"},
                      LanguageCase{"fr",
                                   u"Distance (yards)\u00A0:",
                                   u"Recommandation\u00A0:",
                                   u"Distance (mètres)\u00A0:",
                                   u"Veuillez entrer un nombre entier entre 50 et 1000.",
                                   {u"É&carts entre clubs...", u"Carte des &distances...",
                                    u"Co&nditions de jeu...", u"&Unités", u"&Yards", u"&Mètres",
                                    u"À &propos de Caddora"},
                                   'U',
                                   'M',
                                   {u"Club", u"Dist."},
                                   u"Driver (bois 1)",
                                   u"Fer 6"},
                      LanguageCase{"es",
                                   u"Distancia (yardas):",
                                   u"Recomendación:",
                                   u"Distancia (metros):",
                                   u"Introduzca un número entero entre 50 y 1000.",
                                   {u"&Huecos entre palos...", u"&Tarjeta de distancias...",
                                    u"&Condiciones...", u"&Unidades", u"&Yardas", u"&Metros",
                                    u"&Acerca de Caddora"},
                                   'U',
                                   'M',
                                   {u"Palo", u"Dist."},
                                   u"Driver (madera 1)",
                                   u"Hierro 6"},
                      LanguageCase{"en",
                                   u"Distance (yards):",
                                   u"Recommendation:",
                                   u"Distance (metres):",
                                   u"Please enter a whole number between 50 and 1000.",
                                   {u"Club &Gaps...", u"&Yardage Card...", u"&Conditions...",
                                    u"&Units", u"&Yards", u"&Metres", u"&About Caddora"},
                                   'U',
                                   'M',
                                   {u"Club", u"Dist."},
                                   u"Driver (1 Wood)",
                                   u"6 Iron"}),
    [](const ::testing::TestParamInfo<LanguageCase>& info) { return info.param.code; });
