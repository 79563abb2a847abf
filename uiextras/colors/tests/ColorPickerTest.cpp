// The colour picker's shapes: the palettes' cells, the snapped greys, the markers' places, picking
// by mouse and keys and what the parent hears of it.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "ORXColorPickerCtrl.h"
#include "ORXDrawHelper.h"
#include "ORXGlobalData.h"
#include "TestDrawing.h"
#include "TestWindows.h"

namespace
{
// A parent that counts the picker's notifications.
class CCountingParent : public CHiddenTestParent
{
public:
    int m_nClicked = 0;
    int m_nDoubleClicked = 0;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (HIWORD(wParam) == BN_CLICKED)
            m_nClicked++;
        else if (HIWORD(wParam) == BN_DOUBLECLICKED)
            m_nDoubleClicked++;
        return CHiddenTestParent::OnCommand(wParam, lParam);
    }
};

struct ColorPicker : ::testing::Test
{
    CCountingParent parent;
    CORXColorPickerCtrl picker;

    void Make(int nType, CRect rect)
    {
        ASSERT_TRUE(parent.CreateHidden());
        picker.SetType(nType);
        ASSERT_TRUE(picker.Create(_T(""), WS_CHILD | WS_VISIBLE, rect, &parent, 50));
        // The cells are built on the first paint.
        picker.Invalidate();
        picker.UpdateWindow();
        picker.SendMessage(WM_PAINT);
    }
    void Drag(CPoint pt, UINT nFlags = MK_LBUTTON)
    {
        picker.SendMessage(WM_LBUTTONDOWN, nFlags, MAKELPARAM(pt.x, pt.y));
        picker.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    }
};

void Paint(CORXColorPickerCtrl& picker)
{
    CRect rect;
    picker.GetClientRect(rect);
    CClientDC dc(&picker);
    DRAWITEMSTRUCT dis = {ODT_BUTTON,      50,   0, ODA_DRAWENTIRE, 0, picker.GetSafeHwnd(),
                          dc.GetSafeHdc(), rect, 0};
    picker.DrawItem(&dis);
}
// A 32-bit surface of the picker's client size with the picker painted on it, so that the pixels
// read back are the picker's wherever the window is.
std::unique_ptr<CTestSurface> PaintInto(CORXColorPickerCtrl& picker)
{
    CRect rect;
    picker.GetClientRect(rect);
    std::unique_ptr<CTestSurface> surface(new CTestSurface(rect.Width(), rect.Height()));
    DRAWITEMSTRUCT dis = {ODT_BUTTON,        50,   0, ODA_DRAWENTIRE, 0, picker.GetSafeHwnd(),
                          surface->Handle(), rect, 0};
    picker.DrawItem(&dis);
    return surface;
}
} // namespace

TEST(ColorPickerSnap, ChannelsSnapNearTheirMarks)
{
    struct
    {
        int nValue, nTolerance, nExpected;
    } cases[] = {{195, 7, 192}, {200, 7, 200}, {6, 7, 0},  {250, 7, 255},
                 {133, 7, 128}, {135, 7, 135}, {10, 0, 10}};
    for (const auto& c : cases)
        EXPECT_EQ(c.nExpected, CORXColorPickerCtrl::SnapChannel(c.nValue, c.nTolerance)) << c.nValue;
}

TEST_F(ColorPicker, HexagonPaletteHoldsAWhiteCentreAndSixRings)
{
    Make(CORXColorPickerCtrl::HEX, CRect(0, 0, 200, 180));
    Paint(picker);
    const auto& cells = picker.GetCells();
    ASSERT_EQ(127, cells.GetSize());
    EXPECT_EQ(RGB(255, 255, 255), cells[0]->m_clr);
    EXPECT_EQ(100, cells[0]->m_x);
    EXPECT_EQ(90, cells[0]->m_y);
    EXPECT_EQ(180 / 13 + 1, cells[0]->m_nSize);

    // A click on a ring cell takes its colour and tells the parent once.
    CPoint ptCell(cells[20]->m_x, cells[20]->m_y);
    Drag(ptCell);
    EXPECT_EQ(cells[20]->m_clr, picker.GetColor());
    EXPECT_EQ(1, parent.m_nClicked);

    // Outside every hexagon nothing changes and nothing is told.
    Drag(CPoint(2, 2));
    EXPECT_EQ(cells[20]->m_clr, picker.GetColor());
    EXPECT_EQ(1, parent.m_nClicked);
}

