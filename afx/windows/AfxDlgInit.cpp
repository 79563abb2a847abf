// Dialog initialisation data: the list-box and combo-box strings a dialog resource carries.
#include "AfxWinImpl.h"

// Records of control id, message, data length and data; a zero id ends the list. A resource's
// lengths come from the file, so every record is checked against its size when that is known.
static BOOL AfxExecuteDlgInit(HWND hWnd, const BYTE* p, const BYTE* pEnd)
{
    const DWORD dwUnbounded = 0x7FFFFFFF;
    while (pEnd == NULL || p + 2 <= pEnd)
    {
        WORD nIDC = *(const WORD*)p;
        if (nIDC == 0)
            break;
        if (pEnd != NULL && p + 8 > pEnd)
            return FALSE;
        WORD nMsg = *(const WORD*)(p + 2);
        DWORD dwLen = *(const DWORD*)(p + 4);
        p += 8;
        if (pEnd != NULL && dwLen > (DWORD)(pEnd - p))
            return FALSE;
        // The stored message numbers are the 16-bit ones for adding strings.
        UINT nMsg32 = nMsg == 0x0401 ? LB_ADDSTRING : nMsg == 0x0403 ? CB_ADDSTRING : nMsg;
        if (nMsg32 == LB_ADDSTRING || nMsg32 == CB_ADDSTRING)
        {
            CString str((LPCSTR)p, (int)strnlen((const char*)p, pEnd != NULL ? dwLen : dwUnbounded));
            if (::SendDlgItemMessage(hWnd, nIDC, nMsg32, 0, (LPARAM)(LPCTSTR)str) == -1)
                return FALSE;
        }
        p += dwLen;
    }
    return TRUE;
}

BOOL CWnd::ExecuteDlgInit(LPCTSTR lpszResourceName)
{
    if (lpszResourceName == NULL)
        return TRUE;
    HINSTANCE hInst = AfxGetResourceHandle();
    HRSRC hDlgInit = ::FindResource(hInst, lpszResourceName, MAKEINTRESOURCE(240));
    if (hDlgInit == NULL)
        return TRUE;
    HGLOBAL hRes = ::LoadResource(hInst, hDlgInit);
    if (hRes == NULL)
        return TRUE;
    LPVOID lpResource = ::LockResource(hRes);
    DWORD dwSize = ::SizeofResource(hInst, hDlgInit);
    if (lpResource == NULL || dwSize < 2)
        return TRUE;
    return AfxExecuteDlgInit(m_hWnd, (const BYTE*)lpResource, (const BYTE*)lpResource + dwSize);
}

BOOL CWnd::ExecuteDlgInit(LPVOID lpResource)
{
    // Data the program hands over itself carries no size: its zero id ends it.
    if (lpResource == NULL)
        return TRUE;
    return AfxExecuteDlgInit(m_hWnd, (const BYTE*)lpResource, NULL);
}
