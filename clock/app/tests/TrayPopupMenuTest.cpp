// The tray menu on the framework's pop-up menu: the clock's adjustments, the window on top at the
// given point, greyed items that stay greyed whatever handlers the target has, commands chosen with
// the keys reaching the target, and the loaded menu destroyed once, by the caller.
#include <gtest/gtest.h>

#include <afxwin.h>
#include <vector>

#include "ORXPopupMenuBar.h"
#include "TrayPopupMenu.h"
#include "resource.h"
#include "AppTestMain.h"
#include "TestSupport.h"

namespace
{
// The window that receives the menu's commands. Like the clock dialog it has command handlers for
// the dialog's OK (id 1, the id of the greyed "Hide Clock") and for the options, which this build
// greys as pending; it has no update handler for either.
class CTrayTarget : public CWnd
{
public:
    std::vector<UINT> m_commands;
    BOOL Make()
    {
        return CreateEx(0, AfxRegisterWndClass(0), _T("tray menu target"), WS_POPUP, 0, 0, 10, 10, NULL, 0);
    }
    afx_msg void OnOk() { m_commands.push_back(IDOK); }
    afx_msg void OnOptions() { m_commands.push_back(ID_OPTIONS); }
    afx_msg void OnShow() { m_commands.push_back(ID_SHOW_CLOCK); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTrayTarget, CWnd)
ON_COMMAND(IDOK, OnOk)
ON_COMMAND(ID_OPTIONS, OnOptions)
ON_COMMAND(ID_SHOW_CLOCK, OnShow)
END_MESSAGE_MAP()

class TrayPopupMenuTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CORXPopupMenu::SetAnimationType(CORXPopupMenu::NO_ANIMATION);
        ASSERT_TRUE(m_target.Make());
    }
    void TearDown() override
    {
        if (CORXPopupMenu::GetActiveMenu() != NULL)
            CORXPopupMenu::GetActiveMenu()->DestroyWindow();
        m_target.DestroyWindow();
        PumpPending();
    }
    static CTrayMenuState HiddenClockState()
    {
        CTrayMenuState state = {};
        state.bClockHidden = TRUE;
        state.bAutoHide = TRUE;
        state.bCharLoaded = FALSE;
        state.bAgentMissing = TRUE;
        return state;
    }
    static int Find(CORXPopupMenuBar* pBar, UINT nID)
    {
        for (int i = 0; i < pBar->GetCount(); i++)
            if (!(pBar->GetButtonStyle(i) & TBBS_SEPARATOR) && pBar->GetItemID(i) == nID)
                return i;
        return -1;
    }
    CTrayTarget m_target;
};
} // namespace

TEST_F(TrayPopupMenuTest, ShowsTheAdjustedMenuOnTopAtThePoint)
{
    CTrayMenuState state = HiddenClockState();
    CTrayPopupMenu* pMenu = ShowTrayPopupMenu(&m_target, IDR_TRAY_POPUP, CPoint(120, 90), &state);
    ASSERT_NE((CTrayPopupMenu*)NULL, pMenu);
    EXPECT_EQ(pMenu, CORXPopupMenu::GetActiveMenu());

    char szClass[64] = {};
    ::GetClassNameA(pMenu->GetSafeHwnd(), szClass, sizeof(szClass));
    EXPECT_STREQ(ORX_POPUPMENU_CLASS, szClass);
    EXPECT_TRUE(pMenu->GetExStyle() & WS_EX_TOPMOST);
    CRect rect;
    pMenu->GetWindowRect(rect);
    EXPECT_EQ(CPoint(120, 90), rect.TopLeft());

    CORXPopupMenuBar* pBar = pMenu->GetMenuBar();
    // "Hide Clock" became a greyed item of id 1; the clock's command handler for that id enables
    // nothing, while the options, whose update handler enables them, stay enabled.
    EXPECT_EQ((UINT)ID_SHOW_CLOCK, pBar->GetItemID(0));
    EXPECT_EQ(1u, pBar->GetItemID(1));
    EXPECT_TRUE(pBar->GetButtonStyle(1) & TBBS_DISABLED);
    EXPECT_EQ(-1, Find(pBar, ID_HIDE_CLOCK));
    int nOptions = Find(pBar, ID_OPTIONS);
    ASSERT_GE(nOptions, 0);
    EXPECT_FALSE(pBar->GetButtonStyle(nOptions) & TBBS_DISABLED);
    int nAutoHide = Find(pBar, ID_AUTO_HIDE);
    ASSERT_GE(nAutoHide, 0);
    EXPECT_TRUE(pBar->GetButtonStyle(nAutoHide) & TBBS_CHECKED);
    EXPECT_FALSE(pBar->GetButtonStyle(0) & TBBS_DISABLED);
    // Without a character the four Agent items are gone.
    for (UINT nID : {ID_SAY_TIME, ID_MUTE_AGENT, ID_SHOW_AGENT, ID_HIDE_AGENT})
        EXPECT_EQ(-1, Find(pBar, nID)) << nID;
    EXPECT_EQ((UINT)ID_EXIT, pBar->GetItemID(pBar->GetCount() - 1));

    // The loaded menu is gone, destroyed once by the caller: the pop-up menu never owns it.
    EXPECT_FALSE(pMenu->IsAutoDestroy());
    EXPECT_FALSE(::IsMenu(pMenu->GetHMenu()));

    pMenu->SendMessage(WM_CLOSE);
    PumpPending();
    EXPECT_EQ((CORXPopupMenu*)NULL, CORXPopupMenu::GetActiveMenu());
    EXPECT_TRUE(m_target.m_commands.empty());
}

