// CMainClockDlg: construction, initialisation, deferred start-up, and what happens at the end.
#include "MainClockDlg.h"

#include "AppMessages.h"
#include "ClockApp.h"
#include "Clock.h"
#include "DataFileArchive.h"
#include "DisplayTextFormatter.h"
#include "InstanceChecker.h"
#include "PlatformServices.h"
#include "WindowsVersion.h"
#include "resource.h"

namespace
{
const int kMinStartDelay = 10;
const int kMaxStartDelay = 120;
const char kSupportAddress[] = "support@quendralabs.example";

CClockApp* App()
{
    return GetClockApp();
}
} // namespace

CMainClockDlg::CMainClockDlg(CWnd* pParent)
    : CDialog(IDD_VELMORA_DIALOG, pParent), m_pDefClock(NULL), m_pSpareClock(NULL), m_bKeepDataFile(FALSE),
      m_bKeepServerFile(FALSE), m_bDefaultStandsIn(FALSE), m_autoHide(this), m_rcClockArea(0, 0, 0, 0),
      m_nOSKind(0), m_nDateOrder(0), m_nLayout(0), m_nSyncCountdown(0), m_bConnected(FALSE),
      m_bCharLoaded(FALSE), m_bCharMuted(FALSE), m_bCharVisible(FALSE), m_bInitDone(FALSE),
      m_pSyncStatus(NULL), m_pRasMonitor(NULL), m_nMenuClock(-1), m_speaker(m_settings), m_pAgentHost(NULL),
      m_pChecker(NULL), m_pFormatter(NULL), m_hUser32(NULL), m_nTickTimer(0), m_nStartupTimer(0),
      m_nAutoHideTimer(0), m_nFadeTimer(0), m_rcWindow(0, 0, 0, 0)
{
    m_hIcon = AfxGetApp() != NULL ? AfxGetApp()->LoadIcon(IDR_MAINFRAME)
                                  : ::LoadIcon(AfxGetResourceHandle(), MAKEINTRESOURCE(IDR_MAINFRAME));
    memset(&m_lfClock, 0, sizeof(m_lfClock));
    m_alarmEngine.SetActions(this);
}

CMainClockDlg::~CMainClockDlg()
{
    DestroyVersionWindow();
    for (INT_PTR i = 0; i < m_clocks.GetSize(); i++)
        delete (CClock*)m_clocks.GetAt(i);
    m_clocks.RemoveAll();
    for (INT_PTR i = 0; i < m_servers.GetSize(); i++)
        delete m_servers.GetAt(i);
    m_servers.RemoveAll();
    delete m_pDefClock;
    delete m_pSpareClock;
    delete m_pFormatter;
}

