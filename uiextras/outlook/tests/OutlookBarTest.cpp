// The shortcut bar: where its page buttons, shortcuts and scroll buttons go and how far a step
// scrolls; its pages and shown shortcuts, scrolling, sizing edge, customise menu and stored state.
#include <gtest/gtest.h>

#include <vector>

#include "ORXGlobalData.h"
#include "ORXOutlookBar.h"
#include "ORXOutlookLayout.h"
#include "ORXPopupMenu.h"
#include "ORXPopupMenuBar.h"
#include "ORXWorkspace.h"
#include "TestDrawing.h"
#include "TestPageButton.h"
#include "TestSupport.h"
#include "TestWindows.h"
#include "TestWorkspace.h"

#include <afxole.h>

namespace
{
CORXOutlookLayout VerticalLayout(int nShortcuts, int iFirst)
{
    CORXOutlookLayout layout;
    layout.m_rectClient = CRect(0, 0, 100, 300);
    layout.m_nPages = 3;
    layout.m_iActivePage = 1;
    layout.m_nPageButtonsShown = 3;
    layout.m_nPageButtonExtent = 20;
    layout.m_nSpacing = 4;
    layout.m_sizeScrollButton = CSize(16, 16);
    for (int i = 0; i < nShortcuts; i++)
        layout.m_arShortcuts.push_back(CSize(60, 50));
    layout.m_iFirstVisible = iFirst;
    layout.Calculate();
    return layout;
}

class CTestOutlookBar : public CORXOutlookBar
{
public:
    int m_nPlaced = 0;
    void PlaceButtons() override
    {
        m_nPlaced++;
        CORXOutlookBar::PlaceButtons();
    }
    std::vector<BYTE> StoreToolBarPart()
    {
        return StoreToBytes([this](CArchive& ar) { CORXToolBar::Serialize(ar); });
    }
    int CountHiddenOfPage(int iPageID)
    {
        int nHidden = 0;
        for (int i = 0; i < GetCount(); i++)
        {
            CORXOutlookButton* pButton = DYNAMIC_DOWNCAST(CORXOutlookButton, GetButton(i));
            if (pButton != NULL && pButton->GetPageID() == iPageID && pButton->IsHidden())
                nHidden++;
        }
        return nHidden;
    }
};

// The pointer put on a point of the window; FALSE when the display does not move it.
BOOL PointerAt(CWnd& wnd, CPoint point)
{
    wnd.ClientToScreen(&point);
    ::SetCursorPos(point.x, point.y);
    CPoint now;
    ::GetCursorPos(&now);
    return now == point;
}

CPoint PointerInClient(CWnd& wnd)
{
    CPoint point;
    ::GetCursorPos(&point);
    wnd.ScreenToClient(&point);
    return point;
}

class OutlookBar : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(parent.CreateHidden(400, 600)); }
    // A bar 120 pixels wide and nHeight high with two pages: twelve shortcuts and two.
    void MakeBar(CTestOutlookBar& bar, int nHeight, UINT nID = 500)
    {
        ASSERT_TRUE(bar.Create(&parent, WS_CHILD | WS_VISIBLE | CBRS_LEFT, nID));
        bar.MoveWindow(0, 0, 120, nHeight);
        ASSERT_EQ(0, bar.AddPage(1, _T("Clocks")));
        ASSERT_EQ(1, bar.AddPage(2, _T("Alarms")));
        for (int i = 0; i < 12; i++)
            ASSERT_TRUE(bar.AddShortcut(0x8100 + i, 0, _T("Clock"), 1));
        for (int i = 0; i < 2; i++)
            ASSERT_TRUE(bar.AddShortcut(0x8200 + i, 1, _T("Alarm"), 2));
    }
    CHiddenTestParent parent;
};
} // namespace

TEST(OutlookLayout, PageButtonsAboveAndBelowTheActivePagesShortcuts)
{
    CORXOutlookLayout layout = VerticalLayout(5, 0);
    EXPECT_EQ(CRect(0, 0, 100, 20), layout.m_arPageRects[0]);
    EXPECT_EQ(CRect(0, 20, 100, 40), layout.m_arPageRects[1]); // the active page's button
    EXPECT_EQ(CRect(0, 280, 100, 300), layout.m_arPageRects[2]);
    EXPECT_EQ(CRect(0, 40, 100, 280), layout.m_rectShortcutArea);
    // Centred across, a gap before each.
    EXPECT_EQ(CRect(20, 44, 80, 94), layout.m_arShortcutRects[0]);
    EXPECT_EQ(CRect(20, 98, 80, 148), layout.m_arShortcutRects[1]);
    EXPECT_EQ(CRect(20, 260, 80, 310), layout.m_arShortcutRects[4]);
    // The last one runs past the area: only the down button shows, in the area's lower corner.
    EXPECT_TRUE(layout.m_bCanScrollDown);
    EXPECT_TRUE(layout.m_rectScrollUp.IsRectEmpty());
    EXPECT_EQ(CRect(82, 262, 98, 278), layout.m_rectScrollDown);

    // Scrolled by two: the third shortcut leads and the up button shows.
    CORXOutlookLayout scrolled = VerticalLayout(5, 2);
    EXPECT_EQ(108, scrolled.m_nScrollPos);
    EXPECT_EQ(44, scrolled.m_arShortcutRects[2].top);
    EXPECT_EQ(CRect(82, 42, 98, 58), scrolled.m_rectScrollUp);
    EXPECT_FALSE(scrolled.m_bCanScrollDown);

    // Fewer page buttons than pages: the later pages have none; no active page: all on top.
    CORXOutlookLayout fewer = VerticalLayout(0, 0);
    fewer.m_nPageButtonsShown = 1;
    fewer.m_iActivePage = -1;
    fewer.Calculate();
    EXPECT_EQ(CRect(0, 0, 100, 20), fewer.m_arPageRects[0]);
    EXPECT_TRUE(fewer.m_arPageRects[1].IsRectEmpty());
    EXPECT_TRUE(fewer.m_arPageRects[2].IsRectEmpty());
    EXPECT_EQ(CRect(0, 20, 100, 300), fewer.m_rectShortcutArea);
    EXPECT_FALSE(fewer.m_bCanScrollDown);

    // Along a horizontal edge the page buttons share one row and the shortcuts run across.
    CORXOutlookLayout horz;
    horz.m_rectClient = CRect(0, 0, 300, 60);
    horz.m_bHorz = TRUE;
    horz.m_nPages = 2;
    horz.m_iActivePage = 0;
    horz.m_nPageButtonsShown = 2;
    horz.m_nPageButtonExtent = 20;
    horz.m_arShortcuts.push_back(CSize(50, 30));
    horz.Calculate();
    EXPECT_EQ(CRect(0, 0, 150, 20), horz.m_arPageRects[0]);
    EXPECT_EQ(CRect(150, 0, 300, 20), horz.m_arPageRects[1]);
    EXPECT_EQ(CRect(4, 25, 54, 55), horz.m_arShortcutRects[0]);
}

