// CORXToolBar: creation, loading from tool-bar resources, the button list and the command-UI update.
#include "ORXToolBar.h"

#include "ORXCleanUp.h"
#include "ORXExtrasHooks.h"
#include "ORXGlobalData.h"
#include "ORXVisualManager.h"

#include <algorithm>

#include <afxpriv.h>

IMPLEMENT_SERIAL(CORXToolBar, CControlBar, VERSIONABLE_SCHEMA | 1)

UINT ORX_WM_TOOLBAR_POPUPMENU = ::RegisterWindowMessageA("ORXTOOLBAR_POPUPMENU");
UINT ORX_WM_TOOLBAR_CUSTOMIZE = ::RegisterWindowMessageA("ORXTOOLBAR_CUSTOMIZE");
UINT ORX_WM_TOOLBAR_CREATE = ::RegisterWindowMessageA("ORXTOOLBAR_CREATE");
UINT ORX_WM_TOOLBAR_DELETE = ::RegisterWindowMessageA("ORXTOOLBAR_DELETE");
UINT ORX_WM_TOOLBAR_CUSTOMIZEHELP = ::RegisterWindowMessageA("ORXTOOLBAR_CUSTOMIZEHELP");
UINT ORX_WM_TOOLBAR_RESETTOOLBAR = ::RegisterWindowMessageA("ORXTOOLBAR_RESETTOOLBAR");
UINT ORX_WM_TOOLBAR_RESETMENU = ::RegisterWindowMessageA("ORXTOOLBAR_RESETMENU");
UINT ORX_WM_TOOLBAR_SHOWREGULARMENU = ::RegisterWindowMessageA("ORXTOOLBAR_SHOWREGULARMENU");
UINT ORX_WM_TOOLBAR_RESETCONTEXTMENU = ::RegisterWindowMessageA("ORXTOOLBAR_RESETCONTEXTMENU");
// The stored name keeps its historical spelling: other programs register the same message.
UINT ORX_WM_TOOLBAR_RESETKEYBOARD = ::RegisterWindowMessageA("ORXTOOLBAR_RESETKEYBAORD");

CSize CORXToolBar::m_sizeButton(23, 22);
CSize CORXToolBar::m_sizeImage(16, 15);
CSize CORXToolBar::m_sizeCurButton(23, 22);
CSize CORXToolBar::m_sizeCurImage(16, 15);
CSize CORXToolBar::m_sizeMenuImage(-1, -1);
CSize CORXToolBar::m_sizeMenuButton(-1, -1);
CMap<UINT, UINT, int, int> CORXToolBar::m_DefaultImages;
CList<UINT, UINT> CORXToolBar::m_lstUnpermittedCommands;
CList<UINT, UINT>& CORXToolBar::m_lstBasicCommands = CORXBarSettings::s_lstBasicCommands;
BOOL CORXToolBar::m_bLargeIcons = FALSE;
BOOL& CORXToolBar::m_bCustomizeMode = CORXBarSettings::s_bCustomizeMode;
CORXToolBar* CORXToolBar::m_pSelToolbar = NULL;
CORXToolbarImageList* CORXToolBar::m_pUserImages = NULL;
COLORREF& CORXToolBar::m_clrText = CORXBarSettings::s_clrText;
COLORREF& CORXToolBar::m_clrTextHot = CORXBarSettings::s_clrTextHot;
HCURSOR CORXToolBar::m_hcurStretch = NULL;
HCURSOR CORXToolBar::m_hcurStretchVert = NULL;
HHOOK CORXToolBar::m_hookMouseHelp = NULL;
CORXToolBar* CORXToolBar::m_pLastHookedToolbar = NULL;
BOOL CORXToolBar::m_bAltCustomizeMode = FALSE;
BOOL CORXToolBar::m_bShowTooltips = TRUE;
BOOL CORXToolBar::m_bShowShortcutKeys = TRUE;
BOOL CORXToolBar::m_bAltCustomization = FALSE;

namespace
{
void CleanUpToolBars()
{
    CORXToolBar::CleanUp();
}

void FontsChanged()
{
    for (POSITION pos = gAllToolbars.GetHeadPosition(); pos != NULL;)
    {
        CORXToolBar* pBar = (CORXToolBar*)gAllToolbars.GetNext(pos);
        if (pBar->GetSafeHwnd() != NULL)
        {
            pBar->OnGlobalFontsChanged();
            pBar->AdjustLayout();
        }
    }
}

struct CToolBarHooks
{
    CToolBarHooks()
    {
        CORXGlobalData::s_pfnFontsChanged = FontsChanged;
        ORXRegisterCleanUp(ORXCLEANUP_TOOLBARS, CleanUpToolBars);
    }
} s_toolBarHooks;

// The tool-bar resource: four words (version, image width, image height, count), then the ids.
struct ORXTOOLBARDATA
{
    WORD wVersion;
    WORD wWidth;
    WORD wHeight;
    WORD wItemCount;
};
} // namespace

// The class-wide lists, made on first use: they need the drawing data of another file's static.
#define ORX_SHARED_LIST(name)                                                                                \
    CORXToolbarImageList& CORXToolBar::name()                                                                \
    {                                                                                                        \
        static CORXToolbarImageList s_list;                                                                  \
        return s_list;                                                                                       \
    }
ORX_SHARED_LIST(GetImages)
ORX_SHARED_LIST(GetColdImages)
ORX_SHARED_LIST(GetMenuImages)
ORX_SHARED_LIST(GetDisabledImages)
ORX_SHARED_LIST(GetDisabledMenuImages)
ORX_SHARED_LIST(GetLargeImages)
ORX_SHARED_LIST(GetLargeColdImages)
ORX_SHARED_LIST(GetLargeDisabledImages)
#undef ORX_SHARED_LIST

