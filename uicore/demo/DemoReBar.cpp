// CDemoReBar: the re-bar, its bands and the log of their layout.
#include "DemoReBar.h"

namespace
{
CDemoReBar* s_pThis = NULL;
const UINT_PTR kWatchTimer = 0x6410;

struct DemoBand
{
    UINT nID;
    LPCTSTR pszText;
    int cx;
    DWORD dwStyle;
};
const DemoBand kBands[] = {
    {IDW_DEMO_BAND_CLOCK, _T("Clock"), 120, RBBS_GRIPPERALWAYS | RBBS_CHILDEDGE},
    {IDW_DEMO_BAND_ZONE, _T("Zone"), 100, RBBS_GRIPPERALWAYS | RBBS_CHILDEDGE},
    {IDW_DEMO_BAND_FIXED, _T("Fixed"), 60, RBBS_GRIPPERALWAYS | RBBS_CHILDEDGE | RBBS_FIXEDSIZE},
};
} // namespace

BOOL CDemoReBar::Wanted(CString& strCommandLine)
{
    if (strCommandLine.Left(7) != _T("/rebar "))
        return FALSE;
    strCommandLine = strCommandLine.Mid(7);
    strCommandLine.TrimLeft();
    return TRUE;
}

BOOL CDemoReBar::Create(CFrameWnd* pFrame, PFN_LOG pfnLog)
{
    m_pfnLog = pfnLog;
    s_pThis = this;
    if (!m_wndReBar.Create(pFrame, RBS_BANDBORDERS | RBS_VARHEIGHT,
                           WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | CBRS_TOP,
                           IDW_DEMO_REBAR))
        return FALSE;
    for (int i = 0; i < 3; i++)
    {
        const DemoBand& band = kBands[i];
        if (!m_wndBands[i].Create(_T("STATIC"), band.pszText, WS_CHILD | WS_VISIBLE | SS_CENTER | WS_BORDER,
                                  CRect(0, 0, band.cx, 22), &m_wndReBar, band.nID) ||
            !m_wndReBar.AddBar(&m_wndBands[i], band.pszText, NULL, band.dwStyle))
            return FALSE;
    }
    // The control tells of a drag only to its parent; a poll sees every change however it came.
    ::SetTimer(m_wndReBar.m_hWnd, kWatchTimer, 200, WatchLayout);
    return TRUE;
}

void CDemoReBar::LogLayout(BOOL bForce)
{
    if (m_wndReBar.GetSafeHwnd() == NULL)
        return;
    CReBarCtrl& ctrl = m_wndReBar.GetReBarCtrl();
    CString strLayout;
    UINT nBands = ctrl.GetBandCount();
    for (UINT i = 0; i < nBands; i++)
    {
        REBARBANDINFO rbbi;
        memset(&rbbi, 0, sizeof(rbbi));
        rbbi.cbSize = REBARBANDINFOA_V6_SIZE;
        rbbi.fMask = RBBIM_CHILD | RBBIM_SIZE | RBBIM_CHILDSIZE | RBBIM_STYLE;
        ctrl.GetBandInfo(i, &rbbi);
        CRect rect;
        ctrl.GetRect(i, &rect);
        m_wndReBar.ClientToScreen(&rect);
        CString strBand;
        strBand.Format(_T("band %u %d %ld %ld %ld %ld %u %u %lu\n"), i,
                       rbbi.hwndChild != NULL ? ::GetDlgCtrlID(rbbi.hwndChild) : 0, rect.left, rect.top,
                       rect.right, rect.bottom, rbbi.cx, rbbi.cxMinChild, (unsigned long)rbbi.fStyle);
        strLayout += strBand;
    }
    if (!bForce && strLayout == m_strLast)
        return;
    m_strLast = strLayout;
    CRect rectBar;
    m_wndReBar.GetWindowRect(&rectBar);
    m_pfnLog("rebar %u %u %ld %ld %ld %ld", nBands, ctrl.GetRowCount(), rectBar.left, rectBar.top,
             rectBar.right, rectBar.bottom);
    // One record a line, as the log's reader expects.
    strLayout.TrimRight();
    int nStart = 0;
    while (nStart < strLayout.GetLength())
    {
        int nEnd = strLayout.Find(_T('\n'), nStart);
        if (nEnd < 0)
            nEnd = strLayout.GetLength();
        m_pfnLog("%s", (LPCTSTR)strLayout.Mid(nStart, nEnd - nStart));
        nStart = nEnd + 1;
    }
}

void CALLBACK CDemoReBar::WatchLayout(HWND, UINT, UINT_PTR, DWORD)
{
    if (s_pThis != NULL)
        s_pThis->LogLayout();
}
