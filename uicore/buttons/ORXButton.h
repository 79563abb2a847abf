// CORXButton: the framework's owner-drawn push button for dialogs, with images for its states,
// hot tracking, border styles, check-box and radio behaviour, auto-repeat, tool tip and cursor.
#ifndef VELMORA_ORXBUTTON_H
#define VELMORA_ORXBUTTON_H

#include <afxwin.h>
#include <afxcmn.h>

class CORXButton : public CButton
{
    DECLARE_DYNCREATE(CORXButton)

    // Construction
public:
    CORXButton();
    virtual ~CORXButton();

    enum BorderStyle
    {
        BUTTONSTYLE_3D = 0,
        BUTTONSTYLE_SEMIFLAT = 1, // a border only while hot
        BUTTONSTYLE_FLAT = 2,
        BUTTONSTYLE_NOBORDERS = 3
    };
    enum Alignment
    {
        ALIGN_LEFT = 0,
        ALIGN_RIGHT = 1,
        ALIGN_CENTER = 2
    };
    enum
    {
        IdAutoRepeatTimer = 1
    };
    // The hand cursor of every framework button, loaded once for the program.
    static const UINT kHandCursorId = 16919;

    // Overridables, in the order of the class's published layout
public:
    virtual void CleanUp();
    virtual CSize SizeToContent(BOOL bCalcOnly = FALSE);
    virtual void OnFillBackground(CDC* pDC, const CRect& rectClient);
    virtual void OnDrawBorder(CDC* pDC, CRect& rectClient, UINT uiState);
    virtual void OnDrawFocusRect(CDC* pDC, const CRect& rectClient);
    virtual void OnDraw(CDC* pDC, const CRect& rect, UINT uiState);
    virtual void OnDrawText(CDC* pDC, const CRect& rect, const CString& strText, UINT uiDTFlags,
                            UINT uiState);
    virtual void OnAfterSetImages(HBITMAP hbmpImage, BOOL bChecked) {}
    virtual CFont* SelectFont(CDC* pDC);
    // Opens the button's menu; a plain push button has none, a menu button overrides it.
    virtual void OnShowMenu() {}

    virtual void DrawItem(LPDRAWITEMSTRUCT lpDIS);
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    // The flat or 3-D border by the border style, shrinking rectClient to what lies inside it (and
    // moving it by the push offset while pushed): what OnDrawBorder draws when no look drew it.
    void DrawBorder(CDC* pDC, CRect& rectClient, UINT uiState);

    // Attributes
public:
    int m_nFlatStyle;
    int m_nAlignStyle;
    BOOL m_bRightImage;
    BOOL m_bTransparent;
    BOOL m_bDrawFocus;
    BOOL m_bHighlightChecked;
    BOOL m_bGrayDisabled;

    BOOL IsPressed() const { return m_bPushed && m_bHighlighted; }
    BOOL IsPushed() const { return m_bPushed; }
    BOOL IsHighlighted() const { return m_bHighlighted; }
    BOOL IsHotInside() const { return m_bHover; }
    BOOL IsCaptured() const { return m_bCaptured; }
    BOOL IsChecked() const { return m_bChecked; }
    BOOL IsCheckBox() const { return m_bCheckButton; }
    BOOL IsRadioButton() const { return m_bRadioButton; }
    BOOL IsAutoCheck() const { return m_bAutoCheck; }
    CSize GetImageSize() const { return m_sizeImage; }
    BOOL HasImage() const { return m_sizeImage.cx > 0 || m_bStdImage; }
    int GetAutoRepeatDelay() const { return m_nAutoRepeatTimeDelay; }
    HCURSOR GetMouseCursor() const { return m_hCursor; }

