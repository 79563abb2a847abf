// What a frame does with commands and keys: the route view, frame, application; accelerators;
// idle updates of its bars; the status bar's prompts; bars that delete themselves.
#include "FrameTestSupport.h"
#include "FrameTestIds.h"
#include <gtest/gtest.h>

namespace
{

const UINT kBar = AFX_IDW_CONTROLBAR_FIRST + 0x40;

typedef std::vector<std::string> Route;

class FrameRouting : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_route.clear();
        m_pFrame = new CTestFrame;
        // Hidden: showing a window costs seconds on this display; only the idle tests show it.
        ASSERT_TRUE(m_pFrame->Create(NULL, _T("Routing"), WS_OVERLAPPEDWINDOW, CRect(30, 30, 430, 330)));
        m_hFrame = m_pFrame->m_hWnd;
        m_pView = new CTestView;
        ASSERT_TRUE(m_pView->Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), m_pFrame,
                                    AFX_IDW_PANE_FIRST));
        m_pFrame->SetActiveView(m_pView);
    }

    void TearDown() override
    {
        theFrameTestApp.m_pMainWnd = NULL;
        if (::IsWindow(m_hFrame))
            m_pFrame->DestroyWindow();
    }

    Route Command(UINT nID)
    {
        g_route.clear();
        m_pFrame->SendMessage(WM_COMMAND, nID);
        return g_route;
    }

    CTestFrame* m_pFrame;
    HWND m_hFrame;
    CTestView* m_pView;
};

TEST_F(FrameRouting, CommandsGoToTheViewThenTheFrameThenTheApplication)
{
    const struct
    {
        UINT nID;
        Route route;
    } cases[] = {
        {ID_CMD_VIEW, {"view"}},       {ID_CMD_FRAME, {"frame"}},
        {ID_CMD_APP, {"app"}},         {ID_CMD_SHARED, {"view"}}, // the first of view, frame and application
        {ID_CMD_FRAME_APP, {"frame"}},                            // the frame before the application
        {ID_CMD_UNHANDLED, {}},        {ID_CMD_DISABLED, {}}, // its update handler disables it, so it does
                                                              // not run
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.nID);
        EXPECT_EQ(c.route, Command(c.nID));
    }

    // Without an active view the frame is first; a destroyed view is never asked.
    m_pFrame->SetActiveView(NULL);
    EXPECT_EQ(Route({"frame"}), Command(ID_CMD_SHARED));
    EXPECT_EQ(Route(), Command(ID_CMD_VIEW));
    m_pFrame->SetActiveView(m_pView);
    EXPECT_EQ(Route({"view"}), Command(ID_CMD_SHARED));
    m_pView->DestroyWindow();
    EXPECT_EQ(NULL, m_pFrame->GetActiveView());
    EXPECT_EQ(Route({"frame"}), Command(ID_CMD_SHARED));
}

TEST_F(FrameRouting, WhatABarsChildrenTellItGoesToTheFrame)
{
    CTestBar bar(30);
    ASSERT_TRUE(bar.Create(m_pFrame, CBRS_ALIGN_TOP, kBar));
    CButton button;
    ASSERT_TRUE(button.Create(_T("Go"), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(2, 2, 60, 26), &bar,
                              IDC_BAR_BUTTON));
    g_route.clear();
    bar.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BAR_BUTTON, BN_CLICKED), (LPARAM)button.m_hWnd);
    EXPECT_EQ(Route({"frame"}), g_route);

    // A tool tip asks the bar for a tool's text; the frame answers with the command's tip line.
    TOOLTIPTEXTA ttt;
    memset(&ttt, 0, sizeof(ttt));
    ttt.hdr.hwndFrom = m_hFrame; // a window that is no child, as a tool-tip control is
    ttt.hdr.idFrom = ID_CMD_VIEW;
    ttt.hdr.code = TTN_NEEDTEXTA;
    bar.SendMessage(WM_NOTIFY, 0, (LPARAM)&ttt);
    ASSERT_TRUE(ttt.lpszText != NULL);
    EXPECT_STREQ("View tip", ttt.lpszText);
}

MSG Key(HWND hWnd, UINT nVirtKey)
{
    MSG msg;
    memset(&msg, 0, sizeof(msg));
    msg.hwnd = hWnd;
    msg.message = WM_KEYDOWN;
    msg.wParam = nVirtKey;
    msg.lParam = 1;
    return msg;
}

