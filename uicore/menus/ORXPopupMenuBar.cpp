// The pop-up menu's item bar: import from and export to menu handles, layout as a vertical menu,
// delayed sub-menus, the keyboard and running the chosen command.
#include "ORXPopupMenuBar.h"

#include <afxcmn.h>
#include <afxpriv.h>
#include <stddef.h>

#include "ORXCmdUsage.h"
#include "ORXCommandManager.h"
#include "ORXContextMenuManager.h"
#include "ORXExtrasHooks.h"
#include "ORXServices.h"
#include "ORXGlobalData.h"
#include "ORXMenuBar.h"
#include "ORXMenuSound.h"
#include "ORXPopupMenu.h"
#include "ORXRegistry.h"
#include "ORXTearOffManager.h"
#include "ORXToolbarMenuButton.h"
#include "ORXVisualManager.h"
#include "uicore/uicore_res.h"

#include <algorithm>
#include <errno.h>
#include <stdlib.h>

IMPLEMENT_SERIAL(CORXPopupMenuBar, CORXToolBar, 1)

int CORXPopupMenuBar::m_nMenuShowDelay = -1;
int CORXPopupMenuBar::m_iLastCommandIndex = -1;
BOOL CORXPopupMenuBar::m_bHighlightDisabledItems = FALSE;

namespace
{
const int kEmptyWidth = 52;
const int kEmptyHeight = 22;
const int kSeparatorHeight = 8;
const int kMaxShowDelay = 5000;
const int kDefaultShowDelay = 500;

BOOL IsMenuCommand(UINT uiCmd)
{
    return uiCmd != 0 && uiCmd != (UINT)-1;
}

BOOL HasSubMenu(const CORXToolbarButton* pButton)
{
    const CORXToolbarMenuButton* pItem = DYNAMIC_DOWNCAST(CORXToolbarMenuButton, (CObject*)pButton);
    return pItem != NULL && !pItem->IsKindOf(RUNTIME_CLASS(CORXShowAllButton)) &&
           (pItem->m_nID == (UINT)-1 || !pItem->GetCommands().IsEmpty());
}

// What an update handler says of a command that has no item to show it: only whether it is enabled.
class CHiddenItemCmdUI : public CCmdUI
{
public:
    BOOL m_bEnabled = TRUE;
    virtual void Enable(BOOL bOn)
    {
        m_bEnabled = bOn;
        m_bEnableChanged = TRUE;
    }
    virtual void SetCheck(int) {}
    virtual void SetRadio(BOOL) {}
    virtual void SetText(LPCTSTR) {}
};
} // namespace

BEGIN_MESSAGE_MAP(CORXPopupMenuBar, CORXToolBar)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_TIMER()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDBLCLK()
ON_WM_NCCALCSIZE()
ON_WM_NCPAINT()
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
ON_COMMAND(ID_ORX_TOOLBAR_TEXT, OnToolbarText)
ON_COMMAND(ID_ORX_TOOLBAR_IMAGE_AND_TEXT, OnToolbarImageAndText)
END_MESSAGE_MAP()

CORXPopupMenuBar::CORXPopupMenuBar()
    : m_pRelatedToolbar(NULL), m_uiDefaultMenuCmdId(0), m_pDelayedPopupMenuButton(NULL),
      m_pDelayedClosePopupMenuButton(NULL), m_bFirstClick(TRUE), m_bFirstMove(TRUE), m_iOffset(0),
      m_xSeparatorOffsetLeft(0), m_xSeparatorOffsetRight(0), m_bAreAllCommandsShown(TRUE), m_nMaxWidth(-1),
      m_bInCommand(FALSE), m_bTrackMode(FALSE)
{
    m_bMenuMode = TRUE;
    m_HiddenItemsAccel.InitHashTable(17);
}

CORXPopupMenuBar::~CORXPopupMenuBar() {}

CSize CORXPopupMenuBar::GetImageSize() const
{
    if (m_pRelatedToolbar != NULL)
        return m_pRelatedToolbar->GetImageSize();
    return GetMenuImageSize();
}

BOOL CORXPopupMenuBar::OnSetDefaultButtonText(CORXToolbarButton* pButton)
{
    CORXToolBar* pOpener = GetTopMenuOpener();
    if (pOpener != NULL && pOpener != this && pOpener->GetSafeHwnd() != NULL &&
        pOpener->OnSetDefaultButtonText(pButton))
        return TRUE;
    return CORXToolBar::OnSetDefaultButtonText(pButton);
}

CORXPopupMenu* CORXPopupMenuBar::GetPopupMenu() const
{
    return DYNAMIC_DOWNCAST(CORXPopupMenu, GetParent());
}

/////////////////////////////////////////////////////////////////////////////
// The show delay

int CORXPopupMenuBar::ParseMenuShowDelay(LPCTSTR lpszValue)
{
    if (lpszValue == NULL)
        return kDefaultShowDelay;
    const char* p = lpszValue;
    while (*p == ' ' || *p == '\t')
        p++;
    char* pEnd = NULL;
    errno = 0;
    long nValue = strtol(p, &pEnd, 10);
    if (pEnd == p)
        return kDefaultShowDelay; // no number at all
    if (errno == ERANGE)
        return nValue < 0 ? 0 : kMaxShowDelay;
    if (nValue < 0)
        return 0;
    return nValue > kMaxShowDelay ? kMaxShowDelay : (int)nValue;
}

int CORXPopupMenuBar::GetMenuShowDelay()
{
    if (m_nMenuShowDelay < 0)
    {
        CString strValue;
        BOOL bRead = FALSE;
        CORXRegistry reg(FALSE, TRUE);
        if (reg.Open(_T("Control Panel\\Desktop")))
            bRead = reg.Read(_T("MenuShowDelay"), strValue);
        m_nMenuShowDelay = ParseMenuShowDelay(bRead ? (LPCTSTR)strValue : NULL);
    }
    return m_nMenuShowDelay;
}

/////////////////////////////////////////////////////////////////////////////
// Creation

int CORXPopupMenuBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CORXToolBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    GetMenuShowDelay();
    return 0;
}

void CORXPopupMenuBar::OnDestroy()
{
    KillTimer(ORX_SUBMENU_OPEN_TIMER);
    KillTimer(ORX_SUBMENU_CLOSE_TIMER);
    m_pDelayedPopupMenuButton = NULL;
    m_pDelayedClosePopupMenuButton = NULL;
    for (int i = 0; i < GetCount(); i++)
    {
        CORXToolbarMenuButton* pItem = DYNAMIC_DOWNCAST(CORXToolbarMenuButton, GetButton(i));
        if (pItem != NULL && pItem->GetPopupMenu() != NULL)
        {
            CORXPopupMenu* pSub = pItem->GetPopupMenu();
            if (::IsWindow(pSub->GetSafeHwnd()))
                pSub->SendMessage(WM_CLOSE);
        }
    }
    CORXToolBar::OnDestroy();
}

void CORXPopupMenuBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*) {}

