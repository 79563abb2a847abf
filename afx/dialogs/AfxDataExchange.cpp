// Dialog data exchange and validation: CDataExchange, UpdateData, the DDX_ and DDV_ functions and
// their refusals with the framework's standard prompts.
#include "AfxDialog.h"
#include "AfxCtrl.h"
#include "AfxDateTimeCtrl.h"
#include "AfxWinImpl.h"
#include <float.h>
#include <errno.h>
#include <limits.h>

static void AfxFailWithPrompt(CDataExchange* pDX, UINT nIDPrompt)
{
    AfxMessageBox(AfxGetStandardPrompt(nIDPrompt), MB_ICONEXCLAMATION, nIDPrompt);
    pDX->Fail();
}

static void AfxFailMinMax(CDataExchange* pDX, LPCTSTR lpszMin, LPCTSTR lpszMax, UINT nIDPrompt)
{
    CString strPrompt;
    LPCTSTR rglpsz[2] = {lpszMin, lpszMax};
    AfxFormatStrings(strPrompt, AfxGetStandardPrompt(nIDPrompt), rglpsz, 2);
    AfxMessageBox(strPrompt, MB_ICONEXCLAMATION, nIDPrompt);
    pDX->Fail();
}

// Number parsing: surrounding blanks are allowed, anything else after the number is not, and a
// value that does not fit its type is refused rather than silently cut.

static LPCTSTR SkipBlanks(LPCTSTR p)
{
    while (*p == ' ' || *p == '\t')
        p++;
    return p;
}

static BOOL ParseSigned(LPCTSTR psz, LONGLONG llMin, LONGLONG llMax, LONGLONG& result)
{
    LPCTSTR p = SkipBlanks(psz);
    BOOL bNegative = FALSE;
    if (*p == '-' || *p == '+')
        bNegative = *p++ == '-';
    if (*p < '0' || *p > '9')
        return FALSE;
    LONGLONG llValue = 0;
    while (*p >= '0' && *p <= '9')
    {
        llValue = llValue * 10 + (*p++ - '0');
        if (llValue > (LONGLONG)0x7FFFFFFFFFFFLL)
            return FALSE;
    }
    if (*SkipBlanks(p) != '\0')
        return FALSE;
    if (bNegative)
        llValue = -llValue;
    if (llValue < llMin || llValue > llMax)
        return FALSE;
    result = llValue;
    return TRUE;
}

static BOOL ParseUnsigned(LPCTSTR psz, ULONGLONG ullMax, ULONGLONG& result)
{
    LPCTSTR p = SkipBlanks(psz);
    if (*p == '+')
        p++;
    if (*p < '0' || *p > '9')
        return FALSE;
    ULONGLONG ullValue = 0;
    while (*p >= '0' && *p <= '9')
    {
        ullValue = ullValue * 10 + (ULONGLONG)(*p++ - '0');
        if (ullValue > 0xFFFFFFFFFFFFULL)
            return FALSE;
    }
    if (*SkipBlanks(p) != '\0' || ullValue > ullMax)
        return FALSE;
    result = ullValue;
    return TRUE;
}

static BOOL ParseReal(LPCTSTR psz, double dMax, double& result)
{
    LPCTSTR p = SkipBlanks(psz);
    // Only plain decimal notation: no hexadecimal, infinity or not-a-number spellings.
    for (LPCTSTR q = p; *q != '\0'; q++)
    {
        if (!((*q >= '0' && *q <= '9') || *q == '.' || *q == '-' || *q == '+' || *q == 'e' || *q == 'E' ||
              *q == ' ' || *q == '\t'))
            return FALSE;
    }
    if (*p == '\0')
        return FALSE;
    char* pEnd = NULL;
    errno = 0;
    double d = strtod(p, &pEnd);
    if (pEnd == p || *SkipBlanks(pEnd) != '\0' || errno == ERANGE)
        return FALSE;
    if (d > dMax || d < -dMax)
        return FALSE;
    result = d;
    return TRUE;
}

static CString ControlText(HWND hWndCtrl)
{
    CString str;
    int nLen = ::GetWindowTextLength(hWndCtrl);
    ::GetWindowText(hWndCtrl, str.GetBufferSetLength(nLen), nLen + 1);
    str.ReleaseBuffer();
    return str;
}

