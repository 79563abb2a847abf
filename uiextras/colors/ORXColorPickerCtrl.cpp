// CORXColorPickerCtrl: drawing each shape, the hexagon palettes, and picking by mouse and keys.
#include "ORXColorPickerCtrl.h"

#include <math.h>

#include <algorithm>
#include <vector>

#include "ORXDrawHelper.h"
#include "ORXGlobalData.h"

IMPLEMENT_DYNAMIC(CORXColorPickerCtrl, CButton)

BEGIN_MESSAGE_MAP(CORXColorPickerCtrl, CButton)
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_KEYDOWN()
ON_WM_GETDLGCODE()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_WM_SIZE()
ON_WM_MOVE()
ON_WM_SYSCOLORCHANGE()
ON_MESSAGE(WM_THEMECHANGED, OnThemeChanged)
ON_WM_ERASEBKGND()
ON_WM_CANCELMODE()
ON_WM_QUERYNEWPALETTE()
ON_WM_PALETTECHANGED()
END_MESSAGE_MAP()

namespace
{
// The hexagons' height factor, a single-precision constant as the geometry has always used.
const float kHexFactor = 0.57735026f;
} // namespace

CORXColorCell::CORXColorCell(int x, int y, int nSize, COLORREF clr, COLORREF clrDraw)
    : m_clr(clr), m_clrDraw(clrDraw), m_x(x), m_y(y), m_nSize(nSize)
{
    Vertices(x, y, nSize, m_pts);
}

void CORXColorCell::Vertices(int x, int y, int nSize, POINT* pts)
{
    const int h = (int)(nSize * kHexFactor) / 2;
    const int w = nSize / 2;
    const POINT v[6] = {{x - w, y - h}, {x, y - w}, {x + w, y - h},
                        {x + w, y + h}, {x, y + w}, {x - w, y + h}};
    for (int i = 0; i < 6; i++)
        pts[i] = v[i];
}

BOOL CORXColorCell::HitTest(CPoint pt) const
{
    CRgn rgn;
    POINT pts[6];
    memcpy(pts, m_pts, sizeof(pts));
    if (!rgn.CreatePolygonRgn(pts, 6, ALTERNATE))
        return FALSE;
    return rgn.PtInRegion(pt);
}

CORXColorPickerCtrl::CORXColorPickerCtrl()
    : m_nType(PICKER), m_dblLum(0.5), m_dblSat(0), m_dblHue(0), m_colorNew(RGB(0, 0, 0)),
      m_colorOriginal(RGB(0, 0, 0)), m_nLumBarWidth(20), m_pPalette(NULL), m_hOldPicker(NULL),
      m_hOldWork(NULL), m_sizeWork(0, 0), m_nWorkBits(0), m_hOldBack(NULL), m_bBackKept(FALSE),
      m_bPictureKept(FALSE), m_dColumnHue(-1), m_dColumnSat(-1), m_rectColumn(0, 0, 0, 0), m_nColumnWidth(0),
      m_nColumnBits(0), m_hOldColumn(NULL), m_bFocused(FALSE)
{
    m_keyKept = PICTUREKEY();
}

CORXColorPickerCtrl::~CORXColorPickerCtrl()
{
    DeleteWork();
    DeleteSpectrum();
    DeleteColumn();
    DeleteCells();
}

CORXColorPickerCtrl::PICTUREKEY CORXColorPickerCtrl::PictureKey(const CSize& size) const
{
    PICTUREKEY key = PICTUREKEY();
    key.size = size;
    key.dHue = m_dblHue;
    key.dSat = m_dblSat;
    key.bFocused = m_bFocused;
    if (m_nType == LUMINANCE)
    {
        // The spectrum's picture does not depend on the lightness, nor on the bar.
        key.dLum = m_dblLum;
        key.nBarWidth = m_nLumBarWidth;
        key.clrText = ::GetSysColor(COLOR_BTNTEXT);
        key.clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    }
    else
    {
        key.clrDark = globalData.clrBtnDkShadow;
        key.clrLight = globalData.clrBtnHilite;
    }
    key.nBitsPerPixel = globalData.m_nBitsPerPixel;
    return key;
}

namespace
{
// The depth of the pixels a context draws into: a memory context's bitmap's, a window's the
// display's. A bitmap compatible with the context has it.
int DepthOf(HDC hDC)
{
    if (::GetObjectType(hDC) == OBJ_MEMDC)
    {
        BITMAP bm = {};
        if (::GetObject(::GetCurrentObject(hDC, OBJ_BITMAP), sizeof(bm), &bm) != 0)
            return bm.bmBitsPixel * bm.bmPlanes;
    }
    return ::GetDeviceCaps(hDC, BITSPIXEL) * ::GetDeviceCaps(hDC, PLANES);
}
} // namespace

