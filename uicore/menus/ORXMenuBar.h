// CORXMenuBar: a frame's menu as a tool bar: each top-level menu is a menu-item button that drops
// its sub-menu as a framework pop-up menu. The bar follows the frame's current menu (its default
// menu or a document template's shared menu), keeps the user's arrangement of each menu in the
// menu store and the registry, and shows the buttons of a maximised child window.
#ifndef VELMORA_ORXMENUBAR_H
#define VELMORA_ORXMENUBAR_H

#include <afxwin.h>
#include <afxext.h>

#include "ORXToolBar.h"

class CORXToolbarMenuButton;
class CORXMenuPage;

// The menu bar's control id, among the frame's control bars.
#define ORX_IDW_MENUBAR 0xE81A

// Timer of the delayed full menus.
const UINT_PTR ORX_MENUBAR_FULLMENU_TIMER = 1;
const UINT ORX_MENUBAR_FULLMENU_DELAY = 5000;

class CORXMenuBar : public CORXToolBar
{
    DECLARE_SERIAL(CORXMenuBar)

    // Construction
public:
    CORXMenuBar();
    virtual ~CORXMenuBar();

    // Overrides of the tool bar
public:
    virtual int OnToolHitTest(CPoint point, TOOLINFO* pTI) const;
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    virtual CSize CalcDynamicLayout(int nLength, DWORD nMode);
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP,
                        UINT nID = ORX_IDW_MENUBAR);
    virtual BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
                          DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP,
                          CRect rcBorders = CRect(1, 1, 1, 1), UINT nID = ORX_IDW_MENUBAR);
    virtual void ResetAllButtons();
    virtual int GetRowHeight() const;
    virtual int GetColumnWidth() const;
    virtual BOOL IsButtonExtraSizeAvailable() const { return FALSE; }
    virtual BOOL AllowChangeTextLabels() const { return FALSE; }
    virtual BOOL CanBeClosed() const { return FALSE; }
    virtual BOOL LoadState(LPCTSTR lpszProfileName = NULL, int nIndex = -1, UINT uiID = (UINT)-1);
    virtual BOOL SaveState(LPCTSTR lpszProfileName = NULL, int nIndex = -1, UINT uiID = (UINT)-1);
    virtual BOOL RestoreOriginalState();
    virtual BOOL OnSetDefaultButtonText(CORXToolbarButton* pButton);
    virtual void SetHighlightedButton(int iButton);
    virtual CSize CalcLayout(DWORD dwMode, int nLength = -1);
    virtual int FindDropIndex(const CPoint point, CRect& rectDrag) const;
    virtual void PlaceButtons();
    virtual BOOL OnSendCommand(const CORXToolbarButton* pButton);
    virtual BOOL IsMenuMode(const CORXToolbarButton* pButton = NULL) const;
    virtual int CalcMaxButtonHeight();
    virtual BOOL PrevMenu();
    virtual BOOL NextMenu();
    virtual BOOL TranslateChar(UINT nChar);

    // Overridables of the menu bar
public:
    // Shows the menu's top-level items. The default menu is the frame's own; the bar owns it (and
    // destroys it) from then on. Other menus (a template's shared menu) stay their owners'.
    virtual void CreateFromMenu(HMENU hMenu, BOOL isDefault = FALSE, BOOL forceUpdate = FALSE);
    virtual void SetDefaultMenuResId(UINT uiResId) { m_uiDefMenuResId = uiResId; }

    // Operations
public:
    static CFont* GetMenuFont(BOOL bHorz = TRUE);
    // Adds or removes the system-menu, minimise, restore and close buttons of a maximised child.
    void SetMaximizeMode(BOOL bMax, CWnd* pWnd = NULL, BOOL bRecalcLayout = TRUE);
    // While the bar is dragged, a thread mouse hook sees the button come up and keeps the bar's
    // floating place on the work area of the monitor it is dropped on; FALSE removes the hook.
    void SetDragHook(BOOL bSet = TRUE);
    static BOOL IsDragHookSet() { return m_hookMouseDrag != NULL; }
    static CORXMenuBar* GetDraggedMenuBar() { return m_pDraggedMenuBar; }
    static LRESULT CALLBACK MenuBarDragHookProc(int nCode, WPARAM wParam, LPARAM lParam);
    // The frame's menu key: Alt or F10 alone (nChar 0) gives the bar the keyboard, or takes it
    // back when the bar has it; Alt with a character drops the menu of that access key. FALSE
    // when the bar had nothing for the key.
    BOOL OnKeyMenu(UINT nChar);
    // Drops the sub-menu of a top-level button with its first item highlighted.
    BOOL DropMenu(int iIndex, BOOL bFromKeyboard = TRUE);
    // Loads one kept menu again from its resource: the template's shared menu (its open children
    // take the new one), or with NULL the default menu. The other menus keep the user's items.
    BOOL RestoreMenu(CMultiDocTemplate* pTemplate);
    // The customise dialog's menu page while it is open (NULL when none).
    void SetMenuPage(CORXMenuPage* pPage) { m_pMenuPage = pPage; }
    CORXMenuPage* GetMenuPage() const { return m_pMenuPage; }

    // Attributes
