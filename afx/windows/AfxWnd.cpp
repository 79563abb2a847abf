// CWnd: handle maps, the creation hook, the window procedure and message-map dispatch.
#include "afxwin.h"
#include "afxpriv.h"
#include "AfxWinImpl.h"
#include <new>
#include <set>
#include <string>

// Per-thread state

static thread_local AFX_THREAD_STATE_WIN* t_pThreadState = NULL;

AFX_THREAD_STATE_WIN* AFXAPI AfxGetThreadStateWin()
{
    if (t_pThreadState == NULL)
    {
        t_pThreadState = new AFX_THREAD_STATE_WIN;
        t_pThreadState->pWndInit = NULL;
        t_pThreadState->hHookOldCbtFilter = NULL;
        memset(&t_pThreadState->lastSentMsg, 0, sizeof(MSG));
        t_pThreadState->pThread = NULL;
        t_pThreadState->nWaitCursorCount = 0;
        t_pThreadState->hcurWaitCursorRestore = NULL;
        memset(&t_pThreadState->msgLastMouse, 0, sizeof(MSG));
        t_pThreadState->nMsgLast = 0;
        t_pThreadState->hLockoutNotifyWindow = NULL;
        t_pThreadState->pfnFilterToolTipMessage = NULL;
        t_pThreadState->pToolTip = NULL;
        t_pThreadState->nLastHit = -1;
        memset(&t_pThreadState->lastInfo, 0, sizeof(TOOLINFO));
        t_pThreadState->pfnForgetToolTipWindow = NULL;
        t_pThreadState->pfnTermToolTips = NULL;
    }
    return t_pThreadState;
}

void AFX_THREAD_STATE_WIN::DoWaitCursor(int nCode)
{
    HCURSOR hcurWait = ::LoadCursor(NULL, IDC_WAIT);
    nWaitCursorCount += nCode;
    if (nWaitCursorCount > 0)
    {
        HCURSOR hcurPrev = ::SetCursor(hcurWait);
        if (nCode > 0 && nWaitCursorCount == 1)
            hcurWaitCursorRestore = hcurPrev;
    }
    else
    {
        nWaitCursorCount = 0;
        ::SetCursor(hcurWaitCursorRestore);
    }
}

// Helpers bound to the GDI and menu classes when they are part of the build.

#if __has_include("AfxMenu.h")
#include "AfxMenu.h"
#define VELMORA_HAVE_MENU 1
#endif
#if __has_include("AfxGdi.h")
#include "AfxGdi.h"
#define VELMORA_HAVE_GDI 1
#endif
#if __has_include("AfxCmnCtrl.h")
#include "AfxCmnCtrl.h"
#define VELMORA_HAVE_IMAGELIST 1
#endif

HMENU AFXAPI AfxMenuHandle(CMenu* pMenu)
{
#ifdef VELMORA_HAVE_MENU
    return pMenu != NULL ? pMenu->m_hMenu : NULL;
#else
    (void)pMenu;
    return NULL;
#endif
}

CMenu* AFXAPI AfxMenuFromHandle(HMENU hMenu)
{
#ifdef VELMORA_HAVE_MENU
    return hMenu != NULL ? CMenu::FromHandle(hMenu) : NULL;
#else
    (void)hMenu;
    return NULL;
#endif
}

void AFXAPI AfxDeleteTempDCs()
{
#ifdef VELMORA_HAVE_GDI
    CDC::DeleteTempMap();
    CGdiObject::DeleteTempMap();
#endif
#ifdef VELMORA_HAVE_MENU
    CMenu::DeleteTempMap();
#endif
#ifdef VELMORA_HAVE_IMAGELIST
    CImageList::DeleteTempMap();
#endif
}

CDC* AFXAPI AfxDCFromHandle(HDC hDC)
{
#ifdef VELMORA_HAVE_GDI
    return hDC != NULL ? CDC::FromHandle(hDC) : NULL;
#else
    (void)hDC;
    return NULL;
#endif
}

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

// Window classes

static CRITICAL_SECTION* AfxClassLock()
{
    static CRITICAL_SECTION cs;
    static LONG init = 0;
    if (InterlockedCompareExchange(&init, 1, 0) == 0)
    {
        InitializeCriticalSection(&cs);
        InterlockedExchange(&init, 2);
    }
    while (init != 2)
        Sleep(0);
    return &cs;
}

BOOL AFXAPI AfxRegisterClass(WNDCLASS* lpWndClass)
{
    WNDCLASS wndcls;
    if (::GetClassInfo(lpWndClass->hInstance, lpWndClass->lpszClassName, &wndcls))
        return TRUE;
    return ::RegisterClass(lpWndClass) != 0;
}

LPCTSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    // Names must stay valid after the call; the set keeps every name for the process's life.
    static std::set<std::string> names;
    HINSTANCE hInst = AfxGetInstanceHandle();
    char szName[96];
    if (hCursor == NULL && hbrBackground == NULL && hIcon == NULL)
        wsprintfA(szName, "Afx:%x:%x", (UINT)(UINT_PTR)hInst, nClassStyle);
    else
        wsprintfA(szName, "Afx:%x:%x:%x:%x:%x", (UINT)(UINT_PTR)hInst, nClassStyle, (UINT)(UINT_PTR)hCursor,
                  (UINT)(UINT_PTR)hbrBackground, (UINT)(UINT_PTR)hIcon);

    EnterCriticalSection(AfxClassLock());
    const char* pszName = names.insert(szName).first->c_str();
    LeaveCriticalSection(AfxClassLock());

    WNDCLASS wndcls;
    if (::GetClassInfo(hInst, pszName, &wndcls))
        return pszName;
    memset(&wndcls, 0, sizeof(wndcls));
    wndcls.lpfnWndProc = ::DefWindowProc;
    wndcls.hInstance = hInst;
    wndcls.style = nClassStyle;
    wndcls.hCursor = hCursor;
    wndcls.hbrBackground = hbrBackground;
    wndcls.hIcon = hIcon;
    wndcls.lpszClassName = pszName;
    if (!AfxRegisterClass(&wndcls))
        AfxThrowResourceException();
    return pszName;
}

