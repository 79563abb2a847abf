// CORXDrawHelper: DIB-section pixel loops with a dithered fallback for palette displays.
#include "ORXDrawHelper.h"

#include "ORXGlobalData.h"

namespace
{
inline int Cap(int n)
{
    return n < 0 ? 0 : (n > 255 ? 255 : n);
}

// Pixels in a 32-bit DIB are 0x00RRGGBB; COLORREF is 0x00BBGGRR.
inline COLORREF PixelToColor(DWORD dw)
{
    return RGB((dw >> 16) & 0xFF, (dw >> 8) & 0xFF, dw & 0xFF);
}
inline DWORD ColorToPixel(COLORREF clr)
{
    return ((DWORD)GetRValue(clr) << 16) | ((DWORD)GetGValue(clr) << 8) | GetBValue(clr);
}

COLORREF HalfwayToHighlight(COLORREF clr)
{
    COLORREF clrHigh = globalData.clrBtnHilite;
    return RGB(Cap((GetRValue(clrHigh) - GetRValue(clr)) / 2 + GetRValue(clr)),
               Cap((GetGValue(clrHigh) - GetGValue(clr)) / 2 + GetGValue(clr)),
               Cap((GetBValue(clrHigh) - GetBValue(clr)) / 2 + GetBValue(clr)));
}

COLORREF LightenPixel(COLORREF clr, int nPercent)
{
    if (nPercent == -1)
        return HalfwayToHighlight(clr);
    return CORXDrawHelper::ScaleColorPercent(clr, nPercent, nPercent, nPercent);
}

COLORREF GrayPixel(COLORREF clr, int nPercent)
{
    double h, l, s;
    CORXDrawHelper::RgbToHls(clr, &h, &l, &s);
    COLORREF clrGray = CORXDrawHelper::HlsToRgbUnitHue(h, l, 0);
    if (nPercent == -1)
        return HalfwayToHighlight(clrGray);
    double dFactor = nPercent / 100.0;
    return CORXDrawHelper::ScaleColorChannels(clrGray, dFactor, dFactor, dFactor);
}

double HueToChannel(double m1, double m2, double h)
{
    if (h < 0)
        h += 1.0;
    if (h > 1)
        h -= 1.0;
    if (6.0 * h < 1)
        return m1 + (m2 - m1) * h * 6.0;
    if (2.0 * h < 1)
        return m2;
    if (3.0 * h < 2.0)
        return m1 + (m2 - m1) * ((2.0 / 3.0) - h) * 6.0;
    return m1;
}

double HueToChannelDegrees(double m1, double m2, double h)
{
    if (h > 360)
        h -= 360;
    else if (h < 0)
        h += 360;
    if (h < 60)
        return m1 + (m2 - m1) * h / 60;
    if (h < 180)
        return m2;
    if (h < 240)
        return m1 + (m2 - m1) * (240 - h) / 60;
    return m1;
}

// A 32-bit bottom-up DIB section of the given size selected into a memory DC compatible with
// the target; the bits are addressed top row last.
struct CDibSurface
{
    HDC hDC = NULL;
    HBITMAP hBitmap = NULL;
    HGDIOBJ hOld = NULL;
    DWORD* pBits = NULL;
    int cx = 0, cy = 0;

    BOOL Create(HDC hTarget, int nWidth, int nHeight)
    {
        cx = nWidth;
        cy = nHeight;
        hDC = ::CreateCompatibleDC(hTarget);
        if (hDC == NULL)
            return FALSE;
        BITMAPINFO bmi = {};
        bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        bmi.bmiHeader.biWidth = nWidth;
        bmi.bmiHeader.biHeight = nHeight;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        bmi.bmiHeader.biCompression = BI_RGB;
        hBitmap = ::CreateDIBSection(hDC, &bmi, DIB_RGB_COLORS, (void**)&pBits, NULL, 0);
        if (hBitmap == NULL || pBits == NULL)
            return FALSE;
        hOld = ::SelectObject(hDC, hBitmap);
        return TRUE;
    }
    // Pixel at (x, y) from the top-left corner.
    DWORD& At(int x, int y) { return pBits[(cy - 1 - y) * cx + x]; }
    ~CDibSurface()
    {
        if (hOld != NULL)
            ::SelectObject(hDC, hOld);
        if (hBitmap != NULL)
            ::DeleteObject(hBitmap);
        if (hDC != NULL)
            ::DeleteDC(hDC);
    }
};
} // namespace

