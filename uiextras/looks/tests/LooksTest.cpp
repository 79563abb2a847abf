// The flat look's colours from known system colours, its spin halves at known pixels, and the
// themed look's parts and states through a recording stand-in for the theme calls.
#include <gtest/gtest.h>

#include <vector>

#include "ORXButton.h"
#include "ORXColorBar.h"
#include "ORXGlobalData.h"
#include "ORXOutlookBar.h"
#include "ORXPopupMenuBar.h"
#include "ORXToolbarMenuButton.h"
#include "ORXVisualManagerXP.h"
#include "ORXWinXPVisualManager.h"
#include "TestDrawing.h"
#include "TestPageButton.h"
#include "TestWindows.h"

namespace
{
// Sets the system colours the look derives from, and puts the real ones back afterwards.
struct LookColors : ::testing::Test
{
    int nSavedBits = globalData.m_nBitsPerPixel;
    void TearDown() override
    {
        globalData.m_nBitsPerPixel = nSavedBits;
        globalData.UpdateSysColors();
    }
    static void SetColors(COLORREF clrHilite, COLORREF clrWindow, COLORREF clrBarFace)
    {
        globalData.clrHilite = clrHilite;
        globalData.clrWindow = clrWindow;
        globalData.clrBarFace = clrBarFace;
    }
};

struct CThemeCall
{
    int nPart, nState;
    CRect rect;
};
std::vector<CThemeCall> g_calls;

HRESULT WINAPI RecordDrawThemeBackground(HANDLE, HDC, int nPart, int nState, const RECT* pRect, const RECT*)
{
    g_calls.push_back({nPart, nState, CRect(*pRect)});
    return S_OK;
}

// A themed look whose every handle is the stand-in's, so that classes without a theme here are
// drawn too.
struct CRecordingThemeLook : CORXWinXPVisualManager
{
    CRecordingThemeLook() : CORXWinXPVisualManager(TRUE)
    {
        CloseThemeHandles();
        for (int i = 0; i < ThemeCount; i++)
            *Handle(i) = (HANDLE)(INT_PTR)(i + 1);
        m_pfDrawThemeBackground = RecordDrawThemeBackground;
        g_calls.clear();
    }
    ~CRecordingThemeLook()
    {
        // The handles are not the library's: nothing to close.
        for (int i = 0; i < ThemeCount; i++)
            *Handle(i) = NULL;
    }
    void DropAllThemes()
    {
        for (int i = 0; i < ThemeCount; i++)
            *Handle(i) = NULL;
    }
};

COLORREF PixelAfterSpin(CORXVisualManager& look, int nState, CPoint pt, BOOL bHorz = FALSE)
{
    CTestSurface surface(20, 40);
    look.OnDrawSpinButtons(surface.DC(), CRect(0, 0, 20, 40), nState, bHorz, NULL);
    return surface.At(pt.x, pt.y);
}
// A task as the tasks pane hands it to the looks.
struct CStubTask : CORXTaskInfo
{
    BOOL bCommand = TRUE;
    BOOL bEnabled = TRUE;
    CRect GetRect() const override { return CRect(0, 0, 120, 20); }
    BOOL IsSeparator() const override { return FALSE; }
    HICON GetIcon() const override { return NULL; }
    CString GetName() const override { return _T("MMMM Mail"); }
    BOOL IsEnabled() const override { return bEnabled; }
    BOOL HasCommand() const override { return bCommand; }
};

// The number of pixels a task's label leaves in a colour, the DC's text colour being green.
int TaskPixels(CORXVisualManager& look, const CStubTask& task, BOOL bHot, COLORREF clr)
{
    CTestSurface surface(120, 20, RGB(255, 255, 255));
    surface.DC()->SetTextColor(RGB(0, 128, 0));
    look.OnDrawTask(surface.DC(), &task, NULL, bHot);
    return surface.Count(clr, CRect(0, 0, 120, 20));
}

struct CCaptionLook : CORXVisualManagerXP
{
    CCaptionLook() : CORXVisualManagerXP(TRUE) {}
    using CORXVisualManagerXP::CaptionButtonImage;
};

// A framework button the test makes hot without the pointer.
class CHotButton : public CORXButton
{
public:
    void SetHot(BOOL bHot)
    {
        m_bHighlighted = bHot;
        m_bHover = bHot;
    }
};

// Stands for a shortcut bar: the looks ask its page buttons' parent only for the flat-look flag.
class CShortcutBarStandIn : public CHiddenTestParent, public CORXOutlookBarInfo
{
public:
    BOOL m_bFlat = FALSE;
    BOOL IsFlatLook() const override { return m_bFlat; }
};
} // namespace

