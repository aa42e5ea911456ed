#include "platform/core/CFile.h"

CFileException::Cause CFile::CauseOf(int error) {
    if (OsIsDiskFull(error)) {
        return CFileException::diskFull;
    }
    if (OsIsNotFound(error)) {
        return CFileException::fileNotFound;
    }
    if (OsIsAccessDenied(error)) {
        return CFileException::accessDenied;
    }
    if (OsIsNotAFile(error)) {
        return CFileException::invalidFile;
    }
    return CFileException::genericException;
}

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
    int error = 0;
    if (nCount > 0 && OsWriteFile(m_hFile, lpBuf, nCount, &error) < 0) {
        ThrowOsError(error);
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

std::uint64_t CFile::Seek(std::int64_t lOff, UINT nFrom) {
    const std::int64_t n = IsOpen() ? OsSeekFile(m_hFile, lOff, static_cast<int>(nFrom)) : -1;
    if (n < 0) {
        throw CFileException(CFileException::badSeek, m_strFileName);
    }
    return static_cast<std::uint64_t>(n);
}

void CFile::ThrowOsError(int error) const {
    throw CFileException(CauseOf(error), m_strFileName);
}
