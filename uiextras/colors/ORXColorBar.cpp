// The colour bar: its cells, the grid arithmetic, the layout of cells and wide buttons, choosing a
// colour in each of its placements, and storing its settings.
#include "ORXColorBar.h"

#include <afxpriv.h>
#include <math.h>

#include "ORXColorDialog.h"
#include "ORXColorMenuButton.h"
#include "ORXExtrasHooks.h"
#include "ORXGlobalData.h"
#include "ORXRegistry.h"
#include "ORXVisualManager.h"

IMPLEMENT_SERIAL(CColorButton, CORXToolbarButton, 1)
IMPLEMENT_SERIAL(CORXColorBar, CORXPopupMenuBar, 1)

CMap<COLORREF, COLORREF, CString, LPCTSTR> CORXColorBar::m_ColorNames;

namespace
{
const COLORREF kNoColor = (COLORREF)-1;
const UINT kDisabledStyle = 0x40000;
const int kMargin = 4;
// No more colours than this are put in the bar's palette.
const int kMaxPaletteColors = 100;
// A bar too small to show one cell still gets cells of a pixel: its layout never divides by nothing.
const int kMinCell = 1;
// The most colours an archive may give a bar.
const int kMaxStoredColors = 4096;
// Columns and rows: -1 or 0 lets the bar choose; a grid never needs more than there are colours.
const int kMinStoredGrid = -1;
// The bar whose own stored record is being read: only then must the record end with its value.
const CORXColorBar* s_pLoadingRecord = NULL;

BOOL IsStoredFlag(BOOL b)
{
    return b == FALSE || b == TRUE;
}

BOOL IsStoredGrid(int n)
{
    return n >= kMinStoredGrid && n <= kMaxStoredColors;
}

struct ColorNameTableInit
{
    ColorNameTableInit() { CORXColorBar::GetColorNames().InitHashTable(17); }
} g_colorNameTableInit;

// The command-UI object that only records what the handler asked.
class CColorCmdUI : public CCmdUI
{
public:
    CColorCmdUI() : m_bEnabled(TRUE), m_bEnableCalled(FALSE) {}
    virtual void Enable(BOOL bOn)
    {
        m_bEnabled = bOn;
        m_bEnableCalled = TRUE;
    }
    virtual void SetCheck(int) {}
    virtual void SetRadio(BOOL) {}
    virtual void SetText(LPCTSTR) {}
    BOOL m_bEnabled;
    BOOL m_bEnableCalled;
};

CFrameWnd* FrameOf(CWnd* pWnd)
{
    if (CFrameWnd* pInPlace = ORXInPlaceFrame())
        return pInPlace;
    return pWnd != NULL ? pWnd->GetTopLevelFrame() : NULL;
}

void DrawEtched(CDC* pDC, CRect rect)
{
    pDC->Draw3dRect(rect, globalData.clrBtnHilite, globalData.clrBtnShadow);
    rect.OffsetRect(1, 1);
    pDC->Draw3dRect(rect, globalData.clrBtnShadow, globalData.clrBtnHilite);
}
} // namespace

/////////////////////////////////////////////////////////////////////////////
// CColorButton

CColorButton::CColorButton()
    : m_Color(kNoColor), m_bHighlight(FALSE), m_bIsAutomatic(FALSE), m_bIsOther(FALSE), m_bIsLabel(FALSE),
      m_bIsDocument(FALSE), m_bIsOtherColor(FALSE), m_pParentBar(NULL)
{
}

CColorButton::CColorButton(COLORREF color, BOOL bIsAutomatic, BOOL bIsOther, LPCTSTR lpszText, BOOL bIsLabel,
                           BOOL bIsDocument, BOOL bIsOtherColor)
    : m_Color(color), m_bHighlight(FALSE), m_bIsAutomatic(bIsAutomatic), m_bIsOther(bIsOther),
      m_bIsLabel(bIsLabel), m_bIsDocument(bIsDocument), m_bIsOtherColor(bIsOtherColor), m_pParentBar(NULL)
{
    m_bLocked = TRUE;
    m_strText = lpszText != NULL ? lpszText : _T("");
}

void CColorButton::OnChangeParentWnd(CWnd* pWndParent)
{
    CORXToolbarButton::OnChangeParentWnd(pWndParent);
    m_pParentBar = DYNAMIC_DOWNCAST(CORXColorBar, pWndParent);
}

CString CColorButton::GetTipText() const
{
    CString strText = m_strText;
    if (IsPlain())
    {
        if (!CORXColorBar::m_ColorNames.Lookup(m_Color, strText))
            strText.Format(_T("Hex={%02X,%02X,%02X}"), GetRValue(m_Color), GetGValue(m_Color),
                           GetBValue(m_Color));
    }
    return strText;
}

BOOL CColorButton::OnToolHitTest(const CWnd*, TOOLINFO* pTI)
{
    if ((m_nStyle & kDisabledStyle) || !CORXToolBar::m_bShowTooltips || pTI == NULL)
        return FALSE;
    CString strText = GetTipText();
    // The tool-tip record frees its text with free().
    pTI->lpszText = (LPTSTR)::calloc(strText.GetLength() + 1, sizeof(TCHAR));
    if (pTI->lpszText == NULL)
        return FALSE;
    lstrcpy(pTI->lpszText, strText);
    return TRUE;
}

