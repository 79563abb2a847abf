// CORXFrameImpl: what the framework's frame windows share: the user-defined and torn-off tool
// bars, the menu bar, the stored window placement and the pre-translation of keys and clicks while
// pop-up menus or the menu bar are active. Each frame embeds one and forwards to it.
#ifndef VELMORA_ORXFRAMEIMPL_H
#define VELMORA_ORXFRAMEIMPL_H

#include <afxwin.h>
#include <afxext.h>
#include <afxcoll.h>

#include "ORXFrameOffers.h"
#include "ORXPopupMenu.h"
#include "ORXWorkspace.h"

class CORXMenuBar;
class CORXToolBar;

// While it lives, each frame helper is registered as the host of the menus its frame opens and as
// the keeper of its frame's bar lists.
class CORXFrameImpl : private CORXMenuHost, private CORXFrameStateLink
{
    // Construction
public:
    explicit CORXFrameImpl(CFrameWnd* pFrame);
    virtual ~CORXFrameImpl();

    // Operations
public:
    void OnCloseFrame();
    void RestorePosition(CREATESTRUCT& cs);
    void OnLoadFrame();

    // The user-defined bars: their control ids are first..last (both -1 when there are none).
    void SetUserToolbarIds(UINT uiFirstID, UINT uiLastID)
    {
        m_uiUserToolbarFirst = uiFirstID;
        m_uiUserToolbarLast = uiLastID;
    }
    void SetProfileName(LPCTSTR lpszProfile) { m_strControlBarRegEntry = lpszProfile; }
    void LoadUserToolbars();
    void SaveUserToolbars(BOOL bFrameBarsOnly = FALSE);
    BOOL IsUserDefinedToolbar(const CORXToolBar* pBar) const;
    // TRUE when every bar the state docks is a bar of the frame.
    BOOL IsDockStateValid(const CDockState& state) const;
    static BOOL IsDockStateValid(CFrameWnd* pFrame, const CDockState& state);
    static UINT GetFreeBarID(UINT uiFirstID, UINT uiLastID, const CObList& lstBars);
    CORXToolBar* CreateNewToolBar(LPCTSTR lpszName);
    BOOL DeleteToolBar(CORXToolBar* pBar);

    void AddTearOffBar(CControlBar* pBar);
    void RemoveTearOffBar(CControlBar* pBar);

    void SetMenuBar(CORXMenuBar* pMenuBar);
    CORXMenuBar* GetMenuBar() const { return m_pMenuBar; }

    BOOL ProcessKeyboard(int nKey, BOOL* pbProcessAccel = NULL);
    BOOL ProcessMouseClick(UINT uiMsg, POINT pt, HWND hwnd);
    // TRUE when the point lies outside the open menu and its parent menus (a mouse move there is
    // swallowed while the menus are open); FALSE without an open menu and in customise mode.
    static BOOL IsPointOutsidePopupMenu(CPoint ptScreen);
    BOOL OnShowPopupMenu(CORXPopupMenu* pMenu);
    BOOL OnMenuChar(UINT nChar);
    static BOOL IsHelpKey(const MSG* pMsg);
    void DeactivateMenu();

    // Attributes
public:
    const CObList& GetUserToolbars() const { return m_listUserDefinedToolbars; }
    const CObList& GetTearOffBars() const { return m_listTearOffToolbars; }
    CFrameWnd* GetFrame() const { return m_pFrame; }
    // The frame helper of the frame at the root of a window, NULL when that frame has none.
    static CORXFrameImpl* FromWindow(HWND hWnd);

    static CString m_strControlBarsTearOff;

    // Fields
protected:
    UINT m_uiUserToolbarFirst;
    UINT m_uiUserToolbarLast;
    CObList m_listUserDefinedToolbars;
    CObList m_listTearOffToolbars;
    CString m_strControlBarRegEntry;
    CORXMenuBar* m_pMenuBar;
    HMENU m_hDefaultMenu;
    DWORD m_dwReserved;
    CFrameWnd* m_pFrame;

