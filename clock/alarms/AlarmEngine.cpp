// CAlarmEngine: check, fire, reschedule and sweep; the firing alarm is never freed under FireAlarm.
#include "AlarmEngine.h"

#include <math.h>

#include <algorithm>
#include <new>

#include "Alarms.h"

namespace
{
const LONGLONG kSecondsPerDay = 86400;
// 9999-12-31, the last day a stored date can hold.
const double kLastDay = 2958465.0;
} // namespace

CAlarmEngine::CAlarmEngine()
    : m_nNextAlarmId(0), m_bChanged(FALSE), m_pActions(NULL), m_nOpenNotifications(0), m_bAlarmsDirty(FALSE),
      m_bSaving(FALSE), m_bSaveFailed(FALSE), m_bDueStale(TRUE), m_bSweepDue(TRUE), m_nDisturbed(0)
{
}

CAlarmEngine::~CAlarmEngine()
{
    RemoveAll();
    for (CAlarms* p : m_discarded)
        delete p;
}

void CAlarmEngine::RemoveAll()
{
    for (INT_PTR i = 0; i < m_alarms.GetSize(); i++)
        Discard((CAlarms*)m_alarms.GetAt(i));
    m_alarms.RemoveAll();
    NoteChange();
}

CAlarms* CAlarmEngine::GetAlarm(int nIndex) const
{
    if (nIndex < 0 || nIndex >= m_alarms.GetSize())
        return NULL;
    return (CAlarms*)m_alarms.GetAt(nIndex);
}

CAlarms* CAlarmEngine::FindAlarm(LONG nId, LONG tCreated) const
{
    for (INT_PTR i = 0; i < m_alarms.GetSize(); i++)
    {
        CAlarms* p = (CAlarms*)m_alarms.GetAt(i);
        if (p->IsSameAlarm(nId, tCreated))
            return p;
    }
    return NULL;
}

BOOL CAlarmEngine::IsFiring(const CAlarms* pAlarm) const
{
    return std::find(m_firing.begin(), m_firing.end(), pAlarm) != m_firing.end();
}

BOOL CAlarmEngine::WillRing(const CAlarms* pAlarm, const COleDateTime& dtNow) const
{
    if (pAlarm == NULL || pAlarm->m_bEnabled != 1)
        return FALSE;
    if (IsFiring(pAlarm))
        return TRUE;
    LONGLONG nArming = 0; // the sweeps before it is armed, one a tick
    switch (pAlarm->m_nState)
    {
    case ALARMSTATE_PROCESSING:
        return TRUE;
    case ALARMSTATE_NEW:
        nArming = 2;
        break;
    case ALARMSTATE_ARMING:
        nArming = 1;
        break;
    case ALARMSTATE_ARMED:
        break;
    default:
        return FALSE;
    }
    if (pAlarm->m_dtActivation.GetStatus() != COleDateTime::valid)
        return FALSE;
    if (dtNow.GetStatus() != COleDateTime::valid)
        return TRUE;
    LONGLONG nDue = ToSeconds(pAlarm->m_dtActivation);
    LONGLONG nArmed = ToSeconds(dtNow) + nArming;
    // Without overdue alarms only the alarm's own second fires it.
    if (!m_options.bRunOverdue)
        return nDue >= nArmed;
    // Fired beyond the lateness limit it runs no action; a repeating one rings at a later time.
    LONGLONG nInterval = 0;
    return nDue >= nArmed || !IsBeyondLimit(nDue, nArmed) || GetRepeatSeconds(*pAlarm, nInterval);
}

BOOL CAlarmEngine::IsDiscarded(const CAlarms* pAlarm) const
{
    return std::find(m_discarded.begin(), m_discarded.end(), pAlarm) != m_discarded.end();
}

void CAlarmEngine::Discard(CAlarms* pAlarm)
{
    if (pAlarm == NULL)
        return;
    if (IsFiring(pAlarm))
    {
        if (!IsDiscarded(pAlarm))
            m_discarded.push_back(pAlarm);
        return;
    }
    delete pAlarm;
}

