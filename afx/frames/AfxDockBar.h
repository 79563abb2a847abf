// CDockBar: the strips along a frame's edges (and the one inside a floating frame) that hold
// docked control bars in rows; CMiniDockFrameWnd: the small frame a floating bar sits in.
#ifndef VELMORA_AFXDOCKBAR_H
#define VELMORA_AFXDOCKBAR_H

#include "afxcoll.h"
#include "AfxControlBar.h"
#include "AfxMiniFrame.h"

class CControlBarInfo;

class CDockBar : public CControlBar
{
    DECLARE_DYNAMIC(CDockBar)
public:
    // Construction
    CDockBar(BOOL bFloating = FALSE);
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID);

    // Attributes
    BOOL m_bFloating; // the dock bar of a floating frame
    // The bars in rows: element 0 is NULL and every row ends with NULL. A bar that left its
    // row for a floating frame may keep a place holder there: its control id cast to a pointer.
    CPtrArray m_arrBars;
    BOOL m_bLayoutQuery; // CalcFixedLayout only measures
    CRect m_rectLayout;  // the space the last layout offered, in the parent's co-ordinates

    virtual BOOL IsDockBar() const { return TRUE; }
    int GetDockedCount() const;
    virtual int GetDockedVisibleCount() const;

    // Operations
    // Adds the bar to the rows: at lpRect (screen) when given, else at the end of the last row.
    void DockControlBar(CControlBar* pBar, LPCRECT lpRect = NULL);
    // Puts a bar back where its place holder is; without one, like DockControlBar.
    void ReDockControlBar(CControlBar* pBar, LPCRECT lpRect = NULL);
    // Takes the bar out of its row (nAddPlaceHolder 1: a place holder stays, -1: any is removed).
    BOOL RemoveControlBar(CControlBar* pBar, int nPosExclude = -1, int nAddPlaceHolder = 0);
    void RemovePlaceHolder(CControlBar* pBar);

    // Implementation
public:
    virtual ~CDockBar();
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler);
    // The bar's row layout into the dock-state record and back.
    virtual void GetBarInfo(CControlBarInfo* pInfo);
    virtual void SetBarInfo(CControlBarInfo* pInfo, CFrameWnd* pFrameWnd);

    int FindBar(CControlBar* pBar, int nPosExclude = -1);
    // The control bar at an element, NULL for row ends and place holders.
    CControlBar* GetDockedControlBar(int nPos) const;
    // Where a bar dropped at rect (screen) goes: the element index it is inserted at.
    int Insert(CControlBar* pBar, CRect rect, CPoint ptMid);
    // Row ends that follow each other collapse into one; the array keeps its leading NULL.
    void Compact();

protected:
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    // Moves the bar into this dock bar (parent, style, m_pDockBar) and out of the one it was in.
    void TakeBar(CControlBar* pBar);
};

class CMiniDockFrameWnd : public CMiniFrameWnd
{
    DECLARE_DYNCREATE(CMiniDockFrameWnd)
public:
    // Construction
    CMiniDockFrameWnd();
    // The floating frame of the frame pParent, for a bar with the given CBRS_ styles.
    virtual BOOL Create(CWnd* pParent, DWORD dwBarStyle);

    // Attributes
    CDockBar m_wndDockBar;

    // Implementation
    virtual ~CMiniDockFrameWnd();
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    // The bar in the frame, NULL when it holds none or several.
    CControlBar* GetSingleBar() const;

protected:
    afx_msg void OnClose();
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_AFXDOCKBAR_H
