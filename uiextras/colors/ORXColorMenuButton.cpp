// The colour menu button, its pop-up and the dialog's colour button: what each stores, how the
// pop-up is made and torn off, and how the chosen colour reaches every button of a command.
#include "ORXColorMenuButton.h"

#include <afxpriv.h>

#include "ORXColorDialog.h"
#include "ORXExtrasHooks.h"
#include "ORXGlobalData.h"
#include "ORXMenuBar.h"
#include "ORXToolBar.h"
#include "ORXVisualManager.h"
#include "ORXWorkspaceBase.h"

IMPLEMENT_SERIAL(CORXColorMenuButton, CORXToolbarMenuButton, VERSIONABLE_SCHEMA | 1)
IMPLEMENT_DYNAMIC(CColorPopup, CORXPopupMenu)
IMPLEMENT_DYNAMIC(CORXColorButton, CORXButton)

UINT ORX_WM_TOOLBAR_GETDOCUMENTCOLORS = ::RegisterWindowMessageA("ORXTOOLBAR__GETDOCUMENTCOLORS");

namespace
{
const COLORREF kNoColor = (COLORREF)-1;
const UINT kDisabledStyle = 0x40000;
const int kStripHeight = 5;
const int kMaxStoredColors = 4096;
// Columns and docked counts: -1 or 0 lets the bar choose; a grid never needs more than there are colours.
const int kMinStoredGrid = -1;

BOOL IsStoredFlag(BOOL b)
{
    return b == FALSE || b == TRUE;
}

BOOL IsStoredGrid(int n)
{
    return n >= kMinStoredGrid && n <= kMaxStoredColors;
}

// The store of colours by command is there from the program's start.
struct CommandColorsInit
{
    CommandColorsInit()
    {
        COLORREF color;
        CORXCommandColors::Lookup(0, color);
    }
} g_commandColorsInit;

// The drop-down arrow of a tool-bar button, as the core draws it.
const int kArrowGlyph = 9;

CFrameWnd* FrameOf(CWnd* pWnd)
{
    if (CFrameWnd* pInPlace = ORXInPlaceFrame())
        return pInPlace;
    return pWnd != NULL ? pWnd->GetTopLevelFrame() : NULL;
}
} // namespace

/////////////////////////////////////////////////////////////////////////////
// CORXCommandColors

CMap<UINT, UINT, COLORREF, COLORREF>& CORXCommandColors::Map()
{
    static CMap<UINT, UINT, COLORREF, COLORREF> s_map;
    static BOOL s_bInit = FALSE;
    if (!s_bInit)
    {
        s_map.InitHashTable(17);
        s_bInit = TRUE;
    }
    return s_map;
}

BOOL CORXCommandColors::Lookup(UINT uiCmdID, COLORREF& color)
{
    return Map().Lookup(uiCmdID, color);
}

void CORXCommandColors::Store(UINT uiCmdID, COLORREF color)
{
    Map().SetAt(uiCmdID, color);
}

void CORXCommandColors::Spread(UINT uiCmdID, COLORREF color, const CORXColorMenuButton* pExcept, BOOL bBars)
{
    Store(uiCmdID, color);
    CObList listButtons;
    if (CORXToolBar::GetCommandButtons(uiCmdID, listButtons) > 0)
    {
        for (POSITION pos = listButtons.GetHeadPosition(); pos != NULL;)
        {
            CORXColorMenuButton* pOther = DYNAMIC_DOWNCAST(CORXColorMenuButton, listButtons.GetNext(pos));
            if (pOther != NULL && pOther != pExcept)
                pOther->SetColor(color, FALSE);
        }
    }
    if (!bBars)
        return;
    const CObList& listBars = CORXToolBar::GetAllToolbars();
    for (POSITION pos = listBars.GetHeadPosition(); pos != NULL;)
    {
        CORXColorBar* pBar = DYNAMIC_DOWNCAST(CORXColorBar, listBars.GetNext(pos));
        if (pBar != NULL && pBar->GetCommandID() == uiCmdID)
            pBar->SetColor(color);
    }
}

/////////////////////////////////////////////////////////////////////////////
// CORXColorMenuButton

CORXColorMenuButton::CORXColorMenuButton()
{
    Initialize();
}

