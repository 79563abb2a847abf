// CORXTabWnd: a row of tabs along one edge of a child window, each tab owning a window that fills the
// rest of it. The looks draw the tabs through the active visual manager, which reads the window back
// through CORXTabWndInfo.
#ifndef VELMORA_ORXTABWND_H
#define VELMORA_ORXTABWND_H

#include <afxwin.h>
#include <afxcmn.h>
#include <afxext.h>
#include <afxtempl.h>

#include "ORXButton.h"
#include "ORXExtrasHooks.h"
#include "ORXSizingControlBar.h"

// Sent to the tab window's parent; see CORXTabWnd for their parameters.
extern const UINT ORXM_ONCHANGE_ACTIVE_TAB;
extern const UINT ORXM_ON_HSCROLL;
extern const UINT ORXM_ON_RENAME_TAB;
extern const UINT ORXM_ON_BEFOREMOVE_TAB;
extern const UINT ORXM_ON_MOVE_TAB;
// Sent to the tab window's owner, when one was given (SetOwner), as soon as the user chooses a tab
// with the mouse or Ctrl+Page Up/Down: wParam the tab, lParam the tab window's handle. An owner that
// answers nonzero has taken the choice and shows the tab itself (SetActiveTab) once it has done what
// choosing it means, or leaves the tabs as they are; with no owner, or an answer of 0, the tab
// window shows the chosen tab itself.
extern const UINT ORXM_ON_TAB_CHOSEN;

class CORXTabWnd;

// One tab: owned by its tab window.
class CORXTabInfo : public CObject
{
public:
    CORXTabInfo(const CString& strText, int iIcon, CWnd* pWnd, UINT uiToolId);
    virtual ~CORXTabInfo() {}

    CString m_strText;
    int m_iIcon;
    CRect m_rect;
    BOOL m_bVisible;
    CWnd* m_pWnd;
    BOOL m_bIsListView;
    int m_nFullWidth;
    UINT m_uiToolId;
    COLORREF m_clrText;
    COLORREF m_clrBack;
    BOOL m_bIconOnly;
    BOOL m_bAlwaysShowToolTip;
};

// A scroll or close button of a tab window: its face and border come from the visual manager. A
// click leaves the keyboard focus with the window that had it, and no focus rectangle is drawn.
class CORXTabButton : public CORXButton
{
public:
    CORXTabButton();

    virtual void OnFillBackground(CDC* pDC, const CRect& rectClient);
    virtual void OnDrawBorder(CDC* pDC, CRect& rectClient, UINT uiState);

protected:
    CORXTabWnd* GetTabWnd() const;

    afx_msg void OnSetFocus(CWnd* pOldWnd);
    DECLARE_MESSAGE_MAP()
};

class CORXTabWnd : public CWnd, public CORXTabWndInfo, public CORXActiveTabLink
{
    DECLARE_DYNCREATE(CORXTabWnd)

public:
    enum TabStyle
    {
        STYLE_3D = 0,
        STYLE_FLAT = 1,
        STYLE_FLAT_SHARED_HORZ_SCROLL = 2,
        STYLE_3D_SCROLLED = 3,
        STYLE_3D_COLORED = 4
    };
    enum Location
    {
        LOCATION_BOTTOM = 0,
        LOCATION_TOP = 1
    };
    enum
    {
        TAB_TEXT_MARGIN = 4,
        IdTimerScrollLeft = 1,
        IdTimerScrollRight = 2
    };

    CORXTabWnd();
    virtual ~CORXTabWnd();

    BOOL Create(TabStyle style, const RECT& rect, CWnd* pParentWnd, UINT nID,
                Location location = LOCATION_BOTTOM, BOOL bCloseBtn = FALSE);

