// CEventTimerDlg: makes and changes a countdown or event timer; CTimerFormatDlg: a timer's colours
// and font.
#ifndef VELMORA_EVENTTIMERDLG_H
#define VELMORA_EVENTTIMERDLG_H

#include <afxwin.h>
#include <afxdisp.h>

#include "resource.h"

class CClock;
class IAlarmActions;
class IAlarmSilencer;

class CEventTimerDlg : public CDialog
{
    // Construction
public:
    // The sound buttons play through pSound and stop through pSilencer (the clock window).
    CEventTimerDlg(IAlarmActions* pSound, IAlarmSilencer* pSilencer, CWnd* pParent = NULL);

    enum
    {
        IDD = IDD_EVENT_TIMER
    };

    // Attributes
public:
    CString m_strEventPicture; // the event-time picker's format; empty for the control's own
    int m_nKind;               // 0 countdown, 1 event timer, -1 none
    COleDateTime m_dtCountdown;
    COleDateTime m_dtEventDate;
    COleDateTime m_dtEventTime;
    BOOL m_bDisplayMessage;
    BOOL m_bPlaySound;
    CString m_strMessage;
    CString m_strSoundFile;
    CString m_strTimerName;
    BOOL m_bSpeakMessage;
    int m_nStartup;         // 0 reset and stop, 1 pause, 2 update and continue
    BOOL m_bAgentInstalled; // Speak Message is offered only then

    // Operations
public:
    // The values from a timer record.
    void LoadFrom(const CClock& timer);
    // The values into the record, as OK stores them; dtNow is the local time a countdown starts
    // from.
    void StoreTo(CClock& timer, const COleDateTime& dtNow) const;

    // Implementation
protected:
    IAlarmActions* m_pSound;
    IAlarmSilencer* m_pSilencer;

    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX);
    void UpdateMessageRule();
    void UpdateSoundRule();
    void UpdateKindRule();

    afx_msg void OnMessageChecks();
    afx_msg void OnPlaySound();
    afx_msg void OnKind();
    afx_msg void OnBrowse();
    afx_msg void OnTestSound();
    afx_msg void OnStopSound();
    DECLARE_MESSAGE_MAP()
};

class CTimerFormatDlg : public CDialog
{
    // Construction
public:
    CTimerFormatDlg(COLORREF crBackground, COLORREF crText, const LOGFONT& lfFont, CWnd* pParent = NULL);

    enum
    {
        IDD = IDD_TIMER_FORMAT
    };

    // Attributes: what the caller copies back on OK.
public:
    COLORREF m_crBackground;
    COLORREF m_crText;
    LOGFONT m_lfFont;

    // Implementation
protected:
    afx_msg void OnBackground();
    afx_msg void OnTextColour();
    afx_msg void OnFont();
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_EVENTTIMERDLG_H
