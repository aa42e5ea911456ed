#pragma once

#include "club/ClubList.h"
#include "platform/core/CFileException.h"
#include "platform/core/CString.h"

#include <cstdint>

class CFile;

// The running executable's directory with its trailing separator; empty when the
// executable's path has no separator.
CString GetAppDirectory();
// The data file to use now: Clubs.dat in the preferred data directory when an entry of that
// name exists there, else Clubs.dat in the program's directory when one exists there, else
// (a new table) Clubs.dat in the preferred data directory.
CString GetDataFilePath();

// What a load or a save of the club table met, for the player to be told.
struct ClubFileReport {
    enum Outcome {
        none,
        loaded,     // read whole
        absent,     // no file in either place
        damaged,    // read up to the damage; the clubs read before it are kept
        unreadable, // there, but could not be read at all; left as it is
        noMemory,   // there, but memory ran out while it was read; left as it is
        saved,      // written whole to m_strPath
        notSaved,   // nothing could be written; m_strPath is where the table belongs
    };
    Outcome m_outcome = none;
    // The file read, written, or that could not be.
    CString m_strPath;
    // Loaded or damaged: the clubs taken from the file.
    int m_nClubsRead = 0;
    // Damaged: where the copy of the damaged file is kept; empty when none could be made.
    CString m_strDamagedCopy;
    // Unreadable or not saved: why.
    CFileException::Cause m_cause = CFileException::none;
    // Neither the file's place nor the preferred data directory is the user's own: they
    // belong to another user than the effective one (an administrator run with a user's
    // home), so the table is read but cannot be saved in this run.
    bool m_bOtherUsersPlace = false;
};

// The club data file of one run. A load that finds the file damaged keeps a copy of it
// (beside it, or in the preferred data directory) before any save replaces it; a file that
// the load could not read (or ran out of memory reading), or of which no copy could be kept,
// is never replaced in this run: the save goes to the preferred data directory instead, and
// fails when that is where the file is.
class CClubDataFile {
public:
    // nMode CArchive::load appends the file's clubs to `clubs`: nonzero when a table was read
    // (whole, or damaged after at least one club); zero when there was none, it could not be
    // read, or no whole club could be read from it, and the caller builds the default set.
    // When memory runs out the clubs read are dropped again: that says nothing about the
    // file, which is not damaged, only not loaded.
    // nMode CArchive::store writes the table: nonzero when it was written whole somewhere
    // (the path rule's place, or the preferred data directory when that place cannot be
    // written); zero only when nothing could be written.
    BOOL Serialize(CClubList& clubs, UINT nMode);
    // A load that changes no file, for a run that only looks: as Serialize's load, but a
    // damaged file is read up to the damage without a copy of it being kept.
    BOOL LoadReadOnly(CClubList& clubs);
    // What the last Serialize or LoadReadOnly met.
    const ClubFileReport& GetReport() const { return m_report; }

private:
    BOOL LoadCatchingMemory(CClubList& clubs, bool keepDamagedCopy);
    BOOL Load(CClubList& clubs, bool keepDamagedCopy);
    BOOL Save(CClubList& clubs);
    // Writes the table in place of `path`, unless that must be left alone.
    bool SaveTo(CClubList& clubs, const CString& path, CFileException::Cause& cause) const;

    ClubFileReport m_report;
    CString m_strLeaveAlone;
    // The file the path rule names is left alone (its load ran out of memory).
    bool m_bLeaveDataFile = false;
};

// One load or save, as CClubDataFile does it.
BOOL SerializeClubs(CClubList& clubs, UINT nMode);

// The name under which a damaged data file is kept now, beside it: "Clubs.dat.damaged", or
// after earlier copies the next of "Clubs.dat.damaged.2", ".3" ... (the last ten are kept).
CString GetDamagedDataFilePath(const CString& strDataFile);

// Reads the club table from an open file, appending to `clubs`. False when the table is
// damaged: the file ended early, held something unreadable, held bytes after the clubs its
// count names, or more clubs than a table holds; or memory ran out, which *pbOutOfMemory
// (when given) tells apart. The whole records read before that are in the list.
bool ReadClubs(CFile& file, CClubList& clubs, bool* pbOutOfMemory = nullptr);
// Writes the table to an open file; false when a write failed.
bool WriteClubs(CFile& file, CClubList& clubs);
// Keeps the first nBytes of an open damaged file (the bytes it had when it was opened) as a
// new file `strTarget`, with the damaged file's permission bits; false when it could not.
bool CopyDamagedFile(CFile& file, std::uint64_t nBytes, const CString& strTarget);