TEST(OutlookLayout, StepsMoveAtLeastOneShortcutAndStayInRange)
{
    CORXOutlookLayout layout = VerticalLayout(5, 0);
    EXPECT_EQ(4, layout.GetPageStep()); // 240 pixels of area, 54 a shortcut
    EXPECT_EQ(4, layout.StepTarget(4));
    // A step past the end goes only as far as shows the last shortcut whole.
    EXPECT_EQ(1, layout.StepTarget(40));
    EXPECT_EQ(0, layout.StepTarget(-1));
    EXPECT_EQ(0, VerticalLayout(5, 3).StepTarget(-4));
    // Nothing below the area: a step on stays where it is.
    EXPECT_EQ(3, VerticalLayout(5, 3).StepTarget(1));

    // Neither an area without height nor shortcuts without extent divide by zero: one a step.
    CORXOutlookLayout empty;
    empty.m_rectClient = CRect(0, 0, 100, 0);
    empty.m_nSpacing = 0;
    empty.m_arShortcuts.push_back(CSize(0, 0));
    empty.m_arShortcuts.push_back(CSize(0, 0));
    empty.Calculate();
    EXPECT_EQ(1, empty.GetPageStep());
    CORXOutlookLayout none;
    none.Calculate();
    EXPECT_EQ(1, none.GetPageStep());
    EXPECT_EQ(0, none.StepTarget(1));
    CORXOutlookLayout flat = VerticalLayout(5, 0);
    flat.m_rectClient = CRect(0, 0, 100, 30); // page buttons take more than there is
    flat.Calculate();
    EXPECT_EQ(0, flat.m_rectShortcutArea.Height());
    EXPECT_EQ(1, flat.GetPageStep());

    // Short shortcuts measure a page that reaches past a tall last one still cut off: the step
    // brings the tall one whole into view rather than leave the down button doing nothing.
    CORXOutlookLayout mixed = VerticalLayout(0, 0); // 240 pixels of area
    for (int cy : {30, 30, 30, 30, 200})
        mixed.m_arShortcuts.push_back(CSize(60, cy));
    mixed.Calculate();
    ASSERT_TRUE(mixed.m_bCanScrollDown);
    EXPECT_EQ(7, mixed.GetPageStep());
    EXPECT_EQ(3, mixed.StepTarget(7));
    mixed.m_iFirstVisible = 3;
    mixed.Calculate();
    EXPECT_FALSE(mixed.m_bCanScrollDown);
    EXPECT_EQ(3, mixed.StepTarget(7));
    // A last shortcut taller than the area is the end of the way.
    CORXOutlookLayout tall = VerticalLayout(0, 0);
    tall.m_arShortcuts.assign({CSize(60, 30), CSize(60, 300)});
    tall.Calculate();
    EXPECT_EQ(1, tall.StepTarget(7));
    tall.m_iFirstVisible = 1;
    tall.Calculate();
    ASSERT_TRUE(tall.m_bCanScrollDown);
    EXPECT_EQ(1, tall.StepTarget(7));
    EXPECT_EQ(1, tall.StepTarget(1));

    // A taller bar scrolls back as far as the last shortcut still fits.
    EXPECT_EQ(1, VerticalLayout(5, 4).ScrollBackTarget());
    EXPECT_EQ(0, VerticalLayout(4, 3).ScrollBackTarget());
    // An index past the end is brought back to the last shortcut.
    EXPECT_EQ(4, VerticalLayout(5, 9).m_iFirstVisible);
}

TEST(OutlookButton, ThePageIsAlwaysStoredAndReadByTheVersionThatWroteIt)
{
    CORXOutlookButton button(0x8300, 2, _T("Tokyo"), 7);
    {
        // Saved before any state was read: the version is unknown and the page comes back.
        CTestWorkspace workspace;
        workspace.SetSavedVersion(-1, -1);
        std::vector<BYTE> bytes = StoreToBytes(button);
        CORXOutlookButton back;
        ASSERT_TRUE(LoadsWhole(back, bytes));
        EXPECT_EQ(7, back.GetPageID());
        EXPECT_EQ(0x8300u, back.m_nID);
        EXPECT_EQ(_T("Tokyo"), back.m_strText);
        EXPECT_EQ(7, bytes[bytes.size() - 4]);

        // State written by 4.71 holds the page; by 4.70 it ends before it and the shortcut
        // lands on the first page.
        workspace.SetSavedVersion(4, 71);
        CORXOutlookButton current;
        ASSERT_TRUE(LoadsWhole(current, bytes));
        EXPECT_EQ(7, current.GetPageID());
        workspace.SetSavedVersion(4, 70);
        std::vector<BYTE> older(bytes.begin(), bytes.end() - 4);
        CORXOutlookButton old;
        old.SetPageID(5);
        ASSERT_TRUE(LoadsWhole(old, older));
        EXPECT_EQ(0, old.GetPageID());
        EXPECT_EQ(0x8300u, old.m_nID);
    }
    // Without a workspace the page is read too.
    CORXOutlookButton plain;
    ASSERT_TRUE(LoadsWhole(plain, StoreToBytes(button)));
    EXPECT_EQ(7, plain.GetPageID());

    // Copies and comparisons go by the page as well.
    CORXOutlookButton copy;
    copy.CopyFrom(button);
    EXPECT_EQ(7, copy.GetPageID());
    EXPECT_TRUE(copy.CompareWith(button));
    copy.SetPageID(8);
    EXPECT_FALSE(copy.CompareWith(button));
}

