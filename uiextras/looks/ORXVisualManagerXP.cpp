// CORXVisualManagerXP: colours derived from the system's, and the flat drawing of every part.
#include "ORXVisualManagerXP.h"

#include <algorithm>

#include "ORXDrawHelper.h"
#include "ORXExtrasHooks.h"
#include "ORXGlobalData.h"
#include "ORXMenuBar.h"
#include "ORXPopupMenu.h"
#include "ORXPopupMenuBar.h"
#include "ORXSizingControlBar.h"
#include "ORXToolBar.h"
#include "ORXToolbarEditBoxButton.h"
#include "ORXToolbarImageList.h"
#include "ORXToolbarMenuButton.h"

IMPLEMENT_DYNCREATE(CORXVisualManagerXP, CORXVisualManager)

namespace
{
void FillSolid(CDC* pDC, const CRect& rect, COLORREF clr)
{
    COLORREF clrOld = ::SetBkColor(pDC->GetSafeHdc(), clr);
    ::ExtTextOut(pDC->GetSafeHdc(), 0, 0, ETO_OPAQUE, &rect, NULL, 0, NULL);
    ::SetBkColor(pDC->GetSafeHdc(), clrOld);
}

void Frame(CDC* pDC, const CRect& rect, COLORREF clr)
{
    pDC->Draw3dRect(rect, clr, clr);
}

void FillBrush(CDC* pDC, const CRect& rect, CBrush& brush)
{
    ::FillRect(pDC->GetSafeHdc(), &rect, (HBRUSH)brush.GetSafeHandle());
}

void DrawGlyph(CDC* pDC, const CRect& rect, int nGlyph)
{
    CSize size = CORXMenuImages::Size();
    CPoint pt(rect.left + (rect.Width() - size.cx) / 2, rect.top + (rect.Height() - size.cy) / 2);
    CORXMenuImages::Draw(pDC, (CORXMenuImages::IMAGES_IDS)nGlyph, pt);
}

// (clrHilite + n x clrMenu) / (n + 1), per channel, integer division.
COLORREF MeanWithMenu(COLORREF clrHilite, COLORREF clrMenu, int n)
{
    return RGB((GetRValue(clrHilite) + n * GetRValue(clrMenu)) / (n + 1),
               (GetGValue(clrHilite) + n * GetGValue(clrMenu)) / (n + 1),
               (GetBValue(clrHilite) + n * GetBValue(clrMenu)) / (n + 1));
}
} // namespace

CORXVisualManagerXP::CORXVisualManagerXP(BOOL bTemporary)
    : CORXVisualManager(bTemporary), barBackgroundColour(0), menuBackgroundColour(0), highlightColour(0),
      pressedHighlightColour(0), checkedHighlightColour(0), inactiveTabTextColour(0), paneBorderColour(0),
      menuBorderColour(0), menuItemBorderColour(0), gripperColour(0), menuJoinsButton(TRUE)
{
    m_bLook2000 = TRUE;
    m_nMenuShadowDepth = 4;
    m_bMenuFlatLook = TRUE;
    m_bShadowHighlightedImage = TRUE;
    m_bEmbossDisabledImage = FALSE;
    m_bFadeInactiveImage = TRUE;
    m_nVertMargin = m_nHorzMargin = m_nGroupVertOffset = 4;
    m_nGroupCaptionHeight = m_nGroupCaptionHorzOffset = m_nGroupCaptionVertOffset = 0;
    m_nTasksHorzOffset = 12;
    m_nTasksIconHorzOffset = 5;
    m_nTasksIconVertOffset = 4;
    m_bActiveCaptions = FALSE;
    m_bOfficeStyleMenus = TRUE;
    m_nMenuBorderSize = 1;
    globalData.UpdateSysColors();
    CORXVisualManagerXP::OnUpdateSystemColors();
}

CORXVisualManagerXP::~CORXVisualManagerXP()
{
    DeleteColorObjects();
    verticalGripperBrush.DeleteObject();
    horizontalGripperBrush.DeleteObject();
}

void CORXVisualManagerXP::DeleteColorObjects()
{
    separatorPen.DeleteObject();
    tabAreaBrush.DeleteObject();
    checkedHighlightBrush.DeleteObject();
    pressedHighlightBrush.DeleteObject();
    highlightBrush.DeleteObject();
    menuBackgroundBrush.DeleteObject();
    barBackgroundBrush.DeleteObject();
}

COLORREF CORXVisualManagerXP::GetTabBackColor() const
{
    LOGBRUSH lb;
    return tabAreaBrush.GetSafeHandle() != NULL &&
                   ::GetObject(tabAreaBrush.GetSafeHandle(), sizeof(lb), &lb) != 0
               ? lb.lbColor
               : globalData.clrBtnFace;
}

COLORREF CORXVisualManagerXP::GetSeparatorColor() const
{
    LOGPEN lp;
    return separatorPen.GetSafeHandle() != NULL &&
                   ::GetObject(separatorPen.GetSafeHandle(), sizeof(lp), &lp) != 0
               ? lp.lopnColor
               : globalData.clrBtnShadow;
}

COLORREF CORXVisualManagerXP::GetHighlightTextColor() const
{
    return GetRValue(highlightColour) > 128 && GetGValue(highlightColour) > 128 &&
                   GetBValue(highlightColour) > 128
               ? RGB(0, 0, 0)
               : RGB(255, 255, 255);
}