BOOL AFXAPI AfxEndDeferRegisterClass(LPCTSTR lpszClassName)
{
    WNDCLASS wndcls;
    memset(&wndcls, 0, sizeof(wndcls));
    wndcls.lpfnWndProc = ::DefWindowProc;
    wndcls.hInstance = AfxGetInstanceHandle();
    wndcls.hCursor = ::LoadCursor(NULL, IDC_ARROW);
    wndcls.lpszClassName = lpszClassName;
    if (lstrcmp(lpszClassName, AFX_WND) == 0)
    {
        wndcls.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    }
    else if (lstrcmp(lpszClassName, AFX_WNDFRAMEORVIEW) == 0)
    {
        wndcls.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
        wndcls.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
        wndcls.hIcon = ::LoadIcon(NULL, IDI_APPLICATION);
    }
    else
    {
        wndcls.style = CS_DBLCLKS;
        wndcls.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    }
    return AfxRegisterClass(&wndcls);
}

// Handle maps

CWnd* PASCAL CWnd::FromHandlePermanent(HWND hWnd)
{
    if (hWnd == NULL)
        return NULL;
    AFX_THREAD_STATE_WIN* pState = AfxGetThreadStateWin();
    std::map<HWND, CWnd*>::iterator it = pState->permanentMap.find(hWnd);
    return it != pState->permanentMap.end() ? it->second : NULL;
}

CWnd* PASCAL CWnd::FromHandle(HWND hWnd)
{
    if (hWnd == NULL)
        return NULL;
    CWnd* pWnd = FromHandlePermanent(hWnd);
    if (pWnd != NULL)
        return pWnd;
    AFX_THREAD_STATE_WIN* pState = AfxGetThreadStateWin();
    std::map<HWND, CWnd*>::iterator it = pState->temporaryMap.find(hWnd);
    if (it != pState->temporaryMap.end())
        return it->second;
    pWnd = new CWnd;
    pWnd->m_hWnd = hWnd;
    pState->temporaryMap[hWnd] = pWnd;
    return pWnd;
}

void PASCAL CWnd::DeleteTempMap()
{
    AFX_THREAD_STATE_WIN* pState = AfxGetThreadStateWin();
    std::map<HWND, CWnd*> temp;
    temp.swap(pState->temporaryMap);
    for (std::map<HWND, CWnd*>::iterator it = temp.begin(); it != temp.end(); ++it)
    {
        it->second->m_hWnd = NULL; // a temporary object never owns its window
        delete it->second;
    }
}

BOOL CWnd::Attach(HWND hWndNew)
{
    if (hWndNew == NULL)
        return FALSE;
    AFX_THREAD_STATE_WIN* pState = AfxGetThreadStateWin();
    if (pState->permanentMap.count(hWndNew) != 0)
        return FALSE; // one object per window
    pState->permanentMap[hWndNew] = this;
    m_hWnd = hWndNew;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd != NULL)
    {
        AFX_THREAD_STATE_WIN* pState = AfxGetThreadStateWin();
        std::map<HWND, CWnd*>::iterator it = pState->permanentMap.find(hWnd);
        if (it != pState->permanentMap.end() && it->second == this)
            pState->permanentMap.erase(it);
    }
    m_hWnd = NULL;
    return hWnd;
}

// Creation hook: the object is attached and the window subclassed before WM_NCCREATE, so
// every message of the window's life reaches the message map.

static LRESULT CALLBACK AfxCbtFilterHook(int code, WPARAM wParam, LPARAM lParam)
{
    AFX_THREAD_STATE_WIN* pState = AfxGetThreadStateWin();
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
    AFX_THREAD_STATE_WIN* pState = AfxGetThreadStateWin();
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
    AFX_THREAD_STATE_WIN* pState = AfxGetThreadStateWin();
    BOOL bConsumed = pState->pWndInit == NULL;
    pState->pWndInit = NULL;
    if (pState->hHookOldCbtFilter != NULL)
    {
        ::UnhookWindowsHookEx(pState->hHookOldCbtFilter);
        pState->hHookOldCbtFilter = NULL;
    }
    return bConsumed;
}

// The window procedure

LRESULT AFXAPI AfxProcessWndProcException(CException* e, const MSG* pMsg)
{
    CWinThread* pThread = AfxGetThread();
    if (pThread != NULL)
        return pThread->ProcessWndProcException(e, pMsg);
    return CWinThread::DefaultProcessWndProcException(e, pMsg);
}

// A hidden dialog that its initialisation neither showed nor moved, and whose owner is
// disabled (a modal run), is centred on its owner.
static void AfxPostInitDialog(HWND hWnd, const RECT& rectOld, DWORD dwStyleOld)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == NULL || (dwStyleOld & WS_VISIBLE))
        return;
    if (::GetWindowLong(hWnd, GWL_STYLE) & (WS_VISIBLE | WS_CHILD))
        return;
    RECT rect;
    ::GetWindowRect(hWnd, &rect);
    if (rectOld.left != rect.left || rectOld.top != rect.top)
        return;
    HWND hWndOwner = ::GetWindow(hWnd, GW_OWNER);
    if (hWndOwner != NULL && ::IsWindowEnabled(hWndOwner))
        return;
    if (!pWnd->CheckAutoCenter())
        return;
    pWnd->CenterWindow();
}

LRESULT AFXAPI AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    RECT rectOld = {0, 0, 0, 0};
    DWORD dwStyleOld = 0;
    if (nMsg == WM_INITDIALOG)
    {
        ::GetWindowRect(hWnd, &rectOld);
        dwStyleOld = (DWORD)::GetWindowLong(hWnd, GWL_STYLE);
    }

    AFX_THREAD_STATE_WIN* pState = AfxGetThreadStateWin();
    MSG oldState = pState->lastSentMsg;
    pState->lastSentMsg.hwnd = hWnd;
    pState->lastSentMsg.message = nMsg;
    pState->lastSentMsg.wParam = wParam;
    pState->lastSentMsg.lParam = lParam;

    // An exception must never unwind into the system's code that called this procedure: it
    // is reported here and the program goes on.
    LRESULT lResult = 0;
    try
    {
        lResult = pWnd->WindowProc(nMsg, wParam, lParam);
    }
    catch (CException* e)
    {
        MSG msg = pState->lastSentMsg;
        msg.hwnd = hWnd;
        msg.message = nMsg;
        lResult = AfxProcessWndProcException(e, &msg);
        e->Delete();
    }
    catch (std::bad_alloc&)
    {
        MSG msg = pState->lastSentMsg;
        msg.hwnd = hWnd;
        msg.message = nMsg;
        CMemoryException* e = new CMemoryException;
        lResult = AfxProcessWndProcException(e, &msg);
        e->Delete();
    }
    catch (...)
    {
        MSG msg = pState->lastSentMsg;
        msg.hwnd = hWnd;
        msg.message = nMsg;
        lResult = AfxProcessWndProcException(NULL, &msg);
    }
    pState->lastSentMsg = oldState;
    if (nMsg == WM_INITDIALOG)
        AfxPostInitDialog(hWnd, rectOld, dwStyleOld);
    return lResult;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == NULL || pWnd->m_hWnd != hWnd)
        return ::DefWindowProc(hWnd, nMsg, wParam, lParam);
    return AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

