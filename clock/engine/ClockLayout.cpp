// CClockLayout: horizontal rows grow to the right, vertical columns grow downwards.
#include "ClockLayout.h"

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
