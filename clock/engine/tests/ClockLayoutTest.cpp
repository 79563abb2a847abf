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
