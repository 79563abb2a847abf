// CControlBar: the base of bars that a frame lays out along its edges (tool bars, status bars).
#ifndef VELMORA_AFXCONTROLBAR_H
#define VELMORA_AFXCONTROLBAR_H

#include "afx.h"
#include "AfxWnd.h"

class CDC;
class CFrameWnd;
class CDockBar;
class CDockContext;
class CControlBarInfo;
struct AFX_SIZEPARENTPARAMS;

// Bar styles (CControlBar::m_dwStyle, not the window style)
#define CBRS_ALIGN_LEFT    0x1000L
#define CBRS_ALIGN_TOP     0x2000L
#define CBRS_ALIGN_RIGHT   0x4000L
#define CBRS_ALIGN_BOTTOM  0x8000L
#define CBRS_ALIGN_ANY     0xF000L
#define CBRS_BORDER_LEFT   0x0100L
#define CBRS_BORDER_TOP    0x0200L
#define CBRS_BORDER_RIGHT  0x0400L
#define CBRS_BORDER_BOTTOM 0x0800L
#define CBRS_BORDER_ANY    0x0F00L
#define CBRS_TOOLTIPS      0x0010L
#define CBRS_FLYBY         0x0020L
#define CBRS_FLOAT_MULTI   0x0040L
#define CBRS_BORDER_3D     0x0080L
#define CBRS_HIDE_INPLACE  0x0008L
#define CBRS_SIZE_DYNAMIC  0x0004L
#define CBRS_SIZE_FIXED    0x0002L
#define CBRS_FLOATING      0x0001L
#define CBRS_GRIPPER       0x00400000L
#define CBRS_ORIENT_HORZ   (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)
#define CBRS_ORIENT_VERT   (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)
#define CBRS_ORIENT_ANY    (CBRS_ORIENT_HORZ | CBRS_ORIENT_VERT)
#define CBRS_ALL           0x0040FFFFL
#define CBRS_NOALIGN       0x00000000L
#define CBRS_LEFT          (CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT)
#define CBRS_TOP           (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)
#define CBRS_RIGHT         (CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT)
#define CBRS_BOTTOM        (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP)

// CalcDynamicLayout modes
#define LM_STRETCH  0x01 // stretch across the frame (CalcFixedLayout's bStretch)
#define LM_HORZ     0x02 // horizontal, else vertical
#define LM_MRUWIDTH 0x04 // the most recently used width of a floating bar
#define LM_HORZDOCK 0x08 // docked along a horizontal edge
#define LM_VERTDOCK 0x10 // docked along a vertical edge
#define LM_LENGTHY  0x20 // nLength is a height, not a width
#define LM_COMMIT   0x40 // the size is taken: a floating bar remembers its width

// Room a gripper takes at the leading edge of a docked bar
#define AFX_CX_GRIPPER 7
#define AFX_CY_GRIPPER 7

class CControlBar : public CWnd
{
    DECLARE_DYNAMIC(CControlBar)
protected:
    // Construction
    CControlBar();

public:
    // Attributes
    DWORD GetBarStyle() { return m_dwStyle; }
    void SetBarStyle(DWORD dwStyle);
    BOOL m_bAutoDelete; // the object is deleted with its window
    void SetBorders(int cxLeft = 0, int cyTop = 0, int cxRight = 0, int cyBottom = 0);
    void SetBorders(LPCRECT lpRect) { SetBorders(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom); }
    CRect GetBorders() const
    {
        return CRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder);
    }
    // The frame the bar sits in: its parent frame (a floating bar's mini frame), else its dock site.
    CFrameWnd* GetDockingFrame() const;
    BOOL IsFloating() const;
    virtual BOOL IsVisible() const;
    // Lets the bar be dragged onto the given sides of its frame (CBRS_ALIGN_ bits, 0 for none)
    // and out into floating frames (CBRS_FLOAT_MULTI: several bars to a floating frame).
    void EnableDocking(DWORD dwDockStyle);

    // Operations
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    virtual CSize CalcDynamicLayout(int nLength, DWORD nMode);

    // Overridables
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) = 0;

    // Implementation
public:
    virtual ~CControlBar();
    virtual void DelayShow(BOOL bShow);
    // Carries out a pending DelayShow within a layout; returns the bar style with WS_VISIBLE
    // when the bar will show.
    virtual DWORD RecalcDelayShow(AFX_SIZEPARENTPARAMS* lpLayout);
    virtual BOOL IsDockBar() const { return FALSE; }
    // The bar's place into the dock-state record and back (the frame's bars are all found).
    virtual void GetBarInfo(CControlBarInfo* pInfo);
    virtual void SetBarInfo(CControlBarInfo* pInfo, CFrameWnd* pFrameWnd);
    virtual void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle);
    virtual void DoPaint(CDC* pDC);
    void DrawBorders(CDC* pDC, CRect& rect);
    void DrawGripper(CDC* pDC, const CRect& rect);
    // Paints the borders and gripper of a bar that keeps them in its non-client area.
    void EraseNonClient();
    // Shrinks a window rectangle of the bar to the part inside its borders and gripper.
    virtual void CalcInsideRect(CRect& rect, BOOL bHorz) const;
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam);
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual void PostNcDestroy();

    // Fly-by status text: the command under the mouse (-1 for none) goes to the owner's
    // message bar. TRUE when the text changed.
    BOOL SetStatusText(int nHit);

    int m_cxLeftBorder, m_cxRightBorder;
    int m_cyTopBorder, m_cyBottomBorder;
    int m_cxDefaultGap; // room between docked bars
    UINT m_nMRUWidth;   // the width a floating bar had last

    DWORD m_dwStyle;    // CBRS_ styles
    UINT m_nStateFlags; // StateFlags
    enum StateFlags
    {
        delayHide = 1,
        delayShow = 2,
        tempHide = 4,
        statusSet = 8
    };
    int m_nLastStatus; // the command whose text the bar last showed

    // Docking: the frame that holds the bar's dock bars, the dock bar it sits in and the
    // drag state. Without docking the site is the parent frame and the other two are NULL.
    CFrameWnd* m_pDockSite;
    CDockBar* m_pDockBar;
    CDockContext* m_pDockContext;
    DWORD m_dwDockStyle; // the sides EnableDocking allows

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnHelpHitTest(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_AFXCONTROLBAR_H
