// Drawing through the GDI wrappers into a memory context and reading the pixels back.
#include <AfxGdi.h>
#include <gtest/gtest.h>

#include "TestDrawing.h"

namespace
{

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);

TEST(Gdi, Draw3dRectPaintsTopLeftAndBottomRightEdges)
{
    CTestSurface s(20, 20, kWhite);
    s.DC()->Draw3dRect(2, 3, 10, 8, kRed, kBlue);
    struct
    {
        int x, y;
        COLORREF expected;
    } cases[] = {
        {2, 3, kRed},   {10, 3, kRed},   {2, 9, kRed},   // top row and left column, short of the far corners
        {11, 3, kBlue}, {11, 10, kBlue}, {2, 10, kBlue}, // right column and bottom row, corners included
        {5, 6, kWhite}, {12, 3, kWhite}, {2, 11, kWhite}, {1, 3, kWhite},
    };
    for (auto& c : cases)
        EXPECT_EQ(c.expected, s.At(c.x, c.y)) << c.x << "," << c.y;
}

TEST(Gdi, RectangleUsesSelectedPenAndBrushAndSelectReturnsPrevious)
{
    CTestSurface s(20, 20, kWhite);
    CPen pen(PS_SOLID, 1, kBlue);
    CBrush brush(kGreen);
    CPen* oldPen = s.DC()->SelectObject(&pen);
    CBrush* oldBrush = s.DC()->SelectObject(&brush);
    ASSERT_NE(nullptr, oldPen);
    ASSERT_NE(nullptr, oldBrush);
    // The defaults of a fresh context are the stock black pen and white brush.
    EXPECT_EQ(::GetStockObject(BLACK_PEN), oldPen->m_hObject);
    EXPECT_EQ(::GetStockObject(WHITE_BRUSH), oldBrush->m_hObject);

    s.DC()->Rectangle(4, 4, 12, 12);
    EXPECT_EQ(kBlue, s.At(4, 4));
    EXPECT_EQ(kBlue, s.At(11, 8));
    EXPECT_EQ(kGreen, s.At(8, 8));
    EXPECT_EQ(kWhite, s.At(12, 12));

    // Selecting another object gives back the permanent C++ object that was selected.
    CPen pen2(PS_SOLID, 1, kRed);
    EXPECT_EQ(&pen, s.DC()->SelectObject(&pen2));
    EXPECT_EQ(&pen2, s.DC()->SelectObject(oldPen));
    s.DC()->SelectObject(oldBrush);
}

TEST(Gdi, TemporaryObjectsAreSharedPerHandleAndDroppedWithoutDeletingTheHandle)
{
    HGDIOBJ stock = ::GetStockObject(GRAY_BRUSH);
    CGdiObject* a = CGdiObject::FromHandle(stock);
    CGdiObject* b = CGdiObject::FromHandle(stock);
    EXPECT_EQ(a, b);
    EXPECT_TRUE(a->IsKindOf(RUNTIME_CLASS(CBrush)));
    CGdiObject::DeleteTempMap();
    EXPECT_EQ((DWORD)OBJ_BRUSH, ::GetObjectType(stock));

    HPEN raw = ::CreatePen(PS_SOLID, 1, kRed);
    CPen::FromHandle(raw);
    CGdiObject::DeleteTempMap();
    EXPECT_EQ((DWORD)OBJ_PEN, ::GetObjectType(raw)) << "a temporary wrapper must not delete its handle";
    ::DeleteObject(raw);

    HBRUSH owned;
    {
        CBrush brush(kRed);
        owned = (HBRUSH)brush.m_hObject;
        EXPECT_EQ(&brush, CGdiObject::FromHandle(owned));
    }
    EXPECT_EQ(0u, ::GetObjectType(owned)) << "an owning wrapper deletes its handle";

    CBrush kept(kBlue);
    HGDIOBJ h = kept.Detach();
    EXPECT_EQ(nullptr, kept.m_hObject);
    EXPECT_EQ((DWORD)OBJ_BRUSH, ::GetObjectType(h));
    EXPECT_NE(&kept, CGdiObject::FromHandle(h));
    CGdiObject::DeleteTempMap();
    ::DeleteObject(h);
}

