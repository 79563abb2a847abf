// The drawing surface of the tests that look at pixels.
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
