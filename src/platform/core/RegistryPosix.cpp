// The registry functions over the per-user hive file. Every call reads the file afresh
// under an exclusive lock, and every change is written through at once (a replacement file
// renamed over the hive), so that two running programs never undo each other's values.
// A hive that is not such a text (or larger than any the program writes) is kept aside as
// "registry.reg.damaged" (a later one as "registry.reg.damaged.2" and on, the last ten kept)
// and the registry starts empty, so that every setting falls back to its default. A hive in a
// place of another user (an administrator run with a user's home) is only read. A hive that is
// there but cannot be read (no permission, not a regular file) is left exactly as it is: its values
// read as absent and every change fails. The lock is waited for a few seconds at most: without it
// values are still read, but nothing is changed.
// A key opened for reading alone (KEY_READ) never changes the file or its folder: a damaged hive
// reads as empty but stays where it is, and no lock file is made for it.
#include "platform/core/Registry.h"

#include "platform/core/AtomicFile.h"
#include "platform/core/CFile.h"
#include "platform/core/DamagedCopies.h"
#include "platform/core/KnownFolders.h"
#include "platform/core/RegistryHive.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <new>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr std::size_t kMaxKeyNameLength = 255;

struct PredefinedKey {
    HKEY handle;
    const char16_t* name;
};

const PredefinedKey* PredefinedKeys() {
    static const PredefinedKey keys[] = {
        {HKEY_CLASSES_ROOT, u"HKEY_CLASSES_ROOT"},
        {HKEY_CURRENT_USER, u"HKEY_CURRENT_USER"},
        {HKEY_LOCAL_MACHINE, u"HKEY_LOCAL_MACHINE"},
        {HKEY_USERS, u"HKEY_USERS"},
        {nullptr, nullptr},
    };
    return keys;
}

// An open key: its full path and the access it was opened with.
struct OpenKey {
    std::u16string path;
    REGSAM access = KEY_ALL_ACCESS;
};

// The open keys of this process. The predefined keys are always open, with every access.
class HandleTable {
public:
    HKEY Add(std::u16string path, REGSAM access) {
        const std::lock_guard lock(m_mutex);
        m_next += 4;
        m_keys.emplace(m_next, OpenKey{std::move(path), access});
        return reinterpret_cast<HKEY>(m_next);
    }
    std::optional<OpenKey> Find(HKEY h) {
        for (const PredefinedKey* k = PredefinedKeys(); k->name != nullptr; ++k) {
            if (k->handle == h) {
                return OpenKey{k->name, KEY_ALL_ACCESS};
            }
        }
        const std::lock_guard lock(m_mutex);
        const auto it = m_keys.find(reinterpret_cast<std::uintptr_t>(h));
        return it == m_keys.end() ? std::nullopt : std::optional<OpenKey>(it->second);
    }
    std::optional<std::u16string> PathOf(HKEY h) {
        const std::optional<OpenKey> key = Find(h);
        return key ? std::optional<std::u16string>(key->path) : std::nullopt;
    }
    bool Remove(HKEY h) {
        const std::lock_guard lock(m_mutex);
        return m_keys.erase(reinterpret_cast<std::uintptr_t>(h)) == 1;
    }

private:
    std::mutex m_mutex;
    std::uintptr_t m_next = 0x1000;
    std::map<std::uintptr_t, OpenKey> m_keys;
};

// Built on first use and never destroyed: a key object with static storage (the application
// object's settings key) may close its key while the process exits, after every static
// object constructed later than it, a table built on first use among them, is gone.
HandleTable& Handles() {
    alignas(HandleTable) static unsigned char storage[sizeof(HandleTable)];
    static HandleTable* const table = new (storage) HandleTable;
    return *table;
}

bool IsPredefined(HKEY h) {
    for (const PredefinedKey* k = PredefinedKeys(); k->name != nullptr; ++k) {
        if (k->handle == h) {
            return true;
        }
    }
    return false;
}

// How long a session waits for the lock that another program holds; once a wait has run
// out, later sessions wait only briefly until the lock is taken again, so that start-up
// is not held up by every one of its reads.
constexpr std::chrono::milliseconds kLockPatience{3000};
constexpr std::chrono::milliseconds kLockPatienceAfterTimeout{250};
bool g_lockTimedOut = false;