CORXColorMenuButton::CORXColorMenuButton(UINT uiCmdID, LPCTSTR lpszText, CPalette* pPalette)
    : CORXToolbarMenuButton(uiCmdID, NULL, CORXToolBar::GetDefaultImage(uiCmdID), lpszText)
{
    Initialize();
    CORXColorBar::InitColors(pPalette, m_Colors);
    m_bDrawDownArrow = TRUE;
    COLORREF color = kNoColor;
    if (CORXCommandColors::Lookup(uiCmdID, color))
        m_Color = color;
}

CORXColorMenuButton::~CORXColorMenuButton() {}

void CORXColorMenuButton::Initialize()
{
    m_Color = kNoColor;
    m_colorAutomatic = 0;
    m_nColumns = -1;
    m_nVertDockColumns = -1;
    m_nHorzDockRows = -1;
    m_bIsAutomaticButton = FALSE;
    m_bIsOtherButton = FALSE;
    m_bIsDocumentColors = FALSE;
    m_bStdColorDlg = FALSE;
    m_bLastClickJudged = FALSE;
}

COLORREF CORXColorMenuButton::GetColorByCmdID(UINT uiCmdID)
{
    COLORREF color = kNoColor;
    CORXCommandColors::Lookup(uiCmdID, color);
    return color;
}

void CORXColorMenuButton::EnableAutomaticButton(LPCTSTR lpszLabel, COLORREF colorAutomatic, BOOL bEnable)
{
    m_bIsAutomaticButton = bEnable;
    if (bEnable)
    {
        m_strAutomaticButtonLabel = lpszLabel;
        m_colorAutomatic = colorAutomatic;
    }
}

void CORXColorMenuButton::EnableOtherButton(LPCTSTR lpszLabel, BOOL bAltColorDlg, BOOL bEnable)
{
    m_bIsOtherButton = bEnable;
    if (bEnable)
    {
        m_strOtherButtonLabel = lpszLabel;
        m_bStdColorDlg = !bAltColorDlg;
    }
}

void CORXColorMenuButton::EnableDocumentColors(LPCTSTR lpszLabel, BOOL bEnable)
{
    m_bIsDocumentColors = bEnable;
    if (bEnable)
        m_strDocumentColorsLabel = lpszLabel;
}

void CORXColorMenuButton::CopyFrom(const CORXToolbarButton& s)
{
    CORXToolbarMenuButton::CopyFrom(s);
    const CORXColorMenuButton& src = (const CORXColorMenuButton&)s;
    m_Color = src.m_Color;
    CORXCommandColors::Store(m_nID, m_Color);
    m_Colors.Copy(src.m_Colors);
    m_bIsAutomaticButton = src.m_bIsAutomaticButton;
    m_bIsOtherButton = src.m_bIsOtherButton;
    m_bIsDocumentColors = src.m_bIsDocumentColors;
    m_colorAutomatic = src.m_colorAutomatic;
    m_strAutomaticButtonLabel = src.m_strAutomaticButtonLabel;
    m_strOtherButtonLabel = src.m_strOtherButtonLabel;
    m_strDocumentColorsLabel = src.m_strDocumentColorsLabel;
    m_nColumns = src.m_nColumns;
    m_nVertDockColumns = src.m_nVertDockColumns;
    m_nHorzDockRows = src.m_nHorzDockRows;
    m_bStdColorDlg = src.m_bStdColorDlg;
}