TEST_F(LookColors, DerivedFromTheSystemColours)
{
    CORXVisualManagerXP look(TRUE);
    globalData.m_nBitsPerPixel = 32;
    SetColors(RGB(49, 106, 197), RGB(255, 255, 255), RGB(236, 233, 216));
    look.OnUpdateSystemColors();
    EXPECT_EQ(RGB(249, 248, 247), look.GetMenuBackgroundColor());
    EXPECT_EQ(RGB(191, 210, 241), look.GetHighlightColor()) << "105 percent of (hilite + 2 x menu) / 3";
    EXPECT_EQ(RGB(166, 183, 210), look.GetPressedHighlightColor()) << "0.87 of the highlight, rounded";
    EXPECT_EQ(RGB(215, 224, 238), look.GetCheckedHighlightColor()) << "(hilite + 5 x menu) / 6";
    EXPECT_EQ(RGB(49, 106, 197), look.GetMenuItemBorderColor());
    EXPECT_EQ(RGB(236 * 55 / 100, 233 * 55 / 100, 216 * 55 / 100), look.GetMenuBorderColor());
    EXPECT_EQ(RGB(236 * 108 / 100 > 255 ? 255 : 236 * 108 / 100,
                  233 * 108 / 100 > 255 ? 255 : 233 * 108 / 100, 216 * 108 / 100),
              look.GetPaneBorderColor());
    EXPECT_EQ(RGB(0, 0, 0), look.GetHighlightTextColor());
    EXPECT_NE(RGB(236, 233, 216), look.GetBarBackgroundColor()) << "L 0.886: lightened";

    SetColors(RGB(49, 106, 197), RGB(255, 255, 255), RGB(245, 245, 240));
    look.OnUpdateSystemColors();
    EXPECT_EQ(RGB(245, 245, 240), look.GetBarBackgroundColor())
        << "a face lighter than L 0.9 keeps its colour";
}

TEST_F(LookColors, GreyFacesStayGreyAndDarkFacesLighten)
{
    CORXVisualManagerXP look(TRUE);
    globalData.m_nBitsPerPixel = 32;
    SetColors(RGB(0, 0, 0), RGB(128, 128, 128), RGB(128, 128, 128));
    look.OnUpdateSystemColors();
    const COLORREF clrTab = look.GetTabBackColor();
    EXPECT_EQ(GetRValue(clrTab), GetGValue(clrTab));
    EXPECT_EQ(GetGValue(clrTab), GetBValue(clrTab));
    EXPECT_GT(GetRValue(clrTab), 128) << "lighter than the face";
    const COLORREF clrBar = look.GetBarBackgroundColor();
    EXPECT_GT(GetRValue(clrBar), 128) << "a face darker than L 0.9 is lightened by 3 percent of L";
    EXPECT_EQ(RGB(255, 255, 255), look.GetHighlightTextColor()) << "a dark highlight takes white text";
}

TEST_F(LookColors, PaletteDisplaysUseThePlainSystemColours)
{
    CORXVisualManagerXP look(TRUE);
    globalData.m_nBitsPerPixel = 8;
    look.OnUpdateSystemColors();
    EXPECT_EQ(globalData.clrBarWindow, look.GetMenuBackgroundColor());
    EXPECT_EQ(globalData.clrBtnFace, look.GetHighlightColor());
    EXPECT_EQ(globalData.clrBtnFace, look.GetPressedHighlightColor());
    EXPECT_EQ(globalData.clrBtnFace, look.GetBarBackgroundColor());
    EXPECT_EQ(globalData.clrBtnDkShadow, look.GetMenuBorderColor());
    EXPECT_EQ(globalData.clrBtnShadow, look.GetSeparatorColor());
}

