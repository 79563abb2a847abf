// A drawing surface for the tests that look at pixels, and the bitmaps they hand to the code.
#ifndef VELMORA_TESTDRAWING_H
#define VELMORA_TESTDRAWING_H

#include "afxwin.h"

#include "TestSupport.h"

// A bitmap selected into a memory DC, read back pixel by pixel. By default a top-down 32-bit DIB
// section, whose colours are exact whatever the display; with bScreenDepth a bitmap compatible
// with the screen, as what a window paints on. Its contents start undefined unless a fill colour
// is given.
class CTestSurface
{
public:
    CTestSurface(int cx, int cy, BOOL bScreenDepth = FALSE);
    CTestSurface(int cx, int cy, COLORREF clrFill, BOOL bScreenDepth = FALSE);
    virtual ~CTestSurface();
    CTestSurface(const CTestSurface&) = delete;
    CTestSurface& operator=(const CTestSurface&) = delete;

    CDC* DC() { return &m_dc; }
    HDC Handle() const { return m_hDC; }
    HBITMAP Bitmap() const { return m_hBitmap; }
    int Width() const { return m_cx; }
    int Height() const { return m_cy; }
    CRect Rect() const { return CRect(0, 0, m_cx, m_cy); }

    void Fill(const CRect& rect, COLORREF clr);
    COLORREF At(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
    // How many pixels of the rectangle (the whole surface by default) are of a colour.
    int Count(COLORREF clr) const;
    int Count(COLORREF clr, const CRect& rect) const;

private:
    void Make(BOOL bScreenDepth);

    int m_cx, m_cy;
    HDC m_hDC = NULL;
    HBITMAP m_hBitmap = NULL;
    HGDIOBJ m_hOld = NULL;
    CDC m_dc;
};

// A bitmap compatible with the screen, as what a window paints on, filled with one colour; FALSE
// when it cannot be made.
BOOL MakeScreenBitmap(CBitmap& bitmap, int cx, int cy, COLORREF clrFill);

// One pixel of a bitmap that no DC holds (one the code under test keeps, say), read or set through
// a memory DC of the moment.
COLORREF PixelOf(HBITMAP hBitmap, int x, int y);
void SetPixelOf(HBITMAP hBitmap, int x, int y, COLORREF clr);

// The bytes of a bitmap file holding one of the module's bitmap resources as it stands (a header
// without a colour table), for the tests that read images from a file.
Bytes BitmapFileOf(UINT nIDResource);

#endif // VELMORA_TESTDRAWING_H
