// CORXFrameImpl: the frames' user-defined bars, menu bar, placement and menu-time key and click
// routing.
#include "ORXFrameImpl.h"

#include "ORXDialogImpl.h"
#include "ORXKeyboardManager.h"
#include "ORXMenuBar.h"
#include "ORXPopupMenu.h"
#include "ORXToolBar.h"
#include "ORXToolbarMenuButton.h"
#include "ORXWorkspace.h"

CString CORXFrameImpl::m_strControlBarsTearOff = _T("ControlBars-TearOff");

namespace
{
// The string table's message for a full user-defined range.
const UINT kIdsTooManyToolbars = 16243;
const DWORD kUserBarStyle = 0x50402808;
const DWORD kUserBarAddStyle = 0x34; // tool tips, fly-by, size-dynamic

BOOL IsLiveMenu(const CORXPopupMenu* pMenu)
{
    return pMenu != NULL && ::IsWindow(pMenu->GetSafeHwnd());
}

CORXPopupMenu* TopMenu(CORXPopupMenu* pMenu)
{
    for (int nDepth = 0; pMenu->GetParentPopupMenu() != NULL && nDepth < 64; nDepth++)
        pMenu = pMenu->GetParentPopupMenu();
    return pMenu;
}

// The frame helper that opened a menu: through the bar of the chain's first item, the window that
// hears its commands, or its owner.
CORXFrameImpl* FindMenuFrame(CORXPopupMenu* pMenu)
{
    CORXPopupMenu* pTop = TopMenu(pMenu);
    CORXToolBar* pBar = pTop->GetParentToolBar();
    if (pBar != NULL && pBar->GetSafeHwnd() != NULL)
        return CORXFrameImpl::FromWindow(pBar->GetSafeHwnd());
    if (pTop->GetMessageWnd() != NULL && pTop->GetMessageWnd()->GetSafeHwnd() != NULL)
        return CORXFrameImpl::FromWindow(pTop->GetMessageWnd()->GetSafeHwnd());
    if (pTop->GetSafeHwnd() != NULL)
        return CORXFrameImpl::FromWindow(::GetWindow(pTop->GetSafeHwnd(), GW_OWNER));
    return NULL;
}

// TRUE when the focus is in the own window of a button (an edit or combo box) of a live bar.
BOOL IsButtonWindowFocused()
{
    HWND hFocus = ::GetFocus();
    if (hFocus == NULL)
        return FALSE;
    for (POSITION pos = gAllToolbars.GetHeadPosition(); pos != NULL;)
    {
        CORXToolBar* pBar = DYNAMIC_DOWNCAST(CORXToolBar, gAllToolbars.GetNext(pos));
        if (pBar == NULL || !::IsWindow(pBar->GetSafeHwnd()))
            continue;
        for (int i = 0; i < pBar->GetCount(); i++)
        {
            CORXToolbarButton* pButton = pBar->GetButton(i);
            HWND hWnd = pButton != NULL ? pButton->GetHwnd() : NULL;
            if (hWnd != NULL && (hWnd == hFocus || ::IsChild(hWnd, hFocus)))
                return TRUE;
        }
    }
    return FALSE;
}

// The dialogs' questions about the frames' world, answered as the frames answer them for
// themselves, for as long as the program runs.
class CFrameNeighbours : public CORXDialogNeighbours
{
public:
    CFrameNeighbours() { CORXServices::Register<CORXDialogNeighbours>(this); }
    ~CFrameNeighbours() { CORXServices::Unregister<CORXDialogNeighbours>(this); }
    virtual BOOL IsPointOutsidePopupMenu(CPoint ptScreen)
    {
        return CORXFrameImpl::IsPointOutsidePopupMenu(ptScreen);
    }
    virtual BOOL IsDockBar(HWND hWnd)
    {
        return hWnd != NULL && DYNAMIC_DOWNCAST(CDockBar, CWnd::FromHandlePermanent(hWnd)) != NULL;
    }
} s_frameNeighbours;
} // namespace

