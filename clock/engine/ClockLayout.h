// CClockLayout: places the clocks one after another and works out the window size they need.
#ifndef VELMORA_CLOCKLAYOUT_H
#define VELMORA_CLOCKLAYOUT_H

#include <afx.h>
#include <AfxTypes.h>

#include <vector>

enum
{
    CLOCKLAYOUT_VERTICAL = 0,
    CLOCKLAYOUT_HORIZONTAL = 1
};

class CClockLayout
{
public:
    CClockLayout(const CRect& rcArea, int nLayout);

    // Where the next clock's top-left corner goes.
    CPoint GetNextOrigin() const { return m_ptNext; }
    // Records the size of the clock just drawn at GetNextOrigin().
    void Add(const CSize& size);
    // The window size that shows every clock added so far with the border the window keeps.
    CSize GetWindowSize() const;

private:
    CRect m_rcArea;
    int m_nLayout;
    CPoint m_ptNext;
    int m_nSum;     // widths (horizontal) or heights (vertical) of the clocks so far
    int m_nLargest; // tallest (horizontal) or widest (vertical) clock
};

// The parts of rcDraw that none of the covered rectangles covers, as few rectangles: horizontal
// bands between the rectangles' top and bottom edges, each less the rectangles across it, joined
// with the part of the band above that spans the same columns. The clock window fills only these
// with its background, as every clock paints all of its own rectangle.
void GetUncoveredRects(const CRect& rcDraw, const std::vector<CRect>& covered, std::vector<CRect>& uncovered);

#endif // VELMORA_CLOCKLAYOUT_H