TEST_F(ColorPicker, GreyHexagonsRunFromWhiteToBlackInSnappedSteps)
{
    Make(CORXColorPickerCtrl::HEX_GREYSCALE, CRect(0, 0, 260, 40));
    Paint(picker);
    const auto& cells = picker.GetCells();
    ASSERT_EQ(17, cells.GetSize());
    EXPECT_EQ(RGB(255, 255, 255), cells[0]->m_clr);
    EXPECT_EQ(RGB(0, 0, 0), cells[16]->m_clr);
    EXPECT_EQ(RGB(192, 192, 192), cells[4]->m_clr) << "195 snaps to 192";
    EXPECT_EQ(RGB(240, 240, 240), cells[1]->m_clr);
    EXPECT_EQ(2 * cells[1]->m_nSize, cells[0]->m_nSize);
    EXPECT_NE(cells[1]->m_y, cells[2]->m_y) << "the strip zig-zags";
}

TEST_F(ColorPicker, LuminanceMarkerFollowsLightnessAndKeys)
{
    Make(CORXColorPickerCtrl::LUMINANCE, CRect(0, 0, 40, 110));
    picker.SetHLS(0.6, 1.0, 0.8);
    EXPECT_EQ(5, picker.GetCursorRect().CenterPoint().y) << "lightness 1 at the top of the scale";
    picker.SetHLS(-1, 0.0, -1);
    EXPECT_EQ(105, picker.GetCursorRect().CenterPoint().y) << "lightness 0 at the bottom";

    picker.SendMessage(WM_KEYDOWN, VK_DOWN, 1);
    EXPECT_EQ(0, parent.m_nClicked) << "already at the bottom: nothing changes";
    picker.SendMessage(WM_KEYDOWN, VK_UP, 1);
    double h, l, s;
    picker.GetHLS(&h, &l, &s);
    EXPECT_NEAR(0.05, l, 1e-9);
    EXPECT_EQ(1, parent.m_nClicked);

    Drag(CPoint(10, 55));
    picker.GetHLS(&h, &l, &s);
    EXPECT_NEAR(0.5, l, 1e-9);
    EXPECT_NEAR(0.6, h, 1e-9) << "the hue stays";
}

TEST_F(ColorPicker, ShiftDragInTheSpectrumChangesOnlyTheHue)
{
    Make(CORXColorPickerCtrl::PICKER, CRect(0, 0, 200, 100));
    picker.SetHLS(0.25, 0.5, 0.5);
    Drag(CPoint(150, 90), MK_LBUTTON | MK_SHIFT);
    double h, l, s;
    picker.GetHLS(&h, &l, &s);
    EXPECT_NEAR(0.75, h, 1e-9);
    EXPECT_NEAR(0.5, s, 0.02) << "the saturation stays with Shift held";
    Drag(CPoint(150, 20), MK_LBUTTON | MK_CONTROL);
    picker.GetHLS(&h, &l, &s);
    EXPECT_NEAR(0.75, h, 0.01) << "the hue stays with Ctrl held";
    EXPECT_NEAR(0.8, s, 1e-9);

    picker.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, 10));
    EXPECT_EQ(1, parent.m_nDoubleClicked);
}

