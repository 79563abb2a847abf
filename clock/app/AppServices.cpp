// The application's side of the engine's settings and sound errors.
#include "AppServices.h"

UINT CWinAppProfileStore::GetProfileInt(LPCTSTR pszSection, LPCTSTR pszEntry, int nDefault)
{
    return m_app.GetProfileInt(pszSection, pszEntry, nDefault);
}

CString CWinAppProfileStore::GetProfileString(LPCTSTR pszSection, LPCTSTR pszEntry, LPCTSTR pszDefault)
{
    return m_app.GetProfileString(pszSection, pszEntry, pszDefault);
}

BOOL CWinAppProfileStore::GetProfileBinary(LPCTSTR pszSection, LPCTSTR pszEntry, LPBYTE* ppData, UINT* pBytes)
{
    return m_app.GetProfileBinary(pszSection, pszEntry, ppData, pBytes);
}

BOOL CWinAppProfileStore::WriteProfileInt(LPCTSTR pszSection, LPCTSTR pszEntry, int nValue)
{
    return m_app.WriteProfileInt(pszSection, pszEntry, nValue);
}

BOOL CWinAppProfileStore::WriteProfileString(LPCTSTR pszSection, LPCTSTR pszEntry, LPCTSTR pszValue)
{
    return m_app.WriteProfileString(pszSection, pszEntry, pszValue);
}

BOOL CWinAppProfileStore::WriteProfileBinary(LPCTSTR pszSection, LPCTSTR pszEntry, LPBYTE pData, UINT nBytes)
{
    return m_app.WriteProfileBinary(pszSection, pszEntry, pData, nBytes);
}

void CMciErrorBox::ReportMciError(MCIERROR nError, LPCSTR pszText)
{
    ::MessageBeep(MB_ICONEXCLAMATION);
    CWnd* pMain = AfxGetMainWnd();
    ::MessageBoxA(pMain != NULL ? pMain->GetSafeHwnd() : NULL, pszText, "MCI Error", MB_ICONEXCLAMATION);
}
