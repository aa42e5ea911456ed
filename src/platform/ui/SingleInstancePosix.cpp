// The local socket is a Unix domain socket at the server name's path, served from the event
// loop through socket notifiers: the toolkit's core is all it needs.
#include "platform/ui/SingleInstance.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <list>
#include <utility>

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr int kConnectTimeoutMs = 1000;

// A descriptor closed when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : m_fd(fd) {}
    ~Descriptor() { Reset(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return m_fd; }
    int Release() { return std::exchange(m_fd, -1); }
    void Reset() {
        if (m_fd >= 0) {
            ::close(m_fd);
            m_fd = -1;
        }
    }

private:
    int m_fd;
};

// The socket's address; false when the path does not fit in one.
bool AddressOf(const QString& name, sockaddr_un& address) {
    const QByteArray path = QFile::encodeName(name);
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || static_cast<std::size_t>(path.size()) >= sizeof address.sun_path) {
        return false;
    }
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    return true;
}

// Waits until the descriptor is ready for `events`, or the deadline passes.
bool WaitFor(int fd, short events, const QDeadlineTimer& deadline) {
    for (;;) {
        pollfd p{fd, events, 0};
        const int n = ::poll(&p, 1, static_cast<int>(deadline.remainingTime()));
        if (n > 0) {
            return true;
        }
        if (n == 0 || errno != EINTR) {
            return false;
        }
    }
}

bool WriteAll(int fd, const char* data, std::size_t size, const QDeadlineTimer& deadline) {
    while (size > 0) {
        const ssize_t n = ::send(fd, data, size, MSG_NOSIGNAL);
        if (n > 0) {
            data += n;
            size -= static_cast<std::size_t>(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (!WaitFor(fd, POLLOUT, deadline)) {
                return false;
            }
        } else {
            return false;
        }
    }
    return true;
}

} // namespace

// The listening socket, and the connections of later starts until each has been answered.
class SingleInstance::Listener {
public:
    Listener(int fd, QByteArray path, std::function<void()>& bringToFront)
        : m_fd(fd), m_path(std::move(path)), m_bringToFront(bringToFront),
          m_notifier(fd, QSocketNotifier::Read) {
        QObject::connect(&m_notifier, &QSocketNotifier::activated, &m_notifier,
                         [this] { Accept(); });
    }
    ~Listener() {
        m_connections.clear();
        m_notifier.setEnabled(false);
        m_fd.Reset();
        ::unlink(m_path.constData());
    }
    Listener(const Listener&) = delete;
    Listener& operator=(const Listener&) = delete;

private:
    struct Connection {
        explicit Connection(int fd) : socket(fd), notifier(fd, QSocketNotifier::Read) {}
        Descriptor socket;
        QSocketNotifier notifier;
        QByteArray received;
    };

    void Accept() {
        for (;;) {
            const int fd = ::accept4(m_fd.Get(), nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
            if (fd < 0) {
                if (errno == EINTR) {
                    continue;
                }
                return; // EAGAIN: none left; anything else: the next wake-up tries again
            }
            m_connections.emplace_back(fd);
            auto it = std::prev(m_connections.end());
            QObject::connect(&it->notifier, &QSocketNotifier::activated, &it->notifier,
                             [this, it] { Read(it); });
        }
    }

    void Read(std::list<Connection>::iterator it) {
        char buffer[kLongestRequest + 1];
        const ssize_t n = ::recv(it->socket.Get(), buffer, sizeof buffer, 0);
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) {
            return;
        }
        if (n > 0) {
            it->received.append(buffer, n);
        }
        const qsizetype end = it->received.indexOf('\n');
        if (end < 0 && n > 0 && it->received.size() <= kLongestRequest) {
            return; // the line is not complete yet
        }
        if (end >= 0 && end < kLongestRequest && it->received.left(end + 1) == kRequest) {
            m_bringToFront();
            [[maybe_unused]] const ssize_t sent =
                ::send(it->socket.Get(), kReply, std::strlen(kReply), MSG_NOSIGNAL);
        }
        // Answered, or a line too long, or the other end went away: the connection ends.
        // The notifier is in the middle of its signal, so the record goes once it returns.
        it->notifier.setEnabled(false);
        QMetaObject::invokeMethod(
            &m_notifier, [this, it] { m_connections.erase(it); }, Qt::QueuedConnection);
    }

