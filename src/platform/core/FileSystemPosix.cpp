#include "FileSystem.h"

#include "CFile.h"

#include <cerrno>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string NativePath(const CString& path) {
    return path.ToUtf8();
}

} // namespace

FileHandle OsOpenFile(const CString& path, unsigned nOpenFlags, int* error) {
    int flags = O_CLOEXEC;
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
    int fd = -1;
    do {
        fd = ::open(NativePath(path).c_str(), flags, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        *error = errno;
        return kNoFileHandle;
    }
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        *error = EISDIR;
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
    return error == ENOENT;
}

bool OsIsAccessDenied(int error) {
    return error == EACCES || error == EPERM || error == EROFS;
}

bool FileExists(const CString& path) {
    struct stat st {};
    return ::lstat(NativePath(path).c_str(), &st) == 0;
}

bool CreateDirectoryPath(const CString& path) {
    const std::string native = NativePath(path);
    for (std::size_t i = 1; i <= native.size(); ++i) {
        if (i == native.size() || native[i] == '/') {
            const std::string prefix = native.substr(0, i);
            if (::mkdir(prefix.c_str(), 0777) != 0 && errno != EEXIST) {
                return false;
            }
        }
    }
    struct stat st {};
    return ::stat(native.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool ReplaceFileAtomically(const CString& from, const CString& to) {
    if (::rename(NativePath(from).c_str(), NativePath(to).c_str()) != 0) {
        return false;
    }
    // The rename itself lives in the directory; make it durable too.
    const std::string native = NativePath(to);
    const auto slash = native.rfind('/');
    const std::string dir = slash == std::string::npos ? "." : native.substr(0, slash + 1);
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
    return true;
}

bool RemoveFile(const CString& path) {
    return ::unlink(NativePath(path).c_str()) == 0;
}

CString TemporaryPathBeside(const CString& path) {
    // The process id keeps two programs (or a parent and its fork) apart; the counter and
    // the random part keep the names of one process apart.
    thread_local std::mt19937_64 generator{std::random_device{}()};
    for (;;) {
        const std::string suffix =
            ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(generator() % 1000000U);
        CString candidate = path + CString::FromUtf8(suffix);
        if (!FileExists(candidate)) {
            return candidate;
        }
    }
}
