// Date and time picker and month calendar. Values cross the controls as
// SYSTEMTIME; a value that cannot be shown (invalid or null) is the picker's "no date".
#include "AfxDateTimeCtrl.h"

IMPLEMENT_DYNAMIC(CDateTimeCtrl, CWnd)
IMPLEMENT_DYNAMIC(CMonthCalCtrl, CWnd)

namespace
{

void InitDateControls()
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_DATE_CLASSES};
    ::InitCommonControlsEx(&icc);
}

// A calendar day carries no time of day: the control leaves those fields undefined.
void DropTimeOfDay(SYSTEMTIME& st)
{
    st.wHour = st.wMinute = st.wSecond = st.wMilliseconds = 0;
}

BOOL PickerGet(HWND hWnd, COleDateTime& value)
{
    SYSTEMTIME st;
    memset(&st, 0, sizeof(st));
    LRESULT r = ::SendMessage(hWnd, DTM_GETSYSTEMTIME, 0, (LPARAM)&st);
    if (r == GDT_VALID)
    {
        value = COleDateTime(st);
        return TRUE;
    }
    if (r == GDT_NONE)
    {
        value.SetStatus(COleDateTime::null);
        return TRUE;
    }
    value.SetStatus(COleDateTime::invalid);
    return FALSE;
}

BOOL PickerSet(HWND hWnd, const COleDateTime& value)
{
    SYSTEMTIME st;
    memset(&st, 0, sizeof(st));
    if (value.GetStatus() == COleDateTime::valid && value.GetAsSystemTime(st))
        return (BOOL)::SendMessage(hWnd, DTM_SETSYSTEMTIME, GDT_VALID, (LPARAM)&st);
    return (BOOL)::SendMessage(hWnd, DTM_SETSYSTEMTIME, GDT_NONE, 0);
}

DWORD PickerGet(HWND hWnd, CTime& value)
{
    SYSTEMTIME st;
    memset(&st, 0, sizeof(st));
    DWORD r = (DWORD)::SendMessage(hWnd, DTM_GETSYSTEMTIME, 0, (LPARAM)&st);
    if (r == GDT_VALID)
        value = CTime(st);
    return r;
}

BOOL PickerSet(HWND hWnd, const CTime* pValue)
{
    SYSTEMTIME st;
    memset(&st, 0, sizeof(st));
    if (pValue != NULL && pValue->GetAsSystemTime(st))
        return (BOOL)::SendMessage(hWnd, DTM_SETSYSTEMTIME, GDT_VALID, (LPARAM)&st);
    return (BOOL)::SendMessage(hWnd, DTM_SETSYSTEMTIME, GDT_NONE, 0);
}

// Fills the two-element range of DTM_SETRANGE / MCM_SETRANGE and answers which ends are set.
DWORD RangeToSystemTimes(const COleDateTime* pMin, const COleDateTime* pMax, SYSTEMTIME st[2])
{
    memset(st, 0, 2 * sizeof(SYSTEMTIME));
    DWORD flags = 0;
    if (pMin != NULL && pMin->GetStatus() == COleDateTime::valid && pMin->GetAsSystemTime(st[0]))
        flags |= GDTR_MIN;
    if (pMax != NULL && pMax->GetStatus() == COleDateTime::valid && pMax->GetAsSystemTime(st[1]))
        flags |= GDTR_MAX;
    return flags;
}

DWORD RangeToSystemTimes(const CTime* pMin, const CTime* pMax, SYSTEMTIME st[2])
{
    memset(st, 0, 2 * sizeof(SYSTEMTIME));
    DWORD flags = 0;
    if (pMin != NULL && pMin->GetAsSystemTime(st[0]))
        flags |= GDTR_MIN;
    if (pMax != NULL && pMax->GetAsSystemTime(st[1]))
        flags |= GDTR_MAX;
    return flags;
}

void RangeFromSystemTimes(DWORD flags, const SYSTEMTIME st[2], COleDateTime* pMin, COleDateTime* pMax)
{
    if (pMin != NULL)
    {
        if (flags & GDTR_MIN)
            *pMin = COleDateTime(st[0]);
        else
            pMin->SetStatus(COleDateTime::null);
    }
    if (pMax != NULL)
    {
        if (flags & GDTR_MAX)
            *pMax = COleDateTime(st[1]);
        else
            pMax->SetStatus(COleDateTime::null);
    }
}

} // namespace

/////////////////////////////////////////////////////////////////////////////
// CDateTimeCtrl

CDateTimeCtrl::~CDateTimeCtrl()
{
    DestroyWindow();
}