// The spectrum and the luminance bar as drawn: hue from left to right and saturation from the bottom
// up at lightness 0.5; the bar's rows from light at the top to dark at the bottom.
TEST_F(ColorPicker, SpectrumAndLuminanceBarShowTheirColoursInPlace)
{
    if (globalData.m_nBitsPerPixel <= 8)
        GTEST_SKIP() << "palette colours on this display";
    Make(CORXColorPickerCtrl::PICKER, CRect(0, 0, 120, 100));
    picker.SetHLS(0.0, 0.5, 1.0, FALSE);
    const std::unique_ptr<CTestSurface> surface = PaintInto(picker);
    struct
    {
        int x, y;
    } points[] = {{2, 97}, {60, 2}, {30, 50}, {117, 25}, {90, 75}};
    for (const auto& p : points)
    {
        const int n = 99 - p.y; // the row's saturation step, counted from the bottom
        const COLORREF expected = CORXDrawHelper::HlsToRgbUnitHue(p.x / 120.0, 0.5, n / 100.0);
        const COLORREF actual = surface->At(p.x, p.y);
        // Inside the frame and away from the marker at the top left corner.
        EXPECT_NEAR(GetRValue(expected), GetRValue(actual), 8) << p.x << "," << p.y;
        EXPECT_NEAR(GetGValue(expected), GetGValue(actual), 8) << p.x << "," << p.y;
        EXPECT_NEAR(GetBValue(expected), GetBValue(actual), 8) << p.x << "," << p.y;
    }

    CORXColorPickerCtrl bar;
    bar.SetType(CORXColorPickerCtrl::LUMINANCE);
    ASSERT_TRUE(bar.Create(_T(""), WS_CHILD | WS_VISIBLE, CRect(130, 0, 160, 110), &parent, 51));
    bar.SetLuminanceBarWidth(14);
    bar.SetHLS(0.6, 0.5, 0.8, FALSE);
    const std::unique_ptr<CTestSurface> surfaceBar = PaintInto(bar);
    for (int y : {5, 30, 55, 80, 105})
    {
        const COLORREF expected = CORXDrawHelper::HlsToRgbUnitHue(0.6, bar.LightnessFromY(y), 0.8);
        for (int x : {0, 13})
        {
            const COLORREF actual = surfaceBar->At(x, y);
            EXPECT_NEAR(GetRValue(expected), GetRValue(actual), 8) << x << "," << y;
            EXPECT_NEAR(GetGValue(expected), GetGValue(actual), 8) << x << "," << y;
            EXPECT_NEAR(GetBValue(expected), GetBValue(actual), 8) << x << "," << y;
        }
    }
}

namespace
{
// Every pixel of a painted picker, row by row.
std::vector<COLORREF> Pixels(CORXColorPickerCtrl& picker)
{
    const std::unique_ptr<CTestSurface> surface = PaintInto(picker);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < surface->Height(); y++)
        for (int x = 0; x < surface->Width(); x++)
            pixels.push_back(surface->At(x, y));
    return pixels;
}
} // namespace