const MSG* PASCAL CWnd::GetCurrentMessage()
{
    return &AfxGetThreadStateWin()->lastSentMsg;
}

// CWnd construction and destruction

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

CWnd::CWnd()
{
    m_hWnd = NULL;
    m_hWndOwner = NULL;
    m_nFlags = 0;
    m_pfnSuper = NULL;
    m_nModalResult = 0;
}

CWnd::CWnd(HWND hWnd)
{
    m_hWnd = hWnd;
    m_hWndOwner = NULL;
    m_nFlags = 0;
    m_pfnSuper = NULL;
    m_nModalResult = 0;
}

CWnd::~CWnd()
{
    if (m_hWnd != NULL && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
}

BOOL CWnd::IsFrameWnd() const
{
    return FALSE;
}

WNDPROC* CWnd::GetSuperWndProcAddr()
{
    return &m_pfnSuper;
}

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

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == NULL)
    {
        AfxEndDeferRegisterClass(AFX_WND);
        cs.lpszClass = AFX_WND;
    }
    return TRUE;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x,
                    int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam)
{
    CREATESTRUCT cs;
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = dwStyle;
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;

    if (!PreCreateWindow(cs))
    {
        PostNcDestroy();
        return FALSE;
    }

    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateWindowEx(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx, cs.cy,
                                 cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    if (!AfxUnhookWindowCreate())
        PostNcDestroy(); // never attached: give the object its clean-up all the same
    return hWnd != NULL;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    // Unsigned arithmetic: a default rectangle (CW_USEDEFAULT) must give CW_USEDEFAULT again.
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                    (int)((UINT)rect.right - (UINT)rect.left), (int)((UINT)rect.bottom - (UINT)rect.top),
                    pParentWnd->GetSafeHwnd(), (HMENU)(UINT_PTR)nID, lpParam);
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
                    (HMENU)(UINT_PTR)nID, (LPVOID)pContext);
}

BOOL CWnd::DestroyWindow()
{
    if (m_hWnd == NULL)
        return FALSE;
    BOOL bPermanent = FromHandlePermanent(m_hWnd) == this;
    HWND hWnd = m_hWnd;
    BOOL bResult = ::DestroyWindow(hWnd);
    // A permanent object was detached by OnNcDestroy and may already be deleted.
    if (!bPermanent)
        Detach();
    return bResult;
}

void CWnd::PostNcDestroy() {}

void CWnd::OnNcDestroy()
{
    CWinThread* pThread = AfxGetThread();
    if (pThread != NULL)
    {
        if (pThread->m_pMainWnd == this)
        {
            // The main window's end is the thread's end.
            ::PostQuitMessage(0);
            pThread->m_pMainWnd = NULL;
        }
        if (pThread->m_pActiveWnd == this)
            pThread->m_pActiveWnd = NULL;
    }
    AFX_THREAD_STATE_WIN* pState = AfxGetThreadStateWin();
    if (pState->pfnForgetToolTipWindow != NULL)
        pState->pfnForgetToolTipWindow(m_hWnd);

    WNDPROC pfnWndProc = (WNDPROC)::GetWindowLongPtr(m_hWnd, GWLP_WNDPROC);
    Default();
    if ((WNDPROC)::GetWindowLongPtr(m_hWnd, GWLP_WNDPROC) == pfnWndProc)
    {
        WNDPROC pfnSuper = *GetSuperWndProcAddr();
        if (pfnSuper != NULL)
            ::SetWindowLongPtr(m_hWnd, GWLP_WNDPROC, (LONG_PTR)pfnSuper);
    }
    Detach();
    PostNcDestroy();
}

// Default processing

LRESULT CWnd::DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    WNDPROC pfnSuper = *GetSuperWndProcAddr();
    if (pfnSuper != NULL)
        return ::CallWindowProc(pfnSuper, m_hWnd, nMsg, wParam, lParam);
    return ::DefWindowProc(m_hWnd, nMsg, wParam, lParam);
}

