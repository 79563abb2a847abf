// CORXToolBar: the framework's tool bar, a control bar that lays out, paints and hit-tests its own
// buttons; the base of the pop-up menu's item bar and the menu bar.
#ifndef VELMORA_ORXTOOLBAR_H
#define VELMORA_ORXTOOLBAR_H

#include <afxwin.h>
#include <afxext.h>
#include <afxtempl.h>

#include "ORXBarNcPainter.h"
#include "ORXBarSettings.h"
#include "ORXToolbarButton.h"
#include "ORXToolbarImageList.h"

class CORXToolBar;
class CORXRegistry;
class CORXToolBarDropTarget;
class CORXToolbarDropSource;

// Bitmap resource ids of a tool bar's image roles (0 = none).
class CORXToolBarImageIds
{
public:
    CORXToolBarImageIds() { memset(m_uiIds, 0, sizeof(m_uiIds)); }
    enum
    {
        Cold = 0,
        Images = 1,
        Disabled = 2,
        LargeCold = 3,
        Large = 4,
        LargeDisabled = 5,
        Menu = 6,
        DisabledMenu = 7,
        Count = 8
    };
    UINT m_uiIds[Count];
};

// The command-UI object of one button of a bar.
class CORXToolCmdUI : public CCmdUI
{
public:
    virtual void Enable(BOOL bOn);
    virtual void SetCheck(int nCheck);
    virtual void SetRadio(BOOL bOn);
    virtual void SetText(LPCTSTR lpszText);
};

// The library's registered messages.
extern UINT ORX_WM_TOOLBAR_POPUPMENU;
extern UINT ORX_WM_TOOLBAR_CUSTOMIZE;
extern UINT ORX_WM_TOOLBAR_CREATE;
extern UINT ORX_WM_TOOLBAR_DELETE;
extern UINT ORX_WM_TOOLBAR_CUSTOMIZEHELP;
extern UINT ORX_WM_TOOLBAR_RESETTOOLBAR;
extern UINT ORX_WM_TOOLBAR_RESETMENU;
extern UINT ORX_WM_TOOLBAR_SHOWREGULARMENU;
extern UINT ORX_WM_TOOLBAR_RESETCONTEXTMENU;
extern UINT ORX_WM_TOOLBAR_RESETKEYBOARD;

// The replacement of TrackMouseEvent: WM_MOUSELEAVE is posted once the cursor left the window.
BOOL ORXTrackMouse(LPTRACKMOUSEEVENT lpEventTrack);

// The timer of the mouse-leave replacement: an id of its own, apart from the ids the pop-up
// item bars and the menu bar use for their delays.
const UINT_PTR ORX_TRACKMOUSE_TIMER = 0x4F52;

// The chevron at the far end of a bar as the bar's layout sees it: the chevron itself is a menu
// button and lives with the menus.
class CORXChevron
{
public:
    virtual ~CORXChevron() {}
    virtual void ClearInvisibleButtons() = 0;
    virtual void AddInvisibleButton(CORXToolbarButton* pButton) = 0;
    virtual BOOL HasInvisibleButtons() const = 0;
    virtual BOOL HasCustomizeCommand() const = 0;
    virtual BOOL IsNoRoom() const = 0;
    virtual void SetNoRoom(BOOL bNoRoom) = 0;
};

// A button that drops a menu, as a bar that moves an open menu along sees it: the menu buttons
// implement it.
class CORXMenuDropper
{
public:
    virtual ~CORXMenuDropper() {}
    // The window of the open pop-up menu, NULL while it is closed.
    virtual CWnd* GetDroppedMenuWnd() const = 0;
    // The system-menu button of a maximised child window.
    virtual BOOL IsSystemMenuDropper() const { return FALSE; }
    // Sets the class-wide opening animation of menus and answers the kind it replaced.
    virtual int SwitchMenuAnimation(int nKind) const = 0;
    // FALSE for an item of a pop-up menu that opens no sub-menu: in customise mode it is dragged
    // at once rather than opened.
    virtual BOOL HasMenu() const { return TRUE; }
};