TEST(OutlookButton, LabelUnderTheImageOnAColumnBesideItOnARow)
{
    CHiddenTestParent parent;
    ASSERT_TRUE(parent.CreateHidden());
    CClientDC dc(&parent);
    CORXOutlookButton button(0x8301, 0, _T("Calendar"), 1);
    CRect rectText(0, 0, 0, 0);
    dc.DrawText(_T("Calendar"), rectText, DT_CALCRECT | DT_WORDBREAK);
    CSize column = button.OnCalculateSize(&dc, CSize(100, 38), FALSE);
    EXPECT_EQ(rectText.Width(), column.cx);
    EXPECT_EQ(38 + rectText.Height() + 10, column.cy);
    EXPECT_TRUE(button.IsCenterText());
    button.SetMinSize(80, 0);
    EXPECT_EQ(80, button.OnCalculateSize(&dc, CSize(100, 38), FALSE).cx);
    CSize row = button.OnCalculateSize(&dc, CSize(42, 42), TRUE);
    EXPECT_GE(row.cx, 42 + 10 + 1);
    EXPECT_LE(row.cy, 42);
}

TEST_F(OutlookBar, XpLookFillsAndFramesAPageButtonWithBlackText)
{
    CORXVisualManager::DestroyInstance();
    CORXVisualManager::SetDefaultManager(RUNTIME_CLASS(CORXVisualManagerXP));
    CORXVisualManagerXP* pLook = DYNAMIC_DOWNCAST(CORXVisualManagerXP, CORXVisualManager::GetInstance());
    ASSERT_TRUE(pLook != NULL);
    const COLORREF clrTextSaved = globalData.clrBarText;
    globalData.clrBarText = RGB(0, 0, 0);

    CHotPageButton button;
    ASSERT_TRUE(button.Create(_T("Clocks"), WS_CHILD | BS_OWNERDRAW, CRect(0, 0, 80, 20), &parent, 600));
    button.SetHot(TRUE);
    CTestSurface surface(80, 20, TRUE);
    surface.DC()->FillSolidRect(0, 0, 80, 20, RGB(1, 2, 3));
    button.DrawInto(surface.Handle(), CRect(0, 0, 80, 20));
    EXPECT_EQ(pLook->GetMenuItemBorderColor(), surface.At(0, 0)) << "the look's border";
    EXPECT_EQ(pLook->GetMenuItemBorderColor(), surface.At(79, 19));
    EXPECT_EQ(pLook->GetHighlightColor(), surface.At(3, 3)) << "the look's hot fill, not the button's face";

    button.DestroyWindow();
    globalData.clrBarText = clrTextSaved;
    CORXVisualManager::DestroyInstance();
    CORXVisualManager::SetDefaultManager(RUNTIME_CLASS(CORXVisualManager));
}

namespace
{
// An application's own look made straight from the core one: page buttons in one colour with
// white text; their border it draws only when asked to.
class CPlainPageLook : public CORXVisualManager
{
public:
    static constexpr COLORREF kFill = RGB(10, 120, 30);
    static constexpr COLORREF kFrame = RGB(200, 20, 20);
    BOOL m_bFrame = FALSE;
    int m_nBorders = 0;
    BOOL OnFillOutlookPageButton(CDC* pDC, const CRect& rect, BOOL bIsHighlighted, BOOL bIsPressed,
                                 COLORREF& clrText) override
    {
        pDC->FillSolidRect(rect, kFill);
        clrText = RGB(255, 255, 255);
        return TRUE;
    }
    BOOL OnDrawOutlookPageButtonBorder(CDC* pDC, CRect& rectBtn, BOOL bIsHighlighted,
                                       BOOL bIsPressed) override
    {
        m_nBorders++;
        if (!m_bFrame)
            return FALSE;
        pDC->Draw3dRect(rectBtn, kFrame, kFrame);
        rectBtn.DeflateRect(1, 1);
        return TRUE;
    }
};
} // namespace

TEST_F(OutlookBar, PageButtonsAskWhicheverLookIsActive)
{
    CHotPageButton button;
    ASSERT_TRUE(button.Create(_T("Clocks"), WS_CHILD | BS_OWNERDRAW, CRect(0, 0, 80, 20), &parent, 600));
    CTestSurface surface(80, 20, TRUE);
    auto Draw = [&] {
        surface.DC()->FillSolidRect(0, 0, 80, 20, RGB(1, 2, 3));
        button.DrawInto(surface.Handle(), CRect(0, 0, 80, 20));
    };
    auto CountText = [&](COLORREF clr) { return surface.Count(clr, CRect(3, 3, 77, 17)); };

    // The core look fills none: the button paints its own face and keeps its text colour.
    CORXVisualManager::DestroyInstance();
    CORXVisualManager::SetDefaultManager(RUNTIME_CLASS(CORXVisualManager));
    Draw();
    EXPECT_EQ(globalData.clrBtnFace, surface.At(3, 3));
    EXPECT_EQ((COLORREF)-1, button.GetTextColor());
    CORXVisualManager::DestroyInstance();

    {
        // A look derived from the core one fills through the slot; its text colour is kept, and a
        // declined border leaves the button to draw its own over the look's fill.
        CPlainPageLook look;
        ASSERT_EQ(&look, CORXVisualManager::GetInstance());
        Draw();
        EXPECT_EQ(CPlainPageLook::kFill, surface.At(3, 3));
        EXPECT_EQ(RGB(255, 255, 255), button.GetTextColor());
        EXPECT_GT(CountText(RGB(255, 255, 255)), 0) << "the text in the look's colour";
        EXPECT_EQ(1, look.m_nBorders);
        EXPECT_NE(CPlainPageLook::kFrame, surface.At(0, 0));

        look.m_bFrame = TRUE;
        Draw();
        EXPECT_EQ(CPlainPageLook::kFrame, surface.At(0, 0));
        EXPECT_EQ(CPlainPageLook::kFrame, surface.At(79, 19));
        EXPECT_EQ(CPlainPageLook::kFill, surface.At(3, 3));
    }
    button.DestroyWindow();
    CORXVisualManager::DestroyInstance();
    CORXVisualManager::SetDefaultManager(RUNTIME_CLASS(CORXVisualManager));
}