void CColorButton::OnDraw(CDC* pDC, const CRect& rect, CORXToolbarImageList*, BOOL bHorz, BOOL bCustomizeMode,
                          BOOL bHighlight, BOOL bDrawBorder, BOOL)
{
    CPalette* pOldPalette = m_pParentBar != NULL ? m_pParentBar->SelectPalette(pDC) : NULL;
    UINT nStyle = m_nStyle;
    if (m_bHighlight)
        m_nStyle |= TBBS_CHECKED;

    FillInterior(pDC, rect, bHighlight);
    BOOL bDisabled = (m_nStyle & kDisabledStyle) != 0;
    CORXVisualManager* pLook = CORXVisualManager::GetInstance();
    if (!bDisabled && !m_bIsLabel && bDrawBorder && !bCustomizeMode)
    {
        if (m_nStyle & (TBBS_PRESSED | TBBS_CHECKED))
            pLook->OnDrawButtonBorder(pDC, this, rect, CORXVisualManager::ButtonsIsPressed);
        else if (bHighlight && !(m_nStyle & 0x110000))
            pLook->OnDrawButtonBorder(pDC, this, rect, CORXVisualManager::ButtonsIsHighlighted);
    }

    int bx = 2 * ::GetSystemMetrics(SM_CXBORDER);
    int by = 2 * ::GetSystemMetrics(SM_CYBORDER);
    CRect rectFrame = rect;
    rectFrame.DeflateRect(bx, by);
    CRect rectText = rect;

    if (IsPlain())
    {
        if (!bDisabled)
        {
            CBrush br(PALETTERGB(GetRValue(m_Color), GetGValue(m_Color), GetBValue(m_Color)));
            pDC->FillRect(rectFrame, &br);
            pDC->Draw3dRect(rectFrame, globalData.clrBtnShadow, globalData.clrBtnShadow);
        }
        else
            DrawEtched(pDC, rectFrame);
    }
    else if (m_bIsAutomatic)
    {
        if (m_pParentBar != NULL && m_pParentBar->m_ColorAutomatic != kNoColor)
        {
            COLORREF clr = m_pParentBar->m_ColorAutomatic;
            CRect rectBox = rectFrame;
            rectBox.DeflateRect(bx + 1, by + 1);
            rectBox.right = rectBox.left + rectBox.Height();
            if (!bDisabled)
            {
                CBrush br(PALETTERGB(GetRValue(clr), GetGValue(clr), GetBValue(clr)));
                CPen pen(PS_SOLID, 1, globalData.clrBtnShadow);
                CBrush* pOldBrush = pDC->SelectObject(&br);
                CPen* pOldPen = pDC->SelectObject(&pen);
                pDC->Rectangle(rectBox);
                pDC->SelectObject(pOldPen);
                pDC->SelectObject(pOldBrush);
            }
            else
                DrawEtched(pDC, rectBox);
            rectText.left = rectBox.right + bx;
        }
        if (!bDisabled)
            pDC->Draw3dRect(rectFrame, globalData.clrBtnShadow, globalData.clrBtnShadow);
        else
            DrawEtched(pDC, rectFrame);
    }

    if (!IsPlain() && !m_strText.IsEmpty())
    {
        CFont* pOldFont = !bHorz ? pDC->SelectObject(&globalData.fontRegular) : NULL;
        pDC->SetBkMode(TRANSPARENT);
        pDC->SetTextColor(bDisabled && !m_bIsLabel ? globalData.clrGrayedText : globalData.clrBtnText);
        UINT uiFormat = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | (m_bIsLabel ? DT_LEFT : DT_CENTER);
        pDC->DrawText(m_strText, rectText, uiFormat);
        if (pOldFont != NULL)
            pDC->SelectObject(pOldFont);
    }

    m_nStyle = nStyle;
    if (pOldPalette != NULL)
        pDC->SelectPalette(pOldPalette, FALSE);
}

/////////////////////////////////////////////////////////////////////////////
// CORXColorBar: construction

BEGIN_MESSAGE_MAP(CORXColorBar, CORXPopupMenuBar)
ON_WM_CREATE()
ON_WM_NCCALCSIZE()
ON_WM_NCPAINT()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDBLCLK()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_DESTROY()
ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
ON_WM_QUERYNEWPALETTE()
ON_WM_PALETTECHANGED()
END_MESSAGE_MAP()

CORXColorBar::CORXColorBar()
    : m_nNumColumns(0), m_nNumRowsHorz(0), m_nNumColumnsVert(0), m_BoxSize(0, 0), m_nRowHeight(0),
      m_ColorSelected(kNoColor), m_ColorAutomatic(kNoColor), m_lstDocColors(10), m_nCommandID(0),
      m_bStdColorDlg(FALSE), m_bIsTearOff(TRUE), m_bIsEnabled(TRUE), m_bShowDocColorsWhenDocked(FALSE),
      m_pClient(NULL), m_nHorzOffset(0), m_nVertOffset(0), m_bIsActiveInCustomizeMode(FALSE),
      m_nVertMargin(kMargin), m_nHorzMargin(kMargin)
{
    m_bLocked = TRUE;
}

