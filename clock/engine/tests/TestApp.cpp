// TestApp.cpp: the engine tests' application object, so that AfxGetApp() and its profile work.
#include "TestApp.h"

#include "TestSupport.h"

namespace
{
CTestWinApp theTestApp(_T("VelmoraEngineTests"), _T("Velmora Engine Test"));
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
