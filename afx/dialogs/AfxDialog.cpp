// CDialog: templates, the modal run, keyboard pre-translation and command routing; dialog data
// exchange and validation with the framework's standard prompts.
#include "afxwin.h"
#include "afxpriv.h"
#include "AfxWinImpl.h"
#include <float.h>
#include <errno.h>
#include <limits.h>

// Standard prompts

struct AFX_PROMPT_TEXT
{
    UINT nID;
    LPCTSTR lpszText;
};

static const AFX_PROMPT_TEXT afxPromptTexts[] = {
    {AFX_IDP_PARSE_INT, _T("Please enter an integer.")},
    {AFX_IDP_PARSE_REAL, _T("Please enter a number.")},
    {AFX_IDP_PARSE_INT_RANGE, _T("Please enter an integer between %1 and %2.")},
    {AFX_IDP_PARSE_REAL_RANGE, _T("Please enter a number between %1 and %2.")},
    {AFX_IDP_PARSE_STRING_SIZE, _T("Enter no more than %1 characters.")},
    {AFX_IDP_PARSE_RADIO_BUTTON, _T("Please select a button.")},
    {AFX_IDP_PARSE_BYTE, _T("Please enter an integer between 0 and 255.")},
    {AFX_IDP_PARSE_UINT, _T("Please enter a positive integer.")},
    {AFX_IDP_PARSE_DATETIME, _T("Please enter a date and/or time.")},
    {AFX_IDP_PARSE_CURRENCY, _T("Please enter a currency.")},
    {AFX_IDP_INTERNAL_FAILURE, _T("Internal application error.")},
};

CString AFXAPI AfxGetStandardPrompt(UINT nIDPrompt)
{
    // Only a string table that holds the id is asked, so a program without one stays quiet.
    CString str;
    if (::FindResource(AfxGetResourceHandle(), MAKEINTRESOURCE((nIDPrompt >> 4) + 1), RT_STRING) != NULL &&
        str.LoadString(nIDPrompt) && !str.IsEmpty())
        return str;
    for (size_t i = 0; i < sizeof(afxPromptTexts) / sizeof(afxPromptTexts[0]); i++)
    {
        if (afxPromptTexts[i].nID == nIDPrompt)
            return afxPromptTexts[i].lpszText;
    }
    return CString();
}

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
    AFX_THREAD_STATE_WIN* pState = AfxGetThreadStateWin();
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

// CDialog

