#pragma once
// One running copy per settings location. The first copy listens on a local socket whose
// name derives from where its settings live, so that two users, or two homes, never meet;
// a later start finds it there, asks it to come to the front and ends without reading or
// writing any of the player's files.
#include <QLocalServer>
#include <QString>

#include <functional>

class SingleInstance {
public:
    enum class Answer {
        NoCopy,   // nothing listens there (never started, or killed and its socket left)
        Answered, // a running copy came to the front
        Silent,   // a copy took the connection but did not answer in time
    };

    explicit SingleInstance(const QString& settingsLocation);

    // Becomes the one running copy, and calls `bringToFront` from the event loop whenever a
    // later start asks. FALSE when a copy already runs for the same settings; it has then
    // been asked to come to the front.
    bool Claim(std::function<void()> bringToFront);
    // Stops listening and takes the socket away; the end of a run that cannot destroy this
    // object (the process exits from inside the toolkit) calls it.
    void Release() { m_server.close(); }
    // What the copy that was already running answered, once Claim has said FALSE.
    Answer RunningCopy() const { return m_running; }

    // The local socket of the copy that runs for the settings location: in the per-user
    // runtime directory ($XDG_RUNTIME_DIR), else in the temporary directory.
    static QString ServerName(const QString& settingsLocation);
    // Asks the copy listening on the socket to come to the front.
    static Answer AskToComeToFront(const QString& serverName, int answerTimeoutMs);

private:
    void TakeConnections();

    QString m_name;
    QLocalServer m_server;
    std::function<void()> m_bringToFront;
    Answer m_running = Answer::NoCopy;
};