void CAlarmEngine::ClearAlarmsChanged()
{
    m_bChanged = FALSE;
    m_bAlarmsDirty = FALSE;
}

void CAlarmEngine::SetDirty()
{
    m_bChanged = TRUE;
    m_bAlarmsDirty = TRUE;
    // A new change earns a new attempt at saving.
    m_bSaveFailed = FALSE;
}

void CAlarmEngine::MarkAlarmsChanged()
{
    SetDirty();
    NoteChange();
}

void CAlarmEngine::AlarmEdited()
{
    NoteChange();
}

void CAlarmEngine::NoteChange()
{
    m_bDueStale = TRUE;
    m_bSweepDue = TRUE;
    m_nDisturbed++;
}

CAlarms* CAlarmEngine::NewAlarm()
{
    CAlarms* pAlarm = NULL;
    try
    {
        pAlarm = new CAlarms;
        pAlarm->m_nId = m_nNextAlarmId;
        m_alarms.Add(pAlarm);
    }
    catch (CMemoryException* e)
    {
        e->Delete();
        delete pAlarm;
        pAlarm = NULL;
    }
    catch (std::bad_alloc&)
    {
        delete pAlarm;
        pAlarm = NULL;
    }
    if (pAlarm == NULL)
    {
        if (m_pActions != NULL)
            m_pActions->ReportOutOfMemory();
        return NULL;
    }
    m_nNextAlarmId++;
    // Its fields are set by the caller after this: the order is made at the next check.
    NoteChange();
    return pAlarm;
}

void CAlarmEngine::SetAlarm(int nIndex, CAlarms* pAlarm)
{
    if (nIndex < 0 || nIndex >= m_alarms.GetSize() || pAlarm == NULL)
        return;
    CAlarms* pOld = (CAlarms*)m_alarms.GetAt(nIndex);
    m_alarms.SetAt(nIndex, pAlarm);
    if (pOld != pAlarm)
        Discard(pOld);
    MarkAlarmsChanged();
}

void CAlarmEngine::ReplaceAlarm(CAlarms* pAlarm)
{
    if (pAlarm == NULL)
        return;
    for (INT_PTR i = 0; i < m_alarms.GetSize(); i++)
    {
        if (((CAlarms*)m_alarms.GetAt(i))->IsSameAlarm(pAlarm->m_nId, pAlarm->m_tCreated))
        {
            SetAlarm((int)i, pAlarm);
            return;
        }
    }
    if (NewAlarm() == NULL)
    {
        delete pAlarm;
        return;
    }
    SetAlarm(GetAlarmCount() - 1, pAlarm);
}

void CAlarmEngine::DeleteAlarm(LONG nId, LONG tCreated)
{
    for (INT_PTR i = 0; i < m_alarms.GetSize(); i++)
    {
        CAlarms* p = (CAlarms*)m_alarms.GetAt(i);
        if (p->IsSameAlarm(nId, tCreated))
        {
            m_alarms.RemoveAt(i);
            Discard(p);
            MarkAlarmsChanged();
            return;
        }
    }
}

void CAlarmEngine::AdoptLoaded(CObArray& loaded, const COleDateTime& dtNow)
{
    std::vector<CAlarms*> interrupted;
    for (INT_PTR i = 0; i < loaded.GetSize(); i++)
    {
        CAlarms* pAlarm = (CAlarms*)loaded.GetAt(i);
        if (NewAlarm() == NULL)
        {
            delete pAlarm;
            continue;
        }
        SetAlarm(GetAlarmCount() - 1, pAlarm);
        if (pAlarm->m_nState == ALARMSTATE_PROCESSING)
            interrupted.push_back(pAlarm);
    }
    loaded.RemoveAll();
    CString strUnusable;
    for (INT_PTR i = 0; i < m_alarms.GetSize(); i++)
    {
        const CAlarms* pAlarm = (const CAlarms*)m_alarms.GetAt(i);
        if (!pAlarm->IsUsable())
            strUnusable += pAlarm->m_strName + _T("\n");
    }
    if (!strUnusable.IsEmpty() && m_pActions != NULL)
        m_pActions->ReportUnusableAlarms(strUnusable);
    // Its actions ran (or began) before the program ended: they do not run again.
    for (CAlarms* pAlarm : interrupted)
    {
        pAlarm->m_nState = ALARMSTATE_IDLE;
        FireAlarm(pAlarm, dtNow, FALSE, TRUE);
    }
}

