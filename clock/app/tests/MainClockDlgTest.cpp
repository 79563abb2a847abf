// Rules of the clock window: where new clocks go, what a new clock copies from the default clock,
// the alarm time format, the start-up Run key entry, what a repaint may change, the picture of a
// pass, data files that give no clock, the window's size, and the update handlers behind the
// context menu's commands.
#include <gtest/gtest.h>

#include <vector>

#include "AppTestMain.h"
#include "Clock.h"
#include "ClockLayout.h"
#include "MainClockDlg.h"
#include "MainClockDlgProbe.h"
#include "PlatformServices.h"
#include "Settings.h"
#include "TestDrawing.h"
#include "TestSupport.h"
#include "resource.h"

namespace
{
// The record's archive image, an oracle that covers every stored field.
std::string Image(CClock& clock)
{
    const Bytes bytes = StoreToBytes(clock);
    return std::string(bytes.begin(), bytes.end());
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
        CMainClockDlgProbe probe(dlg);
        probe.m_pDefClock = new CClock;
        probe.m_settings.m_nNewClockPos = c.nPos;
        for (int i = 0; i < c.nExisting; i++)
            probe.m_clocks.Add(new CClock);
        probe.m_alarmEngine.m_bChanged = FALSE;
        CClock* pNew = dlg.AddClock();
        ASSERT_EQ(c.nExisting + 1, dlg.GetClockCount());
        EXPECT_EQ(pNew, dlg.GetClock(c.nExpectedIndex)) << "position " << c.nPos << " of " << c.nExisting;
        EXPECT_TRUE(probe.m_alarmEngine.m_bChanged);
    }
}

TEST(MainClockDlg, NewClockCopiesEveryFieldOfTheDefaultClock)
{
    ResetAppTestProfile();
    CMainClockDlg dlg;
    CMainClockDlgProbe probe(dlg);
    probe.m_pDefClock = new CClock;
    CClock& def = *probe.m_pDefClock;
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
        CMainClockDlgProbe(dlg).m_settings.m_nAlarmTimeDisplay = c.nSetting;
        EXPECT_STREQ(c.pszFormat, (LPCTSTR)dlg.GetAlarmTimeFormat());
    }
}

