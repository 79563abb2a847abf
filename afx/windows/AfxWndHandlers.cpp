// CWnd's message handlers that do the default processing of their message.
#include "AfxWinImpl.h"

void CWnd::OnActivate(UINT, CWnd*, BOOL)
{
    Default();
}
void CWnd::OnActivateApp(BOOL, HTASK)
{
    Default();
}
void CWnd::OnCancelMode()
{
    Default();
}
void CWnd::OnChildActivate()
{
    Default();
}
void CWnd::OnClose()
{
    Default();
}
void CWnd::OnContextMenu(CWnd*, CPoint)
{
    Default();
}
int CWnd::OnCreate(LPCREATESTRUCT)
{
    return (int)Default();
}
void CWnd::OnDestroy()
{
    Default();
}
void CWnd::OnEnable(BOOL)
{
    Default();
}
void CWnd::OnEndSession(BOOL)
{
    Default();
}
void CWnd::OnEnterIdle(UINT, CWnd*)
{
    Default();
}
BOOL CWnd::OnEraseBkgnd(CDC*)
{
    return (BOOL)Default();
}
void CWnd::OnGetMinMaxInfo(MINMAXINFO*)
{
    Default();
}
BOOL CWnd::OnHelpInfo(HELPINFO*)
{
    return (BOOL)Default();
}
void CWnd::OnIconEraseBkgnd(CDC*)
{
    Default();
}
void CWnd::OnKillFocus(CWnd*)
{
    Default();
}
LRESULT CWnd::OnMenuChar(UINT, UINT, CMenu*)
{
    return Default();
}
void CWnd::OnMenuSelect(UINT, UINT, HMENU)
{
    Default();
}
void CWnd::OnMove(int, int)
{
    Default();
}
void CWnd::OnMoving(UINT, LPRECT)
{
    Default();
}
void CWnd::OnPaint()
{
    Default();
}
void CWnd::OnSyncPaint()
{
    Default();
}
HCURSOR CWnd::OnQueryDragIcon()
{
    return (HCURSOR)Default();
}
BOOL CWnd::OnQueryEndSession()
{
    return (BOOL)Default();
}
BOOL CWnd::OnQueryNewPalette()
{
    return (BOOL)Default();
}
BOOL CWnd::OnQueryOpen()
{
    return (BOOL)Default();
}
void CWnd::OnSetFocus(CWnd*)
{
    Default();
}
void CWnd::OnShowWindow(BOOL, UINT)
{
    Default();
}
void CWnd::OnSize(UINT, int, int)
{
    Default();
}
void CWnd::OnSizing(UINT, LPRECT)
{
    Default();
}
void CWnd::OnStyleChanged(int, LPSTYLESTRUCT)
{
    Default();
}
void CWnd::OnStyleChanging(int, LPSTYLESTRUCT)
{
    Default();
}
void CWnd::OnWindowPosChanging(WINDOWPOS*)
{
    Default();
}
void CWnd::OnWindowPosChanged(WINDOWPOS*)
{
    Default();
}
void CWnd::OnCaptureChanged(CWnd*)
{
    Default();
}
BOOL CWnd::OnCopyData(CWnd*, COPYDATASTRUCT*)
{
    return (BOOL)Default();
}
BOOL CWnd::OnDeviceChange(UINT, DWORD_PTR)
{
    return (BOOL)Default();
}
void CWnd::OnDropFiles(HDROP)
{
    Default();
}
void CWnd::OnPaletteIsChanging(CWnd*)
{
    Default();
}
BOOL CWnd::OnNcActivate(BOOL)
{
    return (BOOL)Default();
}
void CWnd::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*)
{
    Default();
}
BOOL CWnd::OnNcCreate(LPCREATESTRUCT)
{
    return (BOOL)Default();
}
UINT CWnd::OnNcHitTest(CPoint)
{
    return (UINT)Default();
}
void CWnd::OnNcLButtonDblClk(UINT, CPoint)
{
    Default();
}
void CWnd::OnNcLButtonDown(UINT, CPoint)
{
    Default();
}
void CWnd::OnNcLButtonUp(UINT, CPoint)
{
    Default();
}
void CWnd::OnNcMButtonDblClk(UINT, CPoint)
{
    Default();
}
void CWnd::OnNcMButtonDown(UINT, CPoint)
{
    Default();
}
void CWnd::OnNcMButtonUp(UINT, CPoint)
{
    Default();
}
void CWnd::OnNcMouseMove(UINT, CPoint)
{
    Default();
}
void CWnd::OnNcPaint()
{
    Default();
}
void CWnd::OnNcRButtonDblClk(UINT, CPoint)
{
    Default();
}
void CWnd::OnNcRButtonDown(UINT, CPoint)
{
    Default();
}
void CWnd::OnNcRButtonUp(UINT, CPoint)
{
    Default();
}
void CWnd::OnSysChar(UINT, UINT, UINT)
{
    Default();
}
void CWnd::OnSysCommand(UINT, LPARAM)
{
    Default();
}
void CWnd::OnSysDeadChar(UINT, UINT, UINT)
{
    Default();
}
void CWnd::OnSysKeyDown(UINT, UINT, UINT)
{
    Default();
}
void CWnd::OnSysKeyUp(UINT, UINT, UINT)
{
    Default();
}
void CWnd::OnCompacting(UINT)
{
    Default();
}
void CWnd::OnDevModeChange(LPTSTR)
{
    Default();
}
void CWnd::OnFontChange()
{
    Default();
}
void CWnd::OnPaletteChanged(CWnd*)
{
    Default();
}
void CWnd::OnSpoolerStatus(UINT, UINT)
{
    Default();
}
void CWnd::OnSysColorChange()
{
    Default();
}
void CWnd::OnTimeChange()
{
    Default();
}
void CWnd::OnSettingChange(UINT, LPCTSTR)
{
    Default();
}
void CWnd::OnWinIniChange(LPCTSTR)
{
    Default();
}
void CWnd::OnChar(UINT, UINT, UINT)
{
    Default();
}
void CWnd::OnDeadChar(UINT, UINT, UINT)
{
    Default();
}
void CWnd::OnKeyDown(UINT, UINT, UINT)
{
    Default();
}
void CWnd::OnKeyUp(UINT, UINT, UINT)
{
    Default();
}
void CWnd::OnLButtonDblClk(UINT, CPoint)
{
    Default();
}
void CWnd::OnLButtonDown(UINT, CPoint)
{
    Default();
}
void CWnd::OnLButtonUp(UINT, CPoint)
{
    Default();
}
void CWnd::OnMButtonDblClk(UINT, CPoint)
{
    Default();
}
void CWnd::OnMButtonDown(UINT, CPoint)
{
    Default();
}
void CWnd::OnMButtonUp(UINT, CPoint)
{
    Default();
}
int CWnd::OnMouseActivate(CWnd*, UINT, UINT)
{
    return (int)Default();
}
void CWnd::OnMouseMove(UINT, CPoint)
{
    Default();
}
BOOL CWnd::OnMouseWheel(UINT, short, CPoint)
{
    return (BOOL)Default();
}
void CWnd::OnMouseLeave()
{
    Default();
}
void CWnd::OnRButtonDblClk(UINT, CPoint)
{
    Default();
}
void CWnd::OnRButtonDown(UINT, CPoint)
{
    Default();
}
void CWnd::OnRButtonUp(UINT, CPoint)
{
    Default();
}
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT)
{
    return (BOOL)Default();
}
void CWnd::OnTimer(UINT_PTR)
{
    Default();
}
void CWnd::OnInitMenu(CMenu*)
{
    Default();
}
void CWnd::OnInitMenuPopup(CMenu*, UINT, BOOL)
{
    Default();
}
void CWnd::OnEnterMenuLoop(BOOL)
{
    Default();
}
void CWnd::OnExitMenuLoop(BOOL)
{
    Default();
}
UINT CWnd::OnGetDlgCode()
{
    return (UINT)Default();
}
