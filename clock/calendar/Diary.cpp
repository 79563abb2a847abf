// CDiary: the year files are 367 objects written one after another, with no count and no version.
#include "Diary.h"

#include "AlarmEngine.h"
#include "Alarms.h"
#include "DataFileArchive.h"
#include "DiaryEntry.h"

namespace
{
const UINT kArchiveBuffer = 4096;
} // namespace

CDiary::CDiary() : m_nYear(-1), m_bChanged(FALSE)
{
    NewDiaryYear();
}

CDiary::~CDiary()
{
    FreeEntries(m_entries);
}

void CDiary::FreeEntries(CObArray& entries)
{
    for (INT_PTR i = 0; i < entries.GetSize(); i++)
        delete entries.GetAt(i);
    entries.RemoveAll();
}

CString CDiary::GetDiaryFileName(int nYear) const
{
    CString strYear;
    strYear.Format(_T("%d"), nYear);
    return m_strBasePath + _T("VelDiary") + strYear;
}

BOOL CDiary::IsLeapYear(int nYear)
{
    return (nYear % 4 == 0 && nYear % 100 != 0) || nYear % 400 == 0;
}

int CDiary::GetDaysInMonth(int nYear, int nMonth)
{
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (nMonth < 1 || nMonth > 12)
        return 0;
    return kDays[nMonth - 1] + (nMonth == 2 && IsLeapYear(nYear) ? 1 : 0);
}

int CDiary::GetDayIndex(int nYear, int nMonth, int nDay)
{
    if (nDay < 1 || nDay > GetDaysInMonth(nYear, nMonth))
        return 0;
    int nIndex = nDay;
    for (int m = 1; m < nMonth; m++)
        nIndex += GetDaysInMonth(nYear, m);
    return nIndex;
}

int CDiary::GetDayIndex(const COleDateTime& dt)
{
    if (dt.GetStatus() != COleDateTime::valid)
        return 0;
    return GetDayIndex(dt.GetYear(), dt.GetMonth(), dt.GetDay());
}

BOOL CDiary::IsDayIndexValid(int nYear, int nIndex)
{
    return nIndex >= 1 && nIndex <= (IsLeapYear(nYear) ? 366 : 365);
}

CDiaryEntry* CDiary::GetDiaryEntry(int nIndex) const
{
    if (nIndex < 0 || nIndex >= m_entries.GetSize())
        return NULL;
    return (CDiaryEntry*)m_entries.GetAt(nIndex);
}

BOOL CDiary::SetDiaryEntry(int nIndex, const CDiaryEntry& entry)
{
    CDiaryEntry* pEntry = GetDiaryEntry(nIndex);
    if (pEntry == NULL)
        return FALSE;
    pEntry->CopyFrom(entry);
    return TRUE;
}

DWORD CDiary::GetBoldDays(int nYear, int nMonth) const
{
    if (nYear != m_nYear)
        return 0;
    int nFirst = GetDayIndex(nYear, nMonth, 1);
    if (nFirst == 0)
        return 0;
    // Only the month's own days: the 1st of the next month is not day 31 of a shorter month.
    DWORD dwState = 0;
    int nDays = GetDaysInMonth(nYear, nMonth);
    for (int d = 1; d <= nDays; d++)
    {
        const CDiaryEntry* pEntry = GetDiaryEntry(nFirst + d - 1);
        if (pEntry != NULL && pEntry->m_bHasText)
            dwState |= (DWORD)1 << (d - 1);
    }
    return dwState;
}

void CDiary::NewDiaryYear()
{
    FreeEntries(m_entries);
    m_entries.SetSize(0, DIARY_ENTRIES);
    for (int i = 0; i < DIARY_ENTRIES; i++)
        m_entries.Add(new CDiaryEntry);
}

