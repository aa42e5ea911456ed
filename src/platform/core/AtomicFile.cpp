#include "AtomicFile.h"

CAtomicFile::~CAtomicFile() {
    Discard();
}

BOOL CAtomicFile::Open(const CString& strFileName, UINT nOpenFlags, CFileException* pError) {
    Discard();
    if ((nOpenFlags & (modeWrite | modeReadWrite)) == 0) {
        if (pError != nullptr) {
            *pError = CFileException(CFileException::genericException, strFileName);
        }
        return FALSE;
    }
    const CString target = m_bFollowLinks ? FinalPathOf(strFileName) : strFileName;
    if (!MayReplaceFile(target)) {
        if (pError != nullptr) {
            *pError = CFileException(CFileException::accessDenied, strFileName);
        }
        return FALSE;
    }
    RemoveStaleTemporariesBeside(target);
    int error = 0;
    const FileHandle h = CreateTemporaryBeside(target, m_strTempPath, &error);
    if (h == kNoFileHandle) {
        if (pError != nullptr) {
            *pError = CFileException(CauseOf(error), strFileName);
        }
        return FALSE;
    }
    m_hFile = h;
    m_strFileName = target;
    return TRUE;
}

BOOL CAtomicFile::Commit(CFileException* pError) {
    if (!IsOpen()) {
        if (pError != nullptr) {
            *pError = CFileException(CFileException::invalidFile, m_strFileName);
        }
        return FALSE;
    }
    FileAttributes attributes;
    if (m_attributes) {
        attributes = *m_attributes;
    } else if (!GetFileAttributesOf(m_strFileName, attributes)) {
        attributes = FileAttributes{};
    }
    // Where the file system keeps no permission bits (a memory stick) the file goes without.
    OsSetFileAttributes(m_hFile, attributes);
    const FileHandle h = m_hFile;
    m_hFile = kNoFileHandle;
    const bool flushed = !m_bWaitForDisk || OsFlushFile(h);
    const bool closed = OsCloseFile(h);
    if (!flushed || !closed || !ReplaceFileAtomically(m_strTempPath, m_strFileName)) {
        Discard();
        if (pError != nullptr) {
            *pError = CFileException(CFileException::hardIO, m_strFileName);
        }
        return FALSE;
    }
    m_strTempPath.Empty();
    return TRUE;
}

void CAtomicFile::Close() {
    Discard();
}

void CAtomicFile::Abort() {
    Discard();
}

void CAtomicFile::Discard() {
    CFile::Abort();
    if (!m_strTempPath.IsEmpty()) {
        RemoveFile(m_strTempPath);
        m_strTempPath.Empty();
    }
}