BOOL CORXColorPickerCtrl::PrepareWork(HDC hDCItem, const CSize& size)
{
    const int nBits = DepthOf(hDCItem);
    if (m_dcWork.GetSafeHdc() != NULL && m_sizeWork == size && m_nWorkBits == nBits)
        return TRUE;
    DeleteWork();
    if (size.cx <= 0 || size.cy <= 0 || !m_dcWork.Attach(::CreateCompatibleDC(hDCItem)) ||
        !m_bmpWork.Attach(::CreateCompatibleBitmap(hDCItem, size.cx, size.cy)))
    {
        DeleteWork();
        return FALSE;
    }
    m_hOldWork = ::SelectObject(m_dcWork.GetSafeHdc(), m_bmpWork.GetSafeHandle());
    if (ShowsBackground())
    {
        if (!m_dcBack.Attach(::CreateCompatibleDC(hDCItem)) ||
            !m_bmpBack.Attach(::CreateCompatibleBitmap(hDCItem, size.cx, size.cy)))
        {
            DeleteWork();
            return FALSE;
        }
        m_hOldBack = ::SelectObject(m_dcBack.GetSafeHdc(), m_bmpBack.GetSafeHandle());
    }
    m_sizeWork = size;
    m_nWorkBits = nBits;
    return TRUE;
}

void CORXColorPickerCtrl::DeleteWork()
{
    if (m_dcWork.GetSafeHdc() != NULL)
    {
        if (m_hOldWork != NULL)
            ::SelectObject(m_dcWork.GetSafeHdc(), m_hOldWork);
        m_dcWork.DeleteDC();
    }
    m_hOldWork = NULL;
    m_bmpWork.DeleteObject();
    if (m_dcBack.GetSafeHdc() != NULL)
    {
        if (m_hOldBack != NULL)
            ::SelectObject(m_dcBack.GetSafeHdc(), m_hOldBack);
        m_dcBack.DeleteDC();
    }
    m_hOldBack = NULL;
    m_bmpBack.DeleteObject();
    m_sizeWork = CSize(0, 0);
    m_nWorkBits = 0;
    ForgetBackground();
}

void CORXColorPickerCtrl::DeleteSpectrum()
{
    if (m_dcPicker.GetSafeHdc() != NULL)
    {
        if (m_hOldPicker != NULL)
            ::SelectObject(m_dcPicker.GetSafeHdc(), m_hOldPicker);
        m_dcPicker.DeleteDC();
    }
    m_hOldPicker = NULL;
    m_bmpPicker.DeleteObject();
}

void CORXColorPickerCtrl::DeleteCells()
{
    for (int i = 0; i < m_arCells.GetSize(); i++)
        delete m_arCells[i];
    m_arCells.RemoveAll();
}

void CORXColorPickerCtrl::PreSubclassWindow()
{
    ModifyStyle(BS_DEFPUSHBUTTON, BS_OWNERDRAW);
    CButton::PreSubclassWindow();
}

BOOL CORXColorPickerCtrl::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style = (cs.style & ~BS_DEFPUSHBUTTON) | BS_OWNERDRAW;
    return CButton::PreCreateWindow(cs);
}

void CORXColorPickerCtrl::SetColor(COLORREF clr)
{
    m_colorNew = clr;
    CORXDrawHelper::RgbToHls(clr, &m_dblHue, &m_dblLum, &m_dblSat);
    if (GetSafeHwnd() != NULL)
        Invalidate(FALSE);
}

