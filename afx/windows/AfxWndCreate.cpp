// CWnd construction, creation and destruction, and the window classes the framework registers.
#include "AfxWinImpl.h"

#include <set>
#include <string>

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
    AFX_THREAD_STATE* pState = AfxGetThreadState();
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