void CORXPopupMenuBar::OnNcPaint() {}

/////////////////////////////////////////////////////////////////////////////
// Import and export

BOOL CORXPopupMenuBar::ImportFromMenu(HMENU hMenu, BOOL showAll)
{
    // The items go: nothing may still wait to open or close one of them (showing all items
    // imports again while the show-all item's timer may have been started).
    if (GetSafeHwnd() != NULL)
    {
        KillTimer(ORX_SUBMENU_OPEN_TIMER);
        KillTimer(ORX_SUBMENU_CLOSE_TIMER);
    }
    m_pDelayedPopupMenuButton = NULL;
    m_pDelayedClosePopupMenuButton = NULL;
    RemoveAllButtons();
    m_bAreAllCommandsShown = TRUE;
    m_HiddenItemsAccel.RemoveAll();
    m_lstHiddenDisabled.RemoveAll();
    m_uiDefaultMenuCmdId = 0;
    if (hMenu == NULL || !::IsMenu(hMenu))
        return FALSE;

    // The command owner prepares the menu.
    CWnd* pOwner = GetMenuPreparer();
    if (pOwner != NULL)
        pOwner->SendMessage(WM_INITMENUPOPUP, (WPARAM)hMenu, MAKELPARAM(m_iOffset, FALSE));
    if (!::IsMenu(hMenu))
        return FALSE;

    // Rarely used commands stay out of the menu until the user asks for all items.
    BOOL bHideRarelyUsed = !m_bTrackMode && !showAll && !CORXMenuBar::IsShowAllCommands() &&
                           m_bRecentlyUsedMenus && ORXGetCommandUsage().HasEnoughStatistics();

    int nCount = ::GetMenuItemCount(hMenu);
    BOOL bPrevSeparator = TRUE; // no leading separator
    for (int i = 0; i < nCount; i++)
    {
        CString strText = ORXMenuItemText(hMenu, i);
        MENUITEMINFOA info;
        memset(&info, 0, sizeof(info));
        // The size the menu functions of every Windows version know: the record without its bitmap.
        info.cbSize = offsetof(MENUITEMINFOA, hbmpItem);
        info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_TYPE;
        if (!::GetMenuItemInfoA(hMenu, i, TRUE, &info))
            continue;
        UINT uiState = ::GetMenuState(hMenu, i, MF_BYPOSITION);

        if (info.fType & MFT_SEPARATOR)
        {
            // Only between two items: never first, never last, never doubled.
            if (!bPrevSeparator && i < nCount - 1)
            {
                InsertSeparator();
                bPrevSeparator = TRUE;
            }
            continue;
        }
        UINT uiCmd = info.wID;
        UINT uiTearOff = 0;
        if (info.hSubMenu != NULL)
        {
            uiCmd = (UINT)-1;
            CORXTearOffManager* pTearOffs = ORXTearOffManager();
            if (pTearOffs != NULL)
                uiTearOff = pTearOffs->Parse(strText);
        }
        // A removed command is left out altogether, rarely used or not: hiding it would keep its
        // letter running it and give the menu a show-all item for nothing.
        if (info.hSubMenu == NULL && IsMenuCommand(uiCmd) && !CORXToolBar::IsCommandPermitted(uiCmd))
            continue;
        if (bHideRarelyUsed && info.hSubMenu == NULL && IsMenuCommand(uiCmd) && IsCommandRarelyUsed(uiCmd))
        {
            m_bAreAllCommandsShown = FALSE;
            int iAmp = strText.Find('&');
            while (iAmp >= 0 && iAmp + 1 < strText.GetLength() && strText[iAmp + 1] == '&')
                iAmp = strText.Find('&', iAmp + 2);
            if (iAmp >= 0 && iAmp + 1 < strText.GetLength())
            {
                UINT uiLetter = (UINT)(UINT_PTR)::CharUpperA((LPSTR)(UINT_PTR)(BYTE)strText[iAmp + 1]) & 0xFF;
                m_HiddenItemsAccel.SetAt(uiLetter, uiCmd);
            }
            CORXUserToolsLink* pTools = CORXServices::Find<CORXUserToolsLink>();
            if ((uiState & (MF_GRAYED | MF_DISABLED)) && (pTools == NULL || !pTools->IsUserToolCmd(uiCmd)))
                m_lstHiddenDisabled.AddTail(uiCmd);
            continue;
        }
        CORXToolbarMenuButton* pItem = new CORXToolbarMenuButton(uiCmd, info.hSubMenu, -1, strText);
        if (IsMenuCommand(uiCmd) && CORXCommandManager::GetCmdMgr()->GetCmdImage(uiCmd, FALSE) < 0)
            pItem->m_bImage = FALSE;
        CORXUserToolsLink* pTools = CORXServices::Find<CORXUserToolsLink>();
        BOOL bUserTool = pTools != NULL && pTools->IsUserToolCmd(uiCmd);
        if ((uiState & (MF_GRAYED | MF_DISABLED)) && !bUserTool)
            pItem->m_nStyle |= TBBS_DISABLED;
        if (uiState & MF_CHECKED)
            pItem->m_nStyle |= TBBS_CHECKED;
        if (uiState & MF_MENUBREAK)
            pItem->m_nStyle |= TBBS_BREAK;
        pItem->SetTearOff(uiTearOff);
        if (InsertButton(pItem) < 0)
        {
            delete pItem;
            continue;
        }
        bPrevSeparator = FALSE;
    }
    // A separator that ended up last (the items after it were left out) goes too.
    while (GetCount() > 0 && (GetButton(GetCount() - 1)->m_nStyle & TBBS_SEPARATOR))
        RemoveButton(GetCount() - 1);

    UINT uiDefault = ::GetMenuDefaultItem(hMenu, FALSE, GMDI_USEDISABLED);
    m_uiDefaultMenuCmdId = uiDefault == (UINT)-1 ? 0 : uiDefault;
    return TRUE;
}

HMENU CORXPopupMenuBar::ExportToMenu() const
{
    HMENU hMenu = ::CreatePopupMenu();
    if (hMenu == NULL)
        return NULL;
    for (int i = 0; i < GetCount(); i++)
    {
        CORXToolbarButton* pButton = GetButton(i);
        if (pButton->m_nStyle & TBBS_SEPARATOR)
        {
            ::AppendMenuA(hMenu, MF_SEPARATOR, 0, NULL);
            continue;
        }
        CORXToolbarMenuButton* pItem = DYNAMIC_DOWNCAST(CORXToolbarMenuButton, pButton);
        if (pItem == NULL || pItem->IsKindOf(RUNTIME_CLASS(CORXShowAllButton)))
            continue;
        UINT uiBreak = (pItem->m_nStyle & TBBS_BREAK) ? MF_MENUBREAK : 0;
        HMENU hSub = pItem->m_nID == (UINT)-1 || !pItem->GetCommands().IsEmpty() ? pItem->CreateMenu() : NULL;
        if (hSub != NULL)
        {
            CString strText = pItem->m_strText;
            if (pItem->GetTearOffBarID() != 0 && ORXTearOffManager() != NULL)
                CORXTearOffManager::Build(pItem->GetTearOffBarID(), strText);
            // Once appended the sub-menu belongs to the new menu and goes with it, on every
            // version of the system: destroying it here as well would hand the caller a menu
            // that holds a destroyed sub-menu.
            if (!::AppendMenuA(hMenu, MF_POPUP | uiBreak, (UINT_PTR)hSub, strText))
                ::DestroyMenu(hSub);
        }
        else
            ::AppendMenuA(hMenu, MF_STRING | uiBreak, pItem->m_nID, pItem->m_strText);
    }
    if (m_uiDefaultMenuCmdId != 0)
        ::SetMenuDefaultItem(hMenu, m_uiDefaultMenuCmdId, FALSE);
    return hMenu;
}

