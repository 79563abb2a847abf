// CWnd's handle map and the creation hook: one object per window per thread, attached before
// the window's first message; subclassing of windows made elsewhere.
#include "AfxWinImpl.h"

// Handle maps

namespace
{

CWnd* NewTempWnd(HWND hWnd)
{
    CWnd* pWnd = new CWnd;
    pWnd->m_hWnd = hWnd;
    return pWnd;
}

// A temporary object never owns its window.
void ForgetWnd(CWnd* pWnd)
{
    pWnd->m_hWnd = NULL;
}

CHandleMap<HWND, CWnd>& WndMap()
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_pmapHWND == NULL)
        pState->m_pmapHWND = pState->AddHandleMap(new CHandleMap<HWND, CWnd>(NewTempWnd, ForgetWnd));
    return *pState->m_pmapHWND;
}

} // namespace

CWnd* PASCAL CWnd::FromHandlePermanent(HWND hWnd)
{
    if (hWnd == NULL)
        return NULL;
    return WndMap().LookupPermanent(hWnd);
}

CWnd* PASCAL CWnd::FromHandle(HWND hWnd)
{
    return WndMap().FromHandle(hWnd);
}

void PASCAL CWnd::DeleteTempMap()
{
    WndMap().DeleteTemp();
}

BOOL CWnd::Attach(HWND hWndNew)
{
    if (hWndNew == NULL)
        return FALSE;
    CHandleMap<HWND, CWnd>& map = WndMap();
    if (map.LookupPermanent(hWndNew) != NULL)
        return FALSE; // one object per window
    map.SetPermanent(hWndNew, this);
    m_hWnd = hWndNew;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd != NULL)
        WndMap().RemoveHandle(hWnd, this);
    m_hWnd = NULL;
    return hWnd;
}

// Creation hook: the object is attached and the window subclassed before WM_NCCREATE, so
// every message of the window's life reaches the message map.

static LRESULT CALLBACK AfxCbtFilterHook(int code, WPARAM wParam, LPARAM lParam)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (code == HCBT_CREATEWND && pState->pWndInit != NULL)
    {
        HWND hWnd = (HWND)wParam;
        char szClass[32];
        if (::GetClassNameA(hWnd, szClass, sizeof(szClass)) &&
            (lstrcmpiA(szClass, "IME") == 0 || lstrcmpiA(szClass, "MSCTFIME UI") == 0))
            return CallNextHookEx(pState->hHookOldCbtFilter, code, wParam, lParam);

        CWnd* pWndInit = pState->pWndInit;
        pState->pWndInit = NULL;
        if (pWndInit->Attach(hWnd))
        {
            pWndInit->PreSubclassWindow();
            WNDPROC oldWndProc = (WNDPROC)::SetWindowLongPtr(hWnd, GWLP_WNDPROC, (LONG_PTR)AfxWndProc);
            if (oldWndProc != AfxWndProc)
                *pWndInit->GetSuperWndProcAddr() = oldWndProc;
        }
    }
    return CallNextHookEx(pState->hHookOldCbtFilter, code, wParam, lParam);
}

void AFXAPI AfxHookWindowCreate(CWnd* pWnd)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->pWndInit == pWnd && pState->hHookOldCbtFilter != NULL)
        return;
    if (pState->hHookOldCbtFilter == NULL)
    {
        pState->hHookOldCbtFilter =
            ::SetWindowsHookEx(WH_CBT, AfxCbtFilterHook, NULL, ::GetCurrentThreadId());
        if (pState->hHookOldCbtFilter == NULL)
            AfxThrowMemoryException();
    }
    pState->pWndInit = pWnd;
}

BOOL AFXAPI AfxUnhookWindowCreate()
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    BOOL bConsumed = pState->pWndInit == NULL;
    pState->pWndInit = NULL;
    if (pState->hHookOldCbtFilter != NULL)
    {
        ::UnhookWindowsHookEx(pState->hHookOldCbtFilter);
        pState->hHookOldCbtFilter = NULL;
    }
    return bConsumed;
}

// Subclassing

void CWnd::PreSubclassWindow() {}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!Attach(hWnd))
        return FALSE;
    PreSubclassWindow();
    WNDPROC oldWndProc = (WNDPROC)::SetWindowLongPtr(hWnd, GWLP_WNDPROC, (LONG_PTR)AfxWndProc);
    if (oldWndProc != AfxWndProc)
        *GetSuperWndProcAddr() = oldWndProc;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    HWND hWndControl = ::GetDlgItem(pParent->GetSafeHwnd(), nID);
    if (hWndControl != NULL)
        return SubclassWindow(hWndControl);
    return FALSE;
}

HWND CWnd::UnsubclassWindow()
{
    WNDPROC* lplpfn = GetSuperWndProcAddr();
    if (*lplpfn != NULL)
        ::SetWindowLongPtr(m_hWnd, GWLP_WNDPROC, (LONG_PTR)*lplpfn);
    *lplpfn = NULL;
    return Detach();
}