static CString FormatReal(double value, int nDigits)
{
    char sz[64];
    _snprintf(sz, sizeof(sz) - 1, "%.*g", nDigits, value);
    sz[sizeof(sz) - 1] = '\0';
    return CString(sz);
}

// CDataExchange

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
{
    m_bSaveAndValidate = bSaveAndValidate;
    m_pDlgWnd = pDlgWnd;
    m_hWndLastControl = NULL;
    m_bEditLastControl = FALSE;
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    HWND hWndCtrl = ::GetDlgItem(m_pDlgWnd->GetSafeHwnd(), nIDC);
    if (hWndCtrl == NULL)
        AfxThrowNotSupportedException(); // the template lacks the control the code expects
    m_hWndLastControl = hWndCtrl;
    m_bEditLastControl = FALSE;
    return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    HWND hWndCtrl = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return hWndCtrl;
}

void CDataExchange::Fail()
{
    if (m_bSaveAndValidate && m_hWndLastControl != NULL)
    {
        ::SetFocus(m_hWndLastControl);
        if (m_bEditLastControl)
            ::SendMessage(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    AfxThrowUserException();
}

// UpdateData lives here with the exchange it drives.

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);

    // Control notifications that the exchange itself causes must not reach the handlers.
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    HWND hWndOldLockout = pState->hLockoutNotifyWindow;
    pState->hLockoutNotifyWindow = m_hWnd;

    BOOL bOK = FALSE;
    try
    {
        DoDataExchange(&dx);
        bOK = TRUE;
    }
    catch (CException* e)
    {
        // A refusal was already told to the user; anything else is reported here.
        if (!e->IsKindOf(RUNTIME_CLASS(CUserException)))
            e->ReportError(MB_ICONEXCLAMATION, AFX_IDP_INTERNAL_FAILURE);
        e->Delete();
    }
    pState->hLockoutNotifyWindow = hWndOldLockout;
    return bOK;
}

// Text exchange

template <class T>
static void DDX_TextSigned(CDataExchange* pDX, int nIDC, T& value, LONGLONG llMin, LONGLONG llMax,
                           UINT nIDPrompt)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        LONGLONG ll;
        if (!ParseSigned(ControlText(hWndCtrl), llMin, llMax, ll))
            AfxFailWithPrompt(pDX, nIDPrompt);
        value = (T)ll;
    }
    else
    {
        TCHAR szT[32];
        wsprintf(szT, _T("%ld"), (long)value);
        AfxSetWindowText(hWndCtrl, szT);
    }
}

template <class T>
static void DDX_TextUnsigned(CDataExchange* pDX, int nIDC, T& value, ULONGLONG ullMax, UINT nIDPrompt)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        ULONGLONG ull;
        if (!ParseUnsigned(ControlText(hWndCtrl), ullMax, ull))
            AfxFailWithPrompt(pDX, nIDPrompt);
        value = (T)ull;
    }
    else
    {
        TCHAR szT[32];
        wsprintf(szT, _T("%lu"), (unsigned long)value);
        AfxSetWindowText(hWndCtrl, szT);
    }
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value)
{
    DDX_TextUnsigned(pDX, nIDC, value, 255, AFX_IDP_PARSE_BYTE);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, short& value)
{
    DDX_TextSigned(pDX, nIDC, value, SHRT_MIN, SHRT_MAX, AFX_IDP_PARSE_INT);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    DDX_TextSigned(pDX, nIDC, value, INT_MIN, INT_MAX, AFX_IDP_PARSE_INT);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, long& value)
{
    DDX_TextSigned(pDX, nIDC, value, LONG_MIN, LONG_MAX, AFX_IDP_PARSE_INT);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value)
{
    DDX_TextUnsigned(pDX, nIDC, value, UINT_MAX, AFX_IDP_PARSE_UINT);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value)
{
    DDX_TextUnsigned(pDX, nIDC, value, 0xFFFFFFFFUL, AFX_IDP_PARSE_UINT);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = ControlText(hWndCtrl);
    else
        AfxSetWindowText(hWndCtrl, value);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, LPTSTR value, int nMaxLen)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        if (nMaxLen > 0)
            ::GetWindowText(hWndCtrl, value, nMaxLen);
    }
    else
    {
        AfxSetWindowText(hWndCtrl, value);
    }
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, float& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        double d;
        if (!ParseReal(ControlText(hWndCtrl), FLT_MAX, d))
            AfxFailWithPrompt(pDX, AFX_IDP_PARSE_REAL);
        value = (float)d;
    }
    else
    {
        AfxSetWindowText(hWndCtrl, FormatReal(value, FLT_DIG));
    }
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, double& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        double d;
        if (!ParseReal(ControlText(hWndCtrl), DBL_MAX, d))
            AfxFailWithPrompt(pDX, AFX_IDP_PARSE_REAL);
        value = d;
    }
    else
    {
        AfxSetWindowText(hWndCtrl, FormatReal(value, DBL_DIG));
    }
}

