#include "platform/core/COleDateTime.h"

#include "support/FixedClock.h"

#include <gtest/gtest.h>

#include <ctime>

TEST(DateTime, DayCountsAtKnownPoints) {
    struct Case {
        int y, mo, d, h, mi, s;
        double days;
    };
    const Case cases[] = {
        {1899, 12, 30, 0, 0, 0, 0.0},     {1900, 1, 1, 0, 0, 0, 2.0},
        {2000, 1, 1, 0, 0, 0, 36526.0},   {2000, 1, 1, 12, 0, 0, 36526.5},
        {1899, 12, 30, 18, 0, 0, 0.75},   {1899, 12, 29, 6, 0, 0, -1.25},
        {1899, 12, 28, 18, 0, 0, -2.75},  {1800, 1, 1, 0, 0, 0, -36522.0},
        {2026, 12, 7, 6, 0, 0, 46363.25},
    };
    for (const Case& c : cases) {
        const COleDateTime dt = COleDateTime::FromDateTime(c.y, c.mo, c.d, c.h, c.mi, c.s);
        EXPECT_EQ(dt.GetStatus(), COleDateTime::valid);
        EXPECT_DOUBLE_EQ(dt.m_dt, c.days) << c.y << '-' << c.mo << '-' << c.d << ' ' << c.h;
        const COleDateTime::Parts p = dt.GetParts();
        EXPECT_EQ((std::tuple{p.year, p.month, p.day, p.hour, p.minute, p.second}),
                  (std::tuple{c.y, c.mo, c.d, c.h, c.mi, c.s}));
    }
}

TEST(DateTime, ImpossibleDatesAreInvalid) {
    EXPECT_EQ(COleDateTime::FromDateTime(2025, 2, 29, 0, 0, 0).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(COleDateTime::FromDateTime(2024, 2, 29, 0, 0, 0).GetStatus(), COleDateTime::valid);
    EXPECT_EQ(COleDateTime::FromDateTime(2024, 13, 1, 0, 0, 0).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(COleDateTime::FromDateTime(2024, 1, 1, 24, 0, 0).GetStatus(), COleDateTime::invalid);
}

TEST(DateTime, ZeroDateIsDayZeroAndValid) {
    const COleDateTime zero;
    EXPECT_EQ(zero.m_dt, 0.0);
    EXPECT_EQ(zero.GetStatus(), COleDateTime::valid);
}

TEST(DateTime, CurrentTimeIsTheLocalClock) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    const COleDateTime expected =
        COleDateTime::FromDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                                   local.tm_hour, local.tm_min, local.tm_sec);
    const COleDateTime current = COleDateTime::GetCurrentTime();
    EXPECT_NEAR(current.m_dt, expected.m_dt, 5.0 / 86400.0);
}

TEST(DateTime, AClockPutInPlaceAnswersUntilRemoved) {
    {
        FixedClock clock(45000.5);
        EXPECT_EQ(COleDateTime::GetCurrentTime().m_dt, 45000.5);
    }
    EXPECT_GT(COleDateTime::GetCurrentTime().m_dt, 46000.0); // the system clock again
}