// Makes a menu button for a bar that adds one (the customise menu's new menu): the menu buttons
// live with the menus, which register their maker with the services.
class CORXMenuButtonMaker
{
public:
    virtual ~CORXMenuButtonMaker() {}
    virtual CORXToolbarButton* CreateMenuButton() = 0;
};

class CORXToolBar : public CControlBar
{
    DECLARE_SERIAL(CORXToolBar)
    friend class CORXToolCmdUI;

    // Construction
public:
    CORXToolBar();
    virtual ~CORXToolBar();

    // Overridables, in the order of the class's published layout
public:
    virtual void Serialize(CArchive& ar);
    virtual int OnToolHitTest(CPoint point, TOOLINFO* pTI) const;
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    virtual CSize CalcDynamicLayout(int nLength, DWORD nMode);
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler);
    virtual DWORD RecalcDelayShow(AFX_SIZEPARENTPARAMS* lpLayout);
    virtual void DoPaint(CDC* pDC);
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP,
                        UINT nID = AFX_IDW_TOOLBAR);
    virtual BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
                          DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP,
                          CRect rcBorders = CRect(1, 1, 1, 1), UINT nID = AFX_IDW_TOOLBAR);
    virtual void ResetAllButtons();
    virtual BOOL LoadBitmap(UINT uiResID, UINT uiColdResID = 0, UINT uiMenuResID = 0, BOOL bLocked = FALSE,
                            UINT uiDisabledResID = 0, UINT uiMenuDisabledResID = 0);
    virtual BOOL LoadToolBar(UINT uiResID, UINT uiColdResID = 0, UINT uiMenuResID = 0, BOOL bLocked = FALSE,
                             UINT uiDisabledResID = 0, UINT uiMenuDisabledResID = 0, UINT uiHotResID = 0);
    virtual BOOL LoadBitmapEx(CORXToolBarImageIds& params, BOOL bLocked = FALSE);
    virtual BOOL LoadToolBarEx(UINT uiToolbarResID, CORXToolBarImageIds& params, BOOL bLocked = FALSE);
    virtual void RemoveAllButtons();
    virtual int GetRowHeight() const;
    virtual int GetColumnWidth() const;
    virtual BOOL IsButtonExtraSizeAvailable() const { return TRUE; }
    virtual void Deactivate();
    virtual BOOL RestoreFocus();
    virtual BOOL IsModifiedFromOriginal() const { return m_bIsModified; }
    virtual void GetItemRect(int nIndex, LPRECT lpRect) const;
    virtual void GetInvalidateItemRect(int nIndex, LPRECT lpRect) const;
    virtual void SetButtonStyle(int nIndex, UINT nStyle);
    virtual BOOL AllowChangeTextLabels() const { return TRUE; }
    virtual BOOL LoadState(LPCTSTR lpszProfileName = NULL, int nIndex = -1, UINT uiID = (UINT)-1);
    virtual BOOL SaveState(LPCTSTR lpszProfileName = NULL, int nIndex = -1, UINT uiID = (UINT)-1);
    virtual BOOL RemoveStateFromRegistry(LPCTSTR lpszProfileName = NULL, int nIndex = -1,
                                         UINT uiID = (UINT)-1);
    virtual BOOL CanBeRestored() const { return m_uiOriginalResID != 0; }
    virtual BOOL CanBeClosed() const { return !m_bPermament; }
    virtual BOOL RestoreOriginalState();
    virtual void OnReset() {}
    virtual void AdjustLayout();
    virtual int HitTest(CPoint point);
    virtual BOOL TranslateChar(UINT nChar);
    virtual BOOL PrevMenu();
    virtual BOOL NextMenu();
    virtual BOOL OnSetDefaultButtonText(CORXToolbarButton* pButton);
    virtual void OnFillBackground(CDC* pDC) {}
    virtual void OnGlobalFontsChanged();
    virtual CSize CalcSize(BOOL bVertDock);
    virtual void SetHighlightedButton(int iButton);
    virtual CSize CalcLayout(DWORD dwMode, int nLength = -1);
    virtual BOOL DrawButton(CDC* pDC, CORXToolbarButton* pButton, CORXToolbarImageList* pImages,
                            BOOL bHighlighted, BOOL bDrawDisabledImages);
    virtual void DrawDragMarker(CDC* pDC);
    virtual CWnd* GetCommandTarget() const;
    // Drag and drop of buttons in customise mode.
    virtual BOOL OnDrop(COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point);
    virtual DROPEFFECT OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual void OnDragLeave();
    virtual DROPEFFECT OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    // The index a button dropped at the point takes, and the marker that shows it; -1 (and an
    // empty marker) when the point is no place for a button.
    virtual int FindDropIndex(const CPoint point, CRect& rectDrag) const;
    virtual void PlaceButtons();
    virtual BOOL OnSendCommand(const CORXToolbarButton* pButton) { return FALSE; }
    virtual BOOL AllowHighlightDisabled() const { return FALSE; }
    virtual BOOL AllowShowOnList() const { return TRUE; }
    virtual void DrawSeparator(CDC* pDC, const CRect& rect, BOOL bHorz);
    virtual CORXToolbarButton* CreateDroppedButton(COleDataObject* pDataObject);
    virtual BOOL OnKey(UINT nChar) { return FALSE; }
    virtual void OnCustomizeMode(BOOL bSet);
    virtual BOOL EnableContextMenuItems(CORXToolbarButton* pButton, CMenu* pPopup);
    virtual BOOL IsMenuMode(const CORXToolbarButton* pButton = NULL) const { return m_bMenuMode; }
    virtual void ShowCommandMessageString(UINT uiCmdId);
    virtual int CalcMaxButtonHeight();
    virtual BOOL GetButtonToolTipText(const CORXToolbarButton* pButton, CString& strTTText) const;
    virtual BOOL AllowAltCustomization() const { return TRUE; }
    // TRUE: in customise mode the items are dragged off the bar even while it is in menu mode (a
    // pop-up menu's items are; the menu bar's titles are not).
    virtual BOOL AllowDragInMenuMode() const { return FALSE; }
    // The resource's own items, kept to follow a resource that changed since the state was saved.
    virtual BOOL SaveOriginalState(CORXRegistry& reg);
    virtual BOOL LoadOriginalState(CORXRegistry& reg);
    virtual BOOL MergeWithOriginalItems(const CObList& lstOrigButtons);
    virtual CORXToolBar* GetCommandTargetBar() { return this; }
    // Lays the buttons out in rows for a length and answers the bar's size for a docking mode; a
    // bar that arranges its items otherwise replaces it.
    virtual CSize WrapButtons(int nLength, DWORD dwMode);

    // Attributes