CORXColorBar::CORXColorBar(const CArray<COLORREF, COLORREF>& colors, COLORREF color, LPCTSTR lpszAutoColor,
                           LPCTSTR lpszOtherColor, LPCTSTR lpszDocColors,
                           CList<COLORREF, COLORREF>& lstDocColors, int nColumns, int nRowsDockHorz,
                           int nColDockVert, COLORREF colorAutomatic, UINT nCommandID,
                           CORXColorButton* pParentBtn)
    : m_nNumColumns(nColumns), m_nNumRowsHorz(nRowsDockHorz), m_nNumColumnsVert(nColDockVert),
      m_BoxSize(0, 0), m_nRowHeight(0), m_ColorSelected(color), m_ColorAutomatic(colorAutomatic),
      m_lstDocColors(10), m_nCommandID(nCommandID), m_bStdColorDlg(FALSE), m_bIsTearOff(FALSE),
      m_bIsEnabled(TRUE), m_bShowDocColorsWhenDocked(TRUE), m_pClient(pParentBtn), m_nHorzOffset(0),
      m_nVertOffset(0), m_bIsActiveInCustomizeMode(FALSE), m_nVertMargin(kMargin), m_nHorzMargin(kMargin)
{
    m_colors.Copy(colors);
    m_lstDocColors.AddTail(&lstDocColors);
    SetLabels(lpszAutoColor, lpszOtherColor, lpszDocColors);
    if (pParentBtn != NULL)
        m_bStdColorDlg = !pParentBtn->UsesAltColorDialog();
    m_bLocked = TRUE;
}

CORXColorBar::CORXColorBar(CORXColorBar& src, UINT uiCommandID)
    : m_nNumColumns(src.m_nNumColumns), m_nNumRowsHorz(src.m_nNumRowsHorz),
      m_nNumColumnsVert(src.m_nNumColumnsVert), m_BoxSize(0, 0), m_nRowHeight(0),
      m_ColorSelected(src.m_ColorSelected), m_ColorAutomatic(src.m_ColorAutomatic),
      m_strAutoColor(src.m_strAutoColor), m_strOtherColor(src.m_strOtherColor),
      m_strDocColors(src.m_strDocColors), m_lstDocColors(10), m_nCommandID(uiCommandID),
      m_bStdColorDlg(src.m_bStdColorDlg), m_bIsTearOff(TRUE), m_bIsEnabled(TRUE),
      m_bShowDocColorsWhenDocked(FALSE), m_pClient(NULL), m_nHorzOffset(0), m_nVertOffset(0),
      m_bIsActiveInCustomizeMode(FALSE), m_nVertMargin(kMargin), m_nHorzMargin(kMargin)
{
    m_colors.Copy(src.m_colors);
    m_lstDocColors.AddTail(&src.m_lstDocColors);
    m_bLocked = TRUE;
}

CORXColorBar::~CORXColorBar() {}

int CORXColorBar::InitColors(CPalette* pPalette, CArray<COLORREF, COLORREF>& arColors)
{
    CPalette palDefault;
    if (pPalette == NULL)
    {
        palDefault.Attach((HPALETTE)::GetStockObject(DEFAULT_PALETTE));
        pPalette = &palDefault;
    }
    int nCount = pPalette->GetEntryCount();
    arColors.SetSize(nCount);
    if (nCount > 0)
    {
        CArray<PALETTEENTRY, PALETTEENTRY&> entries;
        entries.SetSize(nCount);
        pPalette->GetPaletteEntries(0, nCount, entries.GetData());
        for (int i = 0; i < nCount; i++)
            arColors[i] = RGB(entries[i].peRed, entries[i].peGreen, entries[i].peBlue);
    }
    if (palDefault.GetSafeHandle() != NULL)
        palDefault.Detach();
    return nCount;
}

BOOL CORXColorBar::IsInToolBar() const
{
    const HWND hWndParent = m_hWnd != NULL ? ::GetParent(m_hWnd) : NULL;
    return m_bIsTearOff && (m_pDockSite != NULL || m_pDockBar != NULL) &&
           DYNAMIC_DOWNCAST(CORXPopupMenu, CWnd::FromHandlePermanent(hWndParent)) == NULL;
}

BOOL CORXColorBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID, CPalette* pPalette, int nColumns,
                          int nRowsDockHorz, int nColDockVert)
{
    if (m_colors.GetSize() == 0)
    {
        m_nNumColumns = nColumns;
        m_nNumRowsHorz = nRowsDockHorz;
        m_nNumColumnsVert = nColDockVert;
        InitColors(pPalette, m_colors);
    }
    return CORXToolBar::Create(pParentWnd, dwStyle, nID);
}