void CORXColorPickerCtrl::SetRGB(BYTE r, BYTE g, BYTE b)
{
    SetColor(RGB(r, g, b));
    if (GetSafeHwnd() != NULL)
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CORXColorPickerCtrl::SetHLS(double hue, double luminance, double saturation, BOOL bInvalidate)
{
    if (hue != -1)
        m_dblHue = hue;
    if (luminance != -1)
        m_dblLum = luminance;
    if (saturation != -1)
        m_dblSat = saturation;
    m_colorNew = CORXDrawHelper::HlsToRgbUnitHue(m_dblHue, m_dblLum, m_dblSat);
    if (bInvalidate && GetSafeHwnd() != NULL)
    {
        Invalidate(FALSE);
        UpdateWindow();
    }
}

void CORXColorPickerCtrl::GetHLS(double* hue, double* luminance, double* saturation) const
{
    *hue = m_dblHue;
    *luminance = m_dblLum;
    *saturation = m_dblSat;
}

void CORXColorPickerCtrl::SetPalette(CPalette* pPalette)
{
    m_pPalette = pPalette;
    DeleteSpectrum();
    ForgetBackground();
    if (GetSafeHwnd() != NULL)
    {
        Invalidate();
        UpdateWindow();
    }
}

void CORXColorPickerCtrl::SetLuminanceBarWidth(int w)
{
    if (GetSafeHwnd() != NULL)
    {
        CRect rect;
        GetClientRect(rect);
        w = std::min(w, (int)(rect.Width() * 3 / 4));
        Invalidate(FALSE);
    }
    m_nLumBarWidth = w;
}

int CORXColorPickerCtrl::SnapChannel(int nValue, int nTolerance)
{
    if (nTolerance == 0)
        return nValue;
    if (nValue < nTolerance)
        return 0;
    if (nValue > 255 - nTolerance)
        return 255;
    if (abs(nValue - 128) < nTolerance)
        return 128;
    if (abs(nValue - 192) < nTolerance)
        return 192;
    return nValue;
}

CRect CORXColorPickerCtrl::LuminanceScale() const
{
    CRect rect;
    GetClientRect(rect);
    return ScaleIn(rect);
}

CRect CORXColorPickerCtrl::ScaleIn(CRect rectClient)
{
    rectClient.DeflateRect(0, 5);
    return rectClient;
}

double CORXColorPickerCtrl::LightnessFromY(int y) const
{
    return LightnessInScale(LuminanceScale(), y);
}

double CORXColorPickerCtrl::LightnessInScale(const CRect& rect, int y)
{
    if (rect.Height() <= 0)
        return 0;
    y = std::min(std::max(y, (int)rect.top), (int)rect.bottom);
    return (double)(rect.bottom - y) / (double)(rect.bottom - rect.top);
}

int CORXColorPickerCtrl::YFromLightness(double dLightness) const
{
    return YInScale(LuminanceScale(), dLightness);
}

int CORXColorPickerCtrl::YInScale(const CRect& rect, double dLightness)
{
    return rect.top + (int)((rect.bottom - rect.top) * (1.0 - dLightness));
}

CRect CORXColorPickerCtrl::GetCursorRect() const
{
    if (GetSafeHwnd() == NULL)
        return CRect(0, 0, 0, 0);
    CRect rectClient;
    GetClientRect(rectClient);
    return CursorRectIn(rectClient);
}

CRect CORXColorPickerCtrl::CursorRectIn(const CRect& rectClient) const
{
    if (m_nType == LUMINANCE)
    {
        const int x = m_nLumBarWidth + rectClient.left + 6;
        const int y = YInScale(ScaleIn(rectClient), m_dblLum);
        return CRect(x - 4, y - 4, x + 5, y + 5);
    }
    if (m_nType == PICKER)
    {
        const int x = (int)(rectClient.Width() * m_dblHue);
        const int y = (int)((1.0 - m_dblSat) * rectClient.Height());
        return CRect(x - 9, y - 9, x + 10, y + 10);
    }
    return CRect(0, 0, 0, 0);
}

COLORREF CORXColorPickerCtrl::DrawColorOf(COLORREF clr) const
{
    if (globalData.m_nBitsPerPixel <= 8 && m_pPalette != NULL && m_pPalette->GetSafeHandle() != NULL)
        return PALETTEINDEX(m_pPalette->GetNearestPaletteIndex(clr));
    return clr;
}

void CORXColorPickerCtrl::BuildHexagons()
{
    CRect rect;
    GetClientRect(rect);
    if (rect.Width() > rect.Height())
        rect.DeflateRect((rect.Width() - rect.Height()) / 2, 0);
    else
        rect.DeflateRect(0, (rect.Height() - rect.Width()) / 2);
    const int d = rect.Height() / 13 + 1;
    const int cx = rect.left + rect.Width() / 2;
    const int cy = rect.top + rect.Height() / 2;
    m_arCells.Add(new CORXColorCell(cx, cy, d, RGB(255, 255, 255), DrawColorOf(RGB(255, 255, 255))));

    const float DX[6] = {-0.5f, -1.0f, -0.5f, 0.5f, 1.0f, 0.5f};
    const float DY[6] = {0.8660254f, 0.0f, -0.8660254f, -0.8660254f, 0.0f, 0.8660254f};
    for (int r = 1; r <= 6; r++)
    {
        int x = cx + r * d;
        int y = cy;
        for (int k = 0; k < 6; k++)
        {
            const int dx = (int)(d * DX[k]);
            const int dy = (int)(d * DY[k]);
            for (int i = 0; i < r; i++)
            {
                const int nHue = (int)(atan2((double)(y - cy), (double)(x - cx)) * 57.29577951308239);
                const double dLightness = (7 - r) * 0.14285714285714285 + 0.1;
                const COLORREF clr = CORXDrawHelper::HlsToRgbDegrees(nHue, dLightness, 1.0);
                const COLORREF clrSnapped =
                    RGB(SnapChannel(GetRValue(clr), 16), SnapChannel(GetGValue(clr), 16),
                        SnapChannel(GetBValue(clr), 16));
                m_arCells.Add(new CORXColorCell(x, y, d, clrSnapped,
                                                DrawColorOf(clr) == clr ? clrSnapped : DrawColorOf(clr)));
                x += dx;
                y += dy;
            }
        }
    }
}

void CORXColorPickerCtrl::BuildGreyHexagons()
{
    CRect rect;
    GetClientRect(rect);
    int s = std::min((int)(rect.bottom - rect.top) / 2 - 2, (int)(rect.right - rect.left) / 13);
    if (s % 2 != 0)
        s++;
    const int big = 2 * s;
    const int half = s / 2;
    const int rowStep = (int)(s * kHexFactor * 1.5f);
    const int cy = (rect.top + rect.bottom) / 2;
    const int y1 = cy - rowStep / 2;
    const int y2 = y1 + rowStep;

    const int nMeasureStart = rect.left + 3 * s;
    const int nMeasureEnd = nMeasureStart + 15 * half;
    const int start = (rect.right - half - nMeasureEnd - big) / 2;

    m_arCells.Add(
        new CORXColorCell(start + big / 2, cy, big, RGB(255, 255, 255), DrawColorOf(RGB(255, 255, 255))));
    int x = start + 3 * s;
    for (int i = 0; i < 15; i++)
    {
        const int g = SnapChannel(240 - 15 * i, 7);
        const COLORREF clr = RGB(g, g, g);
        m_arCells.Add(new CORXColorCell(x, i % 2 == 0 ? y1 : y2, s, clr, DrawColorOf(clr)));
        x += half;
    }
    m_arCells.Add(new CORXColorCell(x + half + s - 1, cy, big, RGB(0, 0, 0), DrawColorOf(RGB(0, 0, 0))));
}

void CORXColorPickerCtrl::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    // The item's context is used through its handle: a wrapper for it would be made and thrown
    // away on every paint.
    const HDC hDCItem = lpDIS->hDC;
    const CRect rectItem = lpDIS->rcItem;
    const CSize size = rectItem.Size();
    if (!PrepareWork(hDCItem, size))
        return;
    // The spectrum or the luminance bar as last finished, when nothing it shows has changed since:
    // a palette display draws it afresh, as the palette decides its colours.
    const BOOL bKeep = (m_nType == PICKER || m_nType == LUMINANCE) && !HasPalette();
    if (bKeep && m_bPictureKept && PictureKey(size) == m_keyKept)
    {
        ::BitBlt(hDCItem, rectItem.left, rectItem.top, size.cx, size.cy, m_dcWork.GetSafeHdc(), 0, 0,
                 SRCCOPY);
        return;
    }
    // Whatever the work bitmap held is drawn over now.
    m_bPictureKept = FALSE;
    CDC* pDCItem = NULL;
    CPalette* pOldItemPalette = NULL;
    if (HasPalette())
    {
        pDCItem = CDC::FromHandle(hDCItem);
        pOldItemPalette = pDCItem->SelectPalette(m_pPalette, FALSE);
        pDCItem->RealizePalette();
    }

    CDC& dcMem = m_dcWork;
    CPalette* pOldMemPalette = NULL;
    if (HasPalette())
    {
        pOldMemPalette = dcMem.SelectPalette(m_pPalette, FALSE);
        dcMem.RealizePalette();
    }
    CRect rect(0, 0, size.cx, size.cy);
    // The window's rectangle is asked of the server: once a paint.
    CRect rectClient;
    GetClientRect(rectClient);
    // The preview and the spectrum cover every pixel: the parent's background under them would be
    // drawn for nothing, and asking the parent for it costs as much as the rest of the paint.
    // Where nothing is drawn the picture is black, as in a bitmap just made, not what the last
    // paint left: the spectrum covers the client rectangle, the parent may draw nothing.
    if (m_nType == PICKER && rectClient.Size() != size)
        dcMem.PatBlt(0, 0, size.cx, size.cy, BLACKNESS);
    if (ShowsBackground())
        DrawBackground(rect);

    switch (m_nType)
    {
    case CURRENT: {
        CRect rectUpper = rect;
        rectUpper.bottom = rect.Height() / 2;
        CRect rectLower = rect;
        rectLower.top = rectUpper.bottom;
        dcMem.FillSolidRect(rectUpper, m_colorNew);
        dcMem.FillSolidRect(rectLower, m_colorOriginal);
        dcMem.Draw3dRect(rect, globalData.clrBtnDkShadow, globalData.clrBtnDkShadow);
        break;
    }
    case LUMINANCE:
        DrawLuminanceBar(&dcMem, rectClient);
        DrawCursor(&dcMem, CursorRectIn(rectClient));
        break;
    case PICKER:
        DrawSpectrum(&dcMem, rectClient);
        DrawCursor(&dcMem, CursorRectIn(rectClient));
        dcMem.Draw3dRect(rect, globalData.clrBtnDkShadow, globalData.clrBtnHilite);
        break;
    case HEX:
        if (m_arCells.GetSize() == 0)
            BuildHexagons();
        DrawHexagons(&dcMem);
        break;
    case HEX_GREYSCALE:
        if (m_arCells.GetSize() == 0)
            BuildGreyHexagons();
        DrawHexagons(&dcMem);
        break;
    }

    ::BitBlt(hDCItem, rectItem.left, rectItem.top, size.cx, size.cy, dcMem.GetSafeHdc(), 0, 0, SRCCOPY);
    if (pOldMemPalette != NULL)
        dcMem.SelectPalette(pOldMemPalette, FALSE);
    if (pDCItem != NULL && pOldItemPalette != NULL)
        pDCItem->SelectPalette(pOldItemPalette, FALSE);
    if (bKeep)
    {
        // The finished picture stays where it was put together.
        m_bPictureKept = TRUE;
        m_keyKept = PictureKey(size);
    }
}

