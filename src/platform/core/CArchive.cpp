#include "platform/core/CArchive.h"

#include "platform/core/COleDateTime.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>
#include <string>

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize, void* lpBuf)
    : m_pFile(pFile), m_nMode(nMode), m_nBufSize(static_cast<UINT>(std::max(nBufSize, 16))) {
    if (lpBuf != nullptr && nBufSize >= 16) {
        m_lpBufStart = static_cast<BYTE*>(lpBuf);
    } else {
        m_ownBuffer.resize(m_nBufSize);
        m_lpBufStart = m_ownBuffer.data();
    }
    m_lpBufCur = m_lpBufStart;
    if (IsLoading()) {
        // Nothing buffered yet: the first read fills the buffer.
        m_lpBufMax = m_lpBufStart;
        const std::uint64_t length = m_pFile->GetLength();
        const std::uint64_t position = m_pFile->GetPosition();
        m_nFileRemaining = length > position ? length - position : 0;
    } else {
        m_lpBufMax = m_lpBufStart + m_nBufSize;
    }
}

CArchive::~CArchive() {
    Abort();
}

void CArchive::Abort() {
    m_pFile = nullptr;
}

void CArchive::Close() {
    if (m_pFile != nullptr && IsStoring()) {
        Flush();
    }
    m_pFile = nullptr;
}

void CArchive::Flush() {
    if (IsLoading()) {
        return;
    }
    if (m_lpBufCur != m_lpBufStart) {
        if (m_pFile == nullptr) {
            throw CArchiveException(CArchiveException::genericException);
        }
        const auto n = static_cast<UINT>(m_lpBufCur - m_lpBufStart);
        m_lpBufCur = m_lpBufStart;
        m_pFile->Write(m_lpBufStart, n);
    }
}

void CArchive::FillBuffer(UINT nBytesNeeded) {
    if (IsStoring() || m_pFile == nullptr) {
        throw CArchiveException(CArchiveException::writeOnly);
    }
    const auto nUnused = static_cast<UINT>(m_lpBufMax - m_lpBufCur);
    if (nUnused > 0 && m_lpBufCur != m_lpBufStart) {
        std::memmove(m_lpBufStart, m_lpBufCur, nUnused);
    }
    UINT nRead = 0;
    UINT nLeft = m_nBufSize - nUnused;
    BYTE* lpTemp = m_lpBufStart + nUnused;
    UINT nBytes = 0;
    do {
        nBytes = m_pFile->Read(lpTemp, nLeft);
        lpTemp += nBytes;
        nRead += nBytes;
        nLeft -= nBytes;
    } while (nBytes > 0 && nLeft > 0 && nRead < nBytesNeeded);
    m_nFileRemaining = nRead < m_nFileRemaining ? m_nFileRemaining - nRead : 0;
    m_lpBufCur = m_lpBufStart;
    m_lpBufMax = m_lpBufStart + nUnused + nRead;
    if (nRead < nBytesNeeded) {
        throw CArchiveException(CArchiveException::endOfFile);
    }
}

UINT CArchive::Read(void* lpBuf, UINT nMax) {
    auto* out = static_cast<BYTE*>(lpBuf);
    UINT done = 0;
    while (done < nMax) {
        const auto available = static_cast<UINT>(m_lpBufMax - m_lpBufCur);
        if (available == 0) {
            if (m_pFile == nullptr || IsStoring()) {
                throw CArchiveException(CArchiveException::writeOnly);
            }
            // Fill as much as there is; stop quietly at the end of the file.
            m_lpBufCur = m_lpBufStart;
            m_lpBufMax = m_lpBufStart;
            const UINT n = m_pFile->Read(m_lpBufStart, m_nBufSize);
            m_nFileRemaining = n < m_nFileRemaining ? m_nFileRemaining - n : 0;
            m_lpBufMax = m_lpBufStart + n;
            if (n == 0) {
                break;
            }
            continue;
        }
        const UINT n = std::min(available, nMax - done);
        std::memcpy(out + done, m_lpBufCur, n);
        m_lpBufCur += n;
        done += n;
    }
    return done;
}

