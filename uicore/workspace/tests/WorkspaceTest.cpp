// The workspace singleton, its registry paths, the managers it owns and the global clean-up order.
#include <gtest/gtest.h>

#include <string>

#include "ORXContextMenuManager.h"
#include "ORXTearOffManager.h"
#include "ORXWorkspace.h"
#include "TestSupport.h"

namespace
{
std::string g_trace;
void StepA()
{
    g_trace += "A";
}
void StepB()
{
    g_trace += "B";
}
void StepC()
{
    g_trace += "C";
}
int g_nReleased = 0;
void ReleaseKeyboard()
{
    g_nReleased++;
}
} // namespace

TEST(Workspace, SingletonFollowsTheLastConstructedAndClearsOnDestruction)
{
    EXPECT_EQ(NULL, CORXWorkspace::GetInstance());
    CORXWorkspace* pFirst = new CORXWorkspace;
    EXPECT_EQ(pFirst, CORXWorkspace::GetInstance());
    CORXWorkspace* pSecond = new CORXWorkspace(TRUE);
    EXPECT_EQ(pSecond, CORXWorkspace::GetInstance());
    delete pFirst;
    EXPECT_EQ(NULL, CORXWorkspace::GetInstance());
    delete pSecond;
    EXPECT_EQ(NULL, CORXWorkspace::GetInstance());
}

TEST(Workspace, RegistryBaseAndSectionPaths)
{
    App().ResetProfile();
    // The application's registry key is this process's own below the maker's.
    CString strBase;
    strBase.Format(_T("SOFTWARE\\Quendra Labs\\%lu\\UicoreTests\\Velmora\\"), ::GetCurrentProcessId());
    CORXWorkspace ws;
    EXPECT_STREQ(_T("ORXWorkspace"), ws.GetRegistryBase());
    EXPECT_STREQ(_T("Velmora"), ws.SetRegistryBase(_T("Velmora")));
    struct Case
    {
        LPCTSTR pszSection;
        LPCTSTR pszExpected;
    } cases[] = {
        {_T(""), _T("")},
        {NULL, _T("")},
        {_T("ORXToolBars"), _T("ORXToolBars\\")},
    };
    for (const Case& c : cases)
        EXPECT_STREQ((LPCTSTR)(strBase + c.pszExpected), (LPCTSTR)ws.GetRegistrySectionPath(c.pszSection));

    // A saver's path: the one it is given, else its own section beside the workspace's key.
    CString strProgram;
    strProgram.Format(_T("SOFTWARE\\Quendra Labs\\%lu\\UicoreTests\\"), ::GetCurrentProcessId());
    const CString strWorkspace = ws.GetRegistrySectionPath();
    struct SaverCase
    {
        LPCTSTR pszSection;
        LPCTSTR pszPath;
        CString strExpected;
    } savers[] = {
        {_T("ORXMouseManager"), NULL, strProgram + _T("ORXMouseManager\\")},
        {_T("ORXToolBars"), _T(""), strProgram + _T("ORXToolBars\\")},
        {_T("ORXToolBars"), _T("SOFTWARE\\Elsewhere\\"), _T("SOFTWARE\\Elsewhere\\")},
        {_T("ORXKeyboardManager"), strWorkspace, strBase},
    };
    for (const SaverCase& c : savers)
        EXPECT_STREQ((LPCTSTR)c.strExpected,
                     (LPCTSTR)CORXWorkspace::BuildRegistryPath(c.pszSection, c.pszPath));
}

TEST(Workspace, DeletesOnlyTheManagersItCreated)
{
    CORXWorkspace::SetManagerRelease(CORXWorkspace::mgrKeyboard, ReleaseKeyboard);
    g_nReleased = 0;
    {
        CORXWorkspace ws;
    }
    EXPECT_EQ(0, g_nReleased);
    {
        CORXWorkspace ws;
        ws.m_bManagerCreated[CORXWorkspace::mgrKeyboard] = TRUE;
    }
    EXPECT_EQ(1, g_nReleased);
    CORXWorkspace::SetManagerRelease(CORXWorkspace::mgrKeyboard, NULL);

    // The context-menu and tear-off managers go too when the workspace made them, and only then.
    CORXContextMenuManager* pContextMenus = new CORXContextMenuManager;
    CORXTearOffManager* pTearOffs = new CORXTearOffManager;
    ORXSetTearOffManager(pTearOffs);
    {
        CORXWorkspace ws;
        EXPECT_FALSE(ws.ShowPopupMenu(12345, CPoint(10, 10), NULL)); // no such menu
    }
    EXPECT_EQ(pContextMenus, ORXContextMenuManager());
    EXPECT_EQ(pTearOffs, ORXTearOffManager());
    {
        CORXWorkspace ws;
        ws.m_bManagerCreated[CORXWorkspace::mgrContextMenu] = TRUE;
        ws.m_bManagerCreated[CORXWorkspace::mgrTearOff] = TRUE;
    }
    EXPECT_EQ((CORXContextMenuManager*)NULL, ORXContextMenuManager());
    EXPECT_EQ((CORXTearOffManager*)NULL, ORXTearOffManager());
    CORXWorkspace ws;
    EXPECT_FALSE(ws.ShowPopupMenu(12345, CPoint(10, 10), NULL)); // no context-menu manager
}

TEST(Workspace, CleanUpRunsRegisteredStepsOnceInRankOrder)
{
    g_trace.clear();
    ORXCleanUpGlobals(); // nothing registered: completes without doing anything
    EXPECT_EQ("", g_trace);

    ORXRegisterCleanUp(ORXCLEANUP_VISUALMANAGER, StepC);
    ORXRegisterCleanUp(ORXCLEANUP_GLOBALDATA, StepA);
    ORXRegisterCleanUp(ORXCLEANUP_COMMANDMANAGER, StepB);
    ORXRegisterCleanUp(ORXCLEANUP_GLOBALDATA, StepA); // a second registration is ignored
    ORXCleanUpGlobals();
    EXPECT_EQ("ABC", g_trace);
    ORXCleanUpGlobals();
    EXPECT_EQ("ABC", g_trace);
}
