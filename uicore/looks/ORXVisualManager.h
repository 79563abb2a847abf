// CORXVisualManager: the active look that draws every bar, button and menu; CORXThemeLibrary.
#ifndef VELMORA_ORXVISUALMANAGER_H
#define VELMORA_ORXVISUALMANAGER_H

#include <afxwin.h>
#include <afxext.h>
#include <afxcmn.h>

#include "ORXToolbarButtonInfo.h"

class CORXPopupMenu;
class CORXTabWndInfo;
class CORXTasksGroupInfo;
class CORXTaskInfo;

class CORXVisualManager : public CObject
{
    DECLARE_DYNCREATE(CORXVisualManager)

    // Construction
public:
    explicit CORXVisualManager(BOOL bTemporary = FALSE);
    virtual ~CORXVisualManager();

    static CORXVisualManager* GetInstance();
    // The look GetInstance creates when none is active; NULL or a class derived from this one.
    static BOOL SetDefaultManager(CRuntimeClass* pRTI);
    static void DestroyInstance(BOOL bAutoDestroyOnly = FALSE);
    static void RedrawAll();

    enum ORXButtonState
    {
        ButtonsIsRegular = 0,
        ButtonsIsPressed = 1,
        ButtonsIsHighlighted = 2
    };

    // Overridables, in the order of the class's published layout
public:
    virtual BOOL IsThemedLook() const { return FALSE; }
    virtual void OnUpdateSystemColors() {}

