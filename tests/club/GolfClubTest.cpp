#include "club/GolfClub.h"

#include "support/FixedClock.h"

#include <gtest/gtest.h>

TEST(GolfClub, NewRecordIsStampedCreatedButNotModified) {
    FixedClock clock(46000.25);
    const CGolfClub club(9);
    EXPECT_EQ(club.m_nClubId, 9);
    EXPECT_TRUE(club.m_strExtra.IsEmpty());
    EXPECT_TRUE(club.m_strName.IsEmpty());
    EXPECT_EQ(club.m_nMaleDistance, 0);
    EXPECT_EQ(club.m_nFemaleDistance, 0);
    EXPECT_EQ(club.m_dtCreated, COleDateTime(46000.25));
    EXPECT_EQ(club.m_dtModified, COleDateTime());
}

TEST(GolfClub, EverySetterStampsModifiedBeforeStoring) {
    FixedClock clock(46000.0, 1.0);
    CGolfClub club; // reads 46000
    club.SetName(CString(u"  7 Iron  "));
    EXPECT_EQ(club.m_dtModified.m_dt, 46001.0);
    EXPECT_EQ(club.m_strName, CString(u"  7 Iron  ")); // blanks kept
    club.SetMaleDistance(-5);
    EXPECT_EQ(club.m_dtModified.m_dt, 46002.0);
    EXPECT_EQ(club.m_nMaleDistance, -5); // no range check
    club.SetFemaleDistance(120);
    EXPECT_EQ(club.m_dtModified.m_dt, 46003.0);
    EXPECT_EQ(club.m_nFemaleDistance, 120);
    EXPECT_EQ(club.m_dtCreated.m_dt, 46000.0);
}

TEST(GolfClub, ResetAndCopyCoverAllSevenFields) {
    CGolfClub source(4);
    source.m_strExtra = CString(u"spare");
    source.SetName(CString(u"7 Wood"));
    source.SetMaleDistance(180);
    source.SetFemaleDistance(160);
    source.m_dtCreated = COleDateTime(1.5, COleDateTime::null);
    source.m_dtModified = COleDateTime(2.5, COleDateTime::invalid);

    CGolfClub copy;
    copy.CopyFrom(source);
    EXPECT_EQ(copy.m_nClubId, 4);
    EXPECT_EQ(copy.m_strExtra, CString(u"spare"));
    EXPECT_EQ(copy.m_strName, CString(u"7 Wood"));
    EXPECT_EQ(copy.m_nMaleDistance, 180);
    EXPECT_EQ(copy.m_nFemaleDistance, 160);
    EXPECT_EQ(copy.m_dtCreated, source.m_dtCreated);
    EXPECT_EQ(copy.m_dtModified, source.m_dtModified);

    copy.Reset();
    EXPECT_EQ(copy.m_nClubId, 0);
    EXPECT_TRUE(copy.m_strExtra.IsEmpty());
    EXPECT_TRUE(copy.m_strName.IsEmpty());
    EXPECT_EQ(copy.m_nMaleDistance, 0);
    EXPECT_EQ(copy.m_nFemaleDistance, 0);
    EXPECT_EQ(copy.m_dtCreated, COleDateTime());
    EXPECT_EQ(copy.m_dtModified, COleDateTime());
}

TEST(GolfClub, CompareIsSignedAndExactlyMinusOneZeroPlusOne) {
    struct Case {
        std::int32_t mine, other;
        int expected;
    };
    for (const Case& c : {Case{-1, 1, -1}, Case{1, -1, 1}, Case{5, 5, 0}, Case{1, 1000, -1},
                          Case{INT32_MAX, INT32_MIN, 1}, Case{INT32_MIN, INT32_MAX, -1}}) {
        const CGolfClub club(c.mine);
        EXPECT_EQ(club.CompareId(c.other), c.expected) << c.mine << " vs " << c.other;
        EXPECT_EQ(club.Compare(CGolfClub(c.other)), c.expected);
    }
}

TEST(GolfClub, PlayerTypeOneReadsMaleEveryOtherTypeFemale) {
    CGolfClub club(1);
    club.m_nMaleDistance = 220;
    club.m_nFemaleDistance = 190;
    EXPECT_EQ(club.DistanceFor(1), 220);
    for (PlayerType other : {2, 0, 3, -1}) {
        EXPECT_EQ(club.DistanceFor(other), 190) << other;
    }
}

TEST(GolfClub, RunTimeClassIsRegisteredForDynamicCreation) {
    const CRuntimeClass* cls = CRuntimeClass::FromName("CGolfClub");
    ASSERT_NE(cls, nullptr);
    EXPECT_EQ(cls->m_wSchema, 0u);
    EXPECT_EQ(cls->m_pBaseClass, &CObject::classCObject);
    const auto object = cls->CreateObject();
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->GetRuntimeClass(), &CGolfClub::classCGolfClub);
}
