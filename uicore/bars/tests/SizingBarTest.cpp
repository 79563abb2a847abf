// Sizing bars: their sizes and states in the registry, the limits on stored sizes, row fitting,
// expansion, the non-client layout of a docked bar and its caption text, its caption buttons, docking a
// floating bar back by dragging its frame, and the caption bar's element layout.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "ORXBarSettings.h"
#include "ORXCaptionBar.h"
#include "ORXDialogBar.h"
#include "ORXExtrasHooks.h"
#include "ORXGlobalData.h"
#include "ORXMiniDockFrameWnd.h"
#include "ORXSizingControlBar.h"
#include "ORXToolbarImageList.h"
#include "ORXVisualManager.h"
#include "ORXWorkspace.h"
#include "TestSupport.h"

namespace
{
const UINT kBarID = 34480;
const LPCTSTR kProfile = _T("Velmora\\SizingBars");
const LPCTSTR kSection = _T("Velmora\\SizingBars-SCBar-34480");

int Stored(LPCTSTR pszEntry)
{
    return (int)App().GetProfileInt(kSection, pszEntry, -12345);
}

class SizingBarTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        App().ResetProfile();
        m_pFrame = new CFrameWnd;
        ASSERT_TRUE(m_pFrame->Create(NULL, _T("Sizing test"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 640, 400)));
    }
    void TearDown() override
    {
        for (CORXSizingControlBar* pBar : m_bars)
        {
            pBar->DestroyWindow();
            delete pBar;
        }
        m_pFrame->DestroyWindow();
    }
    CORXSizingControlBar* NewBar(DWORD dwAlign = CBRS_LEFT, CSize size = CSize(150, 150))
    {
        CORXSizingControlBar* pBar = new CORXSizingControlBar;
        m_bars.push_back(pBar);
        EXPECT_TRUE(pBar->Create(_T("Zones"), m_pFrame, size, TRUE, kBarID, WS_CHILD | WS_VISIBLE | dwAlign));
        m_pFrame->RecalcLayout();
        return pBar;
    }

    CFrameWnd* m_pFrame = NULL;
    std::vector<CORXSizingControlBar*> m_bars;
};
} // namespace

TEST_F(SizingBarTest, SizesAndStatesGoToTheRegistryAndComeBack)
{
    CORXSizingControlBar* pBar = NewBar();
    pBar->SetHorzSize(CSize(300, 80));
    pBar->SetVertSize(CSize(120, 250));
    pBar->SetFloatSize(CSize(210, 190));
    pBar->SaveState(kProfile);

    EXPECT_EQ(300, Stored(_T("sizeHorzCX")));
    EXPECT_EQ(80, Stored(_T("sizeHorzCY")));
    EXPECT_EQ(120, Stored(_T("sizeVertCX")));
    EXPECT_EQ(250, Stored(_T("sizeVertCY")));
    EXPECT_EQ(210, Stored(_T("sizeFloatCX")));
    EXPECT_EQ(190, Stored(_T("sizeFloatCY")));
    EXPECT_EQ(0, Stored(_T("Expanded")));
    // Without a roll-up state neither roll value is written.
    EXPECT_EQ(-12345, Stored(_T("RolledFloat")));
    EXPECT_EQ(-12345, Stored(_T("RolledFloatDynamicState")));

    pBar->SetRollState(4, FALSE);
    pBar->SaveState(kProfile);
    EXPECT_EQ(4, Stored(_T("RolledFloatDynamicState")));
    EXPECT_EQ(0, Stored(_T("RolledFloat")));

    pBar->DestroyWindow();
    CORXSizingControlBar* pAgain = NewBar();
    pAgain->LoadState(kProfile);
    EXPECT_EQ(CSize(300, 80), pAgain->GetHorzSize());
    EXPECT_EQ(CSize(120, 250), pAgain->GetVertSize());
    EXPECT_EQ(CSize(210, 190), pAgain->GetFloatSize());
    EXPECT_FALSE(pAgain->IsExpanded());
    // A roll-up state of 2 or 4 means the floating frame starts rolled up.
    EXPECT_EQ(4, pAgain->GetRollState());
    EXPECT_TRUE(pAgain->IsRolled());
}

namespace
{
// A tab window as the bar finds it: its only child that chooses tabs and says how many it has.
class CFakeTabs : public CWnd, public CORXActiveTabLink, public CORXTabWndInfo
{
public:
    int m_nTabs = 3;
    int m_iActive = 1;
    int m_nChosen = 0;
    int GetActiveTab() const override { return m_iActive; }
    BOOL SetActiveTab(int iTab) override
    {
        m_nChosen++;
        m_iActive = iTab;
        return TRUE;
    }
    int GetTabsNum() const override { return m_nTabs; }
    int GetVisibleTabCount() const override { return m_nTabs; }
    BOOL GetTabLabel(int, CString&) const override { return FALSE; }
    COLORREF GetTabBkColor(int) const override { return (COLORREF)-1; }
    COLORREF GetTabTextColor(int) const override { return (COLORREF)-1; }
    BOOL IsFlatTab() const override { return FALSE; }
    BOOL IsLocationBottom() const override { return FALSE; }
    BOOL IsColored() const override { return FALSE; }
    BOOL IsColoredStrip() const override { return FALSE; }
};
} // namespace

TEST_F(SizingBarTest, AStoredRollStateOrTabThatMeansNothingLeavesTheBarsOwn)
{
    CORXSizingControlBar* pBar = NewBar();
    pBar->SetRollState(3, FALSE);
    for (int nStored : {1, 6, -1, 0x10002})
    {
        App().WriteProfileInt(kSection, _T("RolledFloatDynamicState"), nStored);
        pBar->LoadState(kProfile);
        EXPECT_EQ(3, pBar->GetRollState()) << nStored;
        EXPECT_FALSE(pBar->IsRolled()) << nStored;
        pBar->SaveState(kProfile);
        EXPECT_EQ(3, Stored(_T("RolledFloatDynamicState"))) << nStored;
    }
    App().WriteProfileInt(kSection, _T("RolledFloatDynamicState"), 2);
    pBar->LoadState(kProfile);
    EXPECT_EQ(2, pBar->GetRollState());
    EXPECT_TRUE(pBar->IsRolled());

    CFakeTabs tabs;
    ASSERT_TRUE(tabs.Create(_T("STATIC"), NULL, WS_CHILD, CRect(0, 0, 10, 10), pBar, 1));
    for (int iStored : {3, -1, 1000})
    {
        App().WriteProfileInt(kSection, _T("ActiveTab"), iStored);
        pBar->LoadState(kProfile);
        EXPECT_EQ(1, tabs.GetActiveTab()) << iStored;
    }
    EXPECT_EQ(0, tabs.m_nChosen);
    App().WriteProfileInt(kSection, _T("ActiveTab"), 2);
    pBar->LoadState(kProfile);
    EXPECT_EQ(2, tabs.GetActiveTab());
    pBar->SaveState(kProfile);
    EXPECT_EQ(2, Stored(_T("ActiveTab")));
    tabs.DestroyWindow();
}

