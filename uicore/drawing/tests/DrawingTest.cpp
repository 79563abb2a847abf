// Drawing data and the drawing helper: colour arithmetic, pixel operations and the parent background.
#include <gtest/gtest.h>

#include "ORXDrawHelper.h"
#include "ORXGlobalData.h"
#include "TestDrawing.h"

namespace
{
COLORREF Halfway(COLORREF clr, COLORREF clrTo)
{
    return RGB((GetRValue(clrTo) - GetRValue(clr)) / 2 + GetRValue(clr),
               (GetGValue(clrTo) - GetGValue(clr)) / 2 + GetGValue(clr),
               (GetBValue(clrTo) - GetBValue(clr)) / 2 + GetBValue(clr));
}
} // namespace

TEST(DrawHelperColors, ScalingBlendingAndTheirLimits)
{
    struct
    {
        COLORREF result, expected;
    } cases[] = {
        {CORXDrawHelper::ScaleColor(RGB(200, 100, 51), 50), RGB(100, 50, 25)},
        {CORXDrawHelper::ScaleColor(RGB(200, 100, 51), 300), RGB(255, 255, 153)},
        {CORXDrawHelper::ScaleColorPercent(RGB(0, 0, 0), 150, 150, 150), RGB(127, 127, 127)},
        {CORXDrawHelper::ScaleColorPercent(RGB(0, 10, 200), 100, 150, 50), RGB(0, 15, 100)},
        {CORXDrawHelper::ScaleColorPercent(RGB(0, 0, 0), 100, 100, 100), RGB(0, 0, 0)},
        {CORXDrawHelper::ScaleColorChannels(RGB(100, 100, 100), 0.976, 0.973, 0.969), RGB(98, 97, 97)},
        {CORXDrawHelper::ScaleColorChannels(RGB(0, 200, 0), 1.5, 1.5, 0.5), RGB(128, 255, 0)},
        {CORXDrawHelper::BlendColors(RGB(255, 255, 255), RGB(0, 0, 0), 25), RGB(63, 63, 63)},
        {CORXDrawHelper::BlendColors(RGB(255, 0, 0), RGB(0, 0, 255), 100), RGB(255, 0, 0)},
    };
    for (auto& c : cases)
        EXPECT_EQ(c.expected, c.result);
}

TEST(DrawHelperColors, HlsModelBothWays)
{
    struct
    {
        COLORREF clr;
        double h, l, s;
    } cases[] = {
        {RGB(255, 0, 0), 0.0, 0.5, 1.0},           {RGB(0, 255, 0), 1.0 / 3, 0.5, 1.0},
        {RGB(0, 0, 255), 2.0 / 3, 0.5, 1.0},       {RGB(255, 0, 255), 5.0 / 6, 0.5, 1.0},
        {RGB(128, 128, 128), 0.0, 128 / 255.0, 0}, {RGB(255, 128, 128), 0.0, (255 + 128) / 510.0, 1.0},
    };
    for (auto& c : cases)
    {
        double h = -1, l = -1, s = -1;
        CORXDrawHelper::RgbToHls(c.clr, &h, &l, &s);
        EXPECT_NEAR(c.h, h, 1e-9);
        EXPECT_NEAR(c.l, l, 1e-9);
        EXPECT_NEAR(c.s, s, 1e-9);
    }
    EXPECT_EQ(RGB(255, 0, 0), CORXDrawHelper::HlsToRgbUnitHue(0, 0.5, 1));
    EXPECT_EQ(RGB(0, 255, 0), CORXDrawHelper::HlsToRgbUnitHue(1.0 / 3, 0.5, 1));
    EXPECT_EQ(RGB(127, 127, 127), CORXDrawHelper::HlsToRgbUnitHue(0.7, 0.5, 0));
    EXPECT_EQ(RGB(0, 255, 0), CORXDrawHelper::HlsToRgbDegrees(120, 0.5, 1));
    EXPECT_EQ(RGB(0, 0, 255), CORXDrawHelper::HlsToRgbDegrees(240, 0.5, 1));
    // Angles outside the circle act as their equivalents.
    EXPECT_EQ(CORXDrawHelper::HlsToRgbDegrees(120, 0.5, 1), CORXDrawHelper::HlsToRgbDegrees(-240, 0.5, 1));
    EXPECT_EQ(CORXDrawHelper::HlsToRgbDegrees(60, 0.4, 0.5), CORXDrawHelper::HlsToRgbDegrees(420, 0.4, 0.5));
}

