// The tasks pane: its history of pages, the scrolling and animation arithmetic, the navigation
// row's places, and the pane itself in a hidden frame: creation, layout, scrolling, clicks on
// tasks and captions, and the navigation commands.
#include <gtest/gtest.h>

#include <afxpriv.h>

#include <vector>

#include "ORXTasksPane.h"
#include "ORXVisualManager.h"
#include "ORXVisualManagerXP.h"
#include "ORXWinXPVisualManager.h"
#include "TestDrawing.h"
#include "TestSupport.h"
#include "TestWindows.h"

namespace
{
/////////////////////////////////////////////////////////////////////////////
// History

TEST(TasksHistory, KeepsBrowserOrder)
{
    CORXTasksHistory history(5);
    history.Reset(0);
    EXPECT_FALSE(history.CanGoBack());
    EXPECT_FALSE(history.CanGoForward());
    EXPECT_FALSE(history.Add(0)) << "the current page again changes nothing";
    EXPECT_EQ(1, history.GetSize());

    EXPECT_TRUE(history.Add(1));
    EXPECT_TRUE(history.Add(2));
    EXPECT_EQ(2, history.GetCurrent());
    EXPECT_TRUE(history.CanGoBack());
    EXPECT_FALSE(history.CanGoForward());

    EXPECT_TRUE(history.Back());
    EXPECT_TRUE(history.Back());
    EXPECT_FALSE(history.Back()) << "Back stops at the first entry";
    EXPECT_EQ(0, history.GetCurrent());
    EXPECT_TRUE(history.CanGoForward());
    EXPECT_TRUE(history.Forward());
    EXPECT_EQ(1, history.GetCurrent());

    // A new page from the middle drops what lay ahead.
    EXPECT_TRUE(history.Add(3));
    EXPECT_EQ(3, history.GetSize());
    EXPECT_EQ(0, history.GetAt(0));
    EXPECT_EQ(1, history.GetAt(1));
    EXPECT_EQ(3, history.GetAt(2));
    EXPECT_FALSE(history.CanGoForward());
}

TEST(TasksHistory, FullHistoryDropsTheOldest)
{
    CORXTasksHistory history(3);
    history.Reset(0);
    history.Add(1);
    history.Add(2);
    EXPECT_TRUE(history.Add(3));
    ASSERT_EQ(3, history.GetSize());
    EXPECT_EQ(1, history.GetAt(0));
    EXPECT_EQ(3, history.GetCurrent());
    EXPECT_EQ(2, history.GetPosition());
}

TEST(TasksHistory, AlwaysKeepsOnePage)
{
    for (int nMax : {0, -4, 1})
    {
        CORXTasksHistory history(nMax);
        EXPECT_EQ(1, history.GetMaxLength()) << nMax;
        history.Reset(0);
        EXPECT_TRUE(history.Add(1)) << nMax;
        EXPECT_TRUE(history.Add(2)) << nMax;
        EXPECT_EQ(1, history.GetSize()) << nMax;
        EXPECT_EQ(2, history.GetCurrent()) << nMax;
        EXPECT_FALSE(history.CanGoBack()) << nMax;
    }
    // Shrinking keeps the current page and those before it.
    CORXTasksHistory history(10);
    history.Reset(0);
    for (int i = 1; i <= 5; i++)
        history.Add(i);
    history.Back();
    history.SetMaxLength(0);
    EXPECT_EQ(1, history.GetSize());
    EXPECT_EQ(4, history.GetCurrent());
}

/////////////////////////////////////////////////////////////////////////////
// Arithmetic

TEST(TasksScroll, CountsRowsAndClampsNeverBelowZero)
{
    struct
    {
        int nContent, nArea, nRow;
        int nTotal, nPage;
    } cases[] = {
        {100, 200, 16, 0, 12},                        // all fits: no range
        {400, 200, 16, 24, 12},                       // 25 rows, the last is row 24
        {401, 200, 16, 25, 12}, {400, 10, 16, 24, 1}, // a page shows at least one row
        {400, 0, 0, 399, 1},                          // a row is at least a pixel
        {-5, -5, 16, 0, 1},
    };
    for (const auto& c : cases)
    {
        int nTotal = -1, nPage = -1;
        CORXTasksScroll::CountRows(c.nContent, c.nArea, c.nRow, nTotal, nPage);
        EXPECT_EQ(c.nTotal, nTotal) << c.nContent << " in " << c.nArea;
        EXPECT_EQ(c.nPage, nPage) << c.nContent << " in " << c.nArea;
    }
    EXPECT_EQ(13, CORXTasksScroll::Clamp(100, 24, 12));
    EXPECT_EQ(5, CORXTasksScroll::Clamp(5, 24, 12));
    EXPECT_EQ(0, CORXTasksScroll::Clamp(-3, 24, 12));
    EXPECT_EQ(0, CORXTasksScroll::Clamp(7, 3, 12)) << "a page longer than the range";
    EXPECT_EQ(0, CORXTasksScroll::Clamp(7, 0, 1));
}

TEST(TasksAnimation, StepsRoundHalfUpAndAlwaysEnd)
{
    EXPECT_EQ(80, CORXTasksAnimation::Step(100, 100, TRUE, 44, 20)) << "44 ms is one step";
    EXPECT_EQ(60, CORXTasksAnimation::Step(100, 100, TRUE, 45, 20)) << "45 ms is two steps";
    EXPECT_EQ(0, CORXTasksAnimation::Step(10, 100, TRUE, 300, 20));
    EXPECT_EQ(100, CORXTasksAnimation::Step(90, 100, FALSE, 300, 20));
    for (BOOL bCollapsing : {TRUE, FALSE})
        for (int nStep : {0, -5})
        {
            int nShown = bCollapsing ? 57 : 0;
            int nTicks = 0;
            while (!CORXTasksAnimation::IsDone(nShown, 57, bCollapsing) && nTicks < 1000)
            {
                nShown = CORXTasksAnimation::Step(nShown, 57, bCollapsing, 0, nStep);
                nTicks++;
            }
            EXPECT_EQ(57, nTicks) << "a pixel a tick, step " << nStep;
        }
}

TEST(TasksNavigationRow, SizesAndTheMenuButtonsSpan)
{
    EXPECT_EQ(CSize(16, 16), CORXTasksPane::NavButtonSize(CSize(12, 12), CSize(0, 0)));
    EXPECT_EQ(CSize(24, 22), CORXTasksPane::NavButtonSize(CSize(12, 12), CSize(24, 22)));
    EXPECT_EQ(CSize(20, 20), CORXTasksPane::NavButtonSize(CSize(16, 16), CSize(-1, 30)));

    CRect rectMenu(60, 2, 90, 22), rectClose(90, 2, 110, 22);
    CTasksPaneToolBar::WidenMenuButton(rectMenu, rectClose, 200);
    EXPECT_EQ(CRect(60, 2, 179, 22), rectMenu);
    EXPECT_EQ(CRect(179, 2, 199, 22), rectClose);
    // Narrow: three times the height at least, Close after it.
    rectMenu = CRect(60, 2, 90, 22);
    rectClose = CRect(90, 2, 110, 22);
    CTasksPaneToolBar::WidenMenuButton(rectMenu, rectClose, 100);
    EXPECT_EQ(CRect(60, 2, 120, 22), rectMenu);
    EXPECT_EQ(CRect(120, 2, 140, 22), rectClose);
}

/////////////////////////////////////////////////////////////////////////////
// The pane in a hidden frame

const UINT kFirstCmd = 41000;

class CTestTasksPane : public CORXTasksPane
{
public:
    std::vector<std::pair<int, int>> changes;
    void OnPageChanged(int nPrev, int nNew) override { changes.push_back(std::make_pair(nPrev, nNew)); }
    // The pane as it paints itself, drawn into a bitmap.
    std::vector<COLORREF> Paint(const CRect& rect)
    {
        CRect rectClient = Client();
        CTestSurface surface(rectClient.Width(), rectClient.Height(), TRUE);
        DrawPane(surface.DC());
        std::vector<COLORREF> pixels;
        for (int y = rect.top; y < rect.bottom; y++)
            for (int x = rect.left; x < rect.right; x++)
                pixels.push_back(surface.At(x, y));
        return pixels;
    }
    CRect Client() const
    {
        CRect rect;
        GetClientRect(rect);
        return rect;
    }
};

class TasksPaneTest : public ::testing::Test
{
protected:
    CRecordingFrame* m_pFrame = NULL;
    CTestTasksPane m_pane;