LRESULT CWnd::Default()
{
    const MSG* pMsg = &AfxGetThreadStateWin()->lastSentMsg;
    return DefWindowProc(pMsg->message, pMsg->wParam, pMsg->lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

// Dispatch

union AfxWndFunctions {
    AFX_PMSG pfn;
    BOOL (CWnd::*pfn_bD)(CDC*);
    BOOL (CWnd::*pfn_bb)(BOOL);
    BOOL (CWnd::*pfn_bWww)(CWnd*, UINT, UINT);
    HBRUSH (CWnd::*pfn_hDWw)(CDC*, CWnd*, UINT);
    HBRUSH (CWnd::*pfn_hDw)(CDC*, UINT);
    int (CWnd::*pfn_iwWw)(UINT, CWnd*, UINT);
    int (CWnd::*pfn_iww)(UINT, UINT);
    int (CWnd::*pfn_iWww)(CWnd*, UINT, UINT);
    int (CWnd::*pfn_is)(LPVOID);
    LRESULT (CWnd::*pfn_lwl)(WPARAM, LPARAM);
    LRESULT (CWnd::*pfn_lwwM)(UINT, UINT, CMenu*);
    void (CWnd::*pfn_vv)();
    void (CWnd::*pfn_vw)(UINT);
    void (CWnd::*pfn_vww)(UINT, UINT);
    void (CWnd::*pfn_vvii)(int, int);
    void (CWnd::*pfn_vwww)(UINT, UINT, UINT);
    void (CWnd::*pfn_vwii)(UINT, int, int);
    void (CWnd::*pfn_vwl)(UINT, LPARAM);
    void (CWnd::*pfn_vD)(CDC*);
    void (CWnd::*pfn_vM)(CMenu*);
    void (CWnd::*pfn_vMwb)(CMenu*, UINT, BOOL);
    void (CWnd::*pfn_vW)(CWnd*);
    void (CWnd::*pfn_vWp)(CWnd*, CPoint);
    void (CWnd::*pfn_vwW)(UINT, CWnd*);
    void (CWnd::*pfn_vwWb)(UINT, CWnd*, BOOL);
    void (CWnd::*pfn_vwwW)(UINT, UINT, CWnd*);
    void (CWnd::*pfn_vs)(LPVOID);
    void (CWnd::*pfn_vOWNER)(int, LPVOID);
    int (CWnd::*pfn_iis)(int, LPVOID);
    LRESULT (CWnd::*pfn_wp)(CPoint);
    UINT (CWnd::*pfn_wv)();
    BOOL (CWnd::*pfn_bHELPINFO)(HELPINFO*);
    void (CWnd::*pfn_vwSIZING)(UINT, LPRECT);
    void (CWnd::*pfn_vbw)(BOOL, UINT);
    void (CWnd::*pfn_vbh)(BOOL, HTASK);
    void (CWnd::*pfn_vwwh)(UINT, UINT, HMENU);
    void (CWnd::*pfn_vws)(UINT, LPCTSTR);
    void (CWnd::*pfn_vs2)(LPCTSTR);
    BOOL (CWnd::*pfn_bwsp)(UINT, short, CPoint);
    void (CWnd::*pfn_vwp)(UINT, CPoint);
    BOOL (CWnd::*pfn_bv)();
    HANDLE (CWnd::*pfn_hv)();
    void (CWnd::*pfn_vb)(BOOL);
    void (CWnd::*pfn_iSS)(int, LPSTYLESTRUCT);
    void (CWnd::*pfn_vHDROP)(HDROP);
    BOOL (CWnd::*pfn_bWCDS)(CWnd*, COPYDATASTRUCT*);
    BOOL (CWnd::*pfn_bwl)(UINT, DWORD_PTR);
    void (CWnd::*pfn_vPOS)(WINDOWPOS*);
    void (CWnd::*pfn_vCALC)(BOOL, NCCALCSIZE_PARAMS*);
};

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = 0;

    if (message == WM_COMMAND)
    {
        if (OnCommand(wParam, lParam))
        {
            if (pResult != NULL)
                *pResult = 1;
            return TRUE;
        }
        return FALSE;
    }
    if (message == WM_NOTIFY)
    {
        NMHDR* pNMHDR = (NMHDR*)lParam;
        if (pNMHDR != NULL && pNMHDR->hwndFrom != NULL && OnNotify(wParam, lParam, &lResult))
        {
            if (pResult != NULL)
                *pResult = lResult;
            return TRUE;
        }
        return FALSE;
    }

    // Every colour message goes through the one WM_CTLCOLOR handler.
    AFX_CTLCOLOR ctl;
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
    {
        ctl.hDC = (HDC)wParam;
        ctl.hWnd = (HWND)lParam;
        ctl.nCtlType = message - WM_CTLCOLORMSGBOX;
        message = WM_CTLCOLOR;
        lParam = (LPARAM)&ctl;
    }

    const AFX_MSGMAP_ENTRY* lpEntry = NULL;
    UINT_PTR nSig = AfxSig_end;
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != NULL && lpEntry == NULL;
         pMap = pMap->pfnGetBaseMap != NULL ? pMap->pfnGetBaseMap() : NULL)
    {
        if (message < 0xC000)
        {
            lpEntry = AfxFindMessageEntry(pMap->lpEntries, message, 0, 0);
            if (lpEntry != NULL)
                nSig = lpEntry->nSig;
        }
        else
        {
            for (const AFX_MSGMAP_ENTRY* p = pMap->lpEntries; p->nSig != AfxSig_end; p++)
            {
                if (p->nMessage == 0xC000 && p->nCode == 0 && *(const UINT*)p->nSig == message)
                {
                    lpEntry = p;
                    nSig = AfxSig_lwl;
                    break;
                }
            }
        }
    }
    if (lpEntry == NULL)
        return FALSE;

    AfxWndFunctions mmf;
    mmf.pfn = lpEntry->pfn;
    switch (nSig)
    {
    case AfxSig_bD:
        lResult = (this->*mmf.pfn_bD)(AfxDCFromHandle((HDC)wParam));
        break;
    case AfxSig_bb:
        lResult = (this->*mmf.pfn_bb)((BOOL)wParam);
        break;
    case AfxSig_bWww:
        lResult = (this->*mmf.pfn_bWww)(CWnd::FromHandle((HWND)wParam), (UINT)(short)LOWORD(lParam),
                                        HIWORD(lParam));
        break;
    case AfxSig_hDWw: {
        AFX_CTLCOLOR* pCtl = (AFX_CTLCOLOR*)lParam;
        lResult = (LRESULT)(this->*mmf.pfn_hDWw)(AfxDCFromHandle(pCtl->hDC), CWnd::FromHandle(pCtl->hWnd),
                                                 pCtl->nCtlType);
        break;
    }
    case AfxSig_hDw: {
        AFX_CTLCOLOR* pCtl = (AFX_CTLCOLOR*)lParam;
        lResult = (LRESULT)(this->*mmf.pfn_hDw)(AfxDCFromHandle(pCtl->hDC), pCtl->nCtlType);
        break;
    }
    case AfxSig_iwWw:
        lResult = (this->*mmf.pfn_iwWw)(LOWORD(wParam), CWnd::FromHandle((HWND)lParam), HIWORD(wParam));
        break;
    case AfxSig_iww:
        lResult = (this->*mmf.pfn_iww)(LOWORD(wParam), HIWORD(wParam));
        break;
    case AfxSig_iWww:
        lResult = (this->*mmf.pfn_iWww)(CWnd::FromHandle((HWND)wParam), (UINT)(short)LOWORD(lParam),
                                        HIWORD(lParam));
        break;
    case AfxSig_is:
        lResult = (this->*mmf.pfn_is)((LPVOID)lParam);
        break;
    case AfxSig_lwl:
        lResult = (this->*mmf.pfn_lwl)(wParam, lParam);
        break;
    case AfxSig_lwwM:
        lResult = (this->*mmf.pfn_lwwM)(LOWORD(wParam), HIWORD(wParam), AfxMenuFromHandle((HMENU)lParam));
        break;
    case AfxSig_vv:
        (this->*mmf.pfn_vv)();
        break;
    case AfxSig_vw:
        (this->*mmf.pfn_vw)((UINT)wParam);
        break;
    case AfxSig_vww:
        (this->*mmf.pfn_vww)((UINT)wParam, (UINT)lParam);
        break;
    case AfxSig_vvii:
        (this->*mmf.pfn_vvii)((short)LOWORD(lParam), (short)HIWORD(lParam));
        break;
    case AfxSig_vwww:
        (this->*mmf.pfn_vwww)((UINT)wParam, LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_vwii:
        (this->*mmf.pfn_vwii)((UINT)wParam, (short)LOWORD(lParam), (short)HIWORD(lParam));
        break;
    case AfxSig_vwl:
        (this->*mmf.pfn_vwl)((UINT)wParam, lParam);
        break;
    case AfxSig_vD:
        (this->*mmf.pfn_vD)(AfxDCFromHandle((HDC)wParam));
        break;
    case AfxSig_vM:
        (this->*mmf.pfn_vM)(AfxMenuFromHandle((HMENU)wParam));
        break;
    case AfxSig_vMwb:
        (this->*mmf.pfn_vMwb)(AfxMenuFromHandle((HMENU)wParam), LOWORD(lParam), (BOOL)HIWORD(lParam));
        break;
    case AfxSig_vW:
        // WM_CAPTURECHANGED names the new capture window in lParam; the others in wParam.
        (this->*mmf.pfn_vW)(CWnd::FromHandle((HWND)(message == WM_CAPTURECHANGED ? lParam : wParam)));
        break;
    case AfxSig_vWp:
        (this->*mmf.pfn_vWp)(CWnd::FromHandle((HWND)wParam), CPoint((DWORD)lParam));
        break;
    case AfxSig_vwW:
        (this->*mmf.pfn_vwW)((UINT)wParam, CWnd::FromHandle((HWND)lParam));
        break;
    case AfxSig_vwWb:
        (this->*mmf.pfn_vwWb)(LOWORD(wParam), CWnd::FromHandle((HWND)lParam), (BOOL)HIWORD(wParam));
        break;
    case AfxSig_vwwW:
        (this->*mmf.pfn_vwwW)(LOWORD(wParam), HIWORD(wParam), CWnd::FromHandle((HWND)lParam));
        break;
    case AfxSig_vwwx:
        (this->*mmf.pfn_vww)(LOWORD(wParam), HIWORD(wParam));
        break;
    case AfxSig_vs:
        (this->*mmf.pfn_vs)((LPVOID)lParam);
        break;
    case AfxSig_vOWNER:
        (this->*mmf.pfn_vOWNER)((int)wParam, (LPVOID)lParam);
        lResult = TRUE;
        break;
    case AfxSig_iis:
        lResult = (this->*mmf.pfn_iis)((int)wParam, (LPVOID)lParam);
        break;
    case AfxSig_wp:
        lResult = (this->*mmf.pfn_wp)(CPoint((DWORD)lParam));
        break;
    case AfxSig_wv:
        lResult = (this->*mmf.pfn_wv)();
        break;
    case AfxSig_vPOS:
        (this->*mmf.pfn_vPOS)((WINDOWPOS*)lParam);
        break;
    case AfxSig_vCALC:
        (this->*mmf.pfn_vCALC)((BOOL)wParam, (NCCALCSIZE_PARAMS*)lParam);
        break;
    case AfxSig_bHELPINFO:
        lResult = (this->*mmf.pfn_bHELPINFO)((HELPINFO*)lParam);
        break;
    case AfxSig_vwSIZING:
        (this->*mmf.pfn_vwSIZING)((UINT)wParam, (LPRECT)lParam);
        lResult = TRUE;
        break;
    case AfxSig_vbw:
        (this->*mmf.pfn_vbw)((BOOL)wParam, (UINT)lParam);
        break;
    case AfxSig_vbh:
        (this->*mmf.pfn_vbh)((BOOL)wParam, (HTASK)lParam);
        break;
    case AfxSig_vwwh:
        (this->*mmf.pfn_vwwh)(LOWORD(wParam), HIWORD(wParam), (HMENU)lParam);
        break;
    case AfxSig_vws:
        (this->*mmf.pfn_vws)((UINT)wParam, (LPCTSTR)lParam);
        break;
    case AfxSig_vs2:
        (this->*mmf.pfn_vs2)((LPCTSTR)lParam);
        break;
    case AfxSig_bwsp:
        lResult = (this->*mmf.pfn_bwsp)(LOWORD(wParam), (short)HIWORD(wParam), CPoint((DWORD)lParam));
        break;
    case AfxSig_vwp:
        (this->*mmf.pfn_vwp)((UINT)wParam, CPoint((DWORD)lParam));
        break;
    case AfxSig_bv:
        lResult = (this->*mmf.pfn_bv)();
        break;
    case AfxSig_hv:
        lResult = (LRESULT)(this->*mmf.pfn_hv)();
        break;
    case AfxSig_vb:
        (this->*mmf.pfn_vb)((BOOL)wParam);
        break;
    case AfxSig_iSS:
        (this->*mmf.pfn_iSS)((int)wParam, (LPSTYLESTRUCT)lParam);
        break;
    case AfxSig_vHDROP:
        (this->*mmf.pfn_vHDROP)((HDROP)wParam);
        break;
    case AfxSig_bWCDS:
        lResult = (this->*mmf.pfn_bWCDS)(CWnd::FromHandle((HWND)wParam), (COPYDATASTRUCT*)lParam);
        break;
    case AfxSig_bwl:
        lResult = (this->*mmf.pfn_bwl)((UINT)wParam, (DWORD_PTR)lParam);
        break;
    case AfxSig_vMINMAX:
        (this->*mmf.pfn_vs)((LPVOID)lParam);
        break;
    default:
        return FALSE;
    }

    if (pResult != NULL)
        *pResult = lResult;
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    HWND hWndCtrl = (HWND)lParam;
    int nCode = HIWORD(wParam);

    if (hWndCtrl == NULL)
    {
        if (nID == 0)
            return FALSE;
        // A command disabled since its menu was shown must not run.
        CCmdUI state;
        state.m_nID = nID;
        BOOL bEnabled = TRUE;
        struct CTestCmdUI : public CCmdUI
        {
            BOOL* m_pEnabled;
            virtual void Enable(BOOL bOn)
            {
                *m_pEnabled = bOn;
                m_bEnableChanged = TRUE;
            }
            virtual void SetCheck(int) {}
            virtual void SetRadio(BOOL) {}
            virtual void SetText(LPCTSTR) {}
        } test;
        test.m_nID = nID;
        test.m_pEnabled = &bEnabled;
        OnCmdMsg(nID, (int)CN_UPDATE_COMMAND_UI, &test, NULL);
        if (!bEnabled)
            return TRUE;
        nCode = CN_COMMAND;
    }
    else
    {
        if (AfxGetThreadStateWin()->hLockoutNotifyWindow == m_hWnd)
            return TRUE; // notifications caused by UpdateData itself are ignored
        LRESULT lResult = 0;
        if (ReflectChildNotify_(hWndCtrl, WM_COMMAND, wParam, lParam, &lResult))
            return TRUE;
        if (nID == 0)
            return FALSE;
    }
    return OnCmdMsg(nID, nCode, NULL, NULL);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = (NMHDR*)lParam;
    HWND hWndCtrl = pNMHDR->hwndFrom;
    UINT nID = (UINT)pNMHDR->idFrom;
    int nCode = (int)pNMHDR->code;

    if (AfxGetThreadStateWin()->hLockoutNotifyWindow == m_hWnd)
        return TRUE;
    if (ReflectChildNotify_(hWndCtrl, WM_NOTIFY, (WPARAM)nID, lParam, pResult))
        return TRUE;
    // A tool tip names its tool (often a window handle) in idFrom; handlers are keyed by the
    // tool-tip control's own id, which is 0.
    if (nCode <= (int)TTN_FIRST && nCode >= (int)TTN_LAST && hWndCtrl != NULL &&
        !(::GetWindowLong(hWndCtrl, GWL_STYLE) & WS_CHILD))
        nID = 0;

    AFX_NOTIFY notify;
    notify.pResult = pResult;
    notify.pNMHDR = pNMHDR;
    return OnCmdMsg(nID, MAKELONG(nCode, WM_NOTIFY), &notify, NULL);
}

BOOL CWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    return CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

// Reflection

BOOL CWnd::ReflectChildNotify_(HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    CWnd* pChild = FromHandlePermanent(hWndChild);
    if (pChild == NULL || pChild == this)
        return FALSE;
    return pChild->OnChildNotify(message, wParam, lParam, pResult);
}

BOOL PASCAL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult)
{
    CWnd* pWnd = FromHandlePermanent(hWndChild);
    if (pWnd == NULL)
        return FALSE;
    return pWnd->SendChildNotifyLastMsg(pResult);
}

