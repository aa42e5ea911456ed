#include "platform/core/FileSystem.h"

#include "platform/core/CFile.h"
#include "platform/core/Win32Api.h"

#include <algorithm>
#include <limits>
#include <random>
#include <string>

namespace {

// Names of temporary files tried before a save gives up.
constexpr int kTemporaryNameAttempts = 64;
// A temporary file untouched this long (in the file system's 100 ns units: ten minutes)
// belongs to no save that is still running.
constexpr std::uint64_t kStaleAfter = 600ULL * 10000000ULL;

const wchar_t* Wide(const CString& text) {
    return reinterpret_cast<const wchar_t*>(text.GetString());
}

HANDLE AsHandle(FileHandle h) {
    return reinterpret_cast<HANDLE>(h);
}

bool IsSeparator(char16_t c) {
    return c == u'\\' || c == u'/';
}

// The length of the directory part of a path, its last separator included.
std::size_t DirectoryLength(std::u16string_view path) {
    std::size_t slash = path.size();
    while (slash > 0 && !IsSeparator(path[slash - 1])) {
        --slash;
    }
    return slash;
}

std::uint64_t SystemRandom() {
    std::random_device device;
    return static_cast<std::uint64_t>(device()) << 32 | device();
}

std::uint64_t AsNumber(const FILETIME& time) {
    return static_cast<std::uint64_t>(time.dwHighDateTime) << 32 | time.dwLowDateTime;
}

// The process id of a temporary name's rest "<digits>-<16 hex digits>", or 0.
DWORD TemporaryOwner(std::u16string_view rest) {
    const auto dash = rest.find(u'-');
    if (dash == 0 || dash == std::u16string_view::npos || dash > 9 || rest.size() != dash + 17) {
        return 0;
    }
    DWORD pid = 0;
    for (char16_t c : rest.substr(0, dash)) {
        if (c < u'0' || c > u'9') {
            return 0;
        }
        pid = pid * 10 + (c - u'0');
    }
    for (char16_t c : rest.substr(dash + 1)) {
        if ((c < u'0' || c > u'9') && (c < u'a' || c > u'f')) {
            return 0;
        }
    }
    return pid;
}

bool ProcessRuns(DWORD pid) {
    const HANDLE process = ::OpenProcess(SYNCHRONIZE, FALSE, pid);
    if (process == nullptr) {
        // Refused means there is one, of another user.
        return ::GetLastError() == ERROR_ACCESS_DENIED;
    }
    const bool running = ::WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    ::CloseHandle(process);
    return running;
}

} // namespace

FileHandle OsOpenFile(const CString& path, unsigned nOpenFlags, int* error) {
    DWORD access = GENERIC_READ;
    switch (nOpenFlags & 3U) {
    case CFile::modeWrite:
        access = GENERIC_WRITE;
        break;
    case CFile::modeReadWrite:
        access = GENERIC_READ | GENERIC_WRITE;
        break;
    default:
        break;
    }
    DWORD disposition = OPEN_EXISTING;
    if ((nOpenFlags & CFile::modeCreate) != 0) {
        disposition = (nOpenFlags & CFile::modeNoTruncate) != 0 ? OPEN_ALWAYS : CREATE_ALWAYS;
    }
    // Others may read, write, and rename or delete the file while it is open, as on POSIX:
    // a save replaces the data file by a rename even while a reader holds it.
    const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    const HANDLE h = ::CreateFileW(Wide(path), access, share, nullptr, disposition,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        *error = static_cast<int>(::GetLastError());
        const DWORD attributes = ::GetFileAttributesW(Wide(path));
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            *error = ERROR_DIRECTORY;
        }
        return kNoFileHandle;
    }
    // Only a file on a disk: a pipe or a device (CON, NUL, COM1) is refused.
    if (::GetFileType(h) != FILE_TYPE_DISK) {
        ::CloseHandle(h);
        *error = ERROR_BAD_FILE_TYPE;
        return kNoFileHandle;
    }
    return reinterpret_cast<FileHandle>(h);
}

