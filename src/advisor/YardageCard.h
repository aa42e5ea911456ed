#pragma once
// The yardage card: one page that holds the title, the player type and the date; the club
// table, every club with its best distances for both player types, the player type's own
// column shaded and in bold; the bag's gaps and overlaps as Club Gaps shows them, chart and
// sentence; and a pocket card of a bank card's size (85.6 by 54 mm) in a dashed cut line,
// with the bag's clubs and the player type's distances in the largest type that fits, to be
// read at arm's length. Drawn in the device's own units from its resolution, so that a
// printer, a PDF file and a preview show the same page.
#include "club/ClubList.h"
#include "platform/ui/CDC.h"

class CWnd;

void DrawYardageCard(CDC& dc, const CClubList& clubs, PlayerType playerType, const CString& date);

// Today's date as the card prints it, "2026-12-08": a form that reads alike in every language.
CString CardDate();

// Through the system's print dialog (and its preview where there is one) over the window; the
// player is told when the card could not be printed.
void PrintYardageCard(CWnd* pParent, const CClubList& clubs, PlayerType playerType);
