// The sizing bars' demonstration: the bars, their contents and the log of their places.
#include "DemoSizing.h"

#include "DemoIds.h"
#include "ORXMiniDockFrameWnd.h"

BEGIN_MESSAGE_MAP(CDemoSizingBar, CORXSizingControlBar)
ON_WM_SIZE()
END_MESSAGE_MAP()

void CDemoSizingBar::OnSize(UINT nType, int cx, int cy)
{
    CORXSizingControlBar::OnSize(nType, cx, cy);
    HWND hWndChild = ::GetWindow(m_hWnd, GW_CHILD);
    // The tool-tip control is a pop-up of the bar, not a child: only real children are sized.
    for (; hWndChild != NULL; hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
        if (::GetWindowLongA(hWndChild, GWL_STYLE) & WS_CHILD)
            ::MoveWindow(hWndChild, 0, 0, cx, cy, TRUE);
}

namespace
{
CDemoSizing* g_pDemoSizing = NULL;
const UINT_PTR kLayoutTimer = 0x5A11;
} // namespace

BOOL CDemoSizing::Wanted(CString& strCommandLine)
{
    if (strCommandLine.Left(8) != _T("/sizing "))
        return FALSE;
    strCommandLine = strCommandLine.Mid(8);
    strCommandLine.TrimLeft();
    return TRUE;
}

void CDemoSizing::AdjustFrameRect(CRect& rect)
{
    rect = CRect(100, 60, 800, 560);
}

BOOL CDemoSizing::Create(CFrameWnd* pFrame, PFN_LOG pfnLog)
{
    m_pFrame = pFrame;
    m_pfnLog = pfnLog;
    g_pDemoSizing = this;

    if (!m_wndCaption.Create(WS_CHILD | WS_VISIBLE | CBRS_TOP, pFrame, IDW_DEMO_CAPTIONBAR))
        return FALSE;
    m_wndCaption.SetText(_T("Two clocks are set to the same zone."), CORXCaptionBar::ALIGN_LEFT);
    m_wndCaption.SetButton(_T("Review"), CORXCaptionBar::ALIGN_RIGHT);

    if (!m_wndZones.Create(_T("Zones"), pFrame, CSize(180, 200), TRUE, IDW_DEMO_ZONES,
                           WS_CHILD | WS_VISIBLE | CBRS_LEFT))
        return FALSE;
    if (!m_wndList.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, CRect(0, 0, 10, 10),
                          &m_wndZones, 1))
        return FALSE;
    static const LPCTSTR kZones[] = {_T("London"), _T("Lisbon"), _T("Oslo"),   _T("Cairo"),
                                     _T("Delhi"),  _T("Tokyo"),  _T("Sydney"), _T("Lima")};
    for (LPCTSTR pszZone : kZones)
        m_wndList.AddString(pszZone);

    if (!m_wndNotes.Create(_T("Notes"), pFrame, CSize(140, 160), TRUE, IDW_DEMO_NOTES,
                           WS_CHILD | WS_VISIBLE | CBRS_LEFT))
        return FALSE;
    if (!m_wndNotesEdit.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE, CRect(0, 0, 10, 10), &m_wndNotes, 1))
        return FALSE;

    if (!m_wndDialog.Create(_T("Reminder"), pFrame, IDD_DEMO_DIALOGBAR, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                            IDW_DEMO_DIALOGBAR))
        return FALSE;
    // The sizing bars dock on any side, in one row on the left, and float in the framework's own
    // floating frame; the zones bar's frame rolls up while the mouse is away.
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    pFrame->m_pFloatingFrameClass = RUNTIME_CLASS(CORXMiniDockFrameWnd);
    m_wndZones.SetRollState(2, FALSE);
    CControlBar* bars[] = {&m_wndZones, &m_wndNotes, &m_wndDialog};
    for (CControlBar* pBar : bars)
        pBar->EnableDocking(CBRS_ALIGN_ANY);
    pFrame->DockControlBar(&m_wndZones, AFX_IDW_DOCKBAR_LEFT);
    // Dropped just below the zones bar, the notes bar joins its row.
    pFrame->RecalcLayout();
    CRect rectZones;
    m_wndZones.GetWindowRect(rectZones);
    rectZones.OffsetRect(0, 1);
    pFrame->DockControlBar(&m_wndNotes, AFX_IDW_DOCKBAR_LEFT, rectZones);
    pFrame->DockControlBar(&m_wndDialog, AFX_IDW_DOCKBAR_BOTTOM);
    ::SetTimer(pFrame->GetSafeHwnd(), kLayoutTimer, 150, CheckLayout);
    return TRUE;
}

BOOL CDemoSizing::OnCommand(WPARAM wParam)
{
    if (LOWORD(wParam) != IDW_DEMO_CAPTIONBAR)
        return FALSE;
    m_pfnLog("captionclick");
    return TRUE;
}