    void SetFaceColor(COLORREF crFace, BOOL bRedraw = TRUE);
    void SetTextColor(COLORREF clrText) { m_clrRegular = clrText; }
    void SetTextHotColor(COLORREF clrTextHot) { m_clrHover = clrTextHot; }
    COLORREF GetTextColor() const { return m_clrRegular; }
    COLORREF GetTextHotColor() const { return m_clrHover; }
    void SetPressedOffset(int cx, int cy) { m_sizePushOffset = CSize(cx, cy); }

    // Operations
public:
    // The image size is that of the normal bitmap; with bAutoDestroy the bitmaps given are deleted.
    void SetImage(HBITMAP hbmp, BOOL bAutoDestroy = TRUE, HBITMAP hbmpHot = NULL, BOOL bMap3dColors = TRUE,
                  BOOL bChecked = FALSE, HBITMAP hbmpDisabled = NULL);
    void SetImage(HICON hIcon, BOOL bAutoDestroy = TRUE, HICON hIconHot = NULL, HICON hIconDisabled = NULL,
                  BOOL bChecked = FALSE);
    void SetImage(UINT uiBmpResId, UINT uiBmpHotResId = 0, UINT uiBmpDsblResID = 0, BOOL bChecked = FALSE);
    void SetCheckedImage(HBITMAP hbmp, BOOL bAutoDestroy = TRUE, HBITMAP hbmpHot = NULL,
                         BOOL bMap3dColors = TRUE)
    {
        SetImage(hbmp, bAutoDestroy, hbmpHot, bMap3dColors, TRUE);
    }
    // The framework's shared 9 x 9 glyphs in place of own images (-1 for none).
    void SetStdImage(int nNormalId, int nDisabledId = -1);

    // NULL deactivates the tip.
    void SetTooltip(LPCTSTR lpszToolTipText);
    void SetMouseCursor(HCURSOR hcursor) { m_hCursor = hcursor; }
    void SetMouseCursorHand();
    // Milliseconds between repeated clicks while the button is held; 0 turns it off.
    void SetAutoRepeatMode(int nTimeDelay = 300) { m_nAutoRepeatTimeDelay = nTimeDelay < 0 ? 0 : nTimeDelay; }

    // Implementation
protected:
    void ReadButtonStyle();
    void ResetMouseState();
    void ReleaseOwnCapture();
    void Redraw(BOOL bNow = FALSE);
    void UncheckGroup();
    void AddImages(HBITMAP hbmp, HBITMAP hbmpHot, HBITMAP hbmpDisabled, BOOL bMap3dColors, BOOL bChecked);
    static BOOL AddBitmap(CImageList& list, HBITMAP hbmp, COLORREF clrMask);
    HBITMAP IconToBitmap(HICON hIcon, CSize& size) const;
    CSize GetTextSize(CDC* pDC, const CString& strText);
    BOOL IsTrackingHot() const;
    CORXButton* NextRadio(BOOL bPrevious);
    virtual void PreSubclassWindow();

    BOOL m_bPushed;
    BOOL m_bClickiedInside;
    BOOL m_bHover;
    BOOL m_bCaptured;
    BOOL m_bHighlighted;
    BOOL m_bChecked;
    BOOL m_bCheckButton;
    BOOL m_bRadioButton;
    BOOL m_bAutoCheck;

    CSize m_sizeImage;
    CImageList m_Image;
    CImageList m_ImageHot;
    CImageList m_ImageDisabled;
    CImageList m_ImageChecked;
    CImageList m_ImageCheckedHot;
    CImageList m_ImageCheckedDisabled;

    BOOL m_bStdImage;
    BOOL m_bStdImageDisabledSet;
    int m_nStdImageId;
    int m_nStdImageDisabledId;

    CToolTipCtrl m_wndToolTip;
    HCURSOR m_hCursor;
    CSize m_sizePushOffset;
    COLORREF m_clrRegular;
    COLORREF m_clrHover;
    COLORREF m_clrFace;
    HFONT m_hFont;
    int m_nAutoRepeatTimeDelay;

    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnCancelMode();
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetCheck(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetCheck(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_ORXBUTTON_H
