// CVersionCheckDlg: starting a check, the worker, and showing its result.
#include "VersionCheckDlg.h"

#include "resource.h"

namespace
{
const UINT WM_VERSIONCHECKFINI = ::RegisterWindowMessageA("VelmoraVersionCheckFini");
const char kProduct[] = "Velmora Clock";
const char kOwnVersion[] = "2.34.012";
const char kVersionFile[] = "velmorainfo.xml";
const char kDownloadPage[] = "http://www.quendralabs.com/portal/content/downloads.asp#velmora";
// The worker threads that have not ended yet.
volatile LONG g_nChecksRunning = 0;

CString LoadText(UINT nID)
{
    CString s;
    s.LoadString(nID);
    return s;
}
} // namespace

BEGIN_MESSAGE_MAP(CVersionCheckDlg, CDialog)
ON_WM_TIMER()
ON_WM_DESTROY()
ON_REGISTERED_MESSAGE(WM_VERSIONCHECKFINI, OnVersionCheckFini)
END_MESSAGE_MAP()

CVersionCheckDlg::CJob::CJob() : hWnd(NULL), nRefs(1), bResult(FALSE)
{
    ::InitializeCriticalSection(&cs);
}

CVersionCheckDlg::CJob::~CJob()
{
    ::DeleteCriticalSection(&cs);
}

void CVersionCheckDlg::CJob::Release()
{
    if (::InterlockedDecrement(&nRefs) == 0)
        delete this;
}

CVersionCheckDlg::CVersionCheckDlg(IVersionCheckHost* pHost)
    : m_nTimer(0), m_bRunning(FALSE), m_bAutomatic(FALSE), m_bManual(FALSE), m_bWithBeta(FALSE),
      m_bAnimating(FALSE), m_bResult(FALSE), m_pJob(new CJob), m_pHost(pHost)
{
}

CVersionCheckDlg::~CVersionCheckDlg()
{
    if (m_hWnd != NULL)
        DestroyWindow();
    if (m_pJob != NULL)
        m_pJob->Release();
}

BOOL CVersionCheckDlg::Create(CWnd* pParent)
{
    return CDialog::Create(IDD_VERSION_CHECK, pParent);
}

BOOL CVersionCheckDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_link.SubclassDlgItem(IDC_VERSION_LINK, this);
    ::EnterCriticalSection(&m_pJob->cs);
    m_pJob->hWnd = m_hWnd;
    ::LeaveCriticalSection(&m_pJob->cs);
    return TRUE;
}

BOOL CVersionCheckDlg::IsUsable() const
{
    return m_pJob != NULL && m_pJob->checker.IsUsable();
}

const CVersionChecker* CVersionCheckDlg::GetChecker() const
{
    return m_bRunning || m_pJob == NULL ? NULL : &m_pJob->checker;
}

BOOL CVersionCheckDlg::ShowCheckWindow()
{
    m_link.SetURL(kDownloadPage);
    m_nTimer = SetTimer(TIMER_HOURLY, 3600000, NULL);
    CenterWindow(CWnd::GetDesktopWindow());
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return IsUsable();
}

void CVersionCheckDlg::StartCheck(BOOL bManual, BOOL bWithBeta)
{
    if (m_bRunning || m_pJob == NULL)
        return;
    m_bManual = bManual;
    m_bWithBeta = bWithBeta;
    m_link.ShowWindow(SW_HIDE);
    if (bManual)
        ShowForCheck(TRUE);
    SetResultText(LoadText(IDS_VERSION_REQUESTING));

    char szTemp[MAX_PATH];
    DWORD n = ::GetTempPathA(sizeof(szTemp), szTemp);
    m_pJob->strTempFolder = n > 0 && n < sizeof(szTemp) ? szTemp : ".\\";
    m_pJob->strBaseUrl = GetVersionBaseUrl();
    m_pJob->bResult = FALSE;
    ::InterlockedIncrement(&m_pJob->nRefs);
    m_bRunning = TRUE;
    ::InterlockedIncrement(&g_nChecksRunning);
    DWORD dwId = 0;
    HANDLE hThread = ::CreateThread(NULL, 0, WorkerProc, m_pJob, 0, &dwId);
    if (hThread == NULL)
    {
        ::InterlockedDecrement(&g_nChecksRunning);
        m_pJob->Release();
        // The message handler ends the check as a failure, as for any other.
        m_pJob->checker.m_strError = _T("Cannot start the version check.");
        PostMessage(WM_VERSIONCHECKFINI, 0, 0);
        return;
    }
    ::CloseHandle(hThread);
}

DWORD WINAPI CVersionCheckDlg::WorkerProc(LPVOID pParam)
{
    CJob* pJob = (CJob*)pParam;
    pJob->bResult =
        pJob->checker.Check(pJob->strBaseUrl, kProduct, pJob->strTempFolder, kVersionFile, kOwnVersion);
    ::EnterCriticalSection(&pJob->cs);
    if (pJob->hWnd != NULL)
        ::PostMessage(pJob->hWnd, WM_VERSIONCHECKFINI, 0, 0);
    ::LeaveCriticalSection(&pJob->cs);
    pJob->Release();
    ::InterlockedDecrement(&g_nChecksRunning);
    return 0;
}

