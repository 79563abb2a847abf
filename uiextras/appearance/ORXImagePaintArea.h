// CORXImagePaintArea: one small bitmap shown enlarged, cell by cell, and drawn on with the pencil,
// fill, line, rectangle, ellipse and colour-picker tools.
#ifndef VELMORA_ORXIMAGEPAINTAREA_H
#define VELMORA_ORXIMAGEPAINTAREA_H

#include <afxwin.h>

class CORXImageEditDlg;

class CORXImagePaintArea : public CButton
{
    // Construction
public:
    enum IMAGE_EDIT_MODE
    {
        IMAGE_EDIT_MODE_PEN = 0,
        IMAGE_EDIT_MODE_FILL,
        IMAGE_EDIT_MODE_LINE,
        IMAGE_EDIT_MODE_RECT,
        IMAGE_EDIT_MODE_ELLIPSE,
        IMAGE_EDIT_MODE_COLOR,
        IMAGE_EDIT_MODE_COUNT
    };

    explicit CORXImagePaintArea(CORXImageEditDlg* pParentDlg = NULL);
    virtual ~CORXImagePaintArea();

    // Operations
public:
    // The bitmap stays the caller's; the cell size follows the client area and the bitmap's size.
    void SetBitmap(CBitmap* pBitmap);
    void SetColor(COLORREF color);
    void SetMode(IMAGE_EDIT_MODE mode) { m_Mode = mode; }
    void SetPreviewRect(const CRect& rect) { m_rectParentPreviewArea = rect; }

    // Attributes
public:
    IMAGE_EDIT_MODE GetMode() const { return m_Mode; }
    COLORREF GetColor() const { return m_rgbColor; }
    CSize GetCellSize() const { return m_sizeCell; }
    CSize GetImageSize() const { return m_sizeImage; }

    // The cell of an image pixel in a client area (less its 1-pixel border); (0, 0) when the image
    // has no pixels, at least 1 by 1 otherwise, however small the area.
    static CSize CalcCellSize(CSize sizeClient, CSize sizeImage);
    // The image pixel under a client point, clamped to the image; FALSE when there is no image.
    BOOL PointToPixel(CPoint point, CPoint& ptPixel) const;

    // The drawing operations on the bitmap, as the mouse does them (image pixels).
    BOOL DrawPixel(CPoint ptPixel);
    BOOL FloodFill(CPoint ptPixel);
    // Line, rectangle or ellipse from one pixel to another, both included.
    BOOL DrawShape(IMAGE_EDIT_MODE mode, CPoint ptFrom, CPoint ptTo);
    COLORREF GetPixelColor(CPoint ptPixel);

    // Implementation
protected:
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDIS);
    virtual void PreSubclassWindow();

    void InvalidatePreview();
    CPoint CellCentre(CPoint ptPixel) const;
    void DrawRubberBand(CDC* pDC);
    void MakeStretchPen();

    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnCancelMode();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

    CRect m_rectParentPreviewArea;
    COLORREF m_rgbColor;
    CDC m_memDC;
    CSize m_sizeImage;
    CBitmap* m_pBitmap;
    IMAGE_EDIT_MODE m_Mode;
    HCURSOR m_hcurs[IMAGE_EDIT_MODE_COUNT];
    CSize m_sizeCell;
    CORXImageEditDlg* m_pParentDlg;
    CPen m_penDraw;
    CPen m_penStretch;
    CRect m_rectDraw; // the drag line: start pixel (left, top) and end pixel (right, bottom)
    BOOL m_bDragging;
};

#endif // VELMORA_ORXIMAGEPAINTAREA_H
