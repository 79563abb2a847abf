// CORXOleIPFrameWnd and CORXOleDocIPFrameWnd: the in-place frames with the framework's tool bars
// and menus. While one is active it is the framework's current in-place frame, which the bars and
// menus ask before their own frame; deactivated, it gives the place back to the frame it took it
// from.
#ifndef VELMORA_ORXOLEIPFRAMEWND_H
#define VELMORA_ORXOLEIPFRAMEWND_H

#include <afxwin.h>
#include <afxext.h>
#include <afxole.h>

#include "ORXExtrasHooks.h"
#include "ORXFrameImpl.h"

class CORXOleIPFrameWnd : public COleIPFrameWnd, public CORXFrameImplHolder, public CORXFrameHooks
{
    DECLARE_DYNCREATE(CORXOleIPFrameWnd)
public:
    CORXOleIPFrameWnd();
    virtual ~CORXOleIPFrameWnd();

    void SetMenuBar(CORXMenuBar* pMenuBar) { m_Impl.SetMenuBar(pMenuBar); }
    static BOOL ShowPopupMenu(CFrameWnd* pFrame, CORXPopupMenu* pMenu);

    // Overridables
    virtual BOOL OnShowPopupMenu(CORXPopupMenu* pMenu) { return TRUE; }
    virtual void OnClosePopupMenu(CORXPopupMenu* pMenu);
    virtual BOOL OnPopupTearOff(CORXPopupMenu* pMenu, CControlBar* pBar) { return TRUE; }
    virtual BOOL OnTearOffMenu(CORXPopupMenu* pMenu, CControlBar* pBar)
    {
        return OnPopupTearOff(pMenu, pBar);
    }

    // Overrides
    virtual CORXFrameImpl& GetFrameImpl() { return m_Impl; }
    BOOL IsUserDefinedToolbar(const CORXToolBar* pBar) const override
    {
        return m_Impl.IsUserDefinedToolbar(pBar);
    }
    virtual BOOL ApproveFramePopupMenu(CORXPopupMenu* pMenu) { return ShowPopupMenu(this, pMenu); }
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL);
    virtual BOOL WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);

    // Fields
    CORXFrameImpl m_Impl;
    UINT m_uiIDResource;
    BOOL m_bContextHelp;
    HWND m_hwndLastTopLevelFrame; // the in-place frame before this one was activated

    afx_msg void OnContextHelp();

protected:
    static BOOL AskFrame(CFrameWnd* pFrame, CORXPopupMenu* pMenu);
    afx_msg LRESULT OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg void OnClose();
    afx_msg void OnDestroy();
    afx_msg LRESULT OnToolbarCreateNew(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnToolbarDelete(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

class CORXOleDocIPFrameWnd : public COleDocIPFrameWnd, public CORXFrameImplHolder, public CORXFrameHooks
{
    DECLARE_DYNCREATE(CORXOleDocIPFrameWnd)
public:
    CORXOleDocIPFrameWnd();
    virtual ~CORXOleDocIPFrameWnd();

    void SetMenuBar(CORXMenuBar* pMenuBar) { m_Impl.SetMenuBar(pMenuBar); }
    static BOOL ShowPopupMenu(CFrameWnd* pFrame, CORXPopupMenu* pMenu);

    // Overridables
    virtual BOOL OnShowPopupMenu(CORXPopupMenu* pMenu) { return TRUE; }
    virtual void OnClosePopupMenu(CORXPopupMenu* pMenu);
    virtual BOOL OnPopupTearOff(CORXPopupMenu* pMenu, CControlBar* pBar) { return TRUE; }
    virtual BOOL OnTearOffMenu(CORXPopupMenu* pMenu, CControlBar* pBar)
    {
        return OnPopupTearOff(pMenu, pBar);
    }

    // Overrides
    virtual CORXFrameImpl& GetFrameImpl() { return m_Impl; }
    BOOL IsUserDefinedToolbar(const CORXToolBar* pBar) const override
    {
        return m_Impl.IsUserDefinedToolbar(pBar);
    }
    virtual BOOL ApproveFramePopupMenu(CORXPopupMenu* pMenu) { return ShowPopupMenu(this, pMenu); }
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL);
    virtual BOOL WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);

    // Fields
    CORXFrameImpl m_Impl;
    UINT m_uiIDResource;
    BOOL m_bContextHelp;
    HWND m_hwndLastTopLevelFrame; // the in-place frame before this one was activated

    afx_msg void OnContextHelp();

protected:
    static BOOL AskFrame(CFrameWnd* pFrame, CORXPopupMenu* pMenu);
    afx_msg LRESULT OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg void OnClose();
    afx_msg void OnDestroy();
    afx_msg LRESULT OnToolbarCreateNew(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnToolbarDelete(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_ORXOLEIPFRAMEWND_H