// A picker painted again after its colour, its focus or its size changed shows what one painted
// for the first time in that state shows: nothing of an earlier paint stays behind.
TEST_F(ColorPicker, APaintAfterAChangeMatchesAFreshPicker)
{
    for (int nType : {CORXColorPickerCtrl::PICKER, CORXColorPickerCtrl::LUMINANCE})
    {
        SCOPED_TRACE(nType);
        CORXColorPickerCtrl used, fresh;
        if (parent.GetSafeHwnd() == NULL)
        {
            ASSERT_TRUE(parent.CreateHidden());
        }
        used.SetType(nType);
        fresh.SetType(nType);
        ASSERT_TRUE(used.Create(_T(""), WS_CHILD | WS_VISIBLE, CRect(0, 0, 90, 80), &parent, 60));
        ASSERT_TRUE(fresh.Create(_T(""), WS_CHILD | WS_VISIBLE, CRect(0, 0, 90, 80), &parent, 61));
        used.SetLuminanceBarWidth(14);
        fresh.SetLuminanceBarWidth(14);
        used.SetHLS(0.2, 0.3, 0.9, FALSE);
        const std::vector<COLORREF> first = Pixels(used);
        EXPECT_EQ(first, Pixels(used)) << "painted twice in the same state";

        used.SetHLS(0.7, 0.6, 0.4, FALSE);
        fresh.SetHLS(0.7, 0.6, 0.4, FALSE);
        const std::vector<COLORREF> moved = Pixels(used);
        EXPECT_NE(first, moved);
        EXPECT_EQ(Pixels(fresh), moved) << "after the colour changed";

        used.SendMessage(WM_SETFOCUS);
        fresh.SendMessage(WM_SETFOCUS);
        EXPECT_EQ(Pixels(fresh), Pixels(used)) << "with the focus";
        used.SendMessage(WM_KILLFOCUS);
        fresh.SendMessage(WM_KILLFOCUS);

        used.SetWindowPos(NULL, 0, 0, 70, 60, SWP_NOMOVE | SWP_NOZORDER);
        fresh.SetWindowPos(NULL, 0, 0, 70, 60, SWP_NOMOVE | SWP_NOZORDER);
        EXPECT_EQ(Pixels(fresh), Pixels(used)) << "after a new size";
    }
}

namespace
{
// A parent whose background is one colour left of a split and another right of it.
class CTwoColourParent : public CHiddenTestParent
{
public:
    COLORREF m_clrLeft = RGB(0, 128, 255);
    COLORREF m_clrRight = RGB(255, 128, 0);
    int m_nSplit = 100;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message != WM_ERASEBKGND)
            return CHiddenTestParent::WindowProc(message, wParam, lParam);
        CRect rect;
        GetClientRect(rect);
        CDC* pDC = CDC::FromHandle((HDC)wParam);
        pDC->FillSolidRect(CRect(rect.left, rect.top, m_nSplit, rect.bottom), m_clrLeft);
        pDC->FillSolidRect(CRect(m_nSplit, rect.top, rect.right, rect.bottom), m_clrRight);
        return TRUE;
    }
};
} // namespace

// Around the luminance bar the parent's background shows as the parent draws it now: after the
// parent was drawn anew with its children, and after the bar moved over another part of it.
TEST_F(ColorPicker, TheLuminanceBarShowsTheParentsBackgroundAsItIsNow)
{
    if (globalData.m_nBitsPerPixel <= 8)
        GTEST_SKIP() << "palette colours on this display";
    CTwoColourParent back;
    ASSERT_TRUE(back.CreateHidden());
    CORXColorPickerCtrl bar;
    bar.SetType(CORXColorPickerCtrl::LUMINANCE);
    ASSERT_TRUE(bar.Create(_T(""), WS_CHILD | WS_VISIBLE, CRect(10, 10, 50, 120), &back, 52));
    bar.SetLuminanceBarWidth(14);
    bar.SetHLS(0.6, 0.5, 0.8, FALSE);
    back.ShowWindow(SW_SHOWNOACTIVATE);
    back.UpdateWindow();
    // Right of the marker, above the scale.
    const CPoint pt(35, 2);
    EXPECT_EQ(back.m_clrLeft, PaintInto(bar)->At(pt.x, pt.y));
    EXPECT_EQ(back.m_clrLeft, PaintInto(bar)->At(pt.x, pt.y)) << "painted again";

    back.m_clrLeft = RGB(40, 200, 40);
    back.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    EXPECT_EQ(back.m_clrLeft, PaintInto(bar)->At(pt.x, pt.y)) << "after the parent was drawn anew";

    bar.SetHLS(-1, 0.9, -1);
    EXPECT_EQ(back.m_clrLeft, PaintInto(bar)->At(pt.x, pt.y)) << "after the marker moved";

    bar.SetWindowPos(NULL, 150, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOREDRAW);
    EXPECT_EQ(back.m_clrRight, PaintInto(bar)->At(pt.x, pt.y)) << "after the bar moved";
}