void CArchive::Write(const void* lpBuf, UINT nCount) {
    if (IsLoading()) {
        throw CArchiveException(CArchiveException::readOnly);
    }
    const auto* in = static_cast<const BYTE*>(lpBuf);
    while (nCount > 0) {
        if (m_lpBufCur == m_lpBufMax) {
            Flush();
        }
        const UINT n = std::min(nCount, static_cast<UINT>(m_lpBufMax - m_lpBufCur));
        std::memcpy(m_lpBufCur, in, n);
        m_lpBufCur += n;
        in += n;
        nCount -= n;
    }
}

CArchive& CArchive::operator<<(BYTE by) {
    if (m_lpBufCur == m_lpBufMax) {
        Flush();
    }
    *m_lpBufCur++ = by;
    return *this;
}

CArchive& CArchive::operator<<(WORD w) {
    if (m_lpBufMax - m_lpBufCur < 2) {
        Flush();
    }
    m_lpBufCur[0] = static_cast<BYTE>(w);
    m_lpBufCur[1] = static_cast<BYTE>(w >> 8);
    m_lpBufCur += 2;
    return *this;
}

CArchive& CArchive::operator<<(double d) {
    const auto bits = std::bit_cast<std::uint64_t>(d);
    return *this << static_cast<std::uint32_t>(bits) << static_cast<std::uint32_t>(bits >> 32);
}

CArchive& CArchive::operator>>(BYTE& by) {
    if (m_lpBufMax == m_lpBufCur) {
        FillBuffer(1);
    }
    by = *m_lpBufCur++;
    return *this;
}

CArchive& CArchive::operator>>(WORD& w) {
    if (m_lpBufMax - m_lpBufCur < 2) {
        FillBuffer(static_cast<UINT>(2 - (m_lpBufMax - m_lpBufCur)));
    }
    w = static_cast<WORD>(m_lpBufCur[0] | (m_lpBufCur[1] << 8));
    m_lpBufCur += 2;
    return *this;
}

CArchive& CArchive::operator>>(double& d) {
    std::uint32_t low = 0;
    std::uint32_t high = 0;
    *this >> low >> high;
    d = std::bit_cast<double>(static_cast<std::uint64_t>(high) << 32 | low);
    return *this;
}

#ifdef _WIN32
CArchive& CArchive::operator>>(DWORD& dw) {
    std::uint32_t v = 0;
    *this >> v;
    dw = v;
    return *this;
}

CArchive& CArchive::operator>>(LONG& l) {
    std::uint32_t v = 0;
    *this >> v;
    l = static_cast<LONG>(static_cast<std::int32_t>(v));
    return *this;
}
#endif

namespace {

constexpr BYTE kByteEscape = 0xFF;
constexpr WORD kUnicodeTag = 0xFFFE;
constexpr WORD kWordEscape = 0xFFFF;
constexpr std::uint32_t kDwordEscape = 0xFFFFFFFF;

void WriteStringLength(CArchive& ar, std::uint64_t nLength) {
    ar << kByteEscape << kUnicodeTag;
    if (nLength < kByteEscape) {
        ar << static_cast<BYTE>(nLength);
    } else if (nLength < kUnicodeTag) {
        ar << kByteEscape << static_cast<WORD>(nLength);
    } else if (nLength < kDwordEscape) {
        ar << kByteEscape << kWordEscape << static_cast<std::uint32_t>(nLength);
    } else {
        ar << kByteEscape << kWordEscape << kDwordEscape << static_cast<std::uint32_t>(nLength)
           << static_cast<std::uint32_t>(nLength >> 32);
    }
}

// The length of a text as the length forms give it, and the size of its characters (1 or 2).
std::uint64_t ReadTextLength(CArchive& ar, UINT& nCharSize) {
    nCharSize = 1;
    BYTE bLength = 0;
    ar >> bLength;
    if (bLength < kByteEscape) {
        return bLength;
    }
    WORD wLength = 0;
    ar >> wLength;
    if (wLength == kUnicodeTag) {
        nCharSize = 2;
        ar >> bLength;
        if (bLength < kByteEscape) {
            return bLength;
        }
        ar >> wLength;
    }
    if (wLength < kWordEscape) {
        return wLength;
    }
    std::uint32_t dwLength = 0;
    ar >> dwLength;
    if (dwLength < kDwordEscape) {
        return dwLength;
    }
    std::uint32_t low = 0;
    std::uint32_t high = 0;
    ar >> low >> high;
    return static_cast<std::uint64_t>(high) << 32 | low;
}

// Reads `count` bytes through the archive; fewer only at the end of the file.
std::size_t ReadBytes(CArchive& ar, void* buffer, std::size_t count) {
    // Through the archive's 32-bit Read in pieces.
    constexpr std::size_t kPiece = 1U << 30;
    auto* out = static_cast<BYTE*>(buffer);
    std::size_t done = 0;
    while (done < count) {
        const auto want = static_cast<UINT>(std::min(kPiece, count - done));
        const UINT got = ar.Read(out + done, want);
        done += got;
        if (got < want) {
            break;
        }
    }
    return done;
}

} // namespace