TEST(DrawHelperPixels, HighlightKeepsTransparentPixelsAndPercent100ChangesNothing)
{
    ASSERT_GT(globalData.m_nBitsPerPixel, 8);
    CTestSurface surface(8, 8, RGB(0, 0, 0));
    surface.Fill(CRect(0, 0, 1, 1), RGB(255, 0, 255));
    surface.Fill(CRect(1, 0, 2, 1), RGB(100, 50, 20));
    CORXDrawHelper dh(surface.DC());
    EXPECT_TRUE(dh.HighlightRect(CRect(0, 0, 8, 8), 100));
    EXPECT_EQ(RGB(0, 0, 0), surface.At(3, 3));
    EXPECT_TRUE(dh.HighlightRect(CRect(0, 0, 8, 8), -1, RGB(255, 0, 255)));
    EXPECT_EQ(RGB(255, 0, 255), surface.At(0, 0));
    EXPECT_EQ(Halfway(RGB(0, 0, 0), globalData.clrBtnHilite), surface.At(3, 3));
    // Only the rectangle is touched.
    CTestSurface second(8, 8, RGB(100, 50, 20));
    CORXDrawHelper dh2(second.DC());
    EXPECT_TRUE(dh2.HighlightRect(CRect(2, 2, 4, 4), 150));
    EXPECT_EQ(RGB(150, 75, 30), second.At(2, 3));
    EXPECT_EQ(RGB(100, 50, 20), second.At(4, 4));
    EXPECT_EQ(RGB(100, 50, 20), second.At(1, 2));
}

TEST(DrawHelperPixels, GrayKeepsLightnessAndGradientStepsIn64ths)
{
    CTestSurface surface(4, 4, RGB(255, 0, 0));
    CORXDrawHelper dh(surface.DC());
    EXPECT_TRUE(dh.GrayRect(CRect(0, 0, 4, 4), 100));
    EXPECT_EQ(RGB(127, 127, 127), surface.At(1, 1));

    CTestSurface gradient(64, 2, RGB(0, 0, 0));
    CORXDrawHelper dhg(gradient.DC());
    dhg.FillGradient(CRect(0, 0, 64, 2), RGB(0, 0, 0), RGB(128, 64, 255), TRUE);
    EXPECT_EQ(RGB(0, 0, 0), gradient.At(0, 1));
    EXPECT_EQ(RGB(20, 10, 39), gradient.At(10, 0));
    EXPECT_EQ(RGB(126, 63, 251), gradient.At(63, 1));
}

TEST(DrawHelperPixels, ShadowFadesOutwardsAndTooDeepDrawsNothing)
{
    CTestSurface surface(40, 40, RGB(200, 200, 200));
    CORXDrawHelper dh(surface.DC());
    EXPECT_FALSE(dh.DrawShadow(CRect(0, 0, 4, 20), 4, 50, 90));
    EXPECT_EQ(RGB(200, 200, 200), surface.At(5, 10));

    CBitmap bmpBottom, bmpSide;
    ASSERT_TRUE(dh.DrawShadow(CRect(0, 0, 20, 20), 4, 50, 90, &bmpBottom, &bmpSide));
    EXPECT_EQ(RGB(100, 100, 100), surface.At(20, 10)); // inner column: 50 %
    EXPECT_EQ(RGB(160, 160, 160), surface.At(23, 10)); // outer column: 80 %
    EXPECT_EQ(RGB(100, 100, 100), surface.At(10, 20));
    EXPECT_EQ(RGB(200, 200, 200), surface.At(20, 2));  // the side strip starts one depth down
    EXPECT_EQ(RGB(200, 200, 200), surface.At(10, 10)); // the rectangle itself stays
    EXPECT_EQ(RGB(160, 160, 160), surface.At(23, 20)); // corner: the farther distance
    // With both strips saved the shadow is only painted back.
    surface.Fill(CRect(0, 0, 40, 40), RGB(0, 0, 255));
    EXPECT_TRUE(dh.DrawShadow(CRect(0, 0, 20, 20), 4, 50, 90, &bmpBottom, &bmpSide));
    EXPECT_EQ(RGB(200, 200, 200), surface.At(21, 5));
    EXPECT_EQ(RGB(0, 0, 255), surface.At(10, 10));
}