// Buttons, lists and combos

void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        value = (int)::SendMessage(hWndCtrl, BM_GETCHECK, 0, 0);
    }
    else
    {
        if (value < 0 || value > 2)
            value = 0; // not a button state
        ::SendMessage(hWndCtrl, BM_SETCHECK, (WPARAM)value, 0);
    }
}

void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    // nIDC is the first button of a group; the group ends at the next WS_GROUP control.
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = -1;
    int iButton = 0;
    do
    {
        if (::SendMessage(hWndCtrl, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON)
        {
            if (pDX->m_bSaveAndValidate)
            {
                if (::SendMessage(hWndCtrl, BM_GETCHECK, 0, 0) != 0)
                    value = iButton;
            }
            else
            {
                ::SendMessage(hWndCtrl, BM_SETCHECK, (WPARAM)(iButton == value), 0);
            }
            iButton++;
        }
        hWndCtrl = ::GetWindow(hWndCtrl, GW_HWNDNEXT);
    } while (hWndCtrl != NULL && !(::GetWindowLong(hWndCtrl, GWL_STYLE) & WS_GROUP));
}

void AFXAPI DDX_LBString(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        int nIndex = (int)::SendMessage(hWndCtrl, LB_GETCURSEL, 0, 0);
        if (nIndex != LB_ERR)
        {
            int nLen = (int)::SendMessage(hWndCtrl, LB_GETTEXTLEN, nIndex, 0);
            if (nLen < 0)
                nLen = 0;
            ::SendMessage(hWndCtrl, LB_GETTEXT, nIndex, (LPARAM)value.GetBufferSetLength(nLen));
            value.ReleaseBuffer(nLen);
        }
        else
        {
            value.Empty();
        }
    }
    else
    {
        ::SendMessage(hWndCtrl, LB_SELECTSTRING, (WPARAM)-1, (LPARAM)(LPCTSTR)value);
    }
}

void AFXAPI DDX_LBStringExact(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        DDX_LBString(pDX, nIDC, value);
    }
    else
    {
        int i = (int)::SendMessage(hWndCtrl, LB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)(LPCTSTR)value);
        if (i >= 0)
            ::SendMessage(hWndCtrl, LB_SETCURSEL, i, 0);
    }
}

void AFXAPI DDX_CBString(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        // A drop-down list has no edit text: its selection is the value.
        if ((::GetWindowLong(hWndCtrl, GWL_STYLE) & 0x3) == CBS_DROPDOWNLIST)
        {
            int nIndex = (int)::SendMessage(hWndCtrl, CB_GETCURSEL, 0, 0);
            if (nIndex != CB_ERR)
            {
                int nLen = (int)::SendMessage(hWndCtrl, CB_GETLBTEXTLEN, nIndex, 0);
                if (nLen < 0)
                    nLen = 0;
                ::SendMessage(hWndCtrl, CB_GETLBTEXT, nIndex, (LPARAM)value.GetBufferSetLength(nLen));
                value.ReleaseBuffer(nLen);
                return;
            }
        }
        value = ControlText(hWndCtrl);
    }
    else
    {
        if (::SendMessage(hWndCtrl, CB_SELECTSTRING, (WPARAM)-1, (LPARAM)(LPCTSTR)value) == CB_ERR)
            AfxSetWindowText(hWndCtrl, value); // ignored by a drop-down list
    }
}

