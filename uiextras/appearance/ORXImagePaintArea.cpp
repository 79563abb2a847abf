// CORXImagePaintArea: the enlarged pixel grid of the button image editor.
#include "ORXImagePaintArea.h"

#include <algorithm>

#include "ORXGlobalData.h"
#include "ORXImageEditDlg.h"
#include "ORXToolbarImageList.h"
#include "uiextras/uiextras_res.h"

namespace
{
// The bitmap selected into the paint area's memory DC for one operation: a bitmap can be selected
// into one DC at a time, and the dialog's preview copies from it too.
class CSelectBitmap
{
public:
    CSelectBitmap(CDC& dc, CBitmap* pBitmap) : m_dc(dc), m_pOld(dc.SelectObject(pBitmap)) {}
    ~CSelectBitmap()
    {
        if (m_pOld != NULL)
            m_dc.SelectObject(m_pOld);
    }
    BOOL IsSelected() const { return m_pOld != NULL; }

private:
    CDC& m_dc;
    CBitmap* m_pOld;
};

const UINT kCursorIds[CORXImagePaintArea::IMAGE_EDIT_MODE_COUNT] = {
    IDC_ORX_CUR_PENCIL, IDC_ORX_CUR_FILL,    IDC_ORX_CUR_LINE,
    IDC_ORX_CUR_RECT,   IDC_ORX_CUR_ELLIPSE, IDC_ORX_CUR_PICK,
};
} // namespace

BEGIN_MESSAGE_MAP(CORXImagePaintArea, CButton)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_MOUSEMOVE()
ON_WM_SETCURSOR()
ON_WM_CANCELMODE()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CORXImagePaintArea::CORXImagePaintArea(CORXImageEditDlg* pParentDlg)
    : m_rectParentPreviewArea(0, 0, 0, 0), m_rgbColor(RGB(0, 0, 0)), m_sizeImage(0, 0), m_pBitmap(NULL),
      m_Mode(IMAGE_EDIT_MODE_PEN), m_sizeCell(0, 0), m_pParentDlg(pParentDlg), m_rectDraw(0, 0, 0, 0),
      m_bDragging(FALSE)
{
    for (int i = 0; i < IMAGE_EDIT_MODE_COUNT; i++)
        m_hcurs[i] = NULL;
    m_memDC.CreateCompatibleDC(NULL);
    m_penDraw.CreatePen(PS_SOLID, 1, m_rgbColor);
}

CORXImagePaintArea::~CORXImagePaintArea()
{
    for (int i = 0; i < IMAGE_EDIT_MODE_COUNT; i++)
        if (m_hcurs[i] != NULL)
            ::DestroyCursor(m_hcurs[i]);
}

void CORXImagePaintArea::PreSubclassWindow()
{
    CButton::PreSubclassWindow();
    ModifyStyle(0, BS_OWNERDRAW);
    for (int i = 0; i < IMAGE_EDIT_MODE_COUNT; i++)
        if (m_hcurs[i] == NULL)
            m_hcurs[i] = (HCURSOR)::LoadImage(AfxGetResourceHandle(), MAKEINTRESOURCE(kCursorIds[i]),
                                              IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE);
}

CSize CORXImagePaintArea::CalcCellSize(CSize sizeClient, CSize sizeImage)
{
    if (sizeImage.cx <= 0 || sizeImage.cy <= 0)
        return CSize(0, 0);
    return CSize(std::max(1, (int)(sizeClient.cx - 2) / (int)sizeImage.cx),
                 std::max(1, (int)(sizeClient.cy - 2) / (int)sizeImage.cy));
}

void CORXImagePaintArea::MakeStretchPen()
{
    m_penStretch.DeleteObject();
    m_penStretch.CreatePen(PS_SOLID, std::max(1, (int)std::min(m_sizeCell.cx, m_sizeCell.cy)),
                           ::GetSysColor(COLOR_BTNTEXT));
}

void CORXImagePaintArea::SetBitmap(CBitmap* pBitmap)
{
    m_pBitmap = pBitmap;
    m_sizeImage = CSize(0, 0);
    BITMAP bm;
    if (pBitmap != NULL && pBitmap->GetSafeHandle() != NULL && pBitmap->GetBitmap(&bm) != 0)
        m_sizeImage = CSize(bm.bmWidth, bm.bmHeight);
    CRect rectClient(0, 0, 0, 0);
    if (GetSafeHwnd() != NULL)
        GetClientRect(rectClient);
    m_sizeCell = CalcCellSize(rectClient.Size(), m_sizeImage);
    MakeStretchPen();
    if (GetSafeHwnd() != NULL)
        Invalidate();
}

