// Checks the ground every other test stands on: the programs run as Windows programs of the
// architecture they were built for (32-bit, the product, or 64-bit) under Wine with a pinned zone
// and locale, and cannot move this machine's clock.
#include <windows.h>
#include <gtest/gtest.h>

TEST(Harness, RunsAsAWindowsProgramOfItsBuildsArchitecture)
{
    EXPECT_EQ(VELMORA_ARCH / 8u, sizeof(void*));
    SYSTEM_INFO si;
    GetSystemInfo(&si);
    EXPECT_EQ(VELMORA_ARCH == 64 ? PROCESSOR_ARCHITECTURE_AMD64 : PROCESSOR_ARCHITECTURE_INTEL,
              si.wProcessorArchitecture);
    // A 32-bit program on a 64-bit Wine would run under WOW64: the loader must be the build's own.
    BOOL bWow64 = FALSE;
    IsWow64Process(GetCurrentProcess(), &bWow64);
    EXPECT_FALSE(bWow64);
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
