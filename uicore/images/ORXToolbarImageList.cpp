// CORXToolbarImageList: loading, appending, colour mapping and state drawing of an image well.
#include "ORXToolbarImageList.h"

#include <algorithm>

#include "ORXCleanUp.h"
#include "ORXDrawHelper.h"
#include "ORXGlobalData.h"
#include "ORXProc.h"
#include "ORXServices.h"

HDC CORXToolbarImageList::s_hDCGlyphs = NULL;
HDC CORXToolbarImageList::s_hDCMono = NULL;
HMODULE CORXToolbarImageList::s_hmodMsimg32 = NULL;
CORXToolbarImageList::PFN_ALPHABLEND CORXToolbarImageList::s_pfnAlphaBlend = NULL;
BOOL CORXToolbarImageList::s_bMapByTable = TRUE;

namespace
{
const UINT kLoadFlags = LR_CREATEDIBSECTION | LR_LOADMAP3DCOLORS;
const DWORD ROP_PSDPxax = 0x00B8074A; // brush where the mask is 0, target elsewhere
const DWORD ROP_DSPDxax = 0x00E20746;

// Whether a file is a whole bitmap file: the system's loader takes a cut file, and a header that
// claims more pixels than the file holds, as an image of whatever the memory after it holds.
BOOL IsWholeBitmapFile(LPCTSTR lpszPath)
{
    HANDLE hFile = ::CreateFile(lpszPath, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
        return FALSE;
    const DWORD dwSize = ::GetFileSize(hFile, NULL);
    BITMAPFILEHEADER bfh = {};
    BITMAPINFOHEADER bih = {};
    DWORD dwRead = 0, dwReadInfo = 0;
    const BOOL bRead = ::ReadFile(hFile, &bfh, sizeof(bfh), &dwRead, NULL) && dwRead == sizeof(bfh) &&
                       ::ReadFile(hFile, &bih, sizeof(bih), &dwReadInfo, NULL) && dwReadInfo == sizeof(bih);
    ::CloseHandle(hFile);
    if (!bRead || dwSize == INVALID_FILE_SIZE || bfh.bfType != 0x4D42 || bih.biSize < sizeof(bih) ||
        bih.biPlanes != 1 || bih.biWidth <= 0 || bih.biHeight == 0 || bih.biWidth > 32767 ||
        bih.biHeight > 32767 || bih.biHeight < -32767 || bfh.bfOffBits < sizeof(bfh) + bih.biSize ||
        bfh.bfOffBits > dwSize)
        return FALSE;
    const WORD nBits = bih.biBitCount;
    if (nBits != 1 && nBits != 4 && nBits != 8 && nBits != 16 && nBits != 24 && nBits != 32)
        return FALSE;
    // Compressed rows have no fixed length; plain rows all have theirs.
    if (bih.biCompression != BI_RGB && bih.biCompression != BI_BITFIELDS)
        return bih.biSizeImage <= dwSize - bfh.bfOffBits;
    const ULONGLONG nStride = (((ULONGLONG)bih.biWidth * nBits + 31) / 32) * 4;
    const ULONGLONG nRows = bih.biHeight < 0 ? (ULONGLONG)-bih.biHeight : (ULONGLONG)bih.biHeight;
    return nStride * nRows <= dwSize - bfh.bfOffBits;
}

// A 32-bit top-down DIB section of the given size (bits returned); NULL on failure.
HBITMAP Create32(int cx, int cy, DWORD** ppBits)
{
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    void* pBits = NULL;
    HBITMAP hbmp = ::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
    if (ppBits != NULL)
        *ppBits = (DWORD*)pBits;
    return hbmp;
}

SIZE BitmapSize(HBITMAP hbmp)
{
    BITMAP bm = {};
    SIZE size = {0, 0};
    if (hbmp != NULL && ::GetObject(hbmp, sizeof(bm), &bm) != 0)
    {
        size.cx = bm.bmWidth;
        size.cy = bm.bmHeight;
    }
    return size;
}

// A 32-bit copy of a bitmap that keeps its alpha bytes when it has them; NULL on failure.
HBITMAP CopyTo32(HBITMAP hbmpSrc, DWORD** ppBits)
{
    SIZE size = BitmapSize(hbmpSrc);
    if (size.cx <= 0 || size.cy <= 0)
        return NULL;
    DWORD* pBits = NULL;
    HBITMAP hbmp = Create32(size.cx, size.cy, &pBits);
    if (hbmp == NULL)
        return NULL;
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = size.cx;
    bmi.bmiHeader.biHeight = -size.cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    HDC hDC = ::GetDC(NULL);
    int nLines = ::GetDIBits(hDC, hbmpSrc, 0, size.cy, pBits, &bmi, DIB_RGB_COLORS);
    ::ReleaseDC(NULL, hDC);
    if (nLines != size.cy)
    {
        ::DeleteObject(hbmp);
        return NULL;
    }
    if (ppBits != NULL)
        *ppBits = pBits;
    return hbmp;
}

inline COLORREF Swap(COLORREF clr)
{
    return RGB(GetBValue(clr), GetGValue(clr), GetRValue(clr));
}
} // namespace

CORXToolbarImageList::CORXToolbarImageList()
    : m_sizeImage(16, 15), m_sizeImageDest(0, 0), m_hbmImageWell(NULL), m_hbmImageLight(NULL),
      m_bUserImagesList(FALSE), m_bModified(FALSE), m_iCount(0), m_bStretch(FALSE), m_pBmpOriginal(NULL),
      m_clrTransparent((COLORREF)-1), m_bReadOnly(FALSE), m_bIsShared(FALSE), m_clrImageShadow(0),
      m_bFadeInactive(FALSE), m_nBitsPerPixel(0)
{
    m_mapOrigResOffsets.InitHashTable(17);
    if (!EnsureSharedDCs())
        AfxThrowResourceException();
    OnSysColorChange();
}

CORXToolbarImageList::~CORXToolbarImageList()
{
    if (!m_bIsShared)
    {
        if (m_hbmImageWell != NULL)
            ::DeleteObject(m_hbmImageWell);
        if (m_hbmImageLight != NULL)
            ::DeleteObject(m_hbmImageLight);
    }
    m_bmpMem.DeleteObject();
    m_dcMem.DeleteDC();
}

BOOL CORXToolbarImageList::EnsureSharedDCs()
{
    if (s_hDCGlyphs != NULL && s_hDCMono != NULL)
        return TRUE;
    s_hDCGlyphs = ::CreateCompatibleDC(NULL);
    s_hDCMono = ::CreateCompatibleDC(NULL);
    if (s_hDCGlyphs == NULL || s_hDCMono == NULL)
        return FALSE;
    // Per-pixel alpha drawing exists from Windows 2000 on; older systems copy the pixels.
    if (!globalData.bIsWindows9x && !globalData.bIsWindowsNT4)
    {
        s_hmodMsimg32 = ::LoadLibraryA("msimg32.dll");
        s_pfnAlphaBlend = ORXGetProc<PFN_ALPHABLEND>(s_hmodMsimg32, "AlphaBlend");
    }
    // The DCs and the library live to the end of the program.
    static struct CSharedRelease
    {
        ~CSharedRelease()
        {
            if (s_hDCGlyphs != NULL)
                ::DeleteDC(s_hDCGlyphs);
            if (s_hDCMono != NULL)
                ::DeleteDC(s_hDCMono);
            if (s_hmodMsimg32 != NULL)
                ::FreeLibrary(s_hmodMsimg32);
            s_hDCGlyphs = s_hDCMono = NULL;
            s_hmodMsimg32 = NULL;
            s_pfnAlphaBlend = NULL;
        }
    } s_release;
    return TRUE;
}

int CORXToolbarImageList::BitmapBitsPerPixel(HBITMAP hbmp)
{
    BITMAP bm = {};
    if (hbmp == NULL || ::GetObject(hbmp, sizeof(bm), &bm) == 0)
        return 0;
    return bm.bmBitsPixel;
}

HBITMAP CORXToolbarImageList::LoadWellBitmap(HINSTANCE hinst, LPCSTR lpszName, UINT fuLoad)
{
    return (HBITMAP)::LoadImageA(hinst, lpszName, IMAGE_BITMAP, 0, 0, fuLoad);
}

COLORREF CORXToolbarImageList::SetTransparentColor(COLORREF clrTransparent)
{
    COLORREF clrOld = m_clrTransparent;
    if (clrOld != clrTransparent)
    {
        m_clrTransparent = clrTransparent;
        CreateLightImage();
    }
    return clrOld;
}

int CORXToolbarImageList::GetResourceOffset(UINT uiResId) const
{
    int iOffset = -1;
    if (!m_mapOrigResOffsets.Lookup(uiResId, iOffset))
        return -1;
    return iOffset;
}

void CORXToolbarImageList::UpdateCount()
{
    SIZE size = BitmapSize(m_hbmImageWell);
    m_iCount = (m_hbmImageWell != NULL && m_sizeImage.cx > 0) ? size.cx / m_sizeImage.cx : 0;
}

BOOL CORXToolbarImageList::Load(UINT uiResID, HINSTANCE hinstRes, BOOL bAdd)
{
    if (m_bIsShared)
        return FALSE;
    if (bAdd && m_lstOrigResIds.Find(uiResID) != NULL)
        return TRUE;
    if (!bAdd)
    {
        if (m_hbmImageWell != NULL)
            ::DeleteObject(m_hbmImageWell);
        m_hbmImageWell = NULL;
        m_lstOrigResIds.RemoveAll();
        m_lstOrigResInstances.RemoveAll();
        m_mapOrigResOffsets.RemoveAll();
        m_iCount = 0;
    }
    if (hinstRes == NULL)
        hinstRes = AfxGetResourceHandle();
    HBITMAP hbmp = LoadWellBitmap(hinstRes, MAKEINTRESOURCEA(uiResID), kLoadFlags);
    if (hbmp == NULL)
        return FALSE;
    m_nBitsPerPixel = BitmapBitsPerPixel(hbmp);
    if (bAdd)
    {
        m_mapOrigResOffsets.SetAt(uiResID, m_iCount);
        int iAdded = AddImage(hbmp);
        ::DeleteObject(hbmp);
        if (iAdded < 0)
        {
            m_mapOrigResOffsets.RemoveKey(uiResID);
            return FALSE;
        }
        m_lstOrigResIds.AddTail(uiResID);
        m_lstOrigResInstances.AddTail(hinstRes);
    }
    else
        m_hbmImageWell = hbmp;
    if (m_nBitsPerPixel > 8 && m_nBitsPerPixel < 32)
        MapTo3dColors(FALSE);
    UpdateCount();
    CreateLightImage();
    return TRUE;
}

BOOL CORXToolbarImageList::LoadFromFile(LPCTSTR lpszBmpFileName)
{
    if (m_bIsShared || lpszBmpFileName == NULL)
        return FALSE;
    CString strPath = lpszBmpFileName;
    if (strPath.FindOneOf(_T("\\/:")) < 0)
    {
        // A bare name lies beside the program.
        TCHAR szModule[MAX_PATH];
        ::GetModuleFileName(NULL, szModule, MAX_PATH);
        CString strModule = szModule;
        strPath = strModule.Left(strModule.ReverseFind(_T('\\')) + 1) + strPath;
    }
    if (m_hbmImageWell != NULL)
        ::DeleteObject(m_hbmImageWell);
    m_hbmImageWell = NULL;
    m_iCount = 0;
    if (!IsWholeBitmapFile(strPath))
        return FALSE;
    HBITMAP hbmp = LoadWellBitmap(NULL, strPath, LR_LOADFROMFILE | kLoadFlags);
    if (hbmp == NULL)
        return FALSE;
    m_hbmImageWell = hbmp;
    m_bUserImagesList = TRUE;
    m_bModified = FALSE;
    m_strUDLPath = strPath;
    DWORD dwAttr = ::GetFileAttributes(strPath);
    m_bReadOnly = dwAttr != INVALID_FILE_ATTRIBUTES && (dwAttr & FILE_ATTRIBUTE_READONLY);
    m_nBitsPerPixel = BitmapBitsPerPixel(hbmp);
    if (m_nBitsPerPixel > 8 && m_nBitsPerPixel < 32)
        MapTo3dColors(FALSE);
    UpdateCount();
    CreateLightImage();
    return TRUE;
}

int CORXToolbarImageList::AddImage(HBITMAP hbmp)
{
    if (m_bIsShared || hbmp == NULL)
        return -1;
    SIZE sizeWell = BitmapSize(m_hbmImageWell);
    SIZE sizeAdd = BitmapSize(hbmp);
    if (sizeAdd.cx <= 0 || sizeAdd.cy <= 0)
        return -1;
    int cx = sizeWell.cx + sizeAdd.cx;
    int cy = m_hbmImageWell != NULL ? sizeWell.cy : sizeAdd.cy;
    // Always 32 bits: the added images keep their alpha bytes beside the old ones.
    DWORD* pNew = NULL;
    HBITMAP hbmpNew = Create32(cx, cy, &pNew);
    if (hbmpNew == NULL)
        return -1;
    DWORD* pOld = NULL;
    HBITMAP hbmpOld32 = m_hbmImageWell != NULL ? CopyTo32(m_hbmImageWell, &pOld) : NULL;
    DWORD* pAdd = NULL;
    HBITMAP hbmpAdd32 = CopyTo32(hbmp, &pAdd);
    if ((m_hbmImageWell != NULL && hbmpOld32 == NULL) || hbmpAdd32 == NULL)
    {
        ::DeleteObject(hbmpNew);
        if (hbmpOld32 != NULL)
            ::DeleteObject(hbmpOld32);
        if (hbmpAdd32 != NULL)
            ::DeleteObject(hbmpAdd32);
        return -1;
    }
    memset(pNew, 0, (size_t)cx * cy * 4);
    for (int y = 0; y < cy; y++)
    {
        if (pOld != NULL)
            memcpy(pNew + (size_t)y * cx, pOld + (size_t)y * sizeWell.cx, (size_t)sizeWell.cx * 4);
        if (y < sizeAdd.cy)
            memcpy(pNew + (size_t)y * cx + sizeWell.cx, pAdd + (size_t)y * sizeAdd.cx,
                   (size_t)sizeAdd.cx * 4);
    }
    if (hbmpOld32 != NULL)
        ::DeleteObject(hbmpOld32);
    ::DeleteObject(hbmpAdd32);
    if (m_hbmImageWell != NULL)
        ::DeleteObject(m_hbmImageWell);
    m_hbmImageWell = hbmpNew;
    m_bModified = TRUE;
    UpdateCount();
    CreateLightImage();
    return m_iCount - 1;
}

BOOL CORXToolbarImageList::UpdateImage(int iImage, HBITMAP hbmp)
{
    if (!m_bUserImagesList || m_bIsShared || m_bReadOnly || hbmp == NULL || iImage < 0 || iImage >= m_iCount)
        return FALSE;
    HDC hdcSrc = ::CreateCompatibleDC(NULL);
    HDC hdcDst = ::CreateCompatibleDC(NULL);
    HGDIOBJ hOldSrc = ::SelectObject(hdcSrc, hbmp);
    HGDIOBJ hOldDst = ::SelectObject(hdcDst, m_hbmImageWell);
    BOOL bOK =
        ::BitBlt(hdcDst, iImage * m_sizeImage.cx, 0, m_sizeImage.cx, m_sizeImage.cy, hdcSrc, 0, 0, SRCCOPY);
    ::SelectObject(hdcSrc, hOldSrc);
    ::SelectObject(hdcDst, hOldDst);
    ::DeleteDC(hdcSrc);
    ::DeleteDC(hdcDst);
    if (!bOK)
        return FALSE;
    m_bModified = TRUE;
    CreateLightImage();
    return TRUE;
}

BOOL CORXToolbarImageList::Save(LPCTSTR lpszBmpFileName)
{
    if (!m_bUserImagesList || m_hbmImageWell == NULL || m_bReadOnly)
        return FALSE;
    CString strFile = lpszBmpFileName != NULL ? lpszBmpFileName : (LPCTSTR)m_strUDLPath;
    if (lpszBmpFileName == NULL && !m_bModified)
        return TRUE;
    if (strFile.IsEmpty())
        return FALSE;

    int nBpp = m_nBitsPerPixel;
    if (nBpp != 1 && nBpp != 4 && nBpp != 8 && nBpp != 24 && nBpp != 32)
        nBpp = 24;
    int nColors = nBpp <= 8 ? (1 << nBpp) : 0;
    SIZE size = BitmapSize(m_hbmImageWell);
    DWORD dwStride = (((DWORD)size.cx * nBpp + 31) / 32) * 4;
    DWORD dwImage = dwStride * size.cy;
    DWORD dwHeader = sizeof(BITMAPINFOHEADER) + nColors * sizeof(RGBQUAD);
    CByteArray dib;
    dib.SetSize((int)(dwHeader + dwImage));
    BITMAPINFO* pbmi = (BITMAPINFO*)dib.GetData();
    pbmi->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    pbmi->bmiHeader.biWidth = size.cx;
    pbmi->bmiHeader.biHeight = size.cy;
    pbmi->bmiHeader.biPlanes = 1;
    pbmi->bmiHeader.biBitCount = (WORD)nBpp;
    pbmi->bmiHeader.biCompression = BI_RGB;
    pbmi->bmiHeader.biSizeImage = dwImage;
    pbmi->bmiHeader.biClrUsed = nColors;
    BYTE* pBits = dib.GetData() + dwHeader;
    HDC hDC = ::GetDC(NULL);
    int nLines = ::GetDIBits(hDC, m_hbmImageWell, 0, size.cy, pBits, pbmi, DIB_RGB_COLORS);
    ::ReleaseDC(NULL, hDC);
    if (nLines != size.cy)
        return FALSE;
    // The stored file keeps the classic palette, whatever the system colours are today.
    RGBQUAD* pColors = (RGBQUAD*)((BYTE*)pbmi + sizeof(BITMAPINFOHEADER));
    for (int i = 0; i < nColors; i++)
    {
        COLORREF* pclr = (COLORREF*)&pColors[i];
        *pclr = MapFromSysColor(*pclr, TRUE);
    }
    if (nBpp == 24 || nBpp == 32)
    {
        int nPixelBytes = nBpp / 8;
        for (int y = 0; y < size.cy; y++)
            for (int x = 0; x < size.cx; x++)
            {
                BYTE* p = pBits + y * dwStride + x * nPixelBytes;
                COLORREF clr = RGB(p[0], p[1], p[2]); // as RGBQUAD
                clr = MapFromSysColor(clr, TRUE);
                p[0] = GetRValue(clr);
                p[1] = GetGValue(clr);
                p[2] = GetBValue(clr);
            }
    }
    BITMAPFILEHEADER bfh = {};
    bfh.bfType = 0x4D42;
    bfh.bfSize = (DWORD)dib.GetSize() + sizeof(BITMAPFILEHEADER);
    bfh.bfOffBits = sizeof(BITMAPFILEHEADER) + dwHeader;
    HANDLE hFile = ::CreateFile(strFile, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
        return FALSE;
    DWORD dwWritten = 0;
    BOOL bOK = ::WriteFile(hFile, &bfh, sizeof(bfh), &dwWritten, NULL) && dwWritten == sizeof(bfh) &&
               ::WriteFile(hFile, dib.GetData(), (DWORD)dib.GetSize(), &dwWritten, NULL) &&
               dwWritten == (DWORD)dib.GetSize();
    ::CloseHandle(hFile);
    if (!bOK)
        return FALSE;
    m_strUDLPath = strFile;
    m_bModified = FALSE;
    return TRUE;
}

void CORXToolbarImageList::CopyTo(CORXToolbarImageList& imageList)
{
    imageList.Clear();
    imageList.m_bIsShared = TRUE;
    imageList.m_bReadOnly = TRUE;
    imageList.m_sizeImage = m_sizeImage;
    imageList.m_sizeImageDest = m_sizeImageDest;
    imageList.m_hbmImageWell = m_hbmImageWell;
    imageList.m_bUserImagesList = m_bUserImagesList;
    imageList.m_iCount = m_iCount;
    imageList.m_nBitsPerPixel = m_nBitsPerPixel;
}

void CORXToolbarImageList::Clear()
{
    if (m_bIsShared)
    {
        // A shared view owns nothing; clearing it only lets go of the other list's well.
        m_hbmImageWell = NULL;
        m_bIsShared = FALSE;
        m_bReadOnly = FALSE;
    }
    if (m_hbmImageWell != NULL)
        ::DeleteObject(m_hbmImageWell);
    m_hbmImageWell = NULL;
    if (m_hbmImageLight != NULL)
        ::DeleteObject(m_hbmImageLight);
    m_hbmImageLight = NULL;
    m_lstOrigResIds.RemoveAll();
    m_lstOrigResInstances.RemoveAll();
    m_mapOrigResOffsets.RemoveAll();
    m_strUDLPath.Empty();
    m_iCount = 0;
    m_bUserImagesList = FALSE;
    m_bModified = FALSE;
}

/////////////////////////////////////////////////////////////////////////////
// Colours

COLORREF CORXToolbarImageList::MapToSysColor(COLORREF color, BOOL bUseRGBQUAD)
{
    struct
    {
        COLORREF clr;
        int nSysColor;
    } map[] = {
        {RGB(0x00, 0x00, 0x00), COLOR_BTNTEXT},
        {RGB(0x80, 0x80, 0x80), COLOR_BTNSHADOW},
        {RGB(0xC0, 0xC0, 0xC0), COLOR_BTNFACE},
        {RGB(0xFF, 0xFF, 0xFF), COLOR_BTNHIGHLIGHT},
    };
    COLORREF clrCompare = bUseRGBQUAD ? Swap(color) : color;
    for (auto& m : map)
    {
        if (m.clr == clrCompare)
        {
            COLORREF clr = ::GetSysColor(m.nSysColor);
            return bUseRGBQUAD ? Swap(clr) : clr;
        }
    }
    return color;
}

COLORREF CORXToolbarImageList::MapFromSysColor(COLORREF color, BOOL bUseRGBQUAD)
{
    struct
    {
        COLORREF clr;
        int nSysColor;
    } map[] = {
        {RGB(0x00, 0x00, 0x00), COLOR_BTNTEXT},
        {RGB(0x80, 0x80, 0x80), COLOR_BTNSHADOW},
        {RGB(0xC0, 0xC0, 0xC0), COLOR_BTNFACE},
        {RGB(0xFF, 0xFF, 0xFF), COLOR_BTNHIGHLIGHT},
    };
    for (auto& m : map)
    {
        COLORREF clrSys = ::GetSysColor(m.nSysColor);
        if (bUseRGBQUAD)
            clrSys = Swap(clrSys);
        if (clrSys == color)
            return bUseRGBQUAD ? Swap(m.clr) : m.clr;
    }
    return color;
}

COLORREF CORXToolbarImageList::MapGrayToFace(COLORREF clr)
{
    if (GetRValue(clr) != GetGValue(clr) || GetGValue(clr) != GetBValue(clr))
        return clr;
    int g = GetRValue(clr);
    if (g == 0)
        return ::GetSysColor(COLOR_BTNTEXT);
    if (g == 255)
        return ::GetSysColor(COLOR_BTNHIGHLIGHT);
    if (g == 128)
        return ::GetSysColor(COLOR_BTNSHADOW);
    return CORXDrawHelper::ScaleColor(::GetSysColor(COLOR_BTNFACE), 100 + (g - 192) * 100 / 255);
}

void CORXToolbarImageList::FillDithered(CDC* pDC, const CRect& rect)
{
    ::FillRect(pDC->GetSafeHdc(), &rect, (HBRUSH)globalData.brLight.GetSafeHandle());
}

BOOL CORXToolbarImageList::MapTo3dColors(BOOL bUseRGBQUAD, COLORREF clrSrc, COLORREF clrDest)
{
    if (m_hbmImageWell == NULL || (clrSrc != (COLORREF)-1 && clrDest == (COLORREF)-1))
        return FALSE;
    DWORD* pBits = NULL;
    HBITMAP hbmp = CopyTo32(m_hbmImageWell, &pBits);
    if (hbmp == NULL)
        return FALSE;
    SIZE size = BitmapSize(hbmp);
    // Pixels of the copy are RGBQUADs (blue in the low byte); the alpha byte is kept.
    for (int i = 0; i < size.cx * size.cy; i++)
    {
        DWORD dw = pBits[i];
        COLORREF clrQuad = dw & 0x00FFFFFF;
        COLORREF clrNew;
        if (clrSrc == (COLORREF)-1)
        {
            if (!s_bMapByTable && m_nBitsPerPixel == 24)
                clrNew = Swap(MapGrayToFace(Swap(clrQuad)));
            else
                clrNew = Swap(MapToSysColor(Swap(clrQuad), FALSE));
        }
        else
            clrNew = (Swap(clrQuad) == clrSrc) ? Swap(clrDest) : clrQuad;
        if (clrNew != clrQuad)
            pBits[i] = (dw & 0xFF000000) | clrNew;
    }
    ::DeleteObject(m_hbmImageWell);
    m_hbmImageWell = hbmp;
    return TRUE;
}

COLORREF CORXToolbarImageList::EffectiveTransparent() const
{
    if (m_nBitsPerPixel == 32 && s_pfnAlphaBlend != NULL)
        return (COLORREF)-1;
    return m_clrTransparent;
}

void CORXToolbarImageList::CreateLightImage()
{
    if (m_hbmImageLight != NULL)
        ::DeleteObject(m_hbmImageLight);
    m_hbmImageLight = NULL;
    if (m_hbmImageWell == NULL || globalData.bIsWindows9x || globalData.m_nBitsPerPixel <= 8)
        return;
    SIZE size = BitmapSize(m_hbmImageWell);
    HBITMAP hbmp = CopyTo32(m_hbmImageWell, NULL);
    if (hbmp == NULL)
        return;
    HDC hdc = ::CreateCompatibleDC(NULL);
    HGDIOBJ hOld = ::SelectObject(hdc, hbmp);
    CDC dc;
    dc.Attach(hdc);
    CORXDrawHelper dh(&dc);
    COLORREF clrTransparent = EffectiveTransparent();
    dh.HighlightRect(CRect(0, 0, size.cx, size.cy), 130,
                     clrTransparent == (COLORREF)-1 ? globalData.clrBtnFace : clrTransparent);
    dc.Detach();
    ::SelectObject(hdc, hOld);
    ::DeleteDC(hdc);
    m_hbmImageLight = hbmp;
}

void CORXToolbarImageList::UpdateLightShadowColor()
{
    if (globalData.m_nBitsPerPixel > 8)
    {
        COLORREF clr = globalData.clrBtnShadow;
        m_clrImageShadow =
            RGB(std::min(255, GetRValue(clr) * 17 / 10), std::min(255, GetGValue(clr) * 17 / 10),
                std::min(255, GetBValue(clr) * 17 / 10));
    }
    else
        m_clrImageShadow = globalData.clrBtnShadow;
}

void CORXToolbarImageList::OnSysColorChange()
{
    if (m_bIsShared)
        return;
    if (m_hbmImageWell != NULL)
    {
        if (m_bUserImagesList)
        {
            // Unsaved edits are the user's work: such a well keeps its bitmap. A saved one is read
            // again, and a failed read keeps the old well.
            if (!m_bModified && !m_strUDLPath.IsEmpty())
            {
                HBITMAP hbmp = LoadWellBitmap(NULL, m_strUDLPath, LR_LOADFROMFILE | kLoadFlags);
                if (hbmp != NULL)
                {
                    ::DeleteObject(m_hbmImageWell);
                    m_hbmImageWell = hbmp;
                    m_nBitsPerPixel = BitmapBitsPerPixel(hbmp);
                }
            }
        }
        else if (!m_lstOrigResIds.IsEmpty())
        {
            // Rebuilt aside; the old well stays unless every resource loads again.
            CORXToolbarImageList rebuilt;
            rebuilt.m_sizeImage = m_sizeImage;
            BOOL bOK = TRUE;
            POSITION posInst = m_lstOrigResInstances.GetHeadPosition();
            for (POSITION pos = m_lstOrigResIds.GetHeadPosition(); pos != NULL && bOK;)
            {
                UINT uiResId = m_lstOrigResIds.GetNext(pos);
                HINSTANCE hinst = m_lstOrigResInstances.GetNext(posInst);
                HBITMAP hbmp = LoadWellBitmap(hinst, MAKEINTRESOURCEA(uiResId), kLoadFlags);
                if (hbmp == NULL || rebuilt.AddImage(hbmp) < 0)
                    bOK = FALSE;
                if (hbmp != NULL)
                    ::DeleteObject(hbmp);
            }
            if (bOK && rebuilt.m_hbmImageWell != NULL)
            {
                ::DeleteObject(m_hbmImageWell);
                m_hbmImageWell = rebuilt.m_hbmImageWell;
                rebuilt.m_hbmImageWell = NULL;
            }
        }
        UpdateCount();
        if (m_nBitsPerPixel > 8 && m_nBitsPerPixel < 32)
            MapTo3dColors(FALSE);
        CreateLightImage();
    }
    UpdateLightShadowColor();
}

/////////////////////////////////////////////////////////////////////////////
// Drawing

BOOL CORXToolbarImageList::PrepareDrawImage(CORXDrawState& ds, CSize sizeImageDest, BOOL bFadeInactive)
{
    if (m_hbmImageWell == NULL)
        return FALSE;
    m_bStretch = FALSE;
    m_bFadeInactive = FALSE;
    HBITMAP hbmSource = m_hbmImageWell;
    if (bFadeInactive && m_hbmImageLight != NULL && m_nBitsPerPixel >= 1 && m_nBitsPerPixel <= 4)
    {
        hbmSource = m_hbmImageLight;
        m_bFadeInactive = TRUE;
    }
    ds.hbmMono = ::CreateBitmap(m_sizeImage.cx + 2, m_sizeImage.cy + 2, 1, 1, NULL);
    ds.hbmOldGlyphs = (HBITMAP)::SelectObject(s_hDCGlyphs, hbmSource);
    ds.hbmOldMono = ds.hbmMono != NULL ? (HBITMAP)::SelectObject(s_hDCMono, ds.hbmMono) : NULL;
    if (ds.hbmMono == NULL || ds.hbmOldGlyphs == NULL || ds.hbmOldMono == NULL)
    {
        if (ds.hbmOldGlyphs != NULL)
            ::SelectObject(s_hDCGlyphs, ds.hbmOldGlyphs);
        if (ds.hbmOldMono != NULL)
            ::SelectObject(s_hDCMono, ds.hbmOldMono);
        if (ds.hbmMono != NULL)
            ::DeleteObject(ds.hbmMono);
        ds = CORXDrawState();
        m_bFadeInactive = FALSE;
        return FALSE;
    }
    m_sizeImageDest = (sizeImageDest.cx > 0 && sizeImageDest.cy > 0) ? sizeImageDest : m_sizeImage;
    if (m_sizeImageDest == m_sizeImage && EffectiveTransparent() == (COLORREF)-1)
        return TRUE;
    m_bStretch = m_sizeImageDest != m_sizeImage;
    HDC hScreen = ::GetDC(NULL);
    m_dcMem.Attach(::CreateCompatibleDC(hScreen));
    m_bmpMem.Attach(::CreateCompatibleBitmap(hScreen, m_sizeImage.cx + 2, m_sizeImage.cy + 2));
    ::ReleaseDC(NULL, hScreen);
    m_pBmpOriginal = m_dcMem.SelectObject(&m_bmpMem);
    return TRUE;
}

void CORXToolbarImageList::EndDrawImage(CORXDrawState& ds)
{
    if (ds.hbmOldMono != NULL)
        ::SelectObject(s_hDCMono, ds.hbmOldMono);
    if (ds.hbmOldGlyphs != NULL)
        ::SelectObject(s_hDCGlyphs, ds.hbmOldGlyphs);
    if (ds.hbmMono != NULL)
        ::DeleteObject(ds.hbmMono);
    ds = CORXDrawState();
    m_sizeImageDest = CSize(0, 0);
    if (m_dcMem.GetSafeHdc() != NULL)
    {
        if (m_pBmpOriginal != NULL)
            m_dcMem.SelectObject(m_pBmpOriginal);
        m_pBmpOriginal = NULL;
        m_bmpMem.DeleteObject();
        m_dcMem.DeleteDC();
    }
    m_bStretch = FALSE;
    m_bFadeInactive = FALSE;
}

void CORXToolbarImageList::CreateMask(int iImage, BOOL bHilite, BOOL bHiliteShadow)
{
    ::PatBlt(s_hDCMono, 0, 0, m_sizeImage.cx + 2, m_sizeImage.cy + 2, WHITENESS);
    COLORREF clrTransparent = EffectiveTransparent();
    ::SetBkColor(s_hDCGlyphs, clrTransparent != (COLORREF)-1 ? clrTransparent : globalData.clrBtnFace);
    ::BitBlt(s_hDCMono, 0, 0, m_sizeImage.cx, m_sizeImage.cy, s_hDCGlyphs, iImage * m_sizeImage.cx, 0,
             SRCCOPY);
    if (bHilite)
    {
        ::SetBkColor(s_hDCGlyphs, globalData.clrBtnHilite);
        ::BitBlt(s_hDCMono, 0, 0, m_sizeImage.cx, m_sizeImage.cy, s_hDCGlyphs, iImage * m_sizeImage.cx, 0,
                 SRCPAINT);
        if (bHiliteShadow)
            ::BitBlt(s_hDCMono, 1, 1, m_sizeImage.cx + 1, m_sizeImage.cy + 1, s_hDCMono, 0, 0, SRCAND);
    }
    else if (bHiliteShadow)
        ::BitBlt(s_hDCMono, 1, 1, m_sizeImage.cx + 1, m_sizeImage.cy + 1, s_hDCMono, 0, 0, SRCAND);
}

void CORXToolbarImageList::TransparentBlt(HDC hdcDest, int nXDest, int nYDest, int nWidth, int nHeight,
                                          HDC hdcSrc, int nXSrc, int nYSrc, COLORREF colorTransparent,
                                          int nWidthDest, int nHeightDest)
{
    int cx = nWidthDest == -1 ? nWidth : nWidthDest;
    int cy = nHeightDest == -1 ? nHeight : nHeightDest;
    HDC hdcImage = ::CreateCompatibleDC(hdcDest);
    HBITMAP hbmImage = ::CreateCompatibleBitmap(hdcDest, cx, cy);
    HDC hdcMask = ::CreateCompatibleDC(hdcDest);
    HBITMAP hbmMask = ::CreateBitmap(cx, cy, 1, 1, NULL);
    if (hdcImage == NULL || hbmImage == NULL || hdcMask == NULL || hbmMask == NULL)
    {
        if (hbmImage)
            ::DeleteObject(hbmImage);
        if (hbmMask)
            ::DeleteObject(hbmMask);
        if (hdcImage)
            ::DeleteDC(hdcImage);
        if (hdcMask)
            ::DeleteDC(hdcMask);
        return;
    }
    HGDIOBJ hOldImage = ::SelectObject(hdcImage, hbmImage);
    HGDIOBJ hOldMask = ::SelectObject(hdcMask, hbmMask);
    if (cx != nWidth || cy != nHeight)
        ::StretchBlt(hdcImage, 0, 0, cx, cy, hdcSrc, nXSrc, nYSrc, nWidth, nHeight, SRCCOPY);
    else
        ::BitBlt(hdcImage, 0, 0, cx, cy, hdcSrc, nXSrc, nYSrc, SRCCOPY);
    ::SetBkColor(hdcImage, colorTransparent);
    ::BitBlt(hdcMask, 0, 0, cx, cy, hdcImage, 0, 0, SRCCOPY);
    ::SetBkColor(hdcImage, RGB(0, 0, 0));
    ::SetTextColor(hdcImage, RGB(255, 255, 255));
    ::BitBlt(hdcImage, 0, 0, cx, cy, hdcMask, 0, 0, SRCAND);
    COLORREF clrOldBk = ::SetBkColor(hdcDest, RGB(255, 255, 255));
    COLORREF clrOldText = ::SetTextColor(hdcDest, RGB(0, 0, 0));
    ::BitBlt(hdcDest, nXDest, nYDest, cx, cy, hdcMask, 0, 0, SRCAND);
    ::BitBlt(hdcDest, nXDest, nYDest, cx, cy, hdcImage, 0, 0, SRCPAINT);
    ::SetBkColor(hdcDest, clrOldBk);
    ::SetTextColor(hdcDest, clrOldText);
    ::SelectObject(hdcImage, hOldImage);
    ::SelectObject(hdcMask, hOldMask);
    ::DeleteObject(hbmImage);
    ::DeleteObject(hbmMask);
    ::DeleteDC(hdcImage);
    ::DeleteDC(hdcMask);
}

BOOL CORXToolbarImageList::Draw(CDC* pDCIn, int xIn, int yIn, int iImage, BOOL bHilite, BOOL bDisabled,
                                BOOL bIndeterminate, BOOL bShadow, BOOL bInactive, BYTE alphaSrc)
{
    if (iImage < 0 || iImage >= m_iCount || pDCIn == NULL)
        return FALSE;
    if (bShadow && globalData.m_nBitsPerPixel <= 8)
        return TRUE;
    if (m_bStretch)
    {
        bHilite = FALSE;
        bIndeterminate = FALSE;
    }
    HBITMAP hbmOldGlyphs = NULL;
    if (m_bFadeInactive && !bInactive)
        hbmOldGlyphs = (HBITMAP)::SelectObject(s_hDCGlyphs, m_hbmImageWell);

    COLORREF clrTransparent = EffectiveTransparent();
    BOOL bPrivate = m_bStretch || clrTransparent != (COLORREF)-1;
    HDC hDC = pDCIn->GetSafeHdc();
    int x = xIn, y = yIn;
    if (bPrivate && m_dcMem.GetSafeHdc() != NULL)
    {
        hDC = m_dcMem.GetSafeHdc();
        x = y = 0;
        CRect rectFill(0, 0, m_sizeImage.cx + 2, m_sizeImage.cy + 2);
        if (clrTransparent != (COLORREF)-1 && clrTransparent != globalData.clrBtnFace)
        {
            HBRUSH hbr = ::CreateSolidBrush(clrTransparent);
            ::FillRect(hDC, &rectFill, hbr);
            ::DeleteObject(hbr);
        }
        else
            ::FillRect(hDC, &rectFill, (HBRUSH)globalData.brBtnFace.GetSafeHandle());
    }
    else
        bPrivate = FALSE;

    BOOL bGrayTrueColor = bDisabled && m_nBitsPerPixel >= 24;
    if (bGrayTrueColor)
        bDisabled = FALSE;
    if (bShadow && m_nBitsPerPixel == 32 && s_pfnAlphaBlend != NULL)
        bShadow = FALSE;

    int xSrc = iImage * m_sizeImage.cx;
    if (!bDisabled && !bShadow)
    {
        BOOL bBlended = FALSE;
        if (m_nBitsPerPixel == 32 && s_pfnAlphaBlend != NULL)
        {
            BLENDFUNCTION bf = {AC_SRC_OVER, 0, (BYTE)(bGrayTrueColor ? 127 : alphaSrc), AC_SRC_ALPHA};
            bBlended = s_pfnAlphaBlend(hDC, x, y, m_sizeImage.cx, m_sizeImage.cy, s_hDCGlyphs, xSrc, 0,
                                       m_sizeImage.cx, m_sizeImage.cy, bf);
        }
        if (!bBlended)
        {
            ::BitBlt(hDC, x, y, m_sizeImage.cx, m_sizeImage.cy, s_hDCGlyphs, xSrc, 0, SRCCOPY);
            if (bGrayTrueColor)
            {
                // The image is greyed where it lies: on the private surface at its origin, on the
                // target at the position it was drawn.
                CDC* pGrayDC = CDC::FromHandle(hDC);
                CORXDrawHelper dh(pGrayDC);
                int nMargin = bPrivate ? 2 : 0;
                dh.GrayRect(CRect(x, y, x + m_sizeImage.cx + nMargin, y + m_sizeImage.cy + nMargin), -1,
                            clrTransparent);
            }
        }
    }
    if (bDisabled || bShadow || (bHilite && (bIndeterminate || bShadow)))
    {
        CreateMask(iImage, TRUE, FALSE);
        COLORREF clrOldText = ::SetTextColor(hDC, bHilite ? m_clrImageShadow : RGB(0, 0, 0));
        COLORREF clrOldBk = ::SetBkColor(hDC, RGB(255, 255, 255));
        CORXImageLook* pLook = bDisabled ? CORXServices::Find<CORXImageLook>() : NULL;
        if (bDisabled && (pLook == NULL || pLook->IsEmbossDisabledImage()))
        {
            HGDIOBJ hOld = ::SelectObject(hDC, globalData.hbrBtnHilite);
            ::BitBlt(hDC, x + 1, y + 1, m_sizeImage.cx + 2, m_sizeImage.cy + 2, s_hDCMono, 0, 0, ROP_PSDPxax);
            ::SelectObject(hDC, hOld);
        }
        HBRUSH hbrShadow = bShadow ? ::CreateSolidBrush(m_clrImageShadow) : NULL;
        HGDIOBJ hOld = ::SelectObject(hDC, hbrShadow != NULL ? hbrShadow : globalData.hbrBtnShadow);
        ::BitBlt(hDC, x, y, m_sizeImage.cx + 2, m_sizeImage.cy + 2, s_hDCMono, 0, 0, ROP_PSDPxax);
        ::SelectObject(hDC, hOld);
        if (hbrShadow != NULL)
            ::DeleteObject(hbrShadow);
        ::SetTextColor(hDC, clrOldText);
        ::SetBkColor(hDC, clrOldBk);
    }
    if (bHilite || (bIndeterminate && (bDisabled || bShadow)))
    {
        CreateMask(iImage, !bIndeterminate, bDisabled);
        COLORREF clrOldText = ::SetTextColor(hDC, RGB(0, 0, 0));
        COLORREF clrOldBk = ::SetBkColor(hDC, RGB(255, 255, 255));
        HGDIOBJ hOld = ::SelectObject(hDC, globalData.brLight.GetSafeHandle());
        ::BitBlt(hDC, x, y, m_sizeImage.cx, m_sizeImage.cy, s_hDCMono, 0, 0, ROP_DSPDxax);
        ::SelectObject(hDC, hOld);
        ::SetTextColor(hDC, clrOldText);
        ::SetBkColor(hDC, clrOldBk);
    }
    if (bPrivate)
    {
        TransparentBlt(pDCIn->GetSafeHdc(), xIn, yIn, m_sizeImage.cx, m_sizeImage.cy, hDC, 0, 0,
                       clrTransparent != (COLORREF)-1 ? clrTransparent : globalData.clrBtnFace,
                       m_bStretch ? m_sizeImageDest.cx : -1, m_bStretch ? m_sizeImageDest.cy : -1);
    }
    if (hbmOldGlyphs != NULL)
        ::SelectObject(s_hDCGlyphs, hbmOldGlyphs);
    return TRUE;
}

BOOL CORXToolbarImageList::CopyImageToClipboard(int iImage)
{
    BOOL bOK = FALSE;
    HDC hScreen = ::GetDC(NULL);
    HDC hdcMem = ::CreateCompatibleDC(hScreen);
    HBITMAP hbmp = ::CreateCompatibleBitmap(hScreen, m_sizeImage.cx, m_sizeImage.cy);
    ::ReleaseDC(NULL, hScreen);
    if (hdcMem != NULL && hbmp != NULL)
    {
        HGDIOBJ hOld = ::SelectObject(hdcMem, hbmp);
        CRect rect(0, 0, m_sizeImage.cx, m_sizeImage.cy);
        ::FillRect(hdcMem, &rect, (HBRUSH)globalData.brBtnFace.GetSafeHandle());
        CORXDrawState ds;
        if (PrepareDrawImage(ds))
        {
            CDC* pDC = CDC::FromHandle(hdcMem);
            bOK = Draw(pDC, 0, 0, iImage);
            EndDrawImage(ds);
        }
        ::SelectObject(hdcMem, hOld);
        CWnd* pMain = AfxGetMainWnd();
        if (bOK && ::OpenClipboard(pMain != NULL ? pMain->GetSafeHwnd() : NULL))
        {
            bOK = ::EmptyClipboard() && ::SetClipboardData(CF_BITMAP, hbmp) != NULL;
            if (bOK)
                hbmp = NULL; // the clipboard owns it now
            ::CloseClipboard();
        }
        else
            bOK = FALSE;
    }
    if (hbmp != NULL)
        ::DeleteObject(hbmp);
    if (hdcMem != NULL)
        ::DeleteDC(hdcMem);
    if (!bOK)
        AfxMessageBox(_T("Can't copy bitmap image into the clipboard!"));
    return bOK;
}

/////////////////////////////////////////////////////////////////////////////
// CORXMenuImages

BOOL CORXMenuImages::s_bCreated = FALSE;

// Made on first use: the list needs the drawing data, which another file's static holds.
CORXToolbarImageList& CORXMenuImages::Images()
{
    static CORXToolbarImageList s_images;
    s_bCreated = TRUE;
    return s_images;
}

namespace
{
void DropSmallImages()
{
    CORXMenuImages::CleanUp();
}
struct CSmallImagesHooks
{
    CSmallImagesHooks()
    {
        CORXGlobalData::s_pfnColorsChanged = DropSmallImages;
        ORXRegisterCleanUp(ORXCLEANUP_SMALLIMAGES, DropSmallImages);
    }
} s_smallImagesHooks;
} // namespace

BOOL CORXMenuImages::Initialize()
{
    CORXToolbarImageList& images = Images();
    if (images.GetImageWell() != NULL)
        return TRUE;
    images.SetImageSize(CSize(9, 9));
    if (!images.Load(16129))
        return FALSE;
    images.SetTransparentColor(RGB(255, 0, 255));
    images.MapTo3dColors(TRUE);
    return images.GetImageWell() != NULL;
}

void CORXMenuImages::Draw(CDC* pDC, IMAGES_IDS id, const CPoint& ptImage, const CSize& sizeImage)
{
    if (!Initialize())
        return;
    CORXToolbarImageList& images = Images();
    CORXDrawState ds;
    if (!images.PrepareDrawImage(ds, sizeImage))
        return;
    images.Draw(pDC, ptImage.x, ptImage.y, id);
    images.EndDrawImage(ds);
}

CSize CORXMenuImages::Size()
{
    Initialize();
    return Images().GetImageSize();
}

void CORXMenuImages::CleanUp()
{
    // Nothing to drop before the list exists (a colour refresh while statics are being built).
    if (!s_bCreated)
        return;
    CORXToolbarImageList& images = Images();
    if (images.GetImageWell() != NULL)
        images.Clear();
}
