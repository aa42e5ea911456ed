// The program's texts in English, the language of its templates: the string table, and what
// reads otherwise while distances are shown in metres.
#include "res/LanguageTexts.h"
#include "res/Resource.h"

namespace {

const LanguageTexts kEnglish{
    "en",
    {
        {IDS_UNIT_YARDS, u"yd"},
        {IDS_UNIT_METRES, u"m"},
        // In the forms of a count, %1 is the count, %2 the list, %3 the limit and %4 its
        // unit.
        {IDS_GAPS_NONE, u"No gaps over %3 %4"},
        {IDS_GAPS_ONE, u"1 gap over %3 %4: %2"},
        {IDS_GAPS_MANY, u"%1 gaps over %3 %4: %2"},
        {IDS_GAP_ITEM, u"%1 to %2 %3 %4"},
        {IDS_OVERLAPS_NONE, u"no overlaps"},
        {IDS_OVERLAPS_ONE, u"1 overlap: %2"},
        {IDS_OVERLAPS_MANY, u"%1 overlaps: %2"},
        {IDS_OVERLAP_SAME, u"%1 and %2 %3 %4"},
        {IDS_OVERLAP_APART, u"%1 and %2 %3 %4 apart"},
        {IDS_NOT_IN_BAG, u"not in the bag: %1"},
        {IDS_AND_MORE, u"and %1 more"},
        {IDS_GAP_MARK, u"gap"},
        {IDS_OVERLAP_MARK, u"overlap"},
        {IDS_NO_CLUBS_IN_BAG, u"No club has a best distance above 0."},
        {IDS_CLUB_AT, u"%1 %2 %3"},
        {IDS_ABOUT_VERSION, u"Version %1"},
        {IDS_PLAYS_LIKE, u"plays %1"},
        {IDS_SETUP_CLUB_COLUMN, u"Club"},
        {IDS_SETUP_DISTANCE_COLUMN, u"Dist."},
        {IDS_CARD_TITLE, u"Caddora yardage card"},
        {IDS_CARD_PLAYER_TYPE, u"Player type: %1"},
        {IDS_CARD_DATE, u"Date: %1"},
        {IDS_ADULT_MALE, u"Adult Male"},
        {IDS_ADULT_FEMALE, u"Adult Female"},
        {IDS_CARD_CLUB, u"Club"},
        {IDS_CARD_GAPS, u"Gaps and overlaps"},
        {IDS_CARD_CUT, u"Cut along the dashed line: the card fits a wallet."},
        {IDS_CARD_NOT_PRINTED, u"The yardage card could not be printed."},
        // The command line's texts, each ending where its line ends.
        {IDS_CLI_USAGE,
         u"Usage: caddora [OPTION]\n"
         u"Names the golf club to play for a distance, from your own table of best distances.\n"
         u"Without an option it opens its window; with one it answers and ends.\n"
         u"\n"
         u"  --advise DISTANCE  print the club to play for DISTANCE: 50 to 1000 yards, or 46\n"
         u"                     to 914 metres once metres are chosen in the window\n"
         u"  --card FILE        write the yardage card to FILE as PDF\n"
         u"  --help             print this help\n"
         u"  --version          print the version\n"},
        {IDS_CLI_VERSION, u"Caddora %1\n"},
        {IDS_CLI_UNKNOWN, u"caddora: unknown option: %1\n"},
        {IDS_CLI_MISSING_VALUE, u"caddora: %1 needs a value\n"},
        {IDS_CLI_ONE_COMMAND, u"caddora: one command at a time: %1\n"},
        {IDS_CLI_NO_PDF_WRITER,
         u"caddora: Windows has no PDF writer without a window: choose Yardage Card... in "
         u"Caddora's menu and print to \"Microsoft Print to PDF\".\n"},
        {IDS_CLI_CARD_NOT_WRITTEN, u"caddora: the yardage card could not be written to %1\n"},
        // The club, the distance the shot plays like and its unit.
        {IDS_CLI_PLAYS_LIKE, u"%1 (plays like %2 %3)\n"},
        {IDS_TABLE_DAMAGED_NONE, u"The club table %1 is damaged and no club could be read from "
                                 u"it; Caddora starts with its own club set."},
        {IDS_TABLE_DAMAGED_ONE, u"The club table %1 is damaged; 1 club could be read from it."},
        {IDS_TABLE_DAMAGED_MANY, u"The club table %1 is damaged; %2 clubs could be read from it."},
        {IDS_TABLE_DAMAGED_NO_COPY,
         u" No copy of the damaged file could be kept, so Caddora leaves it as it is."},
        {IDS_TABLE_DAMAGED_COPY, u" A copy of the damaged file is kept as %1."},
        {IDS_TABLE_UNREADABLE, u"The club table %1 could not be read: %2. Caddora starts with "
                               u"its own club set and leaves that file as it is."},
        {IDS_UNREADABLE_ACCESS, u"you have no permission to read it"},
        {IDS_UNREADABLE_NOT_A_FILE, u"it is not a regular file"},
        {IDS_UNREADABLE_ERROR, u"the system reported an error"},
        {IDS_TABLE_NO_MEMORY,
         u"The club table %1 could not be loaded: there was not enough memory for it. Caddora "
         u"starts with its own club set and leaves that file as it is."},
        {IDS_OTHER_USER_BOTH,
         u"The club table %1 and the settings %2 belong to another user. Caddora reads them "
         u"but changes nothing there: what you change in this run is not saved."},
        {IDS_OTHER_USER_TABLE,
         u"The club table %1 belongs to another user. Caddora reads it but changes nothing "
         u"there: the table you change in this run is not saved."},
        {IDS_OTHER_USER_SETTINGS,
         u"The settings %1 belong to another user. Caddora reads them but changes nothing "
         u"there: the player type and the distance of this run are not saved."},
        {IDS_TABLE_NOT_SAVED, u"The club table could not be saved to %1."},
        {IDS_SETTINGS_NOT_SAVED, u"The settings could not be saved: the player type or the "
                                 u"distance of this run is lost."},
    },
    {},
    {
        {IDD_CADDORA_DIALOG,
         nullptr,
         {{0, u"Distance (metres):"},
          {8, nullptr, u"-10 m", IDB_MINUS10_METRES},
          {9, nullptr, u"+10 m", IDB_PLUS10_METRES},
          {10, nullptr, u"+20 m", IDB_PLUS20_METRES},
          {11, nullptr, u"-20 m", IDB_MINUS20_METRES}}},
        {IDD_SETUP, nullptr, {{7, u"(distances in metres)"}}},
        // "metres" would not fit beside the field.
        {IDD_EDIT_CLUB, nullptr, {{2, u"m"}}},
        {IDD_CONDITIONS,
         nullptr,
         {{1, u"Wind (km/h):"},
          {6, u"Air temperature (\u00B0C):"},
          {9, u"Target above you (m), below it negative:"},
          {12, u"Altitude of the course (m):"}}},
    },
    {},
    {},
};

} // namespace

const LanguageTexts& EnglishTexts() {
    return kEnglish;
}
