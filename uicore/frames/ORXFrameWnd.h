// CORXFrameWnd: the framework's single-document frame window: it embeds a frame helper, forwards
// its keys, clicks, placement and state to it, hosts the menu bar and creates and deletes the
// user-defined tool bars the customise dialog asks for.
#ifndef VELMORA_ORXFRAMEWND_H
#define VELMORA_ORXFRAMEWND_H

#include <afxwin.h>
#include <afxext.h>

#include "ORXExtrasHooks.h"
#include "ORXFrameImpl.h"

class CORXFrameWnd : public CFrameWnd, public CORXFrameImplHolder, public CORXFrameHooks
{
    DECLARE_DYNCREATE(CORXFrameWnd)

    // Construction
public:
    CORXFrameWnd();
    virtual ~CORXFrameWnd();

    // Operations
public:
    // The menu bar takes the frame's menu and replaces it.
    void SetMenuBar(CORXMenuBar* pMenuBar) { m_Impl.SetMenuBar(pMenuBar); }
    // The user-defined tool bars take the control ids first..last.
    void EnableUserToolbars(UINT uiFirstID, UINT uiLastID) { m_Impl.SetUserToolbarIds(uiFirstID, uiLastID); }
    BOOL IsUserDefinedToolbar(const CORXToolBar* pBar) const { return m_Impl.IsUserDefinedToolbar(pBar); }
    // Asked by the framework's pop-up menus before one of them shows: FALSE refuses it.
    static BOOL ShowPopupMenu(CFrameWnd* pFrame, CORXPopupMenu* pMenu);

    // Overridables
public:
    // A pop-up menu the helper allowed: FALSE refuses it.
    virtual BOOL OnShowPopupMenu(CORXPopupMenu* pMenu) { return TRUE; }
    // One of the frame's pop-up menus closes: it stops being the active one.
    virtual void OnClosePopupMenu(CORXPopupMenu* pMenu);
    virtual BOOL OnGetButtonToolTip(const CORXToolbarButton* pButton, CString& strTTText)
    {
        return GetButtonToolTipText(pButton, strTTText);
    }
    virtual BOOL GetButtonToolTipText(const CORXToolbarButton* pButton, CString& strTTText) { return FALSE; }
    // A pop-up menu torn off into the bar: FALSE cancels.
    virtual BOOL OnPopupTearOff(CORXPopupMenu* pMenu, CControlBar* pBar) { return TRUE; }
    virtual BOOL OnTearOffMenu(CORXPopupMenu* pMenu, CControlBar* pBar)
    {
        return OnPopupTearOff(pMenu, pBar);
    }

    // Overrides
public:
    // Its hooks beside what the frame helper's holder offers.
    virtual void* OfferFrameInterface(const std::type_info& iface);
    virtual CORXFrameImpl& GetFrameImpl() { return m_Impl; }
    virtual BOOL ApproveFramePopupMenu(CORXPopupMenu* pMenu) { return ShowPopupMenu(this, pMenu); }
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL);
    virtual BOOL WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual void OnUpdateFrameMenu(HMENU hMenuAlt);

    // Fields
protected:
    CORXFrameImpl m_Impl;
    UINT m_uiIDResource; // given to LoadFrame
    BOOL m_bContextHelp; // OnContextHelp is running

    // Implementation
public:
    afx_msg void OnContextHelp();

protected:
    static BOOL AskFrame(CFrameWnd* pFrame, CORXPopupMenu* pMenu);
    afx_msg void OnClose();
    afx_msg void OnDestroy();
    afx_msg LRESULT OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg LRESULT OnToolbarCreateNew(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnToolbarDelete(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_ORXFRAMEWND_H