std::int64_t OsReadFile(FileHandle h, void* buffer, std::size_t count, int* error) {
    const auto asked =
        static_cast<DWORD>(std::min<std::size_t>(count, std::numeric_limits<DWORD>::max()));
    DWORD done = 0;
    if (!::ReadFile(AsHandle(h), buffer, asked, &done, nullptr)) {
        *error = static_cast<int>(::GetLastError());
        return -1;
    }
    return done;
}

std::int64_t OsWriteFile(FileHandle h, const void* buffer, std::size_t count, int* error) {
    const auto* bytes = static_cast<const char*>(buffer);
    std::size_t done = 0;
    while (done < count) {
        const auto asked = static_cast<DWORD>(
            std::min<std::size_t>(count - done, std::numeric_limits<DWORD>::max()));
        DWORD written = 0;
        if (!::WriteFile(AsHandle(h), bytes + done, asked, &written, nullptr)) {
            *error = static_cast<int>(::GetLastError());
            return -1;
        }
        done += written;
    }
    return static_cast<std::int64_t>(done);
}

std::int64_t OsSeekFile(FileHandle h, std::int64_t offset, int whence) {
    LARGE_INTEGER distance{};
    distance.QuadPart = offset;
    LARGE_INTEGER position{};
    const DWORD how = whence == 1 ? FILE_CURRENT : whence == 2 ? FILE_END : FILE_BEGIN;
    return ::SetFilePointerEx(AsHandle(h), distance, &position, how) ? position.QuadPart : -1;
}

bool OsFlushFile(FileHandle h) {
    return ::FlushFileBuffers(AsHandle(h)) != 0;
}

bool OsCloseFile(FileHandle h) {
    return ::CloseHandle(AsHandle(h)) != 0;
}

std::int64_t OsFileLength(FileHandle h) {
    LARGE_INTEGER size{};
    return ::GetFileSizeEx(AsHandle(h), &size) ? size.QuadPart : -1;
}

std::int64_t OsFilePosition(FileHandle h) {
    LARGE_INTEGER zero{};
    LARGE_INTEGER position{};
    return ::SetFilePointerEx(AsHandle(h), zero, &position, FILE_CURRENT) ? position.QuadPart : -1;
}

bool OsIsDiskFull(int error) {
    return error == ERROR_DISK_FULL || error == ERROR_HANDLE_DISK_FULL;
}

