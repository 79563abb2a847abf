// Rules of the clock window: where new clocks go, what a new clock copies from the default clock,
// the alarm time format, the start-up Run key entry, and what a repaint may change.
#include <gtest/gtest.h>

#include "AppTestMain.h"
#include "Clock.h"
#include "MainClockDlg.h"
#include "TestSupport.h"
#include "resource.h"

namespace
{
// The record's archive image, an oracle that covers every stored field.
std::string Image(CClock& clock)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        clock.Serialize(ar);
        ar.Close();
    }
    ULONGLONG n = file.GetLength();
    BYTE* p = file.Detach();
    std::string s((const char*)p, (size_t)n);
    free(p);
    return s;
}

CString ReadRunValue()
{
    HKEY hKey;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", 0, KEY_READ,
                        &hKey) != ERROR_SUCCESS)
        return _T("<no key>");
    char szData[MAX_PATH] = "";
    DWORD cb = sizeof(szData), dwType = 0;
    LONG lResult = ::RegQueryValueExA(hKey, "Velmora", NULL, &dwType, (BYTE*)szData, &cb);
    ::RegCloseKey(hKey);
    return lResult == ERROR_SUCCESS ? CString(szData) : CString(_T("<none>"));
}
} // namespace

TEST(MainClockDlg, NewClocksGoWhereTheSettingSays)
{
    ResetAppTestProfile();
    struct Case
    {
        int nPos;
        int nExisting;
        int nExpectedIndex;
    } cases[] = {
        {0, 3, 0}, {1, 0, 0}, {1, 3, 1}, {1, 4, 2}, {2, 3, 3}, {7, 2, 2},
    };
    for (const Case& c : cases)
    {
        CMainClockDlg dlg;
        dlg.m_pDefClock = new CClock;
        dlg.m_settings.m_nNewClockPos = c.nPos;
        for (int i = 0; i < c.nExisting; i++)
            dlg.m_clocks.Add(new CClock);
        dlg.m_bAlarmsChanged = FALSE;
        CClock* pNew = dlg.AddClock();
        ASSERT_EQ(c.nExisting + 1, dlg.m_clocks.GetSize());
        EXPECT_EQ(pNew, dlg.m_clocks.GetAt(c.nExpectedIndex))
            << "position " << c.nPos << " of " << c.nExisting;
        EXPECT_TRUE(dlg.m_bAlarmsChanged);
    }
}

TEST(MainClockDlg, NewClockCopiesEveryFieldOfTheDefaultClock)
{
    ResetAppTestProfile();
    CMainClockDlg dlg;
    dlg.m_pDefClock = new CClock;
    CClock& def = *dlg.m_pDefClock;
    def.m_crBackground = RGB(1, 2, 3);
    def.m_crText = RGB(4, 5, 6);
    def.m_lfFont.lfHeight = -20;
    def.m_tzi.Bias = 330;
    def.m_strDisplayName = _T("(GMT+05:30) Kolkata");
    def.m_strTemplate = _T("'T' HH|D");
    def.m_nClockType = CLOCKTYPE_COUNTDOWN;
    def.m_bDisplayMessage = FALSE;
    def.m_strMessage = _T("Done");
    def.m_strSoundName = _T("ding.wav");
    def.m_nFormatType = FORMATTYPE_CUSTOM;
    def.m_bFullZoneName = TRUE;
    def.m_bMessageToSpeak = TRUE;
    def.m_bPlaySound = TRUE;
    def.m_bShowBias = FALSE;
    def.m_bShowDate = FALSE;
    def.m_bShowDayOfWeek = TRUE;
    def.m_bShowSeconds = FALSE;
    def.m_b24Hour = FALSE;
    def.m_dtTargetTime = COleDateTime(2030, 1, 2, 3, 4, 5);
    def.m_nTextLayout = 2;
    def.m_tsInterval = COleDateTimeSpan(0, 1, 2, 3);
    def.m_tsRemaining = COleDateTimeSpan(0, 0, 30, 0);
    def.m_strTimerName = _T("Eggs");
    def.m_nTimerState = TIMERSTATE_PAUSED;
    // The two cached formats are rebuilt at every drawing; copy them so the images can compare.
    CClock* pNew = dlg.AddClock();
    pNew->m_strTimeFormat = def.m_strTimeFormat;
    pNew->m_strDateFormat = def.m_strDateFormat;
    pNew->m_nActiveTimer = def.m_nActiveTimer;
    EXPECT_EQ(Image(def), Image(*pNew));
}

TEST(MainClockDlg, AlarmTimeFormat)
{
    ResetAppTestProfile();
    struct Case
    {
        int nSetting;
        LPCTSTR pszFormat;
    } cases[] = {{0, _T("")}, {1, _T("HH:mm:ss")}, {2, _T("hh:mm:ss tt")}, {3, _T("")}};
    for (const Case& c : cases)
    {
        CMainClockDlg dlg;
        dlg.m_settings.m_nAlarmTimeDisplay = c.nSetting;
        EXPECT_STREQ(c.pszFormat, (LPCTSTR)dlg.GetAlarmTimeFormat());
    }
}

TEST(MainClockDlg, RunKeyEntryIsAddedAndRemoved)
{
    ResetAppTestProfile();
    CMainClockDlg dlg;
    dlg.m_strProgramFolder = _T("C:\\Program Files\\Velmora\\");
    dlg.AddToRunKey();
    CString strValue = ReadRunValue();
    dlg.RemoveFromRunKey();
    EXPECT_EQ(CString(_T("C:\\Program Files\\Velmora\\Velmora.exe")), strValue);
    EXPECT_EQ(CString(_T("<none>")), ReadRunValue());
}

TEST(MainClockDlg, RepaintsLeaveARunningCountdownAloneAndTheTickCountsIt)
{
    ResetAppTestProfile();
    CTestFolder folder;
    CMainClockDlg dlg;
    dlg.SetDataFolder(folder.Path() + _T("\\"));
    ASSERT_TRUE(dlg.Create(IDD_VELMORA_DIALOG, NULL));
    for (INT_PTR i = 0; i < dlg.m_clocks.GetSize(); i++)
        delete (CClock*)dlg.m_clocks.GetAt(i);
    dlg.m_clocks.RemoveAll();
    CClock* pTimer = new CClock;
    pTimer->m_nClockType = CLOCKTYPE_COUNTDOWN;
    pTimer->m_tsInterval = COleDateTimeSpan(0, 0, 1, 30);
    pTimer->m_tsRemaining = pTimer->m_tsInterval;
    pTimer->m_nTimerState = TIMERSTATE_RUNNING;
    dlg.m_clocks.Add(pTimer);
    dlg.ShowWindow(SW_SHOWNA);

    // Being dragged, uncovered or resized repaints the window many times a second.
    for (int i = 0; i < 5; i++)
        dlg.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(90, (int)pTimer->m_tsRemaining.GetTotalSeconds());

    {
        CClientDC dc(&dlg);
        dlg.AdvanceTimers();
        dlg.DrawClocks(&dc);
    }
    EXPECT_EQ(89, (int)pTimer->m_tsRemaining.GetTotalSeconds());
    dlg.DestroyWindow();
}
