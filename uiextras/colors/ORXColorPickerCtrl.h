// CORXColorPickerCtrl: the owner-drawn colour picker of the colours dialog in its five shapes:
// preview, luminance bar, spectrum, hexagon palette and grey hexagons.
#ifndef VELMORA_ORXCOLORPICKERCTRL_H
#define VELMORA_ORXCOLORPICKERCTRL_H

#include <afxwin.h>
#include <afxtempl.h>

#include <vector>

// One hexagon of the palettes.
class CORXColorCell
{
public:
    CORXColorCell(int x, int y, int nSize, COLORREF clr, COLORREF clrDraw);

    POINT m_pts[6];
    COLORREF m_clr;
    COLORREF m_clrDraw;
    int m_x;
    int m_y;
    int m_nSize;

    // The six vertices of a hexagon of size s centred at (x, y).
    static void Vertices(int x, int y, int nSize, POINT* pts);
    BOOL HitTest(CPoint pt) const;
};

class CORXColorPickerCtrl : public CButton
{
    DECLARE_DYNAMIC(CORXColorPickerCtrl)

    // Construction
public:
    CORXColorPickerCtrl();
    virtual ~CORXColorPickerCtrl();

    enum COLORTYPE
    {
        CURRENT = 0,
        LUMINANCE = 1,
        PICKER = 2,
        HEX = 3,
        HEX_GREYSCALE = 4
    };

    // Attributes
public:
    void SetType(int nType) { m_nType = nType; }
    int GetType() const { return m_nType; }
    void SetColor(COLORREF clr);
    void SetRGB(BYTE r, BYTE g, BYTE b);
    COLORREF GetColor() const { return m_colorNew; }
    void SetInitialColor(COLORREF clr) { m_colorOriginal = clr; }
    COLORREF GetInitialColor() const { return m_colorOriginal; }
    // -1 keeps a value.
    void SetHLS(double hue, double luminance, double saturation, BOOL bInvalidate = TRUE);
    void GetHLS(double* hue, double* luminance, double* saturation) const;
    void SetPalette(CPalette* pPalette);
    void SetLuminanceBarWidth(int w);
    int GetLuminanceBarWidth() const { return m_nLumBarWidth; }
    const CArray<CORXColorCell*, CORXColorCell*>& GetCells() const { return m_arCells; }

    // The marker's rectangle of the luminance bar and the spectrum; empty for the other shapes.
    CRect GetCursorRect() const;
    // A channel made exact near 0, 128, 192 and 255.
    static int SnapChannel(int nValue, int nTolerance);
    // The lightness of a row of the luminance bar, and the row of a lightness.
    double LightnessFromY(int y) const;
    int YFromLightness(double dLightness) const;

    // Overridables
public:
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDIS);
    virtual void DrawCursor(CDC* pDC, const CRect& rect);

    // Implementation
