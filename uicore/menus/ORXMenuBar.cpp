// The menu bar: top-level menus as buttons, kept per menu handle in the menu store and per menu
// resource in the registry.
#include <afxwin.h>
#include <afxext.h>
#include <afxpriv.h>
#include <afxtempl.h>

#include <algorithm>

#include "ORXCmdUsage.h"
#include "ORXDropDownToolBar.h"
#include "ORXExtrasHooks.h"
#include "ORXGlobalData.h"
#include "ORXMenuBar.h"
#include "ORXMenuStore.h"
#include "ORXPopupMenu.h"
#include "ORXServices.h"
#include "ORXTearOffManager.h"
#include "ORXToolbarMenuButton.h"
#include "ORXVisualManager.h"
#include "ORXWorkspaceBase.h"

IMPLEMENT_SERIAL(CORXMenuBar, CORXToolBar, VERSIONABLE_SCHEMA | 1)

BOOL CORXMenuBar::m_bShowAllCommands = FALSE;
HHOOK CORXMenuBar::m_hookMouseDrag = NULL;
CORXMenuBar* CORXMenuBar::m_pDraggedMenuBar = NULL;
const TCHAR CORXMenuBar::m_strMenuProfile[] = _T("ORXMenuBar");

namespace
{
// Posted to the bar itself to change the dropped menu once the key handler of the closing
// pop-up menu has returned.
const UINT WM_ORX_SWITCHMENU = WM_USER + 0x3A1;
// What the owner of a bar without a default resource id hears before its default menu is reset.
const UINT kMsgNoDefaultResId = 0x0366;
// The bar's window text.
const UINT IDS_ORX_MENUBAR_TITLE = 16006;

// A document template's shared menu belongs to its template, which gives it to every window of
// the template and destroys it itself.
BOOL IsTemplatesSharedMenu(HMENU hMenu)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == NULL)
        return FALSE;
    for (POSITION pos = pApp->GetFirstDocTemplatePosition(); pos != NULL;)
    {
        CMultiDocTemplate* pTemplate = DYNAMIC_DOWNCAST(CMultiDocTemplate, pApp->GetNextDocTemplate(pos));
        if (pTemplate != NULL && pTemplate->m_hMenuShared == hMenu)
            return TRUE;
    }
    return FALSE;
}

BOOL IsAlwaysResetWorkspace()
{
    CORXWorkspaceBase* pWorkspace = CORXWorkspaceBase::GetInstance();
    return pWorkspace != NULL && pWorkspace->IsAlwaysReset();
}

// A template's shared menu that is replaced: the MDI children that show it.
struct SharedMenuSwap
{
    HMENU hOld;
    HMENU hNew;
    HACCEL hAccel;
};

// A child holds the template's menu and accelerator handles itself and puts that menu on the frame
// whenever it is activated, so it must hold the new menu before the old one is destroyed.
BOOL CALLBACK HandOverSharedMenu(HWND hWnd, LPARAM lParam)
{
    const SharedMenuSwap* pSwap = (const SharedMenuSwap*)lParam;
    CMDIChildWnd* pChild = DYNAMIC_DOWNCAST(CMDIChildWnd, CWnd::FromHandlePermanent(hWnd));
    if (pChild != NULL && pChild->m_hMenuShared == pSwap->hOld)
    {
        pChild->m_hMenuShared = pSwap->hNew;
        pChild->m_hAccelTable = pSwap->hAccel;
    }
    return TRUE;
}

// Appends the original items of one menu level: separators, menus (command 0, no text, their own
// items) and plain commands without text.
void AppendOriginalItems(HMENU hMenu, CObList& list)
{
    int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; i++)
    {
        UINT uiID = ::GetMenuItemID(hMenu, i);
        HMENU hSub = ::GetSubMenu(hMenu, i);
        CORXToolbarButton* pButton;
        if (hSub != NULL)
            pButton = new CORXToolbarMenuButton(0, hSub, -1, _T(""));
        else if (uiID == 0)
        {
            pButton = new CORXToolbarButton;
            pButton->m_nStyle = TBBS_SEPARATOR;
        }
        else
            pButton = new CORXToolbarButton(uiID, -1, _T(""));
        list.AddTail(pButton);
    }
}

// A command's text in a menu, sub-menus searched depth first.
BOOL FindCommandText(HMENU hMenu, UINT uiCmd, CString& strText)
{
    int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; i++)
    {
        HMENU hSub = ::GetSubMenu(hMenu, i);
        if (hSub != NULL)
        {
            if (FindCommandText(hSub, uiCmd, strText))
                return TRUE;
            continue;
        }
        if (::GetMenuItemID(hMenu, i) != uiCmd)
            continue;
        strText = ORXMenuItemText(hMenu, i);
        int iTab = strText.Find(_T('\t'));
        if (iTab >= 0)
            strText = strText.Left(iTab);
        return !strText.IsEmpty();
    }
    return FALSE;
}
} // namespace

CORXMenuBar::CORXMenuBar()
    : m_bMenuBarKeepTemplates(TRUE), m_bMenuButtonArrows(FALSE), m_pParentWnd(NULL), m_bMaximizeMode(FALSE),
      m_hMenu(NULL), m_hDefaultMenu(NULL), m_uiDefMenuResId(0), m_pMaximizedChild(NULL), m_hSysIcon(NULL),
      m_nSystemButtonsNum(0), m_szSystemButton(0, 0), m_bHaveButtons(FALSE), m_bAltAlone(FALSE),
      m_pMenuPage(NULL), m_pDroppedPalette(NULL)
{
    m_bMenuMode = FALSE;
    m_bPermament = TRUE;
}

CORXMenuBar::~CORXMenuBar()
{
    SetDragHook(FALSE);
    CORXServices::Any<CORXMenuHost>(
        [this](CORXMenuHost* pHost) { return pHost->OnMenuBarWindow(this, FALSE); });
    // The bar's menus go with it: the frame's default menu and the menu it shows, once each, but
    // not a template's shared menu.
    if (m_hMenu != NULL && m_hMenu != m_hDefaultMenu && !IsTemplatesSharedMenu(m_hMenu) && ::IsMenu(m_hMenu))
    {
        CORXMenuStore::Remove(m_hMenu);
        ::DestroyMenu(m_hMenu);
    }
    if (m_hDefaultMenu != NULL && ::IsMenu(m_hDefaultMenu))
    {
        CORXMenuStore::Remove(m_hDefaultMenu);
        ::DestroyMenu(m_hDefaultMenu);
    }
    m_hDefaultMenu = NULL;
    m_hMenu = NULL;
}