void CORXVisualManagerXP::OnUpdateSystemColors()
{
    DeleteColorObjects();
    if (globalData.m_nBitsPerPixel <= 8)
    {
        menuBackgroundColour = globalData.clrBarWindow;
        barBackgroundColour = highlightColour = pressedHighlightColour = globalData.clrBtnFace;
        checkedHighlightColour = globalData.clrBarWindow;
        inactiveTabTextColour = globalData.clrBtnDkShadow;
        paneBorderColour = globalData.clrBtnShadow;
        menuBorderColour = globalData.clrBtnDkShadow;
        gripperColour = globalData.clrBtnShadow;
        tabAreaBrush.CreateSolidBrush(globalData.clrBtnFace);
        separatorPen.CreatePen(PS_SOLID, 1, globalData.clrBtnShadow);
    }
    else
    {
        menuBackgroundColour = CORXDrawHelper::ScaleColorChannels(globalData.clrWindow, 0.976, 0.973, 0.969);

        double H, L, S;
        CORXDrawHelper::RgbToHls(globalData.clrBarFace, &H, &L, &S);
        const double L2 = std::min((1.0 + L) / 2.0, 1.0);
        double S2;
        if (S >= 0.1)
            S2 = std::min(2.0 * S, 1.0);
        else if (S == 0.0)
            S2 = 0.0;
        else
            S2 = std::min(S + 0.1, 1.0);
        tabAreaBrush.CreateSolidBrush(CORXDrawHelper::HlsToRgbUnitHue(H, L2, S2));

        barBackgroundColour =
            L <= 0.9 ? CORXDrawHelper::HlsToRgbUnitHue(H, L * 1.03, S) : globalData.clrBarFace;
        inactiveTabTextColour = CORXDrawHelper::HlsToRgbUnitHue(H, L * 0.4, S);
        highlightColour =
            CORXDrawHelper::ScaleColor(MeanWithMenu(globalData.clrHilite, menuBackgroundColour, 2), 105);
        pressedHighlightColour = CORXDrawHelper::ScaleColorChannels(highlightColour, 0.87, 0.87, 0.87);
        checkedHighlightColour =
            CORXDrawHelper::ScaleColor(MeanWithMenu(globalData.clrHilite, menuBackgroundColour, 5), 100);
        separatorPen.CreatePen(PS_SOLID, 1,
                               CORXDrawHelper::ScaleColorChannels(globalData.clrBarFace, 0.86, 0.86, 0.86));
        paneBorderColour = CORXDrawHelper::ScaleColor(globalData.clrBarFace, 108);
        menuBorderColour = CORXDrawHelper::ScaleColor(globalData.clrBarFace, 55);
        gripperColour = CORXDrawHelper::ScaleColor(globalData.clrBarShadow, 110);
    }
    barBackgroundBrush.CreateSolidBrush(barBackgroundColour);
    menuBackgroundBrush.CreateSolidBrush(menuBackgroundColour);
    highlightBrush.CreateSolidBrush(highlightColour);
    pressedHighlightBrush.CreateSolidBrush(pressedHighlightColour);
    checkedHighlightBrush.CreateSolidBrush(checkedHighlightColour);
    menuItemBorderColour = globalData.clrHilite;
}

void CORXVisualManagerXP::CreateGripperBrushes()
{
    horizontalGripperBrush.DeleteObject();
    verticalGripperBrush.DeleteObject();
    const WORD horz[8] = {0xFF, 0, 0xFF, 0, 0xFF, 0, 0xFF, 0};
    const WORD vert[8] = {0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA};
    CBitmap bmp;
    if (bmp.CreateBitmap(8, 8, 1, 1, horz))
        horizontalGripperBrush.CreatePatternBrush(&bmp);
    bmp.DeleteObject();
    if (bmp.CreateBitmap(8, 8, 1, 1, vert))
        verticalGripperBrush.CreatePatternBrush(&bmp);
}

void CORXVisualManagerXP::OnFillHighlightedRect(CDC* pDC, CRect rect, CBrush* pBrush)
{
    if (pBrush != NULL)
        FillBrush(pDC, rect, *pBrush);
}

int CORXVisualManagerXP::GetMenuImageColumnWidth() const
{
    return CORXToolBar::GetMenuImageSize().cx + 2 * GetMenuImageMargin();
}

BOOL CORXVisualManagerXP::IsInPopupMenuBar(const CORXToolbarButtonInfo* pButton)
{
    const CORXToolbarMenuButton* pMenuButton = dynamic_cast<const CORXToolbarMenuButton*>(pButton);
    return pMenuButton != NULL && pMenuButton->GetParentWnd() != NULL &&
           pMenuButton->GetParentWnd()->IsKindOf(RUNTIME_CLASS(CORXPopupMenuBar));
}

CORXToolbarMenuButton* CORXVisualManagerXP::AsMenuButton(CORXToolbarButtonInfo* pButton)
{
    return dynamic_cast<CORXToolbarMenuButton*>(pButton);
}

BOOL CORXVisualManagerXP::IsDroppedMenuButton(CORXToolbarButtonInfo* pButton)
{
    CORXToolbarMenuButton* pMenuButton = AsMenuButton(pButton);
    if (pMenuButton == NULL || IsInPopupMenuBar(pButton))
        return FALSE;
    CORXPopupMenu* pPopup = pMenuButton->GetPopupMenu();
    return pPopup != NULL && pPopup->GetSafeHwnd() != NULL && pPopup->IsWindowVisible();
}

void CORXVisualManagerXP::ExtendMenuButtonRect(CORXToolbarMenuButton* pMenuButton, CRect& rect)
{
    CORXPopupMenu* pPopup = pMenuButton != NULL ? pMenuButton->GetPopupMenu() : NULL;
    if (pPopup == NULL || pPopup->GetSafeHwnd() == NULL)
        return;
    CRect rectPopup;
    pPopup->GetWindowRect(rectPopup);
    const CRect rectButton = pMenuButton->Rect();
    switch (pPopup->GetDropDirection())
    {
    case 1: // below
        rect.bottom += rectPopup.Width() < rectButton.Width() ? 1 : 4;
        break;
    case 2: // above
        rect.top -= rectPopup.Width() < rectButton.Width() ? 0 : 4;
        break;
    case 3: // right
        rect.right += rectPopup.Height() < rectButton.Height() ? 1 : 4;
        break;
    case 4: // left
        rect.left -= rectPopup.Height() < rectButton.Height() ? 1 : 4;
        break;
    }
}

/////////////////////////////////////////////////////////////////////////////
// Bars

void CORXVisualManagerXP::OnFillBarBackground(CDC* pDC, CControlBar* pBar, CRect rectClient, CRect rectClip)
{
    if (rectClip.IsRectEmpty())
        rectClip = rectClient;
    if (pBar == NULL || pBar->IsKindOf(RUNTIME_CLASS(CORXMenuBar)) ||
        !pBar->IsKindOf(RUNTIME_CLASS(CORXToolBar)))
    {
        CORXVisualManager::OnFillBarBackground(pDC, pBar, rectClient, rectClip);
        return;
    }
    // A shortcut bar with a bitmap of its own paints it through the base fill; one without takes
    // the tool bars' background.
    const CORXOutlookBarInfo* pShortcutBar = dynamic_cast<const CORXOutlookBarInfo*>(pBar);
    if (pShortcutBar != NULL && pShortcutBar->HasBackgroundBitmap())
    {
        CORXVisualManager::OnFillBarBackground(pDC, pBar, rectClient, rectClip);
        return;
    }
    if (CORXColorBarInfo* pColorBar = dynamic_cast<CORXColorBarInfo*>(pBar))
    {
        FillBrush(pDC, rectClip, pColorBar->IsInToolBar() ? barBackgroundBrush : menuBackgroundBrush);
        return;
    }
    if (pBar->IsKindOf(RUNTIME_CLASS(CORXPopupMenuBar)))
    {
        FillBrush(pDC, rectClip, menuBackgroundBrush);
        CRect rectMargin = rectClient;
        rectMargin.right = rectMargin.left + GetMenuImageColumnWidth() + 1;
        rectMargin.IntersectRect(rectMargin, rectClip);
        FillBrush(pDC, rectMargin, barBackgroundBrush);
        return;
    }
    FillBrush(pDC, rectClip, barBackgroundBrush);
}

