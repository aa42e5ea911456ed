// How the club book's look-ups scale: the built-in set, and a bag of 100,000 records.
#include "club/ClubBook.h"

#include <benchmark/benchmark.h>

namespace {

void FillWithClubs(CClubList& clubs, int count) {
    for (int id = 1; id <= count; ++id) {
        auto club = std::make_unique<CGolfClub>(id);
        club->m_nMaleDistance = 100000 - id;
        club->m_nFemaleDistance = 90000 - id;
        clubs.AddTail(std::move(club));
    }
}

void BM_FindClubForDistance_DefaultSet(benchmark::State& state) {
    CClubList clubs;
    BuildDefaultClubs(clubs);
    std::int32_t yards = 50;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FindClubForDistance(clubs, 1, yards));
        yards = yards >= 230 ? 50 : yards + 1;
    }
}
BENCHMARK(BM_FindClubForDistance_DefaultSet);

void BM_FindClub_DefaultSet(benchmark::State& state) {
    CClubList clubs;
    BuildDefaultClubs(clubs);
    std::int32_t id = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(clubs.FindClub(id));
        id = id >= 15 ? 0 : id + 1;
    }
}
BENCHMARK(BM_FindClub_DefaultSet);

void BM_BuildDefaultClubs(benchmark::State& state) {
    for (auto _ : state) {
        CClubList clubs;
        BuildDefaultClubs(clubs);
        benchmark::DoNotOptimize(clubs.GetCount());
    }
}
BENCHMARK(BM_BuildDefaultClubs);

void BM_FindClub_Large(benchmark::State& state) {
    CClubList clubs;
    FillWithClubs(clubs, static_cast<int>(state.range(0)));
    std::int32_t id = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(clubs.FindClub(id));
        id = id >= state.range(0) ? 1 : id + 7919;
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_FindClub_Large)->RangeMultiplier(10)->Range(100, 100000)->Complexity(benchmark::oLogN);

void BM_FindClubForDistance_Large(benchmark::State& state) {
    CClubList clubs;
    FillWithClubs(clubs, 100000);
    for (auto _ : state) {
        benchmark::DoNotOptimize(FindClubForDistance(clubs, 1, 50000)); // walks half the list
    }
}
BENCHMARK(BM_FindClubForDistance_Large);

} // namespace
