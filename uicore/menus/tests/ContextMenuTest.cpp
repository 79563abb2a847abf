// The context-menu manager: menus known by id and name, shown as framework pop-up menus with the
// commands going to the right window, the return-command mode, who keeps the menu handles, and
// the customised items saved and loaded with the UI state.
#include <gtest/gtest.h>

#include <vector>

#include "DemoIds.h"
#include "ORXContextMenuManager.h"
#include "ORXGlobalData.h"
#include "ORXMenuPage.h"
#include "ORXMenuStore.h"
#include "ORXPopupMenu.h"
#include "ORXPopupMenuBar.h"
#include "ORXToolbarMenuButton.h"
#include "ORXWorkspaceBase.h"
#include "TestSupport.h"
#include "TestWindows.h"

namespace
{
// A child window of the frame that records the commands that reach it too.
class CContextChild : public CWnd
{
public:
    std::vector<UINT> m_commands;
    virtual BOOL OnCommand(WPARAM wParam, LPARAM)
    {
        m_commands.push_back(LOWORD(wParam));
        return TRUE;
    }
};

class ContextMenuTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CORXPopupMenu::SetAnimationType(CORXPopupMenu::NO_ANIMATION);
        m_pFrame = new CRecordingFrame;
        ASSERT_TRUE(
            m_pFrame->Create(NULL, _T("Context menu test"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 500, 300)));
        m_pFrame->m_bAutoMenuEnable = FALSE;
        ASSERT_TRUE(m_child.Create(AfxRegisterWndClass(0), _T(""), WS_CHILD | WS_VISIBLE,
                                   CRect(20, 20, 200, 100), m_pFrame, 7));
    }
    void TearDown() override
    {
        if (CORXPopupMenu::GetActiveMenu() != NULL)
            CORXPopupMenu::GetActiveMenu()->DestroyWindow();
        m_child.DestroyWindow();
        m_pFrame->DestroyWindow();
        PumpPending();
        CORXMenuStore::RemoveAll();
    }
    static void Key(CORXPopupMenu* pMenu, UINT nChar) { pMenu->SendMessage(WM_KEYDOWN, nChar, 1); }

    CRecordingFrame* m_pFrame = NULL;
    CContextChild m_child;
};

HMENU MakeMenu()
{
    HMENU hMenu = ::CreatePopupMenu();
    ::AppendMenuA(hMenu, MF_STRING, ID_DEMO_MENU_FIRST, "&First");
    ::AppendMenuA(hMenu, MF_STRING, ID_DEMO_MENU_CHECK, "&Checked");
    return hMenu;
}
} // namespace

TEST_F(ContextMenuTest, KnowsMenusByIdAndNameOnce)
{
    CORXContextMenuManager mgr;
    EXPECT_EQ(&mgr, ORXContextMenuManager());
    EXPECT_TRUE(mgr.AddMenu(_T("Demo"), IDR_DEMO_MENU));
    EXPECT_FALSE(mgr.AddMenu(_T("Other"), IDR_DEMO_MENU));     // the id is known
    EXPECT_FALSE(mgr.AddMenu(_T("Demo"), IDR_DEMO_MAINFRAME)); // the name is known
    EXPECT_FALSE(mgr.AddMenu(_T("Missing"), 0x7ABC));          // no such resource
    EXPECT_TRUE(mgr.AddMenu(_T("Main"), IDR_DEMO_MAINFRAME));

    CStringList names;
    mgr.GetMenuNames(names);
    ASSERT_EQ(2, (int)names.GetCount());
    EXPECT_TRUE(names.Find(_T("Demo")) != NULL && names.Find(_T("Main")) != NULL);
    UINT uiResId = 0;
    HMENU hDemo = mgr.GetMenuByName(_T("Demo"), &uiResId);
    EXPECT_EQ((UINT)IDR_DEMO_MENU, uiResId);
    EXPECT_EQ(mgr.GetMenuById(IDR_DEMO_MENU), hDemo);
    EXPECT_EQ((HMENU)NULL, mgr.GetMenuByName(_T("Nothing"), &uiResId));
}

