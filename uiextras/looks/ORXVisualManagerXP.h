// CORXVisualManagerXP: the flat look of bars, menus and buttons: off-white menus with a grey image
// margin, tinted highlight boxes framed in the highlight colour, dotted grippers and flat lines.
#ifndef VELMORA_ORXVISUALMANAGERXP_H
#define VELMORA_ORXVISUALMANAGERXP_H

#include "ORXVisualManager.h"

class CORXToolbarMenuButton;

// What the look asks of a colour bar: whether it sits on a tool bar (else in a menu).
class CORXColorBarInfo
{
public:
    virtual ~CORXColorBarInfo() {}
    virtual BOOL IsInToolBar() const = 0;
};

// What the look asks of a shortcut bar: whether its page buttons are drawn flat, and whether it
// has a background bitmap of its own.
class CORXOutlookBarInfo
{
public:
    virtual ~CORXOutlookBarInfo() {}
    virtual BOOL IsFlatLook() const = 0;
    virtual BOOL HasBackgroundBitmap() const { return FALSE; }
};

class CORXVisualManagerXP : public CORXVisualManager
{
    DECLARE_DYNCREATE(CORXVisualManagerXP)

    // Construction
public:
    explicit CORXVisualManagerXP(BOOL bTemporary = FALSE);
    virtual ~CORXVisualManagerXP();

    // Attributes
public:
    COLORREF GetBarBackgroundColor() const { return barBackgroundColour; }
    COLORREF GetMenuBackgroundColor() const { return menuBackgroundColour; }
    COLORREF GetHighlightColor() const { return highlightColour; }
    COLORREF GetPressedHighlightColor() const { return pressedHighlightColour; }
    COLORREF GetCheckedHighlightColor() const { return checkedHighlightColour; }
    COLORREF GetInactiveTabTextColor() const { return inactiveTabTextColour; }
    COLORREF GetPaneBorderColor() const { return paneBorderColour; }
    COLORREF GetMenuBorderColor() const { return menuBorderColour; }
    COLORREF GetMenuItemBorderColor() const { return menuItemBorderColour; }
    COLORREF GetGripperColor() const { return gripperColour; }
    COLORREF GetTabBackColor() const;
    COLORREF GetSeparatorColor() const;
    BOOL IsMenuJoinsButton() const { return menuJoinsButton; }
    void SetMenuJoinsButton(BOOL bJoin) { menuJoinsButton = bJoin; }
    // Black on light highlights, white on dark ones.
    COLORREF GetHighlightTextColor() const;

    // Overridables
public:
    void OnUpdateSystemColors() override;
    void OnFillBarBackground(CDC* pDC, CControlBar* pBar, CRect rectClient, CRect rectClip) override;
    void OnDrawBarBorder(CDC* pDC, CControlBar* pBar, CRect& rect) override;
    void OnDrawMenuBorder(CDC* pDC, CORXPopupMenu* pMenu, CRect rect) override;
    void OnDrawBarGripper(CDC* pDC, CRect rectGripper, BOOL bHorz, CControlBar* pBar) override;
    void OnDrawSeparator(CDC* pDC, CControlBar* pBar, CRect rect, BOOL bIsHoriz) override;
    void OnDrawCaptionButton(CDC* pDC, CRect rect, int nGlyph, BOOL bActive, BOOL bHighlighted, BOOL bPressed,
                             BOOL bDisabled) override;
    void OnDrawMenuSystemButton(CDC* pDC, CRect rect, UINT uiSystemCommand, UINT nStyle,
                                BOOL bHighlight) override;
    void OnDrawStatusBarPaneBorder(CDC* pDC, CWnd* pBar, CRect rectPane, UINT uiID, UINT nStyle) override;
    void OnDrawComboDropButton(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped, BOOL bIsHighlighted,
                               CORXToolbarButtonInfo* pButton) override;
    void OnDrawComboBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped, BOOL bIsHighlighted,
                           CORXToolbarButtonInfo* pButton) override;
    void OnDrawEditBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsHighlighted,
                          CORXToolbarButtonInfo* pButton) override;
    void OnDrawTearOffCaption(CDC* pDC, CRect rect, BOOL bIsActive) override;
    void OnFillButtonInterior(CDC* pDC, CORXToolbarButtonInfo* pButton, CRect rect,
                              ORXButtonState state) override;
    void OnDrawButtonBorder(CDC* pDC, CORXToolbarButtonInfo* pButton, CRect rect,
                            ORXButtonState state) override;
    void OnFillHighlightedArea(CDC* pDC, CRect rect, CBrush* pBrush, CORXToolbarButtonInfo* pButton,
                               COLORREF* pclrText = NULL) override;
    void OnHighlightRarelyUsedMenuItems(CDC* pDC, CRect rectRarelyUsed) override;
    COLORREF GetToolbarButtonTextColor(CORXToolbarButtonInfo* pButton, ORXButtonState state) override;
    BOOL OnFillOutlookPageButton(CDC* pDC, const CRect& rect, BOOL bIsHighlighted, BOOL bIsPressed,
                                 COLORREF& clrText) override;
    BOOL OnDrawOutlookPageButtonBorder(CDC* pDC, CRect& rectBtn, BOOL bIsHighlighted,
                                       BOOL bIsPressed) override;
    void OnFillPushButtonBackground(CDC* pDC, const CRect& rect, CWnd* pButton, BOOL bPushed,
                                    BOOL bHot) override;
    void OnDrawPushButtonBorder(CDC* pDC, const CRect& rect, CWnd* pButton, BOOL bPushed, BOOL bHot) override;
    void OnDrawRaisedStrip(CDC* pDC, CRect rect) override;
    COLORREF OnFillTitleStrip(CDC* pDC, CRect rect) override;
    void OnEraseTabsArea(CDC* pDC, CRect rect, const CORXTabWndInfo* pTabWnd) override;
    void OnDrawTab(CDC* pDC, CRect rectTab, int iTab, BOOL bIsActive, const CORXTabWndInfo* pTabWnd) override;
    void OnFillTab(CDC* pDC, CRect rectFill, CBrush* pbrFill, int iTab, BOOL bIsActive,
                   const CORXTabWndInfo* pTabWnd) override;
    void OnFillTabButton(CDC* pDC, CRect rect, BOOL bPressed, BOOL bHighlighted,
                         const CORXTabWndInfo* pTabWnd) override;
    void OnDrawTabButtonBorder(CDC* pDC, CRect& rect, BOOL bPressed, BOOL bHighlighted,
                               const CORXTabWndInfo* pTabWnd) override;
    COLORREF OnFillCommandsListBackground(CDC* pDC, CRect rect, BOOL bIsSelected = FALSE) override;
    void OnFillTasksPaneBackground(CDC* pDC, CRect rectWorkArea) override;
    void OnDrawTasksGroupCaption(CDC* pDC, const CORXTasksGroupInfo* pGroup, BOOL bIsHighlighted = FALSE,
                                 BOOL bUsePadding = FALSE, BOOL bCanCollapse = FALSE) override;
    void OnDrawTasksGroupAreaBorder(CDC* pDC, CRect rect, BOOL bSpecial = FALSE,
                                    BOOL bNoTitle = FALSE) override;
    void OnDrawTasksGroupFrame(CDC* pDC, CRect rect, BOOL bSpecial = FALSE) override;
    void OnDrawTask(CDC* pDC, const CORXTaskInfo* pTask, CImageList* pIcons, BOOL bIsHighlighted = FALSE,
                    BOOL bIsSelected = FALSE) override;
    void OnDrawTasksPaneScrollButton(CDC* pDC, CRect rect, BOOL bUp, BOOL bHighlighted, BOOL bPressed,
                                     BOOL bDisabled) override;
    void OnDrawSpinButtons(CDC* pDC, CRect rectSpin, int nState, BOOL bOrientation, CWnd* pSpinCtrl) override;
    int GetMenuImageMargin() const override { return 3; }
    BOOL IsMenuShadowAllowed() const override { return FALSE; }

    // The look's own overridables
