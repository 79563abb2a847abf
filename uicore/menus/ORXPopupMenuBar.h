// CORXPopupMenuBar: the item bar inside every pop-up menu: a tool bar laid out as a vertical menu of
// menu-item buttons and separators, imported from a menu handle.
#ifndef VELMORA_ORXPOPUPMENUBAR_H
#define VELMORA_ORXPOPUPMENUBAR_H

#include <afxwin.h>
#include <afxext.h>
#include <afxtempl.h>

#include "ORXTearOffManager.h"
#include "ORXToolBar.h"

class CORXToolbarMenuButton;
class CORXPopupMenu;

// The timers of the delayed opening and closing of sub-menus.
const UINT_PTR ORX_SUBMENU_OPEN_TIMER = 1;
const UINT_PTR ORX_SUBMENU_CLOSE_TIMER = 2;

class CORXPopupMenuBar : public CORXToolBar
{
    DECLARE_SERIAL(CORXPopupMenuBar)
    friend class CORXPopupMenu;

    // Construction
public:
    CORXPopupMenuBar();
    virtual ~CORXPopupMenuBar();

    // Overrides of the tool bar
public:
    virtual int OnToolHitTest(CPoint point, TOOLINFO* pTI) const;
    virtual BOOL IsButtonExtraSizeAvailable() const { return FALSE; }
    virtual void SetButtonStyle(int nIndex, UINT nStyle);
    virtual BOOL OnSetDefaultButtonText(CORXToolbarButton* pButton);
    virtual void OnFillBackground(CDC* pDC);
    virtual CSize CalcSize(BOOL bVertDock);
    virtual void SetHighlightedButton(int iButton);
    virtual void DrawDragMarker(CDC* pDC);
    virtual CWnd* GetCommandTarget() const;
    virtual DROPEFFECT OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual int FindDropIndex(const CPoint point, CRect& rectDrag) const;
    virtual void PlaceButtons();
    virtual BOOL OnSendCommand(const CORXToolbarButton* pButton);
    virtual BOOL AllowHighlightDisabled() const { return m_bHighlightDisabledItems; }
    virtual BOOL AllowShowOnList() const { return FALSE; }
    virtual void DrawSeparator(CDC* pDC, const CRect& rect, BOOL bHorz);
    virtual CORXToolbarButton* CreateDroppedButton(COleDataObject* pDataObject);
    virtual BOOL OnKey(UINT nChar);
    virtual BOOL EnableContextMenuItems(CORXToolbarButton* pButton, CMenu* pPopup);
    virtual BOOL AllowAltCustomization() const { return FALSE; }
    virtual BOOL AllowDragInMenuMode() const { return TRUE; }
    // The image size of the bar the items follow, else the menus' image size.
    virtual CSize GetImageSize() const;
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler);
    virtual void AdjustLayout();
    // The height of one item row: the cell the items are measured against, so that scrolling by
    // rows moves the items by whole items.
    virtual int GetRowHeight() const;

    // Operations
public:
    BOOL ImportFromMenu(HMENU hMenu, BOOL showAll = FALSE);
    HMENU ExportToMenu() const;
    void InvokeMenuCommand(UINT uiCmdId, const CORXToolbarButton* pMenuItem);
    void SetInCommand(BOOL bInCommand = TRUE);
    BOOL IsInCommand() const { return m_bInCommand; }
    void CloseDelayedSubMenu();
    // Opens the item's sub-menu after the show delay times the factor.
    void StartPopupMenuTimer(CORXToolbarMenuButton* pMenuButton, int nDelayFactor = 1);
    // Sets the items' enabled and checked states from the target's update handlers alone.
    void UpdateItemsFromHandlers(CCmdTarget* pTarget);

    // Attributes
