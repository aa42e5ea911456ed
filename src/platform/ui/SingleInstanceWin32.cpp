// The local socket is a named pipe there, served by the toolkit's local server.
#include "SingleInstance.h"

#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>

namespace {

constexpr int kConnectTimeoutMs = 1000;

} // namespace

class SingleInstance::Listener {
public:
    explicit Listener(std::function<void()>& bringToFront) : m_bringToFront(bringToFront) {
        QObject::connect(&m_server, &QLocalServer::newConnection, &m_server,
                         [this] { TakeConnections(); });
    }
    QLocalServer& Server() { return m_server; }

private:
    void TakeConnections() {
        while (QLocalSocket* socket = m_server.nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
                if (!socket->canReadLine()) {
                    if (socket->bytesAvailable() > kLongestRequest) {
                        socket->abort();
                        socket->deleteLater();
                    }
                    return;
                }
                if (socket->readLine(kLongestRequest) == kRequest) {
                    m_bringToFront();
                    socket->write(kReply);
                }
                socket->disconnectFromServer();
            });
        }
    }

    std::function<void()>& m_bringToFront;
    QLocalServer m_server;
};

SingleInstance::SingleInstance(const QString& settingsLocation)
    : m_name(ServerName(settingsLocation)) {}

SingleInstance::~SingleInstance() = default;

void SingleInstance::Release() {
    m_listener.reset();
}

SingleInstance::Listen SingleInstance::StartListening() {
    auto listener = std::make_unique<Listener>(m_bringToFront);
    if (listener->Server().listen(m_name)) {
        m_listener = std::move(listener);
        return Listen::Listening;
    }
    m_error = listener->Server().errorString();
    return listener->Server().serverError() == QAbstractSocket::AddressInUseError
               ? Listen::AddressInUse
               : Listen::Failed;
}

void SingleInstance::RemoveStaleSocket() {
    QLocalServer::removeServer(m_name);
}

SingleInstance::Answer SingleInstance::AskToComeToFront(const QString& serverName,
                                                        int answerTimeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(serverName);
    if (!socket.waitForConnected(kConnectTimeoutMs)) {
        return Answer::NoCopy;
    }
    socket.write(kRequest);
    const QDeadlineTimer deadline(answerTimeoutMs);
    socket.waitForBytesWritten(answerTimeoutMs);
    while (!socket.canReadLine() &&
           socket.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
    }
    return socket.canReadLine() && socket.readLine(kLongestRequest) == kReply ? Answer::Answered
                                                                              : Answer::Silent;
}
