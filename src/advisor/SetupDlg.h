#pragma once
// The Setup dialog: the player type as two radio buttons and the club table as a list of
// names and best distances for that type, with an Edit button for the selected club. Every
// change goes into the application's memory at once; the main dialog stores the player
// type after the dialog ends, unless it was cancelled.
#include "advisor/Label.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CListCtrl.h"
#include "res/Resource.h"

class CSetupDlg : public CDialog {
public:
    explicit CSetupDlg(CWnd* pParent = nullptr);
    ~CSetupDlg() override;

    enum { IDD = IDD_SETUP };

    CLabel m_lblPlayerType;
    CLabel m_lblDistanceChart;
    CListCtrl m_lstClubs;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

    // Takes the player type from the radio buttons and lists every club again.
    void RefreshClubList();
    // Edits the selected club and, when the edit was accepted, shows it selected again.
    void OnEdit();
    void OnClubGaps();

    DECLARE_MESSAGE_MAP()
};