TEST_F(LookColors, SpinStatePressesTheHalfItNames)
{
    CORXVisualManagerXP look(TRUE);
    globalData.m_nBitsPerPixel = 32;
    SetColors(RGB(49, 106, 197), RGB(255, 255, 255), RGB(236, 233, 216));
    look.OnUpdateSystemColors();
    const CPoint ptUpper(3, 3), ptLower(3, 36);
    // Bit 2 presses the lower half only.
    EXPECT_EQ(look.GetPressedHighlightColor(), PixelAfterSpin(look, 2, ptLower));
    EXPECT_NE(look.GetPressedHighlightColor(), PixelAfterSpin(look, 2, ptUpper));
    // Bit 1 the upper; with both hot bits only the first half is hot.
    EXPECT_EQ(look.GetPressedHighlightColor(), PixelAfterSpin(look, 1, ptUpper));
    EXPECT_EQ(look.GetHighlightColor(), PixelAfterSpin(look, 4 | 8, ptUpper));
    EXPECT_NE(look.GetHighlightColor(), PixelAfterSpin(look, 4 | 8, ptLower));
    EXPECT_EQ(look.GetHighlightColor(), PixelAfterSpin(look, 8, ptLower));
}

TEST(ThemedLook, SpinPartsAndStates)
{
    CRecordingThemeLook look;
    CDC dc;
    dc.CreateCompatibleDC(NULL);
    look.OnDrawSpinButtons(&dc, CRect(0, 0, 16, 40), 1 | 8, FALSE, NULL);
    ASSERT_EQ(2u, g_calls.size());
    EXPECT_EQ(1, g_calls[0].nPart);
    EXPECT_EQ(3, g_calls[0].nState);
    EXPECT_EQ(CRect(0, 0, 16, 19), g_calls[0].rect);
    EXPECT_EQ(2, g_calls[1].nPart);
    EXPECT_EQ(2, g_calls[1].nState);
    EXPECT_EQ(CRect(0, 20, 16, 40), g_calls[1].rect);

    g_calls.clear();
    look.OnDrawSpinButtons(&dc, CRect(0, 0, 40, 16), 16, TRUE, NULL);
    ASSERT_EQ(2u, g_calls.size());
    EXPECT_EQ(3, g_calls[0].nPart) << "a horizontal control is still split top and bottom";
    EXPECT_EQ(4, g_calls[0].nState);
    EXPECT_EQ(4, g_calls[1].nPart);
    EXPECT_EQ(4, g_calls[1].nState);
}

TEST(ThemedLook, ButtonsSeparatorsAndSystemButtons)
{
    CRecordingThemeLook look;
    CDC dc;
    dc.CreateCompatibleDC(NULL);
    look.OnDrawSeparator(&dc, NULL, CRect(0, 0, 6, 20), TRUE);
    look.OnDrawSeparator(&dc, NULL, CRect(0, 0, 20, 6), FALSE);
    look.OnDrawMenuSystemButton(&dc, CRect(0, 0, 16, 14), SC_CLOSE, TBBS_PRESSED, TRUE);
    look.OnDrawMenuSystemButton(&dc, CRect(0, 0, 16, 14), SC_MINIMIZE, TBBS_DISABLED, TRUE);
    look.OnDrawMenuSystemButton(&dc, CRect(0, 0, 16, 14), SC_MOVE, 0, FALSE);
    look.OnDrawComboDropButton(&dc, CRect(0, 0, 16, 20), FALSE, TRUE, TRUE, NULL);
    look.OnDrawStatusBarSizeBox(&dc, NULL, CRect(0, 0, 12, 12));
    look.OnDrawExpandingBox(&dc, CRect(0, 0, 9, 9), TRUE, 0);
    const CThemeCall expected[] = {
        {5, 0, CRect(0, 0, 6, 20)},   {6, 0, CRect(0, 0, 20, 6)},  {20, 3, CRect(0, 0, 16, 14)},
        {16, 4, CRect(0, 0, 16, 14)}, {1, 3, CRect(0, 0, 16, 20)}, {10, 1, CRect(0, 0, 12, 12)},
        {2, 2, CRect(0, 0, 9, 9)},
    };
    ASSERT_EQ(sizeof(expected) / sizeof(expected[0]), g_calls.size());
    for (size_t i = 0; i < g_calls.size(); i++)
    {
        EXPECT_EQ(expected[i].nPart, g_calls[i].nPart) << "call " << i;
        EXPECT_EQ(expected[i].nState, g_calls[i].nState) << "call " << i;
        EXPECT_EQ(expected[i].rect, g_calls[i].rect) << "call " << i;
    }
}

