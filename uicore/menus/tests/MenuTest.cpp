// Pop-up menus and menu buttons: placement against a work area, importing a menu handle, the
// show delay, the keyboard, command states from update handlers, who destroys the menu handle, and
// the rarely used items that recently-used menus hide.
#include <gtest/gtest.h>

#include <afxole.h>
#include <afxpriv.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "DemoIds.h"
#include "ORXCmdUsage.h"
#include "ORXCommandManager.h"
#include "ORXExtrasHooks.h"
#include "ORXServices.h"
#include "ORXFrameWnd.h"
#include "ORXGlobalData.h"
#include "ORXMenuBar.h"
#include "ORXMenuSound.h"
#include "ORXPopupMenu.h"
#include "ORXPopupMenuBar.h"
#include "ORXToolbarImageList.h"
#include "ORXToolbarMenuButton.h"
#include "ORXWorkspace.h"
#include "TestSupport.h"
#include "TestWindows.h"
#include "TestDrawing.h"
#include "TestWorkspace.h"

namespace
{
ORXMenuPlacement Place(CRect rectWork, CPoint pt, CSize size, int nOpener, int nItemTop = 0,
                       int nParentLeft = 0)
{
    ORXMenuPlacement place;
    place.rectWork = rectWork;
    place.pt = pt;
    place.size = size;
    place.nOpener = nOpener;
    place.nItemTop = nItemTop;
    place.nParentLeft = nParentLeft;
    place.nSubMenuShift = 24;
    place.nDropDirection = nOpener == ORXMenuPlacement::SubMenu ? 3 : 1;
    place.Compute();
    return place;
}
} // namespace

TEST(MenuPlacementTest, FlipsAndPushesAgainstTheWorkArea)
{
    const CRect rectWork(0, 0, 800, 600);
    // A sub-menu that would pass the right edge opens left of its parent menu.
    ORXMenuPlacement sub =
        Place(rectWork, CPoint(700, 100), CSize(150, 80), ORXMenuPlacement::SubMenu, 0, 560);
    EXPECT_EQ(CPoint(410, 100), sub.pt);
    EXPECT_EQ(4, sub.nDropDirection);
    // The menu of a bar item is pushed left of the right edge.
    ORXMenuPlacement bar = Place(rectWork, CPoint(700, 100), CSize(150, 80), ORXMenuPlacement::BarMenu, 80);
    EXPECT_EQ(800 - 150 - 1, bar.pt.x);
    EXPECT_EQ(0, bar.nDropDirection);
    // A bar item near the bottom: the menu opens above the item.
    ORXMenuPlacement above =
        Place(rectWork, CPoint(100, 560), CSize(120, 200), ORXMenuPlacement::BarMenu, 538);
    EXPECT_EQ(CPoint(100, 338), above.pt);
    EXPECT_EQ(2, above.nDropDirection);
    EXPECT_FALSE(above.bScrollable);
    // A context menu near the bottom ends at the point.
    ORXMenuPlacement context = Place(rectWork, CPoint(300, 590), CSize(120, 200), ORXMenuPlacement::FreeMenu);
    EXPECT_EQ(CPoint(300, 390), context.pt);
    EXPECT_EQ(CSize(120, 200), context.size);
    // A sub-menu near the bottom lines its last row up with its parent item.
    ORXMenuPlacement subLow = Place(rectWork, CPoint(300, 550), CSize(120, 200), ORXMenuPlacement::SubMenu);
    EXPECT_EQ(550 - 200 + 24, subLow.pt.y);
}

TEST(MenuPlacementTest, OpensAboveOnlyWithinTheWorkAreaAndScrollsOtherwise)
{
    // The work area starts below a bar at the top of the screen: room above the item down to the
    // screen's top is no room.
    const CRect rectWork(0, 100, 800, 600);
    ORXMenuPlacement place =
        Place(rectWork, CPoint(50, 420), CSize(120, 320), ORXMenuPlacement::BarMenu, 400);
    EXPECT_NE(2, place.nDropDirection);
    EXPECT_GE(place.pt.y, rectWork.top);
    EXPECT_LE(place.pt.y + place.size.cy, rectWork.bottom);
    // Less room below the item than above: from the work area's top to the item's top, scrolling.
    EXPECT_EQ(CPoint(50, 100), place.pt);
    EXPECT_EQ(300, place.size.cy);
    EXPECT_TRUE(place.bScrollable);
    EXPECT_EQ(0, place.nDropDirection);

    // More room below: the menu stays below the item and is cut at the bottom.
    ORXMenuPlacement below =
        Place(rectWork, CPoint(50, 250), CSize(120, 400), ORXMenuPlacement::BarMenu, 230);
    EXPECT_EQ(250, below.pt.y);
    EXPECT_EQ(350, below.size.cy);
    EXPECT_TRUE(below.bScrollable);

    // A menu taller than the whole work area fits it and scrolls.
    ORXMenuPlacement tall = Place(rectWork, CPoint(10, 590), CSize(100, 900), ORXMenuPlacement::FreeMenu);
    EXPECT_EQ(100, tall.pt.y);
    EXPECT_EQ(500, tall.size.cy);
    EXPECT_TRUE(tall.bScrollable);
}

TEST(MenuShowDelayTest, SettingIsClampedAndUnreadableGivesTheDefault)
{
    EXPECT_EQ(500, CORXPopupMenuBar::ParseMenuShowDelay(NULL));
    EXPECT_EQ(400, CORXPopupMenuBar::ParseMenuShowDelay(_T("400")));
    EXPECT_EQ(5000, CORXPopupMenuBar::ParseMenuShowDelay(_T("9000")));
    EXPECT_EQ(5000, CORXPopupMenuBar::ParseMenuShowDelay(_T("99999999999999999999")));
    EXPECT_EQ(0, CORXPopupMenuBar::ParseMenuShowDelay(_T("-20")));
    EXPECT_EQ(0, CORXPopupMenuBar::ParseMenuShowDelay(_T("-99999999999999999999")));
    EXPECT_EQ(500, CORXPopupMenuBar::ParseMenuShowDelay(_T("slow")));
    EXPECT_EQ(500, CORXPopupMenuBar::ParseMenuShowDelay(_T("")));
    EXPECT_EQ(0, CORXPopupMenuBar::ParseMenuShowDelay(_T(" 0")));
}

TEST(MenuAnimationTest, StoredKindOutsideTheKnownOnesGivesNone)
{
    EXPECT_EQ(0, CORXPopupMenu::AnimationFromStored(0));
    EXPECT_EQ(3, CORXPopupMenu::AnimationFromStored(3));
    EXPECT_EQ(0, CORXPopupMenu::AnimationFromStored(4));
    EXPECT_EQ(0, CORXPopupMenu::AnimationFromStored(0xFFFFFFFF));
}

TEST(MenuButtonTest, BuildsItsItemsFromAMenuAndBack)
{
    HMENU hSub = ::CreatePopupMenu();
    ::AppendMenuA(hSub, MF_STRING, 101, "Inner");
    HMENU hMenu = ::CreatePopupMenu();
    ::AppendMenuA(hMenu, MF_SEPARATOR, 0, NULL);
    ::AppendMenuA(hMenu, MF_STRING, 100, "&Default");
    ::AppendMenuA(hMenu, MF_POPUP | MF_MENUBREAK, (UINT_PTR)hSub, "&Sub");
    ::SetMenuDefaultItem(hMenu, 100, FALSE);

    CORXToolbarMenuButton button(0, hMenu, -1, _T("Menu"));
    ASSERT_EQ(3, button.GetCommands().GetCount());
    POSITION pos = button.GetCommands().GetHeadPosition();
    CORXToolbarMenuButton* pSep = (CORXToolbarMenuButton*)button.GetCommands().GetNext(pos);
    CORXToolbarMenuButton* pDefault = (CORXToolbarMenuButton*)button.GetCommands().GetNext(pos);
    CORXToolbarMenuButton* pSub = (CORXToolbarMenuButton*)button.GetCommands().GetNext(pos);
    EXPECT_EQ(0u, pSep->m_nID);
    EXPECT_TRUE(pDefault->m_bDefault);
    EXPECT_EQ((UINT)-1, pSub->m_nID);
    EXPECT_EQ(1, pSub->GetCommands().GetCount());
    EXPECT_TRUE(pSub->m_nStyle & TBBS_BREAK);

    HMENU hBack = button.CreateMenu();
    ASSERT_NE((HMENU)NULL, hBack);
    EXPECT_EQ(3, ::GetMenuItemCount(hBack));
    EXPECT_EQ(100u, ::GetMenuDefaultItem(hBack, FALSE, GMDI_USEDISABLED));
    EXPECT_NE((HMENU)NULL, ::GetSubMenu(hBack, 2));
    EXPECT_TRUE(::GetMenuState(hBack, 2, MF_BYPOSITION) & MF_MENUBREAK);
    ::DestroyMenu(hBack);
    ::DestroyMenu(hMenu);

    CORXToolbarMenuButton empty(0, NULL, -1, _T("Empty"));
    HMENU hEmpty = empty.CreateMenu();
    ASSERT_NE((HMENU)NULL, hEmpty);
    EXPECT_EQ(0, ::GetMenuItemCount(hEmpty));
    ::DestroyMenu(hEmpty);
    CORXToolbarMenuButton command(57600, NULL, -1, _T("New"));
    EXPECT_EQ((HMENU)NULL, command.CreateMenu());
}

