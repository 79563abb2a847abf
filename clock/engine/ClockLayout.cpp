// CClockLayout: horizontal rows grow to the right, vertical columns grow downwards.
#include "ClockLayout.h"

#include <algorithm>
#include <utility>

CClockLayout::CClockLayout(const CRect& rcArea, int nLayout)
    : m_rcArea(rcArea), m_nLayout(nLayout), m_ptNext(rcArea.left, rcArea.top), m_nSum(0), m_nLargest(0)
{
}

void CClockLayout::Add(const CSize& size)
{
    if (m_nLayout == CLOCKLAYOUT_HORIZONTAL)
    {
        m_ptNext.x += size.cx;
        m_nSum += size.cx;
        if (size.cy > m_nLargest)
            m_nLargest = size.cy;
    }
    else
    {
        m_ptNext.y += size.cy;
        m_nSum += size.cy;
        if (size.cx > m_nLargest)
            m_nLargest = size.cx;
    }
}

CSize CClockLayout::GetWindowSize() const
{
    if (m_nLayout == CLOCKLAYOUT_HORIZONTAL)
        return CSize(m_rcArea.left + m_nSum + 5, m_nLargest + 5);
    return CSize(m_nLargest + 5, m_rcArea.top + m_nSum + 5);
}

void GetUncoveredRects(const CRect& rcDraw, const std::vector<CRect>& covered, std::vector<CRect>& uncovered)
{
    uncovered.clear();
    if (rcDraw.IsRectEmpty())
        return;
    std::vector<int> edges;
    edges.push_back(rcDraw.top);
    edges.push_back(rcDraw.bottom);
    for (const CRect& r : covered)
    {
        if (r.top > rcDraw.top && r.top < rcDraw.bottom)
            edges.push_back(r.top);
        if (r.bottom > rcDraw.top && r.bottom < rcDraw.bottom)
            edges.push_back(r.bottom);
    }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());

    std::vector<std::pair<int, int>> spans; // the columns covered across one band
    for (size_t i = 0; i + 1 < edges.size(); i++)
    {
        const int top = edges[i], bottom = edges[i + 1];
        spans.clear();
        for (const CRect& r : covered)
        {
            int left = std::max(r.left, rcDraw.left), right = std::min(r.right, rcDraw.right);
            if (r.top <= top && r.bottom >= bottom && left < right)
                spans.push_back(std::make_pair(left, right));
        }
        std::sort(spans.begin(), spans.end());
        const size_t nBandStart = uncovered.size();
        // A gap whose columns match a rectangle that reaches the band's top grows that rectangle.
        auto addGap = [&](int left, int right) {
            for (size_t j = 0; j < nBandStart; j++)
            {
                CRect& above = uncovered[j];
                if (above.left == left && above.right == right && above.bottom == top)
                {
                    above.bottom = bottom;
                    return;
                }
            }
            uncovered.push_back(CRect(left, top, right, bottom));
        };
        int x = rcDraw.left;
        for (const std::pair<int, int>& span : spans)
        {
            if (span.first > x)
                addGap(x, span.first);
            x = std::max(x, span.second);
        }
        if (x < rcDraw.right)
            addGap(x, rcDraw.right);
    }
}
