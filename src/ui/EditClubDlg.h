#pragma once
// The Edit Club dialog: one club's best distance for the current player type and its
// description (the name the Setup list and the recommendation show). It only shows and
// collects the two values; CGolfClub::Edit copies them in and, when accepted, back.
#include "platform/ui/CDialog.h"
#include "res/Resource.h"

class CEditClubDlg : public CDialog {
public:
    explicit CEditClubDlg(CWnd* pParent = nullptr);
    ~CEditClubDlg() override;

    enum { IDD = IDD_EDIT_CLUB };

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