CORXFrameImpl::CORXFrameImpl(CFrameWnd* pFrame)
    : m_uiUserToolbarFirst((UINT)-1), m_uiUserToolbarLast((UINT)-1), m_listUserDefinedToolbars(10),
      m_listTearOffToolbars(10), m_pMenuBar(NULL), m_hDefaultMenu(NULL), m_dwReserved(0), m_pFrame(pFrame)
{
    CORXServices::Register<CORXMenuHost>(this, CORXMenuHost::rankFrame);
    CORXServices::Register<CORXFrameStateLink>(this);
}

BOOL CORXFrameImpl::OnShowMenu(CORXPopupMenu* pMenu, BOOL& bApprove)
{
    if (pMenu == NULL || FindMenuFrame(pMenu) != this)
        return FALSE;
    CORXFrameImplHolder* pHolder = ORXFrameOffer<CORXFrameImplHolder>(m_pFrame);
    bApprove = pHolder != NULL ? pHolder->ApproveFramePopupMenu(pMenu) : OnShowPopupMenu(pMenu);
    return TRUE;
}

BOOL CORXFrameImpl::LoadSaveFrameBars(CFrameWnd* pFrame, LPCTSTR lpszSection, BOOL bSave)
{
    if (pFrame == NULL || pFrame != m_pFrame || FromWindow(pFrame->GetSafeHwnd()) != this)
        return FALSE;
    SetProfileName(lpszSection);
    if (bSave)
        SaveUserToolbars(TRUE);
    else
        LoadUserToolbars();
    return TRUE;
}

CORXFrameImpl::~CORXFrameImpl()
{
    CORXServices::Unregister<CORXMenuHost>(this);
    CORXServices::Unregister<CORXFrameStateLink>(this);
    CObList* lists[] = {&m_listUserDefinedToolbars, &m_listTearOffToolbars};
    for (int n = 0; n < 2; n++)
    {
        while (!lists[n]->IsEmpty())
        {
            CWnd* pBar = (CWnd*)lists[n]->RemoveHead();
            if (pBar->GetSafeHwnd() != NULL)
                pBar->DestroyWindow();
            delete pBar;
        }
    }
}

CORXFrameImpl* CORXFrameImpl::FromWindow(HWND hWnd)
{
    if (hWnd == NULL || !::IsWindow(hWnd))
        return NULL;
    HWND hRoot = ::GetAncestor(hWnd, GA_ROOT);
    CORXFrameImplHolder* pHolder = ORXFrameOffer<CORXFrameImplHolder>(CWnd::FromHandlePermanent(hRoot));
    return pHolder != NULL ? &pHolder->GetFrameImpl() : NULL;
}

CString CORXFrameImpl::GetProfile() const
{
    if (!m_strControlBarRegEntry.IsEmpty())
        return m_strControlBarRegEntry;
    CORXWorkspace* pWorkspace = CORXWorkspace::GetInstance();
    return pWorkspace != NULL ? pWorkspace->GetRegistrySectionPath() : CString();
}

BOOL CORXFrameImpl::IsRangeSet() const
{
    return m_uiUserToolbarFirst != (UINT)-1 && m_uiUserToolbarLast != (UINT)-1 &&
           m_uiUserToolbarFirst <= m_uiUserToolbarLast;
}

void CORXFrameImpl::OnCloseFrame()
{
    // Torn-off bars that nobody shows any more go with the frame.
    for (POSITION pos = m_listTearOffToolbars.GetHeadPosition(); pos != NULL;)
    {
        POSITION posThis = pos;
        CControlBar* pBar = (CControlBar*)m_listTearOffToolbars.GetNext(pos);
        if (pBar->GetSafeHwnd() == NULL || !pBar->IsWindowVisible())
        {
            m_listTearOffToolbars.RemoveAt(posThis);
            if (pBar->GetSafeHwnd() != NULL)
                pBar->DestroyWindow();
            delete pBar;
        }
    }

    CORXWorkspace* pWorkspace = CORXWorkspace::GetInstance();
    if (pWorkspace == NULL)
        return;
    pWorkspace->SaveFrameState(m_pFrame);

    if (m_pFrame == NULL || m_pFrame->GetSafeHwnd() == NULL)
        return;
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof(wp);
    if (!m_pFrame->GetWindowPlacement(&wp))
        return;
    if (wp.showCmd != SW_SHOWMAXIMIZED)
        wp.showCmd = SW_SHOWNORMAL;
    // The placement's rectangle is in work-area coordinates; the stored one is on the screen.
    RECT rectWork = {};
    ::SystemParametersInfo(SPI_GETWORKAREA, 0, &rectWork, 0);
    CRect rect(wp.rcNormalPosition);
    rect.OffsetRect(rectWork.left, rectWork.top);
    pWorkspace->StoreWindowPlacement(rect, (int)wp.flags, (int)wp.showCmd);
}

