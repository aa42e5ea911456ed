#include "platform/ui/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

namespace {

// The running copy answers from its event loop, which may still be busy starting.
constexpr int kAnswerTimeoutMs = 5000;

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

const char SingleInstance::kRequest[] = "raise\n";
const char SingleInstance::kReply[] = "raised\n";

QString SingleInstance::ServerName(const QString& settingsLocation) {
    const QByteArray where =
        QDir::cleanPath(QFileInfo(settingsLocation).absoluteFilePath()).toUtf8();
    const QByteArray hash = QCryptographicHash::hash(where, QCryptographicHash::Sha256).toHex();
    return SocketDirectory() + QStringLiteral("caddora-") + QString::fromLatin1(hash.left(32));
}

bool SingleInstance::Claim(std::function<void()> bringToFront) {
    m_bringToFront = std::move(bringToFront);
    m_running = AskToComeToFront(m_name, kAnswerTimeoutMs);
    if (m_running != Answer::NoCopy) {
        return false;
    }
    Listen listen = StartListening();
    if (listen == Listen::AddressInUse) {
        // The socket is there but nothing answered: a copy started just now, or one that was
        // killed left its socket behind. Only the second may be cleared away.
        m_running = AskToComeToFront(m_name, kAnswerTimeoutMs);
        if (m_running != Answer::NoCopy) {
            return false;
        }
        RemoveStaleSocket();
        listen = StartListening();
    }
    if (listen != Listen::Listening) {
        // Running without the guard is better than not running at all.
        qWarning("Caddora cannot tell a second start to raise this window: %s",
                 qPrintable(m_error));
    }
    return true;
}
