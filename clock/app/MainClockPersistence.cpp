// CMainClockDlg: settings in the registry and the clocks-and-alarms data file.
#include "MainClockDlg.h"

#include "Clock.h"

namespace
{
const int kDataVersion = 1;
const UINT kArchiveBuffer = 4096;
} // namespace

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
    // Already moved inside the desktop and hidden by the settings: the window shows itself later.
    WINDOWPLACEMENT wp = m_settings.m_wndPlacement;
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
    CString strPath;
    if (::GetFileAttributesA(m_strDataFile) != INVALID_FILE_ATTRIBUTES)
        strPath = m_strDataFile;
    else if (::GetFileAttributesA(m_strOldDataFile) != INVALID_FILE_ATTRIBUTES)
        strPath = m_strOldDataFile;
    else
    {
        AddClock();
        Invalidate(TRUE);
        return;
    }

    CFile file;
    CFileException fe;
    if (!file.Open(strPath,
                   CFile::modeRead | CFile::modeCreate | CFile::modeNoTruncate | CFile::shareDenyWrite, &fe))
        AfxThrowFileException(fe.m_cause, fe.m_lOsError, strPath);
    ReadData(file);
}

BOOL CMainClockDlg::ReadData(CFile& file)
{
    CArchive ar(&file, CArchive::load, kArchiveBuffer);
    long nVersion = 0;
    ar >> nVersion;
    if (nVersion != kDataVersion)
    {
        AfxMessageBox(_T("Alarm Datafile incorrect version"), MB_OK | MB_ICONEXCLAMATION);
        m_bKeepDataFile = TRUE;
        ar.Close();
        file.Close();
        return FALSE;
    }

    long nClocks = 0;
    ar >> nClocks;
    for (long i = 0; i < nClocks; i++)
    {
        CClock* pClock = NULL;
        ar >> pClock;
        if (pClock != NULL)
            m_clocks.Add(pClock);
    }

    ar >> m_nNextAlarmId;
    long nAlarms = 0;
    ar >> nAlarms;
    // Alarm records are read by the alarm engine. Without it they stay in the file: the file is not
    // written back, so that saving the clocks never drops the alarms.
    if (nAlarms != 0)
        m_bKeepDataFile = TRUE;

    ar.Close();
    file.Close();
    return TRUE;
}

void CMainClockDlg::SaveData()
{
    if (m_bKeepDataFile)
        return;
    try
    {
        CFile file(m_strDataFile, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive);
        CArchive ar(&file, CArchive::store, kArchiveBuffer);
        ar << (long)kDataVersion;
        ar << (long)m_clocks.GetSize();
        for (INT_PTR i = 0; i < m_clocks.GetSize(); i++)
            ar << (CObject*)m_clocks.GetAt(i);
        ar << m_nNextAlarmId;
        ar << (long)m_alarms.GetSize();
        for (INT_PTR i = 0; i < m_alarms.GetSize(); i++)
            ar << m_alarms.GetAt(i);
        ar.Close();
        file.Close();
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
