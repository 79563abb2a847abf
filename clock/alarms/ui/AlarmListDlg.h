// CAlarmListDlg: the list of alarms, with New, Modify, Delete, Replicate and Run Now.
#ifndef VELMORA_ALARMLISTDLG_H
#define VELMORA_ALARMLISTDLG_H

#include <afxwin.h>
#include <afxdisp.h>

#include <utility>
#include <vector>

class CAlarms;
class CAlarmEngine;
class IAlarmSoundTester;

class CAlarmListDlg : public CDialog
{
public:
    enum
    {
        IDD = 134
    };
    CAlarmListDlg(CAlarmEngine* pEngine, CWnd* pParent);

    CAlarmEngine* m_pEngine;
    IAlarmSoundTester* m_pSoundOwner; // for the Sound page's buttons
    BOOL m_bAgentInstalled;
    int m_nSelected;         // the selected line, -1 for none
    CString m_strTimeFormat; // for the sheet's time picker

    // The line of an alarm: its name, a blank and its long date and time, then, for an alarm that
    // will not ring as it stands, a word that says so.
    static CString FormatLine(const CAlarms& alarm, BOOL bWillRing = TRUE);

    // The actions of the buttons on the alarm the line shows; each refills the list. New adds an
    // alarm only when its sheet ends with OK. Amending or deleting a firing alarm is refused
    // (reported through ReportRefusal).
    void NewAlarm();
    void ModifyAlarm(int nLine);
    void DeleteAlarm(int nLine);
    void ReplicateAlarm(int nLine);
    void RunNow(int nLine);
    // The alarm a line shows, found again by its identity (the array may have changed meanwhile).
    CAlarms* AlarmOfLine(int nLine) const;

    virtual BOOL OnInitDialog();

protected:
    std::vector<std::pair<LONG, LONG>> m_lines; // (id, created time) of each line

    // Runs the sheet on the pages; IDOK or IDCANCEL.
    virtual INT_PTR RunSheet(class CAlarmConfig& sheet);
    virtual void ReportRefusal(LPCTSTR pszText);
    virtual COleDateTime Now() const;

    // The sheet's settings from this dialog and its pages from the alarm.
    void PrepareSheet(class CAlarmConfig& sheet, const CAlarms& alarm) const;
    void FillList();
    void EnableButtons();
    afx_msg void OnSelChange();
    afx_msg void OnDblClk();
    afx_msg void OnNew();
    afx_msg void OnModify();
    afx_msg void OnDelete();
    afx_msg void OnReplicate();
    afx_msg void OnRunNow();
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_ALARMLISTDLG_H