CORXToolBar::CORXToolBar()
    : m_bLocked(FALSE), m_bLargeIconsAreEnbaled(TRUE), m_pNcPainter(NULL), m_bNoListed(FALSE),
      m_bPermament(FALSE), m_bTextLabels(FALSE), m_bFixedRowHeight(FALSE), m_nFixedRowHeight(0),
      m_sizeButtonLocked(23, 22), m_sizeImageLocked(16, 15), m_sizeCurButtonLocked(23, 22),
      m_sizeCurImageLocked(16, 15), m_iButtonCapture(-1), m_iHighlighted(-1), m_iSelected(-1), m_iHot(-1),
      m_Buttons(10), m_OrigButtons(10), m_bIsModified(FALSE), m_iDragIndex(-1), m_rectDrag(0, 0, 0, 0),
      m_pDragButton(NULL), m_ptStartDrag(-1, -1), m_bIsDragCopy(FALSE), m_bStretchButton(FALSE),
      m_rectTrack(0, 0, 0, 0), m_iImagesOffset(0), m_uiOriginalResID(0), m_bTracked(FALSE),
      m_ptLastMouse(-1, -1), m_bMenuMode(FALSE), m_pWndLastCapture(NULL), m_hwndLastFocus(NULL),
      m_bUpdateChildControls(TRUE), m_bFrameTarget(TRUE), m_AcellKeys(10), m_bDrawBorders(TRUE),
      m_bGrayDisabledButtons(TRUE), m_bNoTextUpdate(FALSE), m_pCustomizeBtn(NULL), m_pDropTarget(NULL)
{
    m_pNcPainter = new CORXBarNcPainter(this);
    m_AcellKeys.InitHashTable(17);
}

CORXToolBar::~CORXToolBar()
{
    // A bar deleted with its window still up never sees its own WM_DESTROY (by then it is only a
    // CWnd), so it leaves the shared lists here too.
    POSITION pos = gAllToolbars.Find(this);
    if (pos != NULL)
        gAllToolbars.RemoveAt(pos);
    if (m_pSelToolbar == this)
        m_pSelToolbar = NULL;
    if (m_pLastHookedToolbar == this)
        m_pLastHookedToolbar = NULL;
    while (!m_OrigButtons.IsEmpty())
        delete m_OrigButtons.RemoveHead();
    RemoveAllButtons();
    delete m_pNcPainter;
    DeleteDropTarget();
}

void CORXToolBar::CleanUp()
{
    GetImages().Clear();
    GetColdImages().Clear();
    GetMenuImages().Clear();
    GetDisabledImages().Clear();
    GetDisabledMenuImages().Clear();
    GetLargeImages().Clear();
    GetLargeColdImages().Clear();
    GetLargeDisabledImages().Clear();
    m_DefaultImages.RemoveAll();
}

/////////////////////////////////////////////////////////////////////////////
// Creation

BOOL CORXToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateEx(pParentWnd, TBSTYLE_FLAT, dwStyle, CRect(1, 1, 1, 1), nID);
}

BOOL CORXToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rcBorders, UINT nID)
{
    m_cxLeftBorder = std::max(1, (int)rcBorders.left);
    m_cyTopBorder = std::max(1, (int)rcBorders.top);
    m_cxRightBorder = rcBorders.right;
    m_cyBottomBorder = rcBorders.bottom;
    m_dwStyle = (dwStyle | CBRS_GRIPPER) & CBRS_ALL;
    if (nID == AFX_IDW_TOOLBAR)
        m_dwStyle |= CBRS_HIDE_INPLACE;
    // The control style (flat, transparent) reaches the window; the bar-style bits do not.
    DWORD dwWndStyle = (dwStyle & ~0x40FFB1u) | dwCtrlStyle | 0x4E;

    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&icc);
    HINSTANCE hInst = AfxGetInstanceHandle();
    HCURSOR hCursor = ::LoadCursor(NULL, IDC_ARROW);
    CString strClass;
    strClass.Format(_T("ORXToolBar:%x:%x:%x:%x"), (UINT)(UINT_PTR)hInst, CS_DBLCLKS, (UINT)(UINT_PTR)hCursor,
                    COLOR_BTNFACE + 1);
    WNDCLASSA wc;
    if (!::GetClassInfoA(hInst, strClass, &wc))
    {
        memset(&wc, 0, sizeof(wc));
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = hInst;
        wc.hCursor = hCursor;
        wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
        wc.lpszClassName = strClass;
        if (!AfxRegisterClass(&wc))
            AfxThrowResourceException();
    }
    CRect rect(0, 0, 0, 0);
    if (!CWnd::Create(strClass, NULL, dwWndStyle, rect, pParentWnd, nID))
        return FALSE;
    return m_hWnd != NULL;
}

int CORXToolBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CControlBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (m_hcurStretch == NULL)
        m_hcurStretch = ::LoadCursor(AfxGetResourceHandle(), MAKEINTRESOURCE(30980));
    if (m_hcurStretchVert == NULL)
        m_hcurStretchVert = ::LoadCursor(AfxGetResourceHandle(), MAKEINTRESOURCE(30981));
    m_penDrag.DeleteObject();
    m_penDrag.CreatePen(PS_SOLID, 1, globalData.clrBtnText);
    RegisterDropTarget();
    gAllToolbars.AddTail(this);
    return 0;
}