TEST(Gdi, RegionsCombineAndHitTest)
{
    struct
    {
        int mode;
        POINT in, out;
    } cases[] = {
        {RGN_OR, {15, 15}, {25, 5}},
        {RGN_AND, {7, 7}, {2, 2}},
        {RGN_DIFF, {2, 2}, {7, 7}},
        {RGN_XOR, {12, 12}, {7, 7}},
    };
    for (auto& c : cases)
    {
        CRgn a, b, r;
        a.CreateRectRgn(0, 0, 10, 10);
        b.CreateRectRgn(5, 5, 20, 20);
        r.CreateRectRgn(0, 0, 0, 0);
        EXPECT_NE(ERROR, r.CombineRgn(&a, &b, c.mode));
        EXPECT_TRUE(r.PtInRegion(c.in)) << c.mode;
        EXPECT_FALSE(r.PtInRegion(c.out)) << c.mode;
    }
    CRgn round, ellipse;
    round.CreateRoundRectRgn(0, 0, 20, 20, 10, 10);
    ellipse.CreateEllipticRgn(0, 0, 20, 20);
    EXPECT_FALSE(round.PtInRegion(0, 0));
    EXPECT_TRUE(round.PtInRegion(10, 1));
    EXPECT_FALSE(ellipse.PtInRegion(2, 2));
    CRect box;
    EXPECT_EQ(COMPLEXREGION, ellipse.GetRgnBox(&box));
    EXPECT_EQ(0, box.left);
    EXPECT_EQ(0, box.top);
    EXPECT_GE(20, box.right);
    EXPECT_LE(19, box.right);
}

TEST(Gdi, ClippingLimitsDrawingAndSaveRestoreBringsStateBack)
{
    CTestSurface s(30, 30, kWhite);
    int saved = s.DC()->SaveDC();
    ASSERT_NE(0, saved);
    s.DC()->IntersectClipRect(5, 5, 15, 15);
    s.DC()->ExcludeClipRect(8, 8, 10, 10);
    s.DC()->SetTextColor(kRed);
    CRect clip;
    s.DC()->GetClipBox(&clip);
    EXPECT_TRUE(clip == CRect(5, 5, 15, 15))
        << clip.left << "," << clip.top << "," << clip.right << "," << clip.bottom;
    s.DC()->FillSolidRect(0, 0, 30, 30, kBlue);
    EXPECT_EQ(kBlue, s.At(5, 5));
    EXPECT_EQ(kBlue, s.At(14, 14));
    EXPECT_EQ(kWhite, s.At(8, 8));
    EXPECT_EQ(kWhite, s.At(4, 4));
    EXPECT_EQ(kWhite, s.At(15, 15));

    EXPECT_TRUE(s.DC()->RestoreDC(saved));
    EXPECT_EQ(kBlack, s.DC()->GetTextColor());
    s.DC()->GetClipBox(&clip);
    EXPECT_TRUE(clip == CRect(0, 0, 30, 30));

    CRgn rgn;
    rgn.CreateRectRgn(20, 20, 25, 25);
    s.DC()->SelectClipRgn(&rgn);
    s.DC()->FillSolidRect(0, 0, 30, 30, kGreen);
    EXPECT_EQ(kGreen, s.At(20, 20));
    EXPECT_EQ(kBlue, s.At(6, 6));
    s.DC()->SelectClipRgn(NULL);
    s.DC()->GetClipBox(&clip);
    EXPECT_TRUE(clip == CRect(0, 0, 30, 30));
}

