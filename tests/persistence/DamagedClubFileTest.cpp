#include "persistence/PersistenceFixture.h"

#include "club/ClubBook.h"
#include "platform/core/CArchive.h"
#include "platform/core/CMemFile.h"

#include <cstring>

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
        const auto complete = static_cast<std::int32_t>(
            std::upper_bound(ends.begin(), ends.end(), cut) - ends.begin());
        // With no whole club read there is no table: start-up builds the default set.
        ASSERT_EQ(SerializeClubs(loaded, CArchive::load), complete > 0 ? TRUE : FALSE)
            << "cut at " << cut;
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
        std::filesystem::remove(AppDir() / "Clubs.dat.damaged");
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

TEST_F(DamagedClubFile, AReadOnlyLoadTakesTheClubsBeforeTheDamageAndCopiesNothing) {
    const std::vector<unsigned char> damaged =
        ClubFileBytes().Word(0).Word(3).Club(0, 1, u"one").Word(0).Get();
    WriteBytes(AppDataFile(), damaged);
    CClubDataFile file;
    CClubList clubs;
    ASSERT_TRUE(file.LoadReadOnly(clubs));
    EXPECT_EQ(Ids(clubs), std::vector<std::int32_t>({1}));
    EXPECT_EQ(file.GetReport().m_outcome, ClubFileReport::damaged);
    EXPECT_TRUE(file.GetReport().m_strDamagedCopy.IsEmpty());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(AppDir()), {}), 1);
    EXPECT_FALSE(std::filesystem::exists(PreferredDir()));
    EXPECT_EQ(ReadBytes(AppDataFile()), damaged);
}

TEST_F(DamagedClubFile, EveryDamagedFileIsKeptUnderANameOfItsOwnAndTheLastTenStay) {
    std::vector<std::string> names;
    for (unsigned char n = 1; n <= 12; ++n) {
        const std::vector<unsigned char> damaged = {0, 0, 0, 0, n};
        WriteBytes(AppDataFile(), damaged);
        CClubDataFile file;
        CClubList clubs;
        file.Serialize(clubs, CArchive::load);
        const std::string copy = Utf8(file.GetReport().m_strDamagedCopy);
        names.push_back(std::filesystem::path(copy).filename().string());
        EXPECT_EQ(ReadBytes(copy), damaged) << copy;
    }
    EXPECT_EQ(names[0], "Clubs.dat.damaged");
    EXPECT_EQ(names[1], "Clubs.dat.damaged.2");
    EXPECT_EQ(names[11], "Clubs.dat.damaged.12");
    std::vector<std::string> kept;
    for (const auto& entry : std::filesystem::directory_iterator(AppDir())) {
        kept.push_back(entry.path().filename().string());
    }
    std::sort(kept.begin(), kept.end());
    std::vector<std::string> last(names.begin() + 2, names.end());
    last.push_back("Clubs.dat");
    std::sort(last.begin(), last.end());
    EXPECT_EQ(kept, last);
}

TEST_F(DamagedClubFile, DamageInThePreferredDirectoryIsKeptThere) {
    std::filesystem::create_directories(PreferredDir());
    const std::vector<unsigned char> damaged = {0, 0, 0, 0, 1};
    WriteBytes(PreferredDataFile(), damaged);
    CClubList clubs;
    EXPECT_FALSE(SerializeClubs(clubs, CArchive::load)) << "no whole club";
    EXPECT_TRUE(clubs.IsEmpty());
    EXPECT_EQ(ReadBytes(PreferredDir() / "Clubs.dat.damaged"), damaged);
    EXPECT_FALSE(std::filesystem::exists(AppDir() / "Clubs.dat.damaged"));
}