void CORXToolBar::OnDestroy()
{
    m_penDrag.DeleteObject();
    RevokeDropTarget();
    if (m_bTracked)
        KillTimer(ORX_TRACKMOUSE_TIMER);
    CControlBar::OnDestroy();
    if (m_pSelToolbar == this)
        m_pSelToolbar = NULL;
    if (m_pLastHookedToolbar == this)
        m_pLastHookedToolbar = NULL;
    POSITION pos = gAllToolbars.Find(this);
    if (pos != NULL)
        gAllToolbars.RemoveAt(pos);
}

/////////////////////////////////////////////////////////////////////////////
// Sizes

void CORXToolBar::SetSizes(SIZE sizeButton, SIZE sizeImage)
{
    m_sizeButton = sizeButton;
    m_sizeImage = sizeImage;
    m_sizeCurButton = m_bLargeIcons ? CSize(sizeButton.cx * 2, sizeButton.cy * 2) : CSize(sizeButton);
    m_sizeCurImage = m_bLargeIcons ? CSize(sizeImage.cx * 2, sizeImage.cy * 2) : CSize(sizeImage);
    GetImages().SetImageSize(sizeImage);
    GetColdImages().SetImageSize(sizeImage);
    GetDisabledImages().SetImageSize(sizeImage);
    CSize sizeLarge(sizeImage.cx * 2, sizeImage.cy * 2);
    GetLargeImages().SetImageSize(sizeLarge);
    GetLargeColdImages().SetImageSize(sizeLarge);
    GetLargeDisabledImages().SetImageSize(sizeLarge);
    if (m_pUserImages != NULL)
        m_pUserImages->SetImageSize(sizeImage);
}

void CORXToolBar::SetLockedSizes(SIZE sizeButton, SIZE sizeImage)
{
    m_sizeButtonLocked = sizeButton;
    m_sizeImageLocked = sizeImage;
    m_sizeCurButtonLocked = m_bLargeIcons ? CSize(sizeButton.cx * 2, sizeButton.cy * 2) : CSize(sizeButton);
    m_sizeCurImageLocked = m_bLargeIcons ? CSize(sizeImage.cx * 2, sizeImage.cy * 2) : CSize(sizeImage);
    m_ImagesLocked.SetImageSize(sizeImage);
    m_ColdImagesLocked.SetImageSize(sizeImage);
    m_DisabledImagesLocked.SetImageSize(sizeImage);
    CSize sizeLarge(sizeImage.cx * 2, sizeImage.cy * 2);
    m_LargeImagesLocked.SetImageSize(sizeLarge);
    m_LargeColdImagesLocked.SetImageSize(sizeLarge);
    m_LargeDisabledImagesLocked.SetImageSize(sizeLarge);
}

void CORXToolBar::SetLargeIcons(BOOL bLargeIcons)
{
    m_bLargeIcons = bLargeIcons;
    m_sizeCurButton = bLargeIcons ? CSize(m_sizeButton.cx * 2, m_sizeButton.cy * 2) : m_sizeButton;
    m_sizeCurImage = bLargeIcons ? CSize(m_sizeImage.cx * 2, m_sizeImage.cy * 2) : m_sizeImage;
    for (POSITION pos = gAllToolbars.GetHeadPosition(); pos != NULL;)
    {
        CORXToolBar* pBar = (CORXToolBar*)gAllToolbars.GetNext(pos);
        if (pBar->m_bLocked)
        {
            pBar->m_sizeCurButtonLocked =
                bLargeIcons ? CSize(pBar->m_sizeButtonLocked.cx * 2, pBar->m_sizeButtonLocked.cy * 2)
                            : pBar->m_sizeButtonLocked;
            pBar->m_sizeCurImageLocked =
                bLargeIcons ? CSize(pBar->m_sizeImageLocked.cx * 2, pBar->m_sizeImageLocked.cy * 2)
                            : pBar->m_sizeImageLocked;
        }
        if (pBar->GetSafeHwnd() != NULL)
            pBar->AdjustLayout();
    }
}

CSize CORXToolBar::GetButtonSize() const
{
    if (m_bLocked)
        return m_bLargeIconsAreEnbaled ? m_sizeCurButtonLocked : m_sizeButtonLocked;
    return m_bLargeIconsAreEnbaled ? m_sizeCurButton : m_sizeButton;
}

CSize CORXToolBar::GetImageSize() const
{
    if (m_bLocked)
        return m_bLargeIconsAreEnbaled ? m_sizeCurImageLocked : m_sizeImageLocked;
    return m_bLargeIconsAreEnbaled ? m_sizeCurImage : m_sizeImage;
}

CSize CORXToolBar::GetMenuImageSize()
{
    return m_sizeMenuImage.cx > 0 ? m_sizeMenuImage : m_sizeImage;
}

CSize CORXToolBar::GetMenuButtonSize()
{
    return m_sizeMenuButton.cx > 0 ? m_sizeMenuButton : m_sizeButton;
}

int CORXToolBar::GetRowHeight() const
{
    if (m_bFixedRowHeight)
        return m_nFixedRowHeight;
    int nHeight;
    if (m_bMenuMode)
        nHeight = m_sizeMenuButton.cy > 0 ? m_sizeMenuButton.cy : m_sizeButton.cy;
    else
    {
        nHeight = GetButtonSize().cy;
        if (IsButtonExtraSizeAvailable())
            nHeight += CORXVisualManager::GetInstance()->GetButtonExtraBorder().cy;
    }
    int nTextHeight = globalData.GetTextHeight((m_dwStyle & CBRS_ORIENT_HORZ) != 0);
    return std::max(nHeight, nTextHeight);
}

