// CMainClockDlg: drawing the clocks and timers, and sizing the window to them.
#include "MainClockDlg.h"

#include <string.h>

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

// The clock's text for now, in its font, and the rectangle it takes with its top-left corner at
// ptAt: everything but the drawing.
void CMainClockDlg::MeasureClock(CDC* pDC, CClock* pClock, CPoint ptAt, const COleDateTime& dtUtcNow,
                                 CLOCKTEXT& text, DRAWSTATE& state)
{
    SYSTEMTIME stUtc;
    dtUtcNow.GetAsSystemTime(stUtc);
    COleDateTime dtLocal = GetZoneTime(pClock->m_tzi, stUtc);
    state.SelectFont(m_gdiCache.Font(pClock->m_lfFont));

    // The text and its widest line are put together in buffers kept from one draw to the next, so
    // that drawing a clock allocates nothing.
    std::string& strWidest = m_strMeasureText;
    int nLines = 1;
    text.nAlign = DT_CENTER;
    if (pClock->m_nClockType == CLOCKTYPE_CLOCK)
    {
        m_pFormatter->Expand(pClock->GetTimeFormat(m_nDateOrder), pClock->m_strDisplayName, pClock->m_tzi,
                             dtLocal);
        text.strText.assign(m_pFormatter->GetText(), m_pFormatter->GetTextLength());
        text.strText += '\n';
        nLines = m_pFormatter->GetLineCount();
        strWidest.assign(m_pFormatter->GetLongestLine(), m_pFormatter->GetLongestLineLength());
        if (pClock->m_nTextLayout == 0)
            text.nAlign = DT_LEFT;
        else if (pClock->m_nTextLayout == 2)
            text.nAlign = DT_RIGHT;
    }
    else
    {
        CTimerText timer = FormatTimerText(*pClock, dtLocal);
        text.strText.assign((LPCTSTR)timer.strText, timer.strText.GetLength());
        strWidest.assign((LPCTSTR)timer.strWidest, timer.strWidest.GetLength());
        nLines = timer.nLines;
    }

    strWidest += "  ";
    CSize extent;
    if (text.bMeasured && text.strMeasured == strWidest && text.nMapModeMeasured == state.GetMapMode() &&
        memcmp(&text.lfMeasured, &pClock->m_lfFont, sizeof(LOGFONTA)) == 0)
        extent = text.sizeMeasured;
    else
    {
        extent = pDC->GetTextExtent(strWidest.c_str(), (int)strWidest.size());
        text.strMeasured = strWidest;
        text.lfMeasured = pClock->m_lfFont;
        text.nMapModeMeasured = state.GetMapMode();
        text.sizeMeasured = extent;
        text.bMeasured = TRUE;
    }
    text.rect.SetRect(ptAt.x, ptAt.y, ptAt.x + extent.cx, ptAt.y + extent.cy * nLines + 5);
}

void CMainClockDlg::PaintClock(CDC* pDC, CClock* pClock, const CLOCKTEXT& text, BOOL bFrame, DRAWSTATE& state)
{
    state.SelectFont(m_gdiCache.Font(pClock->m_lfFont));
    state.SelectBrush(m_gdiCache.Brush(pClock->m_crBackground));

    CRect rect = text.rect;
    if (bFrame)
        pDC->Rectangle(&rect);

    state.SetColours(pClock->m_crBackground, pClock->m_crText);
    rect.DeflateRect(0, 2);
    pDC->DrawText(text.strText.c_str(), (int)text.strText.size(), &rect,
                  DT_NOCLIP | DT_NOPREFIX | text.nAlign);

    m_drawnRects[pClock] = text.rect;
}

CSize CMainClockDlg::RenderClock(CDC* pDC, CClock* pClock, const CRect& rcAt, const COleDateTime& dtUtcNow,
                                 BOOL bFrame)
{
    CLOCKTEXT text;
    DRAWSTATE state(pDC->GetSafeHdc());
    MeasureClock(pDC, pClock, rcAt.TopLeft(), dtUtcNow, text, state);
    PaintClock(pDC, pClock, text, bFrame, state);
    state.Restore();
    return text.rect.Size();
}

CSize CMainClockDlg::DrawClocks(CDC* pDC)
{
    SYSTEMTIME stUtc;
    GetTimeSource().GetUtcTime(stUtc);
    COleDateTime dtUtcNow(stUtc);

    // The off-screen picture covers the client area, all of the window that can be seen; clocks
    // that reach past it are measured all the same, and the window grows to show them. A window
    // without a client area yet is drawn over its clock area.
    CRect rcDraw;
    GetClientRect(&rcDraw);
    if (rcDraw.IsRectEmpty())
        rcDraw = m_rcClockArea;

    const INT_PTR nClocks = m_clocks.GetSize();
    if ((INT_PTR)m_clockTexts.size() < nClocks)
        m_clockTexts.resize(nClocks);
    CClockLayout layout(m_rcClockArea, m_nLayout);
    {
        // The memory context is kept from one pass to the next; its picture is made anew each time.
        if (m_dcPass.GetSafeHdc() == NULL && !pDC->IsPrinting())
            m_dcPass.CreateCompatibleDC(pDC);
        COffscreenDC dc(pDC, rcDraw, &m_dcPass);
        // Every clock's text is worked out and measured first, so that the background is painted
        // only where no clock is: each clock's frame and fill cover all of its rectangle.
        DRAWSTATE state(dc.GetSafeHdc());
        m_clockRects.clear();
        for (INT_PTR i = 0; i < nClocks; i++)
        {
            CLOCKTEXT& text = m_clockTexts[i];
            MeasureClock(&dc, (CClock*)m_clocks.GetAt(i), layout.GetNextOrigin(), dtUtcNow, text, state);
            layout.Add(text.rect.Size());
            m_clockRects.push_back(text.rect);
        }
        GetUncoveredRects(rcDraw, m_clockRects, m_backgroundRects);
        for (const CRect& rect : m_backgroundRects)
            dc.FillSolidRect(&rect, m_settings.m_crBackgroundCol);
        state.ColoursChanged();
        for (INT_PTR i = 0; i < nClocks; i++)
            PaintClock(&dc, (CClock*)m_clocks.GetAt(i), m_clockTexts[i], TRUE, state);
        state.Restore();
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