    void SetUp() override
    {
        m_pFrame = new CRecordingFrame;
        // The tasks' commands are recorded; the others take the frame's way.
        m_pFrame->m_recordOnly = [](UINT nID) { return nID >= kFirstCmd && nID < kFirstCmd + 100; };
        ASSERT_TRUE(m_pFrame->Create(NULL, _T("Tasks test"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 500, 400)));
    }
    void TearDown() override
    {
        if (m_pane.GetSafeHwnd() != NULL)
            m_pane.DestroyWindow();
        m_pFrame->DestroyWindow();
        PumpPending();
    }
    BOOL CreatePane(int cx = 220, int cy = 300)
    {
        if (!m_pane.Create(NULL, m_pFrame, CSize(cx, cy), 0xE811, WS_CHILD | WS_VISIBLE | CBRS_RIGHT))
            return FALSE;
        m_pane.SetWindowPos(NULL, 0, 0, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
        return TRUE;
    }
    static LPARAM At(const CRect& rect) { return MAKELPARAM(rect.CenterPoint().x, rect.CenterPoint().y); }
    // Press and release with no message pumped between them: the real pointer, wherever other
    // tests move it, cannot come in between.
    void Click(const CRect& rectDown, const CRect& rectUp)
    {
        m_pane.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(rectDown));
        m_pane.SendMessage(WM_LBUTTONUP, 0, At(rectUp));
        PumpPending();
    }
    BOOL IsDisabled(UINT uiCmd)
    {
        CTasksPaneToolBar& bar = m_pane.GetNavToolbar();
        bar.OnUpdateCmdUI(NULL, TRUE);
        const int i = bar.CommandToIndex(uiCmd);
        return i >= 0 && (bar.GetButtonStyle(i) & TBBS_DISABLED) != 0;
    }
};

TEST_F(TasksPaneTest, WithoutItsNavigationRowThePaneStillShowsItsTasks)
{
    m_pane.SetNavToolbarImages(4242); // no such bitmap: the row cannot be made
    ASSERT_TRUE(CreatePane());
    EXPECT_EQ(NULL, m_pane.GetNavToolbar().GetSafeHwnd()) << "no half-made row is left";
    EXPECT_EQ(NULL, ::GetDlgItem(m_pane.GetSafeHwnd(), 1)) << "nor a scroll bar";
    for (int id = 4; id <= 6; id++)
        EXPECT_EQ(NULL, ::GetDlgItem(m_pane.GetSafeHwnd(), id)) << "nor button " << id;

    EXPECT_EQ(1, m_pane.AddPage(_T("Second")));
    EXPECT_FALSE(m_pane.IsNavigationToolbarShown());
    EXPECT_EQ(m_pane.Client().top, m_pane.GetTaskArea().top);
    const int g = m_pane.AddGroup(_T("Clocks"));
    for (int i = 0; i < 30; i++)
        m_pane.AddTask(g, _T("Task"), kFirstCmd + i);
    EXPECT_GT(m_pane.GetTotalRows(), 0);
    EXPECT_FALSE(m_pane.GetTask(g, 0)->m_rect.IsRectEmpty());
    // The task still runs its command, and the pane scrolls and paints.
    const CRect rectTask = m_pane.GetTask(g, 1)->m_rect;
    Click(rectTask, rectTask);
    ASSERT_EQ(1u, m_pFrame->m_commands.size());
    EXPECT_EQ(kFirstCmd + 1, m_pFrame->m_commands[0]);
    m_pane.SendMessage(WM_VSCROLL, SB_THUMBTRACK);
    m_pane.SendMessage(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(1, m_pane.GetScrollPos());
    EXPECT_FALSE(m_pane.Paint(CRect(0, 0, 4, 4)).empty());
}

TEST_F(TasksPaneTest, IsAShortcutBarThatKeepsOnlyItsSizingEdge)
{
    ASSERT_TRUE(CreatePane());
    EXPECT_TRUE(m_pane.IsKindOf(RUNTIME_CLASS(CORXOutlookBar)));
    CString strText;
    m_pane.GetWindowText(strText);
    EXPECT_EQ(_T("Tasks Pane"), strText) << "the pane goes by its caption";
    EXPECT_FALSE(m_pane.AllowShowOnList());
    EXPECT_EQ(220, m_pane.GetExtent()) << "the default width is the docked extent";

    // Docked right: the bar's 3-pixel edge on the left, the tasks beside it.
    const int g = m_pane.AddGroup(_T("Clocks"));
    for (int i = 0; i < 30; i++)
        m_pane.AddTask(g, _T("Task"), kFirstCmd + i);
    EXPECT_EQ(m_pane.Client().left + 3, m_pane.GetTaskArea().left);
    EXPECT_EQ(m_pane.Client().right, m_pane.GetTaskArea().right);
    EXPECT_GT(m_pane.GetTotalRows(), 0);
    EXPECT_TRUE(m_pane.GetScrollUpRect().IsRectEmpty()) << "no scroll buttons of the bar";
    EXPECT_TRUE(m_pane.GetScrollDownRect().IsRectEmpty());
    EXPECT_EQ(-1, m_pane.HitTest(m_pane.GetTask(g, 0)->m_rect.CenterPoint()));

    // A drag on the edge sizes the pane; a press in the task area does not.
    m_pane.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 100));
    m_pane.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM((WORD)(short)-40, 100));
    m_pane.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM((WORD)(short)-40, 100));
    EXPECT_EQ(220, m_pane.GetExtent());
    const int nRight = m_pane.Client().right;
    m_pane.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 100));
    EXPECT_EQ(m_pane.GetSafeHwnd(), ::GetCapture());
    m_pane.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM((WORD)(short)-40, 100));
    m_pane.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM((WORD)(short)-40, 100));
    EXPECT_EQ(nRight + 40, m_pane.GetExtent());
    EXPECT_NE(m_pane.GetSafeHwnd(), ::GetCapture());
    EXPECT_TRUE(m_pFrame->m_commands.empty());
}

