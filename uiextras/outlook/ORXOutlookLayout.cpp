// CORXOutlookLayout: the shortcut bar's geometry.
#include "ORXOutlookLayout.h"

#include <algorithm>

CORXOutlookLayout::CORXOutlookLayout()
    : m_rectClient(0, 0, 0, 0), m_bHorz(FALSE), m_nPages(0), m_iActivePage(-1), m_nPageButtonsShown(0),
      m_nPageButtonExtent(0), m_nSpacing(4), m_sizeScrollButton(16, 16), m_iFirstVisible(0),
      m_rectShortcutArea(0, 0, 0, 0), m_nScrollPos(0), m_bCanScrollDown(FALSE), m_rectScrollUp(0, 0, 0, 0),
      m_rectScrollDown(0, 0, 0, 0)
{
}

int CORXOutlookLayout::ExtentFrom(int iFirst) const
{
    int nExtent = 0;
    for (int i = std::max(iFirst, 0); i < (int)m_arShortcuts.size(); i++)
        nExtent += m_nSpacing + Extent(m_arShortcuts[i]);
    return nExtent;
}

void CORXOutlookLayout::Calculate()
{
    const int nCount = (int)m_arShortcuts.size();
    m_iFirstVisible = std::max(0, std::min(m_iFirstVisible, nCount - 1));
    const int nPages = std::max(m_nPages, 0);
    const int nShown = std::max(0, std::min(m_nPageButtonsShown, nPages));
    const int nPageExtent = std::max(m_nPageButtonExtent, 0);

    // Page buttons: down to the active page's at the top, the others at the bottom, so that the
    // active page's shortcuts sit right under its own button. A bar along a horizontal edge keeps
    // them side by side in one row above its shortcuts.
    m_arPageRects.assign(nPages, CRect(0, 0, 0, 0));
    for (int i = 0; i < nPages; i++)
        m_arPageRects[i].SetRectEmpty();
    CRect rectArea = m_rectClient;
    if (m_bHorz)
    {
        if (nShown > 0)
        {
            const int nWidth = m_rectClient.Width() / nShown;
            for (int i = 0; i < nShown; i++)
                m_arPageRects[i] =
                    CRect(m_rectClient.left + i * nWidth, m_rectClient.top,
                          i == nShown - 1 ? m_rectClient.right : m_rectClient.left + (i + 1) * nWidth,
                          m_rectClient.top + nPageExtent);
            rectArea.top = std::min(m_rectClient.bottom, m_rectClient.top + (LONG)nPageExtent);
        }
    }
    else
    {
        int nTop = m_rectClient.top;
        for (int i = 0; i < nShown && (m_iActivePage < 0 || i <= m_iActivePage); i++)
        {
            m_arPageRects[i] = CRect(m_rectClient.left, nTop, m_rectClient.right, nTop + nPageExtent);
            nTop += nPageExtent;
        }
        int nBottom = m_rectClient.bottom;
        for (int i = nShown - 1; i > m_iActivePage && m_iActivePage >= 0; i--)
        {
            m_arPageRects[i] = CRect(m_rectClient.left, nBottom - nPageExtent, m_rectClient.right, nBottom);
            nBottom -= nPageExtent;
        }
        rectArea.top = nTop;
        rectArea.bottom = std::max(nTop, nBottom);
    }
    m_rectShortcutArea = rectArea;

    // Shortcuts: one after another along the bar, centred across it, moved back by those scrolled
    // out of view.
    m_nScrollPos = ExtentFrom(0) - ExtentFrom(m_iFirstVisible);
    m_arShortcutRects.assign(nCount, CRect(0, 0, 0, 0));
    int nPos = (m_bHorz ? rectArea.left : rectArea.top) - m_nScrollPos;
    int nEnd = nPos;
    for (int i = 0; i < nCount; i++)
    {
        const CSize size = m_arShortcuts[i];
        nPos += m_nSpacing;
        if (m_bHorz)
        {
            const int y = rectArea.top + (rectArea.Height() - size.cy) / 2;
            m_arShortcutRects[i] = CRect(nPos, y, nPos + size.cx, y + size.cy);
        }
        else
        {
            const int x = rectArea.left + (rectArea.Width() - size.cx) / 2;
            m_arShortcutRects[i] = CRect(x, nPos, x + size.cx, nPos + size.cy);
        }
        nPos += Extent(size);
        nEnd = nPos;
    }
    m_bCanScrollDown = nCount > 0 && nEnd > (m_bHorz ? rectArea.right : rectArea.bottom);

    // The scroll buttons sit in the corners of the shortcut area, at the end they scroll towards.
    const CSize sz = m_sizeScrollButton;
    m_rectScrollUp.SetRectEmpty();
    m_rectScrollDown.SetRectEmpty();
    if (m_bHorz)
    {
        const int y = rectArea.top + (rectArea.Height() - sz.cy) / 2;
        if (m_iFirstVisible > 0)
            m_rectScrollUp = CRect(CPoint(rectArea.left + 2, y), sz);
        if (m_bCanScrollDown)
            m_rectScrollDown = CRect(CPoint(rectArea.right - 2 - sz.cx, y), sz);
    }
    else
    {
        const int x = rectArea.right - 2 - sz.cx;
        if (m_iFirstVisible > 0)
            m_rectScrollUp = CRect(CPoint(x, rectArea.top + 2), sz);
        if (m_bCanScrollDown)
            m_rectScrollDown = CRect(CPoint(x, rectArea.bottom - 2 - sz.cy), sz);
    }
}

int CORXOutlookLayout::GetPageStep() const
{
    const int nCount = (int)m_arShortcuts.size();
    if (nCount == 0)
        return 1;
    const int iMeasure = std::max(0, std::min(m_iFirstVisible, nCount - 1));
    const int nMeasure = Extent(m_arShortcuts[iMeasure]) + m_nSpacing;
    if (nMeasure <= 0)
        return 1;
    return std::max(1, AreaExtent() / nMeasure);
}

int CORXOutlookLayout::StepTarget(int nStep) const
{
    const int nCount = (int)m_arShortcuts.size();
    if (nCount == 0)
        return 0;
    if (nStep > 0)
    {
        if (!m_bCanScrollDown || m_iFirstVisible >= nCount - 1)
            return m_iFirstVisible;
        if (m_iFirstVisible + nStep < nCount)
            return m_iFirstVisible + nStep;
        // A step measured by a short first shortcut may reach past the end while a taller last one
        // is still cut off. Standing still there would leave the down button showing and doing
        // nothing; the step goes just far enough to bring the last shortcut whole into view.
        int iTarget = m_iFirstVisible + 1;
        while (iTarget < nCount - 1 && ExtentFrom(iTarget) > AreaExtent())
            iTarget++;
        return iTarget;
    }
    return std::max(m_iFirstVisible + nStep, 0);
}

int CORXOutlookLayout::ScrollBackTarget() const
{
    int iFirst = m_iFirstVisible;
    while (iFirst > 0 && ExtentFrom(iFirst - 1) <= AreaExtent())
        iFirst--;
    return iFirst;
}
