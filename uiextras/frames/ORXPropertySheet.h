// CORXPropertySheet: a property sheet whose pages can be chosen from a tree of categories instead
// of its tabs.
#ifndef VELMORA_ORXPROPERTYSHEET_H
#define VELMORA_ORXPROPERTYSHEET_H

#include <afxwin.h>
#include <afxdlgs.h>
#include <afxcmn.h>

#include "ORXOutlookBar.h"
#include "ORXPropertyPage.h"

// A node of the page tree: sub-categories and pages, each page shown under one category.
class CORXPropSheetCategory : public CObject
{
    DECLARE_DYNAMIC(CORXPropSheetCategory)
public:
    CORXPropSheetCategory(LPCTSTR lpszName, int nIcon, int nExpandedIcon, CORXPropSheetCategory* pParent);
    virtual ~CORXPropSheetCategory();

    CString m_strName;
    int m_nIcon;
    int m_nExpandedIcon;
    CORXPropSheetCategory* m_pParentCategory;
    CPtrList m_lstSubCategories; // CORXPropSheetCategory*, owned
    CPtrList m_lstPages;         // CORXPropertyPage*
    HTREEITEM m_hTreeItem;
};

class CORXPropertySheet : public CPropertySheet, public CORXPageActivation
{
    DECLARE_DYNAMIC(CORXPropertySheet)
public:
    enum
    {
        idTree = 101,
        nTreeWidth = 150,
        idShortcutBar = 102,
        // The shortcut of page n carries this command plus n.
        idFirstPageShortcut = 0x7F00
    };
    explicit CORXPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0);
    virtual ~CORXPropertySheet();

    // The tree: categories (under pParent, NULL at the root) and the pages in them. Pages are
    // added to the sheet as well.
    CORXPropSheetCategory* AddTreeCategory(LPCTSTR lpszName, int nIcon = -1, int nExpandedIcon = -1,
                                           CORXPropSheetCategory* pParent = NULL);
    void AddPageToTree(CORXPropSheetCategory* pCategory, CORXPropertyPage* pPage, int nIcon = -1,
                       int nSelectedIcon = -1);
    virtual BOOL Create(CWnd* pParentWnd = NULL, DWORD dwStyle = (DWORD)-1, DWORD dwExStyle = 0);
    CTreeCtrl& GetTree() { return m_wndTree; }
    // The category a page is shown under, NULL when none.
    CORXPropSheetCategory* CategoryOf(CPropertyPage* pPage) const;
    // Before Create: the pages are chosen from a shortcut bar, one shortcut a page, instead of the
    // tree.
    void EnableShortcutBar(BOOL bEnable = TRUE) { m_bUseShortcutBar = bEnable; }
    CORXOutlookBar& GetShortcutBar() { return m_wndShortcutBar; }
    virtual void OnActivatePage(CPropertyPage* pPage);

    // The shortcut bar hands its clicks to the sheet; the sheet, not the command routing, decides
    // its buttons' states.
    class CShortcutBar : public CORXOutlookBar
    {
    public:
        CORXPropertySheet* m_pSheet = NULL;
        virtual BOOL OnSendCommand(const CORXToolbarButton* pButton);
        virtual void OnUpdateCmdUI(CFrameWnd*, BOOL) {}
    };

    int m_nActivePage;
    CTreeCtrl m_wndTree;
    HWND m_hwndTree;
    BOOL m_bIsInSelectTree;
    CShortcutBar m_wndShortcutBar;

protected:
    struct PageEntry
    {
        CORXPropertyPage* pPage;
        CORXPropSheetCategory* pCategory;
        int nIcon;
        int nSelectedIcon;
        HTREEITEM hItem;
    };
    const PageEntry* EntryOf(CPropertyPage* pPage) const;
    void BuildTree(CORXPropSheetCategory* pCategory, HTREEITEM hParent);
    CString PageCaption(CPropertyPage* pPage);
    void RefreshCategory(CORXPropSheetCategory* pCategory, BOOL bExpand);

    CPtrList m_lstTreeCategories; // root categories, owned
    CPtrList m_lstPageEntries;    // PageEntry*, owned
    BOOL m_bUseShortcutBar;

    BOOL CreateShortcutBar(const CRect& rect);
    // The active page's shortcut checked and scrolled into view.
    void FollowActivePage();

    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    afx_msg LRESULT OnAfterActivatePage(WPARAM wParam, LPARAM lParam);
    void OnSelectTree(NMTREEVIEW* pNMTreeView);
    void OnGetDispInfo(NMTVDISPINFO* pDispInfo);
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_ORXPROPERTYSHEET_H
