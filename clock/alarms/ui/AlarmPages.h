// The three pages of an alarm's property sheet: when it comes due and what it shows (Setup), what
// it plays (Sound), and the program or shut-down it starts (Other Actions). The pages hold the
// values of their controls; the sheet moves them to and from the record.
#ifndef VELMORA_ALARMPAGES_H
#define VELMORA_ALARMPAGES_H

#include <afxwin.h>
#include <afxdlgs.h>
#include <afxdisp.h>

// What the Sound page's buttons play and stop through the clock window.
class IAlarmSoundTester
{
public:
    virtual ~IAlarmSoundTester() {}
    virtual void PlayAlarmSound(const CString& strFile) = 0;
    virtual void StopAlarmSound() = 0;
    virtual void PlayCdTrack(int nTrack) = 0;
    virtual void StopMciPlayback() = 0;
};

class CAlarmSetup : public CPropertyPage
{
public:
    enum
    {
        IDD = 8
    };
    CAlarmSetup();

    // Given by the opener.
    CString m_strTimeFormat;       // of the activation time picker; empty for the control's own
    COleDateTimeSpan m_tsInterval; // split into whole days and a time of day on opening
    BOOL m_bAgentInstalled;        // Speak Message is offered only then

    // Control values.
    CString m_strName;
    BOOL m_bEnabled;
    BOOL m_bRemoveOnCompletion;
    BOOL m_bRepeat;
    long m_nIntervalDays;
    COleDateTime m_dtIntervalTime; // a time of day on 1899-12-30
    COleDateTime m_dtDate;
    COleDateTime m_dtTime; // a time of day on 1899-12-30
    BOOL m_bDisplayMessage;
    CString m_strMessage;
    BOOL m_bSpeakMessage;

    // m_nIntervalDays and m_dtIntervalTime from m_tsInterval.
    void SplitInterval();

    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX);

protected:
    void EnableControls();
    afx_msg void OnClickMessage();
    afx_msg void OnClickRepeat();
    DECLARE_MESSAGE_MAP()
};

class CSoundSetup : public CPropertyPage
{
public:
    enum
    {
        IDD = 169
    };
    CSoundSetup();

    IAlarmSoundTester* m_pOwner; // may be NULL: the buttons then do nothing

    BOOL m_bPlaySound;
    CString m_strSoundFile;
    BOOL m_bPlayCdAudio;
    long m_nCdTrack;

    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX);

protected:
    void EnableControls();
    afx_msg void OnClickPlaySound();
    afx_msg void OnClickPlayCd();
    afx_msg void OnBrowse();
    afx_msg void OnTest();
    afx_msg void OnStop();
    afx_msg void OnPlayCd();
    afx_msg void OnStopCd();
    DECLARE_MESSAGE_MAP()
};

class CActionSetup : public CPropertyPage
{
public:
    enum
    {
        IDD = 170
    };
    CActionSetup();

    BOOL m_bRunApplication;
    CString m_strCommandLine;
    BOOL m_bRunMinimised;
    BOOL m_bShutDown;
    int m_nShutDownRadio; // 0 log off, 1 power off, 2 reboot, 3 shut down
    BOOL m_bCloseAll;

    // The radio button of an ExitWindowsEx kind (any unknown kind shows as shut down) and back.
    static int RadioFromKind(LONG nKind);
    static LONG KindFromRadio(int nRadio);

    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX);

protected:
    void EnableControls();
    afx_msg void OnClickRunApplication();
    afx_msg void OnClickShutDown();
    afx_msg void OnBrowse();
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_ALARMPAGES_H