TEST_F(DamagedClubFile, ACountThatDisagreesWithTheClubsThatFollowIsDamage) {
    struct Case {
        const char* what;
        std::int32_t count;
        int clubsPresent;
        std::vector<std::int32_t> ids; // read by the count, as ever
        bool damaged;
    };
    const Case cases[] = {
        {"fewer than the clubs present", 1, 2, {1}, true},
        {"none while clubs follow", 0, 1, {}, true},
        {"negative while clubs follow", -1, 1, {}, true},
        {"as many as present", 2, 2, {1, 2}, false},
        {"none, and nothing follows", 0, 0, {}, false},
    };
    for (const Case& c : cases) {
        ClubFileBytes bytes = ClubFileBytes().Word(0).Word(c.count);
        for (int i = 1; i <= c.clubsPresent; ++i) {
            bytes.Club(0, i, u"club");
        }
        WriteBytes(AppDataFile(), bytes.Get());
        std::filesystem::remove(AppDir() / "Clubs.dat.damaged");
        CClubDataFile file;
        CClubList clubs;
        // A damaged file with no whole club read leaves the default set to start-up.
        EXPECT_EQ(file.Serialize(clubs, CArchive::load), !c.damaged || !c.ids.empty()) << c.what;
        EXPECT_EQ(Ids(clubs), c.ids) << c.what;
        EXPECT_EQ(file.GetReport().m_outcome,
                  c.damaged ? ClubFileReport::damaged : ClubFileReport::loaded)
            << c.what;
        EXPECT_EQ(file.GetReport().m_nClubsRead, static_cast<int>(c.ids.size())) << c.what;
        // Kept before the next save could drop the clubs beyond the count.
        EXPECT_EQ(std::filesystem::exists(AppDir() / "Clubs.dat.damaged"), c.damaged) << c.what;
    }
}

TEST_F(DamagedClubFile, ATableOfMoreClubsThanATableHoldsIsDamageAndKeepsTheFirst) {
    ClubFileBytes bytes = ClubFileBytes().Word(0).Word(CClubList::kMaxClubs + 1);
    std::vector<unsigned char> file = bytes.Get();
    // The smallest record: two words, an empty 8-bit text, two distances, an empty text and
    // two date-times.
    std::vector<unsigned char> record(42, 0);
    for (std::int32_t id = 1; id <= CClubList::kMaxClubs + 1; ++id) {
        std::memcpy(record.data() + 4, &id, 4);
        file.insert(file.end(), record.begin(), record.end());
    }
    CMemFile memory(file.data(), static_cast<UINT>(file.size()));
    CClubList clubs;
    EXPECT_FALSE(ReadClubs(memory, clubs));
    ASSERT_EQ(clubs.GetCount(), CClubList::kMaxClubs);
    EXPECT_EQ(clubs.GetAt(clubs.GetTailPosition())->m_nClubId, CClubList::kMaxClubs);
}

TEST_F(DamagedClubFile, ADamagedFileOfWhichNoCopyCanBeKeptIsNotReplaced) {
    const std::vector<unsigned char> damaged =
        ClubFileBytes().Word(0).Word(3).Club(0, 1, u"one").Word(0).Get();
    WriteBytes(AppDataFile(), damaged);
    // Neither beside it (a folder has the copy's name) nor in the data directory (a file
    // stands where its parent should be) can a copy be made.
    std::filesystem::create_directories(AppDir() / "Clubs.dat.damaged" / "inside");
    std::filesystem::create_directories(m_env.DataHome());
    WriteBytes(m_env.DataHome() / "Holverra", {'x'});
    CClubDataFile file;
    CClubList clubs;
    EXPECT_TRUE(file.Serialize(clubs, CArchive::load));
    EXPECT_EQ(file.GetReport().m_outcome, ClubFileReport::damaged);
    EXPECT_TRUE(file.GetReport().m_strDamagedCopy.IsEmpty());
    EXPECT_FALSE(file.Serialize(clubs, CArchive::store));
    EXPECT_EQ(file.GetReport().m_outcome, ClubFileReport::notSaved);
    EXPECT_EQ(ReadBytes(AppDataFile()), damaged);
}
