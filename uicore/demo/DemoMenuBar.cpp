// The demonstration frame's menu bar.
#include "DemoMenuBar.h"

BOOL CDemoMenuBar::Create(CFrameWnd* pFrame, UINT uiMenuResId, void (*pfnLog)(LPCTSTR, ...))
{
    m_pfnLog = pfnLog;
    if (!m_wndBar.Create(pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP, ORX_IDW_MENUBAR))
        return FALSE;
    HMENU hMenu = ::GetMenu(pFrame->m_hWnd);
    ::SetMenu(pFrame->m_hWnd, NULL);
    m_wndBar.SetDefaultMenuResId(uiMenuResId);
    m_wndBar.CreateFromMenu(hMenu, TRUE);
    return TRUE;
}

BOOL CDemoMenuBar::OnSysCommand(UINT nID, LPARAM lParam)
{
    if (!IsActive() || (nID & 0xFFF0) != SC_KEYMENU)
        return FALSE;
    if (m_pfnLog != NULL)
        m_pfnLog(_T("keymenu %u"), (UINT)lParam);
    return m_wndBar.OnKeyMenu((UINT)lParam);
}

void CDemoMenuBar::LogItems()
{
    if (!IsActive() || m_pfnLog == NULL)
        return;
    m_pfnLog(_T("menubar %d %d"), m_wndBar.GetCount(), ::GetMenu(m_wndBar.GetParent()->m_hWnd) != NULL);
    for (int i = 0; i < m_wndBar.GetCount(); i++)
    {
        CRect rect;
        m_wndBar.GetItemRect(i, rect);
        m_wndBar.ClientToScreen(rect);
        m_pfnLog(_T("menuitem %d %ld %ld %ld %ld %s"), i, rect.left, rect.top, rect.right, rect.bottom,
                 (LPCTSTR)m_wndBar.GetButtonText(i));
    }
}