public:
    CORXPopupMenu* GetPopupMenu() const;
    UINT GetDefaultMenuId() const { return m_uiDefaultMenuCmdId; }
    int GetFirstVisible() const { return m_iOffset; }
    void SetFirstVisible(int iOffset) { m_iOffset = iOffset < 0 ? 0 : iOffset; }
    BOOL AreAllCommandsShown() const { return m_bAreAllCommandsShown; }
    BOOL IsReturnCommand() const { return m_bTrackMode; }
    void SetReturnCommand(BOOL bSet) { m_bTrackMode = bSet; }
    void SetMaxWidth(int nMaxWidth) { m_nMaxWidth = nMaxWidth; }
    int GetMaxWidth() const { return m_nMaxWidth; }
    void SetLocked(BOOL bLocked) { m_bLocked = bLocked; }
    CORXToolbarMenuButton* GetDelayedOpenItem() const { return m_pDelayedPopupMenuButton; }
    CORXToolbarMenuButton* GetDelayedCloseItem() const { return m_pDelayedClosePopupMenuButton; }
    // The command a hidden item's upper-case access letter runs; 0 when none.
    UINT GetHiddenItemCommand(UINT uiLetter) const;

    // The menu show delay in milliseconds from the text of the setting: digits give their value up
    // to 5000; a missing value (NULL) or one that is no number gives 500; negative values give 0.
    static int ParseMenuShowDelay(LPCTSTR lpszValue);
    static int GetMenuShowDelay();
    static void ResetMenuShowDelay() { m_nMenuShowDelay = -1; }
    static int GetLastCommandIndex() { return m_iLastCommandIndex; }

    // Fields, in the order of the class's published layout
protected:
    CORXToolBar* m_pRelatedToolbar;
    UINT m_uiDefaultMenuCmdId;
    CORXToolbarMenuButton* m_pDelayedPopupMenuButton;
    CORXToolbarMenuButton* m_pDelayedClosePopupMenuButton;
    BOOL m_bFirstClick;
    BOOL m_bFirstMove;
    int m_iOffset;
    int m_xSeparatorOffsetLeft;
    int m_xSeparatorOffsetRight;
    BOOL m_bAreAllCommandsShown;
    int m_nMaxWidth;
    CUIntArray m_arColumns;
    CMap<UINT, UINT, UINT, UINT> m_HiddenItemsAccel;
    BOOL m_bInCommand;
    BOOL m_bTrackMode;

    static int m_nMenuShowDelay;
    static int m_iLastCommandIndex;

public:
    // Disabled items are highlighted under the mouse too (off by default).
    static BOOL m_bHighlightDisabledItems;
    // The bar whose image sizes and images the items follow (a locked bar whose chevron opened
    // the menu); NULL: the menus' own.
    void SetRelatedToolbar(CORXToolBar* pBar) { m_pRelatedToolbar = pBar; }
    CORXToolBar* GetRelatedToolbar() const { return m_pRelatedToolbar; }

protected:
    // Implementation
protected:
    CList<UINT, UINT> m_lstHiddenDisabled; // the hidden items' commands that the menu had disabled

    // A hidden item's command is refused when its menu or its update handler disables it.
    BOOL IsHiddenItemDisabled(UINT uiCmd) const;
    CORXToolbarMenuButton* FindOpenSubMenuItem() const;
    void ProcessEnterKey(CORXToolbarMenuButton* pItem);
    void MoveHighlight(int iNew);
    CSize MeasureItem(CDC* pDC, CORXToolbarButton* pButton, const CSize& sizeDefault) const;
    // The cell every item is measured against: the menu-mode button size and a pixel all round,
    // at least as high as a row of the bar's font.
    CSize GetItemCellSize() const;
    // A pending item that is still one of the bar's (the items may have been rebuilt or removed).
    BOOL IsOwnItem(const CORXToolbarButton* pButton) const
    {
        return pButton != NULL && ButtonToIndex(pButton) >= 0;
    }
    CORXToolBar* GetTopMenuOpener() const;
    // The window that prepares a menu before it is imported (WM_INITMENUPOPUP): the menu's owner,
    // else the framework's main frame, the top-level frame or the application's main window.
    CWnd* GetMenuPreparer() const;
    // A command of the chevron's menu goes to the hidden button it stands for.
    BOOL InvokeThroughChevron(const CORXToolbarButton* pMenuItem);
    void ForwardMouse(UINT message, UINT nFlags, CPoint point);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    afx_msg void OnToolbarText();
    afx_msg void OnToolbarImageAndText();
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_ORXPOPUPMENUBAR_H
