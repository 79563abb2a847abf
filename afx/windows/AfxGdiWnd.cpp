// The drawing and menu members that need a window object: the paint, client and window
// contexts, the CDC members that ask about the window, and pop-up menu tracking. Kept apart
// from the drawing code, which needs no windows.
#include "AfxGdi.h"
#include "AfxMenu.h"
#include "AfxWnd.h"

IMPLEMENT_DYNAMIC(CPaintDC, CDC)
IMPLEMENT_DYNAMIC(CClientDC, CDC)
IMPLEMENT_DYNAMIC(CWindowDC, CDC)

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->m_hWnd)
{
    if (!Attach(::BeginPaint(m_hWnd, &m_ps)))
        AfxThrowResourceException();
}

CPaintDC::~CPaintDC()
{
    ::EndPaint(m_hWnd, &m_ps);
    Detach();
}

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(AfxSafeHwnd(pWnd))
{
    if (!Attach(::GetDC(m_hWnd)))
        AfxThrowResourceException();
}

CClientDC::~CClientDC()
{
    ::ReleaseDC(m_hWnd, Detach());
}

CWindowDC::CWindowDC(CWnd* pWnd) : m_hWnd(AfxSafeHwnd(pWnd))
{
    if (!Attach(::GetWindowDC(m_hWnd)))
        AfxThrowResourceException();
}

CWindowDC::~CWindowDC()
{
    ::ReleaseDC(m_hWnd, Detach());
}

CWnd* CDC::GetWindow() const
{
    return CWnd::FromHandle(::WindowFromDC(m_hDC));
}

int CDC::ExcludeUpdateRgn(CWnd* pWnd)
{
    int nRetVal = ::ExcludeUpdateRgn(m_hDC, pWnd->m_hWnd);
    if (m_hAttribDC != NULL && m_hDC != m_hAttribDC)
        ::ExcludeUpdateRgn(m_hAttribDC, pWnd->m_hWnd);
    return nRetVal;
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect)
{
    return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, AfxSafeHwnd(pWnd), lpRect);
}