BOOL CORXColorBar::CreateControl(CWnd* pParentWnd, const CRect& rect, UINT nID, int nColumns,
                                 CPalette* pPalette)
{
    EnableLargeIcons(FALSE);
    if (nColumns < 1)
    {
        int n = pPalette != NULL ? pPalette->GetEntryCount() : 20;
        int w = rect.Width() - 2 * m_nHorzMargin;
        int h = rect.Height() - 2 * m_nVertMargin;
        nColumns = -1;
        for (int c = n; c >= 1; c--)
        {
            int s = w / c;
            if (s != 0 && (n / c) * s > h)
            {
                nColumns = c + 1;
                break;
            }
        }
    }
    if (!Create(pParentWnd, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, nID, pPalette, nColumns, 0, 0))
        return FALSE;
    SetBarStyle(GetBarStyle() & ~(CBRS_BORDER_ANY | CBRS_GRIPPER));
    MoveWindow(rect);
    SetControlSizes(TRUE, TRUE);
    SetWindowPos(&wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetOwner(pParentWnd);
    m_nCommandID = nID;
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// Grid arithmetic

void CORXColorBar::SetControlSizes(BOOL bSquareButtons, BOOL bCenter)
{
    CRect rectClient;
    GetClientRect(rectClient);
    // Each search walks one pixel at a time from the current size towards the window's; the cell
    // never goes below a pixel, so a window smaller than the bar's margins ends the walk too.
    for (int nPass = 0; nPass < 2; nPass++)
    {
        BOOL bHeight = nPass == 0;
        int nTarget = bHeight ? rectClient.Height() : rectClient.Width();
        LONG& nCell = bHeight ? m_BoxSize.cy : m_BoxSize.cx;
        if (nCell < kMinCell)
            nCell = kMinCell;
        if (bHeight)
            m_nRowHeight = m_BoxSize.cy * 3 / 2;
        int nSize = bHeight ? CalcSize(TRUE).cy : CalcSize(TRUE).cx;
        int nStep = nSize < nTarget ? 1 : -1;
        while (nSize != nTarget)
        {
            if (nStep > 0 && nSize > nTarget)
            {
                nCell--;
                break;
            }
            if (nStep < 0 && nSize < nTarget)
                break;
            if (nStep < 0 && nCell <= kMinCell)
                break;
            if (nStep > 0 && nCell >= nTarget + 1)
                break;
            nCell += nStep;
            if (bHeight)
                m_nRowHeight = m_BoxSize.cy * 3 / 2;
            nSize = bHeight ? CalcSize(TRUE).cy : CalcSize(TRUE).cx;
        }
    }
    m_BoxSize.cx = std::max((LONG)kMinCell, m_BoxSize.cx - 1);
    m_BoxSize.cy = std::max((LONG)kMinCell, m_BoxSize.cy - 1);
    // Without square cells the wide rows keep the height of the search's last step.
    if (bSquareButtons)
    {
        m_BoxSize.cx = m_BoxSize.cy = std::min(m_BoxSize.cx, m_BoxSize.cy);
        m_nRowHeight = m_BoxSize.cy * 3 / 2;
    }
    if (bCenter)
    {
        CSize size = CalcSize(TRUE);
        m_nHorzOffset = (rectClient.Width() - size.cx) / 2;
        m_nVertOffset = (rectClient.Height() - size.cy) / 2;
    }
    else
        m_nHorzOffset = m_nVertOffset = 0;
    Rebuild();
    AdjustLayout();
}

CSize CORXColorBar::GetColumnsAndRows(BOOL bVert) const
{
    int n = (int)m_colors.GetSize();
    int nColumns = 0;
    int nRows = 0;
    BOOL bDocked = m_bIsTearOff && !IsFloatingBar();
    if (bDocked && !bVert && m_nNumRowsHorz > 0)
    {
        nRows = m_nNumRowsHorz;
        nColumns = n / nRows + (n % nRows != 0 ? 1 : 0);
    }
    else if (bDocked && m_nNumColumnsVert > 0)
        nColumns = m_nNumColumnsVert;
    else
        nColumns = m_nNumColumns >= 1 ? m_nNumColumns : (int)sqrt((double)n) + 1;
    // A horizontal docking without colours gives no column; it counts as one.
    if (nColumns < 1)
        nColumns = 1;
    nRows = n / nColumns + (n % nColumns != 0 ? 1 : 0);
    return CSize(nColumns, nRows);
}

int CORXColorBar::GetExtraHeight(int nNumColumns) const
{
    int nExtra = 0;
    if (!m_strAutoColor.IsEmpty())
        nExtra = m_nRowHeight;
    else if (!m_strOtherColor.IsEmpty())
        nExtra = m_nVertMargin;
    if (!m_strOtherColor.IsEmpty())
        nExtra += m_nRowHeight;
    if (!m_strDocColors.IsEmpty() && !m_lstDocColors.IsEmpty() &&
        (m_bShowDocColorsWhenDocked || IsFloatingBar()))
    {
        int nColumns = nNumColumns >= 1 ? nNumColumns : 1;
        int nCount = (int)m_lstDocColors.GetCount();
        int nRows = nCount / nColumns + (nCount % nColumns != 0 ? 1 : 0);
        nExtra += m_BoxSize.cy * nRows + m_nVertMargin + m_nRowHeight + 4;
    }
    return nExtra;
}

CSize CORXColorBar::CalcSize(BOOL bVertDock)
{
    CSize sizeGrid = GetColumnsAndRows(bVertDock);
    return CSize(m_BoxSize.cx * sizeGrid.cx + 2 * m_nVertMargin,
                 GetExtraHeight(sizeGrid.cx) + m_BoxSize.cy * sizeGrid.cy + 2 * m_nHorzMargin);
}

CSize CORXColorBar::WrapButtons(int, DWORD dwMode)
{
    CSize size = CalcSize(!(dwMode & LM_HORZ));
    size += CalcInsideSize((dwMode & LM_HORZ) != 0);
    return size;
}

/////////////////////////////////////////////////////////////////////////////
// Items and layout

void CORXColorBar::Rebuild()
{
    if (GetSafeHwnd() == NULL)
        return;
    RemoveAllButtons();
    BOOL bFound = FALSE;
    if (!m_strAutoColor.IsEmpty())
    {
        CColorButton* pButton = new CColorButton(m_ColorAutomatic, TRUE, FALSE, m_strAutoColor);
        pButton->m_bHighlight = m_ColorSelected == kNoColor;
        InsertButton(pButton);
        bFound = m_ColorSelected == kNoColor;
    }
    for (int i = 0; i < m_colors.GetSize(); i++)
    {
        CColorButton* pButton = new CColorButton(m_colors[i]);
        if (m_colors[i] == m_ColorSelected)
        {
            pButton->m_bHighlight = TRUE;
            bFound = TRUE;
        }
        InsertButton(pButton);
    }
    if (!m_strDocColors.IsEmpty() && !m_lstDocColors.IsEmpty())
    {
        InsertSeparator();
        InsertButton(new CColorButton(kNoColor, FALSE, FALSE, m_strDocColors, TRUE, TRUE));
        for (POSITION pos = m_lstDocColors.GetHeadPosition(); pos != NULL;)
        {
            COLORREF color = m_lstDocColors.GetNext(pos);
            CColorButton* pButton = new CColorButton(color, FALSE, FALSE, NULL, FALSE, TRUE);
            pButton->m_bHighlight = !bFound && color == m_ColorSelected;
            InsertButton(pButton);
        }
    }
    if (!m_strOtherColor.IsEmpty())
    {
        InsertSeparator();
        InsertButton(new CColorButton(kNoColor, FALSE, TRUE, m_strOtherColor));
        CColorButton* pOther = new CColorButton(m_ColorSelected, FALSE, FALSE, NULL, FALSE, FALSE, TRUE);
        pOther->m_bHighlight = !bFound;
        InsertButton(pOther);
    }
}

void CORXColorBar::PlaceButtons()
{
    if (GetSafeHwnd() == NULL || !::IsWindow(m_hWnd))
        return;
    CRect rectArea;
    GetClientRect(rectArea);
    rectArea.DeflateRect(m_nHorzOffset + m_nHorzMargin, m_nVertOffset + m_nVertMargin);
    int x = rectArea.left;
    int y = rectArea.top;
    BOOL bHasAutomatic = FALSE;
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL;)
    {
        CColorButton* pButton = DYNAMIC_DOWNCAST(CColorButton, m_Buttons.GetNext(pos));
        if (pButton != NULL && pButton->m_bIsAutomatic)
            bHasAutomatic = TRUE;
    }
    BOOL bPending = !bHasAutomatic || m_ColorSelected != kNoColor;
    BOOL bPrevSeparator = FALSE;
    BOOL bShowDoc = m_bShowDocColorsWhenDocked || IsFloatingBar();
    int nWideHeight = m_nRowHeight - m_nVertMargin / 2;

    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL;)
    {
        CORXToolbarButton* pItem = (CORXToolbarButton*)m_Buttons.GetNext(pos);
        CRect rect(0, 0, 0, 0);
        if (pItem->m_nStyle & TBBS_SEPARATOR)
        {
            if (!bPrevSeparator)
            {
                if (x > rectArea.left)
                    y += m_BoxSize.cy + m_nVertMargin;
                rect = CRect(rectArea.left, y, rectArea.right, y + 2);
                y += 4;
                x = rectArea.left;
            }
            bPrevSeparator = TRUE;
        }
        else
        {
            CColorButton* pButton = DYNAMIC_DOWNCAST(CColorButton, pItem);
            if (pButton == NULL)
                continue;
            bPrevSeparator = FALSE;
            if (pButton->m_bIsDocument && !bShowDoc)
                ; // left out while docked
            else if (pButton->IsPlain())
            {
                if (x + m_BoxSize.cx > rectArea.right)
                {
                    x = rectArea.left;
                    y += m_BoxSize.cy;
                }
                if (!pButton->m_bIsOtherColor || bPending)
                {
                    rect = CRect(x, y, x + m_BoxSize.cx, y + m_BoxSize.cy);
                    x += m_BoxSize.cx;
                }
                if (pButton->m_Color == m_ColorSelected && !pButton->m_bIsOtherColor)
                    bPending = FALSE;
            }
            else
            {
                if (x > rectArea.left)
                {
                    x = rectArea.left;
                    y += m_BoxSize.cy;
                }
                if (!pButton->m_bIsOther || !bPending)
                {
                    rect = CRect(x, y, rectArea.right, y + nWideHeight);
                    y += nWideHeight;
                }
                else
                {
                    rect = CRect(x, y, rectArea.right - m_BoxSize.cx, y + nWideHeight);
                    x = rect.right;
                    y += (nWideHeight - m_BoxSize.cy) / 2;
                }
                if (pButton->m_bIsOther)
                    rect.DeflateRect(m_nHorzMargin / 2, m_nVertMargin / 2);
            }
        }
        if (pItem->Rect() != rect)
            pItem->SetRect(rect);
    }
}

