// Settings.cpp: the sections "Clock" and "Configuration" of the program's profile.
#include "Settings.h"

#include <string.h>

#include "Clock.h"
#include "ProfileStore.h"

const TCHAR szSettingsClock[] = _T("Clock");
const TCHAR szSettingsConfiguration[] = _T("Configuration");

static const TCHAR szClock[] = _T("Clock");

// Written on every save so that a later version can tell which one wrote the values.
static const int nSettingsVersion = 230;

static COleDateTime TimeOfDay(int nHour, int nMinute, int nSecond)
{
    return COleDateTime(1899, 12, 30, nHour, nMinute, nSecond);
}

CSettings::CSettings()
{
    m_crTextCol = RGB(0, 0, 0);
    m_crBackgroundCol = RGB(128, 128, 128);
    m_bUseDefaultCols = FALSE;
    m_bUseDefaultFont = TRUE;
    m_bUnHideNoFade = FALSE;
    m_bClockOnTop = FALSE;
    m_bLoadOnStartup = TRUE;
    m_strClockLayout1 = _T("Horizontal");
    m_nClockLayout2 = 1;
    m_nNewClockPos = 2;
    m_bAutoHide = FALSE;
    m_bAnimateIcon = TRUE;
    m_nAlarmTimeDisplay = 0;

    m_bEnableAlarmSys = TRUE;
    m_bRunOverdue = TRUE;
    m_bUseLimit = TRUE;
    m_dtLimit = TimeOfDay(1, 0, 0);
    m_bDefPlayRemSound = TRUE;
    m_strDefRemSound = _T("Cuckoo");
    m_bDeleteReminder = FALSE;

    m_bSyncOnStartup = FALSE;
    m_bPeriodicSync = FALSE;
    m_nSyncInterval = 60;
    m_strSNTPTimeServer = _T("tick.usno.navy.mil");
    m_strSNTPLoc = _T("USA, U.S. Naval Observatory, Washington, DC");
    m_nConnectType = 1;
    m_nConnectErrorMode = 1;
    m_nSyncTimeOut = 5;
    m_bNoBigSync = TRUE;
    m_dtNoBigSync = TimeOfDay(1, 0, 0);
    m_bAnnounceSync = FALSE;
    m_bSyncTime = FALSE;
    m_strSyncMsg = _T("I have synchronized your clock!");

    m_bEnableAgent = FALSE;
    m_strAgentPath = _T("C:\\Windows\\MSAGENT\\chars");
    m_strAgentPreview = _T("Hi there. How are you today?");
    m_nAgentPitch = 50;
    m_nAgentSpeed = 150;
    m_nAgentVol = 65535;
    m_bSpeakDate = FALSE;
    m_bSpeakTime = TRUE;
    m_nQuietType = 1;
    m_nTimeFreq = 0;
    m_dtQuietStart = TimeOfDay(0, 0, 0);
    m_dtQuietEnd = TimeOfDay(0, 0, 0);
    m_strPreAlarm = _T("This is an Alarm Message!|I have an Alarm Message for you!");
    m_strPreDate = _T("Today is |The date is | It is ");
    m_strPreTime = _T("The time is |The time is now | It is now ");
    m_strStartupMsg = _T("Hi there. Nice to see you again.|Hello again.");
    m_bAmPm = FALSE;
    m_nAgentX = 0;
    m_nAgentY = 0;
    m_bEnableEffects = TRUE;
    m_bHidePostSpeech = TRUE;
    m_bBalloonText = FALSE;
    m_bStartupTime = TRUE;

    m_bVersCheckBeta = TRUE;
    m_nVersCheckInt = 7;
    m_dtLastVersCheck = COleDateTime(0.0);
    m_nPropIndex = 0;

    memset(&m_wndPlacement, 0, sizeof(m_wndPlacement));
    m_wndPlacement.length = sizeof(m_wndPlacement);
    m_bHavePlacement = FALSE;
}

/////////////////////////////////////////////////////////////////////////////
// Reading

