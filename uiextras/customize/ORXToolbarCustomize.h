// CORXToolbarCustomize: the user's customise sheet (commands, tool bars, tools, the core's keyboard
// and menu pages, mouse, options). While its window exists it is the core's customise sheet and the
// bars are in customise mode.
#ifndef VELMORA_ORXTOOLBARCUSTOMIZE_H
#define VELMORA_ORXTOOLBARCUSTOMIZE_H

#include <afxwin.h>
#include <afxext.h>
#include <afxdlgs.h>
#include <afxcoll.h>

#include "ORXExtrasHooks.h"

class CORXToolbarButton;
class CORXToolBar;
class CORXCustomizePage;
class CORXToolbarsPage;
class CORXOptionsPage;
class CORXMousePage;
class CORXToolsPage;
class CORXKeyboardPage;
class CORXMenuPage;
class CORXButtonAppearanceProvider;

class CORXToolbarCustomize : public CPropertySheet, public CORXCustomizeSheet
{
    DECLARE_DYNAMIC(CORXToolbarCustomize)

    // Construction
public:
    enum
    {
        ShowTextLabels = 0x02, // the Toolbars page offers the text-labels check box
        ShowLook2000 = 0x04,   // the Options page offers the Look 2000 check box
        ContextHelp = 0x20     // context help on the controls
    };
    // The categories come from the frame's menu when bAutoSetFromMenus is set; the Tools page's
    // menu buttons offer the menus of the two resource ids (0: the button is hidden).
    CORXToolbarCustomize(CFrameWnd* pParentFrame, BOOL bAutoSetFromMenus = TRUE,
                         UINT uiFlags = ShowTextLabels | ShowLook2000, UINT uiArgumentsMenuId = 0,
                         UINT uiInitialDirMenuId = 0);
    virtual ~CORXToolbarCustomize();

    // A modeless sheet, which deletes itself when its window goes.
    virtual BOOL Create();

    // Operations
public:
    // The button (a copy) joins the category, and the all-commands category unless a button of
    // its command is there already.
    void AddButton(LPCTSTR lpszCategory, const CORXToolbarButton& button);
    // Each pop-up of the menu becomes a category of its commands (sub-menus included).
    void AddMenuCommands(HMENU hMenu);
    void EnableUserDefinedToolbars(BOOL bEnable = TRUE) { m_bUserToolbars = bEnable; }

    void FillCategoriesList(CListBox& wndCategory, BOOL bAll = TRUE) const;
    virtual BOOL FillCategoriesComboBox(CComboBox& wndCategory, BOOL bAddEmpty = TRUE);
    virtual void FillAllCommandsList(CListBox& wndListOfCommands) const;
    LPCTSTR GetCommandName(UINT uiCmd) const;
    static int CountCommandsWithText(LPCTSTR lpszText, const CObList& lstButtons);

    // The core's bars tell the sheet about bars that appear or disappear.
    virtual void ShowToolBar(CORXToolBar* pBar, BOOL bShow);
    // A button image edited while the sheet is open: the Edit Button Image dialog, owned by the
    // window that asks; FALSE when the user cancelled it.
    virtual BOOL OnEditToolbarMenuImage(CWnd* pWndParent, CBitmap& bitmap, int nBitsPerPixel);

    // Attributes
public:
    CFrameWnd* GetParentFrame() const { return m_pParentFrame; }
    UINT GetFlags() const { return optionFlags; }
    const CString& GetAllCommandsName() const { return m_strAllCommands; }
    const CStringList& GetCategoryNames() const { return m_lstCategories; }
    // The category's buttons, NULL when there is no such category.
    CObList* GetCategoryButtons(LPCTSTR lpszCategory) const;
    // The sheet whose window is open, NULL when none is.
    static CORXToolbarCustomize* GetActiveSheet();

    CORXCustomizePage* GetCommandsPage() const { return m_pCustomizePage; }
    CORXToolbarsPage* GetToolbarsPage() const { return toolbarsPage; }
    CORXOptionsPage* GetOptionsPage() const { return m_pOptionsPage; }
    CORXMousePage* GetMousePage() const { return m_pMousePage; }
    CORXToolsPage* GetToolsPage() const { return m_pToolsPage; }
    CORXKeyboardPage* GetKeyboardPage() const { return m_pKeyboardPage; }
    CORXMenuPage* GetMenuPage() const { return m_pMenuPage; }

    // Implementation
protected:
    CObList* GetOrAddCategory(const CString& strName);
    void AddMenuLevel(HMENU hMenu, const CString& strCategory, int nDepth);
    void RemoveButtons();
    // Back out of customise mode and out of the core's view; every path that ends the window or
    // the object comes here.
    void Leave();

    virtual void PostNcDestroy();
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    CMapStringToOb m_ButtonsByCategory;
    CStringList m_lstCategories;
    CString m_strAllCommands;
    CFrameWnd* m_pParentFrame;

    UINT optionFlags;
    BOOL m_bUserToolbars;
    BOOL m_bAutoDelete;
    BOOL m_bRegistered;

    CORXCustomizePage* m_pCustomizePage;
    CORXToolbarsPage* toolbarsPage;
    CORXToolsPage* m_pToolsPage;
    CORXKeyboardPage* m_pKeyboardPage;
    CORXMenuPage* m_pMenuPage;
    CORXMousePage* m_pMousePage;
    CORXOptionsPage* m_pOptionsPage;
    // The Button Appearance dialog offered to the tool bars while the sheet lives, unless the
    // application offers one already.
    CORXButtonAppearanceProvider* m_pAppearance;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnHelp(WPARAM wParam, LPARAM lParam);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg LRESULT OnCloseSheet(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetButtons(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_ORXTOOLBARCUSTOMIZE_H
