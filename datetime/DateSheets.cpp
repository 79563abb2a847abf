#include "DateSheets.h"

IMPLEMENT_DYNAMIC(CDatePropertySheet, CPropertySheet)

CDatePropertySheet::CDatePropertySheet(UINT nIDCaption, CWnd* pParentWnd, DWORD dwExtra)
    : CPropertySheet(nIDCaption, pParentWnd), m_dwExtra(dwExtra)
{
}

CDatePropertySheet::CDatePropertySheet(LPCTSTR lpszCaption, CWnd* pParentWnd, DWORD dwExtra)
    : CPropertySheet(lpszCaption, pParentWnd), m_dwExtra(dwExtra)
{
}

// ---------------------------------------------------------------- CDateFormSheet

BEGIN_MESSAGE_MAP(CDateFormSheet, CDatePropertySheet)
ON_COMMAND_RANGE(ID_DATE_FORM_FIRST, ID_DATE_FORM_LAST, OnSwitchForm)
END_MESSAGE_MAP()

CDateFormSheet::CDateFormSheet(UINT nIDCaption, CWnd* pParentWnd, DWORD dwExtra)
    : CDatePropertySheet(nIDCaption, pParentWnd, dwExtra), m_nForm(DATEFORM_DAY_OF_MONTH)
{
    m_pDatePages[DATEFORM_DAY_OF_MONTH] = new CCDateDOMPage;
    m_pDatePages[DATEFORM_DAY_OF_YEAR] = new CCDateDOYPage;
    m_pDatePages[DATEFORM_WEEK_OF_MONTH] = new CCDateWOMPage;
    m_pDatePages[DATEFORM_WEEK_OF_YEAR] = new CCDateWOYPage;
    m_pDatePages[DATEFORM_JULIAN_DAY] = new CCDateJulPage;
    DWORD dwHide = dwExtra & DATESHEET_HIDE_MASK;
    // With every form hidden the sheet still needs one date page: the day of the month.
    if (dwHide == DATESHEET_HIDE_MASK)
        dwHide &= ~(1u << DATEFORM_DAY_OF_MONTH);
    for (int form = 0; form < DATEFORM_COUNT; form++)
        m_pDatePages[form]->m_dwHideMask = dwHide;
    while ((dwHide & (1u << m_nForm)) != 0)
        m_nForm++;
}

CDateFormSheet::~CDateFormSheet()
{
    for (int form = 0; form < DATEFORM_COUNT; form++)
        delete m_pDatePages[form];
}

void CDateFormSheet::SetDate(const CDate& date)
{
    for (int form = 0; form < DATEFORM_COUNT; form++)
        m_pDatePages[form]->m_date = date;
}

CDate CDateFormSheet::GetDate() const
{
    return m_pDatePages[m_nForm]->m_date;
}

void CDateFormSheet::BuildPages()
{
    AddPage(m_pDatePages[m_nForm]);
    AddOtherPages();
}

void CDateFormSheet::OnSwitchForm(UINT nID)
{
    SwitchForm((int)(nID - ID_DATE_FORM_FIRST));
}

BOOL CDateFormSheet::SwitchForm(int form)
{
    if (form < 0 || form >= DATEFORM_COUNT || (m_pDatePages[m_nForm]->m_dwHideMask & (1u << form)) != 0)
        return FALSE;
    if (form == m_nForm)
        return TRUE;
    CDatePropertyPage* pOld = m_pDatePages[m_nForm];
    CDatePropertyPage* pNew = m_pDatePages[form];
    if (pOld->GetSafeHwnd() != NULL && !pOld->UpdateData(TRUE))
        return FALSE;
    pNew->m_date = pOld->m_date;

    if (GetSafeHwnd() == NULL)
    {
        while (GetPageCount() > 0)
            RemovePage(0);
        m_nForm = form;
        BuildPages();
        return TRUE;
    }

    // The new page goes in before the others leave, so the sheet never runs out of pages.
    SetRedraw(FALSE);
    AddPage(pNew);
    SetActivePage(pNew);
    while (GetPageCount() > 1)
        RemovePage(GetPage(0) == pNew ? 1 : 0);
    m_nForm = form;
    AddOtherPages();
    SetActivePage(0);
    SetRedraw(TRUE);
    Invalidate();
    return TRUE;
}

// ---------------------------------------------------------------- the sheets

CCDateSheet::CCDateSheet(const CDate& date, UINT nIDCaption, CWnd* pParentWnd, DWORD dwExtra)
    : CDateFormSheet(nIDCaption, pParentWnd, dwExtra)
{
    SetDate(date);
    BuildPages();
}

CCLDateSheet::CCLDateSheet(const CLDate& date, UINT nIDCaption, CWnd* pParentWnd, DWORD dwExtra)
    : CDateFormSheet(nIDCaption, pParentWnd, dwExtra)
{
    if (date.IsValid())
    {
        SetDate(date.GetDate());
        m_timePage.m_time = date.GetTimeOfDay();
        m_framePage.m_nFrame = date.GetTimeFrame();
    }
    else
    {
        CDate none;
        none.SetInvalid();
        SetDate(none);
        m_timePage.m_time.SetInvalid();
    }
    BuildPages();
}

void CCLDateSheet::AddOtherPages()
{
    AddPage(&m_timePage);
    if (m_dwExtra & DATESHEET_OFFER_FRAME)
        AddPage(&m_framePage);
}

CLDate CCLDateSheet::GetLDate() const
{
    CDate date = GetDate();
    if (!date.IsValid() || !m_timePage.m_time.IsValid())
    {
        CLDate none;
        none.SetInvalid();
        return none;
    }
    return CLDate(date, m_timePage.m_time, m_framePage.m_nFrame);
}

CCLTimeOfDaySheet::CCLTimeOfDaySheet(const CLTimeOfDay& time, UINT nIDCaption, CWnd* pParentWnd)
    : CDatePropertySheet(nIDCaption, pParentWnd, 0)
{
    m_page.m_time = time;
    AddPage(&m_page);
}

CCLTimeSpanSheet::CCLTimeSpanSheet(const CLTimeSpan& span, UINT nIDCaption, CWnd* pParentWnd)
    : CDatePropertySheet(nIDCaption, pParentWnd, 0)
{
    m_page.m_span = span;
    AddPage(&m_page);
}
