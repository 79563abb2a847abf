// The frame helper: the menu bar taking the frame's menu, pop-up menus approved by the frame and
// the keys and clicks routed to them, and the user-defined tool bars kept with the frame's state.
#include <gtest/gtest.h>

#include <vector>

#include "DemoIds.h"
#include "ORXFrameWnd.h"
#include "ORXMenuBar.h"
#include "ORXPopupMenu.h"
#include "ORXRegistry.h"
#include "ORXToolBar.h"
#include "ORXWorkspace.h"
#include "TestSupport.h"

namespace
{
int s_nPrevApprovals = 0;
// A host that claims every menu.
class CRecordingHost : public CORXMenuHost
{
public:
    virtual BOOL OnShowMenu(CORXPopupMenu* pMenu, BOOL& bApprove)
    {
        s_nPrevApprovals++;
        CORXPopupMenu::SetActiveMenu(pMenu);
        bApprove = TRUE;
        return TRUE;
    }
} s_recordingHost;

const UINT kFirstUserBar = 0xE900;
const UINT kLastUserBar = 0xE901;

class FrameHelperTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        App().ResetProfile();
        m_pWorkspace = new CORXWorkspace;
        m_pWorkspace->SetRegistryBase(_T("Velmora"));
    }
    void TearDown() override
    {
        CORXPopupMenu* pMenu = CORXPopupMenu::GetActiveMenu();
        if (pMenu != NULL && ::IsWindow(pMenu->GetSafeHwnd()))
            pMenu->SendMessage(WM_CLOSE);
        PumpPending();
        CORXPopupMenu::SetActiveMenu(NULL);
        for (size_t i = 0; i < m_frames.size(); i++)
            if (::IsWindow(m_frames[i]))
                ::DestroyWindow(m_frames[i]);
        CORXServices::Unregister<CORXMenuHost>(&s_recordingHost);
        delete m_pWorkspace;
    }
    CORXFrameWnd* NewFrame()
    {
        CORXFrameWnd* pFrame = new CORXFrameWnd;
        pFrame->EnableUserToolbars(kFirstUserBar, kLastUserBar);
        EXPECT_TRUE(pFrame->Create(NULL, _T("Frame helper test"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 600, 300),
                                   NULL, MAKEINTRESOURCE(IDR_DEMO_MAINFRAME)));
        m_frames.push_back(pFrame->GetSafeHwnd());
        return pFrame;
    }
    // A pop-up menu of two commands opened from the window.
    CORXPopupMenu* OpenMenu(CWnd* pParent)
    {
        HMENU hMenu = ::CreatePopupMenu();
        ::AppendMenuA(hMenu, MF_STRING, ID_DEMO_MENU_FIRST, "&First");
        ::AppendMenuA(hMenu, MF_STRING, ID_DEMO_MENU_FIRST + 1, "&Second");
        CORXPopupMenu* pMenu = new CORXPopupMenu;
        if (!pMenu->Create(pParent, 100, 100, hMenu, FALSE, TRUE))
        {
            delete pMenu;
            ::DestroyMenu(hMenu);
            return NULL;
        }
        PumpPending();
        return pMenu;
    }

    CORXWorkspace* m_pWorkspace = NULL;
    std::vector<HWND> m_frames;
};
} // namespace

