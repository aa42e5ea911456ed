// The guard is a lock in the settings folder (SettingsLock.h); the running copy also listens
// on a local socket, through which a later start asks it to come to the front.
#include "platform/process/OneRunningCopy.h"

#include "platform/core/FileSystem.h"
#include "platform/core/KnownFolders.h"
#include "platform/process/RaiseListener.h"
#include "platform/process/RaiseSocket.h"
#include "platform/process/SettingsLock.h"

#include <cstdio>
#include <thread>

#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// The running copy answers from its event loop, which may still be busy starting; until it
// listens, a later start asks again this often.
constexpr std::chrono::milliseconds kAnswerPatience{5000};
constexpr std::chrono::milliseconds kAskAgainAfter{100};

void Warn(const char* what, const std::string& why) {
    std::fprintf(stderr, "Caddora %s: %s\n", what, why.c_str());
}

std::unique_ptr<RaiseListener> Listen(EventLoop& loop, const std::string& settingsFolder,
                                      std::function<void()> bringToFront) {
    std::string why;
    const std::string path = MakeRaiseSocketPath(settingsFolder, why);
    Descriptor socket;
    if (!path.empty()) {
        // A socket there is a killed copy's: no other copy listens for these settings while
        // this one holds the lock.
        ::unlink(path.c_str());
        socket = ListenOnRaiseSocket(path, why);
    }
    if (!socket.Valid()) {
        Warn("cannot tell a second start to raise this window", why);
        return nullptr;
    }
    return std::make_unique<RaiseListener>(loop, std::move(socket), path, std::move(bringToFront));
}

} // namespace

// The listener goes first, so that its socket is gone before another copy can take the lock
// and make its own.
struct OneRunningCopy::Held {
    explicit Held(const std::string& folder) : lock(folder) {}
    SettingsLock lock;
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
    auto held = std::make_unique<Held>(m_settingsFolder);
    const Clock::time_point deadline = Clock::now() + kAnswerPatience;
    for (;;) {
        switch (held->lock.TryTake()) {
        case SettingsLock::Take::Taken:
            held->listener = Listen(loop, m_settingsFolder, std::move(bringToFront));
            m_held = std::move(held);
            return true;
        case SettingsLock::Take::Unavailable:
            // Running without the guard is better than not running at all.
            Warn("runs without the one-copy guard", held->lock.Why());
            return true;
        case SettingsLock::Take::HeldElsewhere:
            break;
        }
        // The copy that holds the lock may not listen yet; once it ends, the lock is free.
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        m_running = AskToComeToFront(RaiseSocketPath(m_settingsFolder), left);
        if (m_running != Answer::NoCopy) {
            return false;
        }
        if (Clock::now() >= deadline) {
            m_running = Answer::Silent;
            return false;
        }
        std::this_thread::sleep_for(kAskAgainAfter);
    }
}