BEGIN_MESSAGE_MAP(CORXMenuBar, CORXToolBar)
ON_WM_CREATE()
ON_WM_LBUTTONDOWN()
ON_WM_SETFOCUS()
ON_WM_TIMER()
ON_WM_LBUTTONDBLCLK()
ON_WM_SETTINGCHANGE()
ON_MESSAGE(WM_ORX_SWITCHMENU, OnSwitchMenu)
ON_WM_WINDOWPOSCHANGED()
END_MESSAGE_MAP()

/////////////////////////////////////////////////////////////////////////////
// Creation

BOOL CORXMenuBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    m_pParentWnd = DYNAMIC_DOWNCAST(CFrameWnd, pParentWnd);
    return CORXToolBar::Create(pParentWnd, dwStyle, nID);
}

BOOL CORXMenuBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rcBorders, UINT nID)
{
    m_pParentWnd = DYNAMIC_DOWNCAST(CFrameWnd, pParentWnd);
    return CORXToolBar::CreateEx(pParentWnd, dwCtrlStyle, dwStyle, rcBorders, nID);
}

int CORXMenuBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CORXToolBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (m_pParentWnd == NULL)
        m_pParentWnd = DYNAMIC_DOWNCAST(CFrameWnd, GetParent());
    CString strTitle;
    if (strTitle.LoadString(IDS_ORX_MENUBAR_TITLE))
        SetWindowText(strTitle);
    SetBarStyle(GetBarStyle() | 0x8);
    MeasureChildButton();
    // The frame that hosts the bar learns of it.
    CORXServices::Any<CORXMenuHost>(
        [this](CORXMenuHost* pHost) { return pHost->OnMenuBarWindow(this, TRUE); });
    return 0;
}

void CORXMenuBar::MeasureChildButton()
{
    int nSize = ::GetSystemMetrics(SM_CXMENUSIZE);
    CRect rect(0, 0, nSize, nSize);
    CClientDC dc(GetSafeHwnd() != NULL ? this : CWnd::GetDesktopWindow());
    ::DrawFrameControl(dc.GetSafeHdc(), rect, DFC_CAPTION, DFCS_ADJUSTRECT);
    m_szSystemButton = CSize(std::max(rect.Width(), 1), std::max(rect.Height(), 1));
}

CFont* CORXMenuBar::GetMenuFont(BOOL bHorz)
{
    return bHorz ? &globalData.fontRegular : &globalData.fontVert;
}

/////////////////////////////////////////////////////////////////////////////
// Following the frame's menu

void CORXMenuBar::BuildFromMenu(HMENU hMenu)
{
    RemoveAllButtons();
    int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; i++)
    {
        UINT uiID = ::GetMenuItemID(hMenu, i);
        HMENU hSub = ::GetSubMenu(hMenu, i);
        CString strText = ORXMenuItemText(hMenu, i);
        if (hSub == NULL && uiID == 0)
        {
            InsertSeparator();
            continue;
        }
        CORXToolbarButton* pButton;
        if (hSub != NULL)
        {
            CORXTearOffManager* pTearOffs = ORXTearOffManager();
            UINT uiTearOff = pTearOffs != NULL ? pTearOffs->Parse(strText) : 0;
            CORXToolbarMenuButton* pMenuButton = new CORXToolbarMenuButton(0, hSub, -1, strText);
            pMenuButton->SetTearOff(uiTearOff);
            pButton = pMenuButton;
        }
        else
        {
            pButton = new CORXToolbarButton(uiID, -1, strText);
            pButton->m_bText = TRUE;
            pButton->m_bImage = FALSE;
        }
        if (InsertButton(pButton) < 0)
            delete pButton;
    }
}

void CORXMenuBar::CreateFromMenu(HMENU hMenu, BOOL isDefault, BOOL forceUpdate)
{
    if (GetFocus() == this && m_pParentWnd != NULL)
        m_pParentWnd->SetFocus();

    if (hMenu == m_hMenu && !IsCustomizeMode() && !forceUpdate)
    {
        if (m_bMaximizeMode)
        {
            RemoveChildButtons();
            AddChildButtons();
            AdjustLayout();
        }
        return;
    }

    RemoveChildButtons();
    if (m_hMenu != NULL && GetCount() > 0)
        CORXMenuStore::Store(m_hMenu, this);
    if (isDefault && m_hDefaultMenu != NULL && m_hDefaultMenu != hMenu && ::IsMenu(m_hDefaultMenu))
    {
        // A new default menu replaces the one the bar took before.
        CORXMenuStore::Remove(m_hDefaultMenu);
        ::DestroyMenu(m_hDefaultMenu);
    }
    m_hMenu = hMenu;
    if (isDefault)
        m_hDefaultMenu = hMenu;

    if (hMenu == NULL || !CORXMenuStore::Restore(hMenu, this))
    {
        if (hMenu != NULL && ::IsMenu(hMenu))
            BuildFromMenu(hMenu);
        else
            RemoveAllButtons();
    }
    m_bHaveButtons = GetCount() > 0;
    if (m_bMaximizeMode)
        AddChildButtons();
    AdjustLayout();
    RebuildAccelerationKeys();
}

/////////////////////////////////////////////////////////////////////////////
// Buttons of a maximised child window

int CORXMenuBar::FindDropIndex(const CPoint point, CRect& rectDrag) const
{
    int iIndex = CORXToolBar::FindDropIndex(point, rectDrag);
    // Never after the child window's buttons at the bar's end: before the first of them.
    for (int i = 0; i < GetCount() && iIndex > i; i++)
    {
        CORXToolbarButton* pButton = GetButton(i);
        if (IsChildButton(pButton) && !pButton->IsKindOf(RUNTIME_CLASS(CORXToolbarSystemMenuButton)))
        {
            iIndex = i;
            CRect rect = pButton->Rect();
            BOOL bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
            rectDrag = bHorz ? CRect(rect.left - 3, rect.top, rect.left + 3, rect.bottom)
                             : CRect(rect.left, rect.top - 3, rect.right, rect.top + 3);
            break;
        }
    }
    return iIndex;
}

