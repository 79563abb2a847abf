// CORXWorkspaceBase: what every layer reads of the application's workspace: the registry base of
// the saved UI state, the version of the state being read and which global managers the
// workspace owns. CORXWorkspace adds loading and saving the state on top of the framework.
#ifndef VELMORA_ORXWORKSPACEBASE_H
#define VELMORA_ORXWORKSPACEBASE_H

#include <afxwin.h>

class CORXWorkspaceBase
{
    // Construction
public:
    explicit CORXWorkspaceBase(BOOL bResetAfterLoad = FALSE);
    virtual ~CORXWorkspaceBase();

    // Attributes
public:
    // The workspace of the application, NULL while there is none.
    static CORXWorkspaceBase* GetInstance();

    LPCTSTR SetRegistryBase(LPCTSTR lpszSectionName = NULL);
    LPCTSTR GetRegistryBase() const { return m_strRegSection; }

    // The workspace key below the application's profile key, with the section appended when the
    // section is a non-empty text.
    CString GetRegistrySectionPath(LPCTSTR lpszSectionAdd = _T("")) const;

    // The registry path a saver of the section uses: the explicit path itself when it is one, else
    // the section's own key below the application's profile key (beside the workspace's key).
    static CString BuildRegistryPath(LPCTSTR lpszSection, LPCTSTR lpszPath);

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

protected:
    CString m_strRegSection;
    int m_nSavedVersionMajor;
    int m_nSavedVersionMinor;
    BOOL m_bForceDockStateLoad;
    BOOL m_bLoadSaveFrameBarsOnly;
    BOOL m_bSaveState;
    BOOL m_bResetAfterLoad;
    BOOL m_bAlwaysReset;

    static CORXWorkspaceBase* s_pInstance;
    static PFN_RELEASEMANAGER s_pfnRelease[mgrCount];
};

// TRUE when state saved by the given framework version (or a newer one) is being read, and when
// the saved version is unknown.
BOOL ORXSavedVersionAtLeast(int nMajor, int nMinor);

#endif // VELMORA_ORXWORKSPACEBASE_H