TEST(GlobalData, LightBrushByColourDepthAndMenuFace)
{
    LOGBRUSH lb;
    globalData.CreateLightBrush(8);
    ASSERT_EQ((int)sizeof(lb), ::GetObject(globalData.brLight.GetSafeHandle(), sizeof(lb), &lb));
    EXPECT_NE((UINT)BS_SOLID, lb.lbStyle);
    globalData.CreateLightBrush(32);
    ASSERT_EQ((int)sizeof(lb), ::GetObject(globalData.brLight.GetSafeHandle(), sizeof(lb), &lb));
    EXPECT_EQ((UINT)BS_SOLID, lb.lbStyle);
    EXPECT_EQ(Halfway(globalData.clrBtnFace, globalData.clrBtnHilite), lb.lbColor);

    LOGFONT lf = {};
    lf.lfCharSet = ANSI_CHARSET;
    lstrcpy(lf.lfFaceName, _T("Segoe"));
    CORXGlobalData::ChooseMenuFace(lf, FALSE);
    EXPECT_STREQ(_T("MS Sans Serif"), lf.lfFaceName);
    CORXGlobalData::ChooseMenuFace(lf, TRUE);
    EXPECT_STREQ(_T("Tahoma"), lf.lfFaceName);
    lf.lfCharSet = SHIFTJIS_CHARSET;
    lstrcpy(lf.lfFaceName, _T("MS UI Gothic"));
    CORXGlobalData::ChooseMenuFace(lf, TRUE);
    EXPECT_STREQ(_T("MS UI Gothic"), lf.lfFaceName);

    EXPECT_GT(globalData.GetTextHeight(TRUE), 0);
    EXPECT_NE((HFONT)NULL, (HFONT)globalData.fontVert.GetSafeHandle());
}

namespace
{
// A parent that paints its background red and leaves the DC moved and clipped, as careless
// windows do.
LRESULT CALLBACK CarelessParentProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (nMsg == WM_ERASEBKGND)
    {
        HDC hDC = (HDC)wParam;
        RECT rc;
        ::GetClientRect(hWnd, &rc);
        HBRUSH hBrush = ::CreateSolidBrush(RGB(255, 0, 0));
        ::FillRect(hDC, &rc, hBrush);
        ::DeleteObject(hBrush);
        ::SetViewportOrgEx(hDC, 50, 50, NULL);
        HRGN hRgn = ::CreateRectRgn(0, 0, 1, 1);
        ::SelectClipRgn(hDC, hRgn);
        ::DeleteObject(hRgn);
        return 1;
    }
    return ::DefWindowProc(hWnd, nMsg, wParam, lParam);
}
} // namespace

TEST(GlobalData, ParentBackgroundLeavesTheDCsOriginAndClipAsTheyWere)
{
    WNDCLASS wc = {};
    wc.lpfnWndProc = CarelessParentProc;
    wc.hInstance = ::GetModuleHandle(NULL);
    wc.lpszClassName = _T("UicoreCarelessParent");
    ::RegisterClass(&wc);
    HWND hParent = ::CreateWindow(_T("UicoreCarelessParent"), _T(""), WS_POPUP, 0, 0, 100, 100, NULL, NULL,
                                  wc.hInstance, NULL);
    ASSERT_NE((HWND)NULL, hParent);
    HWND hChild =
        ::CreateWindow(_T("STATIC"), _T(""), WS_CHILD, 10, 20, 30, 30, hParent, NULL, wc.hInstance, NULL);
    CWnd wndChild;
    wndChild.Attach(hChild);

    CTestSurface surface(30, 30, RGB(0, 0, 255));
    ::SetViewportOrgEx(surface.Handle(), 2, 3, NULL);
    HRGN hClip = ::CreateRectRgn(0, 0, 25, 25);
    ::SelectClipRgn(surface.Handle(), hClip);
    ::DeleteObject(hClip);

    CRect rect(0, 0, 20, 20);
    EXPECT_TRUE(CORXGlobalData::EraseParentBackground(&wndChild, surface.DC(), &rect));
    POINT pt;
    ::GetViewportOrgEx(surface.Handle(), &pt);
    EXPECT_EQ(2, pt.x);
    EXPECT_EQ(3, pt.y);
    RECT rcClip;
    ::GetClipBox(surface.Handle(), &rcClip);
    EXPECT_EQ(CRect(-2, -3, 23, 22), CRect(rcClip));
    EXPECT_EQ(RGB(255, 0, 0), surface.At(5, 5));
    EXPECT_EQ(RGB(0, 0, 255), surface.At(24, 24)); // outside the given rectangle

    // Whichever way it paints, the DC comes back as it was.
    globalData.DrawParentBackground(&wndChild, surface.DC(), &rect);
    ::GetViewportOrgEx(surface.Handle(), &pt);
    EXPECT_EQ(2, pt.x);
    ::GetClipBox(surface.Handle(), &rcClip);
    EXPECT_EQ(CRect(-2, -3, 23, 22), CRect(rcClip));

    wndChild.Detach();
    ::DestroyWindow(hParent);
}
