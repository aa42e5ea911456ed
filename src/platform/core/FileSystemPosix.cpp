#include "platform/core/FileSystem.h"

#include "platform/core/CFile.h"
#include "platform/core/Utf.h"

#include <cerrno>
#include <csignal>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char32_t kEscapeBase = 0xDC00;
// Names of temporary files tried before a save gives up.
constexpr int kTemporaryNameAttempts = 64;
// A temporary file untouched this long belongs to no save that is still running.
constexpr std::time_t kStaleAfterSeconds = 600;

std::string DirectoryOf(const std::string& native) {
    const auto slash = native.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : native.substr(0, slash);
}

std::string NameOf(const std::string& native) {
    const auto slash = native.rfind('/');
    return slash == std::string::npos ? native : native.substr(slash + 1);
}

std::uint64_t SystemRandom() {
    std::random_device device;
    return static_cast<std::uint64_t>(device()) << 32 | device();
}

// The process id of a temporary name's rest "<digits>-<16 hex digits>", or -1.
pid_t TemporaryOwner(std::string_view rest) {
    const auto dash = rest.find('-');
    if (dash == 0 || dash == std::string_view::npos || dash > 9 || rest.size() != dash + 17) {
        return -1;
    }
    pid_t pid = 0;
    for (char c : rest.substr(0, dash)) {
        if (c < '0' || c > '9') {
            return -1;
        }
        pid = pid * 10 + (c - '0');
    }
    for (char c : rest.substr(dash + 1)) {
        if ((c < '0' || c > '9') && (c < 'a' || c > 'f')) {
            return -1;
        }
    }
    return pid;
}

bool ProcessRuns(pid_t pid) {
    return ::kill(pid, 0) == 0 || errno == EPERM;
}

// A limit on the size of the files the process writes (ulimit -f) ends the process by its
// signal by default, in the middle of a save, with the player's edits. Ignored, it makes the
// write fail instead, and the save fails as on a full disk. A handler the program set up
// itself is left in place.
bool FileSizeLimitFailsWrites() {
    struct sigaction current {};
    if (::sigaction(SIGXFSZ, nullptr, &current) != 0 || current.sa_handler != SIG_DFL) {
        return false;
    }
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    ::sigemptyset(&ignore.sa_mask);
    return ::sigaction(SIGXFSZ, &ignore, nullptr) == 0;
}

// As many links as the system itself follows before it calls the chain a loop.
constexpr int kMostLinks = 40;

// Whom the program trusts with the places it writes in: the effective user, and the
// administrator, who owns the system's own folders and links (/, /home, /var/run).
bool IsTrustedOwner(uid_t owner) {
    return owner == ::geteuid() || owner == 0;
}

// What a link says, or empty when it cannot be read.
std::string LinkTarget(const std::string& link) {
    std::string target(4096, '\0');
    const ssize_t n = ::readlink(link.c_str(), target.data(), target.size());
    if (n <= 0 || static_cast<std::size_t>(n) >= target.size()) {
        return {};
    }
    target.resize(static_cast<std::size_t>(n));
    return target;
}

std::string AbsolutePath(const std::string& path) {
    if (!path.empty() && path.front() == '/') {
        return path;
    }
    std::string cwd(4096, '\0');
    if (::getcwd(cwd.data(), cwd.size()) == nullptr) {
        return "/" + path;
    }
    cwd.resize(std::char_traits<char>::length(cwd.c_str()));
    return cwd + "/" + path;
}

// The next part of `rest` (taken off it), skipping empty parts and ".".
std::string NextPart(std::string& rest) {
    for (;;) {
        const auto start = rest.find_first_not_of('/');
        if (start == std::string::npos) {
            rest.clear();
            return {};
        }
        const auto end = rest.find('/', start);
        std::string part = rest.substr(start, end - start);
        rest = end == std::string::npos ? std::string() : rest.substr(end);
        if (part != ".") {
            return part;
        }
    }
}

} // namespace