static int ReadInt(LPCTSTR pszKey, int nDefault)
{
    return (int)GetProfileStore().GetProfileInt(szClock, pszKey, nDefault);
}

// A number used as a count, a period or a choice: a stored value outside its range (a damaged key,
// a hand edit) takes the default, so that no later multiplication into milliseconds or seconds can
// overflow and no period can shrink to nothing.
static int ReadIntInRange(LPCTSTR pszKey, int nDefault, int nMin, int nMax)
{
    int n = ReadInt(pszKey, nDefault);
    return (n < nMin || n > nMax) ? nDefault : n;
}

static CString ReadString(LPCTSTR pszKey, LPCTSTR pszDefault)
{
    return GetProfileStore().GetProfileString(szClock, pszKey, pszDefault);
}

// Reads a binary value of exactly nSize bytes; anything else counts as missing.
static BOOL ReadBinary(LPCTSTR pszSection, LPCTSTR pszKey, void* pv, UINT nSize)
{
    LPBYTE pData = NULL;
    UINT nBytes = 0;
    BOOL bOk = GetProfileStore().GetProfileBinary(pszSection, pszKey, &pData, &nBytes);
    bOk = bOk && pData != NULL && nBytes == nSize;
    if (bOk)
        memcpy(pv, pData, nSize);
    delete[] pData;
    return bOk;
}

// A time of day kept as separate numbers; numbers that make no time of day (an hour of 30, a
// negative minute) would give an invalid value that is written back as -1 at every save, so the
// time keeps what it had.
static COleDateTime ReadTimeOfDay(LPCTSTR pszHour, LPCTSTR pszMinute, LPCTSTR pszSecond,
                                  const COleDateTime& dtOld)
{
    int nHour = ReadInt(pszHour, dtOld.GetHour());
    int nMinute = ReadInt(pszMinute, dtOld.GetMinute());
    int nSecond = pszSecond != NULL ? ReadInt(pszSecond, dtOld.GetSecond()) : 0;
    if (nHour < 0 || nHour > 23 || nMinute < 0 || nMinute > 59 || nSecond < 0 || nSecond > 59)
        return dtOld;
    return TimeOfDay(nHour, nMinute, nSecond);
}

static BOOL ReadOleTime(LPCTSTR pszKey, COleDateTime& dt)
{
    BYTE ab[OLETIME_BYTES];
    if (!ReadBinary(szClock, pszKey, ab, sizeof(ab)))
        return FALSE;
    double d;
    int nStatus;
    UnpackOleTime(ab, d, nStatus);
    // A value that is no date at all (not a number, infinite, beyond the calendar) is no value.
    if (nStatus != COleDateTime::valid || !IsPlausibleDate(d))
        return FALSE;
    dt.m_dt = d;
    dt.SetStatus(COleDateTime::valid);
    return TRUE;
}