void CORXVisualManagerXP::OnDrawBarBorder(CDC* pDC, CControlBar* pBar, CRect& rect)
{
    const DWORD dwStyle = pBar->GetBarStyle();
    const COLORREF clrOld = pDC->GetBkColor();
    if (dwStyle & CBRS_BORDER_LEFT)
        FillSolid(pDC, CRect(rect.left, rect.top, rect.left + 1, rect.bottom - 1), globalData.clrBarFace);
    if (dwStyle & CBRS_BORDER_TOP)
        FillSolid(pDC, CRect(rect.left, rect.top, rect.right - 1, rect.top + 1), globalData.clrBarFace);
    if (dwStyle & CBRS_BORDER_RIGHT)
        FillSolid(pDC, CRect(rect.right - 1, rect.top, rect.right, rect.bottom - 1), globalData.clrBarFace);
    if (dwStyle & CBRS_BORDER_BOTTOM)
        FillSolid(pDC, CRect(rect.left, rect.bottom - 1, rect.right - 1, rect.bottom), globalData.clrBarFace);
    if (dwStyle & CBRS_BORDER_LEFT)
        rect.left++;
    if (dwStyle & CBRS_BORDER_TOP)
        rect.top++;
    if (dwStyle & CBRS_BORDER_RIGHT)
        rect.right--;
    if (dwStyle & CBRS_BORDER_BOTTOM)
        rect.bottom--;
    pDC->SetBkColor(clrOld);
}

void CORXVisualManagerXP::OnDrawMenuBorder(CDC* pDC, CORXPopupMenu* pMenu, CRect rect)
{
    Frame(pDC, rect, menuBorderColour);
    CRect rectInner = rect;
    rectInner.DeflateRect(1, 1);
    Frame(pDC, rectInner, menuBackgroundColour);
    FillBrush(pDC, CRect(1, 1, 2, rect.bottom - 1), barBackgroundBrush);

    if (!menuJoinsButton || pMenu == NULL || pMenu->GetParentPopupMenu() != NULL)
        return;
    CORXToolbarMenuButton* pButton = pMenu->GetParentButton();
    if (pButton == NULL || pButton->GetParentWnd() == NULL ||
        pButton->GetParentWnd()->GetSafeHwnd() == NULL || IsInPopupMenuBar(pButton))
        return;
    CRect rectButton = pButton->Rect();
    pButton->GetParentWnd()->ClientToScreen(rectButton);
    pMenu->ScreenToClient(rectButton);
    CRect rectJoin;
    switch (pMenu->GetDropDirection())
    {
    case 1: // below the button: the top edge
        rectJoin.SetRect(rectButton.left + 1, rect.top, rectButton.right - 1, rect.top + 1);
        break;
    case 2: // above: the bottom edge
        rectJoin.SetRect(rectButton.left + 1, rect.bottom - 1, rectButton.right - 1, rect.bottom);
        break;
    case 3: // right: the left edge
        rectJoin.SetRect(rect.left, rectButton.top + 1, rect.left + 1, rectButton.bottom - 1);
        break;
    case 4: // left: the right edge
        rectJoin.SetRect(rect.right - 1, rectButton.top + 1, rect.right, rectButton.bottom - 1);
        break;
    default:
        return;
    }
    const BOOL bAcross = pMenu->GetDropDirection() <= 2;
    if ((bAcross && rectJoin.Width() <= rect.Width() + 2) ||
        (!bAcross && rectJoin.Height() <= rect.Height() + 2))
        FillBrush(pDC, rectJoin, barBackgroundBrush);
}

void CORXVisualManagerXP::DrawGripperBand(CDC* pDC, CRect rectBand, CBrush& brush, COLORREF clrText,
                                          COLORREF clrBack)
{
    const COLORREF clrOldText = pDC->SetTextColor(clrText);
    const COLORREF clrOldBack = pDC->SetBkColor(clrBack);
    FillBrush(pDC, rectBand, brush);
    pDC->SetTextColor(clrOldText);
    pDC->SetBkColor(clrOldBack);
}

void CORXVisualManagerXP::OnDrawBarGripper(CDC* pDC, CRect rectGripper, BOOL bHorz, CControlBar* pBar)
{
    if (horizontalGripperBrush.GetSafeHandle() == NULL)
        CreateGripperBrushes();
    const BOOL bSizingBar = pBar != NULL && pBar->IsKindOf(RUNTIME_CLASS(CORXSizingControlBar));
    CRect rectBand = rectGripper;
    if (bSizingBar)
    {
        if (bHorz)
            rectBand.DeflateRect(4, 0);
        else
            rectBand.DeflateRect(0, 4);
    }
    else
    {
        // Four dots wide across the gripper, 6 pixels in from its ends along it.
        const int nBand = 4;
        if (bHorz)
        {
            rectBand.DeflateRect(0, 6);
            rectBand.left = rectGripper.left + (rectGripper.Width() - nBand) / 2;
            rectBand.right = rectBand.left + nBand;
        }
        else
        {
            rectBand.DeflateRect(6, 0);
            rectBand.top = rectGripper.top + (rectGripper.Height() - nBand) / 2;
            rectBand.bottom = rectBand.top + nBand;
        }
    }
    CBrush& brush = bSizingBar ? (bHorz ? verticalGripperBrush : horizontalGripperBrush)
                               : (bHorz ? horizontalGripperBrush : verticalGripperBrush);
    const COLORREF clrBack = bSizingBar || (pBar != NULL && pBar->IsKindOf(RUNTIME_CLASS(CORXMenuBar)))
                                 ? globalData.clrBarFace
                                 : barBackgroundColour;
    DrawGripperBand(pDC, rectBand, brush, gripperColour, clrBack);

    if (bSizingBar)
        DrawSizingBarCaption(pDC, rectBand, bHorz, pBar);
}

