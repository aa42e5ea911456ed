#include "persistence/ClubDataFile.h"

#include "club/ClubRecordBytes.h"
#include "platform/core/AtomicFile.h"
#include "platform/core/CArchive.h"
#include "platform/core/CFile.h"
#include "platform/core/CMemoryException.h"
#include "platform/core/DamagedCopies.h"
#include "platform/core/FileSystem.h"
#include "platform/core/KnownFolders.h"
#include "platform/core/ModulePath.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <new>

namespace {

const CString kDataFileName("Clubs.dat");

// The archive's buffer for reading the club file: the bytes are the same whatever its size,
// and a large table comes in a few dozen calls to the file instead of one per 4 KiB.
constexpr int kClubFileBufferSize = 64 * 1024;
// The largest buffer a save fills before it writes.
constexpr std::uint64_t kLargestWriteBuffer = std::uint64_t{64} << 20;

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

// Whether a save could put a file in place of `path` as far as owners go: through the user's
// own links, in the user's own place.
bool IsOwnPlaceFor(const CString& path) {
    const CString target = FinalPathOf(path);
    return FollowsOwnLinksOnly(path) &&
           IsOwnDirectory(target.Left(std::max(target.ReverseFind(kPathSeparator), 0)));
}

bool IsOtherUsersPlace(const CString& path) {
    return !IsOwnPlaceFor(path) &&
           !IsOwnPlaceFor(InDirectory(PreferredDataDirectory(), kDataFileName));
}

// Why a file that is there cannot be read; none when it can be, or is not there at all.
CFileException::Cause ReadFailure(const CString& path) {
    CFile file;
    CFileException error;
    if (file.Open(path, CFile::modeRead, &error)) {
        return CFileException::none;
    }
    return error.m_cause == CFileException::fileNotFound ? CFileException::none : error.m_cause;
}

// Keeps a damaged data file under another name before a save can replace it: beside it,
// or in the preferred data directory when its own directory cannot be written. The name of
// the copy, or empty when none could be made.
CString KeepDamagedFile(CFile& file, std::uint64_t nBytes, const CString& path) {
    // Bytes that another user's link led to are not copied anywhere.
    if (!FollowsOwnLinksOnly(path)) {
        return {};
    }
    const CString beside = GetDamagedDataFilePath(path);
    if (CopyDamagedFile(file, nBytes, beside)) {
        RemoveOldDamagedCopies(path);
        return beside;
    }
    const CString dir = PreferredDataDirectory();
    const CString preferred = InDirectory(dir, kDataFileName);
    if (preferred == path || !CreateDirectoryPath(dir)) {
        return {};
    }
    const CString there = GetDamagedDataFilePath(preferred);
    if (!CopyDamagedFile(file, nBytes, there)) {
        return {};
    }
    RemoveOldDamagedCopies(preferred);
    return there;
}

} // namespace

CString GetAppDirectory() {
    const CString path = GetModuleFilePath();
    return path.Left(path.ReverseFind(kPathSeparator) + 1);
}

CString GetDataFilePath() {
    const CString preferred = InDirectory(PreferredDataDirectory(), kDataFileName);
    if (FileExists(preferred)) {
        return preferred;
    }
    // A table beside the program (a portable copy) is still read and written there; a new
    // one is the user's own, in the user's data directory.
    const CString beside = GetAppDirectory() + kDataFileName;
    return FileExists(beside) ? beside : preferred;
}

CString GetDamagedDataFilePath(const CString& strDataFile) {
    return NextDamagedCopyPath(strDataFile);
}

BOOL CClubDataFile::Serialize(CClubList& clubs, UINT nMode) {
    return nMode == CArchive::load ? LoadCatchingMemory(clubs, true) : Save(clubs);
}

BOOL CClubDataFile::LoadReadOnly(CClubList& clubs) {
    return LoadCatchingMemory(clubs, false);
}