BOOL CORXMenuBar::IsChildButton(const CORXToolbarButton* pButton) const
{
    return pButton != NULL && (pButton->IsKindOf(RUNTIME_CLASS(CORXToolbarSystemMenuButton)) ||
                               pButton->IsKindOf(RUNTIME_CLASS(CORXToolbarMenuButtonsButton)));
}

void CORXMenuBar::RemoveChildButtons()
{
    for (int i = GetCount() - 1; i >= 0; i--)
        if (IsChildButton(GetButton(i)))
            RemoveButton(i);
    m_nSystemButtonsNum = 0;
}

void CORXMenuBar::AddChildButtons()
{
    CWnd* pChild = m_pMaximizedChild;
    if (pChild == NULL || pChild->GetSafeHwnd() == NULL)
        return;
    CMenu* pSysMenu = pChild->GetSystemMenu(FALSE);
    HMENU hSysMenu = pSysMenu != NULL ? pSysMenu->GetSafeHmenu() : NULL;
    HICON hIcon = (HICON)pChild->SendMessage(WM_GETICON, ICON_SMALL, 0);
    if (hIcon == NULL)
        hIcon = (HICON)::GetClassLongPtr(pChild->m_hWnd, GCLP_HICONSM);
    m_hSysIcon = hIcon;
    if (hSysMenu != NULL)
    {
        CORXToolbarSystemMenuButton* pSys = new CORXToolbarSystemMenuButton(hSysMenu, hIcon);
        if (InsertButton(pSys, 0) < 0)
            delete pSys;
    }
    DWORD dwStyle = pChild->GetStyle();
    UINT uiCommands[3] = {0, 0, SC_CLOSE};
    if (dwStyle & WS_MINIMIZEBOX)
        uiCommands[0] = SC_MINIMIZE;
    if (dwStyle & WS_MAXIMIZEBOX)
        uiCommands[1] = SC_RESTORE;
    for (UINT uiCmd : uiCommands)
    {
        if (uiCmd == 0)
            continue;
        CORXToolbarMenuButtonsButton* pButton = new CORXToolbarMenuButtonsButton(uiCmd);
        if (uiCmd == SC_CLOSE && hSysMenu != NULL &&
            (::GetMenuState(hSysMenu, SC_CLOSE, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)))
            pButton->m_nStyle |= TBBS_DISABLED;
        if (InsertButton(pButton) < 0)
            delete pButton;
        else
            m_nSystemButtonsNum++;
    }
}

void CORXMenuBar::SetMaximizeMode(BOOL bMax, CWnd* pWnd, BOOL bRecalcLayout)
{
    if (m_bMaximizeMode == bMax && (!bMax || pWnd == m_pMaximizedChild))
        return;
    RemoveChildButtons();
    m_bMaximizeMode = bMax;
    m_pMaximizedChild = bMax ? pWnd : NULL;
    if (bMax)
        AddChildButtons();
    AdjustLayout();
    if (bRecalcLayout && m_pParentWnd != NULL && m_pParentWnd->GetSafeHwnd() != NULL)
        m_pParentWnd->RecalcLayout();
    if (GetSafeHwnd() != NULL)
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

BOOL CORXMenuBar::OnSendCommand(const CORXToolbarButton* pButton)
{
    const CORXToolbarMenuButtonsButton* pSysButton =
        DYNAMIC_DOWNCAST(CORXToolbarMenuButtonsButton, const_cast<CORXToolbarButton*>(pButton));
    if (pSysButton == NULL)
        return FALSE;
    if (m_pMaximizedChild != NULL && m_pMaximizedChild->GetSafeHwnd() != NULL)
        m_pMaximizedChild->SendMessage(WM_SYSCOMMAND, pSysButton->m_uiSystemCommand);
    else
        ::MessageBeep((UINT)-1);
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// Layout

int CORXMenuBar::GetRowHeight() const
{
    if (!m_bHaveButtons && m_nSystemButtonsNum > 0)
    {
        CSize size = GetMenuButtonSize();
        return size.cy - 2;
    }
    int nHeight = GetButtonSize().cy;
    if (IsButtonExtraSizeAvailable())
        nHeight += CORXVisualManager::GetInstance()->GetButtonExtraBorder().cy;
    BOOL bHorz = (m_dwStyle & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)) != 0;
    return std::max(nHeight, globalData.GetTextHeight(bHorz));
}

int CORXMenuBar::GetColumnWidth() const
{
    if (!m_bHaveButtons && m_nSystemButtonsNum > 0)
        return GetMenuButtonSize().cx - 2;
    int nWidth = GetButtonSize().cx;
    if (IsButtonExtraSizeAvailable())
        nWidth += CORXVisualManager::GetInstance()->GetButtonExtraBorder().cx;
    return nWidth;
}

int CORXMenuBar::CalcMaxButtonHeight()
{
    return CORXToolBar::CalcMaxButtonHeight();
}

CSize CORXMenuBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CSize size = CalcLayout((bStretch ? LM_STRETCH : 0) | (bHorz ? LM_HORZ : 0), -1);
    int nRow = GetRowHeight() + CORXVisualManager::GetInstance()->GetButtonExtraBorder().cy;
    if (bHorz)
        size.cy = std::max(size.cy, (LONG)nRow);
    return size;
}

CSize CORXMenuBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    return CalcLayout(dwMode, nLength);
}

CSize CORXMenuBar::CalcLayout(DWORD dwMode, int nLength)
{
    CSize size = CORXToolBar::CalcLayout(dwMode, nLength);
    // The child buttons sit at the far end: the bar keeps room for them.
    if (m_nSystemButtonsNum > 0)
    {
        if (dwMode & LM_HORZ)
            size.cx += m_szSystemButton.cx * m_nSystemButtonsNum;
        else
            size.cy += m_szSystemButton.cy * m_nSystemButtonsNum;
    }
    return size;
}

