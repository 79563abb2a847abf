// CORXWinXPVisualManager: theme parts where the class has a theme, the flat look where it has none.
#include "ORXWinXPVisualManager.h"

#include "ORXButton.h"
#include "ORXDrawHelper.h"
#include "ORXExtrasHooks.h"
#include "ORXGlobalData.h"
#include "ORXMenuBar.h"
#include "ORXPopupMenu.h"
#include "ORXPopupMenuBar.h"
#include "ORXSizingControlBar.h"
#include "ORXToolBar.h"
#include "ORXToolbarImageList.h"
#include "ORXToolbarMenuButton.h"

IMPLEMENT_DYNCREATE(CORXWinXPVisualManager, CORXVisualManagerXP)

namespace
{
// Published part and state numbers of the visual styles.
enum
{
    RP_GRIPPER = 1,
    RP_GRIPPERVERT = 2,
    TP_BUTTON = 1,
    TP_SEPARATOR = 5,
    TP_SEPARATORVERT = 6,
    TS_NORMAL = 1,
    TS_HOT = 2,
    TS_PRESSED = 3,
    TS_DISABLED = 4,
    TS_CHECKED = 5,
    TS_HOTCHECKED = 6,
    BP_PUSHBUTTON = 1,
    PBS_NORMAL = 1,
    PBS_HOT = 2,
    PBS_PRESSED = 3,
    PBS_DISABLED = 4,
    WP_MDIMINBUTTON = 16,
    WP_MDICLOSEBUTTON = 20,
    WP_MDIRESTOREBUTTON = 22,
    SP_PANE = 1,
    SBP_SIZEBOX = 10,
    SZB_RIGHTALIGN = 1,
    CP_DROPDOWNBUTTON = 1,
    HP_HEADERITEM = 1,
    EBP_HEADERBACKGROUND = 1,
    EBP_NORMALGROUPBACKGROUND = 5,
    EBP_NORMALGROUPCOLLAPSE = 6,
    EBP_NORMALGROUPEXPAND = 7,
    EBP_NORMALGROUPHEAD = 8,
    EBP_SPECIALGROUPBACKGROUND = 9,
    EBP_SPECIALGROUPCOLLAPSE = 10,
    EBP_SPECIALGROUPEXPAND = 11,
    EBP_SPECIALGROUPHEAD = 12,
    TVP_GLYPH = 2,
    GLPS_CLOSED = 1,
    GLPS_OPENED = 2,
    SPNP_UP = 1,
    SPNP_DOWN = 2,
    SPNP_UPHORZ = 3,
    SPNP_DOWNHORZ = 4
};

void Frame(CDC* pDC, const CRect& rect, COLORREF clr)
{
    pDC->Draw3dRect(rect, clr, clr);
}
} // namespace

CORXWinXPVisualManager::CORXWinXPVisualManager(BOOL bTemporary)
    : CORXVisualManagerXP(bTemporary), CORXThemeLibrary(), xpLookMenus(FALSE)
{
    m_nVertMargin = 12;
    m_nHorzMargin = 12;
    m_nGroupVertOffset = 15;
    m_nGroupCaptionHeight = 25;
    m_nGroupCaptionHorzOffset = 13;
    m_nGroupCaptionVertOffset = 7;
    m_nTasksHorzOffset = 12;
    m_nTasksIconHorzOffset = 5;
    m_nTasksIconVertOffset = 4;
    m_bActiveCaptions = TRUE;
    // Shadows under highlighted images only where no window theme is open, as every colour change
    // sets it again; the theme wrapper has just opened its handles.
    m_bShadowHighlightedImage = m_hThemeWindow == NULL;
}

CORXWinXPVisualManager::~CORXWinXPVisualManager() {}

int CORXWinXPVisualManager::PushButtonState(CWnd* pButton, BOOL bPushed, BOOL bHot)
{
    if (pButton != NULL && pButton->GetSafeHwnd() != NULL && !pButton->IsWindowEnabled())
        return PBS_DISABLED;
    if (bPushed && bHot)
        return PBS_PRESSED;
    if (pButton != NULL && pButton->GetSafeHwnd() != NULL && pButton->SendMessage(BM_GETCHECK) != 0)
        return PBS_PRESSED;
    return bHot ? PBS_HOT : PBS_NORMAL;
}

