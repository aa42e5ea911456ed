// A load that runs out of memory anywhere (the list's storage and index, a text, the
// archive's buffer) is damage like any other: nothing escapes the load, and the whole records read
// before it are kept. This program replaces the allocation function, so that the n-th
// allocation from a point on fails as on a full heap.
#include "persistence/ClubDataFile.h"

#include "club/ClubBook.h"
#include "persistence/ClubFileBytes.h"
#include "platform/core/CMemFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <vector>

namespace {

// Allocations that may still succeed; negative when none is to fail.
long g_allocationsLeft = -1;

// The same table as the program saves it (texts of 16-bit characters), and as older files
// hold it (texts of 8-bit characters); a load keeps both in the list's own storage. In the
// second, one club's extra text is longer than the archive's largest buffer: that club is
// read field by field, its text into a block of its own, so that allocations fail in the
// middle of the table too.
std::vector<unsigned char> WithEightBitTexts(const CClubList& clubs) {
    constexpr std::int32_t kLongTextAt = 7;
    constexpr std::int32_t kLongText = 70000;
    ClubFileBytes bytes;
    bytes.Word(0).Word(clubs.GetCount());
    for (auto pos = clubs.GetHeadPosition(); pos;) {
        const CGolfClub* club = clubs.GetNext(pos);
        bytes.Word(0).Word(club->m_nClubId);
        if (club->m_nClubId == kLongTextAt) {
            bytes.Raw({0xFF, 0xFF, 0xFF}).Word(kLongText);
            for (std::int32_t i = 0; i < kLongText; ++i) {
                bytes.Raw({'x'});
            }
        } else {
            bytes.Raw({0});
        }
        bytes.Word(club->m_nMaleDistance).Word(club->m_nFemaleDistance);
        bytes.Raw({static_cast<unsigned char>(club->m_strName.GetLength())});
        for (char c : club->m_strName.ToUtf8()) {
            bytes.Raw({static_cast<unsigned char>(c)});
        }
        bytes.Date(club->m_dtCreated.m_status, club->m_dtCreated.m_dt);
        bytes.Date(club->m_dtModified.m_status, club->m_dtModified.m_dt);
    }
    return bytes.Get();
}

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
    struct Table {
        const char* what;
        std::vector<unsigned char> bytes;
        bool failsAfterAClub; // some allocation comes after the first club was read
    };
    const Table tables[] = {
        {"as saved", std::vector<unsigned char>(bytes, bytes + length), false},
        {"8-bit texts", WithEightBitTexts(expected), true},
    };
    std::free(bytes);
    for (const Table& table : tables) {
        bool keptSomeClubs = false;
        for (long n = 0;; ++n) {
            std::vector<unsigned char> copy = table.bytes;
            CMemFile file(copy.data(), static_cast<UINT>(copy.size()));
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
            ASSERT_FALSE(escaped) << table.what << " at allocation " << n;
            // The clubs in the list are the first of the table, each read whole.
            auto want = expected.GetHeadPosition();
            for (auto got = clubs.GetHeadPosition(); got;) {
                const CGolfClub* a = clubs.GetNext(got);
                const CGolfClub* b = expected.GetNext(want);
                ASSERT_EQ(a->m_nClubId, b->m_nClubId) << table.what << n;
                ASSERT_EQ(a->m_strName, b->m_strName) << table.what << n;
                ASSERT_EQ(a->m_dtModified, b->m_dtModified) << table.what << n;
            }
            if (whole) {
                EXPECT_EQ(clubs.GetCount(), 14) << table.what;
                EXPECT_GT(n, 0) << table.what << ": no allocation failed";
                break;
            }
            keptSomeClubs = keptSomeClubs || clubs.GetCount() > 0;
        }
        EXPECT_EQ(keptSomeClubs, table.failsAfterAClub) << table.what;
    }
}
