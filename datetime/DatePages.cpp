#include "DatePages.h"

namespace
{
struct FormLabel
{
    int form;
    UINT nID;
    LPCTSTR text;
};

// Item order of the form combo.
const FormLabel s_formLabels[] = {
    {DATEFORM_DAY_OF_MONTH, IDS_FORM_DAY_OF_MONTH, _T("Day of month")},
    {DATEFORM_DAY_OF_YEAR, IDS_FORM_DAY_OF_YEAR, _T("Day of year")},
    {DATEFORM_WEEK_OF_MONTH, IDS_FORM_WEEK_OF_MONTH, _T("Week of month")},
    {DATEFORM_WEEK_OF_YEAR, IDS_FORM_WEEK_OF_YEAR, _T("Week of year")},
    {DATEFORM_JULIAN_DAY, IDS_FORM_JULIAN_DAY, _T("Julian day")},
};

void ExchangeInt(CDataExchange* pDX, int nIDC, int& value, int nMin, int nMax)
{
    DDX_Text(pDX, nIDC, value);
    DDV_MinMaxInt(pDX, value, nMin, nMax);
}
} // namespace

void AFXAPI DDX_CBItemData(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hCombo = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        int index = (int)::SendMessage(hCombo, CB_GETCURSEL, 0, 0);
        value = index == CB_ERR ? -1 : (int)::SendMessage(hCombo, CB_GETITEMDATA, index, 0);
        return;
    }
    int count = (int)::SendMessage(hCombo, CB_GETCOUNT, 0, 0);
    int found = -1;
    for (int i = 0; i < count && found < 0; i++)
        if ((int)::SendMessage(hCombo, CB_GETITEMDATA, i, 0) == value)
            found = i;
    ::SendMessage(hCombo, CB_SETCURSEL, (WPARAM)found, 0);
}

// ---------------------------------------------------------------- CDatePropertyPage

IMPLEMENT_DYNAMIC(CDatePropertyPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CDatePropertyPage, CPropertyPage)
ON_CBN_SELCHANGE(IDC_DATE_FORM, OnSelchangeForm)
END_MESSAGE_MAP()

CDatePropertyPage::CDatePropertyPage(UINT nIDTemplate)
    : CPropertyPage(nIDTemplate), m_dwHideMask(0), m_date(CDate::FirstDayOfCurrentYear(CAL_REFORM)),
      m_bNone(FALSE)
{
    memset(&m_fields, 0, sizeof(m_fields));
}

BOOL CDatePropertyPage::OnInitDialog()
{
    CComboBox* pForms = (CComboBox*)GetDlgItem(IDC_DATE_FORM);
    if (pForms != NULL && GetForm() >= 0)
    {
        pForms->ResetContent();
        int offered = 0;
        for (size_t i = 0; i < sizeof(s_formLabels) / sizeof(s_formLabels[0]); i++)
        {
            const FormLabel& label = s_formLabels[i];
            if ((m_dwHideMask & (1u << label.form)) != 0 && label.form != GetForm())
                continue;
            int item = pForms->AddString(CDate::LoadResourceText(label.nID, label.text));
            pForms->SetItemData(item, (DWORD_PTR)label.form);
            if (label.form == GetForm())
                pForms->SetCurSel(item);
            offered++;
        }
        if (offered <= 1)
        {
            pForms->ShowWindow(SW_HIDE);
            CWnd* pLabel = GetDlgItem(IDC_DATE_FORM_LABEL);
            if (pLabel != NULL)
                pLabel->ShowWindow(SW_HIDE);
        }
    }
    return CPropertyPage::OnInitDialog();
}

void CDatePropertyPage::OnSelchangeForm()
{
    CComboBox* pForms = (CComboBox*)GetDlgItem(IDC_DATE_FORM);
    int item = pForms->GetCurSel();
    if (item == CB_ERR)
        return;
    int form = (int)pForms->GetItemData(item);
    if (form != GetForm() && form >= 0 && form < DATEFORM_COUNT)
        GetParent()->PostMessage(WM_COMMAND, MAKEWPARAM(ID_DATE_FORM_FIRST + form, 0), 0);
}

void CDatePropertyPage::SplitShownDate()
{
    m_bNone = !m_date.IsValid();
    if (!CDateForms::Split(m_date, m_fields))
        CDateForms::Split(CDate::FirstDayOfCurrentYear(m_date.GetCalendar()), m_fields);
}

void CDatePropertyPage::StoreDate(CDataExchange* pDX, int nIDFocus)
{
    if (m_bNone)
    {
        m_date.SetInvalid();
        return;
    }
    CDate date;
    if (!CDateForms::Join(GetForm(), m_fields, m_date.GetCalendar(), date))
    {
        pDX->PrepareEditCtrl(nIDFocus);
        AfxMessageBox(_T("The fields name no day of this calendar."), MB_ICONEXCLAMATION);
        pDX->Fail();
    }
    m_date = date;
}

