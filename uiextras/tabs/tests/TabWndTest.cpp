// The tab window: its areas and tab rectangles, scrolling, activation and removal, the messages to its
// parent and their cancelling replies, dragging a tab to another place, renaming and Ctrl+Page keys.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "ORXGlobalData.h"
#include "ORXTabWnd.h"
#include "ORXVisualManager.h"
#include "TestDrawing.h"
#include "TestWindows.h"

namespace
{
struct CSentMessage
{
    UINT nMsg;
    WPARAM wParam;
    LPARAM lParam;
    CString strText;
};

// Records the tab window's registered messages and answers them as a test asks.
class CRecordingParent : public CHiddenTestParent
{
public:
    std::vector<CSentMessage> sent;
    LRESULT lBeforeMoveReply = 0;
    LRESULT lChosenReply = 0;
    LRESULT lRenameReply = 0;

    std::vector<CSentMessage> Of(UINT nMsg) const
    {
        std::vector<CSentMessage> found;
        for (const CSentMessage& m : sent)
            if (m.nMsg == nMsg)
                found.push_back(m);
        return found;
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == ORXM_ONCHANGE_ACTIVE_TAB || message == ORXM_ON_HSCROLL ||
            message == ORXM_ON_MOVE_TAB || message == ORXM_ON_BEFOREMOVE_TAB ||
            message == ORXM_ON_RENAME_TAB || message == ORXM_ON_TAB_CHOSEN)
        {
            CSentMessage m = {message, wParam, lParam, CString()};
            if (message == ORXM_ON_RENAME_TAB)
                m.strText = (LPCTSTR)lParam;
            sent.push_back(m);
            if (message == ORXM_ON_BEFOREMOVE_TAB)
                return lBeforeMoveReply;
            if (message == ORXM_ON_RENAME_TAB)
                return lRenameReply;
            if (message == ORXM_ON_TAB_CHOSEN)
                return lChosenReply;
            return 0;
        }
        return CHiddenTestParent::WindowProc(message, wParam, lParam);
    }
};

// Reaches what the user would see or set through other means: buttons, hidden tabs, the colour list.
class CTestTabWnd : public CORXTabWnd
{
public:
    HWND ButtonLeft() const { return m_btnScrollLeft.GetSafeHwnd(); }
    HWND ButtonRight() const { return m_btnScrollRight.GetSafeHwnd(); }
    CORXTabButton& RightButton() { return m_btnScrollRight; }
    HWND SharedBar() const { return m_wndScrollWnd.GetSafeHwnd(); }
    CRect Splitter() const { return m_rectTabSplitter; }
    int SharedBarWidth() const { return m_nHorzScrollWidth; }
    void HideTab(int iTab) { ((CORXTabInfo*)m_arTabs[iTab])->m_bVisible = FALSE; }
    UINT ToolId(int iTab) const { return ((CORXTabInfo*)m_arTabs[iTab])->m_uiToolId; }
    void KeepOwnColorList() { m_bIsDefaultAutoColor = FALSE; }
};

struct TabWnd : ::testing::Test
{
    CRecordingParent parent;
    std::vector<std::unique_ptr<CStatic>> pages;
    CTestTabWnd tabs;

    void Create(CORXTabWnd::TabStyle style, int nTabs, int cx = 400,
                CORXTabWnd::Location location = CORXTabWnd::LOCATION_BOTTOM)
    {
        if (parent.GetSafeHwnd() == NULL)
        {
            ASSERT_TRUE(parent.CreateHidden(600, 300));
        }
        ASSERT_TRUE(tabs.Create(style, CRect(0, 0, cx, 200), &parent, 100, location));
        static LPCTSTR labels[] = {_T("Alpha"), _T("Beta"), _T("Gamma"), _T("Delta"), _T("Epsilon"),
                                   _T("Zeta"),  _T("Eta"),  _T("Theta"), _T("Iota"),  _T("Kappa")};
        for (int i = 0; i < nTabs; i++)
            AddPage(labels[i % 10]);
        parent.sent.clear();
    }
    void AddPage(LPCTSTR lpszLabel)
    {
        pages.emplace_back(new CStatic);
        pages.back()->Create(lpszLabel, WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &tabs);
        tabs.AddTab(pages.back().get(), lpszLabel);
    }
    void TearDown() override
    {
        if (tabs.GetSafeHwnd() != NULL)
            tabs.DestroyWindow();
    }
    CString Labels()
    {
        CString str;
        for (int i = 0; i < tabs.GetTabsNum(); i++)
        {
            CString strLabel;
            tabs.GetTabLabel(i, strLabel);
            str += strLabel + _T(";");
        }
        return str;
    }
    CPoint TabPoint(int iTab, int nFromLeft = -1)
    {
        CRect rect;
        tabs.GetTabRect(iTab, rect);
        return nFromLeft < 0 ? rect.CenterPoint() : CPoint(rect.left + nFromLeft, rect.CenterPoint().y);
    }
    void Mouse(UINT nMsg, CPoint pt) { tabs.SendMessage(nMsg, MK_LBUTTON, MAKELPARAM(pt.x, pt.y)); }
    void Drag(int iFrom, CPoint ptTo)
    {
        Mouse(WM_LBUTTONDOWN, TabPoint(iFrom));
        Mouse(WM_MOUSEMOVE, ptTo);
        Mouse(WM_LBUTTONUP, ptTo);
    }
    BOOL Shown(int iTab) { return (tabs.GetTabWindow(iTab)->GetStyle() & WS_VISIBLE) != 0; }
    BOOL Translate(UINT nMsg, WPARAM wParam, LPARAM lParam = 0, HWND hWnd = NULL)
    {
        MSG msg = {hWnd != NULL ? hWnd : tabs.GetSafeHwnd(), nMsg, wParam, lParam};
        return tabs.PreTranslateMessage(&msg);
    }
    BOOL CtrlKey(UINT nKey)
    {
        ::keybd_event(VK_CONTROL, 0, 0, 0);
        BOOL bDone = Translate(WM_KEYDOWN, nKey);
        ::keybd_event(VK_CONTROL, 0, KEYEVENTF_KEYUP, 0);
        return bDone;
    }
};
} // namespace

