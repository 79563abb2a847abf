// CAlarms: the alarm record and its archive forms (schemas 3 to 5).
#include "Alarms.h"

#include <time.h>

#include "Clock.h"

IMPLEMENT_SERIAL(CAlarms, CObject, VERSIONABLE_SCHEMA | 5)

namespace
{
// The status word is kept as stored, so that a record read and written again gives its own bytes.
void LoadTime(CArchive& ar, COleDateTime& dt)
{
    LONG lStatus;
    double d;
    ar >> lStatus >> d;
    dt.m_dt = d;
    dt.SetStatus((COleDateTime::DateTimeStatus)lStatus);
}

void StoreTime(CArchive& ar, const COleDateTime& dt)
{
    ar << (LONG)dt.GetStatus() << (double)dt.m_dt;
}

void LoadSpan(CArchive& ar, COleDateTimeSpan& ts)
{
    LONG lStatus;
    double d;
    ar >> lStatus >> d;
    ts.m_span = d;
    ts.SetStatus((COleDateTimeSpan::DateTimeSpanStatus)lStatus);
}

void StoreSpan(CArchive& ar, const COleDateTimeSpan& ts)
{
    ar << (LONG)ts.GetStatus() << (double)ts.m_span;
}

LONG LoadLong(CArchive& ar)
{
    LONG l;
    ar >> l;
    return l;
}
} // namespace

CAlarms::CAlarms()
    : m_tCreated((LONG)::time(NULL)), m_nId(0), m_nState(ALARMSTATE_IDLE), m_strName(_T("Unnamed Alarm")),
      m_dtActivation(COleDateTime::GetCurrentTime()), m_bRepeat(FALSE), m_bEnabled(TRUE),
      m_bRemoveOnCompletion(FALSE), m_bDisplayMessage(TRUE), m_strMessage(_T("Hello there....")),
      m_bPlaySound(FALSE), m_strSoundFile(_T("Default Beep")), m_bRunApplication(FALSE),
      m_bRunMinimised(FALSE), m_tsRepeatInterval(0, 0, 0, 0), m_bPlayCdAudio(FALSE), m_nCdTrack(1),
      m_bShutDown(FALSE), m_nShutDownKind(EWX_SHUTDOWN), m_bCloseAll(FALSE), m_bSpeakMessage(FALSE)
{
}

CAlarms::~CAlarms() {}

void CAlarms::SetRepeatInterval(long nDays, int nHours, int nMinutes, int nSeconds)
{
    m_tsRepeatInterval.SetDateTimeSpan(nDays, nHours, nMinutes, nSeconds);
}

BOOL CAlarms::IsShutDownKind(LONG nKind)
{
    return nKind == EWX_LOGOFF || nKind == EWX_SHUTDOWN || nKind == EWX_REBOOT || nKind == EWX_POWEROFF;
}

namespace
{
// A repeat interval that a repeating alarm can step by: a valid span within the calendar's length.
BOOL IsPlausibleRepeat(const COleDateTimeSpan& ts)
{
    const double kCalendarDays = 2958465.0 + 657434.0;
    return ts.GetStatus() == COleDateTimeSpan::valid && ts.m_span >= 0.0 && ts.m_span <= kCalendarDays;
}
} // namespace

BOOL CAlarms::IsUsable() const
{
    if (m_dtActivation.GetStatus() != COleDateTime::valid || !IsPlausibleDate(m_dtActivation.m_dt))
        return FALSE;
    if (m_bRepeat && !IsPlausibleRepeat(m_tsRepeatInterval))
        return FALSE;
    return !m_bShutDown || IsShutDownKind(m_nShutDownKind);
}