public:
    static const CObList& GetAllToolbars() { return gAllToolbars; }
    int GetCount() const { return (int)m_Buttons.GetCount(); }
    CORXToolbarButton* GetButton(int iIndex) const;
    int CommandToIndex(UINT nIDFind, int iIndexFirst = 0) const;
    int ButtonToIndex(const CORXToolbarButton* pButton) const;
    UINT GetItemID(int nIndex) const;
    UINT GetButtonStyle(int nIndex) const;
    CString GetButtonText(int nIndex) const;
    const CObList& GetAllButtons() const { return m_Buttons; }
    static int GetCommandButtons(UINT uiCmd, CObList& listButtons);
    int GetHighlightedButtonIndex() const { return m_iHighlighted; }
    // The hot button, NULL when none is.
    CORXToolbarButton* GetHighlightedButton() const { return GetButton(m_iHighlighted); }
    // The bar's chevron, NULL when it has none.
    CORXChevron* GetChevron() const { return dynamic_cast<CORXChevron*>(m_pCustomizeBtn); }
    // The first menu button whose menu is dropped down, and its index; NULL (and -1) when none.
    CORXToolbarButton* GetDroppedDownMenu(int* pIndex = NULL) const;
    static BOOL IsMenuButton(const CORXToolbarButton* pButton)
    {
        return dynamic_cast<const CORXMenuDropper*>(pButton) != NULL;
    }
    // TRUE when the bar's id lies in its frame's range of user-defined tool bars.
    BOOL IsUserDefined() const;
    int GetPressedButtonIndex() const { return m_iButtonCapture; }
    // The button being dragged from this bar in customise mode, NULL when none.
    CORXToolbarButton* GetDragButton() const { return m_pDragButton; }
    BOOL IsLocked() const { return m_bLocked; }
    BOOL IsHorizontal() const { return (m_dwStyle & CBRS_ORIENT_HORZ) != 0; }
    UINT GetResourceID() const { return m_uiOriginalResID; }
    BOOL AreTextLabels() const { return m_bTextLabels; }

    CSize GetButtonSize() const;
    virtual CSize GetImageSize() const;
    CSize GetLockedImageSize() const
    {
        return m_bLargeIconsAreEnbaled ? m_sizeCurImageLocked : m_sizeImageLocked;
    }
    static CSize GetMenuImageSize();
    static CSize GetMenuButtonSize();
    // The class-wide image size for the large-icons setting (buttons size their labels with it).
    static CSize GetImageSizeInForce() { return m_bLargeIcons ? m_sizeCurImage : m_sizeImage; }
    static int GetDefaultImage(UINT uiID);
    // The image each command had when its bar was loaded, before any customising.
    static const CMap<UINT, UINT, int, int>& GetDefaultImages() { return m_DefaultImages; }
    static BOOL IsCustomizeMode() { return CORXBarSettings::IsCustomizeMode(); }
    static COLORREF GetHotTextColor() { return CORXBarSettings::GetHotTextColor(); }
    static COLORREF GetDefaultTextColor() { return CORXBarSettings::GetDefaultTextColor(); }
    static BOOL IsLargeIcons() { return m_bLargeIcons; }

    static CORXToolbarImageList& GetImages();
    static CORXToolbarImageList& GetColdImages();
    static CORXToolbarImageList& GetMenuImages();
    static CORXToolbarImageList& GetDisabledImages();
    static CORXToolbarImageList& GetDisabledMenuImages();
    static CORXToolbarImageList& GetLargeImages();
    static CORXToolbarImageList& GetLargeColdImages();
    static CORXToolbarImageList& GetLargeDisabledImages();
    static CORXToolbarImageList* GetUserImages() { return m_pUserImages; }
    // A locked bar's own images and menu images.
    CORXToolbarImageList* GetLockedImages() { return &m_ImagesLocked; }
    CORXToolbarImageList* GetLockedMenuImages() { return &m_MenuImagesLocked; }
    static void SetUserImages(CORXToolbarImageList* pUserImages) { m_pUserImages = pUserImages; }

    // Operations
