#include "advisor/ClubFileMessages.h"

#include "advisor/Texts.h"
#include "platform/core/KnownFolders.h"
#include "res/Resource.h"

namespace {

CString WhyUnreadable(CFileException::Cause cause) {
    switch (cause) {
    case CFileException::accessDenied:
        return LoadText(IDS_UNREADABLE_ACCESS);
    case CFileException::invalidFile:
        return LoadText(IDS_UNREADABLE_NOT_A_FILE);
    default:
        return LoadText(IDS_UNREADABLE_ERROR);
    }
}

// The table and the settings that lie in places of another user (an administrator run with a
// user's home): read, and never written in this run.
CString OtherUsersPlacesMessage(const ClubFileReport& report) {
    const CString settings = GetSettingsPlaceOfAnotherUser();
    if (report.m_bOtherUsersPlace && !settings.IsEmpty()) {
        return FormatText(IDS_OTHER_USER_BOTH, {report.m_strPath, settings});
    }
    if (report.m_bOtherUsersPlace) {
        return FormatText(IDS_OTHER_USER_TABLE, {report.m_strPath});
    }
    if (!settings.IsEmpty()) {
        return FormatText(IDS_OTHER_USER_SETTINGS, {settings});
    }
    return {};
}

CString Joined(const CString& first, const CString& second) {
    return first.IsEmpty() || second.IsEmpty() ? first + second : first + u"\n\n" + second;
}

CString DamagedMessage(const ClubFileReport& report) {
    const int read = report.m_nClubsRead;
    const UINT form = read <= 0   ? IDS_TABLE_DAMAGED_NONE
                      : read == 1 ? IDS_TABLE_DAMAGED_ONE
                                  : IDS_TABLE_DAMAGED_MANY;
    CString text = FormatText(form, {report.m_strPath, NumberText(read)});
    if (report.m_strDamagedCopy.IsEmpty()) {
        text += LoadText(IDS_TABLE_DAMAGED_NO_COPY);
    } else {
        text += FormatText(IDS_TABLE_DAMAGED_COPY, {report.m_strDamagedCopy});
    }
    return text;
}

} // namespace

CString ClubFileLoadMessage(const ClubFileReport& report) {
    CString text;
    if (report.m_outcome == ClubFileReport::damaged) {
        text = DamagedMessage(report);
    } else if (report.m_outcome == ClubFileReport::unreadable) {
        text = FormatText(IDS_TABLE_UNREADABLE, {report.m_strPath, WhyUnreadable(report.m_cause)});
    } else if (report.m_outcome == ClubFileReport::noMemory) {
        text = FormatText(IDS_TABLE_NO_MEMORY, {report.m_strPath});
    }
    return Joined(text, OtherUsersPlacesMessage(report));
}

CString ClubFileNotSavedMessage(const ClubFileReport& report) {
    if (report.m_bOtherUsersPlace) {
        return {};
    }
    return FormatText(IDS_TABLE_NOT_SAVED, {report.m_strPath});
}

CString SettingsNotSavedMessage() {
    if (!GetSettingsPlaceOfAnotherUser().IsEmpty()) {
        return {};
    }
    return LoadText(IDS_SETTINGS_NOT_SAVED);
}