void CORXVisualManagerXP::DrawSizingBarCaption(CDC* pDC, const CRect& rectBand, BOOL bHorz, CControlBar* pBar)
{
    CString strCaption;
    pBar->GetWindowText(strCaption);
    if (strCaption.IsEmpty())
        return;
    strCaption = _T(" ") + strCaption + _T(" ");
    CFont* pFont = CORXMenuBar::GetMenuFont(bHorz);
    const int nOldMode = pDC->SetBkMode(OPAQUE);
    const COLORREF clrOldText = pDC->SetTextColor(globalData.clrBarText);
    const COLORREF clrOldBack = pDC->SetBkColor(globalData.clrBarFace);
    CFont* pOldFont = pFont != NULL ? pDC->SelectObject(pFont) : NULL;
    TEXTMETRIC tm;
    pDC->GetTextMetrics(&tm);
    if (bHorz)
        pDC->TextOut(rectBand.left, rectBand.top + (rectBand.Height() - tm.tmHeight) / 2, strCaption);
    else
        pDC->TextOut(rectBand.left + (rectBand.Width() + tm.tmHeight) / 2, rectBand.top, strCaption);
    if (pOldFont != NULL)
        pDC->SelectObject(pOldFont);
    pDC->SetBkColor(clrOldBack);
    pDC->SetTextColor(clrOldText);
    pDC->SetBkMode(nOldMode);
}

void CORXVisualManagerXP::OnDrawSeparator(CDC* pDC, CControlBar* pBar, CRect rect, BOOL bIsHoriz)
{
    CPen* pOldPen = pDC->SelectObject(&separatorPen);
    if (bIsHoriz)
    {
        const int x = rect.left + rect.Width() / 2;
        pDC->MoveTo(x, rect.top);
        pDC->LineTo(x, rect.bottom - 1);
    }
    else
    {
        const int y = rect.top + rect.Height() / 2;
        int xLeft = rect.left;
        if (pBar != NULL && pBar->IsKindOf(RUNTIME_CLASS(CORXPopupMenuBar)) &&
            dynamic_cast<CORXColorBarInfo*>(pBar) == NULL)
        {
            CRect rectBar;
            pBar->GetClientRect(rectBar);
            xLeft = rectBar.left + CORXToolBar::GetMenuImageSize().cx + GetMenuImageMargin() + 1;
            rect.right = rectBar.right;
        }
        pDC->MoveTo(xLeft, y);
        pDC->LineTo(rect.right, y);
    }
    pDC->SelectObject(pOldPen);
}

void CORXVisualManagerXP::OnDrawCaptionButton(CDC* pDC, CRect rect, int nGlyph, BOOL bActive,
                                              BOOL bHighlighted, BOOL bPressed, BOOL bDisabled)
{
    const BOOL bClose = nGlyph == CORXMenuImages::IdClose || nGlyph == CORXMenuImages::IdCloseSmall;
    if ((bPressed || bHighlighted) && (!bDisabled || bClose))
    {
        CSize size = CORXMenuImages::Size();
        CRect rectBox(rect.TopLeft(), CSize(size.cx + 5, size.cy + 5));
        OnFillHighlightedRect(pDC, rectBox,
                              bPressed && bHighlighted ? &pressedHighlightBrush : &highlightBrush);
        Frame(pDC, rectBox, menuItemBorderColour);
    }
    CORXMenuImages::Draw(pDC, (CORXMenuImages::IMAGES_IDS)CaptionButtonImage(pDC, nGlyph, bDisabled),
                         CPoint(rect.left + 2, rect.top + 2));
}

int CORXVisualManagerXP::CaptionButtonImage(CDC* pDC, int nGlyph, BOOL bDisabled)
{
    if (nGlyph == CORXMenuImages::IdClose || nGlyph == CORXMenuImages::IdCloseSmall)
        return CORXMenuImages::IdCloseSmall;
    // The other button shrinks or restores the bar along its row: arrows across a bar docked at
    // the top or bottom, up and down otherwise. The bar is the window the caption is drawn in.
    const HWND hWnd = ::WindowFromDC(pDC->GetSafeHdc());
    const CORXSizingControlBar* pBar =
        hWnd != NULL ? DYNAMIC_DOWNCAST(CORXSizingControlBar, CWnd::FromHandlePermanent(hWnd)) : NULL;
    const BOOL bHorz = pBar == NULL || pBar->IsHorzDocked();
    const BOOL bAlternate = nGlyph == CORXMenuImages::IdRestore;
    if (bHorz)
        return bAlternate ? CORXMenuImages::IdArowLeft
                          : (bDisabled ? CORXMenuImages::IdArowLeftDsbl : CORXMenuImages::IdArowRight);
    return bAlternate ? CORXMenuImages::IdArowDown
                      : (bDisabled ? CORXMenuImages::IdArowUpDisabled : CORXMenuImages::IdArowUp);
}

void CORXVisualManagerXP::OnDrawMenuSystemButton(CDC* pDC, CRect rect, UINT uiSystemCommand, UINT nStyle,
                                                 BOOL bHighlight)
{
    int nGlyph, nDisabled, nHot;
    switch (uiSystemCommand)
    {
    case SC_MINIMIZE:
        nGlyph = 8, nDisabled = 9, nHot = 29;
        break;
    case SC_CLOSE:
        nGlyph = 12, nDisabled = 13, nHot = 31;
        break;
    case SC_RESTORE:
        nGlyph = 10, nDisabled = 11, nHot = 30;
        break;
    default:
        return;
    }
    const BOOL bDisabled = (nStyle & TBBS_DISABLED) != 0;
    const BOOL bPressed = (nStyle & TBBS_PRESSED) != 0;
    if (bHighlight && !bDisabled)
    {
        OnFillHighlightedRect(pDC, rect, bPressed ? &pressedHighlightBrush : &highlightBrush);
        Frame(pDC, rect, menuItemBorderColour);
    }
    DrawGlyph(pDC, rect, bDisabled ? nDisabled : (bHighlight && bPressed ? nHot : nGlyph));
}

void CORXVisualManagerXP::OnDrawStatusBarPaneBorder(CDC* pDC, CWnd* pBar, CRect rectPane, UINT uiID,
                                                    UINT nStyle)
{
    if (nStyle & SBPS_NOBORDERS)
        return;
    if (nStyle & SBPS_POPOUT)
    {
        CORXDrawHelper dh(pDC);
        dh.HighlightRect(rectPane, -1, (COLORREF)-1);
    }
    Frame(pDC, rectPane, paneBorderColour);
}

