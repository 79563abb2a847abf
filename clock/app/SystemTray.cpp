// SystemTray.cpp: adding, changing, animating and removing the notification-area icon.
#include "SystemTray.h"

#include <string.h>

#include "PlatformServices.h"
#include "TrayPopupMenu.h"

IMPLEMENT_DYNAMIC(CSystemTray, CWnd)

// The size of the record with the state and balloon fields, understood by every shell from
// version 5 on; older shells ignore what they do not know.
static const DWORD cbNotifyIconData = 488;

UINT CSystemTray::s_uTaskbarCreated = ::RegisterWindowMessage(_T("TaskbarCreated"));

UINT CSystemTray::GetTaskbarCreatedMessage()
{
    return s_uTaskbarCreated;
}

CSystemTray::CSystemTray()
{
    memset(&m_nid, 0, sizeof(m_nid));
    m_bEnabled = FALSE;
    m_bHidden = TRUE;
    m_bRemoved = TRUE;
    m_bAddPending = FALSE;
    m_uCreationFlags = 0;
    m_pTargetWnd = NULL;
    m_uIDTimer = 0;
    m_nCurrentIcon = 0;
    m_nAnimationPeriod = 0;
    m_nAnimationDelay = 0;
    m_hSavedIcon = NULL;
    m_nDefaultMenuItem = 0;
    m_hMenu = NULL;
    m_pfnMenu = NULL;
    m_pMenuParam = NULL;
    m_bClockHidden = FALSE;
    m_bAgentMuted = FALSE;
}

CSystemTray::~CSystemTray()
{
    DeleteIcon();
    m_arIcons.RemoveAll();
    if (m_hWnd != NULL)
        DestroyWindow();
    if (m_hMenu != NULL)
        ::DestroyMenu(m_hMenu);
}

BOOL CSystemTray::Create(CWnd* pParent, UINT uCallbackMessage, LPCTSTR pszTip, HICON hIcon, UINT uID,
                         BOOL bHidden, LPCTSTR pszBalloonTip, LPCTSTR pszBalloonTitle, DWORD dwBalloonIcon,
                         UINT uBalloonTimeout)
{
    m_bEnabled = LOBYTE(LOWORD(::GetVersion())) >= 4;
    if (!m_bEnabled)
        return FALSE;

    if (m_hWnd == NULL && !CreateEx(0, AfxRegisterWndClass(0), _T(""), WS_POPUP, 0, 0, 0, 0, NULL, 0))
        return FALSE;

    memset(&m_nid, 0, sizeof(m_nid));
    m_nid.cbSize = cbNotifyIconData;
    m_nid.hWnd = (pParent != NULL && pParent->GetSafeHwnd() != NULL) ? pParent->GetSafeHwnd() : m_hWnd;
    m_nid.uID = uID;
    m_nid.hIcon = hIcon;
    m_nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    m_nid.uCallbackMessage = uCallbackMessage;
    if (pszTip != NULL)
        lstrcpyn(m_nid.szTip, pszTip, sizeof(m_nid.szTip));
    if (bHidden)
    {
        m_nid.uFlags |= NIF_STATE;
        m_nid.dwState = NIS_HIDDEN;
        m_nid.dwStateMask = NIS_HIDDEN;
    }
    if (pszBalloonTip != NULL && *pszBalloonTip != '\0')
    {
        m_nid.uFlags |= NIF_INFO;
        lstrcpyn(m_nid.szInfo, pszBalloonTip, sizeof(m_nid.szInfo));
        if (pszBalloonTitle != NULL)
            lstrcpyn(m_nid.szInfoTitle, pszBalloonTitle, sizeof(m_nid.szInfoTitle));
        m_nid.dwInfoFlags = dwBalloonIcon;
        m_nid.uTimeout = uBalloonTimeout * 1000;
    }
    m_uCreationFlags = m_nid.uFlags;

    BOOL bResult = ShellNotify(NIM_ADD);
    m_bHidden = m_bRemoved = !bResult;
    // The icon is wanted from now on, present or not: a re-created taskbar must get it back.
    m_bAddPending = TRUE;

    if (m_hMenu == NULL)
        m_hMenu = ::LoadMenu(AfxGetResourceHandle(), MAKEINTRESOURCE(uID));
    return bResult;
}

