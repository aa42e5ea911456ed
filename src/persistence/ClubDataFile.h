#pragma once

#include "club/ClubList.h"
#include "platform/core/CString.h"

class CFile;

// The running executable's directory with its trailing separator; empty when the
// executable's path has no separator.
CString GetAppDirectory();
// The data file to use now: Clubs.dat in the preferred data directory when an entry of
// that name exists there, else Clubs.dat in the program's directory.
CString GetDataFilePath();
// nMode 1 (CArchive::load) loads `clubs` from the data file, 0 (CArchive::store) saves them.
// Load: nonzero when the file opened, whatever it held; the records read before any damage
// stay, and a damaged file is kept as "Clubs.dat.damaged" beside it. Save: nonzero when the
// table was written whole somewhere (the path rule's place, or the preferred data directory
// when that place cannot be written); zero only when nothing could be written.
BOOL SerializeClubs(CClubList& clubs, UINT nMode);

// The name under which a damaged data file is kept, beside it.
CString GetDamagedDataFilePath(const CString& strDataFile);

// Reads the club table from an open file, appending to `clubs`. False when the file ended
// early or held something unreadable; the records read before that are in the list.
bool ReadClubs(CFile& file, CClubList& clubs);
