#pragma once
// The Edit Club dialog: one club's best distance for the current player type and its
// description (the name the Setup list and the recommendation show). It only shows and
// collects the two values; Edit copies them in from a club and, when accepted, back.
#include "platform/ui/CDialog.h"
#include "res/Resource.h"

class CGolfClub;

class CEditClubDlg : public CDialog {
public:
    explicit CEditClubDlg(CWnd* pParent = nullptr);
    ~CEditClubDlg() override;

    enum { IDD = IDD_EDIT_CLUB };

    // Lets the player correct the club's name and its best distance for the player type in
    // force; TRUE when the player accepted the dialog and the club was updated.
    static BOOL Edit(CGolfClub& club);

    int m_nBestDistance;
    CString m_strDescription;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // The same rules as the Setup dialog's: the main dialog's scheme, and buttons white
    // text on the dark brush.
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

    DECLARE_MESSAGE_MAP()
};
