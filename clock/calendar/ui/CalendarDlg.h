// CCalendarDlg: the month calendar with the noted days in bold and the diary pane of the shown
// day; CDialogExpander: the button that folds a dialog down to its upper part and back.
#ifndef VELMORA_CALENDARDLG_H
#define VELMORA_CALENDARDLG_H

#include <afxwin.h>
#include <afxdisp.h>
#include <afxdtctl.h>

#include "Diary.h"
#include "resource.h"

class CAlarmEngine;

// What the calendar needs of the window that holds the diary.
class IDiaryHost
{
public:
    virtual ~IDiaryHost() {}
    virtual CDiary& GetDiary() = 0;
    virtual CAlarmEngine& GetDiaryAlarms() = 0;
    // Saves a changed current year, then makes nYear current (a damaged file is reported).
    virtual void SwitchDiaryYear(int nYear) = 0;
    // Writes the year file; failures are reported. FALSE when nothing was written.
    virtual BOOL SaveDiary(int nYear) = 0;
};

class CDialogExpander
{
    // Construction
public:
    CDialogExpander();
    // Remembers the dialog's full size and both captions, hides the two statics and collapses.
    void Attach(CWnd* pDialog, UINT nButton, UINT nMarker, UINT nExpandedCaption);

    // Attributes
public:
    BOOL IsExpanded() const { return m_bExpanded; }

    // Operations
public:
    void Toggle();
    void Expand(BOOL bExpand);

    // Implementation
protected:
    CWnd* m_pDialog;
    UINT m_nButton;
    UINT m_nMarker;
    CRect m_rcFull;
    CString m_strCollapsed;
    CString m_strExpanded;
    BOOL m_bExpanded;
};

class CCalendarDlg : public CDialog
{
    // Construction
public:
    CCalendarDlg(IDiaryHost* pHost, const COleDateTime& dtToday, const CDiaryReminderOptions& options,
                 CWnd* pParent = NULL);

    enum
    {
        IDD = IDD_CALENDAR
    };

    // Attributes
public:
    COleDateTime m_dtShown;
    int m_nShownIndex;
    BOOL m_bShownReminder;

    // Implementation
protected:
    IDiaryHost* m_pHost;
    CDiaryReminderOptions m_options;
    CMonthCalCtrl m_calendar;
    CDialogExpander m_expander;

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    // The close box and Escape: the dialog offers no way to drop a note, so they keep it as OK does.
    virtual void OnCancel();
    // The shown day into the diary, with its reminder.
    void StoreShownDay();
    // The shown day's entry into the controls.
    void ShowDay();
    void UpdateHeading();
    void UpdateBoldDays();
    void EnableReminderControls();

    afx_msg void OnSelChange(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnReminder();
    afx_msg void OnExpand();
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_CALENDARDLG_H