void CORXVisualManagerXP::OnDrawComboDropButton(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped,
                                                BOOL bIsHighlighted, CORXToolbarButtonInfo* pButton)
{
    if (!bIsDropped && !bIsHighlighted)
    {
        FillSolid(pDC, rect, globalData.clrBarFace);
        Frame(pDC, rect, globalData.clrBarHilite);
        DrawGlyph(pDC, rect, bDisabled ? CORXMenuImages::IdArowDownDsbl : CORXMenuImages::IdArowDown);
        return;
    }
    OnFillHighlightedRect(pDC, rect, bIsDropped ? &pressedHighlightBrush : &highlightBrush);
    FillSolid(pDC, CRect(rect.left, rect.top, rect.left + 1, rect.bottom), menuItemBorderColour);
    DrawGlyph(pDC, rect,
              bIsDropped ? CORXMenuImages::IdArowDownDropped
                         : (bDisabled ? CORXMenuImages::IdArowDownDsbl : CORXMenuImages::IdArowDown));
}

void CORXVisualManagerXP::OnDrawComboBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped,
                                            BOOL bIsHighlighted, CORXToolbarButtonInfo* pButton)
{
    if (!bIsDropped && !bIsHighlighted)
        return;
    rect.DeflateRect(1, 1);
    Frame(pDC, rect, menuItemBorderColour);
}

void CORXVisualManagerXP::OnDrawEditBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsHighlighted,
                                           CORXToolbarButtonInfo* pButton)
{
    if (!CORXToolbarEditBoxButton::m_bFlat)
    {
        CORXVisualManager::OnDrawEditBorder(pDC, rect, bDisabled, bIsHighlighted, pButton);
        return;
    }
    if (bIsHighlighted)
        Frame(pDC, rect, menuItemBorderColour);
}

void CORXVisualManagerXP::OnDrawTearOffCaption(CDC* pDC, CRect rect, BOOL bIsActive)
{
    if (horizontalGripperBrush.GetSafeHandle() == NULL)
        CreateGripperBrushes();
    FillBrush(pDC, rect, menuBackgroundBrush);
    rect.DeflateRect(1, 1);
    OnFillHighlightedRect(pDC, rect, bIsActive ? &highlightBrush : &barBackgroundBrush);
    CRect rectBand = rect;
    const int nWidth = std::max(2 * (int)CORXToolBar::GetMenuImageSize().cx, 20);
    rectBand.left = rect.left + (rect.Width() - nWidth) / 2;
    rectBand.right = rectBand.left + nWidth;
    if (bIsActive)
        rectBand.DeflateRect(0, 1);
    DrawGripperBand(pDC, rectBand, horizontalGripperBrush,
                    bIsActive ? globalData.clrBarDkShadow : globalData.clrBarShadow,
                    bIsActive ? highlightColour : barBackgroundColour);
    if (bIsActive)
        Frame(pDC, rect, globalData.clrBarDkShadow);
}

/////////////////////////////////////////////////////////////////////////////
// Buttons

void CORXVisualManagerXP::OnFillButtonInterior(CDC* pDC, CORXToolbarButtonInfo* pButton, CRect rect,
                                               ORXButtonState state)
{
    if (CORXToolBar::IsCustomizeMode() || (state != ButtonsIsPressed && state != ButtonsIsHighlighted))
        return;
    const BOOL bInPopup = IsInPopupMenuBar(pButton);
    if (!(bInPopup && state == ButtonsIsHighlighted))
    {
        rect.right--;
        rect.bottom--;
    }
    CBrush* pBrush =
        (pButton->GetStyle() & TBBS_PRESSED) && !bInPopup ? &pressedHighlightBrush : &highlightBrush;
    if (IsDroppedMenuButton(pButton))
    {
        ExtendMenuButtonRect(AsMenuButton(pButton), rect);
        pBrush = &barBackgroundBrush;
    }
    const BOOL bChecked = (pButton->GetStyle() & TBBS_CHECKED) != 0;
    if (bChecked)
        pBrush = state == ButtonsIsHighlighted ? &pressedHighlightBrush : &checkedHighlightBrush;
    if ((pButton->GetStyle() & TBBS_DISABLED) && AsMenuButton(pButton) != NULL)
        pBrush = &menuBackgroundBrush;
    if (!bChecked)
        rect.DeflateRect(1, 1);
    else if (bInPopup)
        rect.left--;
    OnFillHighlightedRect(pDC, rect, pBrush);
}

void CORXVisualManagerXP::OnDrawButtonBorder(CDC* pDC, CORXToolbarButtonInfo* pButton, CRect rect,
                                             ORXButtonState state)
{
    if (state != ButtonsIsPressed && state != ButtonsIsHighlighted)
        return;
    COLORREF clrBorder = menuItemBorderColour;
    const BOOL bInPopup = IsInPopupMenuBar(pButton);
    if (!(bInPopup && state == ButtonsIsHighlighted))
    {
        rect.right--;
        rect.bottom--;
    }
    if (bInPopup && (pButton->GetStyle() & TBBS_CHECKED))
        rect.bottom++;
    if (IsDroppedMenuButton(pButton))
    {
        clrBorder = menuBorderColour;
        ExtendMenuButtonRect(AsMenuButton(pButton), rect);
        if (CORXPopupMenu::AreMenuShadowsEnabled() && !CORXToolBar::IsCustomizeMode() &&
            globalData.m_nBitsPerPixel > 8)
        {
            CORXDrawHelper dh(pDC);
            dh.DrawShadow(rect, m_nMenuShadowDepth, 100, 75, NULL, NULL, TRUE);
        }
    }
    Frame(pDC, rect, clrBorder);
}

void CORXVisualManagerXP::OnFillHighlightedArea(CDC* pDC, CRect rect, CBrush* pBrush,
                                                CORXToolbarButtonInfo* pButton, COLORREF* pclrText)
{
    const BOOL bDisabled = pButton != NULL && (pButton->GetStyle() & TBBS_DISABLED);
    if (pclrText != NULL)
        *pclrText = bDisabled ? globalData.clrGrayedText : GetHighlightTextColor();
    OnFillHighlightedRect(pDC, rect, bDisabled ? &menuBackgroundBrush : &highlightBrush);
    Frame(pDC, rect, menuItemBorderColour);
    if (pButton != NULL && IsInPopupMenuBar(pButton) && rect.left > GetMenuImageMargin() - 1)
    {
        const int xLeft = CORXToolBar::GetMenuImageSize().cx + 2 * GetMenuImageMargin() - 1 +
                          ((pButton->GetStyle() & TBBS_CHECKED) ? 2 : 0);
        CRect rectImage(xLeft, rect.top, rect.left + 1, rect.bottom);
        if (rectImage.Width() > 0)
        {
            Frame(pDC, rectImage, menuItemBorderColour);
            rectImage.DeflateRect(1, 1);
            OnFillHighlightedRect(pDC, rectImage, bDisabled ? &menuBackgroundBrush : &highlightBrush);
        }
    }
}