TEST_F(TabWnd, TheCoreFindsItByNameAndThroughItsInterfaces)
{
    Create(CORXTabWnd::STYLE_3D, 3);
    EXPECT_TRUE(tabs.IsKindOf(RUNTIME_CLASS(CORXTabWnd)));
    CORXTabWndInfo* pInfo = dynamic_cast<CORXTabWndInfo*>(&tabs);
    ASSERT_NE(pInfo, nullptr);
    EXPECT_EQ(pInfo->GetVisibleTabCount(), 3);
    CORXActiveTabLink* pLink = dynamic_cast<CORXActiveTabLink*>(&tabs);
    ASSERT_NE(pLink, nullptr);
    EXPECT_TRUE(pLink->SetActiveTab(2));
    EXPECT_EQ(pLink->GetActiveTab(), 2);
    EXPECT_FALSE(pLink->SetActiveTab(7));
    EXPECT_EQ(pLink->GetActiveTab(), 2);
}

TEST_F(TabWnd, AreasSplitTheClientAtTheTabsEdge)
{
    Create(CORXTabWnd::STYLE_3D, 3);
    CRect rectTabs = tabs.GetTabsArea(), rectWnd = tabs.GetWndArea();
    EXPECT_EQ(rectTabs.bottom, 200);
    EXPECT_EQ(rectTabs.Height(), tabs.GetTabsHeight());
    EXPECT_LE(rectWnd.bottom, rectTabs.top);
    CRect rectPage;
    tabs.GetTabWindow(0)->GetWindowRect(rectPage);
    tabs.ScreenToClient(rectPage);
    EXPECT_EQ(rectPage, rectWnd);
    // Left to right, each after the one before.
    CRect r0, r1, r2;
    tabs.GetTabRect(0, r0);
    tabs.GetTabRect(1, r1);
    tabs.GetTabRect(2, r2);
    EXPECT_EQ(r0.left, rectTabs.left);
    EXPECT_GT(r1.left, r0.left);
    EXPECT_GT(r2.left, r1.left);
    EXPECT_GE(r1.left, r0.right);

    tabs.SetLocation(CORXTabWnd::LOCATION_TOP);
    EXPECT_EQ(tabs.GetTabsArea().top, 0);
    EXPECT_GE(tabs.GetWndArea().top, tabs.GetTabsArea().bottom);
}

TEST_F(TabWnd, ASingleTabCanHideTheStrip)
{
    Create(CORXTabWnd::STYLE_3D, 1);
    tabs.HideSingleTab();
    EXPECT_EQ(tabs.GetTabsArea().Height(), 0);
    CRect rect;
    tabs.GetTabRect(0, rect);
    EXPECT_TRUE(rect.IsRectEmpty());
    AddPage(_T("Second"));
    EXPECT_EQ(tabs.GetTabsArea().Height(), tabs.GetTabsHeight());
}

TEST_F(TabWnd, TabsThatDoNotFitShrinkInThePlainStyle)
{
    Create(CORXTabWnd::STYLE_3D, 10, 200);
    CRect rectTabs = tabs.GetTabsArea();
    for (int i = 0; i < 10; i++)
    {
        CRect rect;
        tabs.GetTabRect(i, rect);
        EXPECT_GE(rect.left, rectTabs.left) << i;
        EXPECT_LE(rect.right, rectTabs.right + 10) << i;
    }
}

TEST_F(TabWnd, ScrolledTabsMoveByButtonsAndToTheActiveTab)
{
    Create(CORXTabWnd::STYLE_3D_SCROLLED, 10, 200);
    ASSERT_GT(tabs.GetMaxScrollOffset(), 0);
    EXPECT_EQ(tabs.GetScrollOffset(), 0);
    EXPECT_FALSE(::IsWindowEnabled(tabs.ButtonLeft()));
    EXPECT_TRUE(::IsWindowEnabled(tabs.ButtonRight()));

    tabs.SendMessage(WM_COMMAND, MAKEWPARAM(0xFFFF, BN_CLICKED), (LPARAM)tabs.ButtonRight());
    EXPECT_EQ(tabs.GetScrollOffset(), 20);
    EXPECT_TRUE(::IsWindowEnabled(tabs.ButtonLeft()));
    tabs.SendMessage(WM_COMMAND, MAKEWPARAM(0xFFFF, BN_CLICKED), (LPARAM)tabs.ButtonLeft());
    tabs.SendMessage(WM_COMMAND, MAKEWPARAM(0xFFFF, BN_CLICKED), (LPARAM)tabs.ButtonLeft());
    EXPECT_EQ(tabs.GetScrollOffset(), 0);

    // Activating the last tab brings it fully into the strip, and never past the range.
    tabs.SetActiveTab(9);
    CRect rect;
    tabs.GetTabRect(9, rect);
    EXPECT_LE(rect.right, tabs.GetTabsArea().right);
    EXPECT_GE(rect.left, tabs.GetTabsArea().left);
    EXPECT_LE(tabs.GetScrollOffset(), tabs.GetMaxScrollOffset());
    tabs.SetActiveTab(0);
    EXPECT_EQ(tabs.GetScrollOffset(), 0);
}

