#include "club/ClubList.h"
#include "support/ClubIds.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

void Fill(CClubList& list, std::initializer_list<std::int32_t> ids) {
    for (std::int32_t id : ids) {
        list.AddTail(std::make_unique<CGolfClub>(id));
    }
}

// The indices that the bisection probes while looking for `sought` among `ids`.
std::vector<int> Probes(const std::vector<std::int32_t>& ids, std::int32_t sought,
                        std::optional<int>* found = nullptr) {
    std::vector<int> probes;
    const auto result = BisectClubIndex(static_cast<int>(ids.size()), [&](int index) {
        probes.push_back(index);
        return CGolfClub(ids[static_cast<std::size_t>(index)]).CompareId(sought);
    });
    if (found != nullptr) {
        *found = result;
    }
    return probes;
}

} // namespace

TEST(ClubListSearch, ProbeSequencesOfTheBisection) {
    const std::vector<std::int32_t> oneToFourteen = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
    struct Case {
        std::vector<std::int32_t> ids;
        std::int32_t sought;
        std::vector<int> probes;
        std::optional<int> found;
    };
    const Case cases[] = {
        {oneToFourteen, 14, {7, 10, 12, 13}, 13},
        {oneToFourteen, 1, {7, 3, 1, 0}, 0},
        {oneToFourteen, 15, {7, 10, 12, 13}, std::nullopt},
        {oneToFourteen, 0, {7, 3, 1, 0}, std::nullopt},
        {oneToFourteen, 8, {7}, 7},
        {{5}, 5, {0}, 0},
        {{5}, 4, {0, 0}, std::nullopt},
        {{5}, 6, {0, 0}, std::nullopt},
        {{}, 1, {}, std::nullopt},
    };
    for (const Case& c : cases) {
        std::optional<int> found;
        EXPECT_EQ(Probes(c.ids, c.sought, &found), c.probes) << "seeking " << c.sought;
        EXPECT_EQ(found, c.found) << "seeking " << c.sought;
    }
}

TEST(ClubListSearch, FindsEveryPresentIdAndNoAbsentOne) {
    for (int n : {1, 2, 3, 7, 14, 15, 64, 100}) {
        CClubList list;
        for (int i = 0; i < n; ++i) {
            list.AddTail(std::make_unique<CGolfClub>(i * 2 + 1)); // odd ids
        }
        for (int id = -1; id <= n * 2 + 1; ++id) {
            CGolfClub* club = list.FindClub(id);
            if (id % 2 != 0 && id > 0 && id < n * 2) {
                ASSERT_NE(club, nullptr) << n << " clubs, id " << id;
                EXPECT_EQ(club->m_nClubId, id);
                EXPECT_EQ(list.GetAt(list.FindClubPosition(id)), club);
            } else {
                EXPECT_EQ(club, nullptr) << n << " clubs, id " << id;
                EXPECT_FALSE(list.FindClubPosition(id));
            }
        }
    }
}

TEST(ClubListSearch, FindingAfterTheListChangedSeesTheChange) {
    CClubList list;
    Fill(list, {1, 2, 4});
    ASSERT_NE(list.FindClub(4), nullptr);
    auto three = std::make_unique<CGolfClub>(3);
    list.AddClub(three);
    ASSERT_NE(list.FindClub(3), nullptr);
    EXPECT_EQ(list.FindClub(3)->m_nClubId, 3);
    EXPECT_EQ(list.FindClub(4)->m_nClubId, 4);
    const auto removed = list.RemoveClub(2);
    EXPECT_EQ(list.FindClub(2), nullptr);
    EXPECT_EQ(list.FindClub(4)->m_nClubId, 4);
}

TEST(ClubListAdd, InsertsInIdOrderWalkingFromTheTail) {
    struct Case {
        std::int32_t id;
        std::vector<std::int32_t> after;
    };
    for (const Case& c : {Case{3, {1, 2, 3, 4}}, Case{0, {0, 1, 2, 4}}, Case{9, {1, 2, 4, 9}},
                          Case{-7, {-7, 1, 2, 4}}}) {
        CClubList list;
        Fill(list, {1, 2, 4});
        auto club = std::make_unique<CGolfClub>(c.id);
        CGolfClub* raw = club.get();
        const auto pos = list.AddClub(club);
        ASSERT_TRUE(pos) << c.id;
        EXPECT_EQ(club, nullptr); // the list took it
        EXPECT_EQ(list.GetAt(pos), raw);
        EXPECT_EQ(Ids(list), c.after);
    }
}

TEST(ClubListAdd, DuplicateIdIsRefusedAndStaysWithTheCaller) {
    CClubList list;
    Fill(list, {1, 2, 4});
    auto duplicate = std::make_unique<CGolfClub>(2);
    EXPECT_FALSE(list.AddClub(duplicate));
    ASSERT_NE(duplicate, nullptr);
    EXPECT_EQ(list.GetCount(), 3);
    EXPECT_EQ(Ids(list), (std::vector<std::int32_t>{1, 2, 4}));
}