void CORXFrameImpl::RestorePosition(CREATESTRUCT& cs)
{
    CORXWorkspace* pWorkspace = CORXWorkspace::GetInstance();
    if (pWorkspace == NULL)
        return;
    CRect rect;
    int nFlags = 0;
    int nShowCmd = SW_SHOWNORMAL;
    if (!pWorkspace->LoadWindowPlacement(rect, nFlags, nShowCmd))
        return;
    if (nShowCmd != SW_SHOWMAXIMIZED)
        nShowCmd = SW_SHOWNORMAL;
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL)
    {
        int nAppShow = pApp->m_nCmdShow;
        if (nAppShow != SW_SHOWMINIMIZED && nAppShow != SW_SHOWMAXIMIZED && nAppShow != SW_MINIMIZE &&
            nAppShow != SW_SHOWMINNOACTIVE)
            pApp->m_nCmdShow = nShowCmd;
    }

    CRect rectWork;
    MONITORINFO mi = {};
    mi.cbSize = sizeof(mi);
    HMONITOR hMonitor = ::MonitorFromPoint(rect.TopLeft(), MONITOR_DEFAULTTONEAREST);
    if (hMonitor != NULL && ::GetMonitorInfo(hMonitor, &mi))
        rectWork = mi.rcWork;
    else
        ::SystemParametersInfo(SPI_GETWORKAREA, 0, (LPRECT)rectWork, 0);
    CRect rectFit;
    if (rectFit.IntersectRect(rect, rectWork))
    {
        cs.x = rectFit.left;
        cs.y = rectFit.top;
        cs.cx = rectFit.Width();
        cs.cy = rectFit.Height();
    }
}

void CORXFrameImpl::OnLoadFrame()
{
    CORXWorkspace* pWorkspace = CORXWorkspace::GetInstance();
    if (pWorkspace != NULL)
        pWorkspace->LoadState(NULL, m_pFrame);
}

void CORXFrameImpl::LoadUserToolbars()
{
    if (!IsRangeSet() || m_pFrame == NULL || m_pFrame->GetSafeHwnd() == NULL)
        return;
    CString strProfile = GetProfile();
    for (UINT uiID = m_uiUserToolbarFirst; uiID <= m_uiUserToolbarLast; uiID++)
    {
        // A bar of the id that is already here keeps its place.
        BOOL bHave = FALSE;
        for (POSITION pos = m_listUserDefinedToolbars.GetHeadPosition(); pos != NULL && !bHave;)
            bHave = ((CORXToolBar*)m_listUserDefinedToolbars.GetNext(pos))->GetDlgCtrlID() == (int)uiID;
        if (!bHave)
        {
            CORXToolBar* pBar = new CORXToolBar;
            if (pBar->Create(m_pFrame, kUserBarStyle, uiID) && pBar->LoadState(strProfile, -1, (UINT)-1))
            {
                pBar->SetBarStyle(pBar->GetBarStyle() | kUserBarAddStyle);
                pBar->EnableDocking(CBRS_ALIGN_ANY);
                m_pFrame->DockControlBar(pBar);
                m_listUserDefinedToolbars.AddTail(pBar);
            }
            else
            {
                if (pBar->GetSafeHwnd() != NULL)
                    pBar->DestroyWindow();
                delete pBar;
            }
        }
        if (uiID == m_uiUserToolbarLast)
            break; // the range may end at the largest id
    }
    m_pFrame->RecalcLayout();
}

BOOL CORXFrameImpl::IsDockStateValid(const CDockState& state) const
{
    return IsDockStateValid(m_pFrame, state);
}

BOOL CORXFrameImpl::IsDockStateValid(CFrameWnd* pFrame, const CDockState& state)
{
    return CORXWorkspace::IsDockStateValid(pFrame, state);
}