int CDiary::LoadYear(int nYear)
{
    NewDiaryYear();
    CString strPath = GetDiaryFileName(nYear);
    if (::GetFileAttributes(strPath) == INVALID_FILE_ATTRIBUTES)
    {
        m_nYear = nYear;
        m_bChanged = FALSE;
        return DIARYLOAD_NEW;
    }

    CObArray loaded;
    try
    {
        CFile file;
        OpenDataFileToRead(file, strPath);
        ReadDataFileObjects(file, DIARY_ENTRIES, RUNTIME_CLASS(CDiaryEntry), loaded);
    }
    catch (CException* e)
    {
        e->Delete();
        FreeEntries(loaded);
        // Nothing of the file is taken, and nothing may replace it with empty days.
        m_damaged.insert(nYear);
        m_nYear = -1;
        m_bChanged = FALSE;
        return DIARYLOAD_DAMAGED;
    }

    FreeEntries(m_entries);
    m_entries.Append(loaded);
    m_damaged.erase(nYear);
    m_nYear = nYear;
    m_bChanged = FALSE;
    return DIARYLOAD_READ;
}

BOOL CDiary::SaveDiary(int nYear)
{
    if (IsYearDamaged(nYear))
        return FALSE;
    CFile file(GetDiaryFileName(nYear), CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive);
    CArchive ar(&file, CArchive::store, kArchiveBuffer);
    try
    {
        for (INT_PTR i = 0; i < m_entries.GetSize(); i++)
            ar << m_entries.GetAt(i);
        ar.Close();
        file.Close();
    }
    catch (CException*)
    {
        ar.Abort();
        file.Abort();
        throw;
    }
    // The next switch reads the file back.
    m_nYear = -1;
    return TRUE;
}

BOOL CDiary::StoreDay(int nIndex, const CString& strText, BOOL bReminder, const COleDateTime& dtReminder,
                      CAlarmEngine& alarms, const CDiaryReminderOptions& options)
{
    if (m_nYear < 0 || !IsDayIndexValid(m_nYear, nIndex))
        return FALSE;
    CDiaryEntry* pEntry = GetDiaryEntry(nIndex);

    // A firing reminder is not freed here: the engine keeps it until its notification closes.
    if (strText.IsEmpty())
    {
        pEntry->m_bHasText = FALSE;
        pEntry->m_bReminder = FALSE;
        alarms.DeleteAlarm(pEntry->m_nReminderId, pEntry->m_tReminderCreated);
    }
    else
    {
        if (bReminder)
        {
            CAlarms* pAlarm = NULL;
            const CAlarms* pFound = alarms.FindAlarm(pEntry->m_nReminderId, pEntry->m_tReminderCreated);
            if (pFound != NULL)
            {
                // A copy replaces the record, so that one that is firing is never changed under it.
                pAlarm = new CAlarms;
                pAlarm->CopyFrom(*pFound);
            }
            else
                pAlarm = alarms.NewAlarm();
            if (pAlarm != NULL)
            {
                pAlarm->m_dtActivation = dtReminder;
                pAlarm->m_strName = _T("Diary Reminder");
                pAlarm->m_strMessage = strText;
                pAlarm->m_bDisplayMessage = TRUE;
                pAlarm->m_bPlaySound = options.bPlaySound;
                pAlarm->m_strSoundFile = options.strSoundFile;
                pAlarm->m_bRemoveOnCompletion = options.bDeleteOnCompletion;
                pAlarm->m_nState = ALARMSTATE_NEW;
                pEntry->m_nReminderId = pAlarm->m_nId;
                pEntry->m_tReminderCreated = pAlarm->m_tCreated;
                alarms.ReplaceAlarm(pAlarm);
            }
            else
                bReminder = FALSE;
        }
        else
            alarms.DeleteAlarm(pEntry->m_nReminderId, pEntry->m_tReminderCreated);
        pEntry->m_bHasText = TRUE;
        pEntry->m_strText = strText;
        pEntry->m_bReminder = bReminder;
    }
    m_bChanged = TRUE;
    return TRUE;
}

BOOL CDiary::GetReminder(int nIndex, const CAlarmEngine& alarms, COleDateTime& dtActivation) const
{
    const CDiaryEntry* pEntry = GetDiaryEntry(nIndex);
    if (pEntry == NULL || !pEntry->m_bReminder)
        return FALSE;
    const CAlarms* pAlarm = alarms.FindAlarm(pEntry->m_nReminderId, pEntry->m_tReminderCreated);
    if (pAlarm == NULL)
        return FALSE;
    dtActivation = pAlarm->m_dtActivation;
    return TRUE;
}