TEST_F(TabWnd, ScrollButtonsLeaveTheFocusAndDrawNoFocusRectangle)
{
    Create(CORXTabWnd::STYLE_3D_SCROLLED, 10, 200);
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &tabs, 300));
    tabs.AddTab(&edit, _T("Edit"));
    // The tabs let the edit go before it is destroyed.
    struct CRemoveTabs
    {
        CORXTabWnd& tabs;
        ~CRemoveTabs() { tabs.RemoveAllTabs(); }
    } removeTabs{tabs};
    parent.ShowWindow(SW_SHOW);
    tabs.SetActiveTab(tabs.GetTabsNum() - 1);
    edit.SetFocus();
    ASSERT_EQ(edit.GetSafeHwnd(), ::GetFocus());
    const int nOffset = tabs.GetScrollOffset();
    ASSERT_TRUE(::IsWindowEnabled(tabs.ButtonLeft()));

    // A click scrolls and the edit keeps the focus.
    CRect rectButton;
    ::GetClientRect(tabs.ButtonLeft(), rectButton);
    const LPARAM lAt = MAKELPARAM(rectButton.CenterPoint().x, rectButton.CenterPoint().y);
    ::SendMessage(tabs.ButtonLeft(), WM_LBUTTONDOWN, MK_LBUTTON, lAt);
    ::SendMessage(tabs.ButtonLeft(), WM_LBUTTONUP, 0, lAt);
    EXPECT_LT(tabs.GetScrollOffset(), nOffset);
    EXPECT_EQ(edit.GetSafeHwnd(), ::GetFocus());
    parent.ShowWindow(SW_HIDE);

    // Drawn with or without the focus state, the button looks the same.
    CORXTabButton& button = tabs.RightButton();
    std::vector<COLORREF> faces[2];
    for (int i = 0; i < 2; i++)
    {
        CTestSurface surface(20, 20, TRUE);
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = ODT_BUTTON;
        dis.hwndItem = button.GetSafeHwnd();
        dis.hDC = surface.Handle();
        dis.rcItem = surface.Rect();
        dis.itemState = i == 0 ? 0 : ODS_FOCUS;
        button.DrawItem(&dis);
        for (int y = 0; y < 20; y++)
            for (int x = 0; x < 20; x++)
                faces[i].push_back(surface.At(x, y));
    }
    EXPECT_EQ(faces[0], faces[1]);
}

TEST_F(TabWnd, ActivationShowsOnlyTheActiveWindowAndABadIndexChangesNothing)
{
    Create(CORXTabWnd::STYLE_3D, 3);
    EXPECT_EQ(tabs.GetActiveTab(), 0);
    EXPECT_TRUE(Shown(0));
    EXPECT_FALSE(Shown(1));
    EXPECT_TRUE(tabs.SetActiveTab(2));
    EXPECT_FALSE(Shown(0));
    EXPECT_TRUE(Shown(2));
    EXPECT_FALSE(tabs.SetActiveTab(3));
    EXPECT_FALSE(tabs.SetActiveTab(-1));
    EXPECT_EQ(tabs.GetActiveTab(), 2);
    EXPECT_TRUE(Shown(2));
    // A programmatic switch tells nobody.
    EXPECT_TRUE(parent.sent.empty());
}

TEST_F(TabWnd, InsertingAtTheActivePlaceShowsTheNewWindow)
{
    Create(CORXTabWnd::STYLE_3D, 3);
    tabs.SetActiveTab(1);
    pages.emplace_back(new CStatic);
    pages.back()->Create(_T("New"), WS_CHILD, CRect(0, 0, 10, 10), &tabs);
    tabs.InsertTab(pages.back().get(), _T("New"), 1);
    EXPECT_EQ(tabs.GetActiveTab(), 1);
    EXPECT_TRUE(Shown(1));
    EXPECT_FALSE(Shown(2));
    EXPECT_EQ(Labels(), _T("Alpha;New;Beta;Gamma;"));
}

TEST_F(TabWnd, RemovingTabsMovesTheActiveOneAndTellsTheParent)
{
    Create(CORXTabWnd::STYLE_3D, 4);
    tabs.SetActiveTab(2);
    EXPECT_TRUE(tabs.RemoveTab(2));
    EXPECT_EQ(tabs.GetActiveTab(), 1);
    ASSERT_EQ(parent.Of(ORXM_ONCHANGE_ACTIVE_TAB).size(), 1u);
    EXPECT_EQ(parent.sent[0].wParam, 1u);
    EXPECT_EQ(parent.sent[0].lParam, -1);

    // A tab after the active one: the active stays, and the message says so twice.
    parent.sent.clear();
    EXPECT_TRUE(tabs.RemoveTab(2));
    EXPECT_EQ(tabs.GetActiveTab(), 1);
    ASSERT_EQ(parent.sent.size(), 1u);
    EXPECT_EQ(parent.sent[0].wParam, 1u);
    EXPECT_EQ(parent.sent[0].lParam, 1);

    // The first tab active and removed: the next one becomes the first.
    tabs.SetActiveTab(0);
    EXPECT_TRUE(tabs.RemoveTab(0));
    EXPECT_EQ(tabs.GetActiveTab(), 0);
    EXPECT_EQ(Labels(), _T("Beta;"));
    EXPECT_FALSE(tabs.RemoveTab(5));
}

