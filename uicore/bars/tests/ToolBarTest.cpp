// The tool bar: loading from a tool-bar resource, the button list, layout, the command UI, the
// platform's tool-bar messages and pressing and releasing buttons.
#include <gtest/gtest.h>

#include <vector>

#include "DemoIds.h"
#include "ORXCommandManager.h"
#include "ORXToolBar.h"
#include "TestSupport.h"
#include "TestWindows.h"

namespace
{
// A frame that records the commands it receives and answers the command UI of two of them.
class CToolBarOwnerFrame : public CRecordingFrame
{
public:
    BOOL m_bCheck = FALSE;

    afx_msg void OnUpdateSave(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    afx_msg void OnUpdateCheck(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_bCheck ? 5 : 0); }
    afx_msg void OnUpdateEnabled(CCmdUI* pCmdUI) { pCmdUI->Enable(TRUE); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CToolBarOwnerFrame, CRecordingFrame)
ON_UPDATE_COMMAND_UI(ID_DEMO_SAVE, OnUpdateSave)
ON_UPDATE_COMMAND_UI(ID_DEMO_CHECK, OnUpdateCheck)
ON_UPDATE_COMMAND_UI(ID_DEMO_NEW, OnUpdateEnabled)
ON_UPDATE_COMMAND_UI(ID_DEMO_OPEN, OnUpdateEnabled)
ON_UPDATE_COMMAND_UI(ID_DEMO_BOLD, OnUpdateEnabled)
ON_UPDATE_COMMAND_UI(ID_DEMO_ALARM, OnUpdateEnabled)
END_MESSAGE_MAP()

class ToolBarTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = new CToolBarOwnerFrame;
        ASSERT_TRUE(m_pFrame->Create(NULL, _T("Tool bar test"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 600, 300)));
        ASSERT_TRUE(m_bar.Create(m_pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP));
        m_bar.SetOwner(m_pFrame);
    }
    void TearDown() override
    {
        m_bar.DestroyWindow();
        m_pFrame->DestroyWindow();
    }
    CPoint Centre(int iButton)
    {
        CRect rect;
        m_bar.GetItemRect(iButton, rect);
        return rect.CenterPoint();
    }
    void Click(int iButton, int nOffUp = 0)
    {
        CPoint pt = Centre(iButton);
        m_bar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
        m_bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        m_bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y + nOffUp));
    }

    CToolBarOwnerFrame* m_pFrame = NULL;
    CORXToolBar m_bar;
};
} // namespace

TEST_F(ToolBarTest, LoadingAResourceSizesButtonsAndMapsImages)
{
    EXPECT_EQ(CSize(23, 22), m_bar.GetButtonSize()); // before any load
    ASSERT_TRUE(m_bar.LoadToolBar(IDR_DEMO_TOOLBAR));
    EXPECT_EQ(CSize(22, 21), m_bar.GetButtonSize());
    EXPECT_EQ(CSize(16, 15), m_bar.GetImageSize());
    ASSERT_EQ(9, m_bar.GetCount());
    EXPECT_EQ((UINT)ID_DEMO_NEW, m_bar.GetItemID(0));
    EXPECT_EQ((UINT)TBBS_SEPARATOR, m_bar.GetButtonStyle(3));
    EXPECT_EQ(7, CORXToolBar::GetImages().GetCount());
    EXPECT_EQ(4, CORXToolBar::GetDefaultImage(ID_DEMO_CHECK));
    EXPECT_EQ(4, CORXCommandManager::GetCmdMgr()->GetCmdImage(ID_DEMO_CHECK, FALSE));

    // Another resource brings its own bitmap; its commands count from its first image.
    ASSERT_TRUE(m_bar.LoadToolBar(IDR_DEMO_SECOND));
    EXPECT_EQ(14, CORXToolBar::GetImages().GetCount());
    EXPECT_EQ(7, CORXToolBar::GetDefaultImage(ID_DEMO_ALARM));
    EXPECT_EQ(2, m_bar.GetCount());

    // A resource that counts more ids than it holds is refused; the buttons stay.
    EXPECT_FALSE(m_bar.LoadToolBar(IDR_DEMO_BROKEN));
    EXPECT_EQ(2, m_bar.GetCount());
    EXPECT_FALSE(m_bar.LoadToolBar(999));
}

