// CORXGlobalData: refreshing colours and fonts, the parent background and the clean-up.
#include "ORXGlobalData.h"

#include "ORXCleanUp.h"
#include "ORXExtrasHooks.h"
#include "ORXProc.h"

CORXGlobalData::PFN_NOTIFY CORXGlobalData::s_pfnColorsChanged = NULL;
CORXGlobalData::PFN_NOTIFY CORXGlobalData::s_pfnFontsChanged = NULL;

CORXGlobalData globalData;

namespace
{
void CleanUpGlobalData()
{
    globalData.CleanUp();
}

int CALLBACK FindFamily(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM lParam)
{
    *(BOOL*)lParam = TRUE;
    return 0;
}

BOOL IsFamilyInstalled(LPCSTR pszFace)
{
    BOOL bFound = FALSE;
    HDC hDC = ::GetDC(NULL);
    ::EnumFontFamiliesA(hDC, pszFace, FindFamily, (LPARAM)&bFound);
    ::ReleaseDC(NULL, hDC);
    return bFound;
}

int MeasureTextHeight(CFont& font)
{
    HDC hDC = ::GetDC(NULL);
    HGDIOBJ hOld = ::SelectObject(hDC, font.GetSafeHandle());
    TEXTMETRICA tm;
    ::GetTextMetricsA(hDC, &tm);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(NULL, hDC);
    return tm.tmHeight + tm.tmInternalLeading + tm.tmExternalLeading;
}
} // namespace

CORXGlobalData::CORXGlobalData()
    : hbrBtnHilite(NULL), hbrBtnShadow(NULL), hbrWindow(NULL), clrHotText(RGB(0, 0, 255)),
      bIsWindowsNT4(FALSE), bIsWindows9x(FALSE), m_nBitsPerPixel(0), bIsRemoteSession(FALSE),
      m_nTextHeightHorz(0), m_nTextHeightVert(0), m_hinstUXThemeDLL(NULL), m_bUseXPTheme(TRUE),
      m_nTextBelowSpacing(4), m_nMaxToolTipWidth(-1), m_hcurStretch(NULL), m_hcurStretchVert(NULL),
      m_hcurHand(NULL), m_bUxThemeTried(FALSE)
{
    UpdateSysColors();
    UpdateFonts();

    OSVERSIONINFOA osvi = {sizeof(osvi)};
    ::GetVersionExA(&osvi);
    bIsWindowsNT4 = osvi.dwPlatformId == VER_PLATFORM_WIN32_NT && osvi.dwMajorVersion < 5;
    bIsWindows9x = osvi.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
    if (osvi.dwPlatformId == VER_PLATFORM_WIN32_NT && osvi.dwMajorVersion >= 5)
        bIsRemoteSession = ::GetSystemMetrics(SM_REMOTESESSION);
    ORXRegisterCleanUp(ORXCLEANUP_GLOBALDATA, CleanUpGlobalData);
}

CORXGlobalData::~CORXGlobalData()
{
    CleanUp();
}

