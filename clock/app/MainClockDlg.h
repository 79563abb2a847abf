// CMainClockDlg: the clock window, hub of the program: it owns the clocks and every other record,
// drives the periodic work from its timers, and loads and saves settings and data files.
#ifndef VELMORA_MAINCLOCKDLG_H
#define VELMORA_MAINCLOCKDLG_H

#include <afxwin.h>
#include <afxcoll.h>
#include <afxdisp.h>

#include <map>
#include <string>
#include <vector>

#include "AgentSpeaker.h"
#include "AlarmEngine.h"
#include "AlarmNotifyDlg.h"
#include "AlarmSound.h"
#include "AutoHide.h"
#include "ClockGdiCache.h"
#include "CalendarDlg.h"
#include "ClockConfigDlg.h"
#include "ClockDataFile.h"
#include "Diary.h"
#include "OpenDialogs.h"
#include "OptionsPage.h"
#include "SaveFailures.h"
#include "ServerDataFile.h"
#include "ShutdownSequence.h"
#include "SystemTray.h"
#include "Settings.h"
#include "TimeSyncController.h"
#include "TimeSyncHost.h"

class CAgentHostDlg;
class CAlarmConfig;
class CAlarms;
class CClock;
class CDisplayTextFormatter;
class CInstanceChecker;
class CRasMonitor;
class CSyncStatusDlg;
class CVersionCheckDlg;
class IVersionCheckHost;