void CORXImagePaintArea::SetColor(COLORREF color)
{
    m_rgbColor = color;
    m_penDraw.DeleteObject();
    m_penDraw.CreatePen(PS_SOLID, 1, color);
}

BOOL CORXImagePaintArea::PointToPixel(CPoint point, CPoint& ptPixel) const
{
    if (m_pBitmap == NULL || m_sizeImage.cx <= 0 || m_sizeImage.cy <= 0 || m_sizeCell.cx <= 0 ||
        m_sizeCell.cy <= 0)
        return FALSE;
    int x = (point.x - 1) / m_sizeCell.cx;
    int y = (point.y - 1) / m_sizeCell.cy;
    ptPixel.x = std::max(0, std::min(x, (int)m_sizeImage.cx - 1));
    ptPixel.y = std::max(0, std::min(y, (int)m_sizeImage.cy - 1));
    return TRUE;
}

CPoint CORXImagePaintArea::CellCentre(CPoint ptPixel) const
{
    return CPoint(ptPixel.x * m_sizeCell.cx + 1 + m_sizeCell.cx / 2,
                  ptPixel.y * m_sizeCell.cy + 1 + m_sizeCell.cy / 2);
}

void CORXImagePaintArea::InvalidatePreview()
{
    CWnd* pParent = GetParent();
    if (pParent != NULL && !m_rectParentPreviewArea.IsRectEmpty())
        pParent->InvalidateRect(m_rectParentPreviewArea);
}

COLORREF CORXImagePaintArea::GetPixelColor(CPoint ptPixel)
{
    if (m_pBitmap == NULL)
        return CLR_INVALID;
    CSelectBitmap select(m_memDC, m_pBitmap);
    return select.IsSelected() ? m_memDC.GetPixel(ptPixel) : CLR_INVALID;
}

BOOL CORXImagePaintArea::DrawPixel(CPoint ptPixel)
{
    if (m_pBitmap == NULL || ptPixel.x < 0 || ptPixel.y < 0 || ptPixel.x >= m_sizeImage.cx ||
        ptPixel.y >= m_sizeImage.cy)
        return FALSE;
    // A standard grey becomes the system colour it stands for, as the image lists show it; the
    // pixel is written as the colour it is, in COLORREF order.
    const COLORREF clrPixel = CORXToolbarImageList::MapToSysColor(m_rgbColor, FALSE);
    {
        CSelectBitmap select(m_memDC, m_pBitmap);
        if (!select.IsSelected())
            return FALSE;
        m_memDC.SetPixelV(ptPixel.x, ptPixel.y, clrPixel);
    }
    if (GetSafeHwnd() != NULL && m_sizeCell.cx > 0 && m_sizeCell.cy > 0)
    {
        CClientDC dc(this);
        CRect rectCell(CPoint(ptPixel.x * m_sizeCell.cx + 1, ptPixel.y * m_sizeCell.cy + 1), m_sizeCell);
        rectCell.DeflateRect(1, 1);
        dc.FillSolidRect(rectCell, m_rgbColor);
    }
    InvalidatePreview();
    return TRUE;
}

BOOL CORXImagePaintArea::FloodFill(CPoint ptPixel)
{
    if (m_pBitmap == NULL)
        return FALSE;
    BOOL bOK = FALSE;
    {
        CSelectBitmap select(m_memDC, m_pBitmap);
        if (!select.IsSelected())
            return FALSE;
        CBrush brush;
        brush.CreateSolidBrush(m_rgbColor);
        CBrush* pOldBrush = m_memDC.SelectObject(&brush);
        const COLORREF clrSurface = m_memDC.GetPixel(ptPixel);
        bOK = m_memDC.ExtFloodFill(ptPixel.x, ptPixel.y, clrSurface, FLOODFILLSURFACE);
        m_memDC.SelectObject(pOldBrush);
    }
    if (GetSafeHwnd() != NULL)
        Invalidate();
    InvalidatePreview();
    return bOK;
}