void CORXVisualManagerXP::OnHighlightRarelyUsedMenuItems(CDC* pDC, CRect rectRarelyUsed)
{
    CRect rect = rectRarelyUsed;
    rect.left--;
    rect.right = rect.left + CORXToolBar::GetMenuImageSize().cx + 2 * GetMenuImageMargin() + 2;
    CORXDrawHelper dh(pDC);
    dh.HighlightRect(rect, 94, (COLORREF)-1);
}

COLORREF CORXVisualManagerXP::GetToolbarButtonTextColor(CORXToolbarButtonInfo* pButton, ORXButtonState state)
{
    if (pButton->GetFaceKind() == CORXToolbarButtonInfo::faceShortcut)
    {
        const BOOL bGreyed = CORXToolBar::IsCustomizeMode() ? !pButton->CanBeStored()
                                                            : (pButton->GetStyle() & TBBS_DISABLED) != 0;
        return bGreyed ? globalData.clrGrayedText : globalData.clrBarText;
    }
    if (state == ButtonsIsHighlighted && (pButton->GetStyle() & (TBBS_PRESSED | TBBS_CHECKED)))
        return globalData.clrTextHilite;
    return CORXVisualManager::GetToolbarButtonTextColor(pButton, state);
}

CWnd* CORXVisualManagerXP::WindowOfDC(CDC* pDC)
{
    const HWND hWnd = pDC != NULL ? ::WindowFromDC(pDC->GetSafeHdc()) : NULL;
    return hWnd != NULL ? CWnd::FromHandlePermanent(hWnd) : NULL;
}

BOOL CORXVisualManagerXP::IsFlatPageButton(CDC* pDC, BOOL bIsPressed, BOOL& bChecked)
{
    bChecked = bIsPressed;
    CWnd* pButton = WindowOfDC(pDC);
    if (pButton == NULL)
        return TRUE;
    const CORXOutlookBarInfo* pBar = dynamic_cast<const CORXOutlookBarInfo*>(pButton->GetParent());
    if (pBar == NULL || !pBar->IsFlatLook())
        return FALSE;
    bChecked = pButton->SendMessage(BM_GETCHECK) != 0;
    return TRUE;
}

BOOL CORXVisualManagerXP::OnFillOutlookPageButton(CDC* pDC, const CRect& rect, BOOL bIsHighlighted,
                                                  BOOL bIsPressed, COLORREF& clrText)
{
    BOOL bChecked = FALSE;
    if (!IsFlatPageButton(pDC, bIsPressed, bChecked))
        return FALSE;
    FillBrush(pDC, rect,
              (bIsPressed || bChecked) && bIsHighlighted ? pressedHighlightBrush
              : bIsHighlighted                           ? highlightBrush
              : bChecked                                 ? checkedHighlightBrush
                                                         : globalData.brBarFace);
    clrText = globalData.clrBarText;
    return TRUE;
}

BOOL CORXVisualManagerXP::OnDrawOutlookPageButtonBorder(CDC* pDC, CRect& rectBtn, BOOL bIsHighlighted,
                                                        BOOL bIsPressed)
{
    BOOL bChecked = FALSE;
    if (!IsFlatPageButton(pDC, bIsPressed, bChecked))
        return FALSE;
    if (bIsHighlighted || bChecked)
        Frame(pDC, rectBtn, menuItemBorderColour);
    return TRUE;
}

void CORXVisualManagerXP::OnFillPushButtonBackground(CDC* pDC, const CRect& rect, CWnd* pButton, BOOL bPushed,
                                                     BOOL bHot)
{
    FillBrush(pDC, rect, !bHot ? globalData.brBarFace : (bPushed ? pressedHighlightBrush : highlightBrush));
}

void CORXVisualManagerXP::OnDrawPushButtonBorder(CDC* pDC, const CRect& rect, CWnd* pButton, BOOL bPushed,
                                                 BOOL bHot)
{
    if (bPushed || bHot)
        Frame(pDC, rect, globalData.clrBarDkShadow);
}

void CORXVisualManagerXP::OnDrawRaisedStrip(CDC* pDC, CRect rect)
{
    if (horizontalGripperBrush.GetSafeHandle() == NULL)
        CreateGripperBrushes();
    FillBrush(pDC, rect, globalData.brBarFace);
    pDC->Draw3dRect(rect, globalData.clrBarLight, globalData.clrBarShadow);
    const int nWidth = std::max(2 * (int)CORXToolBar::GetMenuImageSize().cx, 20);
    CRect rectBand(rect.left + (rect.Width() - nWidth) / 2, rect.top + 2, 0, rect.bottom - 2);
    rectBand.right = rectBand.left + nWidth;
    DrawGripperBand(pDC, rectBand, horizontalGripperBrush, globalData.clrBarShadow, barBackgroundColour);
}

COLORREF CORXVisualManagerXP::OnFillTitleStrip(CDC* pDC, CRect rect)
{
    FillSolid(pDC, CRect(rect.left, rect.top, rect.right, std::min((int)rect.top + 3, (int)rect.bottom)),
              globalData.clrBarFace);
    if (rect.Height() > 3)
        FillSolid(pDC, CRect(rect.left, rect.top + 3, rect.right, rect.bottom), globalData.clrBarShadow);
    return globalData.clrBarHilite;
}

/////////////////////////////////////////////////////////////////////////////
// Tabs

void CORXVisualManagerXP::OnEraseTabsArea(CDC* pDC, CRect rect, const CORXTabWndInfo* pTabWnd)
{
    if (pTabWnd != NULL && pTabWnd->IsFlatTab())
    {
        CORXVisualManager::OnEraseTabsArea(pDC, rect, pTabWnd);
        return;
    }
    FillBrush(pDC, rect, tabAreaBrush);
    if (pTabWnd == NULL || pTabWnd->IsLocationBottom())
        FillSolid(pDC, CRect(rect.left, rect.bottom - 1, rect.right, rect.bottom), globalData.clrBarHilite);
}

void CORXVisualManagerXP::OnFillTab(CDC* pDC, CRect rectFill, CBrush* pbrFill, int iTab, BOOL bIsActive,
                                    const CORXTabWndInfo* pTabWnd)
{
    if (bIsActive)
    {
        if (pbrFill != NULL)
            FillBrush(pDC, rectFill, *pbrFill);
        return;
    }
    const COLORREF clrTab = pTabWnd != NULL ? pTabWnd->GetTabBkColor(iTab) : (COLORREF)-1;
    if (clrTab != (COLORREF)-1)
        FillSolid(pDC, rectFill, clrTab);
}