TEST_F(SizingBarTest, TheWorkspaceSavesEverySizingBarInItsSection)
{
    CORXWorkspace workspace;
    workspace.SetRegistryBase(_T("Velmora"));
    CORXSizingControlBar* pBar = NewBar();
    pBar->SetVertSize(CSize(170, 200));
    ASSERT_TRUE(workspace.SaveState(NULL, m_pFrame));
    EXPECT_EQ(170, Stored(_T("sizeVertCX")));

    pBar->SetVertSize(CSize(90, 90));
    workspace.LoadState(NULL, m_pFrame);
    EXPECT_EQ(CSize(170, 200), pBar->GetVertSize());

    // Saved on its own, without a profile name, the bar keeps its sizes in its own section below
    // the program's key, not inside the workspace's.
    pBar->SetVertSize(CSize(130, 140));
    pBar->SaveState(NULL);
    EXPECT_EQ(130, (int)App().GetProfileInt(_T("ORXSizingControlBar\\-SCBar-34480"), _T("sizeVertCX"), 0));
    EXPECT_EQ(170, Stored(_T("sizeVertCX")));
    EXPECT_EQ(0,
              (int)App().GetProfileInt(_T("Velmora\\ORXSizingControlBar-SCBar-34480"), _T("sizeVertCX"), 0));
    pBar->SetVertSize(CSize(90, 90));
    pBar->LoadState(_T(""));
    EXPECT_EQ(CSize(130, 140), pBar->GetVertSize());
}

TEST_F(SizingBarTest, StoredSizesAreHeldToTheMinimumTheMaximumAndTheScreen)
{
    const CSize sizeScreen(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    CORXSizingControlBar* pBar = NewBar();
    pBar->SetMaxSize(400, -1);
    App().WriteProfileInt(kSection, _T("sizeHorzCX"), 5);
    App().WriteProfileInt(kSection, _T("sizeHorzCY"), -70);
    App().WriteProfileInt(kSection, _T("sizeVertCX"), 100000);
    App().WriteProfileInt(kSection, _T("sizeVertCY"), 100000);
    App().WriteProfileInt(kSection, _T("sizeFloatCX"), 250);
    App().WriteProfileInt(kSection, _T("sizeFloatCY"), 260);
    pBar->LoadState(kProfile);
    EXPECT_EQ(CSize(33, 32), pBar->GetHorzSize());
    EXPECT_EQ(CSize(400, sizeScreen.cy), pBar->GetVertSize());
    EXPECT_EQ(CSize(250, 260), pBar->GetFloatSize());

    struct Case
    {
        CSize size, min, max, screen, expected;
    } cases[] = {
        {{10, 10}, {33, 32}, {-1, -1}, {800, 600}, {33, 32}},
        {{900, 700}, {33, 32}, {-1, -1}, {800, 600}, {800, 600}},
        {{500, 500}, {33, 32}, {300, 0}, {800, 600}, {300, 500}},
        // A minimum beyond the screen wins: the bar never gets smaller than it can be.
        {{100, 100}, {900, 32}, {-1, -1}, {800, 600}, {900, 100}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, CORXSizingControlBar::ClipStoredSize(c.size, c.min, c.max, c.screen))
            << c.size.cx << "x" << c.size.cy;
}

TEST_F(SizingBarTest, RowFittingSharesPixelsBarAfterBar)
{
    struct Case
    {
        std::vector<int> lengths, mins;
        int nAvailable;
        BOOL bFits;
        std::vector<int> expected;
    } cases[] = {
        // Growing: one pixel each in row order, round again.
        {{100, 100, 100}, {33, 33, 33}, 305, TRUE, {102, 102, 101}},
        // Shrinking: the bar at its minimum is skipped, the others give the rest.
        {{33, 200, 200}, {33, 33, 33}, 333, TRUE, {33, 150, 150}},
        {{100, 100}, {33, 33}, 200, TRUE, {100, 100}},
        // The minimums plus 2 do not fit: nothing changes.
        {{100, 100}, {50, 50}, 101, FALSE, {100, 100}},
        {{100, 100}, {50, 50}, 102, TRUE, {51, 51}},
    };
    for (const Case& c : cases)
    {
        CArray<int, int> lengths, mins;
        for (size_t i = 0; i < c.lengths.size(); i++)
        {
            lengths.Add(c.lengths[i]);
            mins.Add(c.mins[i]);
        }
        EXPECT_EQ(c.bFits, CORXSizingControlBar::FitRowLengths(lengths, mins, c.nAvailable)) << c.nAvailable;
        std::vector<int> result(lengths.GetData(), lengths.GetData() + lengths.GetSize());
        EXPECT_EQ(c.expected, result) << c.nAvailable;
    }
}

TEST_F(SizingBarTest, AnExpandedBarNeverFallsBelowItsMinimum)
{
    EXPECT_EQ(300, CORXSizingControlBar::ExpandedLength(400, 100, 32));
    EXPECT_EQ(32, CORXSizingControlBar::ExpandedLength(100, 99, 32));
    EXPECT_EQ(32, CORXSizingControlBar::ExpandedLength(-2, 66, 32));
}

TEST_F(SizingBarTest, ABarAloneInItsRowDoesNotExpand)
{
    CORXSizingControlBar* pBar = NewBar();
    pBar->SetVertSize(CSize(140, 200));
    EXPECT_TRUE(pBar->IsAloneInRow());
    pBar->Expand(TRUE);
    EXPECT_FALSE(pBar->IsExpanded());
    EXPECT_EQ(CSize(140, 200), pBar->GetVertSize());
}

TEST_F(SizingBarTest, ADockedBarHasItsEdgeTowardsTheViewAndItsButtonsInTheGripper)
{
    CORXSizingControlBar* pBar = NewBar(CBRS_LEFT, CSize(150, 150));
    CRect rectWindow;
    pBar->GetWindowRect(rectWindow);
    EXPECT_EQ(150, rectWindow.Width());
    EXPECT_EQ(AFX_IDW_DOCKBAR_LEFT, pBar->GetDockBarID());
    EXPECT_EQ(2u, pBar->GetSideBorders()); // only the right side, towards the view

    CPoint ptMiddle = rectWindow.CenterPoint();
    EXPECT_EQ((LRESULT)HTRIGHT,
              pBar->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(rectWindow.right - 2, ptMiddle.y)));
    EXPECT_EQ((LRESULT)HTCLIENT, pBar->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(ptMiddle.x, ptMiddle.y)));

    // Docked left, the gripper runs along the top; the expand button stays away while alone.
    CRect rectGripper = pBar->GetGripperRect();
    EXPECT_EQ(5, rectGripper.top);
    CRect rectHide = pBar->GetHideButtonRect();
    EXPECT_TRUE(rectGripper.PtInRect(rectHide.CenterPoint()));
    EXPECT_TRUE(pBar->GetExpandButtonRect().IsRectEmpty());
    CPoint ptHide = rectHide.CenterPoint() + rectWindow.TopLeft();
    EXPECT_EQ((LRESULT)ORX_HTHIDE, pBar->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(ptHide.x, ptHide.y)));

    // The client area leaves the border, the gripper and the edge strip.
    CRect rectClient;
    pBar->GetClientRect(rectClient);
    EXPECT_EQ(150 - 5 - 5 - 6, rectClient.Width());
    EXPECT_EQ(rectWindow.Height() - 10 - rectGripper.Height(), rectClient.Height());
}