TEST(FrameAccelerators, AKeyOfTheFramesTableFiresItsCommand)
{
    CTestFrame* pFrame = new CTestFrame;
    ASSERT_TRUE(pFrame->LoadFrame(IDR_TEST_FRAME, WS_OVERLAPPEDWINDOW));
    EXPECT_EQ(CString(_T("Test frame")), pFrame->GetTitle());
    EXPECT_TRUE(pFrame->GetMenu() != NULL);
    EXPECT_TRUE(pFrame->m_hAccelTable != NULL);
    CTestView* pView = new CTestView;
    ASSERT_TRUE(
        pView->Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), pFrame, AFX_IDW_PANE_FIRST));

    // A key pressed in the view reaches the frame's table through the thread's pre-translation.
    g_route.clear();
    MSG msg = Key(pView->m_hWnd, VK_F5);
    EXPECT_TRUE(AfxGetApp()->PreTranslateMessage(&msg));
    EXPECT_EQ(Route({"frame"}), g_route);

    g_route.clear();
    msg = Key(pView->m_hWnd, VK_F6);
    EXPECT_FALSE(AfxGetApp()->PreTranslateMessage(&msg));
    EXPECT_EQ(Route(), g_route);
    pFrame->DestroyWindow();

    // A frame made without a resource has no table.
    pFrame = new CTestFrame;
    ASSERT_TRUE(pFrame->Create(NULL, _T("Plain")));
    msg = Key(pFrame->m_hWnd, VK_F5);
    EXPECT_FALSE(AfxGetApp()->PreTranslateMessage(&msg));
    EXPECT_EQ(Route(), g_route);
    pFrame->DestroyWindow();
}

TEST_F(FrameRouting, IdleTimeUpdatesEachVisibleBarAgainstTheFrame)
{
    CTestBar bar(24), hidden(24);
    ASSERT_TRUE(bar.Create(m_pFrame, CBRS_ALIGN_TOP, kBar));
    ASSERT_TRUE(hidden.Create(m_pFrame, CBRS_ALIGN_LEFT, kBar + 1));
    m_pFrame->ShowControlBar(&hidden, FALSE, FALSE);
    bar.m_commands = {ID_CMD_VIEW, ID_CMD_FRAME, ID_CMD_APP, ID_CMD_DISABLED, ID_CMD_UNHANDLED};

    // Idle processing updates the main window only while it shows.
    m_pFrame->ShowWindow(SW_SHOWNOACTIVATE);
    theFrameTestApp.m_pMainWnd = m_pFrame;
    theFrameTestApp.OnIdle(0);
    EXPECT_EQ(1, bar.m_nUpdates);
    EXPECT_EQ(m_pFrame, bar.m_pLastTarget);
    EXPECT_EQ(0, hidden.m_nUpdates);
    // Handlers anywhere on the route count; a command nobody handles is disabled.
    const std::map<UINT, BOOL> expected = {{ID_CMD_VIEW, TRUE},
                                           {ID_CMD_FRAME, TRUE},
                                           {ID_CMD_APP, TRUE},
                                           {ID_CMD_DISABLED, FALSE},
                                           {ID_CMD_UNHANDLED, FALSE}};
    EXPECT_EQ(expected, bar.m_enabled);
}

CString BarText(CWnd* pBar)
{
    CString strText;
    pBar->GetWindowText(strText);
    return strText;
}