CWnd* CORXPopupMenuBar::GetMenuPreparer() const
{
    CORXPopupMenu* pMenu = GetPopupMenu();
    CWnd* pOwner = pMenu != NULL ? pMenu->GetMessageWnd() : NULL;
    if (pOwner != NULL && pOwner->GetSafeHwnd() != NULL)
        return pOwner;
    CWnd* pMain = AfxGetMainWnd();
    if (pMain != NULL && pMain->GetSafeHwnd() != NULL && ORXFrameOffer<CORXFrameHooks>(pMain) != NULL)
        return pMain;
    CWnd* pOpener = pMenu != NULL && pMenu->GetSafeHwnd() != NULL ? pMenu->GetParent() : NULL;
    CFrameWnd* pTop = pOpener != NULL ? pOpener->GetTopLevelFrame() : NULL;
    if (pTop != NULL && !pTop->IsKindOf(RUNTIME_CLASS(CORXPopupMenu)))
        return pTop;
    return pMain != NULL && pMain->GetSafeHwnd() != NULL ? pMain : NULL;
}

UINT CORXPopupMenuBar::GetHiddenItemCommand(UINT uiLetter) const
{
    UINT uiCmd = 0;
    return m_HiddenItemsAccel.Lookup(uiLetter, uiCmd) ? uiCmd : 0;
}

/////////////////////////////////////////////////////////////////////////////
// Layout

CSize CORXPopupMenuBar::MeasureItem(CDC* pDC, CORXToolbarButton* pButton, const CSize& sizeDefault) const
{
    if (pButton->m_nStyle & TBBS_SEPARATOR)
        return CSize(0, kSeparatorHeight);
    BOOL bBold = m_uiDefaultMenuCmdId != 0 && pButton->m_nID == m_uiDefaultMenuCmdId;
    CFont* pOld = pDC->SelectObject(bBold ? &globalData.fontBold : &globalData.fontRegular);
    CSize size = pButton->OnCalculateSize(pDC, sizeDefault, FALSE);
    pDC->SelectObject(pOld);
    if (pButton->m_strText.Find('\t') >= 0)
        size.cx += 10;
    return size;
}

CSize CORXPopupMenuBar::GetItemCellSize() const
{
    CSize size = GetMenuButtonSize() + CSize(2, 2);
    size.cy = std::max((int)size.cy, CORXToolBar::GetRowHeight());
    return size;
}

int CORXPopupMenuBar::GetRowHeight() const
{
    return GetItemCellSize().cy;
}

CSize CORXPopupMenuBar::CalcSize(BOOL)
{
    if (GetCount() == 0 || GetSafeHwnd() == NULL)
        return CSize(kEmptyWidth, kEmptyHeight);
    CClientDC dc(this);
    // The cell's width is every item's image column; the separators' inset comes from the same size.
    CSize sizeDefault = GetItemCellSize();
    m_arColumns.RemoveAll();
    int nColumnOffset = 0;
    int nColumnWidth = 0;
    int nColumnHeight = 0;
    int nTallest = 0;
    BOOL bFirstInColumn = TRUE;
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL;)
    {
        CORXToolbarButton* pButton = (CORXToolbarButton*)m_Buttons.GetNext(pos);
        if ((pButton->m_nStyle & TBBS_BREAK) && !bFirstInColumn && !m_bCustomizeMode)
        {
            nTallest = std::max(nTallest, nColumnHeight);
            nColumnOffset += nColumnWidth + 1;
            m_arColumns.Add((UINT)nColumnOffset);
            nColumnWidth = 0;
            nColumnHeight = 0;
        }
        CSize size = MeasureItem(&dc, pButton, sizeDefault);
        pButton->m_bTextFits = m_nMaxWidth <= 0 || size.cx <= m_nMaxWidth - 2;
        nColumnWidth = std::max(nColumnWidth, (int)size.cx);
        nColumnHeight += size.cy;
        bFirstInColumn = FALSE;
    }
    nTallest = std::max(nTallest, nColumnHeight);
    CSize sizeBar(nColumnOffset + nColumnWidth + 2, nTallest + 2);
    if (m_nMaxWidth > 0 && sizeBar.cx > m_nMaxWidth)
        sizeBar.cx = m_nMaxWidth;
    return sizeBar;
}

void CORXPopupMenuBar::AdjustLayout()
{
    if (GetSafeHwnd() == NULL)
        return;
    // An item dropped in or taken out while the user customises changes the menu's size: the
    // menu follows its items, so that none is left outside it.
    CORXPopupMenu* pMenu = DYNAMIC_DOWNCAST(CORXPopupMenu, GetParent());
    if (m_bCustomizeMode && pMenu != NULL && pMenu->GetSafeHwnd() != NULL)
        pMenu->RecalcLayout();
    PlaceButtons();
    RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE);
}

void CORXPopupMenuBar::PlaceButtons()
{
    if (GetSafeHwnd() == NULL)
        return;
    CClientDC dc(this);
    CFont* pOldFont = dc.SelectObject(&globalData.fontRegular);
    CSize sizeDefault = GetItemCellSize();
    int nRowHeight = sizeDefault.cy;
    if (m_xSeparatorOffsetLeft == 0)
    {
        m_xSeparatorOffsetLeft = GetMenuButtonSize().cx / 2 + 3;
        m_xSeparatorOffsetRight = CORXMenuImages::Size().cx;
    }
    CRect rectClient;
    GetClientRect(rectClient);

    int yStart = rectClient.top + 1 - nRowHeight * m_iOffset;
    int y = yStart;
    int x = rectClient.left;
    int iColumn = 0;
    int xColumnEnd =
        (!m_bCustomizeMode && m_arColumns.GetSize() > 0) ? (int)m_arColumns[0] : rectClient.Width();
    BOOL bFirstInColumn = TRUE;
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL;)
    {
        CORXToolbarButton* pButton = (CORXToolbarButton*)m_Buttons.GetNext(pos);
        if ((pButton->m_nStyle & TBBS_BREAK) && !bFirstInColumn && !m_bCustomizeMode)
        {
            y = yStart;
            x = xColumnEnd + 1;
            iColumn++;
            xColumnEnd = iColumn < m_arColumns.GetSize() ? (int)m_arColumns[iColumn] : rectClient.Width();
        }
        CRect rect;
        if (pButton->m_nStyle & TBBS_SEPARATOR)
            rect = CRect(x + m_xSeparatorOffsetLeft, y,
                         rectClient.left + xColumnEnd - m_xSeparatorOffsetRight, y + kSeparatorHeight);
        else
        {
            CSize size = MeasureItem(&dc, pButton, sizeDefault);
            int cy = std::max((int)size.cy, nRowHeight);
            rect = CRect(x, y, rectClient.left + xColumnEnd, y + cy);
        }
        if (pButton->Rect() != rect)
            pButton->SetRect(rect);
        if (pButton->IsHidden())
            pButton->Show(TRUE);
        y = rect.bottom;
        bFirstInColumn = FALSE;
    }
    dc.SelectObject(pOldFont);

    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    ScreenToClient(&ptCursor);
    if (HitTest(ptCursor) >= 0)
        m_bFirstClick = FALSE;
}

