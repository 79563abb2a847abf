// TestApp.cpp: a CWinApp for the engine tests, so that AfxGetApp() and its profile functions work.
#include "TestApp.h"

#include <afxcoll.h>
#include <shlwapi.h>

static const TCHAR szTestApp[] = _T("VelmoraEngineTests");

// ctest runs test cases as parallel processes: each keeps its profile under a key of its own and
// removes it when it ends.
static CString TestKey()
{
    CString str;
    str.Format(_T("Velmora Engine Test\\%lu"), ::GetCurrentProcessId());
    return str;
}
static const CString strTestKey = TestKey();

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

static void DeleteTestKey()
{
    ::SHDeleteKey(HKEY_CURRENT_USER, CString(_T("Software\\")) + strTestKey);
}

static struct CTestKeyCleaner
{
    ~CTestKeyCleaner() { DeleteTestKey(); }
} theCleaner;

void ResetTestProfile()
{
    if (theTestApp.m_pszAppName == NULL)
        theTestApp.m_pszAppName = _tcsdup(szTestApp);
    theTestApp.UseKey(strTestKey);
    DeleteTestKey();
}

BOOL ReadTestProfileValue(LPCTSTR pszSection, LPCTSTR pszKey, DWORD& dwType, CByteArray& abData)
{
    CString strKey;
    strKey.Format(_T("Software\\%s\\%s\\%s"), (LPCTSTR)strTestKey, szTestApp, pszSection);
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