BOOL CORXWinXPVisualManager::IsMenuButtonInMenu(CORXToolbarButtonInfo* pButton) const
{
    CORXToolbarMenuButton* pMenuButton = dynamic_cast<CORXToolbarMenuButton*>(pButton);
    if (pMenuButton == NULL || pMenuButton->GetParentWnd() == NULL)
        return FALSE;
    CWnd* pParent = pMenuButton->GetParentWnd();
    return pParent->IsKindOf(RUNTIME_CLASS(CORXMenuBar)) ||
           pParent->IsKindOf(RUNTIME_CLASS(CORXPopupMenuBar));
}

void CORXWinXPVisualManager::OnUpdateSystemColors()
{
    CORXVisualManagerXP::OnUpdateSystemColors();
    OpenThemeHandles();
    m_bShadowHighlightedImage = m_hThemeWindow == NULL;
}

void CORXWinXPVisualManager::OnFillBarBackground(CDC* pDC, CControlBar* pBar, CRect rectClient,
                                                 CRect rectClip)
{
    if (m_hThemeWindow != NULL && !xpLookMenus && pBar != NULL &&
        pBar->IsKindOf(RUNTIME_CLASS(CORXPopupMenuBar)))
    {
        if (rectClip.IsRectEmpty())
            rectClip = rectClient;
        ::FillRect(pDC->GetSafeHdc(), &rectClip, ::GetSysColorBrush(COLOR_MENU));
        return;
    }
    CORXVisualManagerXP::OnFillBarBackground(pDC, pBar, rectClient, rectClip);
}

void CORXWinXPVisualManager::OnDrawMenuBorder(CDC* pDC, CORXPopupMenu* pMenu, CRect rect)
{
    if (m_hThemeWindow != NULL && !xpLookMenus)
    {
        CORXVisualManager::OnDrawMenuBorder(pDC, pMenu, rect);
        return;
    }
    const BOOL bSaved = menuJoinsButton;
    if (m_hThemeWindow == NULL)
        menuJoinsButton = TRUE;
    else
    {
        CORXToolbarMenuButton* pButton = pMenu != NULL ? pMenu->GetParentButton() : NULL;
        menuJoinsButton = !CORXToolBar::IsCustomizeMode() && pButton != NULL &&
                          pButton->GetParentWnd() != NULL &&
                          pButton->GetParentWnd()->IsKindOf(RUNTIME_CLASS(CORXMenuBar));
    }
    CORXVisualManagerXP::OnDrawMenuBorder(pDC, pMenu, rect);
    menuJoinsButton = bSaved;
}

void CORXWinXPVisualManager::OnDrawBarGripper(CDC* pDC, CRect rectGripper, BOOL bHorz, CControlBar* pBar)
{
    if (m_hThemeRebar == NULL)
    {
        CORXVisualManagerXP::OnDrawBarGripper(pDC, rectGripper, bHorz, pBar);
        return;
    }
    const BOOL bSizingBar = pBar != NULL && pBar->IsKindOf(RUNTIME_CLASS(CORXSizingControlBar));
    const int nPart = (bHorz && !bSizingBar) || (!bHorz && bSizingBar) ? RP_GRIPPER : RP_GRIPPERVERT;
    DrawPart(pDC, m_hThemeRebar, nPart, 0, rectGripper);
    if (bSizingBar)
    {
        CRect rectText = rectGripper;
        rectText.DeflateRect(bHorz ? 4 : 0, bHorz ? 0 : 4);
        DrawSizingBarCaption(pDC, rectText, bHorz, pBar);
    }
}

void CORXWinXPVisualManager::OnDrawSeparator(CDC* pDC, CControlBar* pBar, CRect rect, BOOL bIsHoriz)
{
    if (m_hThemeToolBar == NULL ||
        (xpLookMenus && pBar != NULL && pBar->IsKindOf(RUNTIME_CLASS(CORXPopupMenuBar))))
    {
        CORXVisualManagerXP::OnDrawSeparator(pDC, pBar, rect, bIsHoriz);
        return;
    }
    DrawPart(pDC, m_hThemeToolBar, bIsHoriz ? TP_SEPARATOR : TP_SEPARATORVERT, 0, rect);
}