TEST_F(SizingBarTest, TheTemplateSizeOfADialogBarGrowsByBordersGripperAndEdge)
{
    const CSize sizeMin(10, 10);
    EXPECT_EQ(CSize(200 + 10 + 16, 50 + 10),
              CORXDialogBar::CalcTemplateLayout(CSize(200, 50), FALSE, TRUE, 5, 16, 6, FALSE, sizeMin));
    EXPECT_EQ(CSize(200 + 10 + 16, 50 + 10 + 6),
              CORXDialogBar::CalcTemplateLayout(CSize(200, 50), FALSE, TRUE, 5, 16, 6, TRUE, sizeMin));
    EXPECT_EQ(CSize(200 + 10, 32767),
              CORXDialogBar::CalcTemplateLayout(CSize(200, 50), TRUE, FALSE, 5, 16, 6, FALSE, sizeMin));
}

TEST(CaptionBarLayout, ElementsGoFromTheEdgesInwardAndTheCentredOnesTogether)
{
    typedef CORXCaptionBar B;
    struct Case
    {
        B::BarElementAlignment icon, button, text;
        CRect expectIcon, expectButton, expectText;
    } cases[] = {
        // All left: icon, button, text from the margin with the gap between.
        {B::ALIGN_LEFT, B::ALIGN_LEFT, B::ALIGN_LEFT, CRect(4, 2, 20, 18), CRect(24, 0, 84, 20),
         CRect(88, 5, 188, 15)},
        // Right: from the right edge inward in the same order.
        {B::ALIGN_RIGHT, B::ALIGN_RIGHT, B::ALIGN_LEFT, CRect(380, 2, 396, 18), CRect(316, 0, 376, 20),
         CRect(4, 5, 104, 15)},
        // Centred: one group of 16 + 4 + 60 + 4 + 100 = 184 around the middle (200).
        {B::ALIGN_CENTER, B::ALIGN_CENTER, B::ALIGN_CENTER, CRect(108, 2, 124, 18), CRect(128, 0, 188, 20),
         CRect(192, 5, 292, 15)},
    };
    for (const Case& c : cases)
    {
        B::CElement elements[B::elemCount];
        elements[B::elemIcon].m_bPresent = TRUE;
        elements[B::elemIcon].m_size = CSize(16, 16);
        elements[B::elemIcon].m_align = c.icon;
        elements[B::elemButton].m_bPresent = TRUE;
        elements[B::elemButton].m_size = CSize(60, 20);
        elements[B::elemButton].m_align = c.button;
        elements[B::elemText].m_bPresent = TRUE;
        elements[B::elemText].m_size = CSize(100, 10);
        elements[B::elemText].m_align = c.text;
        B::ArrangeElements(elements, CRect(0, 0, 400, 20), 4, 4);
        EXPECT_EQ(c.expectIcon, elements[B::elemIcon].m_rect);
        EXPECT_EQ(c.expectButton, elements[B::elemButton].m_rect);
        EXPECT_EQ(c.expectText, elements[B::elemText].m_rect);
    }
}

TEST(CaptionBarLayout, TextIsCutBackBeforeTheButtonAndClippedToTheBar)
{
    typedef CORXCaptionBar B;
    B::CElement elements[B::elemCount];
    elements[B::elemButton].m_bPresent = TRUE;
    elements[B::elemButton].m_size = CSize(60, 20);
    elements[B::elemButton].m_align = B::ALIGN_RIGHT;
    elements[B::elemText].m_bPresent = TRUE;
    elements[B::elemText].m_size = CSize(300, 10);
    elements[B::elemText].m_align = B::ALIGN_LEFT;
    B::ArrangeElements(elements, CRect(0, 0, 200, 20), 4, 4);
    EXPECT_EQ(CRect(136, 0, 196, 20), elements[B::elemButton].m_rect);
    EXPECT_EQ(CRect(4, 5, 132, 15), elements[B::elemText].m_rect);
    EXPECT_TRUE(elements[B::elemIcon].m_rect.IsRectEmpty());
}

TEST(CaptionBarLayout, TextThatRunsIntoAnElementOnItsLeftEndsBeforeItToo)
{
    typedef CORXCaptionBar B;
    // A centred text wider than the bar starts left of the left-aligned button: cut back to end
    // before the button, nothing of it is left.
    B::CElement elements[B::elemCount];
    elements[B::elemButton].m_bPresent = TRUE;
    elements[B::elemButton].m_size = CSize(60, 20);
    elements[B::elemButton].m_align = B::ALIGN_LEFT;
    elements[B::elemText].m_bPresent = TRUE;
    elements[B::elemText].m_size = CSize(300, 10);
    elements[B::elemText].m_align = B::ALIGN_CENTER;
    B::ArrangeElements(elements, CRect(0, 0, 200, 20), 4, 4);
    EXPECT_EQ(CRect(4, 0, 64, 20), elements[B::elemButton].m_rect);
    EXPECT_EQ(0, elements[B::elemText].m_rect.Width());
}

namespace
{
class CCaptionBarProbe : public CORXCaptionBar
{
public:
    using CORXCaptionBar::OnDrawButton;
};

// A look whose caption-bar button text stands out.
class CRedButtonLook : public CORXVisualManager
{
    DECLARE_DYNCREATE(CRedButtonLook)
public:
    virtual COLORREF GetCaptionBarButtonTextColor(CWnd*) { return RGB(255, 0, 0); }
};
IMPLEMENT_DYNCREATE(CRedButtonLook, CORXVisualManager)
} // namespace

