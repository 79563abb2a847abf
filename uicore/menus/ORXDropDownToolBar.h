// A palette of commands behind one tool-bar button: CORXDropDownToolbarButton shows the image of
// its current command with a small arrow; holding it down for half a second opens the palette, a
// CORXDropDownToolBar in a borderless floating CORXDropDownFrame next to the button; choosing a
// button there sends its command and makes it the opening button's current command.
#ifndef VELMORA_ORXDROPDOWNTOOLBAR_H
#define VELMORA_ORXDROPDOWNTOOLBAR_H

#include <afxwin.h>
#include <afxext.h>

#include "ORXToolBar.h"
#include "ORXToolbarButton.h"

class CORXDropDownToolbarButton;
class CORXDropDownFrame;

// The palette: a bar whose images are its own.
class CORXDropDownToolBar : public CORXToolBar
{
    DECLARE_SERIAL(CORXDropDownToolBar)
    friend class CORXDropDownFrame;
    friend class CORXDropDownToolbarButton;

public:
    CORXDropDownToolBar();
    virtual ~CORXDropDownToolBar();

    virtual BOOL LoadBitmap(UINT uiResID, UINT uiColdResID = 0, UINT uiMenuResID = 0, BOOL bLocked = TRUE,
                            UINT uiDisabledResID = 0, UINT uiMenuDisabledResID = 0);
    virtual BOOL LoadToolBar(UINT uiResID, UINT uiColdResID = 0, UINT uiMenuResID = 0, BOOL bLocked = TRUE,
                             UINT uiDisabledResID = 0, UINT uiMenuDisabledResID = 0, UINT uiHotResID = 0);
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler);
    virtual BOOL OnSendCommand(const CORXToolbarButton* pButton);
    virtual BOOL AllowShowOnList() const { return FALSE; }

    // The live bar of that resource among all drop-down tool bars; NULL when none.
    static CORXDropDownToolBar* FindByResourceID(UINT uiResID);
    CORXToolbarImageList& GetLockedImages() { return m_ImagesLocked; }

protected:
    // The palette shown by a frame takes the source bar's images, sizes, style, owner and copies
    // of its buttons.
    void CopyFromSource(CORXDropDownToolBar& source);
    CORXDropDownFrame* GetDropDownFrame() const;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()
};

// The floating frame that shows a palette.
class CORXDropDownFrame : public CMiniFrameWnd
{
    DECLARE_SERIAL(CORXDropDownFrame)
    friend class CORXDropDownToolBar;
    friend class CORXDropDownToolbarButton;

public:
    CORXDropDownFrame();
    virtual ~CORXDropDownFrame();

    // Opens the palette of the source bar at the screen point ((-1, -1): just inside the source
    // bar's client origin) for the button (may be NULL). Once it answers TRUE the frame deletes
    // itself when its window goes.
    virtual BOOL Create(CORXDropDownToolBar* pSourceBar, int x, int y, CORXDropDownToolbarButton* pButton);
    virtual void RecalcLayout(BOOL bNotify = TRUE);

    CORXDropDownToolBar& GetPalette() { return m_wndToolBar; }
    CORXDropDownToolbarButton* GetParentButton() const { return m_pParentBtn; }
    // The bar the opening button lies on, NULL when none.
    CORXToolBar* GetButtonBar() const;
    // Hides the frame at once and destroys it once the message in hand is done.
    void CloseLater();

    static CString m_strClassName;

protected:
    virtual void PostNcDestroy();

    BOOL m_bFlag;
    CORXDropDownToolbarButton* m_pParentBtn;
    CORXDropDownToolBar m_wndToolBar;
    CORXDropDownToolBar* m_pWndOriginToolbar;
    int m_x;
    int m_y;
    BOOL m_bAutoDestroyParent;
    CString m_strCaption;
    BOOL m_bInCreate; // a window destroyed while it is made leaves the object to the caller

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnActivateApp(BOOL bActive, HTASK hTask);
    afx_msg void OnDestroy();
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    DECLARE_MESSAGE_MAP()
};

// The button that opens a palette.
class CORXDropDownToolbarButton : public CORXToolbarButton
{
    DECLARE_SERIAL(CORXDropDownToolbarButton)
    friend class CORXDropDownFrame;
    friend class CORXDropDownToolBar;

public:
    CORXDropDownToolbarButton();
    CORXDropDownToolbarButton(LPCTSTR lpszName, CORXDropDownToolBar* pToolBar);
    virtual ~CORXDropDownToolbarButton();

    virtual void Serialize(CArchive& ar);
    virtual void CopyFrom(const CORXToolbarButton& src);
    virtual void OnDraw(CDC* pDC, const CRect& rect, CORXToolbarImageList* pImages, BOOL bHorz = TRUE,
                        BOOL bCustomizeMode = FALSE, BOOL bHighlight = FALSE, BOOL bDrawBorder = TRUE,
                        BOOL bGrayDisabledButtons = TRUE);
    virtual SIZE OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz);
    virtual BOOL OnClick(CWnd* pWnd, BOOL bDelay = TRUE);
    virtual void OnChangeParentWnd(CWnd* pWndParent);
    virtual BOOL ExportToMenuButton(CORXToolbarButton& menuButton) const;
    // The button shows its palette's image: the customise menu's image and text items are greyed.
    virtual BOOL OnCustomizeMenu(CMenu* pMenu);
    virtual void OnCancelMode();
    virtual BOOL IsDroppedDown() const { return m_pPopupMenu != NULL; }
    virtual BOOL CanBePressedDisabled() const { return TRUE; }

    // The button's current command, with the image of that command's palette button.
    void SetDefaultCommand(UINT uiCmd);
    virtual BOOL DropDownToolbar(CWnd* pWnd);

    CORXDropDownToolBar* GetSourceBar() const { return m_pToolBar; }
    const CString& GetName() const { return m_strName; }
    CORXDropDownFrame* GetDropDownFrame() const { return m_pPopupMenu; }
    BOOL IsTimerPending() const { return m_uiTimer != 0; }
    int GetShownImage() const { return m_iSelectedImage; }
    static CORXDropDownToolbarButton* GetTimerButton() { return m_pButtonTimer; }

    // The drop-down delay in milliseconds.
    static const UINT kDropDownDelay = 500;

protected:
    static void CALLBACK DropDownTimerProc(HWND hWnd, UINT uMsg, UINT_PTR idEvent, DWORD dwTime);
    void KillPendingTimer();
    void CloseFrame();
    void RepaintButton();
    // The menu bar the button lies on no longer counts it as dropped down.
    void ForgetOnMenuBar();

    CORXDropDownToolBar* m_pToolBar;
    CString m_strName;
    CORXDropDownFrame* m_pPopupMenu;
    CWnd* m_pWndParent;
    UINT_PTR m_uiTimer;
    int m_iSelectedImage;
    BOOL m_bInternalDraw;
    BOOL m_bLocalUserButton;

    static CORXDropDownToolbarButton* m_pButtonTimer;
    // Every live button, so that a source bar that goes leaves none pointing at it.
    static CPtrList m_lstLiveButtons;
};

#endif // VELMORA_ORXDROPDOWNTOOLBAR_H