void CORXWinXPVisualManager::OnDrawCaptionButton(CDC* pDC, CRect rect, int nGlyph, BOOL bActive,
                                                 BOOL bHighlighted, BOOL bPressed, BOOL bDisabled)
{
    if (m_hThemeButton == NULL)
    {
        CORXVisualManagerXP::OnDrawCaptionButton(pDC, rect, nGlyph, bActive, bHighlighted, bPressed,
                                                 bDisabled);
        return;
    }
    const int nState = bDisabled                  ? PBS_DISABLED
                       : bPressed && bHighlighted ? PBS_PRESSED
                       : bHighlighted             ? PBS_HOT
                                                  : PBS_NORMAL;
    CSize size = CORXMenuImages::Size();
    DrawPart(pDC, m_hThemeButton, BP_PUSHBUTTON, nState,
             CRect(rect.TopLeft(), CSize(size.cx + 5, size.cy + 5)));
    CORXVisualManagerXP::OnDrawCaptionButton(pDC, rect, nGlyph, bActive, FALSE, FALSE, bDisabled);
}

void CORXWinXPVisualManager::OnDrawMenuSystemButton(CDC* pDC, CRect rect, UINT uiSystemCommand, UINT nStyle,
                                                    BOOL bHighlight)
{
    if (m_hThemeWindow == NULL)
    {
        CORXVisualManagerXP::OnDrawMenuSystemButton(pDC, rect, uiSystemCommand, nStyle, bHighlight);
        return;
    }
    int nPart;
    switch (uiSystemCommand)
    {
    case SC_MINIMIZE:
        nPart = WP_MDIMINBUTTON;
        break;
    case SC_CLOSE:
        nPart = WP_MDICLOSEBUTTON;
        break;
    case SC_RESTORE:
        nPart = WP_MDIRESTOREBUTTON;
        break;
    default:
        return;
    }
    const int nState = (nStyle & TBBS_DISABLED)                ? 4
                       : (nStyle & TBBS_PRESSED) && bHighlight ? 3
                       : bHighlight                            ? 2
                                                               : 1;
    DrawPart(pDC, m_hThemeWindow, nPart, nState, rect);
}

void CORXWinXPVisualManager::OnDrawStatusBarPaneBorder(CDC* pDC, CWnd* pBar, CRect rectPane, UINT uiID,
                                                       UINT nStyle)
{
    if (m_hThemeStatusBar == NULL)
    {
        CORXVisualManagerXP::OnDrawStatusBarPaneBorder(pDC, pBar, rectPane, uiID, nStyle);
        return;
    }
    DrawPart(pDC, m_hThemeStatusBar, SP_PANE, 0, rectPane);
}

void CORXWinXPVisualManager::OnDrawStatusBarSizeBox(CDC* pDC, CWnd* pStatBar, CRect rectSizeBox)
{
    if (m_hThemeScrollBar == NULL)
    {
        CORXVisualManager::OnDrawStatusBarSizeBox(pDC, pStatBar, rectSizeBox);
        return;
    }
    DrawPart(pDC, m_hThemeScrollBar, SBP_SIZEBOX, SZB_RIGHTALIGN, rectSizeBox);
}

void CORXWinXPVisualManager::OnDrawComboDropButton(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped,
                                                   BOOL bIsHighlighted, CORXToolbarButtonInfo* pButton)
{
    if (m_hThemeComboBox == NULL)
    {
        CORXVisualManagerXP::OnDrawComboDropButton(pDC, rect, bDisabled, bIsDropped, bIsHighlighted, pButton);
        return;
    }
    const int nState = bDisabled ? 4 : bIsDropped ? 3 : bIsHighlighted ? 2 : 1;
    DrawPart(pDC, m_hThemeComboBox, CP_DROPDOWNBUTTON, nState, rect);
}

void CORXWinXPVisualManager::OnDrawComboBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped,
                                               BOOL bIsHighlighted, CORXToolbarButtonInfo* pButton)
{
    if (m_hThemeWindow == NULL)
    {
        CORXVisualManagerXP::OnDrawComboBorder(pDC, rect, bDisabled, bIsDropped, bIsHighlighted, pButton);
        return;
    }
    if (bIsDropped || bIsHighlighted)
    {
        rect.DeflateRect(1, 1);
        Frame(pDC, rect, ::GetSysColor(COLOR_HIGHLIGHT));
    }
}