void CORXFrameImpl::SaveUserToolbars(BOOL bFrameBarsOnly)
{
    CString strProfile = GetProfile();
    for (POSITION pos = m_listUserDefinedToolbars.GetHeadPosition(); pos != NULL;)
    {
        CORXToolBar* pBar = (CORXToolBar*)m_listUserDefinedToolbars.GetNext(pos);
        if (pBar->GetSafeHwnd() == NULL)
            continue;
        if (bFrameBarsOnly && pBar->GetParentFrame() != m_pFrame)
            continue;
        pBar->SaveState(strProfile, -1, (UINT)-1);
    }
}

BOOL CORXFrameImpl::IsUserDefinedToolbar(const CORXToolBar* pBar) const
{
    if (pBar == NULL || pBar->GetSafeHwnd() == NULL || !IsRangeSet())
        return FALSE;
    UINT uiID = (UINT)pBar->GetDlgCtrlID();
    return uiID >= m_uiUserToolbarFirst && uiID <= m_uiUserToolbarLast;
}

UINT CORXFrameImpl::GetFreeBarID(UINT uiFirstID, UINT uiLastID, const CObList& lstBars)
{
    if (uiFirstID == (UINT)-1 || uiLastID == (UINT)-1 || uiFirstID > uiLastID)
        return 0;
    for (UINT uiID = uiFirstID;; uiID++)
    {
        BOOL bUsed = FALSE;
        for (POSITION pos = lstBars.GetHeadPosition(); pos != NULL && !bUsed;)
        {
            CWnd* pBar = (CWnd*)lstBars.GetNext(pos);
            bUsed = pBar->GetSafeHwnd() != NULL && (UINT)pBar->GetDlgCtrlID() == uiID;
        }
        if (!bUsed)
            return uiID;
        if (uiID == uiLastID)
            return 0;
    }
}

CORXToolBar* CORXFrameImpl::CreateNewToolBar(LPCTSTR lpszName)
{
    if (m_pFrame == NULL || m_pFrame->GetSafeHwnd() == NULL)
        return NULL;
    UINT uiID = GetFreeBarID(m_uiUserToolbarFirst, m_uiUserToolbarLast, m_listUserDefinedToolbars);
    if (uiID == 0)
    {
        CString strFormat;
        if (!strFormat.LoadString(kIdsTooManyToolbars))
            strFormat = _T("You can't create more than %d user-defined toolbars!");
        int nMax = IsRangeSet() ? (int)(m_uiUserToolbarLast - m_uiUserToolbarFirst + 1) : 0;
        CString strMessage;
        strMessage.Format(strFormat, nMax);
        ::MessageBox(m_pFrame->GetSafeHwnd(), strMessage, NULL, MB_OK | MB_ICONINFORMATION);
        return NULL;
    }
    CORXToolBar* pBar = new CORXToolBar;
    if (!pBar->Create(m_pFrame, kUserBarStyle, uiID))
    {
        if (pBar->GetSafeHwnd() != NULL)
            pBar->DestroyWindow();
        delete pBar;
        return NULL;
    }
    pBar->SetWindowText(lpszName != NULL ? lpszName : _T(""));
    pBar->SetBarStyle(pBar->GetBarStyle() | kUserBarAddStyle);
    pBar->EnableDocking(CBRS_ALIGN_ANY);
    m_pFrame->FloatControlBar(
        pBar, CPoint(::GetSystemMetrics(SM_CXFULLSCREEN) / 2, ::GetSystemMetrics(SM_CYFULLSCREEN) / 2),
        CBRS_ALIGN_TOP);
    m_pFrame->RecalcLayout();
    m_listUserDefinedToolbars.AddTail(pBar);
    return pBar;
}

BOOL CORXFrameImpl::DeleteToolBar(CORXToolBar* pBar)
{
    POSITION pos = pBar != NULL ? m_listUserDefinedToolbars.Find(pBar) : NULL;
    if (pos == NULL)
        return FALSE;
    m_listUserDefinedToolbars.RemoveAt(pos);
    if (pBar->GetSafeHwnd() != NULL)
    {
        pBar->RemoveStateFromRegistry(GetProfile(), -1, (UINT)-1);
        pBar->DestroyWindow();
    }
    delete pBar;
    if (m_pFrame != NULL && m_pFrame->GetSafeHwnd() != NULL)
        m_pFrame->RecalcLayout();
    return TRUE;
}

