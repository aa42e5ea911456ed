#include "platform/core/CMemFile.h"

#include "platform/core/CMemoryException.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>

CMemFile::CMemFile(UINT nGrowBytes) : m_nGrowBytes(nGrowBytes) {}

CMemFile::CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes) : m_nGrowBytes(0) {
    Attach(lpBuffer, nBufferSize, nGrowBytes);
}

CMemFile::~CMemFile() {
    Release();
}

void CMemFile::Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes) {
    Release();
    m_lpBuffer = lpBuffer;
    m_nBufferSize = nBufferSize;
    m_nGrowBytes = nGrowBytes;
    // A fixed block is read as it stands; a growing one is written from its start.
    m_nFileSize = nGrowBytes == 0 ? nBufferSize : 0;
    m_nPosition = 0;
    m_bAutoDelete = false;
}

BYTE* CMemFile::Detach() {
    BYTE* block = m_lpBuffer;
    m_lpBuffer = nullptr;
    m_nBufferSize = 0;
    m_nFileSize = 0;
    m_nPosition = 0;
    m_bAutoDelete = true;
    return block;
}

BOOL CMemFile::Open(const CString& /*strFileName*/, UINT /*nOpenFlags*/, CFileException* pError) {
    // A memory file has no name to open.
    if (pError != nullptr) {
        *pError = CFileException(CFileException::genericException);
    }
    return FALSE;
}

UINT CMemFile::Read(void* lpBuf, UINT nCount) {
    if (m_nPosition >= m_nFileSize || nCount == 0) {
        return 0;
    }
    const std::size_t n = std::min<std::size_t>(nCount, m_nFileSize - m_nPosition);
    std::memcpy(lpBuf, m_lpBuffer + m_nPosition, n);
    m_nPosition += n;
    return static_cast<UINT>(n);
}

void CMemFile::Write(const void* lpBuf, UINT nCount) {
    if (nCount == 0) {
        return;
    }
    const std::size_t end = m_nPosition + nCount;
    if (end > m_nBufferSize) {
        GrowFile(end);
    }
    std::memcpy(m_lpBuffer + m_nPosition, lpBuf, nCount);
    m_nPosition = end;
    if (end > m_nFileSize) {
        m_nFileSize = end;
    }
}

std::uint64_t CMemFile::Seek(std::int64_t lOff, UINT nFrom) {
    const auto base = static_cast<std::int64_t>(nFrom == current ? m_nPosition
                                                : nFrom == end   ? m_nFileSize
                                                                 : 0);
    // Nothing lies beyond the end that a later write could leave unwritten.
    if (lOff < -base || base + lOff > static_cast<std::int64_t>(m_nFileSize)) {
        throw CFileException(CFileException::badSeek);
    }
    m_nPosition = static_cast<std::size_t>(base + lOff);
    return m_nPosition;
}

void CMemFile::GrowFile(std::size_t nNewSize) {
    if (m_nGrowBytes == 0 || nNewSize > std::numeric_limits<UINT>::max()) {
        throw CMemoryException();
    }
    const std::size_t steps = (nNewSize + m_nGrowBytes - 1) / m_nGrowBytes;
    const std::size_t size = steps * m_nGrowBytes;
    if (!m_bAutoDelete) {
        // A caller's block is never resized in place; the file moves to a block of its own.
        auto* own = static_cast<BYTE*>(std::malloc(size));
        if (own == nullptr) {
            throw CMemoryException();
        }
        if (m_nFileSize > 0) {
            std::memcpy(own, m_lpBuffer, m_nFileSize);
        }
        m_lpBuffer = own;
        m_bAutoDelete = true;
    } else {
        void* grown = std::realloc(m_lpBuffer, size);
        if (grown == nullptr) {
            throw CMemoryException();
        }
        m_lpBuffer = static_cast<BYTE*>(grown);
    }
    m_nBufferSize = size;
}

void CMemFile::Close() {
    Release();
}

void CMemFile::Abort() {
    Release();
}

void CMemFile::Release() {
    if (m_bAutoDelete) {
        std::free(m_lpBuffer);
    }
    m_lpBuffer = nullptr;
    m_nBufferSize = 0;
    m_nFileSize = 0;
    m_nPosition = 0;
    m_bAutoDelete = true;
}
