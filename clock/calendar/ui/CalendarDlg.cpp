// CCalendarDlg and CDialogExpander: the calendar shows the diary's entries; the diary stores them.
#include "CalendarDlg.h"

#include "DiaryEntry.h"

namespace
{
const COLORREF kMonthBackground = 0xBBFFFF;
} // namespace

// ---- Expander ------------------------------------------------------------------------------------

CDialogExpander::CDialogExpander()
    : m_pDialog(NULL), m_nButton(0), m_nMarker(0), m_rcFull(0, 0, 0, 0), m_bExpanded(TRUE)
{
}

void CDialogExpander::Attach(CWnd* pDialog, UINT nButton, UINT nMarker, UINT nExpandedCaption)
{
    m_pDialog = pDialog;
    m_nButton = nButton;
    m_nMarker = nMarker;
    pDialog->GetWindowRect(&m_rcFull);
    pDialog->GetDlgItemText(nButton, m_strCollapsed);
    pDialog->GetDlgItemText(nExpandedCaption, m_strExpanded);
    pDialog->GetDlgItem(nMarker)->ShowWindow(SW_HIDE);
    pDialog->GetDlgItem(nExpandedCaption)->ShowWindow(SW_HIDE);
    Expand(FALSE);
}

void CDialogExpander::Toggle()
{
    Expand(!m_bExpanded);
}

void CDialogExpander::Expand(BOOL bExpand)
{
    if (m_pDialog == NULL)
        return;
    m_bExpanded = bExpand;
    CRect rcNow;
    m_pDialog->GetWindowRect(&rcNow);
    int nHeight = m_rcFull.Height();
    if (!bExpand)
    {
        CRect rcMarker;
        m_pDialog->GetDlgItem(m_nMarker)->GetWindowRect(&rcMarker);
        m_pDialog->ScreenToClient(&rcMarker);
        CRect rcClient;
        m_pDialog->GetClientRect(&rcClient);
        nHeight = rcMarker.bottom + (rcNow.Height() - rcClient.Height());
    }
    m_pDialog->SetWindowPos(NULL, 0, 0, rcNow.Width(), nHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_pDialog->SetDlgItemText(m_nButton, bExpand ? m_strExpanded : m_strCollapsed);
}

// ---- Calendar --------------------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CCalendarDlg, CDialog)
ON_NOTIFY(MCN_SELCHANGE, IDC_CAL_MONTH, OnSelChange)
ON_BN_CLICKED(IDC_CAL_REMINDER, OnReminder)
ON_BN_CLICKED(IDC_CAL_EXPAND, OnExpand)
END_MESSAGE_MAP()

CCalendarDlg::CCalendarDlg(IDiaryHost* pHost, const COleDateTime& dtToday,
                           const CDiaryReminderOptions& options, CWnd* pParent)
    : CDialog(IDD, pParent), m_dtShown(dtToday), m_nShownIndex(CDiary::GetDayIndex(dtToday)),
      m_bShownReminder(FALSE), m_pHost(pHost), m_options(options)
{
}

BOOL CCalendarDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_calendar.SubclassDlgItem(IDC_CAL_MONTH, this);
    m_expander.Attach(this, IDC_CAL_EXPAND, IDC_CAL_MARKER, IDC_CAL_HIDE_TEXT);
    m_calendar.SetColor(MCSC_MONTHBK, kMonthBackground);
    m_calendar.SetCurSel(m_dtShown);
    UpdateBoldDays();
    ShowDay();
    UpdateHeading();
    return TRUE;
}

void CCalendarDlg::UpdateHeading()
{
    SetDlgItemText(IDC_CAL_HEADING, _T("Diary Notes: ") + m_dtShown.Format(_T("%A, %B %d, %Y")));
}

void CCalendarDlg::UpdateBoldDays()
{
    // One state per month the control shows, the partly shown ones included; only months of the
    // diary's year can have bold days.
    COleDateTime dtFirst, dtLast;
    int nMonths = m_calendar.GetMonthRange(dtFirst, dtLast, GMR_DAYSTATE);
    if (nMonths <= 0 || nMonths > 24 || dtFirst.GetStatus() != COleDateTime::valid)
        return;
    MONTHDAYSTATE states[24];
    int nYear = dtFirst.GetYear();
    int nMonth = dtFirst.GetMonth();
    const CDiary& diary = m_pHost->GetDiary();
    for (int i = 0; i < nMonths; i++)
    {
        states[i] = diary.GetBoldDays(nYear, nMonth);
        if (++nMonth > 12)
        {
            nMonth = 1;
            nYear++;
        }
    }
    m_calendar.SetDayState(nMonths, states);
}

