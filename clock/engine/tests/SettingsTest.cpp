// Settings of sections "Clock" and "Configuration": defaults with an empty registry, the stored forms
// in Wine's real registry, the round trip and the repair rules for out-of-range values.
#include <gtest/gtest.h>

#include <afxwin.h>

#include <limits>

#include "Settings.h"
#include "TestApp.h"

namespace
{
const RECT rcClock = {300, 40, 500, 100};

DWORD StoredDword(LPCTSTR pszKey)
{
    DWORD dwType = 0;
    CByteArray ab;
    if (!ReadTestProfileValue(_T("Clock"), pszKey, dwType, ab) || dwType != REG_DWORD || ab.GetSize() != 4)
        return 0xDEADBEEF;
    return ab[0] | (ab[1] << 8) | (ab[2] << 16) | ((DWORD)ab[3] << 24);
}

CString StoredString(LPCTSTR pszKey)
{
    DWORD dwType = 0;
    CByteArray ab;
    if (!ReadTestProfileValue(_T("Clock"), pszKey, dwType, ab) || dwType != REG_SZ)
        return _T("<missing>");
    ab.Add(0);
    return CString((LPCSTR)ab.GetData());
}
} // namespace

TEST(Settings, DefaultsWithAnEmptyRegistry)
{
    ResetTestProfile();
    CSettings s;
    s.Load(rcClock);

    EXPECT_EQ(RGB(0, 0, 0), s.m_crTextCol);
    EXPECT_EQ(RGB(128, 128, 128), s.m_crBackgroundCol);
    EXPECT_EQ(CString("Horizontal"), s.m_strClockLayout1);
    EXPECT_EQ(1, s.m_nClockLayout2);
    EXPECT_EQ(2, s.m_nNewClockPos);
    EXPECT_FALSE(s.m_bAutoHide);
    EXPECT_TRUE(s.m_bLoadOnStartup);
    EXPECT_TRUE(s.m_bUseDefaultFont);
    EXPECT_TRUE(s.m_bAnimateIcon);
    EXPECT_TRUE(s.m_bEnableAlarmSys);
    EXPECT_TRUE(s.m_bRunOverdue);
    EXPECT_TRUE(s.m_bUseLimit);
    EXPECT_EQ(1, s.m_dtLimit.GetHour());
    EXPECT_EQ(0, s.m_dtLimit.GetMinute());
    EXPECT_EQ(1899, s.m_dtLimit.GetYear());
    EXPECT_EQ(CString("Cuckoo"), s.m_strDefRemSound);
    EXPECT_EQ(60, s.m_nSyncInterval);
    EXPECT_EQ(CString("USA, U.S. Naval Observatory, Washington, DC"), s.m_strSNTPLoc);
    EXPECT_FALSE(s.m_strSNTPTimeServer.IsEmpty());
    EXPECT_EQ(1, s.m_nConnectType);
    EXPECT_EQ(1, s.m_nConnectErrorMode);
    EXPECT_EQ(5, s.m_nSyncTimeOut);
    EXPECT_TRUE(s.m_bNoBigSync);
    EXPECT_EQ(1, s.m_dtNoBigSync.GetHour());
    EXPECT_EQ(CString("I have synchronized your clock!"), s.m_strSyncMsg);
    EXPECT_EQ(CString("C:\\Windows\\MSAGENT\\chars"), s.m_strAgentPath);
    EXPECT_EQ(CString("Hi there. How are you today?"), s.m_strAgentPreview);
    EXPECT_EQ(50, s.m_nAgentPitch);
    EXPECT_EQ(150, s.m_nAgentSpeed);
    EXPECT_EQ(65535, s.m_nAgentVol);
    EXPECT_TRUE(s.m_bSpeakTime);
    EXPECT_EQ(1, s.m_nQuietType);
    EXPECT_EQ(CString("This is an Alarm Message!|I have an Alarm Message for you!"), s.m_strPreAlarm);
    EXPECT_EQ(CString("Today is |The date is | It is "), s.m_strPreDate);
    EXPECT_EQ(CString("The time is |The time is now | It is now "), s.m_strPreTime);
    EXPECT_EQ(CString("Hi there. Nice to see you again.|Hello again."), s.m_strStartupMsg);
    EXPECT_TRUE(s.m_bEnableEffects);
    EXPECT_TRUE(s.m_bHidePostSpeech);
    EXPECT_TRUE(s.m_bStartupTime);
    EXPECT_TRUE(s.m_bVersCheckBeta);
    EXPECT_EQ(7, s.m_nVersCheckInt);
    EXPECT_EQ(0, s.m_nPropIndex);
    EXPECT_EQ(250, s.m_nAgentX);
    EXPECT_EQ(40, s.m_nAgentY);
    EXPECT_FALSE(s.m_bHavePlacement);
    EXPECT_EQ(15, CSettings::ReadStartDelay());
    EXPECT_FALSE(CSettings::ReadDelayWarn());
    EXPECT_DOUBLE_EQ(0.0, CSettings::ReadLastShutdown().m_dt);

    // Loading never writes.
    DWORD dwType;
    CByteArray ab;
    EXPECT_FALSE(ReadTestProfileValue(_T("Clock"), _T("Version"), dwType, ab));
}