void CORXWinXPVisualManager::OnDrawEditBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsHighlighted,
                                              CORXToolbarButtonInfo* pButton)
{
    if (m_hThemeWindow == NULL)
    {
        CORXVisualManagerXP::OnDrawEditBorder(pDC, rect, bDisabled, bIsHighlighted, pButton);
        return;
    }
    if (bIsHighlighted)
        Frame(pDC, rect, ::GetSysColor(COLOR_HIGHLIGHT));
}

void CORXWinXPVisualManager::OnFillButtonInterior(CDC* pDC, CORXToolbarButtonInfo* pButton, CRect rect,
                                                  ORXButtonState state)
{
    if (m_hThemeToolBar == NULL || (xpLookMenus && IsMenuButtonInMenu(pButton)))
    {
        CORXVisualManagerXP::OnFillButtonInterior(pDC, pButton, rect, state);
        return;
    }
    int nState = TS_NORMAL;
    if (pButton->GetStyle() & TBBS_PRESSED)
        nState = TS_PRESSED;
    else if (state == ButtonsIsHighlighted)
        nState = TS_HOT;
    if (pButton->GetStyle() & TBBS_CHECKED)
        nState = state == ButtonsIsHighlighted ? TS_HOTCHECKED : TS_CHECKED;
    if (pButton->GetStyle() & TBBS_DISABLED)
        nState = TS_DISABLED;
    DrawPart(pDC, m_hThemeToolBar, TP_BUTTON, nState, rect);
}

void CORXWinXPVisualManager::OnDrawButtonBorder(CDC* pDC, CORXToolbarButtonInfo* pButton, CRect rect,
                                                ORXButtonState state)
{
    if (m_hThemeToolBar == NULL || (xpLookMenus && IsMenuButtonInMenu(pButton)))
        CORXVisualManagerXP::OnDrawButtonBorder(pDC, pButton, rect, state);
}

void CORXWinXPVisualManager::OnDrawMenuButtonBorder(CDC* pDC, CORXToolbarButtonInfo* pButton, CRect rect,
                                                    ORXButtonState state)
{
    if (m_hThemeToolBar == NULL)
    {
        CORXVisualManager::OnDrawMenuButtonBorder(pDC, pButton, rect, state);
        return;
    }
    // Every hot pop-up menu item comes here after its highlight: the separator part goes over it,
    // grown by 2, and the vertical one only for a regular button, which no caller passes.
    rect.InflateRect(2, 2);
    DrawPart(pDC, m_hThemeToolBar, state != ButtonsIsRegular ? TP_SEPARATOR : TP_SEPARATORVERT, 0, rect);
}

void CORXWinXPVisualManager::OnFillHighlightedArea(CDC* pDC, CRect rect, CBrush* pBrush,
                                                   CORXToolbarButtonInfo* pButton, COLORREF* pclrText)
{
    if (m_hThemeWindow != NULL && !xpLookMenus)
    {
        CORXVisualManager::OnFillHighlightedArea(pDC, rect, pBrush, pButton, pclrText);
        return;
    }
    CORXVisualManagerXP::OnFillHighlightedArea(pDC, rect, pBrush, pButton, pclrText);
}

BOOL CORXWinXPVisualManager::OnFillOutlookPageButton(CDC* pDC, const CRect& rect, BOOL bIsHighlighted,
                                                     BOOL bIsPressed, COLORREF& clrText)
{
    if (m_hThemeButton == NULL)
        return CORXVisualManagerXP::OnFillOutlookPageButton(pDC, rect, bIsHighlighted, bIsPressed, clrText);
    BOOL bChecked = FALSE;
    if (!IsFlatPageButton(pDC, bIsPressed, bChecked))
        return FALSE;
    CRect rectButton = rect;
    rectButton.InflateRect(1, 1);
    DrawPart(pDC, m_hThemeButton, BP_PUSHBUTTON,
             (bIsPressed && bIsHighlighted) || bChecked ? PBS_PRESSED
             : bIsHighlighted                           ? PBS_HOT
                                                        : PBS_NORMAL,
             rectButton);
    clrText = globalData.clrBarText;
    return TRUE;
}