TEST_F(FrameRouting, TheStatusBarShowsPromptsOfMenuItemsAndBars)
{
    CTestBar status(20);
    ASSERT_TRUE(status.Create(m_pFrame, CBRS_ALIGN_BOTTOM, AFX_IDW_STATUS_BAR));
    EXPECT_EQ(&status, m_pFrame->GetMessageBar());

    m_pFrame->SetMessageText(ID_CMD_VIEW);
    EXPECT_EQ(CString(_T("View command prompt")), BarText(&status));
    m_pFrame->SetMessageText(_T("Any text"));
    EXPECT_EQ(CString(_T("Any text")), BarText(&status));

    // Menu tracking: the item's prompt shows when the menu loop is idle.
    const struct
    {
        UINT nItem, nFlags;
        LPCTSTR pszText;
    } steps[] = {
        {ID_CMD_FRAME, MF_STRING, _T("Frame command prompt")},
        {SC_CLOSE, MF_STRING, _T("Closes the window")},
        {0, MF_POPUP, _T("")},
    };
    for (const auto& s : steps)
    {
        SCOPED_TRACE(s.nItem);
        m_pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(s.nItem, s.nFlags), 0);
        m_pFrame->SendMessage(WM_ENTERIDLE, MSGF_MENU, 0);
        EXPECT_EQ(CString(s.pszText), BarText(&status));
    }
    // A bar's fly-by text does not take the status bar back from a menu.
    m_pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(ID_CMD_FRAME, MF_STRING), 0);
    m_pFrame->SendMessage(WM_ENTERIDLE, MSGF_MENU, 0);
    m_pFrame->SendMessage(WM_POPMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    EXPECT_EQ(CString(_T("Frame command prompt")), BarText(&status));
    // The menu closes: the idle prompt at once.
    m_pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ(CString(_T("Ready")), BarText(&status));

    // Fly-by: the command under the mouse on a bar, then the idle prompt off its tools.
    CTestBar tools(30, 200);
    ASSERT_TRUE(tools.Create(m_pFrame, CBRS_ALIGN_TOP | CBRS_FLYBY, kBar));
    tools.m_nToolID = ID_CMD_APP;
    m_pFrame->RecalcLayout();
    MSG msg;
    memset(&msg, 0, sizeof(msg));
    msg.hwnd = tools.m_hWnd;
    msg.message = WM_MOUSEMOVE;
    msg.lParam = MAKELPARAM(5, 5);
    EXPECT_FALSE(AfxGetApp()->PreTranslateMessage(&msg));
    EXPECT_EQ(CString(_T("App command prompt")), BarText(&status));
    CRect rect;
    tools.GetClientRect(&rect);
    msg.lParam = MAKELPARAM(rect.right - 5, 5);
    EXPECT_FALSE(AfxGetApp()->PreTranslateMessage(&msg));
    EXPECT_EQ(CString(_T("Ready")), BarText(&status));
}

TEST_F(FrameRouting, AnAutoDeleteBarGoesWithItsWindowOthersStay)
{
    int nDeleted = 0;
    CTestBar* pAuto = new CTestBar(20);
    pAuto->m_bAutoDelete = TRUE;
    pAuto->m_pDeleted = &nDeleted;
    ASSERT_TRUE(pAuto->Create(m_pFrame, CBRS_ALIGN_TOP, kBar));
    pAuto->DestroyWindow();
    EXPECT_EQ(1, nDeleted);
    EXPECT_EQ(NULL, m_pFrame->GetControlBar(kBar));

    // Without the flag the object outlives its window; deleting a live bar destroys its window.
    CTestBar* pKept = new CTestBar(20);
    pKept->m_pDeleted = &nDeleted;
    ASSERT_TRUE(pKept->Create(m_pFrame, CBRS_ALIGN_TOP, kBar));
    pKept->DestroyWindow();
    EXPECT_EQ(1, nDeleted);
    EXPECT_EQ(NULL, pKept->m_hWnd);
    ASSERT_TRUE(pKept->Create(m_pFrame, CBRS_ALIGN_TOP, kBar));
    HWND hKept = pKept->m_hWnd;
    delete pKept;
    EXPECT_EQ(2, nDeleted);
    EXPECT_FALSE(::IsWindow(hKept));
    EXPECT_EQ(NULL, m_pFrame->GetControlBar(kBar));

    // The frame going takes its auto-delete bars along; a bar object of the caller's stays.
    CTestBar* pAutoInFrame = new CTestBar(20);
    pAutoInFrame->m_bAutoDelete = TRUE;
    pAutoInFrame->m_pDeleted = &nDeleted;
    ASSERT_TRUE(pAutoInFrame->Create(m_pFrame, CBRS_ALIGN_TOP, kBar));
    CTestBar kept(20);
    ASSERT_TRUE(kept.Create(m_pFrame, CBRS_ALIGN_LEFT, kBar + 1));
    m_pFrame->DestroyWindow();
    EXPECT_EQ(3, nDeleted);
    EXPECT_EQ(NULL, kept.m_hWnd);
    EXPECT_EQ(NULL, kept.m_pDockSite);
}

} // namespace