bool OsIsNotFound(int error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

bool OsIsAccessDenied(int error) {
    return error == ERROR_ACCESS_DENIED || error == ERROR_WRITE_PROTECT ||
           error == ERROR_SHARING_VIOLATION;
}

bool OsIsNotAFile(int error) {
    return error == ERROR_DIRECTORY || error == ERROR_BAD_FILE_TYPE;
}

// Access on Windows is the folder's access control list, which a new file inherits and a
// rename keeps: there are no permission bits to carry over.
bool OsGetFileAttributes(FileHandle /*h*/, FileAttributes& attributes) {
    attributes = FileAttributes{};
    return true;
}

bool GetFileAttributesOf(const CString& path, FileAttributes& attributes) {
    attributes = FileAttributes{};
    return ::GetFileAttributesW(Wide(path)) != INVALID_FILE_ATTRIBUTES;
}

bool OsSetFileAttributes(FileHandle /*h*/, const FileAttributes& /*attributes*/) {
    return true;
}

bool FileExists(const CString& path) {
    // The search takes wildcards, which no name can hold: such a path names nothing, and
    // must not count as found because some other entry matches the pattern.
    if (path.Str().find_first_of(u"*?") != std::u16string_view::npos) {
        return false;
    }
    WIN32_FIND_DATAW found{};
    const HANDLE h = ::FindFirstFileW(Wide(path), &found);
    if (h == INVALID_HANDLE_VALUE) {
        return false;
    }
    ::FindClose(h);
    return true;
}

// The folders' access control lists decide who writes where; a player's links need rights
// that players rarely have, and a link named like the file is replaced itself.
bool IsOwnDirectory(const CString& /*directory*/) {
    return true;
}

bool FollowsOwnLinksOnly(const CString& /*path*/) {
    return true;
}

bool MayReplaceFile(const CString& path) {
    const DWORD attributes = ::GetFileAttributesW(Wide(path));
    return attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_READONLY) == 0 ||
           (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool CreateDirectoryPath(const CString& path) {
    const std::u16string_view text = path.Str();
    // Every directory above it first; those that exist already, a drive or a server's
    // share fail harmlessly, and only the last check decides.
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (IsSeparator(text[i]) && !IsSeparator(text[i - 1])) {
            const CString prefix(text.substr(0, i));
            ::CreateDirectoryW(Wide(prefix), nullptr);
        }
    }
    ::CreateDirectoryW(Wide(path), nullptr);
    const DWORD attributes = ::GetFileAttributesW(Wide(path));
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool ReplaceFileAtomically(const CString& from, const CString& to) {
    return ::MoveFileExW(Wide(from), Wide(to),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool RemoveFile(const CString& path) {
    return ::DeleteFileW(Wide(path)) != 0;
}

CString FinalPathOf(const CString& path) {
    // A link on Windows needs rights that a player rarely has; the name is taken as it is.
    return path;
}

FileHandle CreateTemporaryBeside(const CString& path, CString& tempPath, int* error,
                                 std::uint64_t (*random)()) {
    static const char16_t kHex[] = u"0123456789abcdef";
    const CString prefix =
        path + CString::FromUtf8(".tmp" + std::to_string(::GetCurrentProcessId()) + "-");
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        std::uint64_t bits = random != nullptr ? random() : SystemRandom();
        std::u16string name(prefix.Str());
        for (int i = 0; i < 16; ++i, bits >>= 4) {
            name += kHex[bits & 0xF];
        }
        // CREATE_NEW fails on any entry of that name, a link included.
        const HANDLE h = ::CreateFileW(
            reinterpret_cast<const wchar_t*>(name.c_str()), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
            FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
        if (h != INVALID_HANDLE_VALUE) {
            tempPath = CString(std::move(name));
            return reinterpret_cast<FileHandle>(h);
        }
        *error = static_cast<int>(::GetLastError());
        if (*error != ERROR_FILE_EXISTS && *error != ERROR_ALREADY_EXISTS) {
            break;
        }
    }
    return kNoFileHandle;
}

std::vector<CString> FilesNamedLike(const CString& path) {
    const std::u16string text(path.Str());
    const std::u16string dir = text.substr(0, DirectoryLength(text));
    const CString pattern(text + u"*");
    std::vector<CString> names;
    WIN32_FIND_DATAW found{};
    const HANDLE search = ::FindFirstFileW(Wide(pattern), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            names.emplace_back(dir + reinterpret_cast<const char16_t*>(found.cFileName));
        }
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
    return names;
}

void RemoveStaleTemporariesBeside(const CString& path) {
    const std::u16string text(path.Str());
    const std::size_t slash = DirectoryLength(text);
    const std::u16string dir = text.substr(0, slash);
    const std::u16string prefix = text.substr(slash) + u".tmp";
    const CString pattern(dir + prefix + u"*");
    WIN32_FIND_DATAW found{};
    const HANDLE search = ::FindFirstFileW(Wide(pattern), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return;
    }
    FILETIME now{};
    ::GetSystemTimeAsFileTime(&now);
    do {
        const std::u16string name(reinterpret_cast<const char16_t*>(found.cFileName));
        if (name.size() <= prefix.size() ||
            (found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) !=
                0) {
            continue;
        }
        const DWORD owner = TemporaryOwner(std::u16string_view(name).substr(prefix.size()));
        if (owner == 0 || owner == ::GetCurrentProcessId() || ProcessRuns(owner) ||
            AsNumber(now) < AsNumber(found.ftLastWriteTime) + kStaleAfter) {
            continue;
        }
        ::DeleteFileW(Wide(CString(dir + name)));
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
}
