// The application object shared by the window tests.
#include "WindowTestApp.h"
#include "WindowTestIds.h"
#include <gtest/gtest.h>

CTestApp theTestApp;

BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
ON_COMMAND(ID_TEST_APP_CMD, OnAppCmd)
ON_COMMAND(ID_TEST_SHARED_CMD, OnSharedCmd)
ON_COMMAND(ID_TEST_DISABLED_CMD, OnDisabledCmd)
ON_UPDATE_COMMAND_UI(ID_TEST_DISABLED_CMD, OnUpdateDisabledCmd)
END_MESSAGE_MAP()

CTestApp::CTestApp() : CWinApp("WindowTests"), m_pRoute(NULL) {}

int CTestApp::DoMessageBox(LPCTSTR lpszPrompt, UINT, UINT)
{
    m_messages.push_back(lpszPrompt);
    if (m_onMessage)
        m_onMessage(lpszPrompt);
    return IDOK;
}

void CTestApp::OnAppCmd()
{
    if (m_pRoute != NULL)
        m_pRoute->push_back("app");
}

void CTestApp::OnSharedCmd()
{
    if (m_pRoute != NULL)
        m_pRoute->push_back("app-shared");
}

void CTestApp::OnUpdateDisabledCmd(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(FALSE);
}

void CTestApp::OnDisabledCmd()
{
    if (m_pRoute != NULL)
        m_pRoute->push_back("disabled-ran");
}

namespace
{
class CAppEnvironment : public ::testing::Environment
{
public:
    void SetUp() override { InitTestWindowing(); }
};
const ::testing::Environment* const appEnvironment = ::testing::AddGlobalTestEnvironment(new CAppEnvironment);
} // namespace
