#pragma once
// Tests of the real program as a process: each starts from a table of two clubs in the
// preferred data directory of the test's own home, and a stored distance of 1500 that the
// program starts at 1000, so that what the end of a run writes is plain to see.
#include "RunningProgram.h"

#include "persistence/ClubDataFile.h"
#include "support/AppTest.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>

class ProgramTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        const QString table = ToQString(GetPreferredDataDirectory()) + QStringLiteral("/Clubs.dat");
        ASSERT_TRUE(QDir().mkpath(ToQString(GetPreferredDataDirectory())));
        QFile(table).open(QIODevice::WriteOnly); // the place the program then reads and writes
        CClubList clubs;
        for (std::int32_t id : {1, 2}) {
            auto club = std::make_unique<CGolfClub>(id);
            club->m_strName = id == 1 ? u"Long" : u"Short";
            clubs.AddTail(std::move(club));
        }
        ASSERT_TRUE(SerializeClubs(clubs, 0));
        ASSERT_EQ(ToQString(GetDataFilePath()), table);
        CRegistryKey key(HKEY_CURRENT_USER);
        ASSERT_TRUE(key.Create(HKEY_CURRENT_USER, kSettingsKeyPath, 0));
        ASSERT_TRUE(key.SetDWordValue(kLastDistanceValue, 1500));
        m_tableInode = TableInode();
    }

    // A save replaces the file through a rename: a new file, a new inode.
    static ino_t TableInode() {
        struct stat st {};
        return ::stat(GetDataFilePath().ToUtf8().c_str(), &st) == 0 ? st.st_ino : 0;
    }
    static int StoredClubCount() {
        CClubList clubs;
        return SerializeClubs(clubs, 1) ? clubs.GetCount() : -1;
    }
    static DWORD StoredDistance() {
        CRegistryKey key(HKEY_CURRENT_USER);
        DWORD value = 0;
        return key.Open(HKEY_CURRENT_USER, kSettingsKeyPath) &&
                       key.GetDWordValue(kLastDistanceValue, value)
                   ? value
                   : 0;
    }
    // What the end of a run writes: the distance the dialog held (it started at 1000) and
    // the table, saved again.
    void ExpectTheRunEndedAsAlways() {
        EXPECT_EQ(StoredDistance(), 1000U);
        EXPECT_NE(TableInode(), m_tableInode) << "the table was saved again";
        EXPECT_EQ(StoredClubCount(), 2);
    }

    ino_t m_tableInode = 0;
};
