#pragma once
// Small dialogs of the tests' own, built from templates that exercise one platform
// behaviour each.
#include "platform/ui/CDataExchange.h"
#include "platform/ui/CDC.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CSpinButtonCtrl.h"
#include "platform/ui/CStatic.h"

#include <vector>

constexpr UINT kFormDialog = 9001;
constexpr int kNumberField = 100;
constexpr int kTextField = 101;
constexpr int kCaption = 102;
constexpr int kPicture = 103;
constexpr int kPush = 104;
constexpr int kRadioA = 105;
constexpr int kRadioB = 106;
constexpr int kSpin = 107;

// A form with a number field (10 to 20), a text field, a caption, a picture, a push button,
// two radio buttons and an up-down control; it records every command and colour query.
class FormDialog : public CDialog {
public:
    FormDialog() : CDialog(kFormDialog) {}

    struct Query {
        int id;
        UINT nCtlColor;
    };

    int m_nNumber = 15;
    CString m_strText = u"text";
    CStatic m_caption;
    CSpinButtonCtrl m_spin;
    std::vector<int> m_commands;
    std::vector<Query> m_queries;
    HBRUSH m_hbrAnswer = nullptr;

    void OnPicture() { m_commands.push_back(kPicture); }
    void OnPush() { m_commands.push_back(kPush); }
    void OnRadioA() { m_commands.push_back(kRadioA); }

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, kCaption, m_caption);
        DDX_Control(pDX, kSpin, m_spin);
        DDX_Text(pDX, kNumberField, m_nNumber);
        DDV_MinMaxInt(pDX, m_nNumber, 10, 20);
        DDX_Text(pDX, kTextField, m_strText);
    }
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
        m_queries.push_back({pWnd->GetDlgCtrlID(), nCtlColor});
        HBRUSH hbr = CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
        return m_hbrAnswer != nullptr ? m_hbrAnswer : hbr;
    }

    DECLARE_MESSAGE_MAP()
};

void RegisterTestTemplates();
