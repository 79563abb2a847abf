// The application object of the clock window tests, with a registry key of this process's own:
// ctest runs the cases as parallel processes.
#include "AppTestMain.h"

#include "AppServices.h"
#include "TestSupport.h"

namespace
{
CTestWinApp theTestApp(_T("VelmoraAppTests"), _T("Velmora App Test"));

// The engine's settings in the test application's profile, as the program keeps them in its own.
CWinAppProfileStore theProfileStore(theTestApp);
struct CProfileStoreInstaller
{
    CProfileStoreInstaller() { SetProfileStore(&theProfileStore); }
} theProfileStoreInstaller;
} // namespace

void ResetAppTestProfile()
{
    theTestApp.ResetProfile();
}

CString AppTestProfileKey(LPCTSTR pszSection)
{
    return theTestApp.ProfileKey(pszSection);
}