CString CDemoSizing::Describe(CControlBar* pBar) const
{
    CString str;
    if (pBar->GetSafeHwnd() == NULL)
        return str;
    CRect rect;
    pBar->GetWindowRect(rect);
    CORXSizingControlBar* pSizing = DYNAMIC_DOWNCAST(CORXSizingControlBar, pBar);
    str.Format(_T("%u %d %ld %ld %ld %ld"), (UINT)pBar->GetDlgCtrlID(), (pBar->GetStyle() & WS_VISIBLE) != 0,
               rect.left, rect.top, rect.right, rect.bottom);
    if (pSizing != NULL)
    {
        CString strState;
        CRect rectHide = pSizing->GetHideButtonRect() + rect.TopLeft();
        CRect rectExpand = pSizing->GetExpandButtonRect() + rect.TopLeft();
        CRect rectGrip = pSizing->GetGripperRect() + rect.TopLeft();
        CRect rectFrame(0, 0, 0, 0);
        CORXMiniDockFrameWnd* pMini = DYNAMIC_DOWNCAST(CORXMiniDockFrameWnd, pBar->GetParentFrame());
        CRect rectRoll(0, 0, 0, 0);
        if (pMini != NULL)
        {
            pMini->GetWindowRect(rectFrame);
            rectRoll = pMini->GetCaptionButtonRect() + rectFrame.TopLeft();
        }
        strState.Format(
            _T(" dock %u expanded %d floating %d rolled %d hide %ld %ld %ld %ld expand %ld %ld %ld %ld")
            _T(" frame %ld %ld %ld %ld roll %ld %ld %ld %ld float %ld %ld style %lx grip %ld %ld %ld %ld"),
            pSizing->GetDockBarID(), pSizing->IsExpanded(), pSizing->IsFloating(),
            pMini != NULL && pMini->IsRolled(), rectHide.left, rectHide.top, rectHide.right, rectHide.bottom,
            rectExpand.left, rectExpand.top, rectExpand.right, rectExpand.bottom, rectFrame.left,
            rectFrame.top, rectFrame.right, rectFrame.bottom, rectRoll.left, rectRoll.top, rectRoll.right,
            rectRoll.bottom, pSizing->GetFloatSize().cx, pSizing->GetFloatSize().cy, pSizing->GetBarStyle(),
            rectGrip.left, rectGrip.top, rectGrip.right, rectGrip.bottom);
        str += strState;
    }
    return str;
}

void CDemoSizing::LogLayout()
{
    CString strAll;
    CControlBar* bars[] = {&m_wndZones, &m_wndNotes, &m_wndDialog, &m_wndCaption};
    for (CControlBar* pBar : bars)
        strAll += _T("sizingbar ") + Describe(pBar) + _T("\n");
    CRect rectButton = m_wndCaption.GetButtonRect();
    if (m_wndCaption.GetSafeHwnd() != NULL)
        m_wndCaption.ClientToScreen(rectButton);
    CString strButton;
    strButton.Format(_T("captionbutton %ld %ld %ld %ld"), rectButton.left, rectButton.top, rectButton.right,
                     rectButton.bottom);
    strAll += strButton;
    // The frame's dock bars, where a dragged bar docks.
    for (UINT nID = AFX_IDW_DOCKBAR_TOP; nID <= AFX_IDW_DOCKBAR_BOTTOM; nID++)
    {
        CControlBar* pDockBar = m_pFrame != NULL ? m_pFrame->GetControlBar(nID) : NULL;
        if (pDockBar == NULL || pDockBar->GetSafeHwnd() == NULL)
            continue;
        CRect rectDock;
        pDockBar->GetWindowRect(rectDock);
        CString strDock;
        strDock.Format(_T("\ndockbar %u %ld %ld %ld %ld"), nID, rectDock.left, rectDock.top, rectDock.right,
                       rectDock.bottom);
        strAll += strDock;
    }
    // The tip of the zones bar's tool under the pointer, read from the bar's own tip control.
    CToolTipCtrl& tip = m_wndZones.m_wndToolTip;
    if (tip.GetSafeHwnd() != NULL)
    {
        CPoint pt;
        ::GetCursorPos(&pt);
        m_wndZones.ScreenToClient(&pt);
        TTHITTESTINFO hit;
        memset(&hit, 0, sizeof(hit));
        hit.hwnd = m_wndZones.m_hWnd;
        hit.pt = pt;
        hit.ti.cbSize = sizeof(hit.ti);
        if (tip.SendMessage(TTM_HITTEST, 0, (LPARAM)&hit))
        {
            TCHAR szText[256] = {};
            hit.ti.lpszText = szText;
            tip.SendMessage(TTM_GETTEXT, 0, (LPARAM)&hit.ti);
            strAll += _T("\nsizingtip ");
            strAll += szText;
        }
    }
    if (strAll == m_strLast)
        return;
    m_strLast = strAll;
    // One write, so that a reader never finds the heading without its lines.
    m_pfnLog(_T("sizinglayout\n%s"), (LPCTSTR)strAll);
}

void CALLBACK CDemoSizing::CheckLayout(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_pDemoSizing != NULL)
        g_pDemoSizing->LogLayout();
}