void CORXFrameImpl::AddTearOffBar(CControlBar* pBar)
{
    if (pBar != NULL && m_listTearOffToolbars.Find(pBar) == NULL)
        m_listTearOffToolbars.AddTail(pBar);
}

void CORXFrameImpl::RemoveTearOffBar(CControlBar* pBar)
{
    POSITION pos = pBar != NULL ? m_listTearOffToolbars.Find(pBar) : NULL;
    if (pos != NULL)
        m_listTearOffToolbars.RemoveAt(pos);
}

BOOL CORXFrameImpl::OnMenuBarWindow(CORXMenuBar* pMenuBar, BOOL bCreated)
{
    if (pMenuBar == NULL)
        return FALSE;
    if (!bCreated)
    {
        if (m_pMenuBar != pMenuBar)
            return FALSE;
        m_pMenuBar = NULL;
        return TRUE;
    }
    // A bar made inside the frame is the frame's menu bar; it takes the frame's menu when the
    // frame hands it over (SetMenuBar).
    if (m_pFrame == NULL || m_pFrame->GetSafeHwnd() == NULL || pMenuBar->GetSafeHwnd() == NULL ||
        ::GetAncestor(pMenuBar->GetSafeHwnd(), GA_ROOT) != m_pFrame->GetSafeHwnd())
        return FALSE;
    if (m_pMenuBar == NULL || m_pMenuBar->GetSafeHwnd() == NULL)
        m_pMenuBar = pMenuBar;
    return TRUE;
}

void CORXFrameImpl::SetMenuBar(CORXMenuBar* pMenuBar)
{
    // Handed over again: the bar holds the frame's menu already.
    if (pMenuBar != NULL && pMenuBar == m_pMenuBar && m_hDefaultMenu != NULL &&
        pMenuBar->GetDefaultMenu() == m_hDefaultMenu && m_pFrame != NULL &&
        ::GetMenu(m_pFrame->GetSafeHwnd()) == NULL)
    {
        if (pMenuBar->GetDefaultMenuResId() == 0 && m_pFrame->m_nIDHelp != 0)
            pMenuBar->SetDefaultMenuResId(m_pFrame->m_nIDHelp);
        return;
    }
    m_pMenuBar = pMenuBar;
    if (pMenuBar == NULL || m_pFrame == NULL || m_pFrame->GetSafeHwnd() == NULL)
        return;
    // The bar takes the frame's menu (and owns it from now on); the window shows none of its own.
    m_hDefaultMenu = ::GetMenu(m_pFrame->GetSafeHwnd());
    if (m_hDefaultMenu != NULL)
    {
        // The frame's menu resource names the menu whose arrangement the bar keeps.
        if (pMenuBar->GetDefaultMenuResId() == 0 && m_pFrame->m_nIDHelp != 0)
            pMenuBar->SetDefaultMenuResId(m_pFrame->m_nIDHelp);
        pMenuBar->CreateFromMenu(m_hDefaultMenu, TRUE, TRUE);
        ::SetMenu(m_pFrame->GetSafeHwnd(), NULL);
    }
}

