#include "EditTimezoneDlg.h"

#include "TorvaneDlg.h"
#include "ZoneRules.h"
#include "torvane/resource.h"

BEGIN_MESSAGE_MAP(CEditTimezoneDlg, CDialog)
ON_BN_CLICKED(IDC_USE_DAYLIGHT, OnUseDaylightSaving)
ON_WM_DESTROY()
ON_NOTIFY(DTN_DATETIMECHANGE, IDC_START_TIME, OnDateTimeChange)
ON_NOTIFY(DTN_DATETIMECHANGE, IDC_END_TIME, OnDateTimeChange)
ON_WM_CONTEXTMENU()
END_MESSAGE_MAP()

CEditTimezoneDlg::CEditTimezoneDlg(CWnd* pParent)
    : CDialog(IDD_EDIT_TIMEZONE, pParent), m_pOwner(NULL), m_pZone(NULL), m_bNewZone(FALSE),
      m_nOffsetHours(0), m_nOffsetMinutes(0), m_bUseDaylight(FALSE), m_nDaylightHours(0),
      m_nDaylightMinutes(0)
{
    m_startTime = COleDateTime::GetCurrentTime();
    m_endTime = COleDateTime::GetCurrentTime();
}

void CEditTimezoneDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DAYLIGHT_MINUTES_SPIN, m_spinDaylightMinutes);
    DDX_Control(pDX, IDC_DAYLIGHT_HOURS_SPIN, m_spinDaylightHours);
    DDX_Control(pDX, IDC_END_WEEK, m_cbEndWeek);
    DDX_Control(pDX, IDC_END_MONTH, m_cbEndMonth);
    DDX_Control(pDX, IDC_END_WEEKDAY, m_cbEndWeekday);
    DDX_Control(pDX, IDC_START_MONTH, m_cbStartMonth);
    DDX_Control(pDX, IDC_START_WEEKDAY, m_cbStartWeekday);
    DDX_Control(pDX, IDC_START_WEEK, m_cbStartWeek);
    DDX_Control(pDX, IDC_OFFSET_MINUTES_SPIN, m_spinOffsetMinutes);
    DDX_Control(pDX, IDC_OFFSET_HOURS_SPIN, m_spinOffsetHours);
    DDX_Text(pDX, IDC_OFFSET_HOURS, m_nOffsetHours);
    DDV_MinMaxInt(pDX, m_nOffsetHours, -13, 13);
    DDX_Text(pDX, IDC_OFFSET_MINUTES, m_nOffsetMinutes);
    // Past 59 the minutes would come back as another hour the next time the zone is opened.
    DDV_MinMaxInt(pDX, m_nOffsetMinutes, -59, 59);
    DDX_Check(pDX, IDC_USE_DAYLIGHT, m_bUseDaylight);
    DDX_DateTimeCtrl(pDX, IDC_START_TIME, m_startTime);
    DDX_DateTimeCtrl(pDX, IDC_END_TIME, m_endTime);
    // One unit of each 32-unit zone name field stays for its terminator.
    DDX_Text(pDX, IDC_STANDARD_NAME, m_strStandardName);
    DDV_MaxChars(pDX, m_strStandardName, TORVANE_ZONE_NAME_CHARS);
    DDX_Text(pDX, IDC_DISPLAY_NAME, m_strDisplayName);
    DDV_MaxChars(pDX, m_strDisplayName, 62);
    DDX_Text(pDX, IDC_DAYLIGHT_NAME, m_strDaylightName);
    DDV_MaxChars(pDX, m_strDaylightName, TORVANE_ZONE_NAME_CHARS);
    DDX_Text(pDX, IDC_DAYLIGHT_HOURS, m_nDaylightHours);
    DDV_MinMaxInt(pDX, m_nDaylightHours, -13, 13);
    DDX_Text(pDX, IDC_DAYLIGHT_MINUTES, m_nDaylightMinutes);
    DDV_MinMaxInt(pDX, m_nDaylightMinutes, -59, 59);
}

BOOL CEditTimezoneDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    const TIME_ZONE_INFORMATION& zone = m_pOwner->m_workZone;
    if (m_bUseDaylight)
    {
        m_cbStartWeek.SetCurSel(zone.DaylightDate.wDay - 1);
        m_cbStartWeekday.SetCurSel(zone.DaylightDate.wDayOfWeek);
        m_cbStartMonth.SetCurSel(zone.DaylightDate.wMonth - 1);
        m_startTime.SetDateTime(1899, 12, 30, zone.DaylightDate.wHour, zone.DaylightDate.wMinute,
                                zone.DaylightDate.wSecond);
        m_cbEndWeek.SetCurSel(zone.StandardDate.wDay - 1);
        m_cbEndWeekday.SetCurSel(zone.StandardDate.wDayOfWeek);
        m_cbEndMonth.SetCurSel(zone.StandardDate.wMonth - 1);
        m_endTime.SetDateTime(1899, 12, 30, zone.StandardDate.wHour, zone.StandardDate.wMinute,
                              zone.StandardDate.wSecond);
    }
    else
    {
        m_cbStartWeek.SetCurSel(4);
        m_cbStartWeekday.SetCurSel(0);
        m_cbStartMonth.SetCurSel(2);
        m_startTime.SetDateTime(1899, 12, 30, 2, 0, 0);
        m_cbEndWeek.SetCurSel(4);
        m_cbEndWeekday.SetCurSel(0);
        m_cbEndMonth.SetCurSel(9);
        m_endTime.SetDateTime(1899, 12, 30, 1, 0, 0);
    }
    m_spinOffsetHours.SetRange(-13, 13);
    m_spinDaylightHours.SetRange(-13, 13);
    m_spinOffsetMinutes.SetRange(-59, 59);
    m_spinDaylightMinutes.SetRange(-59, 59);
    UpdateData(FALSE);
    EnableDaylightControls(m_bUseDaylight);
    return TRUE;
}