class CMainClockDlg : public CDialog,
                      public IFadeTarget,
                      public IAlarmActions,
                      public IAlarmSilencer,
                      public IAgentMoveSink,
                      public IDiaryHost,
                      public IClockRenderer,
                      public IClockOptionsHost,
                      public ITimeSyncHost
{
    // Construction
public:
    explicit CMainClockDlg(CWnd* pParent = NULL);
    virtual ~CMainClockDlg();

    // The checker that publishes this window once it exists; the application owns it.
    void SetInstanceChecker(CInstanceChecker* pChecker) { m_pChecker = pChecker; }
    // The folder of the data files, ending with a backslash; given before the window is created.
    // Without it the files are beside the program.
    void SetDataFolder(LPCTSTR pszFolder) { m_strGivenDataFolder = pszFolder; }

    // Timer ids of the window
    enum
    {
        TIMER_TICK = 1,
        TIMER_STARTUP = 114,
        TIMER_FADE = 115,
        TIMER_AUTOHIDE = 117
    };

    // Attributes
public:
    // The clocks in display order; they change only through the operations below.
    INT_PTR GetClockCount() const { return m_clocks.GetSize(); }
    CClock* GetClock(INT_PTR nClock) const;
    // The clock area of the dialog template in client coordinates, where the clocks are laid out.
    const CRect& GetClockArea() const { return m_rcClockArea; }
    int GetLayout() const { return m_nLayout; } // 0 a column of clocks, 1 a row

    // Operations
public:
    void RunOptions();
    // IClockOptionsHost: the clock configuration dialog on the default clock, owned by pParent (the
    // options sheet).
    virtual void ConfigureDefaultClock(CWnd* pParent = NULL);
    void OnShowClock();
    void OnHideClock();
    void SuspendAutoHide(BOOL bSuspend);
    void UpdateTrayIcon();
    static int GetOSKind();
    static int GetDateOrder();
    CString GetAlarmTimeFormat() const;
    static CString GetModuleFilePath();
    int ClockFromPoint(CPoint pt) const;
    void MarkAlarmsChanged() { m_alarmEngine.MarkAlarmsChanged(); }
    // A change of the clocks sets the same mark as one of the alarms: the next sweep writes the file.
    void MarkClocksChanged() { m_alarmEngine.MarkAlarmsChanged(); }
    void ClearAlarmsChanged() { m_alarmEngine.ClearAlarmsChanged(); }

    // Settings and data files.
    void LoadSettings();
    void SaveSettings();
    void LoadData();
    // FALSE when writing failed (reported); TRUE also when the file is kept as it is.
    BOOL SaveData();
    void LoadServers();
    CObject* NewServer();

    // Clocks.
    CClock* AddClock();
    void InsertClock(CClock* pClock);
    // IClockRenderer. Drawing only reads the clocks and timers: the tick alone moves timers
    // (AdvanceTimers).
    virtual CSize RenderClock(CDC* pDC, CClock* pClock, const CRect& rcAt, const COleDateTime& dtUtcNow,
                              BOOL bFrame);
    // Draws every clock into pDC; returns the window size they need.
    CSize DrawClocks(CDC* pDC);
    // One clock's text as drawn, with its alignment and the rectangle it takes.
    struct CLOCKTEXT
    {
        std::string strText; // ends with a line feed
        CRect rect;
        UINT nAlign;
        // The widest line last measured for this place in the pass, with its font and extent: the
        // date and name lines change far less often than every second.
        std::string strMeasured;
        LOGFONTA lfMeasured;
        int nMapModeMeasured;
        CSize sizeMeasured;
        BOOL bMeasured = FALSE;
    };
    // What a context holds while clocks are drawn into it: a font, brush or colour that it holds
    // already is not set again (each setting is a call into the system), and what it held before
    // is put back at the end.
    class DRAWSTATE
    {
    public:
        explicit DRAWSTATE(HDC hDC)
            : m_hDC(hDC), m_hFont((HFONT)::GetCurrentObject(hDC, OBJ_FONT)),
              m_hBrush((HBRUSH)::GetCurrentObject(hDC, OBJ_BRUSH)), m_hOldFont(NULL), m_hOldBrush(NULL),
              m_crBk(0), m_crText(0), m_bColours(FALSE), m_nMapMode(::GetMapMode(hDC))
        {
        }
        int GetMapMode() const { return m_nMapMode; }
        void SelectFont(HFONT hFont)
        {
            if (hFont == m_hFont || hFont == NULL)
                return;
            HGDIOBJ hOld = ::SelectObject(m_hDC, hFont);
            if (m_hOldFont == NULL)
                m_hOldFont = hOld;
            m_hFont = hFont;
        }
        void SelectBrush(HBRUSH hBrush)
        {
            if (hBrush == m_hBrush || hBrush == NULL)
                return;
            HGDIOBJ hOld = ::SelectObject(m_hDC, hBrush);
            if (m_hOldBrush == NULL)
                m_hOldBrush = hOld;
            m_hBrush = hBrush;
        }
        void SetColours(COLORREF crBk, COLORREF crText)
        {
            if (!m_bColours || crBk != m_crBk)
                ::SetBkColor(m_hDC, crBk);
            if (!m_bColours || crText != m_crText)
                ::SetTextColor(m_hDC, crText);
            m_crBk = crBk;
            m_crText = crText;
            m_bColours = TRUE;
        }
        // Something else set the colours.
        void ColoursChanged() { m_bColours = FALSE; }
        void Restore()
        {
            if (m_hOldFont != NULL)
                ::SelectObject(m_hDC, m_hOldFont);
            if (m_hOldBrush != NULL)
                ::SelectObject(m_hDC, m_hOldBrush);
            m_hOldFont = m_hOldBrush = NULL;
        }

    private:
        HDC m_hDC;
        HFONT m_hFont;
        HBRUSH m_hBrush;
        HGDIOBJ m_hOldFont, m_hOldBrush;
        COLORREF m_crBk, m_crText;
        BOOL m_bColours;
        int m_nMapMode;
    };
    void MeasureClock(CDC* pDC, CClock* pClock, CPoint ptAt, const COleDateTime& dtUtcNow, CLOCKTEXT& text,
                      DRAWSTATE& state);
    void PaintClock(CDC* pDC, CClock* pClock, const CLOCKTEXT& text, BOOL bFrame, DRAWSTATE& state);
    // The tick's step of every timer, before the clocks are drawn; an ended timer goes to the
    // reminders.
    void AdvanceTimers();
    // Gives the window the size its clocks need, keeping its top-left corner on the desktop.
    void SizeToClocks();
    void DeleteClock(int nClock);

    // Timers: a new one through the timer dialog (NULL on Cancel), changing one, and its colours
    // and font (for "Configure Timer" over a timer); TRUE on OK.
    CClock* AddTimer();
    BOOL ConfigureTimer(CClock* pTimer);
    BOOL FormatTimer(CClock* pTimer);

    CString GetDiaryFileName(int nYear) const { return m_diary.GetDiaryFileName(nYear); }
    // IDiaryHost: saves a changed current year first; a damaged year file is reported and no year
    // is current. Saving gives FALSE when writing failed (reported) or the year's file is kept.
    virtual CDiary& GetDiary() { return m_diary; }
    virtual CAlarmEngine& GetDiaryAlarms() { return m_alarmEngine; }
    virtual void SwitchDiaryYear(int nYear);
    virtual BOOL SaveDiary(int nYear);
    CDiaryReminderOptions GetDiaryReminderOptions() const;
    void OnCalendar();

    // Start-up Run key.
    void AddToRunKey();
    void RemoveFromRunKey();

    // Auto-hide and fade.
    void StartFade(BOOL bOut) { m_autoHide.StartFade(bOut); }
    void StopFade() { m_autoHide.StopFade(); }
    void SetLayeredAlpha(int nAlpha);
    void ApplyTopmost();

    // The alarm check of the tick, a timer's end as a reminder, the CD device at the end, and the
    // time-server file.
    void CheckAlarms(const COleDateTime& dtLocalNow);
    void OnTimerEnded(CClock* pTimer);
    void StopCdAudio();
    void SaveServers();

    // Quick reminders: the minutes of a reminder command (-1 for another id), the sheet filled as
    // a new reminder due nMinutes after dtNow, and the alarm its OK adds (NULL when none could be).
    static int ReminderMinutes(UINT nID);
    void CreateReminder(int nMinutes);
    void PrepareReminder(CAlarmConfig& sheet, const CAlarms& scratch, int nMinutes,
                         const COleDateTime& dtNow) const;
    // dtOpened: the moment the sheet opened, against which a past time is told (CopyToAlarm).
    CAlarms* AddReminder(const CAlarmConfig& sheet, const COleDateTime& dtOpened);

    // The periodic work of speech, time synchronisation and the diary, as the tick and the start-up
    // call it: the speaking clock's announcement when one is due, one synchronisation with the
    // chosen server, and the current diary year saved when it changed.
    void RunSpeakingClock(const COleDateTime& dtLocalNow);
    void Synchronize();
    void SaveDiaryYear();

    // Time synchronisation. ITimeSyncHost: the latest outcome, one synchronisation, and the
    // time-server list.
    virtual const CTimeSyncController& GetTimeSync() const { return m_sync; }
    virtual void SyncNow(LPCTSTR pszServer, LPCTSTR pszLocation);
    virtual void SyncSelectedServer() { OnSynchronize(); }
    virtual void SyncWithOptions(const CSyncOptions& options);
    virtual CObArray& GetTimeServers() { return m_servers; }
    void ResetSyncCountdown();
    void SetSyncStatus(LPCTSTR pszMessage);
    // Reports the failure whose code is the thread's last error.
    void ReportSyncError(LPCTSTR pszServer, double dOffset);
    void OnSynchronize();
    void OnTimeSyncStatus();
    // Creates the dial-up monitor (when the library exists) and the hidden status window; FALSE
    // when the status window could not be made.
    BOOL CreateTimeSyncWindows();
    // Stops the dial-up monitor and starts it again when the settings say modem.
    void RestartDialUpMonitor();
    void DestroyTimeSyncWindows();
    // Speech through the character (MainClockSpeech.cpp). Every operation does nothing while no
    // character is loaded.
    BOOL LoadAgentCharacter(const CString& strPath);
    void ShowAgent();
    void HideAgent();
    void PlayAgentAnimation(LPCTSTR pszAnimation);
    void MoveAgent(short x, short y);
    BOOL IsAgentVisible();
    void AgentSpeak(const CString& strText);
    void SayTime(BOOL bForced);
    void SpeakingClockTick(const COleDateTime& dtNow);
    void OnMuteAgent();
    // A successful synchronisation: "SyncMsg", and the time when "SyncTime" is on; nothing unless
    // "AnnounceSync" is on and the character is loaded and not muted.
    void AnnounceSync();
    // After the options sheet ran: drops or (re)loads the character by the new "EnableAgent" and
    // "AgentFile", then puts it back at the position held before the sheet and hides it by
    // "HidePostSpeech". bOk: the sheet ended with OK.
    void ApplyAgentOptions(BOOL bOk, const CString& strOldAgentFile, short nOldX, short nOldY);
    // The full path of the character file "AgentFile" in "AgentPath"; empty without a file.
    CString GetAgentFilePath() const;
    // IAgentMoveSink
    virtual void OnAgentMove(const CString& strId, short x, short y, short nCause);
    // The online version check: its window, made by the deferred start-up, and the route test.
    void CreateVersionWindow();
    void DestroyVersionWindow();
    BOOL HasDefaultRoute();

    // IAlarmActions: what a firing alarm does through this window.
public:
    virtual void PlayAlarmSound(const CString& strFile);
    virtual void PlayCdTrack(int nTrack);
    virtual void RunProgram(const CString& strCommandLine, BOOL bMinimised);
    virtual void ScheduleShutdown(UINT uKind, BOOL bForce);
    virtual void SpeakAlarm(const CString& strMessage, const COleDateTime& dtNow);
    virtual void ShowNotification(const CString& strTitle, const CString& strMessage,
                                  COleDateTime& dtActivation, BOOL bAllowRemindLater);
    virtual BOOL SaveAlarms();
    virtual void ReportOutOfMemory();
    virtual void ReportUnusableAlarms(const CString& strNames);
    virtual BOOL MayOpenNotification();
    // IAlarmSilencer, and the Silence Alarm command.
    virtual void StopAlarmSound();

    // Overrides
public:
    virtual BOOL OnInitDialog();
    // Keys go to an open framework menu first.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual void OnOK();
    virtual void OnCancel();

    // IFadeTarget
public:
    virtual void ShowClockWindow(BOOL bShow);
    virtual void SetClockAlpha(int nAlpha);
    virtual void StartFadeTimer();
    virtual void StopFadeTimer();
    virtual void PostFade(BOOL bHide);

    // Implementation
protected:
    // The unit tests set up and read the records through it.
    friend class CMainClockDlgProbe;

    CAlarmEngine m_alarmEngine; // the alarm array, the next alarm id and the changed mark
    CObArray m_clocks;          // CClock, in display order
    CClock* m_pDefClock;        // the template of new clocks, section "DefClock"
    CClock* m_pSpareClock;
    BOOL m_bKeepDataFile; // the data file was not read whole: never written over
    BOOL m_bKeepServerFile;
    // The data file held no clock and the default clock stands in for it: the file is written only
    // once the user changed the clocks.
    BOOL m_bDefaultStandsIn;
    CObArray m_servers; // CTimeServer, in list order
    CServerDataFile m_serverFile;
    CAlarmSound m_sound;
    CDiary m_diary; // the entries of the current year, the current year and the year files
    CSettings m_settings;
    CSystemTray m_tray;
    CAutoHide m_autoHide;
    CShutdownSequence m_shutdown;

    CString m_strProgramFolder; // the program's own folder, for the Run key entry
    CString m_strDataFolder;
    CClockDataFile m_dataFile;
    CString m_strTzFile; // "VelmoraTZ"

    LOGFONT m_lfClock;
    CRect m_rcClockArea;
    int m_nOSKind;
    int m_nDateOrder;
    int m_nLayout; // 0 vertical, 1 horizontal
    COleDateTime m_dtSpeakRef;
    int m_nSyncCountdown;
    BOOL m_bConnected;
    BOOL m_bCharLoaded;
    BOOL m_bCharMuted;
    BOOL m_bCharVisible;
    BOOL m_bInitDone;
    // Time synchronisation: the latest outcome and its texts, the status window and the dial-up
    // monitor (none without the dial-up library).
    CTimeSyncController m_sync;
    CSyncStatusDlg* m_pSyncStatus;
    CRasMonitor* m_pRasMonitor;
    // The clock the context menu was opened over (-1 for none): its commands, which arrive after
    // the menu closed, act on it.
    int m_nMenuClock;
    // The character's speech and the window that hosts its control.
    CAgentSpeaker m_speaker;
    CAgentHostDlg* m_pAgentHost; // null when the Agent is missing
    // The online version check's window and the settings it sees.
    CVersionCheckDlg* m_pVersionDlg = NULL;
    IVersionCheckHost* m_pVersionHost = NULL;
    BOOL m_bVersionUsable = FALSE;

    CInstanceChecker* m_pChecker;
    CDisplayTextFormatter* m_pFormatter;
    HICON m_hIcon;
    HMODULE m_hUser32;
    UINT_PTR m_nTickTimer;
    UINT_PTR m_nStartupTimer;
    UINT_PTR m_nAutoHideTimer;
    UINT_PTR m_nFadeTimer;
    // The other repeating timers of the program are to be started again together with the tick at
    // its next firing (see AlignTimers).
    BOOL m_bAlignTimers = TRUE;
    CRect m_rcWindow;                            // screen rectangle, refreshed on hit tests, moves and sizes
    std::map<const CClock*, CRect> m_drawnRects; // where each clock was last drawn, client coordinates
    CClockGdiCache m_gdiCache;                   // the clocks' fonts and brushes
    std::vector<CLOCKTEXT> m_clockTexts;         // the texts of a pass, kept for the next one
    std::vector<CRect> m_clockRects, m_backgroundRects; // a pass's clocks and the background between
    std::string m_strMeasureText;                       // a clock's widest line, while measuring it
    CDC m_dcPass;                                       // the memory context every pass draws in

    // A file that could not be written, reported with one message unless it was reported already
    // since it was last written.
    CSaveFailures m_saveFailures;
    COpenDialogs m_openDialogs;
    void ReportSaveFailure(const CString& strFile, CException* e, LPCTSTR pszSaver);

    void CreateTrayIcon();
    void ClockTick();
    void AlignTimers();
    void AdvanceShutdown();
    void RefreshWindowRect();
    void ShowContextMenu(CPoint ptScreen);
    CClock* GetMenuClock() const;
    CClock* GetMenuCountdown() const;
    CString m_strGivenDataFolder;
    static void ShowTrayMenu(CSystemTray* pTray, CWnd* pTarget, LPVOID pParam);
    void ApplyPlacement();
    void BuildFileNames();
    void WriteAllOnClose();
    // Speech set-up: the host window at creation, the character and greeting at start-up, the
    // character's release at the end.
    COleDateTimeSpan m_tsSpeechShift; // test runs may speak at a set time
    void CreateAgentHost();
    void StartSpeech();
    void StopSpeech();
    void RefreshAgentFlags();
    COleDateTime GetSpeechNow() const;

    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg HCURSOR OnQueryDragIcon();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnDestroy();
    afx_msg void OnEndSession(BOOL bEnding);
    afx_msg void OnTimeChange();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg UINT OnNcHitTest(CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnNcMouseMove(UINT nHitTest, CPoint point);
    afx_msg void OnMove(int x, int y);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg LRESULT OnVmrInit(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnVmFade(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDialUpNotify(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnQueryCenterWnd(WPARAM wParam, LPARAM lParam);
    afx_msg void OnCmdExit();
    afx_msg void OnCmdShowClock();
    afx_msg void OnCmdHideClock();
    afx_msg void OnAutoHide();
    afx_msg void OnCmdOptions();
    afx_msg void OnCmdHelpContents();
    afx_msg void OnCmdSayTime();
    afx_msg void OnCmdMuteAgent();
    afx_msg void OnCmdShowAgent();
    afx_msg void OnCmdHideAgent();
    afx_msg void OnUpdateAgentCommand(CCmdUI* pCmdUI);
    afx_msg void OnCmdSilenceAlarm();
    afx_msg void OnCmdAlarmsList();
    afx_msg void OnCmdReminder(UINT nID);
    afx_msg LRESULT OnMciNotify(WPARAM wParam, LPARAM lParam);
    afx_msg void OnCmdAddClock();
    afx_msg void OnCmdDeleteClock();
    afx_msg void OnCmdStopCountdown();
    afx_msg void OnCmdStartCountdown();
    afx_msg void OnCmdPauseCountdown();
    afx_msg void OnCmdResumeCountdown();
    afx_msg void OnCmdAddTimer();
    afx_msg void OnCmdAmendTimer();
    afx_msg void OnUpdateAmendTimer(CCmdUI* pCmdUI);
    afx_msg void OnCmdCalendar();
    afx_msg void OnCmdConfigureClock();
    afx_msg void OnUpdateOptions(CCmdUI* pCmdUI);
    afx_msg void OnUpdateConfigureClock(CCmdUI* pCmdUI);
    afx_msg void OnUpdateDeleteClock(CCmdUI* pCmdUI);
    afx_msg void OnUpdateStopCountdown(CCmdUI* pCmdUI);
    afx_msg void OnUpdateStartCountdown(CCmdUI* pCmdUI);
    afx_msg void OnUpdatePauseCountdown(CCmdUI* pCmdUI);
    afx_msg void OnUpdateResumeCountdown(CCmdUI* pCmdUI);
    afx_msg void OnUpdateAutoHide(CCmdUI* pCmdUI);
    afx_msg void OnCmdAbout();
    afx_msg void OnCheckVersion();
    afx_msg void OnUpdateCheckVersion(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_MAINCLOCKDLG_H
