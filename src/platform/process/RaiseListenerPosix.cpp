#include "platform/process/RaiseListener.h"

#include "platform/process/RaiseSocket.h"

#include <cerrno>
#include <cstring>

#include <sys/socket.h>
#include <unistd.h>

RaiseListener::RaiseListener(EventLoop& loop, Descriptor socket, std::string path,
                             std::function<void()> bringToFront)
    : m_loop(loop), m_socket(std::move(socket)), m_path(std::move(path)),
      m_bringToFront(std::move(bringToFront)) {
    m_acceptable = m_loop.WatchReadable(m_socket.Get(), [this] { Accept(); });
}

RaiseListener::~RaiseListener() {
    m_connections.clear();
    m_rest.reset();
    m_acceptable.reset();
    m_socket.Reset();
    ::unlink(m_path.c_str());
}

void RaiseListener::Accept() {
    for (int taken = 0; taken < kAcceptsPerTurn;) {
        const int fd = ::accept4(m_socket.Get(), nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd >= 0) {
            Take(fd);
            ++taken;
        } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
            return; // none left
        } else if (errno != EINTR && errno != ECONNABORTED) {
            // Out of descriptors or memory: the connection stays pending, and asking again at
            // once would only spin.
            Rest();
            return;
        }
    }
}

void RaiseListener::Take(int fd) {
    if (!IsUsersPeer(fd)) {
        ::close(fd); // anyone else is not heard
        return;
    }
    if (m_connections.size() >= kMostConnections) {
        End(m_connections.begin()); // the oldest has had the longest to speak
    }
    m_connections.push_back(Connection{Descriptor(fd), {}, nullptr, nullptr});
    const auto connection = std::prev(m_connections.end());
    connection->readable = m_loop.WatchReadable(fd, [this, connection] { Read(connection); });
    connection->expiry =
        m_loop.CallAfter(kConnectionPatience, [this, connection] { End(connection); });
    // A later start sends its request at once: it is answered before anything can push it out.
    Read(connection);
}

void RaiseListener::Read(Connections::iterator connection) {
    char buffer[kLongestRaiseLine + 1];
    const ssize_t n = ::recv(connection->socket.Get(), buffer, sizeof buffer, 0);
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) {
        return;
    }
    std::string& received = connection->received;
    if (n > 0) {
        received.append(buffer, static_cast<std::size_t>(n));
    }
    const auto end = received.find('\n');
    if (end == std::string::npos && n > 0 && received.size() <= kLongestRaiseLine) {
        return; // the line is not complete yet
    }
    if (end != std::string::npos && end < kLongestRaiseLine &&
        received.compare(0, end + 1, kRaiseRequest) == 0) {
        m_bringToFront();
        [[maybe_unused]] const ssize_t sent =
            ::send(connection->socket.Get(), kRaiseReply, std::strlen(kRaiseReply), MSG_NOSIGNAL);
    }
    // Answered, or a line too long, or the other end went away.
    End(connection);
}

// The connection ends, its watches with it (one of which may be calling).
void RaiseListener::End(Connections::iterator connection) {
    m_connections.erase(connection);
}

void RaiseListener::Rest() {
    m_acceptable.reset();
    m_rest = m_loop.CallAfter(kRestAfterFailure, [this] {
        m_acceptable = m_loop.WatchReadable(m_socket.Get(), [this] { Accept(); });
        m_rest.reset();
    });
}
