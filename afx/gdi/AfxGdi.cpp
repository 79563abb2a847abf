// GDI object and device-context wrappers: handle maps, selection, text and fast fills.
#include "AfxGdi.h"
#include "AfxThreadState.h"

IMPLEMENT_DYNCREATE(CGdiObject, CObject)
IMPLEMENT_DYNAMIC(CPen, CGdiObject)
IMPLEMENT_DYNAMIC(CBrush, CGdiObject)
IMPLEMENT_DYNAMIC(CFont, CGdiObject)
IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)
IMPLEMENT_DYNAMIC(CPalette, CGdiObject)
IMPLEMENT_DYNAMIC(CRgn, CGdiObject)
IMPLEMENT_DYNCREATE(CDC, CObject)

namespace
{

// A temporary wrapper of the handle's own kind, so that casts such as CPen::FromHandle give an
// object of the class the caller expects.
CGdiObject* NewWrapperFor(HGDIOBJ h)
{
    switch (::GetObjectType(h))
    {
    case OBJ_PEN:
    case OBJ_EXTPEN:
        return new CPen;
    case OBJ_BRUSH:
        return new CBrush;
    case OBJ_FONT:
        return new CFont;
    case OBJ_BITMAP:
        return new CBitmap;
    case OBJ_REGION:
        return new CRgn;
    case OBJ_PAL:
        return new CPalette;
    default:
        return new CGdiObject;
    }
}

CGdiObject* NewTempObject(HGDIOBJ h)
{
    CGdiObject* pObject = NewWrapperFor(h);
    pObject->m_hObject = h;
    return pObject;
}

// The handle belongs to someone else: forgotten before the destructor could delete it.
void ForgetObject(CGdiObject* pObject)
{
    pObject->m_hObject = NULL;
}

CDC* NewTempDC(HDC h)
{
    CDC* pDC = new CDC;
    pDC->m_hDC = pDC->m_hAttribDC = h;
    return pDC;
}

void ForgetDC(CDC* pDC)
{
    pDC->m_hDC = pDC->m_hAttribDC = NULL;
}

CHandleMap<HGDIOBJ, CGdiObject>& ObjectMap()
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_pmapHGDIOBJ == NULL)
        pState->m_pmapHGDIOBJ =
            pState->AddHandleMap(new CHandleMap<HGDIOBJ, CGdiObject>(NewTempObject, ForgetObject));
    return *pState->m_pmapHGDIOBJ;
}

CHandleMap<HDC, CDC>& DCMap()
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_pmapHDC == NULL)
        pState->m_pmapHDC = pState->AddHandleMap(new CHandleMap<HDC, CDC>(NewTempDC, ForgetDC));
    return *pState->m_pmapHDC;
}

} // namespace

// Never inlined nor analysed across calls: a call through a null object pointer lets the compiler
// assume the pointer is set, which would delete the very test these functions exist for.
__attribute__((noipa)) HGDIOBJ AFXAPI AfxSafeGdiHandle(const CGdiObject* pObject)
{
    return pObject == NULL ? NULL : pObject->m_hObject;
}

__attribute__((noipa)) HDC AFXAPI AfxSafeHdc(const CDC* pDC)
{
    return pDC == NULL ? NULL : pDC->m_hDC;
}

/////////////////////////////////////////////////////////////////////////////
// CGdiObject

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

CGdiObject* PASCAL CGdiObject::FromHandle(HGDIOBJ hObject)
{
    return ObjectMap().FromHandle(hObject);
}

void PASCAL CGdiObject::DeleteTempMap()
{
    ObjectMap().DeleteTemp();
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    if (hObject == NULL)
        return FALSE;
    ASSERT(m_hObject == NULL);
    m_hObject = hObject;
    ObjectMap().SetPermanent(hObject, this);
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ hObject = m_hObject;
    if (hObject != NULL)
        ObjectMap().RemoveHandle(hObject, this);
    m_hObject = NULL;
    return hObject;
}