protected:
    int m_nType;
    double m_dblLum;
    double m_dblSat;
    double m_dblHue;
    COLORREF m_colorNew;
    COLORREF m_colorOriginal;
    int m_nLumBarWidth;
    CPalette* m_pPalette;
    // The computed spectrum, held selected in a context of its own: each paint copies from it.
    CBitmap m_bmpPicker;
    CDC m_dcPicker;
    HGDIOBJ m_hOldPicker;
    // Where a paint is put together before the one copy to the item's context, kept from paint to
    // paint at the item's size and depth: making and deleting a context and a bitmap each time
    // costs far more than the drawing.
    CDC m_dcWork;
    CBitmap m_bmpWork;
    HGDIOBJ m_hOldWork;
    CSize m_sizeWork;
    int m_nWorkBits;
    // The parent's background under the shapes that do not cover their rectangle, as the parent
    // drew it over black (where it draws nothing nothing of an earlier paint stays), in a bitmap
    // like the work one. Asking the parent for it costs more than the rest of a paint, so it is
    // asked again only when it may have changed: a new size or place, new system colours or
    // theme, a palette, and any repaint others asked to erase (an exposure, a parent redrawn with
    // its children). The picker's own repaints do not erase.
    CDC m_dcBack;
    CBitmap m_bmpBack;
    HGDIOBJ m_hOldBack;
    BOOL m_bBackKept;
    // The last finished picture of the spectrum and the luminance bar (marker, frame, background
    // drawn) stays in the work bitmap with what it shows: a paint of the same state is one copy.
    struct PICTUREKEY
    {
        CSize size;
        double dHue;
        double dSat;
        double dLum;
        int nBarWidth;
        BOOL bFocused;
        COLORREF clrDark;
        COLORREF clrLight;
        COLORREF clrText;
        COLORREF clrShadow;
        int nBitsPerPixel;
        bool operator==(const PICTUREKEY& o) const
        {
            return size == o.size && dHue == o.dHue && dSat == o.dSat && dLum == o.dLum &&
                   nBarWidth == o.nBarWidth && bFocused == o.bFocused && clrDark == o.clrDark &&
                   clrLight == o.clrLight && clrText == o.clrText && clrShadow == o.clrShadow &&
                   nBitsPerPixel == o.nBitsPerPixel;
        }
    };
    PICTUREKEY m_keyKept;
    BOOL m_bPictureKept;
    // The luminance bar as drawn, for the hue, saturation, scale, width and depth it was made for,
    // held selected in a context of its own; m_column is its column of pixels.
    std::vector<DWORD> m_column;
    double m_dColumnHue;
    double m_dColumnSat;
    CRect m_rectColumn;
    int m_nColumnWidth;
    int m_nColumnBits;
    CDC m_dcColumn;
    CBitmap m_bmpColumn;
    HGDIOBJ m_hOldColumn;
    void DeleteColumn();
    PICTUREKEY PictureKey(const CSize& size) const;
    void ForgetPicture() { m_bPictureKept = FALSE; }
    // The parent's background is asked for again on the next paint, and so the picture drawn over it.
    void ForgetBackground()
    {
        m_bBackKept = FALSE;
        m_bPictureKept = FALSE;
    }
    // Whether the shape shows the parent's background around what it draws.
    BOOL ShowsBackground() const { return m_nType != CURRENT && m_nType != PICKER; }
    // Draws the parent's background into the work bitmap, from the kept copy when it still holds.
    void DrawBackground(const CRect& rect);
    // The work context at the item's size and depth, made again when either changed.
    BOOL PrepareWork(HDC hDCItem, const CSize& size);
    void DeleteWork();
    void DeleteSpectrum();
    CArray<CORXColorCell*, CORXColorCell*> m_arCells;
    // Kept from the focus messages: asking the system for the focus on every paint goes to the
    // server and back.
    BOOL m_bFocused;

    virtual void PreSubclassWindow();
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);

    // A palette to select: one given that holds a palette (a dialog off a palette display gives
    // an empty one).
    BOOL HasPalette() const { return m_pPalette != NULL && m_pPalette->GetSafeHandle() != NULL; }
    CRect LuminanceScale() const;
    // The scale, the marker's rectangle and a row of the scale for a client rectangle at hand.
    static CRect ScaleIn(CRect rectClient);
    CRect CursorRectIn(const CRect& rectClient) const;
    static int YInScale(const CRect& rectScale, double dLightness);
    // LightnessFromY for a scale already at hand: the window's rectangle is asked of the server.
    static double LightnessInScale(const CRect& rectScale, int y);
    COLORREF DrawColorOf(COLORREF clr) const;
    void BuildHexagons();
    void BuildGreyHexagons();
    void DrawLuminanceBar(CDC* pDC, const CRect& rectClient);
    void DrawSpectrum(CDC* pDC, const CRect& rectClient);
    void DrawHexagons(CDC* pDC);
    void DeleteCells();
    void PickAt(CPoint point, UINT nFlags);
    // The marker's old place and its new one are painted again.
    void InvalidateCursor(CRect rectOld);
    void NotifyParent(UINT nCode);

    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnMove(int x, int y);
    afx_msg void OnSysColorChange();
    afx_msg LRESULT OnThemeChanged(WPARAM, LPARAM);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnCancelMode();
    afx_msg BOOL OnQueryNewPalette();
    afx_msg void OnPaletteChanged(CWnd* pFocusWnd);
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_ORXCOLORPICKERCTRL_H