int CORXToolBar::GetColumnWidth() const
{
    if (m_bMenuMode)
        return m_sizeMenuButton.cx > 0 ? m_sizeMenuButton.cx : m_sizeButton.cx;
    int nWidth = GetButtonSize().cx;
    if (IsButtonExtraSizeAvailable())
        nWidth += CORXVisualManager::GetInstance()->GetButtonExtraBorder().cx;
    return nWidth;
}

int CORXToolBar::GetDefaultImage(UINT uiID)
{
    int iImage = -1;
    if (!m_DefaultImages.Lookup(uiID, iImage))
        return -1;
    return iImage;
}

/////////////////////////////////////////////////////////////////////////////
// Loading

BOOL CORXToolBar::LoadBitmap(UINT uiResID, UINT uiColdResID, UINT uiMenuResID, BOOL bLocked,
                             UINT uiDisabledResID, UINT uiMenuDisabledResID)
{
    CORXToolBarImageIds params;
    params.m_uiIds[CORXToolBarImageIds::Images] = uiResID;
    params.m_uiIds[CORXToolBarImageIds::Cold] = uiColdResID;
    params.m_uiIds[CORXToolBarImageIds::Menu] = uiMenuResID;
    params.m_uiIds[CORXToolBarImageIds::Disabled] = uiDisabledResID;
    params.m_uiIds[CORXToolBarImageIds::DisabledMenu] = uiMenuDisabledResID;
    return LoadBitmapEx(params, bLocked);
}

BOOL CORXToolBar::LoadToolBar(UINT uiResID, UINT uiColdResID, UINT uiMenuResID, BOOL bLocked,
                              UINT uiDisabledResID, UINT uiMenuDisabledResID, UINT uiHotResID)
{
    CORXToolBarImageIds params;
    params.m_uiIds[CORXToolBarImageIds::Images] = uiHotResID;
    params.m_uiIds[CORXToolBarImageIds::Cold] = uiColdResID;
    params.m_uiIds[CORXToolBarImageIds::Menu] = uiMenuResID;
    params.m_uiIds[CORXToolBarImageIds::Disabled] = uiDisabledResID;
    params.m_uiIds[CORXToolBarImageIds::DisabledMenu] = uiMenuDisabledResID;
    return LoadToolBarEx(uiResID, params, bLocked);
}

BOOL CORXToolBar::LoadBitmapEx(CORXToolBarImageIds& params, BOOL bLocked)
{
    m_bLocked = bLocked;
    const UINT* ids = params.m_uiIds;
    HINSTANCE hinst = AfxGetResourceHandle();
    if (!m_bLocked)
    {
        if (!GetImages().Load(ids[CORXToolBarImageIds::Images], hinst, TRUE))
            return FALSE;
        m_iImagesOffset = GetImages().GetResourceOffset(ids[CORXToolBarImageIds::Images]);
        struct
        {
            int nRole;
            CORXToolbarImageList& list;
        } loads[] = {
            {CORXToolBarImageIds::Cold, GetColdImages()},
            {CORXToolBarImageIds::Menu, GetMenuImages()},
            {CORXToolBarImageIds::Disabled, GetDisabledImages()},
            {CORXToolBarImageIds::DisabledMenu, GetDisabledMenuImages()},
            {CORXToolBarImageIds::Large, GetLargeImages()},
            {CORXToolBarImageIds::LargeCold, GetLargeColdImages()},
            {CORXToolBarImageIds::LargeDisabled, GetLargeDisabledImages()},
        };
        for (auto& load : loads)
            if (ids[load.nRole] != 0 && !load.list.Load(ids[load.nRole], hinst, TRUE))
                return FALSE;
        return TRUE;
    }
    struct
    {
        int nRole;
        CORXToolbarImageList& list;
    } loads[] = {
        {CORXToolBarImageIds::Images, m_ImagesLocked},
        {CORXToolBarImageIds::Cold, m_ColdImagesLocked},
        {CORXToolBarImageIds::Disabled, m_DisabledImagesLocked},
        {CORXToolBarImageIds::Large, m_LargeImagesLocked},
        {CORXToolBarImageIds::LargeCold, m_LargeColdImagesLocked},
        {CORXToolBarImageIds::LargeDisabled, m_LargeDisabledImagesLocked},
        {CORXToolBarImageIds::Menu, m_MenuImagesLocked},
        {CORXToolBarImageIds::DisabledMenu, m_DisabledMenuImagesLocked},
    };
    for (auto& load : loads)
        if (ids[load.nRole] != 0 && !load.list.Load(ids[load.nRole], hinst, TRUE))
            return FALSE;
    m_iImagesOffset = 0;
    return TRUE;
}

