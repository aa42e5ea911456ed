#include "club/GolfClub.h"

#include "club/ClubRecordBytes.h"
#include "platform/core/CArchive.h"

namespace {

// Stores the record in one piece when both its texts are short: the same bytes as the
// field-by-field writing below, put straight into the archive's buffer.
bool StoreInBuffer(CArchive& ar, const CGolfClub& club) {
    const auto size = static_cast<UINT>(club_record::WriteBytes(club));
    if (size == 0) {
        return false;
    }
    BYTE* out = ar.GetWritable(size);
    if (out == nullptr) {
        return false;
    }
    club_record::Write(out, club);
    ar.CommitWritten(size);
    return true;
}

} // namespace

void CGolfClub::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        if (StoreInBuffer(ar, *this)) {
            return;
        }
        ar << std::int32_t{0};
        ar << m_nClubId;
        ar << m_strExtra;
        ar << m_nMaleDistance;
        ar << m_nFemaleDistance;
        ar << m_strName;
        ar << m_dtCreated;
        ar << m_dtModified;
    } else {
        std::int32_t leading = 0;
        ar >> leading;
        ar >> m_nClubId;
        ar >> m_strExtra;
        ar >> m_nMaleDistance;
        ar >> m_nFemaleDistance;
        ar >> m_strName;
        ar >> m_dtCreated;
        ar >> m_dtModified;
    }
}