BOOL CMainClockDlg::OnInitDialog()
{
    // The settings, the default clock and what the start-up writes back are read and written
    // through keys opened once.
    CProfileBatch batch(AfxGetApp());
    CDialog::OnInitDialog();
    if (m_pChecker != NULL)
        m_pChecker->PublishWindow();

    m_shutdown.Clear();
    m_bCharLoaded = FALSE;

    SYSTEMTIME stLocal;
    GetTimeSource().GetLocalTime(stLocal);
    m_dtSpeakRef.SetDateTime(stLocal.wYear, stLocal.wMonth, stLocal.wDay, stLocal.wHour, stLocal.wMinute, 0);

    m_pFormatter = new CDisplayTextFormatter;

    CreateTrayIcon();

    m_nTickTimer = SetTimer(TIMER_TICK, 1000, NULL);
    m_nDateOrder = GetDateOrder();

    CreateAgentHost();

    m_tray.LoadIconSequence(IDI_TRAY_NORMAL1, IDI_TRAY_NORMAL2);
    m_tray.m_bClockHidden = FALSE;
    m_tray.m_bAgentMuted = FALSE;
    m_bCharMuted = FALSE;

    m_nOSKind = GetOSKind();

    {
        CClientDC dc(this);
        m_lfClock.lfHeight = -::MulDiv(9, dc.GetDeviceCaps(LOGPIXELSY), 72);
        m_lfClock.lfWeight = FW_NORMAL;
        m_lfClock.lfCharSet = ANSI_CHARSET;
        lstrcpynA(m_lfClock.lfFaceName, "Arial", LF_FACESIZE);
    }

    CWnd* pArea = GetDlgItem(IDC_CLOCK_AREA);
    if (pArea != NULL)
    {
        pArea->GetWindowRect(&m_rcClockArea);
        ScreenToClient(&m_rcClockArea);
        pArea->DestroyWindow();
    }

    m_nLayout = 0;
    m_pDefClock = new CClock;
    m_pSpareClock = new CClock;
    m_pDefClock->LoadDefaults();

    LoadSettings();

    m_sync.m_bError = FALSE;
    UpdateTrayIcon();

    CWindowsVersionInfo version;
    memset(&version, 0, sizeof(version));
    if (!m_settings.m_bUnHideNoFade && WindowsVersion::GetInfo(version) && version.dwMajorVersion >= 5)
    {
        m_autoHide.m_bLayered = TRUE;
        m_hUser32 = ::LoadLibraryA("USER32.dll");
        ModifyStyleEx(0, WS_EX_LAYERED);
        SetLayeredAlpha(255);
    }

    BuildFileNames();

    m_sync.m_strDifference = _T("Unknown");
    m_sync.m_strLastServer = m_settings.m_strSNTPTimeServer;
    m_sync.m_strLastLocation = m_settings.m_strSNTPLoc;
    m_diary.m_nYear = -1;
    m_sound.SetNotifyWindow(m_hWnd);

    try
    {
        LoadData();
    }
    catch (CException* e)
    {
        // A damaged data file: the user hears of it and the window goes on with what was read. The
        // file is left as it is, so that saving the clocks read so far never drops the rest of it
        // (LoadData marked it kept before the ticks under this report could save).
        m_bKeepDataFile = TRUE;
        CString strPath = m_dataFile.GetPath();
        if (::GetFileAttributes(strPath) == INVALID_FILE_ATTRIBUTES)
            strPath = m_dataFile.GetOldPath();
        AfxMessageBox(DamagedDataFileReport(e, strPath), MB_OK | MB_ICONEXCLAMATION);
        e->Delete();
    }
    if (m_clocks.GetSize() == 0)
    {
        // A file that gave no clock: the default clock stands in, so that there is always one to
        // right-click. The file itself changes only when the user changes the clocks.
        // Alarms that loading changed are still written at the first sweep.
        BOOL bAlarmsChanged = m_alarmEngine.m_bChanged;
        AddClock();
        if (!bAlarmsChanged)
            ClearAlarmsChanged();
        m_bDefaultStandsIn = TRUE;
    }
    try
    {
        LoadServers();
    }
    catch (CException* e)
    {
        m_bKeepServerFile = TRUE;
        AfxMessageBox(DamagedDataFileReport(e, m_serverFile.GetPath()), MB_OK | MB_ICONEXCLAMATION);
        e->Delete();
    }
    SizeToClocks();

    ApplyTopmost();
    ShowWindow(SW_HIDE);
    ModifyStyleEx(WS_EX_APPWINDOW, WS_EX_TOOLWINDOW);

    if (App() != NULL && App()->m_bDialUpMissing)
        m_settings.m_nConnectType = 0;
    if (!CreateTimeSyncWindows())
    {
        AfxMessageBox(_T("Unable to Time Sync Status Window"), MB_OK | MB_ICONSTOP);
        ::ExitProcess(0);
    }

    if (m_settings.m_bSyncOnStartup)
        Synchronize();
    if (m_settings.m_bPeriodicSync)
        ResetSyncCountdown();

    m_nStartupTimer = SetTimer(TIMER_STARTUP, 250, NULL);
    // The cursor is polled only while auto-hide is on: each poll wakes the program.
    if (m_autoHide.m_bAutoHide)
        m_nAutoHideTimer = SetTimer(TIMER_AUTOHIDE, 10, NULL);
    m_bInitDone = TRUE;
    return TRUE;
}

void CMainClockDlg::CreateTrayIcon()
{
    int nStoredDelay = CSettings::ReadStartDelay();
    BOOL bDelayWarn = CSettings::ReadDelayWarn();
    CSettings::WriteDelayWarn(bDelayWarn);

    HICON hIcon = AfxGetApp() != NULL ? AfxGetApp()->LoadIcon(IDI_TRAY_NORMAL1)
                                      : ::LoadIcon(AfxGetResourceHandle(), MAKEINTRESOURCE(IDI_TRAY_NORMAL1));
    m_tray.SetTargetWnd(this);
    m_tray.SetMenuHook(&CMainClockDlg::ShowTrayMenu, this);
    if (m_tray.Create(NULL, WM_TRAY_NOTIFY, _T("Velmora Clock"), hIcon, IDR_TRAY_POPUP, FALSE, NULL, NULL, 0,
                      10))
        return;

    // The shell may not be ready yet when the program starts with Windows.
    int nDelay =
        (nStoredDelay >= kMinStartDelay && nStoredDelay <= kMaxStartDelay) ? nStoredDelay : kMinStartDelay;
    ::Sleep(nDelay * 1000);
    if (m_tray.Create(NULL, WM_TRAY_NOTIFY, _T("Velmora Clock"), hIcon, IDR_TRAY_POPUP, FALSE, NULL, NULL, 0,
                      10))
    {
        if (bDelayWarn)
            AfxMessageBox(_T("Velmora had to wait before Windows could create the system tray icon."),
                          MB_OK | MB_ICONINFORMATION);
        return;
    }

    CString strText = _T("Velmora was unable to create the System Tray Icon and is shutting down.\n");
    if (nDelay + 5 <= kMaxStartDelay)
    {
        nDelay += 5;
        strText += _T("The startup delay has been adjusted to try and avoid this happening again.");
    }
    else
    {
        nDelay = kMaxStartDelay;
        strText += _T("Maximum startup delay is now in use, please contact ");
        strText += kSupportAddress;
        strText += _T(" for more information.");
    }
    CSettings::WriteStartDelay(nDelay);
    AfxMessageBox(strText, MB_OK | MB_ICONSTOP);
    ::ExitProcess(0);
}

