// The program's texts in English, the language of its templates.
#include "res/RegisterCaddoraResources.h"
#include "res/Resource.h"

#include "platform/core/CString.h"

namespace {

struct Text {
    UINT id;
    const char16_t* text;
};

// In the forms of a count, %1 is the count, %2 the list, %3 the limit and %4 its unit.
const Text kEnglish[] = {
    {IDS_UNIT_YARDS, u"yd"},
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
    {IDS_CARD_TITLE, u"Caddora yardage card"},
    {IDS_CARD_PLAYER_TYPE, u"Player type: %1"},
    {IDS_CARD_DATE, u"Date: %1"},
    {IDS_ADULT_MALE, u"Adult Male"},
    {IDS_ADULT_FEMALE, u"Adult Female"},
    {IDS_CARD_CLUB, u"Club"},
    {IDS_CARD_GAPS, u"Gaps and overlaps"},
    {IDS_CARD_CUT, u"Cut along the dashed line: the card fits a wallet."},
    {IDS_CARD_NOT_PRINTED, u"The yardage card could not be printed."},
};

} // namespace

void RegisterEnglishTexts() {
    for (const Text& text : kEnglish) {
        RegisterStringResource(text.id, text.text);
    }
}
