// A read that runs out of memory anywhere (the list's storage and index, a text, the
// archive's buffer) lets nothing escape and keeps the whole records read before it, as damage
// does; but it says so, and a load of the data file then leaves the file as it is. This
// program replaces the allocation function, so that the n-th allocation from a point on fails
// as on a full heap.
#include "persistence/ClubDataFile.h"

#include "club/ClubBook.h"
#include "persistence/PersistenceFixture.h"
#include "platform/core/CArchive.h"
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

TEST(FailedAllocation, EveryAllocationThatFailsDuringAReadIsToldAndKeepsTheWholeRecords) {
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
            bool outOfMemory = false;
            g_allocationsLeft = n;
            try {
                whole = ReadClubs(file, clubs, &outOfMemory);
            } catch (...) {
                escaped = true;
            }
            g_allocationsLeft = -1;
            ASSERT_FALSE(escaped) << table.what << " at allocation " << n;
            ASSERT_NE(whole, outOfMemory) << table.what << " at allocation " << n;
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

using FailedAllocationOfALoad = PersistenceTest;

// Too little memory is no damage: the load says the table could not be loaded, starts from
// nothing (the caller's default set), copies nothing aside, and the save leaves the file.
TEST_F(FailedAllocationOfALoad, LeavesTheFileAsItIsAndTheSaveGoesElsewhere) {
    CClubList defaults;
    BuildDefaultClubs(defaults);
    ASSERT_TRUE(SerializeClubs(defaults, CArchive::store));
    std::filesystem::rename(PreferredDataFile(), AppDataFile());
    const std::vector<unsigned char> table = ReadBytes(AppDataFile());
    for (long n = 0;; ++n) {
        std::filesystem::remove_all(PreferredDir());
        CClubDataFile file;
        CClubList clubs;
        bool escaped = false;
        g_allocationsLeft = n;
        try {
            file.Serialize(clubs, CArchive::load);
        } catch (...) {
            escaped = true;
        }
        g_allocationsLeft = -1;
        ASSERT_FALSE(escaped) << "at allocation " << n;
        if (file.GetReport().m_outcome == ClubFileReport::loaded) {
            EXPECT_EQ(clubs.GetCount(), 14);
            break;
        }
        ASSERT_EQ(file.GetReport().m_outcome, ClubFileReport::noMemory) << n;
        ASSERT_TRUE(clubs.IsEmpty()) << n;
        BuildDefaultClubs(clubs);
        clubs.GetHead()->m_nMaleDistance = 1; // a table unlike the file's
        ASSERT_TRUE(file.Serialize(clubs, CArchive::store)) << n;
        ASSERT_EQ(Utf8(file.GetReport().m_strPath), PreferredDataFile().string()) << n;
        ASSERT_EQ(ReadBytes(AppDataFile()), table) << n;
        ASSERT_EQ(std::distance(std::filesystem::directory_iterator(AppDir()), {}), 1) << n;
    }
}