TEST_F(ContextMenuTest, ShowsKnownMenusAgainAndSendsCommandsToTheTopWindow)
{
    CORXContextMenuManager mgr;
    ASSERT_TRUE(mgr.AddMenu(_T("Demo"), IDR_DEMO_MENU));
    EXPECT_FALSE(mgr.ShowPopupMenu(0x7ABC, 10, 10, m_pFrame));

    // Twice: the known menu outlives the pop-up menu that showed it.
    for (int nRound = 0; nRound < 2; nRound++)
    {
        ASSERT_TRUE(mgr.ShowPopupMenu(IDR_DEMO_MENU, -1, -1, &m_child)) << "round " << nRound;
        CORXPopupMenu* pMenu = CORXPopupMenu::GetActiveMenu();
        ASSERT_NE((CORXPopupMenu*)NULL, pMenu);
        // -1, -1 is just inside the owner's client area.
        CPoint ptOrigin(5, 5);
        m_child.ClientToScreen(&ptOrigin);
        CRect rect;
        pMenu->GetWindowRect(rect);
        EXPECT_EQ(ptOrigin, rect.TopLeft());
        EXPECT_EQ((UINT)ID_DEMO_MENU_FIRST, pMenu->GetMenuBar()->GetItemID(0));

        Key(pMenu, VK_HOME);
        Key(pMenu, VK_RETURN);
        PumpPending();
        EXPECT_EQ((CORXPopupMenu*)NULL, CORXPopupMenu::GetActiveMenu());
        EXPECT_TRUE(::IsMenu(mgr.GetMenuById(IDR_DEMO_MENU)));
        EXPECT_TRUE(::IsMenu(::GetSubMenu(mgr.GetMenuById(IDR_DEMO_MENU), 0)));
    }
    // Without "own messages" the child's top-level window gets the commands, with it the child.
    EXPECT_EQ((std::vector<UINT>{ID_DEMO_MENU_FIRST, ID_DEMO_MENU_FIRST}), m_pFrame->m_commands);
    EXPECT_TRUE(m_child.m_commands.empty());

    ASSERT_TRUE(mgr.ShowPopupMenu(IDR_DEMO_MENU, 30, 30, &m_child, TRUE));
    Key(CORXPopupMenu::GetActiveMenu(), VK_HOME);
    Key(CORXPopupMenu::GetActiveMenu(), VK_RETURN);
    PumpPending();
    EXPECT_EQ(std::vector<UINT>{ID_DEMO_MENU_FIRST}, m_child.m_commands);
}

TEST_F(ContextMenuTest, TheCallersMenuHandleOutlivesEveryShowing)
{
    ASSERT_FALSE(globalData.bIsWindowsNT4) << "only NT before 5 hands the menu over";
    CORXContextMenuManager mgr;
    // Shown twice each way, the default first: a caller that keeps its menu shows it again.
    for (BOOL bAutoDestroy : {TRUE, FALSE})
    {
        HMENU hKept = MakeMenu();
        for (int nRound = 0; nRound < 2; nRound++)
        {
            CORXPopupMenu* pMenu = bAutoDestroy ? mgr.ShowPopupMenu(hKept, 40, 40, m_pFrame)
                                                : mgr.ShowPopupMenu(hKept, 40, 40, m_pFrame, FALSE, FALSE);
            ASSERT_NE((CORXPopupMenu*)NULL, pMenu) << "autoDestroy " << bAutoDestroy << " round " << nRound;
            EXPECT_EQ(2, pMenu->GetMenuItemCount());
            pMenu->SendMessage(WM_CLOSE);
            PumpPending();
            EXPECT_TRUE(::IsMenu(hKept)) << "autoDestroy " << bAutoDestroy << " round " << nRound;
        }
        ::DestroyMenu(hKept);
    }

    // A second menu closes the first.
    HMENU hFirst = MakeMenu();
    HMENU hSecond = MakeMenu();
    CORXPopupMenu* pFirst = mgr.ShowPopupMenu(hFirst, 40, 40, m_pFrame);
    ASSERT_NE((CORXPopupMenu*)NULL, pFirst);
    HWND hWndFirst = pFirst->GetSafeHwnd();
    CORXPopupMenu* pSecond = mgr.ShowPopupMenu(hSecond, 60, 60, m_pFrame);
    ASSERT_NE((CORXPopupMenu*)NULL, pSecond);
    PumpPending();
    EXPECT_FALSE(::IsWindow(hWndFirst));
    EXPECT_EQ(pSecond, CORXPopupMenu::GetActiveMenu());
    pSecond->SendMessage(WM_CLOSE);
    PumpPending();
    EXPECT_TRUE(::IsMenu(hFirst) && ::IsMenu(hSecond));
    ::DestroyMenu(hFirst);
    ::DestroyMenu(hSecond);

    EXPECT_EQ((CORXPopupMenu*)NULL, mgr.ShowPopupMenu((HMENU)(UINT_PTR)0x4321, 40, 40, m_pFrame));
}

