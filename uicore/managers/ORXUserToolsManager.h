// CORXUserTool and CORXUserToolsManager: external programs that the user adds as commands, with
// their icons, kept in the registry below the workspace.
#ifndef VELMORA_ORXUSERTOOLSMANAGER_H
#define VELMORA_ORXUSERTOOLSMANAGER_H

#include "ORXExtrasHooks.h"

#include <afxwin.h>
#include <afxcoll.h>

class CORXUserTool : public CObject
{
    DECLARE_SERIAL(CORXUserTool)

public:
    CORXUserTool();
    virtual ~CORXUserTool();

    virtual void Serialize(CArchive& ar);
    virtual BOOL Invoke();
    virtual void DrawToolIcon(CDC* pDC, const CRect& rectImage);
    virtual BOOL CopyIconToClipboard();

    void SetCommand(LPCTSTR lpszCmd);
    const CString& GetCommand() const { return m_strCommand; }
    UINT GetCommandId() const { return m_uiCmdId; }
    HICON GetIcon() const { return m_hIcon; }
    BOOL HasDefaultIcon() const { return m_hIcon == GetDefaultIcon(); }

    // The icon every tool without one of its own shows (loaded once, shared).
    static HICON GetDefaultIcon();
    static void ReleaseDefaultIcon();

    CString m_strLabel;
    CString m_strArguments;
    CString m_strInitialDirectory;
    UINT m_uiCmdId;

protected:
    virtual HICON SetToolIcon();
    void DeleteIcon();

    CString m_strCommand;
    HICON m_hIcon;
    static HICON s_hDefaultIcon;
};

class CORXUserToolsManager : public CObject, public CORXUserToolsLink
{
public:
    // uiCmdToolsDummy is the command of the tools' place in a menu; tools take the ids from
    // uiCmdFirst to uiCmdLast. The filter ("description|pattern|...||") and the default extension
    // are those of the file dialog in which the user looks for a tool's program; NULL keeps the
    // framework's (executable files, "exe"). Constructing the manager makes it the process's one
    // (ORXUserToolsManager) until it goes.
    CORXUserToolsManager(UINT uiCmdToolsDummy, UINT uiCmdFirst, UINT uiCmdLast,
                         CRuntimeClass* pToolRTC = RUNTIME_CLASS(CORXUserTool), LPCTSTR lpszFilter = NULL,
                         LPCTSTR lpszDefExt = NULL);
    virtual ~CORXUserToolsManager();

    BOOL LoadState(LPCTSTR lpszProfileName = NULL);
    BOOL SaveState(LPCTSTR lpszProfileName = NULL);

    CORXUserTool* CreateNewTool();
    BOOL RemoveTool(CORXUserTool* pTool);
    CORXUserTool* FindTool(UINT uiCmdId) const;
    const CObList& GetUserTools() const { return m_lstUserTools; }
    int GetMaxTools() const { return (int)(m_uiCmdLast - m_uiCmdFirst + 1); }
    UINT GetFirstCmd() const { return m_uiCmdFirst; }
    UINT GetLastCmd() const { return m_uiCmdLast; }
    const CString& GetFilter() const { return m_strFilter; }
    const CString& GetDefExt() const { return m_strDefExt; }

    // The link through which buttons and bars reach the tools.
    virtual BOOL IsUserToolCmd(UINT uiCmd) const { return FindTool(uiCmd) != NULL; }
    virtual UINT GetToolsEntryCmd() const { return m_uiCmdToolsDummy; }
    virtual BOOL DrawToolIcon(UINT uiCmd, CDC* pDC, const CRect& rect);
    virtual BOOL InvokeTool(UINT uiCmd);
    virtual int GetToolCount() const { return (int)m_lstUserTools.GetCount(); }
    virtual UINT GetToolCmd(int iIndex) const;
    virtual CString GetToolName(int iIndex) const;
    virtual BOOL CopyToolIcon(UINT uiCmd);

protected:
    void RemoveAllTools();

    CObList m_lstUserTools;
    const UINT m_uiCmdToolsDummy;
    const UINT m_uiCmdFirst;
    const UINT m_uiCmdLast;
    CRuntimeClass* m_pToolRTC;
    CString m_strFilter;
    CString m_strDefExt;
};

// The user-tools manager now, NULL while there is none: a role held in the services registry.
inline CORXUserToolsManager* ORXUserToolsManager()
{
    return CORXServices::Holder<CORXUserToolsManager, CORXUserToolsManager>();
}

// Creates the process's manager for the workspace, which deletes it when it ends.
BOOL ORXInitUserToolsManager(UINT uiCmdToolsDummy, UINT uiCmdFirst, UINT uiCmdLast, LPCTSTR lpszFilter = NULL,
                             LPCTSTR lpszDefExt = NULL);

#endif // VELMORA_ORXUSERTOOLSMANAGER_H