TEST_F(OutlookBar, PagesChooseTheShortcutsOnShow)
{
    CTestOutlookBar bar;
    MakeBar(bar, 300);
    EXPECT_EQ(-1, bar.AddPage(1, _T("Again")));
    EXPECT_FALSE(bar.AddShortcut(0x8400, 0, _T("Lost"), 9));
    EXPECT_EQ(_T("Shortcuts"), [&] {
        CString s;
        bar.GetWindowText(s);
        return s;
    }());
    EXPECT_EQ(1, bar.GetActivePage());
    EXPECT_EQ(12, bar.GetShownCount());
    EXPECT_EQ(0x8100u, bar.GetShownButton(0)->m_nID);
    EXPECT_EQ(2, bar.CountHiddenOfPage(2));

    EXPECT_FALSE(bar.SetActivePage(9));
    EXPECT_EQ(1, bar.GetActivePage());
    // A click on the second page's button brings its two shortcuts.
    CORXOutlookBarPage* pAlarms = bar.FindPage(2);
    bar.SendMessage(WM_COMMAND, MAKEWPARAM(pAlarms->m_btnPage.GetDlgCtrlID(), BN_CLICKED),
                    (LPARAM)pAlarms->m_btnPage.GetSafeHwnd());
    EXPECT_EQ(2, bar.GetActivePage());
    EXPECT_EQ(2, bar.GetShownCount());
    EXPECT_EQ(0x8201u, bar.GetShownButton(1)->m_nID);
    EXPECT_EQ(12, bar.CountHiddenOfPage(1));
    EXPECT_EQ(0, bar.CountHiddenOfPage(2));
    EXPECT_FALSE(bar.CanScrollDown());
    EXPECT_TRUE(bar.GetScrollDownRect().IsRectEmpty());
    // The page buttons stay in order: the first above the shortcuts, the active one under it.
    EXPECT_LT(bar.FindPage(1)->m_rectButton.bottom, bar.GetShortcutArea().top + 1);
    EXPECT_EQ(bar.GetShortcutArea().top, pAlarms->m_rectButton.bottom);

    // Removing the active page takes its shortcuts and opens the first page again.
    EXPECT_TRUE(bar.RemovePage(2));
    EXPECT_FALSE(bar.RemovePage(2));
    EXPECT_EQ(1, bar.GetActivePage());
    EXPECT_EQ(12, bar.GetCount());
}

TEST_F(OutlookBar, ScrollButtonsPageThroughWhatDoesNotFit)
{
    CTestOutlookBar bar;
    MakeBar(bar, 300);
    ASSERT_TRUE(bar.CanScrollDown());
    EXPECT_FALSE(bar.GetScrollDownRect().IsRectEmpty());
    EXPECT_TRUE(bar.GetScrollUpRect().IsRectEmpty());
    EXPECT_FALSE(bar.ScrollUp());

    EXPECT_TRUE(bar.ScrollDown());
    EXPECT_EQ(1, bar.GetFirstVisible());
    EXPECT_GT(bar.GetScrollPos(), 0);
    EXPECT_TRUE(bar.GetShownButton(0)->IsHidden());
    EXPECT_FALSE(bar.GetScrollUpRect().IsRectEmpty());
    EXPECT_TRUE(bar.ScrollUp());
    EXPECT_EQ(0, bar.GetFirstVisible());
    EXPECT_EQ(0, bar.GetScrollPos());

    // A page at a time: as many as fit, never fewer than one; on to the end and no further.
    bar.EnablePageScroll();
    EXPECT_TRUE(bar.ScrollDown());
    const int nStep = bar.GetFirstVisible();
    EXPECT_GT(nStep, 1);
    while (bar.ScrollDown())
        ;
    EXPECT_FALSE(bar.CanScrollDown());
    EXPECT_FALSE(bar.GetShownButton(11)->IsHidden());
    EXPECT_TRUE(bar.GetScrollDownRect().IsRectEmpty());

    // A click on the scroll-up button steps back; holding it is the timer's business.
    CRect rectUp = bar.GetScrollUpRect();
    ASSERT_FALSE(rectUp.IsRectEmpty());
    const int iBefore = bar.GetFirstVisible();
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rectUp.CenterPoint().x, rectUp.CenterPoint().y));
    bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(rectUp.CenterPoint().x, rectUp.CenterPoint().y));
    EXPECT_EQ(std::max(0, iBefore - nStep), bar.GetFirstVisible());
    // The press that scrolls its own button away still lets the mouse go on button up.
    bar.EnablePageScroll(FALSE);
    while (bar.GetFirstVisible() > 1)
        bar.ScrollUp();
    rectUp = bar.GetScrollUpRect();
    ASSERT_FALSE(rectUp.IsRectEmpty());
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rectUp.CenterPoint().x, rectUp.CenterPoint().y));
    EXPECT_EQ(0, bar.GetFirstVisible());
    EXPECT_TRUE(bar.GetScrollUpRect().IsRectEmpty());
    bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(rectUp.CenterPoint().x, rectUp.CenterPoint().y));
    EXPECT_NE(bar.GetSafeHwnd(), ::GetCapture());

    // Growing the bar scrolls back: no empty room stays below the last shortcut.
    bar.MoveWindow(0, 0, 120, 2000);
    EXPECT_EQ(0, bar.GetFirstVisible());
    EXPECT_FALSE(bar.CanScrollDown());
    EXPECT_EQ(0, bar.CountHiddenOfPage(1));
}