std::uint64_t StoredTextBytes(std::uint64_t nLength) {
    const std::uint64_t form = nLength < kByteEscape    ? 4
                               : nLength < kUnicodeTag  ? 6
                               : nLength < kDwordEscape ? 10
                                                        : 18;
    return form + 2 * nLength;
}

CArchive& operator<<(CArchive& ar, const CString& str) {
    const std::u16string_view text = str.Str();
    if constexpr (std::endian::native == std::endian::little) {
        // The usual short text goes into the buffer in one piece.
        if (text.size() < kByteEscape) {
            const auto bytes = static_cast<UINT>(text.size() * 2);
            if (BYTE* out = ar.GetWritable(4 + bytes)) {
                out[0] = kByteEscape;
                out[1] = static_cast<BYTE>(kUnicodeTag);
                out[2] = static_cast<BYTE>(kUnicodeTag >> 8);
                out[3] = static_cast<BYTE>(text.size());
                std::memcpy(out + 4, text.data(), bytes);
                ar.CommitWritten(4 + bytes);
                return ar;
            }
        }
    }
    WriteStringLength(ar, text.size());
    if constexpr (std::endian::native == std::endian::little) {
        // Written in pieces, so that a text of any length passes through the 32-bit count.
        constexpr std::size_t kPiece = 1U << 30;
        const auto* bytes = reinterpret_cast<const BYTE*>(text.data());
        const std::size_t size = text.size() * 2;
        for (std::size_t done = 0; done < size; done += kPiece) {
            ar.Write(bytes + done, static_cast<UINT>(std::min(kPiece, size - done)));
        }
    } else {
        for (char16_t c : text) {
            ar << static_cast<WORD>(c);
        }
    }
    return ar;
}

CArchive& operator>>(CArchive& ar, CString& str) {
    UINT nCharSize = 1;
    const std::uint64_t nLength = ReadTextLength(ar, nCharSize);
    // A length beyond what the file still holds is damage: refuse it before allocating.
    if (nLength > ar.GetRemainingBytes() / nCharSize || nLength > CString::kMaxLength) {
        throw CArchiveException(CArchiveException::endOfFile);
    }
    if (nCharSize == 1) {
        std::string bytes(static_cast<std::size_t>(nLength), '\0');
        if (ReadBytes(ar, bytes.data(), bytes.size()) != bytes.size()) {
            throw CArchiveException(CArchiveException::endOfFile);
        }
        str = CString::FromWindows1252(bytes);
        return ar;
    }
    CString text;
    const auto length = static_cast<std::size_t>(nLength);
    char16_t* chars = length > 0 ? text.GetBuffer(static_cast<int>(length)) : nullptr;
    if (ReadBytes(ar, chars, length * 2) != length * 2) {
        throw CArchiveException(CArchiveException::endOfFile);
    }
    if constexpr (std::endian::native == std::endian::big) {
        for (std::size_t i = 0; i < length; ++i) {
            chars[i] = static_cast<char16_t>((chars[i] >> 8) | (chars[i] << 8));
        }
    }
    str = std::move(text);
    return ar;
}

CArchive& operator<<(CArchive& ar, const COleDateTime& dt) {
    return ar << static_cast<std::int32_t>(dt.m_status) << dt.m_dt;
}

CArchive& operator>>(CArchive& ar, COleDateTime& dt) {
    std::int32_t status = 0;
    double days = 0.0;
    ar >> status >> days;
    if (status < COleDateTime::valid || status > COleDateTime::null) {
        throw CArchiveException(CArchiveException::badIndex);
    }
    dt.m_status = static_cast<COleDateTime::DateTimeStatus>(status);
    dt.m_dt = days;
    return ar;
}