BOOL CORXFrameImpl::ProcessKeyboard(int nKey, BOOL* pbProcessAccel)
{
    if (pbProcessAccel != NULL)
        *pbProcessAccel = TRUE;
    CORXPopupMenu* pMenu = CORXPopupMenu::GetActiveMenu();
    if (IsLiveMenu(pMenu))
    {
        pMenu->SendMessage(WM_KEYDOWN, (WPARAM)nKey);
        return TRUE;
    }
    if (m_pFrame != NULL && m_pFrame->GetSafeHwnd() != NULL && m_pFrame->IsIconic())
        return TRUE;
    if (CORXToolBar::IsCustomizeMode())
        return FALSE;
    // A palette dropped from the menu bar closes on Esc as a menu does.
    if (nKey == VK_ESCAPE && CORXMenuBar::CloseDroppedPalettes())
        return TRUE;

    BOOL bCtrl = ::GetAsyncKeyState(VK_CONTROL) & 0x8000;
    BOOL bAlt = ::GetAsyncKeyState(VK_MENU) & 0x8000;
    BOOL bShift = ::GetAsyncKeyState(VK_SHIFT) & 0x8000;
    BYTE fVirt = (BYTE)((bCtrl ? FCONTROL : 0) | (bAlt ? FALT : 0) | (bShift ? FSHIFT : 0));

    BOOL bButtonFocused = IsButtonWindowFocused();
    if (!bButtonFocused && m_pFrame != NULL)
    {
        if (CORXKeyboardManager::IsKeyHandled((WORD)nKey, (BYTE)(fVirt | FVIRTKEY), m_pFrame, TRUE))
            return FALSE;
        CFrameWnd* pActive = m_pFrame->GetActiveFrame();
        if (pActive != NULL && pActive != m_pFrame &&
            CORXKeyboardManager::IsKeyHandled((WORD)nKey, (BYTE)(fVirt | FVIRTKEY), pActive, FALSE))
            return FALSE;
    }
    if (fVirt == FALT && OnMenuChar((UINT)nKey))
        return TRUE;
    if (bButtonFocused && pbProcessAccel != NULL)
        *pbProcessAccel = FALSE;
    return FALSE;
}

BOOL CORXFrameImpl::ProcessMouseClick(UINT uiMsg, POINT pt, HWND hwnd)
{
    BOOL bCustomize = CORXToolBar::IsCustomizeMode();
    if (uiMsg == WM_LBUTTONDOWN && (bCustomize || (::GetAsyncKeyState(VK_MENU) & 0x8000)))
    {
        // A tool bar under the point whose button hosts a window takes the click itself.
        CORXToolBar* pBar = DYNAMIC_DOWNCAST(CORXToolBar, CWnd::FromHandlePermanent(hwnd));
        if (pBar == NULL && hwnd != NULL)
            pBar = DYNAMIC_DOWNCAST(CORXToolBar, CWnd::FromHandlePermanent(::GetParent(hwnd)));
        if (pBar != NULL && ::IsWindow(pBar->GetSafeHwnd()))
        {
            CPoint ptClient(pt);
            pBar->ScreenToClient(&ptClient);
            int iButton = pBar->HitTest(ptClient);
            CORXToolbarButton* pButton = iButton >= 0 ? pBar->GetButton(iButton) : NULL;
            if (pButton != NULL && pButton->GetHwnd() != NULL)
            {
                pBar->SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(ptClient.x, ptClient.y));
                return TRUE;
            }
        }
    }
    CORXPopupMenu* pMenu = CORXPopupMenu::GetActiveMenu();
    if (bCustomize || !IsLiveMenu(pMenu))
        return FALSE;

    switch (pMenu->HitTest(pt))
    {
    case CORXPopupMenu::HT_RIGHT_SHADOW:
    case CORXPopupMenu::HT_BOTTOM_SHADOW:
    case CORXPopupMenu::HT_SIDE_BAND:
        pMenu->SendMessage(WM_CLOSE);
        if (m_pFrame != NULL && m_pFrame->GetSafeHwnd() != NULL)
            m_pFrame->SetFocus();
        return TRUE;
    case CORXPopupMenu::HT_OUTSIDE:
        break;
    default:
        return FALSE; // the menu handles clicks on its items itself
    }

    // A click on the item the menu hangs from: a menu bar keeps it open, others close it.
    CORXToolbarMenuButton* pParentButton = pMenu->GetParentButton();
    if (pParentButton != NULL && pParentButton->GetParentWnd() != NULL &&
        ::IsWindow(pParentButton->GetParentWnd()->GetSafeHwnd()))
    {
        CWnd* pParentWnd = pParentButton->GetParentWnd();
        CRect rect = pParentButton->Rect();
        pParentWnd->ClientToScreen(&rect);
        if (rect.PtInRect(pt))
        {
            if (pParentWnd->IsKindOf(RUNTIME_CLASS(CORXMenuBar)))
                return TRUE;
            pMenu->SendMessage(WM_CLOSE);
            return TRUE;
        }
    }
    // Inside one of the menus the active one hangs from: that menu handles it.
    for (CORXPopupMenu* pParent = pMenu->GetParentPopupMenu(); pParent != NULL;
         pParent = pParent->GetParentPopupMenu())
    {
        if (IsLiveMenu(pParent) && pParent->HitTest(pt) != CORXPopupMenu::HT_OUTSIDE)
            return FALSE;
    }
    // Outside the whole chain: the chain closes and the click still goes through.
    CORXPopupMenu* pTop = TopMenu(pMenu);
    if (IsLiveMenu(pTop))
        pTop->SendMessage(WM_CLOSE);
    return FALSE;
}