void CDatePropertyPage::FillMonths(int nIDC)
{
    CComboBox* pCombo = (CComboBox*)GetDlgItem(nIDC);
    if (pCombo == NULL)
        return;
    pCombo->ResetContent();
    for (WORD month = 1; month <= 12; month++)
        pCombo->SetItemData(pCombo->AddString(CDate::GetMonthName(month, FALSE)), month);
}

void CDatePropertyPage::FillWeekdays(int nIDC)
{
    CComboBox* pCombo = (CComboBox*)GetDlgItem(nIDC);
    if (pCombo == NULL)
        return;
    pCombo->ResetContent();
    for (WORD day = 1; day <= 7; day++)
        pCombo->SetItemData(pCombo->AddString(CDate::GetDayName(day, FALSE)), day);
}

void CDatePropertyPage::SetSpinRange(int nIDC, int nLower, int nUpper)
{
    CWnd* pSpin = GetDlgItem(nIDC);
    if (pSpin != NULL)
        pSpin->SendMessage(UDM_SETRANGE32, (WPARAM)nLower, (LPARAM)nUpper);
}

// ---------------------------------------------------------------- date pages

BEGIN_MESSAGE_MAP(CCDateDOMPage, CDatePropertyPage)
ON_CBN_SELCHANGE(IDC_DATE_MONTH, OnSelchangeMonth)
END_MESSAGE_MAP()

CCDateDOMPage::CCDateDOMPage() : CDatePropertyPage(IDD_DATE_DOM_PAGE) {}

BOOL CCDateDOMPage::OnInitDialog()
{
    FillMonths(IDC_DATE_MONTH);
    BOOL bResult = CDatePropertyPage::OnInitDialog();
    UpdateDayRange();
    return bResult;
}

void CCDateDOMPage::UpdateDayRange()
{
    CComboBox* pMonth = (CComboBox*)GetDlgItem(IDC_DATE_MONTH);
    int item = pMonth->GetCurSel();
    WORD month = item == CB_ERR ? 1 : (WORD)pMonth->GetItemData(item);
    BOOL bOk = FALSE;
    LONG year = (LONG)GetDlgItemInt(IDC_DATE_YEAR, &bOk, TRUE);
    if (!bOk)
        year = m_fields.year;
    SetSpinRange(IDC_DATE_NUMBER_SPIN, 1,
                 CDate::DaysInMonth(month, CDate::IsLeapYear(year, m_date.GetCalendar())));
}

void CCDateDOMPage::OnSelchangeMonth()
{
    UpdateDayRange();
}

void CCDateDOMPage::DoDataExchange(CDataExchange* pDX)
{
    CDatePropertyPage::DoDataExchange(pDX);
    if (!pDX->m_bSaveAndValidate)
        SplitShownDate();
    int day = m_fields.day, month = m_fields.month;
    DDX_Check(pDX, IDC_DATE_NONE, m_bNone);
    DDX_Text(pDX, IDC_DATE_NUMBER, day);
    DDX_CBItemData(pDX, IDC_DATE_MONTH, month);
    DDX_Text(pDX, IDC_DATE_YEAR, m_fields.year);
    if (pDX->m_bSaveAndValidate)
    {
        m_fields.day = (WORD)(day < 0 || day > 0xFFFF ? 0 : day);
        m_fields.month = (WORD)(month < 0 ? 0 : month);
        StoreDate(pDX, IDC_DATE_NUMBER);
    }
}

CCDateDOYPage::CCDateDOYPage() : CDatePropertyPage(IDD_DATE_DOY_PAGE) {}

BOOL CCDateDOYPage::OnInitDialog()
{
    BOOL bResult = CDatePropertyPage::OnInitDialog();
    SetSpinRange(IDC_DATE_NUMBER_SPIN, 1, CDate::DaysInYear(m_fields.year, m_date.GetCalendar()));
    return bResult;
}

void CCDateDOYPage::DoDataExchange(CDataExchange* pDX)
{
    CDatePropertyPage::DoDataExchange(pDX);
    if (!pDX->m_bSaveAndValidate)
        SplitShownDate();
    int dayOfYear = m_fields.dayOfYear;
    DDX_Check(pDX, IDC_DATE_NONE, m_bNone);
    DDX_Text(pDX, IDC_DATE_YEAR, m_fields.year);
    DDX_Text(pDX, IDC_DATE_NUMBER, dayOfYear);
    if (pDX->m_bSaveAndValidate)
    {
        if (!m_bNone)
            DDV_MinMaxInt(pDX, dayOfYear, 1, CDate::DaysInYear(m_fields.year, m_date.GetCalendar()));
        m_fields.dayOfYear = (WORD)dayOfYear;
        StoreDate(pDX, IDC_DATE_NUMBER);
    }
}

