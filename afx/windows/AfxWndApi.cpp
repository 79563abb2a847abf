// CWnd's window API: styles, texts, placement, relatives and owners, centring, help, tool hit
// tests, dialog-control updates, and the device contexts, fonts and menus of a window.
#include "AfxWinImpl.h"
#include "AfxGdi.h"
#include "AfxMenu.h"

// Window API

__attribute__((noinline, noipa)) HWND AFXAPI AfxSafeHwnd(const CWnd* pWnd)
{
    return pWnd != NULL ? pWnd->m_hWnd : NULL;
}

void AFXAPI AfxSetWindowText(HWND hWndCtrl, LPCTSTR lpszNew)
{
    // Only a real change is written, so controls do not flicker or send needless notifications.
    int nNewLen = lstrlen(lpszNew);
    TCHAR szOld[256];
    if (nNewLen > (int)(sizeof(szOld) / sizeof(TCHAR)) - 1 ||
        ::GetWindowText(hWndCtrl, szOld, sizeof(szOld) / sizeof(TCHAR)) != nNewLen ||
        lstrcmp(szOld, lpszNew) != 0)
    {
        ::SetWindowText(hWndCtrl, lpszNew);
    }
}

BOOL PASCAL CWnd::ModifyStyle(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    DWORD dwStyle = (DWORD)::GetWindowLong(hWnd, GWL_STYLE);
    DWORD dwNewStyle = (dwStyle & ~dwRemove) | dwAdd;
    if (dwStyle == dwNewStyle)
        return FALSE;
    ::SetWindowLong(hWnd, GWL_STYLE, (LONG)dwNewStyle);
    if (nFlags != 0)
        ::SetWindowPos(hWnd, NULL, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

BOOL PASCAL CWnd::ModifyStyleEx(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    DWORD dwStyle = (DWORD)::GetWindowLong(hWnd, GWL_EXSTYLE);
    DWORD dwNewStyle = (dwStyle & ~dwRemove) | dwAdd;
    if (dwStyle == dwNewStyle)
        return FALSE;
    ::SetWindowLong(hWnd, GWL_EXSTYLE, (LONG)dwNewStyle);
    if (nFlags != 0)
        ::SetWindowPos(hWnd, NULL, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    ASSERT(::IsWindow(m_hWnd));
    return ModifyStyle(m_hWnd, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    ASSERT(::IsWindow(m_hWnd));
    return ModifyStyleEx(m_hWnd, dwRemove, dwAdd, nFlags);
}

CWnd* CWnd::GetOwner() const
{
    return m_hWndOwner != NULL ? CWnd::FromHandle(m_hWndOwner) : GetParent();
}

void CWnd::GetWindowText(CString& rString) const
{
    ASSERT(::IsWindow(m_hWnd));
    int nLen = ::GetWindowTextLength(m_hWnd);
    ::GetWindowText(m_hWnd, rString.GetBufferSetLength(nLen), nLen + 1);
    rString.ReleaseBuffer();
}

int CWnd::GetDlgItemText(int nID, CString& rString) const
{
    ASSERT(::IsWindow(m_hWnd));
    rString.Empty();
    HWND hWnd = ::GetDlgItem(m_hWnd, nID);
    if (hWnd != NULL)
    {
        int nLen = ::GetWindowTextLength(hWnd);
        ::GetWindowText(hWnd, rString.GetBufferSetLength(nLen), nLen + 1);
        rString.ReleaseBuffer();
    }
    return rString.GetLength();
}

CWnd* CWnd::GetDlgItem(int nID) const
{
    ASSERT(::IsWindow(m_hWnd));
    return CWnd::FromHandle(::GetDlgItem(m_hWnd, nID));
}

int CWnd::GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton)
{
    for (int nID = nIDFirstButton; nID <= nIDLastButton; nID++)
    {
        if (IsDlgButtonChecked(nID))
            return nID;
    }
    return 0;
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
{
    ASSERT(::IsWindow(m_hWnd));
    return ::SetWindowPos(m_hWnd, pWndInsertAfter != NULL ? pWndInsertAfter->m_hWnd : NULL, x, y, cx, cy,
                          nFlags);
}

void CWnd::ClientToScreen(LPRECT lpRect) const
{
    ASSERT(::IsWindow(m_hWnd));
    ::ClientToScreen(m_hWnd, (LPPOINT)lpRect);
    ::ClientToScreen(m_hWnd, ((LPPOINT)lpRect) + 1);
    if (GetExStyle() & WS_EX_LAYOUTRTL)
        CRect::SwapLeftRight(lpRect);
}

void CWnd::ScreenToClient(LPRECT lpRect) const
{
    ASSERT(::IsWindow(m_hWnd));
    ::ScreenToClient(m_hWnd, (LPPOINT)lpRect);
    ::ScreenToClient(m_hWnd, ((LPPOINT)lpRect) + 1);
    if (GetExStyle() & WS_EX_LAYOUTRTL)
        CRect::SwapLeftRight(lpRect);
}

void CWnd::CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType)
{
    DWORD dwExStyle = GetExStyle();
    if (nAdjustType == adjustBorder)
        dwExStyle &= ~WS_EX_CLIENTEDGE;
    ::AdjustWindowRectEx(lpClientRect, GetStyle(), FALSE, dwExStyle);
}

BOOL CWnd::GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask)
{
    ASSERT(::IsWindow(m_hWnd));
    lpScrollInfo->cbSize = sizeof(*lpScrollInfo);
    lpScrollInfo->fMask = nMask;
    return ::GetScrollInfo(m_hWnd, nBar, lpScrollInfo);
}

int CWnd::GetScrollLimit(int nBar)
{
    int nMin, nMax;
    GetScrollRange(nBar, &nMin, &nMax);
    SCROLLINFO info;
    if (GetScrollInfo(nBar, &info, SIF_PAGE))
        nMax -= (info.nPage - 1 > 0 ? (int)info.nPage - 1 : 0);
    return nMax;
}

CScrollBar* CWnd::GetScrollBarCtrl(int) const
{
    return NULL;
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep, BOOL bOnlyPerm)
{
    SendMessageToDescendants(m_hWnd, message, wParam, lParam, bDeep, bOnlyPerm);
}

void PASCAL CWnd::SendMessageToDescendants(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep,
                                           BOOL bOnlyPerm)
{
    for (HWND hWndChild = ::GetTopWindow(hWnd); hWndChild != NULL;
         hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
    {
        if (bOnlyPerm)
        {
            CWnd* pWnd = FromHandlePermanent(hWndChild);
            if (pWnd != NULL)
                AfxCallWndProc(pWnd, pWnd->m_hWnd, message, wParam, lParam);
        }
        else
        {
            ::SendMessage(hWndChild, message, wParam, lParam);
        }
        if (bDeep && ::GetTopWindow(hWndChild) != NULL)
            SendMessageToDescendants(hWndChild, message, wParam, lParam, bDeep, bOnlyPerm);
    }
}

CWnd* PASCAL CWnd::GetDescendantWindow(HWND hWnd, int nID, BOOL bOnlyPerm)
{
    HWND hWndChild = ::GetDlgItem(hWnd, nID);
    if (hWndChild != NULL)
    {
        if (::GetTopWindow(hWndChild) != NULL)
        {
            CWnd* pWnd = GetDescendantWindow(hWndChild, nID, bOnlyPerm);
            if (pWnd != NULL)
                return pWnd;
        }
        CWnd* pWnd = bOnlyPerm ? FromHandlePermanent(hWndChild) : FromHandle(hWndChild);
        if (pWnd != NULL)
            return pWnd;
    }
    for (hWndChild = ::GetTopWindow(hWnd); hWndChild != NULL; hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
    {
        CWnd* pWnd = GetDescendantWindow(hWndChild, nID, bOnlyPerm);
        if (pWnd != NULL)
            return pWnd;
    }
    return NULL;
}

CWnd* CWnd::GetDescendantWindow(int nID, BOOL bOnlyPerm) const
{
    return GetDescendantWindow(m_hWnd, nID, bOnlyPerm);
}

CFrameWnd* CWnd::GetParentFrame() const
{
    if (GetSafeHwnd() == NULL)
        return NULL;
    for (HWND hWnd = ::GetParent(m_hWnd); hWnd != NULL; hWnd = ::GetParent(hWnd))
    {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd != NULL && pWnd->IsFrameWnd())
            return (CFrameWnd*)pWnd;
    }
    return NULL;
}

CWnd* CWnd::GetParentOwner() const
{
    if (m_hWnd == NULL)
        return NULL;
    HWND hWnd = m_hWnd;
    HWND hWndParent;
    while ((::GetWindowLong(hWnd, GWL_STYLE) & WS_CHILD) && (hWndParent = ::GetParent(hWnd)) != NULL)
        hWnd = hWndParent;
    return CWnd::FromHandle(hWnd);
}

CWnd* CWnd::GetTopLevelParent() const
{
    if (GetSafeHwnd() == NULL)
        return NULL;
    HWND hWndParent = m_hWnd;
    HWND hWndT;
    while ((hWndT = ::GetParent(hWndParent)) != NULL)
        hWndParent = hWndT;
    return CWnd::FromHandle(hWndParent);
}

CWnd* CWnd::GetTopLevelOwner() const
{
    if (GetSafeHwnd() == NULL)
        return NULL;
    HWND hWndOwner = m_hWnd;
    HWND hWndT;
    while ((hWndT = ::GetWindow(hWndOwner, GW_OWNER)) != NULL)
        hWndOwner = hWndT;
    return CWnd::FromHandle(hWndOwner);
}

CFrameWnd* CWnd::GetTopLevelFrame() const
{
    if (GetSafeHwnd() == NULL)
        return NULL;
    CWnd* pWnd = (CWnd*)this;
    // A frame is a CWnd first of all: the cast needs no frame header in this layer.
    if (!pWnd->IsFrameWnd())
        pWnd = (CWnd*)GetParentFrame();
    if (pWnd == NULL)
        return NULL;
    CFrameWnd* pFrame;
    while ((pFrame = pWnd->GetParentFrame()) != NULL)
        pWnd = (CWnd*)pFrame;
    return (CFrameWnd*)pWnd;
}

HWND PASCAL CWnd::GetSafeOwnerHwnd(HWND hParent, HWND* pWndTop)
{
    HWND hWnd = hParent;
    if (hWnd == NULL)
        hWnd = AfxGetMainWnd()->GetSafeHwnd();

    // A pop-up window cannot be owned by a child window.
    while (hWnd != NULL && (::GetWindowLong(hWnd, GWL_STYLE) & WS_CHILD))
        hWnd = ::GetParent(hWnd);

    HWND hWndTop = hWnd;
    HWND hWndTemp = hWnd;
    for (;;)
    {
        if (hWndTemp == NULL)
            break;
        hWndTop = hWndTemp;
        hWndTemp = ::GetParent(hWndTop);
    }

    if (hParent == NULL && hWnd != NULL)
        hWnd = ::GetLastActivePopup(hWnd);

    if (pWndTop != NULL)
    {
        if (hWndTop != NULL && ::IsWindowEnabled(hWndTop) && hWndTop != hWnd)
        {
            *pWndTop = hWndTop;
            ::EnableWindow(hWndTop, FALSE);
        }
        else
        {
            *pWndTop = NULL;
        }
    }
    return hWnd;
}

CWnd* PASCAL CWnd::GetSafeOwner(CWnd* pParent, HWND* pWndTop)
{
    HWND hWnd = GetSafeOwnerHwnd(pParent->GetSafeHwnd(), pWndTop);
    return CWnd::FromHandle(hWnd);
}

int CWnd::MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType)
{
    if (lpszCaption == NULL)
        lpszCaption = AfxGetAppName();
    return ::MessageBox(GetSafeHwnd(), lpszText, lpszCaption, nType);
}

void CWnd::DragAcceptFiles(BOOL bAccept)
{
    ASSERT(::IsWindow(m_hWnd));
    ::DragAcceptFiles(m_hWnd, bAccept);
}

void CWnd::CenterWindow(CWnd* pAlternateOwner)
{
    ASSERT(::IsWindow(m_hWnd));
    DWORD dwStyle = GetStyle();
    HWND hWndCenter = pAlternateOwner->GetSafeHwnd();
    if (pAlternateOwner == NULL)
    {
        hWndCenter = (dwStyle & WS_CHILD) ? ::GetParent(m_hWnd) : ::GetWindow(m_hWnd, GW_OWNER);
        if (hWndCenter != NULL)
        {
            HWND hWndTemp = (HWND)::SendMessage(hWndCenter, WM_QUERYCENTERWND, 0, 0);
            if (hWndTemp != NULL)
                hWndCenter = hWndTemp;
        }
    }

    CRect rcDlg;
    GetWindowRect(&rcDlg);
    CRect rcArea;
    CRect rcCenter;
    if (!(dwStyle & WS_CHILD))
    {
        // Centring on an invisible or minimised owner would put the window out of sight.
        if (hWndCenter != NULL)
        {
            DWORD dwCenterStyle = (DWORD)::GetWindowLong(hWndCenter, GWL_STYLE);
            if (!(dwCenterStyle & WS_VISIBLE) || (dwCenterStyle & WS_MINIMIZE))
                hWndCenter = NULL;
        }
        MONITORINFO mi;
        mi.cbSize = sizeof(mi);
        HMONITOR hMonitor =
            ::MonitorFromWindow(hWndCenter != NULL ? hWndCenter : m_hWnd, MONITOR_DEFAULTTOPRIMARY);
        if (hMonitor != NULL && ::GetMonitorInfo(hMonitor, &mi))
            rcArea = mi.rcWork;
        else
            ::SystemParametersInfo(SPI_GETWORKAREA, 0, &rcArea, 0);
        if (hWndCenter == NULL)
            rcCenter = rcArea;
        else
            ::GetWindowRect(hWndCenter, &rcCenter);
    }
    else
    {
        HWND hWndParent = ::GetParent(m_hWnd);
        ::GetClientRect(hWndParent, &rcArea);
        if (hWndCenter == NULL)
            hWndCenter = hWndParent;
        ::GetClientRect(hWndCenter, &rcCenter);
        ::MapWindowPoints(hWndCenter, hWndParent, (POINT*)&rcCenter, 2);
    }

    int xLeft = (rcCenter.left + rcCenter.right) / 2 - rcDlg.Width() / 2;
    int yTop = (rcCenter.top + rcCenter.bottom) / 2 - rcDlg.Height() / 2;
    if (xLeft + rcDlg.Width() > rcArea.right)
        xLeft = rcArea.right - rcDlg.Width();
    if (xLeft < rcArea.left)
        xLeft = rcArea.left;
    if (yTop + rcDlg.Height() > rcArea.bottom)
        yTop = rcArea.bottom - rcDlg.Height();
    if (yTop < rcArea.top)
        yTop = rcArea.top;
    SetWindowPos(NULL, xLeft, yTop, -1, -1, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CWnd::CheckAutoCenter()
{
    return TRUE;
}

BOOL CWnd::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    WinHelpInternal(dwData, nCmd);
    return TRUE;
}

void CWnd::WinHelpInternal(DWORD_PTR dwData, UINT nCmd)
{
    CWinApp* pApp = AfxGetApp();
    CWnd* pWnd = GetTopLevelParent();
    ::WinHelp(pWnd->GetSafeHwnd(), pApp != NULL ? pApp->m_pszHelpFilePath : NULL, nCmd, dwData);
}

int CWnd::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    // The tool is the visible child control under the point.
    POINT ptScreen = point;
    ::ClientToScreen(m_hWnd, &ptScreen);
    for (HWND hWndChild = ::GetTopWindow(m_hWnd); hWndChild != NULL;
         hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
    {
        if (!(::GetWindowLong(hWndChild, GWL_STYLE) & WS_VISIBLE))
            continue;
        RECT rect;
        ::GetWindowRect(hWndChild, &rect);
        if (!::PtInRect(&rect, ptScreen))
            continue;
        int nID = ::GetDlgCtrlID(hWndChild);
        if (pTI != NULL)
        {
            pTI->hwnd = m_hWnd;
            pTI->uId = (UINT_PTR)hWndChild;
            pTI->uFlags |= TTF_IDISHWND | TTF_CENTERTIP;
            pTI->lpszText = LPSTR_TEXTCALLBACK;
        }
        return nID;
    }
    return -1;
}

void CWnd::UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    CCmdUI state;
    CWnd wndTemp;
    for (HWND hWndChild = ::GetTopWindow(m_hWnd); hWndChild != NULL;
         hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
    {
        wndTemp.m_hWnd = hWndChild; // a borrowed handle, never attached
        state.m_nID = (UINT)(WORD)::GetDlgCtrlID(hWndChild);
        state.m_pOther = &wndTemp;

        // A control may update itself through a reflected handler.
        CWnd* pWnd = FromHandlePermanent(hWndChild);
        if (pWnd != NULL &&
            pWnd->CWnd::OnCmdMsg(0, MAKELONG(0xFFFF, WM_COMMAND + WM_REFLECT_BASE), &state, NULL))
            continue;

        if (CWnd::OnCmdMsg(state.m_nID, (int)CN_UPDATE_COMMAND_UI, &state, NULL))
            continue;

        // Only push buttons are disabled for lack of a handler.
        BOOL bDisableTemp = bDisableIfNoHndler;
        if (bDisableTemp)
        {
            if ((::SendMessage(hWndChild, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON) == 0)
            {
                bDisableTemp = FALSE;
            }
            else
            {
                UINT nStyle = (UINT)(::GetWindowLong(hWndChild, GWL_STYLE) & 0x0F);
                if (nStyle == (UINT)BS_AUTOCHECKBOX || nStyle == (UINT)BS_AUTO3STATE ||
                    nStyle == (UINT)BS_GROUPBOX || nStyle == (UINT)BS_AUTORADIOBUTTON)
                    bDisableTemp = FALSE;
            }
        }
        state.DoUpdate(pTarget, bDisableTemp);
    }
    wndTemp.m_hWnd = NULL;
}

// GDI, font and menu helpers

CDC* CWnd::GetDC()
{
    ASSERT(::IsWindow(m_hWnd));
    return CDC::FromHandle(::GetDC(m_hWnd));
}
CDC* CWnd::GetWindowDC()
{
    ASSERT(::IsWindow(m_hWnd));
    return CDC::FromHandle(::GetWindowDC(m_hWnd));
}
CDC* CWnd::GetDCEx(CRgn* prgnClip, DWORD flags)
{
    return CDC::FromHandle(::GetDCEx(m_hWnd, (HRGN)prgnClip->GetSafeHandle(), flags));
}
int CWnd::ReleaseDC(CDC* pDC)
{
    return ::ReleaseDC(m_hWnd, pDC->GetSafeHdc());
}
CDC* CWnd::BeginPaint(LPPAINTSTRUCT lpPaint)
{
    ASSERT(::IsWindow(m_hWnd));
    return CDC::FromHandle(::BeginPaint(m_hWnd, lpPaint));
}
int CWnd::GetUpdateRgn(CRgn* pRgn, BOOL bErase)
{
    return ::GetUpdateRgn(m_hWnd, (HRGN)pRgn->GetSafeHandle(), bErase);
}
void CWnd::InvalidateRgn(CRgn* pRgn, BOOL bErase)
{
    ::InvalidateRgn(m_hWnd, (HRGN)pRgn->GetSafeHandle(), bErase);
}
void CWnd::ValidateRgn(CRgn* pRgn)
{
    ::ValidateRgn(m_hWnd, (HRGN)pRgn->GetSafeHandle());
}
BOOL CWnd::RedrawWindow(LPCRECT lpRectUpdate, CRgn* prgnUpdate, UINT flags)
{
    return ::RedrawWindow(m_hWnd, lpRectUpdate, prgnUpdate != NULL ? (HRGN)prgnUpdate->GetSafeHandle() : NULL,
                          flags);
}
void CWnd::Print(CDC* pDC, DWORD dwFlags) const
{
    ::SendMessage(m_hWnd, WM_PRINT, (WPARAM)pDC->GetSafeHdc(), dwFlags);
}
void CWnd::PrintClient(CDC* pDC, DWORD dwFlags) const
{
    ::SendMessage(m_hWnd, WM_PRINTCLIENT, (WPARAM)pDC->GetSafeHdc(), dwFlags);
}
void CWnd::SetFont(CFont* pFont, BOOL bRedraw)
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, WM_SETFONT, (WPARAM)(pFont != NULL ? pFont->GetSafeHandle() : NULL), bRedraw);
}
CFont* CWnd::GetFont() const
{
    ASSERT(::IsWindow(m_hWnd));
    HFONT hFont = (HFONT)::SendMessage(m_hWnd, WM_GETFONT, 0, 0);
    return hFont != NULL ? CFont::FromHandle(hFont) : NULL;
}

CMenu* CWnd::GetMenu() const
{
    ASSERT(::IsWindow(m_hWnd));
    return CMenu::FromHandle(::GetMenu(m_hWnd));
}
BOOL CWnd::SetMenu(CMenu* pMenu)
{
    ASSERT(::IsWindow(m_hWnd));
    return ::SetMenu(m_hWnd, pMenu != NULL ? pMenu->m_hMenu : NULL);
}
CMenu* CWnd::GetSystemMenu(BOOL bRevert) const
{
    ASSERT(::IsWindow(m_hWnd));
    return CMenu::FromHandle(::GetSystemMenu(m_hWnd, bRevert));
}
BOOL CWnd::HiliteMenuItem(CMenu* pMenu, UINT nIDHiliteItem, UINT nHilite)
{
    return ::HiliteMenuItem(m_hWnd, pMenu->m_hMenu, nIDHiliteItem, nHilite);
}

void CWnd::DoDataExchange(CDataExchange*) {}
