// CORXToolbarMenuButton: a button that owns a sub-menu of buttons: a tool-bar button with a drop-down
// arrow, a title on a menu bar or an item of a pop-up menu. CORXShowAllButton: the item at the
// bottom of a pop-up menu that shows its rarely used items.
#ifndef VELMORA_ORXTOOLBARMENUBUTTON_H
#define VELMORA_ORXTOOLBARMENUBUTTON_H

#include <afxwin.h>
#include <afxext.h>
#include <afxtempl.h>

#include "ORXToolBar.h"
#include "ORXToolbarButton.h"

class CORXPopupMenu;
class CORXPopupMenuBar;
class CORXToolBar;

class CORXToolbarMenuButton : public CORXToolbarButton, public CORXMenuDropper
{
    DECLARE_SERIAL(CORXToolbarMenuButton)

    // Construction
public:
    CORXToolbarMenuButton();
    CORXToolbarMenuButton(UINT uiID, HMENU hMenu, int iImage, LPCTSTR lpszText = NULL,
                          BOOL bUserButton = FALSE);
    virtual ~CORXToolbarMenuButton();

    // Overrides of the button
public:
    virtual void Serialize(CArchive& ar);
    virtual void CopyFrom(const CORXToolbarButton& src);
    virtual void OnDraw(CDC* pDC, const CRect& rect, CORXToolbarImageList* pImages, BOOL bHorz = TRUE,
                        BOOL bCustomizeMode = FALSE, BOOL bHighlight = FALSE, BOOL bDrawBorder = TRUE,
                        BOOL bGrayDisabledButtons = TRUE);
    virtual SIZE OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz);
    virtual BOOL OnClick(CWnd* pWnd, BOOL bDelay = TRUE);
    virtual void OnChangeParentWnd(CWnd* pWndParent);
    virtual void OnCancelMode();
    virtual BOOL IsDroppedDown() const;
    virtual void ResetImageToDefault();
    virtual BOOL CompareWith(const CObject& other) const;
    virtual void SetRadio();
    // In context-help mode the menu opens at once.
    virtual BOOL OnContextHelp(CWnd* pWnd) { return OnClick(pWnd, FALSE); }
    // The customise lists' row, with a separator and the drop-down arrow at its right end.
    virtual int OnDrawOnCustomizeList(CDC* pDC, const CRect& rect, BOOL bSelected);
    // A menu button about to be dragged closes its menu first.
    virtual BOOL OnBeforeDrag() const;
    // Dropped by an Alt drag: the menus it was dragged through close.
    virtual void OnAfterAltDrag();

    // Overridables of menu buttons
public:
    virtual BOOL OpenPopupMenu(CWnd* pWnd = NULL);
    virtual void CreateFromMenu(HMENU hMenu);
    virtual HMENU CreateMenu() const;
    virtual CORXPopupMenu* CreatePopupMenu();
    virtual BOOL IsEmptyMenuAllowed() const { return FALSE; }
    virtual BOOL IsTearOffMenu() const { return m_uiTearOffBarID != 0; }
    virtual void SetTearOff(UINT uiBarID);

    // How a bar moves an open menu along
public:
    virtual CWnd* GetDroppedMenuWnd() const;
    virtual BOOL HasMenu() const { return !m_bMenuMode || !m_listCommands.IsEmpty() || m_nID == (UINT)-1; }
    virtual int SwitchMenuAnimation(int nKind) const;

    // Attributes
public:
    const CObList& GetCommands() const { return m_listCommands; }
    CORXPopupMenu* GetPopupMenu() const { return m_pPopupMenu; }
    CWnd* GetParentWnd() const { return m_pWndParent; }
    UINT GetTearOffBarID() const { return m_uiTearOffBarID; }
    BOOL IsDrawDownArrow() const { return m_bDrawDownArrow; }
    BOOL IsClickedOnArrow() const { return m_bClickedOnMenu; }
    BOOL IsMenuItem() const { return m_bMenuMode; }
    // The pop-up menu tells its button that it is gone.
    void OnPopupClosed(CORXPopupMenu* pMenu)
    {
        if (m_pPopupMenu == pMenu)
            m_pPopupMenu = NULL;
    }
    void SetPopupMenu(CORXPopupMenu* pMenu) { m_pPopupMenu = pMenu; }
    void SetMessageWnd(CWnd* pWnd) { m_pWndMessage = pWnd; }
    void RemoveAllItems();
    // The item takes the button.
    void AddItem(CORXToolbarButton* pButton) { m_listCommands.AddTail(pButton); }

    // Fields, in the order of the class's published layout
protected:
    CObList m_listCommands;
    BOOL m_bDrawDownArrow;
    BOOL m_bMenuMode;
    CORXPopupMenu* m_pPopupMenu;
    CWnd* m_pWndParent;

public:
    BOOL m_bDefault;

protected:
    BOOL m_bClickedOnMenu;
    BOOL m_bHorzMenu;
    BOOL m_bToBeClosed;

public:
    BOOL m_bMenuOnly;

protected:
    UINT m_uiTearOffBarID;
    BOOL m_bIsRadio;
    CWnd* m_pWndMessage;

public:
    BOOL m_bOpenToRight;

    // Implementation
protected:
    void RedrawInParent();
    void DrawMenuItem(CDC* pDC, const CRect& rect, CORXToolbarImageList* pImages, BOOL bCustomizeMode,
                      BOOL bHighlight);
    // The extent of the drop-down arrow across the bar.
    int GetArrowExtent() const;
};