TEST(CaptionBar, ItsHeightFollowsTextAndImageAndItsButtonTakesTheLooksColours)
{
    CFrameWnd* pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->Create(NULL, _T("Caption bar test"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 500, 300)));
    CCaptionBarProbe bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE | CBRS_TOP, pFrame, 34490));
    bar.SetText(_T("Daylight saving starts tomorrow"));
    TEXTMETRIC tm;
    {
        CClientDC dc(&bar);
        CFont* pOld = dc.SelectObject(&globalData.fontRegular);
        dc.GetTextMetrics(&tm);
        dc.SelectObject(pOld);
    }
    EXPECT_EQ(tm.tmHeight + 2 + 8, bar.GetBarHeight());

    // A bitmap taller than the text sets the height, stretched to the bar or not.
    HDC hScreen = ::GetDC(NULL);
    HBITMAP hTall = ::CreateCompatibleBitmap(hScreen, 20, 40);
    ::ReleaseDC(NULL, hScreen);
    bar.SetBitmap(hTall, RGB(255, 0, 255), TRUE);
    EXPECT_EQ(40 + 8, bar.GetBarHeight());
    bar.SetBitmap(hTall, RGB(255, 0, 255), FALSE);
    EXPECT_EQ(40 + 8, bar.GetBarHeight());
    ::DeleteObject(hTall);

    ASSERT_TRUE(CORXVisualManager::SetDefaultManager(RUNTIME_CLASS(CRedButtonLook)));
    bar.SetButton(_T("Options"), CORXCaptionBar::ALIGN_RIGHT, TRUE);
    const CRect rect(0, 0, 90, 24);
    CDC dc;
    hScreen = ::GetDC(NULL);
    dc.Attach(::CreateCompatibleDC(hScreen));
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, rect.Width(), rect.Height());
    ::ReleaseDC(NULL, hScreen);
    HGDIOBJ hOld = ::SelectObject(dc.GetSafeHdc(), hBitmap);
    CFont* pOldFont = dc.SelectObject(&globalData.fontRegular);
    dc.SetBkMode(TRANSPARENT);
    bar.OnDrawButton(&dc, rect, _T("Options"), TRUE);
    // The label and the drop-down arrow (the last 10 pixels) are both drawn in the look's colour.
    int nLabel = 0, nArrow = 0;
    for (int y = 0; y < rect.Height(); y++)
        for (int x = 0; x < rect.Width(); x++)
            if (dc.GetPixel(x, y) == RGB(255, 0, 0))
                (x >= rect.right - 10 ? nArrow : nLabel)++;
    dc.SelectObject(pOldFont);
    ::SelectObject(dc.GetSafeHdc(), hOld);
    ::DeleteObject(hBitmap);
    ::DeleteDC(dc.Detach());
    EXPECT_GT(nLabel, 10);
    EXPECT_EQ(9, nArrow);
    CORXVisualManager::DestroyInstance(TRUE);
    CORXVisualManager::SetDefaultManager(NULL);

    bar.DestroyWindow();
    pFrame->DestroyWindow();
}

namespace
{
// Two sizing bars docked left in one row, one above the other.
class DockedSizingBarTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        App().ResetProfile();
        m_pFrame = new CFrameWnd;
        ASSERT_TRUE(
            m_pFrame->Create(NULL, _T("Docked sizing test"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 640, 480)));
        m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
        ASSERT_TRUE(
            m_first.Create(_T("First"), m_pFrame, CSize(150, 200), TRUE, kBarID, WS_CHILD | WS_VISIBLE));
        ASSERT_TRUE(m_second.Create(_T("Second"), m_pFrame, CSize(150, 120), TRUE, kBarID + 1,
                                    WS_CHILD | WS_VISIBLE));
        m_first.EnableDocking(CBRS_ALIGN_ANY);
        m_second.EnableDocking(CBRS_ALIGN_ANY);
        m_pFrame->DockControlBar(&m_first, AFX_IDW_DOCKBAR_LEFT);
        m_pFrame->RecalcLayout();
        CRect rect;
        m_first.GetWindowRect(rect);
        rect.OffsetRect(0, 1);
        m_pFrame->DockControlBar(&m_second, AFX_IDW_DOCKBAR_LEFT, rect);
        m_pFrame->RecalcLayout();
    }
    void TearDown() override
    {
        m_first.DestroyWindow();
        m_second.DestroyWindow();
        m_pFrame->DestroyWindow();
    }
    static int Height(CWnd& wnd)
    {
        CRect rect;
        wnd.GetWindowRect(rect);
        return rect.Height();
    }

    CFrameWnd* m_pFrame = NULL;
    CORXSizingControlBar m_first;
    CORXSizingControlBar m_second;
};
} // namespace

TEST_F(DockedSizingBarTest, BarsOfOneRowShareItsLengthAndExpandTakesIt)
{
    ASSERT_EQ(AFX_IDW_DOCKBAR_LEFT, m_first.GetDockBarID());
    EXPECT_FALSE(m_first.IsAloneInRow());
    EXPECT_FALSE(m_second.IsAloneInRow());
    EXPECT_FALSE(m_first.GetExpandButtonRect().IsRectEmpty());
    const int nRow = Height(m_first) + Height(m_second);
    const CSize sizeBefore = m_first.GetVertSize();

    m_first.Expand(TRUE);
    m_pFrame->RecalcLayout();
    EXPECT_TRUE(m_first.IsExpanded());
    EXPECT_EQ(32, Height(m_second));
    EXPECT_EQ(nRow - 32, Height(m_first));

    // Expanding the other bar collapses the first; saved, a bar keeps its size from before.
    m_second.Expand(TRUE);
    m_pFrame->RecalcLayout();
    EXPECT_TRUE(m_second.IsExpanded());
    EXPECT_FALSE(m_first.IsExpanded());
    EXPECT_EQ(32, Height(m_first));
    m_second.SaveState(kProfile);
    EXPECT_EQ(1, (int)App().GetProfileInt(_T("Velmora\\SizingBars-SCBar-34481"), _T("Expanded"), 0));

    m_second.Expand(TRUE);
    m_pFrame->RecalcLayout();
    EXPECT_FALSE(m_second.IsExpanded());
    EXPECT_EQ(nRow, Height(m_first) + Height(m_second));
    EXPECT_EQ(sizeBefore.cx, m_first.GetVertSize().cx);
}

TEST_F(DockedSizingBarTest, AFloatingBarKeepsItsFloatingSizeWhileItsFrameIsOpen)
{
    // A rolled flag read back from storage must not shrink the frame it floats in.
    App().WriteProfileInt(kSection, _T("RolledFloatDynamicState"), 2);
    m_first.SetFloatSize(CSize(190, 210));
    m_first.LoadState(kProfile);
    EXPECT_TRUE(m_first.IsRolled());
    m_pFrame->m_pFloatingFrameClass = RUNTIME_CLASS(CORXMiniDockFrameWnd);
    m_pFrame->FloatControlBar(&m_first, CPoint(300, 300));
    ASSERT_TRUE(m_first.IsFloating());
    CORXMiniDockFrameWnd* pMini = DYNAMIC_DOWNCAST(CORXMiniDockFrameWnd, m_first.GetParentFrame());
    ASSERT_TRUE(pMini != NULL);
    EXPECT_FALSE(pMini->IsRolled());
    EXPECT_EQ(CSize(190, 210), m_first.CalcDynamicLayout(-1, LM_HORZ | LM_MRUWIDTH));
    // Floating, the bar is a row of its own: Expand does nothing.
    m_first.Expand(TRUE);
    EXPECT_FALSE(m_first.IsExpanded());

    pMini->RollUp();
    EXPECT_TRUE(pMini->IsRolled());
    CRect rectRolled;
    pMini->GetWindowRect(rectRolled);
    EXPECT_LT(rectRolled.Height(), 60);
    pMini->Unroll();
    CRect rectOpen;
    pMini->GetWindowRect(rectOpen);
    EXPECT_GT(rectOpen.Height(), 210);
}