BOOL CDateTimeCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    InitDateControls();
    return CWnd::Create(DATETIMEPICK_CLASS, NULL, dwStyle, rect, pParentWnd, nID);
}

CMonthCalCtrl* CDateTimeCtrl::GetMonthCalCtrl() const
{
    // Only while the calendar is dropped down; a temporary object otherwise unknown here.
    return (CMonthCalCtrl*)CWnd::FromHandle((HWND)::SendMessage(m_hWnd, DTM_GETMONTHCAL, 0, 0));
}

BOOL CDateTimeCtrl::SetRange(const COleDateTime* pMinRange, const COleDateTime* pMaxRange)
{
    SYSTEMTIME st[2];
    DWORD flags = RangeToSystemTimes(pMinRange, pMaxRange, st);
    return (BOOL)::SendMessage(m_hWnd, DTM_SETRANGE, flags, (LPARAM)st);
}

DWORD CDateTimeCtrl::GetRange(COleDateTime* pMinRange, COleDateTime* pMaxRange) const
{
    SYSTEMTIME st[2];
    memset(st, 0, sizeof(st));
    DWORD flags = (DWORD)::SendMessage(m_hWnd, DTM_GETRANGE, 0, (LPARAM)st);
    RangeFromSystemTimes(flags, st, pMinRange, pMaxRange);
    return flags;
}

BOOL CDateTimeCtrl::SetRange(const CTime* pMinRange, const CTime* pMaxRange)
{
    SYSTEMTIME st[2];
    DWORD flags = RangeToSystemTimes(pMinRange, pMaxRange, st);
    return (BOOL)::SendMessage(m_hWnd, DTM_SETRANGE, flags, (LPARAM)st);
}

DWORD CDateTimeCtrl::GetRange(CTime* pMinRange, CTime* pMaxRange) const
{
    SYSTEMTIME st[2];
    memset(st, 0, sizeof(st));
    DWORD flags = (DWORD)::SendMessage(m_hWnd, DTM_GETRANGE, 0, (LPARAM)st);
    if (pMinRange != NULL)
        *pMinRange = (flags & GDTR_MIN) ? CTime(st[0]) : CTime();
    if (pMaxRange != NULL)
        *pMaxRange = (flags & GDTR_MAX) ? CTime(st[1]) : CTime();
    return flags;
}

BOOL CDateTimeCtrl::GetTime(COleDateTime& timeDest) const
{
    return PickerGet(m_hWnd, timeDest);
}

DWORD CDateTimeCtrl::GetTime(CTime& timeDest) const
{
    return PickerGet(m_hWnd, timeDest);
}

BOOL CDateTimeCtrl::SetTime(const COleDateTime& timeNew)
{
    return PickerSet(m_hWnd, timeNew);
}

BOOL CDateTimeCtrl::SetTime(const CTime* pTimeNew)
{
    return PickerSet(m_hWnd, pTimeNew);
}

BOOL CDateTimeCtrl::SetTime(LPSYSTEMTIME pTimeNew)
{
    return (BOOL)::SendMessage(m_hWnd, DTM_SETSYSTEMTIME, pTimeNew == NULL ? GDT_NONE : GDT_VALID,
                               (LPARAM)pTimeNew);
}

/////////////////////////////////////////////////////////////////////////////
// CMonthCalCtrl

CMonthCalCtrl::~CMonthCalCtrl()
{
    DestroyWindow();
}

BOOL CMonthCalCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    InitDateControls();
    return CWnd::Create(MONTHCAL_CLASS, NULL, dwStyle, rect, pParentWnd, nID);
}