class CORXShowAllButton : public CORXToolbarMenuButton
{
    DECLARE_DYNCREATE(CORXShowAllButton)

public:
    CORXShowAllButton() {}
    virtual void OnDraw(CDC* pDC, const CRect& rect, CORXToolbarImageList* pImages, BOOL bHorz = TRUE,
                        BOOL bCustomizeMode = FALSE, BOOL bHighlight = FALSE, BOOL bDrawBorder = TRUE,
                        BOOL bGrayDisabledButtons = TRUE);
    virtual SIZE OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz);
    virtual BOOL OnClick(CWnd* pWnd, BOOL bDelay = TRUE);
    // The tip names the key that shows every item as well.
    virtual BOOL OnToolHitTest(const CWnd* pWnd, TOOLINFO* pTI);
    virtual FaceKind GetFaceKind() const { return faceShowAll; }
};

// The chevron at the end of a tool bar: a menu of the bar's buttons that do not fit and the
// customise command.
class CCustomizeButton : public CORXToolbarMenuButton, public CORXChevron
{
    DECLARE_SERIAL(CCustomizeButton)

public:
    CCustomizeButton();
    CCustomizeButton(int iCustomizeCmdId, const CString& strCustomizeText);
    virtual ~CCustomizeButton();

    virtual void OnChangeParentWnd(CWnd* pWndParent);
    virtual SIZE OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz);
    virtual void OnDraw(CDC* pDC, const CRect& rect, CORXToolbarImageList* pImages, BOOL bHorz = TRUE,
                        BOOL bCustomizeMode = FALSE, BOOL bHighlight = FALSE, BOOL bDrawBorder = TRUE,
                        BOOL bGrayDisabledButtons = TRUE);
    virtual CORXPopupMenu* CreatePopupMenu();
    virtual BOOL IsEmptyMenuAllowed() const { return TRUE; }
    virtual void OnCancelMode();
    virtual void CopyFrom(const CORXToolbarButton& src);
    // A command chosen in the chevron's menu: runs the hidden button it stands for.
    virtual BOOL InvokeCommand(CORXPopupMenuBar* pMenuBar, const CORXToolbarButton* pButton);

    // The owner bar's buttons that do not fit (not owned).
    virtual void ClearInvisibleButtons() { m_lstInvisibleButtons.RemoveAll(); }
    virtual void AddInvisibleButton(CORXToolbarButton* pButton) { m_lstInvisibleButtons.AddTail(pButton); }
    virtual BOOL HasInvisibleButtons() const { return !m_lstInvisibleButtons.IsEmpty(); }
    virtual BOOL HasCustomizeCommand() const { return m_iCustomizeCmdId > 0; }
    virtual BOOL IsNoRoom() const { return m_bIsEmpty; }
    virtual void SetNoRoom(BOOL bNoRoom) { m_bIsEmpty = bNoRoom; }
    const CObList& GetInvisibleButtons() const { return m_lstInvisibleButtons; }
    CORXToolBar* GetOwnerBar() const { return m_pWndParentToolbar; }

protected:
    int m_iCustomizeCmdId;
    CString m_strCustomizeText;
    CORXToolBar* m_pWndParentToolbar;
    BOOL m_bIsEmpty;
    BOOL m_bDefaultDraw;
    BOOL m_bOnRebar;
    BOOL m_bRedrawOwner;
    CObList m_lstInvisibleButtons;
    BOOL m_bMenuRightAlign;
    BOOL m_bShowMenuTitle;
    // The hidden button behind each item of the last menu made (NULL for separators and the
    // customise command).
    CArray<CORXToolbarButton*, CORXToolbarButton*> m_arMenuTargets;
};

// The icon of a maximised child window on the menu bar: opens the child's system menu.
class CORXToolbarSystemMenuButton : public CORXToolbarMenuButton
{
    DECLARE_SERIAL(CORXToolbarSystemMenuButton)

public:
    CORXToolbarSystemMenuButton();
    CORXToolbarSystemMenuButton(HMENU hSystemMenu, HICON hIconDoc);

    virtual SIZE OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz);
    virtual void OnDraw(CDC* pDC, const CRect& rect, CORXToolbarImageList* pImages, BOOL bHorz = TRUE,
                        BOOL bCustomizeMode = FALSE, BOOL bHighlight = FALSE, BOOL bDrawBorder = TRUE,
                        BOOL bGrayDisabledButtons = TRUE);
    virtual void CreateFromMenu(HMENU hMenu);
    virtual HMENU CreateMenu() const;
    virtual void OnDblClick(CWnd* pWnd);
    virtual void OnCancelMode();
    virtual void CopyFrom(const CORXToolbarButton& src);
    virtual BOOL IsSystemMenuDropper() const { return TRUE; }

    HMENU GetSysMenu() const { return m_hSysMenu; }

protected:
    HICON m_hSysMenuIcon;
    HMENU m_hSysMenu;
};

// The minimise, restore and close buttons of a maximised child window on the menu bar.
class CORXToolbarMenuButtonsButton : public CORXToolbarButton
{
    DECLARE_SERIAL(CORXToolbarMenuButtonsButton)

public:
    CORXToolbarMenuButtonsButton() : m_uiSystemCommand(0) {}
    explicit CORXToolbarMenuButtonsButton(UINT uiCmdId);

    virtual SIZE OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz);
    virtual void OnDraw(CDC* pDC, const CRect& rect, CORXToolbarImageList* pImages, BOOL bHorz = TRUE,
                        BOOL bCustomizeMode = FALSE, BOOL bHighlight = FALSE, BOOL bDrawBorder = TRUE,
                        BOOL bGrayDisabledButtons = TRUE);
    virtual void CopyFrom(const CORXToolbarButton& src);

    UINT m_uiSystemCommand;
};

#endif // VELMORA_ORXTOOLBARMENUBUTTON_H