BOOL CSystemTray::ShellNotify(DWORD dwMessage)
{
    return ::Shell_NotifyIconA(dwMessage, &m_nid);
}

BOOL CSystemTray::DeleteIcon()
{
    m_bAddPending = FALSE;
    if (!m_bEnabled || m_bRemoved)
        return TRUE;
    m_nid.uFlags = 0;
    if (ShellNotify(NIM_DELETE))
        m_bHidden = m_bRemoved = TRUE;
    return m_bRemoved;
}

// The shell answers "TaskbarCreated" after it restarted, when every icon is gone, and sends a
// work-area change while icons may still be present: add the icon again whenever it is wanted, and
// when the shell refuses the add because the icon is still there, keep it as present.
BOOL CSystemTray::ReAddPendingIcon()
{
    if (!m_bEnabled || !m_bAddPending)
        return FALSE;
    m_nid.uFlags = m_uCreationFlags;
    if (ShellNotify(NIM_ADD))
    {
        m_bHidden = m_bRemoved = FALSE;
        return TRUE;
    }
    m_nid.uFlags = NIF_ICON | NIF_TIP;
    if (ShellNotify(NIM_MODIFY))
    {
        m_bHidden = m_bRemoved = FALSE;
        return TRUE;
    }
    m_bHidden = m_bRemoved = TRUE;
    return FALSE;
}

HICON CSystemTray::CurrentIcon() const
{
    return m_bEnabled ? m_nid.hIcon : NULL;
}

CWnd* CSystemTray::GetTargetWnd() const
{
    return m_pTargetWnd != NULL ? m_pTargetWnd : AfxGetMainWnd();
}

BOOL CSystemTray::ChangeIcon(HICON hIcon)
{
    if (!m_bEnabled)
        return FALSE;
    m_nid.hIcon = hIcon;
    m_nid.uFlags = NIF_ICON;
    if (m_bHidden)
        return TRUE;
    return ShellNotify(NIM_MODIFY);
}

BOOL CSystemTray::ChangeIcon(UINT nIDResource)
{
    return ChangeIcon(MAKEINTRESOURCE(nIDResource));
}

BOOL CSystemTray::ChangeIcon(LPCTSTR pszResource)
{
    // Shared, as LoadIcon's are: the clock changes its icon by resource whenever the state of its
    // synchronisation changes, and a private copy each time would never be given back.
    HICON hIcon = (HICON)::LoadImageA(AfxGetResourceHandle(), pszResource, IMAGE_ICON, 0, 0, LR_SHARED);
    return ChangeIcon(hIcon);
}

/////////////////////////////////////////////////////////////////////////////
// Animation

BOOL CSystemTray::LoadIconSequence(UINT nFirstID, UINT nLastID)
{
    if (nFirstID > nLastID)
        return FALSE;
    m_arIcons.RemoveAll();
    try
    {
        // Counted, so that a last id at the top of the range cannot wrap the loop around.
        UINT nCount = nLastID - nFirstID + 1;
        if (nCount == 0) // every id there is: more icons than memory could ever hold
            return FALSE;
        for (UINT i = 0; i < nCount; i++)
            m_arIcons.Add(::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCE(nFirstID + i)));
    }
    catch (CMemoryException* e)
    {
        e->Delete();
        m_arIcons.RemoveAll();
        return FALSE;
    }
    return TRUE;
}