TEST(Settings, SaveWritesEveryValueInItsForm)
{
    ResetTestProfile();
    CSettings s;
    s.Load(rcClock);
    s.m_wndPlacement.showCmd = SW_SHOWNORMAL;
    s.m_wndPlacement.rcNormalPosition = {10, 20, 110, 70};
    s.Save();

    EXPECT_EQ(230u, StoredDword(_T("Version")));
    EXPECT_NE(-1, StoredString(_T("mainpath")).Find(_T(".exe")));
    EXPECT_EQ(0x808080u, StoredDword(_T("BackgroundCol")));
    EXPECT_EQ(1u, StoredDword(_T("ClockLayout2")));
    EXPECT_EQ(CString("Horizontal"), StoredString(_T("ClockLayout1")));
    EXPECT_EQ(1u, StoredDword(_T("LimitH")));
    EXPECT_EQ(0u, StoredDword(_T("LimitS")));
    EXPECT_EQ(0u, StoredDword(_T("QuietTimeEndMin")));
    EXPECT_EQ(65535u, StoredDword(_T("AgentVol")));
    EXPECT_EQ(250u, StoredDword(_T("AgentX")));
    // Kept by others, or never written.
    for (LPCTSTR pszKey : {_T("AgentPath"), _T("StartDelay"), _T("DelayWarn"), _T("LastShutdown")})
    {
        DWORD dwType;
        CByteArray ab;
        EXPECT_FALSE(ReadTestProfileValue(_T("Clock"), pszKey, dwType, ab)) << pszKey;
    }

    DWORD dwType;
    CByteArray ab;
    ASSERT_TRUE(ReadTestProfileValue(_T("Configuration"), _T("OldMFPosB"), dwType, ab));
    EXPECT_EQ((DWORD)REG_BINARY, dwType);
    ASSERT_EQ(44, ab.GetSize());
    EXPECT_EQ(44, ab[0]);
    EXPECT_EQ(SW_SHOWNORMAL, ab[8]);
    EXPECT_EQ(10, ab[28]);
    EXPECT_EQ(70, ab[40]);
    ASSERT_TRUE(ReadTestProfileValue(_T("Configuration"), _T("OldMFState"), dwType, ab));
    EXPECT_EQ((DWORD)REG_DWORD, dwType);
    EXPECT_EQ(SW_SHOWNORMAL, ab[0]);
    ASSERT_TRUE(ReadTestProfileValue(_T("Clock"), _T("LastVersCheck"), dwType, ab));
    EXPECT_EQ(12, ab.GetSize());
}