void CORXMenuBar::PlaceButtons()
{
    CORXToolBar::PlaceButtons();
    if (GetSafeHwnd() == NULL || m_nSystemButtonsNum == 0)
        return;
    CRect rectClient;
    GetClientRect(rectClient);
    BOOL bHorz = IsHorizontal();
    int nRow = GetRowHeight();
    int nEnd = bHorz ? rectClient.right : rectClient.bottom;
    // From the last button backwards, the child buttons take the far end, each of the measured
    // size, centred across the first row.
    for (int i = GetCount() - 1; i >= 0; i--)
    {
        CORXToolbarButton* pButton = GetButton(i);
        if (!pButton->IsKindOf(RUNTIME_CLASS(CORXToolbarMenuButtonsButton)))
            continue;
        CRect rect;
        if (bHorz)
        {
            int y = rectClient.top + (nRow - m_szSystemButton.cy) / 2;
            rect = CRect(nEnd - m_szSystemButton.cx, y, nEnd, y + m_szSystemButton.cy);
            nEnd -= m_szSystemButton.cx;
        }
        else
        {
            int x = rectClient.left + (rectClient.Width() - m_szSystemButton.cx) / 2;
            rect = CRect(x, nEnd - m_szSystemButton.cy, x + m_szSystemButton.cx, nEnd);
            nEnd -= m_szSystemButton.cy;
        }
        pButton->SetRect(rect);
        pButton->Show(TRUE);
    }
}

/////////////////////////////////////////////////////////////////////////////
// Buttons

int CORXMenuBar::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    int iHit = ((CORXMenuBar*)this)->HitTest(point);
    if (DYNAMIC_DOWNCAST(CORXToolbarMenuButton, GetButton(iHit)) != NULL)
        return -1;
    return CORXToolBar::OnToolHitTest(point, pTI);
}

BOOL CORXMenuBar::IsMenuMode(const CORXToolbarButton* pButton) const
{
    return m_bMenuMode || (pButton != NULL && pButton->IsKindOf(RUNTIME_CLASS(CORXToolbarMenuButton)));
}

BOOL CORXMenuBar::OnSetDefaultButtonText(CORXToolbarButton* pButton)
{
    if (pButton == NULL || pButton->m_nID == 0 || pButton->m_nID == (UINT)-1)
        return FALSE;
    CString strText;
    if (m_hDefaultMenu != NULL && ::IsMenu(m_hDefaultMenu) &&
        FindCommandText(m_hDefaultMenu, pButton->m_nID, strText))
    {
        pButton->m_strText = strText;
        return TRUE;
    }
    return CORXToolBar::OnSetDefaultButtonText(pButton);
}

/////////////////////////////////////////////////////////////////////////////
// Highlight and keyboard

CORXToolbarMenuButton* CORXMenuBar::GetDroppedDownMenu(int* pIndex) const
{
    for (int i = 0; i < GetCount(); i++)
    {
        CORXToolbarMenuButton* pMenuButton = DYNAMIC_DOWNCAST(CORXToolbarMenuButton, GetButton(i));
        if (pMenuButton != NULL && pMenuButton->IsDroppedDown())
        {
            if (pIndex != NULL)
                *pIndex = i;
            return pMenuButton;
        }
    }
    if (pIndex != NULL)
        *pIndex = -1;
    return NULL;
}

CORXToolbarButton* CORXMenuBar::GetDroppedPalette(int* pIndex) const
{
    int iIndex = m_pDroppedPalette != NULL ? ButtonToIndex(m_pDroppedPalette) : -1;
    if (iIndex < 0 || !m_pDroppedPalette->IsDroppedDown())
        iIndex = -1;
    if (pIndex != NULL)
        *pIndex = iIndex;
    return iIndex >= 0 ? m_pDroppedPalette : NULL;
}

CORXToolbarButton* CORXMenuBar::GetDroppedDownButton(int* pIndex) const
{
    CORXToolbarButton* pButton = GetDroppedDownMenu(pIndex);
    return pButton != NULL ? pButton : GetDroppedPalette(pIndex);
}

void CORXMenuBar::SwitchMenuLater(int iButton)
{
    if (GetSafeHwnd() != NULL)
        PostMessage(WM_ORX_SWITCHMENU, (WPARAM)iButton, FALSE);
}

BOOL CORXMenuBar::CloseDroppedPalettes()
{
    // The bars first: a palette that closes takes its own bar off the list of bars.
    CArray<CORXMenuBar*, CORXMenuBar*> arBars;
    for (POSITION pos = gAllToolbars.GetHeadPosition(); pos != NULL;)
    {
        CORXMenuBar* pBar = DYNAMIC_DOWNCAST(CORXMenuBar, gAllToolbars.GetNext(pos));
        if (pBar != NULL && pBar->GetDroppedPalette() != NULL)
            arBars.Add(pBar);
    }
    for (int i = 0; i < arBars.GetSize(); i++)
        arBars[i]->CloseDroppedPalette();
    return arBars.GetSize() > 0;
}

BOOL CORXMenuBar::CloseDroppedPalette()
{
    CORXToolbarButton* pPalette = GetDroppedPalette();
    m_pDroppedPalette = NULL;
    if (pPalette == NULL)
        return FALSE;
    pPalette->OnCancelMode();
    return TRUE;
}

BOOL CORXMenuBar::SetMenuHighlight(int iButton)
{
    if (iButton == m_iHighlighted)
        return FALSE;
    int iOld = m_iHighlighted;
    m_iHighlighted = iButton;
    m_iHot = iButton;
    InvalidateButton(iOld);
    InvalidateButton(iButton);
    UpdateWindow();
    return TRUE;
}

void CORXMenuBar::SetHighlightedButton(int iButton)
{
    if (IsCustomizeMode())
    {
        CORXToolBar::SetHighlightedButton(iButton);
        return;
    }
    int iDropped = -1;
    CORXToolbarButton* pDropped = GetDroppedDownButton(&iDropped);
    if (pDropped != NULL)
    {
        // Moving over another menu while one is dropped drops that one instead.
        KillTimer(ORX_MENUBAR_FULLMENU_TIMER);
        SetTimer(ORX_MENUBAR_FULLMENU_TIMER, ORX_MENUBAR_FULLMENU_DELAY, NULL);
        CORXToolbarButton* pButton = GetButton(iButton);
        if (iButton >= 0 && iButton != iDropped && !IsChildButton(pButton) &&
            (DYNAMIC_DOWNCAST(CORXToolbarMenuButton, pButton) != NULL ||
             DYNAMIC_DOWNCAST(CORXDropDownToolbarButton, pButton) != NULL))
            PostMessage(WM_ORX_SWITCHMENU, (WPARAM)iButton, FALSE);
        return;
    }
    m_bShowAllCommands = FALSE;
    m_iHot = iButton;
}