void CORXColorMenuButton::Serialize(CArchive& ar)
{
    CORXToolbarMenuButton::Serialize(ar);
    if (ar.IsLoading())
    {
        // Nothing of the button's own is taken before its whole part of the record is read and
        // checked: a refused record leaves the button's colours and labels as they were.
        int nCount = 0;
        ar >> nCount;
        // The count is checked before anything is allocated for it.
        if (nCount < 0 || nCount > kMaxStoredColors)
            AfxThrowArchiveException(CArchiveException::badIndex);
        CArray<COLORREF, COLORREF> colors;
        colors.SetSize(nCount);
        for (int i = 0; i < nCount; i++)
        {
            DWORD dwColor = 0;
            ar >> dwColor;
            colors[i] = dwColor;
        }
        int nColumns = -1, nHorzDockRows = -1, nVertDockColumns = -1;
        ar >> nColumns;
        if (HasDockedCounts())
            ar >> nHorzDockRows >> nVertDockColumns;
        BOOL bIsAutomaticButton = FALSE, bIsOtherButton = FALSE, bIsDocumentColors = FALSE;
        ar >> bIsAutomaticButton >> bIsOtherButton >> bIsDocumentColors;
        CString strAutomaticLabel, strOtherLabel, strDocumentLabel;
        ar >> strAutomaticLabel >> strOtherLabel >> strDocumentLabel;
        DWORD dwAutomatic = 0;
        BOOL bStdColorDlg = FALSE;
        ar >> dwAutomatic >> bStdColorDlg;
        // The counts go to the pop-up's colour bar, which takes no others.
        if (!IsStoredGrid(nColumns) || !IsStoredGrid(nHorzDockRows) || !IsStoredGrid(nVertDockColumns) ||
            !IsStoredFlag(bIsAutomaticButton) || !IsStoredFlag(bIsOtherButton) ||
            !IsStoredFlag(bIsDocumentColors) || !IsStoredFlag(bStdColorDlg))
            AfxThrowArchiveException(CArchiveException::badIndex);

        m_Colors.Copy(colors);
        m_nColumns = nColumns;
        m_nHorzDockRows = nHorzDockRows;
        m_nVertDockColumns = nVertDockColumns;
        m_bIsAutomaticButton = bIsAutomaticButton;
        m_bIsOtherButton = bIsOtherButton;
        m_bIsDocumentColors = bIsDocumentColors;
        m_strAutomaticButtonLabel = strAutomaticLabel;
        m_strOtherButtonLabel = strOtherLabel;
        m_strDocumentColorsLabel = strDocumentLabel;
        m_colorAutomatic = dwAutomatic;
        m_bStdColorDlg = bStdColorDlg;

        // The colour the buttons of this command show now.
        CObList listButtons;
        if (CORXToolBar::GetCommandButtons(m_nID, listButtons) > 0)
        {
            for (POSITION pos = listButtons.GetHeadPosition(); pos != NULL;)
            {
                CORXColorMenuButton* pOther = DYNAMIC_DOWNCAST(CORXColorMenuButton, listButtons.GetNext(pos));
                if (pOther != NULL && pOther != this && pOther->m_Color != kNoColor)
                    m_Color = pOther->m_Color;
            }
        }
    }
    else
    {
        ar << (int)m_Colors.GetSize();
        for (int i = 0; i < m_Colors.GetSize(); i++)
            ar << (DWORD)m_Colors[i];
        ar << m_nColumns;
        if (HasDockedCounts())
            ar << m_nHorzDockRows << m_nVertDockColumns;
        ar << m_bIsAutomaticButton << m_bIsOtherButton << m_bIsDocumentColors;
        ar << m_strAutomaticButtonLabel << m_strOtherButtonLabel << m_strDocumentColorsLabel;
        ar << (DWORD)m_colorAutomatic << m_bStdColorDlg;
    }
}

BOOL CORXColorMenuButton::HasDockedCounts()
{
    // Written and read under the same rule as the menu button's own tear-off id, so that a record
    // reads back whatever workspace stored it. A workspace that has loaded nothing yet (version
    // unknown) writes the current form, which is what its next load expects: leaving the counts out
    // there would have that load misread the rest of the record.
    return CORXWorkspaceBase::GetInstance() != NULL && ORXSavedVersionAtLeast(4, 71);
}

void CORXColorMenuButton::OnChangeParentWnd(CWnd* pWndParent)
{
    CORXToolbarButton::OnChangeParentWnd(pWndParent);
    m_bDrawDownArrow = TRUE;
    m_pWndParent = pWndParent;
    m_bMenuMode = FALSE;
    if (pWndParent == NULL)
        return;
    if (pWndParent->IsKindOf(RUNTIME_CLASS(CORXPopupMenuBar)))
    {
        m_bMenuMode = TRUE;
        m_bText = TRUE;
    }
    else if (pWndParent->IsKindOf(RUNTIME_CLASS(CORXMenuBar)))
        m_bText = TRUE;
}

BOOL CORXColorMenuButton::OnClick(CWnd* pWnd, BOOL bDelay)
{
    // The same cases in which the base tests the click against the arrow part. Noted before the
    // click runs: what it runs may rebuild the bar, and this button with it.
    m_bLastClickJudged =
        m_bDrawDownArrow && !m_bMenuMode && !bDelay && m_nID != 0 && m_nID != (UINT)-1 && pWnd != NULL;
    return CORXToolbarMenuButton::OnClick(pWnd, bDelay);
}