TEST_F(TabWnd, RemovingTheLastTabEmptiesSilentlyAndRestartsTheTips)
{
    Create(CORXTabWnd::STYLE_3D, 1);
    EXPECT_TRUE(tabs.RemoveTab(0));
    EXPECT_EQ(tabs.GetTabsNum(), 0);
    EXPECT_EQ(tabs.GetActiveTab(), -1);
    EXPECT_TRUE(parent.sent.empty());
    AddPage(_T("Again"));
    EXPECT_EQ(tabs.ToolId(0), 1u);
}

TEST_F(TabWnd, LabelsRefuseEmptyTextAndBadIndices)
{
    Create(CORXTabWnd::STYLE_3D, 2);
    EXPECT_FALSE(tabs.SetTabLabel(0, _T("")));
    EXPECT_FALSE(tabs.SetTabLabel(2, _T("X")));
    EXPECT_TRUE(tabs.SetTabLabel(1, _T("Longer label")));
    EXPECT_EQ(Labels(), _T("Alpha;Longer label;"));
    EXPECT_EQ(tabs.GetTabIcon(5), -1);
    EXPECT_EQ(tabs.GetTabWindow(5), nullptr);
    CRect rect(1, 1, 2, 2);
    EXPECT_FALSE(tabs.GetTabRect(-1, rect));
    EXPECT_TRUE(rect.IsRectEmpty());
}

TEST_F(TabWnd, AutomaticColoursCycleByTheDisplayDepth)
{
    const int nSavedBits = globalData.m_nBitsPerPixel;
    Create(CORXTabWnd::STYLE_3D_COLORED, 10);
    EXPECT_EQ(tabs.GetTabBkColor(0), (COLORREF)-1);
    EXPECT_FALSE(tabs.HasColoredTabs());

    globalData.m_nBitsPerPixel = 32;
    tabs.EnableAutoColor(TRUE);
    EXPECT_EQ(tabs.GetTabBkColor(0), RGB(148, 175, 230));
    EXPECT_EQ(tabs.GetTabBkColor(8), RGB(148, 175, 230));
    EXPECT_EQ(tabs.GetTabBkColor(9), RGB(255, 219, 117));
    EXPECT_TRUE(tabs.HasColoredTabs());

    globalData.m_nBitsPerPixel = 8;
    tabs.InitAutoColors();
    EXPECT_EQ(tabs.GetTabBkColor(5), RGB(0, 255, 0));
    EXPECT_EQ(tabs.GetTabBkColor(9), RGB(255, 255, 0));
    EXPECT_EQ(tabs.GetTabBkColor(10), (COLORREF)-1);
    globalData.m_nBitsPerPixel = nSavedBits;
}

TEST_F(TabWnd, AutomaticColoursWithAnEmptyListAnswerNone)
{
    Create(CORXTabWnd::STYLE_3D, 3);
    tabs.KeepOwnColorList();
    tabs.EnableAutoColor(TRUE);
    EXPECT_EQ(tabs.GetTabBkColor(1), (COLORREF)-1);
    EXPECT_FALSE(tabs.HasColoredTabs());
}

TEST_F(TabWnd, OnlyTheColouredStripPaintsTheActiveTabsColourInTheFrame)
{
    // Coloured tabs in either style; the look takes the active tab's colour for the frame only
    // where the window shows the coloured strip.
    const int nSavedBits = globalData.m_nBitsPerPixel;
    globalData.m_nBitsPerPixel = 32;
    CORXVisualManager* pLook = CORXVisualManager::GetInstance();
    for (CORXTabWnd::TabStyle style : {CORXTabWnd::STYLE_3D, CORXTabWnd::STYLE_3D_COLORED})
    {
        Create(style, 3);
        tabs.EnableAutoColor(TRUE);
        ASSERT_TRUE(tabs.HasColoredTabs());
        const BOOL bStrip = style == CORXTabWnd::STYLE_3D_COLORED;
        const COLORREF clrTab = tabs.GetTabBkColor(tabs.GetActiveTab());
        ASSERT_NE(clrTab, globalData.clrBarFace);

        COLORREF clrDark, clrBlack, clrHighlight, clrFace, clrDarkShadow, clrLight;
        CBrush* pbrFace = NULL;
        CBrush* pbrBlack = NULL;
        pLook->GetTabFrameColors(&tabs, clrDark, clrBlack, clrHighlight, clrFace, clrDarkShadow, clrLight,
                                 pbrFace, pbrBlack);
        EXPECT_EQ(bStrip ? clrTab : globalData.clrBarFace, clrFace) << style;

        CTestSurface frame(20, 20, RGB(1, 2, 3));
        EXPECT_EQ(bStrip, pLook->OnEraseTabsFrame(frame.DC(), CRect(0, 0, 20, 20), &tabs)) << style;
        EXPECT_EQ(bStrip ? clrTab : RGB(1, 2, 3), frame.At(10, 10)) << style;

        CTestSurface area(20, 20, RGB(1, 2, 3));
        pLook->OnEraseTabsArea(area.DC(), CRect(0, 0, 20, 20), &tabs);
        EXPECT_EQ(globalData.clrBarFace, area.At(10, 5)) << style;
        EXPECT_EQ(bStrip ? clrTab : globalData.clrBarFace, area.At(10, 19)) << style;

        tabs.DestroyWindow();
        pages.clear();
    }
    globalData.m_nBitsPerPixel = nSavedBits;
}

