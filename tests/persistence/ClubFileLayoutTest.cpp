#include "persistence/PersistenceFixture.h"

#include "club/ClubBook.h"
#include "platform/core/CArchive.h"
#include "platform/core/CMemFile.h"

#include "support/ClubIds.h"
#include "support/FixedClock.h"

#include <cstring>

namespace {

// The built-in set as saved when the clock starts at day 46000 and moves a quarter day at
// each reading: every record is stamped created, then modified three times.
const char kDefaultSetFile[] =
    // list leading word, count 14
    "\x00\x00\x00\x00\x0E\x00\x00\x00"
    // Driver (1 Wood): created 46000.0, modified 46000.75
    "\x00\x00\x00\x00\x01\x00\x00\x00\xFF\xFE\xFF\x00\xDC\x00\x00\x00\xBE\x00\x00\x00\xFF\xFE\xFF"
    "\x0F"
    "\x44\x00\x72\x00\x69\x00\x76\x00\x65\x00\x72\x00\x20\x00\x28\x00\x31\x00\x20\x00\x57\x00\x6F"
    "\x00"
    "\x6F\x00\x64\x00\x29\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x76\xE6\x40\x00\x00\x00\x00\x00"
    "\x00"
    "\x00\x00\x18\x76\xE6\x40"
    // 3 Wood: created 46001.0, modified 46001.75
    "\x00\x00\x00\x00\x02\x00\x00\x00\xFF\xFE\xFF\x00\xC8\x00\x00\x00\xB4\x00\x00\x00\xFF\xFE\xFF"
    "\x06"
    "\x33\x00\x20\x00\x57\x00\x6F\x00\x6F\x00\x64\x00\x00\x00\x00\x00\x00\x00\x00\x00\x20\x76\xE6"
    "\x40"
    "\x00\x00\x00\x00\x00\x00\x00\x00\x38\x76\xE6\x40"
    // 5 Wood: created 46002.0, modified 46002.75
    "\x00\x00\x00\x00\x03\x00\x00\x00\xFF\xFE\xFF\x00\xBE\x00\x00\x00\xAA\x00\x00\x00\xFF\xFE\xFF"
    "\x06"
    "\x35\x00\x20\x00\x57\x00\x6F\x00\x6F\x00\x64\x00\x00\x00\x00\x00\x00\x00\x00\x00\x40\x76\xE6"
    "\x40"
    "\x00\x00\x00\x00\x00\x00\x00\x00\x58\x76\xE6\x40"
    // 7 Wood: created 46003.0, modified 46003.75
    "\x00\x00\x00\x00\x04\x00\x00\x00\xFF\xFE\xFF\x00\xB4\x00\x00\x00\xA0\x00\x00\x00\xFF\xFE\xFF"
    "\x06"
    "\x37\x00\x20\x00\x57\x00\x6F\x00\x6F\x00\x64\x00\x00\x00\x00\x00\x00\x00\x00\x00\x60\x76\xE6"
    "\x40"
    "\x00\x00\x00\x00\x00\x00\x00\x00\x78\x76\xE6\x40"
    // 3 Iron: created 46004.0, modified 46004.75
    "\x00\x00\x00\x00\x05\x00\x00\x00\xFF\xFE\xFF\x00\xB4\x00\x00\x00\xA0\x00\x00\x00\xFF\xFE\xFF"
    "\x06"
    "\x33\x00\x20\x00\x49\x00\x72\x00\x6F\x00\x6E\x00\x00\x00\x00\x00\x00\x00\x00\x00\x80\x76\xE6"
    "\x40"
    "\x00\x00\x00\x00\x00\x00\x00\x00\x98\x76\xE6\x40"
    // 4 Iron: created 46005.0, modified 46005.75
    "\x00\x00\x00\x00\x06\x00\x00\x00\xFF\xFE\xFF\x00\xAA\x00\x00\x00\x96\x00\x00\x00\xFF\xFE\xFF"
    "\x06"
    "\x34\x00\x20\x00\x49\x00\x72\x00\x6F\x00\x6E\x00\x00\x00\x00\x00\x00\x00\x00\x00\xA0\x76\xE6"
    "\x40"
    "\x00\x00\x00\x00\x00\x00\x00\x00\xB8\x76\xE6\x40"
    // 5 Iron: created 46006.0, modified 46006.75
    "\x00\x00\x00\x00\x07\x00\x00\x00\xFF\xFE\xFF\x00\xA0\x00\x00\x00\x8C\x00\x00\x00\xFF\xFE\xFF"
    "\x06"
    "\x35\x00\x20\x00\x49\x00\x72\x00\x6F\x00\x6E\x00\x00\x00\x00\x00\x00\x00\x00\x00\xC0\x76\xE6"
    "\x40"
    "\x00\x00\x00\x00\x00\x00\x00\x00\xD8\x76\xE6\x40"
    // 6 Iron: created 46007.0, modified 46007.75
    "\x00\x00\x00\x00\x08\x00\x00\x00\xFF\xFE\xFF\x00\x96\x00\x00\x00\x82\x00\x00\x00\xFF\xFE\xFF"
    "\x06"
    "\x36\x00\x20\x00\x49\x00\x72\x00\x6F\x00\x6E\x00\x00\x00\x00\x00\x00\x00\x00\x00\xE0\x76\xE6"
    "\x40"
    "\x00\x00\x00\x00\x00\x00\x00\x00\xF8\x76\xE6\x40"
    // 7 Iron: created 46008.0, modified 46008.75
    "\x00\x00\x00\x00\x09\x00\x00\x00\xFF\xFE\xFF\x00\x8C\x00\x00\x00\x78\x00\x00\x00\xFF\xFE\xFF"
    "\x06"
    "\x37\x00\x20\x00\x49\x00\x72\x00\x6F\x00\x6E\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x77\xE6"
    "\x40"
    "\x00\x00\x00\x00\x00\x00\x00\x00\x18\x77\xE6\x40"
    // 8 Iron: created 46009.0, modified 46009.75
    "\x00\x00\x00\x00\x0A\x00\x00\x00\xFF\xFE\xFF\x00\x82\x00\x00\x00\x6E\x00\x00\x00\xFF\xFE\xFF"
    "\x06"
    "\x38\x00\x20\x00\x49\x00\x72\x00\x6F\x00\x6E\x00\x00\x00\x00\x00\x00\x00\x00\x00\x20\x77\xE6"
    "\x40"
    "\x00\x00\x00\x00\x00\x00\x00\x00\x38\x77\xE6\x40"
    // 9 Iron: created 46010.0, modified 46010.75
    "\x00\x00\x00\x00\x0B\x00\x00\x00\xFF\xFE\xFF\x00\x78\x00\x00\x00\x64\x00\x00\x00\xFF\xFE\xFF"
    "\x06"
    "\x39\x00\x20\x00\x49\x00\x72\x00\x6F\x00\x6E\x00\x00\x00\x00\x00\x00\x00\x00\x00\x40\x77\xE6"
    "\x40"
    "\x00\x00\x00\x00\x00\x00\x00\x00\x58\x77\xE6\x40"
    // Pitching Wedge: created 46011.0, modified 46011.75
    "\x00\x00\x00\x00\x0C\x00\x00\x00\xFF\xFE\xFF\x00\x6E\x00\x00\x00\x5A\x00\x00\x00\xFF\xFE\xFF"
    "\x0E"
    "\x50\x00\x69\x00\x74\x00\x63\x00\x68\x00\x69\x00\x6E\x00\x67\x00\x20\x00\x57\x00\x65\x00\x64"
    "\x00"
    "\x67\x00\x65\x00\x00\x00\x00\x00\x00\x00\x00\x00\x60\x77\xE6\x40\x00\x00\x00\x00\x00\x00\x00"
    "\x00"
    "\x78\x77\xE6\x40"
    // Dual/Gap Wedge: created 46012.0, modified 46012.75
    "\x00\x00\x00\x00\x0D\x00\x00\x00\xFF\xFE\xFF\x00\x64\x00\x00\x00\x50\x00\x00\x00\xFF\xFE\xFF"
    "\x0E"
    "\x44\x00\x75\x00\x61\x00\x6C\x00\x2F\x00\x47\x00\x61\x00\x70\x00\x20\x00\x57\x00\x65\x00\x64"
    "\x00"
    "\x67\x00\x65\x00\x00\x00\x00\x00\x00\x00\x00\x00\x80\x77\xE6\x40\x00\x00\x00\x00\x00\x00\x00"
    "\x00"
    "\x98\x77\xE6\x40"
    // Sand Wedge: created 46013.0, modified 46013.75
    "\x00\x00\x00\x00\x0E\x00\x00\x00\xFF\xFE\xFF\x00\x50\x00\x00\x00\x3C\x00\x00\x00\xFF\xFE\xFF"
    "\x0A"
    "\x53\x00\x61\x00\x6E\x00\x64\x00\x20\x00\x57\x00\x65\x00\x64\x00\x67\x00\x65\x00\x00\x00\x00"
    "\x00"
    "\x00\x00\x00\x00\xA0\x77\xE6\x40\x00\x00\x00\x00\x00\x00\x00\x00\xB8\x77\xE6\x40";

std::vector<unsigned char> DefaultSetBytes() {
    return {kDefaultSetFile, kDefaultSetFile + sizeof kDefaultSetFile - 1};
}

} // namespace

