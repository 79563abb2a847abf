// CORXDrawHelper: pixel work on a DC (lightening, greying, gradients, shadows) and colour arithmetic.
#ifndef VELMORA_ORXDRAWHELPER_H
#define VELMORA_ORXDRAWHELPER_H

#include <afxwin.h>

class CORXDrawHelper
{
    // Construction
public:
    explicit CORXDrawHelper(CDC* pDC) : m_pDC(pDC) {}
    virtual ~CORXDrawHelper() {}

    // Operations
public:
    // nPercent 100 leaves the area; -1 moves every pixel halfway to the highlight colour.
    BOOL HighlightRect(CRect rect, int nPercent = -1, COLORREF clrTransparent = (COLORREF)-1);
    BOOL GrayRect(CRect rect, int nPercent = -1, COLORREF clrTransparent = (COLORREF)-1);
    void FillGradient(CRect rect, COLORREF colorStart, COLORREF colorFinish, BOOL bHorz = TRUE);
    BOOL DrawShadow(CRect rect, int nDepth, int iMinBrightness = 100, int iMaxBrightness = 50,
                    CBitmap* pBmpSaveBottom = NULL, CBitmap* pBmpSaveRight = NULL, BOOL bRightShadow = TRUE);

    static COLORREF ScaleColor(COLORREF color, int nPercent);
    static COLORREF ScaleColorPercent(COLORREF color, int nRedPercent, int nGreenPercent, int nBluePercent);
    static COLORREF ScaleColorChannels(COLORREF color, double dRed, double dGreen, double dBlue);
    static COLORREF BlendColors(COLORREF colorA, COLORREF colorB, int nPercent);
    static void RgbToHls(COLORREF color, double* pHue, double* pLightness, double* pSaturation);
    static COLORREF HlsToRgbUnitHue(double dHue, double dLightness, double dSaturation);
    static COLORREF HlsToRgbDegrees(double dHue, double dLightness, double dSaturation);

    // Implementation
protected:
    // Copies the area into a 32-bit bottom-up DIB section, lets pfnPixel change each pixel that is
    // not transparent, copies it back.
    typedef COLORREF (*PFN_PIXEL)(COLORREF clr, int nPercent);
    BOOL TransformRect(const CRect& rect, int nPercent, COLORREF clrTransparent, PFN_PIXEL pfnPixel);

    CDC* m_pDC;
};

#endif // VELMORA_ORXDRAWHELPER_H
