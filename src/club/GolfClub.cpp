#include "club/GolfClub.h"

IMPLEMENT_DYNCREATE(CGolfClub, CObject, 0)

CGolfClub::CGolfClub() {
    Reset();
    m_dtCreated = COleDateTime::GetCurrentTime();
}

CGolfClub::CGolfClub(std::int32_t nClubId) : CGolfClub() {
    m_nClubId = nClubId;
}

void CGolfClub::Reset() {
    m_nClubId = 0;
    m_strExtra.Empty();
    m_nMaleDistance = 0;
    m_nFemaleDistance = 0;
    m_strName.Empty();
    m_dtCreated = COleDateTime();
    m_dtModified = COleDateTime();
}

void CGolfClub::SetName(const CString& strName) {
    m_dtModified = COleDateTime::GetCurrentTime();
    m_strName = strName;
    m_strName.FreeExtra();
}

void CGolfClub::SetMaleDistance(std::int32_t nYards) {
    m_dtModified = COleDateTime::GetCurrentTime();
    m_nMaleDistance = nYards;
}

void CGolfClub::SetFemaleDistance(std::int32_t nYards) {
    m_dtModified = COleDateTime::GetCurrentTime();
    m_nFemaleDistance = nYards;
}

void CGolfClub::CopyFrom(const CGolfClub& other) {
    m_nClubId = other.m_nClubId;
    m_strExtra = other.m_strExtra;
    m_nMaleDistance = other.m_nMaleDistance;
    m_nFemaleDistance = other.m_nFemaleDistance;
    m_strName = other.m_strName;
    m_dtCreated = other.m_dtCreated;
    m_dtModified = other.m_dtModified;
}

int CGolfClub::CompareId(std::int32_t nClubId) const {
    if (m_nClubId < nClubId) {
        return -1;
    }
    return m_nClubId == nClubId ? 0 : 1;
}