TEST_F(TasksPaneTest, OnePageHidesTheRowAndASecondShowsIt)
{
    ASSERT_TRUE(CreatePane());
    EXPECT_EQ(_T("Tasks Pane"), m_pane.GetCaption());
    EXPECT_EQ(1, m_pane.GetPageCount());
    EXPECT_EQ(_T("Tasks Pane"), m_pane.GetPageName(0));
    EXPECT_FALSE(m_pane.IsNavigationToolbarShown());
    EXPECT_EQ(m_pane.Client().top, m_pane.GetTaskArea().top);

    EXPECT_EQ(1, m_pane.AddPage(_T("Second")));
    EXPECT_TRUE(m_pane.IsNavigationToolbarShown());
    CRect rectRow;
    m_pane.GetNavToolbar().GetWindowRect(rectRow);
    EXPECT_GT(rectRow.Height(), 0);
    EXPECT_EQ(m_pane.Client().top + rectRow.Height(), m_pane.GetTaskArea().top);
    EXPECT_EQ(m_pane.Client().bottom, m_pane.GetTaskArea().bottom);

    m_pane.EnableNavigationToolbar(FALSE);
    EXPECT_EQ(m_pane.Client().top, m_pane.GetTaskArea().top);
    EXPECT_FALSE(m_pane.GetNavToolbar().GetStyle() & WS_VISIBLE);
}

TEST_F(TasksPaneTest, IdleTimeCarriesOutADelayedShowOrHideOfTheRowInAHiddenFrame)
{
    ASSERT_TRUE(CreatePane());
    m_pane.AddPage(_T("Second"));
    CTasksPaneToolBar& row = m_pane.GetNavToolbar();
    ASSERT_TRUE(row.GetStyle() & WS_VISIBLE);
    ASSERT_FALSE(m_pFrame->IsWindowVisible());

    row.DelayShow(FALSE);
    row.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_FALSE(row.GetStyle() & WS_VISIBLE) << "hidden at once, though the frame is hidden";
    row.DelayShow(TRUE);
    row.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_TRUE(row.GetStyle() & WS_VISIBLE);
    row.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_TRUE(row.GetStyle() & WS_VISIBLE) << "nothing is pending any more";
}

