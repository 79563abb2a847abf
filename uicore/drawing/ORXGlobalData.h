// CORXGlobalData: the framework's system colours, brushes, pens, fonts and display facts.
#ifndef VELMORA_ORXGLOBALDATA_H
#define VELMORA_ORXGLOBALDATA_H

#include <afxwin.h>

class CORXGlobalData
{
    // Construction
public:
    CORXGlobalData();
    ~CORXGlobalData();
    CORXGlobalData(const CORXGlobalData&) = delete;
    CORXGlobalData& operator=(const CORXGlobalData&) = delete;

    // Attributes
public:
    // System brushes (owned by the system)
    HBRUSH hbrBtnHilite;
    HBRUSH hbrBtnShadow;
    HBRUSH hbrWindow;

    // Colours
    COLORREF clrBtnFace;
    COLORREF clrBtnShadow;
    COLORREF clrBtnHilite;
    COLORREF clrBtnText;
    COLORREF clrWindowFrame;
    COLORREF clrBtnDkShadow;
    COLORREF clrBtnLight;
    COLORREF clrGrayedText;
    COLORREF clrHilite;
    COLORREF clrTextHilite;
    COLORREF clrHotText;
    COLORREF clrWindow;

    COLORREF clrBarFace;
    COLORREF clrBarShadow;
    COLORREF clrBarHilite;
    COLORREF clrBarDkShadow;
    COLORREF clrBarLight;
    COLORREF clrBarText;

    COLORREF clrBarWindow;
    COLORREF clrWindowText;
    COLORREF clrCaptionText;
    COLORREF clrMenuText;
    COLORREF clrActiveCaption;
    COLORREF clrInactiveCaption;
    COLORREF clrInactiveCaptionText;
    COLORREF clrActiveBorder;
    COLORREF clrInactiveBorder;

    // Brushes
    CBrush brBtnFace;
    CBrush brHilite;
    CBrush brLight;
    CBrush brBlack;
    CBrush brActiveCaption;
    CBrush brInactiveCaption;
    CBrush brWindow;
    CBrush brBarFace;

    // Pens
    CPen penHilite;
    CPen penBarFace;
    CPen penBarShadow;

    // Fonts
    CFont fontRegular;
    CFont fontStatus;
    CFont fontBold;
    CFont fontDefaultGUIBold;
    CFont fontUnderline;
    CFont fontDefaultGUIUnderline;
    CFont fontVert;
    // The docked sizing bars' caption texts: turned to run upwards along a standing gripper, and
    // the same face and size upright along a lying one, so that both grippers read alike.
    CFont fontVertCaption;
    CFont fontHorzCaption;
    CFont fontMarlett;

    // Windows version
    BOOL bIsWindowsNT4;
    BOOL bIsWindows9x;

    int m_nBitsPerPixel;
    BOOL bIsRemoteSession;

    int m_nTextHeightHorz;
    int m_nTextHeightVert;

    HINSTANCE m_hinstUXThemeDLL;
    // The framework's XP-theme switch: while it is on, controls that can follow the system's visual
    // styles do so under a look that reports itself themed.
    BOOL m_bUseXPTheme;

    // Held for the bars and the extras: the extra height between an image and a label under
    // it, the widest tool tip (-1 none) and cursors that their users load on first need.
    int m_nTextBelowSpacing;
    int m_nMaxToolTipWidth;
    HCURSOR m_hcurStretch;
    HCURSOR m_hcurStretchVert;
    HCURSOR m_hcurHand;

    int GetTextHeight(BOOL bHorz = TRUE) const { return bHorz ? m_nTextHeightHorz : m_nTextHeightVert; }

    // Operations
public:
    void UpdateSysColors();
    void UpdateFonts();
    BOOL DrawParentBackground(CWnd* pWnd, CDC* pDC, LPRECT lpRect = NULL);
    void CleanUp();

    // Sends WM_ERASEBKGND to the parent with the DC moved to the parent's co-ordinates; the DC's
    // origin and clipping are as they were afterwards. The path taken without visual styles.
    static BOOL EraseParentBackground(CWnd* pWnd, CDC* pDC, LPRECT lpRect = NULL);

    // Rebuilds the light brush for a display of the given depth: the checkerboard at 8 bits per
    // pixel or less, else the mean of face and highlight.
    void CreateLightBrush(int nBitsPerPixel);

    // The face of the regular menu font: Western character sets take Tahoma when installed,
    // else "MS Sans Serif"; others keep the system's face.
    static void ChooseMenuFace(LOGFONT& lf, BOOL bTahomaInstalled);

    // Hooks of the parts that depend on the drawing data: the small images drop their bitmap on a
    // colour change, the tool bars re-lay out after the fonts changed. Each is set by its part when
    // that part is linked in.
    typedef void (*PFN_NOTIFY)();
    static PFN_NOTIFY s_pfnColorsChanged;
    static PFN_NOTIFY s_pfnFontsChanged;

    // Implementation
protected:
    HMODULE LoadUxTheme();
    BOOL m_bUxThemeTried;
};

extern CORXGlobalData globalData;

#endif // VELMORA_ORXGLOBALDATA_H
