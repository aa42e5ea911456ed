#pragma once
// Dialog data exchange between a dialog's members and its controls. A refusal shows a
// message, puts the focus back into the control (its text selected) and makes every later
// exchange of the same pass do nothing, so that UpdateData answers FALSE.
#include "platform/ui/CWnd.h"

class CDialog;

class CDataExchange {
public:
    CDataExchange(CDialog* pDlgWnd, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

    CWnd* PrepareCtrl(int nIDC);
    CWnd* PrepareEditCtrl(int nIDC);
    void Fail();
    BOOL Failed() const { return m_bFailed; }

    BOOL m_bSaveAndValidate;
    CDialog* m_pDlgWnd;

private:
    CWnd* m_pLastControl = nullptr;
    BOOL m_bEditLastControl = FALSE;
    BOOL m_bFailed = FALSE;
};

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);
// A check box's state, BST_CHECKED or BST_UNCHECKED.
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// Which radio button of the group that begins with control nIDC is checked, counted from 0
// in template order to the next group; -1 for none.
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);

// The integer reading of DDX_Text: spaces around, an optional sign, decimal digits, and a
// value that fits; anything else is no integer.
bool ParseDialogInt(const CString& text, int& value);
// The texts of the two refusals.
CString IntegerRequiredMessage();
CString IntegerRangeMessage(int minVal, int maxVal);