TEST(ThemedLook, WithoutThemesEveryPartFallsBackToTheFlatLook)
{
    CRecordingThemeLook look;
    look.DropAllThemes();
    EXPECT_FALSE(look.IsThemedLook());
    EXPECT_EQ(CSize(0, 0), look.GetButtonExtraBorder());
    CDC dc;
    dc.CreateCompatibleDC(NULL);
    look.OnDrawSpinButtons(&dc, CRect(0, 0, 16, 40), 1, FALSE, NULL);
    look.OnDrawSeparator(&dc, NULL, CRect(0, 0, 6, 20), TRUE);
    look.OnDrawComboDropButton(&dc, CRect(0, 0, 16, 20), FALSE, TRUE, TRUE, NULL);
    EXPECT_TRUE(g_calls.empty());
}

TEST_F(LookColors, HotMenuTextIsBlackOnALightHighlightAndWhiteOnADarkOne)
{
    CORXVisualManagerXP look(TRUE);
    globalData.m_nBitsPerPixel = 32;
    CTestSurface surface(60, 20, RGB(255, 255, 255));
    CORXToolbarMenuButton item;
    COLORREF clrText = RGB(1, 2, 3);

    SetColors(RGB(49, 106, 197), RGB(255, 255, 255), RGB(236, 233, 216));
    look.OnUpdateSystemColors();
    look.OnFillHighlightedArea(surface.DC(), CRect(0, 0, 60, 20), NULL, &item, &clrText);
    EXPECT_EQ(RGB(0, 0, 0), clrText) << "the highlight RGB(191, 210, 241) is light";
    EXPECT_EQ(look.GetHighlightColor(), surface.DC()->GetPixel(30, 10));

    SetColors(RGB(0, 0, 128), RGB(128, 128, 128), RGB(236, 233, 216));
    look.OnUpdateSystemColors();
    look.OnFillHighlightedArea(surface.DC(), CRect(0, 0, 60, 20), NULL, &item, &clrText);
    EXPECT_EQ(RGB(255, 255, 255), clrText);

    item.m_nStyle |= TBBS_DISABLED;
    look.OnFillHighlightedArea(surface.DC(), CRect(0, 0, 60, 20), NULL, &item, &clrText);
    EXPECT_EQ(globalData.clrGrayedText, clrText);

    CORXVisualManager classic(TRUE);
    classic.OnFillHighlightedArea(surface.DC(), CRect(0, 0, 60, 20), NULL, &item, &clrText);
    EXPECT_EQ(::GetSysColor(COLOR_HIGHLIGHTTEXT), clrText) << "the classic look keeps the system's";
}

TEST(FlatLook, CommandTasksAreLinksWhetherHotOrNot)
{
    CORXVisualManagerXP look(TRUE);
    CStubTask task;
    EXPECT_GT(TaskPixels(look, task, FALSE, globalData.clrHotText), 0) << "a link is blue before it is hot";
    EXPECT_GT(TaskPixels(look, task, TRUE, globalData.clrHotText), 0);
    task.bCommand = FALSE;
    EXPECT_EQ(0, TaskPixels(look, task, FALSE, globalData.clrHotText));
    EXPECT_GT(TaskPixels(look, task, FALSE, RGB(0, 128, 0)), 0) << "a label keeps the DC's colour";
    task.bCommand = TRUE;
    task.bEnabled = FALSE;
    EXPECT_EQ(0, TaskPixels(look, task, FALSE, globalData.clrHotText));
}

TEST(FlatLook, CaptionButtonsTakeTheSmallCloseImageAndTheBarsArrows)
{
    CTestSurface surface(20, 20, RGB(255, 255, 255));
    CDC* pDC = surface.DC(); // no window: a bar docked across is assumed
    EXPECT_EQ(CORXMenuImages::IdCloseSmall,
              CCaptionLook::CaptionButtonImage(pDC, CORXMenuImages::IdClose, FALSE));
    EXPECT_EQ(CORXMenuImages::IdCloseSmall,
              CCaptionLook::CaptionButtonImage(pDC, CORXMenuImages::IdClose, TRUE));
    EXPECT_EQ(CORXMenuImages::IdArowRight,
              CCaptionLook::CaptionButtonImage(pDC, CORXMenuImages::IdMaximize, FALSE));
    EXPECT_EQ(CORXMenuImages::IdArowLeftDsbl,
              CCaptionLook::CaptionButtonImage(pDC, CORXMenuImages::IdMaximize, TRUE));
    EXPECT_EQ(CORXMenuImages::IdArowLeft,
              CCaptionLook::CaptionButtonImage(pDC, CORXMenuImages::IdRestore, FALSE));
}