TEST_F(TasksPaneTest, NavigatesThroughItsHistory)
{
    ASSERT_TRUE(CreatePane());
    m_pane.AddPage(_T("Alarms"));
    m_pane.AddPage(_T("Zones"));
    EXPECT_TRUE(IsDisabled(CORXTasksPane::idBack));
    EXPECT_TRUE(IsDisabled(CORXTasksPane::idForward));

    m_pane.ShowPage(1);
    m_pane.ShowPage(2);
    m_pane.ShowPage(2);
    EXPECT_EQ(3, m_pane.GetHistory().GetSize()) << "showing the current page again records nothing";
    EXPECT_FALSE(IsDisabled(CORXTasksPane::idBack));
    EXPECT_TRUE(IsDisabled(CORXTasksPane::idForward));

    m_pane.SendMessage(WM_COMMAND, CORXTasksPane::idBack);
    EXPECT_EQ(1, m_pane.GetActivePage());
    m_pane.SendMessage(WM_COMMAND, CORXTasksPane::idBack);
    EXPECT_EQ(0, m_pane.GetActivePage());
    EXPECT_TRUE(IsDisabled(CORXTasksPane::idBack));
    m_pane.SendMessage(WM_COMMAND, CORXTasksPane::idBack);
    EXPECT_EQ(0, m_pane.GetActivePage());
    m_pane.SendMessage(WM_COMMAND, CORXTasksPane::idForward);
    EXPECT_EQ(1, m_pane.GetActivePage());
    EXPECT_FALSE(IsDisabled(CORXTasksPane::idForward));
    m_pane.SendMessage(WM_COMMAND, CORXTasksPane::idHome);
    EXPECT_EQ(0, m_pane.GetActivePage());
    EXPECT_EQ(3, m_pane.GetHistory().GetSize()) << "Home is a new entry after the current one";
    EXPECT_TRUE(IsDisabled(CORXTasksPane::idForward));

    const std::vector<std::pair<int, int>> expected = {{0, 1}, {1, 2}, {2, 1}, {1, 0}, {0, 1}, {1, 0}};
    EXPECT_EQ(expected, m_pane.changes);
    m_pane.ShowPage(7);
    EXPECT_EQ(0, m_pane.GetActivePage()) << "no such page";

    // The menu button carries the page's name.
    CTasksPaneToolBar& bar = m_pane.GetNavToolbar();
    m_pane.ShowPage(2);
    CString strMenu;
    for (int i = 0; i < bar.GetCount(); i++)
        if (bar.GetButton(i)->IsKindOf(RUNTIME_CLASS(CTasksPaneMenuButton)))
        {
            strMenu = bar.GetButton(i)->m_strText;
            CString strTip;
            EXPECT_TRUE(bar.GetButtonToolTipText(bar.GetButton(i), strTip));
            EXPECT_EQ(_T("Other Task Panes"), strTip);
        }
    EXPECT_EQ(_T("Zones"), strMenu);

    // Its menu: one item a page, each with the same command; the pop-up opens right-aligned and
    // sends its command to the pane.
    CTasksPaneMenuButton button(&m_pane);
    HMENU hMenu = button.CreateMenu();
    ASSERT_TRUE(hMenu != NULL);
    ASSERT_EQ(3, ::GetMenuItemCount(hMenu));
    char szText[64];
    ::GetMenuStringA(hMenu, 1, szText, sizeof(szText), MF_BYPOSITION);
    EXPECT_STREQ("Alarms", szText);
    EXPECT_EQ((UINT)CORXTasksPane::idOtherPanes, ::GetMenuItemID(hMenu, 2));
    ::DestroyMenu(hMenu);
    CORXPopupMenu* pPopup = button.CreatePopupMenu();
    EXPECT_TRUE(pPopup->IsRightAlign());
    EXPECT_EQ(&m_pane, pPopup->GetMessageWnd());
    delete pPopup;

    m_pane.SendMessage(WM_COMMAND, CORXTasksPane::idClose);
    EXPECT_FALSE(m_pane.GetStyle() & WS_VISIBLE) << "Close hides the pane";
}

TEST_F(TasksPaneTest, LaysOutGroupsWithTheLooksMetrics)
{
    ASSERT_TRUE(CreatePane());
    const int g0 = m_pane.AddGroup(_T("Clocks"));
    m_pane.AddTask(g0, _T("Add"), kFirstCmd);
    m_pane.AddTask(g0, _T("Remove"), kFirstCmd + 1);
    const int gNoCaption = m_pane.AddGroup(_T(""));
    m_pane.AddLabel(gNoCaption, _T("Plain"));
    EXPECT_EQ(-1, m_pane.AddGroup(3, _T("No such page")));
    EXPECT_EQ(-1, m_pane.AddTask(9, _T("No such group"), kFirstCmd));

    // The base look: margins 12, caption at least 25, task indent 12, task spacing 4, group
    // spacing 15.
    const CRect rectArea = m_pane.GetTaskArea();
    const CORXTasksGroup* pGroup = m_pane.GetTaskGroup(g0);
    EXPECT_EQ(rectArea.left + 12, pGroup->m_rect.left);
    EXPECT_EQ(rectArea.top + 12, pGroup->m_rect.top);
    EXPECT_EQ(rectArea.right - 12, pGroup->m_rect.right);
    EXPECT_GE(pGroup->m_rect.Height(), 25);
    const CORXTask* pAdd = m_pane.GetTask(g0, 0);
    const CORXTask* pRemove = m_pane.GetTask(g0, 1);
    EXPECT_EQ(pGroup->m_rect.bottom + 4, pAdd->m_rect.top);
    EXPECT_EQ(pGroup->m_rect.left + 12, pAdd->m_rect.left);
    EXPECT_EQ(pAdd->m_rect.bottom + 4, pRemove->m_rect.top);
    EXPECT_EQ(pRemove->m_rect.bottom + 4, pGroup->m_rectGroup.bottom);
    const CORXTasksGroup* pPlain = m_pane.GetTaskGroup(gNoCaption);
    EXPECT_EQ(0, pPlain->m_rect.Height()) << "an empty caption takes no room";
    EXPECT_EQ(pGroup->m_rectGroup.bottom + 15, pPlain->m_rect.top);

    // The pane's own metric wins over the look's.
    m_pane.m_nTasksHorzOffset = 30;
    m_pane.LayOutPage();
    EXPECT_EQ(pGroup->m_rect.left + 30, pAdd->m_rect.left);

    // Hit tests: only inside the task area; captions only when groups collapse.
    EXPECT_EQ(pAdd, m_pane.TaskFromPoint(pAdd->m_rect.CenterPoint()));
    EXPECT_EQ(pGroup, m_pane.GroupCaptionFromPoint(pGroup->m_rect.CenterPoint()));
    EXPECT_EQ(NULL, m_pane.TaskFromPoint(CPoint(-5, -5)));
    m_pane.EnableGroupCollapse(FALSE);
    EXPECT_EQ(NULL, m_pane.GroupCaptionFromPoint(pGroup->m_rect.CenterPoint()));
}

