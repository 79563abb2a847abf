// The pop-up menu window: creation, placement against the monitor's work area, scrolling, the
// opening animation, the shadow, the keyboard and closing the chain of menus.
#include "ORXPopupMenu.h"

#include <afxpriv.h>

#include "ORXCommandManager.h"
#include "ORXContextMenuManager.h"
#include "ORXDrawHelper.h"
#include "ORXExtrasHooks.h"
#include "ORXServices.h"
#include "ORXGlobalData.h"
#include "ORXMenuBar.h"
#include "ORXMenuPage.h"
#include "ORXMenuSound.h"
#include "ORXMenuStore.h"
#include "ORXToolbarImageList.h"
#include "ORXToolbarMenuButton.h"
#include "ORXVisualManager.h"

#include <algorithm>
#include <windowsx.h>
#include <time.h>

IMPLEMENT_SERIAL(CORXPopupMenu, CMiniFrameWnd, VERSIONABLE_SCHEMA | 1)

static_assert(CORXPopupMenu::NO_ANIMATION == 0 &&
                  (int)CORXPopupMenu::FADE == (int)CORXBarSettings::kLastMenuAnimation,
              "the bars' settings store the menus' animation kinds");
int& CORXPopupMenu::m_AnimationType = CORXBarSettings::s_nMenuAnimation;
int CORXPopupMenu::m_AnimationSpeed = 30;
DWORD CORXPopupMenu::m_dwLastAnimTime = 0;
CORXPopupMenu* CORXPopupMenu::m_pActivePopupMenu = NULL;
BOOL CORXPopupMenu::m_bForceShadow = FALSE;
BOOL& CORXPopupMenu::m_bMenuShadows = CORXBarSettings::s_bMenuShadows;

namespace
{
const UINT_PTR kAnimationTimer = 1;
const UINT_PTR kScrollTimer = 2;
const UINT kScrollPeriod = 80;

DWORD NowMs()
{
    return (DWORD)((double)clock() * 1000.0 / CLOCKS_PER_SEC);
}
} // namespace

/////////////////////////////////////////////////////////////////////////////
// Placement

ORXMenuPlacement::ORXMenuPlacement()
    : rectWork(0, 0, 0, 0), pt(0, 0), size(0, 0), nOpener(FreeMenu), bRightAligned(FALSE), bRTL(FALSE),
      nParentLeft(0), nItemTop(0), nSubMenuShift(0), nAnimation(0), nDropDirection(0), bScrollable(FALSE),
      bGrowRight(TRUE), bGrowDown(TRUE)
{
}

void ORXMenuPlacement::Compute()
{
    bScrollable = FALSE;
    bGrowRight = TRUE;
    bGrowDown = TRUE;
    int x = std::min(std::max((int)pt.x, (int)rectWork.left), (int)rectWork.right);
    int y = std::min(std::max((int)pt.y, (int)rectWork.top), (int)rectWork.bottom);
    int W = size.cx;
    int H = size.cy;

    // Horizontal fit.
    if (!bRightAligned && !bRTL && x + W > rectWork.right)
    {
        if (nOpener == SubMenu || nOpener == SideMenuBar)
        {
            x = nParentLeft - W;
            nDropDirection = 4;
        }
        else
        {
            x = rectWork.right - W - 1;
            nDropDirection = 0;
        }
        if (x < rectWork.left)
        {
            x = rectWork.left;
            nDropDirection = 0;
        }
        if (nAnimation == 1)
            bGrowRight = FALSE;
        else if (nAnimation == 3)
        {
            bGrowRight = FALSE;
            bGrowDown = FALSE;
        }
    }

    // Vertical fit.
    if (y + H > rectWork.bottom)
    {
        bGrowDown = FALSE;
        if (nOpener == BarMenu || nOpener == SideMenuBar)
        {
            int T = nItemTop;
            if (T - H >= rectWork.top)
            {
                // Above the item, when it fits below the work area's top.
                y = T - H;
                nDropDirection = 2;
            }
            else if (rectWork.bottom - T < T - rectWork.top)
            {
                y = rectWork.top;
                H = T - rectWork.top;
                nDropDirection = 0;
                bScrollable = TRUE;
            }
            else
            {
                H = rectWork.bottom - y;
                bGrowDown = TRUE;
                bScrollable = TRUE;
            }
        }
        else
        {
            y -= H;
            if (nOpener == SubMenu)
                y += nSubMenuShift;
        }
        if (y < rectWork.top)
        {
            y = rectWork.top;
            nDropDirection = 0;
        }
        if (y + H > rectWork.bottom)
        {
            H = rectWork.bottom - y;
            bScrollable = TRUE;
        }
    }
    if (H < 0)
        H = 0;
    pt = CPoint(x, y);
    size = CSize(W, H);
}

/////////////////////////////////////////////////////////////////////////////
// Construction

