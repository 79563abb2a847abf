// CMainClockDlg: drawing the clocks and timers, and sizing the window to them.
#include "MainClockDlg.h"

#include "Clock.h"
#include "ClockLayout.h"
#include "DisplayTextFormatter.h"
#include "OffscreenDC.h"
#include "PlatformServices.h"
#include "TimerText.h"
#include "ZoneTime.h"

namespace
{
// A process that starts the program to time it names an event in VELMORA_PAINTED_EVENT; the first
// paint that shows a clock sets it. Without the variable nothing happens.
void SignalFirstPaint()
{
    static BOOL s_bDone = FALSE;
    if (s_bDone)
        return;
    s_bDone = TRUE;
    char szName[128];
    DWORD n = ::GetEnvironmentVariableA("VELMORA_PAINTED_EVENT", szName, sizeof(szName));
    if (n == 0 || n >= sizeof(szName))
        return;
    HANDLE hEvent = ::OpenEventA(EVENT_MODIFY_STATE, FALSE, szName);
    if (hEvent != NULL)
    {
        ::SetEvent(hEvent);
        ::CloseHandle(hEvent);
    }
}
} // namespace

CSize CMainClockDlg::RenderClock(CDC* pDC, CClock* pClock, const CRect& rcAt, const COleDateTime& dtUtcNow,
                                 BOOL bFrame)
{
    SYSTEMTIME stUtc;
    dtUtcNow.GetAsSystemTime(stUtc);
    COleDateTime dtLocal = GetZoneTime(pClock->m_tzi, stUtc);

    // The same font and brush as made fresh for each clock, kept from one draw to the next. One that
    // the context holds already (DrawClocks selects the first clock's for the whole pass) is used
    // as it is: selecting a font again has the system look it up again.
    HDC hDC = pDC->GetSafeHdc();
    HFONT hFont = m_gdiCache.Font(pClock->m_lfFont);
    HBRUSH hBrush = m_gdiCache.Brush(pClock->m_crBackground);
    HGDIOBJ hOldFont = ::GetCurrentObject(hDC, OBJ_FONT) == hFont ? NULL : ::SelectObject(hDC, hFont);

    CString strText;
    CString strWidest;
    int nLines = 1;
    UINT nAlign = DT_CENTER;
    if (pClock->m_nClockType == CLOCKTYPE_CLOCK)
    {
        DISPLAYTEXTREQUEST req;
        req.nLineCount = 0;
        req.strClockName = pClock->m_strDisplayName;
        req.dtInstant = dtLocal;
        req.strTemplate = pClock->GetTimeFormat(m_nDateOrder);
        req.tzi = pClock->m_tzi;
        m_pFormatter->Format(req);
        strText = req.strText + _T("\n");
        nLines = req.nLineCount;
        strWidest = req.strLongestLine;
        if (pClock->m_nTextLayout == 0)
            nAlign = DT_LEFT;
        else if (pClock->m_nTextLayout == 2)
            nAlign = DT_RIGHT;
    }
    else
    {
        CTimerText timer = FormatTimerText(*pClock, dtLocal);
        strText = timer.strText;
        strWidest = timer.strWidest;
        nLines = timer.nLines;
    }

    CSize extent = pDC->GetTextExtent(strWidest + _T("  "));
    CRect rect(rcAt.left, rcAt.top, rcAt.left + extent.cx, rcAt.top + extent.cy * nLines + 5);

    HGDIOBJ hOldBrush = ::GetCurrentObject(hDC, OBJ_BRUSH) == hBrush ? NULL : ::SelectObject(hDC, hBrush);
    if (bFrame)
        pDC->Rectangle(&rect);

    pDC->SetBkColor(pClock->m_crBackground);
    pDC->SetTextColor(pClock->m_crText);
    rect.DeflateRect(0, 2);
    pDC->DrawText(strText, &rect, DT_NOCLIP | DT_NOPREFIX | nAlign);
    rect.InflateRect(0, 2);

    if (hOldFont != NULL)
        ::SelectObject(hDC, hOldFont);
    if (hOldBrush != NULL)
        ::SelectObject(hDC, hOldBrush);

    m_drawnRects[pClock] = rect;
    return rect.Size();
}

