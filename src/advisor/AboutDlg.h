#pragma once
// About Caddora: the icon, the name, the version, what the program does, its licence and its
// web address.
#include "platform/ui/CDialog.h"
#include "res/Resource.h"

class CAboutDlg : public CDialog {
public:
    explicit CAboutDlg(CWnd* pParent = nullptr);
    ~CAboutDlg() override;

    enum { IDD = IDD_ABOUTBOX };

    CString m_strVersion;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

    DECLARE_MESSAGE_MAP()
};
