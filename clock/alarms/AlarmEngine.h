// CAlarmEngine: the alarm array and what brings alarms due: the once-a-tick check, the firing of a
// due alarm's actions in their fixed order, rescheduling, the sweeps, and the changed mark. It knows
// no window: the actions go to the host through IAlarmActions.
#ifndef VELMORA_ALARMENGINE_H
#define VELMORA_ALARMENGINE_H

#include <afx.h>
#include <afxcoll.h>
#include <afxdisp.h>

#include <utility>
#include <vector>

class CAlarms;

// What a firing alarm does, carried out by the host (the clock window in the program).
class IAlarmActions
{
public:
    virtual ~IAlarmActions() {}
    virtual void PlayAlarmSound(const CString& strFile) = 0;
    virtual void PlayCdTrack(int nTrack) = 0;
    virtual void RunProgram(const CString& strCommandLine, BOOL bMinimised) = 0;
    // uKind is the ExitWindowsEx kind; the host carries the session end out after saving.
    virtual void ScheduleShutdown(UINT uKind, BOOL bForce) = 0;
    virtual void SpeakAlarm(const CString& strMessage, const COleDateTime& dtNow) = 0;
    // Shows the notification modally; a Remind Later choice changes dtActivation.
    virtual void ShowNotification(const CString& strTitle, const CString& strMessage,
                                  COleDateTime& dtActivation, BOOL bAllowRemindLater) = 0;
    // Writes the clocks-and-alarms file; FALSE when that failed (the host has reported it).
    virtual BOOL SaveAlarms() = 0;
    virtual void ReportOutOfMemory() = 0;
    // Alarms read from the file that cannot be carried out (their names, one a line); they never
    // fire until edited. Told once, when the file is read.
    virtual void ReportUnusableAlarms(const CString& strNames) { (void)strNames; }
    // FALSE once the host is closing: a notification that waits for its turn is not opened then,
    // so that closing the open ones ends the program.
    virtual BOOL MayOpenNotification() { return TRUE; }
};

// The settings the check reads.
struct CAlarmCheckOptions
{
    BOOL bRunOverdue = TRUE;
    BOOL bUseLimit = TRUE;
    long nLimitSeconds = 3600; // lateness beyond which an overdue alarm runs no action
};

class CAlarmEngine
{
    // Construction
public:
    CAlarmEngine();
    ~CAlarmEngine();

    void SetActions(IAlarmActions* pActions) { m_pActions = pActions; }
    void SetOptions(const CAlarmCheckOptions& options) { m_options = options; }
    const CAlarmCheckOptions& GetOptions() const { return m_options; }

    // Attributes: public for the data file and the window that presents them.
public:
    CObArray m_alarms; // CAlarms, in creation order; owned
    long m_nNextAlarmId;
    BOOL m_bChanged; // the file differs from what is in memory (alarms or, set by the host, clocks)

    int GetAlarmCount() const { return (int)m_alarms.GetSize(); }
    CAlarms* GetAlarm(int nIndex) const;
    CAlarms* FindAlarm(LONG nId, LONG tCreated) const;
    // The alarm is running its actions (its notification may be open, or waiting its turn).
    BOOL IsFiring(const CAlarms* pAlarm) const;
    // The checks will fire the alarm as it stands and run its actions: enabled, pending (new,
    // arming, armed or firing) with a valid activation, not already past when overdue alarms are
    // not run, and not so far past that it would fire late (unless it repeats). An idle alarm (one
    // stored with its time past) or a disabled one never rings until it is edited.
    BOOL WillRing(const CAlarms* pAlarm, const COleDateTime& dtNow) const;

    enum
    {
        // Notifications open at once, one on top of another; a due alarm's notification beyond
        // them waits until one is closed (its other actions do not wait).
        MAX_OPEN_NOTIFICATIONS = 3
    };

    // Operations
public:
    // A default alarm with the next id, appended; NULL (reported) when memory runs out.
    CAlarms* NewAlarm();
    // Puts pAlarm into the slot; the object it replaces is destroyed, or kept until its firing
    // ends. Sets the changed mark.
    void SetAlarm(int nIndex, CAlarms* pAlarm);
    void ReplaceAlarm(CAlarms* pAlarm);
    void DeleteAlarm(LONG nId, LONG tCreated);
    // Takes the alarms a data file gave (in file order) as loading does: a new slot each, so the
    // next id advances by their number; one caught mid-firing is retired or rescheduled, late.
    void AdoptLoaded(CObArray& loaded, const COleDateTime& dtNow);
    // A timer's end as an alarm due at dtEnd, armed at once; NULL when nothing is asked for.
    CAlarms* AddTimerAlarm(const CString& strName, const COleDateTime& dtEnd, BOOL bDisplayMessage,
                           const CString& strMessage, BOOL bPlaySound, const CString& strSoundFile,
                           BOOL bSpeak);