void CORXColorBar::SetColor(COLORREF color)
{
    if (color == m_ColorSelected || GetSafeHwnd() == NULL)
        return;
    m_ColorSelected = color;
    BOOL bNeedOther = m_ColorAutomatic == kNoColor || color != kNoColor;
    BOOL bOtherShown = FALSE;
    m_iHighlighted = -1;
    int i = 0;
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL; i++)
    {
        CColorButton* pButton = DYNAMIC_DOWNCAST(CColorButton, m_Buttons.GetNext(pos));
        if (pButton == NULL || (pButton->m_nStyle & TBBS_SEPARATOR) || pButton->m_bIsOther ||
            pButton->m_bIsLabel)
            continue;
        if (pButton->m_bIsOtherColor)
        {
            pButton->m_Color = color;
            pButton->m_bHighlight = TRUE;
            bOtherShown = !pButton->Rect().IsRectEmpty();
            InvalidateRect(pButton->Rect());
            continue;
        }
        if (pButton->m_bHighlight)
        {
            pButton->m_bHighlight = FALSE;
            InvalidateRect(pButton->Rect());
        }
        BOOL bByColor = (pButton->IsPlain() || pButton->m_bIsAutomatic) && pButton->m_Color == color;
        if (bByColor || (pButton->m_bIsAutomatic && color == kNoColor))
        {
            pButton->m_bHighlight = TRUE;
            m_iHighlighted = i;
            InvalidateRect(pButton->Rect());
            if (bByColor)
                bNeedOther = FALSE;
        }
    }
    if (bOtherShown != bNeedOther)
    {
        PlaceButtons();
        Invalidate();
    }
    UpdateWindow();
}

/////////////////////////////////////////////////////////////////////////////
// Choosing