void AFXAPI DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        DDX_CBString(pDX, nIDC, value);
    }
    else
    {
        int i = (int)::SendMessage(hWndCtrl, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)(LPCTSTR)value);
        if (i >= 0)
            ::SendMessage(hWndCtrl, CB_SETCURSEL, i, 0);
        else
            AfxSetWindowText(hWndCtrl, value);
    }
}

void AFXAPI DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = (int)::SendMessage(hWndCtrl, LB_GETCURSEL, 0, 0);
    else
        ::SendMessage(hWndCtrl, LB_SETCURSEL, (WPARAM)index, 0);
}

void AFXAPI DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = (int)::SendMessage(hWndCtrl, CB_GETCURSEL, 0, 0);
    else
        ::SendMessage(hWndCtrl, CB_SETCURSEL, (WPARAM)index, 0);
}

void AFXAPI DDX_Scroll(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = ::GetScrollPos(hWndCtrl, SB_CTL);
    else
        ::SetScrollPos(hWndCtrl, SB_CTL, value, TRUE);
}

void AFXAPI DDX_Slider(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = (int)::SendMessage(hWndCtrl, TBM_GETPOS, 0, 0);
    else
        ::SendMessage(hWndCtrl, TBM_SETPOS, TRUE, value);
}

void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd == NULL)
    {
        HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
        if (!rControl.SubclassWindow(hWndCtrl))
            AfxThrowNotSupportedException(); // already attached to another object
    }
}

// Validation

void AFXAPI DDV_MaxChars(CDataExchange* pDX, CString const& value, int nChars)
{
    if (pDX->m_bSaveAndValidate && value.GetLength() > nChars)
    {
        TCHAR szT[32];
        wsprintf(szT, _T("%d"), nChars);
        CString strPrompt;
        LPCTSTR rglpsz[1] = {szT};
        AfxFormatStrings(strPrompt, AfxGetStandardPrompt(AFX_IDP_PARSE_STRING_SIZE), rglpsz, 1);
        AfxMessageBox(strPrompt, MB_ICONEXCLAMATION, AFX_IDP_PARSE_STRING_SIZE);
        pDX->Fail();
    }
    else if (!pDX->m_bSaveAndValidate && pDX->m_hWndLastControl != NULL && pDX->m_bEditLastControl)
    {
        ::SendMessage(pDX->m_hWndLastControl, EM_LIMITTEXT, (WPARAM)nChars, 0);
    }
}

static void AfxMinMaxSigned(CDataExchange* pDX, long value, long minVal, long maxVal)
{
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    TCHAR szMin[32], szMax[32];
    wsprintf(szMin, _T("%ld"), minVal);
    wsprintf(szMax, _T("%ld"), maxVal);
    AfxFailMinMax(pDX, szMin, szMax, AFX_IDP_PARSE_INT_RANGE);
}

static void AfxMinMaxUnsigned(CDataExchange* pDX, DWORD value, DWORD minVal, DWORD maxVal)
{
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    TCHAR szMin[32], szMax[32];
    wsprintf(szMin, _T("%lu"), minVal);
    wsprintf(szMax, _T("%lu"), maxVal);
    AfxFailMinMax(pDX, szMin, szMax, AFX_IDP_PARSE_INT_RANGE);
}

static void AfxMinMaxReal(CDataExchange* pDX, double value, double minVal, double maxVal, int nDigits)
{
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    AfxFailMinMax(pDX, FormatReal(minVal, nDigits), FormatReal(maxVal, nDigits), AFX_IDP_PARSE_REAL_RANGE);
}

void AFXAPI DDV_MinMaxByte(CDataExchange* pDX, BYTE value, BYTE minVal, BYTE maxVal)
{
    AfxMinMaxUnsigned(pDX, value, minVal, maxVal);
}

void AFXAPI DDV_MinMaxShort(CDataExchange* pDX, short value, short minVal, short maxVal)
{
    AfxMinMaxSigned(pDX, value, minVal, maxVal);
}