TEST_F(ToolBarTest, InsertingAndRemovingKeepsSeparatorsSensible)
{
    EXPECT_EQ(-1, m_bar.InsertSeparator());
    ASSERT_EQ(0, m_bar.InsertButton(new CORXToolbarButton(ID_DEMO_NEW, 0)));
    EXPECT_EQ(-1, m_bar.InsertSeparator(0));
    EXPECT_EQ(1, m_bar.InsertSeparator());
    EXPECT_EQ(2, m_bar.InsertButton(new CORXToolbarButton(ID_DEMO_OPEN, 1)));
    EXPECT_EQ(3, m_bar.InsertSeparator());
    EXPECT_EQ(4, m_bar.InsertButton(new CORXToolbarButton(ID_DEMO_SAVE, 2)));
    CORXToolbarButton* pStray = new CORXToolbarButton(ID_DEMO_BOLD, 3);
    EXPECT_EQ(-1, m_bar.InsertButton(pStray, 9));
    delete pStray;

    // The button between two separators goes: one separator is left.
    ASSERT_TRUE(m_bar.RemoveButton(2));
    ASSERT_EQ(3, m_bar.GetCount());
    EXPECT_EQ((UINT)TBBS_SEPARATOR, m_bar.GetButtonStyle(1));
    EXPECT_EQ((UINT)ID_DEMO_SAVE, m_bar.GetItemID(2));
    // The last real button goes: no separator is left trailing.
    ASSERT_TRUE(m_bar.RemoveButton(2));
    EXPECT_EQ(1, m_bar.GetCount());
    EXPECT_FALSE(m_bar.RemoveButton(5));

    CList<UINT, UINT> forbidden;
    forbidden.AddTail(ID_DEMO_ALARM);
    CORXToolBar::SetNonPermittedCommands(forbidden);
    CORXToolbarButton* pForbidden = new CORXToolbarButton(ID_DEMO_ALARM, 5);
    EXPECT_EQ(-1, m_bar.InsertButton(pForbidden));
    delete pForbidden;
    ASSERT_TRUE(m_bar.LoadToolBar(IDR_DEMO_TOOLBAR));
    EXPECT_EQ(-1, m_bar.CommandToIndex(ID_DEMO_ALARM));
    EXPECT_EQ(7, m_bar.CommandToIndex(ID_DEMO_LARGE));
}

TEST_F(ToolBarTest, LayoutOneRowDockedAndWrappingByWidthOrHeight)
{
    ASSERT_TRUE(m_bar.LoadToolBar(IDR_DEMO_TOOLBAR));
    CSize size = m_bar.CalcFixedLayout(FALSE, TRUE);
    // Seven buttons and two 8-pixel separators in one row, inside the bar's borders.
    CRect rectInside(0, 0, 0, 0);
    m_bar.CalcInsideRect(rectInside, TRUE);
    EXPECT_EQ(7 * 22 + 2 * 8 - rectInside.Width(), size.cx);
    EXPECT_EQ(1, m_bar.WrapToolBar(32767));
    EXPECT_EQ(7, m_bar.WrapToolBar(0));
    EXPECT_EQ(2, m_bar.WrapToolBar(3 * 22 + 8 + 2 * 22)); // separators never start a row
    EXPECT_EQ(4, m_bar.WrapToolBar(2 * 22));

    // Sized to a height, the bar ends at the narrowest width whose rows fit.
    m_bar.SizeToolBar(21 * 2 + 5, TRUE);
    EXPECT_LE(m_bar.CalcSize(FALSE).cy, 21 * 2 + 5);
    m_bar.SizeToolBar(1, TRUE); // lower than one row: one row
    EXPECT_EQ(21, m_bar.CalcSize(FALSE).cy);

    m_pFrame->RecalcLayout();
    m_bar.PlaceButtons();
    CRect rect0, rect1;
    m_bar.GetItemRect(0, rect0);
    m_bar.GetItemRect(1, rect1);
    EXPECT_EQ(22, rect0.Width());
    EXPECT_EQ(rect0.right, rect1.left);
    EXPECT_EQ(0, m_bar.HitTest(rect0.CenterPoint()));
    CRect rectSep;
    m_bar.GetItemRect(3, rectSep);
    EXPECT_EQ(-1, m_bar.HitTest(rectSep.CenterPoint()));
}