TEST_F(TasksPaneTest, PlacesBottomGroupsAndHostedWindows)
{
    ASSERT_TRUE(CreatePane());
    m_pane.AddPage(_T("Other"));
    const int g = m_pane.AddGroup(_T("Clocks"));
    CStatic wndHosted;
    ASSERT_TRUE(wndHosted.Create(_T("hosted"), WS_CHILD, CRect(0, 0, 10, 10), &m_pane, 77));
    const int t = m_pane.AddWindow(g, wndHosted.GetSafeHwnd(), 40);
    EXPECT_EQ(-1, m_pane.AddWindow(g, NULL, 40));
    const int gBottom = m_pane.AddGroup(0, _T("Details"), TRUE);
    m_pane.AddLabel(gBottom, _T("Local time"));

    // The hosted window takes its task's place, the task's height and the width less the indents.
    const CRect rectTask = m_pane.GetTask(g, t)->m_rect;
    EXPECT_EQ(40, rectTask.Height());
    CRect rectWnd;
    wndHosted.GetWindowRect(rectWnd);
    m_pane.ScreenToClient(rectWnd);
    EXPECT_EQ(rectTask, rectWnd);
    EXPECT_TRUE(wndHosted.GetStyle() & WS_VISIBLE);
    EXPECT_EQ(NULL, m_pane.TaskFromPoint(rectTask.CenterPoint())) << "a hosted window is no link";

    // The last group stays at the bottom of the task area, less the margin.
    const CORXTasksGroup* pBottom = m_pane.GetTaskGroup(gBottom);
    EXPECT_EQ(m_pane.GetTaskArea().bottom - 12, pBottom->m_rectGroup.bottom);
    EXPECT_GT(pBottom->m_rect.top, m_pane.GetTaskGroup(g)->m_rectGroup.bottom + 15);

    // Hidden, the window keeps its room: only hidden lines of text give theirs up.
    const CRect rectBottomGroup = pBottom->m_rectGroup;
    m_pane.ShowTask(g, t, FALSE);
    EXPECT_FALSE(wndHosted.GetStyle() & WS_VISIBLE);
    EXPECT_EQ(rectTask, m_pane.GetTask(g, t)->m_rect);
    EXPECT_EQ(rectBottomGroup, pBottom->m_rectGroup);
    m_pane.ShowTask(g, t, TRUE);
    EXPECT_TRUE(wndHosted.GetStyle() & WS_VISIBLE);

    // Collapsed, or on a page not shown, the hosted window hides.
    m_pane.CollapseGroup(g, TRUE);
    EXPECT_FALSE(wndHosted.GetStyle() & WS_VISIBLE);
    m_pane.CollapseGroup(g, FALSE);
    EXPECT_TRUE(wndHosted.GetStyle() & WS_VISIBLE);
    m_pane.ShowPage(1);
    EXPECT_FALSE(wndHosted.GetStyle() & WS_VISIBLE);
    m_pane.SendMessage(WM_COMMAND, CORXTasksPane::idBack);
    EXPECT_TRUE(wndHosted.GetStyle() & WS_VISIBLE);
}

TEST_F(TasksPaneTest, TakesAFontForItsText)
{
    ASSERT_TRUE(CreatePane());
    EXPECT_EQ((LRESULT)::GetStockObject(DEFAULT_GUI_FONT), m_pane.SendMessage(WM_GETFONT));
    const int g = m_pane.AddGroup(_T("Clocks"));
    m_pane.AddTask(g, _T("Add"), kFirstCmd);
    const int nSmall = m_pane.GetTask(g, 0)->m_rect.Height();
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(240, _T("Arial")));
    m_pane.SendMessage(WM_SETFONT, (WPARAM)font.GetSafeHandle(), TRUE);
    EXPECT_EQ((LRESULT)font.GetSafeHandle(), m_pane.SendMessage(WM_GETFONT));
    EXPECT_GT(m_pane.GetTask(g, 0)->m_rect.Height(), nSmall);
    EXPECT_EQ(m_pane.GetTaskRowHeight(), m_pane.GetTask(g, 0)->m_rect.Height());
    m_pane.SendMessage(WM_SETFONT, 0, FALSE);
    EXPECT_EQ(nSmall, m_pane.GetTask(g, 0)->m_rect.Height());
}

TEST_F(TasksPaneTest, EveryLookDrawsTheHotTaskOtherwise)
{
    ASSERT_TRUE(CreatePane());
    const int g = m_pane.AddGroup(_T("Clocks"));
    m_pane.AddTask(g, _T("Add a clock"), kFirstCmd);
    m_pane.AddLabel(g, _T("Plain label"));
    for (CRuntimeClass* pLook : {RUNTIME_CLASS(CORXVisualManager), RUNTIME_CLASS(CORXVisualManagerXP),
                                 RUNTIME_CLASS(CORXWinXPVisualManager)})
    {
        CORXVisualManager::DestroyInstance();
        CORXVisualManager::SetDefaultManager(pLook);
        m_pane.LayOutPage();
        // Each look has its own margins.
        const CRect rectTask = m_pane.GetTask(g, 0)->m_rect;
        const CRect rectLabel = m_pane.GetTask(g, 1)->m_rect;
        const std::vector<COLORREF> taskCold = m_pane.Paint(rectTask);
        const std::vector<COLORREF> labelCold = m_pane.Paint(rectLabel);
        // Hot, and let go at once, so that the real pointer cannot come in between.
        m_pane.SendMessage(WM_MOUSEMOVE, 0, At(rectTask));
        EXPECT_EQ(m_pane.GetTask(g, 0), m_pane.GetHotTask()) << pLook->m_lpszClassName;
        EXPECT_NE(taskCold, m_pane.Paint(rectTask)) << pLook->m_lpszClassName;
        m_pane.SendMessage(WM_MOUSEMOVE, 0, At(rectLabel));
        EXPECT_EQ(NULL, m_pane.GetHotTask()) << "a label is never hot";
        EXPECT_EQ(taskCold, m_pane.Paint(rectTask)) << pLook->m_lpszClassName;
        EXPECT_EQ(labelCold, m_pane.Paint(rectLabel)) << pLook->m_lpszClassName;
        m_pane.SendMessage(WM_CANCELMODE);
        EXPECT_NE(m_pane.GetSafeHwnd(), ::GetCapture());
    }
    CORXVisualManager::DestroyInstance();
    CORXVisualManager::SetDefaultManager(RUNTIME_CLASS(CORXVisualManager));
}