namespace
{
// A frame that records the commands posted to it and greys commands through its update handlers.
class CMenuOwnerFrame : public CRecordingFrame
{
public:
    afx_msg void OnUpdateGreyed(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    afx_msg void OnUpdateChecked(CCmdUI* pCmdUI) { pCmdUI->SetCheck(1); }
    afx_msg void OnUpdateEnabled(CCmdUI* pCmdUI) { pCmdUI->Enable(TRUE); }
    afx_msg void OnUpdateInnerTwo(CCmdUI* pCmdUI) { pCmdUI->Enable(!m_bInnerTwoDisabled); }
    BOOL m_bInnerTwoDisabled = FALSE;
    afx_msg void OnHandled() {}
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMenuOwnerFrame, CRecordingFrame)
ON_UPDATE_COMMAND_UI(ID_DEMO_MENU_GREYED, OnUpdateGreyed)
ON_UPDATE_COMMAND_UI(ID_DEMO_MENU_CHECK, OnUpdateChecked)
ON_UPDATE_COMMAND_UI(ID_DEMO_OPEN, OnUpdateEnabled)
ON_UPDATE_COMMAND_UI(ID_DEMO_MENU_INNER2, OnUpdateInnerTwo)
ON_COMMAND(ID_DEMO_MENU_LAST, OnHandled)
END_MESSAGE_MAP()

class PopupMenuTest : public ::testing::Test
{
    CPointerLock m_pointer;

protected:
    void SetUp() override
    {
        // An open menu follows the pointer, which test programs running beside this one share: the
        // pointer is held, away from the frame and its menus, for the whole test.
        ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1);
        CORXPopupMenu::SetAnimationType(CORXPopupMenu::NO_ANIMATION);
        m_pFrame = new CMenuOwnerFrame;
        ASSERT_TRUE(m_pFrame->Create(NULL, _T("Menu test"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 600, 400)));
        m_pFrame->m_bAutoMenuEnable = FALSE;
    }
    void TearDown() override
    {
        if (CORXPopupMenu::GetActiveMenu() != NULL)
            CORXPopupMenu::GetActiveMenu()->DestroyWindow();
        m_pFrame->DestroyWindow();
        PumpPending();
    }
    // First, separator, separator, More (a sub-menu), Greyed (greyed), Last (greyed in the menu,
    // with a command handler), Checked, trailing separator.
    HMENU MakeMenu()
    {
        HMENU hSub = ::CreatePopupMenu();
        ::AppendMenuA(hSub, MF_STRING, ID_DEMO_MENU_INNER1, "&Inner one");
        ::AppendMenuA(hSub, MF_STRING, ID_DEMO_MENU_INNER2, "Inner &two");
        HMENU hMenu = ::CreatePopupMenu();
        ::AppendMenuA(hMenu, MF_SEPARATOR, 0, NULL);
        ::AppendMenuA(hMenu, MF_STRING, ID_DEMO_MENU_FIRST, "&First");
        ::AppendMenuA(hMenu, MF_SEPARATOR, 0, NULL);
        ::AppendMenuA(hMenu, MF_SEPARATOR, 0, NULL);
        ::AppendMenuA(hMenu, MF_POPUP, (UINT_PTR)hSub, "&More");
        ::AppendMenuA(hMenu, MF_STRING, ID_DEMO_MENU_GREYED, "&Greyed");
        ::AppendMenuA(hMenu, MF_STRING | MF_GRAYED, ID_DEMO_MENU_LAST, "&Last");
        ::AppendMenuA(hMenu, MF_STRING, ID_DEMO_MENU_CHECK, "&Checked");
        ::AppendMenuA(hMenu, MF_SEPARATOR, 0, NULL);
        ::SetMenuDefaultItem(hMenu, ID_DEMO_MENU_FIRST, FALSE);
        return hMenu;
    }
    CORXPopupMenu* Open(HMENU hMenu, BOOL bOwnsMenu = TRUE)
    {
        CORXPopupMenu* pMenu = new CORXPopupMenu;
        pMenu->SetAutoDestroy(bOwnsMenu);
        if (!pMenu->Create(m_pFrame, 100, 100, hMenu, FALSE, TRUE))
        {
            ADD_FAILURE() << "the menu was not created";
            return NULL;
        }
        return pMenu;
    }
    static void Key(CORXPopupMenu* pMenu, UINT nChar) { pMenu->SendMessage(WM_KEYDOWN, nChar, 1); }
    static UINT HighlightedId(CORXPopupMenu* pMenu)
    {
        CORXPopupMenuBar* pBar = pMenu->GetMenuBar();
        return pBar->GetItemID(pBar->GetHighlightedButtonIndex());
    }
    static std::vector<CORXPopupMenu*> OpenMenus()
    {
        std::vector<CORXPopupMenu*> menus;
        for (HWND hWnd = ::GetTopWindow(NULL); hWnd != NULL; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
        {
            char szClass[64] = {};
            ::GetClassNameA(hWnd, szClass, sizeof(szClass));
            if (lstrcmpA(szClass, ORX_POPUPMENU_CLASS) == 0 &&
                ::GetWindowThreadProcessId(hWnd, NULL) == ::GetCurrentThreadId())
                menus.push_back(DYNAMIC_DOWNCAST(CORXPopupMenu, CWnd::FromHandlePermanent(hWnd)));
        }
        return menus;
    }
    CMenuOwnerFrame* m_pFrame = NULL;
};
} // namespace

TEST_F(PopupMenuTest, ImportLeavesNoStraySeparatorsAndKeepsStates)
{
    HMENU hMenu = MakeMenu();
    CORXPopupMenu* pMenu = Open(hMenu);
    ASSERT_NE((CORXPopupMenu*)NULL, pMenu);
    CORXPopupMenuBar* pBar = pMenu->GetMenuBar();
    // First, one separator, More, Greyed, Last, Checked.
    ASSERT_EQ(6, pBar->GetCount());
    EXPECT_EQ((UINT)ID_DEMO_MENU_FIRST, pBar->GetItemID(0));
    EXPECT_TRUE(pBar->GetButtonStyle(1) & TBBS_SEPARATOR);
    EXPECT_EQ((UINT)-1, pBar->GetItemID(2));
    EXPECT_FALSE(pBar->GetButtonStyle(5) & TBBS_SEPARATOR);
    EXPECT_EQ((UINT)ID_DEMO_MENU_FIRST, pBar->GetDefaultMenuId());
    // Only update handlers change states: Greyed is greyed and Checked checked by theirs; Last,
    // greyed in the menu, stays greyed although its command has a handler.
    EXPECT_TRUE(pBar->GetButtonStyle(3) & TBBS_DISABLED);
    EXPECT_TRUE(pBar->GetButtonStyle(4) & TBBS_DISABLED);
    EXPECT_TRUE(pBar->GetButtonStyle(5) & TBBS_CHECKED);
    EXPECT_FALSE(pBar->GetButtonStyle(0) & TBBS_DISABLED);

    // A menu of separators alone has no items; a handle that is no menu imports nothing.
    HMENU hSeparators = ::CreatePopupMenu();
    ::AppendMenuA(hSeparators, MF_SEPARATOR, 0, NULL);
    ::AppendMenuA(hSeparators, MF_SEPARATOR, 0, NULL);
    EXPECT_TRUE(pBar->ImportFromMenu(hSeparators));
    EXPECT_EQ(0, pBar->GetCount());
    ::DestroyMenu(hSeparators);
    EXPECT_FALSE(pBar->ImportFromMenu((HMENU)(UINT_PTR)0x1234));
    pMenu->DestroyWindow();

    // A text is taken whole however long it is; a menu without an owner is prepared by the frame
    // it was opened from.
    const CString strLong(_T('x'), 700);
    HMENU hLong = ::CreatePopupMenu();
    ::AppendMenuA(hLong, MF_STRING, ID_DEMO_MENU_FIRST, strLong);
    m_pFrame->ClearRecords();
    CORXPopupMenu* pFree = new CORXPopupMenu;
    ASSERT_TRUE(pFree->Create(m_pFrame, 100, 100, hLong, FALSE, FALSE));
    ASSERT_EQ(1, pFree->GetMenuBar()->GetCount());
    EXPECT_EQ(strLong, pFree->GetMenuBar()->GetButton(0)->m_strText);
    std::vector<WPARAM> prepared = m_pFrame->ParamsOf(WM_INITMENUPOPUP);
    EXPECT_NE(prepared.end(), std::find(prepared.begin(), prepared.end(), (WPARAM)hLong));
    pFree->DestroyWindow();
}

TEST_F(PopupMenuTest, ItemsTakeTheButtonCellAndScrollByWholeItems)
{
    HMENU hMenu = ::CreatePopupMenu();
    for (int i = 0; i < 80; i++)
    {
        CString strText;
        strText.Format(_T("Item %d"), i);
        ::AppendMenuA(hMenu, MF_STRING, 33000 + i, strText);
    }
    CORXPopupMenu* pMenu = Open(hMenu);
    ASSERT_NE((CORXPopupMenu*)NULL, pMenu);
    CORXPopupMenuBar* pBar = pMenu->GetMenuBar();
    // Every row is one cell of the menu-mode button size with a pixel all round.
    const CSize sizeCell = CORXToolBar::GetMenuButtonSize() + CSize(2, 2);
    EXPECT_GE(pBar->GetRowHeight(), sizeCell.cy);
    for (int i = 0; i < pBar->GetCount(); i++)
    {
        CRect rectItem;
        pBar->GetItemRect(i, rectItem);
        ASSERT_EQ(pBar->GetRowHeight(), rectItem.Height()) << i;
    }
    // Scrolled by rows, the first visible item starts at the top whatever the scroll.
    CRect rectClient;
    pBar->GetClientRect(rectClient);
    for (int iFirst : {1, 7, 30})
    {
        pBar->SetFirstVisible(iFirst);
        pBar->PlaceButtons();
        CRect rectItem;
        pBar->GetItemRect(iFirst, rectItem);
        EXPECT_EQ(rectClient.top + 1, rectItem.top) << iFirst;
    }
    pMenu->DestroyWindow();
}

TEST_F(PopupMenuTest, ASubMenuOpeningAfterTheDelayTakesTheCurrentTipAway)
{
    CORXPopupMenu* pMenu = Open(MakeMenu());
    ASSERT_NE((CORXPopupMenu*)NULL, pMenu);
    CORXPopupMenuBar* pBar = pMenu->GetMenuBar();
    // The item "More" has a tip up.
    const int iMore = 2;
    CRect rectMore;
    pBar->GetItemRect(iMore, rectMore);
    pBar->EnableToolTips(TRUE);
    auto hover = [&]() {
        MSG msg = {pBar->GetSafeHwnd(), WM_MOUSEMOVE, 0,
                   MAKELPARAM(rectMore.CenterPoint().x, rectMore.CenterPoint().y)};
        pBar->FilterToolTipMessage(&msg);
        CToolTipCtrl* pTip = AfxGetThreadToolTip();
        return pTip != NULL && ::IsWindow(pTip->GetSafeHwnd()) ? pTip->GetSafeHwnd() : (HWND)NULL;
    };
    HWND hTip = hover();
    ASSERT_NE((HWND)NULL, hTip);

    // The mouse highlights it; when the delay is over the tip goes and the sub-menu opens.
    for (int i = 0; i < 2; i++) // the first move after opening is not taken
        pBar->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(rectMore.CenterPoint().x, rectMore.CenterPoint().y));
    ASSERT_EQ(iMore, pBar->GetHighlightedButtonIndex());
    CORXToolbarMenuButton* pMore = pBar->GetDelayedOpenItem();
    ASSERT_EQ(pBar->GetButton(iMore), pMore);
    pBar->SendMessage(WM_TIMER, ORX_SUBMENU_OPEN_TIMER);
    EXPECT_FALSE(::IsWindow(hTip));
    EXPECT_TRUE(pMore->IsDroppedDown());
    // Later tips come up as before.
    EXPECT_NE((HWND)NULL, hover());
    pBar->EnableToolTips(FALSE);
    pMenu->DestroyWindow();
    PumpPending();
}

TEST_F(PopupMenuTest, KeysMoveTheHighlightAndRunCommands)
{
    CORXPopupMenu* pMenu = Open(MakeMenu());
    ASSERT_NE((CORXPopupMenu*)NULL, pMenu);
    EXPECT_EQ(pMenu, CORXPopupMenu::GetActiveMenu());
    Key(pMenu, VK_DOWN);
    EXPECT_EQ((UINT)ID_DEMO_MENU_FIRST, HighlightedId(pMenu));
    Key(pMenu, VK_DOWN); // over the separator
    EXPECT_EQ((UINT)-1, HighlightedId(pMenu));
    Key(pMenu, VK_END);
    EXPECT_EQ((UINT)ID_DEMO_MENU_CHECK, HighlightedId(pMenu));
    Key(pMenu, VK_DOWN); // wraps round
    EXPECT_EQ((UINT)ID_DEMO_MENU_FIRST, HighlightedId(pMenu));
    Key(pMenu, VK_UP);
    EXPECT_EQ((UINT)ID_DEMO_MENU_CHECK, HighlightedId(pMenu));

    // The access letter of a greyed item runs nothing, whether its own update handler or the menu
    // greyed it; the menu closes.
    HWND hMenuWnd = pMenu->GetSafeHwnd();
    Key(pMenu, 'L');
    PumpPending();
    EXPECT_TRUE(m_pFrame->m_commands.empty());
    EXPECT_FALSE(::IsWindow(hMenuWnd));

    pMenu = Open(MakeMenu());
    ASSERT_NE((CORXPopupMenu*)NULL, pMenu);
    Key(pMenu, 'G');
    PumpPending();
    EXPECT_TRUE(m_pFrame->m_commands.empty());

    // Return runs the highlighted item and closes the menu.
    pMenu = Open(MakeMenu());
    ASSERT_NE((CORXPopupMenu*)NULL, pMenu);
    hMenuWnd = pMenu->GetSafeHwnd();
    Key(pMenu, VK_HOME);
    Key(pMenu, VK_RETURN);
    PumpPending();
    EXPECT_EQ(std::vector<UINT>{ID_DEMO_MENU_FIRST}, m_pFrame->m_commands);
    EXPECT_FALSE(::IsWindow(hMenuWnd));
    EXPECT_EQ((CORXPopupMenu*)NULL, CORXPopupMenu::GetActiveMenu());
}

