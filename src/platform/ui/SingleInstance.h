#pragma once
// One running copy per settings location. The first copy listens on a local socket whose
// name derives from where its settings live, so that two users, or two homes, never meet;
// a later start finds it there, asks it to come to the front and ends without reading or
// writing any of the player's files. On Windows the guard is the one the dialogs over Win32
// use (RunningCopy.h): a mark for the desktop session, and the later start brings the
// running copy's main window to the front itself.
#include <QString>

#include <functional>
#include <memory>

class SingleInstance {
public:
    enum class Answer {
        NoCopy,   // nothing listens there (never started, or killed and its socket left)
        Answered, // a running copy came to the front
        Silent,   // a copy took the connection but did not answer in time
    };

    explicit SingleInstance(const QString& settingsLocation);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Becomes the one running copy, and calls `bringToFront` from the event loop whenever a
    // later start asks. FALSE when a copy already runs for the same settings; it has then
    // been asked to come to the front.
    bool Claim(std::function<void()> bringToFront);
    // Stops listening and takes the socket away; the end of a run that cannot destroy this
    // object (the process exits from inside the toolkit) calls it.
    void Release();
    // What the copy that was already running answered, once Claim has said FALSE.
    Answer RunningCopy() const { return m_running; }

    // The local socket of the copy that runs for the settings location: in the per-user
    // runtime directory ($XDG_RUNTIME_DIR), else in the temporary directory.
    static QString ServerName(const QString& settingsLocation);
    // Asks the copy listening on the socket to come to the front.
    static Answer AskToComeToFront(const QString& serverName, int answerTimeoutMs);

    // What a later start writes, and what the running copy answers once it came forward.
    static const char kRequest[];
    static const char kReply[];
    // The longest line a connection may send before it is dropped.
    static constexpr int kLongestRequest = 64;

private:
    // The listening end, over what the system has for local sockets.
    class Listener;
    enum class Listen { Listening, AddressInUse, Failed };
    Listen StartListening();
    void RemoveStaleSocket();

    QString m_name;
    // Why the last StartListening failed.
    QString m_error;
    std::unique_ptr<Listener> m_listener;
    std::function<void()> m_bringToFront;
    Answer m_running = Answer::NoCopy;
};