TEST_F(TasksPaneTest, ScrollRangeFollowsTheContent)
{
    ASSERT_TRUE(CreatePane(200, 160));
    EXPECT_EQ(0, m_pane.GetTotalRows()) << "nothing to scroll in an empty pane";
    const int g = m_pane.AddGroup(_T("Many"));
    for (int i = 0; i < 20; i++)
        m_pane.AddTask(g, _T("Task"), kFirstCmd + i);
    ASSERT_GT(m_pane.GetTotalRows(), 0);
    const int nTotal = m_pane.GetTotalRows(), nPage = m_pane.GetPageRows();
    ASSERT_GE(nTotal, nPage);

    const int yFirst = m_pane.GetTask(g, 0)->m_rect.top;
    m_pane.SendMessage(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(1, m_pane.GetScrollPos());
    EXPECT_EQ(yFirst - m_pane.GetTaskRowHeight(), m_pane.GetTask(g, 0)->m_rect.top);
    m_pane.SendMessage(WM_VSCROLL, SB_BOTTOM);
    EXPECT_EQ(nTotal - nPage + 1, m_pane.GetScrollPos());
    m_pane.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 30000));
    EXPECT_EQ(nTotal - nPage + 1, m_pane.GetScrollPos());
    m_pane.SendMessage(WM_VSCROLL, SB_PAGEUP);
    m_pane.SendMessage(WM_VSCROLL, SB_PAGEUP);
    m_pane.SendMessage(WM_VSCROLL, SB_PAGEUP);
    EXPECT_EQ(0, m_pane.GetScrollPos());
    m_pane.SendMessage(WM_VSCROLL, SB_LINEUP);
    EXPECT_EQ(0, m_pane.GetScrollPos());

    // Scrolled down, then the content shrinks: the position comes back within the range.
    m_pane.SendMessage(WM_VSCROLL, SB_BOTTOM);
    m_pane.CollapseGroup(g, TRUE);
    EXPECT_EQ(0, m_pane.GetTotalRows());
    EXPECT_EQ(0, m_pane.GetScrollPos());
}

TEST_F(TasksPaneTest, ClickingATaskSendsItsCommand)
{
    ASSERT_TRUE(CreatePane());
    const int g = m_pane.AddGroup(_T("Clocks"));
    m_pane.AddTask(g, _T("Add"), kFirstCmd);
    m_pane.AddTask(g, _T("Remove"), kFirstCmd + 1);
    m_pane.AddLabel(g, _T("Label"));
    const CRect rectAdd = m_pane.GetTask(g, 0)->m_rect;
    const CRect rectRemove = m_pane.GetTask(g, 1)->m_rect;
    const CRect rectLabel = m_pane.GetTask(g, 2)->m_rect;

    Click(rectRemove, rectRemove);
    Click(rectLabel, rectLabel);
    Click(rectAdd, rectRemove); // released over another task
    Click(rectAdd, rectAdd);
    const std::vector<UINT> expected = {kFirstCmd + 1, kFirstCmd};
    EXPECT_EQ(expected, m_pFrame->m_commands);
    EXPECT_NE(m_pane.GetSafeHwnd(), ::GetCapture()) << "the capture is given back";

    m_pane.ShowTask(g, 0, FALSE);
    EXPECT_TRUE(m_pane.GetTask(g, 0)->m_rect.IsRectEmpty());
    EXPECT_EQ(rectAdd.top, m_pane.GetTask(g, 1)->m_rect.top) << "the next task moves up";
}

TEST_F(TasksPaneTest, ACaptionClickCollapsesEvenWithAZeroStep)
{
    ASSERT_TRUE(CreatePane());
    const int g = m_pane.AddGroup(_T("Clocks"));
    m_pane.AddTask(g, _T("Add"), kFirstCmd);
    m_pane.AddTask(g, _T("Remove"), kFirstCmd + 1);
    const int gNext = m_pane.AddGroup(_T("Time"));
    const int yNextExpanded = m_pane.GetTaskGroup(gNext)->m_rect.top;
    m_pane.SetAnimationStep(0);

    const CRect rectCaption = m_pane.GetTaskGroup(g)->m_rect;
    for (BOOL bCollapsed : {TRUE, FALSE})
    {
        Click(rectCaption, rectCaption);
        EXPECT_EQ(bCollapsed, m_pane.GetTaskGroup(g)->IsCollapsed());
        EXPECT_TRUE(m_pane.IsAnimating());
        int nTicks = 0;
        while (m_pane.IsAnimating() && nTicks < 1000)
        {
            m_pane.SendMessage(WM_TIMER, CORXTasksPane::TimerAnimation);
            nTicks++;
        }
        EXPECT_FALSE(m_pane.IsAnimating()) << "the animation ends";
        if (bCollapsed)
        {
            EXPECT_TRUE(m_pane.GetTask(g, 0)->m_rect.IsRectEmpty());
            EXPECT_EQ(0, m_pane.GetTaskGroup(g)->m_rectGroup.Height());
            EXPECT_LT(m_pane.GetTaskGroup(gNext)->m_rect.top, yNextExpanded);
        }
        else
            EXPECT_EQ(yNextExpanded, m_pane.GetTaskGroup(gNext)->m_rect.top);
    }
    EXPECT_TRUE(m_pFrame->m_commands.empty());
}

TEST_F(TasksPaneTest, AClickedCaptionCoolsWhenThePointerLeavesThePaneAtOnce)
{
    CPointerLock pointer;
    ASSERT_TRUE(CreatePane());
    const int g = m_pane.AddGroup(_T("Clocks"));
    m_pane.AddTask(g, _T("Add"), kFirstCmd);
    m_pane.SetAnimationStep(0);
    const CRect rectCaption = m_pane.GetTaskGroup(g)->m_rect;
    m_pane.SendMessage(WM_MOUSEMOVE, 0, At(rectCaption));
    ASSERT_EQ(m_pane.GetTaskGroup(g), m_pane.GetHotGroup());

    // The click lets the mouse go; the caption still under the pointer takes it back, so that
    // the pane hears the pointer leave.
    Click(rectCaption, rectCaption);
    EXPECT_EQ(m_pane.GetTaskGroup(g), m_pane.GetHotGroup());
    EXPECT_EQ(m_pane.GetSafeHwnd(), ::GetCapture());
    m_pane.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM((WORD)(short)-50, (WORD)(short)-50));
    EXPECT_EQ(NULL, m_pane.GetHotGroup());
    EXPECT_NE(m_pane.GetSafeHwnd(), ::GetCapture());
}
} // namespace

