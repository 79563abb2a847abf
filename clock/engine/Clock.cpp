// Clock.cpp: the clock record, its archive forms (schemas 2 to 6) and its profile section.
#include "Clock.h"

#include <string.h>

#include "PlatformServices.h"
#include "ProfileStore.h"
#include "Settings.h"

IMPLEMENT_SERIAL(CClock, CObject, VERSIONABLE_SCHEMA | 6)

static const TCHAR szDefClock[] = _T("DefClock");

void PackOleTime(double dValue, int nStatus, BYTE abOut[OLETIME_BYTES])
{
    memcpy(abOut, &dValue, 8);
    DWORD dw = (DWORD)nStatus;
    for (int i = 0; i < 4; i++)
        abOut[8 + i] = (BYTE)(dw >> (8 * i));
}

void UnpackOleTime(const BYTE abIn[OLETIME_BYTES], double& dValue, int& nStatus)
{
    memcpy(&dValue, abIn, 8);
    DWORD dw = 0;
    for (int i = 0; i < 4; i++)
        dw |= (DWORD)abIn[8 + i] << (8 * i);
    nStatus = (int)dw;
}

namespace
{
// 100-01-01 and the day after 9999-12-31, as days since 1899-12-30.
const double kFirstDay = -657434.0;
const double kEndDay = 2958466.0;
const double kMaxTimerDays = 10000.0;

BOOL IsPlausibleDayOfRule(const SYSTEMTIME& st)
{
    // Month 0 means no rule; otherwise a month, a day of week and a week or day, and a time of day.
    if (st.wMonth == 0)
        return TRUE;
    return st.wMonth <= 12 && st.wDayOfWeek <= 6 && st.wDay <= 31 && st.wHour <= 23 && st.wMinute <= 59 &&
           st.wSecond <= 59 && st.wMilliseconds <= 999;
}
} // namespace

BOOL IsPlausibleDate(double dDays)
{
    // NaN fails both comparisons.
    return dDays >= kFirstDay && dDays < kEndDay;
}

BOOL IsPlausibleTimerSpan(double dDays)
{
    return dDays >= 0.0 && dDays <= kMaxTimerDays;
}

BOOL IsPlausibleZone(const TIME_ZONE_INFORMATION& tzi)
{
    const LONG nMaxBias = 24 * 60;
    if (tzi.Bias < -nMaxBias || tzi.Bias > nMaxBias || tzi.StandardBias < -nMaxBias ||
        tzi.StandardBias > nMaxBias || tzi.DaylightBias < -nMaxBias || tzi.DaylightBias > nMaxBias)
        return FALSE;
    return IsPlausibleDayOfRule(tzi.StandardDate) && IsPlausibleDayOfRule(tzi.DaylightDate);
}

BOOL IsReadableClockFont(const LOGFONTA& lfIn)
{
    LOGFONTA lf = lfIn;
    lf.lfFaceName[LF_FACESIZE - 1] = '\0';
    // Heights beyond a few hundred pixels, negative widths, rotated or absurdly weighted text: no
    // clock anyone could read or a window larger than any screen.
    const LONG nMaxSize = 500;
    if (lf.lfHeight < -nMaxSize || lf.lfHeight > nMaxSize || lf.lfWidth < 0 || lf.lfWidth > nMaxSize ||
        lf.lfEscapement != 0 || lf.lfOrientation != 0 || lf.lfWeight < 0 || lf.lfWeight > 1000)
        return FALSE;
    // The font the system actually gives decides: its digits must come out at least a few pixels
    // each way.
    HFONT hFont = ::CreateFontIndirectA(&lf);
    if (hFont == NULL)
        return FALSE;
    HDC hDC = ::GetDC(NULL);
    HGDIOBJ hOld = ::SelectObject(hDC, hFont);
    SIZE size = {0, 0};
    TEXTMETRICA tm;
    memset(&tm, 0, sizeof(tm));
    BOOL bMeasured = ::GetTextExtentPoint32A(hDC, "00:00", 5, &size) && ::GetTextMetricsA(hDC, &tm);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(NULL, hDC);
    ::DeleteObject(hFont);
    const LONG nMinPixels = 6;
    return bMeasured && size.cy >= nMinPixels && size.cx >= 5 * nMinPixels / 2 && tm.tmHeight >= nMinPixels;
}