LRESULT CMainClockDlg::OnVmrInit(WPARAM, LPARAM)
{
    StartSpeech();
    CreateVersionWindow();
    return 0;
}

void CMainClockDlg::WriteAllOnClose()
{
    CProfileBatch batch(AfxGetApp());
    SaveServers();
    SaveData();
    SaveDiaryYear();
    SaveSettings();
    CSettings::WriteLastShutdown(GetLocalNow());
}

void CMainClockDlg::OnDestroy()
{
    StopSpeech();
    DestroyTimeSyncWindows();
    DestroyVersionWindow();
    WriteAllOnClose();
    StopCdAudio();
    m_sound.SetNotifyWindow(NULL);
    if (m_hUser32 != NULL)
    {
        ::FreeLibrary(m_hUser32);
        m_hUser32 = NULL;
    }
    ::WinHelpA(m_hWnd, NULL, HELP_QUIT, 0);
    CDialog::OnDestroy();
}

void CMainClockDlg::OnEndSession(BOOL bEnding)
{
    // Written whatever the flag says: a cancelled session end costs one save, a missed one the data.
    WriteAllOnClose();
    CDialog::OnEndSession(bEnding);
}

void CMainClockDlg::OnTimeChange()
{
    CDialog::OnTimeChange();
    SYSTEMTIME st;
    GetTimeSource().GetLocalTime(st);
    m_dtSpeakRef.SetDateTime(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, 0);
    Invalidate(TRUE);
}

void CMainClockDlg::BuildFileNames()
{
    CString strPath = GetModuleFilePath();
    int nSlash = strPath.ReverseFind(_T('\\'));
    m_strProgramFolder = (nSlash >= 0) ? strPath.Left(nSlash + 1) : CString();
    m_strDataFolder = m_strGivenDataFolder.IsEmpty() ? m_strProgramFolder : m_strGivenDataFolder;
    m_dataFile.SetFolder(m_strDataFolder);
    m_serverFile.SetFolder(m_strDataFolder);
    m_diary.SetBasePath(m_strDataFolder);
    m_strTzFile = m_strDataFolder + _T("VelmoraTZ");
}

int CMainClockDlg::GetOSKind()
{
    OSVERSIONINFOEXA osvi;
    memset(&osvi, 0, sizeof(osvi));
    osvi.dwOSVersionInfoSize = sizeof(OSVERSIONINFOEXA);
    if (!::GetVersionExA((OSVERSIONINFOA*)&osvi))
    {
        osvi.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
        if (!::GetVersionExA((OSVERSIONINFOA*)&osvi))
            return 0;
    }
    switch (osvi.dwPlatformId)
    {
    case VER_PLATFORM_WIN32s:
        return 1;
    case VER_PLATFORM_WIN32_WINDOWS:
        if (osvi.dwMinorVersion == 0)
            return 2;
        if (osvi.dwMinorVersion == 10)
            return 3;
        if (osvi.dwMinorVersion == 90)
            return 4;
        return 0;
    case VER_PLATFORM_WIN32_NT:
        return osvi.dwMajorVersion < 5 ? 5 : 6;
    }
    return 0;
}

int CMainClockDlg::GetDateOrder()
{
    char szOrder[8] = "";
    ::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_ILDATE, szOrder, sizeof(szOrder));
    if (szOrder[0] == '1')
        return 1;
    if (szOrder[0] == '2')
        return 2;
    return 0;
}

CString CMainClockDlg::GetModuleFilePath()
{
    char szPath[MAX_PATH + 1] = "";
    DWORD n = ::GetModuleFileNameA(NULL, szPath, MAX_PATH);
    szPath[n <= MAX_PATH ? n : MAX_PATH] = 0;
    return CString(szPath);
}