using ClubFileLayout = PersistenceTest;

TEST_F(ClubFileLayout, DefaultSetIsSavedByteForByte) {
    CClubList clubs;
    {
        FixedClock clock(46000.0, 0.25);
        BuildDefaultClubs(clubs);
    }
    ASSERT_TRUE(SerializeClubs(clubs, CArchive::store));
    EXPECT_EQ(ReadBytes(PreferredDataFile()), DefaultSetBytes());
}

TEST_F(ClubFileLayout, DefaultSetFileLoadsEveryField) {
    WriteBytes(AppDataFile(), DefaultSetBytes());
    CClubList clubs;
    ASSERT_TRUE(SerializeClubs(clubs, CArchive::load));
    ASSERT_EQ(clubs.GetCount(), 14);
    const CGolfClub* driver = clubs.GetHead();
    EXPECT_EQ(driver->m_nClubId, 1);
    EXPECT_EQ(driver->m_strName, CString(u"Driver (1 Wood)"));
    EXPECT_TRUE(driver->m_strExtra.IsEmpty());
    EXPECT_EQ(driver->m_nMaleDistance, 220);
    EXPECT_EQ(driver->m_nFemaleDistance, 190);
    EXPECT_EQ(driver->m_dtCreated, COleDateTime(46000.0));
    EXPECT_EQ(driver->m_dtModified, COleDateTime(46000.75));
    const CGolfClub* sand = clubs.GetAt(clubs.GetTailPosition());
    EXPECT_EQ(sand->m_strName, CString(u"Sand Wedge"));
    EXPECT_EQ(sand->m_nFemaleDistance, 60);
    EXPECT_EQ(sand->m_dtModified, COleDateTime(46013.75));
    // Saved again, the file is the same to the byte.
    ASSERT_TRUE(SerializeClubs(clubs, CArchive::store));
    EXPECT_EQ(ReadBytes(AppDataFile()), DefaultSetBytes());
}