    Descriptor m_fd;
    QByteArray m_path;
    std::function<void()>& m_bringToFront;
    QSocketNotifier m_notifier;
    std::list<Connection> m_connections;
};

SingleInstance::SingleInstance(const QString& settingsLocation)
    : m_name(ServerName(settingsLocation)) {}

SingleInstance::~SingleInstance() = default;

void SingleInstance::Release() {
    m_listener.reset();
}

SingleInstance::Listen SingleInstance::StartListening() {
    sockaddr_un address{};
    if (!AddressOf(m_name, address)) {
        m_error = QStringLiteral("%1: the name is too long for a local socket").arg(m_name);
        return Listen::Failed;
    }
    Descriptor fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (fd.Get() < 0) {
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        return Listen::Failed;
    }
    if (::bind(fd.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        const int error = errno;
        m_error =
            QStringLiteral("%1: %2").arg(m_name, QString::fromLocal8Bit(std::strerror(error)));
        return error == EADDRINUSE ? Listen::AddressInUse : Listen::Failed;
    }
    if (::listen(fd.Get(), SOMAXCONN) != 0) {
        m_error =
            QStringLiteral("%1: %2").arg(m_name, QString::fromLocal8Bit(std::strerror(errno)));
        ::unlink(address.sun_path);
        return Listen::Failed;
    }
    m_listener =
        std::make_unique<Listener>(fd.Release(), QByteArray(address.sun_path), m_bringToFront);
    return Listen::Listening;
}

void SingleInstance::RemoveStaleSocket() {
    sockaddr_un address{};
    if (AddressOf(m_name, address)) {
        ::unlink(address.sun_path);
    }
}

SingleInstance::Answer SingleInstance::AskToComeToFront(const QString& serverName,
                                                        int answerTimeoutMs) {
    sockaddr_un address{};
    if (!AddressOf(serverName, address)) {
        return Answer::NoCopy;
    }
    Descriptor fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (fd.Get() < 0) {
        return Answer::NoCopy;
    }
    const QDeadlineTimer connectDeadline(kConnectTimeoutMs);
    if (::connect(fd.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        // A full backlog of a busy copy makes the connection wait; anything else means no copy.
        if ((errno != EAGAIN && errno != EINPROGRESS) ||
            !WaitFor(fd.Get(), POLLOUT, connectDeadline)) {
            return Answer::NoCopy;
        }
        int error = 0;
        socklen_t size = sizeof error;
        if (::getsockopt(fd.Get(), SOL_SOCKET, SO_ERROR, &error, &size) != 0 || error != 0) {
            return Answer::NoCopy;
        }
    }
    const QDeadlineTimer deadline(answerTimeoutMs);
    if (!WriteAll(fd.Get(), kRequest, std::strlen(kRequest), deadline)) {
        return Answer::Silent;
    }
    QByteArray reply;
    while (!reply.contains('\n') && reply.size() <= kLongestRequest) {
        char buffer[kLongestRequest];
        const ssize_t n = ::recv(fd.Get(), buffer, sizeof buffer, 0);
        if (n > 0) {
            reply.append(buffer, n);
        } else if (n == 0) {
            break;
        } else if (errno == EINTR) {
            continue;
        } else if (errno != EAGAIN && errno != EWOULDBLOCK) {
            break;
        } else if (!WaitFor(fd.Get(), POLLIN, deadline)) {
            break;
        }
    }
    const qsizetype end = reply.indexOf('\n');
    return end >= 0 && reply.left(end + 1) == kReply ? Answer::Answered : Answer::Silent;
}