BOOL CGdiObject::DeleteObject()
{
    if (m_hObject == NULL)
        return FALSE;
    return ::DeleteObject(Detach());
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const
{
    return ::GetObject(m_hObject, nCount, lpObject);
}

BOOL CGdiObject::CreateStockObject(int nIndex)
{
    return Attach(::GetStockObject(nIndex));
}

/////////////////////////////////////////////////////////////////////////////
// Pens, brushes, fonts, bitmaps, palettes, regions

CPen::CPen(int nPenStyle, int nWidth, COLORREF crColor)
{
    if (!Attach(::CreatePen(nPenStyle, nWidth, crColor)))
        AfxThrowResourceException();
}

CPen::CPen(int nPenStyle, int nWidth, const LOGBRUSH* pLogBrush, int nStyleCount, const DWORD* lpStyle)
{
    if (!Attach(::ExtCreatePen(nPenStyle, nWidth, pLogBrush, nStyleCount, lpStyle)))
        AfxThrowResourceException();
}

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor)
{
    return Attach(::CreatePen(nPenStyle, nWidth, crColor));
}

BOOL CPen::CreatePen(int nPenStyle, int nWidth, const LOGBRUSH* pLogBrush, int nStyleCount,
                     const DWORD* lpStyle)
{
    return Attach(::ExtCreatePen(nPenStyle, nWidth, pLogBrush, nStyleCount, lpStyle));
}

BOOL CPen::CreatePenIndirect(LPLOGPEN lpLogPen)
{
    return Attach(::CreatePenIndirect(lpLogPen));
}

CBrush::CBrush(COLORREF crColor)
{
    if (!Attach(::CreateSolidBrush(crColor)))
        AfxThrowResourceException();
}

CBrush::CBrush(int nIndex, COLORREF crColor)
{
    if (!Attach(::CreateHatchBrush(nIndex, crColor)))
        AfxThrowResourceException();
}

CBrush::CBrush(CBitmap* pBitmap)
{
    if (!Attach(::CreatePatternBrush((HBITMAP)pBitmap->GetSafeHandle())))
        AfxThrowResourceException();
}

BOOL CBrush::CreatePatternBrush(CBitmap* pBitmap)
{
    return Attach(::CreatePatternBrush((HBITMAP)pBitmap->GetSafeHandle()));
}

BOOL CBrush::CreateDIBPatternBrush(HGLOBAL hPackedDIB, UINT nUsage)
{
    const void* p = ::GlobalLock(hPackedDIB);
    BOOL ok = p != NULL && Attach(::CreateDIBPatternBrushPt(p, nUsage));
    if (p != NULL)
        ::GlobalUnlock(hPackedDIB);
    return ok;
}

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                       BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision,
                       BYTE nClipPrecision, BYTE nQuality, BYTE nPitchAndFamily, LPCTSTR lpszFacename)
{
    return Attach(::CreateFont(nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic, bUnderline,
                               cStrikeOut, nCharSet, nOutPrecision, nClipPrecision, nQuality, nPitchAndFamily,
                               lpszFacename));
}

BOOL CFont::CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC* pDC)
{
    LOGFONT lf;
    memset(&lf, 0, sizeof(lf));
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfHeight = nPointSize;
    lstrcpyn(lf.lfFaceName, lpszFaceName, LF_FACESIZE);
    return CreatePointFontIndirect(&lf, pDC);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONT* lpLogFont, CDC* pDC)
{
    // lfHeight arrives in tenths of a point; it becomes a character height (negative) in the
    // logical units of the context, measured as the framework does: through device units.
    HDC hDC = pDC != NULL ? pDC->m_hAttribDC : ::GetDC(NULL);
    LOGFONT lf = *lpLogFont;
    POINT pt;
    pt.y = ::MulDiv(::GetDeviceCaps(hDC, LOGPIXELSY), lf.lfHeight, 720);
    pt.x = 0;
    ::DPtoLP(hDC, &pt, 1);
    POINT ptOrg = {0, 0};
    ::DPtoLP(hDC, &ptOrg, 1);
    lf.lfHeight = -abs(pt.y - ptOrg.y);
    if (pDC == NULL)
        ::ReleaseDC(NULL, hDC);
    return CreateFontIndirect(&lf);
}

BOOL CBitmap::LoadBitmap(LPCTSTR lpszResourceName)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_BITMAP);
    return Attach(::LoadBitmap(hInst, lpszResourceName));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight)
{
    return Attach(::CreateCompatibleBitmap(pDC->m_hDC, nWidth, nHeight));
}

BOOL CBitmap::CreateDiscardableBitmap(CDC* pDC, int nWidth, int nHeight)
{
    return Attach(::CreateCompatibleBitmap(pDC->m_hDC, nWidth, nHeight));
}

