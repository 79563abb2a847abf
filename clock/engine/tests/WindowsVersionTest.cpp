// The Windows version probe: the extended record, a system that refuses it, and one without
// GetVersionExA.
#include <gtest/gtest.h>

#include <string.h>

#include "WindowsVersion.h"

namespace
{
BOOL WINAPI RefuseExtendedRecord(LPOSVERSIONINFOA p)
{
    if (p->dwOSVersionInfoSize != sizeof(OSVERSIONINFOA))
        return FALSE;
    return TRUE;
}

BOOL WINAPI WindowsXP(LPOSVERSIONINFOA p)
{
    p->dwMajorVersion = 5;
    p->dwMinorVersion = 1;
    p->dwPlatformId = VER_PLATFORM_WIN32_NT;
    return p->dwOSVersionInfoSize == sizeof(OSVERSIONINFOEXA);
}
} // namespace

TEST(WindowsVersion, ReadsTheExtendedRecordOrTheOldCall)
{
    CWindowsVersionInfo info;
    memset(&info, 0, sizeof(info));
    EXPECT_TRUE(WindowsVersion::GetInfo(info));
    EXPECT_GE(info.dwMajorVersion, 5u);

    memset(&info, 0, sizeof(info));
    EXPECT_TRUE(WindowsVersion::GetInfo(info, WindowsXP));
    EXPECT_EQ(5u, info.dwMajorVersion);
    EXPECT_EQ(1u, info.dwMinorVersion);

    memset(&info, 0, sizeof(info));
    EXPECT_FALSE(WindowsVersion::GetInfo(info, RefuseExtendedRecord));
    EXPECT_EQ(0u, info.dwMajorVersion);

    memset(&info, 0, sizeof(info));
    EXPECT_TRUE(WindowsVersion::GetInfo(info, NULL));
    DWORD dwVersion = ::GetVersion();
    EXPECT_EQ((DWORD)LOBYTE(LOWORD(dwVersion)), info.dwMajorVersion);
    EXPECT_EQ((DWORD)HIBYTE(LOWORD(dwVersion)), info.dwMinorVersion);
}
