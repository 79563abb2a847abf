// CAlarmConfig: the property sheet that edits one alarm on its Setup, Sound and Other Actions
// pages, for the alarm list ("Alarm Properties") and for quick reminders ("Reminder Properties").
#ifndef VELMORA_ALARMCONFIG_H
#define VELMORA_ALARMCONFIG_H

#include "AlarmPages.h"

class CAlarms;

class CAlarmConfig : public CPropertySheet
{
public:
    CAlarmConfig(LPCTSTR pszCaption, CWnd* pParent);

    CAlarmSetup m_setup;
    CSoundSetup m_sound;
    CActionSetup m_action;

    // Fills the pages from a record (the activation as its date and its time of day).
    void FillFromAlarm(const CAlarms& alarm);
    // Copies the pages back: the activation from the date and the time of day, state 1 when it is
    // not earlier than dtOpened, the moment the sheet opened (else 0), and a zero interval clears
    // repeat and keeps the stored one. A time that passed while the sheet was open was meant to
    // ring: it is stored new, and rings at once as an overdue alarm.
    void CopyToAlarm(CAlarms& alarm, const COleDateTime& dtOpened) const;
};

#endif // VELMORA_ALARMCONFIG_H