void CORXPopupMenuBar::OnFillBackground(CDC* pDC)
{
    CORXPopupMenu* pMenu = GetPopupMenu();
    if (pDC == NULL || m_bCustomizeMode || !m_bRecentlyUsedMenus || pMenu == NULL ||
        pMenu->GetParentButton() == NULL)
        return;
    // Each run of rarely used items, with the separators between two of them, lies on its own
    // background.
    CORXVisualManager* pLook = CORXVisualManager::GetInstance();
    CRect rectRun;
    rectRun.SetRectEmpty();
    CRect rectSeparators;
    rectSeparators.SetRectEmpty();
    for (int i = 0; i <= GetCount(); i++)
    {
        CORXToolbarButton* pButton = i < GetCount() ? GetButton(i) : NULL;
        if (pButton != NULL && (pButton->m_nStyle & TBBS_SEPARATOR))
        {
            if (!rectRun.IsRectEmpty())
                rectSeparators.UnionRect(rectSeparators, pButton->Rect());
            continue;
        }
        BOOL bRare = pButton != NULL && !pButton->IsHidden() && IsMenuCommand(pButton->m_nID) &&
                     !pButton->IsKindOf(RUNTIME_CLASS(CORXShowAllButton)) &&
                     IsCommandRarelyUsed(pButton->m_nID);
        if (bRare)
        {
            if (!rectSeparators.IsRectEmpty())
                rectRun.UnionRect(rectRun, rectSeparators);
            rectRun.UnionRect(rectRun, pButton->Rect());
        }
        else if (!rectRun.IsRectEmpty())
        {
            if (pLook != NULL)
                pLook->OnHighlightRarelyUsedMenuItems(pDC, rectRun);
            rectRun.SetRectEmpty();
        }
        rectSeparators.SetRectEmpty();
    }
}

void CORXPopupMenuBar::DrawSeparator(CDC* pDC, const CRect& rect, BOOL)
{
    CORXVisualManager::GetInstance()->OnDrawSeparator(pDC, this, rect, FALSE);
}

void CORXPopupMenuBar::SetButtonStyle(int nIndex, UINT nStyle)
{
    CORXToolbarButton* pButton = GetButton(nIndex);
    if (pButton == NULL)
        return;
    UINT nOld = pButton->m_nStyle;
    CORXToolBar::SetButtonStyle(nIndex, nStyle);
    if ((nOld ^ nStyle) & TBBS_CHECKED)
        InvalidateButton(nIndex);
}

int CORXPopupMenuBar::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    CORXToolbarButton* pButton = GetButton(((CORXPopupMenuBar*)this)->HitTest(point));
    if (pButton != NULL && pTI != NULL && m_bShowTooltips && pButton->OnToolHitTest(this, pTI))
    {
        pTI->rect = pButton->Rect();
        pTI->uId = pButton->m_nID == (UINT)-1 ? 0 : pButton->m_nID;
        pTI->hwnd = m_hWnd;
        return (int)pTI->uId;
    }
    return CORXToolBar::OnToolHitTest(point, pTI);
}

CWnd* CORXPopupMenuBar::GetCommandTarget() const
{
    if (m_bTrackMode)
        return NULL;
    CORXPopupMenu* pMenu = GetPopupMenu();
    if (pMenu != NULL && pMenu->GetMessageWnd() != NULL)
        return pMenu->GetMessageWnd();
    CWnd* pOwner = GetOwner();
    if (pOwner == NULL)
        pOwner = GetParent();
    if (pOwner != NULL && !pOwner->IsFrameWnd() && pOwner->GetParentFrame() != NULL)
        return pOwner->GetParentFrame();
    return pOwner;
}

/////////////////////////////////////////////////////////////////////////////
// Command states

void CORXPopupMenuBar::UpdateItemsFromHandlers(CCmdTarget* pTarget)
{
    if (pTarget == NULL || m_bTrackMode)
        return;
    // The frame the commands go to decides whether an item nothing handles is greyed: a pop-up menu
    // passes them on to the window it speaks for.
    CWnd* pReceiver = DYNAMIC_DOWNCAST(CWnd, pTarget);
    CORXPopupMenu* pMenu = DYNAMIC_DOWNCAST(CORXPopupMenu, pTarget);
    if (pMenu != NULL)
        pReceiver = pMenu->GetMessageWnd();
    CFrameWnd* pFrame = pReceiver == NULL         ? NULL
                        : pReceiver->IsFrameWnd() ? (CFrameWnd*)pReceiver
                                                  : pReceiver->GetParentFrame();
    BOOL bDisableIfNoHandler = pFrame != NULL && pFrame->m_bAutoMenuEnable;
    CORXUserToolsLink* pTools = CORXServices::Find<CORXUserToolsLink>();
    CORXToolCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = (UINT)GetCount();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex++)
    {
        CORXToolbarButton* pButton = GetButton((int)state.m_nIndex);
        if (pButton == NULL || (pButton->m_nStyle & TBBS_SEPARATOR) || !IsMenuCommand(pButton->m_nID))
            continue;
        if ((pButton->m_nID >= 0xF000 && pButton->m_nID <= 0xF1EF) || pButton->m_nID >= 0xFF00)
            continue;
        state.m_nID = pButton->m_nID;
        // A frame that enables its menus itself greys an item nothing handles (the user tools run
        // through the framework); otherwise only an update handler changes the state.
        state.DoUpdate(pTarget,
                       bDisableIfNoHandler && (pTools == NULL || !pTools->IsUserToolCmd(state.m_nID)));
    }
}

void CORXPopupMenuBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL)
{
    UpdateItemsFromHandlers(pTarget);
}