TEST_F(TabWnd, AClickActivatesATabAndTellsTheParent)
{
    Create(CORXTabWnd::STYLE_3D, 3);
    Mouse(WM_LBUTTONDOWN, TabPoint(2));
    Mouse(WM_LBUTTONUP, TabPoint(2));
    EXPECT_EQ(tabs.GetActiveTab(), 2);
    EXPECT_TRUE(Shown(2));
    EXPECT_FALSE(Shown(0));
    auto changes = parent.Of(ORXM_ONCHANGE_ACTIVE_TAB);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].wParam, 2u);
    EXPECT_EQ(changes[0].lParam, 0);
    // The active tab again: nothing new.
    Mouse(WM_LBUTTONDOWN, TabPoint(2));
    EXPECT_EQ(parent.Of(ORXM_ONCHANGE_ACTIVE_TAB).size(), 1u);
}

TEST_F(TabWnd, AnOwnerHearsTheTabsTheUserChoosesAndNothingElse)
{
    Create(CORXTabWnd::STYLE_3D, 3);
    // Without an owner of its own the parent hears the change alone.
    Mouse(WM_LBUTTONDOWN, TabPoint(1));
    Mouse(WM_LBUTTONUP, TabPoint(1));
    EXPECT_TRUE(parent.Of(ORXM_ON_TAB_CHOSEN).empty());
    EXPECT_EQ(parent.Of(ORXM_ONCHANGE_ACTIVE_TAB).size(), 1u);

    CRecordingParent owner;
    ASSERT_TRUE(owner.CreateHidden());
    tabs.SetOwner(&owner);
    Mouse(WM_LBUTTONDOWN, TabPoint(2));
    Mouse(WM_LBUTTONUP, TabPoint(2));
    ASSERT_EQ(owner.Of(ORXM_ON_TAB_CHOSEN).size(), 1u);
    EXPECT_EQ(owner.sent[0].wParam, 2u);
    EXPECT_EQ((HWND)owner.sent[0].lParam, tabs.GetSafeHwnd());
    EXPECT_EQ(owner.sent.size(), 1u) << "the change itself still goes to the parent";
    EXPECT_EQ(parent.Of(ORXM_ONCHANGE_ACTIVE_TAB).size(), 2u);

    EXPECT_TRUE(CtrlKey(VK_NEXT));
    ASSERT_EQ(owner.Of(ORXM_ON_TAB_CHOSEN).size(), 2u);
    EXPECT_EQ(owner.sent[1].wParam, 0u);

    // The active tab clicked again, a tab shown by the program, a tab removed: no choice.
    Mouse(WM_LBUTTONDOWN, TabPoint(0));
    Mouse(WM_LBUTTONUP, TabPoint(0));
    tabs.SetActiveTab(1);
    tabs.RemoveTab(1);
    EXPECT_EQ(owner.Of(ORXM_ON_TAB_CHOSEN).size(), 2u);
    EXPECT_TRUE(parent.Of(ORXM_ON_TAB_CHOSEN).empty());
    tabs.SetOwner(NULL);
}

TEST_F(TabWnd, AnOwnerThatTakesTheChoiceDecidesWhichTabShows)
{
    Create(CORXTabWnd::STYLE_3D, 3);
    CRecordingParent owner;
    ASSERT_TRUE(owner.CreateHidden());
    owner.lChosenReply = TRUE;
    tabs.SetOwner(&owner);
    // Taken and refused (the owner shows nothing): the tabs stay, and the parent hears no change.
    Mouse(WM_LBUTTONDOWN, TabPoint(2));
    Mouse(WM_LBUTTONUP, TabPoint(2));
    ASSERT_EQ(owner.Of(ORXM_ON_TAB_CHOSEN).size(), 1u);
    EXPECT_EQ(tabs.GetActiveTab(), 0);
    EXPECT_TRUE(CtrlKey(VK_NEXT));
    ASSERT_EQ(owner.Of(ORXM_ON_TAB_CHOSEN).size(), 2u);
    EXPECT_EQ(owner.sent[1].wParam, 1u);
    EXPECT_EQ(tabs.GetActiveTab(), 0);
    EXPECT_TRUE(parent.Of(ORXM_ONCHANGE_ACTIVE_TAB).empty());
    // The owner shows the tab itself once it has acted on the choice.
    tabs.SetActiveTab(2);
    EXPECT_EQ(tabs.GetActiveTab(), 2);
    tabs.SetOwner(NULL);
}

