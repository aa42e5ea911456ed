#pragma once

#include "platform/core/CArchiveException.h"
#include "platform/core/CFile.h"
#include "platform/core/WinTypes.h"

#include <cstdint>
#include <vector>

class COleDateTime;

// A buffered stream of little-endian values over a file, either loading or storing.
// Words move through the buffer byte by byte, so that nothing depends on alignment, and
// the file is called only when the buffer has fewer bytes left than a word needs.
class CArchive {
public:
    enum Mode : UINT { store = 0, load = 1 };

    CArchive(CFile* pFile, UINT nMode, int nBufSize = 4096, void* lpBuf = nullptr);
    // An archive destroyed without Close (as during a failure) drops its buffer unwritten.
    ~CArchive();
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    BOOL IsLoading() const { return (m_nMode & load) != 0; }
    BOOL IsStoring() const { return (m_nMode & load) == 0; }

    // The bytes read, fewer than asked only at the end of the file.
    UINT Read(void* lpBuf, UINT nMax);
    void Write(const void* lpBuf, UINT nCount);
    // Storing: writes the buffer out to the file.
    void Flush();
    // Loading: refills the buffer so that at least nBytesNeeded more bytes are in it, or
    // raises the end-of-file exception.
    void FillBuffer(UINT nBytesNeeded);
    // Storing: writes out what is left in the buffer. The file stays open.
    void Close();
    void Abort();

    // Loading: the bytes already in the buffer, which can be taken without a call to the
    // file; SkipBuffered moves past some of them. Storing: GetWritable gives room for
    // nBytes in the buffer (writing it out first when there is too little), and
    // CommitWritten moves past what was put there.
    const BYTE* GetBufferedData() const { return m_lpBufCur; }
    UINT GetBufferedBytes() const { return static_cast<UINT>(m_lpBufMax - m_lpBufCur); }
    void SkipBuffered(UINT nBytes) { m_lpBufCur += nBytes; }
    BYTE* GetWritable(UINT nBytes) {
        if (static_cast<UINT>(m_lpBufMax - m_lpBufCur) < nBytes) {
            Flush();
        }
        return static_cast<UINT>(m_lpBufMax - m_lpBufCur) >= nBytes ? m_lpBufCur : nullptr;
    }
    void CommitWritten(UINT nBytes) { m_lpBufCur += nBytes; }

    // Loading: the bytes that can still be read, so that a length read from the file can
    // be checked before anything is allocated for it.
    std::uint64_t GetRemainingBytes() const {
        return m_nFileRemaining + static_cast<std::uint64_t>(m_lpBufMax - m_lpBufCur);
    }

    CArchive& operator<<(BYTE by);
    CArchive& operator<<(WORD w);
    CArchive& operator<<(std::uint32_t dw) {
        if (m_lpBufMax - m_lpBufCur < 4) {
            Flush();
        }
        m_lpBufCur[0] = static_cast<BYTE>(dw);
        m_lpBufCur[1] = static_cast<BYTE>(dw >> 8);
        m_lpBufCur[2] = static_cast<BYTE>(dw >> 16);
        m_lpBufCur[3] = static_cast<BYTE>(dw >> 24);
        m_lpBufCur += 4;
        return *this;
    }
    CArchive& operator<<(std::int32_t l) { return *this << static_cast<std::uint32_t>(l); }
    CArchive& operator<<(double d);

    CArchive& operator>>(BYTE& by);
    CArchive& operator>>(WORD& w);
    CArchive& operator>>(std::uint32_t& dw) {
        if (m_lpBufMax - m_lpBufCur < 4) {
            FillBuffer(static_cast<UINT>(4 - (m_lpBufMax - m_lpBufCur)));
        }
        dw = static_cast<std::uint32_t>(m_lpBufCur[0]) |
             (static_cast<std::uint32_t>(m_lpBufCur[1]) << 8) |
             (static_cast<std::uint32_t>(m_lpBufCur[2]) << 16) |
             (static_cast<std::uint32_t>(m_lpBufCur[3]) << 24);
        m_lpBufCur += 4;
        return *this;
    }
    CArchive& operator>>(std::int32_t& l) {
        std::uint32_t dw = 0;
        *this >> dw;
        l = static_cast<std::int32_t>(dw);
        return *this;
    }
    CArchive& operator>>(double& d);

#ifdef _WIN32
    // DWORD and LONG are types of their own there.
    CArchive& operator<<(DWORD dw) {
        return *this << static_cast<std::uint32_t>(dw);
    }
    CArchive& operator<<(LONG l) {
        return *this << static_cast<std::uint32_t>(l);
    }
    CArchive& operator>>(DWORD& dw);
    CArchive& operator>>(LONG& l);
#endif

private:
    CFile* m_pFile;
    UINT m_nMode;
    std::vector<BYTE> m_ownBuffer;
    BYTE* m_lpBufStart = nullptr;
    BYTE* m_lpBufCur = nullptr;
    BYTE* m_lpBufMax = nullptr;
    UINT m_nBufSize;
    // Loading: the bytes of the file not yet taken into the buffer.
    std::uint64_t m_nFileRemaining = 0;
};

// Texts in the handheld platform's archive form: a UTF-16 tag (FF, FE FF), then the length
// in characters (one byte below FF; FF and 16 bits below FFFE; FF FF FF and 32 bits beyond),
// then the characters. Untagged texts hold 8-bit Windows-1252 characters. Texts are always
// written tagged; both forms are read.
CArchive& operator<<(CArchive& ar, const CString& str);
CArchive& operator>>(CArchive& ar, CString& str);
// The bytes operator<< writes for a text of nLength characters: its tagged length in the
// shortest form that holds it, and the 16-bit characters.
std::uint64_t StoredTextBytes(std::uint64_t nLength);

// Date-times as the 32-bit status followed by the 64-bit day count. A status other than
// valid, invalid or null is bad data.
CArchive& operator<<(CArchive& ar, const COleDateTime& dt);
CArchive& operator>>(CArchive& ar, COleDateTime& dt);