TEST(MainClockDlg, RunKeyEntryIsAddedAndRemoved)
{
    ResetAppTestProfile();
    CMainClockDlg dlg;
    CMainClockDlgProbe(dlg).m_strProgramFolder = _T("C:\\Program Files\\Velmora\\");
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
    CMainClockDlgProbe probe(dlg);
    probe.DeleteClocks();
    CClock* pTimer = new CClock;
    pTimer->m_nClockType = CLOCKTYPE_COUNTDOWN;
    pTimer->m_tsInterval = COleDateTimeSpan(0, 0, 1, 30);
    pTimer->m_tsRemaining = pTimer->m_tsInterval;
    pTimer->m_nTimerState = TIMERSTATE_RUNNING;
    probe.m_clocks.Add(pTimer);
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

namespace
{
struct CFixedUtc : ITimeSource
{
    void GetUtcTime(SYSTEMTIME& st) override { st = m_st; }
    void GetLocalTime(SYSTEMTIME& st) override { st = m_st; }
    SYSTEMTIME m_st = {2004, 2, 0, 1, 13, 5, 9, 0};
};
} // namespace

// A pass draws each clock over the background once, measuring all of them first: its picture is
// the window's background with every clock drawn on it in turn, as each draws alone, whatever the
// clocks' fonts, colours, alignments and kinds, in a column or a row.
TEST(MainClockDlg, APassIsTheBackgroundWithEachClockDrawnOnIt)
{
    ResetAppTestProfile();
    CFixedUtc fixed;
    SetTimeSource(&fixed);
    CTestFolder folder;
    CMainClockDlg dlg;
    dlg.SetDataFolder(folder.Path() + _T("\\"));
    ASSERT_TRUE(dlg.Create(IDD_VELMORA_DIALOG, NULL));
    CMainClockDlgProbe probe(dlg);
    probe.DeleteClocks();
    const COLORREF colours[][2] = {{RGB(255, 255, 0), RGB(0, 0, 128)},
                                   {RGB(255, 255, 0), RGB(200, 0, 0)},
                                   {RGB(0, 128, 0), RGB(255, 255, 255)},
                                   {RGB(0, 128, 0), RGB(255, 255, 255)}};
    for (int i = 0; i < 4; i++)
    {
        CClock* pClock = new CClock;
        pClock->m_crBackground = colours[i][0];
        pClock->m_crText = colours[i][1];
        pClock->m_nTextLayout = i % 3;
        if (i == 1)
        {
            pClock->m_lfFont.lfHeight *= 2;
            pClock->SetDisplayName(_T("A longer name than the others"));
        }
        if (i == 3)
        {
            pClock->m_nClockType = CLOCKTYPE_COUNTDOWN;
            pClock->SetTimerName(_T("Tea"));
            pClock->m_tsInterval = COleDateTimeSpan(0, 0, 3, 0);
            pClock->m_tsRemaining = pClock->m_tsInterval;
        }
        probe.m_clocks.Add(pClock);
    }
    probe.m_settings.m_crBackgroundCol = RGB(40, 90, 160);

    for (int nLayout : {CLOCKLAYOUT_VERTICAL, CLOCKLAYOUT_HORIZONTAL})
    {
        probe.m_nLayout = nLayout;
        dlg.SizeToClocks();
        CRect rcClient;
        dlg.GetClientRect(&rcClient);
        ASSERT_FALSE(rcClient.IsRectEmpty());

        CTestSurface pass(rcClient.Width(), rcClient.Height(), TRUE);
        dlg.DrawClocks(pass.DC());

        CTestSurface alone(rcClient.Width(), rcClient.Height(), probe.m_settings.m_crBackgroundCol, TRUE);
        CClockLayout layout(dlg.GetClockArea(), nLayout);
        SYSTEMTIME st;
        fixed.GetUtcTime(st);
        for (INT_PTR i = 0; i < probe.m_clocks.GetSize(); i++)
        {
            CSize size = dlg.RenderClock(alone.DC(), (CClock*)probe.m_clocks.GetAt(i),
                                         CRect(layout.GetNextOrigin(), CSize(0, 0)), COleDateTime(st), TRUE);
            layout.Add(size);
        }

        int nDifferent = 0;
        for (int y = 0; y < rcClient.Height(); y++)
            for (int x = 0; x < rcClient.Width(); x++)
                nDifferent += pass.At(x, y) != alone.At(x, y) ? 1 : 0;
        EXPECT_EQ(0, nDifferent) << "layout " << nLayout;
        EXPECT_GT(alone.Count(colours[2][0]), 0) << "the clocks were drawn";
    }
    dlg.DestroyWindow();
    SetTimeSource(NULL);
}

namespace
{
std::vector<CString> g_messages;

int AFXAPI RecordMessage(LPCTSTR pszText, UINT, UINT)
{
    g_messages.push_back(pszText);
    return IDOK;
}

// A clock window on a data folder of its own, whose message boxes are recorded instead of shown.
class CWindowOnFolder
{
public:
    CWindowOnFolder(const CTestFolder& folder) : m_pfnOldHook(afxMessageBoxHook)
    {
        afxMessageBoxHook = RecordMessage;
        g_messages.clear();
        dlg.SetDataFolder(folder.Path() + _T("\\"));
        m_bCreated = dlg.Create(IDD_VELMORA_DIALOG, NULL);
    }
    ~CWindowOnFolder()
    {
        if (dlg.GetSafeHwnd() != NULL)
            dlg.DestroyWindow();
        afxMessageBoxHook = m_pfnOldHook;
    }
    CSize WindowSize() const
    {
        CRect rc;
        dlg.GetWindowRect(&rc);
        return rc.Size();
    }
    BOOL IsEnabled(UINT nID)
    {
        struct CProbe : public CCmdUI
        {
            BOOL bEnabled = TRUE;
            void Enable(BOOL bOn) override { bEnabled = bOn; }
            void SetCheck(int) override {}
            void SetRadio(BOOL) override {}
            void SetText(LPCTSTR) override {}
        } probe;
        probe.m_nID = nID;
        dlg.OnCmdMsg(nID, (int)CN_UPDATE_COMMAND_UI, &probe, NULL);
        return probe.bEnabled;
    }

    CMainClockDlg dlg;
    CMainClockDlgProbe records{dlg};
    BOOL m_bCreated;

private:
    AFX_MESSAGEBOX_HOOK m_pfnOldHook;
};

CClock* MakeTimer(int nType, int nState)
{
    CClock* pTimer = new CClock;
    pTimer->m_nClockType = nType;
    pTimer->m_strTimerName = _T("Tea");
    pTimer->m_tsInterval = COleDateTimeSpan(0, 0, 1, 30);
    pTimer->m_tsRemaining = pTimer->m_tsInterval;
    pTimer->m_nTimerState = nState;
    pTimer->m_dtTargetTime = COleDateTime(2001, 1, 1, 0, 0, 0);
    return pTimer;
}

void ReplaceClocks(CMainClockDlg& dlg, std::initializer_list<CClock*> clocks)
{
    CMainClockDlgProbe probe(dlg);
    probe.DeleteClocks();
    for (CClock* pClock : clocks)
        probe.m_clocks.Add(pClock);
}
} // namespace

TEST(MainClockDlg, AFileThatGivesNoClockShowsTheDefaultClockAndIsLeftAsItWas)
{
    struct Case
    {
        const char* pszName;
        const char* pszImage;
        size_t nMessages;
    } cases[] = {
        {"no clocks", "01 00 00 00 | 00 00 00 00 | 00 00 00 00 | 00 00 00 00", 0},
        {"negative count", "01 00 00 00 | F6 FF FF FF | 00 00 00 00 | 00 00 00 00", 1},
        {"damaged after the version", "01 00 00 00 | 05 00 00 00 | 'garbage that is no clock'", 1},
        {"cut after the version", "01 00 00 00 | 01", 1},
        {"another version", "07 00 00 00 | 01 00 00 00", 1},
    };
    for (const Case& c : cases)
    {
        ResetAppTestProfile();
        CTestFolder folder;
        folder.Write(_T("Velmora2Dat"), Image(c.pszImage));
        {
            CWindowOnFolder w(folder);
            ASSERT_TRUE(w.m_bCreated) << c.pszName;
            EXPECT_EQ(c.nMessages, g_messages.size()) << c.pszName;
            ASSERT_EQ(1, w.dlg.GetClockCount()) << c.pszName;
            CSize size = w.WindowSize();
            EXPECT_TRUE(size.cx > 20 && size.cy > 20) << c.pszName << " " << size.cx << "x" << size.cy;
        }
        EXPECT_EQ(Hex(Image(c.pszImage)), Hex(folder.Read(_T("Velmora2Dat")))) << c.pszName;
    }

    // Once the user changes the clocks of a file that was read whole, the file holds them.
    ResetAppTestProfile();
    CTestFolder folder;
    folder.Write(_T("Velmora2Dat"), Image(cases[0].pszImage));
    {
        CWindowOnFolder w(folder);
        w.dlg.SendMessage(WM_COMMAND, ID_ADD_CLOCK, 0);
        EXPECT_EQ(2, w.dlg.GetClockCount());
    }
    Bytes saved = folder.Read(_T("Velmora2Dat"));
    ASSERT_GE(saved.size(), 8u);
    EXPECT_EQ(Hex(Image("01 00 00 00 | 02 00 00 00")), Hex(Bytes(saved.begin(), saved.begin() + 8)));
}

TEST(MainClockDlg, AFileThatCannotBeWrittenIsReportedOnceUntilItIsWrittenAgain)
{
    ResetAppTestProfile();
    CTestFolder folder;
    folder.Write(_T("Velmora2Dat"), Image("01 00 00 00 | 00 00 00 00 | 00 00 00 00 | 00 00 00 00"));
    CWindowOnFolder w(folder);
    ASSERT_TRUE(w.m_bCreated);
    w.dlg.MarkClocksChanged();
    // A folder in the place of each file makes every save of it fail, as a read-only program
    // folder does.
    ASSERT_TRUE(::DeleteFile(folder.File(_T("Velmora2Dat"))));
    ASSERT_TRUE(::CreateDirectory(folder.File(_T("Velmora2Dat")), NULL));
    ASSERT_TRUE(::CreateDirectory(folder.File(_T("SntpDat")), NULL));
    g_messages.clear();
    for (int i = 0; i < 3; i++)
    {
        EXPECT_FALSE(w.dlg.SaveData()) << i;
        w.dlg.SaveServers();
    }
    ASSERT_EQ(2u, g_messages.size()) << "one message per file";
    EXPECT_EQ(CString(_T("File Output failure")), g_messages[0].Right(19)) << (LPCTSTR)g_messages[0];
    EXPECT_NE(-1, g_messages[0].Find(_T("\n"))) << "the reason comes first: " << (LPCTSTR)g_messages[0];
    EXPECT_EQ(CString(_T("SNTP file Output failure")), g_messages[1].Right(24)) << (LPCTSTR)g_messages[1];

    // Written once more, the file's next failure is news again; the other file's is not.
    ASSERT_TRUE(::RemoveDirectory(folder.File(_T("Velmora2Dat"))));
    EXPECT_TRUE(w.dlg.SaveData());
    ASSERT_TRUE(folder.Exists(_T("Velmora2Dat")));
    ASSERT_TRUE(::DeleteFile(folder.File(_T("Velmora2Dat"))));
    ASSERT_TRUE(::CreateDirectory(folder.File(_T("Velmora2Dat")), NULL));
    g_messages.clear();
    EXPECT_FALSE(w.dlg.SaveData());
    EXPECT_FALSE(w.dlg.SaveData());
    w.dlg.SaveServers();
    ASSERT_EQ(1u, g_messages.size());
    EXPECT_EQ(CString(_T("File Output failure")), g_messages[0].Right(19));

    ::RemoveDirectory(folder.File(_T("Velmora2Dat")));
    ::RemoveDirectory(folder.File(_T("SntpDat")));
}

TEST(MainClockDlg, TheWindowIsSizedToItsClocksWhateverPlacementWasStored)
{
    ResetAppTestProfile();
    CTestFolder folder;
    CSize sizeOne, sizeTwo;
    {
        CWindowOnFolder w(folder);
        sizeOne = w.WindowSize();
        // Sized again when the clocks change, shown or not.
        w.dlg.SendMessage(WM_COMMAND, ID_ADD_CLOCK, 0);
        sizeTwo = w.WindowSize();
    }
    EXPECT_TRUE(sizeOne.cx > 20 && sizeOne.cy > 20) << sizeOne.cx << "x" << sizeOne.cy;
    EXPECT_NE(sizeOne, sizeTwo);

    // A tiny placement, as a window without clocks saved it: its place is taken, not its size.
    CSettings settings;
    CRect rcDesktop;
    ::GetWindowRect(::GetDesktopWindow(), &rcDesktop);
    settings.Load(rcDesktop);
    settings.m_wndPlacement.length = sizeof(WINDOWPLACEMENT);
    settings.m_wndPlacement.showCmd = SW_HIDE;
    settings.m_wndPlacement.rcNormalPosition = CRect(40, 30, 45, 35);
    settings.m_bHavePlacement = TRUE;
    settings.Save();
    CWindowOnFolder w(folder);
    CRect rc;
    w.dlg.GetWindowRect(&rc);
    EXPECT_EQ(CPoint(40, 30), rc.TopLeft());
    EXPECT_EQ(sizeTwo, rc.Size());
}

TEST(MainClockDlg, ContextCommandsAskTheirUpdateHandlers)
{
    ResetAppTestProfile();
    CTestFolder folder;
    CWindowOnFolder w(folder);
    CClock* pStopped = MakeTimer(CLOCKTYPE_COUNTDOWN, TIMERSTATE_STOPPED);
    CClock* pRunning = MakeTimer(CLOCKTYPE_COUNTDOWN, TIMERSTATE_RUNNING);
    CClock* pPaused = MakeTimer(CLOCKTYPE_COUNTDOWN, TIMERSTATE_PAUSED);
    ReplaceClocks(w.dlg, {new CClock, pStopped, pRunning, pPaused});
    struct Case
    {
        int nMenuClock;
        UINT nID;
        BOOL bEnabled;
    } cases[] = {
        {0, ID_START_COUNTDOWN, FALSE}, {0, ID_DELETE_CLOCK, TRUE},     {-1, ID_DELETE_CLOCK, FALSE},
        {1, ID_START_COUNTDOWN, TRUE},  {1, ID_PAUSE_COUNTDOWN, FALSE}, {1, ID_STOP_COUNTDOWN, FALSE},
        {2, ID_PAUSE_COUNTDOWN, TRUE},  {2, ID_STOP_COUNTDOWN, TRUE},   {2, ID_RESUME_COUNTDOWN, FALSE},
        {3, ID_RESUME_COUNTDOWN, TRUE}, {3, ID_START_COUNTDOWN, FALSE}, {1, ID_CTX_OPTIONS, TRUE},
        {1, ID_ADD_TIMER, TRUE},        {1, ID_REMIND_5MIN, TRUE},      {1, ID_SAY_TIME, FALSE},
        {1, ID_ADD_CLOCK, TRUE},        {1, ID_HIDE_CLOCK, TRUE},       {1, ID_EXIT, TRUE},
    };
    for (const Case& c : cases)
    {
        w.records.m_nMenuClock = c.nMenuClock;
        EXPECT_EQ(c.bEnabled, w.IsEnabled(c.nID)) << c.nID << " over " << c.nMenuClock;
    }

    // A refused command does nothing; an enabled one acts on the clock under the menu.
    w.records.m_nMenuClock = 1;
    w.dlg.SendMessage(WM_COMMAND, ID_PAUSE_COUNTDOWN, 0);
    EXPECT_EQ(TIMERSTATE_STOPPED, pStopped->m_nTimerState);
    w.dlg.SendMessage(WM_COMMAND, ID_START_COUNTDOWN, 0);
    EXPECT_EQ(TIMERSTATE_RUNNING, pStopped->m_nTimerState);
    w.records.m_nMenuClock = 3;
    w.dlg.SendMessage(WM_COMMAND, ID_RESUME_COUNTDOWN, 0);
    EXPECT_EQ(TIMERSTATE_RUNNING, pPaused->m_nTimerState);
    w.records.m_nMenuClock = 0;
    w.dlg.SendMessage(WM_COMMAND, ID_DELETE_CLOCK, 0);
    ASSERT_EQ(3, w.dlg.GetClockCount());
    EXPECT_EQ(pStopped, w.dlg.GetClock(0));

    // The menu that opens is updated by the same handlers.
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_CLOCK_POPUP));
    CMenu* pPopup = menu.GetSubMenu(0);
    w.records.m_nMenuClock = 1; // the running countdown
    w.dlg.SendMessage(WM_INITMENUPOPUP, (WPARAM)pPopup->GetSafeHmenu(), 0);
    HMENU hPopup = pPopup->GetSafeHmenu();
    auto grayed = [hPopup](UINT nID) { return (::GetMenuState(hPopup, nID, MF_BYCOMMAND) & MF_GRAYED) != 0; };
    EXPECT_FALSE(grayed(ID_CTX_OPTIONS));
    EXPECT_TRUE(grayed(ID_START_COUNTDOWN));
    EXPECT_FALSE(grayed(ID_AMEND_TIMER));
    EXPECT_FALSE(grayed(ID_PAUSE_COUNTDOWN));
    EXPECT_FALSE(grayed(ID_DELETE_CLOCK));
    EXPECT_FALSE(grayed(ID_HIDE_CLOCK));
    menu.DestroyMenu();
}

TEST(MainClockDlg, OnlyTheTickEndsAnEventTimer)
{
    ResetAppTestProfile();
    CTestFolder folder;
    CWindowOnFolder w(folder);
    CClock* pEvent = MakeTimer(CLOCKTYPE_EVENT, TIMERSTATE_RUNNING); // its time came long ago
    ReplaceClocks(w.dlg, {pEvent});
    w.dlg.ShowWindow(SW_SHOWNA);
    for (int i = 0; i < 3; i++)
        w.dlg.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(TIMERSTATE_RUNNING, pEvent->m_nTimerState);
    w.dlg.AdvanceTimers();
    EXPECT_EQ(TIMERSTATE_COMPLETED, pEvent->m_nTimerState);
}
