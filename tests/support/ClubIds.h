#pragma once

#include "club/ClubList.h"

#include <cstdint>
#include <vector>

// The ids of a club list from head to tail: what most checks of a list's order compare.
inline std::vector<std::int32_t> Ids(const CClubList& clubs) {
    std::vector<std::int32_t> ids;
    for (auto pos = clubs.GetHeadPosition(); pos;) {
        ids.push_back(clubs.GetNext(pos)->m_nClubId);
    }
    return ids;
}