TEST(ClubListAdd, FirstRecordIsHeadAndTail) {
    CClubList list;
    EXPECT_EQ(list.FindClub(1), nullptr);
    auto club = std::make_unique<CGolfClub>(6);
    const auto pos = list.AddClub(club);
    ASSERT_TRUE(pos);
    EXPECT_EQ(list.GetHeadPosition(), pos);
    EXPECT_EQ(list.GetTailPosition(), pos);
    EXPECT_EQ(list.GetCount(), 1);
}

TEST(ClubListRemove, HandsTheRecordBackAndIgnoresAbsentIds) {
    CClubList list;
    Fill(list, {1, 2, 4});
    EXPECT_EQ(list.RemoveClub(3), nullptr);
    EXPECT_EQ(list.GetCount(), 3);
    const auto removed = list.RemoveClub(2);
    ASSERT_NE(removed, nullptr);
    EXPECT_EQ(removed->m_nClubId, 2);
    EXPECT_EQ(Ids(list), (std::vector<std::int32_t>{1, 4}));
}

TEST(ClubListPositions, StayValidWhileOtherNodesComeAndGo) {
    CClubList list;
    Fill(list, {10, 20, 30});
    const auto pos20 = list.FindClubPosition(20);
    for (std::int32_t id : {15, 25, 5, 35}) {
        auto club = std::make_unique<CGolfClub>(id);
        list.AddClub(club);
    }
    const auto gone = list.RemoveClub(10);
    EXPECT_EQ(list.GetAt(pos20)->m_nClubId, 20);
    auto walk = pos20;
    list.GetNext(walk);
    EXPECT_EQ(list.GetAt(walk)->m_nClubId, 25);
}

TEST(ClubListDelete, DeleteAllEmptiesTheListAndDestroysEveryRecord) {
    static int alive = 0;
    struct Counted : CGolfClub {
        explicit Counted(std::int32_t id) : CGolfClub(id) { ++alive; }
        ~Counted() override { --alive; }
    };
    CClubList list;
    list.DeleteAll(); // empty: nothing to do
    for (std::int32_t id = 1; id <= 25; ++id) {
        list.AddTail(std::make_unique<Counted>(id));
    }
    EXPECT_EQ(alive, 25);
    list.DeleteAll();
    EXPECT_EQ(alive, 0);
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_FALSE(list.GetHeadPosition());
    EXPECT_EQ(list.FindClub(1), nullptr);
}

TEST(ClubListPositions, AnIndexNamesOneRecordEvenWhenIdsRepeatOrFall) {
    CClubList list;
    Fill(list, {9, 2, 7, 1, 5, 5}); // as a data file written elsewhere may hold them
    std::vector<std::int32_t> seen;
    std::vector<const CGolfClub*> records;
    for (int index = 0; index < list.GetCount(); ++index) {
        const auto pos = list.FindIndex(index);
        ASSERT_TRUE(pos) << index;
        seen.push_back(list.GetAt(pos)->m_nClubId);
        records.push_back(list.GetAt(pos));
    }
    EXPECT_EQ(seen, Ids(list));
    EXPECT_NE(records[4], records[5]) << "each of the two fives is reached";
    for (int outside : {-1, 6, INT_MAX}) {
        EXPECT_FALSE(list.FindIndex(outside)) << outside;
    }
    EXPECT_FALSE(CClubList().FindIndex(0));
}

TEST(ClubListAdd, TheWalkStartsAtTheTailAndStopsAtTheFirstSmallerId) {
    // In a list whose ids are out of order (as a data file may give them) the place where a
    // record lands shows where the walk began and where it stopped.
    struct Case {
        std::int32_t id;
        std::vector<std::int32_t> after; // empty: refused
    };
    for (const Case& c : {Case{4, {5, 1, 3, 4}}, Case{2, {5, 1, 2, 3}}, Case{0, {0, 5, 1, 3}},
                          Case{5, {5, 1, 3, 5}}, // the 5 at the head is never reached
                          Case{1, {}}}) {
        CClubList list;
        Fill(list, {5, 1, 3});
        auto club = std::make_unique<CGolfClub>(c.id);
        const bool added = static_cast<bool>(list.AddClub(club));
        EXPECT_EQ(added, !c.after.empty()) << c.id;
        const std::vector<std::int32_t> unchanged = {5, 1, 3};
        EXPECT_EQ(Ids(list), c.after.empty() ? unchanged : c.after) << c.id;
    }
}

