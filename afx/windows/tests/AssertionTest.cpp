// The framework's assertions as the tests build them: a failed one is reported and ends the
// program instead of waiting on a message box.
#include "afxwin.h"
#include <gtest/gtest.h>

namespace
{

// A wrapper called on an object without a window stops the program loudly: the failed condition
// with its file and line on standard error, exit code 3, and no message box to wait on.
TEST(WrapperAssertions, CallWithoutAWindowEndsTheProgramWithItsPlace)
{
    CWnd wnd;
    EXPECT_EXIT(wnd.ShowWindow(SW_SHOW), ::testing::ExitedWithCode(3),
                "Assertion failed: .*AfxWnd\\.h\\(\\d+\\): ::IsWindow\\(m_hWnd\\)");
}

} // namespace