void CSettings::Load(const RECT& rcClockWnd)
{
    m_crTextCol = ReadInt(_T("TextCol"), m_crTextCol);
    m_bUseDefaultCols = ReadInt(_T("UseDefaultCols"), m_bUseDefaultCols);
    m_bUseDefaultFont = ReadInt(_T("UseDefaultFont"), m_bUseDefaultFont);
    m_bUnHideNoFade = ReadInt(_T("UnHideNoFade"), m_bUnHideNoFade);
    m_bClockOnTop = ReadInt(_T("ClockOnTop"), m_bClockOnTop);
    m_bLoadOnStartup = ReadInt(_T("LoadOnStartup"), m_bLoadOnStartup);
    m_bAutoHide = ReadInt(_T("AutoHide"), m_bAutoHide);
    m_bAnimateIcon = ReadInt(_T("AnimateIcon"), m_bAnimateIcon);
    m_nNewClockPos = ReadInt(_T("NewClockPos"), m_nNewClockPos);

    m_bSyncOnStartup = ReadInt(_T("SyncOnStartup"), m_bSyncOnStartup);
    m_bPeriodicSync = ReadInt(_T("PeriodicSync"), m_bPeriodicSync);
    m_nSyncInterval = ReadIntInRange(_T("SyncInterval"), 60, 1, 999);
    m_strSNTPTimeServer = ReadString(_T("SNTPTimeServer"), m_strSNTPTimeServer);
    m_strSNTPLoc = ReadString(_T("SNTPLoc"), m_strSNTPLoc);
    m_nConnectType = ReadIntInRange(_T("ConnectType"), 1, 0, 1);
    m_nConnectErrorMode = ReadIntInRange(_T("ConnectErrorMode"), 1, 0, 2);
    m_nSyncTimeOut = ReadIntInRange(_T("SyncTimeOut"), 5, 1, 60);
    m_bNoBigSync = ReadInt(_T("NoBigSync"), m_bNoBigSync);
    m_dtNoBigSync = ReadTimeOfDay(_T("NoBigSyncH"), _T("NoBigSyncM"), _T("NoBigSyncS"), m_dtNoBigSync);
    m_bAnnounceSync = ReadInt(_T("AnnounceSync"), m_bAnnounceSync);
    m_bSyncTime = ReadInt(_T("SyncTime"), m_bSyncTime);
    m_strSyncMsg = ReadString(_T("SyncMsg"), m_strSyncMsg);

    m_bDefPlayRemSound = ReadInt(_T("DefPlayRemSound"), m_bDefPlayRemSound);
    m_strDefRemSound = ReadString(_T("DefRemSound"), m_strDefRemSound);
    m_bDeleteReminder = ReadInt(_T("DeleteReminder"), m_bDeleteReminder);

    m_strClockLayout1 = ReadString(_T("ClockLayout1"), m_strClockLayout1);
    m_nClockLayout2 = ReadIntInRange(_T("ClockLayout2"), 1, 0, 1);
    m_crBackgroundCol = ReadInt(_T("BackgroundCol"), m_crBackgroundCol);

    m_bEnableAlarmSys = ReadInt(_T("EnableAlarmSys"), m_bEnableAlarmSys);
    m_bRunOverdue = ReadInt(_T("RunOverdue"), m_bRunOverdue);
    m_bUseLimit = ReadInt(_T("UseLimit"), m_bUseLimit);
    m_dtLimit = ReadTimeOfDay(_T("LimitH"), _T("LimitM"), _T("LimitS"), m_dtLimit);
    m_nAlarmTimeDisplay = ReadInt(_T("AlarmTimeDisplay"), m_nAlarmTimeDisplay);

    m_bEnableAgent = ReadInt(_T("EnableAgent"), m_bEnableAgent);
    m_strAgentFile = ReadString(_T("AgentFile"), m_strAgentFile);
    m_strAgentPath = ReadString(_T("AgentPath"), m_strAgentPath);
    m_strAgentPreview = ReadString(_T("AgentPreview"), m_strAgentPreview);
    m_nAgentPitch = ReadInt(_T("AgentPitch"), m_nAgentPitch);
    m_nAgentSpeed = ReadInt(_T("AgentSpeed"), m_nAgentSpeed);
    m_nAgentVol = ReadIntInRange(_T("AgentVol"), 65535, 0, 65535);
    m_bSpeakDate = ReadInt(_T("SpeakDate"), m_bSpeakDate);
    m_bSpeakTime = ReadInt(_T("SpeakTime"), m_bSpeakTime);
    m_nQuietType = ReadIntInRange(_T("QuietType"), 1, 0, 2);
    m_nTimeFreq = ReadIntInRange(_T("TimeFreq"), 0, 0, 5);
    m_dtQuietStart = ReadTimeOfDay(_T("QuietTimeStartHour"), _T("QuietTimeStartMin"), NULL, m_dtQuietStart);
    m_dtQuietEnd = ReadTimeOfDay(_T("QuietTimeEndHour"), _T("QuietTimeEndMin"), NULL, m_dtQuietEnd);
    m_strPreAlarm = ReadString(_T("PreAlarm"), m_strPreAlarm);
    m_strPreDate = ReadString(_T("PreDate"), m_strPreDate);
    m_strPreTime = ReadString(_T("PreTime"), m_strPreTime);
    m_strStartupMsg = ReadString(_T("StartupMsg"), m_strStartupMsg);
    m_strPostTime = ReadString(_T("PostTime"), m_strPostTime);
    m_bAmPm = ReadInt(_T("AmPm"), m_bAmPm);
    m_bEnableEffects = ReadInt(_T("EnableEffects"), m_bEnableEffects);
    m_bHidePostSpeech = ReadInt(_T("HidePostSpeech"), m_bHidePostSpeech);
    m_bBalloonText = ReadInt(_T("BalloonText"), m_bBalloonText);
    m_bStartupTime = ReadInt(_T("StartupTime"), m_bStartupTime);

    m_bVersCheckBeta = ReadInt(_T("VersCheckBeta"), m_bVersCheckBeta);
    m_nVersCheckInt = ReadIntInRange(_T("VersCheckInt"), 7, 0, 31);
    ReadOleTime(_T("LastVersCheck"), m_dtLastVersCheck);
    m_nPropIndex = ReadInt(_T("PropIndex"), m_nPropIndex);

    LoadAgentPosition(rcClockWnd);
    LoadPlacement();
}

