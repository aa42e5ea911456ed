#pragma once

#include "CString.h"

#include <cstddef>
#include <cstdint>

// The operating system's file operations that the class library and the persistence layer
// build on. Paths are full texts in the platform's own form.

#ifdef _WIN32
constexpr char16_t kPathSeparator = u'\\';
#else
constexpr char16_t kPathSeparator = u'/';
#endif

using FileHandle = std::intptr_t;
constexpr FileHandle kNoFileHandle = -1;

// Opens with the class library's open flags (CFile::modeRead, modeWrite, modeReadWrite,
// modeCreate, modeNoTruncate); kNoFileHandle on failure, with the system's error in *error.
FileHandle OsOpenFile(const CString& path, unsigned nOpenFlags, int* error);
// Bytes transferred, or -1 on failure (the system's error in *error).
std::int64_t OsReadFile(FileHandle h, void* buffer, std::size_t count, int* error);
std::int64_t OsWriteFile(FileHandle h, const void* buffer, std::size_t count, int* error);
// Puts what was written onto the storage device.
bool OsFlushFile(FileHandle h);
bool OsCloseFile(FileHandle h);
std::int64_t OsFileLength(FileHandle h);
std::int64_t OsFilePosition(FileHandle h);
// Whether a system error means that the device is full.
bool OsIsDiskFull(int error);
bool OsIsNotFound(int error);
bool OsIsAccessDenied(int error);

// Whether an entry (file or directory) of exactly this name exists.
bool FileExists(const CString& path);
// Creates the directory and the missing ones above it; true when it exists afterwards.
bool CreateDirectoryPath(const CString& path);
// Puts `from` in place of `to` in one step: a reader sees either the old or the new file.
bool ReplaceFileAtomically(const CString& from, const CString& to);
bool RemoveFile(const CString& path);
// A name for a temporary file beside `path`, unused at the time of the call.
CString TemporaryPathBeside(const CString& path);