BOOL CClubDataFile::LoadCatchingMemory(CClubList& clubs, bool keepDamagedCopy) {
    const int before = clubs.GetCount();
    m_bLeaveDataFile = false;
    try {
        return Load(clubs, keepDamagedCopy);
    } catch (const std::bad_alloc&) {
    }
    // Too little memory says nothing about the file: it is neither damaged nor replaced, and
    // the run starts from the default set, with the memory the clubs read took given back.
    m_report.m_outcome = ClubFileReport::noMemory;
    m_bLeaveDataFile = true;
    if (before == 0) {
        clubs.DeleteAll();
    }
    try {
        while (clubs.GetCount() > before) {
            [[maybe_unused]] const auto dropped = clubs.RemoveAt(clubs.GetTailPosition());
        }
    } catch (const std::bad_alloc&) {
    }
    return FALSE;
}

BOOL CClubDataFile::Load(CClubList& clubs, bool keepDamagedCopy) {
    m_report = ClubFileReport{};
    m_report.m_strPath = GetDataFilePath();
    m_strLeaveAlone.Empty();
    const CString& path = m_report.m_strPath;
    m_report.m_bOtherUsersPlace = IsOtherUsersPlace(path);
    CFile file;
    CFileException error;
    if (!file.Open(path, CFile::modeRead, &error)) {
        if (error.m_cause == CFileException::fileNotFound) {
            m_report.m_outcome = ClubFileReport::absent;
        } else {
            m_report.m_outcome = ClubFileReport::unreadable;
            m_report.m_cause = error.m_cause;
            m_strLeaveAlone = path;
        }
        return FALSE;
    }
    // The copy of a damaged file holds what the file held when it was opened, and no more,
    // even if it grows meanwhile.
    std::uint64_t length = 0;
    try {
        length = file.GetLength();
    } catch (const CFileException&) {
    }
    const int before = clubs.GetCount();
    bool outOfMemory = false;
    const bool whole = ReadClubs(file, clubs, &outOfMemory);
    if (outOfMemory) {
        throw std::bad_alloc();
    }
    m_report.m_nClubsRead = clubs.GetCount() - before;
    if (whole) {
        m_report.m_outcome = ClubFileReport::loaded;
        return TRUE;
    }
    m_report.m_outcome = ClubFileReport::damaged;
    if (keepDamagedCopy) {
        m_report.m_strDamagedCopy = KeepDamagedFile(file, length, path);
    }
    if (m_report.m_strDamagedCopy.IsEmpty()) {
        m_strLeaveAlone = path; // no save may replace the only copy of the damaged table
    }
    return m_report.m_nClubsRead > 0 ? TRUE : FALSE;
}

BOOL CClubDataFile::Save(CClubList& clubs) {
    const CString path = GetDataFilePath();
    m_report = ClubFileReport{};
    m_report.m_strPath = path;
    const CString dir = PreferredDataDirectory();
    const CString preferred = InDirectory(dir, kDataFileName);
    if (path == preferred) {
        CreateDirectoryPath(dir); // a new table: the user's data directory may be new too
    }
    CFileException::Cause cause = CFileException::none;
    if (SaveTo(clubs, path, cause)) {
        m_report.m_outcome = ClubFileReport::saved;
        return TRUE;
    }
    // An installed program's directory is often read-only, and a file that could not be
    // read is left as it is: the preferred data directory takes the table instead, and the
    // path rule finds it there from the next start on.
    CFileException::Cause ignored = CFileException::none;
    if (path != preferred && CreateDirectoryPath(dir) && SaveTo(clubs, preferred, ignored)) {
        m_report.m_outcome = ClubFileReport::saved;
        m_report.m_strPath = preferred;
        return TRUE;
    }
    m_report.m_outcome = ClubFileReport::notSaved;
    m_report.m_cause = cause;
    m_report.m_bOtherUsersPlace = IsOtherUsersPlace(path);
    return FALSE;
}