BEGIN_MESSAGE_MAP(CORXPopupMenu, CMiniFrameWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_SIZE()
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_MOUSEACTIVATE()
ON_WM_KEYDOWN()
ON_WM_ACTIVATEAPP()
ON_WM_TIMER()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_NCHITTEST()
END_MESSAGE_MAP()

CORXPopupMenu::CORXPopupMenu()
{
    Initialize();
}

CORXPopupMenu::CORXPopupMenu(CORXMenuPage* pEditPage, LPCTSTR lpszTitle)
{
    Initialize();
    m_pEditPage = pEditPage;
    m_strCaption = lpszTitle != NULL ? lpszTitle : _T("");
}

void CORXPopupMenu::Initialize()
{
    m_DropDirection = DROP_DIRECTION_NONE;
    m_pParentBtn = NULL;
    m_pMessageWnd = NULL;
    m_hMenu = NULL;
    m_bAutoDestroy = TRUE;
    m_x = m_y = m_xOrig = m_yOrig = 0;
    m_FinalSize = CSize(0, 0);
    m_bRightAlign = FALSE;
    m_bTrackMode = FALSE;
    m_nMaxWidth = -1;
    m_bIsClosing = FALSE;
    m_bCloseParent = TRUE;
    m_iLogoWidth = 0;
    m_nLogoLocation = 0;
    m_AnimSize = CSize(0, 0);
    m_bAnimRight = TRUE;
    m_bAnimDown = TRUE;
    m_iFadePercent = 0;
    m_rectScrollUp.SetRectEmpty();
    m_rectScrollDn.SetRectEmpty();
    m_iScrollMode = 0;
    m_iScrollBtnHeight = CORXMenuImages::Size().cy + 4;
    m_bScrollable = FALSE;
    m_nMenuBarHeight = 0;
    m_bShown = FALSE;
    m_bInCreate = FALSE;
    m_bDestroying = FALSE;
    m_pEditPage = NULL;
    m_rectTearOffCaption.SetRectEmpty();
    m_bTearOffPressed = FALSE;
    m_bTearOffTracking = FALSE;

    if (globalData.bIsRemoteSession)
        m_AnimationType = NO_ANIMATION;
    if (m_AnimationType < NO_ANIMATION || m_AnimationType > FADE)
        m_AnimationType = NO_ANIMATION; // an unknown kind shows the menu at once
    m_bAnimationIsDone = m_AnimationType == NO_ANIMATION;
    if (m_AnimationType == FADE && globalData.m_nBitsPerPixel <= 8)
    {
        m_AnimationType = NO_ANIMATION;
        m_bAnimationIsDone = TRUE;
    }
    CORXVisualManager* pLook = CORXVisualManager::GetInstance();
    m_iShadowSize = (m_bMenuShadows && pLook->IsMenuShadowAllowed() && globalData.m_nBitsPerPixel > 8 &&
                     !CORXToolBar::IsCustomizeMode())
                        ? pLook->GetMenuShadowDepth()
                        : 0;
}

CORXPopupMenu::~CORXPopupMenu()
{
    if (m_bAutoDestroy && m_hMenu != NULL && ::IsMenu(m_hMenu))
    {
        CORXMenuStore::Remove(m_hMenu);
        ::DestroyMenu(m_hMenu);
    }
    m_hMenu = NULL;
}

/////////////////////////////////////////////////////////////////////////////
// Creation

BOOL CORXPopupMenu::Create(CWnd* pWndParent, int x, int y, HMENU hMenu, BOOL bLocked, BOOL ownerIsParent)
{
    CORXMenuSound::PlayMenuSound(2);

    HINSTANCE hInst = AfxGetInstanceHandle();
    WNDCLASSA wc;
    if (!::GetClassInfoA(hInst, ORX_POPUPMENU_CLASS, &wc))
    {
        memset(&wc, 0, sizeof(wc));
        wc.style = CS_SAVEBITS;
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = hInst;
        wc.hCursor = ::LoadCursor(NULL, IDC_ARROW);
        wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
        wc.lpszClassName = ORX_POPUPMENU_CLASS;
        if (!AfxRegisterClass(&wc))
            return FALSE;
    }

    m_hMenu = hMenu;
    if (x == -1 && y == -1)
    {
        CPoint pt(5, 5);
        if (pWndParent != NULL && pWndParent->GetSafeHwnd() != NULL)
            pWndParent->ClientToScreen(&pt);
        x = pt.x;
        y = pt.y;
    }
    m_x = m_xOrig = x;
    m_y = m_yOrig = y;

    DWORD dwExStyle = 0;
    if (pWndParent != NULL && pWndParent->GetSafeHwnd() != NULL &&
        (pWndParent->GetExStyle() & WS_EX_LAYOUTRTL))
        dwExStyle |= WS_EX_LAYOUTRTL;
    CWnd* pWndOwner = pWndParent;
    if (pWndParent != NULL && pWndParent->GetSafeHwnd() != NULL)
    {
        HWND hOwner = ::GetWindow(pWndParent->GetSafeHwnd(), GW_OWNER);
        if (hOwner == NULL)
            hOwner = ::GetParent(pWndParent->GetSafeHwnd());
        if (hOwner != NULL)
            pWndOwner = CWnd::FromHandle(hOwner);
    }

    CORXPopupMenu* pParentMenu = GetParentPopupMenu();
    if (pParentMenu != NULL)
    {
        m_bTrackMode = pParentMenu->m_bTrackMode;
        m_nMaxWidth = pParentMenu->m_nMaxWidth;
    }
    if (ownerIsParent)
        m_pMessageWnd = pWndParent;
    else if (pParentMenu != NULL)
        m_pMessageWnd = pParentMenu->m_pMessageWnd;

    CRect rect(x, y, x, y);
    m_bInCreate = TRUE;
    DWORD dwStyle = m_pEditPage != NULL ? WS_POPUP | WS_CAPTION | WS_SYSMENU : WS_POPUP;
    BOOL bCreated = CWnd::CreateEx(dwExStyle, ORX_POPUPMENU_CLASS, m_strCaption, dwStyle, rect.left, rect.top,
                                   0, 0, pWndOwner != NULL ? pWndOwner->GetSafeHwnd() : NULL, NULL);
    m_bInCreate = FALSE;
    if (!bCreated || GetSafeHwnd() == NULL)
        return FALSE;
    if (m_bRightAlign)
    {
        CRect rectWnd;
        GetWindowRect(rectWnd);
        m_x = m_x + 1 - m_FinalSize.cx;
        m_xOrig = m_x;
        RecalcLayout();
    }
    ItemBar()->SetLocked(bLocked);

    if (m_AnimationType != NO_ANIMATION && !CORXToolBar::IsCustomizeMode())
    {
        m_bAnimationIsDone = FALSE;
        switch (m_AnimationType)
        {
        case UNFOLD:
            m_AnimSize = CSize(ItemBar()->GetColumnWidth(), ItemBar()->GetRowHeight());
            break;
        case SLIDE:
            m_AnimSize = CSize(m_FinalSize.cx + m_iShadowSize, ItemBar()->GetRowHeight());
            break;
        default:
            m_AnimSize = m_FinalSize + CSize(m_iShadowSize, m_iShadowSize);
            break;
        }
        ItemBar()->ShowWindow(SW_HIDE);
        SetTimer(kAnimationTimer, m_AnimationSpeed, NULL);
        m_dwLastAnimTime = NowMs();
    }
    CheckShadow();
    if (m_AnimationType == FADE && m_iShadowSize == 0)
        m_AnimSize = m_FinalSize;
    CaptureScreen();

    SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    if (CORXToolBar::IsCustomizeMode())
        ItemBar()->RedrawWindow();
    return TRUE;
}

int CORXPopupMenu::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    DWORD dwBarStyle = WS_CHILD | CBRS_ALIGN_TOP;
    if (m_AnimationType == NO_ANIMATION || CORXToolBar::IsCustomizeMode())
        dwBarStyle |= WS_VISIBLE;
    ItemBar()->SetReturnCommand(m_bTrackMode);
    ItemBar()->SetMaxWidth(m_nMaxWidth);
    if (!ItemBar()->CreateEx(this, TBSTYLE_FLAT, dwBarStyle, CRect(1, 1, 1, 1), 1))
        return -1;
    ItemBar()->SetOwner(GetParent() != NULL ? GetParent() : m_pMessageWnd);
    return InitMenuBar() ? 0 : -1;
}

BOOL CORXPopupMenu::InitMenuBar()
{
    if (m_hMenu != NULL)
    {
        BOOL bRestored = FALSE;
        if (m_pParentBtn == NULL)
            bRestored = CORXMenuStore::Restore(m_hMenu, GetMenuBar());
        if (!bRestored && !ItemBar()->ImportFromMenu(m_hMenu, m_pParentBtn == NULL))
            return FALSE;
    }
    ExpandPlaceholders();
    // The items' states, from the update handlers only.
    CCmdTarget* pTarget = m_pMessageWnd;
    if (pTarget == NULL)
        pTarget = GetParentFrame() != NULL ? (CCmdTarget*)GetParentFrame() : (CCmdTarget*)AfxGetMainWnd();
    ItemBar()->UpdateItemsFromHandlers(pTarget);

    if (!OnShowPopup(DYNAMIC_DOWNCAST(CFrameWnd, AfxGetMainWnd()), this))
        return FALSE;
    RecalcLayout();
    return TRUE;
}

void CORXPopupMenu::ExpandPlaceholders()
{
    // In customise mode the placeholders stay, so that the user arranges them and not their entries.
    if (CORXToolBar::IsCustomizeMode())
        return;
    ExpandRecentFiles();
    ExpandUserTools();
}

void CORXPopupMenu::ExpandRecentFiles()
{
    CORXRecentFileList* pFiles = CORXServices::Find<CORXRecentFileList>();
    if (pFiles == NULL)
        return;
    int iPlace = -1;
    for (int i = 0; i < m_wndMenuBar.GetCount() && iPlace < 0; i++)
    {
        CORXToolbarButton* pItem = m_wndMenuBar.GetButton(i);
        if (pItem->m_nID == ID_FILE_MRU_FILE1 && pItem->m_strText == _T("Recent File"))
            iPlace = i;
    }
    if (iPlace < 0)
        return;
    TCHAR szCurDir[_MAX_PATH] = {};
    DWORD nCurDir = ::GetCurrentDirectory(_MAX_PATH, szCurDir);
    CString strCurDir = nCurDir > 0 && nCurDir < _MAX_PATH ? szCurDir : _T("");
    if (!strCurDir.IsEmpty() && strCurDir.Right(1) != _T("\\"))
        strCurDir += _T('\\');
    int nInserted = 0;
    int nSize = std::min(pFiles->GetSize(), 16); // the commands the framework keeps for them
    for (int i = 0; i < nSize; i++)
    {
        CString strPath = pFiles->GetPath(i);
        if (strPath.IsEmpty())
            continue;
        // An ampersand of the name is shown, not taken for an access key.
        CString strName = ORXRecentFileDisplayName(strPath, strCurDir);
        strName.Replace(_T("&"), _T("&&"));
        CString strText;
        strText.Format(_T("&%d %s"), nInserted + 1, (LPCTSTR)strName);
        CORXToolbarMenuButton* pItem = new CORXToolbarMenuButton(ID_FILE_MRU_FILE1 + i, NULL, -1, strText);
        if (m_wndMenuBar.InsertButton(pItem, iPlace + 1 + nInserted) < 0)
            delete pItem;
        else
            nInserted++;
    }
    if (nInserted > 0)
    {
        // The placeholder goes without taking a separator with it.
        POSITION pos = m_wndMenuBar.m_Buttons.FindIndex(iPlace);
        delete (CORXToolbarButton*)m_wndMenuBar.m_Buttons.GetAt(pos);
        m_wndMenuBar.m_Buttons.RemoveAt(pos);
        m_wndMenuBar.RebuildAccelerationKeys();
    }
    else
        m_wndMenuBar.RemoveButton(iPlace); // and a separator after it that meets one before it
}