CSize CBitmap::SetBitmapDimension(int nWidth, int nHeight)
{
    SIZE size;
    ::SetBitmapDimensionEx((HBITMAP)m_hObject, nWidth, nHeight, &size);
    return size;
}

CSize CBitmap::GetBitmapDimension() const
{
    SIZE size;
    ::GetBitmapDimensionEx((HBITMAP)m_hObject, &size);
    return size;
}

BOOL CPalette::CreateHalftonePalette(CDC* pDC)
{
    return Attach(::CreateHalftonePalette(pDC->GetSafeHdc()));
}

int CPalette::GetEntryCount()
{
    WORD nEntries = 0;
    ::GetObject(m_hObject, sizeof(WORD), &nEntries);
    return (int)nEntries;
}

BOOL CRgn::CreateFromPath(CDC* pDC)
{
    return Attach(::PathToRegion(pDC->m_hDC));
}

/////////////////////////////////////////////////////////////////////////////
// CDC

CDC::CDC() : m_hDC(NULL), m_hAttribDC(NULL), m_bPrinting(FALSE) {}

CDC::~CDC()
{
    if (m_hDC != NULL)
        ::DeleteDC(Detach());
}

CDC* PASCAL CDC::FromHandle(HDC hDC)
{
    return DCMap().FromHandle(hDC);
}

void PASCAL CDC::DeleteTempMap()
{
    DCMap().DeleteTemp();
}

BOOL CDC::Attach(HDC hDC)
{
    if (hDC == NULL)
        return FALSE;
    ASSERT(m_hDC == NULL);
    m_hDC = hDC;
    SetAttribDC(m_hDC);
    DCMap().SetPermanent(hDC, this);
    return TRUE;
}

HDC CDC::Detach()
{
    HDC hDC = m_hDC;
    if (hDC != NULL)
        DCMap().RemoveHandle(hDC, this);
    ReleaseAttribDC();
    m_hDC = NULL;
    return hDC;
}

BOOL CDC::CreateDC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput, const void* lpInitData)
{
    return Attach(::CreateDC(lpszDriverName, lpszDeviceName, lpszOutput, (const DEVMODE*)lpInitData));
}

BOOL CDC::CreateIC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput, const void* lpInitData)
{
    return Attach(::CreateIC(lpszDriverName, lpszDeviceName, lpszOutput, (const DEVMODE*)lpInitData));
}

BOOL CDC::CreateCompatibleDC(CDC* pDC)
{
    return Attach(::CreateCompatibleDC(pDC->GetSafeHdc()));
}

BOOL CDC::DeleteDC()
{
    if (m_hDC == NULL)
        return FALSE;
    return ::DeleteDC(Detach());
}

int CDC::SaveDC()
{
    int nRetVal = 0;
    if (m_hAttribDC != NULL)
        nRetVal = ::SaveDC(m_hAttribDC);
    if (m_hDC != m_hAttribDC && ::SaveDC(m_hDC) != 0)
        nRetVal = -1; // the output context's state is restored with -1, as the framework does
    return nRetVal;
}

BOOL CDC::RestoreDC(int nSavedDC)
{
    BOOL bRetVal = TRUE;
    if (m_hDC != m_hAttribDC)
        bRetVal = ::RestoreDC(m_hDC, nSavedDC);
    if (m_hAttribDC != NULL)
        bRetVal = ::RestoreDC(m_hAttribDC, nSavedDC) && bRetVal;
    return bRetVal;
}

CPoint CDC::GetBrushOrg() const
{
    POINT point;
    ::GetBrushOrgEx(m_hDC, &point);
    return point;
}

CPoint CDC::SetBrushOrg(int x, int y)
{
    POINT point;
    ::SetBrushOrgEx(m_hDC, x, y, &point);
    return point;
}

CGdiObject* PASCAL CDC::SelectGdiObject(HDC hDC, HGDIOBJ h)
{
    return CGdiObject::FromHandle(::SelectObject(hDC, h));
}

CGdiObject* CDC::SelectStockObject(int nIndex)
{
    HGDIOBJ hObject = ::GetStockObject(nIndex);
    HGDIOBJ hOldObj = NULL;
    if (m_hDC != m_hAttribDC)
        hOldObj = ::SelectObject(m_hDC, hObject);
    if (m_hAttribDC != NULL)
        hOldObj = ::SelectObject(m_hAttribDC, hObject);
    return CGdiObject::FromHandle(hOldObj);
}

