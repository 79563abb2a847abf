// Module globals, message boxes and diagnostics.
#include "afx.h"

LPCTSTR afxAppName = NULL;
AFX_MESSAGEBOX_HOOK afxMessageBoxHook = NULL;

static HINSTANCE s_hInstance = NULL;
static HINSTANCE s_hInstResource = NULL;

HINSTANCE AFXAPI AfxGetInstanceHandle()
{
    return s_hInstance != NULL ? s_hInstance : ::GetModuleHandleA(NULL);
}

void AFXAPI AfxSetInstanceHandle(HINSTANCE hInstance)
{
    s_hInstance = hInstance;
}

HINSTANCE AFXAPI AfxGetResourceHandle()
{
    return s_hInstResource != NULL ? s_hInstResource : AfxGetInstanceHandle();
}

void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource)
{
    s_hInstResource = hInstResource;
}

HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType)
{
    HINSTANCE hInst = AfxGetResourceHandle();
    if (::FindResourceA(hInst, lpszName, lpszType) != NULL)
        return hInst;
    return AfxGetInstanceHandle();
}

// The caption when the application has not named itself: the program file's name without its
// folder or extension.
static CString ModuleTitle()
{
    TCHAR szPath[MAX_PATH + 1];
    DWORD nLen = ::GetModuleFileNameA(NULL, szPath, MAX_PATH);
    szPath[nLen < MAX_PATH ? nLen : MAX_PATH] = '\0';
    CString strPath(szPath);
    int nSlash = -1;
    for (int i = 0; i < strPath.GetLength(); i++)
        if (strPath[i] == '\\' || strPath[i] == '/' || strPath[i] == ':')
            nSlash = i;
    CString strTitle = strPath.Mid(nSlash + 1);
    int nDot = strTitle.ReverseFind('.');
    if (nDot > 0)
        strTitle = strTitle.Left(nDot);
    return strTitle;
}

// Without an explicit icon, warnings get the exclamation mark and questions the question mark,
// as the framework's boxes always have.
UINT AFXAPI AfxDefaultMessageBoxIcon(UINT nType)
{
    if ((nType & MB_ICONMASK) != 0)
        return nType;
    switch (nType & MB_TYPEMASK)
    {
    case MB_OK:
    case MB_OKCANCEL:
        return nType | MB_ICONEXCLAMATION;
    case MB_YESNO:
    case MB_YESNOCANCEL:
        return nType | MB_ICONQUESTION;
    }
    return nType;
}

int AFXAPI AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT nIDHelp)
{
    if (afxMessageBoxHook != NULL)
        return afxMessageBoxHook(lpszText, nType, nIDHelp);

    nType = AfxDefaultMessageBoxIcon(nType);
    CString strCaption = afxAppName != NULL ? CString(afxAppName) : ModuleTitle();
    return ::MessageBoxA(::GetActiveWindow(), lpszText != NULL ? lpszText : "", strCaption, nType);
}

int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString strText;
    strText.LoadString(nIDPrompt);
    if (nIDHelp == (UINT)-1)
        nIDHelp = nIDPrompt;
    return AfxMessageBox(strText, nType, nIDHelp);
}

BOOL AFXAPI AfxIsValidAddress(const void* lp, UINT nBytes, BOOL bReadWrite)
{
    return lp != NULL && !::IsBadReadPtr(lp, nBytes) && (!bReadWrite || !::IsBadWritePtr((LPVOID)lp, nBytes));
}

BOOL AFXAPI AfxIsValidString(LPCSTR lpsz, int nLength)
{
    return lpsz != NULL && !::IsBadStringPtrA(lpsz, (UINT_PTR)(INT_PTR)nLength);
}

BOOL AFXAPI AfxIsValidString(LPCWSTR lpsz, int nLength)
{
    return lpsz != NULL && !::IsBadStringPtrW(lpsz, (UINT_PTR)(INT_PTR)nLength);
}

BOOL AFXAPI AfxAssertFailedLine(LPCSTR lpszFileName, int nLine)
{
    TCHAR szMessage[MAX_PATH + 64];
    _snprintf(szMessage, sizeof(szMessage) - 1, "Assertion failed: %s(%d)\n", lpszFileName, nLine);
    szMessage[sizeof(szMessage) - 1] = '\0';
    ::OutputDebugStringA(szMessage);
    return ::IsDebuggerPresent();
}

void AFX_CDECL AfxTrace(LPCTSTR lpszFormat, ...)
{
    if (lpszFormat == NULL)
        return;
    va_list args;
    va_start(args, lpszFormat);
    CString strText;
    strText.FormatV(lpszFormat, args);
    va_end(args);
    ::OutputDebugStringA(strText);
}

void AFXAPI AfxDebugBreak()
{
    ::DebugBreak();
}
