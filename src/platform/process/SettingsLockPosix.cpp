#include "platform/process/SettingsLock.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

namespace {

bool IsUsersDirectory(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid();
}

// Makes the missing folders of `path` for the user alone, when the nearest one that exists
// is the user's: nothing is made in a place of someone else's.
bool MakeInUsersPlace(const std::string& path) {
    std::string existing = path;
    struct stat st {};
    while (::stat(existing.c_str(), &st) != 0 && errno == ENOENT) {
        const auto slash = existing.find_last_of('/');
        if (slash == std::string::npos) {
            return false;
        }
        existing.resize(slash == 0 ? 1 : slash);
    }
    if (!IsUsersDirectory(existing)) {
        return false;
    }
    for (auto slash = path.find('/', existing.size() + 1);; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
            return false;
        }
        if (slash == std::string::npos) {
            return true;
        }
    }
}

} // namespace

Descriptor SettingsLock::OpenFolder() {
    constexpr int kFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;
    Descriptor folder(::open(m_folder.c_str(), kFlags));
    if (!folder.Valid() && errno == ENOENT) {
        if (!MakeInUsersPlace(m_folder)) {
            m_why = m_folder + ": the settings folder is missing, and it is not this user's "
                               "place to make it";
            return folder;
        }
        folder = Descriptor(::open(m_folder.c_str(), kFlags));
    }
    if (!folder.Valid()) {
        m_why = m_folder + ": " + std::strerror(errno);
    }
    return folder;
}

// The lock file, made when the folder is the user's; else the folder itself stands for it
// when it holds none (root with another user's home, which it must not write to, may still
// read the folder). Never through a link, never a pipe to wait on.
Descriptor SettingsLock::OpenLockFile(const Descriptor& folder) {
    constexpr int kFlags = O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
    struct stat folderStat {};
    ::fstat(folder.Get(), &folderStat);
    const bool usersFolder = folderStat.st_uid == ::geteuid();
    Descriptor file(::openat(folder.Get(), kFileName, kFlags));
    if (!file.Valid() && errno == ENOENT && usersFolder) {
        file = Descriptor(::openat(folder.Get(), kFileName, kFlags | O_CREAT, 0600));
    }
    if (!file.Valid() && (errno == ENOENT || errno == EACCES || errno == EROFS)) {
        return Descriptor(::fcntl(folder.Get(), F_DUPFD_CLOEXEC, 0));
    }
    struct stat st {};
    if (!file.Valid() || ::fstat(file.Get(), &st) != 0) {
        m_why = m_folder + "/" + kFileName + ": " + std::strerror(errno);
        return Descriptor();
    }
    if (!S_ISREG(st.st_mode) || (usersFolder && st.st_uid != ::geteuid())) {
        m_why = m_folder + "/" + kFileName + ": not a file of this user's";
        return Descriptor();
    }
    return file;
}

SettingsLock::Take SettingsLock::TryTake() {
    m_why.clear();
    const Descriptor folder = OpenFolder();
    Descriptor lock = folder.Valid() ? OpenLockFile(folder) : Descriptor();
    if (!lock.Valid()) {
        return Take::Unavailable;
    }
    while (::flock(lock.Get(), LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK) {
            return Take::HeldElsewhere;
        }
        if (errno != EINTR) {
            m_why = m_folder + ": " + std::strerror(errno);
            return Take::Unavailable;
        }
    }
    m_lock = std::move(lock);
    return Take::Taken;
}