void CORXGlobalData::UpdateSysColors()
{
    clrBtnFace = ::GetSysColor(COLOR_BTNFACE);
    clrBtnShadow = ::GetSysColor(COLOR_BTNSHADOW);
    clrBtnHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    clrBtnText = ::GetSysColor(COLOR_BTNTEXT);
    clrWindowFrame = ::GetSysColor(COLOR_WINDOWFRAME);
    clrBtnDkShadow = ::GetSysColor(COLOR_3DDKSHADOW);
    clrBtnLight = ::GetSysColor(COLOR_3DLIGHT);
    clrGrayedText = ::GetSysColor(COLOR_GRAYTEXT);
    clrHilite = ::GetSysColor(COLOR_HIGHLIGHT);
    clrTextHilite = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
    clrHotText = RGB(0, 0, 255);
    clrWindow = ::GetSysColor(COLOR_WINDOW);

    clrBarFace = clrBtnFace;
    clrBarShadow = clrBtnShadow;
    clrBarHilite = clrBtnHilite;
    clrBarDkShadow = clrBtnDkShadow;
    clrBarLight = clrBtnLight;
    clrBarText = clrBtnText;

    clrBarWindow = ::GetSysColor(COLOR_WINDOW);
    clrWindowText = ::GetSysColor(COLOR_WINDOWTEXT);
    clrCaptionText = ::GetSysColor(COLOR_CAPTIONTEXT);
    clrMenuText = ::GetSysColor(COLOR_MENUTEXT);
    clrActiveCaption = ::GetSysColor(COLOR_ACTIVECAPTION);
    clrInactiveCaption = ::GetSysColor(COLOR_INACTIVECAPTION);
    clrInactiveCaptionText = ::GetSysColor(COLOR_INACTIVECAPTIONTEXT);
    clrActiveBorder = ::GetSysColor(COLOR_ACTIVEBORDER);
    clrInactiveBorder = ::GetSysColor(COLOR_INACTIVEBORDER);

    hbrBtnHilite = ::GetSysColorBrush(COLOR_BTNHIGHLIGHT);
    hbrBtnShadow = ::GetSysColorBrush(COLOR_BTNSHADOW);
    hbrWindow = ::GetSysColorBrush(COLOR_WINDOW);

    brBtnFace.DeleteObject();
    brBtnFace.CreateSolidBrush(clrBtnFace);
    brBarFace.DeleteObject();
    brBarFace.CreateSolidBrush(clrBarFace);
    penBarFace.DeleteObject();
    penBarFace.CreatePen(PS_SOLID, 1, clrBarFace);
    brActiveCaption.DeleteObject();
    brActiveCaption.CreateSolidBrush(clrActiveCaption);
    brInactiveCaption.DeleteObject();
    brInactiveCaption.CreateSolidBrush(clrInactiveCaption);
    brHilite.DeleteObject();
    brHilite.CreateSolidBrush(clrHilite);
    penHilite.DeleteObject();
    penHilite.CreatePen(PS_SOLID, 1, clrHilite);
    brBlack.DeleteObject();
    brBlack.CreateSolidBrush(clrBtnDkShadow);
    brWindow.DeleteObject();
    brWindow.CreateSolidBrush(clrWindow);
    penBarShadow.DeleteObject();
    penBarShadow.CreatePen(PS_SOLID, 1, clrBarShadow);

    HDC hDC = ::GetDC(NULL);
    m_nBitsPerPixel = ::GetDeviceCaps(hDC, BITSPIXEL);
    ::ReleaseDC(NULL, hDC);
    CreateLightBrush(m_nBitsPerPixel);

    if (s_pfnColorsChanged != NULL)
        s_pfnColorsChanged();
}

void CORXGlobalData::CreateLightBrush(int nBitsPerPixel)
{
    brLight.DeleteObject();
    if (nBitsPerPixel > 8)
    {
        COLORREF clrLight =
            RGB(GetRValue(clrBtnFace) + ((GetRValue(clrBtnHilite) - GetRValue(clrBtnFace)) / 2),
                GetGValue(clrBtnFace) + ((GetGValue(clrBtnHilite) - GetGValue(clrBtnFace)) / 2),
                GetBValue(clrBtnFace) + ((GetBValue(clrBtnHilite) - GetBValue(clrBtnFace)) / 2));
        brLight.CreateSolidBrush(clrLight);
        return;
    }
    // An 8 x 8 checkerboard of the face and highlight colours; a colour table keeps the two
    // colours in the brush instead of taking them from whatever DC it is used with.
    struct
    {
        BITMAPINFOHEADER bmih;
        RGBQUAD colors[2];
        DWORD rows[8];
    } dib = {};
    dib.bmih.biSize = sizeof(BITMAPINFOHEADER);
    dib.bmih.biWidth = 8;
    dib.bmih.biHeight = 8;
    dib.bmih.biPlanes = 1;
    dib.bmih.biBitCount = 1;
    dib.bmih.biClrUsed = 2;
    dib.colors[0].rgbRed = GetRValue(clrBtnFace);
    dib.colors[0].rgbGreen = GetGValue(clrBtnFace);
    dib.colors[0].rgbBlue = GetBValue(clrBtnFace);
    COLORREF clrHigh = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    dib.colors[1].rgbRed = GetRValue(clrHigh);
    dib.colors[1].rgbGreen = GetGValue(clrHigh);
    dib.colors[1].rgbBlue = GetBValue(clrHigh);
    for (int i = 0; i < 8; i++)
        dib.rows[i] = (i % 2 == 0) ? 0xAA : 0x55;
    HBRUSH hBrush = ::CreateDIBPatternBrushPt(&dib, DIB_RGB_COLORS);
    if (hBrush != NULL)
        brLight.Attach(hBrush);
}