HGDIOBJ CDC::SelectObject(HGDIOBJ hObject)
{
    HGDIOBJ hOldObj = NULL;
    if (m_hDC != m_hAttribDC)
        hOldObj = ::SelectObject(m_hDC, hObject);
    if (m_hAttribDC != NULL)
        hOldObj = ::SelectObject(m_hAttribDC, hObject);
    return hOldObj;
}

CGdiObject* CDC::SelectObject(CGdiObject* pObject)
{
    return CGdiObject::FromHandle(SelectObject(pObject->GetSafeHandle()));
}

CPen* CDC::SelectObject(CPen* pPen)
{
    return (CPen*)CGdiObject::FromHandle(SelectObject(pPen->GetSafeHandle()));
}

CBrush* CDC::SelectObject(CBrush* pBrush)
{
    return (CBrush*)CGdiObject::FromHandle(SelectObject(pBrush->GetSafeHandle()));
}

CFont* CDC::SelectObject(CFont* pFont)
{
    return (CFont*)CGdiObject::FromHandle(SelectObject(pFont->GetSafeHandle()));
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap)
{
    return (CBitmap*)CGdiObject::FromHandle(SelectObject(pBitmap->GetSafeHandle()));
}

int CDC::SelectObject(CRgn* pRgn)
{
    // Selecting a region answers with its complexity, not with a previous object.
    return (int)(INT_PTR)SelectObject(pRgn->GetSafeHandle());
}

CPalette* CDC::SelectPalette(CPalette* pPalette, BOOL bForceBackground)
{
    return (CPalette*)CGdiObject::FromHandle(
        ::SelectPalette(m_hDC, (HPALETTE)pPalette->GetSafeHandle(), bForceBackground));
}

COLORREF CDC::SetBkColor(COLORREF crColor)
{
    COLORREF crRetVal = CLR_INVALID;
    if (m_hDC != m_hAttribDC)
        crRetVal = ::SetBkColor(m_hDC, crColor);
    if (m_hAttribDC != NULL)
        crRetVal = ::SetBkColor(m_hAttribDC, crColor);
    return crRetVal;
}

int CDC::SetBkMode(int nBkMode)
{
    int nRetVal = 0;
    if (m_hDC != m_hAttribDC)
        nRetVal = ::SetBkMode(m_hDC, nBkMode);
    if (m_hAttribDC != NULL)
        nRetVal = ::SetBkMode(m_hAttribDC, nBkMode);
    return nRetVal;
}

int CDC::SetPolyFillMode(int nPolyFillMode)
{
    int nRetVal = 0;
    if (m_hDC != m_hAttribDC)
        nRetVal = ::SetPolyFillMode(m_hDC, nPolyFillMode);
    if (m_hAttribDC != NULL)
        nRetVal = ::SetPolyFillMode(m_hAttribDC, nPolyFillMode);
    return nRetVal;
}

int CDC::SetROP2(int nDrawMode)
{
    int nRetVal = 0;
    if (m_hDC != m_hAttribDC)
        nRetVal = ::SetROP2(m_hDC, nDrawMode);
    if (m_hAttribDC != NULL)
        nRetVal = ::SetROP2(m_hAttribDC, nDrawMode);
    return nRetVal;
}

int CDC::SetStretchBltMode(int nStretchMode)
{
    int nRetVal = 0;
    if (m_hDC != m_hAttribDC)
        nRetVal = ::SetStretchBltMode(m_hDC, nStretchMode);
    if (m_hAttribDC != NULL)
        nRetVal = ::SetStretchBltMode(m_hAttribDC, nStretchMode);
    return nRetVal;
}

COLORREF CDC::SetTextColor(COLORREF crColor)
{
    COLORREF crRetVal = CLR_INVALID;
    if (m_hDC != m_hAttribDC)
        crRetVal = ::SetTextColor(m_hDC, crColor);
    if (m_hAttribDC != NULL)
        crRetVal = ::SetTextColor(m_hAttribDC, crColor);
    return crRetVal;
}

UINT CDC::SetTextAlign(UINT nFlags)
{
    UINT nRetVal = GDI_ERROR;
    if (m_hDC != m_hAttribDC)
        nRetVal = ::SetTextAlign(m_hDC, nFlags);
    if (m_hAttribDC != NULL)
        nRetVal = ::SetTextAlign(m_hAttribDC, nFlags);
    return nRetVal;
}