void AFXAPI DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal)
{
    AfxMinMaxSigned(pDX, value, minVal, maxVal);
}

void AFXAPI DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal)
{
    AfxMinMaxSigned(pDX, value, minVal, maxVal);
}

void AFXAPI DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal)
{
    AfxMinMaxUnsigned(pDX, value, minVal, maxVal);
}

void AFXAPI DDV_MinMaxDWord(CDataExchange* pDX, DWORD value, DWORD minVal, DWORD maxVal)
{
    AfxMinMaxUnsigned(pDX, value, minVal, maxVal);
}

void AFXAPI DDV_MinMaxFloat(CDataExchange* pDX, float const& value, float minVal, float maxVal)
{
    AfxMinMaxReal(pDX, value, minVal, maxVal, FLT_DIG);
}

void AFXAPI DDV_MinMaxDouble(CDataExchange* pDX, double const& value, double minVal, double maxVal)
{
    AfxMinMaxReal(pDX, value, minVal, maxVal, DBL_DIG);
}

void AFXAPI DDV_MinMaxSlider(CDataExchange* pDX, DWORD value, DWORD minVal, DWORD maxVal)
{
    // On the way in, the slider gets the range; on the way out the value is checked.
    if (!pDX->m_bSaveAndValidate)
    {
        if (pDX->m_hWndLastControl != NULL)
        {
            ::SendMessage(pDX->m_hWndLastControl, TBM_SETRANGEMIN, FALSE, (LPARAM)minVal);
            ::SendMessage(pDX->m_hWndLastControl, TBM_SETRANGEMAX, TRUE, (LPARAM)maxVal);
        }
        return;
    }
    AfxMinMaxUnsigned(pDX, value, minVal, maxVal);
}

// Date and time controls

void AFXAPI DDX_DateTimeCtrl(CDataExchange* pDX, int nIDC, COleDateTime& value)
{
    CDateTimeCtrl* pCtrl = (CDateTimeCtrl*)CWnd::FromHandle(pDX->PrepareCtrl(nIDC));
    if (pDX->m_bSaveAndValidate)
        pCtrl->GetTime(value);
    else
        pCtrl->SetTime(value);
}

void AFXAPI DDX_DateTimeCtrl(CDataExchange* pDX, int nIDC, CTime& value)
{
    CDateTimeCtrl* pCtrl = (CDateTimeCtrl*)CWnd::FromHandle(pDX->PrepareCtrl(nIDC));
    if (pDX->m_bSaveAndValidate)
        pCtrl->GetTime(value);
    else
        pCtrl->SetTime(&value);
}

void AFXAPI DDX_MonthCalCtrl(CDataExchange* pDX, int nIDC, COleDateTime& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    SYSTEMTIME st;
    memset(&st, 0, sizeof(st));
    if (pDX->m_bSaveAndValidate)
    {
        if (::SendMessage(hWndCtrl, MCM_GETCURSEL, 0, (LPARAM)&st))
        {
            st.wHour = st.wMinute = st.wSecond = st.wMilliseconds = 0; // a day has no time of day
            value = COleDateTime(st);
        }
        else
        {
            value.SetStatus(COleDateTime::invalid);
        }
    }
    else if (value.GetStatus() == COleDateTime::valid && value.GetAsSystemTime(st))
    {
        ::SendMessage(hWndCtrl, MCM_SETCURSEL, 0, (LPARAM)&st);
    }
}

void AFXAPI DDX_MonthCalCtrl(CDataExchange* pDX, int nIDC, CTime& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    SYSTEMTIME st;
    memset(&st, 0, sizeof(st));
    if (pDX->m_bSaveAndValidate)
    {
        if (::SendMessage(hWndCtrl, MCM_GETCURSEL, 0, (LPARAM)&st))
        {
            st.wHour = st.wMinute = st.wSecond = st.wMilliseconds = 0; // a day has no time of day
            value = CTime(st);
        }
    }
    else if (value.GetAsSystemTime(st))
    {
        ::SendMessage(hWndCtrl, MCM_SETCURSEL, 0, (LPARAM)&st);
    }
}
