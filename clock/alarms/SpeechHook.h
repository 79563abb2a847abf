// IAlarmSpeech: where an alarm's message is announced by the speech character. The clock window
// installs its speaker while it has a character server; without one the announcement is silent.
#ifndef VELMORA_SPEECHHOOK_H
#define VELMORA_SPEECHHOOK_H

#include <afx.h>
#include <afxdisp.h>

class IAlarmSpeech
{
public:
    virtual ~IAlarmSpeech() {}
    virtual void AnnounceAlarm(const CString& strMessage, const COleDateTime& dtNow) = 0;
};

// Never null: a silent announcer when none is installed.
IAlarmSpeech& GetAlarmSpeech();
// Installs an announcer; null puts the silent one back. The caller keeps ownership.
void SetAlarmSpeech(IAlarmSpeech* pSpeech);

#endif // VELMORA_SPEECHHOOK_H