TEST(Gdi, WindowOriginAndMappingModesConvertCoordinates)
{
    CTestSurface s(30, 30, kWhite);
    s.DC()->SetWindowOrg(10, 10);
    s.DC()->SetPixel(12, 13, kRed);
    EXPECT_EQ(kRed, s.At(12, 13)) << "reads go through the same origin";
    s.DC()->SetWindowOrg(0, 0);
    EXPECT_EQ(kRed, s.At(2, 3));

    // MM_TWIPS: 1440 logical units per inch, y upwards. The context's own pixels per inch are
    // the oracle for the scale.
    s.DC()->SetMapMode(MM_TWIPS);
    int dpi = s.DC()->GetDeviceCaps(LOGPIXELSX);
    CPoint p(1440, -1440);
    s.DC()->LPtoDP(&p);
    EXPECT_EQ(dpi, p.x);
    EXPECT_EQ(s.DC()->GetDeviceCaps(LOGPIXELSY), p.y);
    CSize size(dpi, dpi);
    s.DC()->DPtoLP(&size);
    // One unit either way: the system's own conversion rounds.
    EXPECT_NEAR(1440, size.cx, 1);
    EXPECT_NEAR(-1440, size.cy, 1);
    EXPECT_EQ(MM_TWIPS, s.DC()->SetMapMode(MM_TEXT));
}

TEST(Gdi, TextIsMeasuredAndDrawnInTheTextColour)
{
    CTestSurface s(120, 40, kWhite);
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(90, _T("Arial")));
    LOGFONT lf;
    font.GetLogFont(&lf);
    // 9 points at the screen's pixels per inch, as a character height (negative).
    HDC screen = ::GetDC(NULL);
    int expected = -::MulDiv(90, ::GetDeviceCaps(screen, LOGPIXELSY), 720);
    ::ReleaseDC(NULL, screen);
    EXPECT_EQ(expected, lf.lfHeight);
    EXPECT_STREQ("Arial", lf.lfFaceName);

    CFont* old = s.DC()->SelectObject(&font);
    EXPECT_EQ(0, s.DC()->GetTextExtent(CString()).cx);
    CSize one = s.DC()->GetTextExtent(_T("W"), 1);
    CSize two = s.DC()->GetTextExtent(CString("WW"));
    EXPECT_GT(one.cx, 0);
    EXPECT_EQ(2 * one.cx, two.cx);
    TEXTMETRIC tm;
    ASSERT_TRUE(s.DC()->GetTextMetrics(&tm));
    EXPECT_EQ(tm.tmHeight, one.cy);

    CRect calc(0, 0, 0, 0);
    s.DC()->DrawText(CString("Line\nLine"), &calc, DT_CALCRECT);
    EXPECT_EQ(2 * tm.tmHeight, calc.Height());

    s.DC()->SetTextColor(kRed);
    s.DC()->SetBkMode(TRANSPARENT);
    s.DC()->TextOut(2, 2, CString("WWW"));
    int red = 0;
    for (int x = 0; x < 120; ++x)
        for (int y = 0; y < 40; ++y)
            red += s.At(x, y) == kRed;
    EXPECT_GT(red, 10);
    s.DC()->SelectObject(old);
}

TEST(Gdi, DragRectanglesAreDrawnAndTakenOffByInversion)
{
    CTestSurface s(40, 40, kWhite);
    // The half-tone brush inverts every other pixel, so a spot counts as drawn when either of
    // two neighbours changed.
    auto drawn = [&](int x, int y) { return s.At(x, y) != kWhite || s.At(x + 1, y) != kWhite; };
    CRect first(5, 5, 25, 25), second(10, 10, 30, 30);
    CSize thick(2, 2);
    s.DC()->DrawDragRect(&first, thick, NULL, thick);
    EXPECT_TRUE(drawn(5, 5)) << "the frame is drawn";
    EXPECT_TRUE(drawn(5, 15));
    EXPECT_FALSE(drawn(15, 15)) << "the inside is left alone";

    // Moving the frame takes the old one off and draws the new one.
    s.DC()->DrawDragRect(&second, thick, &first, thick);
    EXPECT_FALSE(drawn(5, 5));
    EXPECT_TRUE(drawn(28, 28));

    // Drawing with an empty new frame over the last takes everything off.
    CRect none(0, 0, 0, 0);
    s.DC()->DrawDragRect(&none, CSize(0, 0), &second, thick);
    for (int x = 0; x < 40; ++x)
        for (int y = 0; y < 40; ++y)
            ASSERT_EQ(kWhite, s.At(x, y)) << x << "," << y;
}