    virtual void OnFillBarBackground(CDC* pDC, CControlBar* pBar, CRect rectClient, CRect rectClip);
    virtual void OnDrawBarBorder(CDC* pDC, CControlBar* pBar, CRect& rect);
    virtual void OnDrawMenuBorder(CDC* pDC, CORXPopupMenu* pMenu, CRect rect);
    virtual void OnDrawBarGripper(CDC* pDC, CRect rectGripper, BOOL bHorz, CControlBar* pBar);
    virtual void OnDrawSeparator(CDC* pDC, CControlBar* pBar, CRect rect, BOOL bIsHoriz);
    virtual void OnDrawCaptionButton(CDC* pDC, CRect rect, int nGlyph, BOOL bActive, BOOL bHighlighted,
                                     BOOL bPressed, BOOL bDisabled);
    virtual void OnDrawMenuSystemButton(CDC* pDC, CRect rect, UINT uiSystemCommand, UINT nStyle,
                                        BOOL bHighlight);
    virtual void OnDrawStatusBarPaneBorder(CDC* pDC, CWnd* pBar, CRect rectPane, UINT uiID, UINT nStyle);
    virtual void OnDrawProgress(CDC* pDC, CRect rect, int nCurrent, int nTotal, COLORREF clrBar,
                                COLORREF clrBarGradient, BOOL bShowText);
    virtual void OnDrawStatusBarSizeBox(CDC* pDC, CWnd* pStatBar, CRect rectSizeBox);
    virtual void OnDrawComboDropButton(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped,
                                       BOOL bIsHighlighted, CORXToolbarButtonInfo* pButton);
    virtual void OnDrawComboBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped, BOOL bIsHighlighted,
                                   CORXToolbarButtonInfo* pButton);
    virtual void OnDrawEditBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsHighlighted,
                                  CORXToolbarButtonInfo* pButton);
    virtual void OnDrawTearOffCaption(CDC* pDC, CRect rect, BOOL bIsActive);
    virtual void OnFillButtonInterior(CDC* pDC, CORXToolbarButtonInfo* pButton, CRect rect,
                                      ORXButtonState state);
    virtual void OnDrawButtonBorder(CDC* pDC, CORXToolbarButtonInfo* pButton, CRect rect,
                                    ORXButtonState state);
    virtual void OnDrawMenuButtonBorder(CDC* pDC, CORXToolbarButtonInfo* pButton, CRect rect,
                                        ORXButtonState state);
    // Fills a hot menu item; the text colour it is to be drawn in goes to *pclrText when given.
    virtual void OnFillHighlightedArea(CDC* pDC, CRect rect, CBrush* pBrush, CORXToolbarButtonInfo* pButton,
                                       COLORREF* pclrText = NULL);
    virtual void OnHighlightRarelyUsedMenuItems(CDC* pDC, CRect rectRarelyUsed);
    virtual COLORREF GetToolbarButtonTextColor(CORXToolbarButtonInfo* pButton, ORXButtonState state);
    virtual COLORREF GetCaptionBarTextColor(CWnd* pBar);
    virtual COLORREF GetCaptionBarButtonTextColor(CWnd* pBar);
    // Fills a shortcut bar's page button and gives the colour of its text in clrText; FALSE when
    // the look fills nothing and the button is to draw itself (the core look never fills one).
    virtual BOOL OnFillOutlookPageButton(CDC* pDC, const CRect& rect, BOOL bIsHighlighted, BOOL bIsPressed,
                                         COLORREF& clrText);
    // Draws the border of a page button; FALSE when the button is to draw its own.
    virtual BOOL OnDrawOutlookPageButtonBorder(CDC* pDC, CRect& rectBtn, BOOL bIsHighlighted,
                                               BOOL bIsPressed);
    virtual void OnFillPushButtonBackground(CDC* pDC, const CRect& rect, CWnd* pButton, BOOL bPushed,
                                            BOOL bHot);
    virtual void OnDrawPushButtonBorder(CDC* pDC, const CRect& rect, CWnd* pButton, BOOL bPushed, BOOL bHot);
    virtual void OnDrawRaisedStrip(CDC* pDC, CRect rect);
    virtual COLORREF OnFillTitleStrip(CDC* pDC, CRect rect);
    virtual void OnEraseTabsArea(CDC* pDC, CRect rect, const CORXTabWndInfo* pTabWnd);
    virtual void OnDrawTab(CDC* pDC, CRect rectTab, int iTab, BOOL bIsActive, const CORXTabWndInfo* pTabWnd);
    virtual void OnFillTab(CDC* pDC, CRect rectFill, CBrush* pbrFill, int iTab, BOOL bIsActive,
                           const CORXTabWndInfo* pTabWnd);
    virtual void OnDrawTabContent(CDC* pDC, CRect rectTab, int iTab, BOOL bIsActive,
                                  const CORXTabWndInfo* pTabWnd, COLORREF clrText);
    virtual void OnFillTabButton(CDC* pDC, CRect rect, BOOL bPressed, BOOL bHighlighted,
                                 const CORXTabWndInfo* pTabWnd);
    virtual void OnDrawTabButtonBorder(CDC* pDC, CRect& rect, BOOL bPressed, BOOL bHighlighted,
                                       const CORXTabWndInfo* pTabWnd);
    virtual void GetTabFrameColors(const CORXTabWndInfo* pTabWnd, COLORREF& clrDark, COLORREF& clrBlack,
                                   COLORREF& clrHighlight, COLORREF& clrFace, COLORREF& clrDarkShadow,
                                   COLORREF& clrLight, CBrush*& pbrFace, CBrush*& pbrBlack);
    virtual BOOL OnEraseTabsFrame(CDC* pDC, CRect rect, const CORXTabWndInfo* pTabWnd);
    virtual BOOL AreTabsHotTracked() const { return FALSE; }
    virtual COLORREF OnFillCommandsListBackground(CDC* pDC, CRect rect, BOOL bIsSelected = FALSE);
    virtual CSize GetButtonExtraBorder() const { return CSize(0, 0); }
    virtual void OnFillScrollButtonBackground(CDC* pDC, CRect rect, BOOL bHighlighted, BOOL bPressed);
    virtual void OnDrawScrollButtonBorder(CDC* pDC, CRect rect, BOOL bHighlighted, BOOL bPressed);
    virtual void OnDrawScrollButtonArrow(CDC* pDC, CRect rect, BOOL bUp, BOOL bDisabled);
    virtual void OnFillTasksPaneBackground(CDC* pDC, CRect rectWorkArea);
    virtual void OnDrawTasksGroupCaption(CDC* pDC, const CORXTasksGroupInfo* pGroup,
                                         BOOL bIsHighlighted = FALSE, BOOL bUsePadding = FALSE,
                                         BOOL bCanCollapse = FALSE);
    virtual void OnFillTasksGroupInterior(CDC* pDC, CRect rect, BOOL bSpecial = FALSE) {}
    virtual void OnDrawTasksGroupAreaBorder(CDC* pDC, CRect rect, BOOL bSpecial = FALSE,
                                            BOOL bNoTitle = FALSE)
    {
    }
    virtual void OnDrawTasksGroupFrame(CDC* pDC, CRect rect, BOOL bSpecial = FALSE);
    virtual void OnDrawTask(CDC* pDC, const CORXTaskInfo* pTask, CImageList* pIcons,
                            BOOL bIsHighlighted = FALSE, BOOL bIsSelected = FALSE);
    virtual void OnDrawTasksPaneScrollButton(CDC* pDC, CRect rect, BOOL bUp, BOOL bHighlighted, BOOL bPressed,
                                             BOOL bDisabled);
    virtual void OnDrawExpandingBox(CDC* pDC, CRect rect, BOOL bIsOpened, COLORREF colorBox);
    virtual int GetShowAllMenuItemsHeight(CDC* pDC, const CSize& sizeDefault);
    virtual void OnDrawShowAllMenuItems(CDC* pDC, CRect rect, ORXButtonState state);
    virtual void OnDrawControlBorder(CWnd* pWndCtrl);
    virtual void OnDrawSpinButtons(CDC* pDC, CRect rectSpin, int nState, BOOL bOrientation, CWnd* pSpinCtrl);
    virtual BOOL OnDrawPushButton(CDC* pDC, CRect rect, CWnd* pButton, COLORREF& clrText) { return FALSE; }
    // The themed progress bar and combo drop button: FALSE when nothing was drawn.
    virtual BOOL OnDrawThemedProgress(CDC* pDC, CRect rect, int nCurrent, int nTotal) { return FALSE; }
    virtual BOOL OnDrawThemedComboDropButton(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped,
                                             BOOL bIsHighlighted)
    {
        return FALSE;
    }
    virtual int GetMenuImageMargin() const { return 2; }
    virtual BOOL IsMenuShadowAllowed() const { return TRUE; }
    virtual int GetPopupMenuImageMargin() const { return 2; }
    virtual BOOL IsToolbarTextAllowed() const { return TRUE; }
    virtual BOOL IsOfficeStyleMenus() const { return m_bOfficeStyleMenus; }
    virtual int GetMenuBorderSize() const { return m_nMenuBorderSize; }
    virtual BOOL IsFrameMenuCheckedItems() const { return m_bFrameMenuCheckedItems; }

    // Attributes
