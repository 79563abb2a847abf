// CMainClockDlg: settings in the registry and the clocks-and-alarms data file.
#include "MainClockDlg.h"

#include <new>

#include "Clock.h"
#include "DataFileArchive.h"
#include "PlatformServices.h"
#include "TimeServer.h"

// ---- Settings ----------------------------------------------------------------------------------------

void CMainClockDlg::LoadSettings()
{
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    m_settings.Load(rcWindow);
    m_nLayout = (m_settings.m_nClockLayout2 == 1) ? 1 : 0;
    m_autoHide.m_bAutoHide = m_settings.m_bAutoHide;
    ApplyPlacement();
}

void CMainClockDlg::ApplyPlacement()
{
    if (!m_settings.m_bHavePlacement)
    {
        CenterWindow(GetDesktopWindow());
        return;
    }
    // A stored placement gives the window its place only: its size is always that of its clocks
    // (SizeToClocks), or a placement saved from a window without clocks would shrink every later
    // start. Already moved inside the desktop and hidden by the settings: the window shows itself
    // later.
    WINDOWPLACEMENT wp = m_settings.m_wndPlacement;
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    wp.rcNormalPosition.right = wp.rcNormalPosition.left + rcWindow.Width();
    wp.rcNormalPosition.bottom = wp.rcNormalPosition.top + rcWindow.Height();
    SetWindowPlacement(&wp);
}

void CMainClockDlg::SaveSettings()
{
    CProfileBatch batch(AfxGetApp());
    m_settings.m_bAutoHide = m_autoHide.m_bAutoHide;
    m_settings.m_nClockLayout2 = m_nLayout;
    m_settings.m_strClockLayout1 = (m_nLayout == 1) ? _T("Horizontal") : _T("Vertical");
    if (m_pDefClock != NULL)
        m_pDefClock->SaveDefaults();
    m_settings.m_wndPlacement.length = sizeof(WINDOWPLACEMENT);
    if (m_hWnd != NULL && GetWindowPlacement(&m_settings.m_wndPlacement))
        m_settings.m_bHavePlacement = TRUE;
    m_settings.Save();
}

// ---- Clocks-and-alarms file ------------------------------------------------------------------------

void CMainClockDlg::LoadData()
{
    m_dataFile.SetFolder(m_strDataFolder);
    CObArray loaded;
    CClockDataFile::ReadResult result;
    try
    {
        result = m_dataFile.Load(m_clocks, m_alarmEngine.m_nNextAlarmId, loaded);
    }
    catch (CException*)
    {
        // The alarms read before the damage are kept, and fire; the file is not written over. Kept
        // from now on: the report is a message box, and the ticks under it sweep and save.
        m_bKeepDataFile = TRUE;
        m_alarmEngine.AdoptLoaded(loaded, GetLocalNow());
        throw;
    }
    switch (result)
    {
    case CClockDataFile::readMissing:
        AddClock();
        Invalidate(TRUE);
        break;
    case CClockDataFile::readWrongVersion:
        // Another version's file is kept for that version: what is added here stays in memory.
        m_bKeepDataFile = TRUE;
        AfxMessageBox(CString(_T("Alarm Datafile incorrect version")) + _T("\n\n") +
                          KeptDataFileNote(m_dataFile.GetReadPath()),
                      MB_OK | MB_ICONEXCLAMATION);
        break;
    case CClockDataFile::readAlarmsKept:
    case CClockDataFile::readWhole:
        break;
    }
    m_alarmEngine.AdoptLoaded(loaded, GetLocalNow());
}

BOOL CMainClockDlg::SaveData()
{
    if (m_bKeepDataFile || (m_bDefaultStandsIn && !m_alarmEngine.m_bChanged))
        return TRUE;
    CString strFile = m_dataFile.GetPath();
    try
    {
        m_dataFile.Save(m_clocks, m_alarmEngine.m_nNextAlarmId, m_alarmEngine.m_alarms);
        m_bDefaultStandsIn = FALSE;
        m_saveFailures.Saved(strFile);
        return TRUE;
    }
    catch (CFileException* e)
    {
        ReportSaveFailure(strFile, e, _T("File Output failure"));
    }
    catch (CArchiveException* e)
    {
        ReportSaveFailure(strFile, e, _T("File Archive failure"));
    }
    return FALSE;
}

void CMainClockDlg::ReportSaveFailure(const CString& strFile, CException* e, LPCTSTR pszSaver)
{
    // Every change and the close try again: one message per file until it can be written.
    CString strMessage = CSaveFailures::Message(e, pszSaver);
    e->Delete();
    if (m_saveFailures.Failed(strFile))
        AfxMessageBox(strMessage, MB_OK | MB_ICONSTOP);
}

// ---- Time-server file ------------------------------------------------------------------------------

CObject* CMainClockDlg::NewServer()
{
    CTimeServer* pServer = NULL;
    try
    {
        pServer = new CTimeServer;
        m_servers.Add(pServer);
        return pServer;
    }
    catch (CMemoryException* e)
    {
        e->Delete();
    }
    catch (std::bad_alloc&)
    {
    }
    delete pServer;
    AfxMessageBox(_T("Out of memory-Server List"), MB_OK | MB_ICONSTOP);
    return NULL;
}

void CMainClockDlg::LoadServers()
{
    if (m_serverFile.Load(m_servers))
        return;
    CTimeServer* pServer = (CTimeServer*)NewServer();
    if (pServer != NULL)
    {
        pServer->m_strServer = _T("pool.ntp.org");
        pServer->m_strDescription = _T("Worldwide public server pool");
    }
}

void CMainClockDlg::SaveServers()
{
    if (m_bKeepServerFile)
        return;
    CString strFile = m_serverFile.GetPath();
    try
    {
        m_serverFile.Save(m_servers);
        m_saveFailures.Saved(strFile);
    }
    catch (CFileException* e)
    {
        ReportSaveFailure(strFile, e, _T("SNTP file Output failure"));
    }
    catch (CArchiveException* e)
    {
        ReportSaveFailure(strFile, e, _T("SNTP File Archive failure"));
    }
}
