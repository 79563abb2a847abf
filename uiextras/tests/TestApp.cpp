// The application object and the windowing start-up of every library's test program.
#include "TestSupport.h"
#include "TestWindowing.h"

namespace
{
CTestWinApp theApp(_T("UiExtrasTests"), _T("Quendra Labs"));
::testing::Environment* const windowing = ::testing::AddGlobalTestEnvironment(new CTestWindowing);
} // namespace
