#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>

namespace {

const QByteArray kRequest = QByteArrayLiteral("raise\n");
const QByteArray kReply = QByteArrayLiteral("raised\n");
constexpr int kConnectTimeoutMs = 1000;
// The running copy answers from its event loop, which may still be busy starting.
constexpr int kAnswerTimeoutMs = 5000;
constexpr qint64 kLongestRequest = 64;

QString SocketDirectory() {
#ifdef _WIN32
    return QString(); // local servers are named pipes there, not files
#else
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (QDir::isAbsolutePath(runtime) && QFileInfo(runtime).isDir()) {
        return QDir::cleanPath(runtime) + QLatin1Char('/');
    }
    return QDir::tempPath() + QLatin1Char('/');
#endif
}

} // namespace

SingleInstance::SingleInstance(const QString& settingsLocation)
    : m_name(ServerName(settingsLocation)) {}

QString SingleInstance::ServerName(const QString& settingsLocation) {
    const QByteArray where =
        QDir::cleanPath(QFileInfo(settingsLocation).absoluteFilePath()).toUtf8();
    const QByteArray hash = QCryptographicHash::hash(where, QCryptographicHash::Sha256).toHex();
    return SocketDirectory() + QStringLiteral("caddora-") + QString::fromLatin1(hash.left(32));
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

bool SingleInstance::Claim(std::function<void()> bringToFront) {
    m_bringToFront = std::move(bringToFront);
    m_running = AskToComeToFront(m_name, kAnswerTimeoutMs);
    if (m_running != Answer::NoCopy) {
        return false;
    }
    if (!m_server.listen(m_name) && m_server.serverError() == QAbstractSocket::AddressInUseError) {
        // The socket is there but nothing answered: a copy started just now, or one that was
        // killed left its socket behind. Only the second may be cleared away.
        m_running = AskToComeToFront(m_name, kAnswerTimeoutMs);
        if (m_running != Answer::NoCopy) {
            return false;
        }
        QLocalServer::removeServer(m_name);
        m_server.listen(m_name);
    }
    if (!m_server.isListening()) {
        // Running without the guard is better than not running at all.
        qWarning("Caddora cannot tell a second start to raise this window: %s",
                 qPrintable(m_server.errorString()));
    }
    QObject::connect(&m_server, &QLocalServer::newConnection, &m_server,
                     [this] { TakeConnections(); });
    return true;
}

void SingleInstance::TakeConnections() {
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