CString PathFromNative(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        char32_t cp = 0;
        const std::size_t n = utf::DecodeUtf8(bytes, i, cp);
        if (n == 0) {
            out += static_cast<char16_t>(kEscapeBase + static_cast<unsigned char>(bytes[i]));
            ++i;
        } else {
            utf::AppendUtf16(out, cp);
            i += n;
        }
    }
    return CString(std::move(out));
}

std::string NativePath(const CString& path) {
    const std::u16string_view text = path.Str();
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        char32_t cp = utf::NextUtf16(text, i);
        if (cp >= kEscapeBase + 0x80 && cp <= kEscapeBase + 0xFF) {
            out += static_cast<char>(cp - kEscapeBase);
            continue;
        }
        if (utf::IsSurrogate(cp)) {
            cp = 0xFFFD; // no byte of a file name gives this; it has no bytes to go back to
        }
        utf::AppendUtf8(out, cp);
    }
    return out;
}

FileHandle OsOpenFile(const CString& path, unsigned nOpenFlags, int* error) {
    // Not blocking: a pipe without a writer would hold the open for ever. Only what turns
    // out to be a regular file is kept, and for such a file the flag changes nothing.
    int flags = O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
    switch (nOpenFlags & 3U) {
    case CFile::modeWrite:
        flags |= O_WRONLY;
        break;
    case CFile::modeReadWrite:
        flags |= O_RDWR;
        break;
    default:
        flags |= O_RDONLY;
        break;
    }
    if ((nOpenFlags & CFile::modeCreate) != 0) {
        flags |= O_CREAT;
        if ((nOpenFlags & CFile::modeNoTruncate) == 0) {
            flags |= O_TRUNC;
        }
    }
    const std::string native = NativePath(path);
    int fd = -1;
    do {
        fd = ::open(native.c_str(), flags, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        *error = errno;
        return kNoFileHandle;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        *error = S_ISDIR(st.st_mode) ? EISDIR : ENODEV;
        ::close(fd);
        return kNoFileHandle;
    }
    return fd;
}

std::int64_t OsReadFile(FileHandle h, void* buffer, std::size_t count, int* error) {
    for (;;) {
        const ssize_t n = ::read(static_cast<int>(h), buffer, count);
        if (n >= 0) {
            return n;
        }
        if (errno != EINTR) {
            *error = errno;
            return -1;
        }
    }
}

std::int64_t OsWriteFile(FileHandle h, const void* buffer, std::size_t count, int* error) {
    const auto* bytes = static_cast<const char*>(buffer);
    std::size_t done = 0;
    while (done < count) {
        const ssize_t n = ::write(static_cast<int>(h), bytes + done, count - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            *error = errno;
            return -1;
        }
        done += static_cast<std::size_t>(n);
    }
    return static_cast<std::int64_t>(done);
}

std::int64_t OsSeekFile(FileHandle h, std::int64_t offset, int whence) {
    const int how = whence == 1 ? SEEK_CUR : whence == 2 ? SEEK_END : SEEK_SET;
    return ::lseek(static_cast<int>(h), static_cast<off_t>(offset), how);
}

bool OsFlushFile(FileHandle h) {
    return ::fsync(static_cast<int>(h)) == 0;
}

bool OsCloseFile(FileHandle h) {
    return ::close(static_cast<int>(h)) == 0;
}

std::int64_t OsFileLength(FileHandle h) {
    struct stat st {};
    return ::fstat(static_cast<int>(h), &st) == 0 ? static_cast<std::int64_t>(st.st_size) : -1;
}

std::int64_t OsFilePosition(FileHandle h) {
    return ::lseek(static_cast<int>(h), 0, SEEK_CUR);
}

bool OsIsDiskFull(int error) {
    return error == ENOSPC || error == EDQUOT;
}

bool OsIsNotFound(int error) {
    // A file where a directory of the path should be: no such file either.
    return error == ENOENT || error == ENOTDIR;
}

bool OsIsAccessDenied(int error) {
    return error == EACCES || error == EPERM || error == EROFS;
}

bool OsIsNotAFile(int error) {
    return error == EISDIR || error == ENODEV || error == ENXIO;
}

bool OsGetFileAttributes(FileHandle h, FileAttributes& attributes) {
    struct stat st {};
    if (::fstat(static_cast<int>(h), &st) != 0) {
        return false;
    }
    attributes = {st.st_mode & 0777U, st.st_uid, st.st_gid};
    return true;
}

bool GetFileAttributesOf(const CString& path, FileAttributes& attributes) {
    struct stat st {};
    if (::stat(NativePath(path).c_str(), &st) != 0) {
        return false;
    }
    attributes = {st.st_mode & 0777U, st.st_uid, st.st_gid};
    return true;
}

bool OsSetFileAttributes(FileHandle h, const FileAttributes& attributes) {
    const int fd = static_cast<int>(h);
    struct stat st {};
    if (attributes.owner >= 0 && ::fstat(fd, &st) == 0 &&
        (static_cast<std::int64_t>(st.st_uid) != attributes.owner ||
         static_cast<std::int64_t>(st.st_gid) != attributes.group)) {
        // Only an administrator may give a file away; for anyone else this changes nothing.
        [[maybe_unused]] const int ignored = ::fchown(fd, static_cast<uid_t>(attributes.owner),
                                                      static_cast<gid_t>(attributes.group));
    }
    return ::fchmod(fd, static_cast<mode_t>(attributes.mode & 0777U)) == 0;
}

bool FileExists(const CString& path) {
    struct stat st {};
    return ::lstat(NativePath(path).c_str(), &st) == 0;
}

bool IsOwnDirectory(const CString& directory) {
    struct stat st {};
    if (::lstat("/", &st) != 0 || !IsTrustedOwner(st.st_uid)) {
        return false;
    }
    // Walks the path as the system resolves it, one part at a time, so that every directory
    // and link on the way is seen; what does not exist yet would be made by the program.
    std::string rest = AbsolutePath(NativePath(directory));
    std::string reached; // the directory reached so far; empty for "/"
    int links = 0;
    for (std::string part = NextPart(rest); !part.empty(); part = NextPart(rest)) {
        if (part == "..") {
            reached = reached.substr(0, reached.empty() ? 0 : reached.rfind('/'));
            continue;
        }
        const std::string next = reached + "/" + part;
        if (::lstat(next.c_str(), &st) != 0) {
            return errno == ENOENT || errno == ENOTDIR;
        }
        if (!IsTrustedOwner(st.st_uid)) {
            return false;
        }
        if (S_ISLNK(st.st_mode)) {
            const std::string target = LinkTarget(next);
            if (target.empty() || ++links > kMostLinks) {
                return false;
            }
            rest = target + "/" + rest;
            if (target.front() == '/') {
                reached.clear();
            }
            continue;
        }
        if (!S_ISDIR(st.st_mode)) {
            return true; // no directory can be made there, by anyone
        }
        reached = next;
    }
    return true;
}

bool FollowsOwnLinksOnly(const CString& path) {
    std::string current = NativePath(path);
    for (int hop = 0; hop < kMostLinks; ++hop) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            return true;
        }
        if (st.st_uid != ::geteuid()) {
            return false;
        }
        const std::string target = LinkTarget(current);
        if (target.empty()) {
            return true; // leads nowhere the program could follow
        }
        current = target.front() == '/' ? target : DirectoryOf(current) + "/" + target;
    }
    return true;
}

