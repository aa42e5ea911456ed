#pragma once

#include "platform/core/CObject.h"
#include "platform/core/COleDateTime.h"
#include "platform/core/CString.h"

// One club in the player's bag with its best distances for both player types.
class CGolfClub : public CObject {
    DECLARE_DYNCREATE(CGolfClub)

public:
    CGolfClub();
    explicit CGolfClub(std::int32_t nClubId);
    ~CGolfClub() override = default;

    // Writes the record to, or reads it from, the club data file: a leading word 0, the id,
    // the extra text, both distances, the name, and the two date-times.
    void Serialize(CArchive& ar) override;

    void Reset();
    void SetName(const CString& strName);
    void SetMaleDistance(std::int32_t nYards);
    void SetFemaleDistance(std::int32_t nYards);
    void CopyFrom(const CGolfClub& other);

    // -1, 0 or +1 as this club's id is below, equal to or above nClubId.
    int CompareId(std::int32_t nClubId) const;
    int Compare(const CGolfClub& other) const { return CompareId(other.m_nClubId); }

    // The two player types. Type 1 reads the male distance and every other value the
    // female one, so a stored type outside these two still picks a column.
    static constexpr PlayerType kAdultMale = 1;
    static constexpr PlayerType kAdultFemale = 2;
    static constexpr bool ReadsMaleDistance(PlayerType playerType) {
        return playerType == kAdultMale;
    }

    // The best distance that a player of this type hits with the club.
    std::int32_t DistanceFor(PlayerType playerType) const {
        return ReadsMaleDistance(playerType) ? m_nMaleDistance : m_nFemaleDistance;
    }
    std::int32_t& DistanceFor(PlayerType playerType) {
        return ReadsMaleDistance(playerType) ? m_nMaleDistance : m_nFemaleDistance;
    }

    std::int32_t m_nClubId = 0;

private:
    friend class CClubList;
    // A record as a load makes it, before its fields are read: the reset values, without the
    // clock (the load replaces both date-times).
    struct Unread {};
    explicit CGolfClub(Unread) {}

    // Where the record stands in the list that holds it, kept by that list (in the room that
    // the id leaves before the next field), so that a position finds its neighbours.
    std::int32_t m_nListIndex = -1;

public:
    CString m_strExtra;
    std::int32_t m_nMaleDistance = 0;
    std::int32_t m_nFemaleDistance = 0;
    CString m_strName;
    COleDateTime m_dtCreated;
    COleDateTime m_dtModified;
};
