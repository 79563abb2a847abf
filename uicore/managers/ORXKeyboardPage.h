// CORXKeyboardPage: the customise dialog's page that binds keys to commands in the frame's
// accelerator table, and CORXMenuCategories, the command categories it builds from a menu when no
// customise sheet gives it any.
#ifndef VELMORA_ORXKEYBOARDPAGE_H
#define VELMORA_ORXKEYBOARDPAGE_H

#include <afxwin.h>
#include <afxext.h>
#include <afxdlgs.h>
#include <afxcoll.h>

#include "ORXKeyAssign.h"

// Each top-level menu is a category of the commands below it (its sub-menus included), in menu
// order and each command once; one category of all commands comes last. A category's list holds
// CORXToolbarButton objects that the categories own.
class CORXMenuCategories
{
    // Construction
public:
    CORXMenuCategories();
    ~CORXMenuCategories();

    // Operations
public:
    void Build(HMENU hMenu);
    void RemoveAll();
    // Adds every category (without bAddEmpty only those with a command) to the combo box, each
    // item's data its button list; the number of items added.
    int FillComboBox(CComboBox& wndCategory, BOOL bAddEmpty) const;

    // Attributes
public:
    int GetCount() const { return (int)m_arNames.GetSize(); }
    CString GetName(int i) const { return m_arNames[i]; }
    CObList* GetButtons(int i) const { return (CObList*)m_arLists[i]; }
    // The command's text without access-key marks and without the key text after a tab.
    static CString GetMenuItemText(HMENU hMenu, int iPos);
    // A command that can be bound: not a separator, not a sub-menu, not withheld from customising.
    static BOOL IsRealCommand(UINT uiCmd);

    // Implementation
protected:
    void AddCommands(HMENU hMenu, CObList* pList, CObList* pAll, int nDepth);
    static BOOL HasCommand(const CObList* pList, UINT uiCmd);

    CStringArray m_arNames;
    CPtrArray m_arLists;

private:
    CORXMenuCategories(const CORXMenuCategories&);
    CORXMenuCategories& operator=(const CORXMenuCategories&);
};

class CORXKeyboardPage : public CPropertyPage
{
    DECLARE_DYNCREATE(CORXKeyboardPage)

    // Construction
public:
    // The frame whose table the page edits; NULL means the application's main window.
    explicit CORXKeyboardPage(CFrameWnd* pParentFrame = NULL);
    virtual ~CORXKeyboardPage();

    enum
    {
        IDD = 16136 // the "Keyboard" dialog of the framework's resources
    };

    // Operations (what the buttons do once the user has agreed)
public:
    // Binds the key to the selected command in the target's table and installs the new table;
    // a binding the key had before is replaced. FALSE without a command, a target or a key.
    BOOL AssignKey(const ACCEL& accel);
    // Removes the key selected in the current-keys list from the target's table.
    BOOL RemoveSelectedKey();
    // Every table back to its resource, the frame told, the page refreshed; nothing without the
    // keyboard manager.
    void ResetAllKeys();
    // Selects a category or a command by its position, as a click in the lists does.
    void SelectCategory(int iIndex);
    void SelectCommand(int iIndex);

    // Attributes
public:
    CFrameWnd* GetFrame() const;
    UINT GetSelectedCommand() const;
    int GetCategoryCount() const { return m_wndCategoryList.GetCount(); }
    int GetCommandCount() const { return m_wndCommandsList.GetCount(); }
    int GetCurrentKeyCount() const { return m_wndCurrentKeysList.GetCount(); }
    CString GetCurrentKey(int i) const;
    // The command the table binds the key to, 0 when none.
    UINT FindKeyCommand(const ACCEL& accel) const;

    // Overrides
protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();

    // Implementation
protected:
    void FillCategories();
    void CopyTargetTable();
    // The chosen target: a document template or the frame; NULL when none.
    CObject* GetTarget() const;
    HACCEL GetTargetTable() const;
    // The target takes the new table; a table it refuses is destroyed.
    BOOL InstallTargetTable(HACCEL hAccelNew);
    void ShowCurrentKeys();
    void ShowAssignedTo(UINT uiCmd, const CString& strKey);
    void UpdateButtons();
    CString GetCommandText(UINT uiCmd) const;

    CComboBox m_wndCategoryList;
    CListBox m_wndCommandsList;
    CComboBox m_wndViewTypeList;
    CListBox m_wndCurrentKeysList;
    CORXKeyAssign m_wndNewKey;
    CString m_strDescription;

    CFrameWnd* m_pParentFrame;
    CORXMenuCategories m_categories;
    // The target's table as the page last copied it.
    ACCEL* m_lpAccel;
    int m_nAccelSize;

    afx_msg void OnSelchangeCategory();
    afx_msg void OnSelchangeCommandsList();
    afx_msg void OnSelchangeCurrentKeysList();
    afx_msg void OnSelchangeViewType();
    afx_msg void OnUpdateNewShortcutKey();
    afx_msg void OnAssign();
    afx_msg void OnRemove();
    afx_msg void OnResetAll();
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_ORXKEYBOARDPAGE_H