bool CClubDataFile::SaveTo(CClubList& clubs, const CString& path,
                           CFileException::Cause& cause) const {
    const bool leave = path == m_strLeaveAlone || (m_bLeaveDataFile && path == GetDataFilePath());
    cause = leave ? CFileException::accessDenied : ReadFailure(path);
    if (cause != CFileException::none) {
        return false;
    }
    CAtomicFile file;
    CFileException error;
    if (!file.Open(path, CFile::modeCreate | CFile::modeWrite, &error)) {
        cause = error.m_cause;
        return false;
    }
    if (!WriteClubs(file, clubs)) {
        cause = CFileException::genericException;
        return false;
    }
    if (!file.Commit(&error)) {
        cause = error.m_cause;
        return false;
    }
    return true;
}

BOOL SerializeClubs(CClubList& clubs, UINT nMode) {
    CClubDataFile file;
    return file.Serialize(clubs, nMode);
}

bool ReadClubs(CFile& file, CClubList& clubs, bool* pbOutOfMemory) {
    try {
        // No larger than the file needs: a small table is read in one call all the same.
        const std::uint64_t length = file.GetLength();
        const int bufferSize =
            static_cast<int>(std::clamp<std::uint64_t>(length + 1, 4096, kClubFileBufferSize));
        CArchive ar(&file, CArchive::load, bufferSize, nullptr);
        clubs.Serialize(ar);
        // The file ends right after the clubs its count names. Bytes beyond them (a count
        // lower than the clubs the file holds, or none while clubs follow) would be dropped
        // by the next save without a word.
        const bool whole = ar.GetRemainingBytes() == 0;
        ar.Close();
        return whole;
    } catch (const CMemoryException&) {
    } catch (const CException&) {
        return false;
    } catch (const std::bad_alloc&) {
    }
    // Memory for a text, a list node or the archive's buffer ran out: the table read so far
    // is kept, as when the file is cut short, and the caller learns why.
    if (pbOutOfMemory != nullptr) {
        *pbOutOfMemory = true;
    }
    return false;
}

namespace {

// The bytes the table takes in the file.
std::uint64_t StoredBytes(const CClubList& clubs) {
    std::uint64_t bytes = 8;
    for (auto pos = clubs.GetHeadPosition(); pos;) {
        const CGolfClub* club = clubs.GetNext(pos);
        bytes += club_record::StoredBytes(*club);
    }
    return bytes;
}

} // namespace

bool WriteClubs(CFile& file, CClubList& clubs) {
    try {
        // The whole table goes into one buffer and to the file in one write (a table larger
        // than the cap, in a few).
        const auto bufferSize =
            static_cast<UINT>(std::min<std::uint64_t>(StoredBytes(clubs), kLargestWriteBuffer));
        const std::unique_ptr<BYTE[]> buffer(new BYTE[std::max<UINT>(bufferSize, 16)]);
        CArchive ar(&file, CArchive::store, static_cast<int>(std::max<UINT>(bufferSize, 16)),
                    buffer.get());
        clubs.Serialize(ar);
        ar.Close();
        return true;
    } catch (const CException&) {
    } catch (const std::bad_alloc&) {
    }
    return false;
}

bool CopyDamagedFile(CFile& file, std::uint64_t nBytes, const CString& strTarget) {
    // Whatever has the copy's name is replaced, a link itself included; the copy is as
    // private as the damaged file.
    CAtomicFile copy(false);
    FileAttributes attributes;
    if (file.GetFileHandle() == kNoFileHandle ||
        !OsGetFileAttributes(file.GetFileHandle(), attributes)) {
        attributes = FileAttributes{};
    }
    copy.SetAttributes(attributes);
    if (!copy.Open(strTarget, CFile::modeCreate | CFile::modeWrite)) {
        return false;
    }
    try {
        file.SeekToBegin();
        BYTE buffer[65536];
        for (std::uint64_t left = nBytes; left > 0;) {
            const UINT n =
                file.Read(buffer, static_cast<UINT>(std::min<std::uint64_t>(left, sizeof buffer)));
            if (n == 0) {
                break;
            }
            copy.Write(buffer, n);
            left -= n;
        }
    } catch (const CException&) {
        return false;
    }
    return copy.Commit();
}