TEST_F(ToolBarTest, CommandUiDisablesAndChecks)
{
    ASSERT_TRUE(m_bar.LoadToolBar(IDR_DEMO_TOOLBAR));
    m_pFrame->m_bCheck = TRUE;
    m_bar.OnUpdateCmdUI(m_pFrame, TRUE);
    EXPECT_TRUE(m_bar.GetButtonStyle(m_bar.CommandToIndex(ID_DEMO_SAVE)) & TBBS_DISABLED);
    UINT nCheck = m_bar.GetButtonStyle(m_bar.CommandToIndex(ID_DEMO_CHECK));
    EXPECT_TRUE(nCheck & TBBS_CHECKED); // SetCheck(5) counts as checked
    EXPECT_TRUE(nCheck & TBBS_CHECKBOX);
    EXPECT_TRUE(m_bar.GetButtonStyle(m_bar.CommandToIndex(ID_DEMO_LARGE)) & TBBS_DISABLED); // no handler
    EXPECT_FALSE(m_bar.GetButtonStyle(m_bar.CommandToIndex(ID_DEMO_NEW)) & TBBS_DISABLED);
}

TEST_F(ToolBarTest, TheToolBarControlMessagesRefuseMissingButtons)
{
    ASSERT_TRUE(m_bar.LoadToolBar(IDR_DEMO_TOOLBAR));
    m_bar.GetButton(0)->m_strText = _T("New file");
    EXPECT_EQ(9, (int)m_bar.SendMessage(TB_BUTTONCOUNT));
    EXPECT_EQ(8, (int)m_bar.SendMessage(TB_GETBUTTONTEXTA, ID_DEMO_NEW, 0));
    char szText[16] = {};
    EXPECT_EQ(8, (int)m_bar.SendMessage(TB_GETBUTTONTEXTA, ID_DEMO_NEW, (LPARAM)szText));
    EXPECT_STREQ("New file", szText);
    EXPECT_EQ(-1, (int)m_bar.SendMessage(TB_GETBUTTONTEXTA, 12345, (LPARAM)szText));

    TBBUTTON tb;
    memset(&tb, 0xCC, sizeof(tb));
    EXPECT_FALSE(m_bar.SendMessage(TB_GETBUTTON, 20, (LPARAM)&tb));
    EXPECT_EQ((BYTE)0xCC, tb.fsState);
    m_bar.SetButtonStyle(4, TBBS_CHECKBOX | TBBS_CHECKED);
    EXPECT_TRUE(m_bar.SendMessage(TB_GETBUTTON, 4, (LPARAM)&tb));
    EXPECT_EQ(ID_DEMO_BOLD, tb.idCommand);
    EXPECT_EQ((BYTE)0x01, tb.fsState);
    EXPECT_EQ((BYTE)0x02, tb.fsStyle);
    RECT rc = {1, 2, 3, 4};
    EXPECT_FALSE(m_bar.SendMessage(TB_GETITEMRECT, 20, (LPARAM)&rc));
    EXPECT_EQ(1, rc.left);
    EXPECT_TRUE(m_bar.SendMessage(TB_GETITEMRECT, 0, (LPARAM)&rc));
}

