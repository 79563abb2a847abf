// CORXToolbarImageList: a well of equal-sized images in one wide bitmap, and the shared small glyphs.
#ifndef VELMORA_ORXTOOLBARIMAGELIST_H
#define VELMORA_ORXTOOLBARIMAGELIST_H

#include <afxwin.h>
#include <afxtempl.h>

// What PrepareDrawImage saves and EndDrawImage restores.
// What the images ask of the look in force; the looks register it with CORXServices. Without it,
// disabled images are embossed.
class CORXImageLook
{
public:
    virtual ~CORXImageLook() {}
    virtual BOOL IsEmbossDisabledImage() = 0;
};

class CORXDrawState
{
public:
    CORXDrawState() : hbmOldGlyphs(NULL), hbmMono(NULL), hbmOldMono(NULL) {}
    HBITMAP hbmOldGlyphs;
    HBITMAP hbmMono;
    HBITMAP hbmOldMono;
};

class CORXToolbarImageList
{
    // Construction
public:
    CORXToolbarImageList();
    virtual ~CORXToolbarImageList();
    CORXToolbarImageList(const CORXToolbarImageList&) = delete;
    CORXToolbarImageList& operator=(const CORXToolbarImageList&) = delete;

    // Attributes
public:
    SIZE GetImageSize() const { return m_sizeImage; }
    void SetImageSize(SIZE sizeImage) { m_sizeImage = sizeImage; }
    SIZE GetDrawingSize() const { return m_sizeImageDest; }
    int GetCount() const { return m_iCount; }
    HBITMAP GetImageWell() const { return m_hbmImageWell; }
    HBITMAP GetLightImageWell() const { return m_hbmImageLight; }
    COLORREF GetTransparentColor() const { return m_clrTransparent; }
    // Changing the transparent colour rebuilds the lightened copy.
    COLORREF SetTransparentColor(COLORREF clrTransparent);
    BOOL IsUserImagesList() const { return m_bUserImagesList; }
    BOOL IsModified() const { return m_bModified; }
    BOOL IsReadOnly() const { return m_bReadOnly; }
    BOOL IsShared() const { return m_bIsShared; }
    int GetBitsPerPixel() const { return m_nBitsPerPixel; }
    const CString& GetFileName() const { return m_strUDLPath; }
    // Index of the first image of an appended resource, -1 when it was not appended.
    int GetResourceOffset(UINT uiResId) const;

    // Operations
public:
    BOOL Load(UINT uiResID, HINSTANCE hinstRes = NULL, BOOL bAdd = FALSE);
    BOOL LoadFromFile(LPCTSTR lpszBmpFileName);
    int AddImage(HBITMAP hbmp);
    BOOL UpdateImage(int iImage, HBITMAP hbmp);
    BOOL Save(LPCTSTR lpszBmpFileName = NULL);
    void CopyTo(CORXToolbarImageList& imageList);
    void Clear();

    BOOL PrepareDrawImage(CORXDrawState& ds, CSize sizeImageDest = CSize(0, 0), BOOL bFadeInactive = FALSE);
    BOOL Draw(CDC* pDC, int x, int y, int iImageIndex, BOOL bHilite = FALSE, BOOL bDisabled = FALSE,
              BOOL bIndeterminate = FALSE, BOOL bShadow = FALSE, BOOL bInactive = FALSE, BYTE alphaSrc = 255);
    void EndDrawImage(CORXDrawState& ds);

    BOOL CopyImageToClipboard(int iImage);
    void OnSysColorChange();

    static COLORREF MapToSysColor(COLORREF color, BOOL bUseRGBQUAD = TRUE);
    static COLORREF MapFromSysColor(COLORREF color, BOOL bUseRGBQUAD = TRUE);
    static void FillDithered(CDC* pDC, const CRect& rect);

    // Colours of the classic grey palette become the current system colours (from -1), or one
    // colour becomes another.
    BOOL MapTo3dColors(BOOL bUseRGBQUAD = TRUE, COLORREF clrSrc = (COLORREF)-1,
                       COLORREF clrDest = (COLORREF)-1);

    // Without the table, 24-bit wells map their grey levels onto shades of the face colour.
    static BOOL s_bMapByTable;
    // Grey level of a 24-bit well's pixel mapped without the table.
    static COLORREF MapGrayToFace(COLORREF clr);

