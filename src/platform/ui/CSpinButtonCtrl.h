#pragma once
#include "platform/ui/CWnd.h"

// The up-down arrows beside a number field (UDM_SETRANGE32, UDM_SETACCEL, ...).
class CSpinButtonCtrl : public CWnd {
public:
    CSpinButtonCtrl() = default;
    ~CSpinButtonCtrl() override = default;

    void SetRange32(int nLower, int nUpper);
    void GetRange32(int& nLower, int& nUpper) const;
    BOOL SetAccel(int nAccel, const UDACCEL* pAccel);
    int SetPos32(int nPos);
    int GetPos32() const;
    CWnd* GetBuddy() const;
};