TEST_F(PopupMenuTest, EscapeClosesOnlyTheInnermostMenu)
{
    CORXPopupMenu::SetAnimationType(CORXPopupMenu::SLIDE);
    CORXPopupMenu* pMenu = Open(MakeMenu());
    ASSERT_NE((CORXPopupMenu*)NULL, pMenu);
    Key(pMenu, VK_DOWN);
    Key(pMenu, VK_DOWN);
    Key(pMenu, VK_RIGHT);
    std::vector<CORXPopupMenu*> menus = OpenMenus();
    ASSERT_EQ(2u, menus.size());
    CORXPopupMenu* pSub = menus[0] == pMenu ? menus[1] : menus[0];
    EXPECT_EQ(pMenu, pSub->GetParentPopupMenu());
    EXPECT_EQ(pSub, CORXPopupMenu::GetActiveMenu());
    // Opened by the keyboard: at once, without animation, with its first item highlighted.
    EXPECT_TRUE(pSub->IsAnimationDone());
    EXPECT_EQ((UINT)ID_DEMO_MENU_INNER1, HighlightedId(pSub));
    EXPECT_EQ(CORXPopupMenu::DROP_DIRECTION_RIGHT, pSub->GetDropDirection());

    // A closing menu may post its last steps: the state is read once they have run.
    Key(pSub, VK_ESCAPE);
    PumpPending();
    menus = OpenMenus();
    ASSERT_EQ(1u, menus.size());
    EXPECT_EQ(pMenu, menus[0]);
    EXPECT_EQ(pMenu, CORXPopupMenu::GetActiveMenu());

    // Left closes a sub-menu too; a command chosen in a sub-menu reaches the frame.
    Key(pMenu, VK_RIGHT);
    PumpPending();
    ASSERT_EQ(2u, OpenMenus().size());
    pSub = CORXPopupMenu::GetActiveMenu();
    Key(pSub, VK_LEFT);
    PumpPending();
    ASSERT_EQ(1u, OpenMenus().size());
    Key(pMenu, VK_RIGHT);
    pSub = CORXPopupMenu::GetActiveMenu();
    Key(pSub, 'T');
    PumpPending();
    EXPECT_EQ(std::vector<UINT>{ID_DEMO_MENU_INNER2}, m_pFrame->m_commands);
    EXPECT_TRUE(OpenMenus().empty());
    CORXPopupMenu::SetAnimationType(CORXPopupMenu::NO_ANIMATION);
}

TEST_F(PopupMenuTest, AChainClosesOnceWhicheverMenuGoesFirst)
{
    // The parent goes first (the application lost the activation, say): its window takes its
    // sub-menu's with it, and the sub-menu does not close its parent a second time from within.
    CORXPopupMenu* pMenu = Open(MakeMenu());
    ASSERT_NE((CORXPopupMenu*)NULL, pMenu);
    Key(pMenu, VK_DOWN);
    Key(pMenu, VK_DOWN);
    Key(pMenu, VK_RIGHT);
    PumpPending();
    ASSERT_EQ(2u, OpenMenus().size());
    pMenu->SendMessage(WM_CLOSE);
    PumpPending();
    EXPECT_TRUE(OpenMenus().empty());
    EXPECT_EQ((CORXPopupMenu*)NULL, CORXPopupMenu::GetActiveMenu());

    // The sub-menu goes first: its parent follows once the sub-menu is gone.
    pMenu = Open(MakeMenu());
    ASSERT_NE((CORXPopupMenu*)NULL, pMenu);
    Key(pMenu, VK_DOWN);
    Key(pMenu, VK_DOWN);
    Key(pMenu, VK_RIGHT);
    CORXPopupMenu* pSub = CORXPopupMenu::GetActiveMenu();
    ASSERT_TRUE(pSub != NULL && pSub != pMenu);
    pSub->SendMessage(WM_CLOSE);
    EXPECT_EQ(1u, OpenMenus().size());
    PumpPending();
    EXPECT_TRUE(OpenMenus().empty());
    EXPECT_EQ((CORXPopupMenu*)NULL, CORXPopupMenu::GetActiveMenu());
}

TEST_F(PopupMenuTest, UnknownAnimationShowsAtOnce)
{
    CORXPopupMenu::SetAnimationType(7);
    CORXPopupMenu* pMenu = Open(MakeMenu());
    ASSERT_NE((CORXPopupMenu*)NULL, pMenu);
    EXPECT_TRUE(pMenu->IsAnimationDone());
    EXPECT_EQ(CORXPopupMenu::NO_ANIMATION, CORXPopupMenu::GetAnimationType());
    EXPECT_TRUE(pMenu->GetMenuBar()->IsWindowVisible());
    pMenu->DestroyWindow();
}

TEST_F(PopupMenuTest, TallMenuScrollsWithinItsItems)
{
    HMENU hMenu = ::CreatePopupMenu();
    for (int i = 0; i < 120; i++)
    {
        CString strText;
        strText.Format(_T("Item %d"), i);
        ::AppendMenuA(hMenu, MF_STRING, 33000 + i, strText);
    }
    CORXPopupMenu* pMenu = Open(hMenu);
    ASSERT_NE((CORXPopupMenu*)NULL, pMenu);
    ASSERT_TRUE(pMenu->IsScrollable());
    CRect rectWnd;
    pMenu->GetWindowRect(rectWnd);
    CRect rectWork;
    ::SystemParametersInfo(SPI_GETWORKAREA, 0, &rectWork, 0);
    EXPECT_LE(rectWnd.bottom - pMenu->GetShadowDepth(), rectWork.bottom);
    EXPECT_TRUE(pMenu->GetScrollUpRect().IsRectEmpty());
    EXPECT_FALSE(pMenu->GetScrollDownRect().IsRectEmpty());

    CORXPopupMenuBar* pBar = pMenu->GetMenuBar();
    Key(pMenu, VK_END);
    EXPECT_EQ(33119u, HighlightedId(pMenu));
    EXPECT_GT(pBar->GetFirstVisible(), 0);
    EXPECT_LT(pBar->GetFirstVisible(), 120);
    CRect rectBar;
    pBar->GetClientRect(rectBar);
    CRect rectLast;
    pBar->GetItemRect(119, rectLast);
    EXPECT_LE(rectLast.bottom, rectBar.bottom);
    EXPECT_TRUE(pMenu->GetScrollDownRect().IsRectEmpty());
    EXPECT_FALSE(pMenu->GetScrollUpRect().IsRectEmpty());

    Key(pMenu, VK_HOME);
    EXPECT_EQ(0, pBar->GetFirstVisible());
    pMenu->DestroyWindow();
}

TEST_F(PopupMenuTest, MenuHandleIsDestroyedExactlyWhenAsked)
{
    HMENU hKept = MakeMenu();
    CORXPopupMenu* pMenu = Open(hKept, FALSE);
    ASSERT_NE((CORXPopupMenu*)NULL, pMenu);
    pMenu->DestroyWindow();
    EXPECT_TRUE(::IsMenu(hKept));
    ::DestroyMenu(hKept);

    HMENU hOwned = MakeMenu();
    pMenu = Open(hOwned);
    ASSERT_NE((CORXPopupMenu*)NULL, pMenu);
    pMenu->DestroyWindow();
    EXPECT_FALSE(::IsMenu(hOwned));

    // A handle that is no menu: no window, and the object stays with the caller.
    CORXPopupMenu* pFailed = new CORXPopupMenu;
    pFailed->SetAutoDestroy(FALSE);
    EXPECT_FALSE(pFailed->Create(m_pFrame, 100, 100, (HMENU)(UINT_PTR)0x4321, FALSE, TRUE));
    EXPECT_EQ((HWND)NULL, pFailed->GetSafeHwnd());
    EXPECT_EQ((CORXPopupMenu*)NULL, CORXPopupMenu::GetActiveMenu());
    delete pFailed;
}

TEST_F(PopupMenuTest, AnItemWiderThanTheMenusMaximumWidthShowsTheLongestStartThatFitsWithDots)
{
    HMENU hMenu = ::CreatePopupMenu();
    ::AppendMenuA(hMenu, MF_STRING, ID_DEMO_MENU_FIRST, "&Short");
    ::AppendMenuA(hMenu, MF_STRING, ID_DEMO_MENU_LAST, "A menu item with a label far too wide for &it");
    CORXPopupMenu* pMenu = Open(hMenu);
    ASSERT_NE((CORXPopupMenu*)NULL, pMenu);
    CORXPopupMenuBar* pBar = pMenu->GetMenuBar();
    pBar->SetMaxWidth(120);
    pBar->CalcSize(TRUE);
    CORXToolbarButton* pShort = pBar->GetButton(0);
    CORXToolbarButton* pLong = pBar->GetButton(1);
    EXPECT_TRUE(pShort->m_bTextFits);
    ASSERT_FALSE(pLong->m_bTextFits);

    CClientDC dc(pBar);
    CFont* pOldFont = dc.SelectObject(&globalData.fontRegular);
    auto Width = [&dc](const CString& strText) {
        CRect rect(0, 0, 0, 0);
        ::DrawTextA(dc.GetSafeHdc(), strText, -1, &rect, DT_SINGLELINE | DT_CALCRECT);
        return rect.Width();
    };
    const int nWidth = 80;
    CString strShown = pLong->GetFittingLabel(&dc, pLong->m_strText, nWidth);
    ASSERT_EQ(_T("..."), strShown.Right(3));
    CString strStart = strShown.Left(strShown.GetLength() - 3);
    EXPECT_EQ(strStart, pLong->m_strText.Left(strStart.GetLength())) << (LPCTSTR)strShown;
    EXPECT_LE(Width(strShown), nWidth);
    // One character more would not fit.
    EXPECT_GT(Width(pLong->m_strText.Left(strStart.GetLength() + 1) + _T("...")), nWidth);
    // Nothing fits: only the dots are left; a mnemonic never ends up before them.
    EXPECT_EQ(CString(_T("...")), pLong->GetFittingLabel(&dc, pLong->m_strText, 1));
    EXPECT_EQ(CString(_T("X...")), pLong->GetFittingLabel(&dc, _T("X&yz"), Width(_T("Xy...")) - 1));
    // An item that fits keeps its label whatever the width.
    EXPECT_EQ(CString(_T("&Short")), pShort->GetFittingLabel(&dc, pShort->m_strText, 1));
    dc.SelectObject(pOldFont);
    pMenu->DestroyWindow();
}

TEST_F(PopupMenuTest, ChevronMenuListsTheHiddenButtonsAndRunsTheRightOne)
{
    CORXToolBar bar;
    ASSERT_TRUE(bar.Create(m_pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP));
    bar.SetOwner(m_pFrame);
    CCustomizeButton* pChevron = new CCustomizeButton(ID_DEMO_MENU_LAST, _T("&Customize..."));
    ASSERT_GE(bar.InsertButton(pChevron), 0);
    EXPECT_EQ(&bar, pChevron->GetOwnerBar());

    // Hidden: a leading separator, New (no text: its string's second line), two separators, Open.
    CORXToolbarButton sepA, sepB, sepC;
    sepA.m_nStyle = sepB.m_nStyle = sepC.m_nStyle = TBBS_SEPARATOR;
    CORXToolbarButton newButton(ID_DEMO_NEW, -1, _T(""));
    CORXToolbarButton openButton(ID_DEMO_OPEN, -1, _T("&Open"));
    pChevron->AddInvisibleButton(&sepA);
    pChevron->AddInvisibleButton(&newButton);
    pChevron->AddInvisibleButton(&sepB);
    pChevron->AddInvisibleButton(&sepC);
    pChevron->AddInvisibleButton(&openButton);

    ASSERT_TRUE(pChevron->OpenPopupMenu(&bar));
    CORXPopupMenu* pMenu = pChevron->GetPopupMenu();
    ASSERT_NE((CORXPopupMenu*)NULL, pMenu);
    CORXPopupMenuBar* pItems = pMenu->GetMenuBar();
    // New, separator, Open, separator, Customize.
    ASSERT_EQ(5, pItems->GetCount());
    EXPECT_EQ(CString(_T("New")), pItems->GetButtonText(0));
    EXPECT_TRUE(pItems->GetButtonStyle(1) & TBBS_SEPARATOR);
    EXPECT_EQ((UINT)ID_DEMO_OPEN, pItems->GetItemID(2));
    EXPECT_EQ((UINT)ID_DEMO_MENU_LAST, pItems->GetItemID(4));

    // Open, behind the dropped separators, runs Open.
    Key(pMenu, VK_HOME);
    Key(pMenu, VK_DOWN);
    EXPECT_EQ((UINT)ID_DEMO_OPEN, HighlightedId(pMenu));
    Key(pMenu, VK_RETURN);
    PumpPending();
    EXPECT_EQ(std::vector<UINT>{ID_DEMO_OPEN}, m_pFrame->m_commands);
    EXPECT_FALSE(pChevron->IsDroppedDown());

    // The customise command goes to the bar's owner as a command of its own.
    ASSERT_TRUE(pChevron->OpenPopupMenu(&bar));
    Key(pChevron->GetPopupMenu(), VK_END);
    Key(pChevron->GetPopupMenu(), VK_RETURN);
    PumpPending();
    EXPECT_EQ((std::vector<UINT>{ID_DEMO_OPEN, ID_DEMO_MENU_LAST}), m_pFrame->m_commands);

    // The chevron's text and its room.
    CClientDC dc(&bar);
    EXPECT_NE(0, pChevron->OnCalculateSize(&dc, CSize(23, 22), TRUE).cx);
    EXPECT_EQ(CString(_T("More Buttons")), pChevron->m_strText);
    pChevron->SetNoRoom(TRUE);
    EXPECT_EQ(CSize(0, 0), CSize(pChevron->OnCalculateSize(&dc, CSize(23, 22), TRUE)));
    pChevron->ClearInvisibleButtons();
    bar.DestroyWindow();
}