CWnd* CORXColorBar::GetMessageTarget() const
{
    CWnd* pOwner = GetOwner();
    return pOwner != NULL ? pOwner : GetParent();
}

void CORXColorBar::FocusFrame()
{
    CFrameWnd* pFrame = FrameOf(this);
    if (pFrame != NULL)
        pFrame->SetFocus();
}

BOOL CORXColorBarClient::ChooseOtherColor(CORXColorBar* pBar, COLORREF colorInitial, COLORREF& colorRes)
{
    return pBar->RunColorDialog(colorInitial, colorRes);
}

CORXColorBarClient* CORXColorBar::GetClient() const
{
    if (m_pClient != NULL)
        return m_pClient;
    CORXPopupMenu* pPopup = m_hWnd != NULL ? DYNAMIC_DOWNCAST(CORXPopupMenu, GetParent()) : NULL;
    CORXColorBarClient* pButton =
        pPopup != NULL ? dynamic_cast<CORXColorBarClient*>(pPopup->GetParentButton()) : NULL;
    if (pButton != NULL)
        return pButton;
    return const_cast<CORXColorBar*>(this);
}

BOOL CORXColorBar::RunColorDialog(COLORREF colorInitial, COLORREF& colorRes) const
{
    return ORXRunColorDialog(m_bStdColorDlg, colorInitial, colorRes);
}

BOOL CORXColorBar::OnSendCommand(const CORXToolbarButton* pButton)
{
    if (ServesOneValue())
        ReleaseCapture();
    CORXPopupMenu* pPopup = DYNAMIC_DOWNCAST(CORXPopupMenu, GetParent());

    COLORREF color = kNoColor;
    const CColorButton* pColorButton = DYNAMIC_DOWNCAST(CColorButton, (CObject*)pButton);
    if (pColorButton != NULL)
    {
        if (pColorButton->m_bIsLabel)
            return FALSE;
        if (pColorButton->m_bIsOther)
        {
            SetInCommand(TRUE);
            if (pPopup != NULL)
                pPopup->ShowWindow(SW_HIDE);
            InvalidateRect(pButton->Rect());
            UpdateWindow();
            HWND hWndSelf = m_hWnd;
            COLORREF colorNew = kNoColor;
            BOOL bOK =
                OpenColorDialog(m_ColorSelected == kNoColor ? m_ColorAutomatic : m_ColorSelected, colorNew);
            // The dialog's modal loop may have closed the pop-up and this bar with it.
            if (!::IsWindow(hWndSelf))
                return TRUE;
            SetInCommand(FALSE);
            if (!bOK)
            {
                CancelChoice();
                return TRUE;
            }
            color = colorNew;
        }
        else if (pColorButton->m_bIsAutomatic)
            color = kNoColor;
        else
            color = pColorButton->m_Color;
    }
    ApplyColor(color);
    return TRUE;
}

void CORXColorBar::ApplyColor(COLORREF color)
{
    CORXColorBarClient* pClient = GetClient();
    const BOOL bOneValue = pClient->EditsOneValue();
    pClient->OnColorChosen(this, color);
    if (bOneValue)
        GetParent()->SendMessage(WM_CLOSE);
}

void CORXColorBar::CancelChoice()
{
    CORXColorBarClient* pClient = GetClient();
    const BOOL bOneValue = pClient->EditsOneValue();
    pClient->OnColorCancelled(this);
    if (bOneValue)
        GetParent()->SendMessage(WM_CLOSE);
}

void CORXColorBar::OnColorChosen(CORXColorBar*, COLORREF color)
{
    SetColor(color);
    CORXCommandColors::Spread(m_nCommandID, color, NULL, FALSE);
    HWND hWndSelf = m_hWnd;
    CWnd* pTarget = GetMessageTarget();
    if (pTarget != NULL)
        pTarget->SendMessage(WM_COMMAND, m_nCommandID, 0);
    if (::IsWindow(hWndSelf))
        FocusFrame();
}

void CORXColorBar::OnColorCancelled(CORXColorBar*)
{
    FocusFrame();
}

BOOL CORXColorBar::OpenColorDialog(const COLORREF colorDefault, COLORREF& colorRes)
{
    return GetClient()->ChooseOtherColor(this, colorDefault, colorRes);
}

BOOL CORXColorBar::OnKey(UINT nChar)
{
    if (nChar == VK_RETURN)
    {
        CORXToolbarButton* pButton = GetButton(m_iHighlighted);
        if (pButton != NULL && pButton->IsKindOf(RUNTIME_CLASS(CColorButton)))
        {
            ShowCommandMessageString((UINT)-1);
            return OnSendCommand(pButton);
        }
    }
    return CORXPopupMenuBar::OnKey(nChar);
}

void CORXColorBar::ShowCommandMessageString(UINT uiCmdId)
{
    // The cells carry no commands of their own: a cell shows the bar's command, and -1 the idle text.
    const UINT uiShown = uiCmdId == (UINT)-1 ? (UINT)-1 : m_nCommandID;
    CWnd* pTarget = GetMessageTarget();
    if (pTarget != NULL)
        pTarget->SendMessage(WM_SETMESSAGESTRING,
                             uiShown == (UINT)-1 ? AFX_IDS_IDLEMESSAGE : (WPARAM)uiShown);
}

