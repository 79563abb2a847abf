// The application object shared by the window tests.
#include "WindowTestApp.h"
#include "WindowTestIds.h"
#include "TestWindowing.h"

CTestApp theTestApp;

BEGIN_MESSAGE_MAP(CTestApp, CRecordingTestApp)
ON_COMMAND(ID_TEST_APP_CMD, OnAppCmd)
ON_COMMAND(ID_TEST_SHARED_CMD, OnSharedCmd)
ON_COMMAND(ID_TEST_DISABLED_CMD, OnDisabledCmd)
ON_UPDATE_COMMAND_UI(ID_TEST_DISABLED_CMD, OnUpdateDisabledCmd)
END_MESSAGE_MAP()

CTestApp::CTestApp() : CRecordingTestApp(_T("WindowTests")) {}

void CTestApp::OnAppCmd()
{
    Record("app");
}

void CTestApp::OnSharedCmd()
{
    Record("app-shared");
}

void CTestApp::OnUpdateDisabledCmd(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(FALSE);
}

void CTestApp::OnDisabledCmd()
{
    Record("disabled-ran");
}

namespace
{
const ::testing::Environment* const windowing = ::testing::AddGlobalTestEnvironment(new CTestWindowing);
} // namespace
