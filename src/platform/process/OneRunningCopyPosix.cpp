// The local socket is a Unix domain socket in the per-user runtime directory, served from
// the event loop.
#include "platform/process/OneRunningCopy.h"

#include "platform/core/FileSystem.h"
#include "platform/core/KnownFolders.h"
#include "platform/process/RaiseListener.h"
#include "platform/process/RaiseSocket.h"

#include <cerrno>
#include <cstdio>

namespace {

// The running copy answers from its event loop, which may still be busy starting.
constexpr std::chrono::milliseconds kAnswerPatience{5000};

} // namespace

struct OneRunningCopy::Held {
    std::unique_ptr<RaiseListener> listener;
};

OneRunningCopy::OneRunningCopy(std::string settingsFolder)
    : m_settingsFolder(std::move(settingsFolder)) {}

OneRunningCopy::~OneRunningCopy() = default;

std::string OneRunningCopy::SettingsFolderOfThisUser() {
    const std::string hive = NativePath(GetRegistryHivePath());
    return hive.substr(0, hive.rfind('/'));
}

void OneRunningCopy::Release() {
    m_held.reset();
}

bool OneRunningCopy::Claim(EventLoop& loop, std::function<void()> bringToFront) {
    m_bringToFront = std::move(bringToFront);
    const std::string path = RaiseSocketPath(m_settingsFolder);
    m_running = AskToComeToFront(path, kAnswerPatience);
    if (m_running != Answer::NoCopy) {
        return false;
    }
    int error = 0;
    std::string why;
    Descriptor socket = ListenOnRaiseSocket(path, error, why);
    if (error == EADDRINUSE) {
        // The socket is there but nothing answered: a copy started just now, or one that was
        // killed left its socket behind. Only the second may be cleared away.
        m_running = AskToComeToFront(path, kAnswerPatience);
        if (m_running != Answer::NoCopy) {
            return false;
        }
        ::unlink(path.c_str());
        socket = ListenOnRaiseSocket(path, error, why);
    }
    if (!socket.Valid()) {
        // Running without the guard is better than not running at all.
        std::fprintf(stderr, "Caddora cannot tell a second start to raise this window: %s\n",
                     why.c_str());
        return true;
    }
    m_held = std::make_unique<Held>();
    m_held->listener = std::make_unique<RaiseListener>(loop, std::move(socket), path,
                                                       [this] { m_bringToFront(); });
    return true;
}