int CORXColorMenuButton::OnDrawOnCustomizeList(CDC* pDC, const CRect& rect, BOOL bSelected)
{
    UINT nID = m_nID;
    m_nID = 0; // the customise list shows the button without the command's image
    int nWidth = CORXToolbarMenuButton::OnDrawOnCustomizeList(pDC, rect, bSelected);
    m_nID = nID;
    return nWidth;
}

void CORXColorMenuButton::SetColor(COLORREF clr, BOOL bNotify)
{
    m_Color = clr;
    CORXCommandColors::Store(m_nID, m_Color);
    if (m_pWndParent != NULL && m_pWndParent->GetSafeHwnd() != NULL)
        m_pWndParent->InvalidateRect(m_rect);
    if (bNotify)
        CORXCommandColors::Spread(m_nID, clr, this, TRUE);
}

BOOL CORXColorMenuButton::OpenColorDialog(const COLORREF colorDefault, COLORREF& colorRes)
{
    return ORXRunColorDialog(m_bStdColorDlg, colorDefault, colorRes);
}

BOOL CORXColorMenuButton::ChooseOtherColor(CORXColorBar*, COLORREF colorInitial, COLORREF& colorRes)
{
    return OpenColorDialog(colorInitial, colorRes);
}

void CORXColorMenuButton::OnColorChosen(CORXColorBar* pBar, COLORREF color)
{
    SetColor(color, TRUE);
    pBar->InvokeMenuCommand(m_nID, this);
}

void CORXColorMenuButton::OnColorCancelled(CORXColorBar* pBar)
{
    pBar->InvokeMenuCommand(0, this);
}

CORXPopupMenu* CORXColorMenuButton::CreatePopupMenu()
{
    CList<COLORREF, COLORREF> lstDocColors(10);
    if (m_bIsDocumentColors && m_pWndParent != NULL && m_pWndParent->GetSafeHwnd() != NULL)
    {
        CFrameWnd* pFrame = FrameOf(m_pWndParent);
        if (pFrame != NULL)
            pFrame->SendMessage(ORX_WM_TOOLBAR_GETDOCUMENTCOLORS, m_nID, (LPARAM)&lstDocColors);
    }
    CColorPopup* pPopup =
        new CColorPopup(m_Colors, m_Color, m_bIsAutomaticButton ? (LPCTSTR)m_strAutomaticButtonLabel : NULL,
                        m_bIsOtherButton ? (LPCTSTR)m_strOtherButtonLabel : NULL,
                        m_bIsDocumentColors ? (LPCTSTR)m_strDocumentColorsLabel : NULL, lstDocColors,
                        m_nColumns, m_nHorzDockRows, m_nVertDockColumns, m_colorAutomatic, m_nID, NULL);
    pPopup->m_bEnabledInCustomizeMode = FALSE;
    return pPopup;
}