// What a look at the hive file found.
enum class HiveFile { absent, read, damaged, unreadable };

HiveFile ReadHiveFile(const CString& path, std::string& bytes) {
    CFile file;
    CFileException error;
    if (!file.Open(path, CFile::modeRead, &error)) {
        return error.m_cause == CFileException::fileNotFound ? HiveFile::absent
                                                             : HiveFile::unreadable;
    }
    try {
        // One byte past the limit tells a file that is too large, however large it is.
        const std::size_t limit = CRegistryHive::kMaxFileBytes + 1;
        char buffer[16384];
        while (bytes.size() < limit) {
            const UINT n =
                file.Read(buffer, static_cast<UINT>(std::min(sizeof buffer, limit - bytes.size())));
            if (n == 0) {
                break;
            }
            bytes.append(buffer, n);
        }
    } catch (const CFileException&) {
        return HiveFile::unreadable;
    }
    return bytes.size() > CRegistryHive::kMaxFileBytes ? HiveFile::damaged : HiveFile::read;
}

// The lock file beside the hive, opened without following a link or waiting on a pipe, and
// made when it is not there and `create` says so; -1 when it cannot be had.
int OpenLockFile(const CString& hivePath, bool create) {
    const int fd =
        ::open(NativePath(hivePath + CString(".lock")).c_str(),
               O_RDWR | (create ? O_CREAT : 0) | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
    struct stat st {};
    if (fd >= 0 && (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool TakeLock(int fd) {
    const auto deadline = std::chrono::steady_clock::now() +
                          (g_lockTimedOut ? kLockPatienceAfterTimeout : kLockPatience);
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            g_lockTimedOut = false;
            return true;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            return false;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            g_lockTimedOut = true;
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

// What a look at the hive is for: a change, a read, or a read through a key opened for
// reading alone, which leaves every file as it is.
enum class Purpose { change, read, readOnly };

// The purpose of a read through a key opened with these rights.
Purpose ReadWith(REGSAM access) {
    return (access & (KEY_WRITE & ~KEY_READ)) == 0 ? Purpose::readOnly : Purpose::read;
}

// One look at the hive: the lock is held, and the file read, from construction to
// destruction.
class HiveSession {
public:
    explicit HiveSession(Purpose purpose) : m_path(GetRegistryHivePath()) {
        // In a place of another user the hive is only read: no folder, lock or file is made
        // there, and nothing is renamed.
        const bool own = GetSettingsPlaceOfAnotherUser().IsEmpty();
        const int slash = m_path.ReverseFind(u'/');
        if (own && purpose == Purpose::change && slash > 0) {
            CreateDirectoryPath(m_path.Left(slash));
        }
        m_lockFd = own ? OpenLockFile(m_path, purpose != Purpose::readOnly) : -1;
        const bool locked = m_lockFd >= 0 && TakeLock(m_lockFd);
        const bool mayMove = locked && purpose != Purpose::readOnly;
        std::string bytes;
        switch (ReadHiveFile(m_path, bytes)) {
        case HiveFile::absent:
            m_writable = locked;
            break;
        case HiveFile::unreadable:
            // Neither rewritten nor set aside: the player's file is left as it is.
            break;
        case HiveFile::read:
            if (m_hive.Parse(bytes)) {
                m_writable = locked;
                break;
            }
            [[fallthrough]];
        case HiveFile::damaged:
            // Kept for the player to look at, beside the file that holds it (a link to it
            // stays, and the next change writes a new hive where it leads); the settings
            // start from their defaults. Without the lock nothing is moved.
            m_hive = CRegistryHive();
            if (mayMove) {
                const CString damaged = FinalPathOf(m_path);
                m_writable = ReplaceFileAtomically(damaged, NextDamagedCopyPath(damaged));
                RemoveOldDamagedCopies(damaged);
            }
            break;
        }
    }
    ~HiveSession() {
        if (m_lockFd >= 0) {
            ::flock(m_lockFd, LOCK_UN);
            ::close(m_lockFd);
        }
    }
    HiveSession(const HiveSession&) = delete;
    HiveSession& operator=(const HiveSession&) = delete;

    CRegistryHive& Hive() { return m_hive; }

    // Writes the hive through: a reader sees the old file or the new one, never a mixture.
    // Fails without the lock, over a hive that could not be read, and when the file would
    // be larger than the reader takes.
    bool Commit() {
        const std::string text = m_hive.Format();
        if (!m_writable || text.size() > CRegistryHive::kMaxFileBytes) {
            return false;
        }
        CAtomicFile file;
        // A hive of keys alone (the settings key that the first start creates) holds nothing
        // that a crash could lose: it is not worth waiting for the disk, which would hold up
        // the first window. The next value written is waited for as always.
        file.SetWaitForDisk(HoldsValues());
        if (!file.Open(m_path, CFile::modeCreate | CFile::modeWrite)) {
            return false;
        }
        try {
            file.Write(text.data(), static_cast<UINT>(text.size()));
        } catch (const CFileException&) {
            return false;
        }
        return file.Commit();
    }

private:
    bool HoldsValues() const {
        const auto& keys = m_hive.Keys();
        return std::any_of(keys.begin(), keys.end(),
                           [](const CRegistryHive::Key& key) { return !key.values.empty(); });
    }

    CString m_path;
    int m_lockFd = -1;
    bool m_writable = false;
    CRegistryHive m_hive;
};

std::u16string SubPath(LPCWSTR lpSubKey) {
    return lpSubKey == nullptr ? std::u16string() : CRegistryHive::NormalizePath(lpSubKey);
}

// What the system registry refuses in a path below an open key: a leading separator (an
// absolute path), and a key name longer than 255 characters.
LSTATUS CheckSubPath(LPCWSTR lpSubKey) {
    if (lpSubKey == nullptr) {
        return ERROR_SUCCESS;
    }
    const std::u16string_view path(lpSubKey);
    if (!path.empty() && path.front() == u'\\') {
        return ERROR_BAD_PATHNAME;
    }
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find(u'\\', start);
        if (end == std::u16string_view::npos) {
            end = path.size();
        }
        if (end - start > kMaxKeyNameLength) {
            return ERROR_INVALID_PARAMETER;
        }
        start = end + 1;
    }
    return ERROR_SUCCESS;
}

bool IsStringType(DWORD type) {
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

std::u16string Join(const std::u16string& parent, const std::u16string& sub) {
    return sub.empty() ? parent : parent + u'\\' + sub;
}

// The full path of the sub-key named below hKey. The result slot is cleared first, as the
// system's own functions clear it before they can fail.
LSTATUS ResolveSubKey(HKEY hKey, LPCWSTR lpSubKey, PHKEY phkResult, std::u16string& path) {
    const std::optional<std::u16string> parent = Handles().PathOf(hKey);
    *phkResult = nullptr;
    if (!parent) {
        return ERROR_INVALID_HANDLE;
    }
    if (const LSTATUS refused = CheckSubPath(lpSubKey); refused != ERROR_SUCCESS) {
        return refused;
    }
    path = Join(*parent, SubPath(lpSubKey));
    return ERROR_SUCCESS;
}

} // namespace

LSTATUS RegOpenKeyExW(HKEY hKey, LPCWSTR lpSubKey, DWORD /*ulOptions*/, REGSAM samDesired,
                      PHKEY phkResult) {
    if (phkResult == nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    std::u16string path;
    if (const LSTATUS refused = ResolveSubKey(hKey, lpSubKey, phkResult, path);
        refused != ERROR_SUCCESS) {
        return refused;
    }
    HiveSession session(ReadWith(samDesired));
    if (!session.Hive().KeyExists(path)) {
        return ERROR_FILE_NOT_FOUND;
    }
    *phkResult = Handles().Add(path, samDesired);
    return ERROR_SUCCESS;
}

LSTATUS RegCreateKeyExW(HKEY hKey, LPCWSTR lpSubKey, DWORD /*Reserved*/, LPWSTR /*lpClass*/,
                        DWORD /*dwOptions*/, REGSAM samDesired,
                        const LPSECURITY_ATTRIBUTES /*lpSecurityAttributes*/, PHKEY phkResult,
                        LPDWORD lpdwDisposition) {
    if (phkResult == nullptr || lpSubKey == nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    std::u16string path;
    if (const LSTATUS refused = ResolveSubKey(hKey, lpSubKey, phkResult, path);
        refused != ERROR_SUCCESS) {
        return refused;
    }
    if (!CRegistryHive::CanStore(path, nullptr)) {
        return ERROR_CANTWRITE; // a name the hive file cannot give back
    }
    HiveSession session(Purpose::change);
    DWORD disposition = REG_OPENED_EXISTING_KEY;
    if (!session.Hive().KeyExists(path)) {
        session.Hive().CreateKey(path);
        if (!session.Commit()) {
            return ERROR_ACCESS_DENIED;
        }
        disposition = REG_CREATED_NEW_KEY;
    }
    if (lpdwDisposition != nullptr) {
        *lpdwDisposition = disposition;
    }
    *phkResult = Handles().Add(path, samDesired);
    return ERROR_SUCCESS;
}

LSTATUS RegQueryValueExW(HKEY hKey, LPCWSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType,
                         LPBYTE lpData, LPDWORD lpcbData) {
    if ((lpData != nullptr && lpcbData == nullptr) || lpReserved != nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    const std::optional<OpenKey> key = Handles().Find(hKey);
    if (!key) {
        return ERROR_INVALID_HANDLE;
    }
    if ((key->access & KEY_QUERY_VALUE) == 0) {
        return ERROR_ACCESS_DENIED;
    }
    HiveSession session(ReadWith(key->access));
    const CRegistryHive::Value* value =
        session.Hive().FindValue(key->path, lpValueName == nullptr ? u"" : lpValueName);
    if (value == nullptr) {
        return ERROR_FILE_NOT_FOUND;
    }
    if (lpType != nullptr) {
        *lpType = value->type;
    }
    const auto size = static_cast<DWORD>(value->data.size());
    if (lpData != nullptr) {
        if (*lpcbData < size) {
            *lpcbData = size;
            return ERROR_MORE_DATA;
        }
        if (size > 0) {
            std::memcpy(lpData, value->data.data(), size);
        }
        // As the system registry does: a stored text whose last character is not a null
        // gets one after it when the buffer has room, so that a reader of the buffer stops.
        if (IsStringType(value->type) && size >= 2 && *lpcbData >= size + 2 &&
            (value->data[size - 2] != 0 || value->data[size - 1] != 0)) {
            lpData[size] = 0;
            lpData[size + 1] = 0;
        }
    }
    if (lpcbData != nullptr) {
        *lpcbData = size;
    }
    return ERROR_SUCCESS;
}

LSTATUS RegSetValueExW(HKEY hKey, LPCWSTR lpValueName, DWORD /*Reserved*/, DWORD dwType,
                       const BYTE* lpData, DWORD cbData) {
    if (lpData == nullptr && cbData > 0) {
        return ERROR_NOACCESS;
    }
    const std::optional<OpenKey> key = Handles().Find(hKey);
    if (!key) {
        return ERROR_INVALID_HANDLE;
    }
    if ((key->access & KEY_SET_VALUE) == 0) {
        return ERROR_ACCESS_DENIED;
    }
    CRegistryHive::Value value;
    value.name = lpValueName == nullptr ? u"" : lpValueName;
    value.type = dwType;
    if (cbData > 0) {
        value.data.assign(lpData, lpData + cbData);
    }
    // A value the hive file cannot give back whole would make the whole file damage at the
    // next read, and every setting lost.
    if (!CRegistryHive::CanStore(key->path, &value)) {
        return ERROR_CANTWRITE;
    }
    HiveSession session(Purpose::change);
    session.Hive().SetValue(key->path, std::move(value));
    return session.Commit() ? ERROR_SUCCESS : ERROR_ACCESS_DENIED;
}

LSTATUS RegCloseKey(HKEY hKey) {
    if (IsPredefined(hKey)) {
        return ERROR_SUCCESS;
    }
    return Handles().Remove(hKey) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}
