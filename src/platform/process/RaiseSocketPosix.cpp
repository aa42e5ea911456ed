#include "platform/process/RaiseSocket.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <vector>

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// The longest path a socket's address holds, with the zero after it.
constexpr std::size_t kLongestSocketPath = sizeof(sockaddr_un::sun_path);

// Connections that wait for the running copy to take them; more are refused.
constexpr int kPendingConnections = 16;

// The runtime directory when it is the user's own: a directory (no link) of the effective
// user's that nobody else may write to.
std::string TrustedRuntimeDirectory() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    struct stat st {};
    if (runtime == nullptr || runtime[0] != '/' || ::lstat(runtime, &st) != 0 ||
        !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid() || (st.st_mode & 022) != 0) {
        return std::string();
    }
    return runtime;
}

std::string TemporaryDirectory() {
    std::error_code error;
    const std::filesystem::path temporary = std::filesystem::temp_directory_path(error);
    return error ? std::string("/tmp") : temporary.native();
}

// Where the socket may live, best first: a folder of the program's in the runtime directory
// when that can be trusted, else one named after the user in the temporary directory, which
// everyone shares.
std::vector<std::string> SocketFolders() {
    std::vector<std::string> folders;
    if (const std::string runtime = TrustedRuntimeDirectory(); !runtime.empty()) {
        folders.push_back(runtime + "/caddora");
    }
    folders.push_back(TemporaryDirectory() + "/caddora-" + std::to_string(::geteuid()));
    return folders;
}

// A folder only the user can use: a directory (no link) of the effective user's that nobody
// else may enter. Whoever made one of that name first, only such a folder is used.
bool IsPrivateFolder(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
           (st.st_mode & 077) == 0;
}

// The folder as one name: where it leads when it exists, else its absolute form without
// "." or ".." steps.
std::string CanonicalFolder(const std::string& folder) {
    if (char* resolved = ::realpath(folder.c_str(), nullptr)) {
        std::string canonical(resolved);
        std::free(resolved);
        return canonical;
    }
    std::error_code ignored;
    std::string normal = std::filesystem::absolute(folder, ignored).lexically_normal().native();
    while (normal.size() > 1 && normal.back() == '/') {
        normal.pop_back();
    }
    return normal;
}

// FNV-1a: a stable name from bytes, whatever they are.
std::string HashOf(std::string_view bytes) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : bytes) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    }
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
    return hex;
}

// The socket's address; false when the path does not fit in one.
bool AddressOf(const std::string& path, sockaddr_un& address) {
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= kLongestSocketPath) {
        return false;
    }
    std::memcpy(address.sun_path, path.data(), path.size());
    return true;
}

int RemainingMs(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    return static_cast<int>(std::max<std::chrono::milliseconds::rep>(left.count(), 0));
}

// Waits until the descriptor is ready for `events`, or the deadline passes.
bool WaitFor(int fd, short events, Clock::time_point deadline) {
    for (;;) {
        pollfd p{fd, events, 0};
        const int n = ::poll(&p, 1, RemainingMs(deadline));
        if (n > 0) {
            return true;
        }
        if (n == 0 || errno != EINTR) {
            return false;
        }
    }
}

// A local socket connects at once or not at all: a busy copy's full backlog refuses the
// connection rather than holding it, and the later start asks again.
bool Connect(int fd, const sockaddr_un& address) {
    return ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
}

bool WriteAll(int fd, std::string_view data, Clock::time_point deadline) {
    while (!data.empty()) {
        const ssize_t n = ::send(fd, data.data(), data.size(), MSG_NOSIGNAL);
        if (n > 0) {
            data.remove_prefix(static_cast<std::size_t>(n));
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

// The first line the other end sends, with its line break; empty when none came in time.
std::string ReadLine(int fd, Clock::time_point deadline) {
    std::string line;
    while (line.find('\n') == std::string::npos && line.size() <= kLongestRaiseLine) {
        char buffer[kLongestRaiseLine];
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n > 0) {
            line.append(buffer, static_cast<std::size_t>(n));
        } else if (n == 0) {
            break;
        } else if (errno == EINTR) {
            continue;
        } else if ((errno != EAGAIN && errno != EWOULDBLOCK) || !WaitFor(fd, POLLIN, deadline)) {
            break;
        }
    }
    return line.substr(0, line.find('\n') + 1);
}

} // namespace

bool IsUsersPeer(int socket) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(socket, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
           peer.uid == ::geteuid();
}

std::string RaiseSocketPath(const std::string& settingsFolder) {
    for (const std::string& folder : SocketFolders()) {
        const std::string path = folder + "/" + HashOf(CanonicalFolder(settingsFolder));
        if (path.size() < kLongestSocketPath && IsPrivateFolder(folder)) {
            return path;
        }
    }
    return std::string();
}

std::string MakeRaiseSocketPath(const std::string& settingsFolder, std::string& why) {
    why.clear();
    for (const std::string& folder : SocketFolders()) {
        const std::string path = folder + "/" + HashOf(CanonicalFolder(settingsFolder));
        why += why.empty() ? "" : "; ";
        if (path.size() >= kLongestSocketPath) {
            why += path + ": the name is too long for a local socket";
        } else if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
            why += folder + ": " + std::strerror(errno);
        } else if (!IsPrivateFolder(folder)) {
            why += folder + ": not a folder of this user's alone";
        } else {
            return path;
        }
    }
    return std::string();
}

Descriptor ListenOnRaiseSocket(const std::string& path, std::string& why) {
    sockaddr_un address{};
    if (!AddressOf(path, address)) {
        why = path + ": the name is too long for a local socket";
        return Descriptor();
    }
    Descriptor fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (!fd.Valid() ||
        ::bind(fd.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        why = path + ": " + std::strerror(errno);
        return Descriptor();
    }
    if (::listen(fd.Get(), kPendingConnections) != 0) {
        why = path + ": " + std::strerror(errno);
        ::unlink(path.c_str());
        return Descriptor();
    }
    return fd;
}

OneRunningCopy::Answer AskToComeToFront(const std::string& path,
                                        std::chrono::milliseconds patience) {
    sockaddr_un address{};
    Descriptor fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (!AddressOf(path, address) || !fd.Valid() || !Connect(fd.Get(), address) ||
        !IsUsersPeer(fd.Get())) {
        return OneRunningCopy::Answer::NoCopy;
    }
    const Clock::time_point deadline = Clock::now() + patience;
    if (!WriteAll(fd.Get(), kRaiseRequest, deadline)) {
        return OneRunningCopy::Answer::Silent;
    }
    return ReadLine(fd.Get(), deadline) == kRaiseReply ? OneRunningCopy::Answer::Answered
                                                       : OneRunningCopy::Answer::Silent;
}
