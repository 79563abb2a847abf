// CORXTasksHistory: the tasks pane's browser-like list of the pages shown, and the pane's pure
// arithmetic (rows to scroll, the group animation's step), apart from any window.
#ifndef VELMORA_ORXTASKSHISTORY_H
#define VELMORA_ORXTASKSHISTORY_H

#include <afxwin.h>
#include <afxcoll.h>

class CORXTasksHistory
{
    // Construction
public:
    explicit CORXTasksHistory(int nMaxLength = 20);

    // Attributes
public:
    int GetSize() const { return (int)m_arrPages.GetSize(); }
    int GetPosition() const { return m_iPosition; }
    int GetMaxLength() const { return m_nMaxLength; }
    // The page at the current position, -1 while nothing was shown.
    int GetCurrent() const;
    int GetAt(int iIndex) const { return (int)m_arrPages[iIndex]; }
    BOOL CanGoBack() const { return m_iPosition >= 1; }
    BOOL CanGoForward() const { return m_iPosition < GetSize() - 1; }

    // Operations
public:
    // At least one page is kept, so a full history can always take the new page.
    void SetMaxLength(int nMaxLength);
    // Records the page after the current one, dropping those ahead of it and, when full, the
    // oldest; FALSE (nothing changed) when the page is the current one.
    BOOL Add(int nPage);
    // Moves the position; FALSE at either end.
    BOOL Back();
    BOOL Forward();
    // Forgets everything but the one page.
    void Reset(int nPage);

    // Implementation
protected:
    CDWordArray m_arrPages;
    int m_iPosition;
    int m_nMaxLength;
};

// Rows of the task area's scrolling.
struct CORXTasksScroll
{
    // From the laid-out content height (at scroll position 0) and the task area's height: the
    // scroll range (the last row, 0 when all fits) and the rows one page shows (at least 1).
    static void CountRows(int nContentHeight, int nAreaHeight, int nRowHeight, int& nTotalRows,
                          int& nPageRows);
    // A requested first row kept within 0 ... total - page + 1, never below 0.
    static int Clamp(int nPos, int nTotalRows, int nPageRows);
};

// One tick of a group's collapse or expand animation: the height shown after it. The steps are
// the elapsed time in 30 ms periods, rounded half up; every tick moves at least one pixel, so
// an animation ends whatever the step size or the timer's pace.
struct CORXTasksAnimation
{
    enum
    {
        Period = 30
    };
    static int Step(int nShown, int nFull, BOOL bCollapsing, DWORD dwElapsed, int nStepSize);
    static BOOL IsDone(int nShown, int nFull, BOOL bCollapsing)
    {
        return bCollapsing ? nShown <= 0 : nShown >= nFull;
    }
};

#endif // VELMORA_ORXTASKSHISTORY_H