CClock::CClock()
{
    m_crBackground = RGB(94, 255, 94);
    m_crText = RGB(0, 0, 0);

    // The font as the screen would create an 8-point Arial, the way a point-size font is made.
    memset(&m_lfFont, 0, sizeof(m_lfFont));
    m_lfFont.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(m_lfFont.lfFaceName, "Arial", LF_FACESIZE);
    HDC hDC = ::GetDC(NULL);
    POINT pt = {0, ::GetDeviceCaps(hDC, LOGPIXELSY) * 80 / 720};
    POINT ptOrg = {0, 0};
    ::DPtoLP(hDC, &pt, 1);
    ::DPtoLP(hDC, &ptOrg, 1);
    m_lfFont.lfHeight = -abs(pt.y - ptOrg.y);
    HFONT hFont = ::CreateFontIndirectA(&m_lfFont);
    if (hFont != NULL)
    {
        ::GetObjectA(hFont, sizeof(m_lfFont), &m_lfFont);
        ::DeleteObject(hFont);
    }
    ::ReleaseDC(NULL, hDC);

    memset(&m_tzi, 0, sizeof(m_tzi));
    ::GetTimeZoneInformation(&m_tzi);
    m_tzi.Bias = -m_tzi.Bias;
    m_tzi.StandardBias = -m_tzi.StandardBias;
    m_tzi.DaylightBias = -m_tzi.DaylightBias;

    m_strDisplayName = _T("(Local Time)");
    m_bShowDate = TRUE;
    m_bShowDayOfWeek = FALSE;
    m_bShowSeconds = TRUE;
    m_b24Hour = TRUE;
    m_bFullZoneName = FALSE;
    m_nClockType = CLOCKTYPE_CLOCK;
    m_dtTargetTime = GetLocalNow();
    m_tsInterval = COleDateTimeSpan(0, 0, 0, 0);
    m_strTimerName = _T("Countdown...");
    m_bDisplayMessage = TRUE;
    m_strMessage = _T("Timer Completed");
    m_bPlaySound = FALSE;
    m_nTimerState = TIMERSTATE_STOPPED;
    m_tsRemaining = m_tsInterval;
    m_nFormatType = FORMATTYPE_STANDARD;
    m_nTextLayout = 1;
    m_strTemplate = _T("HH:mm:ss|ddd, d MMM yyyy|z");
    m_bShowBias = TRUE;
    m_bMessageToSpeak = FALSE;
    m_nActiveTimer = ACTIVETIMER_RESET;
    ::SetRectEmpty(&m_rcLastDrawn);
    m_bStartPending = FALSE;

    // The date order is 0 here whatever the locale says; the renderer rebuilds with its own.
    m_strTimeFormat = BuildTimeFormat(0);
    m_strDateFormat = BuildDateFormat(0);
}

CClock::~CClock() {}

/////////////////////////////////////////////////////////////////////////////
// Display templates

const CString& CClock::GetTimeFormat(int nDateOrder)
{
    TIMEFORMATKEY key = {nDateOrder,  m_nClockType,     m_nFormatType, m_b24Hour,      m_bShowSeconds,
                         m_bShowDate, m_bShowDayOfWeek, m_bShowBias,   m_bFullZoneName};
    if (!m_bTimeFormatBuilt || memcmp(&key, &m_builtFrom, sizeof(key)) != 0 ||
        m_strBuiltTemplate != m_strTemplate || m_strBuiltTimeFormat != m_strTimeFormat)
    {
        m_strTimeFormat = BuildTimeFormat(nDateOrder);
        m_builtFrom = key;
        m_strBuiltTemplate = m_strTemplate;
        m_strBuiltTimeFormat = m_strTimeFormat;
        m_bTimeFormatBuilt = TRUE;
    }
    return m_strTimeFormat;
}