void CORXColorPickerCtrl::DrawBackground(const CRect& rect)
{
    const HDC hBack = m_dcBack.GetSafeHdc();
    if (!m_bBackKept)
    {
        CPalette* pOldPalette = NULL;
        if (HasPalette())
        {
            pOldPalette = m_dcBack.SelectPalette(m_pPalette, FALSE);
            m_dcBack.RealizePalette();
        }
        m_dcBack.PatBlt(0, 0, rect.Width(), rect.Height(), BLACKNESS);
        globalData.DrawParentBackground(this, &m_dcBack, (LPRECT)&rect);
        if (pOldPalette != NULL)
            m_dcBack.SelectPalette(pOldPalette, FALSE);
        // The context is used again: what the parent may have left set in it that moves or cuts off
        // the drawing goes back to how the context was made (saving and restoring the whole state
        // costs as much as the rest of the paint).
        ::SelectClipRgn(hBack, NULL);
        ::SetMapMode(hBack, MM_TEXT);
        ::SetViewportOrgEx(hBack, 0, 0, NULL);
        ::SetWindowOrgEx(hBack, 0, 0, NULL);
        ::SetROP2(hBack, R2_COPYPEN);
        m_bBackKept = TRUE;
    }
    ::BitBlt(m_dcWork.GetSafeHdc(), 0, 0, rect.Width(), rect.Height(), hBack, 0, 0, SRCCOPY);
}