    // Overridables
public:
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    virtual BOOL SetActiveTab(int iTab);
    virtual BOOL StartRenameTab(int iTab);
    // TRUE accepts the new label.
    virtual BOOL OnRenameTab(int iTab, CString& strName) { return TRUE; }
    virtual void InvalidateTab(int iTab);
    virtual BOOL IsColoredStyle() const { return m_bIsColored; }
    virtual int GetFirstVisibleTab() const { return m_iFirstVisibleTab; }
    virtual void SetLocation(Location location);
    virtual BOOL HasColoredTabs() const;
    virtual void DrawTab(CDC* pDC, CORXTabInfo* pTab, BOOL bActive);
    virtual void DrawFlatTab(CDC* pDC, CORXTabInfo* pTab, BOOL bActive);
    virtual void DrawArrow(CDC* pDC, int x, int nTop, int nBottom, int nSize);
    virtual void InitAutoColors();

    // What the looks read
public:
    int GetTabsNum() const override { return m_iTabsNum; }
    int GetVisibleTabCount() const override;
    int GetActiveTab() const override { return m_iActiveTab; }
    BOOL GetTabLabel(int iTab, CString& strLabel) const override;
    COLORREF GetTabBkColor(int iTab) const override;
    COLORREF GetTabTextColor(int iTab) const override;
    BOOL IsFlatTab() const override { return m_bFlat; }
    BOOL IsLocationBottom() const override { return m_location == LOCATION_BOTTOM; }
    BOOL IsColored() const override { return HasColoredTabs(); }
    BOOL IsColoredStrip() const override { return m_bIsColored; }
    BOOL IsNoPrefix() const override { return m_bLabelNoPrefix; }
    BOOL IsDrawFrame() const override { return m_bDrawFrame; }

    // Operations
public:
    void AddTab(CWnd* pWnd, LPCTSTR lpszLabel, int iImage = -1) { InsertTab(pWnd, lpszLabel, -1, iImage); }
    void InsertTab(CWnd* pWnd, LPCTSTR lpszLabel, int iInsertAt, int iImage = -1);
    BOOL RemoveTab(int iTab);
    void RemoveAllTabs();

    BOOL IsTabVisible(int iTab) const;
    CWnd* GetTabWindow(int iTab) const;
    CWnd* GetActiveTabWindow() const { return GetTabWindow(m_iActiveTab); }
    int GetTabByWindow(HWND hWnd) const;
    int GetTabFromPoint(CPoint& pt) const;
    BOOL GetTabRect(int iTab, CRect& rect) const;
    int GetTabIcon(int iTab) const;
    BOOL SetTabIcon(int iTab, int iImage);
    BOOL SetTabLabel(int iTab, const CString& strLabel);
    void EnsureTabVisible(int iTab);
    BOOL SetTabImages(HIMAGELIST hImageList);
    void SetNoPrefixLabels(BOOL bNoPrefix, BOOL bRedraw = TRUE);

    // Switches of the behaviours that start off.
    void EnableInPlaceEdit(BOOL bEnable) { m_bIsInPlaceEdit = bEnable; }
    void EnableTabSwap(BOOL bEnable) { m_bEnableTabSwap = bEnable; }
    void HideSingleTab(BOOL bHide = TRUE);
    void EnableAutoColor(BOOL bEnable = TRUE);

    CRect GetTabsArea() const { return m_rectTabsArea; }
    CRect GetWndArea() const { return m_rectWndArea; }
    int GetTabsHeight() const { return m_nTabsHeight; }
    // The height the tabs take now: none while they are hidden (single or no tab).
    int GetTabsHeightInUse() const { return AreTabsHidden() ? 0 : m_nTabsHeight; }
    int GetScrollOffset() const { return m_nTabsHorzOffset; }
    int GetMaxScrollOffset() const { return m_nTabsHorzOffsetMax; }
    BOOL IsRenaming() const { return m_pInPlaceEdit != NULL; }
    CEdit* GetRenameEdit() const { return m_pInPlaceEdit; }

