// CORXSpinButtonCtrl and CORXHeaderCtrl: an up-down control and a header control that the framework
// draws itself, so that they follow the active look.
#ifndef VELMORA_ORXSPINBUTTONCTRL_H
#define VELMORA_ORXSPINBUTTONCTRL_H

#include <afxwin.h>
#include <afxcmn.h>

class CORXSpinButtonCtrl : public CSpinButtonCtrl
{
    DECLARE_DYNAMIC(CORXSpinButtonCtrl)

    // Construction
public:
    CORXSpinButtonCtrl();
    virtual ~CORXSpinButtonCtrl();

    // Attributes
public:
    // The draw state handed to the look: 1 upper half pressed, 2 lower half pressed, 4 upper half
    // hot, 8 lower half hot, 16 disabled.
    int GetDrawState() const;

    // Implementation
protected:
    BOOL m_bIsButtonPressedUp;
    BOOL m_bIsButtonPressedDown;
    BOOL m_bIsButtonHighligtedUp;
    BOOL m_bIsButtonHighligtedDown;
    BOOL m_bTracked;

    void Redraw();
    BOOL IsInUpperHalf(CPoint point) const;

    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnCancelMode();
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

class CORXHeaderCtrl : public CHeaderCtrl
{
    DECLARE_DYNAMIC(CORXHeaderCtrl)

    // Construction
public:
    CORXHeaderCtrl();
    virtual ~CORXHeaderCtrl();

    // Attributes
public:
    int GetHighlightedItem() const { return m_nHighlightedItem; }
    BOOL IsDialogControl() const { return m_bIsDlgControl; }

    // Overridables
protected:
    // nItem is -1 for the area right of the last item.
    virtual void OnDrawItem(CDC* pDC, int nItem, CRect rect, BOOL bIsPressed, BOOL bIsHighlighted);
    virtual void OnFillBackground(CDC* pDC);

    // Implementation
protected:
    BOOL m_bIsMousePressed;
    int m_nHighlightedItem;
    BOOL m_bTracked;
    BOOL m_bIsDlgControl;

    void Redraw();

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    afx_msg void OnCancelMode();
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_ORXSPINBUTTONCTRL_H