BOOL CORXToolBar::LoadToolBarEx(UINT uiToolbarResID, CORXToolBarImageIds& params, BOOL bLocked)
{
    HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCE(uiToolbarResID), MAKEINTRESOURCE(241));
    HRSRC hRsrc = ::FindResource(hInst, MAKEINTRESOURCE(uiToolbarResID), MAKEINTRESOURCE(241));
    if (hRsrc == NULL)
        return FALSE;
    HGLOBAL hGlobal = ::LoadResource(hInst, hRsrc);
    if (hGlobal == NULL)
        return FALSE;
    const ORXTOOLBARDATA* pData = (const ORXTOOLBARDATA*)::LockResource(hGlobal);
    DWORD dwSize = ::SizeofResource(hInst, hRsrc);
    // The header and every id it counts must lie inside the resource.
    if (pData == NULL || dwSize < sizeof(ORXTOOLBARDATA) ||
        dwSize < sizeof(ORXTOOLBARDATA) + (DWORD)pData->wItemCount * sizeof(WORD))
        return FALSE;
    if (pData->wVersion != 1 || pData->wWidth == 0 || pData->wHeight == 0)
        return FALSE;
    const WORD* pItems = (const WORD*)(pData + 1);
    int nCount = pData->wItemCount;

    CSize sizeImage(pData->wWidth, pData->wHeight);
    CSize sizeButton(pData->wWidth + 6, pData->wHeight + 6);
    if (bLocked)
        SetLockedSizes(sizeButton, sizeImage);
    else
        SetSizes(sizeButton, sizeImage);

    if (params.m_uiIds[CORXToolBarImageIds::Images] == 0)
        params.m_uiIds[CORXToolBarImageIds::Images] = uiToolbarResID;
    // A bar loads the bitmap of the resource it is given, the first time and when it is given
    // another resource: the images must belong to the ids.
    if (m_uiOriginalResID != uiToolbarResID)
    {
        if (!LoadBitmapEx(params, bLocked))
            return FALSE;
    }
    else
        m_bLocked = bLocked;

    CArray<UINT, UINT> ids;
    ids.SetSize(nCount);
    int iImage = m_iImagesOffset;
    for (int i = 0; i < nCount; i++)
    {
        ids[i] = pItems[i];
        if (!m_bLocked && pItems[i] != 0)
            m_DefaultImages.SetAt(pItems[i], iImage++);
    }
    m_uiOriginalResID = uiToolbarResID;
    BOOL bResult = SetButtons(ids.GetData(), nCount, TRUE);
    if (!bResult)
        m_uiOriginalResID = 0;
    return bResult;
}