namespace {

// What a list holds, walked both ways and reached by index, position and id.
void ExpectListHolds(const CClubList& list, const std::vector<std::int32_t>& ids,
                     const std::string& after) {
    ASSERT_EQ(Ids(list), ids) << after;
    std::vector<std::int32_t> backwards;
    for (auto pos = list.GetTailPosition(); pos;) {
        backwards.insert(backwards.begin(), list.GetPrev(pos)->m_nClubId);
    }
    EXPECT_EQ(backwards, ids) << after;
    for (int i = 0; i < static_cast<int>(ids.size()); ++i) {
        const CGolfClub* club = list.FindClub(ids[static_cast<std::size_t>(i)]);
        ASSERT_NE(club, nullptr) << after << ", id " << ids[static_cast<std::size_t>(i)];
        EXPECT_EQ(list.GetAt(list.FindIndex(i)), club) << after;
        EXPECT_EQ(club->m_nClubId, ids[static_cast<std::size_t>(i)]) << after;
    }
}

} // namespace

// The list keeps its records and their ids side by side; every way of adding or taking out
// a record, at the head, the tail or between, leaves both in step with a plain model, and a
// position taken at the start still names its record and finds its neighbours.
TEST(ClubListStorage, StaysInStepThroughEveryInsertionAndRemoval) {
    enum Op { Tail, Head, Add, After, Remove, RemoveIndex };
    struct Step {
        Op op;
        std::int32_t value; // the id added or removed; for After and RemoveIndex an index
    };
    const Step steps[] = {{Tail, 20}, {Tail, 30}, {Head, 10},  {Add, 25},    {Add, 5},
                          {Add, 40},  {After, 1}, {Remove, 5}, {Remove, 40}, {RemoveIndex, 0},
                          {Tail, 50}, {Add, 1},   {Remove, 30}};
    CClubList list;
    std::vector<std::int32_t> model;
    CClubList::POSITION twenty;
    for (const Step& step : steps) {
        const std::string after =
            "after step " + std::to_string(step.op) + " " + std::to_string(step.value);
        switch (step.op) {
        case Tail:
            list.AddTail(std::make_unique<CGolfClub>(step.value));
            model.push_back(step.value);
            break;
        case Head:
            list.AddHead(std::make_unique<CGolfClub>(step.value));
            model.insert(model.begin(), step.value);
            break;
        case Add: {
            auto club = std::make_unique<CGolfClub>(step.value);
            ASSERT_TRUE(list.AddClub(club)) << after;
            model.insert(std::lower_bound(model.begin(), model.end(), step.value), step.value);
            break;
        }
        case After: { // a record with an id between its neighbours'
            const std::size_t i = static_cast<std::size_t>(step.value);
            const std::int32_t id = model[i] + 1;
            list.InsertAfter(list.FindIndex(step.value), std::make_unique<CGolfClub>(id));
            model.insert(model.begin() + static_cast<std::ptrdiff_t>(i) + 1, id);
            break;
        }
        case Remove:
            ASSERT_NE(list.RemoveClub(step.value), nullptr) << after;
            model.erase(std::find(model.begin(), model.end(), step.value));
            break;
        case RemoveIndex:
            ASSERT_NE(list.RemoveAt(list.FindIndex(step.value)), nullptr) << after;
            model.erase(model.begin() + step.value);
            break;
        }
        ExpectListHolds(list, model, after);
        if (!twenty) {
            twenty = list.FindClubPosition(20);
        }
        if (twenty) {
            auto next = twenty;
            EXPECT_EQ(list.GetNext(next)->m_nClubId, 20) << after;
            const auto it = std::find(model.begin(), model.end(), 20);
            EXPECT_EQ(next ? list.GetAt(next)->m_nClubId : -1,
                      it + 1 == model.end() ? -1 : *(it + 1))
                << after;
        }
    }
}

// While the bisection compares one record it names the records that the next probes can be,
// for the search to fetch them early: only records inside the list, and without changing
// which records are probed.
TEST(ClubListSearch, LooksAheadOnlyInsideTheListAndProbesAsWithout) {
    for (int n : {1, 2, 3, 14, 15, 100, 1000, 4097}) {
        for (std::int32_t sought : {-5, 0, 1, 2 * (n / 3) + 1, 2 * n - 1, 2 * n, 2 * n + 7}) {
            std::vector<int> plain;
            std::vector<int> withAhead;
            const auto compareOdd = [&](std::vector<int>& probes) {
                return [&, sought](int index) {
                    probes.push_back(index);
                    return CGolfClub(2 * index + 1).CompareId(sought);
                };
            };
            const auto found = BisectClubIndex(n, compareOdd(plain));
            std::vector<int> ahead;
            const auto foundAhead = BisectClubIndex(n, compareOdd(withAhead),
                                                    [&](int index) { ahead.push_back(index); });
            EXPECT_EQ(withAhead, plain) << n << " clubs, seeking " << sought;
            EXPECT_EQ(foundAhead, found) << n << " clubs, seeking " << sought;
            for (int index : ahead) {
                EXPECT_TRUE(index >= 0 && index < n) << n << " clubs: looked ahead at " << index;
            }
        }
    }
}
