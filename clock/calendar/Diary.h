// CDiary: the diary of one year held by the clock window: 367 day entries (index 0 unused), the
// year files "VelDiary<year>", the bold days of a month, and a day's note with its reminder alarm.
// It knows no window: failures come back as results and exceptions for the window to report.
#ifndef VELMORA_DIARY_H
#define VELMORA_DIARY_H

#include <afx.h>
#include <afxcoll.h>
#include <afxdisp.h>

#include <set>

class CAlarmEngine;
class CDiaryEntry;

enum
{
    DIARY_ENTRIES = 367
};

// Results of CDiary::LoadYear.
enum
{
    DIARYLOAD_READ = 0,    // the year file was read
    DIARYLOAD_NEW = 1,     // no year file: the year starts empty
    DIARYLOAD_DAMAGED = 2, // the file is damaged or short: no year is current, the file is kept
};

// What a day's reminder alarm takes from the settings.
struct CDiaryReminderOptions
{
    BOOL bPlaySound = TRUE;              // "DefPlayRemSound"
    CString strSoundFile = _T("Cuckoo"); // "DefRemSound"
    BOOL bDeleteOnCompletion = FALSE;    // "DeleteReminder"
};

class CDiary
{
    // Construction
public:
    CDiary();
    ~CDiary();

    // The folder of the year files, ending with a backslash.
    void SetBasePath(const CString& strPath) { m_strBasePath = strPath; }

    // Attributes: public for the clock window, which names them as its own.
public:
    int m_nYear; // the current year, -1 when none
    BOOL m_bChanged;

    CString GetDiaryFileName(int nYear) const;
    // The day of the year, 1 to 366; 0 for an invalid date.
    static int GetDayIndex(const COleDateTime& dt);
    static int GetDayIndex(int nYear, int nMonth, int nDay);
    static BOOL IsLeapYear(int nYear);
    static int GetDaysInMonth(int nYear, int nMonth);
    // 1 to 365, and 366 in a leap year.
    static BOOL IsDayIndexValid(int nYear, int nIndex);
    // A year whose file was found damaged in this run: it is never written.
    BOOL IsYearDamaged(int nYear) const { return m_damaged.count(nYear) != 0; }

    CDiaryEntry* GetDiaryEntry(int nIndex) const;
    // Copies the entry into the slot; FALSE for an index out of 0 to 366.
    BOOL SetDiaryEntry(int nIndex, const CDiaryEntry& entry);
    void ClearDiaryChanged() { m_bChanged = FALSE; }

    // Bit d-1 for each day d of the month whose entry has text; 0 unless the year is current.
    DWORD GetBoldDays(int nYear, int nMonth) const;

    // Operations
public:
    // Destroys every entry and makes 367 empty ones; the current year is left as it is.
    void NewDiaryYear();
    // Makes the year current: empty entries, then the year file when there is one. A damaged or
    // short file leaves no year current and the entries empty; the year is marked damaged.
    int LoadYear(int nYear);
    // Writes the 367 entries to the year file; afterwards no year is current. A damaged year is
    // not written (FALSE). File and archive exceptions go to the caller.
    BOOL SaveDiary(int nYear);

    // The shown day's note as the calendar stores it: an empty text clears the note and deletes
    // its reminder alarm; a note with bReminder makes or updates the alarm due at dtReminder, one
    // without deletes it. Sets the changed flag. FALSE when no year is current or the index does
    // not exist in it.
    BOOL StoreDay(int nIndex, const CString& strText, BOOL bReminder, const COleDateTime& dtReminder,
                  CAlarmEngine& alarms, const CDiaryReminderOptions& options);
    // Whether the day's reminder alarm still exists, and when it is due.
    BOOL GetReminder(int nIndex, const CAlarmEngine& alarms, COleDateTime& dtActivation) const;

    // Implementation
protected:
    CObArray m_entries; // CDiaryEntry, DIARY_ENTRIES of them; owned
    CString m_strBasePath;
    std::set<int> m_damaged;

    void FreeEntries(CObArray& entries);
};

#endif // VELMORA_DIARY_H