TEST_F(TabWnd, ADraggedTabMovesWhenTheParentAgrees)
{
    Create(CORXTabWnd::STYLE_3D, 4);
    tabs.EnableTabSwap(TRUE);
    // The first tab dropped on the right half of the third: it goes after the third.
    CRect r2;
    tabs.GetTabRect(2, r2);
    Drag(0, CPoint(r2.right - 2, r2.CenterPoint().y));
    EXPECT_EQ(Labels(), _T("Beta;Gamma;Alpha;Delta;"));
    EXPECT_EQ(tabs.GetActiveTab(), 2);
    auto before = parent.Of(ORXM_ON_BEFOREMOVE_TAB);
    auto moved = parent.Of(ORXM_ON_MOVE_TAB);
    ASSERT_EQ(before.size(), 1u);
    ASSERT_EQ(moved.size(), 1u);
    EXPECT_EQ(before[0].wParam, 0u);
    EXPECT_EQ(before[0].lParam, 3);
    EXPECT_EQ(moved[0].wParam, 0u);
    EXPECT_EQ(moved[0].lParam, 3);
    EXPECT_EQ(tabs.GetTabWindow(2), pages[0].get());

    // Back to the front: on the left half of the first tab.
    parent.sent.clear();
    Drag(2, TabPoint(0, 2));
    EXPECT_EQ(Labels(), _T("Alpha;Beta;Gamma;Delta;"));
    EXPECT_EQ(tabs.GetActiveTab(), 0);
    EXPECT_EQ(parent.Of(ORXM_ON_MOVE_TAB).size(), 1u);
}

TEST_F(TabWnd, AMoveTheParentRefusesOrThatEndsInPlaceLeavesTheOrder)
{
    Create(CORXTabWnd::STYLE_3D, 3);
    tabs.EnableTabSwap(TRUE);
    parent.lBeforeMoveReply = 1;
    Drag(0, TabPoint(2, 2));
    EXPECT_EQ(Labels(), _T("Alpha;Beta;Gamma;"));
    EXPECT_EQ(parent.Of(ORXM_ON_BEFOREMOVE_TAB).size(), 1u);
    EXPECT_TRUE(parent.Of(ORXM_ON_MOVE_TAB).empty());

    parent.sent.clear();
    parent.lBeforeMoveReply = 0;
    Drag(1, TabPoint(1, 2));
    EXPECT_TRUE(parent.Of(ORXM_ON_BEFOREMOVE_TAB).empty());
    EXPECT_TRUE(parent.Of(ORXM_ON_MOVE_TAB).empty());
    EXPECT_EQ(::GetCapture(), (HWND)NULL);

    // Off the strip, over the windows' area, the drop place does not follow the pointer.
    CRect rectWnd = tabs.GetWndArea();
    Drag(0, CPoint(TabPoint(2).x, rectWnd.CenterPoint().y));
    EXPECT_EQ(Labels(), _T("Alpha;Beta;Gamma;"));
    EXPECT_TRUE(parent.Of(ORXM_ON_MOVE_TAB).empty());
}

TEST_F(TabWnd, ADoubleClickRenamesOnlyWhenRenamingIsOn)
{
    Create(CORXTabWnd::STYLE_3D, 2);
    Mouse(WM_LBUTTONDBLCLK, TabPoint(1));
    EXPECT_FALSE(tabs.IsRenaming());

    tabs.EnableInPlaceEdit(TRUE);
    Mouse(WM_LBUTTONDBLCLK, TabPoint(1));
    ASSERT_TRUE(tabs.IsRenaming());
    CString strText;
    tabs.GetRenameEdit()->GetWindowText(strText);
    EXPECT_EQ(strText, _T("Beta"));
    tabs.GetRenameEdit()->SetWindowText(_T("Second"));
    EXPECT_TRUE(Translate(WM_KEYDOWN, VK_RETURN, 0, tabs.GetRenameEdit()->GetSafeHwnd()));
    EXPECT_FALSE(tabs.IsRenaming());
    EXPECT_EQ(Labels(), _T("Alpha;Second;"));
    auto renames = parent.Of(ORXM_ON_RENAME_TAB);
    ASSERT_EQ(renames.size(), 1u);
    EXPECT_EQ(renames[0].wParam, 1u);
    EXPECT_EQ(renames[0].strText, _T("Second"));
    EXPECT_EQ(::GetCapture(), (HWND)NULL);
}

TEST_F(TabWnd, ARenameTheParentHandlesLeavesTheLabelToIt)
{
    Create(CORXTabWnd::STYLE_3D, 2);
    tabs.EnableInPlaceEdit(TRUE);
    parent.lRenameReply = 1;
    ASSERT_TRUE(tabs.StartRenameTab(0));
    tabs.GetRenameEdit()->SetWindowText(_T("Elsewhere"));
    Translate(WM_KEYDOWN, VK_RETURN);
    EXPECT_FALSE(tabs.IsRenaming());
    EXPECT_EQ(Labels(), _T("Alpha;Beta;"));
    EXPECT_EQ(parent.Of(ORXM_ON_RENAME_TAB).size(), 1u);
}

TEST_F(TabWnd, TheRenameEditKeepsItsTabWhileOthersComeGoAndMove)
{
    Create(CORXTabWnd::STYLE_3D, 3);
    tabs.EnableInPlaceEdit(TRUE);
    ASSERT_TRUE(tabs.StartRenameTab(1));

    // A tab inserted before the edited one, then one removed before it.
    AddPage(_T("Extra"));
    pages.emplace_back(new CStatic);
    pages.back()->Create(_T("First"), WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &tabs);
    tabs.InsertTab(pages.back().get(), _T("First"), 0);
    ASSERT_EQ(Labels(), _T("First;Alpha;Beta;Gamma;Extra;"));
    ASSERT_TRUE(tabs.RemoveTab(1));
    ASSERT_EQ(Labels(), _T("First;Beta;Gamma;Extra;"));
    ASSERT_TRUE(tabs.IsRenaming());
    tabs.GetRenameEdit()->SetWindowText(_T("Second"));
    EXPECT_TRUE(Translate(WM_KEYDOWN, VK_RETURN, 0, tabs.GetRenameEdit()->GetSafeHwnd()));
    EXPECT_EQ(Labels(), _T("First;Second;Gamma;Extra;"));
    auto renames = parent.Of(ORXM_ON_RENAME_TAB);
    ASSERT_EQ(renames.size(), 1u);
    EXPECT_EQ(renames[0].wParam, 1u);

    // Removing the edited tab itself drops the edit; a later one leaves it alone.
    ASSERT_TRUE(tabs.StartRenameTab(2));
    ASSERT_TRUE(tabs.RemoveTab(3));
    EXPECT_TRUE(tabs.IsRenaming());
    ASSERT_TRUE(tabs.RemoveTab(2));
    EXPECT_FALSE(tabs.IsRenaming());
}