public:
    virtual void CreateGripperBrushes();
    virtual void ExtendMenuButtonRect(CORXToolbarMenuButton* pMenuButton, CRect& rect);
    virtual void OnFillHighlightedRect(CDC* pDC, CRect rect, CBrush* pBrush);

    // Implementation
protected:
    CBrush horizontalGripperBrush;
    CBrush verticalGripperBrush;
    COLORREF barBackgroundColour;
    CBrush barBackgroundBrush;
    COLORREF menuBackgroundColour;
    CBrush menuBackgroundBrush;
    COLORREF highlightColour;
    CBrush highlightBrush;
    COLORREF pressedHighlightColour;
    CBrush pressedHighlightBrush;
    COLORREF checkedHighlightColour;
    CBrush checkedHighlightBrush;
    COLORREF inactiveTabTextColour;
    CBrush tabAreaBrush;
    CPen separatorPen;
    COLORREF paneBorderColour;
    COLORREF menuBorderColour;
    COLORREF menuItemBorderColour;
    COLORREF gripperColour;
    BOOL menuJoinsButton;

    void DeleteColorObjects();
    // The framework window a DC paints, or NULL (a memory DC).
    static CWnd* WindowOfDC(CDC* pDC);
    // Whether the page button being painted sits on a shortcut bar with the flat look, which alone
    // lets the looks draw its pages; and whether it is checked (without a window to ask, the
    // pressed state stands for it). TRUE for a DC without a window: the caller asked for it.
    static BOOL IsFlatPageButton(CDC* pDC, BOOL bIsPressed, BOOL& bChecked);
    // The image of a sizing bar's caption button: the small close image, or the arrows of the
    // bar's orientation for the button that shrinks and restores it.
    static int CaptionButtonImage(CDC* pDC, int nGlyph, BOOL bDisabled);
    // The width of the grey image margin of menus, frame excluded.
    int GetMenuImageColumnWidth() const;
    static BOOL IsInPopupMenuBar(const CORXToolbarButtonInfo* pButton);
    static CORXToolbarMenuButton* AsMenuButton(CORXToolbarButtonInfo* pButton);
    // The menu button whose open menu is showing, outside popup menus.
    static BOOL IsDroppedMenuButton(CORXToolbarButtonInfo* pButton);
    void DrawGripperBand(CDC* pDC, CRect rectBand, CBrush& brush, COLORREF clrText, COLORREF clrBack);
    // A sizing bar's title over its gripper band.
    void DrawSizingBarCaption(CDC* pDC, const CRect& rectBand, BOOL bHorz, CControlBar* pBar);
};

#endif // VELMORA_ORXVISUALMANAGERXP_H
