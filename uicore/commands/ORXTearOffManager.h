// CORXTearOffManager: control ids for menus torn off into floating bars, carried in item texts.
#ifndef VELMORA_ORXTEAROFFMANAGER_H
#define VELMORA_ORXTEAROFFMANAGER_H

#include <afxwin.h>
#include <afxcoll.h>
#include <afxtempl.h>

#include "ORXServices.h"

// A menu item's text by position, however long it is.
CString ORXMenuItemText(HMENU hMenu, int nPos);

class CORXTearOffManager
{
    // Construction
public:
    CORXTearOffManager();
    virtual ~CORXTearOffManager();

    // The range of ids handed out; an empty or zero range hands out none.
    BOOL Initialize(UINT uiTearOffMenuFirst, UINT uiTearOffMenuLast);

    // Operations
public:
    void Reset(HMENU hmenu = NULL);
    UINT GetFreeTearOffID();
    void SetupTearOffMenus(HMENU hMenu);
    void SetInUse(UINT uiCmdId, BOOL bUse = TRUE);
    UINT Parse(CString& str);
    static void Build(UINT uiTearOffBarID, CString& strText);

    int GetUseCount(UINT uiCmdId) const;

    // Implementation
protected:
    BOOL IsInRange(UINT uiCmdId) const
    {
        return uiCmdId >= m_uiTearOffMenuFirst && uiCmdId <= m_uiTearOffMenuLast;
    }
    // FALSE when the walk must stop because no id is free.
    BOOL SetupMenu(HMENU hMenu);

    UINT m_uiTearOffMenuFirst;
    UINT m_uiTearOffMenuLast;
    CArray<int, int> m_arTearOffIDsUsage;
};

// The tear-off manager the menus use, NULL when none: a role held in the services registry, which
// the application gives a manager and the manager gives up as it goes.
inline CORXTearOffManager* ORXTearOffManager()
{
    return CORXServices::Holder<CORXTearOffManager, CORXTearOffManager>();
}
inline void ORXSetTearOffManager(CORXTearOffManager* pManager)
{
    CORXServices::Hold<CORXTearOffManager>(pManager);
}

#endif // VELMORA_ORXTEAROFFMANAGER_H
