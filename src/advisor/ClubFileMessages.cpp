#include "advisor/ClubFileMessages.h"

#include "platform/core/KnownFolders.h"

namespace {

CString WhyUnreadable(CFileException::Cause cause) {
    switch (cause) {
    case CFileException::accessDenied:
        return u"you have no permission to read it";
    case CFileException::invalidFile:
        return u"it is not a regular file";
    default:
        return u"the system reported an error";
    }
}

CString ClubCount(int count) {
    CString text;
    text.Format(count == 1 ? u"%d club" : u"%d clubs", count);
    return text;
}

// The table and the settings that lie in places of another user (an administrator run with a
// user's home): read, and never written in this run.
CString OtherUsersPlacesMessage(const ClubFileReport& report) {
    const CString settings = GetSettingsPlaceOfAnotherUser();
    if (report.m_bOtherUsersPlace && !settings.IsEmpty()) {
        return CString(u"The club table ") + report.m_strPath + u" and the settings " + settings +
               u" belong to another user. Caddora reads them but changes nothing there: what "
               u"you change in this run is not saved.";
    }
    if (report.m_bOtherUsersPlace) {
        return CString(u"The club table ") + report.m_strPath +
               u" belongs to another user. Caddora reads it but changes nothing there: the "
               u"table you change in this run is not saved.";
    }
    if (!settings.IsEmpty()) {
        return CString(u"The settings ") + settings +
               u" belong to another user. Caddora reads them but changes nothing there: the "
               u"player type and the distance of this run are not saved.";
    }
    return {};
}

CString Joined(const CString& first, const CString& second) {
    return first.IsEmpty() || second.IsEmpty() ? first + second : first + u"\n\n" + second;
}

} // namespace

CString ClubFileLoadMessage(const ClubFileReport& report) {
    CString text;
    if (report.m_outcome == ClubFileReport::damaged) {
        text = CString(u"The club table ") + report.m_strPath + u" is damaged";
        if (report.m_nClubsRead > 0) {
            text += CString(u"; ") + ClubCount(report.m_nClubsRead) + u" could be read from it.";
        } else {
            text += u" and no club could be read from it; Caddora starts with its own club set.";
        }
        if (report.m_strDamagedCopy.IsEmpty()) {
            text += u" No copy of the damaged file could be kept, so Caddora leaves it as it is.";
        } else {
            text += CString(u" A copy of the damaged file is kept as ") + report.m_strDamagedCopy +
                    u".";
        }
    } else if (report.m_outcome == ClubFileReport::unreadable) {
        text = CString(u"The club table ") + report.m_strPath + u" could not be read: " +
               WhyUnreadable(report.m_cause) +
               u". Caddora starts with its own club set and leaves that file as it is.";
    } else if (report.m_outcome == ClubFileReport::noMemory) {
        text = CString(u"The club table ") + report.m_strPath +
               u" could not be loaded: there was not enough memory for it. Caddora starts "
               u"with its own club set and leaves that file as it is.";
    }
    return Joined(text, OtherUsersPlacesMessage(report));
}

CString ClubFileNotSavedMessage(const ClubFileReport& report) {
    if (report.m_bOtherUsersPlace) {
        return {};
    }
    return CString(u"The club table could not be saved to ") + report.m_strPath + u".";
}

CString SettingsNotSavedMessage() {
    if (!GetSettingsPlaceOfAnotherUser().IsEmpty()) {
        return {};
    }
    return u"The settings could not be saved: the player type or the distance of this run is "
           u"lost.";
}
