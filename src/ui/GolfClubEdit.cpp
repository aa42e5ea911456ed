// CGolfClub::Edit needs the Edit Club dialog and the application's player type, so it is
// built with the user interface rather than with the club book.
#include "app/AdvisorApp.h"
#include "club/GolfClub.h"
#include "EditClubDlg.h"

BOOL CGolfClub::Edit() {
    CEditClubDlg dlg;
    dlg.m_strDescription = m_strName;
    dlg.m_nBestDistance = DistanceFor(theApp.m_nPlayerType);

    if (dlg.DoModal() == IDCANCEL) {
        return FALSE;
    }
    // Anything but Cancel counts as accepted, even a dialog that could not be created (-1):
    // the club then gets its own values back. The fields are assigned directly, so that
    // neither date-time changes and the name keeps every space as typed.
    m_strName = dlg.m_strDescription;
    DistanceFor(theApp.m_nPlayerType) = dlg.m_nBestDistance;
    return TRUE;
}