int CORXMenuBar::NextMenuIndex(int iFrom, int nStep) const
{
    int nCount = GetCount();
    if (nCount == 0)
        return -1;
    int i = iFrom;
    for (int nTried = 0; nTried < nCount; nTried++)
    {
        i = ((i + nStep) % nCount + nCount) % nCount;
        CORXToolbarButton* pButton = GetButton(i);
        if (pButton == NULL || (pButton->m_nStyle & TBBS_SEPARATOR) || IsChildButton(pButton) ||
            pButton->IsHidden())
            continue;
        return i;
    }
    return -1;
}

BOOL CORXMenuBar::DropMenu(int iIndex, BOOL bFromKeyboard)
{
    CORXToolbarMenuButton* pMenuButton = DYNAMIC_DOWNCAST(CORXToolbarMenuButton, GetButton(iIndex));
    if (pMenuButton == NULL || (pMenuButton->m_nStyle & TBBS_DISABLED))
        return FALSE;
    SetMenuHighlight(iIndex);
    if (!pMenuButton->IsDroppedDown() && !pMenuButton->OpenPopupMenu(this))
        return FALSE;
    InvalidateButton(iIndex);
    if (bFromKeyboard && pMenuButton->GetPopupMenu() != NULL &&
        pMenuButton->GetPopupMenu()->GetSafeHwnd() != NULL)
        pMenuButton->GetPopupMenu()->SendMessage(WM_KEYDOWN, VK_HOME);
    return TRUE;
}

BOOL CORXMenuBar::DropButton(int iIndex, BOOL bFromKeyboard)
{
    CORXDropDownToolbarButton* pPalette = DYNAMIC_DOWNCAST(CORXDropDownToolbarButton, GetButton(iIndex));
    if (pPalette == NULL)
        return DropMenu(iIndex, bFromKeyboard);
    if ((pPalette->m_nStyle & TBBS_DISABLED) ||
        (!pPalette->IsDroppedDown() && !pPalette->DropDownToolbar(this)))
        return FALSE;
    m_pDroppedPalette = pPalette;
    SetMenuHighlight(iIndex);
    InvalidateButton(iIndex);
    return TRUE;
}

void CORXMenuBar::SwitchMenu(int iNew)
{
    int iDropped = -1;
    CORXToolbarButton* pDropped = GetDroppedDownButton(&iDropped);
    if (iNew < 0 || iNew == iDropped)
        return;
    HWND hwndKeep = m_hwndLastFocus;
    CORXToolbarMenuButton* pDroppedMenu = DYNAMIC_DOWNCAST(CORXToolbarMenuButton, pDropped);
    if (pDroppedMenu != NULL && pDroppedMenu->GetPopupMenu() != NULL &&
        pDroppedMenu->GetPopupMenu()->GetSafeHwnd() != NULL)
        pDroppedMenu->GetPopupMenu()->SendMessage(WM_CLOSE);
    else if (pDropped != NULL)
    {
        // An open palette closes as a menu does.
        pDropped->OnCancelMode();
        m_pDroppedPalette = NULL;
    }
    // Closing the menu may have given the keyboard back; the bar keeps it while menus change.
    if (m_hwndLastFocus == NULL)
        m_hwndLastFocus = hwndKeep;
    if (GetFocus() != this && hwndKeep != NULL)
        SetFocus();
    if (!DropButton(iNew, TRUE))
        SetMenuHighlight(iNew);
}

LRESULT CORXMenuBar::OnSwitchMenu(WPARAM wParam, LPARAM)
{
    SwitchMenu((int)wParam);
    return 0;
}

BOOL CORXMenuBar::PrevMenu()
{
    int iDropped = -1;
    GetDroppedDownButton(&iDropped);
    int iNew = NextMenuIndex(iDropped >= 0 ? iDropped : m_iHighlighted, -1);
    if (iNew < 0)
        return FALSE;
    PostMessage(WM_ORX_SWITCHMENU, (WPARAM)iNew, 0);
    return TRUE;
}

BOOL CORXMenuBar::NextMenu()
{
    int iDropped = -1;
    GetDroppedDownButton(&iDropped);
    int iNew = NextMenuIndex(iDropped >= 0 ? iDropped : m_iHighlighted, 1);
    if (iNew < 0)
        return FALSE;
    PostMessage(WM_ORX_SWITCHMENU, (WPARAM)iNew, 0);
    return TRUE;
}

BOOL CORXMenuBar::TranslateChar(UINT nChar)
{
    if (!CORXToolBar::IsCustomizeMode())
    {
        BYTE keyState[256];
        WORD wChar = 0;
        if (::GetKeyboardState(keyState) && ::ToAsciiEx(nChar, ::MapVirtualKey(nChar, 0), keyState, &wChar, 1,
                                                        ::GetKeyboardLayout(::GetCurrentThreadId())) > 0)
            return OnKeyMenu((BYTE)wChar);
    }
    return FALSE;
}

BOOL CORXMenuBar::OnKeyMenu(UINT nChar)
{
    if (GetSafeHwnd() == NULL || !IsWindowVisible() || IsCustomizeMode())
        return FALSE;
    if (nChar == 0 || nChar == ' ')
    {
        if (nChar == ' ')
            return FALSE; // the frame's own system menu
        if (GetFocus() == this)
        {
            CloseDroppedPalette();
            Deactivate();
            return TRUE;
        }
        SetFocus();
        return TRUE;
    }
    UINT uiUpper = (UINT)(UINT_PTR)::CharUpperA((LPSTR)(UINT_PTR)(BYTE)nChar) & 0xFF;
    CORXToolbarButton* pButton = NULL;
    if (!m_AcellKeys.Lookup(uiUpper, pButton) || pButton == NULL)
        return FALSE;
    // An open palette closes first: the title of the key takes its place.
    CloseDroppedPalette();
    int iIndex = ButtonToIndex(pButton);
    if (GetFocus() != this)
        SetFocus();
    if (DYNAMIC_DOWNCAST(CORXToolbarMenuButton, pButton) != NULL)
        return DropMenu(iIndex, TRUE);
    Deactivate();
    return ProcessCommand(pButton);
}

