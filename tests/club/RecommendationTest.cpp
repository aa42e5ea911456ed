#include "club/ClubBook.h"

#include "support/FixedClock.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <vector>

namespace {

CString Recommend(const CClubList& clubs, PlayerType type, std::int32_t yards) {
    const CGolfClub* club = FindClubForDistance(clubs, type, yards);
    return club != nullptr ? club->m_strName : CString(u"(none)");
}

class DefaultSet : public ::testing::Test {
protected:
    DefaultSet() { BuildDefaultClubs(m_clubs); }
    CClubList m_clubs;
};

} // namespace

TEST_F(DefaultSet, HoldsTheFourteenClubsInIdOrder) {
    struct Row {
        const char16_t* name;
        std::int32_t male, female;
    };
    const Row rows[] = {
        {u"Driver (1 Wood)", 220, 190}, {u"3 Wood", 200, 180},   {u"5 Wood", 190, 170},
        {u"7 Wood", 180, 160},          {u"3 Iron", 180, 160},   {u"4 Iron", 170, 150},
        {u"5 Iron", 160, 140},          {u"6 Iron", 150, 130},   {u"7 Iron", 140, 120},
        {u"8 Iron", 130, 110},          {u"9 Iron", 120, 100},   {u"Pitching Wedge", 110, 90},
        {u"Dual/Gap Wedge", 100, 80},   {u"Sand Wedge", 80, 60},
    };
    ASSERT_EQ(m_clubs.GetCount(), 14);
    std::int32_t id = 1;
    auto pos = m_clubs.GetHeadPosition();
    for (const Row& row : rows) {
        const CGolfClub* club = m_clubs.GetNext(pos);
        EXPECT_EQ(club->m_nClubId, id++);
        EXPECT_EQ(club->m_strName, CString(row.name));
        EXPECT_EQ(club->m_nMaleDistance, row.male);
        EXPECT_EQ(club->m_nFemaleDistance, row.female);
        EXPECT_TRUE(club->m_strExtra.IsEmpty());
    }
}

TEST(DefaultClubStamps, ModifiedEndsAtTheFemaleDistanceSetter) {
    FixedClock clock(46000.0, 0.001); // created, name, male, female: four readings a club
    CClubList clubs;
    BuildDefaultClubs(clubs);
    EXPECT_EQ(clock.Readings(), 14 * 4);
    const CGolfClub* first = clubs.GetHead();
    EXPECT_DOUBLE_EQ(first->m_dtCreated.m_dt, 46000.0);
    EXPECT_DOUBLE_EQ(first->m_dtModified.m_dt, 46000.003);
    for (auto pos = clubs.GetHeadPosition(); pos;) {
        const CGolfClub* club = clubs.GetNext(pos);
        EXPECT_GT(club->m_dtModified.m_dt, club->m_dtCreated.m_dt);
    }
}

TEST_F(DefaultSet, RecommendationAtEveryBoundary) {
    // Each row: the club, then the lowest and highest male and female targets that give it.
    struct Row {
        const char16_t* club;
        std::int32_t maleLow, maleHigh, femaleLow, femaleHigh;
    };
    const Row rows[] = {
        {u"Driver (1 Wood)", 201, 1000, 181, 1000},
        {u"3 Wood", 191, 200, 171, 180},
        {u"5 Wood", 181, 190, 161, 170},
        {u"3 Iron", 171, 180, 151, 160},
        {u"4 Iron", 161, 170, 141, 150},
        {u"5 Iron", 151, 160, 131, 140},
        {u"6 Iron", 141, 150, 121, 130},
        {u"7 Iron", 131, 140, 111, 120},
        {u"8 Iron", 121, 130, 101, 110},
        {u"9 Iron", 111, 120, 91, 100},
        {u"Pitching Wedge", 101, 110, 81, 90},
        {u"Dual/Gap Wedge", 81, 100, 61, 80},
        {u"Sand Wedge", -50, 80, -50, 60},
    };
    for (const Row& row : rows) {
        for (std::int32_t yards : {row.maleLow, row.maleHigh}) {
            EXPECT_EQ(Recommend(m_clubs, 1, yards), CString(row.club)) << "male " << yards;
        }
        for (std::int32_t yards : {row.femaleLow, row.femaleHigh}) {
            EXPECT_EQ(Recommend(m_clubs, 2, yards), CString(row.club)) << "female " << yards;
        }
    }
    // Every target from 0 to 300 lands in one of the rows, and "7 Wood" never answers.
    for (std::int32_t yards = 0; yards <= 300; ++yards) {
        for (PlayerType type : {1, 2}) {
            EXPECT_NE(Recommend(m_clubs, type, yards), CString(u"7 Wood")) << yards;
        }
    }
}