TEST_F(FrameHelperTest, TheMenuBarTakesTheFramesMenuThroughTheHelper)
{
    CORXFrameWnd* pFrame = NewFrame();
    HMENU hMenu = ::GetMenu(pFrame->m_hWnd);
    ASSERT_TRUE(hMenu != NULL);
    int nItems = ::GetMenuItemCount(hMenu);

    CORXMenuBar bar;
    ASSERT_TRUE(bar.Create(pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP, ORX_IDW_MENUBAR));
    // Made inside the frame, the bar is the frame's menu bar; the menu waits for the hand-over.
    EXPECT_EQ(&bar, pFrame->GetFrameImpl().GetMenuBar());
    EXPECT_TRUE(::GetMenu(pFrame->m_hWnd) == hMenu);
    // As a frame loaded from the menu's resource records it.
    pFrame->m_nIDHelp = IDR_DEMO_MAINFRAME;
    pFrame->SetMenuBar(&bar);

    EXPECT_TRUE(::GetMenu(pFrame->m_hWnd) == NULL);
    EXPECT_EQ(&bar, pFrame->GetFrameImpl().GetMenuBar());
    EXPECT_TRUE(bar.GetDefaultMenu() == hMenu);
    EXPECT_TRUE(bar.GetMenu() == hMenu);
    EXPECT_EQ((UINT)IDR_DEMO_MAINFRAME, bar.GetDefaultMenuResId());
    EXPECT_EQ(nItems, bar.GetCount());
    // Handed over again, the bar keeps the menu it holds.
    pFrame->SetMenuBar(&bar);
    EXPECT_TRUE(bar.GetDefaultMenu() == hMenu);
    EXPECT_EQ(nItems, bar.GetCount());

    // Another frame's bar is that frame's alone, and the frame forgets it when it goes.
    CORXFrameWnd* pOther = NewFrame();
    CORXMenuBar* pGone = new CORXMenuBar;
    ASSERT_TRUE(pGone->Create(pOther, WS_CHILD | WS_VISIBLE | CBRS_TOP, ORX_IDW_MENUBAR));
    EXPECT_EQ(pGone, pOther->GetFrameImpl().GetMenuBar());
    EXPECT_EQ(&bar, pFrame->GetFrameImpl().GetMenuBar());
    pGone->DestroyWindow();
    delete pGone;
    EXPECT_EQ(nullptr, pOther->GetFrameImpl().GetMenuBar());
    bar.DestroyWindow();
}

TEST_F(FrameHelperTest, TheFrameApprovesItsMenusRoutesKeysAndClosesOnOutsideClicks)
{
    // A host ranked after the frames is asked only for menus of other windows.
    CORXServices::Register<CORXMenuHost>(&s_recordingHost, CORXServices::rankLast);
    s_nPrevApprovals = 0;
    CORXFrameWnd* pFrame = NewFrame();
    pFrame->ShowWindow(SW_SHOWNORMAL);
    CORXFrameImpl& impl = pFrame->GetFrameImpl();

    CORXPopupMenu* pMenu = OpenMenu(pFrame);
    ASSERT_TRUE(pMenu != NULL);
    EXPECT_EQ(0, s_nPrevApprovals);
    EXPECT_EQ(pMenu, CORXPopupMenu::GetActiveMenu());
    HWND hMenuWnd = pMenu->GetSafeHwnd();

    // Over the menu the point is inside; far away it is outside.
    CRect rect;
    pMenu->GetWindowRect(&rect);
    EXPECT_FALSE(impl.IsPointOutsidePopupMenu(rect.CenterPoint()));
    EXPECT_TRUE(impl.IsPointOutsidePopupMenu(CPoint(rect.right + 200, rect.bottom + 200)));

    // A key goes to the menu: Escape closes it.
    BOOL bAccel = FALSE;
    EXPECT_TRUE(impl.ProcessKeyboard(VK_ESCAPE, &bAccel));
    EXPECT_TRUE(bAccel);
    PumpPending();
    EXPECT_FALSE(::IsWindow(hMenuWnd));

    // A click outside every menu closes the menu and still goes through.
    pMenu = OpenMenu(pFrame);
    ASSERT_TRUE(pMenu != NULL);
    hMenuWnd = pMenu->GetSafeHwnd();
    pMenu->GetWindowRect(&rect);
    EXPECT_FALSE(
        impl.ProcessMouseClick(WM_LBUTTONDOWN, CPoint(rect.right + 200, rect.bottom + 200), pFrame->m_hWnd));
    PumpPending();
    EXPECT_FALSE(::IsWindow(hMenuWnd));

    // A menu of a window that is not a framework frame is left to the other host.
    CFrameWnd* pOther = new CFrameWnd;
    ASSERT_TRUE(pOther->Create(NULL, _T("Other"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 100)));
    m_frames.push_back(pOther->GetSafeHwnd());
    pMenu = OpenMenu(pOther);
    ASSERT_TRUE(pMenu != NULL);
    EXPECT_EQ(1, s_nPrevApprovals);
}