int CDC::SetTextJustification(int nBreakExtra, int nBreakCount)
{
    int nRetVal = 0;
    if (m_hDC != m_hAttribDC)
        nRetVal = ::SetTextJustification(m_hDC, nBreakExtra, nBreakCount);
    if (m_hAttribDC != NULL)
        nRetVal = ::SetTextJustification(m_hAttribDC, nBreakExtra, nBreakCount);
    return nRetVal;
}

int CDC::SetTextCharacterExtra(int nCharExtra)
{
    int nRetVal = 0x8000000;
    if (m_hDC != m_hAttribDC)
        nRetVal = ::SetTextCharacterExtra(m_hDC, nCharExtra);
    if (m_hAttribDC != NULL)
        nRetVal = ::SetTextCharacterExtra(m_hAttribDC, nCharExtra);
    return nRetVal;
}

int CDC::SetMapMode(int nMapMode)
{
    int nRetVal = 0;
    if (m_hDC != m_hAttribDC)
        nRetVal = ::SetMapMode(m_hDC, nMapMode);
    if (m_hAttribDC != NULL)
        nRetVal = ::SetMapMode(m_hAttribDC, nMapMode);
    return nRetVal;
}

CPoint CDC::GetViewportOrg() const
{
    POINT point;
    ::GetViewportOrgEx(m_hAttribDC, &point);
    return point;
}

CPoint CDC::SetViewportOrg(int x, int y)
{
    POINT point = {0, 0};
    if (m_hDC != m_hAttribDC)
        ::SetViewportOrgEx(m_hDC, x, y, &point);
    if (m_hAttribDC != NULL)
        ::SetViewportOrgEx(m_hAttribDC, x, y, &point);
    return point;
}

CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight)
{
    POINT point = {0, 0};
    if (m_hDC != m_hAttribDC)
        ::OffsetViewportOrgEx(m_hDC, nWidth, nHeight, &point);
    if (m_hAttribDC != NULL)
        ::OffsetViewportOrgEx(m_hAttribDC, nWidth, nHeight, &point);
    return point;
}

CSize CDC::GetViewportExt() const
{
    SIZE size;
    ::GetViewportExtEx(m_hAttribDC, &size);
    return size;
}

CSize CDC::SetViewportExt(int cx, int cy)
{
    SIZE size = {0, 0};
    if (m_hDC != m_hAttribDC)
        ::SetViewportExtEx(m_hDC, cx, cy, &size);
    if (m_hAttribDC != NULL)
        ::SetViewportExtEx(m_hAttribDC, cx, cy, &size);
    return size;
}

CSize CDC::ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom)
{
    SIZE size = {0, 0};
    if (m_hDC != m_hAttribDC)
        ::ScaleViewportExtEx(m_hDC, xNum, xDenom, yNum, yDenom, &size);
    if (m_hAttribDC != NULL)
        ::ScaleViewportExtEx(m_hAttribDC, xNum, xDenom, yNum, yDenom, &size);
    return size;
}

CPoint CDC::GetWindowOrg() const
{
    POINT point;
    ::GetWindowOrgEx(m_hAttribDC, &point);
    return point;
}

CPoint CDC::SetWindowOrg(int x, int y)
{
    POINT point = {0, 0};
    if (m_hDC != m_hAttribDC)
        ::SetWindowOrgEx(m_hDC, x, y, &point);
    if (m_hAttribDC != NULL)
        ::SetWindowOrgEx(m_hAttribDC, x, y, &point);
    return point;
}

CPoint CDC::OffsetWindowOrg(int nWidth, int nHeight)
{
    POINT point = {0, 0};
    if (m_hDC != m_hAttribDC)
        ::OffsetWindowOrgEx(m_hDC, nWidth, nHeight, &point);
    if (m_hAttribDC != NULL)
        ::OffsetWindowOrgEx(m_hAttribDC, nWidth, nHeight, &point);
    return point;
}

CSize CDC::GetWindowExt() const
{
    SIZE size;
    ::GetWindowExtEx(m_hAttribDC, &size);
    return size;
}

CSize CDC::SetWindowExt(int cx, int cy)
{
    SIZE size = {0, 0};
    if (m_hDC != m_hAttribDC)
        ::SetWindowExtEx(m_hDC, cx, cy, &size);
    if (m_hAttribDC != NULL)
        ::SetWindowExtEx(m_hAttribDC, cx, cy, &size);
    return size;
}