TEST_F(DefaultSet, NamedCases) {
    struct Case {
        PlayerType type;
        std::int32_t yards;
        const char16_t* club;
    };
    const Case cases[] = {
        {1, 180, u"3 Iron"},           {1, 181, u"5 Wood"},    {1, 220, u"Driver (1 Wood)"},
        {1, 1000, u"Driver (1 Wood)"}, {1, 80, u"Sand Wedge"}, {1, 50, u"Sand Wedge"},
        {1, 150, u"6 Iron"},           {2, 160, u"3 Iron"},    {2, 61, u"Dual/Gap Wedge"},
        {2, 60, u"Sand Wedge"},        {3, 160, u"3 Iron"},    {0, 61, u"Dual/Gap Wedge"},
        {-1, 190, u"Driver (1 Wood)"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Recommend(m_clubs, c.type, c.yards), CString(c.club))
            << "type " << c.type << ", " << c.yards << " yards";
    }
}

TEST_F(DefaultSet, OneOddDistanceInAnEditedTableSpoilsNoOtherClub) {
    struct Case {
        std::int32_t id;
        PlayerType type;
        std::int32_t distance; // what the player set for that club and type
        std::int32_t yards;
        const char16_t* club;
    };
    const Case cases[] = {
        {5, 1, 0, 150, u"6 Iron"},            // "3 Iron" left out of the bag
        {5, 2, 0, 130, u"6 Iron"},            // the same for the female column
        {10, 1, 13, 100, u"Dual/Gap Wedge"},  // "8 Iron" mistyped as 13
        {7, 1, 200, 195, u"5 Iron"},          // ties "3 Wood": the later club of equals
        {1, 1, 200, 250, u"Driver (1 Wood)"}, // none reaches: the first of the longest
        {14, 1, 500, 1000, u"Sand Wedge"},    // none reaches: the longest, wherever it is
    };
    for (const Case& c : cases) {
        CClubList clubs;
        BuildDefaultClubs(clubs);
        clubs.FindClub(c.id)->DistanceFor(c.type) = c.distance;
        EXPECT_EQ(Recommend(clubs, c.type, c.yards), CString(c.club))
            << "club " << c.id << " at " << c.distance << ", " << c.yards << " yards";
    }
}

namespace {

// The walk from the head that names the club on a table whose distances never rise: the
// last club before the first one that falls short, or the head when even the head does.
const CGolfClub* WalkFromTheHead(const CClubList& clubs, PlayerType type, std::int32_t yards) {
    const CGolfClub* candidate = clubs.GetHead();
    for (auto pos = clubs.GetHeadPosition(); pos;) {
        const CGolfClub* club = clubs.GetNext(pos);
        if (club->DistanceFor(type) < yards) {
            break;
        }
        candidate = club;
    }
    return candidate;
}

} // namespace

TEST(Recommendation, OnTablesThatNeverRiseItIsTheWalkFromTheHead) {
    std::mt19937 random(20240611);
    const auto draw = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    for (int table = 0; table < 400; ++table) {
        CClubList clubs;
        std::int32_t male = draw(-20, 400);
        std::int32_t female = draw(-20, 400);
        const int count = draw(1, 16);
        for (std::int32_t id = 1; id <= count; ++id) {
            auto club = std::make_unique<CGolfClub>(id);
            club->m_nMaleDistance = male;
            club->m_nFemaleDistance = female;
            clubs.AddClub(club);
            male -= draw(0, 3) == 0 ? 0 : draw(1, 40); // ties are common in a real bag
            female -= draw(0, 3) == 0 ? 0 : draw(1, 40);
        }
        for (PlayerType type : {CGolfClub::kAdultMale, CGolfClub::kAdultFemale}) {
            std::vector<std::int32_t> targets = {INT32_MIN, 0, INT32_MAX};
            for (auto pos = clubs.GetHeadPosition(); pos;) {
                const std::int32_t d = clubs.GetNext(pos)->DistanceFor(type);
                targets.insert(targets.end(), {d - 1, d, d + 1});
            }
            for (std::int32_t yards : targets) {
                ASSERT_EQ(FindClubForDistance(clubs, type, yards),
                          WalkFromTheHead(clubs, type, yards))
                    << "table " << table << ", type " << type << ", " << yards << " yards";
            }
        }
    }
}

TEST(Recommendation, OneRecordListAlwaysAnswersThatRecord) {
    CClubList clubs;
    auto only = std::make_unique<CGolfClub>(3);
    only->SetName(CString(u"Putter"));
    only->SetMaleDistance(10);
    only->SetFemaleDistance(10);
    clubs.AddClub(only);
    for (std::int32_t yards : {INT32_MIN, 0, 10, 11, 500, INT32_MAX}) {
        for (PlayerType type : {1, 2}) {
            EXPECT_EQ(Recommend(clubs, type, yards), CString(u"Putter")) << yards;
        }
    }
}

TEST(Recommendation, EmptyListAnswersNoClub) {
    const CClubList clubs;
    EXPECT_EQ(FindClubForDistance(clubs, 1, 150), nullptr);
    EXPECT_EQ(FindClubForDistance(clubs, 2, 50), nullptr);
}
