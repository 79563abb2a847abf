// CSyncStatusDlg: refreshed from its host every 750 ms, also while hidden.
#include "SyncStatusDlg.h"

#include "TimeSyncController.h"
#include "TimeSyncHost.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(CSyncStatusDlg, CDialog)
ON_WM_TIMER()
ON_WM_DESTROY()
ON_BN_CLICKED(IDC_SYNC_NOW, OnSyncNow)
ON_BN_CLICKED(IDC_STATUS_CLOSE, OnCloseWindow)
END_MESSAGE_MAP()

CSyncStatusDlg::CSyncStatusDlg(ITimeSyncHost* pHost, CWnd* pOwner)
    : CDialog(IDD, pOwner), m_nTimer(0), m_pHost(pHost), m_pOwner(pOwner)
{
}

BOOL CSyncStatusDlg::CreateHidden()
{
    // The status line is a rich-edit control, whose class exists once its library is loaded.
    AfxInitRichEdit2();
    if (!Create(IDD, m_pOwner))
        return FALSE;
    ShowWindow(SW_HIDE);
    return TRUE;
}

void CSyncStatusDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_STATUS_SERVER, m_strServer);
    DDX_Text(pDX, IDC_STATUS_LOCATION, m_strLocation);
    DDX_Text(pDX, IDC_STATUS_LAST_SYNC, m_strLastSynced);
    DDX_Text(pDX, IDC_STATUS_DIFFERENCE, m_strDifference);
    DDX_Text(pDX, IDC_STATUS_TEXT, m_strStatus);
}

BOOL CSyncStatusDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_nTimer = SetTimer(REFRESH_TIMER_ID, 750, NULL);
    Refresh();
    return TRUE;
}

void CSyncStatusDlg::RestartTimer()
{
    if (m_hWnd != NULL && m_nTimer != 0)
        m_nTimer = SetTimer(REFRESH_TIMER_ID, 750, NULL);
}

void CSyncStatusDlg::Refresh()
{
    if (m_pHost == NULL)
        return;
    const CTimeSyncController& sync = m_pHost->GetTimeSync();
    // Only a change is written: rewriting the status would move its caret and scroll it.
    if (m_strServer == sync.m_strLastServer && m_strLocation == sync.m_strLastLocation &&
        m_strDifference == sync.m_strDifference && m_strLastSynced == sync.m_strLastSynced &&
        m_strStatus == sync.m_strStatus && m_strServer.GetLength() + m_strStatus.GetLength() > 0)
        return;
    m_strServer = sync.m_strLastServer;
    m_strLocation = sync.m_strLastLocation;
    m_strDifference = sync.m_strDifference;
    m_strLastSynced = sync.m_strLastSynced;
    m_strStatus = sync.m_strStatus;
    UpdateData(FALSE);
}

void CSyncStatusDlg::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == m_nTimer)
        Refresh();
    CDialog::OnTimer(nIDEvent);
}

void CSyncStatusDlg::OnDestroy()
{
    if (m_nTimer != 0)
        KillTimer(m_nTimer);
    m_nTimer = 0;
    CDialog::OnDestroy();
}

void CSyncStatusDlg::OnSyncNow()
{
    if (m_pHost != NULL)
        m_pHost->SyncSelectedServer();
    Refresh();
}

void CSyncStatusDlg::OnCloseWindow()
{
    ShowWindow(SW_HIDE);
}

void CSyncStatusDlg::OnCancel()
{
    // Escape and the close box hide the window as "Close Window" does; it lives as long as the clock.
    ShowWindow(SW_HIDE);
}
