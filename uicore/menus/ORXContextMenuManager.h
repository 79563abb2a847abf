// CORXContextMenuManager: the application's context menus, known by resource id and by name, shown
// as the framework's pop-up menus, with their customised items saved and loaded with the UI state.
#ifndef VELMORA_ORXCONTEXTMENUMANAGER_H
#define VELMORA_ORXCONTEXTMENUMANAGER_H

#include <afxwin.h>
#include <afxcoll.h>
#include <afxtempl.h>

#include "ORXServices.h"

class CORXPopupMenu;

// A window that routes the commands of the menus it opens itself (the framework's dialog bases):
// the context-menu manager shows it no pop-up menu unless the caller takes the commands.
class CORXMenuRoutingWnd
{
public:
    virtual ~CORXMenuRoutingWnd() {}
    virtual BOOL RoutesOwnMenus() const { return TRUE; }
    // The menu opened from the window that takes its keys and clicks now, NULL when none is open.
    virtual void SetMenuOpenedHere(CORXPopupMenu* pMenu) {}
};

class CORXContextMenuManager : public CObject
{
    // Construction
public:
    // The first manager made becomes the process-wide one and hears the commands of the menus it
    // shows in return-command mode.
    CORXContextMenuManager();
    virtual ~CORXContextMenuManager();

    // Operations
public:
    // Loads the menu resource and knows it under the name; FALSE when the resource is missing or
    // the id or the name is known already.
    BOOL AddMenu(LPCTSTR lpszName, UINT uiMenuResId);

    // Shows the first sub-menu of the menu known under the resource id; TRUE when a pop-up menu was
    // made. x and y both -1 place it 5 pixels right and down from the owner's client origin.
    BOOL ShowPopupMenu(UINT uiMenuResId, int x, int y, CWnd* pWndOwner, BOOL ownMessages = FALSE,
                       BOOL rightAlign = FALSE);
    // Shows a pop-up menu for a menu handle; NULL when none was made. The handle stays the
    // caller's, except on NT before 5 with autoDestroy cleared, where the pop-up menu destroys it
    // when it closes.
    virtual CORXPopupMenu* ShowPopupMenu(HMENU hmenuPopup, int x, int y, CWnd* pWndOwner,
                                         BOOL ownMessages = FALSE, BOOL autoDestroy = TRUE,
                                         BOOL rightAlign = FALSE);
    // Shows the menu in return-command mode and waits until it closes: the chosen command, or 0
    // when the menu closed without one. The menu handle stays the caller's.
    UINT TrackPopupMenu(HMENU hmenuPopup, int x, int y, CWnd* pWndOwner, BOOL bRightAlign = FALSE);

    void GetMenuNames(CStringList& listOfNames) const;
    HMENU GetMenuByName(LPCTSTR lpszName, UINT* puiOrigResID = NULL) const;
    HMENU GetMenuById(UINT uiMenuResId) const;

    // The customised items of every known menu, below the profile (or the workspace's registry
    // base) in the manager's own section.
    virtual BOOL LoadState(LPCTSTR lpszProfileName = NULL);
    virtual BOOL SaveState(LPCTSTR lpszProfileName = NULL);

    // Attributes
public:
    BOOL IsReturnCommand() const { return m_bTrackMode; }
    void SetReturnCommand(BOOL bSet) { m_bTrackMode = bSet; }
    UINT GetChosenCommand() const { return m_nLastCommandID; }
    void SetChosenCommand(UINT uiCmd) { m_nLastCommandID = uiCmd; }
    CString GetSectionPath(LPCTSTR lpszProfileName) const;

    // Implementation
protected:
    CMap<UINT, UINT, HMENU, HMENU> m_Menus;
    CMapStringToPtr m_MenuNames; // name to HMENU
    UINT m_nLastCommandID;
    BOOL m_bTrackMode;

    // The menus it tracks report the command chosen in them.
    friend class CORXPopupMenuBar;
    static void OnChosenCommand(UINT uiCmd);
};

// The process-wide manager, NULL when none has been made: the services registry holds it.
inline CORXContextMenuManager* ORXContextMenuManager()
{
    return CORXServices::Find<CORXContextMenuManager>();
}

#endif // VELMORA_ORXCONTEXTMENUMANAGER_H
