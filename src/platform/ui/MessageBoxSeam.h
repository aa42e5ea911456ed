#pragma once
// Every message the player sees goes through here, so that a test can answer a message
// before it would appear and read its text, without a modal loop.
#include "platform/core/CString.h"
#include "platform/ui/UiApi.h"

#include <vector>

class MessageBoxSeam {
public:
    // Shows a modal message box unless an answer was queued, in which case the box does not
    // appear and the queued answer is taken; while the run ends the text goes to the
    // standard error stream instead. Every text shown is recorded.
    static int Show(const CString& text, UINT nType);
    static void SetNextAnswer(int answer);
    static int PendingAnswers();
    static std::vector<CString> TakeShownTexts();
};

int AfxMessageBox(const CString& text, UINT nType = MB_OK | MB_ICONEXCLAMATION);