void CORXGlobalData::ChooseMenuFace(LOGFONT& lf, BOOL bTahomaInstalled)
{
    if (lf.lfCharSet <= SYMBOL_CHARSET)
        lstrcpyA(lf.lfFaceName, bTahomaInstalled ? "Tahoma" : "MS Sans Serif");
}

void CORXGlobalData::UpdateFonts()
{
    fontRegular.DeleteObject();
    fontStatus.DeleteObject();
    fontBold.DeleteObject();
    fontDefaultGUIBold.DeleteObject();
    fontUnderline.DeleteObject();
    fontDefaultGUIUnderline.DeleteObject();
    fontVert.DeleteObject();
    fontVertCaption.DeleteObject();
    fontHorzCaption.DeleteObject();
    fontMarlett.DeleteObject();

    NONCLIENTMETRICSA info;
    memset(&info, 0, sizeof(info));
    info.cbSize = sizeof(NONCLIENTMETRICSA);
    if (!::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, info.cbSize, &info, 0))
    {
        HFONT hGui = (HFONT)::GetStockObject(DEFAULT_GUI_FONT);
        ::GetObjectA(hGui, sizeof(LOGFONTA), &info.lfMenuFont);
        info.lfStatusFont = info.lfMenuFont;
    }

    LOGFONTA lf;
    memset(&lf, 0, sizeof(lf));
    lf.lfCharSet = info.lfMenuFont.lfCharSet;
    lf.lfHeight = info.lfMenuFont.lfHeight;
    lf.lfWeight = info.lfMenuFont.lfWeight;
    lf.lfItalic = info.lfMenuFont.lfItalic;
    lf.lfUnderline = info.lfMenuFont.lfUnderline;
    lf.lfStrikeOut = info.lfMenuFont.lfStrikeOut;
    lstrcpyA(lf.lfFaceName, info.lfMenuFont.lfFaceName);
    if (lf.lfCharSet <= SYMBOL_CHARSET)
        ChooseMenuFace(lf, IsFamilyInstalled("Tahoma"));
    fontRegular.CreateFontIndirect(&lf);

    LOGFONTA lfStatus = lf;
    lfStatus.lfWeight = info.lfStatusFont.lfWeight;
    lfStatus.lfItalic = info.lfStatusFont.lfItalic;
    lfStatus.lfUnderline = info.lfStatusFont.lfUnderline;
    lfStatus.lfStrikeOut = info.lfStatusFont.lfStrikeOut;
    lfStatus.lfCharSet = info.lfStatusFont.lfCharSet;
    fontStatus.CreateFontIndirect(&lfStatus);

    LOGFONTA lfUnder = lf;
    lfUnder.lfUnderline = TRUE;
    fontUnderline.CreateFontIndirect(&lfUnder);

    LOGFONTA lfBold = lf;
    lfBold.lfWeight = FW_BOLD;
    fontBold.CreateFontIndirect(&lfBold);

    LOGFONTA lfMarlett;
    memset(&lfMarlett, 0, sizeof(lfMarlett));
    lfMarlett.lfCharSet = SYMBOL_CHARSET;
    lfMarlett.lfWeight = 0;
    lfMarlett.lfHeight = ::GetSystemMetrics(SM_CYMENUCHECK) - 1;
    lstrcpyA(lfMarlett.lfFaceName, "Marlett");
    fontMarlett.CreateFontIndirect(&lfMarlett);

    LOGFONTA lfGui;
    ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lfGui), &lfGui);
    LOGFONTA lfVert = lfGui;
    lfVert.lfHeight = lf.lfHeight;
    lfVert.lfWeight = lf.lfWeight;
    lfVert.lfItalic = lf.lfItalic;
    lfVert.lfUnderline = lf.lfUnderline;
    lfVert.lfStrikeOut = lf.lfStrikeOut;
    lstrcpyA(lfVert.lfFaceName, "Arial");
    lfVert.lfEscapement = 2700;
    lfVert.lfOrientation = 900;
    fontVert.CreateFontIndirect(&lfVert);
    lfVert.lfEscapement = 900;
    fontVertCaption.CreateFontIndirect(&lfVert);
    lfVert.lfEscapement = 0;
    lfVert.lfOrientation = 0;
    fontHorzCaption.CreateFontIndirect(&lfVert);

    LOGFONTA lfGuiUnder = lfGui;
    lfGuiUnder.lfUnderline = TRUE;
    fontDefaultGUIUnderline.CreateFontIndirect(&lfGuiUnder);
    LOGFONTA lfGuiBold = lfGui;
    lfGuiBold.lfWeight = FW_BOLD;
    lfGuiBold.lfUnderline = FALSE;
    fontDefaultGUIBold.CreateFontIndirect(&lfGuiBold);

    m_nTextHeightHorz = MeasureTextHeight(fontRegular);
    m_nTextHeightVert = MeasureTextHeight(fontVert);

    if (s_pfnFontsChanged != NULL)
        s_pfnFontsChanged();
}

