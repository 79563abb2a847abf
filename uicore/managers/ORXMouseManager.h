// CORXMouseManager: the command that a double click runs in each registered view.
#ifndef VELMORA_ORXMOUSEMANAGER_H
#define VELMORA_ORXMOUSEMANAGER_H

#include <afxwin.h>
#include <afxcoll.h>
#include <afxtempl.h>

#include "ORXServices.h"

class CORXMouseManager : public CObject
{
    DECLARE_SERIAL(CORXMouseManager)

public:
    // Constructing the manager makes it the process's one (ORXMouseManager) until it goes.
    CORXMouseManager();
    virtual ~CORXMouseManager();

    virtual void Serialize(CArchive& ar);

    BOOL LoadState(LPCTSTR lpszProfileName = NULL);
    BOOL SaveState(LPCTSTR lpszProfileName = NULL);

    // An application registers its views; the name and the id must both be new.
    BOOL AddView(int iViewId, LPCTSTR lpszViewName, UINT uiIconId = 0);

    UINT GetViewDblClickCommand(int iId) const;
    void SetCommandForDblClick(int iViewId, UINT uiCmd);
    int GetViewIdByName(LPCTSTR lpszName) const;
    void FillViewList(CStringList& listOfNames) const;
    UINT GetViewIconId(int iViewId) const;

protected:
    static BOOL IsBindableCommand(DWORD dwCmd);
    BOOL IsKnownView(int iViewId) const;

    CMap<int, int, UINT, UINT> m_ViewsToCommands;
    CMap<CString, LPCTSTR, int, int> m_ViewsNames;
    CMap<int, int, UINT, UINT> m_ViewsToIcons;
};

// The mouse manager now, NULL while there is none: a role held in the services registry.
inline CORXMouseManager* ORXMouseManager()
{
    return CORXServices::Holder<CORXMouseManager, CORXMouseManager>();
}

// Creates the process's manager for the workspace, which deletes it when it ends.
BOOL ORXInitMouseManager();

#endif // VELMORA_ORXMOUSEMANAGER_H
