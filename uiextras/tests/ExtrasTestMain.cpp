// The application object and the windowing start-up of every extras test program.
#include <gtest/gtest.h>

#include "TestSupport.h"

namespace
{
CTestWinApp theApp(_T("UiExtrasTests"), _T("Quendra Labs"));

struct Windowing : ::testing::Environment
{
    void SetUp() override { InitTestWindowing(); }
};
::testing::Environment* const windowing = ::testing::AddGlobalTestEnvironment(new Windowing);
} // namespace