BOOL CORXImagePaintArea::DrawShape(IMAGE_EDIT_MODE mode, CPoint ptFrom, CPoint ptTo)
{
    if (m_pBitmap == NULL)
        return FALSE;
    if (ptFrom == ptTo)
        return DrawPixel(ptTo);
    {
        CSelectBitmap select(m_memDC, m_pBitmap);
        if (!select.IsSelected())
            return FALSE;
        CPen* pOldPen = m_memDC.SelectObject(&m_penDraw);
        CBrush* pOldBrush = (CBrush*)m_memDC.SelectStockObject(NULL_BRUSH);
        if (mode == IMAGE_EDIT_MODE_LINE)
        {
            m_memDC.MoveTo(ptFrom);
            m_memDC.LineTo(ptTo);
        }
        else
        {
            // GDI leaves out the right and bottom edges; one further includes the end pixel, also
            // on an axis where both ends agree (a one-pixel-high rectangle is a row).
            CRect rect(std::min(ptFrom.x, ptTo.x), std::min(ptFrom.y, ptTo.y), std::max(ptFrom.x, ptTo.x) + 1,
                       std::max(ptFrom.y, ptTo.y) + 1);
            if (mode == IMAGE_EDIT_MODE_ELLIPSE)
                m_memDC.Ellipse(rect);
            else
                m_memDC.Rectangle(rect);
        }
        m_memDC.SelectObject(pOldBrush);
        m_memDC.SelectObject(pOldPen);
    }
    if (mode == IMAGE_EDIT_MODE_LINE)
        DrawPixel(ptTo);
    if (GetSafeHwnd() != NULL)
        Invalidate();
    InvalidatePreview();
    return TRUE;
}

BOOL CORXImagePaintArea::OnEraseBkgnd(CDC* pDC)
{
    return TRUE;
}

void CORXImagePaintArea::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    CRect rectClient;
    GetClientRect(rectClient);
    pDC->FillRect(rectClient, &globalData.brBtnFace);
    if (m_pBitmap == NULL || m_sizeCell.cx <= 0 || m_sizeCell.cy <= 0)
        return;

    CRect rectGrid(CPoint(1, 1), CSize(m_sizeImage.cx * m_sizeCell.cx, m_sizeImage.cy * m_sizeCell.cy));
    CRect rectFrame = rectGrid;
    rectFrame.InflateRect(1, 1);
    pDC->Draw3dRect(rectFrame, globalData.clrBtnDkShadow, globalData.clrBtnHilite);
    CPen penGrid(PS_SOLID, 1, globalData.clrBtnShadow);
    CPen* pOldPen = pDC->SelectObject(&penGrid);
    for (int x = 1; x < m_sizeImage.cx; x++)
    {
        pDC->MoveTo(rectGrid.left + x * m_sizeCell.cx, rectGrid.top);
        pDC->LineTo(rectGrid.left + x * m_sizeCell.cx, rectGrid.bottom);
    }
    for (int y = 1; y < m_sizeImage.cy; y++)
    {
        pDC->MoveTo(rectGrid.left, rectGrid.top + y * m_sizeCell.cy);
        pDC->LineTo(rectGrid.right, rectGrid.top + y * m_sizeCell.cy);
    }
    pDC->SelectObject(pOldPen);

    CSelectBitmap select(m_memDC, m_pBitmap);
    if (!select.IsSelected())
        return;
    for (int y = 0; y < m_sizeImage.cy; y++)
        for (int x = 0; x < m_sizeImage.cx; x++)
        {
            COLORREF clr = CORXToolbarImageList::MapFromSysColor(m_memDC.GetPixel(x, y), FALSE);
            CRect rectCell(CPoint(rectGrid.left + x * m_sizeCell.cx, rectGrid.top + y * m_sizeCell.cy),
                           m_sizeCell);
            rectCell.DeflateRect(1, 1);
            pDC->FillSolidRect(rectCell, clr);
        }
}

void CORXImagePaintArea::DrawRubberBand(CDC* pDC)
{
    CPoint ptFrom = CellCentre(m_rectDraw.TopLeft());
    CPoint ptTo = CellCentre(m_rectDraw.BottomRight());
    switch (m_Mode)
    {
    case IMAGE_EDIT_MODE_LINE:
        pDC->MoveTo(ptFrom);
        pDC->LineTo(ptTo);
        break;
    case IMAGE_EDIT_MODE_RECT:
        pDC->Rectangle(CRect(ptFrom, ptTo));
        break;
    case IMAGE_EDIT_MODE_ELLIPSE:
        pDC->Ellipse(CRect(ptFrom, ptTo));
        break;
    default:
        break;
    }
}