TEST_F(TabWnd, AnEmptyNameKeepsTheEditAndEscapeDropsIt)
{
    Create(CORXTabWnd::STYLE_3D, 2);
    tabs.EnableInPlaceEdit(TRUE);
    ASSERT_TRUE(tabs.StartRenameTab(0));
    tabs.GetRenameEdit()->SetWindowText(_T(""));
    Translate(WM_KEYDOWN, VK_RETURN);
    EXPECT_TRUE(tabs.IsRenaming());
    EXPECT_TRUE(parent.Of(ORXM_ON_RENAME_TAB).empty());

    tabs.GetRenameEdit()->SetWindowText(_T("Dropped"));
    // Other keys belong to the edit.
    EXPECT_FALSE(Translate(WM_KEYDOWN, 'A'));
    EXPECT_TRUE(Translate(WM_KEYDOWN, VK_ESCAPE));
    EXPECT_FALSE(tabs.IsRenaming());
    EXPECT_EQ(Labels(), _T("Alpha;Beta;"));
}

TEST_F(TabWnd, OutsideTheEditAMoveIsSwallowedAndAClickCommits)
{
    Create(CORXTabWnd::STYLE_3D, 2);
    tabs.EnableInPlaceEdit(TRUE);
    ASSERT_TRUE(tabs.StartRenameTab(1));
    tabs.GetRenameEdit()->SetWindowText(_T("Clicked"));
    const LPARAM lOutside = MAKELPARAM(5, 5);
    EXPECT_TRUE(Translate(WM_MOUSEMOVE, 0, lOutside));
    EXPECT_TRUE(tabs.IsRenaming());
    EXPECT_TRUE(Translate(WM_LBUTTONDOWN, MK_LBUTTON, lOutside));
    EXPECT_FALSE(tabs.IsRenaming());
    EXPECT_EQ(Labels(), _T("Alpha;Clicked;"));
}

TEST_F(TabWnd, CtrlPageKeysCycleThroughVisibleTabsAndWrap)
{
    Create(CORXTabWnd::STYLE_3D, 4);
    tabs.HideTab(1);
    EXPECT_TRUE(CtrlKey(VK_NEXT));
    EXPECT_EQ(tabs.GetActiveTab(), 2);
    tabs.SetActiveTab(3);
    parent.sent.clear();
    EXPECT_TRUE(CtrlKey(VK_NEXT));
    EXPECT_EQ(tabs.GetActiveTab(), 0);
    ASSERT_EQ(parent.sent.size(), 1u);
    EXPECT_EQ(parent.sent[0].wParam, 0u);
    EXPECT_EQ(parent.sent[0].lParam, 3);
    EXPECT_TRUE(CtrlKey(VK_PRIOR));
    EXPECT_EQ(tabs.GetActiveTab(), 3);
    // Without Ctrl the key is not the tab window's.
    EXPECT_FALSE(Translate(WM_KEYDOWN, VK_NEXT));
    EXPECT_EQ(tabs.GetActiveTab(), 3);
}

TEST_F(TabWnd, TheSharedScrollBarAndItsSplitterStayInTheStrip)
{
    Create(CORXTabWnd::STYLE_FLAT_SHARED_HORZ_SCROLL, 3, 500);
    ASSERT_NE(tabs.SharedBar(), (HWND)NULL);
    CRect rectSplitter = tabs.Splitter();
    ASSERT_FALSE(rectSplitter.IsRectEmpty());
    EXPECT_EQ(rectSplitter.Width(), 5);
    EXPECT_EQ(tabs.GetTabsArea().right, rectSplitter.left);

    // The splitter dragged far past the left end: the bar takes the room there is and no more.
    Mouse(WM_LBUTTONDOWN, rectSplitter.CenterPoint());
    Mouse(WM_MOUSEMOVE, CPoint(-300, rectSplitter.CenterPoint().y));
    Mouse(WM_LBUTTONUP, CPoint(-300, rectSplitter.CenterPoint().y));
    EXPECT_GE(tabs.Splitter().left, tabs.GetTabsArea().left);
    EXPECT_GE(tabs.GetTabsArea().Width(), 0);
    // And far to the right: never below its least width.
    rectSplitter = tabs.Splitter();
    Mouse(WM_LBUTTONDOWN, rectSplitter.CenterPoint());
    Mouse(WM_MOUSEMOVE, CPoint(2000, rectSplitter.CenterPoint().y));
    Mouse(WM_LBUTTONUP, CPoint(2000, rectSplitter.CenterPoint().y));
    EXPECT_EQ(tabs.SharedBarWidth(), 2 * ::GetSystemMetrics(SM_CXHSCROLL));

    // Too narrow a window has no bar and no splitter.
    tabs.SetWindowPos(NULL, 0, 0, 60, 200, SWP_NOZORDER | SWP_NOMOVE);
    EXPECT_TRUE(tabs.Splitter().IsRectEmpty());
    EXPECT_EQ(tabs.SharedBarWidth(), 0);
}

