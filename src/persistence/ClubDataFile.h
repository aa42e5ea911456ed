#pragma once
// Stand-in: the data file functions with the agreed interface, in a plain text form.
#include "club/ClubList.h"
#include "platform/core/CString.h"

CString GetAppDirectory();
CString GetDataFilePath();
BOOL SerializeClubs(CClubList& clubs, UINT nMode);
