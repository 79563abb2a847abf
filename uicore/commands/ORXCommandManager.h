// CORXCommandManager: command id to image index, and the commands shown without images in menus.
#ifndef VELMORA_ORXCOMMANDMANAGER_H
#define VELMORA_ORXCOMMANDMANAGER_H

#include <afxwin.h>
#include <afxtempl.h>

#include "ORXWorkspaceBase.h"

class CORXCommandManager
{
    // Construction
public:
    CORXCommandManager();
    virtual ~CORXCommandManager();

    // Operations
public:
    static CORXCommandManager* GetCmdMgr();

    // A command has an image in one of the two maps only; ids 0 and -1 are never recorded.
    void SetCmdImage(UINT uiCmd, int iImage, BOOL bUserImage);
    int GetCmdImage(UINT uiCmd, BOOL bUserImage) const;
    void ClearUserCmdImage(UINT uiCmd);
    void ClearAllCmdImages();

    void EnableMenuItemImage(UINT uiCmd, BOOL bEnable = TRUE);
    BOOL IsMenuItemWithoutImage(UINT uiCmd) const;

    BOOL LoadState(LPCTSTR lpszProfileName = NULL);
    BOOL SaveState(LPCTSTR lpszProfileName = NULL);

    // Implementation
protected:
    CString GetStateKey(LPCTSTR lpszProfileName) const;

    CMap<UINT, UINT, int, int> m_CommandIndex;
    CMap<UINT, UINT, int, int> m_CommandIndexUser;
    CList<UINT, UINT> m_lstCommandsWithoutImages;
};

// The registry section of the bars' and the command manager's state.
extern const CString strORXToolbarProfile;

#endif // VELMORA_ORXCOMMANDMANAGER_H