BOOL CORXDrawHelper::TransformRect(const CRect& rect, int nPercent, COLORREF clrTransparent,
                                   PFN_PIXEL pfnPixel)
{
    if (globalData.m_nBitsPerPixel <= 8)
    {
        ::FillRect(m_pDC->GetSafeHdc(), &rect, (HBRUSH)globalData.brLight.GetSafeHandle());
        return TRUE;
    }
    HDC hTarget = m_pDC->GetSafeHdc();
    CDibSurface dib;
    if (!dib.Create(hTarget, rect.Width(), rect.Height()))
        return FALSE;
    ::BitBlt(dib.hDC, 0, 0, rect.Width(), rect.Height(), hTarget, rect.left, rect.top, SRCCOPY);
    ::GdiFlush();
    DWORD dwTransparent = clrTransparent == (COLORREF)-1 ? 0xFFFFFFFF : ColorToPixel(clrTransparent);
    int nPixels = rect.Width() * rect.Height();
    for (int i = 0; i < nPixels; i++)
    {
        DWORD dw = dib.pBits[i] & 0x00FFFFFF;
        if (dw == dwTransparent)
            continue;
        dib.pBits[i] = ColorToPixel(pfnPixel(PixelToColor(dw), nPercent));
    }
    ::BitBlt(hTarget, rect.left, rect.top, rect.Width(), rect.Height(), dib.hDC, 0, 0, SRCCOPY);
    return TRUE;
}

BOOL CORXDrawHelper::HighlightRect(CRect rect, int nPercent, COLORREF clrTransparent)
{
    if (nPercent == 100 || rect.Width() <= 0 || rect.Height() <= 0)
        return TRUE;
    return TransformRect(rect, nPercent, clrTransparent, LightenPixel);
}

BOOL CORXDrawHelper::GrayRect(CRect rect, int nPercent, COLORREF clrTransparent)
{
    if (rect.Width() <= 0 || rect.Height() <= 0)
        return TRUE;
    return TransformRect(rect, nPercent, clrTransparent, GrayPixel);
}

void CORXDrawHelper::FillGradient(CRect rect, COLORREF colorStart, COLORREF colorFinish, BOOL bHorz)
{
    HDC hDC = m_pDC->GetSafeHdc();
    if (colorStart == colorFinish)
    {
        HBRUSH hBrush = ::CreateSolidBrush(colorStart);
        ::FillRect(hDC, &rect, hBrush);
        ::DeleteObject(hBrush);
        return;
    }
    const int nSteps = 64;
    int nExtent = bHorz ? rect.Width() : rect.Height();
    for (int i = 0; i < nSteps; i++)
    {
        int nFrom = nExtent * i / nSteps;
        int nTo = nExtent * (i + 1) / nSteps;
        if (nTo <= nFrom)
            continue;
        COLORREF clr =
            RGB(GetRValue(colorStart) + (GetRValue(colorFinish) - GetRValue(colorStart)) * i / nSteps,
                GetGValue(colorStart) + (GetGValue(colorFinish) - GetGValue(colorStart)) * i / nSteps,
                GetBValue(colorStart) + (GetBValue(colorFinish) - GetBValue(colorStart)) * i / nSteps);
        CRect rectBand = rect;
        if (bHorz)
        {
            rectBand.left = rect.left + nFrom;
            rectBand.right = rect.left + nTo;
        }
        else
        {
            rectBand.top = rect.top + nFrom;
            rectBand.bottom = rect.top + nTo;
        }
        HBRUSH hBrush = ::CreateSolidBrush(clr);
        ::FillRect(hDC, &rectBand, hBrush);
        ::DeleteObject(hBrush);
    }
}