void CORXImagePaintArea::OnLButtonDown(UINT nFlags, CPoint point)
{
    CPoint ptPixel;
    if (!PointToPixel(point, ptPixel))
        return;
    SetCapture();
    switch (m_Mode)
    {
    case IMAGE_EDIT_MODE_PEN:
        DrawPixel(ptPixel);
        break;
    case IMAGE_EDIT_MODE_LINE:
    case IMAGE_EDIT_MODE_RECT:
    case IMAGE_EDIT_MODE_ELLIPSE:
        m_rectDraw = CRect(ptPixel, ptPixel);
        m_bDragging = TRUE;
        break;
    default:
        break;
    }
}

void CORXImagePaintArea::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!(nFlags & MK_LBUTTON) || GetCapture() != this)
        return;
    CRect rectClient;
    GetClientRect(rectClient);
    point.x = std::max(rectClient.left, std::min(point.x, rectClient.right - 1));
    point.y = std::max(rectClient.top, std::min(point.y, rectClient.bottom - 1));
    CPoint ptPixel;
    if (!PointToPixel(point, ptPixel))
        return;
    if (m_Mode == IMAGE_EDIT_MODE_PEN)
    {
        DrawPixel(ptPixel);
        return;
    }
    if (!m_bDragging || ptPixel == m_rectDraw.BottomRight())
        return;
    CClientDC dc(this);
    CRgn rgnClip;
    rgnClip.CreateRectRgn(1, 1, 1 + m_sizeImage.cx * m_sizeCell.cx, 1 + m_sizeImage.cy * m_sizeCell.cy);
    dc.SelectClipRgn(&rgnClip);
    int nOldROP = dc.SetROP2(R2_NOT);
    CPen* pOldPen = dc.SelectObject(&m_penStretch);
    CBrush* pOldBrush = (CBrush*)dc.SelectStockObject(NULL_BRUSH);
    if (m_rectDraw.TopLeft() != m_rectDraw.BottomRight())
        DrawRubberBand(&dc);
    m_rectDraw.right = ptPixel.x;
    m_rectDraw.bottom = ptPixel.y;
    if (m_rectDraw.TopLeft() != m_rectDraw.BottomRight())
        DrawRubberBand(&dc);
    dc.SelectObject(pOldBrush);
    dc.SelectObject(pOldPen);
    dc.SetROP2(nOldROP);
    dc.SelectClipRgn(NULL);
}

void CORXImagePaintArea::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (GetCapture() != this)
        return;
    ReleaseCapture();
    const BOOL bDragging = m_bDragging;
    m_bDragging = FALSE;
    CRect rectClient;
    GetClientRect(rectClient);
    point.x = std::max(rectClient.left, std::min(point.x, rectClient.right - 1));
    point.y = std::max(rectClient.top, std::min(point.y, rectClient.bottom - 1));
    CPoint ptPixel;
    if (!PointToPixel(point, ptPixel))
        return;
    switch (m_Mode)
    {
    case IMAGE_EDIT_MODE_FILL:
        FloodFill(ptPixel);
        break;
    case IMAGE_EDIT_MODE_COLOR: {
        COLORREF clr = GetPixelColor(ptPixel);
        if (clr != CLR_INVALID && m_pParentDlg != NULL)
            m_pParentDlg->OnPickColor(clr);
        else if (clr != CLR_INVALID)
            SetColor(clr);
        break;
    }
    case IMAGE_EDIT_MODE_LINE:
    case IMAGE_EDIT_MODE_RECT:
    case IMAGE_EDIT_MODE_ELLIPSE:
        if (bDragging)
            DrawShape(m_Mode, m_rectDraw.TopLeft(), ptPixel);
        break;
    default:
        break;
    }
}

BOOL CORXImagePaintArea::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (nHitTest == HTCLIENT && m_hcurs[m_Mode] != NULL)
    {
        ::SetCursor(m_hcurs[m_Mode]);
        return TRUE;
    }
    return CButton::OnSetCursor(pWnd, nHitTest, message);
}

void CORXImagePaintArea::OnCancelMode()
{
    CButton::OnCancelMode();
    m_bDragging = FALSE;
    if (GetCapture() == this)
        ReleaseCapture();
    Invalidate();
}