public:
    BOOL SetButtons(const UINT* lpIDArray, int nIDCount, BOOL bRemapImages = TRUE);
    static void SetSizes(SIZE sizeButton, SIZE sizeImage);
    void SetLockedSizes(SIZE sizeButton, SIZE sizeImage);
    static void SetLargeIcons(BOOL bLargeIcons = TRUE);
    static void SetCustomizeMode(BOOL bSet = TRUE);
    static void SetMouseHook(BOOL bSet = TRUE);
    // Every tool bar goes into (or out of) context-help mode.
    static void SetHelpMode(BOOL bOn = TRUE) { SetMouseHook(bOn); }
    static BOOL IsMouseHookInstalled() { return m_hookMouseHelp != NULL; }
    void EnableLargeIcons(BOOL bEnable) { m_bLargeIconsAreEnbaled = bEnable; }
    void EnableTextLabels(BOOL bEnable = TRUE);
    void SetPermament(BOOL bPermament = TRUE) { m_bPermament = bPermament; }

    // The bar takes the button when it answers an index; -1 leaves it with the caller.
    int InsertButton(CORXToolbarButton* pButton, INT_PTR iInsertAt = -1);
    int InsertButtonCopy(const CORXToolbarButton& button, INT_PTR iInsertAt = -1);
    int InsertSeparator(INT_PTR iInsertAt = -1);
    BOOL RemoveButton(int iIndex);
    CORXToolbarButton* InvalidateButton(int nIndex);
    void UpdateButton(int nIndex);
    BOOL ProcessCommand(CORXToolbarButton* pButton);
    // Opens a menu button's menu with its first item highlighted; FALSE for other buttons.
    BOOL DropDownMenu(CORXToolbarButton* pButton);
    // The button becomes the one whose menu is dropped down (NULL: none).
    void SetDroppedDownButton(CORXToolbarButton* pButton);
    int WrapToolBar(int nWidth, int nHeight = 32767);
    void SizeToolBar(int nLength, BOOL bVert = FALSE);

    static void AddBasicCommand(UINT uiCmd);
    static BOOL IsBasicCommand(UINT uiCmd) { return CORXBarSettings::IsBasicCommand(uiCmd); }
    // FALSE for commands that are always shown; else TRUE when the command is not used often.
    static BOOL IsCommandRarelyUsed(UINT uiCmd);
    // The drop source of every drag of a button, for the customise pages' drags as well.
    static COleDropSource* GetButtonDropSource();

    // The class-wide settings and the usage counts, below "ORXToolbarParameters".
    static BOOL LoadParameters(LPCTSTR lpszProfileName = NULL);
    static BOOL SaveParameters(LPCTSTR lpszProfileName = NULL);

    const CObList& GetOriginalItems() const { return m_OrigButtons; }
    static void SetNonPermittedCommands(CList<UINT, UINT>& lstCommands);
    static BOOL IsCommandPermitted(UINT uiCmd) { return m_lstUnpermittedCommands.Find(uiCmd) == NULL; }
    static void CleanUp();

    // Implementation