BOOL CORXDrawHelper::DrawShadow(CRect rect, int nDepth, int iMinBrightness, int iMaxBrightness,
                                CBitmap* pBmpSaveBottom, CBitmap* pBmpSaveRight, BOOL bRightShadow)
{
    if (nDepth <= 0 || rect.IsRectEmpty() || nDepth >= rect.Width() || nDepth >= rect.Height())
        return FALSE;
    HDC hDC = m_pDC->GetSafeHdc();
    int xSide = bRightShadow ? rect.right : rect.left - nDepth;
    if (pBmpSaveBottom != NULL && pBmpSaveRight != NULL && pBmpSaveBottom->GetSafeHandle() != NULL &&
        pBmpSaveRight->GetSafeHandle() != NULL)
    {
        ::DrawStateA(hDC, NULL, NULL, (LPARAM)pBmpSaveRight->GetSafeHandle(), 0, xSide, rect.top + nDepth, 0,
                     0, DST_BITMAP);
        ::DrawStateA(hDC, NULL, NULL, (LPARAM)pBmpSaveBottom->GetSafeHandle(), 0, rect.left, rect.bottom, 0,
                     0, DST_BITMAP);
        return TRUE;
    }
    if (globalData.m_nBitsPerPixel <= 8)
        return FALSE;

    // The area: the rectangle widened by the depth towards the shadow side and down.
    CRect rectArea(bRightShadow ? rect.left : rect.left - nDepth, rect.top,
                   bRightShadow ? rect.right + nDepth : rect.right, rect.bottom + nDepth);
    CDibSurface dib;
    if (!dib.Create(hDC, rectArea.Width(), rectArea.Height()))
        return FALSE;
    ::BitBlt(dib.hDC, 0, 0, rectArea.Width(), rectArea.Height(), hDC, rectArea.left, rectArea.top, SRCCOPY);
    ::GdiFlush();

    // Save what the shadow covers, so that it can be painted back.
    auto Save = [&](CBitmap* pBmp, int x, int y, int cx, int cy) {
        if (pBmp == NULL)
            return;
        pBmp->DeleteObject();
        HBITMAP hBmp = ::CreateCompatibleBitmap(hDC, cx, cy);
        if (hBmp == NULL)
            return;
        HDC hMem = ::CreateCompatibleDC(hDC);
        HGDIOBJ hOld = ::SelectObject(hMem, hBmp);
        ::BitBlt(hMem, 0, 0, cx, cy, hDC, x, y, SRCCOPY);
        ::SelectObject(hMem, hOld);
        ::DeleteDC(hMem);
        pBmp->Attach(hBmp);
    };
    Save(pBmpSaveRight, xSide, rect.top + nDepth, nDepth, rect.Height());
    Save(pBmpSaveBottom, rect.left, rect.bottom, rect.Width(), nDepth);

    // Percentages step evenly from the inner edge (minimum) outwards; every pixel is darkened once.
    int nStep = (iMaxBrightness - iMinBrightness) / nDepth;
    auto Darken = [&](int x, int y, int d) {
        dib.At(x, y) = ColorToPixel(ScaleColor(PixelToColor(dib.At(x, y)), iMinBrightness + nStep * d));
    };
    int xRect = bRightShadow ? 0 : nDepth; // the rectangle's left edge in the area
    int cx = rect.Width(), cy = rect.Height();
    for (int d = 0; d < nDepth; d++)
    {
        int xSideCol = bRightShadow ? xRect + cx + d : xRect - 1 - d;
        for (int y = nDepth; y < cy; y++)
            Darken(xSideCol, y, d);
        int xFrom = bRightShadow ? xRect + nDepth : xRect;
        int xTo = bRightShadow ? xRect + cx : xRect + cx - nDepth;
        for (int x = xFrom; x < xTo; x++)
            Darken(x, cy + d, d);
    }
    // The corner beyond the rectangle's corner: the farther of the two distances counts.
    for (int i = 0; i < nDepth; i++)
        for (int j = 0; j < nDepth; j++)
            Darken(bRightShadow ? xRect + cx + i : xRect - 1 - i, cy + j, i > j ? i : j);
    ::BitBlt(hDC, rectArea.left, rectArea.top, rectArea.Width(), rectArea.Height(), dib.hDC, 0, 0, SRCCOPY);
    return TRUE;
}

COLORREF CORXDrawHelper::ScaleColor(COLORREF color, int nPercent)
{
    return RGB(Cap(GetRValue(color) * nPercent / 100), Cap(GetGValue(color) * nPercent / 100),
               Cap(GetBValue(color) * nPercent / 100));
}

