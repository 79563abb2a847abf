// CORXToolsPage: the customise sheet's "Tools" page: the user tools, each an external program with
// its arguments and initial directory, edited in place in the user-tools manager.
#ifndef VELMORA_ORXTOOLSPAGE_H
#define VELMORA_ORXTOOLSPAGE_H

#include <afxwin.h>
#include <afxext.h>
#include <afxdlgs.h>

#include "ORXEditListBox.h"

class CORXUserTool;
class CORXToolsPage;

// The tools list: its rows are the manager's tools, made and removed with them.
class CORXToolsList : public CORXEditListBox
{
public:
    CORXToolsList() : m_pParent(NULL) {}
    CORXToolsPage* m_pParent;
    CORXUserTool* GetTool(int iItem) const;

protected:
    virtual void OnSelectionChanged();
    virtual BOOL OnBeforeRemoveItem(int iItem);
    virtual void OnAfterAddItem(int iItem);
    virtual void OnAfterRenameItem(int iItem);
};

class CORXToolsPage : public CPropertyPage
{
    DECLARE_DYNCREATE(CORXToolsPage)

    // Construction
public:
    // The menus (resource ids, 0 for none) that the buttons beside the arguments and the initial
    // directory drop down; a chosen item's string resource is typed into the edit.
    explicit CORXToolsPage(UINT uiArgumentsMenuId = 0, UINT uiInitialDirMenuId = 0);
    virtual ~CORXToolsPage();

    enum
    {
        IDD = 16928
    };

    // Operations
public:
    // Moves the edits into the selected tool (or empties them without one) and enables them.
    void OnUpdateTool();
    CORXUserTool* GetSelectedTool() const;

    // Fields
public:
    CORXToolsList m_wndToolsList;
    CEdit m_wndCommand;
    CEdit m_wndArguments;
    CEdit m_wndInitialDir;
    CButton m_wndBrowseBtn;
    CORXMenuButton m_wndArgumentsMenuBtn;
    CORXMenuButton m_wndInitialDirMenuBtn;
    CString m_strCommand;
    CString m_strArguments;
    CString m_strInitialDirectory;

    // Overrides
protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();

    // Implementation
protected:
    friend class CORXToolsList;
    void OnSelectTool();
    void TypeMenuText(CORXMenuButton& button, CEdit& edit);

    UINT m_uiArgumentsMenuId;
    UINT m_uiInitialDirMenuId;
    HMENU m_hArgumentsMenu;
    HMENU m_hInitialDirMenu;
    BOOL m_bLoading;

    afx_msg void OnBrowseCommand();
    afx_msg void OnEditUpdate();
    afx_msg void OnArgumentsOptions();
    afx_msg void OnInitialDirectoryOptions();
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_ORXTOOLSPAGE_H