CAlarms* CAlarmEngine::AddTimerAlarm(const CString& strName, const COleDateTime& dtEnd, BOOL bDisplayMessage,
                                     const CString& strMessage, BOOL bPlaySound, const CString& strSoundFile,
                                     BOOL bSpeak)
{
    if (!bPlaySound && !bDisplayMessage && !bSpeak)
        return NULL;
    CAlarms* pAlarm = NewAlarm();
    if (pAlarm == NULL)
        return NULL;
    pAlarm->m_strName = strName;
    pAlarm->m_dtActivation = dtEnd;
    pAlarm->m_bRepeat = FALSE;
    pAlarm->m_bRemoveOnCompletion = TRUE;
    pAlarm->m_bDisplayMessage = bDisplayMessage;
    pAlarm->m_strMessage = strMessage;
    pAlarm->m_bPlaySound = bPlaySound;
    pAlarm->m_strSoundFile = strSoundFile;
    pAlarm->m_bSpeakMessage = bSpeak;
    pAlarm->m_nState = ALARMSTATE_ARMED;
    MarkAlarmsChanged();
    return pAlarm;
}

void CAlarmEngine::OrderDue()
{
    m_due.clear();
    for (INT_PTR i = 0; i < m_alarms.GetSize(); i++)
    {
        const CAlarms* pAlarm = (const CAlarms*)m_alarms.GetAt(i);
        if (pAlarm->m_bEnabled == 1 && pAlarm->m_nState == ALARMSTATE_ARMED &&
            pAlarm->m_dtActivation.GetStatus() == COleDateTime::valid)
            m_due.push_back(std::make_pair(ToSeconds(pAlarm->m_dtActivation), i));
    }
    std::sort(m_due.begin(), m_due.end());
    m_bDueStale = FALSE;
}

void CAlarmEngine::CheckSlot(INT_PTR nSlot, LONGLONG nNow, const COleDateTime& dtNow)
{
    CAlarms* pAlarm = (CAlarms*)m_alarms.GetAt(nSlot);
    if (pAlarm->m_bEnabled != 1 || pAlarm->m_nState != ALARMSTATE_ARMED)
        return;
    if (pAlarm->m_dtActivation.GetStatus() != COleDateTime::valid)
        return;
    LONGLONG nDue = ToSeconds(pAlarm->m_dtActivation);
    if (!m_options.bRunOverdue)
    {
        if (nDue == nNow)
            FireOne(pAlarm, dtNow, FALSE, FALSE, TRUE);
        return;
    }
    if (nDue > nNow)
        return;
    FireOne(pAlarm, dtNow, FALSE, IsBeyondLimit(nDue, nNow), TRUE);
}

BOOL CAlarmEngine::IsBeyondLimit(LONGLONG nDue, LONGLONG nNow) const
{
    return m_options.bUseLimit && (nNow - nDue) > (LONGLONG)m_options.nLimitSeconds;
}