protected:
    friend class CORXBarNcPainter;
    friend class CORXToolBarDropTarget;
    // A drag of the button from this bar in customise mode, and what becomes of it afterwards.
    void DragButton(int iButton, CPoint point, UINT nFlags);
    void AdjustSeparatorOnMove(int iButton, CPoint ptStart, CPoint ptDrop);
    // The selected button for a customise command, or NULL.
    CORXToolbarButton* GetCustomizeSelection() const;
    void AfterCustomizeCommand();
    BOOL GiveButtonText(CORXToolbarButton* pButton);
    BOOL GiveButtonImage(CORXToolbarButton* pButton, BOOL bText);
    // The Button Appearance dialog for a button of this bar (bExisting: one the bar has already),
    // with the bar's menu-mode answer for it; IDCANCEL without the dialog.
    INT_PTR RunButtonAppearance(CORXToolbarButton* pButton, BOOL bExisting);
    static CORXToolbarDropSource& GetDropSource();
    // Without OLE started the registration fails and the bar takes no drops.
    void RegisterDropTarget();
    void RevokeDropTarget();
    void DeleteDropTarget();
    void RebuildAccelerationKeys();
    CString GetStateKey(LPCTSTR lpszProfileName, int nIndex, UINT uiID) const;
    CFont* GetBarFont() const;
    CSize GetCellSize() const { return CSize(GetColumnWidth(), GetRowHeight()); }
    void ChooseImageLists(CORXToolbarImageList*& pImages, CORXToolbarImageList*& pCold,
                          CORXToolbarImageList*& pDisabled, CORXToolbarImageList*& pMenu,
                          CORXToolbarImageList*& pMenuDisabled);
    void SendIdleMessage();
    CSize CalcInsideSize(BOOL bHorz) const;
    static LRESULT CALLBACK ToolBarMouseProc(int nCode, WPARAM wParam, LPARAM lParam);
    // The menu button next to iFrom in the direction (-1, 1), enabled, wrapping round; -1 when none.
    int FindMenuButton(int iFrom, int nStep) const;
    // Moves the open menu to the button at the index, its first item highlighted when asked.
    void MoveDroppedMenu(int iButton, BOOL bFirstItem);
    void UpdateReBarBand();

    // Fields, in the order of the class's published layout
protected:
    CORXToolbarImageList m_ImagesLocked;
    CORXToolbarImageList m_ColdImagesLocked;
    CORXToolbarImageList m_DisabledImagesLocked;
    CORXToolbarImageList m_LargeImagesLocked;
    CORXToolbarImageList m_LargeColdImagesLocked;
    CORXToolbarImageList m_LargeDisabledImagesLocked;
    CORXToolbarImageList m_MenuImagesLocked;
    CORXToolbarImageList m_DisabledMenuImagesLocked;

    BOOL m_bLocked;
    BOOL m_bLargeIconsAreEnbaled;
    CORXBarNcPainter* m_pNcPainter;

