// The customise demonstration: the bars' buttons are logged whenever they change, as
// "bar <name> <count>" followed by "item <name> <index> <command> <left> <top> <right> <bottom>
// <text shown> <image shown>" in screen co-ordinates.
#include "DemoCustomize.h"

#include "DemoIds.h"

namespace
{
CDemoCustomize* g_pCustomize = NULL;
const UINT_PTR kWatchTimer = 34250;
} // namespace

BOOL CDemoCustomize::Wanted(CString& strCommandLine)
{
    if (strCommandLine.Left(11) != _T("/customize "))
        return FALSE;
    strCommandLine = strCommandLine.Mid(11);
    strCommandLine.TrimLeft();
    return TRUE;
}

BOOL CDemoCustomize::Create(CFrameWnd* pFrame, CORXToolBar* pMainBar, PFN_LOG pfnLog)
{
    m_pFrame = pFrame;
    m_pMainBar = pMainBar;
    m_pfnLog = pfnLog;
    if (!m_wndSecond.Create(pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP, IDW_DEMO_SECONDBAR))
        return FALSE;
    m_wndSecond.SetWindowText(_T("Second"));
    // One button to start with, so that there is a row to drop into beside it.
    CORXToolbarButton* pButton =
        new CORXToolbarButton(ID_DEMO_ALARM, CORXToolBar::GetDefaultImage(ID_DEMO_ALARM));
    if (m_wndSecond.InsertButton(pButton) < 0)
        delete pButton;
    CMenu* pMenu = pFrame->GetMenu();
    if (pMenu != NULL && pMenu->GetSubMenu(0) != NULL)
        pMenu->GetSubMenu(0)->AppendMenu(MF_STRING, ID_DEMO_CUSTOMIZE, _T("C&ustomize"));
    g_pCustomize = this;
    ::SetTimer(pFrame->m_hWnd, kWatchTimer, 200, WatchBars);
    return TRUE;
}

BOOL CDemoCustomize::OnCommand(WPARAM wParam)
{
    if (LOWORD(wParam) != ID_DEMO_CUSTOMIZE)
        return FALSE;
    CORXToolBar::SetCustomizeMode(!CORXToolBar::IsCustomizeMode());
    m_pfnLog("customize %d", CORXToolBar::IsCustomizeMode());
    m_strLast.Empty();
    LogIfChanged();
    return TRUE;
}

CString CDemoCustomize::Describe(CORXToolBar& bar) const
{
    CString strAll;
    for (int i = 0; i < bar.GetCount(); i++)
    {
        CORXToolbarButton* pButton = bar.GetButton(i);
        CRect rect = pButton->Rect();
        bar.ClientToScreen(rect);
        CString strItem;
        strItem.Format(_T("%d %u %ld %ld %ld %ld %d %d;"), i, pButton->m_nID, rect.left, rect.top, rect.right,
                       rect.bottom, pButton->m_bText, pButton->m_bImage);
        strAll += strItem;
    }
    return strAll;
}

void CDemoCustomize::LogBar(const char* pszName, CORXToolBar& bar)
{
    m_pfnLog("bar %s %d", pszName, bar.GetCount());
    for (int i = 0; i < bar.GetCount(); i++)
    {
        CORXToolbarButton* pButton = bar.GetButton(i);
        CRect rect = pButton->Rect();
        bar.ClientToScreen(rect);
        m_pfnLog("item %s %d %u %ld %ld %ld %ld %d %d", pszName, i, pButton->m_nID, rect.left, rect.top,
                 rect.right, rect.bottom, pButton->m_bText, pButton->m_bImage);
    }
}

void CDemoCustomize::LogIfChanged()
{
    if (m_pMainBar->GetSafeHwnd() == NULL || m_wndSecond.GetSafeHwnd() == NULL)
        return;
    CString strNow = Describe(*m_pMainBar) + _T("|") + Describe(m_wndSecond);
    if (strNow == m_strLast)
        return;
    m_strLast = strNow;
    LogBar("main", *m_pMainBar);
    LogBar("second", m_wndSecond);
    m_pfnLog("bars logged");
}

// Buttons change inside the drag's own loop and through the bars' menus; a look every 200 ms
// catches each change without hooking the framework.
void CALLBACK CDemoCustomize::WatchBars(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_pCustomize != NULL)
    {
        g_pCustomize->m_pFrame->RecalcLayout();
        g_pCustomize->LogIfChanged();
    }
}