CSize CMainClockDlg::DrawClocks(CDC* pDC)
{
    SYSTEMTIME stUtc;
    GetTimeSource().GetUtcTime(stUtc);
    COleDateTime dtUtcNow(stUtc);

    // The off-screen picture covers the whole client area as well as the clock area: with many
    // clocks the window grows past the area, and clocks drawn outside the picture would be lost.
    CRect rcClient;
    GetClientRect(&rcClient);
    CRect rcDraw;
    rcDraw.UnionRect(&rcClient, &m_rcClockArea);

    CClockLayout layout(m_rcClockArea, m_nLayout);
    {
        COffscreenDC dc(pDC, rcDraw);
        dc.FillSolidRect(&rcDraw, m_settings.m_crBackgroundCol);
        // Clocks mostly share one font and one background: selected once for the pass.
        HGDIOBJ hOldFont = NULL, hOldBrush = NULL;
        if (m_clocks.GetSize() > 0)
        {
            const CClock* pFirst = (const CClock*)m_clocks.GetAt(0);
            hOldFont = ::SelectObject(dc.GetSafeHdc(), m_gdiCache.Font(pFirst->m_lfFont));
            hOldBrush = ::SelectObject(dc.GetSafeHdc(), m_gdiCache.Brush(pFirst->m_crBackground));
        }
        for (INT_PTR i = 0; i < m_clocks.GetSize(); i++)
        {
            CClock* pClock = (CClock*)m_clocks.GetAt(i);
            CPoint pt = layout.GetNextOrigin();
            CSize size = RenderClock(&dc, pClock, CRect(pt, CSize(0, 0)), dtUtcNow, TRUE);
            layout.Add(size);
        }
        if (hOldFont != NULL)
            ::SelectObject(dc.GetSafeHdc(), hOldFont);
        if (hOldBrush != NULL)
            ::SelectObject(dc.GetSafeHdc(), hOldBrush);
    }
    return layout.GetWindowSize();
}

void CMainClockDlg::OnPaint()
{
    if (IsIconic())
    {
        if (!m_bInitDone)
            return;
        CPaintDC dc(this);
        SendMessage(WM_ICONERASEBKGND, (WPARAM)dc.GetSafeHdc(), 0);
        int cxIcon = ::GetSystemMetrics(SM_CXICON);
        int cyIcon = ::GetSystemMetrics(SM_CYICON);
        CRect rect;
        GetClientRect(&rect);
        dc.DrawIcon((rect.Width() - cxIcon + 1) / 2, (rect.Height() - cyIcon + 1) / 2, m_hIcon);
        return;
    }

    CPaintDC dc(this);
    dc.SetBkColor(m_settings.m_crBackgroundCol);
    // A paint only shows the timers: were it to count them, every repaint would take a second off.
    CSize sizeNeeded = DrawClocks(&dc);
    if (m_clocks.GetSize() > 0)
        SignalFirstPaint();

    CRect rcWindow;
    GetWindowRect(&rcWindow);
    if (rcWindow.Size() != sizeNeeded)
        SetWindowPos(NULL, 0, 0, sizeNeeded.cx, sizeNeeded.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CMainClockDlg::AdvanceTimers()
{
    SYSTEMTIME stUtc;
    GetTimeSource().GetUtcTime(stUtc);
    for (INT_PTR i = 0; i < m_clocks.GetSize(); i++)
    {
        CClock* pClock = (CClock*)m_clocks.GetAt(i);
        if (pClock->m_nClockType == CLOCKTYPE_CLOCK)
            continue;
        if (AdvanceTimer(*pClock, GetZoneTime(pClock->m_tzi, stUtc)))
            OnTimerEnded(pClock);
    }
}

void CMainClockDlg::SizeToClocks()
{
    CSize sizeNeeded;
    {
        // Measured by drawing: the same pass that paints, so that the two never disagree.
        CClientDC dc(this);
        sizeNeeded = DrawClocks(&dc);
    }
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    CRect rcDesktop;
    ::GetWindowRect(::GetDesktopWindow(), &rcDesktop);
    WINDOWPLACEMENT wp;
    memset(&wp, 0, sizeof(wp));
    wp.rcNormalPosition = CRect(rcWindow.TopLeft(), sizeNeeded);
    CSettings::FitPlacement(wp, rcDesktop);
    CRect rcFitted(wp.rcNormalPosition);
    if (rcFitted != rcWindow)
        SetWindowPos(NULL, rcFitted.left, rcFitted.top, rcFitted.Width(), rcFitted.Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    RefreshWindowRect();
}

BOOL CMainClockDlg::OnEraseBkgnd(CDC*)
{
    return FALSE;
}

HCURSOR CMainClockDlg::OnQueryDragIcon()
{
    return (HCURSOR)m_hIcon;
}

int CMainClockDlg::ClockFromPoint(CPoint pt) const
{
    for (INT_PTR i = 0; i < m_clocks.GetSize(); i++)
    {
        auto it = m_drawnRects.find((CClock*)m_clocks.GetAt(i));
        if (it != m_drawnRects.end() && it->second.PtInRect(pt))
            return (int)i;
    }
    return -1;
}