BOOL CORXColorBar::GetButtonToolTipText(const CORXToolbarButton* pButton, CString& strTTText) const
{
    const CColorButton* pCell = DYNAMIC_DOWNCAST(CColorButton, (CObject*)pButton);
    if (pCell == NULL || (pCell->m_nStyle & kDisabledStyle))
        return CORXPopupMenuBar::GetButtonToolTipText(pButton, strTTText);
    strTTText = pCell->GetTipText();
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// Command state, closing rules and painting

void CORXColorBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    if (m_nCommandID != 0 && m_nCommandID != (UINT)-1 && pTarget != NULL)
    {
        CColorCmdUI state;
        state.m_pOther = this;
        state.m_nIndexMax = 1;
        state.m_nID = m_nCommandID;
        BOOL bEnabled = FALSE;
        if (pTarget->OnCmdMsg(m_nCommandID, CN_UPDATE_COMMAND_UI, &state, NULL))
            bEnabled = state.m_bEnabled;
        else if (bDisableIfNoHndler && !state.m_bEnableCalled)
        {
            AFX_CMDHANDLERINFO info;
            bEnabled = pTarget->OnCmdMsg(m_nCommandID, CN_COMMAND, NULL, &info);
        }
        if (bEnabled != m_bIsEnabled)
        {
            m_bIsEnabled = bEnabled;
            for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL;)
            {
                CColorButton* pButton = DYNAMIC_DOWNCAST(CColorButton, m_Buttons.GetNext(pos));
                if (pButton == NULL)
                    continue;
                if (bEnabled)
                    pButton->m_nStyle &= ~kDisabledStyle;
                else
                    pButton->m_nStyle |= kDisabledStyle;
            }
            Invalidate();
            UpdateWindow();
        }
    }
    CORXPopupMenuBar::OnUpdateCmdUI(pTarget, bDisableIfNoHndler);
}

BOOL CORXColorBar::PreTranslateMessage(MSG* pMsg)
{
    if (ServesOneValue() && !IsInCommand())
    {
        BOOL bClose = FALSE;
        switch (pMsg->message)
        {
        case WM_CONTEXTMENU:
        case WM_SYSKEYDOWN:
            bClose = TRUE;
            break;
        case WM_KEYDOWN:
            bClose = pMsg->wParam == VK_ESCAPE;
            break;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN: {
            CPoint pt((short)LOWORD(pMsg->lParam), (short)HIWORD(pMsg->lParam));
            ::MapWindowPoints(pMsg->hwnd, m_hWnd, &pt, 1);
            CRect rectClient;
            GetClientRect(rectClient);
            bClose = !rectClient.PtInRect(pt);
            break;
        }
        }
        if (bClose)
        {
            GetParent()->SendMessage(WM_CLOSE);
            return TRUE;
        }
    }
    return CORXPopupMenuBar::PreTranslateMessage(pMsg);
}

CPalette* CORXColorBar::SelectPalette(CDC* pDC)
{
    if (globalData.m_nBitsPerPixel != 8)
    {
        if (m_Palette.GetSafeHandle() != NULL)
            m_Palette.DeleteObject();
        return NULL;
    }
    CPalette* pPalette = GetClient()->GetColorPalette();
    if (pPalette == NULL || pPalette->GetSafeHandle() == NULL)
    {
        if (m_Palette.GetSafeHandle() == NULL)
            CreatePalette(m_colors, m_Palette);
        pPalette = &m_Palette;
    }
    if (pPalette->GetSafeHandle() == NULL)
        return NULL;
    CPalette* pOld = pDC->SelectPalette(pPalette, FALSE);
    pDC->RealizePalette();
    return pOld;
}

BOOL CORXColorBar::CreatePalette(const CArray<COLORREF, COLORREF>& arColors, CPalette& palette)
{
    if (palette.GetSafeHandle() != NULL)
        palette.DeleteObject();
    int nCount = std::min((int)arColors.GetSize(), kMaxPaletteColors);
    CByteArray buffer;
    buffer.SetSize(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY) * std::max(nCount, 1));
    LOGPALETTE* pLogPalette = (LOGPALETTE*)buffer.GetData();
    pLogPalette->palVersion = 0x300;
    pLogPalette->palNumEntries = (WORD)nCount;
    for (int i = 0; i < nCount; i++)
    {
        pLogPalette->palPalEntry[i].peRed = GetRValue(arColors[i]);
        pLogPalette->palPalEntry[i].peGreen = GetGValue(arColors[i]);
        pLogPalette->palPalEntry[i].peBlue = GetBValue(arColors[i]);
        pLogPalette->palPalEntry[i].peFlags = 0;
    }
    return palette.CreatePalette(pLogPalette);
}

void CORXColorBar::DoPaint(CDC* pDC)
{
    CPalette* pOld = SelectPalette(pDC);
    CORXPopupMenuBar::DoPaint(pDC);
    if (pOld != NULL)
        pDC->SelectPalette(pOld, FALSE);
}

/////////////////////////////////////////////////////////////////////////////
// Storing

BOOL CORXColorBar::LoadState(LPCTSTR lpszProfileName, int nIndex, UINT uiID)
{
    const CORXColorBar* pOuterRecord = s_pLoadingRecord;
    s_pLoadingRecord = this;
    BOOL bLoaded = CORXPopupMenuBar::LoadState(lpszProfileName, nIndex, uiID);
    s_pLoadingRecord = pOuterRecord;
    return bLoaded;
}