void CORXColorMenuButton::OnDraw(CDC* pDC, const CRect& rect, CORXToolbarImageList* pImages, BOOL bHorz,
                                 BOOL bCustomizeMode, BOOL bHighlight, BOOL bDrawBorder,
                                 BOOL bGrayDisabledButtons)
{
    CORXToolbarMenuButton::OnDraw(pDC, rect, pImages, bHorz, bCustomizeMode, bHighlight, bDrawBorder,
                                  bGrayDisabledButtons);
    if (!m_bImage || GetImage() < 0 || pImages == NULL)
        return;

    CPalette* pOldPalette = NULL;
    if (globalData.m_nBitsPerPixel == 8)
    {
        if (m_Palette.GetSafeHandle() == NULL)
            CORXColorBar::CreatePalette(m_Colors, m_Palette);
        pOldPalette = pDC->SelectPalette(&m_Palette, FALSE);
        pDC->RealizePalette();
    }
    else if (m_Palette.GetSafeHandle() != NULL)
        m_Palette.DeleteObject();

    CORXVisualManager* pLook = CORXVisualManager::GetInstance();
    CSize sizeImage = CORXToolBar::GetMenuImageSize();
    CRect rectButton = rect;
    if (m_bExtraSize)
    {
        CSize sizeExtra = pLook->GetButtonExtraBorder();
        rectButton.DeflateRect(sizeExtra.cx / 2 + 1, sizeExtra.cy / 2 + 1);
    }
    CRect rectStrip;
    if (m_bMenuMode)
    {
        int x = rectButton.left + pLook->GetMenuImageMargin() + 1;
        rectStrip = CRect(x, rectButton.bottom - 7, x + sizeImage.cx, rectButton.bottom - 2);
    }
    else
    {
        CRect rectSpace = rectButton;
        if (m_bDrawDownArrow && bHorz)
            rectSpace.right -= 4 + kArrowGlyph * (CORXToolBar::IsLargeIcons() ? 2 : 1);
        CSize sizeBarImage = pImages->GetImageSize();
        int nTop = rectSpace.top + sizeBarImage.cy - 1;
        rectStrip = CRect(rectSpace.left + 4, nTop, rectSpace.right - 4, nTop + kStripHeight);
        if (!bHorz)
            rectStrip.OffsetRect(0, 1);
        // The strip moves with a pushed face in the raised look, except when the last click was on
        // the button part, which runs the command and leaves the face where it is. A face checked
        // by its command's state, or opened with no click judged, moves it.
        if (((m_nStyle & (TBBS_PRESSED | TBBS_CHECKED)) || IsDroppedDown()) && !pLook->IsFlatLook() &&
            !LastClickHitButtonPart())
            rectStrip.OffsetRect(1, 1);
    }

    if (bHighlight && !bCustomizeMode && pLook->IsShadowHighlightedImage() && !(m_nStyle & 0x70000))
    {
        pDC->FillSolidRect(rectStrip, globalData.clrBtnShadow);
        rectStrip.OffsetRect(-1, -1);
    }
    COLORREF color = (m_nStyle & kDisabledStyle) ? globalData.clrBtnShadow
                                                 : (m_Color == kNoColor ? m_colorAutomatic : m_Color);
    CBrush br(PALETTERGB(GetRValue(color), GetGValue(color), GetBValue(color)));
    pDC->FillRect(rectStrip, &br);
    if (pLook->IsFlatLook())
    {
        if (color == globalData.clrBtnFace)
            pDC->Draw3dRect(rectStrip, globalData.clrBtnDkShadow, globalData.clrBtnDkShadow);
    }
    else
        pDC->Draw3dRect(rectStrip, globalData.clrBtnShadow, globalData.clrBtnLight);

    if (pOldPalette != NULL)
        pDC->SelectPalette(pOldPalette, FALSE);
}

/////////////////////////////////////////////////////////////////////////////
// CColorPopup

BEGIN_MESSAGE_MAP(CColorPopup, CORXPopupMenu)
ON_WM_CREATE()
END_MESSAGE_MAP()

CColorPopup::CColorPopup(const CArray<COLORREF, COLORREF>& colors, COLORREF color, LPCTSTR lpszAutoColor,
                         LPCTSTR lpszOtherColor, LPCTSTR lpszDocColors,
                         CList<COLORREF, COLORREF>& lstDocColors, int nColumns, int nHorzDockRows,
                         int nVertDockColumns, COLORREF colorAutomatic, UINT uiCommandID,
                         CORXColorButton* pParentBtn)
    : m_wndColorBar(colors, color, lpszAutoColor, lpszOtherColor, lpszDocColors, lstDocColors, nColumns,
                    nHorzDockRows, nVertDockColumns, colorAutomatic, uiCommandID, pParentBtn),
      m_bEnabledInCustomizeMode(FALSE)
{
}

CColorPopup::~CColorPopup() {}

int CColorPopup::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CORXToolBar::IsCustomizeMode() && !m_bEnabledInCustomizeMode)
        return -1;
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    DWORD dwStyle =
        WS_CHILD | WS_VISIBLE | CBRS_GRIPPER | CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM | CBRS_HIDE_INPLACE;
    if (GetAnimationType() != NO_ANIMATION && !CORXToolBar::IsCustomizeMode())
        dwStyle &= ~WS_VISIBLE;
    dwStyle = (dwStyle & ~0xFF) | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_HIDE_INPLACE;
    if (!m_wndColorBar.Create(this, dwStyle, 1))
        return -1;
    m_wndColorBar.SetOwner(GetParent() != NULL ? GetParent() : m_pMessageWnd);
    m_wndColorBar.SetBarStyle(m_wndColorBar.GetBarStyle() | CBRS_TOOLTIPS);
    CFrameWnd* pFrame = FrameOf(GetParent());
    if (!OnShowPopup(pFrame, this))
        return -1;
    RecalcLayout(TRUE);
    return 0;
}

