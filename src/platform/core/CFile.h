#pragma once

#include "platform/core/CFileException.h"
#include "platform/core/CString.h"
#include "platform/core/FileSystem.h"
#include "platform/core/WinTypes.h"

#include <cstdint>

// A file of the operating system, opened by path with the class library's open flags.
// Read, Write and Close raise CFileException on failure; Open reports by its result.
class CFile {
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
    };

    enum SeekPosition : UINT { begin = 0, current = 1, end = 2 };

    CFile() = default;
    virtual ~CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // TRUE when the file opened; on failure *pError (if given) receives the cause.
    virtual BOOL Open(const CString& strFileName, UINT nOpenFlags,
                      CFileException* pError = nullptr);
    // The bytes read, fewer than asked only at the end of the file.
    virtual UINT Read(void* lpBuf, UINT nCount);
    virtual void Write(const void* lpBuf, UINT nCount);
    // Puts everything written so far onto the storage device.
    virtual void Flush();
    // Closes the file; does nothing when it is not open.
    virtual void Close();
    // Closes without raising anything, as after a failure.
    virtual void Abort();
    virtual std::uint64_t GetLength() const;
    virtual std::uint64_t GetPosition() const;
    // Moves to lOff bytes from nFrom (begin, current or end); the new position.
    virtual std::uint64_t Seek(std::int64_t lOff, UINT nFrom);
    void SeekToBegin() { Seek(0, begin); }

    BOOL IsOpen() const { return m_hFile != kNoFileHandle; }
    // The system's handle of the open file; kNoFileHandle when none (a memory file).
    FileHandle GetFileHandle() const { return m_hFile; }

protected:
    // The class library's cause for an error of the system.
    static CFileException::Cause CauseOf(int error);
    [[noreturn]] void ThrowOsError(int error) const;

    FileHandle m_hFile = kNoFileHandle;
    CString m_strFileName;
};