TEST_F(ClubFileLayout, EmptyListIsEightZeroBytesAndLoadsAsOpened) {
    CClubList empty;
    ASSERT_TRUE(SerializeClubs(empty, CArchive::store));
    EXPECT_EQ(ReadBytes(PreferredDataFile()), std::vector<unsigned char>(8, 0));
    CClubList loaded;
    EXPECT_TRUE(SerializeClubs(loaded, CArchive::load));
    EXPECT_TRUE(loaded.IsEmpty());
}

TEST_F(ClubFileLayout, CountOfZeroOrLessReadsNothingMore) {
    for (std::int32_t count : {0, -1, -100000, INT32_MIN}) {
        WriteBytes(AppDataFile(), ClubFileBytes().Word(0).Word(count).Get());
        CClubList clubs;
        EXPECT_TRUE(SerializeClubs(clubs, CArchive::load)) << count;
        EXPECT_TRUE(clubs.IsEmpty()) << count;
        EXPECT_FALSE(std::filesystem::exists(AppDir() / "Clubs.dat.damaged")) << count;
    }
}

TEST_F(ClubFileLayout, LeadingWordsAreIgnoredOnLoadAndWrittenAsZero) {
    WriteBytes(AppDataFile(),
               ClubFileBytes().Word(0x7777).Word(1).Club(-5, 3, u"3 Iron", 180, 160).Get());
    CClubList clubs;
    ASSERT_TRUE(SerializeClubs(clubs, CArchive::load));
    ASSERT_EQ(Ids(clubs), std::vector<std::int32_t>({3}));
    ASSERT_TRUE(SerializeClubs(clubs, CArchive::store));
    EXPECT_EQ(ReadBytes(AppDataFile()),
              ClubFileBytes().Word(0).Word(1).Club(0, 3, u"3 Iron", 180, 160).Get());
}