    // Fires the due alarms, also while notifications are open (it runs in their message loops):
    // lateness is judged by dtNow, the actions without a dialog run at once, and the
    // notifications open in turn, at most MAX_OPEN_NOTIFICATIONS at a time.
    void CheckAlarms(const COleDateTime& dtNow);
    // Runs the alarm's actions, its notification among them, before it returns.
    void FireAlarm(CAlarms* pAlarm, const COleDateTime& dtNow, BOOL bRunNow, BOOL bLate);
    void SweepAlarms();

    void MarkAlarmsChanged();
    void ClearAlarmsChanged();
    // An alarm's time, switch or state was changed in place without any other call here: the next
    // check orders the alarms afresh.
    void AlarmEdited();
    // Destroys every alarm (none may be firing).
    void RemoveAll();

    // Whole seconds of a date-time on one linear scale (the stored form folds the time of day of
    // dates before 1899-12-30).
    static LONGLONG ToSeconds(const COleDateTime& dt);
    static COleDateTime FromSeconds(LONGLONG nSeconds);
    // The interval of a repeating alarm in whole seconds; FALSE when it does not repeat (repeat
    // off, or an interval that is invalid, null, zero or negative).
    static BOOL GetRepeatSeconds(const CAlarms& alarm, LONGLONG& nSeconds);
    // The first activation, stepping by the interval from dtActivation, that is later than dtNow;
    // an activation already later stays.
    static COleDateTime NextActivation(const COleDateTime& dtActivation, LONGLONG nIntervalSeconds,
                                       const COleDateTime& dtNow);

    // Implementation
protected:
    IAlarmActions* m_pActions;
    CAlarmCheckOptions m_options;
    // A fired alarm whose notification waits for its turn: its other actions ran at dtNow, by
    // which it is rescheduled once its notification closes.
    struct CWaitingNotice
    {
        CAlarms* pAlarm;
        COleDateTime dtNow;
        LONG nSavedState;
    };

    std::vector<CAlarms*> m_firing;        // alarms firing, those whose notification waits too
    std::vector<CAlarms*> m_discarded;     // taken out of the array while firing: freed when it ends
    std::vector<CWaitingNotice> m_waiting; // in the order their alarms fired
    int m_nOpenNotifications;
    BOOL m_bAlarmsDirty; // an alarm changed: the next sweep writes the file
    BOOL m_bSaving;
    BOOL m_bSaveFailed;

    // The armed alarms by their next activation, so that a tick looks only at those due: (second
    // due, slot in m_alarms), earliest first. Built again at the first check after any change.
    std::vector<std::pair<LONGLONG, INT_PTR>> m_due;
    BOOL m_bDueStale;
    BOOL m_bSweepDue;      // an alarm may be new, arming or finished: the sweep walks the array
    unsigned m_nDisturbed; // counts changes made from outside a check's own firing

    void Discard(CAlarms* pAlarm);
    void Reschedule(CAlarms* pAlarm, const COleDateTime& dtNow);
    // bQueue: the notification joins the waiting ones instead of opening here.
    void FireOne(CAlarms* pAlarm, const COleDateTime& dtNow, BOOL bRunNow, BOOL bLate, BOOL bQueue);
    // Shows the notification; TRUE when Remind Later gave the alarm a new activation.
    BOOL Notify(CAlarms* pAlarm, BOOL bRunNow);
    void Finish(CAlarms* pAlarm, const COleDateTime& dtNow, BOOL bRunNow, LONG nSavedState,
                BOOL bRemindedLater);
    // Opens the waiting notifications in turn while fewer than the most are open; TRUE when any
    // was opened.
    BOOL OpenWaiting();
    BOOL IsDiscarded(const CAlarms* pAlarm) const;
    void CheckSlot(INT_PTR nSlot, LONGLONG nNow, const COleDateTime& dtNow);
    // Fired at nNow, an alarm due at nDue is late: it runs no action.
    BOOL IsBeyondLimit(LONGLONG nDue, LONGLONG nNow) const;
    void OrderDue();
    void NoteChange();
    void SetDirty();
};

#endif // VELMORA_ALARMENGINE_H
