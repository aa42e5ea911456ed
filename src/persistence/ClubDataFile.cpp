#include "ClubDataFile.h"

#include "platform/core/CArchive.h"
#include "platform/core/CFile.h"
#include "platform/core/CMemoryException.h"
#include "platform/core/FileSystem.h"
#include "platform/core/KnownFolders.h"
#include "platform/core/ModulePath.h"

namespace {

const CString kDataFileName("Clubs.dat");

CString PreferredDataDirectory() {
    CString dir;
    if (!dir.LoadString(kIdsPreferredDataDirectory)) {
        RegisterPlatformStringResources();
        dir.LoadString(kIdsPreferredDataDirectory);
    }
    return dir;
}

CString InDirectory(const CString& dir, const CString& name) {
    return dir + CString(std::u16string(1, kPathSeparator)) + name;
}

// Copies the file to `target` through a temporary file, so that a failure leaves no half
// copy under the target's name.
bool CopyFileAtomically(const CString& source, const CString& target) {
    CFile in;
    if (!in.Open(source, CFile::modeRead)) {
        return false;
    }
    const CString temp = TemporaryPathBeside(target);
    CFile out;
    if (!out.Open(temp, CFile::modeCreate | CFile::modeWrite)) {
        return false;
    }
    try {
        BYTE buffer[65536];
        for (UINT n = in.Read(buffer, sizeof buffer); n > 0; n = in.Read(buffer, sizeof buffer)) {
            out.Write(buffer, n);
        }
        out.Flush();
        out.Close();
    } catch (const CException&) {
        out.Abort();
        RemoveFile(temp);
        return false;
    }
    if (!ReplaceFileAtomically(temp, target)) {
        RemoveFile(temp);
        return false;
    }
    return true;
}

// Keeps a damaged data file under another name before a save can replace it: beside it,
// or in the preferred data directory when its own directory cannot be written.
void KeepDamagedFile(const CString& path) {
    if (CopyFileAtomically(path, GetDamagedDataFilePath(path))) {
        return;
    }
    const CString dir = PreferredDataDirectory();
    if (CreateDirectoryPath(dir)) {
        CopyFileAtomically(path, GetDamagedDataFilePath(InDirectory(dir, kDataFileName)));
    }
}

// Writes the whole table to a temporary file beside `path`, puts it on the disk, and only
// then puts it in place of `path`: a failure at any point leaves the earlier file as it was.
bool WriteClubsFile(CClubList& clubs, const CString& path) {
    const CString temp = TemporaryPathBeside(path);
    CFile file;
    if (!file.Open(temp, CFile::modeCreate | CFile::modeWrite, nullptr)) {
        return false;
    }
    try {
        CArchive ar(&file, CArchive::store, 4096, nullptr);
        clubs.Serialize(ar);
        ar.Close();
        file.Flush();
        file.Close();
    } catch (const CException&) {
        file.Abort();
        RemoveFile(temp);
        return false;
    }
    if (!ReplaceFileAtomically(temp, path)) {
        RemoveFile(temp);
        return false;
    }
    return true;
}

BOOL LoadClubs(CClubList& clubs) {
    const CString path = GetDataFilePath();
    CFile file;
    const BOOL opened = file.Open(path, CFile::modeRead, nullptr);
    if (opened && !ReadClubs(file, clubs)) {
        file.Abort();
        KeepDamagedFile(path);
    }
    file.Abort();
    return opened;
}

BOOL SaveClubs(CClubList& clubs) {
    const CString path = GetDataFilePath();
    if (WriteClubsFile(clubs, path)) {
        return TRUE;
    }
    // An installed program's directory is often read-only: the preferred data directory
    // takes the file instead, and the path rule finds it there from the next start on.
    const CString dir = PreferredDataDirectory();
    const CString preferred = InDirectory(dir, kDataFileName);
    if (path == preferred || !CreateDirectoryPath(dir)) {
        return FALSE;
    }
    return WriteClubsFile(clubs, preferred) ? TRUE : FALSE;
}

} // namespace

CString GetAppDirectory() {
    const CString path = GetModuleFilePath();
    return path.Left(path.ReverseFind(kPathSeparator) + 1);
}

CString GetDataFilePath() {
    const CString first = InDirectory(PreferredDataDirectory(), kDataFileName);
    if (FileExists(first)) {
        return first;
    }
    return GetAppDirectory() + kDataFileName;
}

CString GetDamagedDataFilePath(const CString& strDataFile) {
    return strDataFile + CString(".damaged");
}

bool ReadClubs(CFile& file, CClubList& clubs) {
    try {
        CArchive ar(&file, CArchive::load, 4096, nullptr);
        clubs.Serialize(ar);
        ar.Close();
        return true;
    } catch (const CArchiveException&) {
    } catch (const CFileException&) {
    } catch (const CMemoryException&) {
    }
    return false;
}

BOOL SerializeClubs(CClubList& clubs, UINT nMode) {
    return nMode == CArchive::load ? LoadClubs(clubs) : SaveClubs(clubs);
}