BOOL CMonthCalCtrl::Create(DWORD dwStyle, const POINT& pt, CWnd* pParentWnd, UINT nID)
{
    // Made at the point with no size, then grown to the smallest size that shows a month.
    RECT rect = {pt.x, pt.y, pt.x, pt.y};
    if (!Create(dwStyle, rect, pParentWnd, nID))
        return FALSE;
    RECT req;
    if (!GetMinReqRect(&req))
        return FALSE;
    return ::SetWindowPos(m_hWnd, NULL, pt.x, pt.y, req.right - req.left, req.bottom - req.top,
                          SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CMonthCalCtrl::SetFirstDayOfWeek(int iDay, int* lpnOld)
{
    DWORD dw = (DWORD)::SendMessage(m_hWnd, MCM_SETFIRSTDAYOFWEEK, 0, (LPARAM)iDay);
    if (lpnOld != NULL)
        *lpnOld = (int)LOWORD(dw);
    return (BOOL)HIWORD(dw);
}

int CMonthCalCtrl::GetFirstDayOfWeek(BOOL* pbLocal) const
{
    DWORD dw = (DWORD)::SendMessage(m_hWnd, MCM_GETFIRSTDAYOFWEEK, 0, 0);
    if (pbLocal != NULL)
        *pbLocal = (BOOL)HIWORD(dw);
    return (int)LOWORD(dw);
}

BOOL CMonthCalCtrl::GetCurSel(COleDateTime& refDateTime) const
{
    SYSTEMTIME st;
    memset(&st, 0, sizeof(st));
    if (!::SendMessage(m_hWnd, MCM_GETCURSEL, 0, (LPARAM)&st))
    {
        refDateTime.SetStatus(COleDateTime::invalid);
        return FALSE;
    }
    DropTimeOfDay(st);
    refDateTime = COleDateTime(st);
    return TRUE;
}

BOOL CMonthCalCtrl::GetCurSel(CTime& refDateTime) const
{
    SYSTEMTIME st;
    memset(&st, 0, sizeof(st));
    if (!::SendMessage(m_hWnd, MCM_GETCURSEL, 0, (LPARAM)&st))
        return FALSE;
    DropTimeOfDay(st);
    refDateTime = CTime(st);
    return TRUE;
}

BOOL CMonthCalCtrl::SetCurSel(const COleDateTime& refDateTime)
{
    SYSTEMTIME st;
    memset(&st, 0, sizeof(st));
    if (refDateTime.GetStatus() != COleDateTime::valid || !refDateTime.GetAsSystemTime(st))
        return FALSE;
    return (BOOL)::SendMessage(m_hWnd, MCM_SETCURSEL, 0, (LPARAM)&st);
}

BOOL CMonthCalCtrl::SetCurSel(const CTime& refDateTime)
{
    SYSTEMTIME st;
    memset(&st, 0, sizeof(st));
    if (!refDateTime.GetAsSystemTime(st))
        return FALSE;
    return (BOOL)::SendMessage(m_hWnd, MCM_SETCURSEL, 0, (LPARAM)&st);
}

BOOL CMonthCalCtrl::GetToday(COleDateTime& refDateTime) const
{
    SYSTEMTIME st;
    memset(&st, 0, sizeof(st));
    if (!::SendMessage(m_hWnd, MCM_GETTODAY, 0, (LPARAM)&st))
        return FALSE;
    DropTimeOfDay(st);
    refDateTime = COleDateTime(st);
    return TRUE;
}

void CMonthCalCtrl::SetToday(const COleDateTime& refDateTime)
{
    SYSTEMTIME st;
    memset(&st, 0, sizeof(st));
    if (refDateTime.GetStatus() == COleDateTime::valid && refDateTime.GetAsSystemTime(st))
        ::SendMessage(m_hWnd, MCM_SETTODAY, 0, (LPARAM)&st);
    else
        ::SendMessage(m_hWnd, MCM_SETTODAY, 0, 0);
}

int CMonthCalCtrl::GetMonthRange(COleDateTime& refMinRange, COleDateTime& refMaxRange, DWORD dwFlags) const
{
    SYSTEMTIME st[2];
    memset(st, 0, sizeof(st));
    int nCount = (int)::SendMessage(m_hWnd, MCM_GETMONTHRANGE, (WPARAM)dwFlags, (LPARAM)st);
    DropTimeOfDay(st[0]);
    DropTimeOfDay(st[1]);
    refMinRange = COleDateTime(st[0]);
    refMaxRange = COleDateTime(st[1]);
    return nCount;
}

BOOL CMonthCalCtrl::SetRange(const COleDateTime* pMinRange, const COleDateTime* pMaxRange)
{
    SYSTEMTIME st[2];
    DWORD flags = RangeToSystemTimes(pMinRange, pMaxRange, st);
    return (BOOL)::SendMessage(m_hWnd, MCM_SETRANGE, flags, (LPARAM)st);
}

DWORD CMonthCalCtrl::GetRange(COleDateTime* pMinRange, COleDateTime* pMaxRange) const
{
    SYSTEMTIME st[2];
    memset(st, 0, sizeof(st));
    DWORD flags = (DWORD)::SendMessage(m_hWnd, MCM_GETRANGE, 0, (LPARAM)st);
    RangeFromSystemTimes(flags, st, pMinRange, pMaxRange);
    return flags;
}

BOOL CMonthCalCtrl::SetRange(const CTime* pMinRange, const CTime* pMaxRange)
{
    SYSTEMTIME st[2];
    DWORD flags = RangeToSystemTimes(pMinRange, pMaxRange, st);
    return (BOOL)::SendMessage(m_hWnd, MCM_SETRANGE, flags, (LPARAM)st);
}