    // Implementation
protected:
    void UpdateCount();
    void CreateLightImage();
    void UpdateLightShadowColor();
    COLORREF EffectiveTransparent() const;
    void CreateMask(int iImage, BOOL bHilite, BOOL bHiliteShadow);
    static BOOL EnsureSharedDCs();
    // Makes a bitmap from a resource or a file with the well's flags; NULL on failure.
    static HBITMAP LoadWellBitmap(HINSTANCE hinst, LPCSTR lpszName, UINT fuLoad);
    static int BitmapBitsPerPixel(HBITMAP hbmp);
    void TransparentBlt(HDC hdcDest, int nXDest, int nYDest, int nWidth, int nHeight, HDC hdcSrc, int nXSrc,
                        int nYSrc, COLORREF colorTransparent, int nWidthDest = -1, int nHeightDest = -1);

    CSize m_sizeImage;
    CSize m_sizeImageDest;
    HBITMAP m_hbmImageWell;
    HBITMAP m_hbmImageLight;
    BOOL m_bUserImagesList;
    CString m_strUDLPath;
    BOOL m_bModified;
    int m_iCount;
    CList<UINT, UINT> m_lstOrigResIds;
    CList<HINSTANCE, HINSTANCE> m_lstOrigResInstances;
    CMap<UINT, UINT, int, int> m_mapOrigResOffsets;
    BOOL m_bStretch;
    CDC m_dcMem;
    CBitmap m_bmpMem;
    CBitmap* m_pBmpOriginal;
    COLORREF m_clrTransparent;
    BOOL m_bReadOnly;
    BOOL m_bIsShared;
    COLORREF m_clrImageShadow;
    BOOL m_bFadeInactive;
    int m_nBitsPerPixel;

    static HDC s_hDCGlyphs;
    static HDC s_hDCMono;
    static HMODULE s_hmodMsimg32;
    typedef BOOL(WINAPI* PFN_ALPHABLEND)(HDC, int, int, int, int, HDC, int, int, int, int, BLENDFUNCTION);
    static PFN_ALPHABLEND s_pfnAlphaBlend;

public:
    static BOOL IsAlphaBlendBound() { return s_pfnAlphaBlend != NULL; }
};

// The framework's shared 9 x 9 glyphs (bitmap 16129, magenta transparent).
class CORXMenuImages
{
public:
    enum IMAGES_IDS
    {
        IdArowDown = 0,
        IdArowDownDsbl = 1,
        IdArowLeft = 2,
        IdArowLeftDsbl = 3,
        IdArowDownLarge = 4,
        IdArowDownLargeDsbl = 5,
        IdCheck = 6,
        IdCheckDsbl = 7,
        IdMinimize = 8,
        IdMinimizeDsbl = 9,
        IdRestore = 10,
        IdRestoreDsbl = 11,
        IdClose = 12,
        IdCloseDsbl = 13,
        IdMaximize = 14,
        IdMaximizeDsbl = 15,
        IdArowUp = 16,
        IdArowUpDisabled = 17,
        IdArowShowAll = 18,
        IdArowRight = 19,
        IdCloseSmall = 20,
        IdMoreButtons = 21,
        IdRadio = 22,
        IdRadioDsbl = 23,
        IdArowUpLarge = 24,
        IdArowUpLargeDsbl = 25,
        IdArowRightLarge = 26,
        IdArowRightLargeDsbl = 27,
        IdArowDownDropped = 28,
        IdMinimizeHot = 29,
        IdRestoreHot = 30,
        IdCloseHot = 31,
        IdArowFirst = 32,
        IdArowLast = 33,
        IdArowLeftLarge = 34,
        IdPinHorz = 35,
        IdPinVert = 36,
        IdArowPageLeft = 37,
        IdArowPageRight = 38,
        IdArowLeftLargeDsbl = 39,
        IdCount = 40
    };

    static BOOL Initialize();
    static void Draw(CDC* pDC, IMAGES_IDS id, const CPoint& ptImage, const CSize& sizeImage = CSize(0, 0));
    static CSize Size();
    static void CleanUp();

    // The shared list; its bitmap is dropped on a colour change and reloaded on next use.
    static CORXToolbarImageList& Images();

private:
    static BOOL s_bCreated;
};

#endif // VELMORA_ORXTOOLBARIMAGELIST_H