TEST_F(DockedSizingBarTest, TheFloatingFrameShowsItsCaptionButtonAndAClickOnItAlwaysActs)
{
    m_pFrame->m_pFloatingFrameClass = RUNTIME_CLASS(CORXMiniDockFrameWnd);
    m_pFrame->FloatControlBar(&m_first, CPoint(300, 300));
    CORXMiniDockFrameWnd* pMini = DYNAMIC_DOWNCAST(CORXMiniDockFrameWnd, m_first.GetParentFrame());
    ASSERT_TRUE(pMini != NULL);
    ASSERT_EQ(0, pMini->GetRollState());
    const CRect rectButton = pMini->GetCaptionButtonRect();
    ASSERT_FALSE(rectButton.IsRectEmpty());

    // Without a roll-up state the button is drawn all the same.
    CRect rectWindow;
    pMini->GetWindowRect(rectWindow);
    HDC hScreen = ::GetDC(NULL);
    CDC dc;
    dc.Attach(::CreateCompatibleDC(hScreen));
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, rectWindow.Width(), rectWindow.Height());
    ::ReleaseDC(NULL, hScreen);
    HGDIOBJ hOld = ::SelectObject(dc.GetSafeHdc(), hBitmap);
    dc.FillSolidRect(0, 0, rectWindow.Width(), rectWindow.Height(), RGB(0, 0, 0));
    pMini->DrawCaptionButton(&dc);
    int nDrawn = 0;
    for (int y = rectButton.top; y < rectButton.bottom; y++)
        for (int x = rectButton.left; x < rectButton.right; x++)
            nDrawn += dc.GetPixel(x, y) != RGB(0, 0, 0);
    ::SelectObject(dc.GetSafeHdc(), hOld);
    ::DeleteObject(hBitmap);
    ::DeleteDC(dc.Detach());
    EXPECT_GT(nDrawn, rectButton.Width() * rectButton.Height() / 2);
    EXPECT_EQ((int)CORXMenuImages::IdArowUp, pMini->GetCaptionButtonGlyph());

    // A click rolls the frame up, the next opens it again; the frame starts no drag meanwhile.
    auto click = [&]() {
        CRect rect;
        pMini->GetWindowRect(rect);
        // The button stays at the right end of the caption, however wide the frame is.
        CPoint pt = pMini->GetCaptionButtonRect().CenterPoint() + rect.TopLeft();
        pMini->SendMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(pt.x, pt.y));
        pMini->GetWindowRect(rect);
        return rect;
    };
    CRect rect = click();
    EXPECT_TRUE(pMini->IsRolled());
    EXPECT_TRUE(m_first.IsRolled());
    EXPECT_LT(rect.Height(), 60);
    EXPECT_EQ(rectWindow.TopLeft(), rect.TopLeft());
    EXPECT_EQ((int)CORXMenuImages::IdArowDown, pMini->GetCaptionButtonGlyph());
    rect = click();
    EXPECT_FALSE(pMini->IsRolled());
    EXPECT_EQ(rectWindow, rect);
    EXPECT_EQ(0, pMini->GetRollState());

    // With a roll-up state the click swaps it for its pinned partner.
    pMini->SetRollState(2);
    EXPECT_EQ((int)CORXMenuImages::IdPinHorz, pMini->GetCaptionButtonGlyph());
    click();
    EXPECT_EQ(3, pMini->GetRollState());
    EXPECT_EQ((int)CORXMenuImages::IdPinVert, pMini->GetCaptionButtonGlyph());
    EXPECT_FALSE(pMini->IsRolled());
}

TEST(MiniDockFrame, TheCaptionButtonSwapsEachPairOfRollStates)
{
    const int cases[][2] = {{2, 3}, {3, 2}, {4, 5}, {5, 4}, {0, 0}, {1, 1}};
    for (const auto& c : cases)
        EXPECT_EQ(c[1], CORXMiniDockFrameWnd::ToggledRollState(c[0])) << c[0];
    EXPECT_TRUE(CORXMiniDockFrameWnd::CanRollUp(2));
    EXPECT_TRUE(CORXMiniDockFrameWnd::CanRollUp(4));
    EXPECT_FALSE(CORXMiniDockFrameWnd::CanRollUp(3));
}

TEST_F(SizingBarTest, EachDockedSideHasItsSizingEdgeTowardsTheView)
{
    struct Case
    {
        DWORD dwAlign;
        UINT nEdge;
    } cases[] = {{CBRS_LEFT, HTRIGHT}, {CBRS_RIGHT, HTLEFT}, {CBRS_TOP, HTBOTTOM}, {CBRS_BOTTOM, HTTOP}};
    for (const Case& c : cases)
    {
        CORXSizingControlBar* pBar = NewBar(c.dwAlign, CSize(120, 120));
        CRect rect;
        pBar->GetWindowRect(rect);
        CPoint ptEdges[] = {{rect.left + 2, rect.CenterPoint().y},
                            {rect.right - 3, rect.CenterPoint().y},
                            {rect.CenterPoint().x, rect.top + 2},
                            {rect.CenterPoint().x, rect.bottom - 3}};
        const UINT nSides[] = {HTLEFT, HTRIGHT, HTTOP, HTBOTTOM};
        for (int i = 0; i < 4; i++)
        {
            LRESULT nHit = pBar->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(ptEdges[i].x, ptEdges[i].y));
            if (nSides[i] == c.nEdge)
                EXPECT_EQ((LRESULT)c.nEdge, nHit) << c.dwAlign;
            else
                EXPECT_TRUE(nHit < HTLEFT || nHit > HTBOTTOMRIGHT) << c.dwAlign << " side " << nSides[i];
        }
        pBar->DestroyWindow();
    }
}

TEST_F(SizingBarTest, DraggingTheEdgeSizesTheBarWithinItsLimitsHoweverTheResizeEnds)
{
    CORXSizingControlBar* pBar = NewBar(CBRS_LEFT, CSize(150, 150));
    enum End
    {
        endLeftUp,
        endRightDown,
        endCaptureLost
    };
    auto drag = [&](int dx, End end) {
        CRect rect;
        pBar->GetWindowRect(rect);
        CPoint ptStart(rect.right - 3, rect.CenterPoint().y);
        pBar->SendMessage(WM_NCLBUTTONDOWN, HTRIGHT, MAKELPARAM(ptStart.x, ptStart.y));
        EXPECT_TRUE(pBar->IsTracking());
        EXPECT_EQ(pBar->GetSafeHwnd(), ::GetCapture());
        CPoint pt(ptStart.x + dx, ptStart.y);
        pBar->ScreenToClient(&pt);
        pBar->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        if (end == endCaptureLost)
            m_pFrame->SetCapture();
        else
            pBar->SendMessage(end == endRightDown ? WM_RBUTTONDOWN : WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
        EXPECT_FALSE(pBar->IsTracking());
        EXPECT_NE(pBar->GetSafeHwnd(), ::GetCapture());
        ::ReleaseCapture();
        pBar->GetWindowRect(rect);
        return rect.Width();
    };
    EXPECT_EQ(190, drag(40, endLeftUp));
    EXPECT_EQ(190, pBar->GetVertSize().cx);
    // The right button and a capture taken away end the resize too, with the size reached.
    EXPECT_EQ(130, drag(-60, endRightDown));
    EXPECT_EQ(130, pBar->GetVertSize().cx);
    EXPECT_EQ(160, drag(30, endCaptureLost));
    EXPECT_EQ(33, drag(-400, endLeftUp));
    pBar->SetMaxSize(220, -1);
    EXPECT_EQ(220, drag(400, endLeftUp));
}

TEST_F(DockedSizingBarTest, OnlyTheEdgeBetweenTwoBarsOfTheRowSizesTheirLengths)
{
    CORXSizingControlBar* pUpper = &m_first;
    CORXSizingControlBar* pLower = &m_second;
    CRect rectFirst, rectSecond;
    m_first.GetWindowRect(rectFirst);
    m_second.GetWindowRect(rectSecond);
    if (rectSecond.top < rectFirst.top)
        std::swap(pUpper, pLower);
    CRect rectUpper, rectLower;
    pUpper->GetWindowRect(rectUpper);
    pLower->GetWindowRect(rectLower);
    EXPECT_EQ(rectUpper.bottom, rectLower.top);
    const int x = rectUpper.CenterPoint().x;
    EXPECT_EQ((LRESULT)HTBOTTOM, pUpper->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(x, rectUpper.bottom - 3)));
    EXPECT_NE((LRESULT)HTBOTTOM, pLower->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(x, rectLower.bottom - 3)));
    EXPECT_NE((LRESULT)HTTOP, pLower->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(x, rectLower.top + 2)));
}