    // Implementation
protected:
    // The user chose the tab: the owner hears it and decides (see ORXM_ON_TAB_CHOSEN); without one
    // that takes the choice the tab becomes the active one here.
    void ChooseTab(int iTab);
    void LayOutAreas();
    void RecalcLayout();
    void UpdateScrollRange();
    void UpdateScrollButtons();
    void PlaceSharedScrollBar();
    void SyncSharedScrollBar();
    void CreateFonts();
    void SetTabsHeight();
    BOOL AreTabsHidden() const;
    BOOL CreateTabButton(CORXTabButton& btn, int nImage, int nDisabledImage);
    void OnScrollButton(HWND hWndButton);
    int ColoredOffsetOf(int iFirst) const;
    int ColoredOverlap() const;
    BOOL RenameTab();
    void DropRenameEdit();
    void EndTabDrag(BOOL bMove);
    // Repaints the row of tabs with the frame strip along it.
    void InvalidateTabsStrip();
    void MoveDraggedTab();
    CWnd* FindForwardTarget(CPoint& pt);
    CORXTabInfo* TabAt(int iTab) const { return (CORXTabInfo*)m_arTabs[iTab]; }
    BOOL IsValidTab(int iTab) const { return iTab >= 0 && iTab < m_iTabsNum; }

    BOOL m_bFlat;
    BOOL m_bIsColored;
    BOOL m_bSharedScroll;
    BOOL m_bScroll;
    BOOL m_bCloseBtn;
    BOOL m_bHotTracking;
    Location m_location;

    CPtrArray m_arTabs;
    int m_iTabsNum;
    int m_iActiveTab;

    int m_nScrollBarRight;
    CRect m_rectTabsArea;
    CRect m_rectWndArea;
    int m_nTabsHeight;

    CImageList m_Images;
    HIMAGELIST m_hImageList;
    CSize m_sizeImage;

    CToolTipCtrl m_ToolTip;
    CScrollBar m_wndScrollWnd;

    CORXTabButton m_btnScrollLeft;
    CORXTabButton m_btnScrollRight;
    CORXTabButton m_btnScrollFirst;
    CORXTabButton m_btnScrollLast;
    CORXTabButton m_btnClose;

    int m_iHighlighted;
    CPtrList m_lstButtons;

    int m_nTabsHorzOffset;
    int m_nTabsHorzOffsetMax;
    int m_nTabsTotalWidth;
    int m_iFirstVisibleTab;
    int m_nHorzScrollWidth;

    CRect m_rectTabSplitter;
    BOOL m_bTrackSplitter;

    COLORREF m_clrActiveTabBk;
    COLORREF m_clrActiveTabFg;

    CBrush m_brActiveTab;
    CFont m_fntTabs;
    CFont m_fntTabsBold;

    BOOL m_bDrawFrame;
    int m_nFrameWidth;
    BOOL m_bHideInactiveWnd;
    BOOL m_bAutoSizeWindow;
    BOOL m_bAutoDestroyWindow;
    BOOL m_bTransparent;
    BOOL m_bTopEdge;
    int m_iCurTab;
    UINT m_nNextToolId;
    BOOL m_bHideSingleTab;
    BOOL m_bHideNoTabs;
    BOOL m_bIsInPlaceEdit;
    CEdit* m_pInPlaceEdit;
    int m_iEditedTab;
    DWORD m_dwReserved;
    BOOL m_bLabelNoPrefix;
    BOOL m_bEnableTabSwap;
    BOOL m_bTabDrag;
    int m_iDraggedTab;
    int m_iDropPos;
    BOOL m_bAutoHideScroll;

    CArray<COLORREF, COLORREF> m_arAutoColors;
    BOOL m_bIsAutoColor;
    BOOL m_bIsDefaultAutoColor;

    // Set while a scroll of the shared bar is passed to a tab's window, which may answer by
    // scrolling the bar again.
    static BOOL s_bForwardingHScroll;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnCancelMode();
    afx_msg void OnSysColorChange();
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_ORXTABWND_H
