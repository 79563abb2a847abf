// Checks the ground every other test stands on: the programs run as 32-bit Windows programs
// under Wine with a pinned zone and locale, and cannot move this machine's clock.
#include <windows.h>
#include <gtest/gtest.h>

TEST(Harness, RunsAsThirtyTwoBitWindowsProgram)
{
    EXPECT_EQ(4u, sizeof(void*));
    SYSTEM_INFO si;
    GetSystemInfo(&si);
    EXPECT_EQ(PROCESSOR_ARCHITECTURE_INTEL, si.wProcessorArchitecture);
}

TEST(Harness, ZoneIsPinnedToUtc)
{
    TIME_ZONE_INFORMATION tzi;
    GetTimeZoneInformation(&tzi);
    EXPECT_EQ(0, tzi.Bias);
    SYSTEMTIME local, utc;
    GetLocalTime(&local);
    GetSystemTime(&utc);
    EXPECT_EQ(utc.wHour, local.wHour);
}

TEST(Harness, ClockCannotBeMoved)
{
    // A jump of an hour must be refused: tests never get to steer the host's clock.
    SYSTEMTIME st;
    GetSystemTime(&st);
    st.wHour = (WORD)((st.wHour + 12) % 24);
    EXPECT_FALSE(SetSystemTime(&st));
}