TEST_F(FrameHelperTest, UserToolbarsAreCreatedSavedLoadedAndDeletedWithTheFramesState)
{
    CORXFrameWnd* pFrame = NewFrame();
    CORXFrameImpl& impl = pFrame->GetFrameImpl();
    CORXToolBar* pBar = (CORXToolBar*)pFrame->SendMessage(ORX_WM_TOOLBAR_CREATE, 0, (LPARAM) _T("Mine"));
    ASSERT_TRUE(pBar != NULL);
    EXPECT_EQ((int)kFirstUserBar, pBar->GetDlgCtrlID());
    CString strName;
    pBar->GetWindowText(strName);
    EXPECT_EQ(CString(_T("Mine")), strName);
    EXPECT_TRUE(pFrame->IsUserDefinedToolbar(pBar));
    EXPECT_EQ((DWORD)0x34, pBar->GetBarStyle() & 0x34);
    ASSERT_GE(pBar->InsertButton(new CORXToolbarButton(ID_DEMO_ALARM, -1)), 0);
    ASSERT_GE(pBar->InsertButton(new CORXToolbarButton(ID_DEMO_NEW, -1)), 0);

    // The next bar takes the next id; a full range gives none.
    CORXToolBar* pSecond = impl.CreateNewToolBar(_T("Second"));
    ASSERT_TRUE(pSecond != NULL);
    EXPECT_EQ((int)kLastUserBar, pSecond->GetDlgCtrlID());
    EXPECT_EQ(0u, CORXFrameImpl::GetFreeBarID(kFirstUserBar, kLastUserBar, impl.GetUserToolbars()));
    EXPECT_EQ(0u, CORXFrameImpl::GetFreeBarID(kLastUserBar, kFirstUserBar, impl.GetUserToolbars()));
    EXPECT_TRUE(pFrame->SendMessage(ORX_WM_TOOLBAR_DELETE, 0, (LPARAM)pSecond) != 0);
    EXPECT_EQ(kLastUserBar, CORXFrameImpl::GetFreeBarID(kFirstUserBar, kLastUserBar, impl.GetUserToolbars()));

    // A bar that is not user-defined is refused.
    CORXToolBar other;
    ASSERT_TRUE(other.Create(pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP, AFX_IDW_TOOLBAR));
    EXPECT_FALSE(impl.DeleteToolBar(&other));
    EXPECT_FALSE(pFrame->IsUserDefinedToolbar(&other));
    other.DestroyWindow();

    ASSERT_TRUE(m_pWorkspace->SaveState(NULL, pFrame));
    pFrame->DestroyWindow();

    // A new frame gets the saved bar back through the workspace, with its buttons.
    CORXFrameWnd* pAgain = NewFrame();
    EXPECT_TRUE(m_pWorkspace->LoadState(NULL, pAgain));
    const CObList& bars = pAgain->GetFrameImpl().GetUserToolbars();
    ASSERT_EQ(1, (int)bars.GetCount());
    CORXToolBar* pLoaded = (CORXToolBar*)bars.GetHead();
    EXPECT_EQ((int)kFirstUserBar, pLoaded->GetDlgCtrlID());
    ASSERT_EQ(2, pLoaded->GetCount());
    EXPECT_EQ((UINT)ID_DEMO_ALARM, pLoaded->GetButton(0)->m_nID);
    EXPECT_EQ((UINT)ID_DEMO_NEW, pLoaded->GetButton(1)->m_nID);
    EXPECT_EQ(0x34u, pLoaded->GetBarStyle() & 0x34);

    // Deleting it removes its saved state: the next frame has no user bars.
    EXPECT_TRUE(pAgain->GetFrameImpl().DeleteToolBar(pLoaded));
    EXPECT_EQ(0, (int)bars.GetCount());
    pAgain->DestroyWindow();
    CORXFrameWnd* pThird = NewFrame();
    m_pWorkspace->LoadState(NULL, pThird);
    EXPECT_EQ(0, (int)pThird->GetFrameImpl().GetUserToolbars().GetCount());
}
