#include "persistence/PersistenceFixture.h"

#include "club/ClubBook.h"
#include "platform/core/CMemFile.h"

#include "support/FailingMemFile.h"

using FailedSave = PersistenceTest;

TEST_F(FailedSave, AWriteThatFailsAfterAnyNumberOfBytesIsReported) {
    CClubList clubs;
    BuildDefaultClubs(clubs);
    CMemFile whole;
    ASSERT_TRUE(WriteClubs(whole, clubs));
    const auto size = static_cast<std::size_t>(whole.GetLength());
    ASSERT_GT(size, 8U);
    for (std::size_t n = 0; n < size; ++n) {
        CFailingMemFile device(n);
        ASSERT_FALSE(WriteClubs(device, clubs)) << "fault after " << n;
    }
    CFailingMemFile enough(size);
    EXPECT_TRUE(WriteClubs(enough, clubs));
    EXPECT_EQ(enough.GetLength(), size);
}
