// CCmdTarget, the base of every object that handles commands, and CCmdUI, through which a handler
// enables, checks or renames the menu item or control that issues a command.
#ifndef VELMORA_AFXCMDTARGET_H
#define VELMORA_AFXCMDTARGET_H

#include "afx.h"
#include "AfxMsgMap.h"

class CCmdTarget;
class CWnd;
class CMenu;

// Filled by OnCmdMsg instead of calling, when asked only whether a handler exists.
struct AFX_CMDHANDLERINFO
{
    CCmdTarget* pTarget;
    AFX_PMSG pmf;
};

class CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)
public:
    // Construction
    CCmdTarget();
    virtual ~CCmdTarget();

    // Operations
    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitCursor();

    // Overridables
    // Routes a command (nCode CN_COMMAND or a notification), its command-UI update
    // (CN_UPDATE_COMMAND_UI with a CCmdUI* in pExtra) or a question for a handler (pHandlerInfo).
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    // Implementation
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

    // Calls one handler entry with the arguments its signature wants.
    static BOOL AFXAPI DispatchCmdMsg(CCmdTarget* pTarget, UINT nID, int nCode, AFX_PMSG pfn, void* pExtra,
                                      UINT_PTR nSig, AFX_CMDHANDLERINFO* pHandlerInfo);
};

const AFX_MSGMAP_ENTRY* AFXAPI AfxFindMessageEntry(const AFX_MSGMAP_ENTRY* lpEntry, UINT nMsg, UINT nCode,
                                                   UINT nID);
// Window messages are looked up in a per-thread cache of what each class's maps hold for them.
// Turning it off (for measuring it) makes every message walk the maps again; gives the old setting.
BOOL AFXAPI AfxEnableMsgMapCache(BOOL bEnable);

class CCmdUI
{
public:
    // Attributes
    UINT m_nID;
    UINT m_nIndex;     // menu item or other index
    CMenu* m_pMenu;    // not NULL when updating a menu item
    CMenu* m_pSubMenu; // not NULL when the item opens a pop-up
    CWnd* m_pOther;    // not NULL when updating a control or another window

    // Operations to do in ON_UPDATE_COMMAND_UI
    virtual void Enable(BOOL bOn = TRUE);
    virtual void SetCheck(int nCheck = 1); // 0, 1 or 2 (indeterminate)
    virtual void SetRadio(BOOL bOn = TRUE);
    virtual void SetText(LPCTSTR lpszText);

    // Advanced operation
    void ContinueRouting();

    // Implementation
    CCmdUI();
    virtual ~CCmdUI() {}
    BOOL m_bEnableChanged;
    BOOL m_bContinueRouting;
    UINT m_nIndexMax;
    CMenu* m_pParentMenu;

    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);
};

// Shows the wait cursor for the life of the object.
class CWaitCursor
{
public:
    CWaitCursor();
    ~CWaitCursor();
    void Restore();
};

#endif // VELMORA_AFXCMDTARGET_H
