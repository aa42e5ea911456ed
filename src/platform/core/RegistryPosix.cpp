// The registry functions over the per-user hive file. Every call reads the file afresh
// under an exclusive lock, and every change is written through at once (temporary file,
// flushed, renamed over the hive), so that two running programs never undo each other's
// values. A hive that cannot be read is kept aside as "registry.reg.damaged" and the
// registry starts empty, so that every setting falls back to its default.
#include "Registry.h"

#include "CFile.h"
#include "KnownFolders.h"
#include "RegistryHive.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <new>
#include <optional>
#include <sys/file.h>
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

std::optional<std::string> ReadWholeFile(const CString& path) {
    CFile file;
    if (!file.Open(path, CFile::modeRead)) {
        return std::nullopt;
    }
    std::string bytes;
    try {
        char buffer[16384];
        for (UINT n = file.Read(buffer, sizeof buffer); n > 0;
             n = file.Read(buffer, sizeof buffer)) {
            bytes.append(buffer, n);
        }
    } catch (const CFileException&) {
        return std::nullopt;
    }
    return bytes;
}

// One look at the hive: the lock is held, and the file read, from construction to
// destruction.
class HiveSession {
public:
    explicit HiveSession(bool forChange) : m_path(GetRegistryHivePath()) {
        const int slash = m_path.ReverseFind(u'/');
        if (forChange && slash > 0) {
            CreateDirectoryPath(m_path.Left(slash));
        }
        const std::string lockPath = (m_path + CString(".lock")).ToUtf8();
        m_lockFd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (m_lockFd >= 0) {
            while (::flock(m_lockFd, LOCK_EX) != 0 && errno == EINTR) {
            }
        }
        const std::optional<std::string> bytes = ReadWholeFile(m_path);
        if (bytes && !m_hive.Parse(*bytes)) {
            // Kept for the player to look at; the settings start from their defaults.
            ReplaceFileAtomically(m_path, m_path + CString(".damaged"));
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
    bool Commit() {
        const CString temp = TemporaryPathBeside(m_path);
        CFile file;
        if (!file.Open(temp, CFile::modeCreate | CFile::modeWrite)) {
            return false;
        }
        const std::string text = m_hive.Format();
        try {
            file.Write(text.data(), static_cast<UINT>(text.size()));
            file.Flush();
            file.Close();
        } catch (const CFileException&) {
            file.Abort();
            RemoveFile(temp);
            return false;
        }
        if (!ReplaceFileAtomically(temp, m_path)) {
            RemoveFile(temp);
            return false;
        }
        return true;
    }

private:
    CString m_path;
    int m_lockFd = -1;
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
    HiveSession session(false);
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
    HiveSession session(true);
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
    HiveSession session(false);
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
    HiveSession session(true);
    session.Hive().SetValue(key->path, std::move(value));
    return session.Commit() ? ERROR_SUCCESS : ERROR_ACCESS_DENIED;
}

LSTATUS RegCloseKey(HKEY hKey) {
    if (IsPredefined(hKey)) {
        return ERROR_SUCCESS;
    }
    return Handles().Remove(hKey) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}