void CORXPopupMenu::ExpandUserTools()
{
    CORXUserToolsLink* pTools = CORXServices::Find<CORXUserToolsLink>();
    if (pTools == NULL)
        return;
    int iPlace = m_wndMenuBar.CommandToIndex(pTools->GetToolsEntryCmd());
    if (iPlace < 0)
        return;
    POSITION posPlace = m_wndMenuBar.m_Buttons.FindIndex(iPlace);
    delete (CORXToolbarButton*)m_wndMenuBar.m_Buttons.GetAt(posPlace);
    m_wndMenuBar.m_Buttons.RemoveAt(posPlace);
    auto IsSeparator = [this](int i) {
        CORXToolbarButton* pItem = m_wndMenuBar.GetButton(i);
        return pItem != NULL && (pItem->m_nStyle & TBBS_SEPARATOR) != 0;
    };
    int nTools = pTools->GetToolCount();
    int iInsert = iPlace;
    if (nTools > 0 && m_wndMenuBar.GetCount() > 0 && iPlace > 0 && !IsSeparator(iPlace - 1))
    {
        if (m_wndMenuBar.InsertSeparator(iInsert) >= 0)
            iInsert++;
    }
    CORXCommandManager* pCmdMgr = CORXCommandManager::GetCmdMgr();
    for (int i = 0; i < nTools; i++)
    {
        UINT uiCmd = pTools->GetToolCmd(i);
        int iImage = pCmdMgr->GetCmdImage(uiCmd, TRUE);
        BOOL bUser = iImage >= 0;
        if (!bUser)
            iImage = pCmdMgr->GetCmdImage(uiCmd, FALSE);
        CORXToolbarMenuButton* pItem =
            new CORXToolbarMenuButton(uiCmd, NULL, iImage, pTools->GetToolName(i), bUser);
        if (m_wndMenuBar.InsertButton(pItem, iInsert) < 0)
            delete pItem;
        else
            iInsert++;
    }
    if (iInsert > iPlace && iInsert < m_wndMenuBar.GetCount() && !IsSeparator(iInsert))
        m_wndMenuBar.InsertSeparator(iInsert);
    // No separator right after another.
    for (int i = m_wndMenuBar.GetCount() - 1; i > 0; i--)
        if (IsSeparator(i) && IsSeparator(i - 1))
        {
            POSITION pos = m_wndMenuBar.m_Buttons.FindIndex(i);
            delete (CORXToolbarButton*)m_wndMenuBar.m_Buttons.GetAt(pos);
            m_wndMenuBar.m_Buttons.RemoveAt(pos);
        }
    m_wndMenuBar.RebuildAccelerationKeys();
}

BOOL CORXPopupMenu::OnShowPopup(CFrameWnd* pFrame, CORXPopupMenu* pMenu)
{
    if (pMenu == NULL)
        return FALSE;
    if (!pMenu->m_bShown && CORXServices::Find<CORXMenuHost>() != NULL && !ApproveShow(pMenu))
    {
        if (pMenu->GetSafeHwnd() != NULL)
            pMenu->PostMessage(WM_CLOSE);
        return FALSE;
    }
    // A sub-menu that left rarely used items out ends with the item that brings them back.
    CORXPopupMenuBar* pBar = pMenu->GetMenuBar();
    if (pMenu->m_pParentBtn != NULL && !pBar->AreAllCommandsShown())
    {
        int nCount = pBar->GetCount();
        CORXToolbarButton* pLast = nCount > 0 ? pBar->GetButton(nCount - 1) : NULL;
        if (pLast == NULL || !pLast->IsKindOf(RUNTIME_CLASS(CORXShowAllButton)))
        {
            CORXShowAllButton* pShowAll = new CORXShowAllButton;
            if (pBar->InsertButton(pShowAll) < 0)
                delete pShowAll;
        }
    }
    // Without a framework frame to route keys, the shown menu takes them itself.
    if (pMenu->m_bTrackMode || CORXServices::Find<CORXMenuHost>() == NULL)
        m_pActivePopupMenu = pMenu;
    return TRUE;
}

BOOL CORXPopupMenu::ApproveShow(CORXPopupMenu* pMenu)
{
    BOOL bApprove = TRUE;
    if (!CORXServices::Any<CORXMenuHost>(
            [&](CORXMenuHost* pHost) { return pHost->OnShowMenu(pMenu, bApprove); }))
        SetActiveMenu(pMenu); // opened from no host's window: the menu takes the keys itself
    return bApprove;
}

void CORXPopupMenu::CaptureScreen()
{
    m_bmpScreen.DeleteObject();
    CRect rectWnd;
    GetWindowRect(rectWnd);
    if (rectWnd.IsRectEmpty())
        return;
    HDC hScreen = ::GetDC(NULL);
    HBITMAP hBmp = ::CreateCompatibleBitmap(hScreen, rectWnd.Width(), rectWnd.Height());
    if (hBmp != NULL)
    {
        HDC hMem = ::CreateCompatibleDC(hScreen);
        HGDIOBJ hOld = ::SelectObject(hMem, hBmp);
        ::BitBlt(hMem, 0, 0, rectWnd.Width(), rectWnd.Height(), hScreen, rectWnd.left, rectWnd.top, SRCCOPY);
        ::SelectObject(hMem, hOld);
        ::DeleteDC(hMem);
        m_bmpScreen.Attach(hBmp);
    }
    ::ReleaseDC(NULL, hScreen);
}

/////////////////////////////////////////////////////////////////////////////
// Relations

CORXPopupMenu* CORXPopupMenu::GetParentPopupMenu() const
{
    if (m_pParentBtn == NULL)
        return NULL;
    CORXPopupMenuBar* pBar = DYNAMIC_DOWNCAST(CORXPopupMenuBar, m_pParentBtn->GetParentWnd());
    return pBar != NULL ? DYNAMIC_DOWNCAST(CORXPopupMenu, pBar->GetParent()) : NULL;
}

CORXToolBar* CORXPopupMenu::GetParentToolBar() const
{
    return m_pParentBtn != NULL ? DYNAMIC_DOWNCAST(CORXToolBar, m_pParentBtn->GetParentWnd()) : NULL;
}