public:
    HMENU GetMenu() const { return m_hMenu; }
    HMENU GetDefaultMenu() const { return m_hDefaultMenu; }
    UINT GetDefaultMenuResId() const { return m_uiDefMenuResId; }
    CFrameWnd* GetParentFrameWnd() const { return m_pParentWnd; }
    BOOL IsMaximizeMode() const { return m_bMaximizeMode; }
    // The dropped top-level menu's button, or NULL.
    CORXToolbarMenuButton* GetDroppedDownMenu(int* pIndex = NULL) const;
    // A palette button of the bar whose palette is open counts as dropped down as well: it is
    // recorded when the palette opens and forgotten when it closes.
    void SetDroppedPalette(CORXToolbarButton* pButton) { m_pDroppedPalette = pButton; }
    CORXToolbarButton* GetDroppedPalette(int* pIndex = NULL) const;
    // The dropped-down button, a menu's or a palette's; NULL (and -1) when none.
    CORXToolbarButton* GetDroppedDownButton(int* pIndex = NULL) const;
    // Closes the dropped-down button and drops the button at the index instead, once the message in
    // hand is done.
    void SwitchMenuLater(int iButton);
    // Esc while a menu bar's palette is open: the palette closes. FALSE when none was open.
    static BOOL CloseDroppedPalettes();
    static BOOL IsShowAllCommands() { return m_bShowAllCommands; }
    static void SetShowAllCommands(BOOL bShowAll = TRUE) { m_bShowAllCommands = bShowAll; }

    // Fields
public:
    BOOL m_bMenuBarKeepTemplates; // the shared menus of document templates are kept too
    // Titles that are no split buttons (no command with items) show a drop-down arrow (FALSE).
    BOOL m_bMenuButtonArrows;

protected:
    CFrameWnd* m_pParentWnd;
    BOOL m_bMaximizeMode;
    HMENU m_hMenu;
    HMENU m_hDefaultMenu;
    UINT m_uiDefMenuResId;
    CWnd* m_pMaximizedChild;
    HICON m_hSysIcon;
    LONG m_nSystemButtonsNum;
    CSize m_szSystemButton;
    BOOL m_bHaveButtons;
    BOOL m_bAltAlone; // Alt went down on the bar with no other key since
    CORXMenuPage* m_pMenuPage;
    CORXToolbarButton* m_pDroppedPalette;

    static BOOL m_bShowAllCommands;
    static HHOOK m_hookMouseDrag;
    static CORXMenuBar* m_pDraggedMenuBar;
    static const TCHAR m_strMenuProfile[];

    // Implementation
protected:
    BOOL IsChildButton(const CORXToolbarButton* pButton) const;
    void RemoveChildButtons();
    void AddChildButtons();
    void BuildFromMenu(HMENU hMenu);
    // The resource's original items for the menu of the id, saved and loaded with each kept menu.
    BOOL BuildOriginalItems(UINT uiMenuResID);
    // One kept menu loaded again from its resource and stored; FALSE when it could not be loaded.
    BOOL ResetTemplateMenu(CMultiDocTemplate* pTemplate);
    BOOL ResetDefaultMenu();
    void ShowCurrentMenuAgain();
    int NextMenuIndex(int iFrom, int nStep) const;
    void SwitchMenu(int iNew);
    void MeasureChildButton();
    CString GetMenuProfile(LPCTSTR lpszProfileName) const;
    BOOL SetMenuHighlight(int iButton);
    // Drops the button's menu or opens its palette.
    BOOL DropButton(int iIndex, BOOL bFromKeyboard);
    // Closes the bar's open palette; FALSE when none was open.
    BOOL CloseDroppedPalette();

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    afx_msg LRESULT OnSwitchMenu(WPARAM wParam, LPARAM lParam);
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_ORXMENUBAR_H