CSize CDC::ScaleWindowExt(int xNum, int xDenom, int yNum, int yDenom)
{
    SIZE size = {0, 0};
    if (m_hDC != m_hAttribDC)
        ::ScaleWindowExtEx(m_hDC, xNum, xDenom, yNum, yDenom, &size);
    if (m_hAttribDC != NULL)
        ::ScaleWindowExtEx(m_hAttribDC, xNum, xDenom, yNum, yDenom, &size);
    return size;
}

void CDC::DPtoLP(LPSIZE lpSize) const
{
    // A size is a distance: convert both ends and keep the difference.
    POINT pts[2] = {{0, 0}, {lpSize->cx, lpSize->cy}};
    ::DPtoLP(m_hAttribDC, pts, 2);
    lpSize->cx = pts[1].x - pts[0].x;
    lpSize->cy = pts[1].y - pts[0].y;
}

void CDC::LPtoDP(LPSIZE lpSize) const
{
    POINT pts[2] = {{0, 0}, {lpSize->cx, lpSize->cy}};
    ::LPtoDP(m_hAttribDC, pts, 2);
    lpSize->cx = pts[1].x - pts[0].x;
    lpSize->cy = pts[1].y - pts[0].y;
}

int CDC::SelectClipRgn(CRgn* pRgn)
{
    int nRetVal = ERROR;
    if (m_hDC != m_hAttribDC)
        nRetVal = ::SelectClipRgn(m_hDC, (HRGN)pRgn->GetSafeHandle());
    if (m_hAttribDC != NULL)
        nRetVal = ::SelectClipRgn(m_hAttribDC, (HRGN)pRgn->GetSafeHandle());
    return nRetVal;
}

int CDC::SelectClipRgn(CRgn* pRgn, int nMode)
{
    int nRetVal = ERROR;
    if (m_hDC != m_hAttribDC)
        nRetVal = ::ExtSelectClipRgn(m_hDC, (HRGN)pRgn->GetSafeHandle(), nMode);
    if (m_hAttribDC != NULL)
        nRetVal = ::ExtSelectClipRgn(m_hAttribDC, (HRGN)pRgn->GetSafeHandle(), nMode);
    return nRetVal;
}

int CDC::ExcludeClipRect(int x1, int y1, int x2, int y2)
{
    int nRetVal = ERROR;
    if (m_hDC != m_hAttribDC)
        nRetVal = ::ExcludeClipRect(m_hDC, x1, y1, x2, y2);
    if (m_hAttribDC != NULL)
        nRetVal = ::ExcludeClipRect(m_hAttribDC, x1, y1, x2, y2);
    return nRetVal;
}

int CDC::IntersectClipRect(int x1, int y1, int x2, int y2)
{
    int nRetVal = ERROR;
    if (m_hDC != m_hAttribDC)
        nRetVal = ::IntersectClipRect(m_hDC, x1, y1, x2, y2);
    if (m_hAttribDC != NULL)
        nRetVal = ::IntersectClipRect(m_hAttribDC, x1, y1, x2, y2);
    return nRetVal;
}

int CDC::OffsetClipRgn(int x, int y)
{
    int nRetVal = ERROR;
    if (m_hDC != m_hAttribDC)
        nRetVal = ::OffsetClipRgn(m_hDC, x, y);
    if (m_hAttribDC != NULL)
        nRetVal = ::OffsetClipRgn(m_hAttribDC, x, y);
    return nRetVal;
}

CPoint CDC::GetCurrentPosition() const
{
    POINT point;
    ::GetCurrentPositionEx(m_hAttribDC, &point);
    return point;
}

CPoint CDC::MoveTo(int x, int y)
{
    POINT point = {0, 0};
    if (m_hDC != m_hAttribDC)
        ::MoveToEx(m_hDC, x, y, &point);
    if (m_hAttribDC != NULL)
        ::MoveToEx(m_hAttribDC, x, y, &point);
    return point;
}

BOOL CDC::LineTo(int x, int y)
{
    if (m_hAttribDC != NULL && m_hDC != m_hAttribDC)
        ::MoveToEx(m_hAttribDC, x, y, NULL);
    return ::LineTo(m_hDC, x, y);
}

BOOL CDC::DrawState(CPoint pt, CSize size, HBITMAP hBitmap, UINT nFlags, HBRUSH hBrush)
{
    return ::DrawState(m_hDC, hBrush, NULL, (LPARAM)hBitmap, 0, pt.x, pt.y, size.cx, size.cy,
                       nFlags | DST_BITMAP);
}