TEST_F(LookColors, ColourBarsTakeTheBarBackgroundOnlyOnATearOff)
{
    CORXVisualManagerXP look(TRUE);
    globalData.m_nBitsPerPixel = 32;
    SetColors(RGB(49, 106, 197), RGB(255, 255, 255), RGB(200, 190, 170));
    look.OnUpdateSystemColors();
    CTestSurface surface(20, 20, RGB(1, 2, 3));
    CORXColorBar bar;
    look.OnFillBarBackground(surface.DC(), &bar, CRect(0, 0, 20, 20), CRect());
    EXPECT_EQ(look.GetMenuBackgroundColor(), surface.DC()->GetPixel(5, 5)) << "in a pop-up: the menu's";
    CFrameWnd frame;
    bar.m_pDockSite = &frame;
    look.OnFillBarBackground(surface.DC(), &bar, CRect(0, 0, 20, 20), CRect());
    EXPECT_EQ(look.GetBarBackgroundColor(), surface.DC()->GetPixel(5, 5)) << "torn off: the tool bars'";
    bar.m_pDockSite = NULL;

    CRecordingThemeLook themed;
    themed.OnFillBarBackground(surface.DC(), &bar, CRect(0, 0, 20, 20), CRect());
    EXPECT_EQ(::GetSysColor(COLOR_MENU), surface.DC()->GetPixel(5, 5)) << "under a theme part of the menu";
}

TEST_F(LookColors, ShortcutBarsTakeTheBarBackgroundUnlessTheyHaveABitmap)
{
    CORXVisualManagerXP look(TRUE);
    globalData.m_nBitsPerPixel = 32;
    SetColors(RGB(49, 106, 197), RGB(255, 255, 255), RGB(200, 190, 170));
    look.OnUpdateSystemColors();
    CTestSurface surface(20, 20, RGB(1, 2, 3));
    CORXOutlookBar bar;
    look.OnFillBarBackground(surface.DC(), &bar, CRect(0, 0, 20, 20), CRect());
    EXPECT_EQ(look.GetBarBackgroundColor(), surface.DC()->GetPixel(5, 5)) << "no bitmap: the tool bars'";

    ASSERT_TRUE(bar.SetBackImage(16129)); // the shared menu images: any bitmap of the program
    surface.DC()->FillSolidRect(0, 0, 20, 20, RGB(1, 2, 3));
    look.OnFillBarBackground(surface.DC(), &bar, CRect(0, 0, 20, 20), CRect());
    EXPECT_EQ(0, surface.Count(look.GetBarBackgroundColor(), CRect(0, 0, 20, 20)))
        << "a bitmap: the bar paints its own";
    EXPECT_EQ(0, surface.Count(RGB(1, 2, 3), CRect(0, 0, 20, 20)));
}

TEST_F(LookColors, PageButtonOfAFlatShortcutBarDrawnByTheLookWithBlackText)
{
    CORXVisualManager::DestroyInstance();
    CORXVisualManager::SetDefaultManager(RUNTIME_CLASS(CORXVisualManagerXP));
    CORXVisualManagerXP* pLook = DYNAMIC_DOWNCAST(CORXVisualManagerXP, CORXVisualManager::GetInstance());
    ASSERT_TRUE(pLook != NULL);
    const COLORREF clrTextSaved = globalData.clrBarText;
    globalData.clrBarText = RGB(0, 0, 0);

    CShortcutBarStandIn bar;
    ASSERT_TRUE(bar.CreateHidden(200, 100));
    bar.ShowWindow(SW_SHOWNOACTIVATE);
    CHotPageButton button;
    ASSERT_TRUE(
        button.Create(_T("MMMM"), WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(0, 0, 80, 20), &bar, 600));
    button.SetHot(TRUE);
    auto Draw = [&](CDC& dc) { button.DrawInto(dc.GetSafeHdc(), CRect(0, 0, 80, 20)); };
    {
        // The button's own DC: the look finds the button, and its bar, through it.
        bar.m_bFlat = TRUE;
        CClientDC dc(&button);
        Draw(dc);
        EXPECT_EQ(pLook->GetMenuItemBorderColor(), dc.GetPixel(0, 0)) << "the look's border";
        EXPECT_EQ(pLook->GetMenuItemBorderColor(), dc.GetPixel(79, 19));
        EXPECT_EQ(pLook->GetHighlightColor(), dc.GetPixel(3, 3)) << "the look's hot fill";
        int nBlack = 0;
        for (int y = 2; y < 18; y++)
            for (int x = 2; x < 78; x++)
                nBlack += dc.GetPixel(x, y) == RGB(0, 0, 0);
        EXPECT_GT(nBlack, 0) << "the text in the look's black";
    }
    {
        bar.m_bFlat = FALSE;
        CClientDC dc(&button);
        Draw(dc);
        EXPECT_NE(pLook->GetHighlightColor(), dc.GetPixel(3, 3))
            << "a bar without the flat look draws its own";
        EXPECT_NE(pLook->GetMenuItemBorderColor(), dc.GetPixel(0, 0));
        COLORREF clrText = RGB(1, 2, 3);
        EXPECT_FALSE(pLook->OnFillOutlookPageButton(&dc, CRect(0, 0, 80, 20), TRUE, FALSE, clrText));
        EXPECT_EQ(RGB(1, 2, 3), clrText);
        CRect rectBorder(0, 0, 80, 20);
        EXPECT_FALSE(pLook->OnDrawOutlookPageButtonBorder(&dc, rectBorder, TRUE, FALSE));
    }

    button.DestroyWindow();
    globalData.clrBarText = clrTextSaved;
    CORXVisualManager::DestroyInstance();
    CORXVisualManager::SetDefaultManager(RUNTIME_CLASS(CORXVisualManager));
}

