// CMainClockDlg: the calendar command and the diary year it holds: switching, saving and the
// reports of what went wrong.
#include "MainClockDlg.h"

#include "CalendarDlg.h"
#include "PlatformServices.h"

CDiaryReminderOptions CMainClockDlg::GetDiaryReminderOptions() const
{
    CDiaryReminderOptions options;
    options.bPlaySound = m_settings.m_bDefPlayRemSound;
    options.strSoundFile = m_settings.m_strDefRemSound;
    options.bDeleteOnCompletion = m_settings.m_bDeleteReminder;
    return options;
}

void CMainClockDlg::SwitchDiaryYear(int nYear)
{
    if (nYear == m_diary.m_nYear)
        return;
    if (m_diary.m_nYear >= 0 && m_diary.m_bChanged)
        SaveDiary(m_diary.m_nYear);
    // A file already found damaged in this run is not reported at every day shown of its year.
    BOOL bKnownDamaged = m_diary.IsYearDamaged(nYear);
    if (m_diary.LoadYear(nYear) == DIARYLOAD_DAMAGED && !bKnownDamaged)
    {
        CString strMessage;
        strMessage.Format(_T("The diary file for %d is damaged and cannot be read. Its notes are not shown, ")
                          _T("and the file is left as it is: notes for that year will not be saved until %s ")
                          _T("is replaced or moved aside."),
                          nYear, (LPCTSTR)GetDiaryFileName(nYear));
        AfxMessageBox(strMessage, MB_OK | MB_ICONSTOP);
    }
}

BOOL CMainClockDlg::SaveDiary(int nYear)
{
    CString strFile = GetDiaryFileName(nYear);
    try
    {
        BOOL bSaved = m_diary.SaveDiary(nYear);
        if (bSaved)
            m_saveFailures.Saved(strFile);
        return bSaved;
    }
    catch (CFileException* e)
    {
        ReportSaveFailure(strFile, e, _T("Diary file output failure"));
    }
    catch (CArchiveException* e)
    {
        ReportSaveFailure(strFile, e, _T("Diary file archive failure"));
    }
    return FALSE;
}

void CMainClockDlg::SaveDiaryYear()
{
    if (m_diary.m_nYear >= 0 && m_diary.m_bChanged)
        SaveDiary(m_diary.m_nYear);
}

void CMainClockDlg::OnCalendar()
{
    // A second calendar would hold its own copy of the shown day's note: the open one comes forward.
    if (m_openDialogs.Activate(COpenDialogs::kindCalendar))
        return;
    COleDateTime dtToday = GetLocalNow();
    if (m_diary.m_nYear != dtToday.GetYear())
        SwitchDiaryYear(dtToday.GetYear());
    CCalendarDlg dlg(this, dtToday, GetDiaryReminderOptions(), this);
    COpenDialogs::CScope open(m_openDialogs, COpenDialogs::kindCalendar, &dlg);
    SuspendAutoHide(TRUE);
    dlg.DoModal();
    SuspendAutoHide(FALSE);
    SaveDiaryYear();
}

void CMainClockDlg::OnCmdCalendar()
{
    OnCalendar();
}