void CCalendarDlg::EnableReminderControls()
{
    BOOL bOn = IsDlgButtonChecked(IDC_CAL_REMINDER) && GetDlgItem(IDC_CAL_REMINDER)->IsWindowEnabled();
    const UINT ids[] = {IDC_CAL_REMINDER_DATE, IDC_CAL_REMINDER_TIME, IDC_CAL_REMINDER_LABEL};
    for (UINT id : ids)
        GetDlgItem(id)->EnableWindow(bOn);
}

void CCalendarDlg::ShowDay()
{
    CDiary& diary = m_pHost->GetDiary();
    m_nShownIndex = CDiary::GetDayIndex(m_dtShown);
    // A year whose file could not be read is shown empty and cannot be written to.
    BOOL bWritable = diary.m_nYear == m_dtShown.GetYear();
    const CDiaryEntry* pEntry = bWritable ? diary.GetDiaryEntry(m_nShownIndex) : NULL;
    SetDlgItemText(IDC_CAL_NOTE, pEntry != NULL ? pEntry->m_strText : CString());
    ((CEdit*)GetDlgItem(IDC_CAL_NOTE))->SetReadOnly(!bWritable);
    GetDlgItem(IDC_CAL_REMINDER)->EnableWindow(bWritable);

    COleDateTime dtReminder = m_dtShown;
    m_bShownReminder =
        pEntry != NULL && diary.GetReminder(m_nShownIndex, m_pHost->GetDiaryAlarms(), dtReminder);
    CheckDlgButton(IDC_CAL_REMINDER, m_bShownReminder ? BST_CHECKED : BST_UNCHECKED);
    ((CDateTimeCtrl*)GetDlgItem(IDC_CAL_REMINDER_DATE))->SetTime(dtReminder);
    ((CDateTimeCtrl*)GetDlgItem(IDC_CAL_REMINDER_TIME))->SetTime(dtReminder);
    EnableReminderControls();
}

void CCalendarDlg::StoreShownDay()
{
    CDiary& diary = m_pHost->GetDiary();
    if (diary.m_nYear != m_dtShown.GetYear())
        return;
    CString strText;
    GetDlgItemText(IDC_CAL_NOTE, strText);
    BOOL bReminder = IsDlgButtonChecked(IDC_CAL_REMINDER);
    COleDateTime dtDate, dtTime;
    ((CDateTimeCtrl*)GetDlgItem(IDC_CAL_REMINDER_DATE))->GetTime(dtDate);
    ((CDateTimeCtrl*)GetDlgItem(IDC_CAL_REMINDER_TIME))->GetTime(dtTime);
    COleDateTime dtReminder;
    dtReminder.SetDateTime(dtDate.GetYear(), dtDate.GetMonth(), dtDate.GetDay(), dtTime.GetHour(),
                           dtTime.GetMinute(), dtTime.GetSecond());
    diary.StoreDay(m_nShownIndex, strText, bReminder, dtReminder, m_pHost->GetDiaryAlarms(), m_options);
}

void CCalendarDlg::OnSelChange(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    const NMSELCHANGE* pChange = (const NMSELCHANGE*)pNMHDR;
    COleDateTime dtNew(pChange->stSelStart.wYear, pChange->stSelStart.wMonth, pChange->stSelStart.wDay, 0, 0,
                       0);
    if (dtNew.GetStatus() != COleDateTime::valid || CDiary::GetDayIndex(dtNew) == 0)
        return;
    if (dtNew.GetYear() == m_dtShown.GetYear() && dtNew.GetMonth() == m_dtShown.GetMonth() &&
        dtNew.GetDay() == m_dtShown.GetDay())
        return;
    StoreShownDay();
    m_dtShown = dtNew;
    if (m_pHost->GetDiary().m_nYear != dtNew.GetYear())
        m_pHost->SwitchDiaryYear(dtNew.GetYear());
    ShowDay();
    UpdateHeading();
    UpdateBoldDays();
    if (!m_expander.IsExpanded())
        m_expander.Expand(TRUE);
}

void CCalendarDlg::OnReminder()
{
    EnableReminderControls();
}

void CCalendarDlg::OnExpand()
{
    m_expander.Toggle();
}

void CCalendarDlg::OnOK()
{
    StoreShownDay();
    // Saving leaves no year current: the shown year is read back for the display.
    int nYear = m_pHost->GetDiary().m_nYear;
    if (nYear >= 0 && m_pHost->SaveDiary(nYear) && nYear == m_dtShown.GetYear())
        m_pHost->SwitchDiaryYear(nYear);
    ShowDay();
    CDialog::OnOK();
}

void CCalendarDlg::OnCancel()
{
    OnOK();
}
