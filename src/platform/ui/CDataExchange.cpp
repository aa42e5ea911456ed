#include "platform/ui/CDataExchange.h"

#include "platform/ui/CDialog.h"
#include "platform/ui/MessageBoxSeam.h"
#include "platform/ui/PlatformTexts.h"

#include <limits>
#include <string>
#include <vector>

CWnd* CDataExchange::PrepareCtrl(int nIDC) {
    m_pLastControl = m_pDlgWnd->GetDlgItem(nIDC);
    m_bEditLastControl = FALSE;
    return m_pLastControl;
}

CWnd* CDataExchange::PrepareEditCtrl(int nIDC) {
    CWnd* control = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return control;
}

void CDataExchange::Fail() {
    if (m_pLastControl != nullptr) {
        m_pLastControl->SetFocus();
        if (m_bEditLastControl) {
            m_pLastControl->SetSel(0, -1);
        }
    }
    m_bFailed = TRUE;
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    if (pDX->Failed() || rControl.m_hWnd != nullptr) {
        return;
    }
    pDX->PrepareCtrl(nIDC);
    pDX->m_pDlgWnd->BindControl(nIDC, rControl);
}

bool ParseDialogInt(const CString& text, int& value) {
    const std::u16string_view s = text.Str();
    std::size_t i = 0;
    const auto isSpace = [](char16_t c) { return c == u' ' || c == u'\t'; };
    while (i < s.size() && isSpace(s[i])) {
        ++i;
    }
    bool negative = false;
    if (i < s.size() && (s[i] == u'-' || s[i] == u'+')) {
        negative = s[i] == u'-';
        ++i;
    }
    const std::size_t firstDigit = i;
    long long magnitude = 0;
    const long long limit = negative ? -static_cast<long long>(std::numeric_limits<int>::min())
                                     : std::numeric_limits<int>::max();
    while (i < s.size() && s[i] >= u'0' && s[i] <= u'9') {
        magnitude = magnitude * 10 + (s[i] - u'0');
        if (magnitude > limit) {
            return false;
        }
        ++i;
    }
    if (i == firstDigit) {
        return false;
    }
    while (i < s.size() && isSpace(s[i])) {
        ++i;
    }
    if (i != s.size()) {
        return false;
    }
    value = static_cast<int>(negative ? -magnitude : magnitude);
    return true;
}

CString IntegerRequiredMessage() {
    return PlatformText(AFX_IDP_PARSE_INT);
}

CString IntegerRangeMessage(int minVal, int maxVal) {
    // The bounds as %1 and %2, so that a language may name them in its own order.
    const std::u16string format(PlatformText(AFX_IDP_PARSE_INT_RANGE).Str());
    CString lower;
    CString upper;
    lower.Format(u"%d", minVal);
    upper.Format(u"%d", maxVal);
    std::u16string text;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == u'%' && i + 1 < format.size() &&
            (format[i + 1] == u'1' || format[i + 1] == u'2')) {
            text += (format[i + 1] == u'1' ? lower : upper).Str();
            ++i;
        } else {
            text += format[i];
        }
    }
    return CString(std::move(text));
}

namespace {

// The edit control a text exchange works on; none once an earlier exchange has failed, so
// that the first refusal keeps the focus.
CWnd* EditControlToExchange(CDataExchange* pDX, int nIDC) {
    return pDX->Failed() ? nullptr : pDX->PrepareEditCtrl(nIDC);
}

} // namespace

void DDX_Text(CDataExchange* pDX, int nIDC, int& value) {
    CWnd* control = EditControlToExchange(pDX, nIDC);
    if (control == nullptr) {
        return;
    }
    if (pDX->m_bSaveAndValidate) {
        int parsed = 0;
        if (!ParseDialogInt(control->GetWindowText(), parsed)) {
            AfxMessageBox(IntegerRequiredMessage());
            pDX->Fail();
            return;
        }
        value = parsed;
    } else {
        CString text;
        text.Format(u"%d", value);
        control->SetWindowText(text);
    }
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
    CWnd* control = EditControlToExchange(pDX, nIDC);
    if (control == nullptr) {
        return;
    }
    if (pDX->m_bSaveAndValidate) {
        value = control->GetWindowText();
    } else {
        control->SetWindowText(value);
    }
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal) {
    if (pDX->Failed() || !pDX->m_bSaveAndValidate) {
        return;
    }
    if (value < minVal || value > maxVal) {
        AfxMessageBox(IntegerRangeMessage(minVal, maxVal));
        pDX->Fail();
    }
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
    if (pDX->Failed()) {
        return;
    }
    CWnd* control = pDX->PrepareCtrl(nIDC);
    if (control == nullptr) {
        return;
    }
    if (pDX->m_bSaveAndValidate) {
        value = control->GetCheck();
    } else {
        control->SetCheck(value);
    }
}

namespace {

// The ids of the radio buttons of the group that begins with nIDC, in template order.
std::vector<int> RadioGroup(const CDialog& dialog, int nIDC) {
    std::vector<int> ids;
    const DialogTemplate* dlgTemplate = FindDialogTemplate(dialog.GetTemplateId());
    if (dlgTemplate == nullptr) {
        return ids;
    }
    for (const DialogItemTemplate& item : dlgTemplate->items) {
        const bool radio = item.windowClass == ControlClass::Button &&
                           (item.style & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
        if (ids.empty() ? item.id != nIDC : (!radio || (item.style & WS_GROUP))) {
            if (!ids.empty()) {
                break;
            }
            continue;
        }
        ids.push_back(item.id);
    }
    return ids;
}

} // namespace

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
    if (pDX->Failed()) {
        return;
    }
    const std::vector<int> group = RadioGroup(*pDX->m_pDlgWnd, nIDC);
    if (pDX->m_bSaveAndValidate) {
        value = -1;
    }
    for (std::size_t i = 0; i < group.size(); ++i) {
        CWnd* button = pDX->m_pDlgWnd->GetDlgItem(group[i]);
        if (button == nullptr) {
            continue;
        }
        if (!pDX->m_bSaveAndValidate) {
            button->SetCheck(static_cast<int>(i) == value ? BST_CHECKED : BST_UNCHECKED);
        } else if (button->GetCheck() == BST_CHECKED) {
            value = static_cast<int>(i);
        }
    }
}