TEST_F(DockedSizingBarTest, BarsThatSharedTheRowEquallyStillDoAfterAResize)
{
    CORXSizingControlBar third;
    ASSERT_TRUE(
        third.Create(_T("Third"), m_pFrame, CSize(150, 120), TRUE, kBarID + 2, WS_CHILD | WS_VISIBLE));
    third.EnableDocking(CBRS_ALIGN_ANY);
    std::vector<CORXSizingControlBar*> row = {&m_first, &m_second};
    auto byTop = [](CORXSizingControlBar* a, CORXSizingControlBar* b) {
        CRect ra, rb;
        a->GetWindowRect(ra);
        b->GetWindowRect(rb);
        return ra.top < rb.top;
    };
    std::sort(row.begin(), row.end(), byTop);
    CRect rect;
    row[1]->GetWindowRect(rect);
    rect.OffsetRect(0, rect.Height() / 2);
    m_pFrame->DockControlBar(&third, AFX_IDW_DOCKBAR_LEFT, rect);
    row.push_back(&third);
    m_pFrame->RecalcLayout();
    std::sort(row.begin(), row.end(), byTop);
    // The three share the row equally.
    const int nRow = Height(*row[0]) + Height(*row[1]) + Height(*row[2]);
    const int nShare = nRow / 3;
    const int nFirst = nRow - 2 * nShare;
    row[0]->SetVertSize(CSize(150, nFirst));
    row[1]->SetVertSize(CSize(150, nShare));
    row[2]->SetVertSize(CSize(150, nShare));
    m_pFrame->RecalcLayout();
    ASSERT_EQ(nFirst, Height(*row[0]));
    ASSERT_EQ(nShare, Height(*row[1]));
    ASSERT_EQ(nShare, Height(*row[2]));

    // The edge below the first bar goes down 30 pixels: the two bars below it give 15 each.
    auto dragBottom = [&](CORXSizingControlBar* pBar, int dy) {
        CRect rectBar;
        pBar->GetWindowRect(rectBar);
        CPoint ptStart(rectBar.CenterPoint().x, rectBar.bottom - 3);
        ASSERT_EQ((LRESULT)HTBOTTOM, pBar->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(ptStart.x, ptStart.y)));
        pBar->SendMessage(WM_NCLBUTTONDOWN, HTBOTTOM, MAKELPARAM(ptStart.x, ptStart.y));
        CPoint pt(ptStart.x, ptStart.y + dy);
        pBar->ScreenToClient(&pt);
        pBar->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        pBar->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    };
    dragBottom(row[0], 30);
    EXPECT_EQ(nFirst + 30, Height(*row[0]));
    EXPECT_EQ(nShare - 15, Height(*row[1]));
    EXPECT_EQ(nShare - 15, Height(*row[2]));
    EXPECT_EQ(nShare - 15, row[2]->GetVertSize().cy);

    // Dragged further than the bars below can give, they stop at their minimums.
    dragBottom(row[0], 400);
    EXPECT_EQ(32, Height(*row[1]));
    EXPECT_EQ(32, Height(*row[2]));
    EXPECT_EQ(nRow - 64, Height(*row[0]));
    third.DestroyWindow();
}

TEST_F(DockedSizingBarTest, ABarKeepsItsButtonsAndEdgesInStepWithItsRowWhereverItStays)
{
    CORXSizingControlBar* pUpper = &m_first;
    CORXSizingControlBar* pLower = &m_second;
    CRect rectFirst, rectSecond;
    m_first.GetWindowRect(rectFirst);
    m_second.GetWindowRect(rectSecond);
    if (rectSecond.top < rectFirst.top)
        std::swap(pUpper, pLower);
    // Held to its height, the upper bar keeps its rectangle while its neighbour comes and goes.
    const int nHeld = Height(*pUpper) - 10;
    pUpper->SetMaxSize(-1, nHeld);
    m_pFrame->RecalcLayout();
    CRect rectRow, rectClientRow;
    pUpper->GetWindowRect(rectRow);
    pUpper->GetClientRect(rectClientRow);
    ASSERT_EQ(nHeld, rectRow.Height());
    EXPECT_FALSE(pUpper->GetExpandButtonRect().IsRectEmpty());
    EXPECT_NE(0u, pUpper->GetSideBorders() & 8);

    m_pFrame->ShowControlBar(pLower, FALSE, FALSE);
    CRect rectAlone, rectClientAlone;
    pUpper->GetWindowRect(rectAlone);
    pUpper->GetClientRect(rectClientAlone);
    EXPECT_EQ(rectRow, rectAlone);
    EXPECT_TRUE(pUpper->IsAloneInRow());
    EXPECT_TRUE(pUpper->GetExpandButtonRect().IsRectEmpty());
    EXPECT_EQ(0u, pUpper->GetSideBorders() & 8);
    // The strip of the edge that went is client area again.
    EXPECT_EQ(rectClientRow.Height() + 6, rectClientAlone.Height());

    m_pFrame->ShowControlBar(pLower, TRUE, FALSE);
    pUpper->GetWindowRect(rectAlone);
    EXPECT_EQ(rectRow, rectAlone);
    EXPECT_FALSE(pUpper->IsAloneInRow());
    EXPECT_FALSE(pUpper->GetExpandButtonRect().IsRectEmpty());
    EXPECT_NE(0u, pUpper->GetSideBorders() & 8);
}

