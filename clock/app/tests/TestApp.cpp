// TestApp.cpp: a CWinApp for the engine tests, so that AfxGetApp() and its profile functions work.
#include "TestApp.h"

#include <afxcoll.h>
#include <shlwapi.h>

static const TCHAR szTestKey[] = _T("Velmora Engine Test");
static const TCHAR szTestApp[] = _T("VelmoraEngineTests");

class CTestApp : public CWinApp
{
public:
    CTestApp() : CWinApp(szTestApp) {}
    void UseKey(LPCTSTR pszKey)
    {
        if (m_pszRegistryKey == NULL)
            SetRegistryKey(pszKey);
    }
};

static CTestApp theTestApp;

void ResetTestProfile()
{
    if (theTestApp.m_pszAppName == NULL)
        theTestApp.m_pszAppName = _tcsdup(szTestApp);
    theTestApp.UseKey(szTestKey);
    CString strKey = CString(_T("Software\\")) + szTestKey;
    ::SHDeleteKey(HKEY_CURRENT_USER, strKey);
}

BOOL ReadTestProfileValue(LPCTSTR pszSection, LPCTSTR pszKey, DWORD& dwType, CByteArray& abData)
{
    CString strKey;
    strKey.Format(_T("Software\\%s\\%s\\%s"), szTestKey, szTestApp, pszSection);
    HKEY hKey;
    if (::RegOpenKeyEx(HKEY_CURRENT_USER, strKey, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return FALSE;
    DWORD cb = 0;
    LONG lResult = ::RegQueryValueEx(hKey, pszKey, NULL, &dwType, NULL, &cb);
    if (lResult == ERROR_SUCCESS)
    {
        abData.SetSize(cb);
        lResult = ::RegQueryValueEx(hKey, pszKey, NULL, &dwType, cb ? abData.GetData() : NULL, &cb);
    }
    ::RegCloseKey(hKey);
    return lResult == ERROR_SUCCESS;
}