public:
    void SetLook2000(BOOL bLook2000 = TRUE);
    BOOL IsLook2000() const { return m_bLook2000; }
    int GetMenuShadowDepth() const { return m_nMenuShadowDepth; }
    BOOL IsFlatLook() const { return m_bMenuFlatLook; }
    BOOL IsShadowHighlightedImage() const { return m_bShadowHighlightedImage; }
    BOOL IsEmbossDisabledImage() const { return m_bEmbossDisabledImage; }
    BOOL IsFadeInactiveImage() const { return m_bFadeInactiveImage; }
    void SetFadeInactiveImage(BOOL bFade) { m_bFadeInactiveImage = bFade; }
    BOOL IsTemporary() const { return m_bIsTemporary; }
    BOOL IsAutoDestroy() const { return m_bAutoDestroy; }

    // Fields, in the order of the class's published layout
protected:
    BOOL m_bLook2000;
    int m_nMenuShadowDepth;
    BOOL m_bMenuFlatLook;
    BOOL m_bShadowHighlightedImage;
    BOOL m_bEmbossDisabledImage;
    BOOL m_bFadeInactiveImage;
    BOOL m_bIsTemporary;
    int m_nVertMargin;
    int m_nHorzMargin;
    int m_nGroupVertOffset;
    int m_nGroupCaptionHeight;
    int m_nGroupCaptionHorzOffset;
    int m_nGroupCaptionVertOffset;
    int m_nTasksHorzOffset;
    int m_nTasksIconHorzOffset;
    int m_nTasksIconVertOffset;
    BOOL m_bActiveCaptions;
    BOOL m_bOfficeStyleMenus;
    int m_nMenuBorderSize;
    BOOL m_bFrameMenuCheckedItems;
    BOOL m_bAutoDestroy;

    static CORXVisualManager* m_pVisManager;
    static CRuntimeClass* m_pRTIDefault;

    // Implementation