TEST_F(OutlookBar, ARowScrollsBackWithTheRightArrowAndOnWithTheLeft)
{
    CTestOutlookBar bar;
    ASSERT_TRUE(bar.Create(&parent, WS_CHILD | WS_VISIBLE | CBRS_TOP, 540));
    bar.SetExtent(60);
    bar.MoveWindow(0, 0, 200, 60);
    ASSERT_EQ(0, bar.AddPage(1, _T("Clocks")));
    for (int i = 0; i < 12; i++)
        ASSERT_TRUE(bar.AddShortcut(0x8800 + i, 0, _T("Clock"), 1));
    ASSERT_TRUE(bar.ScrollDown());
    const CRect rectUp = bar.GetScrollUpRect(), rectDown = bar.GetScrollDownRect();
    ASSERT_FALSE(rectUp.IsRectEmpty());
    ASSERT_FALSE(rectDown.IsRectEmpty());

    CTestSurface surfaceBar(200, 60, TRUE), surfaceImage(20, 20, TRUE);
    bar.DoPaint(surfaceBar.DC());
    const CSize size = CORXMenuImages::Size();
    // The arrow of each button, pixel for pixel, is the shared image the row gives it.
    auto shows = [&](const CRect& rect, CORXMenuImages::IMAGES_IDS id) {
        surfaceImage.DC()->FillSolidRect(0, 0, 20, 20, globalData.clrBarFace);
        CORXMenuImages::Draw(surfaceImage.DC(), id, CPoint(0, 0));
        const CPoint pt(rect.left + (rect.Width() - size.cx) / 2, rect.top + (rect.Height() - size.cy) / 2);
        for (int y = 0; y < size.cy; y++)
            for (int x = 0; x < size.cx; x++)
                if (surfaceImage.At(x, y) != surfaceBar.At(pt.x + x, pt.y + y))
                    return FALSE;
        return TRUE;
    };
    EXPECT_TRUE(shows(rectUp, CORXMenuImages::IdArowRight));
    EXPECT_TRUE(shows(rectDown, CORXMenuImages::IdArowLeft));
}

TEST_F(OutlookBar, SizingEdgeNeverLeavesLessThanItsOwnStrip)
{
    CTestOutlookBar bar;
    MakeBar(bar, 300);
    // Docked left: the edge is the right-hand strip.
    auto drag = [&](int xTo) {
        CRect rectClient;
        bar.GetClientRect(rectClient);
        bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rectClient.right - 1, 100));
        bar.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM((WORD)(short)xTo, 100));
        bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM((WORD)(short)xTo, 100));
    };
    drag(200);
    EXPECT_EQ(203, bar.GetExtent());
    EXPECT_EQ(203, bar.CalcFixedLayout(FALSE, FALSE).cx);
    bar.MoveWindow(0, 0, 120, 300);
    drag(-40);
    EXPECT_EQ(3, bar.GetExtent());
    bar.SetExtent(-10);
    EXPECT_EQ(3, bar.CalcFixedLayout(TRUE, TRUE).cy);
}

// A frame that counts the times it lays itself out.
class CCountingFrame : public CFrameWnd
{
public:
    int m_nLaidOut = 0;
    void RecalcLayout(BOOL bNotify = TRUE) override
    {
        m_nLaidOut++;
        CFrameWnd::RecalcLayout(bNotify);
    }
};

TEST_F(OutlookBar, CancelledSizingKeepsTheExtentAndLaysTheFrameOut)
{
    CPointerLock pointer;
    CCountingFrame* pFrame = new CCountingFrame;
    ASSERT_TRUE(pFrame->Create(NULL, _T("Shortcut frame"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 400)));
    const HWND hFrame = pFrame->GetSafeHwnd();
    {
        CTestOutlookBar bar;
        ASSERT_TRUE(bar.Create(pFrame, WS_CHILD | WS_VISIBLE | CBRS_LEFT, 510));
        bar.MoveWindow(0, 0, 120, 300);
        const int nExtent = bar.GetExtent();
        CRect rectClient;
        bar.GetClientRect(rectClient);
        bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rectClient.right - 1, 100));
        ASSERT_EQ(bar.GetSafeHwnd(), ::GetCapture());
        bar.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(60, 100));
        const int nLaidOut = pFrame->m_nLaidOut;
        bar.SendMessage(WM_CANCELMODE);
        EXPECT_EQ(nExtent, bar.GetExtent());
        EXPECT_GT(pFrame->m_nLaidOut, nLaidOut);
        EXPECT_NE(bar.GetSafeHwnd(), ::GetCapture());
        // The release that follows sizes nothing.
        bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(60, 100));
        EXPECT_EQ(nExtent, bar.GetExtent());
        bar.DestroyWindow();
    }
    if (::IsWindow(hFrame))
        pFrame->DestroyWindow();
}

// Records the commands the bar sends to its owner.
class CCommandRecorder : public CHiddenTestParent
{
public:
    std::vector<UINT> commands;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        commands.push_back(LOWORD(wParam));
        return TRUE;
    }
};

TEST_F(OutlookBar, EveryReleaseGoesOnToTheToolBarAndLaysTheBarOutAgain)
{
    CPointerLock pointer;
    CTestOutlookBar bar;
    MakeBar(bar, 300);
    CCommandRecorder owner;
    ASSERT_TRUE(owner.CreateHidden());
    bar.SetOwner(&owner);
    auto press = [&](CPoint pt) { bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y)); };
    auto release = [&](CPoint pt) { bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y)); };
    auto anyPressed = [&]() {
        for (int i = 0; i < bar.GetCount(); i++)
            if (bar.GetButton(i)->m_nStyle & TBBS_PRESSED)
                return TRUE;
        return FALSE;
    };

    // A click on a shortcut sends its command once.
    const CPoint ptShortcut = bar.GetShownButton(0)->Rect().CenterPoint();
    press(ptShortcut);
    release(ptShortcut);
    EXPECT_EQ(std::vector<UINT>{0x8100}, owner.commands);
    EXPECT_FALSE(anyPressed());

    // A scroll press, a splitter drag and a sizing drag each end with a fresh layout, no capture
    // and no command.
    const CPoint ptDown = bar.GetScrollDownRect().CenterPoint();
    ASSERT_FALSE(bar.GetScrollDownRect().IsRectEmpty());
    press(ptDown);
    int nPlaced = bar.m_nPlaced;
    release(ptDown);
    EXPECT_GT(bar.m_nPlaced, nPlaced) << "after a scroll press";
    EXPECT_NE(bar.GetSafeHwnd(), ::GetCapture());

    const CRect rectSplitter = bar.GetSplitterRect();
    ASSERT_FALSE(rectSplitter.IsRectEmpty());
    const CPoint ptGrip(rectSplitter.left + 10, rectSplitter.CenterPoint().y);
    press(ptGrip);
    EXPECT_EQ(bar.GetSafeHwnd(), ::GetCapture());
    nPlaced = bar.m_nPlaced;
    release(ptGrip);
    EXPECT_GT(bar.m_nPlaced, nPlaced) << "after a splitter drag";
    EXPECT_NE(bar.GetSafeHwnd(), ::GetCapture());

    CRect rectClient;
    bar.GetClientRect(rectClient);
    press(CPoint(rectClient.right - 1, 100));
    nPlaced = bar.m_nPlaced;
    release(CPoint(rectClient.right - 1, 100));
    EXPECT_GT(bar.m_nPlaced, nPlaced) << "after sizing";
    EXPECT_NE(bar.GetSafeHwnd(), ::GetCapture());

    EXPECT_EQ(1u, owner.commands.size());
    EXPECT_FALSE(anyPressed());
    // The next click is a click as ever.
    const CPoint ptNext = bar.GetShownButton(bar.GetFirstVisible())->Rect().CenterPoint();
    press(ptNext);
    release(ptNext);
    ASSERT_EQ(2u, owner.commands.size());
    EXPECT_EQ((UINT)(0x8100 + bar.GetFirstVisible()), owner.commands[1]);
}