BOOL CSystemTray::StartIconAnimation(UINT nDelayMilliSeconds, int nSeconds)
{
    if (m_uIDTimer != 0)
        EndIconAnimation();
    m_nCurrentIcon = 0;
    m_dtStartTime = GetLocalNow();
    m_nAnimationPeriod = nSeconds;
    m_nAnimationDelay = nDelayMilliSeconds;
    m_hSavedIcon = CurrentIcon();
    if (m_hWnd == NULL)
        return FALSE;
    m_uIDTimer = SetTimer(ANIMATION_TIMER_ID, nDelayMilliSeconds, NULL);
    return m_uIDTimer != 0;
}

BOOL CSystemTray::NextAnimationFrame()
{
    if (m_arIcons.GetSize() == 0)
        return FALSE;
    m_nCurrentIcon++;
    if (m_nCurrentIcon >= m_arIcons.GetSize())
        m_nCurrentIcon = 0;
    ChangeIcon((HICON)m_arIcons.GetAt(m_nCurrentIcon));
    return TRUE;
}

void CSystemTray::RestartAnimationTimer()
{
    if (m_uIDTimer != 0 && m_hWnd != NULL)
        m_uIDTimer = SetTimer(ANIMATION_TIMER_ID, m_nAnimationDelay, NULL);
}

void CSystemTray::EndIconAnimation()
{
    if (m_uIDTimer != 0 && m_hWnd != NULL)
        KillTimer(m_uIDTimer);
    m_uIDTimer = 0;
    if (m_hSavedIcon != NULL)
        ChangeIcon(m_hSavedIcon);
    m_hSavedIcon = NULL;
}

void CSystemTray::OnAnimationTimer()
{
    if (m_nAnimationPeriod > 0)
    {
        COleDateTimeSpan ts = GetLocalNow() - m_dtStartTime;
        if ((LONGLONG)ts.GetTotalSeconds() > m_nAnimationPeriod)
        {
            EndIconAnimation();
            return;
        }
    }
    NextAnimationFrame();
}

/////////////////////////////////////////////////////////////////////////////
// Notifications

LRESULT CSystemTray::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_nid.uCallbackMessage != 0 && message == m_nid.uCallbackMessage && wParam == m_nid.uID)
        return HandleTrayMessage(wParam, lParam);
    if (message == s_uTaskbarCreated)
    {
        ReAddPendingIcon();
        return 0;
    }
    if (message == WM_TIMER && wParam == ANIMATION_TIMER_ID)
    {
        OnAnimationTimer();
        return 0;
    }
    if (message == WM_SETTINGCHANGE && wParam == SPI_SETWORKAREA)
    {
        LRESULT lResult = CWnd::WindowProc(message, wParam, lParam);
        ReAddPendingIcon();
        return lResult;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

LRESULT CSystemTray::HandleTrayMessage(WPARAM wParam, LPARAM lParam)
{
    if (wParam != m_nid.uID)
        return 0;
    CWnd* pTarget = GetTargetWnd();
    if (pTarget == NULL)
        return 0;

    if (LOWORD(lParam) == WM_RBUTTONUP)
    {
        ShowTrayMenu(pTarget);
    }
    else if (LOWORD(lParam) == WM_LBUTTONDBLCLK)
    {
        pTarget->SetForegroundWindow();
        HMENU hSub = m_hMenu != NULL ? ::GetSubMenu(m_hMenu, 0) : NULL;
        if (hSub != NULL)
        {
            UINT nID = ::GetMenuItemID(hSub, m_nDefaultMenuItem);
            if (nID != (UINT)-1 && nID != 0)
                pTarget->SendMessage(WM_COMMAND, nID, 0);
        }
    }
    return 1;
}

void CSystemTray::ShowTrayMenu(CWnd* pTarget)
{
    if (m_pfnMenu != NULL)
    {
        m_pfnMenu(this, pTarget, m_pMenuParam);
        return;
    }

    POINT pt;
    ::GetCursorPos(&pt);
    ShowTrayPopupMenu(pTarget, m_nid.uID, CPoint(pt), NULL, m_nDefaultMenuItem);
}