TEST_F(ContextMenuTest, ReturnCommandModeGivesTheChosenCommandInsteadOfSendingIt)
{
    CORXContextMenuManager mgr;
    HMENU hMenu = MakeMenu();
    // The keys wait in the queue until the manager's loop reads them for its menu.
    m_pFrame->PostMessage(WM_KEYDOWN, VK_END, 1);
    m_pFrame->PostMessage(WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_EQ((UINT)ID_DEMO_MENU_CHECK, mgr.TrackPopupMenu(hMenu, 50, 50, m_pFrame));
    PumpPending();
    EXPECT_TRUE(m_pFrame->m_commands.empty());
    EXPECT_FALSE(mgr.IsReturnCommand());
    EXPECT_TRUE(::IsMenu(hMenu));

    // Closed with Escape: no command.
    m_pFrame->PostMessage(WM_KEYDOWN, VK_ESCAPE, 1);
    EXPECT_EQ(0u, mgr.TrackPopupMenu(hMenu, 50, 50, m_pFrame));
    ::DestroyMenu(hMenu);
}

TEST_F(ContextMenuTest, CustomisedItemsGoThroughTheRegistryIntoTheStore)
{
    App().ResetProfile();
    CString strProfile = App().ProfileKey(_T("ContextMenus"));
    UINT uiSaved = 0;
    {
        CORXContextMenuManager mgr;
        ASSERT_TRUE(mgr.AddMenu(_T("Demo"), IDR_DEMO_MENU));
        HMENU hPopup = ::GetSubMenu(mgr.GetMenuById(IDR_DEMO_MENU), 0);
        // Nothing customised: nothing saved, nothing stored after a load.
        EXPECT_TRUE(mgr.SaveState(strProfile));
        EXPECT_TRUE(mgr.LoadState(strProfile));
        EXPECT_FALSE(CORXMenuStore::IsStored(hPopup));

        // The user's arrangement: only "Checked".
        CORXToolBar bar;
        bar.InsertButton(new CORXToolbarButton(ID_DEMO_MENU_CHECK, -1, _T("&Checked")));
        ASSERT_TRUE(CORXMenuStore::Store(hPopup, &bar));
        EXPECT_TRUE(mgr.SaveState(strProfile));
        uiSaved = ID_DEMO_MENU_CHECK;
    }
    CORXMenuStore::RemoveAll();

    CORXContextMenuManager mgr;
    ASSERT_TRUE(mgr.AddMenu(_T("Demo"), IDR_DEMO_MENU));
    HMENU hPopup = ::GetSubMenu(mgr.GetMenuById(IDR_DEMO_MENU), 0);
    EXPECT_TRUE(mgr.LoadState(strProfile));
    ASSERT_TRUE(CORXMenuStore::IsStored(hPopup));
    CORXToolBar restored;
    ASSERT_TRUE(CORXMenuStore::Restore(hPopup, &restored));
    ASSERT_EQ(1, restored.GetCount());
    EXPECT_EQ(uiSaved, restored.GetItemID(0));

    // Saved without a path, even beside a workspace, the menus keep the manager's own section
    // below the program's key.
    {
        CORXWorkspaceBase workspace;
        workspace.SetRegistryBase(_T("Velmora"));
        EXPECT_TRUE(mgr.SaveState(NULL));
        DWORD dwType = 0;
        Bytes data;
        EXPECT_TRUE(
            App().ReadProfileValue(_T("ORXContextMenuManager\\ORXToolBar-0cc"), _T("Buttons"), dwType, data));
        EXPECT_FALSE(App().ReadProfileValue(_T("Velmora\\ORXContextMenuManager\\ORXToolBar-0cc"),
                                            _T("Buttons"), dwType, data));
    }

    // The shown menu has the stored items.
    ASSERT_TRUE(mgr.ShowPopupMenu(IDR_DEMO_MENU, 30, 30, m_pFrame));
    ASSERT_NE((CORXPopupMenu*)NULL, CORXPopupMenu::GetActiveMenu());
    EXPECT_EQ(1, CORXPopupMenu::GetActiveMenu()->GetMenuBar()->GetCount());
    CORXPopupMenu::GetActiveMenu()->SendMessage(WM_CLOSE);
    PumpPending();
}

TEST_F(ContextMenuTest, ThePreviewsEditIsWhatTheNextShowingAndTheNextStartShow)
{
    App().ResetProfile();
    CString strProfile = App().ProfileKey(_T("ContextMenus"));
    int nResourceItems = 0;
    {
        CORXContextMenuManager mgr;
        ASSERT_TRUE(mgr.AddMenu(_T("Demo"), IDR_DEMO_MENU));
        HMENU hPopup = ::GetSubMenu(mgr.GetMenuById(IDR_DEMO_MENU), 0);
        nResourceItems = ::GetMenuItemCount(hPopup);
        // The menu page's preview: it tells its page of its closing, which a page without a window
        // of its own takes for another's preview.
        CORXMenuPage page(m_pFrame);
        CORXPopupMenu* pPreview = new CORXPopupMenu(&page, _T("Demo"));
        pPreview->SetAutoDestroy(FALSE);
        ASSERT_TRUE(pPreview->Create(m_pFrame, 100, 100, hPopup, FALSE, TRUE));

        // Its small caption is a caption: it moves the preview and closes it.
        CRect rectWnd, rectClient;
        pPreview->GetWindowRect(rectWnd);
        pPreview->GetClientRect(rectClient);
        pPreview->ClientToScreen(rectClient);
        CPoint ptCaption(rectWnd.left + rectWnd.Width() / 3, (rectWnd.top + rectClient.top) / 2);
        EXPECT_EQ(HTCAPTION,
                  (int)pPreview->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(ptCaption.x, ptCaption.y)));
        EXPECT_EQ(HTCLIENT, (int)pPreview->SendMessage(
                                WM_NCHITTEST, 0, MAKELPARAM(rectClient.left + 10, rectClient.top + 10)));

        // A dropped button, then the preview closes.
        CORXToolbarMenuButton dropped(ID_DEMO_NEW, NULL, -1, _T("&New"));
        ASSERT_EQ(0, pPreview->InsertItem(dropped, 0));
        pPreview->SendMessage(WM_CLOSE);
        PumpPending();
        EXPECT_TRUE(::IsMenu(hPopup));
        ASSERT_TRUE(CORXMenuStore::IsStored(hPopup));

        // The next showing has the edit; a plain menu has no caption to answer for.
        ASSERT_TRUE(mgr.ShowPopupMenu(IDR_DEMO_MENU, 30, 30, m_pFrame));
        CORXPopupMenu* pMenu = CORXPopupMenu::GetActiveMenu();
        ASSERT_NE((CORXPopupMenu*)NULL, pMenu);
        ASSERT_EQ(nResourceItems + 1, pMenu->GetMenuItemCount());
        EXPECT_EQ((UINT)ID_DEMO_NEW, pMenu->GetMenuBar()->GetItemID(0));
        pMenu->GetWindowRect(rectWnd);
        EXPECT_EQ(HTCLIENT,
                  (int)pMenu->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(rectWnd.left + 1, rectWnd.top + 1)));
        pMenu->SendMessage(WM_CLOSE);
        PumpPending();
        EXPECT_TRUE(mgr.SaveState(strProfile));
    }
    CORXMenuStore::RemoveAll();

    // The next start.
    CORXContextMenuManager mgr;
    ASSERT_TRUE(mgr.AddMenu(_T("Demo"), IDR_DEMO_MENU));
    EXPECT_TRUE(mgr.LoadState(strProfile));
    ASSERT_TRUE(mgr.ShowPopupMenu(IDR_DEMO_MENU, 30, 30, m_pFrame));
    CORXPopupMenu* pMenu = CORXPopupMenu::GetActiveMenu();
    ASSERT_NE((CORXPopupMenu*)NULL, pMenu);
    ASSERT_EQ(nResourceItems + 1, pMenu->GetMenuItemCount());
    EXPECT_EQ((UINT)ID_DEMO_NEW, pMenu->GetMenuBar()->GetItemID(0));
    pMenu->SendMessage(WM_CLOSE);
    PumpPending();
}