CORXToolBar* CColorPopup::CreateTearOffBar(CFrameWnd* pWndMain, UINT uiID, LPCTSTR lpszName)
{
    CORXColorMenuButton* pButton = DYNAMIC_DOWNCAST(CORXColorMenuButton, GetParentButton());
    if (pButton == NULL || pWndMain == NULL)
        return NULL;
    CORXColorBar* pBar = new CORXColorBar(m_wndColorBar, pButton->m_nID);
    if (!pBar->Create(pWndMain,
                      WS_CHILD | WS_VISIBLE | CBRS_GRIPPER | CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM |
                          CBRS_HIDE_INPLACE,
                      uiID))
    {
        delete pBar;
        return NULL;
    }
    pBar->SetWindowText(lpszName);
    pBar->SetBarStyle(pBar->GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY);
    pBar->EnableDocking(CBRS_ALIGN_ANY);
    return pBar;
}

/////////////////////////////////////////////////////////////////////////////
// CORXColorButton

BEGIN_MESSAGE_MAP(CORXColorButton, CORXButton)
ON_WM_KEYDOWN()
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_GETDLGCODE()
ON_WM_SYSCOLORCHANGE()
END_MESSAGE_MAP()

CORXColorButton::CORXColorButton()
    : m_Color(RGB(0, 0, 0)), m_ColorAutomatic(kNoColor), m_nColumns(-1), m_pPopup(NULL), m_bAltColorDlg(TRUE),
      m_pPalette(NULL)
{
    CORXColorBar::InitColors(NULL, m_Colors);
}

CORXColorButton::~CORXColorButton()
{
    delete m_pPalette;
}

void CORXColorButton::EnableAutomaticButton(LPCTSTR lpszLabel, COLORREF colorAutomatic, BOOL bEnable)
{
    m_strAutoColorText = bEnable && lpszLabel != NULL ? lpszLabel : _T("");
    m_ColorAutomatic = colorAutomatic;
}

void CORXColorButton::EnableOtherButton(LPCTSTR lpszLabel, BOOL bAltColorDlg, BOOL bEnable)
{
    m_strOtherText = bEnable && lpszLabel != NULL ? lpszLabel : _T("");
    m_bAltColorDlg = bAltColorDlg;
}

void CORXColorButton::SetColor(COLORREF color)
{
    m_Color = color;
    if (GetSafeHwnd() != NULL)
    {
        Invalidate();
        UpdateWindow();
    }
}

void CORXColorButton::UpdateColor(COLORREF color)
{
    SetColor(color);
    CWnd* pParent = GetParent();
    if (pParent != NULL)
        pParent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), BN_CLICKED), (LPARAM)m_hWnd);
}

void CORXColorButton::OnColorBarCreated(CORXColorBar*)
{
    m_bPushed = FALSE;
}

void CORXColorButton::OnColorChosen(CORXColorBar*, COLORREF color)
{
    UpdateColor(color);
}

void CORXColorButton::OnColorBarClosed(CORXColorBar*)
{
    m_pPopup = NULL;
    if (GetSafeHwnd() != NULL)
        SetFocus();
}

void CORXColorButton::SetPalette(CPalette* pPalette)
{
    RebuildPalette(pPalette);
    if (pPalette != NULL)
        CORXColorBar::InitColors(pPalette, m_Colors);
}

void CORXColorButton::RebuildPalette(CPalette* pPal)
{
    delete m_pPalette;
    m_pPalette = new CPalette;
    CByteArray buffer;
    if (pPal != NULL)
    {
        int nCount = pPal->GetEntryCount();
        buffer.SetSize(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY) * (nCount > 0 ? nCount : 1));
        LOGPALETTE* pLog = (LOGPALETTE*)buffer.GetData();
        pLog->palVersion = 0x300;
        pLog->palNumEntries = (WORD)nCount;
        pPal->GetPaletteEntries(0, nCount, pLog->palPalEntry);
        m_pPalette->CreatePalette(pLog);
        return;
    }
    buffer.SetSize(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY) * 256);
    LOGPALETTE* pLog = (LOGPALETTE*)buffer.GetData();
    pLog->palVersion = 0x300;
    pLog->palNumEntries = 256;
    HDC hdc = ::GetDC(m_hWnd);
    // Without a palette display the system palette reads as zeros: the palette stays empty and the
    // pop-up draws with its own.
    const BOOL bSystem = ORXIsPaletteDisplay(hdc);
    if (bSystem)
        ::GetSystemPaletteEntries(hdc, 0, 256, pLog->palPalEntry);
    ::ReleaseDC(m_hWnd, hdc);
    if (bSystem)
        m_pPalette->CreatePalette(pLog);
}