CCDateWOMPage::CCDateWOMPage() : CDatePropertyPage(IDD_DATE_WOM_PAGE) {}

BOOL CCDateWOMPage::OnInitDialog()
{
    static const LPCTSTR s_weeks[] = {_T("First"), _T("Second"), _T("Third"), _T("Fourth"), _T("Last")};
    CComboBox* pWeek = (CComboBox*)GetDlgItem(IDC_DATE_MONTH);
    if (pWeek != NULL)
    {
        pWeek->ResetContent();
        for (int week = 1; week <= 5; week++)
            pWeek->SetItemData(
                pWeek->AddString(CDate::LoadResourceText(IDS_WEEK_FIRST + week - 1, s_weeks[week - 1])),
                week);
    }
    FillWeekdays(IDC_DATE_WEEKDAY);
    FillMonths(IDC_DATE_WEEK);
    return CDatePropertyPage::OnInitDialog();
}

void CCDateWOMPage::DoDataExchange(CDataExchange* pDX)
{
    CDatePropertyPage::DoDataExchange(pDX);
    if (!pDX->m_bSaveAndValidate)
        SplitShownDate();
    int week = m_fields.week, dayOfWeek = m_fields.dayOfWeek, month = m_fields.month;
    DDX_Check(pDX, IDC_DATE_NONE, m_bNone);
    DDX_CBItemData(pDX, IDC_DATE_MONTH, week);
    DDX_CBItemData(pDX, IDC_DATE_WEEKDAY, dayOfWeek);
    DDX_CBItemData(pDX, IDC_DATE_WEEK, month);
    DDX_Text(pDX, IDC_DATE_YEAR, m_fields.year);
    if (pDX->m_bSaveAndValidate)
    {
        m_fields.week = (WORD)(week < 0 ? 0 : week);
        m_fields.dayOfWeek = (WORD)(dayOfWeek < 0 ? 0 : dayOfWeek);
        m_fields.month = (WORD)(month < 0 ? 0 : month);
        StoreDate(pDX, IDC_DATE_MONTH);
    }
}

CCDateWOYPage::CCDateWOYPage() : CDatePropertyPage(IDD_DATE_WOY_PAGE) {}

BOOL CCDateWOYPage::OnInitDialog()
{
    FillWeekdays(IDC_DATE_WEEKDAY);
    BOOL bResult = CDatePropertyPage::OnInitDialog();
    SetSpinRange(IDC_DATE_NUMBER_SPIN, 1, 53);
    return bResult;
}

void CCDateWOYPage::DoDataExchange(CDataExchange* pDX)
{
    CDatePropertyPage::DoDataExchange(pDX);
    if (!pDX->m_bSaveAndValidate)
        SplitShownDate();
    int weekOfYear = m_fields.weekOfYear, dayOfWeek = m_fields.dayOfWeek;
    DDX_Check(pDX, IDC_DATE_NONE, m_bNone);
    DDX_Text(pDX, IDC_DATE_WEEK, weekOfYear);
    // Week 0 is allowed: the days of January before week 1 are shown as week 0.
    if (pDX->m_bSaveAndValidate && !m_bNone)
        DDV_MinMaxInt(pDX, weekOfYear, 0, 53);
    DDX_CBItemData(pDX, IDC_DATE_WEEKDAY, dayOfWeek);
    DDX_Text(pDX, IDC_DATE_YEAR, m_fields.year);
    if (pDX->m_bSaveAndValidate)
    {
        m_fields.weekOfYear = (WORD)weekOfYear;
        m_fields.dayOfWeek = (WORD)(dayOfWeek < 0 ? 0 : dayOfWeek);
        StoreDate(pDX, IDC_DATE_WEEK);
    }
}

CCDateJulPage::CCDateJulPage() : CDatePropertyPage(IDD_DATE_JULIAN_PAGE) {}

void CCDateJulPage::DoDataExchange(CDataExchange* pDX)
{
    CDatePropertyPage::DoDataExchange(pDX);
    if (!pDX->m_bSaveAndValidate)
        SplitShownDate();
    DDX_Check(pDX, IDC_DATE_NONE, m_bNone);
    DDX_Text(pDX, IDC_DATE_NUMBER, m_fields.julianDay);
    if (pDX->m_bSaveAndValidate)
        StoreDate(pDX, IDC_DATE_NUMBER);
}

// ---------------------------------------------------------------- time pages

CCLTimeOfDayHMSMPage::CCLTimeOfDayHMSMPage()
    : CDatePropertyPage(IDD_TIMEOFDAY_PAGE), m_time(CLTimeOfDay::Midnight())
{
}