BOOL CORXToolBar::SetButtons(const UINT* lpIDArray, int nIDCount, BOOL bRemapImages)
{
    CORXToolbarButton* pCustomizeCopy = m_pCustomizeBtn != NULL ? m_pCustomizeBtn->Clone() : NULL;
    RemoveAllButtons();
    while (!m_OrigButtons.IsEmpty())
        delete m_OrigButtons.RemoveHead();

    if (lpIDArray != NULL)
    {
        int iImage = m_iImagesOffset;
        for (int i = 0; i < nIDCount; i++)
        {
            CORXToolbarButton* pOrig = new CORXToolbarButton;
            pOrig->m_nID = lpIDArray[i];
            if (lpIDArray[i] == 0)
                pOrig->m_nStyle = TBBS_SEPARATOR;
            m_OrigButtons.AddTail(pOrig);

            if (lpIDArray[i] == 0)
            {
                InsertSeparator();
                continue;
            }
            if (bRemapImages)
            {
                CORXToolbarButton* pButton =
                    new CORXToolbarButton(lpIDArray[i], iImage, NULL, FALSE, m_bLocked);
                if (InsertButton(pButton) >= 0)
                {
                    if (!m_bLocked)
                        m_DefaultImages.SetAt(lpIDArray[i], iImage);
                }
                else
                    delete pButton;
                iImage++;
            }
            else
            {
                int iDefault = -1;
                if (m_DefaultImages.Lookup(lpIDArray[i], iDefault))
                {
                    CORXToolbarButton* pButton =
                        new CORXToolbarButton(lpIDArray[i], iDefault, NULL, FALSE, m_bLocked);
                    if (InsertButton(pButton) < 0)
                        delete pButton;
                }
            }
        }
    }
    else
    {
        for (int i = 0; i < nIDCount; i++)
            InsertSeparator();
    }

    if (pCustomizeCopy != NULL)
    {
        m_Buttons.AddTail(pCustomizeCopy);
        pCustomizeCopy->OnChangeParentWnd(this);
        m_pCustomizeBtn = pCustomizeCopy;
    }
    if (GetSafeHwnd() != NULL)
    {
        OnReset();
        CWnd* pTarget = m_pDockSite != NULL ? (CWnd*)m_pDockSite : (CWnd*)GetParentFrame();
        if (pTarget != NULL)
            pTarget->SendMessage(ORX_WM_TOOLBAR_RESETTOOLBAR, (WPARAM)m_uiOriginalResID);
    }
    RebuildAccelerationKeys();
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// The button list

int CORXToolBar::InsertButton(CORXToolbarButton* pButton, INT_PTR iInsertAt)
{
    if (pButton == NULL || !IsCommandPermitted(pButton->m_nID))
        return -1;
    int nCount = GetCount();
    if (iInsertAt != -1 && (iInsertAt < 0 || iInsertAt > nCount))
        return -1;
    if (dynamic_cast<CORXChevron*>(pButton) != NULL && m_pCustomizeBtn == NULL)
    {
        // A chevron goes to the far end of the bar and stays there.
        m_Buttons.AddTail(pButton);
        m_pCustomizeBtn = pButton;
        pButton->OnChangeParentWnd(this);
        RebuildAccelerationKeys();
        return nCount;
    }
    if (iInsertAt == -1 || iInsertAt == nCount)
    {
        // Always before the chevron.
        if (m_pCustomizeBtn != NULL && nCount > 0)
        {
            m_Buttons.InsertBefore(m_Buttons.Find(m_pCustomizeBtn), pButton);
            iInsertAt = nCount - 1;
        }
        else
        {
            m_Buttons.AddTail(pButton);
            iInsertAt = nCount;
        }
    }
    else
        m_Buttons.InsertBefore(m_Buttons.FindIndex((int)iInsertAt), pButton);
    pButton->OnChangeParentWnd(this);
    RebuildAccelerationKeys();
    return (int)iInsertAt;
}

int CORXToolBar::InsertButtonCopy(const CORXToolbarButton& button, INT_PTR iInsertAt)
{
    CORXToolbarButton* pCopy = button.Clone();
    if (pCopy == NULL)
        return -1;
    int iIndex = InsertButton(pCopy, iInsertAt);
    if (iIndex < 0)
        delete pCopy;
    return iIndex;
}

int CORXToolBar::InsertSeparator(INT_PTR iInsertAt)
{
    if (GetCount() == 0 || iInsertAt == 0)
        return -1;
    CORXToolbarButton* pSeparator = new CORXToolbarButton;
    pSeparator->m_nStyle = TBBS_SEPARATOR;
    int iIndex = InsertButton(pSeparator, iInsertAt);
    if (iIndex < 0)
        delete pSeparator;
    return iIndex;
}

BOOL CORXToolBar::RemoveButton(int iIndex)
{
    POSITION pos = m_Buttons.FindIndex(iIndex);
    if (pos == NULL)
        return FALSE;
    CORXToolbarButton* pButton = (CORXToolbarButton*)m_Buttons.GetAt(pos);
    if (pButton == m_pCustomizeBtn)
        return FALSE;
    m_Buttons.RemoveAt(pos);
    pButton->OnCancelMode();
    delete pButton;

    auto Follow = [iIndex](int& nIndex) {
        if (nIndex == iIndex)
            nIndex = -1;
        else if (nIndex > iIndex)
            nIndex--;
    };
    Follow(m_iSelected);
    Follow(m_iButtonCapture);
    int iHighlighted = m_iHighlighted;
    Follow(iHighlighted);
    if (iHighlighted != m_iHighlighted)
    {
        m_iHighlighted = iHighlighted;
        m_iHot = m_iHot == iIndex ? -1 : (m_iHot > iIndex ? m_iHot - 1 : m_iHot);
    }

    // No separator at the end (before the chevron), except a first button.
    for (;;)
    {
        int nLast = GetCount() - 1 - (m_pCustomizeBtn != NULL ? 1 : 0);
        if (nLast <= 0)
            break;
        CORXToolbarButton* pLast = GetButton(nLast);
        if (pLast == NULL || !(pLast->m_nStyle & TBBS_SEPARATOR))
            break;
        RemoveButton(nLast);
    }
    // Two separators that now meet become one.
    CORXToolbarButton* pBefore = GetButton(iIndex - 1);
    CORXToolbarButton* pAt = GetButton(iIndex);
    if (pBefore != NULL && pAt != NULL && (pBefore->m_nStyle & TBBS_SEPARATOR) &&
        (pAt->m_nStyle & TBBS_SEPARATOR))
        RemoveButton(iIndex);
    RebuildAccelerationKeys();
    return TRUE;
}

void CORXToolBar::RemoveAllButtons()
{
    m_iButtonCapture = -1;
    m_iHighlighted = -1;
    m_iHot = -1;
    m_iSelected = -1;
    while (!m_Buttons.IsEmpty())
    {
        CORXToolbarButton* pButton = (CORXToolbarButton*)m_Buttons.RemoveHead();
        pButton->OnCancelMode();
        delete pButton;
    }
    m_pCustomizeBtn = NULL;
    m_AcellKeys.RemoveAll();
}

CORXToolbarButton* CORXToolBar::GetDroppedDownMenu(int* pIndex) const
{
    int i = 0;
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL; i++)
    {
        CORXToolbarButton* pButton = (CORXToolbarButton*)m_Buttons.GetNext(pos);
        if (IsMenuButton(pButton) && pButton->IsDroppedDown())
        {
            if (pIndex != NULL)
                *pIndex = i;
            return pButton;
        }
    }
    if (pIndex != NULL)
        *pIndex = -1;
    return NULL;
}

BOOL CORXToolBar::IsUserDefined() const
{
    CFrameWnd* pFrame = GetParentFrame();
    // A floating bar's parent frame is its mini frame; the frame that owns the range is above it.
    if (pFrame != NULL && (m_dwStyle & CBRS_FLOATING) && pFrame->GetParentFrame() != NULL)
        pFrame = pFrame->GetParentFrame();
    CORXFrameHooks* pHooks = ORXFrameOffer<CORXFrameHooks>(pFrame);
    return pHooks != NULL && pHooks->IsUserDefinedToolbar(this);
}

CORXToolbarButton* CORXToolBar::GetButton(int iIndex) const
{
    if (iIndex < 0 || iIndex >= GetCount())
        return NULL;
    POSITION pos = m_Buttons.FindIndex(iIndex);
    return pos != NULL ? (CORXToolbarButton*)m_Buttons.GetAt(pos) : NULL;
}

int CORXToolBar::CommandToIndex(UINT nIDFind, int iIndexFirst) const
{
    int i = 0;
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL; i++)
    {
        CORXToolbarButton* pButton = (CORXToolbarButton*)m_Buttons.GetNext(pos);
        if (i >= iIndexFirst && pButton->m_nID == nIDFind)
            return i;
    }
    return -1;
}

int CORXToolBar::ButtonToIndex(const CORXToolbarButton* pButton) const
{
    int i = 0;
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL; i++)
        if (m_Buttons.GetNext(pos) == pButton)
            return i;
    return -1;
}

