// CAlarmNotifyDlg: the modal notification of a firing alarm, with Remind Later and Silence Alarm.
#ifndef VELMORA_ALARMNOTIFYDLG_H
#define VELMORA_ALARMNOTIFYDLG_H

#include <afxwin.h>
#include <afxdisp.h>

// Whoever stops the alarm sound for the Silence Alarm button (the clock window).
class IAlarmSilencer
{
public:
    virtual ~IAlarmSilencer() {}
    virtual void StopAlarmSound() = 0;
};

class CAlarmNotifyDlg : public CDialog
{
    // Construction
public:
    explicit CAlarmNotifyDlg(IAlarmSilencer* pOwner);

    // Attributes: set before DoModal; m_dtActivation is the result afterwards.
public:
    IAlarmSilencer* m_pOwner;
    BOOL m_bAllowRemindLater;
    COleDateTime m_dtActivation;
    CString m_strTitle;
    CString m_strMessage;
    COleDateTime m_dtNewActivation;

    // The span a Remind Later command adds to the activation; FALSE for any other id.
    static BOOL GetRemindLaterSpan(UINT nID, COleDateTimeSpan& span);
    // Applies a command chosen from the Remind Later menu (0 when none was chosen).
    void ChooseRemindLater(UINT nID);
    // The text with every paragraph longer than nLongParagraph broken into lines no wider than cx
    // as hDC measures them (at spaces where it can, else where the width ends), each line ended
    // with CR LF; shorter paragraphs stay as they are.
    static CString BreakLongParagraphs(HDC hDC, const CString& strText, int cx, int nLongParagraph = 1024);

    // Overrides
public:
    virtual BOOL OnInitDialog();
    virtual void OnOK();

    // Implementation
protected:
    afx_msg void OnRemindLater();
    afx_msg void OnSilenceAlarm();
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_ALARMNOTIFYDLG_H
