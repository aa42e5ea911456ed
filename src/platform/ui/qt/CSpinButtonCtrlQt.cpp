#include "platform/ui/CSpinButtonCtrl.h"

#include "platform/ui/qt/ControlHost.h"
#include "platform/ui/qt/Handles.h"
#include "platform/ui/qt/UpDownWidget.h"

#include <QLineEdit>

namespace {
UpDownWidget* UpDown(HWND hWnd) {
    return dynamic_cast<UpDownWidget*>(WidgetOf(hWnd));
}
} // namespace

void CSpinButtonCtrl::SetRange32(int nLower, int nUpper) {
    if (UpDownWidget* upDown = UpDown(m_hWnd)) {
        upDown->SetRange(nLower, nUpper);
    }
}

void CSpinButtonCtrl::GetRange32(int& nLower, int& nUpper) const {
    if (const UpDownWidget* upDown = UpDown(m_hWnd)) {
        nLower = upDown->Lower();
        nUpper = upDown->Upper();
    }
}

BOOL CSpinButtonCtrl::SetAccel(int nAccel, const UDACCEL* pAccel) {
    UpDownWidget* upDown = UpDown(m_hWnd);
    if (upDown == nullptr || nAccel <= 0 || pAccel == nullptr) {
        return FALSE;
    }
    std::vector<UpDownWidget::Accel> accel;
    for (int i = 0; i < nAccel; ++i) {
        accel.push_back({pAccel[i].nSec, pAccel[i].nInc});
    }
    upDown->SetAccel(std::move(accel));
    return TRUE;
}

int CSpinButtonCtrl::SetPos32(int nPos) {
    UpDownWidget* upDown = UpDown(m_hWnd);
    if (upDown == nullptr) {
        return 0;
    }
    const int previous = upDown->Pos();
    upDown->SetPos(nPos);
    return previous;
}

int CSpinButtonCtrl::GetPos32() const {
    const UpDownWidget* upDown = UpDown(m_hWnd);
    return upDown != nullptr ? upDown->Pos() : 0;
}

CWnd* CSpinButtonCtrl::GetBuddy() const {
    const UpDownWidget* upDown = UpDown(m_hWnd);
    const ControlHost* host = ControlHost::Of(WidgetOf(m_hWnd));
    if (upDown == nullptr || host == nullptr) {
        return nullptr;
    }
    return host->ObjectOf(upDown->Buddy());
}
