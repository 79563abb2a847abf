// CORXWinXPVisualManager: the look that draws bars, buttons and menus with the system's visual
// styles, and falls back to the flat look wherever no theme is open.
#ifndef VELMORA_ORXWINXPVISUALMANAGER_H
#define VELMORA_ORXWINXPVISUALMANAGER_H

#include "ORXVisualManagerXP.h"

class CORXWinXPVisualManager : public CORXVisualManagerXP, public CORXThemeLibrary
{
    DECLARE_DYNCREATE(CORXWinXPVisualManager)

    // Construction
public:
    explicit CORXWinXPVisualManager(BOOL bTemporary = FALSE);
    virtual ~CORXWinXPVisualManager();

    // Attributes
public:
    // TRUE keeps menus in the flat look under a theme; FALSE gives them the system's menu colours.
    BOOL xpLookMenus;

    // Overridables
public:
    BOOL IsThemedLook() const override { return m_hThemeWindow != NULL; }
    void OnUpdateSystemColors() override;
    void OnFillBarBackground(CDC* pDC, CControlBar* pBar, CRect rectClient, CRect rectClip) override;
    void OnDrawMenuBorder(CDC* pDC, CORXPopupMenu* pMenu, CRect rect) override;
    void OnDrawBarGripper(CDC* pDC, CRect rectGripper, BOOL bHorz, CControlBar* pBar) override;
    void OnDrawSeparator(CDC* pDC, CControlBar* pBar, CRect rect, BOOL bIsHoriz) override;
    void OnDrawCaptionButton(CDC* pDC, CRect rect, int nGlyph, BOOL bActive, BOOL bHighlighted, BOOL bPressed,
                             BOOL bDisabled) override;
    void OnDrawMenuSystemButton(CDC* pDC, CRect rect, UINT uiSystemCommand, UINT nStyle,
                                BOOL bHighlight) override;
    void OnDrawStatusBarPaneBorder(CDC* pDC, CWnd* pBar, CRect rectPane, UINT uiID, UINT nStyle) override;
    void OnDrawStatusBarSizeBox(CDC* pDC, CWnd* pStatBar, CRect rectSizeBox) override;
    void OnDrawComboDropButton(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped, BOOL bIsHighlighted,
                               CORXToolbarButtonInfo* pButton) override;
    void OnDrawComboBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped, BOOL bIsHighlighted,
                           CORXToolbarButtonInfo* pButton) override;
    void OnDrawEditBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsHighlighted,
                          CORXToolbarButtonInfo* pButton) override;
    void OnFillButtonInterior(CDC* pDC, CORXToolbarButtonInfo* pButton, CRect rect,
                              ORXButtonState state) override;
    void OnDrawButtonBorder(CDC* pDC, CORXToolbarButtonInfo* pButton, CRect rect,
                            ORXButtonState state) override;
    void OnDrawMenuButtonBorder(CDC* pDC, CORXToolbarButtonInfo* pButton, CRect rect,
                                ORXButtonState state) override;
    void OnFillHighlightedArea(CDC* pDC, CRect rect, CBrush* pBrush, CORXToolbarButtonInfo* pButton,
                               COLORREF* pclrText = NULL) override;
    BOOL OnFillOutlookPageButton(CDC* pDC, const CRect& rect, BOOL bIsHighlighted, BOOL bIsPressed,
                                 COLORREF& clrText) override;
    BOOL OnDrawOutlookPageButtonBorder(CDC* pDC, CRect& rectBtn, BOOL bIsHighlighted,
                                       BOOL bIsPressed) override;
    void OnFillPushButtonBackground(CDC* pDC, const CRect& rect, CWnd* pButton, BOOL bPushed,
                                    BOOL bHot) override;
    void OnDrawPushButtonBorder(CDC* pDC, const CRect& rect, CWnd* pButton, BOOL bPushed, BOOL bHot) override;
    void OnDrawTabButtonBorder(CDC* pDC, CRect& rect, BOOL bPressed, BOOL bHighlighted,
                               const CORXTabWndInfo* pTabWnd) override;
    COLORREF OnFillCommandsListBackground(CDC* pDC, CRect rect, BOOL bIsSelected = FALSE) override;
    CSize GetButtonExtraBorder() const override;
    void OnDrawScrollButtonBorder(CDC* pDC, CRect rect, BOOL bHighlighted, BOOL bPressed) override;
    void OnDrawScrollButtonArrow(CDC* pDC, CRect rect, BOOL bUp, BOOL bDisabled) override;
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
    void OnDrawExpandingBox(CDC* pDC, CRect rect, BOOL bIsOpened, COLORREF colorBox) override;
    void OnDrawControlBorder(CWnd* pWndCtrl) override;
    void OnDrawSpinButtons(CDC* pDC, CRect rectSpin, int nState, BOOL bOrientation, CWnd* pSpinCtrl) override;
    BOOL OnDrawPushButton(CDC* pDC, CRect rect, CWnd* pButton, COLORREF& clrText) override;
    void OnDrawProgress(CDC* pDC, CRect rect, int nCurrent, int nTotal, COLORREF clrBar,
                        COLORREF clrBarGradient, BOOL bShowText) override;
    BOOL OnDrawThemedProgress(CDC* pDC, CRect rect, int nCurrent, int nTotal) override;
    BOOL OnDrawThemedComboDropButton(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped,
                                     BOOL bIsHighlighted) override;

    // The theme wrapper's push-button drawing: FALSE when the button theme is not open (the button
    // then draws itself).
    BOOL DrawPushButton(CDC* pDC, CRect rect, CWnd* pButton, UINT uiState) override;

    // Implementation
protected:
    BOOL DrawPart(CDC* pDC, HANDLE hTheme, int nPart, int nState, const CRect& rect)
    {
        return DrawThemedBackground(pDC, hTheme, nPart, nState, rect);
    }
    // The themed push button's state: disabled, pressed (pushed and hot, or checked), hot, normal.
    static int PushButtonState(CWnd* pButton, BOOL bPushed, BOOL bHot);
    BOOL IsMenuButtonInMenu(CORXToolbarButtonInfo* pButton) const;
};

#endif // VELMORA_ORXWINXPVISUALMANAGER_H
