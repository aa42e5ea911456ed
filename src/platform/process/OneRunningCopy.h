#pragma once
// One running copy per settings location. The first copy holds a lock in the folder where
// its settings live (SettingsLock.h), so that two users, or two homes, never meet, and
// listens on a local socket named after that folder; a later start finds the lock taken,
// asks the running copy through the socket to come to the front, and ends without reading
// or writing any of the player's files. On Windows the guard is a mark for the desktop
// session (RunningCopy.h), and the later start brings the running copy's main window to the
// front itself.
#include "platform/process/EventLoop.h"

#include <functional>
#include <memory>
#include <string>

class OneRunningCopy {
public:
    enum class Answer {
        NoCopy,   // no copy of this user's listens there (none runs, or one was killed)
        Answered, // a running copy came to the front
        Silent,   // a copy took the connection but did not answer in time
    };

    // `settingsFolder`: the folder of this user's settings, byte for byte (on Windows the
    // mark is the session's, and the folder plays no part).
    explicit OneRunningCopy(std::string settingsFolder);
    ~OneRunningCopy();
    OneRunningCopy(const OneRunningCopy&) = delete;
    OneRunningCopy& operator=(const OneRunningCopy&) = delete;

    // Becomes the one running copy, and calls `bringToFront` from `loop` whenever a later
    // start asks; the loop outlives this object. FALSE when a copy already runs for the same
    // settings; it has then been asked to come to the front.
    bool Claim(EventLoop& loop, std::function<void()> bringToFront);
    // Stops listening, takes the socket away and lets the lock go; the end of a run that
    // cannot destroy this object (the process exits from inside the toolkit) calls it.
    void Release();
    // What the copy that was already running answered, once Claim has said FALSE.
    Answer RunningCopy() const { return m_running; }

    // The folder where this user's settings live: the registry hive's (empty on Windows).
    static std::string SettingsFolderOfThisUser();

private:
    // What the running copy holds while it runs, over what the system has.
    struct Held;

    std::string m_settingsFolder;
    std::unique_ptr<Held> m_held;
    Answer m_running = Answer::NoCopy;
};