CString CClock::BuildTimeFormat(int nDateOrder) const
{
    // A timer shows a span, which the renderer prints with this picture of its own.
    if (m_nClockType != CLOCKTYPE_CLOCK)
        return CString(_T("%H:%M:%S"));
    if (m_nFormatType != FORMATTYPE_STANDARD)
        return m_strTemplate;

    CString str = m_b24Hour ? _T("HH:mm") : _T("hh:mm");
    if (m_bShowSeconds)
        str += _T(":ss");
    if (!m_b24Hour)
        str += _T(" tt");
    str += BuildDateFormat(nDateOrder);
    if (m_bShowBias)
    {
        str += _T("|");
        str += (m_bFullZoneName == 1) ? _T("zz") : _T("z");
    }
    return str;
}

CString CClock::BuildDateFormat(int nDateOrder) const
{
    CString str;
    if (!m_bShowDate)
        return str;
    LPCTSTR pszPicture;
    if (nDateOrder == 1)
        pszPicture = _T("dd MMM yyyy");
    else if (nDateOrder == 2)
        pszPicture = _T("yyyy MMM dd");
    else
        pszPicture = _T("MMM dd, yyyy");
    str = _T("|");
    if (m_bShowDayOfWeek)
        str += _T("ddd, ");
    str += pszPicture;
    return str;
}

/////////////////////////////////////////////////////////////////////////////
// Archive form

// Times travel as the 32-bit status followed by the 8-byte double; written field by field so the
// record's bytes do not depend on how the framework lays out its date classes.
static void StoreTime(CArchive& ar, const COleDateTime& dt)
{
    ar << (LONG)dt.GetStatus();
    ar << (double)dt.m_dt;
}

static void LoadTime(CArchive& ar, COleDateTime& dt)
{
    LONG lStatus;
    double d;
    ar >> lStatus;
    ar >> d;
    dt.m_dt = d;
    dt.SetStatus((COleDateTime::DateTimeStatus)lStatus);
}

static void StoreSpan(CArchive& ar, const COleDateTimeSpan& ts)
{
    ar << (LONG)ts.GetStatus();
    ar << (double)ts.m_span;
}

static void LoadSpan(CArchive& ar, COleDateTimeSpan& ts)
{
    LONG lStatus;
    double d;
    ar >> lStatus;
    ar >> d;
    ts.m_span = d;
    ts.SetStatus((COleDateTimeSpan::DateTimeSpanStatus)lStatus);
}

static void ReadRaw(CArchive& ar, void* pv, UINT nBytes)
{
    if (ar.Read(pv, nBytes) != nBytes)
        AfxThrowArchiveException(CArchiveException::endOfFile);
}