HMODULE CORXGlobalData::LoadUxTheme()
{
    if (!m_bUxThemeTried)
    {
        m_bUxThemeTried = TRUE;
        m_hinstUXThemeDLL = ::LoadLibraryA("UxTheme.dll");
    }
    return m_hinstUXThemeDLL;
}

BOOL CORXGlobalData::DrawParentBackground(CWnd* pWnd, CDC* pDC, LPRECT lpRect)
{
    if (pWnd == NULL || pDC == NULL)
        return FALSE;
    typedef HRESULT(WINAPI * PFN_DRAWTHEMEPARENTBACKGROUND)(HWND, HDC, const RECT*);
    HMODULE hTheme = LoadUxTheme();
    PFN_DRAWTHEMEPARENTBACKGROUND pfn =
        ORXGetProc<PFN_DRAWTHEMEPARENTBACKGROUND>(hTheme, "DrawThemeParentBackground");
    if (pfn != NULL)
        return SUCCEEDED(pfn(pWnd->GetSafeHwnd(), pDC->GetSafeHdc(), lpRect));
    return EraseParentBackground(pWnd, pDC, lpRect);
}

BOOL CORXGlobalData::EraseParentBackground(CWnd* pWnd, CDC* pDC, LPRECT lpRect)
{
    if (pWnd == NULL || pDC == NULL)
        return FALSE;
    HWND hWnd = pWnd->GetSafeHwnd();
    HWND hParent = ::GetParent(hWnd);
    if (hParent == NULL)
        return FALSE;
    HDC hDC = pDC->GetSafeHdc();
    // The DC belongs to the caller: whatever the parent does with it, the origin and clipping
    // come back as they were.
    int nSaved = ::SaveDC(hDC);
    if (lpRect != NULL)
    {
        HRGN hRgn = ::CreateRectRgnIndirect(lpRect);
        ::ExtSelectClipRgn(hDC, hRgn, RGN_AND);
        ::DeleteObject(hRgn);
    }
    POINT pt = {0, 0};
    ::MapWindowPoints(hWnd, hParent, &pt, 1);
    POINT ptOld;
    ::OffsetViewportOrgEx(hDC, -pt.x, -pt.y, &ptOld);
    BOOL bResult = (BOOL)::SendMessageA(hParent, WM_ERASEBKGND, (WPARAM)hDC, 0);
    ::RestoreDC(hDC, nSaved);
    return bResult;
}

void CORXGlobalData::CleanUp()
{
    CORXServices::ForEach<CORXMenuSoundLink>(
        [](CORXMenuSoundLink* pSound) { pSound->PlayMenuSound(CORXMenuSoundLink::soundStop); });
    brLight.DeleteObject();
    fontRegular.DeleteObject();
    fontStatus.DeleteObject();
    fontBold.DeleteObject();
    fontDefaultGUIBold.DeleteObject();
    fontUnderline.DeleteObject();
    fontDefaultGUIUnderline.DeleteObject();
    fontVert.DeleteObject();
    fontVertCaption.DeleteObject();
    fontHorzCaption.DeleteObject();
    fontMarlett.DeleteObject();
    if (m_hinstUXThemeDLL != NULL)
    {
        ::FreeLibrary(m_hinstUXThemeDLL);
        m_hinstUXThemeDLL = NULL;
    }
    m_bUxThemeTried = FALSE;
}