void CAlarmEngine::CheckAlarms(const COleDateTime& dtNow)
{
    if (dtNow.GetStatus() != COleDateTime::valid)
        return;
    LONGLONG nNow = ToSeconds(dtNow);
    INT_PTR nCount = m_alarms.GetSize();
    // A check inside the notification of an outer check's alarm changes what that walk may rely on.
    m_nDisturbed++;

    // The slots due now, in the array's order: the alarms a walk over the whole array would fire.
    std::vector<INT_PTR> slots;
    BOOL bOrdered = FALSE;
    try
    {
        if (m_bDueStale)
            OrderDue();
        auto itFirst = m_due.begin();
        if (!m_options.bRunOverdue)
            itFirst = std::lower_bound(m_due.begin(), m_due.end(), std::make_pair(nNow, (INT_PTR)0));
        for (auto it = itFirst; it != m_due.end() && it->first <= nNow; ++it)
            slots.push_back(it->second);
        std::sort(slots.begin(), slots.end());
        bOrdered = TRUE;
    }
    catch (CMemoryException* e)
    {
        e->Delete();
    }
    catch (std::bad_alloc&)
    {
    }
    if (!bOrdered)
    {
        m_bDueStale = TRUE;
        slots.clear();
    }

    // The walk opens no notification, but an action may run a message loop (a sound's error box)
    // in which later ticks and the user's commands add or remove alarms: after such a change the
    // walk looks at the array as it is, from the slot after the one that fired.
    INT_PTR nFrom = bOrdered ? -1 : 0;
    for (INT_PTR nSlot : slots)
    {
        unsigned nMark = m_nDisturbed;
        CheckSlot(nSlot, nNow, dtNow);
        if (m_nDisturbed != nMark)
        {
            nFrom = nSlot + 1;
            break;
        }
    }
    if (nFrom >= 0)
    {
        for (INT_PTR i = nFrom; i < nCount && i < m_alarms.GetSize(); i++)
            CheckSlot(i, nNow, dtNow);
    }
    // Saved before any notification opens: a firing alarm is on the disk as firing, so that a
    // program ended under its notification does not run its actions again at the next start.
    SweepAlarms();
    if (OpenWaiting())
        SweepAlarms();
}

BOOL CAlarmEngine::OpenWaiting()
{
    BOOL bOpened = FALSE;
    while (!m_waiting.empty() && m_nOpenNotifications < MAX_OPEN_NOTIFICATIONS)
    {
        if (m_pActions == NULL || !m_pActions->MayOpenNotification())
            break;
        CWaitingNotice notice = m_waiting.front();
        m_waiting.erase(m_waiting.begin());
        // Its actions ran when it was due; the time its notification waited makes it no later.
        BOOL bRemindedLater = FALSE;
        if (!IsDiscarded(notice.pAlarm))
        {
            notice.pAlarm->m_nState = ALARMSTATE_PROCESSING;
            bRemindedLater = Notify(notice.pAlarm, FALSE);
            bOpened = TRUE;
        }
        Finish(notice.pAlarm, notice.dtNow, FALSE, notice.nSavedState, bRemindedLater);
    }
    return bOpened;
}

void CAlarmEngine::FireAlarm(CAlarms* pAlarm, const COleDateTime& dtNow, BOOL bRunNow, BOOL bLate)
{
    NoteChange();
    FireOne(pAlarm, dtNow, bRunNow, bLate, FALSE);
}