namespace
{
// Pixels as a 32-bit top-down DIB takes them.
DWORD DibPixel(COLORREF clr)
{
    return (DWORD)GetRValue(clr) << 16 | (DWORD)GetGValue(clr) << 8 | GetBValue(clr);
}

// Puts a block of 32-bit pixels, cx wide and cy high, at (x, y) of a DC, stretched to (cxDest, cy).
void PutPixels(CDC* pDC, int x, int y, int cxDest, int cx, int cy, const DWORD* pBits)
{
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    ::StretchDIBits(pDC->GetSafeHdc(), x, y, cxDest, cy, 0, 0, cx, cy, pBits, &bmi, DIB_RGB_COLORS, SRCCOPY);
}
} // namespace

void CORXColorPickerCtrl::DrawLuminanceBar(CDC* pDC, const CRect& rectClient)
{
    const CRect rect = ScaleIn(rectClient);
    if (rect.bottom < rect.top || m_nLumBarWidth <= 0)
        return;
    if (globalData.m_nBitsPerPixel <= 8)
    {
        // Row by row in palette colours, which a DIB of true colours would not keep.
        for (int y = rect.top; y <= rect.bottom; y++)
        {
            const COLORREF clr =
                CORXDrawHelper::HlsToRgbUnitHue(m_dblHue, LightnessInScale(rect, y), m_dblSat);
            CBrush brush(DrawColorOf(clr));
            CRect rectRow(0, y, m_nLumBarWidth, y + 1);
            pDC->FillRect(rectRow, &brush);
        }
        return;
    }
    // One column of the scale, stretched across the bar in one call: a brush a row costs far more.
    // The bar depends on the hue and saturation alone, not on the lightness marked: kept as drawn,
    // in a bitmap like the work one, and copied.
    const int nRows = rect.bottom - rect.top + 1;
    if (m_bmpColumn.GetSafeHandle() == NULL || m_dColumnHue != m_dblHue || m_dColumnSat != m_dblSat ||
        m_rectColumn != rect || m_nColumnWidth != m_nLumBarWidth || m_nColumnBits != m_nWorkBits)
    {
        DeleteColumn();
        if (!m_dcColumn.CreateCompatibleDC(pDC) ||
            !m_bmpColumn.CreateCompatibleBitmap(pDC, m_nLumBarWidth, nRows))
        {
            DeleteColumn();
            return;
        }
        m_hOldColumn = ::SelectObject(m_dcColumn.GetSafeHdc(), m_bmpColumn.GetSafeHandle());
        m_column.resize(nRows);
        for (int i = 0; i < nRows; i++)
            m_column[i] = DibPixel(
                CORXDrawHelper::HlsToRgbUnitHue(m_dblHue, LightnessInScale(rect, rect.top + i), m_dblSat));
        PutPixels(&m_dcColumn, 0, 0, m_nLumBarWidth, 1, nRows, m_column.data());
        m_dColumnHue = m_dblHue;
        m_dColumnSat = m_dblSat;
        m_rectColumn = rect;
        m_nColumnWidth = m_nLumBarWidth;
        m_nColumnBits = m_nWorkBits;
    }
    ::BitBlt(pDC->GetSafeHdc(), 0, rect.top, m_nLumBarWidth, nRows, m_dcColumn.GetSafeHdc(), 0, 0, SRCCOPY);
}