void CClock::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);

    if (ar.IsStoring())
    {
        ar << m_strDateFormat << m_strTimeFormat;
        ar << (DWORD)m_crBackground << (DWORD)m_crText;
        ar.Write(&m_lfFont, sizeof(LOGFONTA));
        ar.Write(&m_tzi, sizeof(TIME_ZONE_INFORMATION));
        ar << m_strDisplayName;
        ar << (LONG)m_bShowDate << (LONG)m_bShowDayOfWeek << (LONG)m_bShowSeconds;
        DWORD dwFlags = (m_b24Hour ? 1 : 0) | (m_bFullZoneName ? 2 : 0);
        ar << dwFlags;
        ar << (LONG)m_nClockType;
        StoreTime(ar, m_dtTargetTime);
        StoreSpan(ar, m_tsInterval);
        ar << m_strTimerName;
        ar << (LONG)m_bDisplayMessage;
        ar << m_strMessage;
        ar << (LONG)m_bPlaySound;
        ar << m_strSoundName;
        ar << (LONG)m_nTimerState;
        StoreSpan(ar, m_tsRemaining);
        ar << (LONG)m_nFormatType << (LONG)m_nTextLayout;
        ar << m_strTemplate;
        // The show-bias flag rides in bit 0 of the behaviour word, whose own values are 2, 4 and 8.
        // Only the behaviour's own bits go in: a stray bit 0 would turn the bias on when read back.
        DWORD dwWord = (m_bShowBias == 1 ? 1 : 0) | ((DWORD)m_nActiveTimer & 0xE);
        ar << dwWord;
        ar << (LONG)m_bMessageToSpeak;
        return;
    }

    UINT nSchema = ar.GetObjectSchema();
    if (nSchema < 2 || nSchema > 6)
        AfxThrowArchiveException(CArchiveException::badSchema);

    LONG l;
    DWORD dw;
    ar >> m_strDateFormat >> m_strTimeFormat;
    ar >> dw;
    m_crBackground = dw;
    ar >> dw;
    m_crText = dw;
    ReadRaw(ar, &m_lfFont, sizeof(LOGFONTA));
    // The face name goes to CreateFontIndirect, which must find its end inside the field.
    m_lfFont.lfFaceName[LF_FACESIZE - 1] = '\0';
    ReadRaw(ar, &m_tzi, sizeof(TIME_ZONE_INFORMATION));
    ar >> m_strDisplayName;
    ar >> l;
    m_bShowDate = l;
    ar >> l;
    m_bShowDayOfWeek = l;
    ar >> l;
    m_bShowSeconds = l;
    ar >> dw;
    m_b24Hour = (dw & 1) ? TRUE : FALSE;
    m_bFullZoneName = (dw & 2) ? TRUE : FALSE;
    if (nSchema == 2)
    {
        RepairImplausible();
        return;
    }

    ar >> l;
    m_nClockType = l;
    LoadTime(ar, m_dtTargetTime);
    LoadSpan(ar, m_tsInterval);
    ar >> m_strTimerName;
    ar >> l;
    m_bDisplayMessage = l;
    ar >> m_strMessage;
    ar >> l;
    m_bPlaySound = l;
    ar >> m_strSoundName;
    ar >> l;
    m_nTimerState = l;
    if (nSchema == 6)
        LoadSpan(ar, m_tsRemaining);

    if (nSchema >= 4)
    {
        ar >> l;
        m_nFormatType = l;
        ar >> l;
        m_nTextLayout = l;
        ar >> m_strTemplate;
        ar >> dw;
        if (nSchema == 6)
        {
            m_bShowBias = (dw & 1) ? TRUE : FALSE;
            m_nActiveTimer = (int)(dw & 0xE);
            if (m_nActiveTimer == 0)
                m_nActiveTimer = ACTIVETIMER_RESET;
        }
        else
            m_bShowBias = (BOOL)dw;
    }
    if (nSchema >= 5)
    {
        ar >> l;
        m_bMessageToSpeak = l;
    }

    RepairImplausible();
    if (nSchema == 6)
        ApplyStartupRule();
    else if (m_nClockType == CLOCKTYPE_COUNTDOWN)
        ResetCountdown();
}