void CAlarmEngine::FireOne(CAlarms* pAlarm, const COleDateTime& dtNow, BOOL bRunNow, BOOL bLate, BOOL bQueue)
{
    if (pAlarm == NULL || IsFiring(pAlarm))
        return;
    // Kept per firing: a nested firing during this one's notification has a state of its own.
    LONG nSavedState = pAlarm->m_nState;
    pAlarm->m_nState = ALARMSTATE_PROCESSING;
    m_firing.push_back(pAlarm);

    BOOL bRemindedLater = FALSE;
    IAlarmActions* pActions = m_pActions;
    if (!bLate && pActions != NULL)
    {
        BOOL bActed = pAlarm->m_bPlaySound || pAlarm->m_bPlayCdAudio || pAlarm->m_bRunApplication ||
                      pAlarm->m_bSpeakMessage ||
                      (pAlarm->m_bShutDown && CAlarms::IsShutDownKind(pAlarm->m_nShutDownKind));
        if (pAlarm->m_bPlaySound)
            pActions->PlayAlarmSound(pAlarm->m_strSoundFile);
        if (pAlarm->m_bPlayCdAudio)
            pActions->PlayCdTrack(pAlarm->m_nCdTrack);
        if (pAlarm->m_bRunApplication)
            pActions->RunProgram(pAlarm->m_strCommandLine, pAlarm->m_bRunMinimised);
        if (pAlarm->m_bShutDown && CAlarms::IsShutDownKind(pAlarm->m_nShutDownKind))
        {
            pActions->ScheduleShutdown((UINT)pAlarm->m_nShutDownKind, pAlarm->m_bCloseAll);
            SetDirty();
        }
        if (pAlarm->m_bSpeakMessage)
            pActions->SpeakAlarm(pAlarm->m_strMessage, dtNow);
        if (pAlarm->m_bDisplayMessage)
        {
            if (bQueue)
            {
                CWaitingNotice notice = {pAlarm, dtNow, nSavedState};
                m_waiting.push_back(notice);
                // Its other actions ran: saved as firing, they do not run again at the next start
                // of a program closed before its notification opens. One whose notification is
                // all it does stays armed until then, so that such a start shows it.
                if (bActed)
                    SetDirty();
                else
                    pAlarm->m_nState = nSavedState;
                return;
            }
            bRemindedLater = Notify(pAlarm, bRunNow);
        }
    }
    Finish(pAlarm, dtNow, bRunNow, nSavedState, bRemindedLater);
}

BOOL CAlarmEngine::Notify(CAlarms* pAlarm, BOOL bRunNow)
{
    COleDateTime dtActivation = pAlarm->m_dtActivation;
    m_nOpenNotifications++;
    m_pActions->ShowNotification(pAlarm->m_strName, pAlarm->m_strMessage, dtActivation, !bRunNow);
    m_nOpenNotifications--;
    if (dtActivation == pAlarm->m_dtActivation)
        return FALSE;
    pAlarm->m_dtActivation = dtActivation;
    pAlarm->m_nState = ALARMSTATE_ARMED;
    return TRUE;
}

void CAlarmEngine::Finish(CAlarms* pAlarm, const COleDateTime& dtNow, BOOL bRunNow, LONG nSavedState,
                          BOOL bRemindedLater)
{
    m_firing.erase(std::find(m_firing.begin(), m_firing.end(), pAlarm));
    // It moved on, stopped or is to be swept away; the order is made again at the next check.
    m_bDueStale = TRUE;
    m_bSweepDue = TRUE;
    auto itDiscarded = std::find(m_discarded.begin(), m_discarded.end(), pAlarm);
    if (itDiscarded != m_discarded.end())
    {
        // Deleted or replaced while it was firing: only now is nothing left using it.
        m_discarded.erase(itDiscarded);
        delete pAlarm;
        SetDirty();
        return;
    }
    if (bRemindedLater)
    {
        SetDirty();
        return;
    }
    if (bRunNow)
        pAlarm->m_nState = nSavedState;
    else
        Reschedule(pAlarm, dtNow);
    SetDirty();
}

void CAlarmEngine::Reschedule(CAlarms* pAlarm, const COleDateTime& dtNow)
{
    LONGLONG nInterval = 0;
    if (GetRepeatSeconds(*pAlarm, nInterval) && pAlarm->m_dtActivation.GetStatus() == COleDateTime::valid)
    {
        COleDateTime dtNext = NextActivation(pAlarm->m_dtActivation, nInterval, dtNow);
        if (dtNext.GetStatus() == COleDateTime::valid)
        {
            pAlarm->m_dtActivation = dtNext;
            pAlarm->m_nState = ALARMSTATE_ARMED;
            return;
        }
    }
    pAlarm->m_nState = pAlarm->m_bRemoveOnCompletion ? ALARMSTATE_DELETE : ALARMSTATE_IDLE;
}