COLORREF CORXDrawHelper::ScaleColorPercent(COLORREF color, int nRedPercent, int nGreenPercent,
                                           int nBluePercent)
{
    auto Channel = [](int c, int nPercent) {
        if (c == 0 && nPercent > 100)
            return Cap((nPercent - 100) * 255 / 100);
        return Cap(c * nPercent / 100);
    };
    return RGB(Channel(GetRValue(color), nRedPercent), Channel(GetGValue(color), nGreenPercent),
               Channel(GetBValue(color), nBluePercent));
}

COLORREF CORXDrawHelper::ScaleColorChannels(COLORREF color, double dRed, double dGreen, double dBlue)
{
    auto Channel = [](int c, double dFactor) {
        if (c == 0 && dFactor > 1)
            return Cap((int)((dFactor - 1) * 255 + 0.5));
        return Cap((int)(c * dFactor + 0.5));
    };
    return RGB(Channel(GetRValue(color), dRed), Channel(GetGValue(color), dGreen),
               Channel(GetBValue(color), dBlue));
}

COLORREF CORXDrawHelper::BlendColors(COLORREF colorA, COLORREF colorB, int nPercent)
{
    return RGB((GetRValue(colorB) * (100 - nPercent) + GetRValue(colorA) * nPercent) / 100,
               (GetGValue(colorB) * (100 - nPercent) + GetGValue(colorA) * nPercent) / 100,
               (GetBValue(colorB) * (100 - nPercent) + GetBValue(colorA) * nPercent) / 100);
}

void CORXDrawHelper::RgbToHls(COLORREF color, double* pHue, double* pLightness, double* pSaturation)
{
    double r = GetRValue(color) / 255.0, g = GetGValue(color) / 255.0, b = GetBValue(color) / 255.0;
    double dMax = r > g ? (r > b ? r : b) : (g > b ? g : b);
    double dMin = r < g ? (r < b ? r : b) : (g < b ? g : b);
    double l = (dMax + dMin) / 2;
    double h = 0, s = 0;
    if (dMax != dMin)
    {
        double delta = dMax - dMin;
        s = l < 0.5 ? delta / (dMax + dMin) : delta / (2 - dMax - dMin);
        if (r == dMax)
            h = (g - b) / delta;
        else if (g == dMax)
            h = 2 + (b - r) / delta;
        else
            h = 4 + (r - g) / delta;
        h /= 6;
        if (h < 0)
            h += 1;
    }
    if (pHue != NULL)
        *pHue = h;
    if (pLightness != NULL)
        *pLightness = l;
    if (pSaturation != NULL)
        *pSaturation = s;
}

COLORREF CORXDrawHelper::HlsToRgbUnitHue(double dHue, double dLightness, double dSaturation)
{
    if (dSaturation == 0)
    {
        int n = (int)(dLightness * 255);
        return RGB(Cap(n), Cap(n), Cap(n));
    }
    double m2 = dLightness <= 0.5 ? dLightness * (1 + dSaturation)
                                  : dLightness + dSaturation - dLightness * dSaturation;
    double m1 = 2 * dLightness - m2;
    return RGB(Cap((int)(HueToChannel(m1, m2, dHue + 1.0 / 3.0) * 255)),
               Cap((int)(HueToChannel(m1, m2, dHue) * 255)),
               Cap((int)(HueToChannel(m1, m2, dHue - 1.0 / 3.0) * 255)));
}

COLORREF CORXDrawHelper::HlsToRgbDegrees(double dHue, double dLightness, double dSaturation)
{
    if (dSaturation == 0)
    {
        int n = (int)(dLightness * 255);
        return RGB(Cap(n), Cap(n), Cap(n));
    }
    double m2 = dLightness < 0.5 ? dLightness * (1 + dSaturation)
                                 : dLightness + dSaturation - dLightness * dSaturation;
    double m1 = 2 * dLightness - m2;
    return RGB(Cap((int)(HueToChannelDegrees(m1, m2, dHue + 120) * 255)),
               Cap((int)(HueToChannelDegrees(m1, m2, dHue) * 255)),
               Cap((int)(HueToChannelDegrees(m1, m2, dHue - 120) * 255)));
}