    // Implementation
protected:
    CString GetProfile() const;
    BOOL IsRangeSet() const;

private:
    virtual BOOL OnShowMenu(CORXPopupMenu* pMenu, BOOL& bApprove);
    virtual BOOL OnMenuBarWindow(CORXMenuBar* pMenuBar, BOOL bCreated);
    virtual BOOL LoadSaveFrameBars(CFrameWnd* pFrame, LPCTSTR lpszSection, BOOL bSave);
};

// A frame window that embeds a frame helper; its helper keeps the bars torn off its menus. The
// frame offers both (ORXFrameOffer finds them).
class CORXFrameImplHolder : public CORXTearOffFrame, public CORXFrameOffers
{
public:
    virtual ~CORXFrameImplHolder() {}
    virtual void* OfferFrameInterface(const std::type_info& iface)
    {
        void* pOwn = ORXOfferOwn<CORXFrameImplHolder, CORXTearOffFrame>(this, iface);
        return pOwn != NULL ? pOwn : CORXFrameOffers::OfferFrameInterface(iface);
    }
    virtual CORXFrameImpl& GetFrameImpl() = 0;
    virtual void KeepTearOffBar(CControlBar* pBar) { GetFrameImpl().AddTearOffBar(pBar); }
    // A menu of the frame about to show: the frame's own answer (its static ShowPopupMenu),
    // else the helper's.
    virtual BOOL ApproveFramePopupMenu(CORXPopupMenu* pMenu) { return GetFrameImpl().OnShowPopupMenu(pMenu); }
};

// What the framework's four frame windows do alike, each through its own helper.
class CORXFrameRouting
{
public:
    // The answers of PreTranslate: the message was taken, must not be translated (no accelerator
    // may run), or goes on to the frame's base class.
    enum
    {
        routeTaken = 1,
        routeRefused = 0,
        routeContinue = -1
    };
    // bInPlace: the in-place frames' narrower set (no system keys, context menu or Alt handling;
    // double clicks and button-ups taken too).
    static int PreTranslate(CFrameWnd* pFrame, CORXFrameImpl& impl, MSG* pMsg, BOOL bInPlace);
    // An accelerator's command: counted, closes an open menu or runs a user tool (taken); in
    // customise mode refused; else continue.
    static int OnCommand(CORXFrameImpl& impl, WPARAM wParam);
    // TRUE with the answer when the helper took the character.
    static BOOL OnMenuChar(CORXFrameImpl& impl, UINT nChar, LRESULT& lResult);
    static void OnActivate(CFrameWnd* pFrame, CORXFrameImpl& impl, UINT nState);
    // The in-place frames keep the framework's current in-place frame: set on activation with the
    // former one remembered in hWndPrev, put back on deactivation (only while it still exists).
    static void OnActivateInPlace(CFrameWnd* pFrame, UINT nState, HWND& hWndPrev);
    // The frame's static ShowPopupMenu: NULL asks nothing and is allowed; the helper may refuse;
    // a menu shown before is allowed again; else the frame's own overridable answers.
    static BOOL ShowPopupMenu(CORXFrameImpl* pImpl, CORXPopupMenu* pMenu,
                              BOOL (*pfnFrameAnswer)(CFrameWnd*, CORXPopupMenu*), CFrameWnd* pFrame);
    // The menu bar shows instead of the frame's own menu.
    static void RemoveFrameMenu(CFrameWnd* pFrame, CORXFrameImpl& impl);
    // ID_CONTEXT_HELP of the frames: the bars go into help mode with the frame. bInProgress is the
    // frame's flag: a request while it is set changes nothing.
    static void OnContextHelp(CFrameWnd* pFrame, BOOL& bInProgress);
};

#endif // VELMORA_ORXFRAMEIMPL_H
