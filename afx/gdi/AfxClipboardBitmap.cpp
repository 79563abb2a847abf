// Bitmaps through the clipboard.
#include "AfxClipboardBitmap.h"

namespace
{
// Bitmaps larger than this on either side are refused: the clipboard data comes from any program.
const LONG kMaxSide = 0x4000;

// A screen-compatible bitmap of the same size holding the pixels of hbmSrc; NULL on failure.
HBITMAP CopyBitmap(HBITMAP hbmSrc)
{
    BITMAP bm;
    if (hbmSrc == NULL || ::GetObject(hbmSrc, sizeof(bm), &bm) == 0 || bm.bmWidth <= 0 || bm.bmHeight <= 0 ||
        bm.bmWidth > kMaxSide || bm.bmHeight > kMaxSide)
        return NULL;
    HDC hdcScreen = ::GetDC(NULL);
    HBITMAP hbmCopy = ::CreateCompatibleBitmap(hdcScreen, bm.bmWidth, bm.bmHeight);
    HDC hdcSrc = ::CreateCompatibleDC(hdcScreen);
    HDC hdcDst = ::CreateCompatibleDC(hdcScreen);
    ::ReleaseDC(NULL, hdcScreen);
    BOOL bOK = FALSE;
    if (hbmCopy != NULL && hdcSrc != NULL && hdcDst != NULL)
    {
        HGDIOBJ hOldSrc = ::SelectObject(hdcSrc, hbmSrc);
        HGDIOBJ hOldDst = ::SelectObject(hdcDst, hbmCopy);
        bOK = hOldSrc != NULL && hOldDst != NULL &&
              ::BitBlt(hdcDst, 0, 0, bm.bmWidth, bm.bmHeight, hdcSrc, 0, 0, SRCCOPY);
        if (hOldSrc != NULL)
            ::SelectObject(hdcSrc, hOldSrc);
        if (hOldDst != NULL)
            ::SelectObject(hdcDst, hOldDst);
    }
    if (hdcSrc != NULL)
        ::DeleteDC(hdcSrc);
    if (hdcDst != NULL)
        ::DeleteDC(hdcDst);
    if (!bOK && hbmCopy != NULL)
    {
        ::DeleteObject(hbmCopy);
        hbmCopy = NULL;
    }
    return hbmCopy;
}
} // namespace