LRESULT CORXPopupMenuBar::OnIdleUpdateCmdUI(WPARAM, LPARAM)
{
    if (m_bTrackMode)
        return 0;
    // A show or hide asked with a delay happens now. The menu's layout does not depend on whether
    // its bar shows, so nothing is laid out again.
    if (m_nStateFlags & (delayHide | delayShow))
    {
        BOOL bShow = (m_nStateFlags & delayShow) != 0;
        m_nStateFlags &= ~(delayHide | delayShow);
        if (bShow != ((GetStyle() & WS_VISIBLE) != 0))
            SetWindowPos(NULL, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                             (bShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    }
    if (!IsWindowVisible())
        return 0;
    CWnd* pTarget = GetCommandTarget();
    if (pTarget != NULL)
        UpdateItemsFromHandlers(pTarget);
    return 0;
}

/////////////////////////////////////////////////////////////////////////////
// Sub-menus and their delays

CORXToolbarMenuButton* CORXPopupMenuBar::FindOpenSubMenuItem() const
{
    for (int i = 0; i < GetCount(); i++)
    {
        CORXToolbarMenuButton* pItem = DYNAMIC_DOWNCAST(CORXToolbarMenuButton, GetButton(i));
        if (pItem != NULL && pItem->IsDroppedDown())
            return pItem;
    }
    return NULL;
}

void CORXPopupMenuBar::SetHighlightedButton(int iButton)
{
    CORXToolBar::SetHighlightedButton(iButton);
    if (GetSafeHwnd() == NULL)
        return;
    const MSG* pMsg = CWnd::GetCurrentMessage();
    BOOL bFromKey = pMsg != NULL && pMsg->message == WM_KEYDOWN;
    CORXToolbarButton* pButton = GetButton(iButton);
    CORXToolbarMenuButton* pNew = DYNAMIC_DOWNCAST(CORXToolbarMenuButton, pButton);

    CORXToolbarMenuButton* pOpen = FindOpenSubMenuItem();
    if (pOpen != NULL && pOpen != pNew)
    {
        if (!bFromKey && !m_bCustomizeMode)
        {
            if (m_pDelayedClosePopupMenuButton != pOpen)
            {
                m_pDelayedClosePopupMenuButton = pOpen;
                SetTimer(ORX_SUBMENU_CLOSE_TIMER, std::max(1, GetMenuShowDelay() - 1), NULL);
            }
        }
        else
        {
            KillTimer(ORX_SUBMENU_CLOSE_TIMER);
            m_pDelayedClosePopupMenuButton = NULL;
            pOpen->OnCancelMode();
            CORXPopupMenu::OnShowPopup(NULL, GetPopupMenu());
        }
    }
    BOOL bShowAllItem = pNew != NULL && pNew->IsKindOf(RUNTIME_CLASS(CORXShowAllButton));
    if (pNew != NULL && !bFromKey && (HasSubMenu(pNew) || (bShowAllItem && m_bShowAllMenusAfterDelay)) &&
        !(pNew->m_nStyle & TBBS_DISABLED))
        StartPopupMenuTimer(pNew, bShowAllItem ? 2 : 1);

    // Coming back into this menu cancels the parent's pending close of our parent item.
    CORXPopupMenu* pMenu = GetPopupMenu();
    CORXPopupMenu* pParentMenu = pMenu != NULL ? pMenu->GetParentPopupMenu() : NULL;
    if (pParentMenu != NULL && iButton >= 0)
    {
        CORXPopupMenuBar* pParentBar = pParentMenu->GetMenuBar();
        if (pParentBar->m_pDelayedClosePopupMenuButton != NULL &&
            pParentBar->m_pDelayedClosePopupMenuButton == pMenu->GetParentButton())
        {
            int iParent = pParentBar->ButtonToIndex(pParentBar->m_pDelayedClosePopupMenuButton);
            pParentBar->m_pDelayedClosePopupMenuButton = NULL;
            pParentBar->KillTimer(ORX_SUBMENU_CLOSE_TIMER);
            if (iParent >= 0 && pParentBar->m_iHighlighted != iParent)
            {
                int iOld = pParentBar->m_iHighlighted;
                pParentBar->m_iHighlighted = iParent;
                pParentBar->m_iHot = iParent;
                pParentBar->InvalidateButton(iOld);
                pParentBar->InvalidateButton(iParent);
            }
        }
    }
}

void CORXPopupMenuBar::StartPopupMenuTimer(CORXToolbarMenuButton* pMenuButton, int nDelayFactor)
{
    if (m_pDelayedPopupMenuButton != NULL)
        KillTimer(ORX_SUBMENU_OPEN_TIMER);
    m_pDelayedPopupMenuButton = pMenuButton;
    if (pMenuButton != NULL && pMenuButton == m_pDelayedClosePopupMenuButton)
    {
        // Back on the item whose sub-menu was about to close: it stays open.
        int iIndex = ButtonToIndex(pMenuButton);
        if (iIndex >= 0 && m_iHighlighted != iIndex)
        {
            int iOld = m_iHighlighted;
            m_iHighlighted = iIndex;
            InvalidateButton(iOld);
            InvalidateButton(iIndex);
        }
        m_pDelayedClosePopupMenuButton = NULL;
        m_pDelayedPopupMenuButton = NULL;
        KillTimer(ORX_SUBMENU_CLOSE_TIMER);
        return;
    }
    if (pMenuButton != NULL)
        SetTimer(ORX_SUBMENU_OPEN_TIMER, std::max(1, GetMenuShowDelay() * nDelayFactor), NULL);
}

void CORXPopupMenuBar::CloseDelayedSubMenu()
{
    KillTimer(ORX_SUBMENU_CLOSE_TIMER);
    CORXToolbarMenuButton* pItem = m_pDelayedClosePopupMenuButton;
    m_pDelayedClosePopupMenuButton = NULL;
    if (IsOwnItem(pItem))
        pItem->OnCancelMode();
}

void CORXPopupMenuBar::OnTimer(UINT_PTR nIDEvent)
{
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    ScreenToClient(&ptCursor);
    // An item removed since its timer started is no longer waited for.
    if (!IsOwnItem(m_pDelayedClosePopupMenuButton))
        m_pDelayedClosePopupMenuButton = NULL;
    if (nIDEvent == ORX_SUBMENU_OPEN_TIMER)
    {
        KillTimer(ORX_SUBMENU_OPEN_TIMER);
        CORXToolbarMenuButton* pOpen = m_pDelayedPopupMenuButton;
        m_pDelayedPopupMenuButton = NULL;
        // An item's tip would stay up over the sub-menu that opens beside it.
        CToolTipCtrl* pTip = AfxGetThreadToolTip();
        if (pTip != NULL && ::IsWindow(pTip->GetSafeHwnd()))
            pTip->DestroyWindow();
        if (m_pDelayedClosePopupMenuButton != NULL &&
            m_pDelayedClosePopupMenuButton->Rect().PtInRect(ptCursor))
            return;
        CloseDelayedSubMenu();
        if (pOpen != NULL && ButtonToIndex(pOpen) == m_iHighlighted && !pOpen->IsDroppedDown())
        {
            if (pOpen->IsKindOf(RUNTIME_CLASS(CORXShowAllButton)))
                pOpen->OnClick(this, FALSE);
            else
                pOpen->OpenPopupMenu(this);
            InvalidateButton(m_iHighlighted);
        }
        return;
    }
    if (nIDEvent == ORX_SUBMENU_CLOSE_TIMER)
    {
        KillTimer(ORX_SUBMENU_CLOSE_TIMER);
        CORXToolbarMenuButton* pItem = m_pDelayedClosePopupMenuButton;
        if (pItem != NULL && !pItem->Rect().PtInRect(ptCursor))
        {
            m_pDelayedClosePopupMenuButton = NULL;
            pItem->OnCancelMode();
            CORXPopupMenu::OnShowPopup(NULL, GetPopupMenu());
        }
        return;
    }
    CORXToolBar::OnTimer(nIDEvent);
}

/////////////////////////////////////////////////////////////////////////////
// Running commands

BOOL CORXPopupMenuBar::OnSendCommand(const CORXToolbarButton* pButton)
{
    if (pButton == NULL || (pButton->m_nStyle & TBBS_DISABLED))
        return FALSE;
    CORXToolbarMenuButton* pItem = DYNAMIC_DOWNCAST(CORXToolbarMenuButton, (CObject*)pButton);
    if (pItem != NULL && pItem->IsKindOf(RUNTIME_CLASS(CORXShowAllButton)))
    {
        pItem->OnClick(this, FALSE);
        return TRUE;
    }
    if (pItem != NULL && pItem->IsDroppedDown())
        return FALSE;
    if (pItem != NULL && HasSubMenu(pItem))
    {
        pItem->OpenPopupMenu(this);
        return TRUE;
    }
    if (!IsMenuCommand(pButton->m_nID))
        return FALSE;
    InvokeMenuCommand(pButton->m_nID, pButton);
    return TRUE;
}

void CORXPopupMenuBar::SetInCommand(BOOL bInCommand)
{
    m_bInCommand = bInCommand;
    CORXPopupMenu* pMenu = GetPopupMenu();
    for (CORXPopupMenu* pParent = pMenu != NULL ? pMenu->GetParentPopupMenu() : NULL; pParent != NULL;
         pParent = pParent->GetParentPopupMenu())
        pParent->GetMenuBar()->m_bInCommand = bInCommand;
}

CORXToolBar* CORXPopupMenuBar::GetTopMenuOpener() const
{
    CORXPopupMenu* pMenu = GetPopupMenu();
    while (pMenu != NULL && pMenu->GetParentPopupMenu() != NULL)
        pMenu = pMenu->GetParentPopupMenu();
    return pMenu != NULL ? pMenu->GetParentToolBar() : NULL;
}

BOOL CORXPopupMenuBar::InvokeThroughChevron(const CORXToolbarButton* pMenuItem)
{
    CORXPopupMenu* pMenu = GetPopupMenu();
    CCustomizeButton* pChevron =
        pMenu != NULL ? DYNAMIC_DOWNCAST(CCustomizeButton, pMenu->GetParentButton()) : NULL;
    return pChevron != NULL && pMenuItem != NULL && pChevron->InvokeCommand(this, pMenuItem);
}

void CORXPopupMenuBar::InvokeMenuCommand(UINT uiCmdId, const CORXToolbarButton* pMenuItem)
{
    CORXPopupMenu* pMenu = GetPopupMenu();
    CWnd* pOwner = pMenu != NULL ? pMenu->GetMessageWnd() : NULL;
    CWnd* pStatusTarget = pOwner != NULL ? pOwner : (GetOwner() != NULL ? GetOwner() : GetParent());
    if (pStatusTarget != NULL && pStatusTarget->GetSafeHwnd() != NULL)
        pStatusTarget->SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);

    CORXToolBar* pOpener = GetTopMenuOpener();
    if (pOpener != NULL && pOpener->GetSafeHwnd() != NULL)
        pOpener->Deactivate();

    if (uiCmdId != 0)
    {
        SetInCommand(TRUE);
        CORXMenuSound::PlayMenuSound(1);
        if (m_bTrackMode)
            CORXContextMenuManager::OnChosenCommand(uiCmdId);
        else if (InvokeThroughChevron(pMenuItem))
        {
        }
        else
        {
            ORXGetCommandUsage().AddCmd(uiCmdId);
            if (pMenu == NULL || !pMenu->PostCommand(uiCmdId))
            {
                CORXUserToolsLink* pTools = CORXServices::Find<CORXUserToolsLink>();
                if (pTools == NULL || !pTools->InvokeTool(uiCmdId))
                {
                    // The owner of the chain's top menu: a sub-menu's own owner is the menu that
                    // opened it, which closes with the chain.
                    const CORXPopupMenuBar* pTopBar = this;
                    for (CORXPopupMenu* pTop = pMenu != NULL ? pMenu->GetParentPopupMenu() : NULL;
                         pTop != NULL; pTop = pTop->GetParentPopupMenu())
                        pTopBar = pTop->GetMenuBar();
                    CWnd* pTarget = pTopBar->GetOwner() != NULL ? pTopBar->GetOwner() : pTopBar->GetParent();
                    if (pTarget != NULL && !pTarget->IsKindOf(RUNTIME_CLASS(CORXPopupMenu)))
                        pTarget->PostMessage(WM_COMMAND, uiCmdId);
                }
            }
        }
    }
    m_iLastCommandIndex = pMenuItem != NULL ? ButtonToIndex(pMenuItem) : -1;
    SetInCommand(FALSE);
    if (pMenu != NULL && pMenu->GetSafeHwnd() != NULL)
        pMenu->DestroyWindow();
}

/////////////////////////////////////////////////////////////////////////////
// Keyboard

void CORXPopupMenuBar::MoveHighlight(int iNew)
{
    if (iNew == m_iHighlighted)
        return;
    int iOld = m_iHighlighted;
    m_iHighlighted = iNew;
    m_iHot = iNew;
    InvalidateButton(iOld);
    InvalidateButton(iNew);
    UpdateWindow();
    CORXToolbarButton* pButton = GetButton(iNew);
    if (pButton != NULL && pButton->m_nID != (UINT)-1)
        ShowCommandMessageString(pButton->m_nID);
    if (m_bCustomizeMode)
        m_iSelected = iNew;
}

void CORXPopupMenuBar::ProcessEnterKey(CORXToolbarMenuButton* pItem)
{
    if (pItem == NULL)
        return;
    if (HasSubMenu(pItem) && !(pItem->m_nStyle & TBBS_DISABLED))
    {
        if (!pItem->IsDroppedDown())
            pItem->OpenPopupMenu(this);
        if (pItem->GetPopupMenu() != NULL && pItem->GetPopupMenu()->GetSafeHwnd() != NULL)
            pItem->GetPopupMenu()->SendMessage(WM_KEYDOWN, VK_HOME);
        return;
    }
    CWnd* pOwner = GetOwner();
    if (pOwner != NULL)
        pOwner->SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    if (pItem->m_nStyle & TBBS_DISABLED)
    {
        // A disabled item closes the menu without a command.
        CORXPopupMenu* pMenu = GetPopupMenu();
        if (pMenu != NULL)
            pMenu->SendMessage(WM_CLOSE);
        return;
    }
    OnSendCommand(pItem);
}

BOOL CORXPopupMenuBar::OnKey(UINT nChar)
{
    BOOL bShift = ::GetKeyState(VK_SHIFT) < 0;
    if (nChar == VK_TAB)
        nChar = bShift ? VK_UP : VK_DOWN;
    int nCount = GetCount();
    auto Selectable = [&](int i) {
        CORXToolbarButton* pButton = GetButton(i);
        return pButton != NULL && !(pButton->m_nStyle & TBBS_SEPARATOR) && !pButton->IsHidden() &&
               !pButton->Rect().IsRectEmpty();
    };
    switch (nChar)
    {
    case VK_RETURN: {
        CORXToolbarMenuButton* pItem = DYNAMIC_DOWNCAST(CORXToolbarMenuButton, GetButton(m_iHighlighted));
        if (pItem == NULL)
            return FALSE;
        ProcessEnterKey(pItem);
        return TRUE;
    }
    case VK_DOWN:
    case VK_HOME: {
        if (nCount == 0)
            return FALSE;
        int iStart = (nChar == VK_HOME || m_iHighlighted < 0) ? -1 : m_iHighlighted;
        for (int n = 1; n <= nCount; n++)
        {
            int i = (iStart + n) % nCount;
            if (Selectable(i))
            {
                CORXToolbarMenuButton* pOpen = FindOpenSubMenuItem();
                if (pOpen != NULL && ButtonToIndex(pOpen) != i)
                    pOpen->OnCancelMode();
                MoveHighlight(i);
                return TRUE;
            }
        }
        return FALSE;
    }
    case VK_UP:
    case VK_END: {
        if (nCount == 0)
            return FALSE;
        int iStart = (nChar == VK_END || m_iHighlighted < 0) ? nCount : m_iHighlighted;
        for (int n = 1; n <= nCount; n++)
        {
            int i = ((iStart - n) % nCount + nCount) % nCount;
            if (Selectable(i))
            {
                CORXToolbarMenuButton* pOpen = FindOpenSubMenuItem();
                if (pOpen != NULL && ButtonToIndex(pOpen) != i)
                    pOpen->OnCancelMode();
                MoveHighlight(i);
                return TRUE;
            }
        }
        return FALSE;
    }
    }
    if (m_bCustomizeMode || ::GetKeyState(VK_CONTROL) < 0)
        return FALSE;

    // An access letter.
    BYTE keyState[256];
    if (!::GetKeyboardState(keyState))
        return FALSE;
    WORD wChar = 0;
    HKL hkl = ::GetKeyboardLayout(AfxGetApp() != NULL ? AfxGetApp()->m_nThreadID : ::GetCurrentThreadId());
    if (::ToAsciiEx(nChar, ::MapVirtualKey(nChar, 0), keyState, &wChar, 1, hkl) != 1)
        return FALSE;
    UINT uiUpper = (UINT)(UINT_PTR)::CharUpperA((LPSTR)(UINT_PTR)(BYTE)wChar) & 0xFF;
    for (int i = 0; i < nCount; i++)
    {
        CORXToolbarMenuButton* pItem = DYNAMIC_DOWNCAST(CORXToolbarMenuButton, GetButton(i));
        if (pItem == NULL || pItem->IsHidden() || pItem->Rect().IsRectEmpty())
            continue;
        int iAmp = -1;
        const CString& strText = pItem->m_strText;
        for (int j = 0; j + 1 < strText.GetLength(); j++)
        {
            if (strText[j] == '&')
            {
                if (strText[j + 1] == '&')
                {
                    j++;
                    continue;
                }
                iAmp = j + 1;
                break;
            }
        }
        if (iAmp < 0)
            continue;
        UINT uiKey = (UINT)(UINT_PTR)::CharUpperA((LPSTR)(UINT_PTR)(BYTE)strText[iAmp]) & 0xFF;
        if (uiKey != uiUpper)
            continue;
        MoveHighlight(i);
        ProcessEnterKey(pItem);
        return TRUE;
    }
    // A hidden item's letter runs its command as if the item were shown, unless it is disabled:
    // by the menu it came from, or now by its update handler.
    UINT uiHidden = GetHiddenItemCommand(uiUpper);
    if (uiHidden == 0 || !m_bRecentlyUsedMenus || m_bAreAllCommandsShown || IsHiddenItemDisabled(uiHidden))
        return FALSE;
    InvokeMenuCommand(uiHidden, NULL); // destroys this menu
    return TRUE;
}

BOOL CORXPopupMenuBar::IsHiddenItemDisabled(UINT uiCmd) const
{
    if (m_lstHiddenDisabled.Find(uiCmd) != NULL)
        return TRUE;
    if ((uiCmd >= 0xF000 && uiCmd <= 0xF1EF) || uiCmd >= 0xFF00)
        return FALSE;
    CWnd* pTarget = GetCommandTarget();
    if (pTarget == NULL)
        return FALSE;
    CHiddenItemCmdUI state;
    state.m_nID = uiCmd;
    state.m_nIndexMax = 1;
    pTarget->OnCmdMsg(uiCmd, CN_UPDATE_COMMAND_UI, &state, NULL);
    return state.m_bEnableChanged && !state.m_bEnabled;
}

/////////////////////////////////////////////////////////////////////////////
// Mouse

void CORXPopupMenuBar::ForwardMouse(UINT message, UINT nFlags, CPoint point)
{
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    CWnd* pWnd = CWnd::WindowFromPoint(ptScreen);
    CORXToolBar* pBar = DYNAMIC_DOWNCAST(CORXToolBar, pWnd);
    if (pBar == NULL || pBar == this)
        return;
    // Only bars of the menu chain: a parent pop-up's item bar or the bar that opened it.
    BOOL bInChain = pBar == GetTopMenuOpener();
    CORXPopupMenu* pMenu = GetPopupMenu();
    for (CORXPopupMenu* pParent = pMenu != NULL ? pMenu->GetParentPopupMenu() : NULL;
         pParent != NULL && !bInChain; pParent = pParent->GetParentPopupMenu())
        bInChain = pParent->GetMenuBar() == pBar;
    if (!bInChain)
        return;
    CPoint ptBar = ptScreen;
    pBar->ScreenToClient(&ptBar);
    pBar->SendMessage(message, nFlags, MAKELPARAM(ptBar.x, ptBar.y));
}

void CORXPopupMenuBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    CRect rectClient;
    GetClientRect(rectClient);
    if (!rectClient.PtInRect(point) && !m_bCustomizeMode)
    {
        ForwardMouse(WM_LBUTTONDOWN, nFlags, point);
        return;
    }
    m_bFirstClick = FALSE;
    CORXToolBar::OnLButtonDown(nFlags, point);
}

void CORXPopupMenuBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    CRect rectClient;
    GetClientRect(rectClient);
    if (!rectClient.PtInRect(point) && !m_bCustomizeMode)
    {
        ForwardMouse(WM_LBUTTONUP, nFlags, point);
        CORXPopupMenu* pMenu = GetPopupMenu();
        if (pMenu != NULL && pMenu->GetSafeHwnd() != NULL)
            pMenu->DestroyWindow();
        return;
    }
    if (m_bFirstClick)
    {
        // A release that comes before any press here chooses nothing.
        m_bFirstClick = FALSE;
        if (m_iButtonCapture < 0)
            return;
    }
    CORXToolBar::OnLButtonUp(nFlags, point);
}

void CORXPopupMenuBar::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bFirstMove)
    {
        m_bFirstMove = FALSE;
        return;
    }
    CRect rectClient;
    GetClientRect(rectClient);
    if (!rectClient.PtInRect(point) && !m_bCustomizeMode && GetCapture() == this)
    {
        ForwardMouse(WM_MOUSEMOVE, nFlags, point);
        return;
    }
    CORXToolBar::OnMouseMove(nFlags, point);
}

void CORXPopupMenuBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    CORXToolbarButton* pButton = GetButton(HitTest(point));
    if (pButton != NULL && HasSubMenu(pButton))
        CORXToolBar::OnLButtonDblClk(nFlags, point);
    else
        CWnd::Default();
}

