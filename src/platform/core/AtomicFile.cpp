#include "platform/core/AtomicFile.h"

#include <algorithm>

namespace {

CString DirectoryOfFile(const CString& path) {
    const int slash = std::max(path.ReverseFind(kPathSeparator), path.ReverseFind(u'/'));
    if (slash < 0) {
        return CString(u".");
    }
    return path.Left(slash == 0 ? 1 : slash);
}

// Whether the file may be replaced, reached as `target`: through links of the user's own,
// in a place of the user's own, and not marked "do not change" by the user.
bool MayReplace(const CString& path, const CString& target, bool followLinks) {
    return (!followLinks || FollowsOwnLinksOnly(path)) && IsOwnDirectory(DirectoryOfFile(target)) &&
           MayReplaceFile(target);
}

} // namespace

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
    if (!MayReplace(strFileName, target, m_bFollowLinks)) {
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