TEST(ThemedLook, TasksLabelsProgressAndComboHooks)
{
    CRecordingThemeLook look;
    CStubTask task;
    task.bCommand = FALSE;
    EXPECT_GT(TaskPixels(look, task, FALSE, ::GetSysColor(COLOR_WINDOWTEXT)), 0);
    task.bCommand = TRUE;
    EXPECT_GT(TaskPixels(look, task, FALSE, globalData.clrHilite), 0);

    g_calls.clear();
    CTestSurface surface(100, 20, RGB(255, 255, 255));
    look.OnDrawProgress(surface.DC(), CRect(0, 0, 100, 20), 50, 100, (COLORREF)-1, (COLORREF)-1, TRUE);
    EXPECT_TRUE(look.OnDrawThemedComboDropButton(surface.DC(), CRect(0, 0, 16, 20), FALSE, TRUE, FALSE));
    ASSERT_EQ(3u, g_calls.size());
    EXPECT_EQ(1, g_calls[0].nPart) << "the bar";
    EXPECT_EQ(CRect(0, 0, 100, 20), g_calls[0].rect);
    EXPECT_EQ(3, g_calls[1].nPart) << "the chunk over the half done";
    EXPECT_EQ(CRect(3, 3, 50, 17), g_calls[1].rect);
    EXPECT_EQ(1, g_calls[2].nPart);
    EXPECT_EQ(3, g_calls[2].nState) << "dropped";

    look.DropAllThemes();
    EXPECT_FALSE(look.OnDrawThemedProgress(surface.DC(), CRect(0, 0, 100, 20), 50, 100));
}

TEST(ThemedLook, FrameworkButtonsTurnHotAndTabButtonsShowTheirStates)
{
    CRecordingThemeLook look;
    CHiddenTestParent parent;
    ASSERT_TRUE(parent.CreateHidden());
    CHotButton button;
    ASSERT_TRUE(
        button.Create(_T("OK"), WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(0, 0, 60, 20), &parent, 1));
    CTestSurface surface(60, 20, RGB(255, 255, 255));
    COLORREF clrText = (COLORREF)-1;

    g_calls.clear();
    EXPECT_TRUE(look.OnDrawPushButton(surface.DC(), CRect(0, 0, 60, 20), &button, clrText));
    button.SetHot(TRUE);
    look.OnDrawPushButton(surface.DC(), CRect(0, 0, 60, 20), &button, clrText);
    ASSERT_EQ(2u, g_calls.size());
    EXPECT_EQ(1, g_calls[0].nState) << "idle";
    EXPECT_EQ(2, g_calls[1].nState) << "hot under the pointer, though the system never says so";
    button.SetHot(FALSE);

    // A tab window's button: its own window says whether it is disabled or checked.
    g_calls.clear();
    {
        CClientDC dc(&button);
        CRect rect(0, 0, 60, 20);
        CHotButton check;
        ASSERT_TRUE(
            check.Create(_T("Pin"), WS_CHILD | WS_VISIBLE | BS_CHECKBOX, CRect(0, 30, 60, 50), &parent, 2));
        check.SendMessage(BM_SETCHECK, BST_CHECKED);
        CClientDC dcCheck(&check);
        look.OnDrawTabButtonBorder(&dcCheck, rect, FALSE, FALSE, NULL);
        button.EnableWindow(FALSE);
        look.OnDrawTabButtonBorder(&dc, rect, FALSE, TRUE, NULL);
        button.EnableWindow(TRUE);
        look.OnDrawTabButtonBorder(&dc, rect, FALSE, TRUE, NULL);
    }
    ASSERT_EQ(3u, g_calls.size());
    EXPECT_EQ(3, g_calls[0].nState) << "checked";
    EXPECT_EQ(4, g_calls[1].nState) << "disabled";
    EXPECT_EQ(2, g_calls[2].nState) << "hot";
}

