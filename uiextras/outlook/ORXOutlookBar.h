// CORXOutlookBar: the docking shortcut bar: pages of large-image shortcuts, each page opened by its
// page button, two scroll buttons when the page's shortcuts do not fit, a sizing edge on the docked
// side and an optional background bitmap. With its page record, page button and customise button.
#ifndef VELMORA_ORXOUTLOOKBAR_H
#define VELMORA_ORXOUTLOOKBAR_H

#include "ORXButton.h"
#include "ORXExtrasHooks.h"
#include "ORXOutlookButton.h"
#include "ORXOutlookLayout.h"
#include "ORXToolBar.h"
#include "ORXToolbarMenuButton.h"
#include "ORXVisualManagerXP.h"

#include <afxole.h>

class CORXOutlookBar;

// A tool bar that goes with the shortcut bar: no non-client area, and the hand cursor over its
// buttons.
class CORXOutlookBarToolBar : public CORXToolBar
{
    DECLARE_SERIAL(CORXOutlookBarToolBar)

protected:
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    DECLARE_MESSAGE_MAP()
};

// The full-width button that opens a page; the look fills it and draws its border.
class CORXOutlookBarPageButton : public CORXButton
{
    DECLARE_DYNAMIC(CORXOutlookBarPageButton)

public:
    virtual void OnFillBackground(CDC* pDC, const CRect& rectClient);
    virtual void OnDrawBorder(CDC* pDC, CRect& rectClient, UINT uiState);
};

// One page of the bar: its identifier and name (the stored part), the window it may show and its
// page button.
class CORXOutlookBarPage : public CObject
{
    DECLARE_SERIAL(CORXOutlookBarPage)

    // Construction
public:
    CORXOutlookBarPage();
    CORXOutlookBarPage(int iPageID, LPCTSTR lpszName);
    virtual ~CORXOutlookBarPage();

    // Operations
public:
    virtual void Serialize(CArchive& ar);
    // Stores the rectangle and moves the button there; nothing when it is unchanged.
    void SetButtonRect(const CRect& rect);

    // Fields
public:
    int m_iPageID;
    CString m_strName;
    HWND m_hwndContent;
    CORXOutlookBarPageButton m_btnPage;
    CRect m_rectButton;
};

// The customise button of a shortcut bar: its menu offers to show more or fewer page buttons.
class COutlookCustomizeButton : public CCustomizeButton
{
    DECLARE_SERIAL(COutlookCustomizeButton)

public:
    COutlookCustomizeButton() {}
    COutlookCustomizeButton(int iCustomizeCmdId, const CString& strCustomizeText)
        : CCustomizeButton(iCustomizeCmdId, strCustomizeText)
    {
    }
    virtual void OnDraw(CDC* pDC, const CRect& rect, CORXToolbarImageList* pImages, BOOL bHorz = TRUE,
                        BOOL bCustomizeMode = FALSE, BOOL bHighlight = FALSE, BOOL bDrawBorder = TRUE,
                        BOOL bGrayDisabledButtons = TRUE);
    virtual CORXPopupMenu* CreatePopupMenu();
};

// The commands of the customise button's menu.
const UINT ORX_OUTLOOK_SHOW_MORE = 0xF200;
const UINT ORX_OUTLOOK_SHOW_FEWER = 0xF201;
const UINT ORX_OUTLOOK_LAST_CMD = 0xF20A;

class CORXOutlookBar : public CORXToolBar, public CORXOutlookBarInfo, public CORXOwnBackground
{
    DECLARE_SERIAL(CORXOutlookBar)

    // Construction
public:
    CORXOutlookBar();
    virtual ~CORXOutlookBar();
    // A bar docked at the left by default; a resizable bar gets a sizing edge on its docked side.
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_LEFT,
                        UINT nID = AFX_IDW_TOOLBAR + 30);

    // Pages
public:
    // Appends a page; -1 for an identifier already in use. The first page becomes the active one.
    int AddPage(int iPageID, LPCTSTR lpszName);
    // Removes the page and its shortcuts; the active page moves to the first page left.
    BOOL RemovePage(int iPageID);
    int GetPageCount() const { return (int)m_lstPages.GetCount(); }
    CORXOutlookBarPage* GetPage(int iIndex) const;
    CORXOutlookBarPage* FindPage(int iPageID) const;
    int GetActivePage() const { return m_iActivePageID; }
    // Shows the page's shortcuts from the first one; FALSE for an unknown page.
    BOOL SetActivePage(int iPageID);

    // Shortcuts
public:
    // Appends a shortcut to the page; FALSE (and nothing added) for an unknown page.
    BOOL AddShortcut(UINT uiCmd, int iImage, LPCTSTR lpszText, int iPageID);
    // The shortcuts of the active page (all while there is no page), and the n-th of them.
    int GetShownCount() const;
    CORXOutlookButton* GetShownButton(int iShown) const;

    // Scrolling
public:
    // One step back or on: one shortcut, or a page of them with page scrolling on. FALSE when
    // nothing moved.
    BOOL ScrollUp();
    BOOL ScrollDown();
    int GetFirstVisible() const { return m_iFirstVisible; }
    int GetScrollPos() const { return m_nScrollPos; }
    BOOL CanScrollDown() const { return m_bCanScrollDown; }
    void EnablePageScroll(BOOL bPageScroll = TRUE) { m_bPageScroll = bPageScroll; }
    BOOL IsPageScroll() const { return m_bPageScroll; }
    CRect GetScrollUpRect() const { return m_btnUp.m_bVisible ? m_btnUp.m_rect : CRect(0, 0, 0, 0); }
    CRect GetScrollDownRect() const { return m_btnDown.m_bVisible ? m_btnDown.m_rect : CRect(0, 0, 0, 0); }
    CRect GetShortcutArea() const { return m_rectShortcutArea; }
    CRect GetSplitterRect() const { return m_rectSplitter; }

    // Page buttons on show