BOOL CORXPopupMenu::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CMiniFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pMessageWnd != NULL && m_pMessageWnd->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CORXPopupMenu::PostCommand(UINT uiCommandID)
{
    if (m_pMessageWnd == NULL || m_pMessageWnd->GetSafeHwnd() == NULL)
        return FALSE;
    m_pMessageWnd->PostMessage(WM_COMMAND, uiCommandID);
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// Items

int CORXPopupMenu::InsertItem(const CORXToolbarButton& button, int iInsertAt)
{
    CORXToolbarButton* pCopy = button.Clone();
    if (pCopy == NULL)
        return -1;
    int iIndex = ItemBar()->InsertButton(pCopy, iInsertAt);
    if (iIndex < 0)
        delete pCopy;
    return iIndex;
}

int CORXPopupMenu::InsertSeparator(int iInsertAt)
{
    if (ItemBar()->GetCount() == 0 || iInsertAt == 0)
        return -1;
    return ItemBar()->InsertSeparator(iInsertAt);
}

BOOL CORXPopupMenu::RemoveItem(int iIndex)
{
    return ItemBar()->RemoveButton(iIndex);
}

void CORXPopupMenu::ShowAllItems()
{
    if (m_pParentBtn == NULL)
        return;
    // The menu opens again, with more items: it sounds as a menu opening does.
    CORXMenuSound::PlayMenuSound(2);
    ItemBar()->m_iHot = -1;
    CORXMenuBar::SetShowAllCommands(TRUE);
    ShowWindow(SW_HIDE);
    m_bmpShadowRight.DeleteObject();
    m_bmpShadowBottom.DeleteObject();
    m_x = m_xOrig;
    m_y = m_yOrig;
    m_bShown = FALSE;
    ItemBar()->ImportFromMenu(m_hMenu, TRUE);
    ExpandPlaceholders();
    // The new items take their states from the update handlers, as when the menu was built.
    CCmdTarget* pTarget = m_pMessageWnd;
    if (pTarget == NULL)
        pTarget = GetParentFrame() != NULL ? (CCmdTarget*)GetParentFrame() : (CCmdTarget*)AfxGetMainWnd();
    ItemBar()->UpdateItemsFromHandlers(pTarget);
    // The rebuilt menu is offered to the hosts again, as a new one is; a refused menu is gone.
    if (!OnShowPopup(DYNAMIC_DOWNCAST(CFrameWnd, AfxGetMainWnd()), this))
        return;
    RecalcLayout();
    CheckShadow();
    CaptureScreen();
    SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    CORXToolBar* pParentBar = GetParentToolBar();
    if (pParentBar != NULL && pParentBar->GetSafeHwnd() != NULL)
    {
        int iParent = pParentBar->ButtonToIndex(m_pParentBtn);
        if (iParent >= 0)
            pParentBar->InvalidateButton(iParent);
    }
}

int CORXPopupMenu::HitTest(CPoint ptScreen) const
{
    CRect rectClient;
    GetClientRect(rectClient);
    CPoint pt = ptScreen;
    ScreenToClient(&pt);
    if (!rectClient.PtInRect(pt))
        return HT_OUTSIDE;
    if (m_iShadowSize > 0)
    {
        if (pt.x >= rectClient.right - m_iShadowSize)
            return HT_RIGHT_SHADOW;
        if (pt.y >= rectClient.bottom - m_iShadowSize)
            return HT_BOTTOM_SHADOW;
    }
    if (m_rectTearOffCaption.PtInRect(pt))
        return HT_TEAROFF;
    if (GetSideBandRect().PtInRect(pt))
        return HT_SIDE_BAND;
    return HT_ITEMS;
}

CRect CORXPopupMenu::GetSideBandRect() const
{
    if (m_iLogoWidth <= 0 || GetSafeHwnd() == NULL)
        return CRect(0, 0, 0, 0);
    CRect rect;
    GetClientRect(rect);
    if (!CORXToolBar::IsCustomizeMode())
    {
        rect.right -= m_iShadowSize;
        rect.bottom -= m_iShadowSize;
    }
    rect.DeflateRect(2, 2);
    switch (m_nLogoLocation)
    {
    case 1:
        rect.left = rect.right - m_iLogoWidth;
        break;
    case 2:
        rect.bottom = rect.top + m_iLogoWidth;
        break;
    case 3:
        rect.top = rect.bottom - m_iLogoWidth;
        break;
    default:
        rect.right = rect.left + m_iLogoWidth;
        break;
    }
    return rect;
}

/////////////////////////////////////////////////////////////////////////////
// Layout

void CORXPopupMenu::RecalcLayout(BOOL)
{
    if (GetSafeHwnd() == NULL || ItemBar()->GetSafeHwnd() == NULL)
        return;
    ORXMenuPlacement place;
    place.pt = CPoint(m_x, m_y);
    HMONITOR hMonitor = ::MonitorFromPoint(place.pt, MONITOR_DEFAULTTONEAREST);
    MONITORINFO mi;
    mi.cbSize = sizeof(mi);
    if (hMonitor != NULL && ::GetMonitorInfo(hMonitor, &mi))
        place.rectWork = mi.rcWork;
    else
        ::SystemParametersInfo(SPI_GETWORKAREA, 0, &place.rectWork, 0);

    CSize sizeBar = ItemBar()->CalcSize(TRUE);
    place.size = CSize(sizeBar.cx + 4, sizeBar.cy + 4);
    if (m_nLogoLocation == 2 || m_nLogoLocation == 3)
        place.size.cy += m_iLogoWidth;
    else
        place.size.cx += m_iLogoWidth;
    if (m_pEditPage != NULL)
        place.size.cy += ::GetSystemMetrics(SM_CYSMCAPTION) + 2 * ::GetSystemMetrics(SM_CYBORDER) + 5;
    else
        PlaceTearOffStrip(place.size);
    place.bRightAligned = m_bRightAlign;
    place.bRTL = (GetExStyle() & WS_EX_LAYOUTRTL) != 0;
    place.nAnimation = m_AnimationType;
    place.nDropDirection = m_DropDirection;
    CORXPopupMenu* pParentMenu = GetParentPopupMenu();
    CORXToolBar* pParentBar = GetParentToolBar();
    if (pParentMenu != NULL)
    {
        place.nOpener = ORXMenuPlacement::SubMenu;
        CRect rectParent;
        pParentMenu->GetWindowRect(rectParent);
        place.nParentLeft = rectParent.left;
        place.nSubMenuShift = ItemBar()->GetRowHeight() + 4;
    }
    else if (pParentBar != NULL)
    {
        BOOL bSide = pParentBar->IsKindOf(RUNTIME_CLASS(CORXMenuBar)) &&
                     !(pParentBar->GetBarStyle() & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM));
        place.nOpener = bSide ? ORXMenuPlacement::SideMenuBar : ORXMenuPlacement::BarMenu;
        CRect rectBar;
        pParentBar->GetWindowRect(rectBar);
        place.nParentLeft = rectBar.left;
        CRect rectItem = m_pParentBtn->Rect();
        pParentBar->ClientToScreen(rectItem);
        place.nItemTop = rectItem.top;
    }
    place.Compute();
    m_x = place.pt.x;
    m_y = place.pt.y;
    m_DropDirection = place.nDropDirection;
    m_bScrollable = place.bScrollable;
    m_bAnimRight = place.bGrowRight;
    m_bAnimDown = place.bGrowDown;
    m_FinalSize = place.size;

    int nShadow = CORXToolBar::IsCustomizeMode() ? 0 : m_iShadowSize;
    int cx = m_FinalSize.cx + nShadow;
    int cy = m_FinalSize.cy + nShadow;
    if (m_pEditPage != NULL)
        SetWindowPos(NULL, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    else if (place.bRTL)
        SetWindowPos(NULL, m_x - cx, m_y, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
    else
        SetWindowPos(NULL, m_x, m_y, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
    PlaceItemBar(TRUE);

    // The shadow may fall over the parent item, on a bar or in the parent menu: it is drawn again.
    if (!CORXToolBar::IsCustomizeMode() && m_iShadowSize > 0 && pParentBar != NULL &&
        pParentBar->GetSafeHwnd() != NULL)
    {
        CRect rectWnd;
        GetWindowRect(rectWnd);
        CRect rectRight = place.bRTL
                              ? CRect(rectWnd.left - 1 - m_iShadowSize, rectWnd.top, rectWnd.left - 1,
                                      rectWnd.bottom + m_iShadowSize)
                              : CRect(rectWnd.right + 1, rectWnd.top, rectWnd.right + 1 + m_iShadowSize,
                                      rectWnd.bottom + m_iShadowSize);
        CRect rectBottom(rectWnd.left - m_iShadowSize, rectWnd.bottom + 1, rectWnd.right,
                         rectWnd.bottom + 1 + m_iShadowSize);
        pParentBar->ScreenToClient(rectRight);
        pParentBar->ScreenToClient(rectBottom);
        CRect rectItem = m_pParentBtn->Rect();
        CRect rectInter;
        if (rectInter.IntersectRect(rectRight, rectItem) || rectInter.IntersectRect(rectBottom, rectItem))
        {
            pParentBar->InvalidateRect(rectItem);
            pParentBar->UpdateWindow();
        }
    }
}

BOOL CORXPopupMenu::CanScrollUp() const
{
    return ItemBar()->GetFirstVisible() > 0;
}

BOOL CORXPopupMenu::CanScrollDown() const
{
    int nCount = ItemBar()->GetCount();
    if (nCount == 0)
        return FALSE;
    CORXToolbarButton* pLast = ItemBar()->GetButton(nCount - 1);
    return pLast->Rect().bottom > m_nMenuBarHeight + ItemBar()->GetRowHeight();
}

BOOL CORXPopupMenu::PlaceItemBar(BOOL bForce)
{
    if (ItemBar()->GetSafeHwnd() == NULL)
        return FALSE;
    CRect rectClient;
    GetClientRect(rectClient);
    if (!CORXToolBar::IsCustomizeMode())
    {
        rectClient.right -= m_iShadowSize;
        rectClient.bottom -= m_iShadowSize;
    }
    rectClient.DeflateRect(2, 2);
    switch (m_iLogoWidth > 0 ? m_nLogoLocation : -1)
    {
    case 0:
        rectClient.left += m_iLogoWidth;
        break;
    case 1:
        rectClient.right -= m_iLogoWidth;
        break;
    case 2:
        rectClient.top += m_iLogoWidth;
        break;
    case 3:
        rectClient.bottom -= m_iLogoWidth;
        break;
    }
    if (!m_rectTearOffCaption.IsRectEmpty())
        rectClient.top += m_rectTearOffCaption.Height();

    CRect rectUpOld = m_rectScrollUp;
    CRect rectDnOld = m_rectScrollDn;
    m_rectScrollUp.SetRectEmpty();
    m_rectScrollDn.SetRectEmpty();
    if (m_bScrollable)
    {
        if (CanScrollUp())
        {
            m_rectScrollUp =
                CRect(rectClient.left, rectClient.top, rectClient.right, rectClient.top + m_iScrollBtnHeight);
            rectClient.top = m_rectScrollUp.bottom;
        }
        if (CanScrollDown())
        {
            m_rectScrollDn = CRect(rectClient.left, rectClient.bottom - m_iScrollBtnHeight, rectClient.right,
                                   rectClient.bottom);
            rectClient.bottom = m_rectScrollDn.top - 2;
        }
    }
    else if (!m_bAnimationIsDone)
    {
        KillTimer(kScrollTimer);
        m_iScrollMode = 0;
    }
    BOOL bChanged = rectUpOld != m_rectScrollUp || rectDnOld != m_rectScrollDn;
    if (!bForce && !bChanged)
    {
        ItemBar()->PlaceButtons();
        return FALSE;
    }
    UINT uiFlags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (!m_bScrollable && !m_bAnimationIsDone)
        uiFlags |= SWP_NOREDRAW;
    ItemBar()->SetWindowPos(NULL, rectClient.left, rectClient.top, rectClient.Width(),
                            std::max(0, (int)rectClient.Height()), uiFlags);
    m_nMenuBarHeight = rectClient.Height();
    ItemBar()->PlaceButtons();
    if (bChanged)
    {
        // Scroll buttons that appeared or went: the bar takes or leaves their room.
        if (m_bScrollable && (CanScrollUp() != !m_rectScrollUp.IsRectEmpty() ||
                              CanScrollDown() != !m_rectScrollDn.IsRectEmpty()))
        {
            InvalidateRect(NULL);
            return TRUE;
        }
        InvalidateRect(rectUpOld);
        InvalidateRect(rectDnOld);
        InvalidateRect(m_rectScrollUp);
        InvalidateRect(m_rectScrollDn);
        UpdateWindow();
    }
    return bChanged;
}

void CORXPopupMenu::CheckShadow()
{
    if (m_iShadowSize <= 0)
        return;
    CWnd* pTop = GetParent() != NULL ? GetParent()->GetTopLevelParent() : NULL;
    if (pTop == NULL)
        return;
    CRect rectMenu;
    GetWindowRect(rectMenu);
    if (GetExStyle() & WS_EX_LAYOUTRTL)
        rectMenu.OffsetRect(-(m_iShadowSize + m_FinalSize.cx), 0);
    CRect rectTop;
    pTop->GetWindowRect(rectTop);
    CRect rectUnion;
    rectUnion.UnionRect(rectMenu, rectTop);
    if (rectUnion != rectTop && !m_bForceShadow)
    {
        m_iShadowSize = 0;
        SetWindowPos(NULL, 0, 0, m_FinalSize.cx, m_FinalSize.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        PlaceItemBar(TRUE);
    }
    else
        pTop->UpdateWindow();
}

void CORXPopupMenu::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    PlaceItemBar(FALSE);
    CRect rectBand = GetSideBandRect();
    if (!rectBand.IsRectEmpty())
    {
        rectBand.InflateRect(2, 2);
        InvalidateRect(rectBand);
    }
}

namespace
{
// The first owner of a pop-up menu's window that is no pop-up menu of the chain.
HWND OwnerPastTheMenus(HWND hMenu)
{
    HWND hOwner = hMenu != NULL ? ::GetWindow(hMenu, GW_OWNER) : NULL;
    for (int nDepth = 0; hOwner != NULL && nDepth < 64; nDepth++)
    {
        char szClass[64] = {};
        ::GetClassNameA(hOwner, szClass, sizeof(szClass));
        if (lstrcmpiA(szClass, ORX_POPUPMENU_CLASS) != 0)
            break;
        hOwner = ::GetWindow(hOwner, GW_OWNER);
    }
    return hOwner;
}
} // namespace

CORXMenuRoutingWnd* CORXPopupMenu::GetOwnerDialog() const
{
    // The window that hears the menu's commands, else the window that owns the menu (past the
    // pop-up menus of the chain), or one of their ancestors.
    HWND hStarts[2] = {m_pMessageWnd != NULL ? m_pMessageWnd->GetSafeHwnd() : NULL, NULL};
    hStarts[1] = OwnerPastTheMenus(GetSafeHwnd());
    for (int i = 0; i < 2; i++)
    {
        HWND hWnd = hStarts[i];
        for (int nDepth = 0; hWnd != NULL && ::IsWindow(hWnd) && nDepth < 64;
             nDepth++, hWnd = ::GetParent(hWnd))
        {
            CORXMenuRoutingWnd* pDialog = dynamic_cast<CORXMenuRoutingWnd*>(CWnd::FromHandlePermanent(hWnd));
            if (pDialog != NULL)
                return pDialog;
        }
    }
    return NULL;
}

void CORXPopupMenu::SetActiveInDialog(BOOL bActive)
{
    CORXMenuRoutingWnd* pDialog = GetOwnerDialog();
    if (pDialog == NULL)
        return;
    if (bActive)
        pDialog->SetMenuOpenedHere(this);
    else if (m_pActivePopupMenu == this)
    {
        // A sub-menu that closes alone leaves its parent open, and the dialog keeps serving it.
        CORXPopupMenu* pParentMenu = GetParentPopupMenu();
        BOOL bParentStays = pParentMenu != NULL && pParentMenu->GetSafeHwnd() != NULL && !m_bCloseParent &&
                            !pParentMenu->m_bDestroying;
        pDialog->SetMenuOpenedHere(bParentStays ? pParentMenu : NULL);
    }
}

CORXFrameHooks* CORXPopupMenu::GetFrameHooks() const
{
    // By window handles along the owners: the objects behind a closing chain may be gone already.
    HWND hOwner = OwnerPastTheMenus(GetSafeHwnd());
    CWnd* pOwner = hOwner != NULL ? CWnd::FromHandlePermanent(hOwner) : NULL;
    if (pOwner == NULL)
        return NULL;
    CWnd* pFrame = ORXInPlaceFrame();
    if (pFrame == NULL)
        pFrame = pOwner->IsFrameWnd() ? pOwner : pOwner->GetParentFrame();
    return ORXFrameOffer<CORXFrameHooks>(pFrame);
}

/////////////////////////////////////////////////////////////////////////////
// Painting

BOOL CORXPopupMenu::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CORXPopupMenu::DrawFinal(CDC* pDC)
{
    CRect rectClient;
    GetClientRect(rectClient);
    int nShadow = CORXToolBar::IsCustomizeMode() ? 0 : m_iShadowSize;
    CRect rectMenu(rectClient.left, rectClient.top, rectClient.right - nShadow, rectClient.bottom - nShadow);

    if (nShadow > 0)
    {
        // The screen under the shadow, darkened.
        if (m_bmpScreen.GetSafeHandle() != NULL)
        {
            CDC dcMem;
            dcMem.CreateCompatibleDC(pDC);
            CBitmap* pOld = dcMem.SelectObject(&m_bmpScreen);
            pDC->BitBlt(rectMenu.right, 0, nShadow, rectClient.Height(), &dcMem, rectMenu.right, 0, SRCCOPY);
            pDC->BitBlt(0, rectMenu.bottom, rectClient.Width(), nShadow, &dcMem, 0, rectMenu.bottom, SRCCOPY);
            dcMem.SelectObject(pOld);
        }
        CORXDrawHelper dh(pDC);
        dh.DrawShadow(rectMenu, nShadow, 100, 65);
    }
    pDC->FillRect(rectMenu, &globalData.brBtnFace);
    CORXVisualManager* pLook = CORXVisualManager::GetInstance();
    pLook->OnDrawMenuBorder(pDC, this, rectMenu);
    CRect rectBand = GetSideBandRect();
    CORXFrameHooks* pHooks = rectBand.IsRectEmpty() ? NULL : GetFrameHooks();
    if (pHooks != NULL)
        pHooks->OnDrawPopupSideBand(pDC, this, rectBand);
    if (!m_rectTearOffCaption.IsRectEmpty())
        pLook->OnDrawTearOffCaption(pDC, m_rectTearOffCaption, m_bTearOffPressed);

    auto DrawScrollButton = [&](const CRect& rect, CORXMenuImages::IMAGES_IDS id, BOOL bHot) {
        if (rect.IsRectEmpty())
            return;
        pDC->FillRect(rect, &globalData.brBtnFace);
        CSize sizeImage = CORXMenuImages::Size();
        CORXMenuImages::Draw(
            pDC, id,
            CPoint(rect.CenterPoint().x - sizeImage.cx / 2, rect.CenterPoint().y - sizeImage.cy / 2));
        if (bHot)
            pDC->Draw3dRect(rect, globalData.clrBtnHilite, globalData.clrBtnShadow);
    };
    DrawScrollButton(m_rectScrollUp, CORXMenuImages::IdArowUp, m_iScrollMode < 0);
    DrawScrollButton(m_rectScrollDn, CORXMenuImages::IdArowDown, m_iScrollMode > 0);
}

void CORXPopupMenu::DrawAnimationFrame(CDC* pDC)
{
    CRect rectClient;
    GetClientRect(rectClient);
    // The finished menu, bar included, in memory.
    CDC dcMenu;
    CBitmap bmpMenu;
    if (!dcMenu.CreateCompatibleDC(pDC) ||
        !bmpMenu.CreateCompatibleBitmap(pDC, rectClient.Width(), rectClient.Height()))
        return;
    CBitmap* pOldMenu = dcMenu.SelectObject(&bmpMenu);
    DrawFinal(&dcMenu);
    CRect rectBar;
    ItemBar()->GetWindowRect(rectBar);
    ScreenToClient(rectBar);
    CPoint ptOld = dcMenu.SetViewportOrg(rectBar.TopLeft());
    dcMenu.IntersectClipRect(0, 0, rectBar.Width(), rectBar.Height());
    ItemBar()->DoPaint(&dcMenu);
    dcMenu.SelectClipRgn(NULL);
    dcMenu.SetViewportOrg(ptOld);

    // The screen under it.
    CDC dcScreen;
    dcScreen.CreateCompatibleDC(pDC);
    CBitmap* pOldScreen = NULL;
    if (m_bmpScreen.GetSafeHandle() != NULL)
    {
        pOldScreen = dcScreen.SelectObject(&m_bmpScreen);
        pDC->BitBlt(0, 0, rectClient.Width(), rectClient.Height(), &dcScreen, 0, 0, SRCCOPY);
    }
    else
        pDC->FillRect(rectClient, &globalData.brBtnFace);

    if (m_AnimationType == FADE)
    {
        BLENDFUNCTION bf = {AC_SRC_OVER, 0, (BYTE)(std::min(100, m_iFadePercent) * 255 / 100), 0};
        ::AlphaBlend(pDC->GetSafeHdc(), 0, 0, rectClient.Width(), rectClient.Height(), dcMenu.GetSafeHdc(), 0,
                     0, rectClient.Width(), rectClient.Height(), bf);
    }
    else
    {
        int cx = std::min((int)m_AnimSize.cx, (int)rectClient.Width());
        int cy = std::min((int)m_AnimSize.cy, (int)rectClient.Height());
        int xDest = m_bAnimRight ? 0 : rectClient.Width() - cx;
        int yDest = m_bAnimDown ? 0 : rectClient.Height() - cy;
        // Unfold shows the menu's top-left part growing; slide moves the whole menu in.
        int xSrc = m_AnimationType == SLIDE ? 0 : xDest;
        int ySrc = m_AnimationType == SLIDE ? (m_bAnimDown ? rectClient.Height() - cy : 0) : yDest;
        pDC->BitBlt(xDest, yDest, cx, cy, &dcMenu, xSrc, ySrc, SRCCOPY);
    }
    if (pOldScreen != NULL)
        dcScreen.SelectObject(pOldScreen);
    dcMenu.SelectObject(pOldMenu);
}

void CORXPopupMenu::OnPaint()
{
    CPaintDC dc(this);
    if (!m_bAnimationIsDone && !CORXToolBar::IsCustomizeMode())
        DrawAnimationFrame(&dc);
    else
    {
        DrawFinal(&dc);
        m_bShown = TRUE;
    }
}

/////////////////////////////////////////////////////////////////////////////
// Timers: animation and scrolling

void CORXPopupMenu::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kAnimationTimer)
    {
        if (m_bAnimationIsDone)
        {
            KillTimer(kAnimationTimer);
            return;
        }
        DWORD dwNow = NowMs();
        int nSteps =
            dwNow > m_dwLastAnimTime ? (int)((double)(dwNow - m_dwLastAnimTime) / m_AnimationSpeed + 0.5) : 0;
        BOOL bDone = FALSE;
        int nRow = ItemBar()->GetRowHeight();
        switch (m_AnimationType)
        {
        case UNFOLD:
            m_AnimSize.cx += ItemBar()->GetColumnWidth() * nSteps;
            m_AnimSize.cy += nRow * nSteps;
            bDone = m_AnimSize.cy - m_iShadowSize >= m_FinalSize.cy ||
                    m_AnimSize.cx - m_iShadowSize >= m_FinalSize.cx;
            break;
        case SLIDE:
            m_AnimSize.cy += nRow * nSteps;
            bDone = m_AnimSize.cy - m_iShadowSize >= m_FinalSize.cy;
            break;
        case FADE:
            m_iFadePercent += 10;
            if (m_iFadePercent > 100 + 10 * nSteps)
                m_iFadePercent = 101;
            bDone = m_iFadePercent > 100;
            break;
        default:
            bDone = TRUE; // an unknown kind finishes at once
            break;
        }
        if (bDone)
        {
            m_AnimSize = m_FinalSize + CSize(m_iShadowSize, m_iShadowSize);
            KillTimer(kAnimationTimer);
            ItemBar()->SetWindowPos(NULL, 0, 0, 0, 0,
                                    SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_SHOWWINDOW);
            ItemBar()->ValidateRect(NULL);
            m_bAnimationIsDone = TRUE;
        }
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | (bDone ? RDW_ALLCHILDREN : 0));
        m_dwLastAnimTime = dwNow;
        return;
    }
    if (nIDEvent == kScrollTimer)
    {
        CORXToolbarMenuButton* pHot = DYNAMIC_DOWNCAST(
            CORXToolbarMenuButton, ItemBar()->GetButton(ItemBar()->GetHighlightedButtonIndex()));
        if (pHot != NULL)
            pHot->OnCancelMode();
        CPoint pt;
        ::GetCursorPos(&pt);
        ScreenToClient(&pt);
        if (m_rectScrollUp.PtInRect(pt) && m_iScrollMode < 0)
        {
            ItemBar()->SetFirstVisible(ItemBar()->GetFirstVisible() - 1);
            ItemBar()->PlaceButtons();
            ItemBar()->RedrawWindow();
            PlaceItemBar(FALSE);
        }
        else if (m_rectScrollDn.PtInRect(pt) && m_iScrollMode > 0)
        {
            ItemBar()->SetFirstVisible(ItemBar()->GetFirstVisible() + 1);
            ItemBar()->PlaceButtons();
            ItemBar()->RedrawWindow();
            PlaceItemBar(FALSE);
        }
        else
        {
            KillTimer(kScrollTimer);
            m_iScrollMode = 0;
            InvalidateRect(m_rectScrollUp);
            InvalidateRect(m_rectScrollDn);
        }
        return;
    }
    CMiniFrameWnd::OnTimer(nIDEvent);
}

