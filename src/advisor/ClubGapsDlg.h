#pragma once
// Club Gaps: the bag for the player type in force as a bar chart, longest club at the top,
// with the gaps and overlaps between neighbouring clubs marked and named in a summary under
// it. It shows the club table as it is when it opens, Setup's edits included.
#include "club/BagGaps.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CFont.h"
#include "res/Resource.h"

class CClubGapsDlg : public CDialog {
public:
    explicit CClubGapsDlg(CWnd* pParent = nullptr);
    ~CClubGapsDlg() override;

    enum { IDD = IDD_CLUB_GAPS };

    CString m_strSummary;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    void OnDrawItem(int nIDCtl, DRAWITEMSTRUCT* lpDrawItemStruct);

    DECLARE_MESSAGE_MAP()

private:
    BagGaps m_bag;
    // The chart's marks: the chart's own font, bold.
    CFont m_fntMarks;
};