/////////////////////////////////////////////////////////////////////////////
// Customise mode: items dragged into and out of the menu

int CORXPopupMenuBar::FindDropIndex(const CPoint point, CRect& rectDrag) const
{
    rectDrag.SetRectEmpty();
    CRect rectClient;
    GetClientRect(rectClient);
    // The gaps lie above each item and below the last one; the nearest takes the button.
    int iBest = -1;
    int nBestDistance = 0;
    int yBest = rectClient.top;
    int nCount = GetCount();
    for (int i = 0; i <= nCount; i++)
    {
        int y;
        if (i < nCount)
        {
            CORXToolbarButton* pButton = GetButton(i);
            if (pButton->Rect().IsRectEmpty())
                continue;
            y = pButton->Rect().top;
        }
        else
            y = nCount > 0 ? (int)GetButton(nCount - 1)->Rect().bottom : (int)rectClient.top;
        int nDistance = abs(point.y - y);
        if (iBest < 0 || nDistance < nBestDistance)
        {
            iBest = i;
            nBestDistance = nDistance;
            yBest = y;
        }
    }
    if (iBest < 0)
        return -1;
    rectDrag = CRect(rectClient.left, yBest - 3, rectClient.right, yBest + 3);
    rectDrag.IntersectRect(rectDrag, rectClient);
    return iBest;
}