void CORXColorButton::ShowColorPopup()
{
    if (m_pPopup != NULL)
    {
        m_pPopup->SendMessage(WM_CLOSE);
        m_pPopup = NULL;
        return;
    }
    CList<COLORREF, COLORREF> lstDocColors;
    m_pPopup =
        new CColorPopup(m_Colors, m_Color, m_strAutoColorText.IsEmpty() ? NULL : (LPCTSTR)m_strAutoColorText,
                        m_strOtherText.IsEmpty() ? NULL : (LPCTSTR)m_strOtherText, NULL, lstDocColors,
                        m_nColumns, 0, 0, m_ColorAutomatic, GetDlgCtrlID(), this);
    CRect rectWindow;
    GetWindowRect(rectWindow);
    if (!m_pPopup->Create(this, rectWindow.left, rectWindow.bottom, NULL, FALSE, TRUE))
    {
        delete m_pPopup;
        m_pPopup = NULL;
        return;
    }
    m_pPopup->GetColorBar().SetFocus();
}

void CORXColorButton::OnDraw(CDC* pDC, const CRect& rect, UINT uiState)
{
    CRect rectColor = rect;
    rectColor.DeflateRect(4, 4);
    rectColor.right -= kArrowGlyph + 4;
    COLORREF color = m_Color == kNoColor ? m_ColorAutomatic : m_Color;
    CPalette* pOld = NULL;
    if (m_pPalette != NULL && m_pPalette->GetSafeHandle() != NULL && globalData.m_nBitsPerPixel == 8)
    {
        pOld = pDC->SelectPalette(m_pPalette, FALSE);
        pDC->RealizePalette();
    }
    if (!IsWindowEnabled())
        pDC->Draw3dRect(rectColor, globalData.clrBtnHilite, globalData.clrBtnShadow);
    else if (color != kNoColor)
    {
        CBrush br(PALETTERGB(GetRValue(color), GetGValue(color), GetBValue(color)));
        pDC->FillRect(rectColor, &br);
        pDC->Draw3dRect(rectColor, globalData.clrBtnShadow, globalData.clrBtnShadow);
    }
    // The arrow: a small triangle pointing down.
    int xArrow = rect.right - 4 - kArrowGlyph / 2 - 2;
    int yArrow = rect.CenterPoint().y - 1;
    for (int i = 0; i < 4; i++)
        pDC->FillSolidRect(xArrow - 3 + i, yArrow + i, 7 - 2 * i, 1,
                           IsWindowEnabled() ? globalData.clrBtnText : globalData.clrGrayedText);
    if (pOld != NULL)
        pDC->SelectPalette(pOld, FALSE);
}

void CORXColorButton::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_SPACE || nChar == VK_DOWN)
    {
        ShowColorPopup();
        return;
    }
    CButton::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CORXColorButton::OnLButtonDown(UINT, CPoint)
{
    SetFocus();
    ShowColorPopup();
}

void CORXColorButton::OnMouseMove(UINT nFlags, CPoint point)
{
    if (globalData.m_bUseXPTheme && CORXVisualManager::GetInstance()->IsThemedLook())
    {
        int nFlatStyle = m_nFlatStyle;
        m_nFlatStyle = 2;
        CORXButton::OnMouseMove(nFlags, point);
        m_nFlatStyle = nFlatStyle;
        return;
    }
    CORXButton::OnMouseMove(nFlags, point);
}

UINT CORXColorButton::OnGetDlgCode()
{
    return DLGC_WANTARROWS;
}

void CORXColorButton::OnSysColorChange()
{
    CButton::OnSysColorChange();
    RebuildPalette(NULL);
    Invalidate();
    UpdateWindow();
}
