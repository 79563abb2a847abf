// VelmoraPropertySheet.cpp: the options sheet.
#include "VelmoraPropertySheet.h"

#include "Settings.h"

IMPLEMENT_DYNAMIC(CVelmoraPropertySheet, CPropertySheet)

BEGIN_MESSAGE_MAP(CVelmoraPropertySheet, CPropertySheet)
ON_MESSAGE(WM_INITDIALOG, OnInitDialog)
ON_WM_SYSCOMMAND()
END_MESSAGE_MAP()

CVelmoraPropertySheet::CVelmoraPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd, int nFirstPage,
                                             BOOL bAgentMissing)
    : CPropertySheet(pszCaption, pParentWnd, 0)
{
    m_nFirstPage = nFirstPage;
    m_nLastActive = nFirstPage;
    m_bAgentMissing = bAgentMissing;
    // The pages' values are taken and applied only on OK: an Apply button would do nothing.
    m_psh.dwFlags |= PSH_NOAPPLYNOW;
    AddPages();
    if (m_nFirstPage < 0 || m_nFirstPage >= GetPageCount())
        m_nFirstPage = 0;
    m_psh.nStartPage = (UINT)m_nFirstPage;
}

void CVelmoraPropertySheet::AddPages()
{
    // Added as the tabs show them: Clock, Time Synchronization, Calendar/Diary Options, MS Agents,
    // and Spoken Announcements only when the Agent server is there.
    AddPage(&m_clockPage);
    AddPage(&m_syncPage);
    AddPage(&m_diaryPage);
    AddPage(&m_agentPage);
    if (!m_bAgentMissing)
        AddPage(&m_speechPage);
}

void CVelmoraPropertySheet::LoadFrom(const CSettings& settings)
{
    m_clockPage.LoadFrom(settings);
    m_syncPage.LoadFrom(settings);
    m_diaryPage.LoadFrom(settings);
    m_agentPage.m_bAgentMissing = m_bAgentMissing;
    m_agentPage.LoadFrom(settings);
    m_speechPage.LoadFrom(settings);
}

void CVelmoraPropertySheet::SaveTo(CSettings& settings) const
{
    m_clockPage.SaveTo(settings);
    m_syncPage.SaveTo(settings);
    m_diaryPage.SaveTo(settings);
    m_agentPage.SaveTo(settings);
    if (!m_bAgentMissing)
        m_speechPage.SaveTo(settings);
}

CPoint CVelmoraPropertySheet::GetCornerPosition()
{
    CRect rcWork;
    if (!::SystemParametersInfo(SPI_GETWORKAREA, 0, &rcWork, 0))
        rcWork.SetRect(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    CPoint pt = rcWork.TopLeft();
    // Without a taskbar the notification icons live in a small window of their own, which Wine puts
    // in that very corner: the sheet starts below it, so that the tray icon stays in reach.
    static const LPCTSTR kTrayClasses[] = {_T("Shell_TrayWnd"), _T("__winex11_standalone_tray")};
    for (LPCTSTR pszClass : kTrayClasses)
    {
        HWND hTray = ::FindWindow(pszClass, NULL);
        CRect rcTray;
        if (hTray == NULL || !::IsWindowVisible(hTray) || !::GetWindowRect(hTray, &rcTray) ||
            rcTray.IsRectEmpty())
            continue;
        if (rcTray.PtInRect(pt))
            pt.y = rcTray.bottom;
    }
    return pt;
}

LRESULT CVelmoraPropertySheet::OnInitDialog(WPARAM, LPARAM)
{
    LRESULT lResult = Default();
    CPoint pt = GetCornerPosition();
    SetWindowPos(&CWnd::wndTopMost, pt.x, pt.y, 0, 0, SWP_NOSIZE);
    SetActivePage(m_nFirstPage);
    return lResult;
}

BOOL CVelmoraPropertySheet::CheckAutoCenter()
{
    // The sheet places itself in the corner (GetCornerPosition), and must not be centred.
    return FALSE;
}

BOOL CVelmoraPropertySheet::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    if (nID == IDOK || nID == IDCANCEL)
        m_nLastActive = GetActiveIndex();
    return CPropertySheet::OnCommand(wParam, lParam);
}

void CVelmoraPropertySheet::OnSysCommand(UINT nID, LPARAM lParam)
{
    // Closing from the caption is a Cancel that does not pass through the buttons.
    if ((nID & 0xFFF0) == SC_CLOSE)
        m_nLastActive = GetActiveIndex();
    CPropertySheet::OnSysCommand(nID, lParam);
}
