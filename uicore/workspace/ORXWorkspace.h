// CORXWorkspace: the framework's per-application anchor holding the registry base of saved UI state.
#ifndef VELMORA_ORXWORKSPACE_H
#define VELMORA_ORXWORKSPACE_H

#include <afxwin.h>

class CORXWorkspace
{
    // Construction
public:
    explicit CORXWorkspace(BOOL bResetAfterLoad = FALSE);
    virtual ~CORXWorkspace();

    // Attributes
public:
    static CORXWorkspace* GetInstance();

    LPCTSTR SetRegistryBase(LPCTSTR lpszSectionName = NULL);
    LPCTSTR GetRegistryBase() const { return m_strRegSection; }

    // The workspace key below the application's profile key, with the section appended when the
    // section is a non-empty text.
    CString GetRegistrySectionPath(LPCTSTR lpszSectionAdd = _T("")) const;

    BOOL IsSavingEnabled() const { return m_bSaveState; }
    void EnableSaving(BOOL bEnable) { m_bSaveState = bEnable; }

    int GetSavedVersionMajor() const { return m_nSavedVersionMajor; }
    int GetSavedVersionMinor() const { return m_nSavedVersionMinor; }

    // The profile sections of the frame's dock layout and of the sizing bars' sizes: relative to
    // the application's profile key, as the profile functions expect them (a full path would nest
    // the program's key inside itself).
    CString GetControlBarsSection() const { return m_strRegSection + _T("\\ControlBars"); }
    CString GetSizingBarsSection() const { return m_strRegSection + _T("\\SizingBars"); }

    BOOL IsResetAfterLoad() const { return m_bResetAfterLoad; }
    BOOL IsAlwaysReset() const { return m_bAlwaysReset; }
    void SetAlwaysReset(BOOL bAlwaysReset) { m_bAlwaysReset = bAlwaysReset; }
    void SetForceDockStateLoad(BOOL bForce) { m_bForceDockStateLoad = bForce; }
    void SetLoadSaveFrameBarsOnly(BOOL bFrameOnly) { m_bLoadSaveFrameBarsOnly = bFrameOnly; }

    // Operations
public:
    // The saved UI state below the workspace's key. A section first replaces the registry base.
    // Saving and cleaning are refused while the base is empty: the key would be the program's own.
    virtual BOOL LoadState(LPCTSTR lpszSectionName = NULL, CFrameWnd* pFrame = NULL);
    virtual BOOL CleanState(LPCTSTR lpszSectionName = NULL);
    virtual BOOL SaveState(LPCTSTR lpszSectionName = NULL, CFrameWnd* pFrame = NULL);
    // Runs the command that the mouse manager binds to a double click in the view; FALSE (with a
    // beep when the view has no command) when nothing ran.
    virtual BOOL OnViewDoubleClick(CWnd* pWnd, int iViewId);
    // The context menu of the menu resource at the screen point for the owner, through the
    // context-menu manager; FALSE without one.
    virtual BOOL ShowPopupMenu(UINT uiMenuResId, const CPoint& point, CWnd* pWnd);
    virtual BOOL OnContextHelp(CWnd* pWnd, const DWORD* dwHelpIDArray);
    virtual BOOL SaveFrameState(CFrameWnd* pFrame) { return SaveState(NULL, pFrame); }

    virtual BOOL LoadWindowPlacement(CRect& rectNormalPosition, int& nFlags, int& nShowCmd);
    virtual BOOL StoreWindowPlacement(const CRect& rectNormalPosition, int nFlags, int nShowCmd);

    // The main window's placement: taken from the window and stored, or read and applied. A
    // placement is applied only when it was read and makes sense, shown normal or maximised.
    BOOL SaveWindowPlacement(CWnd* pWnd);
    BOOL RestoreWindowPlacement(CWnd* pWnd);

    // Overridables
protected:
    virtual void OnHook(LPVOID) {}
    virtual void PreLoadState() {}
    virtual void LoadCustomState() {}
    virtual void PreSaveState() {}
    virtual void SaveCustomState() {}

    // The bars the state covers: windows that exist, of the frame when only its bars count, and
    // neither temporary bars nor bars of a dialog.
    BOOL IsStateBar(CControlBar* pBar, CFrameWnd* pFrame, BOOL bToolBar) const;

    // Implementation
public:
    // Which global managers this workspace created and therefore deletes. Each creator of a global
    // manager sets its flag when it hands the manager to the workspace.
    enum Manager
    {
        mgrKeyboard,
        mgrContextMenu,
        mgrMouse,
        mgrUserTools,
        mgrTearOff,
        mgrReserved,
        mgrCount
    };
    BOOL m_bManagerCreated[mgrCount];

    // How a global manager is released when the workspace owns it; set by the code that creates
    // the manager. Left empty, the flag alone deletes nothing.
    typedef void (*PFN_RELEASEMANAGER)();
    static void SetManagerRelease(Manager nManager, PFN_RELEASEMANAGER pfnRelease);

    // The beep of a double click without a command; tests listen in.
    typedef BOOL(WINAPI* PFN_MESSAGEBEEP)(UINT);
    static PFN_MESSAGEBEEP s_pfnMessageBeep;

protected:
    CString m_strRegSection;
    int m_nSavedVersionMajor;
    int m_nSavedVersionMinor;
    BOOL m_bForceDockStateLoad;
    BOOL m_bLoadSaveFrameBarsOnly;
    BOOL m_bSaveState;
    BOOL m_bResetAfterLoad;
    BOOL m_bAlwaysReset;

    static CORXWorkspace* s_pInstance;
    static PFN_RELEASEMANAGER s_pfnRelease[mgrCount];
};

// The framework's global clean-up: called once by the application after its main window has
// ended. Each part of the framework that keeps process-wide resources registers its release step
// with a rank; the steps run in ascending rank order, each at most once per registration.
void ORXCleanUpGlobals();

typedef void (*PFN_ORXCLEANUP)();
enum
{
    ORXCLEANUP_GLOBALDATA = 10, // menu-sound worker, brushes, fonts, visual-styles library
    ORXCLEANUP_MENUSTORE = 20,  // temporary menu files
    ORXCLEANUP_TOOLBARS = 30,   // class-wide image lists, command images, usage counts
    ORXCLEANUP_SMALLIMAGES = 40,
    ORXCLEANUP_COMMANDMANAGER = 50,
    ORXCLEANUP_KEYBOARD = 60,
    ORXCLEANUP_VISUALMANAGER = 70
};
void ORXRegisterCleanUp(int nRank, PFN_ORXCLEANUP pfn);

// The frame helpers' own bar lists, loaded (bSave FALSE) or saved with the frame's state under the
// workspace's key; set by the frames, NULL without them. FALSE when the frame has no helper.
extern BOOL (*g_pfnORXFrameBarsState)(CFrameWnd* pFrame, LPCTSTR lpszSection, BOOL bSave);

#endif // VELMORA_ORXWORKSPACE_H
