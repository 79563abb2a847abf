// The application object of every layer's test program, so that AfxGetApp() and its profile
// work.
#include "TestSupport.h"

namespace
{
CTestWinApp theApp(_T("UicoreTests"), _T("Quendra Labs"));
} // namespace