/////////////////////////////////////////////////////////////////////////////
// Mouse and activation

int CORXPopupMenu::OnMouseActivate(CWnd*, UINT, UINT)
{
    return MA_NOACTIVATE;
}

LRESULT CORXPopupMenu::OnNcHitTest(CPoint point)
{
    // A preview's small caption moves and closes it as any caption does; a menu has no frame.
    if (m_pEditPage != NULL)
        return CMiniFrameWnd::OnNcHitTest(point);
    return HTCLIENT;
}

void CORXPopupMenu::OnMouseMove(UINT nFlags, CPoint point)
{
    CWnd::OnMouseMove(nFlags, point);
    if (OnTearOffMouse(WM_MOUSEMOVE, point) || !m_bScrollable || m_iScrollMode != 0)
        return;
    if (m_rectScrollUp.PtInRect(point) && CanScrollUp())
    {
        m_iScrollMode = -1;
        InvalidateRect(m_rectScrollUp);
    }
    else if (m_rectScrollDn.PtInRect(point) && CanScrollDown())
    {
        m_iScrollMode = 1;
        InvalidateRect(m_rectScrollDn);
    }
    if (m_iScrollMode != 0)
        SetTimer(kScrollTimer, kScrollPeriod, NULL);
}

void CORXPopupMenu::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (OnTearOffMouse(WM_LBUTTONDOWN, point))
        return;
    CWnd::OnLButtonDown(nFlags, point);
}