INT_PTR CALLBACK AfxDlgProc(HWND, UINT message, WPARAM, LPARAM)
{
    // Every message goes through the window's own procedure and message map first; the
    // dialog procedure only tells the dialog manager to pick the first focus itself.
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
ON_MESSAGE(WM_SETFONT, HandleSetFont)
END_MESSAGE_MAP()

void CDialog::CommonConstruct()
{
    m_nIDHelp = 0;
    m_lpszTemplateName = NULL;
    m_hDialogTemplate = NULL;
    m_lpDialogTemplate = NULL;
    m_lpDialogInit = NULL;
    m_pParentWnd = NULL;
    m_hWndTop = NULL;
}

CDialog::CDialog()
{
    CommonConstruct();
}

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
{
    CommonConstruct();
    m_pParentWnd = pParentWnd;
    m_lpszTemplateName = lpszTemplateName;
    if (HIWORD((DWORD_PTR)m_lpszTemplateName) == 0)
        m_nIDHelp = LOWORD((DWORD_PTR)m_lpszTemplateName);
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
{
    CommonConstruct();
    m_pParentWnd = pParentWnd;
    m_lpszTemplateName = MAKEINTRESOURCE(nIDTemplate);
    m_nIDHelp = nIDTemplate;
}

CDialog::~CDialog()
{
    if (m_hWnd != NULL && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, void* lpDialogInit)
{
    m_lpDialogTemplate = lpDialogTemplate;
    m_pParentWnd = pParentWnd;
    m_lpDialogInit = lpDialogInit;
    return TRUE;
}

BOOL CDialog::InitModalIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd)
{
    m_hDialogTemplate = hDialogTemplate;
    m_pParentWnd = pParentWnd;
    return TRUE;
}

BOOL CDialog::Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
{
    m_lpszTemplateName = lpszTemplateName;
    if (HIWORD((DWORD_PTR)m_lpszTemplateName) == 0 && m_nIDHelp == 0)
        m_nIDHelp = LOWORD((DWORD_PTR)m_lpszTemplateName);

    HINSTANCE hInst = AfxFindResourceHandle(lpszTemplateName, RT_DIALOG);
    HRSRC hResource = ::FindResource(hInst, lpszTemplateName, RT_DIALOG);
    HGLOBAL hTemplate = hResource != NULL ? ::LoadResource(hInst, hResource) : NULL;
    if (hTemplate == NULL)
        return FALSE;
    return CreateIndirect((LPCDLGTEMPLATE)::LockResource(hTemplate), pParentWnd, NULL, hInst);
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    return Create(MAKEINTRESOURCE(nIDTemplate), pParentWnd);
}

BOOL CDialog::CreateIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd)
{
    LPCDLGTEMPLATE lpDialogTemplate = (LPCDLGTEMPLATE)::LockResource(hDialogTemplate);
    return lpDialogTemplate != NULL && CreateIndirect(lpDialogTemplate, pParentWnd, NULL, NULL);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, void* lpDialogInit)
{
    return CreateIndirect(lpDialogTemplate, pParentWnd, lpDialogInit, NULL);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, void* lpDialogInit,
                             HINSTANCE hInst)
{
    m_lpDialogInit = lpDialogInit;
    if (pParentWnd == NULL)
        pParentWnd = m_pParentWnd;
    BOOL bModal = (m_nFlags & WF_CONTINUEMODAL) != 0;
    BOOL bResult = CreateDlgIndirect_(lpDialogTemplate, pParentWnd, hInst);
    if (!bModal)
        m_nFlags &= ~WF_CONTINUEMODAL;
    return bResult;
}

BOOL CWnd::CreateDlgIndirect_(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst)
{
    if (hInst == NULL)
        hInst = AfxGetResourceHandle();
    m_nFlags |= WF_CONTINUEMODAL;
    AfxHookWindowCreate(this);
    HWND hWnd =
        ::CreateDialogIndirectParam(hInst, lpDialogTemplate, pParentWnd->GetSafeHwnd(), AfxDlgProc, 0);
    if (!AfxUnhookWindowCreate())
        PostNcDestroy();

    // EndDialog during OnInitDialog ends the dialog before it ever runs.
    if (hWnd != NULL && !(m_nFlags & WF_CONTINUEMODAL))
    {
        ::DestroyWindow(hWnd);
        hWnd = NULL;
    }
    return hWnd != NULL;
}

HWND CDialog::PreModal()
{
    m_nModalResult = -1;
    return CWnd::GetSafeOwner_(m_pParentWnd->GetSafeHwnd(), &m_hWndTop);
}

void CDialog::PostModal()
{
    if (m_hWndTop != NULL)
        ::EnableWindow(m_hWndTop, TRUE);
    m_hWndTop = NULL;
}

INT_PTR CDialog::DoModal()
{
    LPCDLGTEMPLATE lpDialogTemplate = m_lpDialogTemplate;
    HGLOBAL hDialogTemplate = m_hDialogTemplate;
    HINSTANCE hInst = AfxGetResourceHandle();
    if (m_lpszTemplateName != NULL)
    {
        hInst = AfxFindResourceHandle(m_lpszTemplateName, RT_DIALOG);
        HRSRC hResource = ::FindResource(hInst, m_lpszTemplateName, RT_DIALOG);
        hDialogTemplate = hResource != NULL ? ::LoadResource(hInst, hResource) : NULL;
    }
    if (hDialogTemplate != NULL)
        lpDialogTemplate = (LPCDLGTEMPLATE)::LockResource(hDialogTemplate);
    if (lpDialogTemplate == NULL)
        return -1;

    HWND hWndParent = PreModal();
    BOOL bEnableParent = FALSE;
    if (hWndParent != NULL && ::IsWindowEnabled(hWndParent))
    {
        ::EnableWindow(hWndParent, FALSE);
        bEnableParent = TRUE;
    }

    try
    {
        m_nFlags |= WF_CONTINUEMODAL;
        if (CreateDlgIndirect_(lpDialogTemplate, CWnd::FromHandle(hWndParent), hInst))
        {
            if (m_nFlags & WF_CONTINUEMODAL)
            {
                DWORD dwFlags = MLF_SHOWONIDLE;
                if (GetStyle() & DS_NOIDLEMSG)
                    dwFlags |= MLF_NOIDLEMSG;
                RunModalLoop(dwFlags);
            }
            if (m_hWnd != NULL)
                SetWindowPos(NULL, 0, 0, 0, 0,
                             SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
        }
    }
    catch (CException* e)
    {
        e->Delete();
        m_nModalResult = -1;
    }
    m_nFlags &= ~(WF_CONTINUEMODAL | WF_MODALLOOP);

    if (bEnableParent)
        ::EnableWindow(hWndParent, TRUE);
    if (hWndParent != NULL && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(hWndParent);

    DestroyWindow();
    PostModal();
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult)
{
    m_nModalResult = nResult;
    if (m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL))
        EndModalLoop(nResult);
    if (m_hWnd != NULL)
        ::EndDialog(m_hWnd, nResult);
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl)
{
    if (pWndCtrl != NULL)
        ::SendMessage(m_hWnd, WM_NEXTDLGCTL, (WPARAM)pWndCtrl->m_hWnd, 1);
}

void CDialog::PreInitDialog() {}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    PreInitDialog();
    return OnInitDialog();
}

LRESULT CDialog::HandleSetFont(WPARAM wParam, LPARAM)
{
    OnSetFont(wParam != 0 ? CFont::FromHandle((HFONT)wParam) : NULL);
    return Default();
}

void CDialog::OnSetFont(CFont*) {}

BOOL CDialog::OnInitDialog()
{
    BOOL bDlgInit =
        m_lpDialogInit != NULL ? ExecuteDlgInit(m_lpDialogInit) : ExecuteDlgInit(m_lpszTemplateName);
    if (!bDlgInit)
    {
        EndDialog(-1);
        return FALSE;
    }
    if (!UpdateData(FALSE))
    {
        EndDialog(-1);
        return FALSE;
    }
    // A Help button shows only when some handler would take its command.
    HWND hHelp = ::GetDlgItem(m_hWnd, ID_HELP);
    if (hHelp != NULL)
    {
        AFX_CMDHANDLERINFO info;
        info.pTarget = NULL;
        ::ShowWindow(hHelp, OnCmdMsg(ID_HELP, CN_COMMAND, NULL, &info) ? SW_SHOW : SW_HIDE);
    }
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return; // the refusal was shown; the dialog stays
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::CheckAutoCenter()
{
    return (GetStyle() & (DS_CENTER | DS_CENTERMOUSE | DS_ABSALIGN)) == 0;
}

BOOL CDialog::PreTranslateInput(LPMSG lpMsg)
{
    if ((lpMsg->message < WM_KEYFIRST || lpMsg->message > WM_KEYLAST) &&
        (lpMsg->message < WM_MOUSEFIRST || lpMsg->message > WM_MOUSELAST))
        return FALSE;
    return ::IsDialogMessage(m_hWnd, lpMsg);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;

    // Escape in a multi-line edit would otherwise be swallowed by the edit control.
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_ESCAPE || pMsg->wParam == VK_CANCEL) &&
        (::GetWindowLong(pMsg->hwnd, GWL_STYLE) & ES_MULTILINE))
    {
        char szClass[16];
        if (::GetClassNameA(pMsg->hwnd, szClass, sizeof(szClass)) && lstrcmpiA(szClass, "Edit") == 0)
        {
            HWND hItem = ::GetDlgItem(m_hWnd, IDCANCEL);
            if (hItem == NULL || ::IsWindowEnabled(hItem))
            {
                SendMessage(WM_COMMAND, IDCANCEL, 0);
                return TRUE;
            }
        }
    }
    return PreTranslateInput(pMsg);
}

BOOL CDialog::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return AfxRouteCommandOutward(this, nID, nCode, pExtra, pHandlerInfo);
}

BOOL AFXAPI AfxRouteCommandOutward(CWnd* pWnd, UINT nID, int nCode, void* pExtra,
                                   AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if ((nCode != CN_COMMAND && (UINT)nCode != CN_UPDATE_COMMAND_UI) || !(nID & 0x8000) || nID >= 0xF000)
        return FALSE;

    CWnd* pOwner = pWnd->GetParent();
    if (pOwner != NULL && pOwner != pWnd && pOwner->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;

    CWinThread* pThread = AfxGetThread();
    if (pThread != NULL && pThread->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL && (CWinThread*)pApp != pThread && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return FALSE;
}