void CAlarms::CopyFrom(const CAlarms& o)
{
    m_tCreated = o.m_tCreated;
    m_nId = o.m_nId;
    m_nState = o.m_nState;
    m_strName = o.m_strName;
    m_dtActivation = o.m_dtActivation;
    m_bRepeat = o.m_bRepeat;
    m_bEnabled = o.m_bEnabled;
    m_bRemoveOnCompletion = o.m_bRemoveOnCompletion;
    m_bDisplayMessage = o.m_bDisplayMessage;
    m_strMessage = o.m_strMessage;
    m_bPlaySound = o.m_bPlaySound;
    m_strSoundFile = o.m_strSoundFile;
    m_bRunApplication = o.m_bRunApplication;
    m_strCommandLine = o.m_strCommandLine;
    m_bRunMinimised = o.m_bRunMinimised;
    m_tsRepeatInterval = o.m_tsRepeatInterval;
    m_bPlayCdAudio = o.m_bPlayCdAudio;
    m_nCdTrack = o.m_nCdTrack;
    m_bShutDown = o.m_bShutDown;
    m_nShutDownKind = o.m_nShutDownKind;
    m_bCloseAll = o.m_bCloseAll;
    m_bSpeakMessage = o.m_bSpeakMessage;
}

void CAlarms::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        // The enabled word goes before the repeat word, the reverse of their order in the record.
        ar << m_tCreated << m_nId << m_nState;
        ar << m_strName;
        StoreTime(ar, m_dtActivation);
        ar << (LONG)m_bEnabled << (LONG)m_bRepeat << (LONG)m_bRemoveOnCompletion << (LONG)m_bDisplayMessage;
        ar << m_strMessage;
        ar << (LONG)m_bPlaySound;
        ar << m_strSoundFile;
        ar << (LONG)m_bRunApplication;
        ar << m_strCommandLine;
        ar << (LONG)m_bRunMinimised;
        StoreSpan(ar, m_tsRepeatInterval);
        ar << (LONG)m_bPlayCdAudio << m_nCdTrack << (LONG)m_bShutDown << m_nShutDownKind << (LONG)m_bCloseAll;
        ar << (LONG)m_bSpeakMessage;
        return;
    }

    UINT nSchema = ar.GetObjectSchema();
    if (nSchema < 3 || nSchema > 5)
        AfxThrowArchiveException(CArchiveException::badSchema);

    m_tCreated = LoadLong(ar);
    m_nId = LoadLong(ar);
    m_nState = LoadLong(ar);
    ar >> m_strName;
    LoadTime(ar, m_dtActivation);
    m_bEnabled = LoadLong(ar);
    m_bRepeat = LoadLong(ar);
    m_bRemoveOnCompletion = LoadLong(ar);
    m_bDisplayMessage = LoadLong(ar);
    ar >> m_strMessage;
    m_bPlaySound = LoadLong(ar);
    ar >> m_strSoundFile;
    m_bRunApplication = LoadLong(ar);
    ar >> m_strCommandLine;
    m_bRunMinimised = LoadLong(ar);
    LoadSpan(ar, m_tsRepeatInterval);
    MarkImplausibleTimes();
    if (nSchema == 3)
        return;
    m_bPlayCdAudio = LoadLong(ar);
    m_nCdTrack = LoadLong(ar);
    m_bShutDown = LoadLong(ar);
    m_nShutDownKind = LoadLong(ar);
    m_bCloseAll = LoadLong(ar);
    if (nSchema == 5)
        m_bSpeakMessage = LoadLong(ar);
}

void CAlarms::MarkImplausibleTimes()
{
    // Not a number, infinite, year 0 or 1e300: stepping or comparing such a time fires the alarm at
    // every tick or moves it somewhere arbitrary. The stored double is kept, so the file still says
    // what it held; the status keeps the engine from ever firing it.
    BOOL bDate = m_dtActivation.GetStatus() == COleDateTime::valid && IsPlausibleDate(m_dtActivation.m_dt);
    if (!bDate || (m_bRepeat && !IsPlausibleRepeat(m_tsRepeatInterval)))
        m_dtActivation.SetStatus(COleDateTime::invalid);
}
