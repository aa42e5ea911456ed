#include "club/ClubBook.h"

#include "support/FixedClock.h"

#include <gtest/gtest.h>

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

TEST_F(DefaultSet, WalkStopsAtTheFirstClubThatFallsShort) {
    m_clubs.FindClub(7)->SetMaleDistance(200); // "5 Iron"
    EXPECT_EQ(Recommend(m_clubs, 1, 195), CString(u"3 Wood"));
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