BOOL CORXWinXPVisualManager::OnDrawOutlookPageButtonBorder(CDC* pDC, CRect& rectBtn, BOOL bIsHighlighted,
                                                           BOOL bIsPressed)
{
    if (m_hThemeButton == NULL)
        return CORXVisualManagerXP::OnDrawOutlookPageButtonBorder(pDC, rectBtn, bIsHighlighted, bIsPressed);
    // The themed push button drawn by the fill carries its own edge.
    BOOL bChecked = FALSE;
    return IsFlatPageButton(pDC, bIsPressed, bChecked);
}

void CORXWinXPVisualManager::OnFillPushButtonBackground(CDC* pDC, const CRect& rect, CWnd* pButton,
                                                        BOOL bPushed, BOOL bHot)
{
    if (m_hThemeButton == NULL)
        CORXVisualManagerXP::OnFillPushButtonBackground(pDC, rect, pButton, bPushed, bHot);
}

void CORXWinXPVisualManager::OnDrawPushButtonBorder(CDC* pDC, const CRect& rect, CWnd* pButton, BOOL bPushed,
                                                    BOOL bHot)
{
    if (m_hThemeButton == NULL)
    {
        CORXVisualManagerXP::OnDrawPushButtonBorder(pDC, rect, pButton, bPushed, bHot);
        return;
    }
    CRect rectFill = rect;
    rectFill.InflateRect(1, 1);
    ::FillRect(pDC->GetSafeHdc(), &rectFill, (HBRUSH)globalData.brBarFace.GetSafeHandle());
    const int nState = PushButtonState(pButton, bPushed, bHot);
    // An idle button keeps the plain face.
    if (nState == PBS_NORMAL && !bHot)
        return;
    DrawPart(pDC, m_hThemeButton, BP_PUSHBUTTON, nState == PBS_HOT ? PBS_NORMAL : nState, rect);
}

void CORXWinXPVisualManager::OnDrawTabButtonBorder(CDC* pDC, CRect& rect, BOOL bPressed, BOOL bHighlighted,
                                                   const CORXTabWndInfo* pTabWnd)
{
    if (m_hThemeButton == NULL)
    {
        CORXVisualManagerXP::OnDrawTabButtonBorder(pDC, rect, bPressed, bHighlighted, pTabWnd);
        return;
    }
    // The button is the window it draws in: its parent's background goes under the part, and
    // its own enabled and checked states choose the part's state.
    CWnd* pButton = WindowOfDC(pDC);
    if (pButton != NULL)
        globalData.DrawParentBackground(pButton, pDC, rect);
    DrawPart(pDC, m_hThemeButton, BP_PUSHBUTTON, PushButtonState(pButton, bPressed, bHighlighted), rect);
}

COLORREF CORXWinXPVisualManager::OnFillCommandsListBackground(CDC* pDC, CRect rect, BOOL bIsSelected)
{
    if (m_hThemeWindow == NULL || xpLookMenus)
        return CORXVisualManagerXP::OnFillCommandsListBackground(pDC, rect, bIsSelected);
    ::FillRect(pDC->GetSafeHdc(), &rect, ::GetSysColorBrush(COLOR_MENU));
    if (bIsSelected)
        Frame(pDC, rect, ::GetSysColor(COLOR_MENUTEXT));
    return ::GetSysColor(COLOR_MENUTEXT);
}

CSize CORXWinXPVisualManager::GetButtonExtraBorder() const
{
    return m_hThemeWindow != NULL ? CSize(2, 2) : CSize(0, 0);
}

void CORXWinXPVisualManager::OnDrawScrollButtonBorder(CDC* pDC, CRect rect, BOOL bHighlighted, BOOL bPressed)
{
    if (m_hThemeHeader == NULL)
    {
        CORXVisualManager::OnDrawScrollButtonBorder(pDC, rect, bHighlighted, bPressed);
        return;
    }
    DrawPart(pDC, m_hThemeHeader, HP_HEADERITEM, bPressed ? 3 : bHighlighted ? 2 : 1, rect);
}