void CORXVisualManagerXP::OnDrawTab(CDC* pDC, CRect rectTab, int iTab, BOOL bIsActive,
                                    const CORXTabWndInfo* pTabWnd)
{
    // Flat windows, the overlapping tabs of the coloured style and tabs with colours of their own
    // keep the base's drawing.
    if (pTabWnd == NULL || pTabWnd->IsFlatTab() || pTabWnd->IsColoredStrip() || pTabWnd->IsColored())
    {
        CORXVisualManager::OnDrawTab(pDC, rectTab, iTab, bIsActive, pTabWnd);
        return;
    }
    COLORREF clrDark, clrBlack, clrHighlight, clrFace, clrDarkShadow, clrLight;
    CBrush* pbrFace = NULL;
    CBrush* pbrBlack = NULL;
    GetTabFrameColors(pTabWnd, clrDark, clrBlack, clrHighlight, clrFace, clrDarkShadow, clrLight, pbrFace,
                      pbrBlack);
    CPen penDark(PS_SOLID, 1, clrDark);
    CPen penBlack(PS_SOLID, 1, clrBlack);
    CPen penHighlight(PS_SOLID, 1, clrHighlight);
    CPen* pOldPen = pDC->SelectObject(&penDark);

    if (iTab != pTabWnd->GetTabsNum() - 1)
    {
        pDC->MoveTo(rectTab.right, rectTab.top + 3);
        pDC->LineTo(rectTab.right, rectTab.bottom - 3);
    }
    if (bIsActive)
    {
        if (pTabWnd->IsLocationBottom())
        {
            // Up over the frame's edge towards the tabs: 3 pixels, 2 under the tab window's
            // draw-frame option, whose frame has no outlines of its own.
            CRect rectFill = rectTab;
            rectFill.top -= pTabWnd->IsDrawFrame() ? 2 : 3;
            OnFillTab(pDC, rectFill, pbrFace, iTab, bIsActive, pTabWnd);
            pDC->SelectObject(&penBlack);
            pDC->MoveTo(rectTab.right, rectTab.top - 2);
            pDC->LineTo(rectTab.right, rectTab.bottom);
            pDC->LineTo(rectTab.left, rectTab.bottom);
            pDC->SelectObject(&penHighlight);
            pDC->LineTo(rectTab.left, rectTab.top - 2);
        }
        else
        {
            CRect rectFill = rectTab;
            rectFill.left++;
            rectFill.bottom += 3;
            OnFillTab(pDC, rectFill, pbrFace, iTab, bIsActive, pTabWnd);
            pDC->SelectObject(&penBlack);
            pDC->MoveTo(rectTab.right, rectTab.top);
            pDC->LineTo(rectTab.right, rectTab.bottom + 1);
            pDC->SelectObject(&penHighlight);
            pDC->MoveTo(rectTab.right - 1, rectTab.top);
            pDC->LineTo(rectTab.left, rectTab.top);
            pDC->LineTo(rectTab.left, rectTab.bottom + 1);
        }
    }
    pDC->SelectObject(pOldPen);
    OnDrawTabContent(pDC, rectTab, iTab, bIsActive, pTabWnd,
                     bIsActive ? globalData.clrBarText : inactiveTabTextColour);
}

void CORXVisualManagerXP::OnFillTabButton(CDC* pDC, CRect rect, BOOL bPressed, BOOL bHighlighted,
                                          const CORXTabWndInfo* pTabWnd)
{
    if (pTabWnd != NULL && pTabWnd->IsFlatTab())
    {
        CBrush* pBrush =
            !bHighlighted ? &globalData.brBarFace : (bPressed ? &pressedHighlightBrush : &highlightBrush);
        FillBrush(pDC, rect, *pBrush);
        OnFillHighlightedRect(pDC, rect, pBrush);
        return;
    }
    FillBrush(pDC, rect, tabAreaBrush);
}

void CORXVisualManagerXP::OnDrawTabButtonBorder(CDC* pDC, CRect& rect, BOOL bPressed, BOOL bHighlighted,
                                                const CORXTabWndInfo* pTabWnd)
{
    if (pTabWnd != NULL && pTabWnd->IsFlatTab())
    {
        if (bPressed || bHighlighted)
            Frame(pDC, rect, globalData.clrBarDkShadow);
        return;
    }
    if (!bPressed && !bHighlighted)
        return;
    if (bPressed && bHighlighted)
        pDC->Draw3dRect(rect, globalData.clrBarDkShadow, gripperColour);
    else
        pDC->Draw3dRect(rect, gripperColour, globalData.clrBarDkShadow);
}

COLORREF CORXVisualManagerXP::OnFillCommandsListBackground(CDC* pDC, CRect rect, BOOL bIsSelected)
{
    if (!bIsSelected)
    {
        FillBrush(pDC, rect, menuBackgroundBrush);
        CRect rectImages = rect;
        rectImages.right = rectImages.left + GetMenuImageColumnWidth();
        FillBrush(pDC, rectImages, barBackgroundBrush);
        return globalData.clrBarText;
    }
    rect.left = 0;
    OnFillHighlightedRect(pDC, rect, &highlightBrush);
    Frame(pDC, rect, menuItemBorderColour);
    return GetHighlightTextColor();
}

/////////////////////////////////////////////////////////////////////////////
// Tasks pane and spin buttons

void CORXVisualManagerXP::OnFillTasksPaneBackground(CDC* pDC, CRect rectWorkArea)
{
    ::FillRect(pDC->GetSafeHdc(), &rectWorkArea, ::GetSysColorBrush(COLOR_WINDOW));
}