void CORXPopupMenu::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (OnTearOffMouse(WM_LBUTTONUP, point))
        return;
    CWnd::OnLButtonUp(nFlags, point);
}

void CORXPopupMenu::OnActivateApp(BOOL bActive, HTASK hTask)
{
    CWnd::OnActivateApp(bActive, hTask);
    if (!bActive && !CORXToolBar::IsCustomizeMode() && !InCommand())
    {
        if (m_bTrackMode)
            m_bIsClosing = TRUE;
        PostMessage(WM_CLOSE);
    }
}

/////////////////////////////////////////////////////////////////////////////
// Keyboard

void CORXPopupMenu::ScrollIntoView()
{
    CORXToolbarButton* pHot = ItemBar()->GetButton(ItemBar()->GetHighlightedButtonIndex());
    int nRow = ItemBar()->GetRowHeight();
    if (pHot == NULL || nRow <= 0)
        return;
    CRect rectBar;
    ItemBar()->GetClientRect(rectBar);
    int iOffset = ItemBar()->GetFirstVisible();
    int iNew = iOffset;
    CRect rect = pHot->Rect();
    if (rect.top < rectBar.top)
        iNew += (rect.top - rectBar.top) / nRow - 1;
    else if (rect.bottom > rectBar.bottom)
        iNew += (rect.bottom - rectBar.bottom) / nRow + 1;
    int iMax = ItemBar()->GetCount() - (m_FinalSize.cy / nRow - 2) - 1;
    iNew = std::min(iNew, std::max(0, iMax));
    iNew = std::max(iNew, 0);
    if (iNew != iOffset)
    {
        ItemBar()->SetFirstVisible(iNew);
        ItemBar()->PlaceButtons();
        ItemBar()->RedrawWindow();
    }
    if (PlaceItemBar(FALSE))
        PlaceItemBar(FALSE);
}

