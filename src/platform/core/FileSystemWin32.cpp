#include "FileSystem.h"

#include "CFile.h"
#include "Win32Api.h"

#include <algorithm>
#include <limits>
#include <random>
#include <string>

namespace {

const wchar_t* Wide(const CString& text) {
    return reinterpret_cast<const wchar_t*>(text.GetString());
}

HANDLE AsHandle(FileHandle h) {
    return reinterpret_cast<HANDLE>(h);
}

bool IsSeparator(char16_t c) {
    return c == u'\\' || c == u'/';
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

bool FileExists(const CString& path) {
    // The search takes wildcards, which no name can hold: such a path names nothing, and
    // must not count as found because some other entry matches the pattern.
    if (path.Str().find_first_of(u"*?") != std::u16string::npos) {
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

bool CreateDirectoryPath(const CString& path) {
    const std::u16string& text = path.Str();
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

CString TemporaryPathBeside(const CString& path) {
    // The process id keeps two programs apart; the random part keeps the names of one
    // process apart.
    thread_local std::mt19937_64 generator{std::random_device{}()};
    for (;;) {
        const std::string suffix = ".tmp" + std::to_string(::GetCurrentProcessId()) + "-" +
                                   std::to_string(generator() % 1000000U);
        CString candidate = path + CString::FromUtf8(suffix);
        if (!FileExists(candidate)) {
            return candidate;
        }
    }
}
