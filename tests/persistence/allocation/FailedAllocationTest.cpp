// A load that runs out of memory anywhere (a record, a text, a list node, the archive's
// buffer) is damage like any other: nothing escapes the load, and the whole records read
// before it are kept. The program's allocation functions are replaced here, so that the
// n-th allocation from a point on fails as on a full heap.
#include "persistence/ClubDataFile.h"

#include "club/ClubBook.h"
#include "platform/core/CMemFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

namespace {

// Allocations that may still succeed; negative when none is to fail.
long g_allocationsLeft = -1;

class FailAllocationAfter {
public:
    explicit FailAllocationAfter(long n) { g_allocationsLeft = n; }
    ~FailAllocationAfter() { g_allocationsLeft = -1; }
    FailAllocationAfter(const FailAllocationAfter&) = delete;
    FailAllocationAfter& operator=(const FailAllocationAfter&) = delete;
};

std::vector<BYTE> DefaultSetFile() {
    CClubList clubs;
    BuildDefaultClubs(clubs);
    CMemFile file;
    EXPECT_TRUE(WriteClubs(file, clubs));
    const auto length = static_cast<std::size_t>(file.GetLength());
    BYTE* block = file.Detach();
    std::vector<BYTE> bytes(block, block + length);
    std::free(block);
    return bytes;
}

} // namespace

void* operator new(std::size_t size) {
    if (g_allocationsLeft == 0) {
        throw std::bad_alloc();
    }
    if (g_allocationsLeft > 0) {
        --g_allocationsLeft;
    }
    if (void* p = std::malloc(size > 0 ? size : 1)) {
        return p;
    }
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept {
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

TEST(FailedAllocation, EveryAllocationThatFailsDuringALoadIsDamageAndKeepsTheWholeRecords) {
    std::vector<BYTE> bytes = DefaultSetFile();
    CClubList expected;
    BuildDefaultClubs(expected);
    for (long n = 0;; ++n) {
        CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
        CClubList clubs;
        bool whole = false;
        {
            FailAllocationAfter failing(n);
            try {
                whole = ReadClubs(file, clubs);
            } catch (...) {
                g_allocationsLeft = -1;
                FAIL() << "an exception escaped the load at allocation " << n;
            }
        }
        // Every club in the list is read whole: the first ones of the table, each complete.
        auto want = expected.GetHeadPosition();
        for (auto got = clubs.GetHeadPosition(); got;) {
            const CGolfClub* a = clubs.GetNext(got);
            const CGolfClub* b = expected.GetNext(want);
            ASSERT_EQ(a->m_nClubId, b->m_nClubId) << n;
            ASSERT_EQ(a->m_strName, b->m_strName) << n;
            ASSERT_EQ(a->m_nFemaleDistance, b->m_nFemaleDistance) << n;
        }
        if (whole) {
            EXPECT_EQ(clubs.GetCount(), 14);
            EXPECT_GT(n, 14) << "a load allocates at least once per club";
            break;
        }
        ASSERT_LT(clubs.GetCount(), 14) << n;
    }
}
