#pragma once

#include "platform/core/CString.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The operating system's file operations that the class library and the persistence layer
// build on. Paths are full texts in the platform's own form.

#ifdef _WIN32
constexpr char16_t kPathSeparator = u'\\';
#else
constexpr char16_t kPathSeparator = u'/';

// File names here are bytes, not always valid UTF-8 (an install or home folder may be named
// in another encoding). These two convert between them and texts without loss: a byte that
// is not part of a valid UTF-8 sequence becomes a lone low surrogate U+DC80 to U+DCFF, which
// no valid UTF-8 gives, and such a surrogate becomes that byte again.
CString PathFromNative(std::string_view bytes);
std::string NativePath(const CString& path);
#endif

using FileHandle = std::intptr_t;
constexpr FileHandle kNoFileHandle = -1;

// Opens with the class library's open flags (CFile::modeRead, modeWrite, modeReadWrite,
// modeCreate, modeNoTruncate); kNoFileHandle on failure, with the system's error in *error.
// Only a regular file opens: a pipe, device or directory of that name is refused without
// waiting for it (OsIsNotAFile tells that error).
FileHandle OsOpenFile(const CString& path, unsigned nOpenFlags, int* error);
// Bytes transferred, or -1 on failure (the system's error in *error).
std::int64_t OsReadFile(FileHandle h, void* buffer, std::size_t count, int* error);
std::int64_t OsWriteFile(FileHandle h, const void* buffer, std::size_t count, int* error);
// Moves to `offset` from the start (whence 0), the current position (1) or the end (2);
// the new position, or -1.
std::int64_t OsSeekFile(FileHandle h, std::int64_t offset, int whence);
// Puts what was written onto the storage device.
bool OsFlushFile(FileHandle h);
bool OsCloseFile(FileHandle h);
std::int64_t OsFileLength(FileHandle h);
std::int64_t OsFilePosition(FileHandle h);
// Whether a system error means that the device is full.
bool OsIsDiskFull(int error);
bool OsIsNotFound(int error);
bool OsIsAccessDenied(int error);
// The entry is there but is no regular file (a directory, pipe or device).
bool OsIsNotAFile(int error);

// Who may do what with a file: what a replacement takes over from the file it replaces.
// The owner is kept only where the system lets the program give it (as an administrator).
struct FileAttributes {
    unsigned mode = 0600;
    std::int64_t owner = -1;
    std::int64_t group = -1;
};
bool OsGetFileAttributes(FileHandle h, FileAttributes& attributes);
// Of the file a path names, following links; false when there is none.
bool GetFileAttributesOf(const CString& path, FileAttributes& attributes);
bool OsSetFileAttributes(FileHandle h, const FileAttributes& attributes);

// Whether an entry (file, directory or link, even one that leads nowhere) of exactly this
// name exists.
bool FileExists(const CString& path);
// Whether the program may create, rename and remove files in the directory, and make it
// with the missing directories above it. Where files have owners, every directory and link
// on its way (as far as it exists) belongs to the effective user or to the administrator
// (root), whom every user trusts: a place of another user, such as the home of the user whose
// environment an administrator runs with, is only read.
bool IsOwnDirectory(const CString& directory);
// Whether every symbolic link that leads from the path to its file belongs to the effective
// user (true for a path that is no link): only such a link is followed to write, replace or
// copy its file, so that nobody can plant one that turns a save onto another user's file.
bool FollowsOwnLinksOnly(const CString& path);
// Whether the user lets the program replace the file: false for a file the user may not
// write, the user's way of saying "do not change". An administrator, whom the permission
// bits do not bind, is held to them as far as they say something: a file that nobody may
// write is left. True when there is no such file.
bool MayReplaceFile(const CString& path);
// Creates the directory and the missing ones above it, each for the user alone; true when
// it exists afterwards. Nothing is made outside the user's own places (IsOwnDirectory).
bool CreateDirectoryPath(const CString& path);
// Puts `from` in place of `to` in one step: a reader sees either the old or the new file.
bool ReplaceFileAtomically(const CString& from, const CString& to);
bool RemoveFile(const CString& path);
// The file a path leads to: the path itself unless it names a symbolic link, else where the
// links lead (relative links taken from their own directory), whether that exists or not.
CString FinalPathOf(const CString& path);

// Creates a new, empty file beside `path` that no other program can have opened: made
// exclusively, never through a link, for the user alone, under the name
// "<path>.tmp<process id>-<16 random hex digits>". Tries a bounded number of names;
// kNoFileHandle when none could be made, with the system's error in *error. `random` stands
// in for the system's random source in tests.
FileHandle CreateTemporaryBeside(const CString& path, CString& tempPath, int* error,
                                 std::uint64_t (*random)() = nullptr);
// The full names of the files and links (no directories or other entries) beside `path`
// whose names begin with the name of `path`, in no particular order; none when the
// directory cannot be read.
std::vector<CString> FilesNamedLike(const CString& path);
// Removes the temporary files of CreateTemporaryBeside left beside `path` by programs that
// were stopped while they wrote them: files of the user's, of a process that no longer runs
// here, untouched for ten minutes (so that a program on another machine sharing the disk
// is left to finish).
void RemoveStaleTemporariesBeside(const CString& path);