BOOL CWnd::SendChildNotifyLastMsg(LRESULT* pResult)
{
    const MSG* pMsg = &AfxGetThreadStateWin()->lastSentMsg;
    return OnChildNotify(pMsg->message, pMsg->wParam, pMsg->lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lLocal = 0;
    if (pResult == NULL)
        pResult = &lLocal;

    switch (uMsg)
    {
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_PARENTNOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
        return CWnd::OnWndMsg(WM_REFLECT_BASE + uMsg, wParam, lParam, pResult);

    case WM_COMMAND: {
        int nCode = HIWORD(wParam);
        if (CWnd::OnCmdMsg(0, MAKELONG(nCode, WM_REFLECT_BASE + WM_COMMAND), NULL, NULL))
        {
            *pResult = 1;
            return TRUE;
        }
        return FALSE;
    }

    case WM_NOTIFY: {
        NMHDR* pNMHDR = (NMHDR*)lParam;
        AFX_NOTIFY notify;
        notify.pResult = pResult;
        notify.pNMHDR = pNMHDR;
        return CWnd::OnCmdMsg(0, MAKELONG((int)pNMHDR->code, WM_REFLECT_BASE + WM_NOTIFY), &notify, NULL);
    }

    default:
        if (uMsg >= WM_CTLCOLORMSGBOX && uMsg <= WM_CTLCOLORSTATIC)
        {
            AFX_CTLCOLOR ctl;
            ctl.hDC = (HDC)wParam;
            ctl.nCtlType = uMsg - WM_CTLCOLORMSGBOX;
            ctl.hWnd = (HWND)lParam;
            LRESULT lBrush = 0;
            // A control that returns no brush leaves the colours to its parent.
            if (!CWnd::OnWndMsg(WM_REFLECT_BASE + WM_CTLCOLOR, 0, (LPARAM)&ctl, &lBrush) || lBrush == 0)
                return FALSE;
            *pResult = lBrush;
            return TRUE;
        }
        break;
    }
    return FALSE;
}

// Default handlers that pass notifications back to the controls that sent them

HBRUSH CWnd::OnCtlColor(CDC*, CWnd* pWnd, UINT)
{
    LRESULT lResult;
    if (ReflectLastMsg(pWnd->GetSafeHwnd(), &lResult))
        return (HBRUSH)lResult;
    return (HBRUSH)Default();
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    // Owner-drawn menu items are left to the window's own handler.
    if (lpDrawItemStruct->CtlType != ODT_MENU && ReflectLastMsg(lpDrawItemStruct->hwndItem))
        return;
    Default();
}

void CWnd::OnMeasureItem(int, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    if (lpMeasureItemStruct->CtlType != ODT_MENU)
    {
        CWnd* pChild = GetDescendantWindow(lpMeasureItemStruct->CtlID, TRUE);
        if (pChild != NULL && pChild->SendChildNotifyLastMsg())
            return;
    }
    Default();
}

void CWnd::OnDeleteItem(int, LPDELETEITEMSTRUCT lpDeleteItemStruct)
{
    if (ReflectLastMsg(lpDeleteItemStruct->hwndItem))
        return;
    Default();
}

int CWnd::OnCompareItem(int, LPCOMPAREITEMSTRUCT lpCompareItemStruct)
{
    LRESULT lResult;
    if (ReflectLastMsg(lpCompareItemStruct->hwndItem, &lResult))
        return (int)lResult;
    return (int)Default();
}

int CWnd::OnCharToItem(UINT, CListBox* pListBox, UINT)
{
    LRESULT lResult;
    if (ReflectLastMsg(((CWnd*)pListBox)->GetSafeHwnd(), &lResult))
        return (int)lResult;
    return (int)Default();
}

int CWnd::OnVKeyToItem(UINT, CListBox* pListBox, UINT)
{
    LRESULT lResult;
    if (ReflectLastMsg(((CWnd*)pListBox)->GetSafeHwnd(), &lResult))
        return (int)lResult;
    return (int)Default();
}

void CWnd::OnHScroll(UINT, UINT, CScrollBar* pScrollBar)
{
    if (pScrollBar != NULL && ReflectLastMsg(((CWnd*)pScrollBar)->GetSafeHwnd()))
        return;
    Default();
}

void CWnd::OnVScroll(UINT, UINT, CScrollBar* pScrollBar)
{
    if (pScrollBar != NULL && ReflectLastMsg(((CWnd*)pScrollBar)->GetSafeHwnd()))
        return;
    Default();
}

void CWnd::OnParentNotify(UINT message, LPARAM lParam)
{
    if ((LOWORD(message) == WM_CREATE || LOWORD(message) == WM_DESTROY) && ReflectLastMsg((HWND)lParam))
        return;
    Default();
}

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
ON_WM_DRAWITEM()
ON_WM_MEASUREITEM()
ON_WM_CTLCOLOR()
ON_WM_COMPAREITEM()
ON_WM_DELETEITEM()
ON_WM_CHARTOITEM()
ON_WM_VKEYTOITEM()
ON_WM_HSCROLL()
ON_WM_VSCROLL()
ON_WM_PARENTNOTIFY()
ON_WM_NCDESTROY()
END_MESSAGE_MAP()

// Handlers that do the default processing

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

// Pre-translation

BOOL CWnd::PreTranslateMessage(MSG* pMsg)
{
    // Mouse messages show, move and hide tool tips; they are never consumed here.
    AFX_THREAD_STATE_WIN* pState = AfxGetThreadStateWin();
    if (pState->pfnFilterToolTipMessage != NULL)
        pState->pfnFilterToolTipMessage(pMsg, this);
    return FALSE;
}

BOOL PASCAL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd != NULL; hWnd = ::GetParent(hWnd))
    {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd != NULL && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}