void CORXColorBar::Serialize(CArchive& ar)
{
    if (ar.IsLoading())
    {
        // Nothing is taken before the whole record is read and checked: a torn-off bar has no
        // resource to start afresh from, so a refused record must leave it exactly as it was.
        int nColumns = 0, nRowsHorz = 0, nColumnsVert = 0;
        DWORD dwAutomatic = 0;
        ar >> nColumns >> nRowsHorz >> nColumnsVert >> dwAutomatic;
        CString strAutoColor, strOtherColor, strDocColors;
        ar >> strAutoColor >> strOtherColor >> strDocColors;
        BOOL bIsTearOff = FALSE, bStdColorDlg = FALSE;
        UINT nCommandID = 0;
        ar >> bIsTearOff >> nCommandID >> bStdColorDlg;
        int nCount = 0;
        ar >> nCount;
        // The count is checked before anything is allocated for it.
        if (!IsStoredGrid(nColumns) || !IsStoredGrid(nRowsHorz) || !IsStoredGrid(nColumnsVert) ||
            !IsStoredFlag(bIsTearOff) || !IsStoredFlag(bStdColorDlg) || nCommandID > 0xFFFF || nCount < 0 ||
            nCount > kMaxStoredColors)
            AfxThrowArchiveException(CArchiveException::badIndex);
        CArray<COLORREF, COLORREF> colors;
        colors.SetSize(nCount);
        for (int i = 0; i < nCount; i++)
        {
            DWORD dwColor = 0;
            ar >> dwColor;
            colors[i] = dwColor;
        }
        if (s_pLoadingRecord == this)
            CORXRegistry::CheckArchiveAtEnd(ar);

        m_nNumColumns = nColumns;
        m_nNumRowsHorz = nRowsHorz;
        m_nNumColumnsVert = nColumnsVert;
        m_ColorAutomatic = dwAutomatic;
        m_strAutoColor = strAutoColor;
        m_strOtherColor = strOtherColor;
        m_strDocColors = strDocColors;
        m_bIsTearOff = bIsTearOff;
        m_nCommandID = nCommandID;
        m_bStdColorDlg = bStdColorDlg;
        m_colors.Copy(colors);
        Rebuild();
        PlaceButtons();
    }
    else
    {
        ar << m_nNumColumns << m_nNumRowsHorz << m_nNumColumnsVert << (DWORD)m_ColorAutomatic;
        ar << m_strAutoColor << m_strOtherColor << m_strDocColors;
        ar << m_bIsTearOff << m_nCommandID << m_bStdColorDlg;
        ar << (int)m_colors.GetSize();
        for (int i = 0; i < m_colors.GetSize(); i++)
            ar << (DWORD)m_colors[i];
    }
}

/////////////////////////////////////////////////////////////////////////////
// Messages

int CORXColorBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CORXPopupMenuBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    CSize sizeImage = CORXToolBar::GetMenuImageSize();
    SetBoxSize(CSize(sizeImage.cx + 1, sizeImage.cy + 1));
    Rebuild();
    CORXColorBarClient* pClient = GetClient();
    if (pClient->EditsOneValue())
        SetCapture();
    pClient->OnColorBarCreated(this);
    return 0;
}

void CORXColorBar::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    if (m_bIsTearOff)
        CORXToolBar::OnNcCalcSize(bCalcValidRects, lpncsp);
}

void CORXColorBar::OnNcPaint()
{
    if (m_bIsTearOff)
        CORXToolBar::OnNcPaint();
}

void CORXColorBar::OnMouseMove(UINT nFlags, CPoint point)
{
    if (IgnoresMouse())
        return;
    CORXPopupMenuBar::OnMouseMove(nFlags, point);
}

void CORXColorBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (IgnoresMouse())
        return;
    CORXPopupMenuBar::OnLButtonDblClk(nFlags, point);
}

void CORXColorBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (IgnoresMouse())
        return;
    if (HitTest(point) >= 0)
        return; // a cell is chosen on release
    CORXPopupMenuBar::OnLButtonDown(nFlags, point);
}

void CORXColorBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (IgnoresMouse())
        return;
    int iHit = HitTest(point);
    if (iHit >= 0)
        m_iButtonCapture = iHit;
    // A bar that holds the mouse for a value editor sees the release of the click that opened it:
    // that release, outside the bar, must not close it.
    if (ServesOneValue())
        CORXToolBar::OnLButtonUp(nFlags, point);
    else
        CORXPopupMenuBar::OnLButtonUp(nFlags, point);
}

void CORXColorBar::OnDestroy()
{
    GetClient()->OnColorBarClosed(this);
    CORXPopupMenuBar::OnDestroy();
}

LRESULT CORXColorBar::OnMouseLeave(WPARAM wParam, LPARAM lParam)
{
    if (!ServesOneValue())
        return CORXToolBar::OnMouseLeave(wParam, lParam);
    if (IsMouseHookInstalled())
        return 0;
    if (!IsCustomizeMode() && m_bMenuMode)
    {
        for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL;)
            if (((CORXToolbarButton*)m_Buttons.GetNext(pos))->IsDroppedDown())
                return 0;
    }
    m_iHot = -1;
    m_bTracked = FALSE;
    if (m_iHighlighted >= 0)
    {
        int iButton = m_iHighlighted;
        SetHighlightedButton(-1);
        InvalidateButton(iButton);
        UpdateWindow();
        CWnd* pTarget = GetMessageTarget();
        if (pTarget != NULL)
            pTarget->SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    }
    return 0;
}

BOOL CORXColorBar::OnQueryNewPalette()
{
    Invalidate();
    UpdateWindow();
    return CORXPopupMenuBar::OnQueryNewPalette();
}

void CORXColorBar::OnPaletteChanged(CWnd* pFocusWnd)
{
    CORXPopupMenuBar::OnPaletteChanged(pFocusWnd);
    if (pFocusWnd != NULL && pFocusWnd->GetSafeHwnd() != GetSafeHwnd())
    {
        Invalidate();
        UpdateWindow();
    }
}