TEST_F(DockedSizingBarTest, ACaptionButtonActsWhenReleasedOverItHoweverTheReleaseArrives)
{
    auto center = [&](CRect rectButton) {
        CRect rectWindow;
        m_first.GetWindowRect(rectWindow);
        return rectButton.CenterPoint() + rectWindow.TopLeft();
    };
    auto press = [&](UINT nHit, CPoint pt) {
        m_first.SendMessage(WM_NCLBUTTONDOWN, nHit, MAKELPARAM(pt.x, pt.y));
        EXPECT_EQ(m_first.GetSafeHwnd(), ::GetCapture());
    };
    const CPoint ptExpand = center(m_first.GetExpandButtonRect());

    // Released elsewhere, the press comes to nothing; released over the button, it expands.
    press(ORX_HTEXPAND, ptExpand);
    m_first.SendMessage(WM_NCLBUTTONUP, HTCAPTION, MAKELPARAM(ptExpand.x, ptExpand.y + 40));
    EXPECT_FALSE(m_first.IsExpanded());
    EXPECT_NE(m_first.GetSafeHwnd(), ::GetCapture());
    press(ORX_HTEXPAND, ptExpand);
    m_first.SendMessage(WM_NCLBUTTONUP, ORX_HTEXPAND, MAKELPARAM(ptExpand.x, ptExpand.y));
    EXPECT_TRUE(m_first.IsExpanded());
    EXPECT_NE(m_first.GetSafeHwnd(), ::GetCapture());
    // A release without a press does nothing.
    m_first.SendMessage(WM_NCLBUTTONUP, ORX_HTEXPAND, MAKELPARAM(ptExpand.x, ptExpand.y));
    EXPECT_TRUE(m_first.IsExpanded());

    // The captured release arrives in client co-ordinates.
    const CPoint ptExpandNow = center(m_first.GetExpandButtonRect());
    press(ORX_HTEXPAND, ptExpandNow);
    CPoint ptClient(ptExpandNow);
    m_first.ScreenToClient(&ptClient);
    m_first.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptClient.x, ptClient.y));
    EXPECT_FALSE(m_first.IsExpanded());

    const CPoint ptHide = center(m_first.GetHideButtonRect());
    press(ORX_HTHIDE, ptHide);
    m_first.SendMessage(WM_NCLBUTTONUP, ORX_HTHIDE, MAKELPARAM(ptHide.x, ptHide.y));
    EXPECT_FALSE(m_first.IsVisible());
}

namespace
{
// A bar whose caption can be drawn into any DC.
class CCaptionProbeBar : public CORXSizingControlBar
{
public:
    using CORXSizingControlBar::DrawCaption;
};

// The pixels that the bar's title adds to its gripper: the caption drawn with the title and
// without it, compared.
std::vector<CPoint> TitlePixels(CCaptionProbeBar* pBar, LPCTSTR pszTitle)
{
    CRect rectWindow;
    pBar->GetWindowRect(rectWindow);
    CRect rectLocal(0, 0, rectWindow.Width(), rectWindow.Height());
    auto render = [&](LPCTSTR pszText) {
        pBar->SetWindowText(pszText);
        HDC hScreen = ::GetDC(NULL);
        CDC dc;
        dc.Attach(::CreateCompatibleDC(hScreen));
        HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, rectLocal.Width(), rectLocal.Height());
        ::ReleaseDC(NULL, hScreen);
        HGDIOBJ hOld = ::SelectObject(dc.GetSafeHdc(), hBitmap);
        dc.FillSolidRect(rectLocal, RGB(0, 0, 0));
        pBar->DrawCaption(&dc, rectLocal);
        std::vector<COLORREF> pixels;
        for (int y = 0; y < rectLocal.Height(); y++)
            for (int x = 0; x < rectLocal.Width(); x++)
                pixels.push_back(dc.GetPixel(x, y));
        ::SelectObject(dc.GetSafeHdc(), hOld);
        ::DeleteObject(hBitmap);
        ::DeleteDC(dc.Detach());
        return pixels;
    };
    std::vector<COLORREF> withTitle = render(pszTitle);
    std::vector<COLORREF> without = render(_T(""));
    std::vector<CPoint> result;
    for (size_t i = 0; i < withTitle.size(); i++)
        if (withTitle[i] != without[i])
            result.push_back(CPoint((int)(i % rectLocal.Width()), (int)(i / rectLocal.Width())));
    return result;
}

CRect Bounds(const std::vector<CPoint>& points)
{
    CRect rect(INT_MAX, INT_MAX, INT_MIN, INT_MIN);
    for (const CPoint& pt : points)
    {
        rect.left = std::min(rect.left, pt.x);
        rect.top = std::min(rect.top, pt.y);
        rect.right = std::max(rect.right, pt.x + 1);
        rect.bottom = std::max(rect.bottom, pt.y + 1);
    }
    return rect;
}
} // namespace

TEST_F(SizingBarTest, TheTitleShowsInTheGripperOnEverySide)
{
    const LPCTSTR kTitle = _T("Zones and clocks");
    // Docked top or bottom the gripper stands on the left: the title runs upwards from its foot,
    // below the buttons; docked left or right it lies along the top, left of the buttons.
    const DWORD sides[] = {CBRS_TOP, CBRS_BOTTOM, CBRS_LEFT, CBRS_RIGHT};
    for (DWORD dwSide : sides)
    {
        CCaptionProbeBar* pBar = new CCaptionProbeBar;
        m_bars.push_back(pBar);
        ASSERT_TRUE(
            pBar->Create(kTitle, m_pFrame, CSize(220, 220), TRUE, kBarID, WS_CHILD | WS_VISIBLE | dwSide));
        // A gripper well thicker than the text shows where across it the title starts.
        pBar->m_cyGripper = 30;
        pBar->SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
        m_pFrame->RecalcLayout();
        const CRect rectGripper = pBar->GetGripperRect();
        ASSERT_EQ(30,
                  dwSide == CBRS_TOP || dwSide == CBRS_BOTTOM ? rectGripper.Width() : rectGripper.Height());
        const CRect rectHide = pBar->GetHideButtonRect();
        std::vector<CPoint> pixels = TitlePixels(pBar, kTitle);
        ASSERT_GT(pixels.size(), 30u) << "side " << dwSide;
        CRect rectText = Bounds(pixels);
        CRect rectInGripper;
        EXPECT_EQ(rectText, rectInGripper.IntersectRect(rectText, rectGripper) ? rectInGripper : CRect())
            << "side " << dwSide;
        if (dwSide == CBRS_TOP || dwSide == CBRS_BOTTOM)
        {
            EXPECT_GT(rectText.Height(), 2 * rectText.Width()) << "side " << dwSide;
            EXPECT_GE(rectText.top, rectHide.bottom) << "side " << dwSide;
            EXPECT_GE(rectText.bottom, rectGripper.bottom - 3 - 4) << "side " << dwSide;
            EXPECT_LE(rectText.bottom, rectGripper.bottom - 3 + 1) << "side " << dwSide;
            // It starts at the gripper's left edge: no more than the font's leading lies before it.
            HDC hScreen = ::GetDC(NULL);
            HGDIOBJ hOld = ::SelectObject(hScreen, globalData.fontVertCaption.GetSafeHandle());
            TEXTMETRIC tm;
            ::GetTextMetrics(hScreen, &tm);
            ::SelectObject(hScreen, hOld);
            ::ReleaseDC(NULL, hScreen);
            EXPECT_GE(rectText.left, rectGripper.left) << "side " << dwSide;
            EXPECT_LE(rectText.left, rectGripper.left + tm.tmInternalLeading + 1) << "side " << dwSide;
        }
        else
        {
            EXPECT_GT(rectText.Width(), 2 * rectText.Height()) << "side " << dwSide;
            EXPECT_LE(rectText.right, rectHide.left) << "side " << dwSide;
            EXPECT_LE(rectText.left, rectGripper.left + 3 + 2) << "side " << dwSide;
            // The framework's caption font, not the menu font, sets the text's length.
            HDC hScreen = ::GetDC(NULL);
            HGDIOBJ hOld = ::SelectObject(hScreen, globalData.fontHorzCaption.GetSafeHandle());
            SIZE sizeText;
            ::GetTextExtentPoint32(hScreen, kTitle, lstrlen(kTitle), &sizeText);
            ::SelectObject(hScreen, hOld);
            ::ReleaseDC(NULL, hScreen);
            EXPECT_NEAR(sizeText.cx, rectText.Width(), 3) << "side " << dwSide;
        }
        pBar->DestroyWindow();
    }
}

