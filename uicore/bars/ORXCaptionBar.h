// CORXCaptionBar: a thin bar along a frame's edge with a text, an icon or bitmap and one button.
#ifndef VELMORA_ORXCAPTIONBAR_H
#define VELMORA_ORXCAPTIONBAR_H

#include <afxwin.h>
#include <afxext.h>
#include <afxcmn.h>

#include "ORXExtrasHooks.h"

class CORXCaptionBar : public CControlBar, public CORXOwnBackground
{
    DECLARE_DYNCREATE(CORXCaptionBar)

public:
    enum BarElementAlignment
    {
        ALIGN_INVALID = 0,
        ALIGN_LEFT = 1,
        ALIGN_RIGHT = 2,
        ALIGN_CENTER = 3
    };
    // One of the bar's three elements as the layout sees it: its size, where it goes, and the
    // rectangle the layout gives it.
    struct CElement
    {
        BOOL m_bPresent;
        CSize m_size;
        BarElementAlignment m_align;
        CRect m_rect;
        CElement() : m_bPresent(FALSE), m_size(0, 0), m_align(ALIGN_LEFT), m_rect(0, 0, 0, 0) {}
    };
    enum
    {
        elemIcon,
        elemButton,
        elemText,
        elemCount
    };

    // Construction
public:
    CORXCaptionBar();
    virtual ~CORXCaptionBar();
    BOOL Create(DWORD dwStyle, CWnd* pParentWnd, UINT uID, int nHeight = -1);

    // Attributes
public:
    void SetText(const CString& strText, BarElementAlignment align = ALIGN_LEFT);
    CString GetText() const { return m_strText; }
    void SetIcon(HICON hIcon, BarElementAlignment align = ALIGN_LEFT);
    void SetBitmap(HBITMAP hBitmap, COLORREF clrTransparent, BOOL bStretch = FALSE,
                   BarElementAlignment align = ALIGN_LEFT);
    void RemoveIcon();
    void RemoveBitmap();
    void SetButton(LPCTSTR lpszLabel, BarElementAlignment align = ALIGN_LEFT, BOOL bHasDropDownArrow = FALSE);
    void RemoveButton();
    void SetFlatBorder(BOOL bFlat = TRUE) { m_bFlatBorder = bFlat; }
    void SetBackgroundColor(COLORREF clr) { m_clrBarBackground = clr; }
    void SetTextColor(COLORREF clr) { m_clrBarText = clr; }
    void SetMargin(int nMargin) { m_nMargin = nMargin; }
    void SetHorzElementOffset(int nOffset) { m_nHorzElementOffset = nOffset; }

    CRect GetTextRect() const { return m_rectText; }
    CRect GetImageRect() const { return m_rectImage; }
    CRect GetButtonRect() const { return m_rectButton; }
    BOOL IsButtonPushed() const { return m_bBtnPressed; }
    BOOL IsButtonHighlighted() const { return m_bBtnHighlighted; }
    int GetBarHeight() const { return m_nCurrentHeight; }

    // Places the elements in a client rectangle: left- and right-aligned ones from the edges
    // inward (icon, button, text), the centred ones as one group; then each is clipped to the
    // client area less the margin and the text cut back before the others.
    static void ArrangeElements(CElement* pElements, CRect rectClient, int nMargin, int nGap);

    // Overrides
public:
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    virtual void OnUpdateCmdUI(CFrameWnd*, BOOL) {}
    virtual COLORREF GetOwnBackgroundColor() const { return m_clrBarBackground; }
    virtual BOOL IsSolidBackground() const { return TRUE; }

    // Implementation
protected:
    virtual void OnDrawBackground(CDC* pDC, CRect rect);
    virtual void OnDrawButton(CDC* pDC, CRect rect, const CString& strButton, BOOL bDrawText);
    virtual void OnDrawText(CDC* pDC, CRect rect, const CString& strText);
    virtual void OnDrawImage(CDC* pDC, CRect rect);
    void RecalcLayout();
    CSize GetImageSize() const;

    HFONT m_hFont;
    CString m_strText;
    CRect m_rectText;
    BarElementAlignment m_textAlignment;
    HICON m_hIcon;
    HIMAGELIST m_hBitmapList; // the one bitmap, with its transparent colour
    CSize m_sizeBitmap;
    BOOL m_bStretchImage;
    CRect m_rectImage;
    BarElementAlignment m_iconAlignment;
    CString m_strBtnText;
    CRect m_rectButton;
    BarElementAlignment m_btnAlignnment;
    BOOL m_bIsBtnPressed;
    BOOL m_bBtnPressed;
    BOOL m_bBtnHighlighted;
    BOOL m_bBtnHasDropDownArrow;
    BOOL m_bTracked;
    BOOL m_bFlatBorder;
    COLORREF m_clrBarBackground;
    COLORREF m_clrBarText;
    int m_nMargin;
    int m_nHorzElementOffset;
    int m_nVertMargin;
    int m_nDefaultHeight;
    int m_nCurrentHeight;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_ORXCAPTIONBAR_H