void CORXColorPickerCtrl::DeleteColumn()
{
    if (m_dcColumn.GetSafeHdc() != NULL)
    {
        if (m_hOldColumn != NULL)
            ::SelectObject(m_dcColumn.GetSafeHdc(), m_hOldColumn);
        m_dcColumn.DeleteDC();
    }
    m_hOldColumn = NULL;
    m_bmpColumn.DeleteObject();
}

void CORXColorPickerCtrl::DrawSpectrum(CDC* pDC, const CRect& rectClient)
{
    const CSize size = rectClient.Size();
    if (m_bmpPicker.GetSafeHandle() == NULL)
    {
        DeleteSpectrum();
        if (size.cx <= 0 || size.cy <= 0 || !m_dcPicker.CreateCompatibleDC(pDC) ||
            !m_bmpPicker.CreateCompatibleBitmap(pDC, size.cx, size.cy))
        {
            DeleteSpectrum();
            pDC->PatBlt(0, 0, size.cx, size.cy, BLACKNESS);
            return;
        }
        m_hOldPicker = ::SelectObject(m_dcPicker.GetSafeHdc(), m_bmpPicker.GetSafeHandle());
        CDC& dcCache = m_dcPicker;
        CPalette* pOldPalette = NULL;
        if (HasPalette())
        {
            pOldPalette = dcCache.SelectPalette(m_pPalette, FALSE);
            dcCache.RealizePalette();
        }
        if (globalData.m_nBitsPerPixel <= 8)
        {
            // 4 x 4 blocks in palette colours.
            const int nStep = 4;
            for (int n = 0; n < size.cy; n += nStep)
            {
                const int y = size.cy - nStep - n;
                const double dSat = (double)n / size.cy;
                for (int x = 0; x < size.cx; x += nStep)
                {
                    const COLORREF clr = CORXDrawHelper::HlsToRgbUnitHue((double)x / size.cx, 0.5, dSat);
                    CBrush brush(DrawColorOf(clr));
                    CRect rectBlock(x, y, x + nStep, y + nStep);
                    dcCache.FillRect(rectBlock, &brush);
                }
            }
        }
        else
        {
            // Every pixel computed into memory and put in one call, not set one by one.
            std::vector<DWORD> bits((size_t)size.cx * size.cy);
            for (int n = 0; n < size.cy; n++)
            {
                DWORD* pRow = &bits[(size_t)(size.cy - 1 - n) * size.cx];
                const double dSat = (double)n / size.cy;
                for (int x = 0; x < size.cx; x++)
                    pRow[x] = DibPixel(CORXDrawHelper::HlsToRgbUnitHue((double)x / size.cx, 0.5, dSat));
            }
            PutPixels(&dcCache, 0, 0, size.cx, size.cx, size.cy, bits.data());
        }
        if (pOldPalette != NULL)
            dcCache.SelectPalette(pOldPalette, FALSE);
    }
    // A plain copy: the same pixels as drawing the bitmap as a state, at a third of the cost here.
    pDC->BitBlt(0, 0, size.cx, size.cy, &m_dcPicker, 0, 0, SRCCOPY);
}

void CORXColorPickerCtrl::DrawCursor(CDC* pDC, const CRect& rect)
{
    if (rect.IsRectEmpty())
        return;
    const BOOL bFocused = m_bFocused;
    if (m_nType == PICKER)
    {
        const COLORREF clr = bFocused ? RGB(0, 0, 0) : RGB(255, 255, 255);
        const CPoint c = rect.CenterPoint();
        pDC->FillSolidRect(CRect(c.x - 1, rect.top, c.x + 2, rect.top + 5), clr);
        pDC->FillSolidRect(CRect(c.x - 1, rect.bottom - 5, c.x + 2, rect.bottom), clr);
        pDC->FillSolidRect(CRect(rect.left, c.y - 1, rect.left + 5, c.y + 2), clr);
        pDC->FillSolidRect(CRect(rect.right - 5, c.y - 1, rect.right, c.y + 2), clr);
        return;
    }
    POINT pts[3] = {{rect.left, rect.top + rect.Height() / 2},
                    {rect.right - 1, rect.top},
                    {rect.right - 1, rect.bottom - 1}};
    // Straight through the system, with the context's own brush and pen: nothing is made and
    // deleted on every paint, nor entered in the handle maps.
    const HDC hDC = pDC->GetSafeHdc();
    const HGDIOBJ hOldBrush = ::SelectObject(hDC, ::GetStockObject(DC_BRUSH));
    const HGDIOBJ hOldPen = ::SelectObject(hDC, ::GetStockObject(DC_PEN));
    const COLORREF clrOldBrush =
        ::SetDCBrushColor(hDC, ::GetSysColor(bFocused ? COLOR_BTNTEXT : COLOR_BTNSHADOW));
    const COLORREF clrOldPen = ::SetDCPenColor(hDC, ::GetSysColor(COLOR_BTNTEXT));
    ::Polygon(hDC, pts, 3);
    ::SetDCPenColor(hDC, clrOldPen);
    ::SetDCBrushColor(hDC, clrOldBrush);
    ::SelectObject(hDC, hOldPen);
    ::SelectObject(hDC, hOldBrush);
}

