// The extras' test program: its application object and the windowing start-up every test needs.
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