void CORXVisualManagerXP::OnDrawTasksGroupCaption(CDC* pDC, const CORXTasksGroupInfo* pGroup,
                                                  BOOL bIsHighlighted, BOOL bUsePadding, BOOL bCanCollapse)
{
    if (pGroup == NULL)
        return;
    const CRect rectCaption = pGroup->GetCaptionRect();
    int xText = rectCaption.left + CaptionTextOffset(pGroup);
    HICON hIcon = pGroup->GetIcon();
    const CSize sizeIcon = pGroup->GetIconSize();
    if (hIcon != NULL && sizeIcon.cx < rectCaption.Width() && sizeIcon.cy <= rectCaption.Height())
    {
        ::DrawIcon(pDC->GetSafeHdc(), rectCaption.left, rectCaption.bottom - sizeIcon.cy, hIcon);
        xText = rectCaption.left + sizeIcon.cx + 10;
    }
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF clrOld = pDC->SetTextColor(::GetSysColor(COLOR_WINDOWTEXT));
    HGDIOBJ hOldFont = ::SelectObject(pDC->GetSafeHdc(), CaptionFont(pGroup));
    CRect rectText(xText, rectCaption.top, rectCaption.right, rectCaption.bottom);
    const CSize sizeGlyph = CORXMenuImages::Size();
    const BOOL bMark =
        bCanCollapse && rectCaption.Height() >= sizeGlyph.cy && rectCaption.Width() >= sizeGlyph.cx;
    if (bMark)
        rectText.right -= rectCaption.Height();
    pDC->DrawText(pGroup->GetName(), rectText, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
    if (bMark)
    {
        CRect rectMark(rectCaption.right - rectCaption.Height(), rectCaption.top, rectCaption.right,
                       rectCaption.bottom);
        rectMark.DeflateRect(2, 2);
        CPen* pOldPen = pDC->SelectObject(&globalData.penHilite);
        CBrush* pOldBrush = (CBrush*)pDC->SelectStockObject(NULL_BRUSH);
        pDC->Rectangle(rectMark);
        pDC->SelectObject(pOldBrush);
        pDC->SelectObject(pOldPen);
        DrawGlyph(pDC, rectMark,
                  pGroup->IsCollapsed() ? CORXMenuImages::IdArowDown : CORXMenuImages::IdArowUp);
    }
    ::SelectObject(pDC->GetSafeHdc(), hOldFont);
    pDC->SetTextColor(clrOld);
    pDC->SetBkMode(nOldMode);
}

void CORXVisualManagerXP::OnDrawTasksGroupAreaBorder(CDC* pDC, CRect rect, BOOL bSpecial, BOOL bNoTitle)
{
    CPen* pOldPen = pDC->SelectObject(&globalData.penBarShadow);
    pDC->MoveTo(rect.left, rect.top);
    pDC->LineTo(rect.right, rect.top);
    pDC->SelectObject(pOldPen);
}

void CORXVisualManagerXP::OnDrawTasksGroupFrame(CDC* pDC, CRect rect, BOOL bSpecial) {}

void CORXVisualManagerXP::OnDrawTask(CDC* pDC, const CORXTaskInfo* pTask, CImageList* pIcons,
                                     BOOL bIsHighlighted, BOOL bIsSelected)
{
    if (pTask == NULL)
        return;
    CRect rect = pTask->GetRect();
    if (pTask->IsSeparator())
    {
        CPen* pOldPen = pDC->SelectObject(&globalData.penBarShadow);
        const int y = rect.top + rect.Height() / 2;
        pDC->MoveTo(rect.left, y);
        pDC->LineTo(rect.right, y);
        pDC->SelectObject(pOldPen);
        return;
    }
    DrawTaskIcon(pDC, pTask, pIcons, rect);
    // A task that runs a command is a link, blue whether hot or not; underlined while hot.
    const BOOL bEnabled = pTask->IsEnabled();
    const BOOL bLink = bEnabled && pTask->HasCommand();
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF clrOld = pDC->SetTextColor(!bEnabled ? globalData.clrGrayedText
                                              : bLink   ? globalData.clrHotText
                                                        : pDC->GetTextColor());
    HGDIOBJ hOldFont = ::SelectObject(pDC->GetSafeHdc(), TaskFont(pTask, bLink && bIsHighlighted));
    pDC->DrawText(pTask->GetName(), rect, DT_SINGLELINE | DT_VCENTER);
    ::SelectObject(pDC->GetSafeHdc(), hOldFont);
    pDC->SetTextColor(clrOld);
    pDC->SetBkMode(nOldMode);
}

void CORXVisualManagerXP::OnDrawTasksPaneScrollButton(CDC* pDC, CRect rect, BOOL bUp, BOOL bHighlighted,
                                                      BOOL bPressed, BOOL bDisabled)
{
    FillBrush(pDC, rect, globalData.brWindow);
    if (bHighlighted)
    {
        FillBrush(pDC, rect, highlightBrush);
        Frame(pDC, rect, menuItemBorderColour);
    }
    DrawGlyph(pDC, rect,
              bUp ? (bDisabled ? CORXMenuImages::IdArowUpDisabled : CORXMenuImages::IdArowUp)
                  : (bDisabled ? CORXMenuImages::IdArowDownDsbl : CORXMenuImages::IdArowDown));
}

void CORXVisualManagerXP::OnDrawSpinButtons(CDC* pDC, CRect rectSpin, int nState, BOOL bOrientation,
                                            CWnd* pSpinCtrl)
{
    // bOrientation is TRUE for a horizontal control: its halves lie left and right.
    CRect rect[2] = {rectSpin, rectSpin};
    if (bOrientation)
    {
        rect[0].right = rectSpin.left + rectSpin.Width() / 2;
        rect[1].left = rect[0].right;
    }
    else
    {
        rect[0].bottom = rectSpin.top + rectSpin.Height() / 2;
        rect[1].top = rect[0].bottom;
    }
    // Bit 1 presses the first half and bit 2 the second, as the control sets them; both may be set
    // while the mouse crosses from one half to the other.
    const BOOL bPressed[2] = {(nState & 1) != 0, (nState & 2) != 0};
    const BOOL bHot[2] = {(nState & 4) != 0, (nState & 4) == 0 && (nState & 8) != 0};
    const BOOL bDisabled = (nState & 16) != 0;
    for (int i = 0; i < 2; i++)
    {
        if (bPressed[i] && !bDisabled)
            OnFillHighlightedRect(pDC, rect[i], &pressedHighlightBrush);
        else if (bHot[i] && !bDisabled)
            OnFillHighlightedRect(pDC, rect[i], &highlightBrush);
        else
        {
            FillBrush(pDC, rect[i], globalData.brBarFace);
            Frame(pDC, rect[i], globalData.clrBarHilite);
        }
        int nGlyph = bOrientation ? (i == 0 ? CORXMenuImages::IdArowLeft : CORXMenuImages::IdArowRight)
                                  : (i == 0 ? CORXMenuImages::IdArowUp : CORXMenuImages::IdArowDown);
        if (bDisabled)
            nGlyph = bOrientation
                         ? (i == 0 ? CORXMenuImages::IdArowLeftDsbl : CORXMenuImages::IdArowRight)
                         : (i == 0 ? CORXMenuImages::IdArowUpDisabled : CORXMenuImages::IdArowDownDsbl);
        DrawGlyph(pDC, rect[i], nGlyph);
    }
    for (int i = 0; i < 2; i++)
    {
        if (bHot[i] && !bDisabled)
            Frame(pDC, rect[i], menuItemBorderColour);
    }
}