BOOL CVersionCheckDlg::WaitForChecks(DWORD dwTimeout)
{
    const DWORD dwStart = ::GetTickCount();
    while (g_nChecksRunning > 0)
    {
        if (::GetTickCount() - dwStart >= dwTimeout)
            return FALSE;
        ::Sleep(10);
    }
    return TRUE;
}

void CVersionCheckDlg::SetResultText(const CString& strText)
{
    SetDlgItemText(IDC_VERSION_TEXT, strText);
    GetDlgItem(IDC_VERSION_TEXT)->ShowWindow(SW_SHOW);
}

void CVersionCheckDlg::ShowForCheck(BOOL bAnimate)
{
    if (!IsWindowVisible())
    {
        ModifyStyle(0, WS_VISIBLE);
        ShowWindow(SW_SHOWNA);
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
        CenterWindow(CWnd::GetDesktopWindow());
    }
    if (bAnimate && CreateAnimation())
    {
        m_animate.Open(IDR_VERSION_AVI);
        m_animate.ShowWindow(SW_SHOW);
        m_animate.Play(0, (UINT)-1, (UINT)-1);
        m_bAnimating = TRUE;
    }
    else
    {
        StopAnimation();
        // The clip's last frame stays on the dialog until its area is painted again.
        Invalidate(TRUE);
    }
}

void CVersionCheckDlg::HideWindow()
{
    if (IsWindowVisible())
    {
        ShowWindow(SW_HIDE);
        ModifyStyle(WS_VISIBLE, 0);
        StopAnimation();
    }
}

BOOL CVersionCheckDlg::CreateAnimation()
{
    if (m_animate.GetSafeHwnd() != NULL)
        return TRUE;
    // Made only when first needed: an animation control loads the video library as it is made, and
    // with it the multimedia and audio-compression libraries, which a clock that never shows a
    // check would carry all its life.
    CRect rect(36, 7, 36 + 80, 7 + 20);
    MapDialogRect(&rect);
    if (!m_animate.Create(WS_CHILD | WS_TABSTOP | ACS_TRANSPARENT | ACS_CENTER, rect, this,
                          IDC_VERSION_ANIMATE))
        return FALSE;
    // In the tab order and the painting order where the dialog's own controls would have it.
    CWnd* pIcon = GetDlgItem(IDC_VERSION_ICON);
    if (pIcon != NULL)
        m_animate.SetWindowPos(pIcon, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    m_animate.SetFont(GetFont(), FALSE);
    return TRUE;
}

void CVersionCheckDlg::StopAnimation()
{
    if (m_animate.GetSafeHwnd() != NULL)
    {
        m_animate.Close();
        m_animate.ShowWindow(SW_HIDE);
    }
    m_bAnimating = FALSE;
}

void CVersionCheckDlg::OnOK()
{
    StopAnimation();
    HideWindow();
    CWnd* pMain = AfxGetMainWnd();
    if (pMain != NULL)
        pMain->SetForegroundWindow();
}

void CVersionCheckDlg::OnCancel()
{
    OnOK();
}

void CVersionCheckDlg::OnHourlyTimer()
{
    if (m_bRunning || !IsUsable() || m_pHost == NULL || !m_pHost->HasDefaultRoute())
        return;
    if (!IsAutoVersionCheckDue(m_pHost->GetCheckInterval(), m_pHost->GetLastCheck(), m_pHost->GetNow()))
        return;
    m_bAutomatic = TRUE;
    StartCheck(FALSE, m_pHost->GetCheckBeta());
}

void CVersionCheckDlg::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == TIMER_HOURLY)
        OnHourlyTimer();
    CDialog::OnTimer(nIDEvent);
}

LRESULT CVersionCheckDlg::OnVersionCheckFini(WPARAM, LPARAM)
{
    if (!m_bRunning)
        return 0;
    const CVersionChecker& checker = m_pJob->checker;
    m_bResult = m_pJob->bResult;
    if (!m_bResult)
    {
        if (m_bManual)
        {
            ShowForCheck(FALSE);
            SetResultText(checker.m_strError);
        }
    }
    else
    {
        BOOL bFound = FALSE;
        CString strText =
            ComposeVersionReport(checker, m_bWithBeta, LoadText(IDS_VERSION_NO_NEWER),
                                 LoadText(IDS_VERSION_NEW_RELEASE), LoadText(IDS_VERSION_NEW_BETA), bFound);
        if (bFound)
            m_link.ShowWindow(SW_SHOW);
        SetResultText(strText);
        if (bFound || m_bManual)
            ShowForCheck(FALSE);
        if (m_bAutomatic && m_pHost != NULL)
            m_pHost->SetLastCheck(m_pHost->GetNow());
    }
    m_bAutomatic = FALSE;
    m_bRunning = FALSE;
    return 0;
}

void CVersionCheckDlg::OnDestroy()
{
    // A worker still running finds no window to post to and frees the shared block itself. Its
    // download goes with the program: the temporary file must not outlive it.
    ::EnterCriticalSection(&m_pJob->cs);
    m_pJob->hWnd = NULL;
    ::LeaveCriticalSection(&m_pJob->cs);
    if (m_bRunning)
        m_pJob->checker.Abort();
    if (m_nTimer != 0)
        KillTimer(m_nTimer);
    m_nTimer = 0;
    CDialog::OnDestroy();
}
