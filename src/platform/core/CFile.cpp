#include "CFile.h"

#include <atomic>

namespace {

// Bytes that may still be written before the injected fault; negative when none is armed.
std::atomic<std::int64_t> g_writeBudget{-1};

CFileException::Cause CauseOf(int error) {
    if (OsIsDiskFull(error)) {
        return CFileException::diskFull;
    }
    if (OsIsNotFound(error)) {
        return CFileException::fileNotFound;
    }
    if (OsIsAccessDenied(error)) {
        return CFileException::accessDenied;
    }
    return CFileException::genericException;
}

} // namespace

CFile::~CFile() {
    Abort();
}

BOOL CFile::Open(const CString& strFileName, UINT nOpenFlags, CFileException* pError) {
    Abort();
    int error = 0;
    const FileHandle h = OsOpenFile(strFileName, nOpenFlags, &error);
    if (h == kNoFileHandle) {
        if (pError != nullptr) {
            *pError = CFileException(CauseOf(error), strFileName);
        }
        return FALSE;
    }
    m_hFile = h;
    m_strFileName = strFileName;
    return TRUE;
}

UINT CFile::Read(void* lpBuf, UINT nCount) {
    if (!IsOpen()) {
        throw CFileException(CFileException::invalidFile, m_strFileName);
    }
    int error = 0;
    const std::int64_t n = OsReadFile(m_hFile, lpBuf, nCount, &error);
    if (n < 0) {
        ThrowOsError(error);
    }
    return static_cast<UINT>(n);
}

void CFile::Write(const void* lpBuf, UINT nCount) {
    if (!IsOpen()) {
        throw CFileException(CFileException::invalidFile, m_strFileName);
    }
    UINT allowed = nCount;
    std::int64_t budget = g_writeBudget.load();
    bool fault = false;
    if (budget >= 0) {
        if (budget < static_cast<std::int64_t>(nCount)) {
            allowed = static_cast<UINT>(budget);
            fault = true;
        }
        g_writeBudget.store(budget - allowed);
    }
    int error = 0;
    if (allowed > 0 && OsWriteFile(m_hFile, lpBuf, allowed, &error) < 0) {
        ThrowOsError(error);
    }
    if (fault) {
        throw CFileException(CFileException::diskFull, m_strFileName);
    }
}

void CFile::Flush() {
    if (IsOpen() && !OsFlushFile(m_hFile)) {
        throw CFileException(CFileException::hardIO, m_strFileName);
    }
}

void CFile::Close() {
    if (!IsOpen()) {
        return;
    }
    const FileHandle h = m_hFile;
    m_hFile = kNoFileHandle;
    if (!OsCloseFile(h)) {
        throw CFileException(CFileException::hardIO, m_strFileName);
    }
}

void CFile::Abort() {
    if (IsOpen()) {
        OsCloseFile(m_hFile);
        m_hFile = kNoFileHandle;
    }
}

std::uint64_t CFile::GetLength() const {
    const std::int64_t n = IsOpen() ? OsFileLength(m_hFile) : -1;
    if (n < 0) {
        throw CFileException(CFileException::invalidFile, m_strFileName);
    }
    return static_cast<std::uint64_t>(n);
}

std::uint64_t CFile::GetPosition() const {
    const std::int64_t n = IsOpen() ? OsFilePosition(m_hFile) : -1;
    if (n < 0) {
        throw CFileException(CFileException::badSeek, m_strFileName);
    }
    return static_cast<std::uint64_t>(n);
}

void CFile::SetWriteFaultAfter(std::int64_t nBytes) {
    g_writeBudget.store(nBytes < 0 ? -1 : nBytes);
}

void CFile::ThrowOsError(int error) const {
    throw CFileException(CauseOf(error), m_strFileName);
}