// Modal loop: idle processing with WM_KICKIDLE, pre-translation through the thread, and an
// invisible window shown at the first idle moment.

int CWnd::RunModalLoop(DWORD dwFlags)
{
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    BOOL bShowIdle = (dwFlags & MLF_SHOWONIDLE) && !(GetStyle() & WS_VISIBLE);
    HWND hWndParent = ::GetParent(m_hWnd);
    m_nFlags |= (WF_MODALLOOP | WF_CONTINUEMODAL);

    CWinThread* pThread = AfxGetThread();
    MSG msgLocal;
    MSG* pMsg = pThread != NULL ? &pThread->m_msgCur : &msgLocal;

    for (;;)
    {
        while (bIdle && !::PeekMessage(pMsg, NULL, 0, 0, PM_NOREMOVE))
        {
            if (bShowIdle)
            {
                ShowWindow(SW_SHOWNORMAL);
                UpdateWindow();
                bShowIdle = FALSE;
            }
            if (!(dwFlags & MLF_NOIDLEMSG) && hWndParent != NULL && lIdleCount == 0)
                ::SendMessage(hWndParent, WM_ENTERIDLE, MSGF_DIALOGBOX, (LPARAM)m_hWnd);
            if ((dwFlags & MLF_NOKICKIDLE) || !SendMessage(WM_KICKIDLE, MSGF_DIALOGBOX, lIdleCount++))
                bIdle = FALSE;
            if (!ContinueModal())
                goto ExitModal;
        }

        do
        {
            BOOL bPumped = pThread != NULL ? pThread->PumpMessage() : AfxInternalPumpMessage(pMsg);
            if (!bPumped)
            {
                // Leave the quit for the loop that owns it.
                ::PostQuitMessage((int)pMsg->wParam);
                m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
                return -1;
            }
            if (bShowIdle && (pMsg->message == 0x118 || pMsg->message == WM_SYSKEYDOWN))
            {
                ShowWindow(SW_SHOWNORMAL);
                UpdateWindow();
                bShowIdle = FALSE;
            }
            if (!ContinueModal())
                goto ExitModal;
            if (pThread != NULL ? pThread->IsIdleMessage(pMsg) : CWinThread::IsIdleMessageDefault(pMsg))
            {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessage(pMsg, NULL, 0, 0, PM_NOREMOVE));
    }

ExitModal:
    m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
    return m_nModalResult;
}

BOOL CWnd::ContinueModal()
{
    return (m_nFlags & WF_CONTINUEMODAL) != 0;
}

void CWnd::EndModalLoop(int nResult)
{
    m_nModalResult = nResult;
    if (m_nFlags & WF_CONTINUEMODAL)
    {
        m_nFlags &= ~WF_CONTINUEMODAL;
        PostMessage(WM_NULL);
    }
}

// Window API

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
    return ModifyStyle(m_hWnd, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ModifyStyleEx(m_hWnd, dwRemove, dwAdd, nFlags);
}

CWnd* CWnd::GetOwner() const
{
    return m_hWndOwner != NULL ? CWnd::FromHandle(m_hWndOwner) : GetParent();
}

void CWnd::GetWindowText(CString& rString) const
{
    int nLen = ::GetWindowTextLength(m_hWnd);
    ::GetWindowText(m_hWnd, rString.GetBufferSetLength(nLen), nLen + 1);
    rString.ReleaseBuffer();
}

int CWnd::GetDlgItemText(int nID, CString& rString) const
{
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
    return ::SetWindowPos(m_hWnd, pWndInsertAfter != NULL ? pWndInsertAfter->m_hWnd : NULL, x, y, cx, cy,
                          nFlags);
}

void CWnd::ClientToScreen(LPRECT lpRect) const
{
    ::ClientToScreen(m_hWnd, (LPPOINT)lpRect);
    ::ClientToScreen(m_hWnd, ((LPPOINT)lpRect) + 1);
    if (GetExStyle() & WS_EX_LAYOUTRTL)
        CRect::SwapLeftRight(lpRect);
}

void CWnd::ScreenToClient(LPRECT lpRect) const
{
    ::ScreenToClient(m_hWnd, (LPPOINT)lpRect);
    ::ScreenToClient(m_hWnd, ((LPPOINT)lpRect) + 1);
    if (GetExStyle() & WS_EX_LAYOUTRTL)
        CRect::SwapLeftRight(lpRect);
}

void CWnd::CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType)
{
    DWORD dwExStyle = GetExStyle();
    if (nAdjustType == 0)
        dwExStyle &= ~WS_EX_CLIENTEDGE;
    ::AdjustWindowRectEx(lpClientRect, GetStyle(), FALSE, dwExStyle);
}