void CORXWinXPVisualManager::OnDrawScrollButtonArrow(CDC* pDC, CRect rect, BOOL bUp, BOOL bDisabled)
{
    if (m_hThemeHeader == NULL)
    {
        CORXVisualManager::OnDrawScrollButtonArrow(pDC, rect, bUp, bDisabled);
        return;
    }
    POINT pts[3];
    const int xMid = rect.left + rect.Width() / 2;
    if (bUp)
    {
        pts[0] = CPoint(xMid, rect.top);
        pts[1] = CPoint(rect.left, rect.bottom);
        pts[2] = CPoint(rect.right, rect.bottom);
    }
    else
    {
        pts[0] = CPoint(xMid, rect.bottom);
        pts[1] = CPoint(rect.left, rect.top);
        pts[2] = CPoint(rect.right, rect.top);
    }
    CBrush brush(globalData.clrBarShadow);
    CBrush* pOldBrush = pDC->SelectObject(&brush);
    CPen* pOldPen = (CPen*)pDC->SelectStockObject(NULL_PEN);
    pDC->Polygon(pts, 3);
    pDC->SelectObject(pOldPen);
    pDC->SelectObject(pOldBrush);
}

void CORXWinXPVisualManager::OnFillTasksPaneBackground(CDC* pDC, CRect rectWorkArea)
{
    if (m_hThemeExplorerBar == NULL)
    {
        CORXVisualManagerXP::OnFillTasksPaneBackground(pDC, rectWorkArea);
        return;
    }
    DrawPart(pDC, m_hThemeExplorerBar, EBP_HEADERBACKGROUND, 0, rectWorkArea);
}