UINT CORXToolBar::GetItemID(int nIndex) const
{
    CORXToolbarButton* pButton = GetButton(nIndex);
    return pButton != NULL ? pButton->m_nID : 0;
}

UINT CORXToolBar::GetButtonStyle(int nIndex) const
{
    CORXToolbarButton* pButton = GetButton(nIndex);
    return pButton != NULL ? pButton->m_nStyle : 0;
}

CString CORXToolBar::GetButtonText(int nIndex) const
{
    CORXToolbarButton* pButton = GetButton(nIndex);
    return pButton != NULL ? pButton->m_strText : CString();
}

int CORXToolBar::GetCommandButtons(UINT uiCmd, CObList& listButtons)
{
    listButtons.RemoveAll();
    if (uiCmd == 0)
        return 0;
    for (POSITION posBar = gAllToolbars.GetHeadPosition(); posBar != NULL;)
    {
        CORXToolBar* pBar = (CORXToolBar*)gAllToolbars.GetNext(posBar);
        if (pBar->GetSafeHwnd() == NULL)
            continue;
        for (POSITION pos = pBar->m_Buttons.GetHeadPosition(); pos != NULL;)
        {
            CORXToolbarButton* pButton = (CORXToolbarButton*)pBar->m_Buttons.GetNext(pos);
            if (pButton->m_nID == uiCmd)
                listButtons.AddTail(pButton);
        }
    }
    return (int)listButtons.GetCount();
}

void CORXToolBar::SetButtonStyle(int nIndex, UINT nStyle)
{
    CORXToolbarButton* pButton = GetButton(nIndex);
    if (pButton == NULL || pButton->m_nStyle == nStyle)
        return;
    if (nStyle & TBBS_DISABLED)
        nStyle &= ~TBBS_PRESSED;
    BOOL bWasPressed = (pButton->m_nStyle & TBBS_PRESSED) != 0;
    pButton->SetStyle(nStyle);
    if (!(bWasPressed && (nStyle & TBBS_PRESSED)))
        InvalidateButton(nIndex);
}

CORXToolbarButton* CORXToolBar::InvalidateButton(int nIndex)
{
    CORXToolbarButton* pButton = GetButton(nIndex);
    if (pButton == NULL || GetSafeHwnd() == NULL)
        return pButton;
    CRect rect;
    GetInvalidateItemRect(nIndex, &rect);
    rect.InflateRect(10, 10);
    InvalidateRect(rect);
    if (pButton == m_pCustomizeBtn)
        RedrawWindow(NULL, NULL, RDW_FRAME | RDW_INVALIDATE);
    return pButton;
}

void CORXToolBar::RebuildAccelerationKeys()
{
    m_AcellKeys.RemoveAll();
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL;)
    {
        CORXToolbarButton* pButton = (CORXToolbarButton*)m_Buttons.GetNext(pos);
        if ((pButton->m_nStyle & TBBS_SEPARATOR) || !pButton->m_bText)
            continue;
        int iAmp = pButton->m_strText.Find(_T('&'));
        if (iAmp >= 0 && iAmp < pButton->m_strText.GetLength() - 1)
        {
            TCHAR ch = (TCHAR)(UINT_PTR)::CharUpperA((LPSTR)(UINT_PTR)(BYTE)pButton->m_strText[iAmp + 1]);
            m_AcellKeys.SetAt((UINT)(BYTE)ch, pButton);
        }
    }
}

void CORXToolBar::AddBasicCommand(UINT uiCmd)
{
    if (m_lstBasicCommands.Find(uiCmd) == NULL)
        m_lstBasicCommands.AddTail(uiCmd);
}

void CORXToolBar::SetNonPermittedCommands(CList<UINT, UINT>& lstCommands)
{
    m_lstUnpermittedCommands.RemoveAll();
    m_lstUnpermittedCommands.AddTail(&lstCommands);
}

void CORXToolBar::EnableTextLabels(BOOL bEnable)
{
    if (m_bMenuMode)
        return;
    m_bTextLabels = bEnable;
    AdjustLayout();
}

/////////////////////////////////////////////////////////////////////////////
// Command UI

void CORXToolCmdUI::Enable(BOOL bOn)
{
    m_bEnableChanged = TRUE;
    CORXToolBar* pBar = (CORXToolBar*)m_pOther;
    UINT nOldStyle = pBar->GetButtonStyle(m_nIndex);
    UINT nNewStyle = bOn ? (nOldStyle & ~TBBS_DISABLED) : (nOldStyle | TBBS_DISABLED);
    pBar->SetButtonStyle(m_nIndex, nNewStyle);
}

void CORXToolCmdUI::SetCheck(int nCheck)
{
    if (nCheck >= 3)
        nCheck = 1;
    CORXToolBar* pBar = (CORXToolBar*)m_pOther;
    UINT nNewStyle = pBar->GetButtonStyle(m_nIndex) & ~(TBBS_CHECKED | TBBS_INDETERMINATE);
    if (nCheck == 1)
        nNewStyle |= TBBS_CHECKED;
    else if (nCheck == 2)
        nNewStyle |= TBBS_INDETERMINATE;
    pBar->SetButtonStyle(m_nIndex, nNewStyle | TBBS_CHECKBOX);
}

void CORXToolCmdUI::SetRadio(BOOL bOn)
{
    SetCheck(bOn ? 1 : 0);
    CORXToolbarButton* pButton = ((CORXToolBar*)m_pOther)->GetButton(m_nIndex);
    if (pButton != NULL)
        pButton->SetRadio();
}