BOOL CWnd::GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask)
{
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
    if (!pWnd->IsFrameWnd())
        pWnd = GetParentFrame();
    if (pWnd == NULL)
        return NULL;
    CFrameWnd* pFrame;
    while ((pFrame = pWnd->GetParentFrame()) != NULL)
        pWnd = (CWnd*)pFrame;
    return (CFrameWnd*)pWnd;
}

HWND PASCAL CWnd::GetSafeOwner_(HWND hParent, HWND* pWndTop)
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
    HWND hWnd = GetSafeOwner_(pParent->GetSafeHwnd(), pWndTop);
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
    ::DragAcceptFiles(m_hWnd, bAccept);
}

void CWnd::CenterWindow(CWnd* pAlternateOwner)
{
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

// Records of control id, message, data length and data; a zero id ends the list. A resource's
// lengths come from the file, so every record is checked against its size when that is known.
static BOOL AfxExecuteDlgInit(HWND hWnd, const BYTE* p, const BYTE* pEnd)
{
    const DWORD dwUnbounded = 0x7FFFFFFF;
    while (pEnd == NULL || p + 2 <= pEnd)
    {
        WORD nIDC = *(const WORD*)p;
        if (nIDC == 0)
            break;
        if (pEnd != NULL && p + 8 > pEnd)
            return FALSE;
        WORD nMsg = *(const WORD*)(p + 2);
        DWORD dwLen = *(const DWORD*)(p + 4);
        p += 8;
        if (pEnd != NULL && dwLen > (DWORD)(pEnd - p))
            return FALSE;
        // The stored message numbers are the 16-bit ones for adding strings.
        UINT nMsg32 = nMsg == 0x0401 ? LB_ADDSTRING : nMsg == 0x0403 ? CB_ADDSTRING : nMsg;
        if (nMsg32 == LB_ADDSTRING || nMsg32 == CB_ADDSTRING)
        {
            CString str((LPCSTR)p, (int)strnlen((const char*)p, pEnd != NULL ? dwLen : dwUnbounded));
            if (::SendDlgItemMessage(hWnd, nIDC, nMsg32, 0, (LPARAM)(LPCTSTR)str) == -1)
                return FALSE;
        }
        p += dwLen;
    }
    return TRUE;
}

BOOL CWnd::ExecuteDlgInit(LPCTSTR lpszResourceName)
{
    if (lpszResourceName == NULL)
        return TRUE;
    HINSTANCE hInst = AfxGetResourceHandle();
    HRSRC hDlgInit = ::FindResource(hInst, lpszResourceName, MAKEINTRESOURCE(240));
    if (hDlgInit == NULL)
        return TRUE;
    HGLOBAL hRes = ::LoadResource(hInst, hDlgInit);
    if (hRes == NULL)
        return TRUE;
    LPVOID lpResource = ::LockResource(hRes);
    DWORD dwSize = ::SizeofResource(hInst, hDlgInit);
    if (lpResource == NULL || dwSize < 2)
        return TRUE;
    return AfxExecuteDlgInit(m_hWnd, (const BYTE*)lpResource, (const BYTE*)lpResource + dwSize);
}

BOOL CWnd::ExecuteDlgInit(LPVOID lpResource)
{
    // Data the program hands over itself carries no size: its zero id ends it.
    if (lpResource == NULL)
        return TRUE;
    return AfxExecuteDlgInit(m_hWnd, (const BYTE*)lpResource, NULL);
}

// GDI, font and menu helpers

#ifdef VELMORA_HAVE_GDI
CDC* CWnd::GetDC()
{
    return CDC::FromHandle(::GetDC(m_hWnd));
}
CDC* CWnd::GetWindowDC()
{
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
    ::SendMessage(m_hWnd, WM_SETFONT, (WPARAM)(pFont != NULL ? pFont->GetSafeHandle() : NULL), bRedraw);
}
CFont* CWnd::GetFont() const
{
    HFONT hFont = (HFONT)::SendMessage(m_hWnd, WM_GETFONT, 0, 0);
    return hFont != NULL ? CFont::FromHandle(hFont) : NULL;
}
#else
CDC* CWnd::GetDC()
{
    return NULL;
}
CDC* CWnd::GetWindowDC()
{
    return NULL;
}
CDC* CWnd::GetDCEx(CRgn*, DWORD)
{
    return NULL;
}
int CWnd::ReleaseDC(CDC*)
{
    return 0;
}
CDC* CWnd::BeginPaint(LPPAINTSTRUCT lpPaint)
{
    ::BeginPaint(m_hWnd, lpPaint);
    return NULL;
}
int CWnd::GetUpdateRgn(CRgn*, BOOL)
{
    return ERROR;
}
void CWnd::InvalidateRgn(CRgn*, BOOL bErase)
{
    ::InvalidateRect(m_hWnd, NULL, bErase);
}
void CWnd::ValidateRgn(CRgn*)
{
    ::ValidateRect(m_hWnd, NULL);
}
BOOL CWnd::RedrawWindow(LPCRECT lpRectUpdate, CRgn*, UINT flags)
{
    return ::RedrawWindow(m_hWnd, lpRectUpdate, NULL, flags);
}
void CWnd::Print(CDC*, DWORD) const {}
void CWnd::PrintClient(CDC*, DWORD) const {}
void CWnd::SetFont(CFont*, BOOL) {}
CFont* CWnd::GetFont() const
{
    return NULL;
}
#endif

#ifdef VELMORA_HAVE_MENU
CMenu* CWnd::GetMenu() const
{
    return CMenu::FromHandle(::GetMenu(m_hWnd));
}
BOOL CWnd::SetMenu(CMenu* pMenu)
{
    return ::SetMenu(m_hWnd, pMenu != NULL ? pMenu->m_hMenu : NULL);
}
CMenu* CWnd::GetSystemMenu(BOOL bRevert) const
{
    return CMenu::FromHandle(::GetSystemMenu(m_hWnd, bRevert));
}
BOOL CWnd::HiliteMenuItem(CMenu* pMenu, UINT nIDHiliteItem, UINT nHilite)
{
    return ::HiliteMenuItem(m_hWnd, pMenu->m_hMenu, nIDHiliteItem, nHilite);
}
#else
CMenu* CWnd::GetMenu() const
{
    return NULL;
}
BOOL CWnd::SetMenu(CMenu*)
{
    return FALSE;
}
CMenu* CWnd::GetSystemMenu(BOOL) const
{
    return NULL;
}
BOOL CWnd::HiliteMenuItem(CMenu*, UINT, UINT)
{
    return FALSE;
}
#endif

void CWnd::DoDataExchange(CDataExchange*) {}