TEST(Settings, RoundTripThroughTheRegistry)
{
    ResetTestProfile();
    CSettings a;
    a.m_crTextCol = RGB(1, 2, 3);
    a.m_crBackgroundCol = RGB(4, 5, 6);
    a.m_bClockOnTop = TRUE;
    a.m_strClockLayout1 = "Vertical";
    a.m_nClockLayout2 = 0;
    a.m_nNewClockPos = 0;
    a.m_bAutoHide = TRUE;
    a.m_nAlarmTimeDisplay = 2;
    a.m_dtLimit = COleDateTime(1899, 12, 30, 2, 30, 15);
    a.m_strDefRemSound = "Bell";
    a.m_bPeriodicSync = TRUE;
    a.m_nSyncInterval = 15;
    a.m_strSNTPTimeServer = "127.0.0.1";
    a.m_dtNoBigSync = COleDateTime(1899, 12, 30, 0, 5, 7);
    a.m_strAgentFile = "merlin.acs";
    a.m_nAgentPitch = 77;
    a.m_dtQuietStart = COleDateTime(1899, 12, 30, 22, 15, 0);
    a.m_dtQuietEnd = COleDateTime(1899, 12, 30, 7, 45, 0);
    a.m_strPostTime = "precisely";
    a.m_nAgentX = 120;
    a.m_nAgentY = 30;
    a.m_nVersCheckInt = 31;
    a.m_dtLastVersCheck = COleDateTime(2004, 2, 1, 12, 0, 0);
    a.m_nPropIndex = 3;
    a.m_strAgentPath = "D:\\not written";
    a.m_wndPlacement.showCmd = SW_SHOWNORMAL;
    a.m_wndPlacement.rcNormalPosition = {10, 20, 110, 70};
    a.Save();

    CSettings b;
    b.Load(rcClock);
    EXPECT_EQ(a.m_crTextCol, b.m_crTextCol);
    EXPECT_EQ(a.m_crBackgroundCol, b.m_crBackgroundCol);
    EXPECT_TRUE(b.m_bClockOnTop);
    EXPECT_EQ(CString("Vertical"), b.m_strClockLayout1);
    EXPECT_EQ(0, b.m_nClockLayout2);
    EXPECT_EQ(0, b.m_nNewClockPos);
    EXPECT_TRUE(b.m_bAutoHide);
    EXPECT_EQ(2, b.m_nAlarmTimeDisplay);
    EXPECT_DOUBLE_EQ(a.m_dtLimit.m_dt, b.m_dtLimit.m_dt);
    EXPECT_EQ(CString("Bell"), b.m_strDefRemSound);
    EXPECT_TRUE(b.m_bPeriodicSync);
    EXPECT_EQ(15, b.m_nSyncInterval);
    EXPECT_EQ(CString("127.0.0.1"), b.m_strSNTPTimeServer);
    EXPECT_DOUBLE_EQ(a.m_dtNoBigSync.m_dt, b.m_dtNoBigSync.m_dt);
    EXPECT_EQ(CString("merlin.acs"), b.m_strAgentFile);
    EXPECT_EQ(77, b.m_nAgentPitch);
    EXPECT_DOUBLE_EQ(a.m_dtQuietStart.m_dt, b.m_dtQuietStart.m_dt);
    EXPECT_DOUBLE_EQ(a.m_dtQuietEnd.m_dt, b.m_dtQuietEnd.m_dt);
    EXPECT_EQ(CString("precisely"), b.m_strPostTime);
    EXPECT_EQ(120, b.m_nAgentX);
    EXPECT_EQ(30, b.m_nAgentY);
    EXPECT_EQ(31, b.m_nVersCheckInt);
    EXPECT_DOUBLE_EQ(a.m_dtLastVersCheck.m_dt, b.m_dtLastVersCheck.m_dt);
    EXPECT_EQ(3, b.m_nPropIndex);
    EXPECT_EQ(CString("C:\\Windows\\MSAGENT\\chars"), b.m_strAgentPath);
    ASSERT_TRUE(b.m_bHavePlacement);
    EXPECT_EQ(SW_HIDE, (int)b.m_wndPlacement.showCmd);
    EXPECT_EQ(10, b.m_wndPlacement.rcNormalPosition.left);
    EXPECT_EQ(70, b.m_wndPlacement.rcNormalPosition.bottom);
}