void CORXToolCmdUI::SetText(LPCTSTR lpszText)
{
    CORXToolBar* pBar = (CORXToolBar*)m_pOther;
    if (pBar->m_bNoTextUpdate || lpszText == NULL)
        return;
    CString strText = lpszText;
    int iTab = strText.Find(_T('\t'));
    if (iTab >= 0)
        strText = strText.Left(iTab);
    CORXToolbarButton* pButton = pBar->GetButton(m_nIndex);
    if (pButton != NULL && pButton->m_strText != strText)
    {
        pButton->m_strText = strText;
        pBar->AdjustLayout();
    }
}

CWnd* CORXToolBar::GetCommandTarget() const
{
    CWnd* pTarget = GetOwner();
    if (pTarget == NULL)
        pTarget = GetParent();
    if (pTarget != NULL && (!m_bFrameTarget || pTarget->IsFrameWnd()))
        return pTarget;
    return GetParentFrame();
}

void CORXToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    CORXToolCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = (UINT)GetCount();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex++)
    {
        CORXToolbarButton* pButton = GetButton(state.m_nIndex);
        if (pButton == NULL || (pButton->m_nStyle & TBBS_SEPARATOR))
            continue;
        UINT nID = pButton->m_nID;
        if (nID == 0 || (nID >= 0xF000 && nID <= 0xF1EF) || nID >= 0xFF00)
            continue;
        state.m_nID = nID;
        BOOL bDisable = bDisableIfNoHndler;
        if (CORXServices::Find<CORXUserToolsLink>() != NULL &&
            CORXServices::Find<CORXUserToolsLink>()->IsUserToolCmd(nID))
            bDisable = FALSE;
        state.DoUpdate(pTarget, bDisable);
    }
    UpdateDialogControls(pTarget, bDisableIfNoHndler && m_bUpdateChildControls);
}

void CORXToolBar::UpdateButton(int nIndex)
{
    CORXToolbarButton* pButton = GetButton(nIndex);
    if (pButton == NULL || (pButton->m_nStyle & TBBS_SEPARATOR))
        return;
    UINT nID = pButton->m_nID;
    if (nID == 0 || (nID >= 0xF000 && nID <= 0xF1EF))
        return;
    CWnd* pTarget = GetCommandTarget();
    if (pTarget == NULL)
        return;
    CORXToolCmdUI state;
    state.m_pOther = this;
    state.m_nIndex = (UINT)nIndex;
    state.m_nIndexMax = (UINT)GetCount();
    state.m_nID = nID;
    BOOL bDisable = !(CORXServices::Find<CORXUserToolsLink>() != NULL &&
                      CORXServices::Find<CORXUserToolsLink>()->IsUserToolCmd(nID));
    state.DoUpdate(pTarget, bDisable);
}

/////////////////////////////////////////////////////////////////////////////
// Saved state and resources

// The bar's archive image and its registry state are in ORXToolBarState.cpp.

void CORXToolBar::ResetAllButtons()
{
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL;)
        ((CORXToolbarButton*)m_Buttons.GetNext(pos))->ResetImageToDefault();
    if (IsFloating())
        AdjustLayout();
}

BOOL CORXToolBar::OnSetDefaultButtonText(CORXToolbarButton* pButton)
{
    if (pButton == NULL || pButton->m_nID == 0 || pButton->m_nID == (UINT)-1)
        return FALSE;
    CString strMessage;
    if (!strMessage.LoadString(pButton->m_nID))
        return FALSE;
    int iNewLine = strMessage.Find(_T('\n'));
    if (iNewLine < 0)
        return FALSE;
    CString strText = strMessage.Mid(iNewLine + 1);
    if (strText.IsEmpty())
        return FALSE;
    pButton->m_strText = strText;
    return TRUE;
}

void CORXToolBar::OnGlobalFontsChanged()
{
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL;)
        ((CORXToolbarButton*)m_Buttons.GetNext(pos))->OnGlobalFontsChanged();
}

void CORXToolBar::OnCustomizeMode(BOOL bSet)
{
    m_iButtonCapture = -1;
    m_iHighlighted = -1;
    m_iSelected = -1;
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL;)
    {
        CORXToolbarButton* pButton = (CORXToolbarButton*)m_Buttons.GetNext(pos);
        pButton->OnCancelMode();
        if (!(pButton->m_nStyle & TBBS_DISABLED))
            pButton->EnableWindow(!bSet);
    }
}

void CORXToolBar::SetCustomizeMode(BOOL bSet)
{
    if (m_bCustomizeMode == bSet)
        return;
    for (BOOL bRestart = TRUE; bRestart;)
    {
        bRestart = FALSE;
        INT_PTR nCount = gAllToolbars.GetCount();
        for (POSITION pos = gAllToolbars.GetHeadPosition(); pos != NULL;)
        {
            CORXToolBar* pBar = (CORXToolBar*)gAllToolbars.GetNext(pos);
            if (pBar->GetSafeHwnd() != NULL)
                pBar->OnCustomizeMode(bSet);
            if (gAllToolbars.GetCount() != nCount)
            {
                bRestart = TRUE;
                break;
            }
        }
    }
    m_bCustomizeMode = bSet;
    for (POSITION pos = gAllToolbars.GetHeadPosition(); pos != NULL;)
    {
        CORXToolBar* pBar = (CORXToolBar*)gAllToolbars.GetNext(pos);
        if (pBar->GetSafeHwnd() == NULL)
            continue;
        if (pBar->m_pCustomizeBtn != NULL)
            pBar->AdjustLayout();
        pBar->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
    }
    if (!bSet)
        m_pSelToolbar = NULL;
}
