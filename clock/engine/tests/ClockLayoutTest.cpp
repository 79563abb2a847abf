// Window sizes for clocks stacked vertically or in a row.
#include <gtest/gtest.h>

#include "ClockLayout.h"

TEST(ClockLayout, OriginsAndWindowSize)
{
    struct Case
    {
        int nLayout;
        CRect rcArea;
        std::vector<CSize> sizes;
        std::vector<CPoint> origins;
        CSize window;
    } cases[] = {
        // A row: widths add up from the area's left edge, the tallest clock sets the height.
        {CLOCKLAYOUT_HORIZONTAL,
         CRect(0, 0, 100, 100),
         {{80, 50}, {60, 70}, {90, 30}},
         {{0, 0}, {80, 0}, {140, 0}},
         CSize(0 + 230 + 5, 70 + 5)},
        // A column: heights add up from the area's top edge, the widest clock sets the width.
        {CLOCKLAYOUT_VERTICAL,
         CRect(0, 0, 100, 100),
         {{80, 50}, {60, 70}, {90, 30}},
         {{0, 0}, {0, 50}, {0, 120}},
         CSize(90 + 5, 0 + 150 + 5)},
        // The area's offset counts along the stacking direction only.
        {CLOCKLAYOUT_HORIZONTAL, CRect(3, 4, 100, 100), {{10, 20}}, {{3, 4}}, CSize(3 + 10 + 5, 20 + 5)},
        {CLOCKLAYOUT_VERTICAL, CRect(3, 4, 100, 100), {{10, 20}}, {{3, 4}}, CSize(10 + 5, 4 + 20 + 5)},
        // No clocks: only the border.
        {CLOCKLAYOUT_VERTICAL, CRect(0, 0, 100, 100), {}, {}, CSize(5, 5)},
    };
    for (const Case& c : cases)
    {
        CClockLayout layout(c.rcArea, c.nLayout);
        for (size_t i = 0; i < c.sizes.size(); i++)
        {
            EXPECT_EQ(c.origins[i], layout.GetNextOrigin()) << "clock " << i;
            layout.Add(c.sizes[i]);
        }
        EXPECT_EQ(c.window, layout.GetWindowSize());
    }
}

namespace
{
// Every pixel of rcDraw lies in exactly one rectangle: a clock or a piece of background.
void ExpectExactCover(const CRect& rcDraw, const std::vector<CRect>& clocks,
                      const std::vector<CRect>& background)
{
    for (int y = rcDraw.top; y < rcDraw.bottom; y++)
        for (int x = rcDraw.left; x < rcDraw.right; x++)
        {
            int n = 0;
            for (const CRect& r : clocks)
                n += r.PtInRect(CPoint(x, y)) ? 1 : 0;
            for (const CRect& r : background)
                n += r.PtInRect(CPoint(x, y)) ? 1 : 0;
            ASSERT_EQ(1, n) << "pixel " << x << "," << y;
        }
    for (const CRect& r : background)
    {
        EXPECT_FALSE(r.IsRectEmpty());
        CRect inside;
        EXPECT_TRUE(inside.IntersectRect(&r, &rcDraw) && inside == r) << "background outside the picture";
    }
}
} // namespace

TEST(ClockLayout, BackgroundIsWhatNoClockCovers)
{
    struct Case
    {
        const char* pszWhat;
        CRect rcDraw;
        std::vector<CRect> clocks;
        size_t nMostPieces;
    } cases[] = {
        {"a column of equal clocks: the strip beside them and the band below",
         CRect(0, 0, 60, 100),
         {{0, 0, 50, 30}, {0, 30, 50, 60}, {0, 60, 50, 90}},
         2},
        {"a column of clocks of different widths",
         CRect(0, 0, 60, 100),
         {{0, 0, 50, 30}, {0, 30, 40, 60}, {0, 60, 55, 90}},
         4},
        {"a row: the band below the shorter ones and the strip after the last",
         CRect(0, 0, 100, 40),
         {{0, 0, 30, 35}, {30, 0, 60, 30}, {60, 0, 90, 35}},
         4},
        {"clocks reaching past the picture", CRect(0, 0, 50, 50), {{0, 0, 80, 30}, {0, 30, 40, 90}}, 1},
        {"a clock away from the corner", CRect(0, 0, 20, 20), {{5, 5, 10, 10}}, 4},
        {"clocks covering it all", CRect(0, 0, 20, 20), {{0, 0, 20, 10}, {0, 10, 20, 20}}, 0},
        {"no clocks", CRect(0, 0, 20, 20), {}, 1},
        {"an empty clock", CRect(0, 0, 20, 20), {{3, 3, 3, 9}}, 1},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.pszWhat);
        std::vector<CRect> background;
        GetUncoveredRects(c.rcDraw, c.clocks, background);
        std::vector<CRect> inside;
        for (const CRect& r : c.clocks)
        {
            CRect clipped;
            if (clipped.IntersectRect(&r, &c.rcDraw))
                inside.push_back(clipped);
        }
        ExpectExactCover(c.rcDraw, inside, background);
        EXPECT_LE(background.size(), c.nMostPieces);
    }
    std::vector<CRect> background(3);
    GetUncoveredRects(CRect(0, 0, 0, 10), {}, background);
    EXPECT_TRUE(background.empty()) << "an empty picture has no background";
}
