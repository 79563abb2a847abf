// The tasks pane's history of pages and its scrolling and animation arithmetic.
#include "ORXTasksHistory.h"

CORXTasksHistory::CORXTasksHistory(int nMaxLength) : m_iPosition(-1), m_nMaxLength(1)
{
    SetMaxLength(nMaxLength);
}

int CORXTasksHistory::GetCurrent() const
{
    if (m_iPosition < 0 || m_iPosition >= GetSize())
        return -1;
    return (int)m_arrPages[m_iPosition];
}

void CORXTasksHistory::SetMaxLength(int nMaxLength)
{
    m_nMaxLength = nMaxLength < 1 ? 1 : nMaxLength;
    // Keeps the newest entries round the current one.
    while (GetSize() > m_nMaxLength)
    {
        if (m_iPosition > 0)
        {
            m_arrPages.RemoveAt(0);
            m_iPosition--;
        }
        else
            m_arrPages.RemoveAt(GetSize() - 1);
    }
}

BOOL CORXTasksHistory::Add(int nPage)
{
    if (GetCurrent() == nPage)
        return FALSE;
    if (m_iPosition + 1 < GetSize())
        m_arrPages.SetSize(m_iPosition + 1);
    if (GetSize() >= m_nMaxLength)
    {
        m_arrPages.RemoveAt(0);
        m_iPosition--;
    }
    m_arrPages.Add((DWORD)nPage);
    m_iPosition = GetSize() - 1;
    return TRUE;
}

BOOL CORXTasksHistory::Back()
{
    if (!CanGoBack())
        return FALSE;
    m_iPosition--;
    return TRUE;
}

BOOL CORXTasksHistory::Forward()
{
    if (!CanGoForward())
        return FALSE;
    m_iPosition++;
    return TRUE;
}

void CORXTasksHistory::Reset(int nPage)
{
    m_arrPages.RemoveAll();
    m_arrPages.Add((DWORD)nPage);
    m_iPosition = 0;
}

void CORXTasksScroll::CountRows(int nContentHeight, int nAreaHeight, int nRowHeight, int& nTotalRows,
                                int& nPageRows)
{
    if (nRowHeight < 1)
        nRowHeight = 1;
    nPageRows = nAreaHeight > 0 ? nAreaHeight / nRowHeight : 0;
    if (nPageRows < 1)
        nPageRows = 1;
    if (nContentHeight <= nAreaHeight || nContentHeight <= 0)
    {
        nTotalRows = 0;
        return;
    }
    const int nRows = (nContentHeight + nRowHeight - 1) / nRowHeight;
    nTotalRows = nRows - 1;
}

int CORXTasksScroll::Clamp(int nPos, int nTotalRows, int nPageRows)
{
    int nMax = nTotalRows - nPageRows + 1;
    if (nMax < 0)
        nMax = 0;
    if (nPos > nMax)
        nPos = nMax;
    if (nPos < 0)
        nPos = 0;
    return nPos;
}

int CORXTasksAnimation::Step(int nShown, int nFull, BOOL bCollapsing, DWORD dwElapsed, int nStepSize)
{
    const int nSteps = (int)((dwElapsed + Period / 2) / Period);
    int nMove = nSteps * (nStepSize < 0 ? 0 : nStepSize);
    if (nMove < 1)
        nMove = 1;
    if (nFull < 0)
        nFull = 0;
    if (bCollapsing)
        return nShown - nMove < 0 ? 0 : nShown - nMove;
    return nShown + nMove > nFull ? nFull : nShown + nMove;
}