void CORXPopupMenu::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    BOOL bCustomize = CORXToolBar::IsCustomizeMode();
    switch (nChar)
    {
    case VK_RETURN:
        if (!bCustomize)
            ItemBar()->OnKey(nChar); // may destroy this menu
        return;
    case VK_ESCAPE:
        CloseMenu(TRUE);
        return;
    case VK_LEFT: {
        // In a sub-menu Left goes back to the parent menu: the parent's item bar would move on to
        // its previous sub-menu item instead, so it is not asked.
        CORXToolBar* pBar = GetParentToolBar();
        if (pBar != NULL && !pBar->IsKindOf(RUNTIME_CLASS(CORXPopupMenuBar)) && pBar->PrevMenu())
            return;
        if (m_pParentBtn != NULL && m_pParentBtn->IsDroppedDown())
            CloseMenu(FALSE);
        return;
    }
    case VK_RIGHT: {
        int nSaved = m_AnimationType;
        m_AnimationType = NO_ANIMATION;
        CORXToolbarMenuButton* pHot = DYNAMIC_DOWNCAST(
            CORXToolbarMenuButton, ItemBar()->GetButton(ItemBar()->GetHighlightedButtonIndex()));
        BOOL bDone = FALSE;
        if (pHot != NULL && !(pHot->m_nStyle & TBBS_DISABLED) &&
            (pHot->m_nID == 0 || pHot->m_nID == (UINT)-1 || pHot->IsEmptyMenuAllowed()))
        {
            int iHot = ItemBar()->GetHighlightedButtonIndex();
            if (!pHot->IsDroppedDown())
                pHot->OpenPopupMenu(GetMenuBar());
            if (pHot->IsDroppedDown() && ItemBar()->GetHighlightedButtonIndex() == iHot)
                pHot->GetPopupMenu()->SendMessage(WM_KEYDOWN, VK_HOME);
            bDone = TRUE;
        }
        if (!bDone)
        {
            CORXToolBar* pBar = GetParentToolBar();
            if (pBar != NULL && !pBar->IsKindOf(RUNTIME_CLASS(CORXPopupMenuBar)))
                pBar->NextMenu();
            else if (GetParentPopupMenu() != NULL)
                GetParentPopupMenu()->SendMessage(WM_KEYDOWN, VK_RIGHT);
        }
        m_AnimationType = nSaved;
        return;
    }
    case VK_DOWN:
        if (::GetKeyState(VK_CONTROL) < 0 && !ItemBar()->AreAllCommandsShown())
        {
            ShowAllItems();
            return;
        }
        // fall through
    case VK_UP:
    case VK_HOME:
    case VK_END:
        if (!bCustomize)
            ItemBar()->OnKey(nChar);
        if (m_bScrollable)
            ScrollIntoView();
        return;
    }
    if (!ItemBar()->OnKey(nChar))
        CMiniFrameWnd::OnKeyDown(nChar, nRepCnt, nFlags);
}