TEST_F(PopupMenuTest, ChevronHidesWhatDoesNotFitAndCountsTheCommandsItRuns)
{
    ORXGetCommandUsage().Reset();
    CORXToolBar bar;
    ASSERT_TRUE(bar.Create(m_pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP));
    bar.SetOwner(m_pFrame);
    for (UINT uiCmd : {ID_DEMO_NEW, ID_DEMO_OPEN, ID_DEMO_SAVE, ID_DEMO_BOLD})
        ASSERT_GE(bar.InsertButton(new CORXToolbarButton(uiCmd, -1, _T("B"))), 0);
    // The chevron goes to the far end, and later buttons go before it.
    CCustomizeButton* pChevron = new CCustomizeButton;
    ASSERT_EQ(4, bar.InsertButton(pChevron));
    ASSERT_EQ(4, bar.InsertButton(new CORXToolbarButton(ID_DEMO_ALARM, -1, _T("B"))));
    ASSERT_EQ(pChevron, bar.GetButton(5));
    EXPECT_EQ(pChevron, dynamic_cast<CCustomizeButton*>(bar.GetChevron()));
    EXPECT_FALSE(bar.RemoveButton(5));

    CSize sizeCell(bar.GetColumnWidth(), bar.GetRowHeight());
    CClientDC dc(&bar);
    int cxButton = CSize(bar.GetButton(0)->OnCalculateSize(&dc, sizeCell, TRUE)).cx;
    CRect rectClient;
    // The bar sized so that its client area is the width, and its buttons placed.
    auto SetClientWidth = [&](int cx) {
        CRect rectWindow;
        bar.GetWindowRect(rectWindow);
        bar.GetClientRect(rectClient);
        bar.MoveWindow(CRect(0, 0, cx + rectWindow.Width() - rectClient.Width(), 30));
        bar.PlaceButtons();
    };
    auto HiddenIds = [&]() {
        std::vector<UINT> ids;
        for (POSITION pos = pChevron->GetInvisibleButtons().GetHeadPosition(); pos != NULL;)
            ids.push_back(((CORXToolbarButton*)pChevron->GetInvisibleButtons().GetNext(pos))->m_nID);
        return ids;
    };
    // Room for exactly the five: without a customise command the last takes the chevron's place.
    SetClientWidth(5 * cxButton + 1);
    EXPECT_TRUE(HiddenIds().empty());
    EXPECT_TRUE(pChevron->IsHidden());

    // Room for three and the chevron: the last two hide, in order, and the chevron shows at the end.
    SetClientWidth(3 * cxButton + 1 + 14);
    EXPECT_EQ((std::vector<UINT>{ID_DEMO_BOLD, ID_DEMO_ALARM}), HiddenIds());
    EXPECT_TRUE(bar.GetButton(3)->IsHidden());
    EXPECT_FALSE(bar.GetButton(2)->IsHidden());
    EXPECT_FALSE(pChevron->IsHidden());
    bar.GetClientRect(rectClient);
    EXPECT_EQ(rectClient.right, pChevron->Rect().right);
    EXPECT_LE(bar.GetButton(2)->Rect().right, pChevron->Rect().left);
    EXPECT_NE(3, bar.HitTest(bar.GetButton(3)->Rect().CenterPoint()));

    // In customise mode nothing hides and the chevron goes.
    CORXToolBar::SetCustomizeMode(TRUE);
    EXPECT_FALSE(bar.GetButton(3)->IsHidden());
    EXPECT_TRUE(pChevron->IsHidden());
    CORXToolBar::SetCustomizeMode(FALSE);
    // (Leaving customise mode lays the frame out, which gives the bar the frame's width again.)
    SetClientWidth(3 * cxButton + 1 + 14);
    EXPECT_TRUE(bar.GetButton(3)->IsHidden());

    // A hidden command run from the chevron's menu is counted as used.
    ASSERT_TRUE(pChevron->OpenPopupMenu(&bar));
    Key(pChevron->GetPopupMenu(), VK_HOME);
    EXPECT_EQ((UINT)ID_DEMO_BOLD, HighlightedId(pChevron->GetPopupMenu()));
    Key(pChevron->GetPopupMenu(), VK_RETURN);
    PumpPending();
    EXPECT_EQ(std::vector<UINT>{ID_DEMO_BOLD}, m_pFrame->m_commands);
    EXPECT_EQ(1u, ORXGetCommandUsage().GetCount(ID_DEMO_BOLD));
    EXPECT_EQ(1u, ORXGetCommandUsage().GetTotal());
    bar.DestroyWindow();
    ORXGetCommandUsage().Reset();
}

TEST_F(PopupMenuTest, ACommandChosenInAMenuIsCounted)
{
    ORXGetCommandUsage().Reset();
    CORXPopupMenu* pMenu = Open(MakeMenu());
    ASSERT_NE((CORXPopupMenu*)NULL, pMenu);
    Key(pMenu, VK_HOME);
    Key(pMenu, VK_RETURN);
    PumpPending();
    EXPECT_EQ(std::vector<UINT>{ID_DEMO_MENU_FIRST}, m_pFrame->m_commands);
    EXPECT_EQ(1u, ORXGetCommandUsage().GetCount(ID_DEMO_MENU_FIRST));
    // A command that returns to the caller of a context menu is not run and not counted either.
    pMenu = new CORXPopupMenu;
    pMenu->SetReturnCommand(TRUE);
    ASSERT_TRUE(pMenu->Create(m_pFrame, 100, 100, MakeMenu(), FALSE, TRUE));
    Key(pMenu, VK_HOME);
    Key(pMenu, VK_RETURN);
    PumpPending();
    EXPECT_EQ(1u, ORXGetCommandUsage().GetTotal());
    ORXGetCommandUsage().Reset();
}

namespace
{
class CTestRecentFiles : public CORXRecentFileList
{
public:
    std::vector<CString> m_paths;
    virtual int GetSize() const { return (int)m_paths.size(); }
    virtual CString GetPath(int iIndex) const { return m_paths[iIndex]; }
};

class CTestTools : public CORXUserToolsLink
{
public:
    virtual BOOL IsUserToolCmd(UINT uiCmd) const { return uiCmd >= 34600 && uiCmd < 34602; }
    virtual UINT GetToolsEntryCmd() const { return 34599; }
    virtual BOOL DrawToolIcon(UINT, CDC*, const CRect&) { return FALSE; }
    virtual BOOL InvokeTool(UINT) { return FALSE; }
    virtual int GetToolCount() const { return m_nTools; }
    virtual UINT GetToolCmd(int iIndex) const { return 34600 + iIndex; }
    virtual CString GetToolName(int iIndex) const { return iIndex == 0 ? _T("Notepad") : _T("Calc"); }
    int m_nTools = 2;
};

std::vector<std::pair<UINT, CString>> Items(CORXPopupMenu* pMenu)
{
    std::vector<std::pair<UINT, CString>> items;
    CORXPopupMenuBar* pBar = pMenu->GetMenuBar();
    for (int i = 0; i < pBar->GetCount(); i++)
        items.push_back({pBar->GetItemID(i), pBar->GetButtonText(i)});
    return items;
}
} // namespace