bool MayReplaceFile(const CString& path) {
    const std::string native = NativePath(path);
    struct stat st {};
    if (::stat(native.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        return true;
    }
    if (::geteuid() == 0) {
        return (st.st_mode & 0222U) != 0;
    }
    return ::faccessat(AT_FDCWD, native.c_str(), W_OK, AT_EACCESS) == 0 || errno == EROFS;
}

bool CreateDirectoryPath(const CString& path) {
    if (!IsOwnDirectory(path)) {
        return false;
    }
    const std::string native = NativePath(path);
    for (std::size_t i = 1; i <= native.size(); ++i) {
        if (i == native.size() || native[i] == '/') {
            const std::string prefix = native.substr(0, i);
            // The user's data and settings are the user's alone.
            if (::mkdir(prefix.c_str(), 0700) != 0 && errno != EEXIST) {
                return false;
            }
        }
    }
    struct stat st {};
    return ::stat(native.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool ReplaceFileAtomically(const CString& from, const CString& to) {
    const std::string target = NativePath(to);
    if (::rename(NativePath(from).c_str(), target.c_str()) != 0) {
        return false;
    }
    // The rename itself lives in the directory; make it durable too.
    const int fd = ::open(DirectoryOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
    return true;
}

bool RemoveFile(const CString& path) {
    return ::unlink(NativePath(path).c_str()) == 0;
}

CString FinalPathOf(const CString& path) {
    std::string current = NativePath(path);
    for (int hop = 0; hop < kMostLinks; ++hop) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            break;
        }
        const std::string target = LinkTarget(current);
        if (target.empty()) {
            break;
        }
        current = target.front() == '/' ? target : DirectoryOf(current) + "/" + target;
    }
    return PathFromNative(current);
}

FileHandle CreateTemporaryBeside(const CString& path, CString& tempPath, int* error,
                                 std::uint64_t (*random)()) {
    static const char kHex[] = "0123456789abcdef";
    [[maybe_unused]] static const bool sizeLimitFailsWrites = FileSizeLimitFailsWrites();
    const std::string prefix = NativePath(path) + ".tmp" + std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        std::uint64_t bits = random != nullptr ? random() : SystemRandom();
        std::string name = prefix;
        for (int i = 0; i < 16; ++i, bits >>= 4) {
            name += kHex[bits & 0xF];
        }
        int fd = -1;
        do {
            fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        } while (fd < 0 && errno == EINTR);
        if (fd >= 0) {
            tempPath = PathFromNative(name);
            return fd;
        }
        *error = errno;
        if (errno != EEXIST) {
            break;
        }
    }
    return kNoFileHandle;
}

std::vector<CString> FilesNamedLike(const CString& path) {
    const std::string native = NativePath(path);
    const std::string dir = DirectoryOf(native);
    const std::string prefix = NameOf(native);
    const std::string before = dir == "/" ? dir : dir + "/";
    std::vector<CString> names;
    DIR* listing = ::opendir(dir.c_str());
    if (listing == nullptr) {
        return names;
    }
    while (const dirent* entry = ::readdir(listing)) {
        struct stat st {};
        if (std::string_view(entry->d_name).substr(0, prefix.size()) == prefix &&
            ::fstatat(::dirfd(listing), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 &&
            (S_ISREG(st.st_mode) || S_ISLNK(st.st_mode))) {
            names.push_back(PathFromNative(before + entry->d_name));
        }
    }
    ::closedir(listing);
    return names;
}

void RemoveStaleTemporariesBeside(const CString& path) {
    const std::string native = NativePath(path);
    const std::string prefix = NameOf(native) + ".tmp";
    DIR* dir = ::opendir(DirectoryOf(native).c_str());
    if (dir == nullptr) {
        return;
    }
    const int dirFd = ::dirfd(dir);
    const std::time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name(entry->d_name);
        if (name.substr(0, prefix.size()) != prefix) {
            continue;
        }
        const pid_t owner = TemporaryOwner(name.substr(prefix.size()));
        struct stat st {};
        if (owner <= 0 || owner == ::getpid() || ProcessRuns(owner) ||
            ::fstatat(dirFd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISREG(st.st_mode) || st.st_uid != ::geteuid() ||
            now - st.st_mtime < kStaleAfterSeconds) {
            continue;
        }
        ::unlinkat(dirFd, entry->d_name, 0);
    }
    ::closedir(dir);
}
