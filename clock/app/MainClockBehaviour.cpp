// CMainClockDlg: dragging, showing and hiding with the auto-hide fade, topmost, the Run key entry.
#include "MainClockDlg.h"

#include "AppMessages.h"

// ---- IFadeTarget --------------------------------------------------------------------------------

void CMainClockDlg::ShowClockWindow(BOOL bShow)
{
    ShowWindow(bShow ? SW_SHOW : SW_HIDE);
    m_tray.m_bClockHidden = !bShow;
}

void CMainClockDlg::SetClockAlpha(int nAlpha)
{
    SetLayeredAlpha(nAlpha);
}

void CMainClockDlg::StartFadeTimer()
{
    m_nFadeTimer = SetTimer(TIMER_FADE, 75, NULL);
}

void CMainClockDlg::StopFadeTimer()
{
    if (m_nFadeTimer != 0)
        KillTimer(m_nFadeTimer);
    m_nFadeTimer = 0;
}

void CMainClockDlg::PostFade(BOOL bHide)
{
    PostMessage(WM_VMFADE, 0, bHide ? 1 : 0);
}

// ---- Showing and hiding --------------------------------------------------------------------------

void CMainClockDlg::OnShowClock()
{
    m_autoHide.ShowClock();
}

void CMainClockDlg::OnHideClock()
{
    m_autoHide.HideClock();
}

void CMainClockDlg::SuspendAutoHide(BOOL bSuspend)
{
    m_autoHide.Suspend(bSuspend);
}

LRESULT CMainClockDlg::OnVmFade(WPARAM, LPARAM lParam)
{
    m_autoHide.OnFade(lParam == 1);
    return 0;
}

void CMainClockDlg::SetLayeredAlpha(int nAlpha)
{
    if (m_hUser32 == NULL)
        return;
    typedef BOOL(WINAPI * PFNSETLAYEREDWINDOWATTRIBUTES)(HWND, COLORREF, BYTE, DWORD);
    // Looked up at each use: the entry point is missing before Windows 2000.
    PFNSETLAYEREDWINDOWATTRIBUTES pfn = reinterpret_cast<PFNSETLAYEREDWINDOWATTRIBUTES>(
        reinterpret_cast<void (*)()>(::GetProcAddress(m_hUser32, "SetLayeredWindowAttributes")));
    if (pfn != NULL)
        pfn(m_hWnd, 0, (BYTE)nAlpha, LWA_ALPHA);
}

void CMainClockDlg::ApplyTopmost()
{
    SetWindowPos(m_settings.m_bClockOnTop ? &wndTopMost : &wndNoTopMost, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// ---- Mouse and window position -------------------------------------------------------------------

void CMainClockDlg::RefreshWindowRect()
{
    GetWindowRect(&m_rcWindow);
}

void CMainClockDlg::OnLButtonDown(UINT nFlags, CPoint point)
{
    // The window has no caption: a press anywhere lets the system drag it as if by one.
    PostMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x, point.y));
    StopFade();
}

UINT CMainClockDlg::OnNcHitTest(CPoint point)
{
    RefreshWindowRect();
    return CDialog::OnNcHitTest(point);
}

void CMainClockDlg::OnMouseMove(UINT nFlags, CPoint point)
{
    RefreshWindowRect();
    CDialog::OnMouseMove(nFlags, point);
}

void CMainClockDlg::OnNcMouseMove(UINT nHitTest, CPoint point)
{
    RefreshWindowRect();
    CDialog::OnNcMouseMove(nHitTest, point);
}

void CMainClockDlg::OnMove(int x, int y)
{
    RefreshWindowRect();
    CDialog::OnMove(x, y);
}

void CMainClockDlg::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    Invalidate(TRUE);
    RefreshWindowRect();
}

// ---- Start with Windows ----------------------------------------------------------------------------

namespace
{
const char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const char kRunValue[] = "Velmora";
} // namespace

void CMainClockDlg::AddToRunKey()
{
    HKEY hKey = NULL;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_WRITE, &hKey) != ERROR_SUCCESS)
        return;
    CString strData = m_strProgramFolder + _T("Velmora.exe");
    ::RegSetValueExA(hKey, kRunValue, 0, REG_SZ, (const BYTE*)(LPCSTR)strData, strData.GetLength() + 1);
    ::RegCloseKey(hKey);
}

void CMainClockDlg::RemoveFromRunKey()
{
    HKEY hKey = NULL;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_WRITE, &hKey) != ERROR_SUCCESS)
        return;
    ::RegDeleteValueA(hKey, kRunValue);
    ::RegCloseKey(hKey);
}
