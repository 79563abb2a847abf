// CORXWorkspace: the framework's per-application anchor: loads, saves and cleans the saved UI state of
// the bars, menus and managers below the registry base it keeps.
#ifndef VELMORA_ORXWORKSPACE_H
#define VELMORA_ORXWORKSPACE_H

#include <afxwin.h>
#include <afxext.h>

#include "ORXCleanUp.h"
#include "ORXWorkspaceBase.h"

class CORXWorkspace : public CORXWorkspaceBase
{
    // Construction
public:
    explicit CORXWorkspace(BOOL bResetAfterLoad = FALSE);
    virtual ~CORXWorkspace();

    // Attributes
public:
    static CORXWorkspace* GetInstance();

    // Operations
public:
    // The saved UI state below the workspace's key. A section first replaces the registry base.
    // All three are refused (FALSE) while the base is empty: the key would be the program's own.
    // Loading answers TRUE once it ran, whether or not anything was saved. Saving answers FALSE
    // when saving is disabled or when a part of the state could not be written, else TRUE.
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
    // Whether a placement read back is one a window could have had (LoadWindowPlacement refuses
    // any other whole).
    static BOOL IsPlacementSound(const CRect& rect, int nFlags, int nShowCmd);

    // The main window's placement: taken from the window and stored, or read and applied. A
    // placement is applied only when it was read and makes sense, shown normal or maximised.
    BOOL SaveWindowPlacement(CWnd* pWnd);
    BOOL RestoreWindowPlacement(CWnd* pWnd);

    // TRUE when every bar the state docks is a bar of the frame.
    static BOOL IsDockStateValid(CFrameWnd* pFrame, const CDockState& state);

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
    // The beep of a double click without a command; tests listen in.
    typedef BOOL(WINAPI* PFN_MESSAGEBEEP)(UINT);
    static PFN_MESSAGEBEEP s_pfnMessageBeep;
};

// What a frame helper keeps with its frame's state: its own bar lists, loaded (bSave FALSE) or
// saved under the workspace's key. Each frame helper registers it with CORXServices and answers
// FALSE for frames not its own.
class CORXFrameStateLink
{
public:
    virtual ~CORXFrameStateLink() {}
    virtual BOOL LoadSaveFrameBars(CFrameWnd* pFrame, LPCTSTR lpszSection, BOOL bSave) = 0;
};

#endif // VELMORA_ORXWORKSPACE_H
