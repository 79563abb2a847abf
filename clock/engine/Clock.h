// Clock.h: CClock, one item of the clock window: a desktop clock, a countdown or an event timer.
#ifndef VELMORA_CLOCK_H
#define VELMORA_CLOCK_H

#include <afx.h>
#include <afxdisp.h>

// Values of CClock::m_nClockType.
enum
{
    CLOCKTYPE_CLOCK = 0,
    CLOCKTYPE_COUNTDOWN = 1,
    CLOCKTYPE_EVENT = 2
};

// Values of CClock::m_nTimerState.
enum
{
    TIMERSTATE_STOPPED = 0,
    TIMERSTATE_PAUSED = 1,
    TIMERSTATE_RUNNING = 2,
    TIMERSTATE_COMPLETED = 3
};

// Values of CClock::m_nActiveTimer: what a running countdown does when the record is loaded.
enum
{
    ACTIVETIMER_RESET = 2,
    ACTIVETIMER_PAUSE = 4,
    ACTIVETIMER_CONTINUE = 8
};

// Values of CClock::m_nFormatType.
enum
{
    FORMATTYPE_STANDARD = 0,
    FORMATTYPE_CUSTOM = 1
};

class CClock : public CObject
{
    DECLARE_SERIAL(CClock)

    // Construction
public:
    CClock();
    virtual ~CClock();

    // Attributes: public because the clock window and the configuration pages set them directly.
    // The zone's three biases are minutes to add to UTC (east positive), the opposite sign of the
    // system's own structure.
public:
    COLORREF m_crBackground;
    COLORREF m_crText;
    LOGFONTA m_lfFont;
    TIME_ZONE_INFORMATION m_tzi;
    CString m_strDisplayName;
    CString m_strTimeFormat; // cache of BuildTimeFormat, rebuilt at every draw
    CString m_strDateFormat;
    BOOL m_bShowDate;
    BOOL m_bShowDayOfWeek;
    BOOL m_bShowSeconds;
    BOOL m_b24Hour;
    BOOL m_bFullZoneName;
    int m_nClockType;
    COleDateTime m_dtTargetTime;
    COleDateTimeSpan m_tsInterval;
    CString m_strTimerName;
    BOOL m_bDisplayMessage;
    CString m_strMessage;
    BOOL m_bPlaySound;
    CString m_strSoundName;
    int m_nTimerState;
    COleDateTimeSpan m_tsRemaining;
    int m_nFormatType;
    int m_nTextLayout; // 0 left, 1 centred, 2 right
    CString m_strTemplate;
    BOOL m_bShowBias;
    BOOL m_bMessageToSpeak;
    int m_nActiveTimer;

    // What m_strTimeFormat was last built from, so that a draw builds it again only after one of
    // those changed, or after the text was set from elsewhere; not stored.
    struct TIMEFORMATKEY
    {
        int nDateOrder, nClockType, nFormatType;
        BOOL b24Hour, bShowSeconds, bShowDate, bShowDayOfWeek, bShowBias, bFullZoneName;
    };
    BOOL m_bTimeFormatBuilt = FALSE;
    TIMEFORMATKEY m_builtFrom = {};
    CString m_strBuiltTemplate, m_strBuiltTimeFormat;

    // Where the clock window last drew this record, in its client coordinates; not stored.
    RECT m_rcLastDrawn;
    // A countdown just started: its next tick shows the start value instead of counting; not stored.
    BOOL m_bStartPending;

    // Operations
public:
    virtual void Serialize(CArchive& ar);

    // nDateOrder is the locale's LOCALE_ILDATE: 0 month-day-year, 1 day-month-year, 2 year-month-day.
    const CString& GetTimeFormat(int nDateOrder);
    CString BuildTimeFormat(int nDateOrder) const;
    CString BuildDateFormat(int nDateOrder) const;

    // The default clock's profile section "DefClock".
    void LoadDefaults();
    void SaveDefaults() const;

    CString GetDisplayName() const { return m_strDisplayName; }
    void SetDisplayName(LPCTSTR psz) { m_strDisplayName = psz; }
    CString GetTemplate() const { return m_strTemplate; }
    void SetTemplate(LPCTSTR psz) { m_strTemplate = psz; }
    void SetTimeFormat(LPCTSTR psz) { m_strTimeFormat = psz; }
    void SetDateFormat(LPCTSTR psz) { m_strDateFormat = psz; }
    CString GetTimerName() const { return m_strTimerName; }
    void SetTimerName(LPCTSTR psz) { m_strTimerName = psz; }
    CString GetMessageText() const { return m_strMessage; }
    void SetMessageText(LPCTSTR psz) { m_strMessage = psz; }
    CString GetSoundName() const { return m_strSoundName; }
    void SetSoundName(LPCTSTR psz) { m_strSoundName = psz; }
    void SetTargetTime(const COleDateTime& dt) { m_dtTargetTime = dt; }
    void SetInterval(const COleDateTimeSpan& ts) { m_tsInterval = ts; }
    void SetRemaining(const COleDateTimeSpan& ts) { m_tsRemaining = ts; }

    // Implementation
protected:
    void ApplyStartupRule();
    void ResetCountdown();
    // Puts back the constructor's value of every field that holds what no record can mean.
    void RepairImplausible();
};

// The 12-byte form in which a COleDateTime or COleDateTimeSpan is kept in the registry: the 8-byte
// double, then the 32-bit status. Written byte by byte because the in-memory object is padded.
enum
{
    OLETIME_BYTES = 12
};
void PackOleTime(double dValue, int nStatus, BYTE abOut[OLETIME_BYTES]);
void UnpackOleTime(const BYTE abIn[OLETIME_BYTES], double& dValue, int& nStatus);

// Sanity of stored times, whose doubles may be anything a damaged file or key holds. A date is
// finite and within the calendar the date classes handle (years 100 to 9999).
BOOL IsPlausibleDate(double dDays);
// A timer's span: finite, not negative, and short enough (10,000 days) that its seconds fit the
// 32-bit counts the timers step with.
BOOL IsPlausibleTimerSpan(double dDays);
// Whether a font makes a clock that can be read: sane sizes and a face that gives visible digits.
BOOL IsReadableClockFont(const LOGFONTA& lf);
// Whether a zone's biases and rule dates are ones the zone arithmetic can use.
BOOL IsPlausibleZone(const TIME_ZONE_INFORMATION& tzi);

#endif // VELMORA_CLOCK_H
