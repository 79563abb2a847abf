// TestApp.cpp: the engine tests' application object, so that AfxGetApp() and its profile work, and
// the engine's settings kept in that profile.
#include "TestApp.h"

#include "ProfileStore.h"
#include "TestSupport.h"

namespace
{
CTestWinApp theTestApp(_T("VelmoraEngineTests"), _T("Velmora Engine Test"));

class CTestProfileStore : public IProfileStore
{
public:
    UINT GetProfileInt(LPCTSTR pszSection, LPCTSTR pszEntry, int nDefault) override
    {
        return theTestApp.GetProfileInt(pszSection, pszEntry, nDefault);
    }
    CString GetProfileString(LPCTSTR pszSection, LPCTSTR pszEntry, LPCTSTR pszDefault) override
    {
        return theTestApp.GetProfileString(pszSection, pszEntry, pszDefault);
    }
    BOOL GetProfileBinary(LPCTSTR pszSection, LPCTSTR pszEntry, LPBYTE* ppData, UINT* pBytes) override
    {
        return theTestApp.GetProfileBinary(pszSection, pszEntry, ppData, pBytes);
    }
    BOOL WriteProfileInt(LPCTSTR pszSection, LPCTSTR pszEntry, int nValue) override
    {
        return theTestApp.WriteProfileInt(pszSection, pszEntry, nValue);
    }
    BOOL WriteProfileString(LPCTSTR pszSection, LPCTSTR pszEntry, LPCTSTR pszValue) override
    {
        return theTestApp.WriteProfileString(pszSection, pszEntry, pszValue);
    }
    BOOL WriteProfileBinary(LPCTSTR pszSection, LPCTSTR pszEntry, LPBYTE pData, UINT nBytes) override
    {
        return theTestApp.WriteProfileBinary(pszSection, pszEntry, pData, nBytes);
    }
};

CTestProfileStore theProfileStore;
struct CProfileStoreInstaller
{
    CProfileStoreInstaller() { SetProfileStore(&theProfileStore); }
} theProfileStoreInstaller;
} // namespace

void ResetTestProfile()
{
    theTestApp.ResetProfile();
}

BOOL ReadTestProfileValue(LPCTSTR pszSection, LPCTSTR pszKey, DWORD& dwType, CByteArray& abData)
{
    Bytes data;
    if (!theTestApp.ReadProfileValue(pszSection, pszKey, dwType, data))
        return FALSE;
    abData.SetSize((INT_PTR)data.size());
    if (!data.empty())
        memcpy(abData.GetData(), data.data(), data.size());
    return TRUE;
}