TEST_F(TabWnd, TheSharedScrollBarScrollsTheActiveWindowAndTellsTheParent)
{
    Create(CORXTabWnd::STYLE_FLAT_SHARED_HORZ_SCROLL, 1, 500);
    CListBox wide;
    ASSERT_TRUE(wide.Create(WS_CHILD | WS_VISIBLE | WS_HSCROLL | LBS_NOINTEGRALHEIGHT, CRect(0, 0, 10, 10),
                            &tabs, 7));
    wide.AddString(_T("A row far wider than the window that shows it"));
    wide.SetHorizontalExtent(2000);
    tabs.AddTab(&wide, _T("Wide"));
    tabs.SetActiveTab(1);
    ASSERT_TRUE(::IsWindowEnabled(tabs.SharedBar()));
    // The window's own bar gives way to the shared one.
    EXPECT_EQ(wide.GetStyle() & WS_HSCROLL, 0u);

    tabs.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_PAGERIGHT, 0), (LPARAM)tabs.SharedBar());
    const int nPos = ::GetScrollPos(wide.GetSafeHwnd(), SB_HORZ);
    EXPECT_GT(nPos, 0);
    EXPECT_EQ(::GetScrollPos(tabs.SharedBar(), SB_CTL), nPos);
    auto scrolls = parent.Of(ORXM_ON_HSCROLL);
    ASSERT_EQ(scrolls.size(), 1u);
    EXPECT_EQ(LOWORD(scrolls[0].wParam), SB_PAGERIGHT);

    // A window with nothing to scroll leaves the bar off.
    tabs.SetActiveTab(0);
    EXPECT_FALSE(::IsWindowEnabled(tabs.SharedBar()));
    // The list goes with its tab, before its object does.
    tabs.RemoveTab(1);
}

TEST_F(TabWnd, ColouredTabsScrollByWholeTabsAndOverlap)
{
    Create(CORXTabWnd::STYLE_3D_COLORED, 10, 250);
    CRect r0, r1;
    tabs.GetTabRect(0, r0);
    tabs.GetTabRect(1, r1);
    EXPECT_LT(r1.left, r0.right);
    EXPECT_FALSE(::IsWindowEnabled(tabs.ButtonLeft()));
    ASSERT_TRUE(::IsWindowEnabled(tabs.ButtonRight()));

    tabs.SendMessage(WM_COMMAND, MAKEWPARAM(0xFFFF, BN_CLICKED), (LPARAM)tabs.ButtonRight());
    EXPECT_EQ(tabs.GetFirstVisibleTab(), 1);
    // Whole tabs: the one before the first shown starts left of the strip, the first shown inside it
    // (a pixel in for every tab skipped, as each tab also keeps a pixel's gap).
    CRect rect;
    tabs.GetTabRect(0, rect);
    EXPECT_LT(rect.left, tabs.GetTabsArea().left);
    tabs.GetTabRect(1, rect);
    EXPECT_EQ(rect.left, tabs.GetTabsArea().left + 1);
    tabs.SendMessage(WM_COMMAND, MAKEWPARAM(0xFFFF, BN_CLICKED), (LPARAM)tabs.ButtonLeft());
    EXPECT_EQ(tabs.GetFirstVisibleTab(), 0);
    EXPECT_EQ(tabs.GetScrollOffset(), 0);

    // The last tab activated: whole tabs are skipped until it ends inside the strip.
    tabs.SetActiveTab(9);
    tabs.GetTabRect(9, rect);
    EXPECT_LE(rect.right, tabs.GetTabsArea().right);
    const int iFirst = tabs.GetFirstVisibleTab();
    EXPECT_GT(iFirst, 0);
    CRect rectFirst;
    tabs.GetTabRect(iFirst, rectFirst);
    EXPECT_EQ(rectFirst.left, tabs.GetTabsArea().left + iFirst);
}

TEST_F(TabWnd, TabImagesRaiseTheStripAndStayTheCallers)
{
    HIMAGELIST hImages = ImageList_Create(24, 24, ILC_COLOR24, 1, 0);
    HBITMAP hbmp = ::CreateBitmap(24, 24, 1, 32, NULL);
    ImageList_Add(hImages, hbmp, NULL);
    ::DeleteObject(hbmp);
    {
        Create(CORXTabWnd::STYLE_3D, 2);
        EXPECT_TRUE(tabs.SetTabImages(hImages));
        EXPECT_GE(tabs.GetTabsHeight(), 24 + 2 * CORXTabWnd::TAB_TEXT_MARGIN);
        EXPECT_EQ(tabs.GetTabsArea().Height(), tabs.GetTabsHeight());
        EXPECT_FALSE(tabs.SetTabImages(NULL));
        tabs.DestroyWindow();
    }
    CTestTabWnd* pGone = new CTestTabWnd;
    pGone->SetTabImages(hImages);
    delete pGone;
    EXPECT_EQ(ImageList_GetImageCount(hImages), 1);

    CTestTabWnd flat;
    ASSERT_TRUE(flat.Create(CORXTabWnd::STYLE_FLAT, CRect(0, 0, 200, 100), &parent, 101));
    EXPECT_FALSE(flat.SetTabImages(hImages));
    ImageList_Destroy(hImages);
}
