// A CWinApp for the clock window tests, with its own registry key that every test run clears.
#include "AppTestMain.h"

#include <shlwapi.h>

namespace
{
const TCHAR szTestKey[] = _T("Velmora App Test");
const TCHAR szTestApp[] = _T("VelmoraAppTests");

class CAppTestApp : public CWinApp
{
public:
    CAppTestApp() : CWinApp(szTestApp) {}
    void UseKey()
    {
        if (m_pszRegistryKey == NULL)
            SetRegistryKey(szTestKey);
    }
};

CAppTestApp theTestApp;
} // namespace

void ResetAppTestProfile()
{
    theTestApp.UseKey();
    CString strKey = CString(_T("Software\\")) + szTestKey;
    ::SHDeleteKeyA(HKEY_CURRENT_USER, strKey);
}

CString AppTestProfileKey(LPCTSTR pszSection)
{
    CString strKey;
    strKey.Format(_T("Software\\%s\\%s\\%s"), szTestKey, szTestApp, pszSection);
    return strKey;
}