void CSettings::LoadAgentPosition(const RECT& rcClockWnd)
{
    short nDefX = (short)(rcClockWnd.right / 2);
    short nDefY = (short)rcClockWnd.top;
    short x = (short)ReadInt(_T("AgentX"), nDefX);
    short y = (short)ReadInt(_T("AgentY"), nDefY);
    if (x < 0 || y < 0 || x >= ::GetSystemMetrics(SM_CXSCREEN) || y >= ::GetSystemMetrics(SM_CYSCREEN))
    {
        x = nDefX;
        y = nDefY;
    }
    m_nAgentX = x;
    m_nAgentY = y;
}

void CSettings::LoadPlacement()
{
    WINDOWPLACEMENT wp;
    m_bHavePlacement = ReadBinary(szSettingsConfiguration, _T("OldMFPosB"), &wp, sizeof(wp));
    if (!m_bHavePlacement)
        return;
    // The stored length field is not trusted: the window refuses a placement whose length is not
    // the structure's, and the saved position would then be silently lost.
    wp.length = sizeof(wp);
    RECT rcDesktop;
    ::GetWindowRect(::GetDesktopWindow(), &rcDesktop);
    FitPlacement(wp, rcDesktop);
    m_wndPlacement = wp;
}

void CSettings::FitPlacement(WINDOWPLACEMENT& wp, const RECT& rcDesktop)
{
    // Shown only when the clock window decides to show itself.
    wp.showCmd = SW_HIDE;
    RECT& rc = wp.rcNormalPosition;
    if (rc.left >= rcDesktop.left && rc.top >= rcDesktop.top && rc.right <= rcDesktop.right &&
        rc.bottom <= rcDesktop.bottom)
        return;
    int cx = rc.right - rc.left;
    int cy = rc.bottom - rc.top;
    if (rc.left < rcDesktop.left)
        rc.left = rcDesktop.left;
    if (rc.top < rcDesktop.top)
        rc.top = rcDesktop.top;
    rc.right = rc.left + cx;
    rc.bottom = rc.top + cy;
    if (rc.right > rcDesktop.right)
    {
        rc.right = rcDesktop.right;
        rc.left = rc.right - cx;
    }
    if (rc.bottom > rcDesktop.bottom)
    {
        rc.bottom = rcDesktop.bottom;
        rc.top = rc.bottom - cy;
    }
    // A window larger than the desktop keeps its top-left corner on it: pushed left or up by its
    // size it would start far off the screen, its first clocks and its place to drag out of reach.
    if (rc.left < rcDesktop.left)
    {
        rc.left = rcDesktop.left;
        rc.right = rc.left + cx;
    }
    if (rc.top < rcDesktop.top)
    {
        rc.top = rcDesktop.top;
        rc.bottom = rc.top + cy;
    }
}