TEST(ThemedLook, PageButtonsDrawPressedOnlyWhenPushedUnderThePointerOrChecked)
{
    CRecordingThemeLook look;
    CShortcutBarStandIn bar;
    bar.m_bFlat = TRUE;
    ASSERT_TRUE(bar.CreateHidden(200, 100));
    CHotPageButton button;
    ASSERT_TRUE(button.Create(_T("MMMM"), WS_CHILD | BS_OWNERDRAW, CRect(0, 0, 80, 20), &bar, 600));
    CClientDC dc(&button); // the look asks the button, through its DC, whether it is checked
    const CRect rect(0, 0, 80, 20);
    COLORREF clrText = (COLORREF)-1;
    g_calls.clear();
    EXPECT_TRUE(look.OnFillOutlookPageButton(&dc, rect, FALSE, TRUE, clrText));
    EXPECT_TRUE(look.OnFillOutlookPageButton(&dc, rect, TRUE, TRUE, clrText));
    EXPECT_TRUE(look.OnFillOutlookPageButton(&dc, rect, TRUE, FALSE, clrText));
    CHotPageButton check;
    ASSERT_TRUE(check.Create(_T("Pin"), WS_CHILD | BS_CHECKBOX, CRect(0, 30, 80, 50), &bar, 601));
    check.SendMessage(BM_SETCHECK, BST_CHECKED);
    CClientDC dcCheck(&check);
    EXPECT_TRUE(look.OnFillOutlookPageButton(&dcCheck, rect, FALSE, FALSE, clrText));
    ASSERT_EQ(4u, g_calls.size());
    EXPECT_EQ(1, g_calls[0].nState) << "pushed, the pointer gone: normal";
    EXPECT_EQ(3, g_calls[1].nState) << "pushed under the pointer";
    EXPECT_EQ(2, g_calls[2].nState) << "hot";
    EXPECT_EQ(3, g_calls[3].nState) << "checked";
    EXPECT_EQ(CRect(-1, -1, 81, 21), g_calls[0].rect);
}

namespace
{
// A tab window as the looks read it: three tabs below the page, the middle one active.
struct CTabWndStandIn : CORXTabWndInfo
{
    BOOL bColoredStrip = FALSE;
    BOOL bDrawFrame = FALSE;
    int GetTabsNum() const override { return 3; }
    int GetVisibleTabCount() const override { return 3; }
    int GetActiveTab() const override { return 1; }
    BOOL GetTabLabel(int, CString& strLabel) const override
    {
        strLabel = _T("Tab");
        return TRUE;
    }
    COLORREF GetTabBkColor(int) const override { return (COLORREF)-1; }
    COLORREF GetTabTextColor(int) const override { return (COLORREF)-1; }
    BOOL IsFlatTab() const override { return FALSE; }
    BOOL IsLocationBottom() const override { return TRUE; }
    BOOL IsColored() const override { return FALSE; }
    BOOL IsColoredStrip() const override { return bColoredStrip; }
    BOOL IsDrawFrame() const override { return bDrawFrame; }
};

std::vector<COLORREF> TabPixels(CORXVisualManager& look, const CTabWndStandIn& tabs)
{
    CTestSurface surface(80, 30, RGB(1, 2, 3));
    look.OnDrawTab(surface.DC(), CRect(10, 10, 60, 28), 1, TRUE, &tabs);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < 30; y++)
        for (int x = 0; x < 80; x++)
            pixels.push_back(surface.At(x, y));
    return pixels;
}

