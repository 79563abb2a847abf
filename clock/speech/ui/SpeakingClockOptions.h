// CSpeakingClockOptions: the "Spoken Announcements" page of the options: the speaking clock, its
// quiet hours and the texts said around the time, the date, alarms and at start-up. The sheet
// fills the public values from the settings before it runs and puts them back after OK.
#ifndef VELMORA_SPEAKINGCLOCKOPTIONS_H
#define VELMORA_SPEAKINGCLOCKOPTIONS_H

#include <afxdlgs.h>
#include <afxdtctl.h>

class CSettings;

class CSpeakingClockOptions : public CPropertyPage
{
    DECLARE_DYNAMIC(CSpeakingClockOptions)

public:
    CSpeakingClockOptions();

    BOOL m_bSpeakTime;           // "SpeakTime"
    int m_nTimeFreq;             // "TimeFreq", 0 every hour ... 5 every minute
    COleDateTime m_dtQuietStart; // times of day on 1899-12-30
    COleDateTime m_dtQuietEnd;
    int m_nQuietType; // "QuietType": 0 speak normally, 1 whisper, 2 stay silent
    BOOL m_bSpeakDate;
    CString m_strPreDate;
    CString m_strPreTime;
    CString m_strPreAlarm;
    CString m_strStartupMsg;
    CString m_strPostTime;
    BOOL m_bAmPm;
    BOOL m_bStartupTime;

    void LoadFrom(const CSettings& settings);
    void SaveTo(CSettings& settings) const;

protected:
    CDateTimeCtrl m_ctlQuietStart;
    CDateTimeCtrl m_ctlQuietEnd;

    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX);
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_SPEAKINGCLOCKOPTIONS_H