TEST(Gdi, BitmapsCopyAndStretch)
{
    CTestSurface dst(40, 40, kWhite);
    CDC src;
    ASSERT_TRUE(src.CreateCompatibleDC(dst.DC()));
    CBitmap bmp;
    ASSERT_TRUE(bmp.CreateCompatibleBitmap(dst.DC(), 4, 4));
    BITMAP info;
    ASSERT_TRUE(bmp.GetBitmap(&info));
    EXPECT_EQ(4, info.bmWidth);
    EXPECT_EQ(4, info.bmHeight);
    CBitmap* old = src.SelectObject(&bmp);
    src.FillSolidRect(0, 0, 4, 4, kGreen);
    src.SetPixel(0, 0, kRed);

    ASSERT_TRUE(dst.DC()->BitBlt(10, 10, 4, 4, &src, 0, 0, SRCCOPY));
    EXPECT_EQ(kRed, dst.At(10, 10));
    EXPECT_EQ(kGreen, dst.At(13, 13));
    EXPECT_EQ(kWhite, dst.At(14, 14));

    ASSERT_TRUE(dst.DC()->StretchBlt(20, 20, 8, 8, &src, 0, 0, 4, 4, SRCCOPY));
    EXPECT_EQ(kRed, dst.At(21, 21));
    EXPECT_EQ(kGreen, dst.At(22, 22));
    EXPECT_EQ(kGreen, dst.At(27, 27));

    ASSERT_TRUE(dst.DC()->PatBlt(0, 0, 2, 2, BLACKNESS));
    EXPECT_EQ(kBlack, dst.At(1, 1));
    dst.DC()->InvertRect(CRect(0, 0, 1, 1));
    EXPECT_EQ(kWhite, dst.At(0, 0));
    src.SelectObject(old);
}

TEST(Gdi, ContextsAttachDetachAndMapHandles)
{
    HDC raw = ::CreateCompatibleDC(NULL);
    CDC* temp = CDC::FromHandle(raw);
    ASSERT_NE(nullptr, temp);
    EXPECT_EQ(raw, temp->GetSafeHdc());
    EXPECT_EQ(temp, CDC::FromHandle(raw));
    CDC::DeleteTempMap();
    EXPECT_EQ((DWORD)OBJ_MEMDC, ::GetObjectType(raw)) << "a temporary context does not delete its handle";

    {
        CDC dc;
        ASSERT_TRUE(dc.Attach(raw));
        EXPECT_EQ(&dc, CDC::FromHandle(raw));
        EXPECT_EQ(raw, dc.m_hAttribDC);
        EXPECT_EQ(raw, dc.Detach());
        EXPECT_EQ(nullptr, dc.m_hDC);
        EXPECT_EQ(nullptr, dc.m_hAttribDC);
    }
    EXPECT_EQ((DWORD)OBJ_MEMDC, ::GetObjectType(raw));
    {
        CDC dc;
        dc.Attach(raw);
    }
    EXPECT_EQ(0u, ::GetObjectType(raw)) << "an attached context is deleted with its object";
    CDC::DeleteTempMap();

    CDC* none = NULL;
    EXPECT_EQ(nullptr, none->GetSafeHdc());
    CGdiObject* noObject = NULL;
    EXPECT_EQ(nullptr, noObject->GetSafeHandle());
}

} // namespace