void CORXWinXPVisualManager::OnDrawTasksGroupCaption(CDC* pDC, const CORXTasksGroupInfo* pGroup,
                                                     BOOL bIsHighlighted, BOOL bUsePadding, BOOL bCanCollapse)
{
    if (m_hThemeExplorerBar == NULL)
    {
        CORXVisualManagerXP::OnDrawTasksGroupCaption(pDC, pGroup, bIsHighlighted, bUsePadding, bCanCollapse);
        return;
    }
    if (pGroup == NULL || pGroup->GetName().IsEmpty())
        return;
    const CRect rectCaption = pGroup->GetCaptionRect();
    const BOOL bSpecial = pGroup->IsSpecial();
    DrawPart(pDC, m_hThemeExplorerBar, bSpecial ? EBP_SPECIALGROUPHEAD : EBP_NORMALGROUPHEAD, 0, rectCaption);
    int xText = rectCaption.left + CaptionTextOffset(pGroup);
    HICON hIcon = pGroup->GetIcon();
    const CSize sizeIcon = pGroup->GetIconSize();
    if (hIcon != NULL && sizeIcon.cx < rectCaption.Width() && sizeIcon.cy <= rectCaption.Height())
    {
        ::DrawIcon(pDC->GetSafeHdc(), rectCaption.left + 1, rectCaption.bottom - sizeIcon.cy, hIcon);
        xText = rectCaption.left + sizeIcon.cx + 10;
    }
    CRect rectText(xText, rectCaption.top, rectCaption.right, rectCaption.bottom);
    if (bCanCollapse)
        rectText.right -= rectCaption.Height();
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF clrOld = pDC->SetTextColor(bSpecial ? ::GetSysColor(COLOR_WINDOW) : globalData.clrHilite);
    HGDIOBJ hOldFont = ::SelectObject(pDC->GetSafeHdc(), CaptionFont(pGroup));
    pDC->DrawText(pGroup->GetName(), rectText, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
    ::SelectObject(pDC->GetSafeHdc(), hOldFont);
    pDC->SetTextColor(clrOld);
    pDC->SetBkMode(nOldMode);
    if (bCanCollapse)
    {
        CRect rectGlyph(rectCaption.right - rectCaption.Height(), rectCaption.top, rectCaption.right,
                        rectCaption.bottom);
        const BOOL bExpanded = !pGroup->IsCollapsed();
        const int nPart = bSpecial ? (bExpanded ? EBP_SPECIALGROUPCOLLAPSE : EBP_SPECIALGROUPEXPAND)
                                   : (bExpanded ? EBP_NORMALGROUPCOLLAPSE : EBP_NORMALGROUPEXPAND);
        DrawPart(pDC, m_hThemeExplorerBar, nPart, bIsHighlighted ? 2 : 1, rectGlyph);
    }
}

void CORXWinXPVisualManager::OnDrawTasksGroupAreaBorder(CDC* pDC, CRect rect, BOOL bSpecial, BOOL bNoTitle)
{
    if (m_hThemeExplorerBar == NULL)
    {
        CORXVisualManagerXP::OnDrawTasksGroupAreaBorder(pDC, rect, bSpecial, bNoTitle);
        return;
    }
    DrawPart(pDC, m_hThemeExplorerBar, bSpecial ? EBP_SPECIALGROUPBACKGROUND : EBP_NORMALGROUPBACKGROUND, 0,
             rect);
    // A group without a caption still gets the head's edge along its top.
    if (bNoTitle)
        DrawPart(pDC, m_hThemeExplorerBar, bSpecial ? EBP_SPECIALGROUPHEAD : EBP_NORMALGROUPHEAD, 0,
                 CRect(rect.left, rect.top, rect.right, rect.top + 1));
}

void CORXWinXPVisualManager::OnDrawTasksGroupFrame(CDC* pDC, CRect rect, BOOL bSpecial)
{
    // The frame call carries no no-title flag; the area's border above draws the head's edge of a
    // group without a caption, and the themed area is its own frame.
}

void CORXWinXPVisualManager::OnDrawTask(CDC* pDC, const CORXTaskInfo* pTask, CImageList* pIcons,
                                        BOOL bIsHighlighted, BOOL bIsSelected)
{
    if (pTask == NULL)
        return;
    CRect rect = pTask->GetRect();
    if (pTask->IsSeparator())
    {
        if (m_hThemeExplorerBar != NULL)
        {
            const int y = rect.top + rect.Height() / 2;
            DrawPart(pDC, m_hThemeExplorerBar, EBP_NORMALGROUPHEAD, 0,
                     CRect(rect.left, y, rect.right, y + 1));
        }
        return;
    }
    DrawTaskIcon(pDC, pTask, pIcons, rect);
    const BOOL bEnabled = pTask->IsEnabled();
    const BOOL bLink = bEnabled && pTask->HasCommand();
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF clrOld = pDC->SetTextColor(!bEnabled ? globalData.clrGrayedText
                                              : bLink   ? globalData.clrHilite
                                                        : ::GetSysColor(COLOR_WINDOWTEXT));
    HGDIOBJ hOldFont = ::SelectObject(pDC->GetSafeHdc(), TaskFont(pTask, bLink && bIsHighlighted));
    pDC->DrawText(pTask->GetName(), rect, DT_SINGLELINE | DT_VCENTER);
    ::SelectObject(pDC->GetSafeHdc(), hOldFont);
    pDC->SetTextColor(clrOld);
    pDC->SetBkMode(nOldMode);
}

void CORXWinXPVisualManager::OnDrawTasksPaneScrollButton(CDC* pDC, CRect rect, BOOL bUp, BOOL bHighlighted,
                                                         BOOL bPressed, BOOL bDisabled)
{
    ::FillRect(pDC->GetSafeHdc(), &rect, (HBRUSH)globalData.brBarFace.GetSafeHandle());
    if (bHighlighted)
    {
        CORXDrawHelper dh(pDC);
        dh.HighlightRect(rect, -1);
        pDC->Draw3dRect(rect, globalData.clrBarHilite, globalData.clrBarDkShadow);
    }
    CSize size = CORXMenuImages::Size();
    CORXMenuImages::Draw(
        pDC,
        bUp ? (bDisabled ? CORXMenuImages::IdArowUpDisabled : CORXMenuImages::IdArowUp)
            : (bDisabled ? CORXMenuImages::IdArowDownDsbl : CORXMenuImages::IdArowDown),
        CPoint(rect.left + (rect.Width() - size.cx) / 2, rect.top + (rect.Height() - size.cy) / 2));
}

void CORXWinXPVisualManager::OnDrawExpandingBox(CDC* pDC, CRect rect, BOOL bIsOpened, COLORREF colorBox)
{
    if (m_hThemeTree == NULL)
    {
        CORXVisualManager::OnDrawExpandingBox(pDC, rect, bIsOpened, colorBox);
        return;
    }
    DrawPart(pDC, m_hThemeTree, TVP_GLYPH, bIsOpened ? GLPS_OPENED : GLPS_CLOSED, rect);
}

void CORXWinXPVisualManager::OnDrawControlBorder(CWnd* pWndCtrl)
{
    if (m_hThemeWindow == NULL)
    {
        CORXVisualManager::OnDrawControlBorder(pWndCtrl);
        return;
    }
    if (pWndCtrl->GetSafeHwnd() == NULL)
        return;
    CWindowDC dc(pWndCtrl);
    CRect rect;
    pWndCtrl->GetWindowRect(rect);
    rect.OffsetRect(-rect.left, -rect.top);
    Frame(&dc, rect, menuItemBorderColour);
}

void CORXWinXPVisualManager::OnDrawSpinButtons(CDC* pDC, CRect rectSpin, int nState, BOOL bOrientation,
                                               CWnd* pSpinCtrl)
{
    if (m_hThemeSpin == NULL)
    {
        CORXVisualManagerXP::OnDrawSpinButtons(pDC, rectSpin, nState, bOrientation, pSpinCtrl);
        return;
    }
    // The themed halves lie one above the other in both orientations.
    const int yMiddle = rectSpin.top + rectSpin.Height() / 2;
    CRect rectUp(rectSpin.left, rectSpin.top, rectSpin.right, yMiddle - 1);
    CRect rectDown(rectSpin.left, yMiddle, rectSpin.right, rectSpin.bottom);
    auto stateOf = [nState](int nPressedBit, int nHotBit) {
        if (nState & 0x10)
            return 4;
        if (nState & nPressedBit)
            return 3;
        if (nState & nHotBit)
            return 2;
        return 1;
    };
    DrawPart(pDC, m_hThemeSpin, bOrientation ? SPNP_UPHORZ : SPNP_UP, stateOf(0x1, 0x4), rectUp);
    DrawPart(pDC, m_hThemeSpin, bOrientation ? SPNP_DOWNHORZ : SPNP_DOWN, stateOf(0x2, 0x8), rectDown);
}

BOOL CORXWinXPVisualManager::OnDrawPushButton(CDC* pDC, CRect rect, CWnd* pButton, COLORREF& clrText)
{
    UINT uiState =
        pButton != NULL && pButton->GetSafeHwnd() != NULL ? (UINT)pButton->SendMessage(BM_GETSTATE) : 0;
    // The system never marks a button that the framework draws itself as hot: the framework's
    // button tracks the pointer itself.
    const CORXButton* pOwnButton = DYNAMIC_DOWNCAST(CORXButton, pButton);
    if (pOwnButton != NULL)
    {
        if (pOwnButton->IsHighlighted() || pOwnButton->IsHotInside())
            uiState |= BST_HOT;
        if (pOwnButton->IsPushed() && pOwnButton->IsHotInside())
            uiState |= BST_PUSHED;
    }
    return DrawPushButton(pDC, rect, pButton, uiState);
}

void CORXWinXPVisualManager::OnDrawProgress(CDC* pDC, CRect rect, int nCurrent, int nTotal, COLORREF clrBar,
                                            COLORREF clrBarGradient, BOOL bShowText)
{
    if (!DrawProgress(pDC, rect, nCurrent, nTotal))
        CORXVisualManager::OnDrawProgress(pDC, rect, nCurrent, nTotal, clrBar, clrBarGradient, bShowText);
}

BOOL CORXWinXPVisualManager::OnDrawThemedProgress(CDC* pDC, CRect rect, int nCurrent, int nTotal)
{
    return DrawProgress(pDC, rect, nCurrent, nTotal);
}

BOOL CORXWinXPVisualManager::OnDrawThemedComboDropButton(CDC* pDC, CRect rect, BOOL bDisabled,
                                                         BOOL bIsDropped, BOOL bIsHighlighted)
{
    return DrawComboDropButton(pDC, rect, bDisabled, bIsDropped, bIsHighlighted);
}

BOOL CORXWinXPVisualManager::DrawPushButton(CDC* pDC, CRect rect, CWnd* pButton, UINT uiState)
{
    if (m_hThemeButton == NULL || pButton == NULL)
        return FALSE;
    const BOOL bPushed = (uiState & BST_PUSHED) != 0;
    const BOOL bHot = (uiState & BST_HOT) != 0 || bPushed;
    globalData.DrawParentBackground(pButton, pDC, rect);
    DrawPart(pDC, m_hThemeButton, BP_PUSHBUTTON, PushButtonState(pButton, bPushed, bHot), rect);
    return TRUE;
}