TEST(Settings, OutOfRangeValuesAreRepaired)
{
    struct
    {
        int nStored;
        int nExpect;
    } intervals[] = {{45, 7}, {-3, 7}, {32, 7}, {0, 0}, {31, 31}, {12, 12}};
    for (auto& t : intervals)
    {
        ResetTestProfile();
        AfxGetApp()->WriteProfileInt(_T("Clock"), _T("VersCheckInt"), t.nStored);
        CSettings s;
        s.Load(rcClock);
        EXPECT_EQ(t.nExpect, s.m_nVersCheckInt) << t.nStored;
    }

    // Counts, periods and choices outside their ranges take their defaults: nothing may multiply
    // into an overflow, wait for ever or run every second.
    struct
    {
        LPCTSTR pszKey;
        int nStored;
        int CSettings::*pMember;
        int nExpect;
    } ranges[] = {
        {_T("SyncTimeOut"), 0, &CSettings::m_nSyncTimeOut, 5},
        {_T("SyncTimeOut"), -1, &CSettings::m_nSyncTimeOut, 5},
        {_T("SyncTimeOut"), 61, &CSettings::m_nSyncTimeOut, 5},
        {_T("SyncTimeOut"), 4294968, &CSettings::m_nSyncTimeOut, 5}, // x 1000 wraps past 2^32
        {_T("SyncTimeOut"), 0x7FFFFFFF, &CSettings::m_nSyncTimeOut, 5},
        {_T("SyncTimeOut"), 1, &CSettings::m_nSyncTimeOut, 1},
        {_T("SyncTimeOut"), 60, &CSettings::m_nSyncTimeOut, 60},
        {_T("SyncInterval"), 0, &CSettings::m_nSyncInterval, 60},
        {_T("SyncInterval"), -5, &CSettings::m_nSyncInterval, 60},
        {_T("SyncInterval"), 1000, &CSettings::m_nSyncInterval, 60},
        {_T("SyncInterval"), 35791395, &CSettings::m_nSyncInterval, 60}, // x 60 passes 2^31
        {_T("SyncInterval"), 1, &CSettings::m_nSyncInterval, 1},
        {_T("SyncInterval"), 999, &CSettings::m_nSyncInterval, 999},
        {_T("ConnectType"), 2, &CSettings::m_nConnectType, 1},
        {_T("ConnectType"), 0, &CSettings::m_nConnectType, 0},
        {_T("ConnectErrorMode"), 3, &CSettings::m_nConnectErrorMode, 1},
        {_T("ConnectErrorMode"), 2, &CSettings::m_nConnectErrorMode, 2},
        {_T("ClockLayout2"), 5, &CSettings::m_nClockLayout2, 1},
        {_T("ClockLayout2"), 0, &CSettings::m_nClockLayout2, 0},
        {_T("QuietType"), -1, &CSettings::m_nQuietType, 1},
        {_T("TimeFreq"), 6, &CSettings::m_nTimeFreq, 0},
        {_T("TimeFreq"), 5, &CSettings::m_nTimeFreq, 5},
        {_T("AgentVol"), 70000, &CSettings::m_nAgentVol, 65535},
        {_T("AgentVol"), 100, &CSettings::m_nAgentVol, 100},
    };
    for (auto& t : ranges)
    {
        ResetTestProfile();
        AfxGetApp()->WriteProfileInt(_T("Clock"), t.pszKey, t.nStored);
        CSettings s;
        s.Load(rcClock);
        EXPECT_EQ(t.nExpect, s.*t.pMember) << t.pszKey << "=" << t.nStored;
    }

    // A stored time that is no date keeps the member's value.
    for (double d :
         {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(), 1e300})
    {
        ResetTestProfile();
        BYTE ab[12];
        memcpy(ab, &d, 8);
        memset(ab + 8, 0, 4);
        AfxGetApp()->WriteProfileBinary(_T("Clock"), _T("LastVersCheck"), ab, sizeof(ab));
        AfxGetApp()->WriteProfileBinary(_T("Clock"), _T("LastShutdown"), ab, sizeof(ab));
        CSettings s;
        s.m_dtLastVersCheck = COleDateTime(2020, 5, 6, 0, 0, 0);
        s.Load(rcClock);
        EXPECT_EQ(COleDateTime(2020, 5, 6, 0, 0, 0), s.m_dtLastVersCheck) << d;
        EXPECT_DOUBLE_EQ(0.0, CSettings::ReadLastShutdown().m_dt) << d;
    }

    int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
    struct
    {
        int x, y, nExpectX, nExpectY;
    } positions[] = {{10, 10, 10, 10},     {-1, 10, 250, 40}, {10, -1, 250, 40},
                     {cx, 10, 250, 40},    {10, cy, 250, 40}, {cx - 1, cy - 1, cx - 1, cy - 1},
                     {0xFFFF, 10, 250, 40}};
    for (auto& t : positions)
    {
        ResetTestProfile();
        AfxGetApp()->WriteProfileInt(_T("Clock"), _T("AgentX"), t.x);
        AfxGetApp()->WriteProfileInt(_T("Clock"), _T("AgentY"), t.y);
        CSettings s;
        s.Load(rcClock);
        EXPECT_EQ(t.nExpectX, s.m_nAgentX) << t.x << "," << t.y;
        EXPECT_EQ(t.nExpectY, s.m_nAgentY) << t.x << "," << t.y;
    }

    // Stored numbers that make no time of day leave that time at its default, and a save writes
    // the default back rather than the numbers of an invalid time.
    struct
    {
        LPCTSTR pszKey;
        int nStored;
        int nLimitH, nLimitM, nQuietH, nNoBigS;
    } times[] = {
        {_T("LimitH"), 30, 1, 0, 0, 0},
        {_T("LimitM"), 60, 1, 0, 0, 0},
        {_T("LimitM"), 45, 1, 45, 0, 0},
        {_T("QuietTimeStartHour"), -2, 1, 0, 0, 0},
        {_T("QuietTimeStartHour"), 22, 1, 0, 22, 0},
        {_T("NoBigSyncS"), -5, 1, 0, 0, 0},
        {_T("NoBigSyncS"), 59, 1, 0, 0, 59},
    };
    for (auto& t : times)
    {
        ResetTestProfile();
        AfxGetApp()->WriteProfileInt(_T("Clock"), t.pszKey, t.nStored);
        CSettings s;
        s.Load(rcClock);
        ASSERT_EQ(COleDateTime::valid, s.m_dtLimit.GetStatus()) << t.pszKey;
        ASSERT_EQ(COleDateTime::valid, s.m_dtQuietStart.GetStatus()) << t.pszKey;
        ASSERT_EQ(COleDateTime::valid, s.m_dtNoBigSync.GetStatus()) << t.pszKey;
        EXPECT_EQ(t.nLimitH, s.m_dtLimit.GetHour()) << t.pszKey << "=" << t.nStored;
        EXPECT_EQ(t.nLimitM, s.m_dtLimit.GetMinute()) << t.pszKey << "=" << t.nStored;
        EXPECT_EQ(t.nQuietH, s.m_dtQuietStart.GetHour()) << t.pszKey << "=" << t.nStored;
        EXPECT_EQ(1, s.m_dtNoBigSync.GetHour()) << t.pszKey << "=" << t.nStored;
        EXPECT_EQ(t.nNoBigS, s.m_dtNoBigSync.GetSecond()) << t.pszKey << "=" << t.nStored;
        s.Save();
        EXPECT_EQ((DWORD)t.nLimitH, StoredDword(_T("LimitH"))) << t.pszKey << "=" << t.nStored;
        EXPECT_EQ((DWORD)t.nQuietH, StoredDword(_T("QuietTimeStartHour"))) << t.pszKey << "=" << t.nStored;
    }

    // A placement value of another length is no placement.
    ResetTestProfile();
    BYTE ab[43] = {0};
    AfxGetApp()->WriteProfileBinary(_T("Configuration"), _T("OldMFPosB"), ab, sizeof(ab));
    CSettings s;
    s.Load(rcClock);
    EXPECT_FALSE(s.m_bHavePlacement);

    // A placement of the right size with a damaged length field is still a usable placement.
    WINDOWPLACEMENT wp;
    memset(&wp, 0, sizeof(wp));
    wp.rcNormalPosition = {10, 20, 110, 70};
    AfxGetApp()->WriteProfileBinary(_T("Configuration"), _T("OldMFPosB"), (LPBYTE)&wp, sizeof(wp));
    CSettings t;
    t.Load(rcClock);
    ASSERT_TRUE(t.m_bHavePlacement);
    EXPECT_EQ(sizeof(WINDOWPLACEMENT), (size_t)t.m_wndPlacement.length);
    EXPECT_EQ(110, t.m_wndPlacement.rcNormalPosition.right);
}

