// On Windows the one running copy is a mark for the desktop session (RunningCopy.h), and a
// later start finds the running copy's main window by the dialog property and brings it to
// the front itself: the settings folder, the event loop and the running copy's own
// bringToFront play no part.
#include "platform/process/OneRunningCopy.h"

#include "platform/process/RunningCopy.h"

#include <cstdio>

#include <windows.h>

struct OneRunningCopy::Held {
    RunningCopyMark mark;
};

OneRunningCopy::OneRunningCopy(std::string settingsFolder)
    : m_settingsFolder(std::move(settingsFolder)) {}

OneRunningCopy::~OneRunningCopy() = default;

std::string OneRunningCopy::SettingsFolderOfThisUser() {
    return std::string();
}

void OneRunningCopy::Release() {
    m_held.reset();
}

bool OneRunningCopy::Claim(EventLoop& /*loop*/, std::function<void()> /*bringToFront*/) {
    auto held = std::make_unique<Held>();
    switch (held->mark.Take()) {
    case RunningCopyMark::Claim::Claimed:
        m_held = std::move(held);
        return true;
    case RunningCopyMark::Claim::AlreadyRunning:
        m_running = BringRunningCopyToFront() ? Answer::Answered : Answer::Silent;
        return false;
    case RunningCopyMark::Claim::Unavailable:
        break;
    }
    // Running without the guard is better than not running at all.
    std::fprintf(stderr, "Caddora runs without the one-copy guard: no session mark (error %lu)\n",
                 static_cast<unsigned long>(GetLastError()));
    return true;
}
