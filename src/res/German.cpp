// The program's texts in German, addressing the player as "Sie".
#include "res/LanguageTexts.h"
#include "res/Resource.h"

#include "platform/ui/PlatformTexts.h"

namespace {

const LanguageTexts kGerman{
    "de",
    {
        {IDS_UNIT_YARDS, u"yd"},
        {IDS_UNIT_METRES, u"m"},
        {IDS_GAPS_NONE, u"Keine Lücken über %3 %4"},
        {IDS_GAPS_ONE, u"1 Lücke über %3 %4: %2"},
        {IDS_GAPS_MANY, u"%1 Lücken über %3 %4: %2"},
        // A club's name may end in its number ("Holz 3"): the distance stands apart.
        {IDS_GAP_ITEM, u"%1 bis %2 (%3 %4)"},
        {IDS_OVERLAPS_NONE, u"keine Überschneidungen"},
        {IDS_OVERLAPS_ONE, u"1 Überschneidung: %2"},
        {IDS_OVERLAPS_MANY, u"%1 Überschneidungen: %2"},
        {IDS_OVERLAP_SAME, u"%1 und %2 (beide %3 %4)"},
        {IDS_OVERLAP_APART, u"%1 und %2 (%3 %4 Abstand)"},
        {IDS_NOT_IN_BAG, u"nicht im Bag: %1"},
        {IDS_AND_MORE, u"und %1 weitere"},
        {IDS_GAP_MARK, u"Lücke"},
        {IDS_OVERLAP_MARK, u"Überschneidung"},
        {IDS_NO_CLUBS_IN_BAG, u"Kein Schläger hat eine beste Distanz über 0."},
        {IDS_CLUB_AT, u"%1 %2 %3"},
        {IDS_ABOUT_VERSION, u"Version %1"},
        {IDS_PLAYS_LIKE, u"spielt sich wie %1"},
        {IDS_SETUP_CLUB_COLUMN, u"Schläger"},
        {IDS_SETUP_DISTANCE_COLUMN, u"Dist."},
        {IDS_CARD_TITLE, u"Caddora-Distanzkarte"},
        {IDS_CARD_PLAYER_TYPE, u"Spielertyp: %1"},
        {IDS_CARD_DATE, u"Datum: %1"},
        {IDS_ADULT_MALE, u"Herren"},
        {IDS_ADULT_FEMALE, u"Damen"},
        {IDS_CARD_CLUB, u"Schläger"},
        {IDS_CARD_GAPS, u"Lücken und Überschneidungen"},
        {IDS_CARD_CUT, u"Entlang der gestrichelten Linie ausschneiden: Die Karte passt in "
                       u"jede Brieftasche."},
        {IDS_CARD_NOT_PRINTED, u"Die Distanzkarte konnte nicht gedruckt werden."},
        {IDS_CLI_USAGE,
         u"Aufruf: caddora [OPTION]\n"
         u"Nennt den Golfschläger für eine Distanz, aus Ihrer eigenen Tabelle der "
         u"besten Distanzen.\n"
         u"Ohne Option öffnet sich das Programmfenster; mit einer Option antwortet das "
         u"Programm und beendet sich.\n"
         u"\n"
         u"  --advise DISTANZ   den Schläger für DISTANZ ausgeben: 50 bis 1000 "
         u"Yards,\n"
         u"                     oder 46 bis 914 Meter, sobald im Fenster Meter gewählt "
         u"sind\n"
         u"  --card DATEI       die Distanzkarte als PDF in DATEI schreiben\n"
         u"  --help             diese Hilfe ausgeben\n"
         u"  --version          die Version ausgeben\n"},
        {IDS_CLI_VERSION, u"Caddora %1\n"},
        {IDS_CLI_UNKNOWN, u"caddora: unbekannte Option: %1\n"},
        {IDS_CLI_MISSING_VALUE, u"caddora: %1 braucht einen Wert\n"},
        {IDS_CLI_ONE_COMMAND, u"caddora: nur ein Befehl auf einmal: %1\n"},
        {IDS_CLI_NO_PDF_WRITER, u"caddora: Windows schreibt ohne Fenster kein PDF: Wählen Sie "
                                u"„Distanzkarte...“ im Menü von Caddora und drucken Sie auf "
                                u"„Microsoft Print to PDF“.\n"},
        {IDS_CLI_CARD_NOT_WRITTEN,
         u"caddora: Die Distanzkarte konnte nicht in %1 geschrieben werden.\n"},
        {IDS_CLI_PLAYS_LIKE, u"%1 (spielt sich wie %2 %3)\n"},
        {IDS_TABLE_DAMAGED_NONE,
         u"Die Schlägertabelle %1 ist beschädigt, und kein Schläger konnte daraus gelesen "
         u"werden; Caddora beginnt mit seinem eigenen Schlägersatz."},
        {IDS_TABLE_DAMAGED_ONE,
         u"Die Schlägertabelle %1 ist beschädigt; 1 Schläger konnte daraus gelesen werden."},
        {IDS_TABLE_DAMAGED_MANY,
         u"Die Schlägertabelle %1 ist beschädigt; %2 Schläger konnten daraus gelesen werden."},
        {IDS_TABLE_DAMAGED_NO_COPY, u" Eine Kopie der beschädigten Datei konnte nicht angelegt "
                                    u"werden, daher lässt Caddora sie, wie sie ist."},
        {IDS_TABLE_DAMAGED_COPY, u" Eine Kopie der beschädigten Datei liegt unter %1."},
        {IDS_TABLE_UNREADABLE,
         u"Die Schlägertabelle %1 konnte nicht gelesen werden: %2. Caddora beginnt mit seinem "
         u"eigenen Schlägersatz und lässt die Datei, wie sie ist."},
        {IDS_UNREADABLE_ACCESS, u"Sie haben keine Berechtigung, sie zu lesen"},
        {IDS_UNREADABLE_NOT_A_FILE, u"sie ist keine gewöhnliche Datei"},
        {IDS_UNREADABLE_ERROR, u"das System hat einen Fehler gemeldet"},
        {IDS_TABLE_NO_MEMORY,
         u"Die Schlägertabelle %1 konnte nicht geladen werden: Der Speicher reichte nicht aus. "
         u"Caddora beginnt mit seinem eigenen Schlägersatz und lässt die Datei, wie sie ist."},
        {IDS_OTHER_USER_BOTH, u"Die Schlägertabelle %1 und die Einstellungen %2 gehören einem "
                              u"anderen Benutzer. Caddora liest sie, ändert dort aber nichts: "
                              u"Was Sie in dieser Sitzung ändern, wird nicht gespeichert."},
        {IDS_OTHER_USER_TABLE, u"Die Schlägertabelle %1 gehört einem anderen Benutzer. Caddora "
                               u"liest sie, ändert dort aber nichts: Änderungen an der Tabelle "
                               u"in dieser Sitzung werden nicht gespeichert."},
        {IDS_OTHER_USER_SETTINGS,
         u"Die Einstellungen %1 gehören einem anderen Benutzer. Caddora liest sie, ändert dort "
         u"aber nichts: Spielertyp und Distanz dieser Sitzung werden nicht gespeichert."},
        {IDS_TABLE_NOT_SAVED, u"Die Schlägertabelle konnte nicht unter %1 gespeichert werden."},
        {IDS_SETTINGS_NOT_SAVED, u"Die Einstellungen konnten nicht gespeichert werden: "
                                 u"Spielertyp oder Distanz dieser Sitzung gehen verloren."},
        {AFX_IDP_PARSE_INT, u"Bitte geben Sie eine ganze Zahl ein."},
        {AFX_IDP_PARSE_INT_RANGE, u"Bitte geben Sie eine ganze Zahl zwischen %1 und %2 ein."},
        {AFX_IDS_DIGITS_ONLY, u"Hier können nur die Ziffern 0 bis 9 eingegeben werden."},
        {AFX_IDS_KEY_CTRL, u"Strg"},
        {AFX_IDS_KEY_SHIFT, u"Umschalt"},
        {AFX_IDS_KEY_ALT, u"Alt"},
        {AFX_IDS_KEY_PAGE_UP, u"Bild auf"},
        {AFX_IDS_KEY_PAGE_DOWN, u"Bild ab"},
        {AFX_IDS_KEY_MENU, u"Menü"},
    },
    {
        {IDD_CADDORA_DIALOG,
         nullptr,
         {{0, u"Distanz (Yards):"},
          {3, u"Empfehlung:"},
          {5, nullptr, u"Profil", IDB_SETUP_DE},
          {6, nullptr, u"Schläger empfehlen", IDB_RECOMMEND_DE},
          {7, nullptr, u"Beenden", IDB_CLOSE_DE}}},
        {IDD_SETUP,
         u"Spielerprofil",
         {{1, u"Distanztabelle:"},
          {2, u"Spielertyp:"},
          {3, u"Herren"},
          {4, u"Damen"},
          {5, u"Ändern"},
          {6, u"Schließen"},
          {7, u"(Distanzen in Yards)"}}},
        {IDD_EDIT_CLUB,
         u"Schläger ändern",
         {{0, u"Beste Distanz:"}, {2, u"Yards"}, {4, u"Abbrechen"}, {5, u"Name:"}}},
        {IDD_CLUB_GAPS, u"Distanzlücken", {{2, u"Schließen"}}},
        {IDD_ABOUTBOX,
         u"Info über Caddora",
         {{3, u"Nennt den Schläger für die Distanz zum Ziel, aus Ihrer eigenen "
              u"Tabelle der besten Distanzen."},
          {4, u"Freie Software unter der MIT-Lizenz."}}},
        {IDD_CONDITIONS,
         u"Bedingungen",
         {{0, u"Diese Bedingungen verwenden"},
          {1, u"Wind (mph):"},
          {4, u"Gegenwind"},
          {5, u"Rückenwind"},
          {6, u"Lufttemperatur (°F):"},
          {9, u"Höhenunterschied zum Ziel (ft), bergab negativ:"},
          {12, u"Höhe des Platzes (ft):"},
          {16, u"Abbrechen"}}},
    },
    {
        {IDD_CADDORA_DIALOG, nullptr, {{0, u"Distanz (Meter):"}}},
        {IDD_SETUP, nullptr, {{7, u"(Distanzen in Metern)"}}},
        {IDD_EDIT_CLUB, nullptr, {{2, u"Meter"}}},
        {IDD_CONDITIONS,
         nullptr,
         {{1, u"Wind (km/h):"},
          {6, u"Lufttemperatur (°C):"},
          {9, u"Höhenunterschied zum Ziel (m), bergab negativ:"},
          {12, u"Höhe des Platzes (m):"}}},
    },
    {
        {ID_CLUB_GAPS, u"&Distanzlücken..."},
        {ID_YARDAGE_CARD, u"Distanz&karte..."},
        {ID_CONDITIONS, u"&Bedingungen..."},
        {ID_UNITS, u"&Einheiten"},
        {ID_UNITS_YARDS, u"&Yards"},
        {ID_UNITS_METRES, u"&Meter"},
        {ID_APP_ABOUT, u"&Info über Caddora"},
    },
    {u"Driver (Holz 1)", u"Holz 3", u"Holz 5", u"Holz 7", u"Eisen 3", u"Eisen 4", u"Eisen 5",
     u"Eisen 6", u"Eisen 7", u"Eisen 8", u"Eisen 9", u"Pitching Wedge", u"Gap Wedge",
     u"Sand Wedge"},
};

} // namespace

const LanguageTexts& GermanTexts() {
    return kGerman;
}