public:
    // Set by no framework code: TRUE keeps the bar off the customise sheet's list of bars.
    BOOL m_bNoListed;
    BOOL m_bPermament;
    BOOL m_bTextLabels;

protected:
    BOOL m_bFixedRowHeight;
    int m_nFixedRowHeight;

    CSize m_sizeButtonLocked;
    CSize m_sizeImageLocked;
    CSize m_sizeCurButtonLocked;
    CSize m_sizeCurImageLocked;

    int m_iButtonCapture;
    int m_iHighlighted;
    int m_iSelected;
    int m_iHot;

    CObList m_Buttons;
    CObList m_OrigButtons;
    BOOL m_bIsModified;

    int m_iDragIndex;
    CRect m_rectDrag;
    CPen m_penDrag;
    CORXToolbarButton* m_pDragButton;
    CPoint m_ptStartDrag;
    BOOL m_bIsDragCopy;
    BOOL m_bStretchButton;
    CRect m_rectTrack;

    int m_iImagesOffset;
    UINT m_uiOriginalResID;

    BOOL m_bTracked;
    CPoint m_ptLastMouse;

    BOOL m_bMenuMode;

    CWnd* m_pWndLastCapture;
    HWND m_hwndLastFocus;

    BOOL m_bUpdateChildControls;
    BOOL m_bFrameTarget;

    CMap<UINT, UINT, CORXToolbarButton*, CORXToolbarButton*> m_AcellKeys;

    BOOL m_bDrawBorders;
    BOOL m_bGrayDisabledButtons;
    BOOL m_bNoTextUpdate;

    CORXToolbarButton* m_pCustomizeBtn;
    CORXToolBarDropTarget* m_pDropTarget;

    // Class-wide data
    static CSize m_sizeButton;
    static CSize m_sizeImage;
    static CSize m_sizeCurButton;
    static CSize m_sizeCurImage;
    static CSize m_sizeMenuImage;
    static CSize m_sizeMenuButton;

    static CMap<UINT, UINT, int, int> m_DefaultImages;
    static CList<UINT, UINT> m_lstUnpermittedCommands;
    // The class-wide settings below are CORXBarSettings' own, named here as the bars know them.
    static CList<UINT, UINT>& m_lstBasicCommands;

    static BOOL m_bLargeIcons;
    static BOOL& m_bCustomizeMode;
    static CORXToolBar* m_pSelToolbar;
    static CORXToolbarImageList* m_pUserImages;
    static COLORREF& m_clrText;
    static COLORREF& m_clrTextHot;
    static HCURSOR m_hcurStretch;
    static HCURSOR m_hcurStretchVert;

    static HHOOK m_hookMouseHelp;
    static CORXToolBar* m_pLastHookedToolbar;
    static BOOL m_bAltCustomizeMode;

public:
    static BOOL m_bShowTooltips;
    static BOOL m_bShowShortcutKeys;
    static BOOL m_bAltCustomization;
    // Menu settings kept with the bars' parameters. The animation and the shadows are
    // CORXBarSettings' own, which the pop-up menus and the Menu customise page use too.
    static int& m_nMenuAnimation;
    static BOOL m_bRecentlyUsedMenus;
    static BOOL& m_bMenuShadows;
    static BOOL m_bShowAllMenusAfterDelay;
    // Text editing of buttons is locked: the Button Appearance dialog leaves a button's text as it
    // was. No framework code sets it; the application may.
    static BOOL m_bLockTextEdit;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnCancelMode();
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnHelpHitTest(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnSysColorChange();
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg LRESULT OnButtonCount(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetItemRect(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetButton(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetButtonText(WPARAM wParam, LPARAM lParam);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnToolbarReset();
    afx_msg void OnToolbarCopyImage();
    afx_msg void OnToolbarDelete();
    afx_msg void OnToolbarAppearance();
    afx_msg void OnToolbarImage();
    afx_msg void OnToolbarText();
    afx_msg void OnToolbarImageAndText();
    afx_msg void OnToolbarStartGroup();
    afx_msg void OnToolbarNewMenu();
    afx_msg LRESULT OnMoveMenu(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_ORXTOOLBAR_H