BOOL CORXFrameImpl::IsPointOutsidePopupMenu(CPoint ptScreen)
{
    CORXPopupMenu* pMenu = CORXPopupMenu::GetActiveMenu();
    if (CORXToolBar::IsCustomizeMode() || !IsLiveMenu(pMenu))
        return FALSE;
    CRect rect;
    pMenu->GetWindowRect(&rect);
    if (rect.PtInRect(ptScreen))
        return FALSE;
    for (CORXPopupMenu* pParent = pMenu->GetParentPopupMenu(); pParent != NULL;
         pParent = pParent->GetParentPopupMenu())
    {
        CORXPopupMenuBar* pBar = pParent->GetMenuBar();
        if (pBar != NULL && ::IsWindow(pBar->GetSafeHwnd()))
        {
            pBar->GetWindowRect(&rect);
            if (rect.PtInRect(ptScreen))
                return FALSE;
        }
    }
    return TRUE;
}

BOOL CORXFrameImpl::OnShowPopupMenu(CORXPopupMenu* pMenu)
{
    CORXPopupMenu::SetActiveMenu(pMenu);
    if (pMenu == NULL || CORXToolBar::IsCustomizeMode())
        return TRUE;
    CORXToolbarMenuButton* pParentButton = pMenu->GetParentButton();
    CWnd* pParentWnd = pParentButton != NULL ? pParentButton->GetParentWnd() : NULL;
    CControlBar* pBar = DYNAMIC_DOWNCAST(CControlBar, pParentWnd);
    if (pBar != NULL && ::IsWindow(pBar->GetSafeHwnd()) && !pBar->IsKindOf(RUNTIME_CLASS(CORXPopupMenuBar)) &&
        ::GetFocus() != pBar->GetSafeHwnd())
        pBar->SetFocus();
    return TRUE;
}

BOOL CORXFrameImpl::OnMenuChar(UINT nChar)
{
    if (m_pMenuBar != NULL && ::IsWindow(m_pMenuBar->GetSafeHwnd()) && m_pMenuBar->IsWindowVisible() &&
        m_pMenuBar->TranslateChar(nChar))
        return TRUE;
    for (POSITION pos = gAllToolbars.GetHeadPosition(); pos != NULL;)
    {
        CORXToolBar* pBar = DYNAMIC_DOWNCAST(CORXToolBar, gAllToolbars.GetNext(pos));
        if (pBar == NULL || pBar == m_pMenuBar || !::IsWindow(pBar->GetSafeHwnd()) ||
            !pBar->IsWindowVisible())
            continue;
        if (pBar->GetTopLevelFrame() != m_pFrame)
            continue;
        if (pBar->TranslateChar(nChar))
            return TRUE;
    }
    return FALSE;
}

BOOL CORXFrameImpl::IsHelpKey(const MSG* pMsg)
{
    return pMsg != NULL && pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_F1 &&
           !(HIWORD(pMsg->lParam) & KF_REPEAT) && !(::GetKeyState(VK_SHIFT) & 0x8000) &&
           !(::GetKeyState(VK_CONTROL) & 0x8000) && !(::GetKeyState(VK_MENU) & 0x8000);
}

void CORXFrameImpl::DeactivateMenu()
{
    if (!CORXToolBar::IsCustomizeMode() && IsLiveMenu(CORXPopupMenu::GetActiveMenu()) && m_pMenuBar != NULL &&
        ::IsWindow(m_pMenuBar->GetSafeHwnd()))
        m_pMenuBar->Deactivate();
}
