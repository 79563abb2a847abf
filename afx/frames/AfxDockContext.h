// CDockContext: moving a control bar with the mouse between the frame's dock bars and floating
// frames, resizing a floating bar, and toggling between its last docked and floating places.
#ifndef VELMORA_AFXDOCKCONTEXT_H
#define VELMORA_AFXDOCKCONTEXT_H

#include "afx.h"
#include "AfxControlBar.h"

class CDockBar;

class CDockContext
{
public:
    // Construction
    CDockContext(CControlBar* pBar);

    // Attributes
    CPoint m_ptLast;  // the last mouse position of the drag, in screen co-ordinates
    CRect m_rectLast; // the rectangle drawn last
    CSize m_sizeLast;
    BOOL m_bDitherLast;

    // The bar's rectangle in each form it can take during the drag (screen co-ordinates)
    CRect m_rectDragHorz;
    CRect m_rectDragVert;
    CRect m_rectFrameDragHorz;
    CRect m_rectFrameDragVert;

    DWORD m_dwDockStyle;     // the CBRS_ALIGN_ sides the bar may dock on
    DWORD m_dwOverDockStyle; // the side under the drag rectangle, 0 for none
    DWORD m_dwStyle;         // the bar's style at the start of the drag
    BOOL m_bFlip;            // Shift turns the drag rectangle
    BOOL m_bForceFrame;      // Ctrl keeps the bar from docking
    CDC* m_pDC;              // where the drag rectangle is drawn
    BOOL m_bDragging;
    int m_nHitTest; // the sizing edge of a resize, HTCAPTION for a move

    // Where the bar was docked last, and how and where it floated last
    UINT m_uMRUDockID;
    CRect m_rectMRUDockPos;
    DWORD m_dwMRUFloatStyle;
    CPoint m_ptMRUFloatPos;

    CControlBar* m_pBar;
    CFrameWnd* m_pDockSite;

    // Operations
    virtual void StartDrag(CPoint pt);
    void Move(CPoint pt);
    void EndDrag();
    void OnKey(int nChar, BOOL bDown);

    virtual void StartResize(int nHitTest, CPoint pt);
    void Stretch(CPoint pt);
    void EndResize();

    virtual void ToggleDocking();

    // Implementation
public:
    virtual ~CDockContext();
    BOOL Track();
    void DrawFocusRect(BOOL bRemoveRect = FALSE);
    void UpdateState(BOOL* pFlag, BOOL bNewValue);
    DWORD CanDock();
    CDockBar* GetDockBar(DWORD dwOverDockStyle);
    // The MRU fields from the bar's place now.
    void RecordDockedPosition();
    void RecordFloatingPosition();

protected:
    void InitLoop();
    void CancelLoop();

    CPoint m_ptStart;          // where a resize began
    CRect m_rectRequestedSize; // the size asked for during a resize
    CRect m_rectActualSize;    // the size the bar takes for it
    CRect m_rectActualFrameSize;
    CRect m_rectFrameBorders; // the floating frame's borders around the bar
    BOOL m_bLockedUpdate;     // the desktop's updates are held while the rectangle shows
};

#endif // VELMORA_AFXDOCKCONTEXT_H