// The look's tasks-pane metrics and flags, which it keeps to itself.
struct CThemeLookMetrics : CORXWinXPVisualManager
{
    CThemeLookMetrics() : CORXWinXPVisualManager(TRUE) {}
    std::vector<int> TasksMetrics() const
    {
        return {m_nVertMargin,
                m_nHorzMargin,
                m_nGroupVertOffset,
                m_nGroupCaptionHeight,
                m_nGroupCaptionHorzOffset,
                m_nGroupCaptionVertOffset,
                m_nTasksHorzOffset,
                m_nTasksIconHorzOffset,
                m_nTasksIconVertOffset};
    }
    BOOL HasWindowTheme() const { return m_hThemeWindow != NULL; }
};
} // namespace

TEST(FlatLook, TheOverlappingTabsOfTheColouredStyleKeepTheBasesDrawing)
{
    CORXVisualManagerXP look(TRUE);
    CORXVisualManager base(TRUE);
    CTabWndStandIn tabs;
    EXPECT_NE(TabPixels(base, tabs), TabPixels(look, tabs));
    tabs.bColoredStrip = TRUE;
    EXPECT_EQ(TabPixels(base, tabs), TabPixels(look, tabs)) << "no colour of their own, still the base's";
}

TEST(FlatLook, AnActiveBottomTabReachesThreePixelsUpOrTwoUnderTheDrawFrameOption)
{
    CORXVisualManagerXP look(TRUE);
    CTabWndStandIn tabs;
    const COLORREF clrBack = RGB(1, 2, 3);
    // The fill's column in the middle of the tab, above its top at 10.
    std::vector<COLORREF> pixels = TabPixels(look, tabs);
    EXPECT_NE(clrBack, pixels[7 * 80 + 35]);
    EXPECT_EQ(clrBack, pixels[6 * 80 + 35]);
    tabs.bDrawFrame = TRUE;
    pixels = TabPixels(look, tabs);
    EXPECT_EQ(clrBack, pixels[7 * 80 + 35]);
    EXPECT_NE(clrBack, pixels[8 * 80 + 35]);
}

TEST(ThemedLook, WithoutAWindowThemeTheBaseMetricsAndShadowedHighlightsFromTheStart)
{
    CThemeLookMetrics look;
    const std::vector<int> base = {12, 12, 15, 25, 13, 7, 12, 5, 4};
    EXPECT_EQ(base, look.TasksMetrics());
    // Right after construction, not only after the first change of the system's colours.
    EXPECT_EQ(!look.HasWindowTheme(), look.IsShadowHighlightedImage());
    look.OnUpdateSystemColors();
    EXPECT_EQ(!look.HasWindowTheme(), look.IsShadowHighlightedImage());
}

TEST(ThemedLook, AGroupWithoutACaptionGetsTheHeadsEdge)
{
    CRecordingThemeLook look;
    CTestSurface surface(100, 60);
    look.OnDrawTasksGroupAreaBorder(surface.DC(), CRect(5, 10, 95, 50), FALSE, FALSE);
    ASSERT_EQ(1u, g_calls.size());
    EXPECT_EQ(5, g_calls[0].nPart) << "the normal group's background";
    g_calls.clear();
    look.OnDrawTasksGroupAreaBorder(surface.DC(), CRect(5, 10, 95, 50), TRUE, TRUE);
    ASSERT_EQ(2u, g_calls.size());
    EXPECT_EQ(9, g_calls[0].nPart) << "the special group's background";
    EXPECT_EQ(12, g_calls[1].nPart) << "the special group's head";
    EXPECT_EQ(CRect(5, 10, 95, 11), g_calls[1].rect);
}

TEST_F(LookColors, ThemedMenusTakeTheSystemMenuColourUnlessTheyKeepTheFlatLook)
{
    CRecordingThemeLook look;
    CORXPopupMenuBar bar;
    CTestSurface surface(120, 20, RGB(1, 2, 3));
    look.OnFillBarBackground(surface.DC(), &bar, CRect(0, 0, 120, 20), CRect());
    EXPECT_EQ(::GetSysColor(COLOR_MENU), surface.At(100, 10));
    EXPECT_EQ(::GetSysColor(COLOR_MENU), surface.At(2, 10)) << "no image margin";
    look.xpLookMenus = TRUE;
    look.OnFillBarBackground(surface.DC(), &bar, CRect(0, 0, 120, 20), CRect());
    EXPECT_EQ(look.GetMenuBackgroundColor(), surface.At(100, 10));
    EXPECT_EQ(look.GetBarBackgroundColor(), surface.At(2, 10)) << "the image margin";
}