TEST(Settings, PlacementIsMovedInsideTheDesktop)
{
    const RECT desk = {0, 0, 800, 600};
    struct
    {
        RECT rc;
        RECT expect;
    } cases[] = {
        {{10, 10, 110, 60}, {10, 10, 110, 60}},
        {{-50, 10, 50, 60}, {0, 10, 100, 60}},
        {{10, -30, 110, 20}, {10, 0, 110, 50}},
        {{750, 10, 850, 60}, {700, 10, 800, 60}},
        {{10, 580, 110, 630}, {10, 550, 110, 600}},
        {{-50, -50, 50, 50}, {0, 0, 100, 100}},
        {{790, 590, 890, 690}, {700, 500, 800, 600}},
        // Larger than the desktop: the top-left corner stays on it, never pushed off the screen.
        {{-10, 0, 900, 50}, {0, 0, 910, 50}},
        {{500, 300, 18505, 340}, {0, 300, 18005, 340}},
        {{10, 10, 60, 2010}, {10, 0, 60, 2000}},
    };
    for (auto& t : cases)
    {
        WINDOWPLACEMENT wp = {sizeof(wp)};
        wp.showCmd = SW_SHOWNORMAL;
        wp.rcNormalPosition = t.rc;
        CSettings::FitPlacement(wp, desk);
        EXPECT_EQ(SW_HIDE, (int)wp.showCmd);
        EXPECT_EQ(t.expect.left, wp.rcNormalPosition.left) << t.rc.left << "," << t.rc.top;
        EXPECT_EQ(t.expect.top, wp.rcNormalPosition.top) << t.rc.left << "," << t.rc.top;
        EXPECT_EQ(t.expect.right, wp.rcNormalPosition.right) << t.rc.left << "," << t.rc.top;
        EXPECT_EQ(t.expect.bottom, wp.rcNormalPosition.bottom) << t.rc.left << "," << t.rc.top;
    }
}

TEST(Settings, StartDelayAndLastShutdown)
{
    ResetTestProfile();
    CSettings::WriteStartDelay(40);
    CSettings::WriteDelayWarn(TRUE);
    EXPECT_EQ(40, CSettings::ReadStartDelay());
    EXPECT_TRUE(CSettings::ReadDelayWarn());

    COleDateTime dt(2004, 2, 1, 13, 5, 9);
    CSettings::WriteLastShutdown(dt);
    DWORD dwType;
    CByteArray ab;
    ASSERT_TRUE(ReadTestProfileValue(_T("Clock"), _T("LastShutdown"), dwType, ab));
    EXPECT_EQ((DWORD)REG_BINARY, dwType);
    ASSERT_EQ(12, ab.GetSize());
    double d;
    memcpy(&d, ab.GetData(), 8);
    EXPECT_DOUBLE_EQ(dt.m_dt, d);
    EXPECT_EQ(0, ab[8] | ab[9] | ab[10] | ab[11]);
    EXPECT_DOUBLE_EQ(dt.m_dt, CSettings::ReadLastShutdown().m_dt);
}