TEST_F(TrayPopupMenuTest, KeysChooseCommandsForTheTargetAndGreyedOnesRunNothing)
{
    CTrayMenuState state = HiddenClockState();
    CTrayPopupMenu* pMenu = ShowTrayPopupMenu(&m_target, IDR_TRAY_POPUP, CPoint(100, 100), &state);
    ASSERT_NE((CTrayPopupMenu*)NULL, pMenu);
    // The keys come the way the clock window's pre-translation hands them on.
    MSG msg = {m_target.GetSafeHwnd(), WM_KEYDOWN, VK_HOME, 1};
    EXPECT_TRUE(CORXPopupMenu::PreTranslateForMenu(&msg));
    msg.wParam = VK_RETURN;
    EXPECT_TRUE(CORXPopupMenu::PreTranslateForMenu(&msg));
    PumpPending();
    EXPECT_EQ(std::vector<UINT>{ID_SHOW_CLOCK}, m_target.m_commands);
    EXPECT_EQ((CORXPopupMenu*)NULL, CORXPopupMenu::GetActiveMenu());

    // A greyed item's command never runs, whether chosen with the keys or posted by the menu.
    m_target.m_commands.clear();
    pMenu = ShowTrayPopupMenu(&m_target, IDR_TRAY_POPUP, CPoint(100, 100), &state);
    ASSERT_NE((CTrayPopupMenu*)NULL, pMenu);
    CORXPopupMenuBar* pBar = pMenu->GetMenuBar();
    int nGreyed = Find(pBar, 1);
    ASSERT_GE(nGreyed, 0);
    pMenu->SendMessage(WM_KEYDOWN, VK_HOME, 1);
    for (int i = 0; i < nGreyed && pBar->GetItemID(pBar->GetHighlightedButtonIndex()) != 1; i++)
        pMenu->SendMessage(WM_KEYDOWN, VK_DOWN, 1);
    pMenu->SendMessage(WM_KEYDOWN, VK_RETURN, 1);
    PumpPending();
    EXPECT_TRUE(m_target.m_commands.empty());
    if (CORXPopupMenu::GetActiveMenu() != NULL)
        CORXPopupMenu::GetActiveMenu()->SendMessage(WM_CLOSE);
    PumpPending();
}

TEST_F(TrayPopupMenuTest, EachShowingStartsFromTheResource)
{
    CTrayMenuState state = HiddenClockState();
    CTrayPopupMenu* pMenu = ShowTrayPopupMenu(&m_target, IDR_TRAY_POPUP, CPoint(100, 100), &state);
    ASSERT_NE((CTrayPopupMenu*)NULL, pMenu);
    pMenu->SendMessage(WM_CLOSE);
    PumpPending();

    state.bClockHidden = FALSE;
    state.bAutoHide = FALSE;
    pMenu = ShowTrayPopupMenu(&m_target, IDR_TRAY_POPUP, CPoint(100, 100), &state);
    ASSERT_NE((CTrayPopupMenu*)NULL, pMenu);
    CORXPopupMenuBar* pBar = pMenu->GetMenuBar();
    EXPECT_EQ((UINT)ID_HIDE_CLOCK, pBar->GetItemID(1));
    EXPECT_FALSE(pBar->GetButtonStyle(1) & TBBS_DISABLED);
    EXPECT_FALSE(pBar->GetButtonStyle(Find(pBar, ID_AUTO_HIDE)) & TBBS_CHECKED);
    pMenu->SendMessage(WM_CLOSE);
    PumpPending();

    // A menu resource that does not exist shows nothing.
    EXPECT_EQ((CTrayPopupMenu*)NULL, ShowTrayPopupMenu(&m_target, 0x7ABC, CPoint(100, 100), &state));
    EXPECT_EQ((CORXPopupMenu*)NULL, CORXPopupMenu::GetActiveMenu());
}
