// ClockConfigDlg.cpp: the clock configuration dialog with its child sheet, the preview pop-up, and
// the copies that Cancel puts back.
#include "ClockConfigDlg.h"

#include "AppMessages.h"
#include "Clock.h"
#include "OffscreenDC.h"
#include "velmora/resource.h"

// ---- CClockEditBackup ------------------------------------------------------------------------------

CClockEditBackup::~CClockEditBackup()
{
    Forget();
}

void CClockEditBackup::Keep(CClock* pClock)
{
    if (pClock == NULL)
        return;
    for (size_t i = 0; i < m_kept.size(); i++)
        if (m_kept[i].first == pClock)
            return;
    CClock* pCopy = new CClock;
    CopyDefaults(*pClock, *pCopy, RESET_BOTH);
    m_kept.push_back(std::make_pair(pClock, pCopy));
}

void CClockEditBackup::Restore()
{
    for (size_t i = 0; i < m_kept.size(); i++)
        CopyDefaults(*m_kept[i].second, *m_kept[i].first, RESET_BOTH);
    Forget();
}

void CClockEditBackup::Forget()
{
    for (size_t i = 0; i < m_kept.size(); i++)
        delete m_kept[i].second;
    m_kept.clear();
}

// ---- CClockPopupWnd --------------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CClockPopupWnd, CDialog)
ON_WM_PAINT()
ON_WM_TIMER()
ON_WM_LBUTTONDOWN()
ON_WM_DESTROY()
END_MESSAGE_MAP()

CClockPopupWnd::CClockPopupWnd() : CDialog(IDD)
{
    m_pRenderer = NULL;
    m_pClock = NULL;
    m_rcClient.SetRectEmpty();
    m_nTimer = 0;
}

void CClockPopupWnd::StartPreview()
{
    SetWindowText(_T("Clock Preview"));
    GetClientRect(&m_rcClient);
    m_nTimer = SetTimer(PREVIEW_TIMER_ID, 1000, NULL);
}

static COleDateTime UtcNow()
{
    SYSTEMTIME st;
    ::GetSystemTime(&st);
    return COleDateTime(st);
}

void CClockPopupWnd::OnPaint()
{
    CPaintDC dc(this);
    if (m_pRenderer == NULL || m_pClock == NULL)
        return;
    // The extent is measured on a scratch bitmap: the renderer always draws as it measures.
    CDC dcMeasure;
    dcMeasure.CreateCompatibleDC(&dc);
    CBitmap bmp;
    bmp.CreateCompatibleBitmap(&dc, 1, 1);
    CBitmap* pOld = dcMeasure.SelectObject(&bmp);
    CSize extent = m_pRenderer->RenderClock(&dcMeasure, m_pClock, CRect(0, 0, 0, 0), UtcNow(), FALSE);
    dcMeasure.SelectObject(pOld);

    CRect rcWindow;
    GetWindowRect(&rcWindow);
    CRect rcClient;
    GetClientRect(&rcClient);
    CSize want(extent.cx + 5, extent.cy + 5);
    if (rcClient.Size() != want)
    {
        CSize frame(rcWindow.Width() - rcClient.Width(), rcWindow.Height() - rcClient.Height());
        SetWindowPos(NULL, 0, 0, want.cx + frame.cx, want.cy + frame.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        GetClientRect(&m_rcClient);
    }
    DrawPreview();
}

void CClockPopupWnd::DrawPreview()
{
    if (m_pRenderer == NULL || m_pClock == NULL || GetSafeHwnd() == NULL)
        return;
    CClientDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    COffscreenDC mem(&dc, rc);
    mem.FillSolidRect(rc, dc.GetBkColor());
    m_pRenderer->RenderClock(&mem, m_pClock, rc, UtcNow(), FALSE);
}

void CClockPopupWnd::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == PREVIEW_TIMER_ID)
        DrawPreview();
    CDialog::OnTimer(nIDEvent);
}

void CClockPopupWnd::OnLButtonDown(UINT, CPoint point)
{
    // Dragged by any point: the click is handed on as one on a caption.
    CPoint pt = point;
    ClientToScreen(&pt);
    PostMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(pt.x, pt.y));
}

void CClockPopupWnd::OnDestroy()
{
    if (m_nTimer != 0)
    {
        KillTimer(m_nTimer);
        m_nTimer = 0;
    }
    CDialog::OnDestroy();
}

// ---- CClockConfigDlg -------------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CClockConfigDlg, CDialog)
ON_WM_DESTROY()
ON_REGISTERED_MESSAGE(WM_CLOCKRESET, OnClockReset)
END_MESSAGE_MAP()

CClockConfigDlg::CClockConfigDlg(CWnd* pParent) : CDialog(IDD, pParent)
{
    m_bPreview = FALSE;
    m_bNoZonePage = FALSE;
    m_pClock = NULL;
    m_pRenderer = NULL;
    m_pPreview = NULL;
    m_bReloadZone = FALSE;
}