TEST(RecentFileNames, FilesOfTheCurrentFolderShowByTheirName)
{
    const struct
    {
        LPCTSTR pszPath;
        LPCTSTR pszShown;
    } cases[] = {
        {_T("C:\\Work\\clock.vcl"), _T("clock.vcl")},
        {_T("c:\\work\\CLOCK.vcl"), _T("CLOCK.vcl")},
        {_T("C:\\Work\\Zones\\eu.vtz"), _T("C:\\Work\\Zones\\eu.vtz")},
        {_T("C:\\Other\\clock.vcl"), _T("C:\\Other\\clock.vcl")},
        {_T("C:\\Work\\"), _T("C:\\Work\\")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CString(c.pszShown), ORXRecentFileDisplayName(c.pszPath, _T("C:\\Work\\"))) << c.pszPath;
    EXPECT_EQ(CString(_T("C:\\Work\\clock.vcl")),
              ORXRecentFileDisplayName(_T("C:\\Work\\clock.vcl"), _T("")));
}

TEST_F(PopupMenuTest, RecentFilesAndUserToolsTakeThePlaceOfTheirItems)
{
    CTestRecentFiles files;
    TCHAR szDir[_MAX_PATH] = {};
    ::GetCurrentDirectory(_MAX_PATH, szDir);
    CString strDir = szDir;
    if (strDir.Right(1) != _T("\\"))
        strDir += _T('\\');
    files.m_paths = {strDir + _T("a&b.vcl"), CString(), _T("Q:\\far\\z.vcl")};
    CTestTools tools;
    CORXServices::Register<CORXRecentFileList>(&files);
    CORXServices::Register<CORXUserToolsLink>(&tools);

    auto MakeFileMenu = []() {
        HMENU hMenu = ::CreatePopupMenu();
        ::AppendMenuA(hMenu, MF_STRING, ID_DEMO_NEW, "&New");
        ::AppendMenuA(hMenu, MF_SEPARATOR, 0, NULL);
        ::AppendMenuA(hMenu, MF_STRING, ID_FILE_MRU_FILE1, "Recent File");
        ::AppendMenuA(hMenu, MF_SEPARATOR, 0, NULL);
        ::AppendMenuA(hMenu, MF_STRING, 34599, "&Tools");
        ::AppendMenuA(hMenu, MF_STRING, ID_DEMO_ALARM, "&Alarm");
        return hMenu;
    };
    typedef std::vector<std::pair<UINT, CString>> ItemList;
    CORXPopupMenu* pMenu = Open(MakeFileMenu());
    ASSERT_NE((CORXPopupMenu*)NULL, pMenu);
    EXPECT_EQ((ItemList{{ID_DEMO_NEW, _T("&New")},
                        {0, _T("")},
                        {ID_FILE_MRU_FILE1, _T("&1 a&&b.vcl")},
                        {ID_FILE_MRU_FILE1 + 2, _T("&2 Q:\\far\\z.vcl")},
                        {0, _T("")},
                        {34600, _T("Notepad")},
                        {34601, _T("Calc")},
                        {0, _T("")},
                        {ID_DEMO_ALARM, _T("&Alarm")}}),
              Items(pMenu));
    // A recent file chosen is sent as its own command.
    Key(pMenu, VK_HOME);
    Key(pMenu, VK_DOWN);
    Key(pMenu, VK_RETURN);
    PumpPending();
    EXPECT_EQ(std::vector<UINT>{ID_FILE_MRU_FILE1}, m_pFrame->m_commands);

    // No recent files and no tools: the placeholders go, and so does the separator they leave doubled.
    files.m_paths = {CString()};
    tools.m_nTools = 0;
    pMenu = Open(MakeFileMenu());
    ASSERT_NE((CORXPopupMenu*)NULL, pMenu);
    EXPECT_EQ((ItemList{{ID_DEMO_NEW, _T("&New")}, {0, _T("")}, {ID_DEMO_ALARM, _T("&Alarm")}}),
              Items(pMenu));
    pMenu->DestroyWindow();

    // In customise mode the placeholders stay, to be arranged.
    CORXToolBar::SetCustomizeMode(TRUE);
    pMenu = Open(MakeFileMenu());
    ASSERT_NE((CORXPopupMenu*)NULL, pMenu);
    EXPECT_NE(-1, pMenu->GetMenuBar()->CommandToIndex(ID_FILE_MRU_FILE1));
    EXPECT_NE(-1, pMenu->GetMenuBar()->CommandToIndex(34599));
    pMenu->DestroyWindow();
    CORXToolBar::SetCustomizeMode(FALSE);
    CORXServices::Unregister<CORXRecentFileList>(&files);
    CORXServices::Unregister<CORXUserToolsLink>(&tools);
}

TEST_F(PopupMenuTest, AnOpenMenuMovesAlongAPlainToolBar)
{
    CORXToolBar bar;
    ASSERT_TRUE(bar.Create(m_pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP));
    bar.SetOwner(m_pFrame);
    m_pFrame->ShowWindow(SW_SHOWNOACTIVATE);
    HMENU hMenu = MakeMenu();
    CORXToolbarMenuButton* pFirst = new CORXToolbarMenuButton(0, hMenu, -1, _T("&One"));
    CORXToolbarButton* pPlain = new CORXToolbarButton(ID_DEMO_NEW, -1, _T("&New"));
    CORXToolbarMenuButton* pDisabled = new CORXToolbarMenuButton(0, hMenu, -1, _T("&Off"));
    CORXToolbarMenuButton* pSecond = new CORXToolbarMenuButton(0, hMenu, -1, _T("&Two"));
    ::DestroyMenu(hMenu);
    for (CORXToolbarButton* pButton :
         {(CORXToolbarButton*)pFirst, pPlain, (CORXToolbarButton*)pDisabled, (CORXToolbarButton*)pSecond})
    {
        pButton->m_bText = TRUE;
        ASSERT_GE(bar.InsertButton(pButton), 0);
    }
    pDisabled->m_nStyle |= TBBS_DISABLED;
    bar.AdjustLayout();
    EXPECT_FALSE(bar.PrevMenu()); // nothing is dropped down
    EXPECT_EQ((CORXToolbarButton*)NULL, bar.GetDroppedDownMenu());

    // The access key drops a menu with its first item highlighted.
    ASSERT_TRUE(bar.DropDownMenu(pFirst));
    int iDropped = -1;
    EXPECT_EQ(pFirst, bar.GetDroppedDownMenu(&iDropped));
    EXPECT_EQ(0, iDropped);
    EXPECT_EQ((UINT)ID_DEMO_MENU_FIRST, HighlightedId(pFirst->GetPopupMenu()));
    EXPECT_FALSE(bar.DropDownMenu(pPlain));

    // Right (from within the menu) skips the plain and the disabled button; the menu moves once
    // the key is done.
    Key(pFirst->GetPopupMenu(), VK_RIGHT);
    PumpPending();
    EXPECT_FALSE(pFirst->IsDroppedDown());
    ASSERT_TRUE(pSecond->IsDroppedDown());
    EXPECT_EQ((UINT)ID_DEMO_MENU_FIRST, HighlightedId(pSecond->GetPopupMenu()));
    EXPECT_EQ(1u, OpenMenus().size());
    // Right again wraps round to the first; Left wraps back.
    Key(pSecond->GetPopupMenu(), VK_RIGHT);
    PumpPending();
    EXPECT_TRUE(pFirst->IsDroppedDown());
    Key(pFirst->GetPopupMenu(), VK_LEFT);
    PumpPending();
    EXPECT_TRUE(pSecond->IsDroppedDown());

    // The mouse over another button takes the menu there; over a plain button it closes.
    bar.SendMessage(WM_MOUSEMOVE, 0,
                    MAKELPARAM(pFirst->Rect().CenterPoint().x, pFirst->Rect().CenterPoint().y));
    PumpPending();
    EXPECT_TRUE(pFirst->IsDroppedDown());
    EXPECT_FALSE(pSecond->IsDroppedDown());
    bar.SendMessage(WM_MOUSEMOVE, 0,
                    MAKELPARAM(pPlain->Rect().CenterPoint().x, pPlain->Rect().CenterPoint().y));
    PumpPending();
    EXPECT_EQ((CORXToolbarButton*)NULL, bar.GetDroppedDownMenu());
    EXPECT_TRUE(OpenMenus().empty());
    bar.DestroyWindow();
}

TEST_F(PopupMenuTest, CustomiseModeDropsBetweenItemsAndHandsTheItemsUpOnClosing)
{
    CORXToolBar bar;
    ASSERT_TRUE(bar.Create(m_pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP));
    HMENU hMenu = MakeMenu();
    CORXToolbarMenuButton* pButton = new CORXToolbarMenuButton(0, hMenu, -1, _T("&Menu"));
    ::DestroyMenu(hMenu);
    ASSERT_GE(bar.InsertButton(pButton), 0);
    bar.AdjustLayout();
    CORXToolBar::SetCustomizeMode(TRUE);
    ASSERT_TRUE(pButton->OpenPopupMenu(&bar));
    CORXPopupMenu* pMenu = pButton->GetPopupMenu();
    CORXPopupMenuBar* pItems = pMenu->GetMenuBar();
    int nCount = pItems->GetCount();
    ASSERT_GE(nCount, 3);

    // The gap nearest the point, between items; the marker lies across the menu, 6 pixels high.
    CRect rectDrag;
    CRect rectSecond = pItems->GetButton(1)->Rect();
    EXPECT_EQ(1, pItems->FindDropIndex(CPoint(10, rectSecond.top + 2), rectDrag));
    EXPECT_EQ(6, rectDrag.Height());
    EXPECT_EQ(rectSecond.top, rectDrag.CenterPoint().y);
    CRect rectClient;
    pItems->GetClientRect(rectClient);
    EXPECT_EQ(rectClient.Width(), rectDrag.Width());
    EXPECT_EQ(2, pItems->FindDropIndex(CPoint(10, rectSecond.bottom - 2), rectDrag));
    EXPECT_EQ(nCount, pItems->FindDropIndex(CPoint(10, rectClient.bottom + 40), rectDrag));

    // A button dragged over the items is taken as a move and lands in the gap; only the item with
    // a sub-menu opens when pressed, the others are dragged at once.
    CORXToolbarButton dragged(ID_DEMO_ALARM, -1, _T("Alarm"));
    COleDataSource source;
    ASSERT_TRUE(dragged.PrepareDrag(source));
    COleDataObject data;
    data.Attach(source.GetIDataObject(), FALSE);
    CPoint ptGap(10, rectSecond.top + 2);
    CRect rectBefore;
    pMenu->GetWindowRect(rectBefore);
    EXPECT_EQ((DROPEFFECT)DROPEFFECT_MOVE, pItems->OnDragEnter(&data, MK_LBUTTON, ptGap));
    EXPECT_TRUE(pItems->OnDrop(&data, DROPEFFECT_MOVE, ptGap));
    ASSERT_EQ(nCount + 1, pItems->GetCount());
    // The menu grows by the new item, whose neighbours all stay inside it.
    CRect rectAfter;
    pMenu->GetWindowRect(rectAfter);
    EXPECT_EQ(rectBefore.TopLeft(), rectAfter.TopLeft());
    EXPECT_GT(rectAfter.Height(), rectBefore.Height());
    pItems->GetClientRect(rectClient);
    EXPECT_LE(pItems->GetButton(nCount)->Rect().bottom, rectClient.bottom);
    EXPECT_EQ((UINT)ID_DEMO_ALARM, pItems->GetItemID(1));
    CORXToolbarMenuButton* pDroppedItem = DYNAMIC_DOWNCAST(CORXToolbarMenuButton, pItems->GetButton(1));
    ASSERT_TRUE(pDroppedItem != NULL);
    EXPECT_FALSE(pDroppedItem->HasMenu());
    int iMore = pItems->CommandToIndex((UINT)-1);
    ASSERT_GE(iMore, 0);
    EXPECT_TRUE(DYNAMIC_DOWNCAST(CORXToolbarMenuButton, pItems->GetButton(iMore))->HasMenu());
    ASSERT_TRUE(pItems->RemoveButton(1));

    // An item removed in the menu is gone from the button's own items once the menu closes.
    UINT uiRemoved = pItems->GetItemID(0);
    ASSERT_TRUE(pItems->RemoveButton(0));
    pMenu->SendMessage(WM_CLOSE);
    PumpPending();
    CORXToolBar::SetCustomizeMode(FALSE);
    BOOL bFound = FALSE;
    for (POSITION pos = pButton->GetCommands().GetHeadPosition(); pos != NULL;)
        bFound |= ((CORXToolbarButton*)pButton->GetCommands().GetNext(pos))->m_nID == uiRemoved;
    EXPECT_FALSE(bFound);
    bar.DestroyWindow();
}

TEST_F(PopupMenuTest, SplitButtonOpensOnlyFromItsArrow)
{
    CORXToolBar bar;
    ASSERT_TRUE(bar.Create(m_pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP));
    bar.SetOwner(m_pFrame);
    m_pFrame->ShowWindow(SW_SHOWNOACTIVATE);
    HMENU hMenu = MakeMenu();
    // A command with no items: no arrow, its click is the bar's.
    CORXToolbarMenuButton* pPlain = new CORXToolbarMenuButton(ID_DEMO_NEW, NULL, -1, _T("New"));
    CORXToolbarMenuButton* pSplit = new CORXToolbarMenuButton(ID_DEMO_OPEN, hMenu, -1, _T("Open"));
    ::DestroyMenu(hMenu);
    ASSERT_GE(bar.InsertButton(pPlain), 0);
    ASSERT_GE(bar.InsertButton(pSplit), 0);
    bar.AdjustLayout();
    EXPECT_FALSE(pPlain->IsDrawDownArrow());
    EXPECT_FALSE(pPlain->OnClick(&bar, FALSE));
    EXPECT_TRUE(pSplit->IsDrawDownArrow());

    // A click left of the arrow is the command's; on the arrow it opens the menu, and a second
    // click there closes it.
    CRect rect = pSplit->Rect();
    auto click = [&](int x) {
        LPARAM lParam = MAKELPARAM(x, rect.CenterPoint().y);
        bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lParam);
        bar.SendMessage(WM_LBUTTONUP, 0, lParam);
        PumpPending();
    };
    click(rect.left + 2);
    EXPECT_FALSE(pSplit->IsDroppedDown());
    EXPECT_EQ(std::vector<UINT>{ID_DEMO_OPEN}, m_pFrame->m_commands);
    click(rect.right - 3);
    EXPECT_TRUE(pSplit->IsDroppedDown());
    ASSERT_TRUE(pSplit->GetPopupMenu() != NULL);
    EXPECT_EQ(CORXPopupMenu::DROP_DIRECTION_BOTTOM, pSplit->GetPopupMenu()->GetDropDirection());
    click(rect.right - 3);
    EXPECT_FALSE(pSplit->IsDroppedDown());
    EXPECT_EQ(std::vector<UINT>{ID_DEMO_OPEN}, m_pFrame->m_commands);
    bar.DestroyWindow();
}

TEST(MenuButtonTest, TearOffIdIsStoredFromVersion471AndItemsRoundTrip)
{
    HMENU hMenu = ::CreatePopupMenu();
    ::AppendMenuA(hMenu, MF_STRING, 100, "&One");
    ::AppendMenuA(hMenu, MF_STRING, 101, "&Two");
    CORXToolbarMenuButton button(0, hMenu, -1, _T("Menu"));
    ::DestroyMenu(hMenu);

    size_t nOld, nNew, nUnknown;
    {
        CTestWorkspace workspace(4, 70);
        nOld = StoreToBytes(button).size();
    }
    {
        CTestWorkspace workspace(4, 71);
        nNew = StoreToBytes(button).size();
    }
    {
        CTestWorkspace workspace(-1, -1);
        nUnknown = StoreToBytes(button).size();
    }
    EXPECT_EQ(nOld + 3 * 4, nNew); // the button and its two items
    EXPECT_EQ(nNew, nUnknown);

    CTestWorkspace workspace(5, 0);
    CORXToolbarMenuButton back;
    ASSERT_TRUE(LoadFromBytes(back, StoreToBytes(button)));
    EXPECT_TRUE(back.CompareWith(button));
    ASSERT_EQ(2, back.GetCommands().GetCount());
    EXPECT_EQ(CString(_T("&Two")), ((CORXToolbarButton*)back.GetCommands().GetTail())->m_strText);
}

namespace
{
// A menu item drawn on its own, as a pop-up menu's item bar would draw it.
class CMenuItemButton : public CORXToolbarMenuButton
{
public:
    CMenuItemButton(UINT uiID, UINT nStyle)
    {
        m_nID = uiID;
        m_nStyle = nStyle;
        m_bMenuMode = TRUE;
    }
};

// The pixels a drawing leaves on white, '#' for any other colour, cut to the drawn part.
std::vector<std::string> Drawn(const std::function<void(CDC*)>& draw)
{
    const int cx = 120, cy = 24;
    CTestSurface surface(cx, cy, RGB(255, 255, 255), TRUE);
    draw(surface.DC());
    std::vector<std::string> rows(cy, std::string(cx, '.'));
    int nLeft = cx, nRight = -1, nTop = cy, nBottom = -1;
    for (int y = 0; y < cy; y++)
        for (int x = 0; x < cx; x++)
            if (surface.At(x, y) != RGB(255, 255, 255))
            {
                rows[y][x] = '#';
                nLeft = std::min(nLeft, x);
                nRight = std::max(nRight, x);
                nTop = std::min(nTop, y);
                nBottom = std::max(nBottom, y);
            }
    std::vector<std::string> picture;
    for (int y = nTop; y <= nBottom; y++)
        picture.push_back(rows[y].substr(nLeft, nRight - nLeft + 1));
    return picture;
}
} // namespace

