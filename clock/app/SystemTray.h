// SystemTray.h: CSystemTray, the program's icon in the notification area of the taskbar.
#ifndef VELMORA_SYSTEMTRAY_H
#define VELMORA_SYSTEMTRAY_H

#include <afxwin.h>
#include <afxcoll.h>
#include <afxdisp.h>
#include <shellapi.h>

class CSystemTray;

// Shows the tray menu for a right click; without one the tray shows the framework pop-up menu of its
// menu resource.
typedef void (*TRAYMENUPROC)(CSystemTray* pTray, CWnd* pTarget, LPVOID pParam);

class CSystemTray : public CWnd
{
    DECLARE_DYNAMIC(CSystemTray)

    // Construction
public:
    CSystemTray();
    virtual ~CSystemTray();

    BOOL Create(CWnd* pParent, UINT uCallbackMessage, LPCTSTR pszTip, HICON hIcon, UINT uID,
                BOOL bHidden = FALSE, LPCTSTR pszBalloonTip = NULL, LPCTSTR pszBalloonTitle = NULL,
                DWORD dwBalloonIcon = 0, UINT uBalloonTimeout = 10);

    // Attributes
public:
    enum
    {
        ANIMATION_TIMER_ID = 4567
    };

    BOOL IsEnabled() const { return m_bEnabled; }
    BOOL IsHidden() const { return m_bHidden; }
    BOOL IsRemoved() const { return m_bRemoved; }
    UINT GetIconID() const { return m_nid.uID; }
    CString GetTooltipText() const { return CString(m_nid.szTip); }
    HICON CurrentIcon() const;

    void SetTargetWnd(CWnd* pTarget) { m_pTargetWnd = pTarget; }
    CWnd* GetTargetWnd() const;
    void SetMenuHook(TRAYMENUPROC pfn, LPVOID pParam)
    {
        m_pfnMenu = pfn;
        m_pMenuParam = pParam;
    }
    HMENU GetMenu() const { return m_hMenu; }

    // Read by the tray menu, set by the clock window.
    BOOL m_bClockHidden;
    BOOL m_bAgentMuted;

    // Operations
public:
    BOOL DeleteIcon();
    BOOL ChangeIcon(HICON hIcon);
    BOOL ChangeIcon(UINT nIDResource);
    BOOL ChangeIcon(LPCTSTR pszResource);

    BOOL LoadIconSequence(UINT nFirstID, UINT nLastID);
    BOOL StartIconAnimation(UINT nDelayMilliSeconds, int nSeconds);
    BOOL NextAnimationFrame();
    void EndIconAnimation();
    // Starts a running animation's timer again from now, with the same delay: the clock window
    // lines it up with its own tick so that both are served at one wake-up of the program.
    void RestartAnimationTimer();
    int GetIconCount() const { return (int)m_arIcons.GetSize(); }
    int GetCurrentFrame() const { return m_nCurrentIcon; }

    // Adds the icon again when the taskbar was re-created; see the implementation.
    BOOL ReAddPendingIcon();

    // Shell notification of this icon (lParam the mouse message); 1 when it was this icon's.
    virtual LRESULT HandleTrayMessage(WPARAM wParam, LPARAM lParam);

    // The message the shell broadcasts when the taskbar was created again.
    static UINT GetTaskbarCreatedMessage();

    // Implementation
protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual void ShowTrayMenu(CWnd* pTarget);
    void OnAnimationTimer();
    BOOL ShellNotify(DWORD dwMessage);

    NOTIFYICONDATAA m_nid;
    BOOL m_bEnabled;
    BOOL m_bHidden;
    BOOL m_bRemoved;
    BOOL m_bAddPending;
    UINT m_uCreationFlags;
    CWnd* m_pTargetWnd;
    CPtrArray m_arIcons; // HICON
    UINT_PTR m_uIDTimer;
    int m_nCurrentIcon;
    COleDateTime m_dtStartTime;
    int m_nAnimationPeriod;
    UINT m_nAnimationDelay;
    HICON m_hSavedIcon;
    UINT m_nDefaultMenuItem;
    HMENU m_hMenu;
    TRAYMENUPROC m_pfnMenu;
    LPVOID m_pMenuParam;

    static UINT s_uTaskbarCreated;
};

#endif // VELMORA_SYSTEMTRAY_H