// A window that keeps the status texts it is asked to show.
class CStatusWnd : public CWnd
{
public:
    std::vector<WPARAM> texts;
    BOOL CreateHidden()
    {
        return CreateEx(0, AfxRegisterWndClass(0), _T("status"), WS_POPUP, CRect(0, 0, 10, 10), NULL, 0);
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_SETMESSAGESTRING)
        {
            texts.push_back(wParam);
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

TEST_F(TasksPaneTest, PromptsGoToTheOwner)
{
    ASSERT_TRUE(CreatePane());
    const int g = m_pane.AddGroup(_T("Clocks"));
    m_pane.AddTask(g, _T("Add"), kFirstCmd);
    CStatusWnd owner;
    ASSERT_TRUE(owner.CreateHidden());
    m_pane.SetOwner(&owner);
    const CRect rectTask = m_pane.GetTask(g, 0)->m_rect;
    m_pane.SendMessage(WM_MOUSEMOVE, 0, At(rectTask));
    m_pane.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(1, m_pane.GetTaskArea().bottom - 2));
    m_pane.SendMessage(WM_CANCELMODE);
    const std::vector<WPARAM> expected = {kFirstCmd, AFX_IDS_IDLEMESSAGE};
    EXPECT_EQ(expected, owner.texts);
    m_pane.SetOwner(NULL);
    owner.DestroyWindow();
}

// A task with an icon, which the pane's own tasks never have, to see where the look puts its text.
class CIconTask : public CORXTaskInfo
{
public:
    int m_nSpacing = -1;
    CRect GetRect() const override { return CRect(0, 0, 120, 20); }
    BOOL IsSeparator() const override { return FALSE; }
    HICON GetIcon() const override { return ::LoadIcon(NULL, IDI_APPLICATION); }
    CString GetName() const override { return _T("WWWW"); }
    BOOL IsEnabled() const override { return TRUE; }
    int GetIconToTextSpacing() const override { return m_nSpacing; }
};

// TRUE when the columns from x0 to x1 of the rows from y0 to y1 are all one colour.
BOOL Blank(CDC& dc, int x0, int x1, int y0, int y1)
{
    const COLORREF clr = dc.GetPixel(x0, y0);
    for (int y = y0; y < y1; y++)
        for (int x = x0; x < x1; x++)
            if (dc.GetPixel(x, y) != clr)
                return FALSE;
    return TRUE;
}

TEST_F(TasksPaneTest, CaptionOffsetAndIconSpacingOfThePaneWinOverTheLooks)
{
    ASSERT_TRUE(CreatePane());
    const int g = m_pane.AddGroup(_T("WWWWWWWW"));
    m_pane.AddTask(g, _T("Add"), kFirstCmd);
    EXPECT_EQ(-1, m_pane.GetTask(g, 0)->GetIconToTextSpacing());
    m_pane.m_nTasksIconHorzOffset = 30;
    EXPECT_EQ(30, m_pane.GetTask(g, 0)->GetIconToTextSpacing());
    for (CRuntimeClass* pLook : {RUNTIME_CLASS(CORXVisualManager), RUNTIME_CLASS(CORXVisualManagerXP),
                                 RUNTIME_CLASS(CORXWinXPVisualManager)})
    {
        CORXVisualManager::DestroyInstance();
        CORXVisualManager::SetDefaultManager(pLook);
        CORXVisualManager* pActive = CORXVisualManager::GetInstance();
        m_pane.m_nGroupCaptionHorzOffset = -1;
        m_pane.LayOutPage();
        // The caption's text starts at the look's offset of 13, or at the pane's.
        const CORXTasksGroup* pGroup = m_pane.GetTaskGroup(g);
        const CRect rect = pGroup->m_rect;
        const int nCols = 60, nRows = rect.Height();
        std::vector<COLORREF> lookOffset =
            m_pane.Paint(CRect(rect.left, rect.top, rect.left + nCols, rect.bottom));
        m_pane.m_nGroupCaptionHorzOffset = nCols;
        std::vector<COLORREF> paneOffset =
            m_pane.Paint(CRect(rect.left, rect.top, rect.left + nCols, rect.bottom));
        EXPECT_NE(lookOffset, paneOffset) << pLook->m_lpszClassName;
        for (int y = 0; y < nRows; y++)
            for (int x = 1; x < nCols; x++)
                ASSERT_EQ(paneOffset[y * nCols + x - 1], paneOffset[y * nCols + x])
                    << pLook->m_lpszClassName << " at " << x << ", " << y;

        // The text of a task with an icon starts the spacing after the 16 pixels of the icon.
        CTestSurface surface(120, 20, TRUE);
        CDC& dc = *surface.DC();
        CIconTask task;
        dc.FillSolidRect(0, 0, 120, 20, RGB(255, 255, 255));
        pActive->OnDrawTask(&dc, &task, NULL, FALSE, FALSE);
        EXPECT_FALSE(Blank(dc, 16, 16 + 40, 0, 20)) << pLook->m_lpszClassName;
        task.m_nSpacing = 40;
        dc.FillSolidRect(0, 0, 120, 20, RGB(255, 255, 255));
        pActive->OnDrawTask(&dc, &task, NULL, FALSE, FALSE);
        EXPECT_TRUE(Blank(dc, 16, 16 + 40, 0, 20)) << pLook->m_lpszClassName;
        EXPECT_FALSE(Blank(dc, 16 + 40, 120, 0, 20)) << pLook->m_lpszClassName;
    }
    m_pane.m_nGroupCaptionHorzOffset = -1;
    CORXVisualManager::DestroyInstance();
    CORXVisualManager::SetDefaultManager(RUNTIME_CLASS(CORXVisualManager));
}

namespace
{
// The rows of a painted rectangle that are not all one colour: how tall the text in it is.
int InkRows(const std::vector<COLORREF>& pixels, int nWidth)
{
    int nRows = 0;
    for (size_t y = 0; y * nWidth < pixels.size(); y++)
        for (int x = 1; x < nWidth; x++)
            if (pixels[y * nWidth + x] != pixels[y * nWidth])
            {
                nRows++;
                break;
            }
    return nRows;
}
} // namespace

TEST_F(TasksPaneTest, EveryLookDrawsCaptionsAndTasksInThePanesFont)
{
    ASSERT_TRUE(CreatePane());
    const int g = m_pane.AddGroup(_T("Clocks"));
    m_pane.AddTask(g, _T("Add a clock"), kFirstCmd);
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(240, _T("Arial")));
    for (CRuntimeClass* pLook : {RUNTIME_CLASS(CORXVisualManager), RUNTIME_CLASS(CORXVisualManagerXP),
                                 RUNTIME_CLASS(CORXWinXPVisualManager)})
    {
        CORXVisualManager::DestroyInstance();
        CORXVisualManager::SetDefaultManager(pLook);
        int nCaption[2], nTask[2];
        for (int i = 0; i < 2; i++)
        {
            m_pane.SendMessage(WM_SETFONT, i == 0 ? 0 : (WPARAM)font.GetSafeHandle(), FALSE);
            // The caption's left part, clear of the collapse mark at its right end.
            CRect rect = m_pane.GetTaskGroup(g)->m_rect;
            rect.right = rect.left + rect.Width() / 2;
            nCaption[i] = InkRows(m_pane.Paint(rect), rect.Width());
            rect = m_pane.GetTask(g, 0)->m_rect;
            nTask[i] = InkRows(m_pane.Paint(rect), rect.Width());
        }
        EXPECT_GT(nCaption[1], nCaption[0] + 6) << pLook->m_lpszClassName;
        EXPECT_GT(nTask[1], nTask[0] + 6) << pLook->m_lpszClassName;
    }
    m_pane.SendMessage(WM_SETFONT, 0, FALSE);
    CORXVisualManager::DestroyInstance();
    CORXVisualManager::SetDefaultManager(RUNTIME_CLASS(CORXVisualManager));
}

