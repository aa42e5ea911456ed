#include "club/ClubBook.h"

namespace {

struct DefaultClub {
    const char* name;
    std::int32_t male;
    std::int32_t female;
};

constexpr DefaultClub kDefaultClubs[] = {
    {"Driver (1 Wood)", 220, 190}, {"3 Wood", 200, 180},   {"5 Wood", 190, 170},
    {"7 Wood", 180, 160},          {"3 Iron", 180, 160},   {"4 Iron", 170, 150},
    {"5 Iron", 160, 140},          {"6 Iron", 150, 130},   {"7 Iron", 140, 120},
    {"8 Iron", 130, 110},          {"9 Iron", 120, 100},   {"Pitching Wedge", 110, 90},
    {"Dual/Gap Wedge", 100, 80},   {"Sand Wedge", 80, 60},
};

} // namespace

void BuildDefaultClubs(CClubList& clubs, const std::array<const char16_t*, 14>* names) {
    std::int32_t id = 1;
    for (const DefaultClub& row : kDefaultClubs) {
        const std::size_t index = static_cast<std::size_t>(id - 1);
        const bool named = names != nullptr && (*names)[index] != nullptr;
        auto club = std::make_unique<CGolfClub>(id++);
        club->SetName(named ? CString((*names)[index]) : CString(row.name));
        club->SetMaleDistance(row.male);
        club->SetFemaleDistance(row.female);
        clubs.AddClub(club);
    }
}

const CGolfClub* FindClubForDistance(const CClubList& clubs, PlayerType playerType,
                                     std::int32_t nYards) {
    const CGolfClub* shortestReaching = nullptr;
    const CGolfClub* longest = nullptr;
    for (auto pos = clubs.GetHeadPosition(); pos;) {
        const CGolfClub* club = clubs.GetNext(pos);
        const std::int32_t distance = club->DistanceFor(playerType);
        if (distance >= nYards && (shortestReaching == nullptr ||
                                   distance <= shortestReaching->DistanceFor(playerType))) {
            shortestReaching = club;
        }
        if (longest == nullptr || distance > longest->DistanceFor(playerType)) {
            longest = club;
        }
    }
    return shortestReaching != nullptr ? shortestReaching : longest;
}
