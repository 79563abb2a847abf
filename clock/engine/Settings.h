// Settings.h: CSettings, every value of the profile sections "Clock" and "Configuration", read with
// its default and written back through the profile store in force (ProfileStore.h).
#ifndef VELMORA_SETTINGS_H
#define VELMORA_SETTINGS_H

#include <afx.h>
#include <afxdisp.h>

class CSettings
{
    // Construction
public:
    CSettings(); // every member at its default

    // Attributes. Times of day are COleDateTime values on 1899-12-30.
public:
    // Display and window
    COLORREF m_crTextCol;
    COLORREF m_crBackgroundCol;
    BOOL m_bUseDefaultCols;
    BOOL m_bUseDefaultFont;
    BOOL m_bUnHideNoFade;
    BOOL m_bClockOnTop;
    BOOL m_bLoadOnStartup;
    CString m_strClockLayout1; // "Vertical" or "Horizontal"
    int m_nClockLayout2;       // 0 vertical, 1 horizontal
    int m_nNewClockPos;
    BOOL m_bAutoHide;
    BOOL m_bAnimateIcon;
    int m_nAlarmTimeDisplay;

    // Alarms and reminders
    BOOL m_bEnableAlarmSys;
    BOOL m_bRunOverdue;
    BOOL m_bUseLimit;
    COleDateTime m_dtLimit; // "LimitH", "LimitM", "LimitS"
    BOOL m_bDefPlayRemSound;
    CString m_strDefRemSound;
    BOOL m_bDeleteReminder;

    // Time synchronisation
    BOOL m_bSyncOnStartup;
    BOOL m_bPeriodicSync;
    int m_nSyncInterval;
    CString m_strSNTPTimeServer;
    CString m_strSNTPLoc;
    int m_nConnectType;
    int m_nConnectErrorMode;
    int m_nSyncTimeOut;
    BOOL m_bNoBigSync;
    COleDateTime m_dtNoBigSync; // "NoBigSyncH", "NoBigSyncM", "NoBigSyncS"
    BOOL m_bAnnounceSync;
    BOOL m_bSyncTime;
    CString m_strSyncMsg;

    // Speech and the Agent character
    BOOL m_bEnableAgent;
    CString m_strAgentFile;
    CString m_strAgentPath; // read only, never written
    CString m_strAgentPreview;
    int m_nAgentPitch;
    int m_nAgentSpeed;
    int m_nAgentVol;
    BOOL m_bSpeakDate;
    BOOL m_bSpeakTime;
    int m_nQuietType;
    int m_nTimeFreq;
    COleDateTime m_dtQuietStart; // "QuietTimeStartHour", "QuietTimeStartMin"
    COleDateTime m_dtQuietEnd;   // "QuietTimeEndHour", "QuietTimeEndMin"
    CString m_strPreAlarm;
    CString m_strPreDate;
    CString m_strPreTime;
    CString m_strStartupMsg;
    CString m_strPostTime;
    BOOL m_bAmPm;
    short m_nAgentX;
    short m_nAgentY;
    BOOL m_bEnableEffects;
    BOOL m_bHidePostSpeech;
    BOOL m_bBalloonText;
    BOOL m_bStartupTime;

    // Other values
    BOOL m_bVersCheckBeta;
    int m_nVersCheckInt;
    COleDateTime m_dtLastVersCheck; // kept as it is unless a valid value is stored
    int m_nPropIndex;

    // Section "Configuration"
    WINDOWPLACEMENT m_wndPlacement; // OldMFPosB: valid after Load only when m_bHavePlacement
    BOOL m_bHavePlacement;

    // Operations
public:
    // Reads every value; rcClockWnd is the clock window's rectangle, from which the character's
    // default position comes. Never writes.
    void Load(const RECT& rcClockWnd);
    // Writes "Version", "mainpath", every value of "Clock" but the four kept elsewhere, then the
    // placement in m_wndPlacement, which the caller takes from the window just before.
    void Save() const;

    // Moves a placement's normal rectangle inside the desktop's, keeping its size, and hides it.
    static void FitPlacement(WINDOWPLACEMENT& wp, const RECT& rcDesktop);

    // The seconds to wait before the second attempt at the tray icon, and whether to tell the user.
    static int ReadStartDelay();
    static void WriteStartDelay(int nDelay);
    static BOOL ReadDelayWarn();
    static void WriteDelayWarn(BOOL bWarn);

    // The moment the program last closed; the zero date (1899-12-30) when none is stored.
    static COleDateTime ReadLastShutdown();
    static void WriteLastShutdown(const COleDateTime& dt);

    // Implementation
protected:
    void LoadAgentPosition(const RECT& rcClockWnd);
    void LoadPlacement();
};

// Registry keys and sections shared with the clock window.
extern const TCHAR szSettingsClock[];         // "Clock"
extern const TCHAR szSettingsConfiguration[]; // "Configuration"

#endif // VELMORA_SETTINGS_H
