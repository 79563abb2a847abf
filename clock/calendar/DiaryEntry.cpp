// CDiaryEntry: the diary's day record and its archive form.
#include "DiaryEntry.h"

#include <time.h>

IMPLEMENT_SERIAL(CDiaryEntry, CObject, 1)

CDiaryEntry::CDiaryEntry()
    : m_bHasText(FALSE), m_bReminder(FALSE), m_tReminderCreated((LONG)::time(NULL)), m_nReminderId(0)
{
}

CDiaryEntry::~CDiaryEntry() {}

void CDiaryEntry::CopyFrom(const CDiaryEntry& other)
{
    m_bHasText = other.m_bHasText;
    m_strText = other.m_strText;
    m_bReminder = other.m_bReminder;
    m_tReminderCreated = other.m_tReminderCreated;
    m_nReminderId = other.m_nReminderId;
}

void CDiaryEntry::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << (LONG)m_bHasText << (LONG)m_bReminder << m_nReminderId << m_strText << m_tReminderCreated;
        return;
    }
    LONG lHasText = 0, lReminder = 0;
    ar >> lHasText >> lReminder >> m_nReminderId >> m_strText >> m_tReminderCreated;
    m_bHasText = lHasText;
    m_bReminder = lReminder;
}
