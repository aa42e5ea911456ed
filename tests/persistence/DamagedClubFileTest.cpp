#include "PersistenceFixture.h"

#include "club/ClubBook.h"
#include "platform/core/CArchive.h"

#include "support/ClubIds.h"
#include "support/FixedClock.h"

using DamagedClubFile = PersistenceTest;

TEST_F(DamagedClubFile, CutAtEveryOffsetKeepsTheWholeRecordsBeforeTheCut) {
    CClubList clubs;
    {
        FixedClock clock(46000.0, 0.5);
        BuildDefaultClubs(clubs);
        clubs.GetHead()->m_strExtra = CString(std::u16string(300, u'e')); // a 16-bit length too
    }
    ASSERT_TRUE(SerializeClubs(clubs, CArchive::store));
    const std::vector<unsigned char> whole = ReadBytes(AppDataFile());
    // Where each record ends, found by saving the growing list.
    std::vector<std::size_t> ends;
    {
        CClubList prefix;
        for (auto pos = clubs.GetHeadPosition(); pos;) {
            auto club = std::make_unique<CGolfClub>();
            club->CopyFrom(*clubs.GetNext(pos));
            prefix.AddTail(std::move(club));
            ASSERT_TRUE(SerializeClubs(prefix, CArchive::store));
            ends.push_back(ReadBytes(AppDataFile()).size());
        }
    }
    ASSERT_EQ(ends.back(), whole.size());

    for (std::size_t cut = 0; cut < whole.size(); ++cut) {
        const std::vector<unsigned char> part(whole.begin(), whole.begin() + cut);
        WriteBytes(AppDataFile(), part);
        std::filesystem::remove(AppDir() / "Clubs.dat.damaged");
        CClubList loaded;
        ASSERT_TRUE(SerializeClubs(loaded, CArchive::load)) << "cut at " << cut;
        const auto complete = static_cast<std::int32_t>(
            std::upper_bound(ends.begin(), ends.end(), cut) - ends.begin());
        std::vector<std::int32_t> expected;
        for (std::int32_t id = 1; id <= complete; ++id) {
            expected.push_back(id);
        }
        ASSERT_EQ(Ids(loaded), expected) << "cut at " << cut;
        ASSERT_EQ(ReadBytes(AppDir() / "Clubs.dat.damaged"), part) << "cut at " << cut;
    }
}

TEST_F(DamagedClubFile, ImpossibleCountsAndLengthsEndTheLoadWithoutAllocatingThem) {
    const ClubFileBytes twoClubs = ClubFileBytes().Club(0, 1, u"one").Club(0, 2, u"two");
    struct Case {
        const char* what;
        std::vector<unsigned char> bytes;
        std::vector<std::int32_t> ids;
    };
    std::vector<Case> cases;
    {
        ClubFileBytes b = ClubFileBytes().Word(0).Word(INT32_MAX);
        b.Raw({});
        std::vector<unsigned char> bytes = b.Get();
        bytes.insert(bytes.end(), twoClubs.Get().begin(), twoClubs.Get().end());
        cases.push_back({"count far beyond the records", bytes, {1, 2}});
    }
    {
        ClubFileBytes b = ClubFileBytes().Word(0).Word(2).Club(0, 1, u"one").Word(0).Word(2);
        b.Raw({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0x7F, 'a', 0});
        cases.push_back({"32-bit text length of 2 GB", b.Get(), {1}});
    }
    {
        ClubFileBytes b = ClubFileBytes().Word(0).Word(2).Club(0, 1, u"one").Word(0).Word(2);
        b.Raw({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 1, 0, 0, 0});
        cases.push_back({"64-bit text length", b.Get(), {1}});
    }
    {
        ClubFileBytes b =
            ClubFileBytes().Word(0).Word(2).Club(0, 1, u"one").Word(0).Word(2).Text(u"").Word(1);
        b.Word(2).Text(u"two").Date(9, 1.0).Date(0, 1.0);
        cases.push_back({"unknown date-time status", b.Get(), {1}});
    }
    for (const Case& c : cases) {
        WriteBytes(AppDataFile(), c.bytes);
        CClubList loaded;
        EXPECT_TRUE(SerializeClubs(loaded, CArchive::load)) << c.what;
        EXPECT_EQ(Ids(loaded), c.ids) << c.what;
        EXPECT_EQ(ReadBytes(AppDir() / "Clubs.dat.damaged"), c.bytes) << c.what;
    }
}

TEST_F(DamagedClubFile, KeptCopySurvivesTheSaveThatReplacesTheFile) {
    const std::vector<unsigned char> damaged =
        ClubFileBytes().Word(0).Word(3).Club(0, 1, u"one").Word(0).Get();
    WriteBytes(AppDataFile(), damaged);
    CClubList clubs;
    ASSERT_TRUE(SerializeClubs(clubs, CArchive::load));
    ASSERT_EQ(Ids(clubs), std::vector<std::int32_t>({1}));
    ASSERT_TRUE(SerializeClubs(clubs, CArchive::store));
    EXPECT_EQ(ReadBytes(AppDir() / "Clubs.dat.damaged"), damaged);
    CClubList again;
    ASSERT_TRUE(SerializeClubs(again, CArchive::load));
    EXPECT_EQ(Ids(again), std::vector<std::int32_t>({1}));
    // A sound file is not copied aside; the copy kept is still the damaged one.
    EXPECT_EQ(ReadBytes(AppDir() / "Clubs.dat.damaged"), damaged);
}

TEST_F(DamagedClubFile, DamageInThePreferredDirectoryIsKeptThere) {
    std::filesystem::create_directories(PreferredDir());
    const std::vector<unsigned char> damaged = {0, 0, 0, 0, 1};
    WriteBytes(PreferredDataFile(), damaged);
    CClubList clubs;
    EXPECT_TRUE(SerializeClubs(clubs, CArchive::load));
    EXPECT_TRUE(clubs.IsEmpty());
    EXPECT_EQ(ReadBytes(PreferredDir() / "Clubs.dat.damaged"), damaged);
    EXPECT_FALSE(std::filesystem::exists(AppDir() / "Clubs.dat.damaged"));
}