HBITMAP AFXAPI AfxBitmapFromPackedDIB(const void* pDIB, SIZE_T cbSize)
{
    if (pDIB == NULL || cbSize < sizeof(BITMAPINFOHEADER))
        return NULL;
    const BITMAPINFOHEADER* pbih = (const BITMAPINFOHEADER*)pDIB;
    if (pbih->biSize < sizeof(BITMAPINFOHEADER) || pbih->biSize > cbSize || pbih->biPlanes != 1)
        return NULL;
    const LONG cx = pbih->biWidth;
    const LONG cy = pbih->biHeight < 0 ? -pbih->biHeight : pbih->biHeight;
    if (cx <= 0 || cy <= 0 || cx > kMaxSide || cy > kMaxSide)
        return NULL;
    const WORD nBits = pbih->biBitCount;
    if (nBits != 1 && nBits != 4 && nBits != 8 && nBits != 16 && nBits != 24 && nBits != 32)
        return NULL;
    SIZE_T cbTable = 0;
    if (pbih->biCompression == BI_BITFIELDS)
    {
        if (nBits != 16 && nBits != 32)
            return NULL;
        // The three masks follow a plain header; the larger headers hold them inside.
        if (pbih->biSize == sizeof(BITMAPINFOHEADER))
            cbTable = 3 * sizeof(DWORD);
    }
    else if (pbih->biCompression != BI_RGB)
        return NULL;
    if (nBits <= 8)
    {
        DWORD nColors = pbih->biClrUsed != 0 ? pbih->biClrUsed : (1u << nBits);
        if (nColors > (1u << nBits))
            return NULL;
        cbTable = nColors * sizeof(RGBQUAD);
    }
    const SIZE_T cbStride = (((SIZE_T)cx * nBits + 31) / 32) * 4;
    const SIZE_T cbBits = cbStride * (SIZE_T)cy;
    const SIZE_T cbOffset = pbih->biSize + cbTable;
    if (cbOffset > cbSize || cbBits > cbSize - cbOffset)
        return NULL;
    if (pbih->biCompression == BI_BITFIELDS && pbih->biSize > sizeof(BITMAPINFOHEADER) &&
        pbih->biSize < sizeof(BITMAPINFOHEADER) + 3 * sizeof(DWORD))
        return NULL;

    // The header and its table are copied so that a larger header reads as a plain one.
    BYTE* pInfo =
        new BYTE[sizeof(BITMAPINFOHEADER) + (cbTable > 3 * sizeof(DWORD) ? cbTable : 3 * sizeof(DWORD))];
    memcpy(pInfo, pbih, sizeof(BITMAPINFOHEADER));
    BITMAPINFOHEADER* pHeader = (BITMAPINFOHEADER*)pInfo;
    pHeader->biSize = sizeof(BITMAPINFOHEADER);
    if (pbih->biCompression == BI_BITFIELDS && cbTable == 0)
    {
        // A version 4 or 5 header: its masks follow the plain fields.
        memcpy(pInfo + sizeof(BITMAPINFOHEADER), (const BYTE*)pDIB + sizeof(BITMAPINFOHEADER),
               3 * sizeof(DWORD));
    }
    else if (cbTable > 0)
        memcpy(pInfo + sizeof(BITMAPINFOHEADER), (const BYTE*)pDIB + pbih->biSize, cbTable);

    BITMAPINFO bmi32 = {};
    bmi32.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi32.bmiHeader.biWidth = cx;
    bmi32.bmiHeader.biHeight = cy;
    bmi32.bmiHeader.biPlanes = 1;
    bmi32.bmiHeader.biBitCount = 32;
    bmi32.bmiHeader.biCompression = BI_RGB;
    void* pBits32 = NULL;
    HBITMAP hbm = ::CreateDIBSection(NULL, &bmi32, DIB_RGB_COLORS, &pBits32, NULL, 0);
    HDC hdc = hbm != NULL ? ::CreateCompatibleDC(NULL) : NULL;
    BOOL bOK = FALSE;
    if (hdc != NULL)
    {
        HGDIOBJ hOld = ::SelectObject(hdc, hbm);
        bOK = ::SetDIBitsToDevice(hdc, 0, 0, cx, cy, 0, 0, 0, cy, (const BYTE*)pDIB + cbOffset,
                                  (BITMAPINFO*)pInfo, DIB_RGB_COLORS) != 0;
        ::SelectObject(hdc, hOld);
        ::DeleteDC(hdc);
    }
    delete[] pInfo;
    if (!bOK && hbm != NULL)
    {
        ::DeleteObject(hbm);
        hbm = NULL;
    }
    return hbm;
}

BOOL AFXAPI AfxIsClipboardBitmapAvailable()
{
    return ::IsClipboardFormatAvailable(CF_BITMAP) || ::IsClipboardFormatAvailable(CF_DIB);
}

HBITMAP AFXAPI AfxGetClipboardBitmap(HWND hWndOwner)
{
    if (!::OpenClipboard(hWndOwner))
        return NULL;
    HBITMAP hbmCopy = NULL;
    HBITMAP hbmClip = ::IsClipboardFormatAvailable(CF_BITMAP) ? (HBITMAP)::GetClipboardData(CF_BITMAP) : NULL;
    if (hbmClip != NULL)
        hbmCopy = CopyBitmap(hbmClip);
    if (hbmCopy == NULL && ::IsClipboardFormatAvailable(CF_DIB))
    {
        HGLOBAL hDIB = ::GetClipboardData(CF_DIB);
        const void* pDIB = hDIB != NULL ? ::GlobalLock(hDIB) : NULL;
        if (pDIB != NULL)
        {
            HBITMAP hbmDIB = AfxBitmapFromPackedDIB(pDIB, ::GlobalSize(hDIB));
            ::GlobalUnlock(hDIB);
            if (hbmDIB != NULL)
            {
                hbmCopy = CopyBitmap(hbmDIB);
                ::DeleteObject(hbmDIB);
            }
        }
    }
    ::CloseClipboard();
    return hbmCopy;
}

BOOL AFXAPI AfxSetClipboardBitmap(HWND hWndOwner, HBITMAP hbm)
{
    HBITMAP hbmCopy = CopyBitmap(hbm);
    if (hbmCopy == NULL)
        return FALSE;
    if (!::OpenClipboard(hWndOwner))
    {
        ::DeleteObject(hbmCopy);
        return FALSE;
    }
    BOOL bOK = ::EmptyClipboard() && ::SetClipboardData(CF_BITMAP, hbmCopy) != NULL;
    ::CloseClipboard();
    // The clipboard owns the bitmap only once it took it.
    if (!bOK)
        ::DeleteObject(hbmCopy);
    return bOK;
}