TEST(MenuButtonTest, ACheckedItemWithoutAnImageShowsTheCheckOrRadioGlyph)
{
    const UINT kNoImage = 33001;
    ASSERT_LT(CORXCommandManager::GetCmdMgr()->GetCmdImage(kNoImage, FALSE), 0);
    struct Case
    {
        UINT nStyle;
        BOOL bRadio;
        int iGlyph;
    } cases[] = {
        {TBBS_CHECKED, FALSE, 6}, {TBBS_CHECKED | TBBS_DISABLED, FALSE, 7}, {TBBS_INDETERMINATE, FALSE, 6},
        {TBBS_CHECKED, TRUE, 22}, {TBBS_CHECKED | TBBS_DISABLED, TRUE, 23},
    };
    for (const Case& c : cases)
    {
        CMenuItemButton item(kNoImage, c.nStyle);
        if (c.bRadio)
            item.SetRadio();
        std::vector<std::string> drawn =
            Drawn([&](CDC* pDC) { item.OnDraw(pDC, CRect(0, 0, 120, 24), NULL, TRUE); });
        std::vector<std::string> glyph = Drawn(
            [&](CDC* pDC) { CORXMenuImages::Draw(pDC, (CORXMenuImages::IMAGES_IDS)c.iGlyph, CPoint(0, 0)); });
        EXPECT_FALSE(glyph.empty());
        EXPECT_EQ(glyph, drawn) << "glyph " << c.iGlyph;
    }
    // Neither checked nor a system command: no glyph at all.
    CMenuItemButton plain(kNoImage, 0);
    EXPECT_TRUE(Drawn([&](CDC* pDC) { plain.OnDraw(pDC, CRect(0, 0, 120, 24), NULL, TRUE); }).empty());
}

TEST(MenuButtonTest, WhileCustomisingAnItemThatCannotBeStoredIsDrawnDisabled)
{
    // A system command draws its glyph, and cannot be stored.
    CMenuItemButton close(SC_CLOSE, 0);
    ASSERT_FALSE(close.CanBeStored());
    auto Glyph = [](int iGlyph) {
        return Drawn(
            [&](CDC* pDC) { CORXMenuImages::Draw(pDC, (CORXMenuImages::IMAGES_IDS)iGlyph, CPoint(0, 0)); });
    };
    auto Item = [](CMenuItemButton& item, BOOL bCustomize) {
        return Drawn([&](CDC* pDC) { item.OnDraw(pDC, CRect(0, 0, 120, 24), NULL, TRUE, bCustomize); });
    };
    EXPECT_EQ(Glyph(12), Item(close, FALSE));
    EXPECT_EQ(Glyph(13), Item(close, TRUE));
    // A disabled item that can be stored shows enabled while customising.
    CMenuItemButton checked(33001, TBBS_CHECKED | TBBS_DISABLED);
    EXPECT_EQ(Glyph(7), Item(checked, FALSE));
    EXPECT_EQ(Glyph(6), Item(checked, TRUE));
}

TEST_F(PopupMenuTest, AMenuItemOpensAtOnceForHelpAndClosesItsMenusAroundADrag)
{
    CORXPopupMenu* pMenu = Open(MakeMenu());
    ASSERT_TRUE(pMenu != NULL);
    CORXPopupMenuBar* pBar = pMenu->GetMenuBar();
    CORXToolbarMenuButton* pMore = NULL;
    for (int i = 0; i < pBar->GetCount() && pMore == NULL; i++)
        if (pBar->GetItemID(i) == (UINT)-1)
            pMore = DYNAMIC_DOWNCAST(CORXToolbarMenuButton, pBar->GetButton(i));
    ASSERT_TRUE(pMore != NULL);

    // Context help opens the sub-menu without the items' delay.
    EXPECT_TRUE(pMore->OnContextHelp(pBar));
    EXPECT_TRUE(pMore->IsDroppedDown());
    EXPECT_EQ(2u, OpenMenus().size());
    // About to be dragged, the item closes its sub-menu first.
    EXPECT_TRUE(pMore->OnBeforeDrag());
    PumpPending();
    EXPECT_FALSE(pMore->IsDroppedDown());
    EXPECT_EQ(1u, OpenMenus().size());

    // Dropped by an Alt drag into the sub-menu, an item closes the whole chain.
    ASSERT_TRUE(pMore->OnContextHelp(pBar));
    CORXPopupMenuBar* pSubBar = pMore->GetPopupMenu()->GetMenuBar();
    CORXToolbarMenuButton* pInner = DYNAMIC_DOWNCAST(CORXToolbarMenuButton, pSubBar->GetButton(0));
    ASSERT_TRUE(pInner != NULL);
    pInner->OnAfterAltDrag();
    PumpPending();
    EXPECT_TRUE(OpenMenus().empty());
}

TEST_F(PopupMenuTest, ShadowStaysInsideTheOwnerUnlessKept)
{
    if (globalData.m_nBitsPerPixel <= 8)
        GTEST_SKIP() << "no shadows at this colour depth";
    CRect rectFrame;
    m_pFrame->GetWindowRect(rectFrame);
    // Inside the frame: the shadow is drawn.
    CORXPopupMenu* pInside = new CORXPopupMenu;
    ASSERT_TRUE(pInside->Create(m_pFrame, rectFrame.left + 20, rectFrame.top + 40, MakeMenu(), FALSE, TRUE));
    EXPECT_GT(pInside->GetShadowDepth(), 0);
    pInside->DestroyWindow();
    // Past the frame's bottom-right corner: none, unless the menu keeps its shadow.
    CORXPopupMenu* pOutside = new CORXPopupMenu;
    ASSERT_TRUE(
        pOutside->Create(m_pFrame, rectFrame.right - 20, rectFrame.bottom - 20, MakeMenu(), FALSE, TRUE));
    EXPECT_EQ(0, pOutside->GetShadowDepth());
    pOutside->DestroyWindow();
    CORXPopupMenu::SetForceShadow(TRUE);
    CORXPopupMenu* pKept = new CORXPopupMenu;
    ASSERT_TRUE(
        pKept->Create(m_pFrame, rectFrame.right - 20, rectFrame.bottom - 20, MakeMenu(), FALSE, TRUE));
    EXPECT_GT(pKept->GetShadowDepth(), 0);
    pKept->DestroyWindow();
    CORXPopupMenu::SetForceShadow(FALSE);
    // Menu shadows turned off: none anywhere.
    CORXPopupMenu::EnableMenuShadows(FALSE);
    CORXPopupMenu* pOff = new CORXPopupMenu;
    ASSERT_TRUE(pOff->Create(m_pFrame, rectFrame.left + 20, rectFrame.top + 40, MakeMenu(), FALSE, TRUE));
    EXPECT_EQ(0, pOff->GetShadowDepth());
    pOff->DestroyWindow();
    CORXPopupMenu::EnableMenuShadows(TRUE);
}

TEST_F(PopupMenuTest, OpeningAnimationsFinishWithTheWholeMenu)
{
    for (int nKind : {CORXPopupMenu::UNFOLD, CORXPopupMenu::SLIDE, CORXPopupMenu::FADE})
    {
        CORXPopupMenu::SetAnimationType(nKind);
        CORXPopupMenu* pMenu = Open(MakeMenu());
        ASSERT_NE((CORXPopupMenu*)NULL, pMenu);
        if (CORXPopupMenu::GetAnimationType() == CORXPopupMenu::NO_ANIMATION)
        {
            pMenu->DestroyWindow();
            continue; // a colour depth without fading
        }
        EXPECT_FALSE(pMenu->IsAnimationDone()) << nKind;
        EXPECT_FALSE(pMenu->GetMenuBar()->IsWindowVisible()) << nKind;
        for (int i = 0; i < 100 && !pMenu->IsAnimationDone(); i++)
        {
            ::Sleep(20);
            PumpPending();
        }
        EXPECT_TRUE(pMenu->IsAnimationDone()) << nKind;
        EXPECT_TRUE(pMenu->GetMenuBar()->IsWindowVisible()) << nKind;
        pMenu->DestroyWindow();
    }
    CORXPopupMenu::SetAnimationType(CORXPopupMenu::NO_ANIMATION);
}

namespace
{
// Gives the tests a list of basic commands and usage counts of their own, and puts the class-wide
// menu settings back afterwards.
class CBasicCommandsScope : public CORXToolBar
{
public:
    explicit CBasicCommandsScope(UINT uiBasic) : m_uiBasic(uiBasic), m_bWasBasic(IsBasicCommand(uiBasic))
    {
        if (!m_bWasBasic)
            AddBasicCommand(uiBasic);
        m_bWasRecentlyUsed = m_bRecentlyUsedMenus;
        ORXGetCommandUsage().Reset();
    }
    ~CBasicCommandsScope()
    {
        POSITION pos = m_lstBasicCommands.Find(m_uiBasic);
        if (!m_bWasBasic && pos != NULL)
            m_lstBasicCommands.RemoveAt(pos);
        m_bRecentlyUsedMenus = m_bWasRecentlyUsed;
        ORXGetCommandUsage().Reset();
        CORXMenuBar::SetShowAllCommands(FALSE);
    }

private:
    UINT m_uiBasic;
    BOOL m_bWasBasic;
    BOOL m_bWasRecentlyUsed;
};

BOOL HasShowAllItem(CORXPopupMenuBar* pBar)
{
    for (int i = 0; i < pBar->GetCount(); i++)
        if (pBar->GetButton(i)->IsKindOf(RUNTIME_CLASS(CORXShowAllButton)))
            return TRUE;
    return FALSE;
}

BOOL HasItem(CORXPopupMenuBar* pBar, UINT uiCmd)
{
    for (int i = 0; i < pBar->GetCount(); i++)
        if (pBar->GetItemID(i) == uiCmd)
            return TRUE;
    return FALSE;
}

} // namespace

TEST_F(PopupMenuTest, AFrameThatEnablesItsMenusGreysUnhandledItemsAndIdleTimeKeepsTheStatesCurrent)
{
    HMENU hMenu = ::CreatePopupMenu();
    ::AppendMenuA(hMenu, MF_STRING, ID_DEMO_MENU_FIRST, "&First");
    ::AppendMenuA(hMenu, MF_STRING, ID_DEMO_MENU_LAST, "&Last");
    ::AppendMenuA(hMenu, MF_STRING, ID_DEMO_MENU_INNER2, "Inner &two");
    m_pFrame->m_bAutoMenuEnable = TRUE;
    CORXPopupMenu* pMenu = Open(hMenu);
    ASSERT_NE((CORXPopupMenu*)NULL, pMenu);
    HWND hMenuWnd = pMenu->GetSafeHwnd();
    CORXPopupMenuBar* pBar = pMenu->GetMenuBar();
    auto disabled = [&](int i) { return (pBar->GetButtonStyle(i) & TBBS_DISABLED) != 0; };
    EXPECT_TRUE(disabled(0));  // nothing handles it
    EXPECT_FALSE(disabled(1)); // a command handler
    EXPECT_FALSE(disabled(2)); // an update handler enables it

    // A state that changes while the menu is open shows at the next idle time.
    m_pFrame->m_bInnerTwoDisabled = TRUE;
    CWnd* pOldMain = AfxGetApp()->m_pMainWnd;
    AfxGetApp()->m_pMainWnd = m_pFrame;
    AfxGetApp()->OnIdle(0);
    AfxGetApp()->m_pMainWnd = pOldMain;
    EXPECT_TRUE(disabled(2));
    m_pFrame->m_bInnerTwoDisabled = FALSE;

    // A show or hide asked with a delay happens at idle time too.
    ASSERT_TRUE(pBar->IsWindowVisible());
    pBar->DelayShow(FALSE);
    EXPECT_TRUE(pBar->IsWindowVisible());
    pBar->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_FALSE(pBar->IsWindowVisible());
    pBar->DelayShow(TRUE);
    pBar->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_TRUE(pBar->IsWindowVisible());
    if (::IsWindow(hMenuWnd))
        pMenu->DestroyWindow();
    PumpPending();
}

