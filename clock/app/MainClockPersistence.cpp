// CMainClockDlg: settings in the registry and the clocks-and-alarms data file.
#include "MainClockDlg.h"

#include "Clock.h"

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
    m_strDataFile = m_dataFile.GetPath();
    switch (m_dataFile.Load(m_clocks, m_nNextAlarmId))
    {
    case CClockDataFile::readMissing:
        AddClock();
        Invalidate(TRUE);
        break;
    case CClockDataFile::readWrongVersion:
        AfxMessageBox(_T("Alarm Datafile incorrect version"), MB_OK | MB_ICONEXCLAMATION);
        m_bKeepDataFile = TRUE;
        break;
    case CClockDataFile::readAlarmsKept:
        // Without the alarm engine the alarms stay in the file: it is not written back, so that
        // saving the clocks never drops them.
        m_bKeepDataFile = TRUE;
        break;
    case CClockDataFile::readWhole:
        break;
    }
}

void CMainClockDlg::SaveData()
{
    if (m_bKeepDataFile || (m_bDefaultStandsIn && !m_bAlarmsChanged))
        return;
    try
    {
        m_dataFile.Save(m_clocks, m_nNextAlarmId, m_alarms);
        m_bDefaultStandsIn = FALSE;
    }
    catch (CFileException* e)
    {
        e->ReportError();
        e->Delete();
        AfxMessageBox(_T("File Output failure"), MB_OK | MB_ICONSTOP);
    }
    catch (CArchiveException* e)
    {
        e->ReportError();
        e->Delete();
        AfxMessageBox(_T("File Archive failure"), MB_OK | MB_ICONSTOP);
    }
}

// ---- Hooks of the other files ------------------------------------------------------------------------

void CMainClockDlg::SaveServers()
{
    // The time-server list writes "SntpDat" here.
}

void CMainClockDlg::SaveDiaryYear()
{
    // The diary writes the loaded year here when it changed.
}