TEST_F(SizingBarTest, ABarLeavesTheListOfAllBarsHoweverItGoes)
{
    // Destroyed first, then deleted; and deleted with its window still up, which only the
    // destructor sees. A redraw of all bars afterwards must not reach either.
    CORXSizingControlBar* pDestroyed = new CORXSizingControlBar;
    CORXSizingControlBar* pDeleted = new CORXSizingControlBar;
    ASSERT_TRUE(pDestroyed->Create(_T("A"), m_pFrame, CSize(100, 100), TRUE, kBarID, WS_CHILD | WS_VISIBLE));
    ASSERT_TRUE(
        pDeleted->Create(_T("B"), m_pFrame, CSize(100, 100), TRUE, kBarID + 1, WS_CHILD | WS_VISIBLE));
    EXPECT_TRUE(gAllSizingControlBars.Find(pDestroyed) != NULL);
    EXPECT_TRUE(gAllSizingControlBars.Find(pDeleted) != NULL);
    EXPECT_TRUE(CORXSizingControlBar::GetAllSizingBars().Find(pDeleted) != NULL);

    pDestroyed->DestroyWindow();
    EXPECT_TRUE(gAllSizingControlBars.Find(pDestroyed) == NULL);
    delete pDestroyed;
    HWND hWndDeleted = pDeleted->GetSafeHwnd();
    delete pDeleted;
    EXPECT_FALSE(::IsWindow(hWndDeleted));
    EXPECT_TRUE(gAllSizingControlBars.Find(pDeleted) == NULL);
    EXPECT_TRUE(CORXSizingControlBar::GetAllSizingBars().Find(pDeleted) == NULL);
    CORXVisualManager::RedrawAll();
}

namespace
{
// Posts a mouse message as the drag loop would get it, in the client co-ordinates of a window
// that stays where it is.
void PostMouse(CWnd* pWnd, UINT nMsg, CPoint ptScreen)
{
    pWnd->ScreenToClient(&ptScreen);
    pWnd->PostMessage(nMsg, nMsg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(ptScreen.x, ptScreen.y));
}
} // namespace

TEST_F(DockedSizingBarTest, AFloatingFrameFollowsTheCursorAndDocksWhereItIsLetGo)
{
    m_pFrame->m_pFloatingFrameClass = RUNTIME_CLASS(CORXMiniDockFrameWnd);
    m_pFrame->FloatControlBar(&m_first, CPoint(300, 300));
    CORXMiniDockFrameWnd* pMini = DYNAMIC_DOWNCAST(CORXMiniDockFrameWnd, m_first.GetParentFrame());
    ASSERT_TRUE(pMini != NULL);
    const HWND hWndMini = pMini->GetSafeHwnd();
    auto frameAt = [&]() {
        CRect rect;
        pMini->GetWindowRect(rect);
        return rect.TopLeft();
    };
    const CPoint ptStart = frameAt();
    const CPoint ptPress(ptStart.x + 20, ptStart.y + 8);

    // Let go away from the frame's dock bars, the frame stays where it was carried: its top 5
    // pixels above the cursor, its left edge as far from it as at the press.
    const CPoint ptAway(820, 660);
    PostMouse(m_pFrame, WM_MOUSEMOVE, CPoint(700, 600));
    PostMouse(m_pFrame, WM_LBUTTONUP, ptAway);
    EXPECT_FALSE(pMini->TrackDockBack(ptPress));
    ASSERT_TRUE(::IsWindow(hWndMini));
    EXPECT_TRUE(m_first.IsFloating());
    const CPoint ptMoved(ptAway.x - 20, ptAway.y - 5);
    EXPECT_EQ(ptMoved, frameAt());
    EXPECT_EQ(ptMoved, CORXMiniDockFrameWnd::FramePosForCursor(ptAway, 20));
    EXPECT_EQ(ptMoved, m_first.m_pDockContext->m_ptMRUFloatPos);

    // Escape, or the right button (down and up), puts the frame back.
    const CPoint ptPress2(ptMoved.x + 20, ptMoved.y + 8);
    PostMouse(m_pFrame, WM_MOUSEMOVE, CPoint(900, 700));
    m_pFrame->PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_FALSE(pMini->TrackDockBack(ptPress2));
    EXPECT_EQ(ptMoved, frameAt());
    PostMouse(m_pFrame, WM_MOUSEMOVE, CPoint(900, 700));
    PostMouse(m_pFrame, WM_RBUTTONDOWN, CPoint(900, 700));
    PostMouse(m_pFrame, WM_LBUTTONUP, CPoint(900, 700));
    PostMouse(m_pFrame, WM_RBUTTONUP, CPoint(900, 700));
    EXPECT_FALSE(pMini->TrackDockBack(ptPress2));
    EXPECT_EQ(ptMoved, frameAt());
    EXPECT_TRUE(m_first.IsFloating());

    // A press that does not move leaves it too.
    PostMouse(m_pFrame, WM_LBUTTONUP, ptPress2);
    EXPECT_FALSE(pMini->TrackDockBack(ptPress2));
    EXPECT_EQ(ptMoved, frameAt());

    // Over the top dock bar the bar docks there, lying, and its frame closes.
    CRect rectTop;
    m_pFrame->GetControlBar(AFX_IDW_DOCKBAR_TOP)->GetWindowRect(rectTop);
    const CPoint ptTop(rectTop.left + 200, rectTop.top);
    PostMouse(m_pFrame, WM_MOUSEMOVE, CPoint(400, 200));
    PostMouse(m_pFrame, WM_LBUTTONUP, ptTop);
    EXPECT_TRUE(pMini->TrackDockBack(ptPress2));
    EXPECT_FALSE(::IsWindow(hWndMini));
    EXPECT_FALSE(m_first.IsFloating());
    EXPECT_EQ(AFX_IDW_DOCKBAR_TOP, m_first.GetDockBarID());
    CRect rectBar;
    m_first.GetWindowRect(rectBar);
    EXPECT_EQ(m_first.GetHorzSize().cy, rectBar.Height());
    EXPECT_EQ((UINT)AFX_IDW_DOCKBAR_TOP, m_first.m_pDockContext->m_uMRUDockID);
}