void CORXColorPickerCtrl::DrawHexagons(CDC* pDC)
{
    CRect rect;
    GetClientRect(rect);
    globalData.DrawParentBackground(this, pDC, rect);
    CORXColorCell* pSelected = NULL;
    for (int i = 0; i < m_arCells.GetSize(); i++)
    {
        CORXColorCell* pCell = m_arCells[i];
        CBrush brush(pCell->m_clrDraw);
        CPen pen(PS_SOLID, 1, pCell->m_clrDraw);
        CBrush* pOldBrush = pDC->SelectObject(&brush);
        CPen* pOldPen = pDC->SelectObject(&pen);
        pDC->Polygon(pCell->m_pts, 6);
        pDC->SelectObject(pOldPen);
        pDC->SelectObject(pOldBrush);
        if (pCell->m_clr == m_colorNew)
            pSelected = pCell;
    }
    if (pSelected == NULL)
        return;
    POINT pts[6];
    CRgn rgn;
    CORXColorCell::Vertices(pSelected->m_x, pSelected->m_y - 1, pSelected->m_nSize + 2, pts);
    if (rgn.CreatePolygonRgn(pts, 6, ALTERNATE))
        pDC->FrameRgn(&rgn, CBrush::FromHandle((HBRUSH)::GetStockObject(WHITE_BRUSH)), 2, 2);
    rgn.DeleteObject();
    CORXColorCell::Vertices(pSelected->m_x, pSelected->m_y, pSelected->m_nSize + 2, pts);
    if (rgn.CreatePolygonRgn(pts, 6, ALTERNATE))
        pDC->FrameRgn(&rgn, CBrush::FromHandle((HBRUSH)::GetStockObject(BLACK_BRUSH)), 1, 1);
    rgn.DeleteObject();
    CORXColorCell::Vertices(pSelected->m_x, pSelected->m_y, pSelected->m_nSize - 1, pts);
    if (rgn.CreatePolygonRgn(pts, 6, ALTERNATE))
        pDC->FrameRgn(&rgn, CBrush::FromHandle((HBRUSH)::GetStockObject(BLACK_BRUSH)), 1, 1);
}

void CORXColorPickerCtrl::NotifyParent(UINT nCode)
{
    CWnd* pParent = GetParent();
    if (pParent != NULL)
        pParent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), nCode), (LPARAM)GetSafeHwnd());
}

void CORXColorPickerCtrl::InvalidateCursor(CRect rectOld)
{
    CRect rectNew = GetCursorRect();
    rectOld.InflateRect(1, 1);
    rectNew.InflateRect(1, 1);
    InvalidateRect(rectOld, FALSE);
    InvalidateRect(rectNew, FALSE);
}

void CORXColorPickerCtrl::PickAt(CPoint point, UINT nFlags)
{
    CRect rectClient;
    GetClientRect(rectClient);
    point.x = std::min(std::max(point.x, rectClient.left), rectClient.right);
    point.y = std::min(std::max(point.y, rectClient.top), rectClient.bottom);
    switch (m_nType)
    {
    case LUMINANCE: {
        CRect rectOld = GetCursorRect();
        m_dblLum = LightnessFromY(point.y);
        m_colorNew = CORXDrawHelper::HlsToRgbUnitHue(m_dblHue, m_dblLum, m_dblSat);
        InvalidateCursor(rectOld);
        break;
    }
    case PICKER: {
        CRect rectOld = GetCursorRect();
        const CPoint ptMarker = rectOld.CenterPoint();
        if (nFlags & MK_CONTROL)
            point.x = ptMarker.x;
        if (nFlags & MK_SHIFT)
            point.y = ptMarker.y;
        if (rectClient.Width() > 0)
            m_dblHue = (double)point.x / rectClient.Width();
        if (rectClient.Height() > 0)
            m_dblSat = 1.0 - (double)point.y / rectClient.Height();
        m_colorNew = CORXDrawHelper::HlsToRgbUnitHue(m_dblHue, m_dblLum, m_dblSat);
        InvalidateCursor(rectOld);
        break;
    }
    case HEX:
    case HEX_GREYSCALE: {
        CORXColorCell* pHit = NULL;
        for (int i = 0; i < m_arCells.GetSize() && pHit == NULL; i++)
            if (m_arCells[i]->HitTest(point))
                pHit = m_arCells[i];
        if (pHit == NULL)
            return;
        m_colorNew = pHit->m_clr;
        CORXDrawHelper::RgbToHls(m_colorNew, &m_dblHue, &m_dblLum, &m_dblSat);
        Invalidate(FALSE);
        break;
    }
    default:
        break;
    }
    NotifyParent(BN_CLICKED);
    UpdateWindow();
}

void CORXColorPickerCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    SetCapture();
    SetFocus();
    OnMouseMove(nFlags, point);
}

void CORXColorPickerCtrl::OnMouseMove(UINT nFlags, CPoint point)
{
    if (::GetCapture() == GetSafeHwnd())
        PickAt(point, nFlags);
}

void CORXColorPickerCtrl::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (::GetCapture() == GetSafeHwnd())
        ::ReleaseCapture();
    CButton::OnLButtonUp(nFlags, point);
}

void CORXColorPickerCtrl::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (m_nType == PICKER || m_nType == HEX || m_nType == HEX_GREYSCALE)
    {
        NotifyParent(BN_DOUBLECLICKED);
        return;
    }
    CButton::OnLButtonDblClk(nFlags, point);
}

void CORXColorPickerCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    double dLum = m_dblLum, dHue = m_dblHue, dSat = m_dblSat;
    if (m_nType == LUMINANCE)
    {
        if (nChar == VK_UP)
            dLum += 0.05;
        else if (nChar == VK_DOWN)
            dLum -= 0.05;
    }
    else if (m_nType == PICKER)
    {
        if (nChar == VK_LEFT)
            dHue -= 0.05;
        else if (nChar == VK_RIGHT)
            dHue += 0.05;
        else if (nChar == VK_UP)
            dSat += 0.05;
        else if (nChar == VK_DOWN)
            dSat -= 0.05;
    }
    dLum = std::min(std::max(dLum, 0.0), 1.0);
    dHue = std::min(std::max(dHue, 0.0), 1.0);
    dSat = std::min(std::max(dSat, 0.0), 1.0);
    if (dLum != m_dblLum || dHue != m_dblHue || dSat != m_dblSat)
    {
        CRect rectOld = GetCursorRect();
        m_dblLum = dLum;
        m_dblHue = dHue;
        m_dblSat = dSat;
        m_colorNew = CORXDrawHelper::HlsToRgbUnitHue(m_dblHue, m_dblLum, m_dblSat);
        InvalidateCursor(rectOld);
        NotifyParent(BN_CLICKED);
    }
    CButton::OnKeyDown(nChar, nRepCnt, nFlags);
}

UINT CORXColorPickerCtrl::OnGetDlgCode()
{
    return DLGC_WANTARROWS;
}

void CORXColorPickerCtrl::OnSetFocus(CWnd* pOldWnd)
{
    CButton::OnSetFocus(pOldWnd);
    m_bFocused = TRUE;
    Invalidate(FALSE);
}

void CORXColorPickerCtrl::OnKillFocus(CWnd* pNewWnd)
{
    CButton::OnKillFocus(pNewWnd);
    m_bFocused = FALSE;
    Invalidate(FALSE);
}

void CORXColorPickerCtrl::OnSize(UINT nType, int cx, int cy)
{
    CButton::OnSize(nType, cx, cy);
    DeleteSpectrum();
    ForgetBackground();
}

void CORXColorPickerCtrl::OnMove(int x, int y)
{
    CButton::OnMove(x, y);
    // Another part of the parent's background lies under it now.
    ForgetBackground();
}

void CORXColorPickerCtrl::OnSysColorChange()
{
    CButton::OnSysColorChange();
    ForgetBackground();
}

LRESULT CORXColorPickerCtrl::OnThemeChanged(WPARAM, LPARAM)
{
    ForgetBackground();
    return Default();
}

BOOL CORXColorPickerCtrl::OnEraseBkgnd(CDC*)
{
    // Nothing is erased, but a repaint that asks for it comes from outside (the picker's own do
    // not erase) and may show a parent drawn anew.
    ForgetBackground();
    return TRUE;
}

void CORXColorPickerCtrl::OnCancelMode()
{
    CButton::OnCancelMode();
}

BOOL CORXColorPickerCtrl::OnQueryNewPalette()
{
    ForgetBackground();
    Invalidate();
    return CButton::OnQueryNewPalette();
}

void CORXColorPickerCtrl::OnPaletteChanged(CWnd* pFocusWnd)
{
    CButton::OnPaletteChanged(pFocusWnd);
    if (pFocusWnd != this)
    {
        ForgetBackground();
        Invalidate();
    }
}