void CAlarmEngine::SweepAlarms()
{
    // Walked only when something may have left an alarm new, arming or finished; arming one marks
    // the next sweep as due again.
    BOOL bWalk = m_bSweepDue;
    m_bSweepDue = FALSE;
    for (INT_PTR i = 0; bWalk && i < m_alarms.GetSize();)
    {
        CAlarms* pAlarm = (CAlarms*)m_alarms.GetAt(i);
        switch (pAlarm->m_nState)
        {
        case ALARMSTATE_NEW:
            pAlarm->m_nState = ALARMSTATE_ARMING;
            SetAlarm((int)i, pAlarm);
            break;
        case ALARMSTATE_ARMING:
            pAlarm->m_nState = ALARMSTATE_ARMED;
            SetAlarm((int)i, pAlarm);
            break;
        case ALARMSTATE_DELETE:
            // By its slot, not by its id pair: a copied alarm with the same pair stays.
            m_alarms.RemoveAt(i);
            Discard(pAlarm);
            MarkAlarmsChanged();
            continue;
        default:
            break;
        }
        i++;
    }

    // A failed save is reported once; it is tried again at the next change or at the close, not at
    // every tick. A save whose error box is open (ticks go on under it) is not started again.
    if (m_bAlarmsDirty && !m_bSaveFailed && !m_bSaving && m_pActions != NULL)
    {
        m_bSaving = TRUE;
        BOOL bSaved = m_pActions->SaveAlarms();
        m_bSaving = FALSE;
        if (bSaved)
            m_bChanged = m_bAlarmsDirty = FALSE;
        else
            m_bSaveFailed = TRUE;
    }
}

LONGLONG CAlarmEngine::ToSeconds(const COleDateTime& dt)
{
    double dDays = trunc(dt.m_dt);
    double dFraction = fabs(dt.m_dt - dDays);
    return (LONGLONG)dDays * kSecondsPerDay + (LONGLONG)floor(dFraction * kSecondsPerDay + 0.5);
}

COleDateTime CAlarmEngine::FromSeconds(LONGLONG nSeconds)
{
    LONGLONG nDays = nSeconds / kSecondsPerDay;
    LONGLONG nRest = nSeconds % kSecondsPerDay;
    if (nRest < 0)
    {
        nRest += kSecondsPerDay;
        nDays--;
    }
    COleDateTime dt;
    double dFraction = (double)nRest / kSecondsPerDay;
    dt.m_dt = nDays >= 0 ? (double)nDays + dFraction : (double)nDays - dFraction;
    dt.SetStatus(dt.m_dt > kLastDay ? COleDateTime::invalid : COleDateTime::valid);
    return dt;
}

BOOL CAlarmEngine::GetRepeatSeconds(const CAlarms& alarm, LONGLONG& nSeconds)
{
    if (!alarm.m_bRepeat || alarm.m_tsRepeatInterval.GetStatus() != COleDateTimeSpan::valid)
        return FALSE;
    double dSeconds = alarm.m_tsRepeatInterval.m_span * (double)kSecondsPerDay;
    // NaN fails both tests; more than the whole calendar's range does not repeat either.
    if (!(dSeconds >= 0.5) || !(dSeconds <= kLastDay * kSecondsPerDay))
        return FALSE;
    nSeconds = (LONGLONG)floor(dSeconds + 0.5);
    return TRUE;
}

COleDateTime CAlarmEngine::NextActivation(const COleDateTime& dtActivation, LONGLONG nIntervalSeconds,
                                          const COleDateTime& dtNow)
{
    LONGLONG nDue = ToSeconds(dtActivation);
    LONGLONG nNow = ToSeconds(dtNow);
    if (nDue > nNow || nIntervalSeconds <= 0)
        return dtActivation;
    // At least one step: an activation left where it rang would ring a second time at the next
    // tick. Past that, the first step not earlier than now: a ring that falls on now is still due.
    LONGLONG nSteps = (nNow - nDue + nIntervalSeconds - 1) / nIntervalSeconds;
    if (nSteps < 1)
        nSteps = 1;
    return FromSeconds(nDue + nSteps * nIntervalSeconds);
}