BOOL CORXMenuBar::PreTranslateMessage(MSG* pMsg)
{
    // While the bar has the keyboard, Alt or F10 alone gives it back and Alt with a letter drops
    // that menu; the system's own menu loop would look for a menu the frame no longer has.
    if (pMsg->hwnd == m_hWnd && !IsCustomizeMode())
    {
        switch (pMsg->message)
        {
        case WM_SYSKEYDOWN:
            if (pMsg->wParam == VK_F10)
            {
                OnKeyMenu(0);
                return TRUE;
            }
            m_bAltAlone = pMsg->wParam == VK_MENU && !(pMsg->lParam & (1 << 30));
            break;
        case WM_SYSKEYUP:
            if (pMsg->wParam == VK_F10)
                return TRUE;
            if (pMsg->wParam == VK_MENU && m_bAltAlone)
            {
                m_bAltAlone = FALSE;
                OnKeyMenu(0);
                return TRUE;
            }
            break;
        case WM_SYSCHAR:
            m_bAltAlone = FALSE;
            OnKeyMenu((UINT)pMsg->wParam);
            return TRUE;
        case WM_KEYDOWN:
            m_bAltAlone = FALSE;
            break;
        }
    }
    // An open palette of the bar takes the keys as a dropped menu does: Left and Right drop the
    // next title instead, Escape closes it and leaves the bar the keyboard, and the keys of the
    // title (Return sends its command) wait until it is closed.
    if (pMsg->message == WM_KEYDOWN && pMsg->hwnd == m_hWnd && !IsCustomizeMode() &&
        GetDroppedPalette() != NULL)
    {
        switch (pMsg->wParam)
        {
        case VK_LEFT:
            PrevMenu();
            break;
        case VK_RIGHT:
            NextMenu();
            break;
        case VK_ESCAPE:
            CloseDroppedPalette();
            break;
        }
        return TRUE;
    }
    if (pMsg->message == WM_KEYDOWN && pMsg->hwnd == m_hWnd && !IsCustomizeMode() &&
        GetDroppedDownMenu() == NULL && m_iHighlighted >= 0 && !IsChildButton(GetButton(m_iHighlighted)))
    {
        int iHighlighted = m_iHighlighted;
        switch (pMsg->wParam)
        {
        case VK_RETURN: {
            CORXToolbarButton* pButton = GetButton(iHighlighted);
            if (DYNAMIC_DOWNCAST(CORXToolbarMenuButton, pButton) != NULL)
                DropMenu(iHighlighted, TRUE);
            else
            {
                Deactivate();
                ProcessCommand(pButton);
            }
            return TRUE;
        }
        case VK_ESCAPE:
            m_bShowAllCommands = FALSE;
            Deactivate();
            return TRUE;
        case VK_LEFT:
        case VK_RIGHT: {
            int iNew = NextMenuIndex(iHighlighted, pMsg->wParam == VK_LEFT ? -1 : 1);
            if (iNew >= 0)
                SetMenuHighlight(iNew);
            m_bShowAllCommands = FALSE;
            return TRUE;
        }
        case VK_DOWN:
            DropButton(iHighlighted, TRUE);
            return TRUE;
        default:
            if (TranslateChar((UINT)pMsg->wParam))
                return TRUE;
            break;
        }
    }
    return CORXToolBar::PreTranslateMessage(pMsg);
}

void CORXMenuBar::OnSetFocus(CWnd* pOldWnd)
{
    CORXToolBar::OnSetFocus(pOldWnd);
    SendIdleMessage();
    if (m_iHighlighted < 0 && GetDroppedDownMenu() == NULL)
    {
        int iFirst = NextMenuIndex(-1, 1);
        SetMenuHighlight(iFirst);
    }
}

/////////////////////////////////////////////////////////////////////////////
// Mouse and timers

void CORXMenuBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (HitTest(point) < 0 && GetDroppedDownMenu() != NULL)
        return;
    // Off the items the press starts a drag of the bar.
    if (HitTest(point) < 0 && m_pDockContext != NULL && !IsCustomizeMode())
        SetDragHook(TRUE);
    CORXToolBar::OnLButtonDown(nFlags, point);
}

void CORXMenuBar::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    CORXToolBar::OnWindowPosChanged(lpwndpos);
    SetDragHook(FALSE);
}

/////////////////////////////////////////////////////////////////////////////
// Drag hook

void CORXMenuBar::SetDragHook(BOOL bSet)
{
    if (bSet)
    {
        m_pDraggedMenuBar = this;
        if (m_hookMouseDrag == NULL)
            m_hookMouseDrag =
                ::SetWindowsHookExA(WH_MOUSE, MenuBarDragHookProc, NULL, ::GetCurrentThreadId());
        return;
    }
    // Only the bar the hook follows takes it away.
    if (m_pDraggedMenuBar != this)
        return;
    if (m_hookMouseDrag != NULL)
        ::UnhookWindowsHookEx(m_hookMouseDrag);
    m_hookMouseDrag = NULL;
    m_pDraggedMenuBar = NULL;
}

LRESULT CALLBACK CORXMenuBar::MenuBarDragHookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    HHOOK hHook = m_hookMouseDrag;
    CORXMenuBar* pBar = m_pDraggedMenuBar;
    if (nCode == HC_ACTION && (wParam == WM_LBUTTONUP || wParam == WM_NCLBUTTONUP) && pBar != NULL &&
        pBar->GetSafeHwnd() != NULL && pBar->m_pDockContext != NULL && pBar->m_pDockContext->m_bDragging)
    {
        CRect rectWork;
        MONITORINFO mi;
        mi.cbSize = sizeof(mi);
        HMONITOR hMonitor = ::MonitorFromWindow(pBar->GetSafeHwnd(), MONITOR_DEFAULTTONEAREST);
        if (hMonitor != NULL && ::GetMonitorInfoA(hMonitor, &mi))
            rectWork = mi.rcWork;
        else
            ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rectWork, 0);
        // The floating frame's rectangles of the drag start no further left or up than the work
        // area, so that the dropped bar's caption stays where it can be taken again.
        CDockContext* pContext = pBar->m_pDockContext;
        CRect* rects[] = {&pContext->m_rectFrameDragHorz, &pContext->m_rectFrameDragVert};
        for (CRect* pRect : rects)
            pRect->OffsetRect(std::max(0L, rectWork.left - pRect->left),
                              std::max(0L, rectWork.top - pRect->top));
        pBar->SetDragHook(FALSE);
    }
    return ::CallNextHookEx(hHook, nCode, wParam, lParam);
}

void CORXMenuBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    int iHit = HitTest(point);
    CORXToolbarMenuButton* pMenuButton = DYNAMIC_DOWNCAST(CORXToolbarMenuButton, GetButton(iHit));
    if (pMenuButton == NULL || IsChildButton(pMenuButton) || IsCustomizeMode() || !m_bRecentlyUsedMenus ||
        !ORXGetCommandUsage().HasEnoughStatistics())
    {
        CORXToolBar::OnLButtonDblClk(nFlags, point);
        return;
    }
    // The menu that is dropped takes the showing of all items with it when it closes: the flag is
    // set for the menu that drops again.
    if (pMenuButton->IsDroppedDown() && pMenuButton->GetPopupMenu() != NULL)
        pMenuButton->GetPopupMenu()->SendMessage(WM_CLOSE);
    m_bShowAllCommands = TRUE;
    DropMenu(iHit, FALSE);
}

void CORXMenuBar::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != ORX_MENUBAR_FULLMENU_TIMER)
    {
        CORXToolBar::OnTimer(nIDEvent);
        return;
    }
    KillTimer(ORX_MENUBAR_FULLMENU_TIMER);
    int iDropped = -1;
    CORXToolbarMenuButton* pDropped = GetDroppedDownMenu(&iDropped);
    if (pDropped == NULL || pDropped->GetPopupMenu() == NULL)
        return;
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    ScreenToClient(&ptCursor);
    if (pDropped->Rect().PtInRect(ptCursor))
        pDropped->GetPopupMenu()->ShowAllItems();
}

void CORXMenuBar::OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
{
    CORXToolBar::OnSettingChange(uFlags, lpszSection);
    MeasureChildButton();
    AdjustLayout();
    RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

/////////////////////////////////////////////////////////////////////////////
// Saved state

CString CORXMenuBar::GetMenuProfile(LPCTSTR lpszProfileName) const
{
    return CORXWorkspaceBase::BuildRegistryPath(m_strMenuProfile, lpszProfileName);
}

BOOL CORXMenuBar::BuildOriginalItems(UINT uiMenuResID)
{
    while (!m_OrigButtons.IsEmpty())
        delete m_OrigButtons.RemoveHead();
    if (!IsAlwaysResetWorkspace() || uiMenuResID == 0)
        return FALSE;
    HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCE(uiMenuResID), RT_MENU);
    HMENU hMenu = ::LoadMenu(hInst, MAKEINTRESOURCE(uiMenuResID));
    if (hMenu == NULL)
        return FALSE;
    AppendOriginalItems(hMenu, m_OrigButtons);
    ::DestroyMenu(hMenu);
    return TRUE;
}

BOOL CORXMenuBar::SaveState(LPCTSTR lpszProfileName, int nIndex, UINT uiID)
{
    CString strProfile = GetMenuProfile(lpszProfileName);
    BOOL bMaximized = m_bMaximizeMode;
    RemoveChildButtons();
    if (m_hMenu != NULL && GetCount() > 0)
        CORXMenuStore::Store(m_hMenu, this);
    HMENU hCurrent = m_hMenu;

    CWinApp* pApp = AfxGetApp();
    if (m_bMenuBarKeepTemplates && pApp != NULL)
        for (POSITION pos = pApp->GetFirstDocTemplatePosition(); pos != NULL;)
        {
            CMultiDocTemplate* pTemplate = DYNAMIC_DOWNCAST(CMultiDocTemplate, pApp->GetNextDocTemplate(pos));
            if (pTemplate == NULL || pTemplate->m_hMenuShared == NULL ||
                !CORXMenuStore::Restore(pTemplate->m_hMenuShared, this))
                continue;
            BuildOriginalItems(pTemplate->m_nIDResource);
            CORXToolBar::SaveState(strProfile, nIndex, pTemplate->m_nIDResource);
        }
    if (m_hDefaultMenu != NULL && CORXMenuStore::Restore(m_hDefaultMenu, this))
    {
        BuildOriginalItems(m_uiDefMenuResId);
        CORXToolBar::SaveState(strProfile, nIndex, 0);
    }
    (void)uiID;

    if (hCurrent != NULL)
        CORXMenuStore::Restore(hCurrent, this);
    if (bMaximized)
        AddChildButtons();
    AdjustLayout();
    if (m_pParentWnd != NULL && m_pParentWnd->GetSafeHwnd() != NULL)
        m_pParentWnd->RecalcLayout();
    if (GetSafeHwnd() != NULL)
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
    return TRUE;
}

BOOL CORXMenuBar::LoadState(LPCTSTR lpszProfileName, int nIndex, UINT uiID)
{
    CString strProfile = GetMenuProfile(lpszProfileName);
    BOOL bMaximized = m_bMaximizeMode;
    RemoveChildButtons();
    CWnd* pOwner = GetOwner() != NULL ? GetOwner() : GetParent();
    // A kept menu whose resource changed since its state was saved (the original items, kept
    // while the workspace always resets, differ) is reset: it starts afresh from the menu itself.
    // The tool bar's merge of new and removed items goes by command, and would turn a changed
    // sub-menu into a separator and take out another title in its place. The workspace learns
    // from the bar whether any kept menu differed.
    BOOL bAnyModified = FALSE;
    auto LoadKeptMenu = [&](UINT uiStateID) -> BOOL {
        m_bIsModified = FALSE;
        if (!CORXToolBar::LoadState(strProfile, nIndex, uiStateID))
            return FALSE;
        BOOL bResetting = m_bIsModified;
        bAnyModified = bAnyModified || bResetting;
        return !bResetting;
    };

    CWinApp* pApp = AfxGetApp();
    if (m_bMenuBarKeepTemplates && pApp != NULL)
        for (POSITION pos = pApp->GetFirstDocTemplatePosition(); pos != NULL;)
        {
            CMultiDocTemplate* pTemplate = DYNAMIC_DOWNCAST(CMultiDocTemplate, pApp->GetNextDocTemplate(pos));
            if (pTemplate == NULL || pTemplate->m_hMenuShared == NULL)
                continue;
            UINT uiResID = pTemplate->m_nIDResource;
            BuildOriginalItems(uiResID);
            if (!LoadKeptMenu(uiResID))
            {
                BuildFromMenu(pTemplate->m_hMenuShared);
                if (pOwner != NULL)
                    pOwner->SendMessage(ORX_WM_TOOLBAR_RESETMENU, uiResID);
            }
            CORXMenuStore::Store(pTemplate->m_hMenuShared, this);
        }

    // The default menu: its state is kept under the id 0. The owner of a bar that was given no
    // default resource id hears the framework's message 0x366 before the reset, which it then
    // hears as for any other menu.
    if (m_hDefaultMenu != NULL)
    {
        BuildOriginalItems(m_uiDefMenuResId);
        if (!LoadKeptMenu(0))
        {
            BuildFromMenu(m_hDefaultMenu);
            if (pOwner != NULL)
            {
                if (m_uiDefMenuResId == 0)
                    pOwner->SendMessage(kMsgNoDefaultResId);
                pOwner->SendMessage(ORX_WM_TOOLBAR_RESETMENU, m_uiDefMenuResId);
            }
        }
        CORXMenuStore::Store(m_hDefaultMenu, this);
    }
    (void)uiID;
    m_bIsModified = bAnyModified;

    if (m_hMenu != NULL && !CORXMenuStore::Restore(m_hMenu, this) && ::IsMenu(m_hMenu))
        BuildFromMenu(m_hMenu);
    m_bHaveButtons = GetCount() > 0;
    if (bMaximized)
        AddChildButtons();
    RebuildAccelerationKeys();
    AdjustLayout();
    if (m_pParentWnd != NULL && m_pParentWnd->GetSafeHwnd() != NULL)
        m_pParentWnd->RecalcLayout();
    if (GetSafeHwnd() != NULL)
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
    return TRUE;
}

