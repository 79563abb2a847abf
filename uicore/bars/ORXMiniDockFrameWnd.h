// CORXMiniDockFrameWnd: the floating frame of the framework's sizing bars, with a roll-up button in
// its caption: rolled up, the frame shrinks to its caption while the mouse is away.
#ifndef VELMORA_ORXMINIDOCKFRAMEWND_H
#define VELMORA_ORXMINIDOCKFRAMEWND_H

#include <afxwin.h>
#include <afxext.h>

class CORXSizingControlBar;

class CORXMiniDockFrameWnd : public CMiniDockFrameWnd
{
    DECLARE_DYNCREATE(CORXMiniDockFrameWnd)

    // Construction
public:
    CORXMiniDockFrameWnd();
    virtual ~CORXMiniDockFrameWnd();
    virtual BOOL Create(CWnd* pParent, DWORD dwBarStyle);

    // Attributes
public:
    // Roll-up states: 0 none; 2 roll-up allowed and open, 3 pinned open; 4 and 5 the same pair for
    // the other orientation.
    int GetRollState() const { return m_nRollState; }
    void SetRollState(int nState);
    BOOL IsRolled() const { return m_bRolled; }
    // Window-relative rectangle of the caption button.
    CRect GetCaptionButtonRect() const { return m_rectButton; }
    CORXSizingControlBar* GetSizingBar() const;

    // The state a click on the caption button leaves: 2 and 3, 4 and 5 swap; others stay.
    static int ToggledRollState(int nState);
    static BOOL CanRollUp(int nState) { return nState == 2 || nState == 4; }

    // Where the frame goes while it is dragged: its top 5 pixels above the cursor, its left edge as
    // far from the cursor as when the drag began.
    static CPoint FramePosForCursor(CPoint ptCursor, int cxCursorOffset)
    {
        return CPoint(ptCursor.x - cxCursorOffset, ptCursor.y - 5);
    }
    // A bar's rectangle of the given size with the cursor at its offset in the bar, kept inside.
    static CRect DockRectAround(CPoint ptCursor, CPoint ptOffset, CSize size);

    // Operations
public:
    void RollUp();
    void Unroll();
    // The glyph of the caption button for the roll-up state and the rolled flag.
    int GetCaptionButtonGlyph() const;
    // Draws the caption button into a DC of the whole window.
    void DrawCaptionButton(CDC* pDC);
    // Moves the frame with the mouse from the press at ptScreen until the left button comes up;
    // let go over a docking place of the frame the bar belongs to, the bar docks there and this
    // frame closes (TRUE; the object is gone then). Escape or the right button put the frame back.
    BOOL TrackDockBack(CPoint ptScreen);

    // Implementation
protected:
    int m_nRollState;
    BOOL m_bRolled;
    CRect m_rectButton;
    CRect m_rectFull; // the frame's rectangle before it rolled up
    int m_nCountdown; // timer ticks left before rolling up

    void StartRollTimer();
    BOOL IsCursorOverFrame() const;
    BOOL IsFocusOrCaptureInside() const;
    int GetRolledHeight() const;
    int GetRolledWidth();

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcRButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcMouseMove(UINT nHitTest, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnNcPaint();
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    afx_msg void OnClose();
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_ORXMINIDOCKFRAMEWND_H