void CORXPopupMenuBar::DrawDragMarker(CDC* pDC)
{
    CPen* pOldPen = pDC->SelectObject(&m_penDrag);
    for (int i = 0; i < 2; i++)
    {
        int y = m_rectDrag.top + m_rectDrag.Height() / 2 + i - 1;
        pDC->MoveTo(m_rectDrag.left, y);
        pDC->LineTo(m_rectDrag.right - 1, y);
        pDC->MoveTo(m_rectDrag.left + i, m_rectDrag.top);
        pDC->LineTo(m_rectDrag.left + i, m_rectDrag.bottom);
        pDC->MoveTo(m_rectDrag.right - i - 1, m_rectDrag.top);
        pDC->LineTo(m_rectDrag.right - i - 1, m_rectDrag.bottom);
    }
    pDC->SelectObject(pOldPen);
}

DROPEFFECT CORXPopupMenuBar::OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    // The item that opened this menu cannot go into its own menu, unless it is copied.
    CORXPopupMenu* pMenu = GetPopupMenu();
    CORXToolbarMenuButton* pParentItem = pMenu != NULL ? pMenu->GetParentButton() : NULL;
    CORXToolBar* pParentBar =
        pParentItem != NULL ? DYNAMIC_DOWNCAST(CORXToolBar, pParentItem->GetParentWnd()) : NULL;
    if (pParentBar != NULL && pParentBar->GetDragButton() == pParentItem && !(dwKeyState & MK_CONTROL))
        return DROPEFFECT_NONE;
    return CORXToolBar::OnDragOver(pDataObject, dwKeyState, point);
}

CORXToolbarButton* CORXPopupMenuBar::CreateDroppedButton(COleDataObject* pDataObject)
{
    CORXToolbarButton* pButton = CORXToolBar::CreateDroppedButton(pDataObject);
    if (pButton == NULL || pButton->IsKindOf(RUNTIME_CLASS(CORXToolbarMenuButton)))
        return pButton;
    if (pButton->m_strText.IsEmpty())
        OnSetDefaultButtonText(pButton);
    CORXToolbarMenuButton* pItem = NULL;
    if (!pButton->m_strText.IsEmpty())
        pItem = new CORXToolbarMenuButton(pButton->m_nID, NULL, pButton->GetImage(), pButton->m_strText,
                                          pButton->m_bUserButton);
    delete pButton;
    return pItem;
}

BOOL CORXPopupMenuBar::EnableContextMenuItems(CORXToolbarButton* pButton, CMenu* pPopup)
{
    CORXToolBar::EnableContextMenuItems(pButton, pPopup);
    if (pButton == NULL || pPopup == NULL)
        return FALSE;
    pPopup->EnableMenuItem(ID_ORX_TOOLBAR_IMAGE, MF_BYCOMMAND | MF_GRAYED);
    if (pButton->GetImage() >= 0)
    {
        pPopup->EnableMenuItem(ID_ORX_TOOLBAR_TEXT, MF_BYCOMMAND | MF_ENABLED);
        pPopup->EnableMenuItem(ID_ORX_TOOLBAR_IMAGE_AND_TEXT, MF_BYCOMMAND | MF_ENABLED);
        BOOL bTextOnly = CORXCommandManager::GetCmdMgr()->IsMenuItemWithoutImage(pButton->m_nID);
        pPopup->CheckMenuItem(ID_ORX_TOOLBAR_TEXT, MF_BYCOMMAND | (bTextOnly ? MF_CHECKED : MF_UNCHECKED));
        pPopup->CheckMenuItem(ID_ORX_TOOLBAR_IMAGE_AND_TEXT,
                              MF_BYCOMMAND | (bTextOnly ? MF_UNCHECKED : MF_CHECKED));
    }
    return TRUE;
}

void CORXPopupMenuBar::OnToolbarText()
{
    CORXToolbarButton* pButton = GetButton(m_iSelected);
    if (pButton == NULL)
        return;
    CORXCommandManager::GetCmdMgr()->EnableMenuItemImage(pButton->m_nID, FALSE);
    AdjustLayout();
}

void CORXPopupMenuBar::OnToolbarImageAndText()
{
    CORXToolbarButton* pButton = GetButton(m_iSelected);
    if (pButton == NULL)
        return;
    CORXCommandManager::GetCmdMgr()->EnableMenuItemImage(pButton->m_nID, TRUE);
    AdjustLayout();
}