void CClock::RepairImplausible()
{
    // A value no record can mean (a damaged file or key) would make a timer end at every tick, a
    // clock nobody can read or zone arithmetic overflow; the constructor's value takes its place.
    CClock* pFresh = NULL;
    auto fresh = [&pFresh]() -> CClock& {
        if (pFresh == NULL)
            pFresh = new CClock;
        return *pFresh;
    };
    if (m_nClockType < CLOCKTYPE_CLOCK || m_nClockType > CLOCKTYPE_EVENT)
        m_nClockType = CLOCKTYPE_CLOCK;
    if (m_nTimerState < TIMERSTATE_STOPPED || m_nTimerState > TIMERSTATE_COMPLETED)
        m_nTimerState = TIMERSTATE_STOPPED;
    if (m_dtTargetTime.GetStatus() != COleDateTime::valid || !IsPlausibleDate(m_dtTargetTime.m_dt))
        m_dtTargetTime = fresh().m_dtTargetTime;
    if (m_tsInterval.GetStatus() != COleDateTimeSpan::valid || !IsPlausibleTimerSpan(m_tsInterval.m_span))
    {
        m_tsInterval = COleDateTimeSpan(0, 0, 0, 0);
        m_nTimerState = TIMERSTATE_STOPPED;
    }
    if (m_tsRemaining.GetStatus() != COleDateTimeSpan::valid || !IsPlausibleTimerSpan(m_tsRemaining.m_span))
    {
        m_tsRemaining = m_tsInterval;
        m_nTimerState = TIMERSTATE_STOPPED;
    }
    if (!IsReadableClockFont(m_lfFont))
        m_lfFont = fresh().m_lfFont;
    if (!IsPlausibleZone(m_tzi))
        m_tzi = fresh().m_tzi;
    delete pFresh;
}

void CClock::ResetCountdown()
{
    m_tsRemaining = m_tsInterval;
    m_nTimerState = TIMERSTATE_STOPPED;
}

void CClock::ApplyStartupRule()
{
    if (m_nClockType != CLOCKTYPE_COUNTDOWN)
        return;

    switch (m_nActiveTimer)
    {
    case ACTIVETIMER_PAUSE:
        if (m_nTimerState == TIMERSTATE_RUNNING)
            m_nTimerState = TIMERSTATE_PAUSED;
        break;

    case ACTIVETIMER_CONTINUE:
        if (m_nTimerState == TIMERSTATE_RUNNING)
        {
            COleDateTime dtLast = CSettings::ReadLastShutdown();
            COleDateTimeSpan tsAway = GetLocalNow() - dtLast;
            // A close stamped in the future means the clock was set back since: no time has passed
            // that the countdown could have run, and it must never gain time from it.
            if (tsAway.m_span < 0.0)
                tsAway = COleDateTimeSpan(0, 0, 0, 0);
            COleDateTimeSpan tsLeft = m_tsRemaining - tsAway;
            // Whole seconds, truncated toward zero: a fraction of a second overdue still counts.
            if ((LONGLONG)(tsLeft.m_span * 86400.0) < 0)
                tsLeft = COleDateTimeSpan(0, 0, 0, 0);
            m_tsRemaining = tsLeft;
        }
        break;

    default:
        ResetCountdown();
        break;
    }
}

/////////////////////////////////////////////////////////////////////////////
// Profile section "DefClock"

// A raw value is taken only when it has exactly the field's size: a shorter value would leave
// the field half old, half new, and a longer one cannot be meant for it.
static BOOL ReadBinary(LPCTSTR pszKey, void* pv, UINT nSize)
{
    LPBYTE pData = NULL;
    UINT nBytes = 0;
    BOOL bOk = GetProfileStore().GetProfileBinary(szDefClock, pszKey, &pData, &nBytes);
    bOk = bOk && pData != NULL && nBytes == nSize;
    if (bOk)
        memcpy(pv, pData, nSize);
    delete[] pData;
    return bOk;
}

// A stored time is taken only when it is a valid time the calendar holds; anything else (not a
// number, infinite, huge) leaves the field as it was.
static void ReadTime(LPCTSTR pszKey, COleDateTime& dt)
{
    BYTE ab[OLETIME_BYTES];
    if (!ReadBinary(pszKey, ab, sizeof(ab)))
        return;
    double d;
    int nStatus;
    UnpackOleTime(ab, d, nStatus);
    if (nStatus != COleDateTime::valid || !IsPlausibleDate(d))
        return;
    dt.m_dt = d;
    dt.SetStatus(COleDateTime::valid);
}