TEST_F(TasksPaneTest, TaskIconsTakeTheirHeightAndThePanesGapBeforeTheText)
{
    ASSERT_TRUE(CreatePane());
    CImageList icons;
    ASSERT_TRUE(icons.Create(16, 40, ILC_COLOR24 | ILC_MASK, 1, 1));
    ASSERT_EQ(0, icons.Add(::LoadIcon(NULL, IDI_APPLICATION)));
    const int g = m_pane.AddGroup(_T("Clocks"));
    m_pane.AddTask(g, _T("WWWW"), kFirstCmd, 0, 0);
    m_pane.AddTask(g, _T("WWWW"), kFirstCmd + 1);
    EXPECT_EQ(m_pane.GetTaskRowHeight(), m_pane.GetTask(g, 0)->m_rect.Height()) << "no list yet";
    m_pane.SetIconsList(&icons);
    EXPECT_EQ(40, m_pane.GetTask(g, 0)->m_rect.Height());
    EXPECT_EQ(m_pane.GetTaskRowHeight(), m_pane.GetTask(g, 1)->m_rect.Height());

    for (CRuntimeClass* pLook : {RUNTIME_CLASS(CORXVisualManager), RUNTIME_CLASS(CORXVisualManagerXP),
                                 RUNTIME_CLASS(CORXWinXPVisualManager)})
    {
        CORXVisualManager::DestroyInstance();
        CORXVisualManager::SetDefaultManager(pLook);
        m_pane.m_nTasksIconHorzOffset = 40;
        m_pane.LayOutPage();
        CRect rect = m_pane.GetTask(g, 0)->m_rect;
        // Between the icon's 16 pixels and the gap's end nothing is drawn; the text follows.
        const std::vector<COLORREF> gap =
            m_pane.Paint(CRect(rect.left + 17, rect.top, rect.left + 56, rect.bottom));
        EXPECT_EQ(0, InkRows(gap, 39)) << pLook->m_lpszClassName;
        const std::vector<COLORREF> text =
            m_pane.Paint(CRect(rect.left + 56, rect.top, rect.right, rect.bottom));
        EXPECT_GT(InkRows(text, rect.Width() - 56), 0) << pLook->m_lpszClassName;
        m_pane.m_nTasksIconHorzOffset = 2;
        m_pane.LayOutPage();
        EXPECT_GT(InkRows(m_pane.Paint(CRect(rect.left + 17, rect.top, rect.left + 56, rect.bottom)), 39), 0)
            << pLook->m_lpszClassName;
    }
    m_pane.m_nTasksIconHorzOffset = -1;
    m_pane.SetIconsList(NULL);
    CORXVisualManager::DestroyInstance();
    CORXVisualManager::SetDefaultManager(RUNTIME_CLASS(CORXVisualManager));
}

TEST_F(TasksPaneTest, ALinkWithoutACommandTurnsHotButRunsNothing)
{
    ASSERT_TRUE(CreatePane());
    const int g = m_pane.AddGroup(_T("Clocks"));
    m_pane.AddTask(g, _T("Nowhere"), 0);
    m_pane.AddLabel(g, _T("Label"));
    const CRect rectLink = m_pane.GetTask(g, 0)->m_rect;
    m_pane.SendMessage(WM_MOUSEMOVE, 0, At(rectLink));
    EXPECT_EQ(m_pane.GetTask(g, 0), m_pane.GetHotTask());
    m_pane.SendMessage(WM_MOUSEMOVE, 0, At(m_pane.GetTask(g, 1)->m_rect));
    EXPECT_EQ(NULL, m_pane.GetHotTask()) << "a label is never hot";
    Click(rectLink, rectLink);
    EXPECT_TRUE(m_pFrame->m_commands.empty());
    EXPECT_NE(m_pane.GetSafeHwnd(), ::GetCapture());
}