// Counts the pop-up sounds the menus ask for.
class CPopupSounds : public IORXMenuSoundPlayer
{
public:
    volatile LONG m_nPopups = 0;
    virtual BOOL PlaySound(LPCSTR pszSound, DWORD)
    {
        if (pszSound != NULL && lstrcmpA(pszSound, "MenuPopup") == 0)
            ::InterlockedIncrement(&m_nPopups);
        return TRUE;
    }
};

class RarelyUsedMenuTest : public PopupMenuTest
{
protected:
    // Ctrl+Down, with the control key down in this thread's key state.
    static void ControlDown(CORXPopupMenu* pMenu)
    {
        BYTE keys[256];
        ::GetKeyboardState(keys);
        BYTE saved = keys[VK_CONTROL];
        keys[VK_CONTROL] = 0x80;
        ::SetKeyboardState(keys);
        Key(pMenu, VK_DOWN);
        keys[VK_CONTROL] = saved;
        ::SetKeyboardState(keys);
    }
    static void Close(CORXPopupMenu* pMenu, HWND hWnd)
    {
        if (::IsWindow(hWnd))
            pMenu->DestroyWindow();
        PumpPending();
    }
    // Opens the sub-menu "More" of the test menu by the keyboard and answers it.
    CORXPopupMenu* OpenSubMenu(CORXPopupMenu*& pMenu)
    {
        pMenu = Open(MakeMenu());
        if (pMenu == NULL)
            return NULL;
        Key(pMenu, VK_DOWN);
        Key(pMenu, VK_DOWN);
        Key(pMenu, VK_RIGHT);
        CORXPopupMenu* pSub = CORXPopupMenu::GetActiveMenu();
        return pSub != pMenu ? pSub : NULL;
    }
    // "Inner one" and "Checked" are used often, "Inner two" never: it is rare.
    void CountUses()
    {
        for (int i = 0; i < 20; i++)
        {
            ORXGetCommandUsage().AddCmd(ID_DEMO_MENU_INNER1);
            ORXGetCommandUsage().AddCmd(ID_DEMO_MENU_CHECK);
        }
    }
};

TEST_F(RarelyUsedMenuTest, RareItemsAreHiddenUntilAllAreShown)
{
    CBasicCommandsScope scope(ID_DEMO_MENU_FIRST);
    CORXToolBar::m_bRecentlyUsedMenus = TRUE;
    CountUses();
    ASSERT_TRUE(CORXToolBar::IsCommandRarelyUsed(ID_DEMO_MENU_INNER2));
    ASSERT_TRUE(CORXToolBar::IsCommandRarelyUsed(ID_DEMO_MENU_GREYED));

    CORXPopupMenu* pMenu = NULL;
    CORXPopupMenu* pSub = OpenSubMenu(pMenu);
    ASSERT_NE((CORXPopupMenu*)NULL, pSub);
    // A menu that no item opened hides nothing.
    EXPECT_TRUE(HasItem(pMenu->GetMenuBar(), ID_DEMO_MENU_GREYED));
    EXPECT_FALSE(HasShowAllItem(pMenu->GetMenuBar()));

    CORXPopupMenuBar* pBar = pSub->GetMenuBar();
    EXPECT_FALSE(pBar->AreAllCommandsShown());
    EXPECT_TRUE(HasItem(pBar, ID_DEMO_MENU_INNER1));
    EXPECT_FALSE(HasItem(pBar, ID_DEMO_MENU_INNER2));
    ASSERT_EQ(2, pBar->GetCount());
    EXPECT_TRUE(pBar->GetButton(1)->IsKindOf(RUNTIME_CLASS(CORXShowAllButton)));
    // The access letter of the hidden item runs its command, and the menus close.
    HWND hMenuWnd = pMenu->GetSafeHwnd();
    Key(pSub, 'T');
    PumpPending();
    EXPECT_EQ(std::vector<UINT>{ID_DEMO_MENU_INNER2}, m_pFrame->m_commands);
    EXPECT_FALSE(::IsWindow(hMenuWnd));
    Close(pMenu, hMenuWnd);
    m_pFrame->m_commands.clear();

    // Ctrl+Down shows every item in place, sounding as a menu opening; the show-all item is gone.
    CORXMenuSound::EnableMenuSound(FALSE);
    pSub = OpenSubMenu(pMenu);
    CORXMenuSound::EnableMenuSound(TRUE);
    ASSERT_NE((CORXPopupMenu*)NULL, pSub);
    hMenuWnd = pMenu->GetSafeHwnd();
    pBar = pSub->GetMenuBar();
    ASSERT_FALSE(pBar->AreAllCommandsShown());
    {
        CPopupSounds sounds;
        CORXMenuSound::SetPlayer(&sounds);
        ControlDown(pSub);
        for (int i = 0; i < 300 && sounds.m_nPopups == 0; i++)
            ::Sleep(10);
        // The worker ends before the player goes.
        CORXMenuSound::PlayMenuSound(CORXMenuSound::StateStop);
        CORXMenuSound::SetPlayer(NULL);
        EXPECT_EQ(1, (int)sounds.m_nPopups);
    }
    EXPECT_TRUE(pBar->AreAllCommandsShown());
    EXPECT_TRUE(HasItem(pBar, ID_DEMO_MENU_INNER1));
    EXPECT_TRUE(HasItem(pBar, ID_DEMO_MENU_INNER2));
    EXPECT_FALSE(HasShowAllItem(pBar));
    EXPECT_EQ(pSub, CORXPopupMenu::GetActiveMenu());
    // The shown item runs its command.
    Key(pSub, 'T');
    PumpPending();
    EXPECT_EQ(std::vector<UINT>{ID_DEMO_MENU_INNER2}, m_pFrame->m_commands);
    // Closing the top menu ends the showing of all items.
    EXPECT_FALSE(::IsWindow(hMenuWnd));
    EXPECT_FALSE(CORXMenuBar::IsShowAllCommands());
    m_pFrame->m_commands.clear();

    // Choosing the show-all item shows all items too.
    ORXGetCommandUsage().Reset();
    CountUses();
    pSub = OpenSubMenu(pMenu);
    ASSERT_NE((CORXPopupMenu*)NULL, pSub);
    pBar = pSub->GetMenuBar();
    ASSERT_EQ(2, pBar->GetCount());
    Key(pSub, VK_END);
    Key(pSub, VK_RETURN);
    EXPECT_TRUE(pBar->AreAllCommandsShown());
    EXPECT_TRUE(HasItem(pBar, ID_DEMO_MENU_INNER2));
    EXPECT_TRUE(::IsWindowVisible(pSub->GetSafeHwnd()));
    EXPECT_TRUE(m_pFrame->m_commands.empty());
    pMenu->DestroyWindow();
}

// A hidden item's letter is refused only when the item is disabled: by its update handler when the
// menu opened, or by the time the letter comes. The menu then stays open.
TEST_F(RarelyUsedMenuTest, AHiddenItemsLetterIsRefusedOnlyWhenTheItemIsDisabled)
{
    CBasicCommandsScope scope(ID_DEMO_MENU_FIRST);
    CORXToolBar::m_bRecentlyUsedMenus = TRUE;
    CountUses();
    HMENU hSub = ::CreatePopupMenu();
    ::AppendMenuA(hSub, MF_STRING, ID_DEMO_MENU_INNER1, "&Inner one");
    ::AppendMenuA(hSub, MF_STRING, ID_DEMO_MENU_GREYED, "&Greyed");
    ::AppendMenuA(hSub, MF_STRING, ID_DEMO_MENU_INNER2, "Inner &two");
    HMENU hMenu = ::CreatePopupMenu();
    ::AppendMenuA(hMenu, MF_STRING, ID_DEMO_MENU_FIRST, "&First");
    ::AppendMenuA(hMenu, MF_POPUP, (UINT_PTR)hSub, "&More");
    CORXPopupMenu* pMenu = Open(hMenu);
    ASSERT_NE((CORXPopupMenu*)NULL, pMenu);
    HWND hMenuWnd = pMenu->GetSafeHwnd();
    Key(pMenu, VK_DOWN);
    Key(pMenu, VK_DOWN);
    Key(pMenu, VK_RIGHT);
    CORXPopupMenu* pSub = CORXPopupMenu::GetActiveMenu();
    ASSERT_TRUE(pSub != NULL && pSub != pMenu);
    CORXPopupMenuBar* pBar = pSub->GetMenuBar();
    ASSERT_FALSE(HasItem(pBar, ID_DEMO_MENU_GREYED));
    ASSERT_FALSE(HasItem(pBar, ID_DEMO_MENU_INNER2));

    const struct
    {
        UINT nLetter;
        BOOL bInnerTwoDisabled;
    } refused[] = {{'G', FALSE}, {'T', TRUE}};
    for (const auto& c : refused)
    {
        m_pFrame->m_bInnerTwoDisabled = c.bInnerTwoDisabled;
        Key(pSub, c.nLetter);
        PumpPending();
        EXPECT_TRUE(m_pFrame->m_commands.empty()) << (char)c.nLetter;
        EXPECT_EQ(pSub, CORXPopupMenu::GetActiveMenu()) << (char)c.nLetter;
    }
    m_pFrame->m_bInnerTwoDisabled = FALSE;
    Key(pSub, 'T');
    PumpPending();
    EXPECT_EQ(std::vector<UINT>{ID_DEMO_MENU_INNER2}, m_pFrame->m_commands);
    EXPECT_FALSE(::IsWindow(hMenuWnd));
}

TEST_F(RarelyUsedMenuTest, ARemovedRareCommandIsLeftOutNotHidden)
{
    CBasicCommandsScope scope(ID_DEMO_MENU_FIRST);
    CORXToolBar::m_bRecentlyUsedMenus = TRUE;
    CountUses();
    CList<UINT, UINT> removed;
    removed.AddTail(ID_DEMO_MENU_INNER2);
    CORXToolBar::SetNonPermittedCommands(removed);
    HMENU hSub = ::CreatePopupMenu();
    ::AppendMenuA(hSub, MF_STRING, ID_DEMO_MENU_INNER1, "&Inner one");
    ::AppendMenuA(hSub, MF_STRING, ID_DEMO_MENU_INNER2, "Inner &two");
    HMENU hMenu = ::CreatePopupMenu();
    ::AppendMenuA(hMenu, MF_STRING, ID_DEMO_MENU_FIRST, "&First");
    ::AppendMenuA(hMenu, MF_POPUP, (UINT_PTR)hSub, "&More");
    CORXPopupMenu* pMenu = Open(hMenu);
    ASSERT_NE((CORXPopupMenu*)NULL, pMenu);
    HWND hMenuWnd = pMenu->GetSafeHwnd();
    Key(pMenu, VK_DOWN);
    Key(pMenu, VK_DOWN);
    Key(pMenu, VK_RIGHT);
    CORXPopupMenu* pSub = CORXPopupMenu::GetActiveMenu();
    ASSERT_TRUE(pSub != NULL && pSub != pMenu);
    // The only rare item is removed: nothing is hidden, so there is nothing to show all of.
    EXPECT_TRUE(pSub->GetMenuBar()->AreAllCommandsShown());
    Key(pSub, 'T');
    PumpPending();
    EXPECT_TRUE(m_pFrame->m_commands.empty());
    removed.RemoveAll();
    CORXToolBar::SetNonPermittedCommands(removed);
    Close(pMenu, hMenuWnd);
}