static void ReadSpan(LPCTSTR pszKey, COleDateTimeSpan& ts)
{
    BYTE ab[OLETIME_BYTES];
    if (!ReadBinary(pszKey, ab, sizeof(ab)))
        return;
    double d;
    int nStatus;
    UnpackOleTime(ab, d, nStatus);
    if (nStatus != COleDateTimeSpan::valid || !IsPlausibleTimerSpan(d))
        return;
    ts.m_span = d;
    ts.SetStatus(COleDateTimeSpan::valid);
}

static void ReadColor(LPCTSTR pszKey, COLORREF& cr)
{
    BYTE ab[4];
    if (ReadBinary(pszKey, ab, sizeof(ab)))
        cr = (COLORREF)ab[0] | ((COLORREF)ab[1] << 8) | ((COLORREF)ab[2] << 16) | ((COLORREF)ab[3] << 24);
}

static void WriteBinary(LPCTSTR pszKey, const void* pv, UINT nSize)
{
    BYTE ab[sizeof(TIME_ZONE_INFORMATION)];
    ASSERT(nSize <= sizeof(ab));
    memcpy(ab, pv, nSize);
    GetProfileStore().WriteProfileBinary(szDefClock, pszKey, ab, nSize);
}

static void WriteColor(LPCTSTR pszKey, COLORREF cr)
{
    BYTE ab[4] = {(BYTE)cr, (BYTE)(cr >> 8), (BYTE)(cr >> 16), (BYTE)(cr >> 24)};
    WriteBinary(pszKey, ab, sizeof(ab));
}

static void WriteTimeValue(LPCTSTR pszKey, double d, int nStatus)
{
    BYTE ab[OLETIME_BYTES];
    PackOleTime(d, nStatus, ab);
    WriteBinary(pszKey, ab, sizeof(ab));
}

void CClock::LoadDefaults()
{
    IProfileStore& store = GetProfileStore();
    m_strDateFormat = store.GetProfileString(szDefClock, _T("DateFormat"), m_strDateFormat);
    m_strTimeFormat = store.GetProfileString(szDefClock, _T("TimeFormat"), m_strTimeFormat);
    ReadColor(_T("BackgroundColor"), m_crBackground);
    ReadColor(_T("TextColor"), m_crText);
    // A font or zone that cannot serve (a damaged value) leaves the field as it was.
    LOGFONTA lf;
    if (ReadBinary(_T("ClockFont"), &lf, sizeof(LOGFONTA)) && IsReadableClockFont(lf))
    {
        m_lfFont = lf;
        m_lfFont.lfFaceName[LF_FACESIZE - 1] = '\0';
    }
    TIME_ZONE_INFORMATION tzi;
    if (ReadBinary(_T("ClockTzone"), &tzi, sizeof(TIME_ZONE_INFORMATION)) && IsPlausibleZone(tzi))
        m_tzi = tzi;
    m_strDisplayName = store.GetProfileString(szDefClock, _T("DisplayName"), m_strDisplayName);
    m_bShowDate = store.GetProfileInt(szDefClock, _T("ShowDate"), m_bShowDate);
    m_bShowDayOfWeek = store.GetProfileInt(szDefClock, _T("ShowDayOfWeek"), m_bShowDayOfWeek);
    m_bShowSeconds = store.GetProfileInt(szDefClock, _T("ShowSeconds"), m_bShowSeconds);
    UINT nBits = store.GetProfileInt(szDefClock, _T("Bitmap"), 1);
    m_b24Hour = (nBits & 1) ? TRUE : FALSE;
    m_bFullZoneName = (nBits & 2) ? TRUE : FALSE;
    int nClockType = store.GetProfileInt(szDefClock, _T("ClockType"), m_nClockType);
    if (nClockType >= CLOCKTYPE_CLOCK && nClockType <= CLOCKTYPE_EVENT)
        m_nClockType = nClockType;
    ReadTime(_T("TargetTime"), m_dtTargetTime);
    ReadSpan(_T("TimeInterval"), m_tsInterval);
    m_strTimerName = store.GetProfileString(szDefClock, _T("TimerName"), m_strTimerName);
    m_bDisplayMessage = store.GetProfileInt(szDefClock, _T("DisplayMessage"), m_bDisplayMessage);
    m_strMessage = store.GetProfileString(szDefClock, _T("MessageToDisplay"), m_strMessage);
    m_bPlaySound = store.GetProfileInt(szDefClock, _T("PlaySound"), m_bPlaySound);
    m_strSoundName = store.GetProfileString(szDefClock, _T("EventSoundName"), m_strSoundName);
    int nTimerState = store.GetProfileInt(szDefClock, _T("TimerState"), m_nTimerState);
    if (nTimerState >= TIMERSTATE_STOPPED && nTimerState <= TIMERSTATE_COMPLETED)
        m_nTimerState = nTimerState;
    if (m_nClockType == CLOCKTYPE_COUNTDOWN)
        ResetCountdown();
    m_nFormatType = store.GetProfileInt(szDefClock, _T("FormatType"), m_nFormatType);
    m_nTextLayout = store.GetProfileInt(szDefClock, _T("TextLayout"), m_nTextLayout);
    m_strTemplate = store.GetProfileString(szDefClock, _T("ClockTemplate"), m_strTemplate);
    m_bShowBias = store.GetProfileInt(szDefClock, _T("ShowBias"), m_bShowBias);
    m_bMessageToSpeak = store.GetProfileInt(szDefClock, _T("MessageToSpeak"), m_bMessageToSpeak);
}