TEST_F(OutlookBar, CustomiseMenuShowsMoreOrFewerPageButtons)
{
    CPointerLock pointer;
    CTestOutlookBar bar;
    MakeBar(bar, 300);
    COutlookCustomizeButton* pChevron = new COutlookCustomizeButton(0x9990, _T("Customize..."));
    ASSERT_GE(bar.InsertButton(pChevron), 0);
    ASSERT_TRUE(bar.AddShortcut(0x8500, 0, _T("Last"), 1));
    EXPECT_EQ(pChevron, bar.GetButton(bar.GetCount() - 1));

    CORXPopupMenu* pMenu = pChevron->CreatePopupMenu();
    ASSERT_NE(nullptr, pMenu);
    CORXPopupMenuBar* pItems = pMenu->GetMenuBar();
    EXPECT_EQ(-1, pItems->CommandToIndex(0x9990));
    const int iMore = pItems->CommandToIndex(ORX_OUTLOOK_SHOW_MORE);
    const int iFewer = pItems->CommandToIndex(ORX_OUTLOOK_SHOW_FEWER);
    ASSERT_GE(iMore, 0);
    EXPECT_EQ(iMore + 1, iFewer);
    EXPECT_EQ(_T("Show More buttons"), pItems->GetButton(iMore)->m_strText);
    EXPECT_EQ(_T("Show Fewer Buttons"), pItems->GetButton(iFewer)->m_strText);
    delete pMenu;

    EXPECT_EQ(2, bar.GetPageButtonsShown());
    bar.SendMessage(WM_COMMAND, ORX_OUTLOOK_SHOW_FEWER);
    EXPECT_EQ(1, bar.GetPageButtonsShown());
    EXPECT_TRUE(bar.FindPage(2)->m_rectButton.IsRectEmpty());
    bar.SendMessage(WM_COMMAND, ORX_OUTLOOK_SHOW_FEWER);
    bar.SendMessage(WM_COMMAND, ORX_OUTLOOK_SHOW_FEWER);
    EXPECT_EQ(0, bar.GetPageButtonsShown());
    bar.SendMessage(WM_COMMAND, ORX_OUTLOOK_SHOW_MORE);
    bar.SendMessage(WM_COMMAND, ORX_OUTLOOK_SHOW_MORE);
    bar.SendMessage(WM_COMMAND, ORX_OUTLOOK_SHOW_MORE);
    EXPECT_EQ(2, bar.GetPageButtonsShown());
    EXPECT_FALSE(bar.FindPage(2)->m_rectButton.IsRectEmpty());

    // The splitter over the lower page buttons does the same by whole page-button heights.
    bar.SendMessage(WM_COMMAND, ORX_OUTLOOK_SHOW_FEWER);
    bar.SendMessage(WM_COMMAND, ORX_OUTLOOK_SHOW_FEWER);
    CRect rectSplitter = bar.GetSplitterRect();
    ASSERT_FALSE(rectSplitter.IsRectEmpty());
    const CPoint ptGrip(rectSplitter.left + 10, rectSplitter.CenterPoint().y);
    EXPECT_EQ(-1, bar.HitTest(ptGrip));
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptGrip.x, ptGrip.y));
    bar.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(ptGrip.x, (WORD)(short)-500));
    EXPECT_EQ(2, bar.GetPageButtonsShown()); // never more than the pages
    bar.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(ptGrip.x, 2000));
    EXPECT_EQ(0, bar.GetPageButtonsShown());
    // One page-button height above the splitter: one page button more.
    rectSplitter = bar.GetSplitterRect();
    bar.SendMessage(WM_MOUSEMOVE, MK_LBUTTON,
                    MAKELPARAM(ptGrip.x, rectSplitter.top - bar.GetPageButtonHeight() - 1));
    EXPECT_EQ(1, bar.GetPageButtonsShown());
    // The pointer goes back to the middle of the splitter where it now is.
    rectSplitter = bar.GetSplitterRect();
    EXPECT_EQ(rectSplitter.CenterPoint(), PointerInClient(bar));
    bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptGrip.x, 2000));
    EXPECT_NE(bar.GetSafeHwnd(), ::GetCapture());
    bar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(ptGrip.x, 2000));
    EXPECT_EQ(1, bar.GetPageButtonsShown());
}