// Showing all items builds them from the menu again: the placeholders become their entries again.
TEST_F(RarelyUsedMenuTest, ShowingAllItemsExpandsRecentFilesAndUserToolsAgain)
{
    CBasicCommandsScope scope(ID_DEMO_MENU_FIRST);
    CORXToolBar::m_bRecentlyUsedMenus = TRUE;
    CountUses();
    ASSERT_TRUE(CORXToolBar::IsCommandRarelyUsed(ID_DEMO_MENU_INNER2));
    CTestRecentFiles files;
    files.m_paths = {_T("Q:\\far\\z.vcl")};
    CTestTools tools;
    CORXServices::Register<CORXRecentFileList>(&files);
    CORXServices::Register<CORXUserToolsLink>(&tools);

    HMENU hSub = ::CreatePopupMenu();
    ::AppendMenuA(hSub, MF_STRING, ID_DEMO_MENU_INNER1, "&Inner one");
    ::AppendMenuA(hSub, MF_SEPARATOR, 0, NULL);
    ::AppendMenuA(hSub, MF_STRING, ID_FILE_MRU_FILE1, "Recent File");
    ::AppendMenuA(hSub, MF_SEPARATOR, 0, NULL);
    ::AppendMenuA(hSub, MF_STRING, 34599, "&Tools");
    ::AppendMenuA(hSub, MF_STRING, ID_DEMO_MENU_INNER2, "Inner &two");
    HMENU hMenu = ::CreatePopupMenu();
    ::AppendMenuA(hMenu, MF_STRING, ID_DEMO_MENU_FIRST, "&First");
    ::AppendMenuA(hMenu, MF_POPUP, (UINT_PTR)hSub, "&More");
    CORXPopupMenu* pMenu = Open(hMenu);
    ASSERT_NE((CORXPopupMenu*)NULL, pMenu);
    Key(pMenu, VK_DOWN);
    Key(pMenu, VK_DOWN);
    Key(pMenu, VK_RIGHT);
    CORXPopupMenu* pSub = CORXPopupMenu::GetActiveMenu();
    ASSERT_TRUE(pSub != NULL && pSub != pMenu);
    CORXPopupMenuBar* pBar = pSub->GetMenuBar();
    ASSERT_FALSE(pBar->AreAllCommandsShown());
    ASSERT_FALSE(HasItem(pBar, ID_DEMO_MENU_INNER2));

    ControlDown(pSub);
    ASSERT_TRUE(pBar->AreAllCommandsShown());
    typedef std::vector<std::pair<UINT, CString>> ItemList;
    EXPECT_EQ((ItemList{{ID_DEMO_MENU_INNER1, _T("&Inner one")},
                        {0, _T("")},
                        {ID_FILE_MRU_FILE1, _T("&1 Q:\\far\\z.vcl")},
                        {0, _T("")},
                        {34600, _T("Notepad")},
                        {34601, _T("Calc")},
                        {0, _T("")},
                        {ID_DEMO_MENU_INNER2, _T("Inner &two")}}),
              Items(pSub));
    pMenu->DestroyWindow();
    PumpPending();
    CORXServices::Unregister<CORXRecentFileList>(&files);
    CORXServices::Unregister<CORXUserToolsLink>(&tools);
}

TEST_F(RarelyUsedMenuTest, NothingIsHiddenWithRecentlyUsedMenusOffOrWithoutBasicCommands)
{
    {
        CBasicCommandsScope scope(ID_DEMO_MENU_FIRST);
        CORXToolBar::m_bRecentlyUsedMenus = FALSE;
        CountUses();
        CORXPopupMenu* pMenu = NULL;
        CORXPopupMenu* pSub = OpenSubMenu(pMenu);
        ASSERT_NE((CORXPopupMenu*)NULL, pSub);
        CORXPopupMenuBar* pBar = pSub->GetMenuBar();
        EXPECT_TRUE(pBar->AreAllCommandsShown());
        EXPECT_TRUE(HasItem(pBar, ID_DEMO_MENU_INNER2));
        EXPECT_FALSE(HasShowAllItem(pBar));
        EXPECT_EQ(2, pBar->GetCount());
        pMenu->DestroyWindow();
    }
    // Basic commands of none: every command counts as used.
    CountUses();
    CORXToolBar::m_bRecentlyUsedMenus = TRUE;
    if (!CORXToolBar::IsBasicCommand(ID_DEMO_MENU_FIRST))
    {
        CORXPopupMenu* pMenu = NULL;
        CORXPopupMenu* pSub = OpenSubMenu(pMenu);
        ASSERT_NE((CORXPopupMenu*)NULL, pSub);
        EXPECT_TRUE(HasItem(pSub->GetMenuBar(), ID_DEMO_MENU_INNER2));
        pMenu->DestroyWindow();
    }
    ORXGetCommandUsage().Reset();
}

namespace
{
// A framework frame that keeps torn-off bars and may refuse them.
class CTearOffFrame : public CORXFrameWnd
{
public:
    BOOL m_bAccept = TRUE;
    int m_nAsked = 0;
    virtual BOOL OnTearOffMenu(CORXPopupMenu*, CControlBar*)
    {
        m_nAsked++;
        return m_bAccept;
    }
};

const UINT kTearOffId = 34500;

// The sub-menu "More" of the test menu opened from its item, which now carries a tear-off id.
CORXPopupMenu* OpenTearOffSubMenu(CORXPopupMenu* pMenu)
{
    CORXPopupMenuBar* pBar = pMenu->GetMenuBar();
    for (int i = 0; i < pBar->GetCount(); i++)
    {
        CORXToolbarMenuButton* pItem = DYNAMIC_DOWNCAST(CORXToolbarMenuButton, pBar->GetButton(i));
        if (pItem != NULL && pItem->m_strText == _T("&More"))
            pItem->SetTearOff(kTearOffId);
    }
    pMenu->SendMessage(WM_KEYDOWN, VK_DOWN, 1);
    pMenu->SendMessage(WM_KEYDOWN, VK_DOWN, 1);
    pMenu->SendMessage(WM_KEYDOWN, VK_RIGHT, 1);
    CORXPopupMenu* pSub = CORXPopupMenu::GetActiveMenu();
    return pSub != pMenu ? pSub : NULL;
}
} // namespace

TEST_F(PopupMenuTest, TearOffStripAndTheBarItMakes)
{
    CORXPopupMenu* pMenu = Open(MakeMenu());
    ASSERT_NE((CORXPopupMenu*)NULL, pMenu);
    EXPECT_TRUE(pMenu->GetTearOffRect().IsRectEmpty());
    CORXPopupMenu* pSub = OpenTearOffSubMenu(pMenu);
    ASSERT_NE((CORXPopupMenu*)NULL, pSub);
    ASSERT_TRUE(pSub->IsTearOffOn());

    // The strip runs across the top, 10 pixels high, above the items.
    CRect rectStrip = pSub->GetTearOffRect();
    CRect rectClient;
    pSub->GetClientRect(rectClient);
    EXPECT_EQ(CRect(2, 2, pSub->GetMenuSize().cx - 2, 12), rectStrip);
    CRect rectItems;
    pSub->GetMenuBar()->GetWindowRect(rectItems);
    pSub->ScreenToClient(rectItems);
    EXPECT_GE(rectItems.top, rectStrip.bottom);
    CPoint pt = rectStrip.CenterPoint();
    pSub->ClientToScreen(&pt);
    EXPECT_EQ(CORXPopupMenu::HT_TEAROFF, pSub->HitTest(pt));

    // A frame of its own kind makes the bar: the menu's items, the sub-menus as menu buttons, texts
    // cut at the tab, no separator first or last.
    HMENU hMenu = ::CreatePopupMenu();
    HMENU hInner = ::CreatePopupMenu();
    ::AppendMenuA(hInner, MF_STRING, ID_DEMO_MENU_INNER1, "&Inner one");
    ::AppendMenuA(hMenu, MF_SEPARATOR, 0, NULL);
    ::AppendMenuA(hMenu, MF_STRING, ID_DEMO_MENU_FIRST, "&First\tCtrl+F");
    ::AppendMenuA(hMenu, MF_SEPARATOR, 0, NULL);
    ::AppendMenuA(hMenu, MF_POPUP, (UINT_PTR)hInner, "&Inner");
    ::AppendMenuA(hMenu, MF_SEPARATOR, 0, NULL);
    CORXPopupMenu* pOther = Open(hMenu);
    ASSERT_NE((CORXPopupMenu*)NULL, pOther);
    CORXToolBar* pBar = pOther->CreateTearOffBar(m_pFrame, kTearOffId, _T("Torn"));
    ASSERT_NE((CORXToolBar*)NULL, pBar);
    ASSERT_EQ(3, pBar->GetCount());
    EXPECT_EQ((UINT)ID_DEMO_MENU_FIRST, pBar->GetItemID(0));
    EXPECT_EQ(_T("&First"), pBar->GetButton(0)->m_strText);
    EXPECT_TRUE(pBar->GetButton(1)->m_nStyle & TBBS_SEPARATOR);
    EXPECT_TRUE(pBar->GetButton(2)->IsKindOf(RUNTIME_CLASS(CORXToolbarMenuButton)));
    CString strName;
    pBar->GetWindowText(strName);
    EXPECT_EQ(_T("Torn"), strName);
    pBar->DestroyWindow();
    delete pBar;
    pOther->DestroyWindow();

    // Without a framework frame no bar is made...
    EXPECT_FALSE(pSub->TearOff(CPoint(300, 300)));
    EXPECT_EQ((CControlBar*)NULL, m_pFrame->GetControlBar(kTearOffId));

    // ...but a bar of the frame's own with the id floats again.
    m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
    CORXToolBar* pOwn = new CORXToolBar;
    ASSERT_TRUE(pOwn->Create(m_pFrame, WS_CHILD | CBRS_TOP, kTearOffId));
    pOwn->EnableDocking(CBRS_ALIGN_ANY);
    m_pFrame->DockControlBar(pOwn);
    m_pFrame->ShowControlBar(pOwn, FALSE, FALSE);
    EXPECT_TRUE(pSub->TearOff(CPoint(300, 300)));
    PumpPending();
    EXPECT_TRUE(OpenMenus().empty());
    EXPECT_TRUE(pOwn->IsFloating());
    EXPECT_TRUE(pOwn->IsWindowVisible());
    pOwn->DestroyWindow();
    delete pOwn;
}

TEST_F(PopupMenuTest, TearOffFloatsOneBarAndARefusedBarIsGone)
{
    CTearOffFrame* pFrame = new CTearOffFrame;
    ASSERT_TRUE(pFrame->Create(NULL, _T("Tear-off test"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 600, 400)));
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    CWnd* pOldMain = AfxGetApp()->m_pMainWnd;
    AfxGetApp()->m_pMainWnd = pFrame;
    auto tear = [&](CPoint pt) {
        CORXPopupMenu* pMenu = new CORXPopupMenu;
        if (!pMenu->Create(pFrame, 100, 100, MakeMenu(), FALSE, TRUE))
            return FALSE;
        CORXPopupMenu* pSub = OpenTearOffSubMenu(pMenu);
        BOOL bTorn = pSub != NULL && pSub->TearOff(pt);
        if (!bTorn && pSub != NULL)
            pSub->SendMessage(WM_CLOSE); // its parent goes with it
        PumpPending();
        return bTorn;
    };

    // A refused bar is destroyed and the frame keeps none.
    pFrame->m_bAccept = FALSE;
    EXPECT_FALSE(tear(CPoint(200, 200)));
    EXPECT_EQ(1, pFrame->m_nAsked);
    EXPECT_EQ((CControlBar*)NULL, pFrame->GetControlBar(kTearOffId));
    EXPECT_TRUE(pFrame->GetFrameImpl().GetTearOffBars().IsEmpty());

    // An accepted one floats, named after the item, and the menus close.
    pFrame->m_bAccept = TRUE;
    EXPECT_TRUE(tear(CPoint(200, 200)));
    EXPECT_TRUE(OpenMenus().empty());
    CControlBar* pBar = pFrame->GetControlBar(kTearOffId);
    ASSERT_NE((CControlBar*)NULL, pBar);
    EXPECT_TRUE(pBar->IsFloating());
    EXPECT_TRUE(pBar->IsWindowVisible());
    CString strName;
    pBar->GetWindowText(strName);
    EXPECT_EQ(_T("More"), strName);
    EXPECT_EQ(1, pFrame->GetFrameImpl().GetTearOffBars().GetCount());

    // Torn off again after the bar was hidden: the same bar comes back, the frame is not asked.
    pFrame->ShowControlBar(pBar, FALSE, FALSE);
    EXPECT_TRUE(tear(CPoint(250, 250)));
    EXPECT_EQ(2, pFrame->m_nAsked);
    EXPECT_EQ(pBar, pFrame->GetControlBar(kTearOffId));
    EXPECT_TRUE(pBar->IsWindowVisible());
    EXPECT_EQ(1, pFrame->GetFrameImpl().GetTearOffBars().GetCount());

    AfxGetApp()->m_pMainWnd = pOldMain;
    pFrame->DestroyWindow();
    PumpPending();
}