void CClock::SaveDefaults() const
{
    IProfileStore& store = GetProfileStore();
    store.WriteProfileString(szDefClock, _T("DateFormat"), m_strDateFormat);
    store.WriteProfileString(szDefClock, _T("TimeFormat"), m_strTimeFormat);
    WriteColor(_T("BackgroundColor"), m_crBackground);
    WriteColor(_T("TextColor"), m_crText);
    WriteBinary(_T("ClockFont"), &m_lfFont, sizeof(LOGFONTA));
    WriteBinary(_T("ClockTzone"), &m_tzi, sizeof(TIME_ZONE_INFORMATION));
    store.WriteProfileString(szDefClock, _T("DisplayName"), m_strDisplayName);
    store.WriteProfileInt(szDefClock, _T("ShowDate"), m_bShowDate);
    store.WriteProfileInt(szDefClock, _T("ShowDayOfWeek"), m_bShowDayOfWeek);
    store.WriteProfileInt(szDefClock, _T("ShowSeconds"), m_bShowSeconds);
    store.WriteProfileInt(szDefClock, _T("Bitmap"), (m_b24Hour ? 1 : 0) + 2 * (m_bFullZoneName ? 1 : 0));
    store.WriteProfileInt(szDefClock, _T("ClockType"), m_nClockType);
    WriteTimeValue(_T("TargetTime"), m_dtTargetTime.m_dt, m_dtTargetTime.GetStatus());
    WriteTimeValue(_T("TimeInterval"), m_tsInterval.m_span, m_tsInterval.GetStatus());
    store.WriteProfileString(szDefClock, _T("TimerName"), m_strTimerName);
    store.WriteProfileInt(szDefClock, _T("DisplayMessage"), m_bDisplayMessage);
    store.WriteProfileString(szDefClock, _T("MessageToDisplay"), m_strMessage);
    store.WriteProfileInt(szDefClock, _T("PlaySound"), m_bPlaySound);
    store.WriteProfileString(szDefClock, _T("EventSoundName"), m_strSoundName);
    store.WriteProfileInt(szDefClock, _T("TimerState"), m_nTimerState);
    store.WriteProfileInt(szDefClock, _T("FormatType"), m_nFormatType);
    store.WriteProfileInt(szDefClock, _T("TextLayout"), m_nTextLayout);
    store.WriteProfileString(szDefClock, _T("ClockTemplate"), m_strTemplate);
    store.WriteProfileInt(szDefClock, _T("ShowBias"), m_bShowBias);
    store.WriteProfileInt(szDefClock, _T("MessageToSpeak"), m_bMessageToSpeak);
}
