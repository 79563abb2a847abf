// The flat look's colours from known system colours, its spin halves at known pixels, and the
// themed look's parts and states through a recording stand-in for the theme calls.
#include <gtest/gtest.h>

#include <vector>

#include "ORXGlobalData.h"
#include "ORXVisualManagerXP.h"
#include "ORXWinXPVisualManager.h"

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
    CDC dc;
    dc.CreateCompatibleDC(NULL);
    BITMAPINFO bmi = {{sizeof(BITMAPINFOHEADER), 20, -40, 1, 32, BI_RGB}};
    void* pBits = NULL;
    HBITMAP hbmp = ::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
    HGDIOBJ hOld = ::SelectObject(dc.GetSafeHdc(), hbmp);
    look.OnDrawSpinButtons(&dc, CRect(0, 0, 20, 40), nState, bHorz, NULL);
    COLORREF clr = dc.GetPixel(pt);
    ::SelectObject(dc.GetSafeHdc(), hOld);
    ::DeleteObject(hbmp);
    return clr;
}
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