TEST_F(ToolBarTest, PressingAndReleasingSendsCommandsOnlyOnTheButton)
{
    ASSERT_TRUE(m_bar.LoadToolBar(IDR_DEMO_TOOLBAR));
    m_pFrame->RecalcLayout();
    m_bar.OnUpdateCmdUI(m_pFrame, TRUE);
    m_bar.PlaceButtons();

    Click(0);
    ASSERT_EQ(1u, m_pFrame->m_commands.size());
    EXPECT_EQ((UINT)ID_DEMO_NEW, m_pFrame->m_commands[0]);
    EXPECT_FALSE(m_bar.GetButtonStyle(0) & TBBS_PRESSED);

    // Released off the button: nothing is sent and the button is up again.
    Click(1, 200);
    EXPECT_EQ(1u, m_pFrame->m_commands.size());
    EXPECT_FALSE(m_bar.GetButtonStyle(1) & TBBS_PRESSED);
    EXPECT_EQ(-1, m_bar.GetPressedButtonIndex());

    // A disabled button is not pressed.
    Click(m_bar.CommandToIndex(ID_DEMO_SAVE));
    EXPECT_EQ(1u, m_pFrame->m_commands.size());

    // A check box toggles on release; an indeterminate one becomes checked.
    int iBold = m_bar.CommandToIndex(ID_DEMO_BOLD);
    m_bar.SetButtonStyle(iBold, TBBS_CHECKBOX | TBBS_INDETERMINATE);
    Click(iBold);
    EXPECT_EQ((UINT)(TBBS_CHECKBOX | TBBS_CHECKED), m_bar.GetButtonStyle(iBold));
    Click(iBold);
    EXPECT_EQ((UINT)TBBS_CHECKBOX, m_bar.GetButtonStyle(iBold));
    EXPECT_EQ(3u, m_pFrame->m_commands.size());
}

TEST_F(ToolBarTest, MouseLeaveTrackingUsesATimerOfItsOwn)
{
    TRACKMOUSEEVENT tme = {sizeof(TRACKMOUSEEVENT), TME_LEAVE, m_bar.GetSafeHwnd(), (DWORD)-1};
    TRACKMOUSEEVENT shortRequest = tme;
    shortRequest.cbSize = 8;
    EXPECT_FALSE(ORXTrackMouse(&shortRequest));
    TRACKMOUSEEVENT hoverOnly = tme;
    hoverOnly.dwFlags = TME_HOVER;
    EXPECT_FALSE(ORXTrackMouse(&hoverOnly));
    EXPECT_TRUE(ORXTrackMouse(&tme));
    // Ids 1 and 2 belong to the pop-up item bars' and the menu bar's delays.
    EXPECT_NE((UINT_PTR)1, ORX_TRACKMOUSE_TIMER);
    EXPECT_NE((UINT_PTR)2, ORX_TRACKMOUSE_TIMER);
    EXPECT_TRUE(::KillTimer(m_bar.GetSafeHwnd(), ORX_TRACKMOUSE_TIMER));

    CORXToolBar::SetMouseHook(TRUE);
    CORXToolBar::SetMouseHook(TRUE);
    EXPECT_TRUE(CORXToolBar::IsMouseHookInstalled());
    CORXToolBar::SetMouseHook(FALSE);
    EXPECT_FALSE(CORXToolBar::IsMouseHookInstalled());
}

TEST_F(ToolBarTest, ABarDeletedWithItsWindowUpLeavesTheListOfBars)
{
    // Its window goes in the base's destructor, after the bar's own handlers are gone: the bar
    // must not stay behind in the list that every later bar walks.
    CORXToolBar* pBar = new CORXToolBar;
    ASSERT_TRUE(pBar->Create(m_pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP, AFX_IDW_TOOLBAR + 1));
    ASSERT_TRUE(gAllToolbars.Find(pBar) != NULL);
    HWND hWnd = pBar->GetSafeHwnd();
    delete pBar;
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_TRUE(gAllToolbars.Find(pBar) == NULL);
}