void CEditTimezoneDlg::EnableDaylightControls(BOOL bEnable)
{
    static const int s_others[] = {IDC_DAYLIGHT_NAME,        IDC_DAYLIGHT_BIAS_LABEL,
                                   IDC_DAYLIGHT_HOURS_LABEL, IDC_DAYLIGHT_MINUTES_LABEL,
                                   IDC_DAYLIGHT_HOURS,       IDC_DAYLIGHT_MINUTES};
    for (int id = IDC_START_DAY_LABEL; id <= IDC_DAYLIGHT_NAME_LABEL; id++)
    {
        CWnd* pControl = GetDlgItem(id);
        if (pControl != NULL)
            pControl->EnableWindow(bEnable);
    }
    for (size_t i = 0; i < sizeof(s_others) / sizeof(s_others[0]); i++)
    {
        CWnd* pControl = GetDlgItem(s_others[i]);
        if (pControl != NULL)
            pControl->EnableWindow(bEnable);
    }
}

void CEditTimezoneDlg::OnUseDaylightSaving()
{
    UpdateData(TRUE);
    EnableDaylightControls(m_bUseDaylight);
}

void CEditTimezoneDlg::OnDestroy()
{
    CDialog::OnDestroy();
}

void CEditTimezoneDlg::OnDateTimeChange(NMHDR* pNMHDR, LRESULT* pResult)
{
    UpdateData(TRUE);
    *pResult = 0;
}

void CEditTimezoneDlg::OnContextMenu(CWnd* pWnd, CPoint point) {}

int CEditTimezoneDlg::RuleIndex(CComboBox& combo)
{
    // The combos take typed text too: a typed entry counts as choosing it.
    int index = combo.GetCurSel();
    if (index == CB_ERR)
    {
        CString text;
        combo.GetWindowText(text);
        if (!text.IsEmpty())
            index = combo.FindStringExact(-1, text);
    }
    return index;
}

void CEditTimezoneDlg::OnOK()
{
    // A blank name would be a row with nothing to read at the top of the list.
    CString strName;
    GetDlgItemText(IDC_DISPLAY_NAME, strName);
    if (IsBlankZoneName(strName))
    {
        AfxMessageBox(_T("Please enter the Timezone Display Name"), MB_ICONEXCLAMATION);
        GotoDlgCtrl(GetDlgItem(IDC_DISPLAY_NAME));
        return;
    }
    // Every row is found by its name: a second zone of the same name could never be selected,
    // edited or deleted. A zone keeps a name it already had, should the file hold it twice.
    BOOL bOwnName = !m_bNewZone && m_pZone != NULL && m_pZone->GetName() == strName;
    if (!bOwnName && m_pOwner != NULL && m_pOwner->IsNameTaken(strName, m_pZone))
    {
        AfxMessageBox(_T("A timezone named \"") + strName +
                          _T("\" is already in the list. Please enter another Timezone Display Name."),
                      MB_ICONEXCLAMATION);
        GotoDlgCtrl(GetDlgItem(IDC_DISPLAY_NAME));
        return;
    }
    // The box itself is the truth: the flag can be stale when an earlier exchange stopped
    // at a refused field before reaching it.
    m_bUseDaylight = IsDlgButtonChecked(IDC_USE_DAYLIGHT) == BST_CHECKED;
    TIME_ZONE_INFORMATION& zone = m_pOwner->m_workZone;
    if (m_bUseDaylight)
    {
        CComboBox* combos[] = {&m_cbStartWeek, &m_cbStartWeekday, &m_cbStartMonth,
                               &m_cbEndWeek,   &m_cbEndWeekday,   &m_cbEndMonth};
        int indexes[6];
        for (int i = 0; i < 6; i++)
        {
            indexes[i] = RuleIndex(*combos[i]);
            if (indexes[i] == CB_ERR)
            {
                AfxMessageBox(
                    _T("Please choose the week, the day and the month of both the start and the end of ")
                    _T("daylight saving time."),
                    MB_ICONEXCLAMATION);
                combos[i]->SetFocus();
                return;
            }
        }
        zone.DaylightDate.wYear = 0;
        zone.DaylightDate.wDay = (WORD)(indexes[0] + 1);
        zone.DaylightDate.wDayOfWeek = (WORD)indexes[1];
        zone.DaylightDate.wMonth = (WORD)(indexes[2] + 1);
        zone.DaylightDate.wHour = (WORD)m_startTime.GetHour();
        zone.DaylightDate.wMinute = (WORD)m_startTime.GetMinute();
        zone.DaylightDate.wSecond = (WORD)m_startTime.GetSecond();
        zone.DaylightDate.wMilliseconds = 0;
        zone.StandardDate.wYear = 0;
        zone.StandardDate.wDay = (WORD)(indexes[3] + 1);
        zone.StandardDate.wDayOfWeek = (WORD)indexes[4];
        zone.StandardDate.wMonth = (WORD)(indexes[5] + 1);
        zone.StandardDate.wHour = (WORD)m_endTime.GetHour();
        zone.StandardDate.wMinute = (WORD)m_endTime.GetMinute();
        zone.StandardDate.wSecond = (WORD)m_endTime.GetSecond();
        zone.StandardDate.wMilliseconds = 0;
    }
    else
    {
        zone.DaylightDate.wMonth = 0;
        zone.StandardDate.wMonth = 0;
    }
    CDialog::OnOK();
}