TEST_F(OutlookBar, DragRestingOnAnotherPagesButtonOpensThatPage)
{
    CPointerLock pointer;
    CTestOutlookBar bar;
    MakeBar(bar, 300);
    CORXOutlookButton dragged(0x8600, 0, _T("Dragged"), 1);
    COleDataSource source;
    ASSERT_TRUE(dragged.PrepareDrag(source));
    COleDataObject data;
    data.Attach(source.GetIDataObject(), FALSE);
    LPDATAOBJECT lpData = source.GetIDataObject();
    auto refs = [&] {
        lpData->AddRef();
        return lpData->Release();
    };
    const ULONG nRefsIdle = refs();

    const CPoint ptAlarms = bar.FindPage(2)->m_rectButton.CenterPoint();
    const CPoint ptClocks = bar.FindPage(1)->m_rectButton.CenterPoint();
    bar.OnDragEnter(&data, 0, ptClocks);
    EXPECT_EQ(-1, bar.GetPendingPage()) << "the open page's own button waits for nothing";
    bar.OnDragOver(&data, 0, ptAlarms);
    EXPECT_EQ(2, bar.GetPendingPage());
    EXPECT_EQ(nRefsIdle + 1, refs()) << "the bar holds the dragged data while the page waits";

    // The moment passes with the drag elsewhere: nothing opens.
    ASSERT_TRUE(PointerAt(bar, ptClocks));
    bar.SendMessage(WM_TIMER, 3);
    EXPECT_EQ(1, bar.GetActivePage());
    EXPECT_EQ(-1, bar.GetPendingPage());
    EXPECT_EQ(nRefsIdle, refs());

    // Resting on the button: the page opens under the drag.
    bar.OnDragOver(&data, 0, ptAlarms);
    ASSERT_TRUE(PointerAt(bar, ptAlarms));
    bar.SendMessage(WM_TIMER, 3);
    EXPECT_EQ(2, bar.GetActivePage());
    EXPECT_EQ(2, bar.GetShownCount());
    EXPECT_EQ(-1, bar.GetPendingPage());
    EXPECT_EQ(nRefsIdle, refs());

    // A cancelled drag lets go of the data and of the page it waited for.
    bar.OnDragOver(&data, 0, bar.FindPage(1)->m_rectButton.CenterPoint());
    EXPECT_EQ(1, bar.GetPendingPage());
    bar.SendMessage(WM_CANCELMODE);
    EXPECT_EQ(-1, bar.GetPendingPage());
    EXPECT_EQ(nRefsIdle, refs());
    bar.SendMessage(WM_TIMER, 3);
    EXPECT_EQ(2, bar.GetActivePage());

    // Leaving the bar does the same.
    bar.OnDragOver(&data, 0, bar.FindPage(1)->m_rectButton.CenterPoint());
    bar.OnDragLeave();
    EXPECT_EQ(-1, bar.GetPendingPage());
    EXPECT_EQ(nRefsIdle, refs());
}

