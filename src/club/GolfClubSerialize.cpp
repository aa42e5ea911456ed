#include "GolfClub.h"

#include "platform/core/CArchive.h"

void CGolfClub::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
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