BOOL CDC::DrawState(CPoint pt, CSize size, CBitmap* pBitmap, UINT nFlags, CBrush* pBrush)
{
    return DrawState(pt, size, (HBITMAP)pBitmap->GetSafeHandle(), nFlags, (HBRUSH)pBrush->GetSafeHandle());
}

BOOL CDC::DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, HBRUSH hBrush)
{
    return ::DrawState(m_hDC, hBrush, NULL, (LPARAM)hIcon, 0, pt.x, pt.y, size.cx, size.cy,
                       nFlags | DST_ICON);
}

BOOL CDC::DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, CBrush* pBrush)
{
    return DrawState(pt, size, hIcon, nFlags, (HBRUSH)pBrush->GetSafeHandle());
}

BOOL CDC::DrawState(CPoint pt, CSize size, LPCTSTR lpszText, UINT nFlags, BOOL bPrefixText, int nTextLen,
                    HBRUSH hBrush)
{
    return ::DrawState(m_hDC, hBrush, NULL, (LPARAM)lpszText, (WPARAM)nTextLen, pt.x, pt.y, size.cx, size.cy,
                       nFlags | (bPrefixText ? DST_PREFIXTEXT : DST_TEXT));
}

BOOL CDC::DrawState(CPoint pt, CSize size, LPCTSTR lpszText, UINT nFlags, BOOL bPrefixText, int nTextLen,
                    CBrush* pBrush)
{
    return DrawState(pt, size, lpszText, nFlags, bPrefixText, nTextLen, (HBRUSH)pBrush->GetSafeHandle());
}

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop)
{
    return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC->GetSafeHdc(), xSrc, ySrc, dwRop);
}

BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, int nSrcWidth,
                     int nSrcHeight, DWORD dwRop)
{
    return ::StretchBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC->GetSafeHdc(), xSrc, ySrc, nSrcWidth, nSrcHeight,
                        dwRop);
}

BOOL CDC::TextOut(int x, int y, LPCTSTR lpszString, int nCount)
{
    return ::TextOut(m_hDC, x, y, lpszString, nCount);
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCTSTR lpszString, UINT nCount,
                     LPINT lpDxWidths)
{
    return ::ExtTextOut(m_hDC, x, y, nOptions, lpRect, lpszString, nCount, lpDxWidths);
}

CSize CDC::TabbedTextOut(int x, int y, LPCTSTR lpszString, int nCount, int nTabPositions,
                         LPINT lpnTabStopPositions, int nTabOrigin)
{
    return CSize((DWORD)::TabbedTextOut(m_hDC, x, y, lpszString, nCount, nTabPositions, lpnTabStopPositions,
                                        nTabOrigin));
}

int CDC::DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat)
{
    return ::DrawText(m_hDC, lpszString, nCount, lpRect, nFormat);
}

CSize CDC::GetTextExtent(LPCTSTR lpszString, int nCount) const
{
    SIZE size = {0, 0};
    ::GetTextExtentPoint32(m_hAttribDC, lpszString, nCount, &size);
    return size;
}

CSize CDC::GetOutputTextExtent(LPCTSTR lpszString, int nCount) const
{
    SIZE size = {0, 0};
    ::GetTextExtentPoint32(m_hDC, lpszString, nCount, &size);
    return size;
}

CSize CDC::GetTabbedTextExtent(LPCTSTR lpszString, int nCount, int nTabPositions,
                               LPINT lpnTabStopPositions) const
{
    return CSize(
        (DWORD)::GetTabbedTextExtent(m_hAttribDC, lpszString, nCount, nTabPositions, lpnTabStopPositions));
}

BOOL CDC::GrayString(CBrush* pBrush, BOOL(CALLBACK* lpfnOutput)(HDC, LPARAM, int), LPARAM lpData, int nCount,
                     int x, int y, int nWidth, int nHeight)
{
    return ::GrayString(m_hDC, (HBRUSH)pBrush->GetSafeHandle(), (GRAYSTRINGPROC)lpfnOutput, lpData, nCount, x,
                        y, nWidth, nHeight);
}

int CDC::GetTextFace(CString& rString) const
{
    int nResult = ::GetTextFace(m_hAttribDC, 256, rString.GetBuffer(256));
    rString.ReleaseBuffer();
    return nResult;
}

