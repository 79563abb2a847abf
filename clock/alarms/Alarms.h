// CAlarms: one alarm or reminder: when it is due, how it repeats, and what it does when it fires.
#ifndef VELMORA_ALARMS_H
#define VELMORA_ALARMS_H

#include <afx.h>
#include <afxdisp.h>

// Values of CAlarms::m_nState.
enum
{
    ALARMSTATE_IDLE = 0,
    ALARMSTATE_NEW = 1,
    ALARMSTATE_ARMING = 2,
    ALARMSTATE_ARMED = 3,
    ALARMSTATE_DELETE = 4,
    ALARMSTATE_PROCESSING = 5
};

class CAlarms : public CObject
{
    DECLARE_SERIAL(CAlarms)

    // Construction
public:
    CAlarms();
    virtual ~CAlarms();

    // Attributes: the integer fields are read and written directly by the engine and the editors.
public:
    LONG m_tCreated; // seconds since 1970; with the id, what identifies the alarm
    LONG m_nId;
    LONG m_nState;
    CString m_strName;
    COleDateTime m_dtActivation;
    BOOL m_bRepeat;
    BOOL m_bEnabled;
    BOOL m_bRemoveOnCompletion;
    BOOL m_bDisplayMessage;
    CString m_strMessage;
    BOOL m_bPlaySound;
    CString m_strSoundFile;
    BOOL m_bRunApplication;
    CString m_strCommandLine;
    BOOL m_bRunMinimised;
    COleDateTimeSpan m_tsRepeatInterval;
    BOOL m_bPlayCdAudio;
    LONG m_nCdTrack;
    BOOL m_bShutDown;
    LONG m_nShutDownKind; // ExitWindowsEx flags: EWX_LOGOFF, EWX_SHUTDOWN, EWX_REBOOT, EWX_POWEROFF
    BOOL m_bCloseAll;     // the shut-down adds EWX_FORCE
    BOOL m_bSpeakMessage;

    CString GetName() const { return m_strName; }
    CString GetMessage() const { return m_strMessage; }
    CString GetSoundFile() const { return m_strSoundFile; }
    CString GetCommandLine() const { return m_strCommandLine; }
    COleDateTime GetActivation() const { return m_dtActivation; }
    COleDateTimeSpan GetRepeatInterval() const { return m_tsRepeatInterval; }
    void SetName(LPCTSTR psz) { m_strName = psz; }
    void SetMessage(LPCTSTR psz) { m_strMessage = psz; }
    void SetSoundFile(LPCTSTR psz) { m_strSoundFile = psz; }
    void SetCommandLine(LPCTSTR psz) { m_strCommandLine = psz; }
    void SetActivation(const COleDateTime& dt) { m_dtActivation = dt; }
    void SetRepeatInterval(long nDays, int nHours, int nMinutes, int nSeconds);

    BOOL IsSameAlarm(LONG nId, LONG tCreated) const { return m_nId == nId && m_tCreated == tCreated; }
    // The four kinds of session end an alarm may ask for; any other value asks for none.
    static BOOL IsShutDownKind(LONG nKind);
    // What the record holds can be carried out: an activation that is a date of the calendar, a
    // repeat interval that is a span of it, and a known shut-down kind when one is asked for. A
    // record read with an activation or interval that is not is given an invalid activation, so
    // that it never fires until it is edited.
    BOOL IsUsable() const;
    // Every field of another alarm, the identity included.
    void CopyFrom(const CAlarms& other);

    // Operations
public:
    // Stores schema 5; loads schemas 3, 4 and 5 and raises badSchema for any other.
    virtual void Serialize(CArchive& ar);

    // Implementation
protected:
    void MarkImplausibleTimes();
};

#endif // VELMORA_ALARMS_H