TEST_F(OutlookBar, CompanionToolBarShowsTheHandOverButtonsAndHasNoEdges)
{
    CPointerLock pointer;
    CORXOutlookBarToolBar tools;
    ASSERT_TRUE(tools.Create(&parent, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_BORDER_ANY, 530));
    tools.MoveWindow(10, 400, 200, 30);
    CRect rectWindow, rectClient;
    tools.GetWindowRect(rectWindow);
    tools.GetClientRect(rectClient);
    EXPECT_EQ(rectWindow.Size(), rectClient.Size()) << "no non-client area";

    ASSERT_GE(tools.InsertButtonCopy(CORXToolbarButton(0x8700, 0, _T("Go"))), 0);
    tools.AdjustLayout();
    const CRect rectButton = tools.GetButton(0)->Rect();
    ASSERT_FALSE(rectButton.IsRectEmpty());
    ASSERT_TRUE(PointerAt(tools, rectButton.CenterPoint()));
    tools.SendMessage(WM_SETCURSOR, (WPARAM)tools.GetSafeHwnd(), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(CORXOutlookBar::GetHandCursor(), ::GetCursor());
    EXPECT_EQ(globalData.m_hcurHand, ::GetCursor());

    ASSERT_TRUE(PointerAt(tools, CPoint(rectClient.right - 2, rectClient.bottom - 2)));
    ASSERT_EQ(-1, tools.HitTest(CPoint(rectClient.right - 2, rectClient.bottom - 2)));
    tools.SendMessage(WM_SETCURSOR, (WPARAM)tools.GetSafeHwnd(), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_NE(globalData.m_hcurHand, ::GetCursor());
}

TEST_F(OutlookBar, StoredStateBringsBackPagesShortcutsAndTheActivePage)
{
    CTestOutlookBar bar;
    MakeBar(bar, 300, 500);
    ASSERT_TRUE(bar.SetActivePage(2));
    std::vector<BYTE> bytes = StoreToBytes(bar);

    CTestOutlookBar back;
    ASSERT_TRUE(back.Create(&parent, WS_CHILD | WS_VISIBLE | CBRS_LEFT, 501));
    back.MoveWindow(150, 0, 120, 300);
    ASSERT_TRUE(LoadsWhole(back, bytes));
    ASSERT_EQ(2, back.GetPageCount());
    EXPECT_EQ(_T("Clocks"), back.GetPage(0)->m_strName);
    EXPECT_EQ(2, back.GetPage(1)->m_iPageID);
    EXPECT_NE((HWND)NULL, back.GetPage(1)->m_btnPage.GetSafeHwnd());
    EXPECT_EQ(2, back.GetActivePage());
    EXPECT_EQ(2, back.GetShownCount());
    EXPECT_EQ(14, back.GetCount());
    EXPECT_EQ(12, back.CountHiddenOfPage(1));

    // A page count past any real bar is refused before anything changes.
    std::vector<BYTE> damaged = bytes;
    const size_t nPagesAt = bar.StoreToolBarPart().size();
    ASSERT_LT(nPagesAt + 2, damaged.size());
    EXPECT_EQ(2, damaged[nPagesAt]);
    damaged[nPagesAt] = 0xFF;
    damaged[nPagesAt + 1] = 0x7F;
    CTestOutlookBar kept;
    MakeBar(kept, 300, 502);
    EXPECT_FALSE(LoadsWhole(kept, damaged));
    EXPECT_EQ(2, kept.GetPageCount());
    EXPECT_EQ(1, kept.GetActivePage());
}

TEST_F(OutlookBar, StateOfUnknownVersionReadsWithOrWithoutTheShortcutsPages)
{
    // Page identifiers that stand out in the bytes.
    const int kClocks = 0x5A5A0101, kAlarms = 0x5A5A0202;
    CTestOutlookBar bar;
    ASSERT_TRUE(bar.Create(&parent, WS_CHILD | WS_VISIBLE | CBRS_LEFT, 520));
    bar.MoveWindow(0, 0, 120, 300);
    ASSERT_EQ(0, bar.AddPage(kClocks, _T("Clocks")));
    ASSERT_EQ(1, bar.AddPage(kAlarms, _T("Alarms")));
    ASSERT_TRUE(bar.AddShortcut(0x8100, 0, _T("Tokyo"), kClocks));
    ASSERT_TRUE(bar.AddShortcut(0x8101, 0, _T("Lima"), kClocks));
    ASSERT_TRUE(bar.AddShortcut(0x8200, 1, _T("Wake"), kAlarms));
    ASSERT_TRUE(bar.SetActivePage(kAlarms));
    const std::vector<BYTE> withPages = StoreToBytes(bar);

    // The same state as a bar writes it that leaves the page out for an unknown version: every
    // shortcut's page taken out of the tool bar's part.
    const size_t nToolBarPart = bar.StoreToolBarPart().size();
    std::vector<BYTE> withoutPages;
    size_t nTaken = 0;
    for (size_t i = 0; i < withPages.size();)
    {
        int nValue = 0;
        if (i + 4 <= nToolBarPart)
            memcpy(&nValue, &withPages[i], 4);
        if (nValue == kClocks || nValue == kAlarms)
        {
            i += 4;
            nTaken++;
            continue;
        }
        withoutPages.push_back(withPages[i++]);
    }
    ASSERT_EQ(3u, nTaken);

    CTestWorkspace workspace;
    workspace.SetSavedVersion(-1, -1);
    UINT nID = 521;
    auto load = [&](const std::vector<BYTE>& bytes, CTestOutlookBar& back) {
        EXPECT_TRUE(back.Create(&parent, WS_CHILD | WS_VISIBLE | CBRS_LEFT, nID++));
        back.MoveWindow(150, 0, 120, 300);
        return LoadsWhole(back, bytes);
    };
    {
        // This bar's own state: the shortcuts come back on their pages.
        CTestOutlookBar back;
        ASSERT_TRUE(load(withPages, back));
        EXPECT_EQ(kAlarms, back.GetActivePage());
        EXPECT_EQ(1, back.GetShownCount());
        EXPECT_EQ(0x8200u, back.GetShownButton(0)->m_nID);
        EXPECT_EQ(3, back.GetCount());
    }
    {
        // State without the pages reads whole as well: pages, names and the active page, and the
        // shortcuts on page 0, as state from before pages existed.
        CTestOutlookBar back;
        ASSERT_TRUE(load(withoutPages, back));
        ASSERT_EQ(2, back.GetPageCount());
        EXPECT_EQ(_T("Alarms"), back.GetPage(1)->m_strName);
        EXPECT_EQ(kAlarms, back.GetActivePage());
        ASSERT_EQ(3, back.GetCount());
        EXPECT_EQ(_T("Lima"), back.GetButton(1)->m_strText);
        EXPECT_EQ(0, DYNAMIC_DOWNCAST(CORXOutlookButton, back.GetButton(2))->GetPageID());
    }
    // A known version reads by its own rule: 4.70 state has no pages, 4.71 state has them.
    workspace.SetSavedVersion(4, 70);
    {
        CTestOutlookBar back;
        ASSERT_TRUE(load(withoutPages, back));
        EXPECT_EQ(3, back.GetCount());
        EXPECT_EQ(kAlarms, back.GetActivePage());
    }
    workspace.SetSavedVersion(4, 71);
    {
        CTestOutlookBar back;
        ASSERT_TRUE(load(withPages, back));
        EXPECT_EQ(0x8200u, back.GetShownButton(0)->m_nID);
        CTestOutlookBar refused;
        EXPECT_FALSE(load(withoutPages, refused));
    }
}

TEST_F(OutlookBar, DamagedButtonCountRefusesTheRecordWhole)
{
    CTestOutlookBar bar;
    MakeBar(bar, 300, 500);
    const std::vector<BYTE> bytes = StoreToBytes(bar);
    // The record opens with the tool bar's button count, a word below 0xFFFF.
    ASSERT_EQ(bar.GetCount(), bytes[0] | (bytes[1] << 8));
    const struct
    {
        const char* what;
        std::vector<BYTE> count;
    } damages[] = {
        {"one too many", {BYTE(bytes[0] + 1), bytes[1]}},
        {"one too few", {BYTE(bytes[0] - 1), bytes[1]}},
        {"none", {0, 0}},
        {"huge", {0xFE, 0xFF}},
        {"negative", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
    };
    UINT nID = 510;
    for (const auto& damage : damages)
    {
        std::vector<BYTE> damaged = damage.count;
        damaged.insert(damaged.end(), bytes.begin() + 2, bytes.end());
        CTestOutlookBar kept;
        MakeBar(kept, 300, nID++);
        EXPECT_FALSE(LoadsWhole(kept, damaged)) << damage.what;
        EXPECT_EQ(2, kept.GetPageCount()) << damage.what;
        EXPECT_NE((HWND)NULL, kept.GetPage(1)->m_btnPage.GetSafeHwnd()) << damage.what;
        EXPECT_EQ(1, kept.GetActivePage()) << damage.what;
        EXPECT_EQ(12, kept.GetShownCount()) << damage.what;
        EXPECT_EQ(2, kept.CountHiddenOfPage(2)) << damage.what;
        // What the bar saves at exit is what it had.
        EXPECT_EQ(bytes, StoreToBytes(kept)) << damage.what;
    }
}

TEST_F(OutlookBar, BackgroundBitmapIsUsedOnlyAboveEightBitsPerPixel)
{
    CTestOutlookBar bar;
    MakeBar(bar, 300);
    const int nBitsSaved = globalData.m_nBitsPerPixel;
    globalData.m_nBitsPerPixel = 8;
    EXPECT_TRUE(bar.SetBackImage(16129)); // the shared menu images: any bitmap of the program
    EXPECT_FALSE(bar.IsBackgroundTexture());
    EXPECT_TRUE(bar.SetBackImage(0));
    globalData.m_nBitsPerPixel = 24;
    EXPECT_TRUE(bar.SetBackImage(16129));
    EXPECT_TRUE(bar.IsBackgroundTexture());
    // The bar paints the bitmap over its whole background, not the shadow colour.
    CTestSurface surface(40, 40, TRUE);
    surface.DC()->FillSolidRect(0, 0, 40, 40, RGB(1, 2, 3));
    EXPECT_TRUE(bar.FillOwnBackground(surface.DC(), CRect(0, 0, 40, 40)));
    EXPECT_NE(RGB(1, 2, 3), surface.At(20, 20));
    EXPECT_FALSE(bar.SetBackImage(0x7FF0)); // no such bitmap
    EXPECT_FALSE(bar.IsBackgroundTexture());
    globalData.m_nBitsPerPixel = nBitsSaved;
}
