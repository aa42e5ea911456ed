#include "platform/ui/MessageBoxSeam.h"

#include "platform/ui/CWinApp.h"
#include "platform/ui/MessageBoxWindow.h"

#include <cstdio>
#include <deque>
#include <utility>

namespace {

std::deque<int>& PendingQueue() {
    static std::deque<int> queue;
    return queue;
}

std::vector<CString>& ShownTexts() {
    static std::vector<CString> texts;
    return texts;
}

} // namespace

int MessageBoxSeam::Show(const CString& text, UINT nType) {
    ShownTexts().push_back(text);
    if (!PendingQueue().empty()) {
        const int answer = PendingQueue().front();
        PendingQueue().pop_front();
        return answer;
    }
    if (const CWinApp* app = AfxGetApp(); app != nullptr && app->IsEndingSession()) {
        // Nobody is there to answer while the run ends (the display may be gone already):
        // the message goes to the standard error stream and takes the first answer.
        std::fprintf(stderr, "Caddora: %s\n", text.ToUtf8().c_str());
        return IDOK;
    }
    return ShowMessageBoxWindow(text, nType);
}

void MessageBoxSeam::SetNextAnswer(int answer) {
    PendingQueue().push_back(answer);
}

int MessageBoxSeam::PendingAnswers() {
    return static_cast<int>(PendingQueue().size());
}

std::vector<CString> MessageBoxSeam::TakeShownTexts() {
    return std::exchange(ShownTexts(), {});
}

int AfxMessageBox(const CString& text, UINT nType) {
    return MessageBoxSeam::Show(text, nType);
}