TEST_F(ClubFileLayout, RecordsKeepTheFileOrderWithRepeatsAndAppendToTheList) {
    WriteBytes(AppDataFile(), ClubFileBytes()
                                  .Word(0)
                                  .Word(4)
                                  .Club(0, 9, u"9 Iron")
                                  .Club(0, 2, u"3 Wood")
                                  .Club(0, 9, u"again")
                                  .Club(0, -1, u"")
                                  .Get());
    CClubList clubs;
    clubs.AddTail(std::make_unique<CGolfClub>(100)); // loading does not empty the list first
    ASSERT_TRUE(SerializeClubs(clubs, CArchive::load));
    EXPECT_EQ(Ids(clubs), std::vector<std::int32_t>({100, 9, 2, 9, -1}));
}

TEST_F(ClubFileLayout, UntaggedEightBitTextsOfAnOlderFileAreRead) {
    ClubFileBytes bytes;
    bytes.Word(0).Word(1).Word(0).Word(4).Raw({0x00}).Word(170).Word(150);
    bytes.Raw({0x07, 'F', 'e', 'r', ' ', 0xE0, ' ', 0x80}).Date(1, 3.5).Date(2, 0.0);
    WriteBytes(AppDataFile(), bytes.Get());
    CClubList clubs;
    ASSERT_TRUE(SerializeClubs(clubs, CArchive::load));
    ASSERT_EQ(clubs.GetCount(), 1);
    EXPECT_EQ(clubs.GetHead()->m_strName, CString(u"Fer \u00E0 \u20AC"));
    EXPECT_EQ(clubs.GetHead()->m_dtCreated, COleDateTime(3.5, COleDateTime::invalid));
    EXPECT_EQ(clubs.GetHead()->m_dtModified, COleDateTime(0.0, COleDateTime::null));
    EXPECT_FALSE(std::filesystem::exists(AppDir() / "Clubs.dat.damaged"));
}

TEST_F(ClubFileLayout, LongTextsOfEveryLengthFormRoundTrip) {
    CClubList clubs;
    for (std::size_t length : {254U, 255U, 0xFFFDU, 0xFFFEU}) {
        auto club = std::make_unique<CGolfClub>(static_cast<std::int32_t>(length));
        club->m_strName = CString(std::u16string(length, u'\u00E9'));
        club->m_strExtra = CString(std::u16string(length / 2, u'x'));
        clubs.AddTail(std::move(club));
    }
    ASSERT_TRUE(SerializeClubs(clubs, CArchive::store));
    CClubList loaded;
    ASSERT_TRUE(SerializeClubs(loaded, CArchive::load));
    ASSERT_EQ(loaded.GetCount(), 4);
    auto a = clubs.GetHeadPosition();
    for (auto b = loaded.GetHeadPosition(); b;) {
        const CGolfClub* want = clubs.GetNext(a);
        const CGolfClub* got = loaded.GetNext(b);
        EXPECT_EQ(got->m_strName, want->m_strName) << want->m_nClubId;
        EXPECT_EQ(got->m_strExtra, want->m_strExtra) << want->m_nClubId;
    }
}

TEST_F(ClubFileLayout, SaveOverwritesALongerEarlierFileCompletely) {
    WriteBytes(AppDataFile(), std::vector<unsigned char>(10000, 0xEE));
    CClubList empty;
    ASSERT_TRUE(SerializeClubs(empty, CArchive::store));
    EXPECT_EQ(ReadBytes(AppDataFile()), std::vector<unsigned char>(8, 0));
}

namespace {

// A file in memory that counts the writes it is handed.
class CountingFile : public CMemFile {
public:
    void Write(const void* lpBuf, UINT nCount) override {
        writes.push_back(nCount);
        CMemFile::Write(lpBuf, nCount);
    }
    std::vector<UINT> writes;
};

} // namespace

// However the texts are stored (each length form), the table reaches the file in one write
// of all its bytes, not in pieces.
TEST(ClubFileSave, HandsTheWholeTableToTheFileInOneWrite) {
    CClubList builtIn;
    BuildDefaultClubs(builtIn);
    CClubList longTexts;
    for (std::size_t length : {0U, 254U, 255U, 0xFFFDU, 0xFFFEU}) {
        auto club = std::make_unique<CGolfClub>(static_cast<std::int32_t>(length));
        club->m_strName = CString(std::u16string(length, u'n'));
        club->m_strExtra = CString(std::u16string(length / 3, u'x'));
        longTexts.AddTail(std::move(club));
    }
    for (CClubList* clubs : {&builtIn, &longTexts}) {
        CountingFile file;
        ASSERT_TRUE(WriteClubs(file, *clubs));
        ASSERT_EQ(file.writes.size(), 1U) << clubs->GetCount() << " clubs";
        EXPECT_EQ(file.writes[0], file.GetLength()) << clubs->GetCount() << " clubs";
    }
}