BOOL CORXPopupMenu::PreTranslateForMenu(MSG* pMsg)
{
    CORXPopupMenu* pMenu = m_pActivePopupMenu;
    if (pMenu == NULL || pMenu->GetSafeHwnd() == NULL)
    {
        // A palette dropped from a menu bar closes on Esc as a menu does.
        return pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE &&
               CORXMenuBar::CloseDroppedPalettes();
    }
    switch (pMsg->message)
    {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (pMsg->message == WM_SYSKEYDOWN && pMsg->wParam != VK_MENU && pMsg->wParam != VK_F10)
            return FALSE;
        if (pMsg->message == WM_SYSKEYDOWN)
        {
            pMenu->CloseMenu(FALSE);
            return TRUE;
        }
        pMenu->SendMessage(WM_KEYDOWN, pMsg->wParam, pMsg->lParam);
        return TRUE;
    case WM_KEYUP:
    case WM_CHAR:
        return TRUE;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN: {
        // In customise mode the menus stay open while buttons are dragged into them.
        if (CORXToolBar::IsCustomizeMode())
            return FALSE;
        // A press outside every open menu closes them all.
        for (HWND hWnd = pMsg->hwnd; hWnd != NULL; hWnd = ::GetParent(hWnd))
        {
            char szClass[64] = {};
            ::GetClassNameA(hWnd, szClass, sizeof(szClass));
            if (lstrcmpiA(szClass, ORX_POPUPMENU_CLASS) == 0)
                return FALSE;
        }
        CORXPopupMenu* pTop = pMenu;
        while (pTop->GetParentPopupMenu() != NULL)
            pTop = pTop->GetParentPopupMenu();
        // A press on the button that opened the chain is the button's: it closes its menu itself.
        CORXToolBar* pBar = pTop->GetParentToolBar();
        if (pMsg->message == WM_LBUTTONDOWN && pBar != NULL && pBar->GetSafeHwnd() == pMsg->hwnd &&
            pTop->GetParentButton() != NULL &&
            pTop->GetParentButton()->Rect().PtInRect(
                CPoint(GET_X_LPARAM(pMsg->lParam), GET_Y_LPARAM(pMsg->lParam))))
            return FALSE;
        pTop->SendMessage(WM_CLOSE);
        return FALSE;
    }
    }
    return FALSE;
}

/////////////////////////////////////////////////////////////////////////////
// Closing

void CORXPopupMenu::CloseMenu(BOOL bSetFocusToBar)
{
    m_bIsClosing = TRUE;
    CORXPopupMenu* pParentMenu = GetParentPopupMenu();
    if (pParentMenu != NULL)
    {
        m_bCloseParent = FALSE;
        OnShowPopup(NULL, pParentMenu);
        if (m_pActivePopupMenu == this)
            m_pActivePopupMenu = pParentMenu;
    }
    else
    {
        SetActiveInDialog(FALSE);
        m_pActivePopupMenu = NULL;
        CORXToolBar* pBar = GetParentToolBar();
        if (bSetFocusToBar && pBar != NULL && pBar->GetSafeHwnd() != NULL)
            pBar->SetFocus();
    }
    SendMessage(WM_CLOSE);
}

void CORXPopupMenu::OnDestroy()
{
    KillTimer(kAnimationTimer);
    KillTimer(kScrollTimer);
    for (int i = ItemBar()->GetCount() - 1; i >= 0; i--)
    {
        CORXToolbarButton* pButton = ItemBar()->GetButton(i);
        if (pButton != NULL && pButton->IsKindOf(RUNTIME_CLASS(CORXShowAllButton)))
            ItemBar()->RemoveButton(i);
    }
    CORXPopupMenu* pParentMenu = GetParentPopupMenu();
    CORXToolBar* pParentBar = GetParentToolBar();
    if (m_pParentBtn != NULL)
    {
        CORXToolbarMenuButton* pParentBtn = m_pParentBtn;
        if (CORXToolBar::IsCustomizeMode())
        {
            // The items as the user arranged them go up to the item that opened the menu; its own
            // menu hands them on when it closes in turn.
            HMENU hEdited = m_wndMenuBar.ExportToMenu();
            if (hEdited != NULL)
            {
                pParentBtn->CreateFromMenu(hEdited);
                ::DestroyMenu(hEdited);
            }
        }
        m_pParentBtn = NULL;
        pParentBtn->OnPopupClosed(this);
        if (pParentBar != NULL && pParentBar->GetSafeHwnd() != NULL)
        {
            int iIndex = pParentBar->ButtonToIndex(pParentBtn);
            if (iIndex >= 0)
                pParentBar->InvalidateButton(iIndex);
        }
        // The parent closes once this menu has gone: it owns this window, and closing it now
        // would destroy and delete this menu again from within its own destruction. A parent
        // whose window is already going (it destroys its owned menus first) is left to it.
        if (!CORXToolBar::IsCustomizeMode() && m_bCloseParent && pParentMenu != NULL &&
            pParentMenu->GetSafeHwnd() != NULL && !pParentMenu->m_bDestroying)
            pParentMenu->PostMessage(WM_CLOSE);
    }
    // Showing every item lasts as long as the menu chain it was asked for: the next menu, of a
    // menu bar too and from the keyboard as well, hides rarely used items again.
    if (pParentMenu == NULL)
        CORXMenuBar::SetShowAllCommands(FALSE);
    if (m_pEditPage != NULL)
    {
        // The preview's items are the user's edit of the context menu: its next showing, and the
        // saved state, take them from the store.
        if (m_hMenu != NULL && ::IsMenu(m_hMenu))
            CORXMenuStore::Store(m_hMenu, ItemBar());
        m_pEditPage->CloseContextMenu(this);
    }
    SetActiveInDialog(FALSE);
    CORXServices::ForEach<CORXMenuHost>([this](CORXMenuHost* pHost) { pHost->OnMenuClosed(this); });
    CORXFrameHooks* pHooks = GetFrameHooks();
    if (pHooks != NULL)
        pHooks->OnClosePopupMenu(this);
    if (m_pActivePopupMenu == this)
        m_pActivePopupMenu =
            pParentMenu != NULL && pParentMenu->GetSafeHwnd() != NULL && !m_bCloseParent ? pParentMenu : NULL;
    if (!CORXToolBar::IsCustomizeMode() && m_pActivePopupMenu == NULL && pParentBar != NULL &&
        pParentMenu == NULL && pParentBar->GetSafeHwnd() != NULL && CWnd::GetFocus() != pParentBar)
        pParentBar->Deactivate();
    CMiniFrameWnd::OnDestroy();
}

BOOL CORXPopupMenu::DestroyWindow()
{
    // The object may be deleted before the window is gone: nothing is touched after the call.
    m_bDestroying = TRUE;
    return CMiniFrameWnd::DestroyWindow();
}

void CORXPopupMenu::PostNcDestroy()
{
    if (m_pParentBtn != NULL)
    {
        m_pParentBtn->OnPopupClosed(this);
        m_pParentBtn = NULL;
    }
    if (m_pActivePopupMenu == this)
        m_pActivePopupMenu = NULL;
    if (m_bInCreate)
        return; // Create answers FALSE and the caller deletes the object
    CMiniFrameWnd::PostNcDestroy();
}