BOOL CORXMenuBar::ResetTemplateMenu(CMultiDocTemplate* pTemplate)
{
    if (pTemplate == NULL || pTemplate->m_hMenuShared == NULL)
        return FALSE;
    LPCTSTR lpszName = MAKEINTRESOURCE(pTemplate->m_nIDResource);
    HMENU hNew = ::LoadMenu(AfxFindResourceHandle(lpszName, RT_MENU), lpszName);
    if (hNew == NULL)
        return FALSE;
    HMENU hOld = pTemplate->m_hMenuShared;
    BuildFromMenu(hNew);
    CORXMenuStore::Store(hNew, this);
    pTemplate->m_hMenuShared = hNew;
    SharedMenuSwap swap = {hOld, hNew, pTemplate->m_hAccelTable};
    CWnd* pFrame = m_pParentWnd != NULL ? (CWnd*)m_pParentWnd : AfxGetMainWnd();
    if (pFrame != NULL && pFrame->GetSafeHwnd() != NULL)
        ::EnumChildWindows(pFrame->m_hWnd, HandOverSharedMenu, (LPARAM)&swap);
    if (m_pParentWnd != NULL && m_pParentWnd->m_hMenuAlt == hOld)
        m_pParentWnd->m_hMenuAlt = hNew;
    if (m_hMenu == hOld)
        m_hMenu = hNew;
    CORXMenuStore::Remove(hOld);
    ::DestroyMenu(hOld);
    return TRUE;
}

BOOL CORXMenuBar::ResetDefaultMenu()
{
    if (m_uiDefMenuResId == 0)
        return FALSE;
    LPCTSTR lpszName = MAKEINTRESOURCE(m_uiDefMenuResId);
    HMENU hNew = ::LoadMenu(AfxFindResourceHandle(lpszName, RT_MENU), lpszName);
    if (hNew == NULL)
        return FALSE;
    HMENU hOld = m_hDefaultMenu;
    BuildFromMenu(hNew);
    CORXMenuStore::Store(hNew, this);
    m_hDefaultMenu = hNew;
    if (m_pParentWnd != NULL &&
        (m_pParentWnd->m_hMenuDefault == hOld || m_pParentWnd->m_hMenuDefault == NULL))
        m_pParentWnd->m_hMenuDefault = hNew;
    if (m_hMenu == hOld || m_hMenu == NULL)
        m_hMenu = hNew;
    if (hOld != NULL)
    {
        CORXMenuStore::Remove(hOld);
        ::DestroyMenu(hOld);
    }
    return TRUE;
}

void CORXMenuBar::ShowCurrentMenuAgain()
{
    HMENU hCurrent = m_hMenu;
    m_hMenu = NULL;
    CreateFromMenu(hCurrent, FALSE, TRUE);
}

BOOL CORXMenuBar::RestoreOriginalState()
{
    RemoveChildButtons();
    CWinApp* pApp = AfxGetApp();
    if (m_bMenuBarKeepTemplates && pApp != NULL)
        for (POSITION pos = pApp->GetFirstDocTemplatePosition(); pos != NULL;)
            ResetTemplateMenu(DYNAMIC_DOWNCAST(CMultiDocTemplate, pApp->GetNextDocTemplate(pos)));
    ResetDefaultMenu();
    ShowCurrentMenuAgain();
    return TRUE;
}

BOOL CORXMenuBar::RestoreMenu(CMultiDocTemplate* pTemplate)
{
    RemoveChildButtons();
    // The bar's current items go to the store first: the menus that are not reset keep them.
    if (m_hMenu != NULL && GetCount() > 0)
        CORXMenuStore::Store(m_hMenu, this);
    BOOL bDone = pTemplate != NULL ? ResetTemplateMenu(pTemplate) : ResetDefaultMenu();
    ShowCurrentMenuAgain();
    return bDone;
}

void CORXMenuBar::ResetAllButtons()
{
    HMENU hCurrent = m_hMenu;
    RemoveChildButtons();
    if (m_hMenu != NULL && GetCount() > 0)
        CORXMenuStore::Store(m_hMenu, this);
    CWinApp* pApp = AfxGetApp();
    if (m_bMenuBarKeepTemplates && pApp != NULL)
        for (POSITION pos = pApp->GetFirstDocTemplatePosition(); pos != NULL;)
        {
            CMultiDocTemplate* pTemplate = DYNAMIC_DOWNCAST(CMultiDocTemplate, pApp->GetNextDocTemplate(pos));
            if (pTemplate == NULL || pTemplate->m_hMenuShared == NULL ||
                !CORXMenuStore::Restore(pTemplate->m_hMenuShared, this))
                continue;
            CORXToolBar::ResetAllButtons();
            CORXMenuStore::Store(pTemplate->m_hMenuShared, this);
        }
    if (m_hDefaultMenu != NULL && CORXMenuStore::Restore(m_hDefaultMenu, this))
    {
        CORXToolBar::ResetAllButtons();
        CORXMenuStore::Store(m_hDefaultMenu, this);
    }
    m_hMenu = NULL;
    CreateFromMenu(hCurrent, FALSE, TRUE);
}
