// CDiaryEntry: the note of one day of the diary, with the identity of its reminder alarm.
#ifndef VELMORA_DIARYENTRY_H
#define VELMORA_DIARYENTRY_H

#include <afx.h>

class CDiaryEntry : public CObject
{
    DECLARE_SERIAL(CDiaryEntry)

    // Construction
public:
    CDiaryEntry();
    virtual ~CDiaryEntry();

    // Attributes
public:
    BOOL m_bHasText;
    CString m_strText;
    BOOL m_bReminder;
    // With the id, the identity pair of the reminder alarm; kept when the reminder goes.
    LONG m_tReminderCreated;
    LONG m_nReminderId;

    void CopyFrom(const CDiaryEntry& other);

    // Operations
public:
    // Schema 1 only: has text, reminder, reminder id, text, reminder created time.
    virtual void Serialize(CArchive& ar);
};

#endif // VELMORA_DIARYENTRY_H
