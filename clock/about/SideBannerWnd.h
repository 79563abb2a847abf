// CSideBannerWnd: a painted strip on one side of a dialog with an icon, a title and a caption.
#ifndef VELMORA_SIDEBANNERWND_H
#define VELMORA_SIDEBANNERWND_H

#include <afxwin.h>

class CSideBannerWnd : public CWnd
{
    // Construction
public:
    CSideBannerWnd();
    virtual ~CSideBannerWnd();

    enum
    {
        SIDE_LEFT = 1,
        SIDE_TOP = 2,
        SIDE_RIGHT = 4,
        SIDE_BOTTOM = 8
    };

    // Attributes
public:
    int m_nSize; // width of a left or right banner, height of a top or bottom one
    int m_nSide;
    int m_nFillStyle;
    int m_nEdgeStyle;
    CString m_strTitle;
    CString m_strCaption;
    int m_nIconMargin, m_nTitleMargin, m_nCaptionMargin, m_nEdgeMargin;
    COLORREF m_crFirst;
    COLORREF m_crSecond;
    COLORREF m_crEdge;
    HICON m_hIcon;

    // Operations
public:
    // Grows the dialog by the banner's size on that side, moves its children out of the way and
    // creates the banner there.
    BOOL Attach(CWnd* pDialog, int nSide, UINT nID);
    void SetTitle(LPCTSTR lpszTitle);
    void SetCaption(LPCTSTR lpszCaption);
    void SetColours(COLORREF crFirst, COLORREF crSecond, COLORREF crEdge);
    void SetIcon(HICON hIcon);

    // Implementation
protected:
    typedef BOOL(WINAPI* PFN_GRADIENTFILL)(HDC, PTRIVERTEX, ULONG, PVOID, ULONG, ULONG);
    HMODULE m_hMsImg;
    PFN_GRADIENTFILL m_pfnGradientFill;
    HFONT m_hTitleFont;
    HFONT m_hCaptionFont;
    HFONT m_hTitleFontTurned;
    HFONT m_hCaptionFontTurned;

    void Redraw();
    void PaintBanner(HDC hdc, const RECT& rc);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_SIDEBANNERWND_H
