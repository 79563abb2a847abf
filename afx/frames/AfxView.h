// CView: the window that fills a frame's client area between its bars and takes commands first.
#ifndef VELMORA_AFXVIEW_H
#define VELMORA_AFXVIEW_H

#include "afx.h"
#include "AfxWnd.h"

class CDC;
class CFrameWnd;
class CDocument;

// A view's usual style; its id in the frame is AFX_IDW_PANE_FIRST.
#define AFX_WS_DEFAULT_VIEW (WS_CHILD | WS_VISIBLE | WS_BORDER)

class CView : public CWnd
{
    DECLARE_DYNAMIC(CView)
protected:
    // Construction
    CView();

public:
    // The document the view shows; NULL when it shows none.
    CDocument* GetDocument() const { return m_pDocument; }

    // Overridables
    virtual void OnDraw(CDC* pDC) = 0;
    // The frame calls this on the view losing (bActivate FALSE) and the one gaining activation.
    virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);

    // Implementation
    virtual ~CView();
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual void PostNcDestroy();

    CDocument* m_pDocument;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnPaint();
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_AFXVIEW_H