public:
    int GetPageButtonsShown() const { return m_nPageButtonsShown; }
    // The height of one page button, the step of the splitter.
    int GetPageButtonHeight() const;
    BOOL ShowMorePageButtons();
    BOOL ShowFewerPageButtons();

    // Look
public:
    // Loads the bitmap resource as the background of the shortcuts (0 removes it).
    BOOL SetBackImage(UINT uiImageID);
    BOOL IsBackgroundTexture() const { return m_bUseBitmap; }
    // A bitmap is loaded, whether or not the display is deep enough to show it.
    virtual BOOL HasBackgroundBitmap() const { return m_hBackImages != NULL; }
    void SetTextColor(COLORREF clr) { m_clrText = clr; }
    COLORREF GetTextColor() const { return m_clrText; }
    void SetFlatLook(BOOL bFlat = TRUE) { m_bFlatLook = bFlat; }
    virtual BOOL IsFlatLook() const { return m_bFlatLook; }
    void EnableResizing(BOOL bResizable = TRUE) { m_bResizable = bResizable; }
    int GetExtent() const { return m_nExtent; }
    // The bar's extent across its docked edge, at least 3 pixels.
    void SetExtent(int nExtent);
    // The framework's hand cursor, loaded once into the global data.
    static HCURSOR GetHandCursor();

    // Dragging over the bar: resting on another page's button opens that page after a moment.
public:
    int GetPendingPage() const { return m_iPendingPageID; }
    virtual DROPEFFECT OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual DROPEFFECT OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual void OnDragLeave();
    virtual BOOL OnDrop(COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point);

    // Overridables
public:
    virtual void Serialize(CArchive& ar);
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    virtual CSize CalcDynamicLayout(int nLength, DWORD dwMode);
    virtual void PlaceButtons();
    virtual void AdjustLayout();
    virtual int HitTest(CPoint point);
    virtual void DoPaint(CDC* pDC);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL FillOwnBackground(CDC* pDC, CRect rect);
    virtual BOOL IsButtonExtraSizeAvailable() const { return FALSE; }
    virtual BOOL AllowChangeTextLabels() const { return FALSE; }

    // Implementation
protected:
    struct ScrollButton
    {
        CRect m_rect = CRect(0, 0, 0, 0);
        BOOL m_bVisible = FALSE;
        BOOL m_bPressed = FALSE;
    };
    BOOL IsVertical() const { return (m_dwStyle & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)) == 0; }
    // The layout's inputs from the bar as it is.
    void FillLayout(CORXOutlookLayout& layout);
    CSize GetShortcutDefaultSize() const;
    BOOL ScrollStep(BOOL bDown);
    void DrawScrollButton(CDC* pDC, const ScrollButton& btn, BOOL bUp);
    CRect CalcSizingRect() const;
    void DrawTracker(const CRect& rect);
    void StopSizing(BOOL bApply);
    void DeletePages();
    BOOL CreatePageButton(CORXOutlookBarPage* pPage);
    static void ReadStoredButtons(CArchive& ar, CObList& buttons, CString& strName);
    void ReadRecord(CArchive& ar, CObList& buttons, CObList& pages, CString& strName, int& iActive);
    BOOL ReadRecordOfUnknownVersion(CArchive& ar, CObList& buttons, CObList& pages, CString& strName,
                                    int& iActive);
    // The page whose button lies under the point (client co-ordinates), NULL when none.
    CORXOutlookBarPage* PageButtonFromPoint(CPoint point) const;
    void SetPendingPage(int iPageID, COleDataObject* pDataObject);
    void ClearPendingPage();
    // The shortcuts are kept with the state; pages and the active page too.
    static const int kMaxStoredPages = 256;

    CObList m_lstPages;
    int m_iActivePageID;
    int m_nScrollPos;
    int m_iFirstVisible;
    BOOL m_bCanScrollDown;
    ScrollButton m_btnUp;
    ScrollButton m_btnDown;
    CRect m_rectShortcutArea;
    CRect m_rectSizing;
    BOOL m_bResizable;
    BOOL m_bIsTracking;
    int m_nTrackPos;
    CRect m_rectTracking;
    HWND m_hwndFocusBeforeSizing;
    int m_nExtent;
    int m_nPageButtonsShown;
    UINT m_uiBackImageId;
    HIMAGELIST m_hBackImages;
    CSize m_sizeBackImage;
    BOOL m_bUseBitmap;
    COLORREF m_clrBackColor;
    COLORREF m_clrText;
    BOOL m_bPageScroll;
    BOOL m_bFlatLook;
    BOOL m_bBorder;
    BOOL m_bScrollPress; // the mouse went down on a scroll button and is not up yet
    CRect m_rectSplitter;
    BOOL m_bSplitterDrag;
    int m_iPendingPageID;         // the page to open when the drag rests on its button, -1 none
    COleDataObject m_dataPending; // the dragged data while a page is pending

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnSysColorChange();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnCancelMode();
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg void OnStyleChanging(int nStyleType, LPSTYLESTRUCT lpStyleStruct);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_ORXOUTLOOKBAR_H
