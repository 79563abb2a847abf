// CReBar: a control bar that is a re-bar control, each of its bands holding a window (often
// another bar) that the user can move and resize.
#ifndef VELMORA_AFXREBAR_H
#define VELMORA_AFXREBAR_H

#include "AfxControlBar.h"
#include "AfxReBarCtrl.h"

class CBitmap;

class CReBar : public CControlBar
{
    DECLARE_DYNAMIC(CReBar)
public:
    // Construction
    CReBar();
    BOOL Create(CWnd* pParentWnd, DWORD dwCtrlStyle = RBS_BANDBORDERS,
                DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | CBRS_TOP,
                UINT nID = AFX_IDW_REBAR);

    // Attributes
    // The bar's window is the control itself: the control's members act on it directly.
    CReBarCtrl& GetReBarCtrl() const { return *(CReBarCtrl*)this; }

    // Operations
    // Appends a band holding pBar, which becomes the re-bar's child; its present size is the
    // band's minimum.
    BOOL AddBar(CWnd* pBar, LPCTSTR pszText = NULL, CBitmap* pbmp = NULL,
                DWORD dwStyle = RBBS_GRIPPERALWAYS | RBBS_FIXEDBMP);
    BOOL AddBar(CWnd* pBar, COLORREF clrFore, COLORREF clrBack, LPCTSTR pszText = NULL,
                DWORD dwStyle = RBBS_GRIPPERALWAYS);

    // Implementation
public:
    virtual ~CReBar();
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    virtual CSize CalcDynamicLayout(int nLength, DWORD nMode);
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler);

protected:
    BOOL DoAddBar(CWnd* pBar, REBARBANDINFO* prbbi, LPCTSTR pszText, UINT nMask, DWORD dwStyle);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnHeightChange(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_AFXREBAR_H