BOOL CDC::ScrollDC(int dx, int dy, LPCRECT lpRectScroll, LPCRECT lpRectClip, CRgn* pRgnUpdate,
                   LPRECT lpRectUpdate)
{
    return ::ScrollDC(m_hDC, dx, dy, lpRectScroll, lpRectClip, (HRGN)pRgnUpdate->GetSafeHandle(),
                      lpRectUpdate);
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr)
{
    // An opaque ExtTextOut without text fills with the background colour and needs no brush.
    ::SetBkColor(m_hDC, clr);
    ::ExtTextOut(m_hDC, 0, 0, ETO_OPAQUE, lpRect, NULL, 0, NULL);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr)
{
    RECT rect = {x, y, x + cx, y + cy};
    FillSolidRect(&rect, clr);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top,
               clrTopLeft, clrBottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
    FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
    FillSolidRect(x + cx, y, -1, cy, clrBottomRight);
    FillSolidRect(x, y + cy, cx, -1, clrBottomRight);
}

void CDC::DrawDragRect(LPCRECT lpRect, SIZE size, LPCRECT lpRectLast, SIZE sizeLast, CBrush* pBrush,
                       CBrush* pBrushLast)
{
    // The frame of lpRect, size thick, is drawn by XOR with a half-tone brush; the previous frame
    // is taken off the same way, only where the two differ.
    static const WORD halftone[8] = {0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA};
    HBITMAP hBits = ::CreateBitmap(8, 8, 1, 1, halftone);
    HBRUSH hHalftone = ::CreatePatternBrush(hBits);
    ::DeleteObject(hBits);
    HBRUSH hBrush = pBrush != NULL ? (HBRUSH)pBrush->m_hObject : hHalftone;
    HBRUSH hBrushLast = pBrushLast != NULL ? (HBRUSH)pBrushLast->m_hObject : hBrush;

    HRGN rgnOutside = ::CreateRectRgnIndirect(lpRect);
    RECT rect = *lpRect;
    ::InflateRect(&rect, -size.cx, -size.cy);
    ::IntersectRect(&rect, &rect, lpRect);
    HRGN rgnInside = ::CreateRectRgnIndirect(&rect);
    HRGN rgnNew = ::CreateRectRgn(0, 0, 0, 0);
    ::CombineRgn(rgnNew, rgnOutside, rgnInside, RGN_XOR);

    HRGN rgnUpdate = NULL;
    HRGN rgnLast = NULL;
    if (lpRectLast != NULL)
    {
        ::SetRectRgn(rgnOutside, lpRectLast->left, lpRectLast->top, lpRectLast->right, lpRectLast->bottom);
        rect = *lpRectLast;
        ::InflateRect(&rect, -sizeLast.cx, -sizeLast.cy);
        ::IntersectRect(&rect, &rect, lpRectLast);
        ::SetRectRgn(rgnInside, rect.left, rect.top, rect.right, rect.bottom);
        rgnLast = ::CreateRectRgn(0, 0, 0, 0);
        ::CombineRgn(rgnLast, rgnOutside, rgnInside, RGN_XOR);
        if (hBrush == hBrushLast)
        {
            rgnUpdate = ::CreateRectRgn(0, 0, 0, 0);
            ::CombineRgn(rgnUpdate, rgnLast, rgnNew, RGN_XOR);
        }
    }
    HGDIOBJ hOld = NULL;
    if (hBrush != hBrushLast && lpRectLast != NULL)
    {
        ::SelectClipRgn(m_hDC, rgnLast);
        ::GetClipBox(m_hDC, &rect);
        hOld = ::SelectObject(m_hDC, hBrushLast);
        ::PatBlt(m_hDC, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, PATINVERT);
        ::SelectObject(m_hDC, hOld);
    }
    ::SelectClipRgn(m_hDC, rgnUpdate != NULL ? rgnUpdate : rgnNew);
    ::GetClipBox(m_hDC, &rect);
    hOld = ::SelectObject(m_hDC, hBrush);
    ::PatBlt(m_hDC, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, PATINVERT);
    ::SelectObject(m_hDC, hOld);
    ::SelectClipRgn(m_hDC, NULL);

    ::DeleteObject(rgnOutside);
    ::DeleteObject(rgnInside);
    ::DeleteObject(rgnNew);
    if (rgnLast)
        ::DeleteObject(rgnLast);
    if (rgnUpdate)
        ::DeleteObject(rgnUpdate);
    ::DeleteObject(hHalftone);
}
