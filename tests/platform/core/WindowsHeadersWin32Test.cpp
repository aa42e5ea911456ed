// The class library's headers seen together with the Windows API, in both orders.
#include "platform/core/COleDateTime.h"
#include "platform/core/CString.h"
#include "platform/core/Win32Api.h"
#include "platform/core/WinTypes.h"

#include "support/FixedClock.h"

#include <gtest/gtest.h>

#include <cmath>

// Text goes to the wide API functions as it is: both are UTF-16 code units.
static_assert(sizeof(wchar_t) == sizeof(char16_t));

TEST(WindowsHeaders, ClassLibraryOperationsKeepTheirNamesBesideTheApi) {
    RegisterStringResource(0xFF70, CString(u"C:\\Users\\Player"));
    CString text;
    EXPECT_TRUE(text.LoadString(0xFF70));
    EXPECT_EQ(text, CString(u"C:\\Users\\Player"));

    FixedClock clock(45000.25);
    EXPECT_EQ(COleDateTime::GetCurrentTime().m_dt, 45000.25);
}

TEST(WindowsHeaders, CurrentTimeAgreesWithTheSystemsLocalTime) {
    SYSTEMTIME st{};
    ::GetLocalTime(&st);
    const COleDateTime expected =
        COleDateTime::FromDateTime(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond);
    ASSERT_EQ(expected.GetStatus(), COleDateTime::valid);
    EXPECT_NEAR(COleDateTime::GetCurrentTime().m_dt, expected.m_dt, 5.0 / 86400.0);
}
