#include "platform/ui/CSpinButtonCtrl.h"

#include "platform/ui/CDialog.h"

void CSpinButtonCtrl::SetRange32(int nLower, int nUpper) {
    if (m_hWnd != nullptr) {
        SendMessageW(m_hWnd, UDM_SETRANGE32, static_cast<WPARAM>(nLower),
                     static_cast<LPARAM>(nUpper));
    }
}

void CSpinButtonCtrl::GetRange32(int& nLower, int& nUpper) const {
    if (m_hWnd != nullptr) {
        SendMessageW(m_hWnd, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&nLower),
                     reinterpret_cast<LPARAM>(&nUpper));
    }
}

BOOL CSpinButtonCtrl::SetAccel(int nAccel, const UDACCEL* pAccel) {
    if (m_hWnd == nullptr || nAccel <= 0 || pAccel == nullptr) {
        return FALSE;
    }
    return static_cast<BOOL>(SendMessageW(m_hWnd, UDM_SETACCEL, static_cast<WPARAM>(nAccel),
                                          reinterpret_cast<LPARAM>(pAccel)));
}

int CSpinButtonCtrl::SetPos32(int nPos) {
    return m_hWnd != nullptr
               ? static_cast<int>(SendMessageW(m_hWnd, UDM_SETPOS32, 0, static_cast<LPARAM>(nPos)))
               : 0;
}

int CSpinButtonCtrl::GetPos32() const {
    return m_hWnd != nullptr ? static_cast<int>(SendMessageW(m_hWnd, UDM_GETPOS32, 0, 0)) : 0;
}

CWnd* CSpinButtonCtrl::GetBuddy() const {
    CDialog* dialog = CDialog::FromHandlePermanent(m_hWnd);
    if (m_hWnd == nullptr || dialog == nullptr) {
        return nullptr;
    }
    return dialog->FromHandle(reinterpret_cast<HWND>(SendMessageW(m_hWnd, UDM_GETBUDDY, 0, 0)));
}