/////////////////////////////////////////////////////////////////////////////
// Writing

static void WriteInt(LPCTSTR pszKey, int nValue)
{
    GetProfileStore().WriteProfileInt(szClock, pszKey, nValue);
}

static void WriteString(LPCTSTR pszKey, LPCTSTR pszValue)
{
    GetProfileStore().WriteProfileString(szClock, pszKey, pszValue);
}

void CSettings::Save() const
{
    WriteInt(_T("Version"), nSettingsVersion);
    TCHAR szPath[MAX_PATH + 1];
    DWORD nLen = ::GetModuleFileName(NULL, szPath, MAX_PATH);
    szPath[nLen < MAX_PATH ? nLen : MAX_PATH] = '\0';
    WriteString(_T("mainpath"), szPath);

    WriteInt(_T("TextCol"), m_crTextCol);
    WriteInt(_T("UseDefaultCols"), m_bUseDefaultCols);
    WriteInt(_T("UseDefaultFont"), m_bUseDefaultFont);
    WriteInt(_T("UnHideNoFade"), m_bUnHideNoFade);
    WriteInt(_T("ClockOnTop"), m_bClockOnTop);
    WriteInt(_T("LoadOnStartup"), m_bLoadOnStartup);
    WriteInt(_T("AutoHide"), m_bAutoHide);
    WriteInt(_T("AnimateIcon"), m_bAnimateIcon);
    WriteInt(_T("NewClockPos"), m_nNewClockPos);

    WriteInt(_T("SyncOnStartup"), m_bSyncOnStartup);
    WriteInt(_T("PeriodicSync"), m_bPeriodicSync);
    WriteInt(_T("SyncInterval"), m_nSyncInterval);
    WriteString(_T("SNTPTimeServer"), m_strSNTPTimeServer);
    WriteString(_T("SNTPLoc"), m_strSNTPLoc);
    WriteInt(_T("ConnectType"), m_nConnectType);
    WriteInt(_T("ConnectErrorMode"), m_nConnectErrorMode);
    WriteInt(_T("SyncTimeOut"), m_nSyncTimeOut);
    WriteInt(_T("NoBigSync"), m_bNoBigSync);
    WriteInt(_T("NoBigSyncH"), m_dtNoBigSync.GetHour());
    WriteInt(_T("NoBigSyncM"), m_dtNoBigSync.GetMinute());
    WriteInt(_T("NoBigSyncS"), m_dtNoBigSync.GetSecond());
    WriteInt(_T("AnnounceSync"), m_bAnnounceSync);
    WriteInt(_T("SyncTime"), m_bSyncTime);
    WriteString(_T("SyncMsg"), m_strSyncMsg);

    WriteInt(_T("DefPlayRemSound"), m_bDefPlayRemSound);
    WriteString(_T("DefRemSound"), m_strDefRemSound);
    WriteInt(_T("DeleteReminder"), m_bDeleteReminder);

    WriteString(_T("ClockLayout1"), m_strClockLayout1);
    WriteInt(_T("ClockLayout2"), m_nClockLayout2);
    WriteInt(_T("BackgroundCol"), m_crBackgroundCol);

    WriteInt(_T("EnableAlarmSys"), m_bEnableAlarmSys);
    WriteInt(_T("RunOverdue"), m_bRunOverdue);
    WriteInt(_T("UseLimit"), m_bUseLimit);
    WriteInt(_T("LimitH"), m_dtLimit.GetHour());
    WriteInt(_T("LimitM"), m_dtLimit.GetMinute());
    WriteInt(_T("LimitS"), m_dtLimit.GetSecond());
    WriteInt(_T("AlarmTimeDisplay"), m_nAlarmTimeDisplay);

    WriteInt(_T("EnableAgent"), m_bEnableAgent);
    WriteString(_T("AgentFile"), m_strAgentFile);
    WriteString(_T("AgentPreview"), m_strAgentPreview);
    WriteInt(_T("AgentPitch"), m_nAgentPitch);
    WriteInt(_T("AgentSpeed"), m_nAgentSpeed);
    WriteInt(_T("AgentVol"), m_nAgentVol);
    WriteInt(_T("SpeakDate"), m_bSpeakDate);
    WriteInt(_T("SpeakTime"), m_bSpeakTime);
    WriteInt(_T("QuietType"), m_nQuietType);
    WriteInt(_T("TimeFreq"), m_nTimeFreq);
    WriteInt(_T("QuietTimeStartHour"), m_dtQuietStart.GetHour());
    WriteInt(_T("QuietTimeStartMin"), m_dtQuietStart.GetMinute());
    WriteInt(_T("QuietTimeEndHour"), m_dtQuietEnd.GetHour());
    WriteInt(_T("QuietTimeEndMin"), m_dtQuietEnd.GetMinute());
    WriteString(_T("PreAlarm"), m_strPreAlarm);
    WriteString(_T("PreDate"), m_strPreDate);
    WriteString(_T("PreTime"), m_strPreTime);
    WriteString(_T("StartupMsg"), m_strStartupMsg);
    WriteString(_T("PostTime"), m_strPostTime);
    WriteInt(_T("AmPm"), m_bAmPm);
    WriteInt(_T("AgentX"), m_nAgentX);
    WriteInt(_T("AgentY"), m_nAgentY);
    WriteInt(_T("EnableEffects"), m_bEnableEffects);
    WriteInt(_T("HidePostSpeech"), m_bHidePostSpeech);
    WriteInt(_T("BalloonText"), m_bBalloonText);
    WriteInt(_T("StartupTime"), m_bStartupTime);

    WriteInt(_T("VersCheckBeta"), m_bVersCheckBeta);
    WriteInt(_T("VersCheckInt"), m_nVersCheckInt);
    BYTE ab[OLETIME_BYTES];
    PackOleTime(m_dtLastVersCheck.m_dt, m_dtLastVersCheck.GetStatus(), ab);
    GetProfileStore().WriteProfileBinary(szClock, _T("LastVersCheck"), ab, sizeof(ab));
    WriteInt(_T("PropIndex"), m_nPropIndex);

    WINDOWPLACEMENT wp = m_wndPlacement;
    GetProfileStore().WriteProfileBinary(szSettingsConfiguration, _T("OldMFPosB"), (LPBYTE)&wp, sizeof(wp));
    GetProfileStore().WriteProfileInt(szSettingsConfiguration, _T("OldMFState"), wp.showCmd);
}

/////////////////////////////////////////////////////////////////////////////
// Values kept by the clock window's start-up and close

int CSettings::ReadStartDelay()
{
    return ReadInt(_T("StartDelay"), 15);
}

void CSettings::WriteStartDelay(int nDelay)
{
    WriteInt(_T("StartDelay"), nDelay);
}

BOOL CSettings::ReadDelayWarn()
{
    return ReadInt(_T("DelayWarn"), 0);
}

void CSettings::WriteDelayWarn(BOOL bWarn)
{
    WriteInt(_T("DelayWarn"), bWarn);
}

COleDateTime CSettings::ReadLastShutdown()
{
    COleDateTime dt(0.0);
    COleDateTime dtStored;
    if (ReadOleTime(_T("LastShutdown"), dtStored) && dtStored.GetStatus() == COleDateTime::valid)
        dt = dtStored;
    return dt;
}

void CSettings::WriteLastShutdown(const COleDateTime& dt)
{
    BYTE ab[OLETIME_BYTES];
    PackOleTime(dt.m_dt, dt.GetStatus(), ab);
    GetProfileStore().WriteProfileBinary(szClock, _T("LastShutdown"), ab, sizeof(ab));
}
