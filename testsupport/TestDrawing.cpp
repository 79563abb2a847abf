// The drawing surface of the tests that look at pixels, and the bitmaps they hand to the code.
#include "TestDrawing.h"

CTestSurface::CTestSurface(int cx, int cy, BOOL bScreenDepth) : m_cx(cx), m_cy(cy)
{
    Make(bScreenDepth);
}

CTestSurface::CTestSurface(int cx, int cy, COLORREF clrFill, BOOL bScreenDepth) : m_cx(cx), m_cy(cy)
{
    Make(bScreenDepth);
    Fill(Rect(), clrFill);
}

void CTestSurface::Make(BOOL bScreenDepth)
{
    HDC hScreen = ::GetDC(NULL);
    m_hDC = ::CreateCompatibleDC(hScreen);
    if (bScreenDepth)
        m_hBitmap = ::CreateCompatibleBitmap(hScreen, m_cx, m_cy);
    else
    {
        BITMAPINFO bmi = {};
        bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        bmi.bmiHeader.biWidth = m_cx;
        bmi.bmiHeader.biHeight = -m_cy;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        void* pBits = NULL;
        m_hBitmap = ::CreateDIBSection(m_hDC, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
    }
    ::ReleaseDC(NULL, hScreen);
    m_hOld = ::SelectObject(m_hDC, m_hBitmap);
    m_dc.Attach(m_hDC);
}

CTestSurface::~CTestSurface()
{
    m_dc.Detach();
    ::SelectObject(m_hDC, m_hOld);
    ::DeleteObject(m_hBitmap);
    ::DeleteDC(m_hDC);
}

void CTestSurface::Fill(const CRect& rect, COLORREF clr)
{
    HBRUSH hBrush = ::CreateSolidBrush(clr);
    ::FillRect(m_hDC, &rect, hBrush);
    ::DeleteObject(hBrush);
}

int CTestSurface::Count(COLORREF clr) const
{
    return Count(clr, Rect());
}

int CTestSurface::Count(COLORREF clr, const CRect& rect) const
{
    int n = 0;
    for (int y = rect.top; y < rect.bottom; y++)
        for (int x = rect.left; x < rect.right; x++)
            if (At(x, y) == clr)
                n++;
    return n;
}

BOOL MakeScreenBitmap(CBitmap& bitmap, int cx, int cy, COLORREF clrFill)
{
    CClientDC dcScreen(NULL);
    if (!bitmap.CreateCompatibleBitmap(&dcScreen, cx, cy))
        return FALSE;
    CDC dc;
    dc.CreateCompatibleDC(&dcScreen);
    CBitmap* pOld = dc.SelectObject(&bitmap);
    dc.FillSolidRect(0, 0, cx, cy, clrFill);
    dc.SelectObject(pOld);
    return TRUE;
}

COLORREF PixelOf(HBITMAP hBitmap, int x, int y)
{
    HDC hDC = ::CreateCompatibleDC(NULL);
    HGDIOBJ hOld = ::SelectObject(hDC, hBitmap);
    COLORREF clr = ::GetPixel(hDC, x, y);
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    return clr;
}

void SetPixelOf(HBITMAP hBitmap, int x, int y, COLORREF clr)
{
    HDC hDC = ::CreateCompatibleDC(NULL);
    HGDIOBJ hOld = ::SelectObject(hDC, hBitmap);
    ::SetPixelV(hDC, x, y, clr);
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
}

Bytes BitmapFileOf(UINT nIDResource)
{
    HINSTANCE hInst = AfxGetResourceHandle();
    HRSRC hRsrc = ::FindResource(hInst, MAKEINTRESOURCE(nIDResource), RT_BITMAP);
    if (hRsrc == NULL)
        return Bytes();
    DWORD dwSize = ::SizeofResource(hInst, hRsrc);
    const BYTE* pDib = (const BYTE*)::LockResource(::LoadResource(hInst, hRsrc));
    BITMAPFILEHEADER bfh = {0x4D42, (DWORD)sizeof(bfh) + dwSize, 0, 0, (DWORD)sizeof(bfh) + 40};
    Bytes file(sizeof(bfh) + dwSize);
    memcpy(file.data(), &bfh, sizeof(bfh));
    memcpy(file.data() + sizeof(bfh), pDib, dwSize);
    return file;
}
