// A load that runs out of memory anywhere (a record, a text, a list node, the archive's
// buffer) is damage like any other: nothing escapes the load, and the whole records read
// before it are kept. This program replaces the allocation function, so that the n-th
// allocation from a point on fails as on a full heap.
#include "persistence/ClubDataFile.h"

#include "club/ClubBook.h"
#include "platform/core/CMemFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

namespace {

// Allocations that may still succeed; negative when none is to fail.
long g_allocationsLeft = -1;

} // namespace

void* operator new(std::size_t size) {
    if (g_allocationsLeft == 0) {
        throw std::bad_alloc();
    }
    g_allocationsLeft -= g_allocationsLeft > 0 ? 1 : 0;
    if (void* p = std::malloc(size > 0 ? size : 1)) {
        return p;
    }
    throw std::bad_alloc();
}

// The replaced allocation function takes its memory from malloc: free gives it back.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif
void operator delete(void* p) noexcept {
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

TEST(FailedAllocation, EveryAllocationThatFailsDuringALoadIsDamageAndKeepsTheWholeRecords) {
    CClubList expected;
    BuildDefaultClubs(expected);
    CMemFile saved;
    ASSERT_TRUE(WriteClubs(saved, expected));
    const auto length = static_cast<UINT>(saved.GetLength());
    BYTE* bytes = saved.Detach();
    for (long n = 0;; ++n) {
        CMemFile file(bytes, length);
        CClubList clubs;
        bool whole = false;
        bool escaped = false;
        g_allocationsLeft = n;
        try {
            whole = ReadClubs(file, clubs);
        } catch (...) {
            escaped = true;
        }
        g_allocationsLeft = -1;
        ASSERT_FALSE(escaped) << "at allocation " << n;
        // The clubs in the list are the first of the table, each read whole.
        auto want = expected.GetHeadPosition();
        for (auto got = clubs.GetHeadPosition(); got;) {
            const CGolfClub* a = clubs.GetNext(got);
            const CGolfClub* b = expected.GetNext(want);
            ASSERT_EQ(a->m_nClubId, b->m_nClubId) << n;
            ASSERT_EQ(a->m_strName, b->m_strName) << n;
            ASSERT_EQ(a->m_dtModified, b->m_dtModified) << n;
        }
        if (whole) {
            EXPECT_EQ(clubs.GetCount(), 14);
            EXPECT_GT(n, 14) << "a load allocates at least once per club";
            break;
        }
    }
    std::free(bytes);
}
