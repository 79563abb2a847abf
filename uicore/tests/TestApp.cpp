// The application object of the framework's test programs, so that AfxGetApp() and its profile
// work; the workspace's tests bring their own with WorkspaceTest.cpp.
#include "TestSupport.h"

namespace
{
CTestWinApp theApp(_T("UicoreTests"), _T("Quendra Labs"));
} // namespace