protected:
    static void Draw3dFrame(CDC* pDC, CRect rect, COLORREF clrTopLeft, COLORREF clrBottomRight);
    // What a tasks pane hands over with its captions and tasks: its own caption indent, icon gap
    // and fonts where it has them, else the look's.
    int CaptionTextOffset(const CORXTasksGroupInfo* pGroup) const;
    int IconToTextSpacing(const CORXTaskInfo* pTask) const;
    static HFONT CaptionFont(const CORXTasksGroupInfo* pGroup);
    static HFONT TaskFont(const CORXTaskInfo* pTask, BOOL bUnderline);
    // The task's icon, its own or its image in the list, at the left of the rectangle and centred
    // down it; the rectangle then starts where the text goes.
    void DrawTaskIcon(CDC* pDC, const CORXTaskInfo* pTask, CImageList* pIcons, CRect& rect) const;
};

// The visual-styles library, loaded at run time; every handle stays NULL without it.
class CORXThemeLibrary
{
public:
    CORXThemeLibrary();
    virtual ~CORXThemeLibrary();
    CORXThemeLibrary(const CORXThemeLibrary&) = delete;
    CORXThemeLibrary& operator=(const CORXThemeLibrary&) = delete;

    // A framework push button in the button theme (its BST_ state bits); FALSE when not drawn.
    virtual BOOL DrawPushButton(CDC* pDC, CRect rect, CWnd* pButton, UINT uiState) { return FALSE; }
    // The progress theme's bar with the part done filled; FALSE without the progress theme.
    virtual BOOL DrawProgress(CDC* pDC, CRect rect, int nCurrent, int nTotal);
    virtual BOOL DrawComboDropButton(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped,
                                     BOOL bIsHighlighted);
    virtual BOOL DrawComboBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped, BOOL bIsHighlighted);

    BOOL DrawThemedBackground(CDC* pDC, HANDLE hTheme, int nPart, int nState, CRect rect);
    void OpenThemeHandles();
    void CloseThemeHandles();
    BOOL IsLoaded() const { return m_hThemeDll != NULL; }

    typedef HANDLE(WINAPI* PFN_OPENTHEMEDATA)(HWND, LPCWSTR);
    typedef HRESULT(WINAPI* PFN_CLOSETHEMEDATA)(HANDLE);
    typedef HRESULT(WINAPI* PFN_DRAWTHEMEBACKGROUND)(HANDLE, HDC, int, int, const RECT*, const RECT*);
    typedef HRESULT(WINAPI* PFN_GETTHEMECOLOR)(HANDLE, int, int, int, COLORREF*);
    typedef COLORREF(WINAPI* PFN_GETTHEMESYSCOLOR)(HANDLE, int);
    typedef HRESULT(WINAPI* PFN_GETCURRENTTHEMENAME)(LPWSTR, int, LPWSTR, int, LPWSTR, int);
    typedef HANDLE(WINAPI* PFN_GETWINDOWTHEME)(HWND);

    enum
    {
        ThemeCount = 15
    };

    // Handles in the order of their classes: TOOLBAR, BUTTON, STATUS, WINDOW, REBAR, COMBOBOX,
    // PROGRESS, HEADER, SCROLLBAR, EXPLORERBAR, TREEVIEW, STARTPANEL, TASKBAND, TASKBAR, SPIN.
    HANDLE m_hThemeToolBar;
    HANDLE m_hThemeButton;
    HANDLE m_hThemeStatusBar;
    HANDLE m_hThemeWindow;
    HANDLE m_hThemeRebar;
    HANDLE m_hThemeComboBox;
    HANDLE m_hThemeProgress;
    HANDLE m_hThemeHeader;
    HANDLE m_hThemeScrollBar;
    HANDLE m_hThemeExplorerBar;
    HANDLE m_hThemeTree;
    HANDLE m_hThemeStartPanel;
    HANDLE m_hThemeTaskBand;
    HANDLE m_hThemeTaskBar;
    HANDLE m_hThemeSpin;

    HMODULE m_hThemeDll;
    PFN_OPENTHEMEDATA m_pfOpenThemeData;
    PFN_CLOSETHEMEDATA m_pfCloseThemeData;
    PFN_DRAWTHEMEBACKGROUND m_pfDrawThemeBackground;
    PFN_GETTHEMECOLOR m_pfGetThemeColor;
    PFN_GETTHEMESYSCOLOR m_pfGetThemeSysColor;
    PFN_GETCURRENTTHEMENAME m_pfGetCurrentThemeName;
    PFN_GETWINDOWTHEME m_pfGetWindowTheme;

protected:
    HANDLE* Handle(int i) { return &m_hThemeToolBar + i; }
};

// The second list of bars that RedrawAll repaints beside the tool bars (the sizing bars).

#endif // VELMORA_ORXVISUALMANAGER_H