BOOL CCLTimeOfDayHMSMPage::OnInitDialog()
{
    BOOL bResult = CDatePropertyPage::OnInitDialog();
    SetSpinRange(IDC_HOURS_SPIN, 0, 23);
    SetSpinRange(IDC_MINUTES_SPIN, 0, 59);
    SetSpinRange(IDC_SECONDS_SPIN, 0, 59);
    return bResult;
}

void CCLTimeOfDayHMSMPage::DoDataExchange(CDataExchange* pDX)
{
    CDatePropertyPage::DoDataExchange(pDX);
    BOOL bNone = !m_time.IsValid();
    int hours = bNone ? 0 : m_time.GetHour(), minutes = bNone ? 0 : m_time.GetMinute(),
        seconds = bNone ? 0 : m_time.GetSecond();
    DDX_Check(pDX, IDC_DATE_NONE, bNone);
    if (pDX->m_bSaveAndValidate && bNone)
    {
        m_time.SetInvalid();
        return;
    }
    ExchangeInt(pDX, IDC_HOURS, hours, 0, 23);
    ExchangeInt(pDX, IDC_MINUTES, minutes, 0, 59);
    ExchangeInt(pDX, IDC_SECONDS, seconds, 0, 59);
    if (pDX->m_bSaveAndValidate)
        m_time.Set((WORD)hours, (WORD)minutes, (WORD)seconds);
}

CCLTimeSpanDHMSMPage::CCLTimeSpanDHMSMPage() : CDatePropertyPage(IDD_TIMESPAN_PAGE), m_span((LONGLONG)0) {}

BOOL CCLTimeSpanDHMSMPage::OnInitDialog()
{
    BOOL bResult = CDatePropertyPage::OnInitDialog();
    SetSpinRange(IDC_DAYS_SPIN, 0, 0x7FFFFFFF);
    SetSpinRange(IDC_HOURS_SPIN, 0, 23);
    SetSpinRange(IDC_MINUTES_SPIN, 0, 59);
    SetSpinRange(IDC_SECONDS_SPIN, 0, 59);
    return bResult;
}

void CCLTimeSpanDHMSMPage::DoDataExchange(CDataExchange* pDX)
{
    CDatePropertyPage::DoDataExchange(pDX);
    BOOL bNone = !m_span.IsValid();
    long days = bNone ? 0 : m_span.GetTotalDays();
    int hours = bNone ? 0 : m_span.GetHours(), minutes = bNone ? 0 : m_span.GetMinutes(),
        seconds = bNone ? 0 : m_span.GetSeconds();
    DDX_Check(pDX, IDC_DATE_NONE, bNone);
    if (pDX->m_bSaveAndValidate && bNone)
    {
        m_span.SetInvalid();
        return;
    }
    DDX_Text(pDX, IDC_DATE_NUMBER, days);
    ExchangeInt(pDX, IDC_HOURS, hours, 0, 23);
    ExchangeInt(pDX, IDC_MINUTES, minutes, 0, 59);
    ExchangeInt(pDX, IDC_SECONDS, seconds, 0, 59);
    if (pDX->m_bSaveAndValidate)
        m_span.Set((LONG)days, (WORD)hours, (WORD)minutes, (WORD)seconds);
}

CTimeFramePage::CTimeFramePage() : CDatePropertyPage(IDD_TIMEFRAME_PAGE), m_nFrame(TIMEFRAME_LOCAL) {}

BOOL CTimeFramePage::OnInitDialog()
{
    static const struct
    {
        int frame;
        UINT nID;
        LPCTSTR text;
    } s_frames[] = {
        {TIMEFRAME_LOCAL, IDS_TIMEFRAME_LOCAL, _T("Local time")},
        {TIMEFRAME_UNIVERSAL, IDS_TIMEFRAME_UNIVERSAL, _T("Universal time")},
        {TIMEFRAME_DYNAMICAL, IDS_TIMEFRAME_DYNAMICAL, _T("Dynamical time")},
    };
    CComboBox* pCombo = (CComboBox*)GetDlgItem(IDC_DATE_MONTH);
    if (pCombo != NULL)
    {
        pCombo->ResetContent();
        for (size_t i = 0; i < sizeof(s_frames) / sizeof(s_frames[0]); i++)
            pCombo->SetItemData(pCombo->AddString(CDate::LoadResourceText(s_frames[i].nID, s_frames[i].text)),
                                (DWORD_PTR)s_frames[i].frame);
    }
    return CDatePropertyPage::OnInitDialog();
}

void CTimeFramePage::DoDataExchange(CDataExchange* pDX)
{
    CDatePropertyPage::DoDataExchange(pDX);
    int frame = m_nFrame;
    DDX_CBItemData(pDX, IDC_DATE_MONTH, frame);
    if (pDX->m_bSaveAndValidate && frame >= 0)
        m_nFrame = frame;
}