CClockConfigDlg::~CClockConfigDlg()
{
    delete m_pPreview;
}

void CClockConfigDlg::Prepare(CClock* pClock, const CClock* pResetSource, CObArray* pClocks, CWnd* pRepaint,
                              int nDateOrder, LPCTSTR pszTZFile, BOOL bDefaultMode)
{
    m_pClock = pClock;
    m_bReloadZone = FALSE;

    m_formatPage.m_pClock = pClock;
    m_formatPage.m_pResetSource = pResetSource;
    m_formatPage.m_pClocks = pClocks;
    m_formatPage.m_pbReloadZone = &m_bReloadZone;
    m_formatPage.m_pRepaint = pRepaint;
    m_formatPage.m_pNotify = this;
    m_formatPage.m_pBackup = &m_backup;
    m_formatPage.m_bDefaultMode = bDefaultMode;
    m_formatPage.LoadFromClock();

    m_zonePage.m_pClock = pClock;
    m_zonePage.m_pClockWnd = pRepaint;
    m_zonePage.m_pbReloadZone = &m_bReloadZone;
    m_zonePage.m_pPreviewWnd = pRepaint;
    m_zonePage.m_nDateOrder = nDateOrder;
    m_zonePage.m_strTZFile = pszTZFile;
    if (pClock != NULL)
    {
        m_zonePage.m_strSelectedName = pClock->m_strDisplayName;
        m_zonePage.m_tziSelected = pClock->m_tzi;
    }
}

INT_PTR CClockConfigDlg::DoModal()
{
    m_backup.Forget();
    m_backup.Keep(m_pClock);
    INT_PTR nResult = CDialog::DoModal();
    if (nResult == IDOK)
        m_backup.Forget();
    else
        m_backup.Restore();
    return nResult;
}

BOOL CClockConfigDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CWnd* pPlace = GetDlgItem(IDC_CFG_PLACEHOLDER);
    m_sheet.AddPage(&m_formatPage);
    if (!m_bNoZonePage)
        m_sheet.AddPage(&m_zonePage);
    else if (pPlace != NULL)
        pPlace->ShowWindow(SW_HIDE);

    m_sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
    if (!m_sheet.Create(this, WS_CHILD | WS_VISIBLE, 0))
        return TRUE;
    // The dialog's own OK and Cancel end it: the child sheet's buttons are not shown.
    static const int kSheetButtons[] = {IDOK, IDCANCEL, IDHELP, 0x3021};
    for (int nButton : kSheetButtons)
    {
        CWnd* pButton = m_sheet.GetDlgItem(nButton);
        if (pButton != NULL)
            pButton->ShowWindow(SW_HIDE);
    }
    m_sheet.ModifyStyleEx(0, WS_EX_CONTROLPARENT);
    m_sheet.ModifyStyle(0, WS_TABSTOP);
    if (pPlace != NULL)
    {
        CRect rc;
        pPlace->GetWindowRect(&rc);
        ScreenToClient(&rc);
        m_sheet.SetWindowPos(NULL, rc.left - 7, rc.top - 7, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    if (m_bPreview && m_pRenderer != NULL)
    {
        // Centred now rather than after initialisation, so that the preview is placed beside the
        // dialog where it will stay.
        CenterWindow();
        m_pPreview = new CClockPopupWnd;
        m_pPreview->m_pRenderer = m_pRenderer;
        m_pPreview->m_pClock = m_pClock;
        if (m_pPreview->Create(CClockPopupWnd::IDD, this))
        {
            m_formatPage.m_pRepaint = m_pPreview;
            m_zonePage.m_pPreviewWnd = m_pPreview;
            CRect rcDlg;
            GetWindowRect(&rcDlg);
            m_pPreview->SetWindowPos(&CWnd::wndTop, rcDlg.right, rcDlg.top, 0, 0,
                                     SWP_NOSIZE | SWP_NOACTIVATE);
            m_pPreview->ShowWindow(SW_SHOWNOACTIVATE);
            m_pPreview->StartPreview();
        }
    }
    return TRUE;
}

void CClockConfigDlg::OnDestroy()
{
    // The preview's timer goes with its window, before the clock it draws can go.
    if (m_pPreview != NULL && m_pPreview->GetSafeHwnd() != NULL)
        m_pPreview->DestroyWindow();
    m_formatPage.m_pRepaint = NULL;
    m_zonePage.m_pPreviewWnd = NULL;
    CDialog::OnDestroy();
}

LRESULT CClockConfigDlg::OnClockReset(WPARAM, LPARAM)
{
    if (m_zonePage.GetSafeHwnd() != NULL)
        m_zonePage.OnClockReset();
    return 0;
}
