// CMDIFrameWnd and CMDIChildWnd: a main frame whose client area is the system's MDI client, with
// child frames inside it, the window menu the client keeps, and the WM_MDI* messages as calls.
#ifndef VELMORA_AFXMDI_H
#define VELMORA_AFXMDI_H

#include "afx.h"
#include "AfxWnd.h"

class CMDIChildWnd;

class CMDIFrameWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMDIFrameWnd)
public:
    // Construction
    CMDIFrameWnd();
    // Makes the MDI client (control id AFX_IDW_PANE_FIRST) with the pop-up that lists the children.
    virtual BOOL CreateClient(LPCREATESTRUCT lpCreateStruct, CMenu* pWindowMenu);

    // Operations: the WM_MDI* messages to the client
    void MDIActivate(CWnd* pWndActivate);
    // The active child (NULL when none); *pbMaximized says whether it is maximised.
    CMDIChildWnd* MDIGetActive(BOOL* pbMaximized = NULL) const;
    void MDIIconArrange();
    void MDIMaximize(CWnd* pWnd);
    void MDINext();
    void MDIPrev();
    void MDIRestore(CWnd* pWnd);
    CMenu* MDISetMenu(CMenu* pFrameMenu, CMenu* pWindowMenu);
    HMENU MDISetMenu(HMENU hFrameMenu, HMENU hWindowMenu);
    void MDITile();
    void MDITile(int nType);
    void MDICascade();
    void MDICascade(int nType);

    // Overridables
    // The pop-up of the menu bar that holds the Window commands (0xE130-0xE13F), NULL when none.
    virtual HMENU GetWindowMenuPopup(HMENU hMenuBar);

    // Implementation
    HWND m_hWndMDIClient;

    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    virtual CFrameWnd* GetActiveFrame();
    virtual CDocument* GetActiveDocument();
    virtual void OnUpdateFrameMenu(HMENU hMenuAlt);
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Commands go to the active child first, then the frame's own routing.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam);

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnMDIWindowCmd(UINT nID);
    afx_msg void OnUpdateMDIWindowCmd(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()
};

class CMDIChildWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMDIChildWnd)
public:
    // Construction
    CMDIChildWnd();
    // Made through the MDI client of pParentWnd (the application's main window when NULL).
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
                        DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                        const RECT& rect = rectDefault, CMDIFrameWnd* pParentWnd = NULL,
                        CCreateContext* pContext = NULL);
    virtual BOOL LoadFrame(UINT nIDResource,
                           DWORD dwDefaultStyle = WS_CHILD | WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL);

    // Attributes
    CMDIFrameWnd* GetMDIFrame();

    // Operations
    void MDIDestroy();
    void MDIActivate();
    void MDIMaximize();
    void MDIRestore();

    // Overridables
    // Puts the child's shared menu (hMenuAlt, else its own, else the frame's default) on the frame
    // while it is active; the last child going gives the frame its default menu back.
    virtual void OnUpdateFrameMenu(BOOL bActive, CWnd* pActivateWnd, HMENU hMenuAlt);
    // The child was activated (bActivate) or deactivated; the windows are those of WM_MDIACTIVATE.
    virtual void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd);

    // Implementation
    HMENU m_hMenuShared; // the menu the frame shows while the child is active (not the child's)

    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual LRESULT DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam);
    virtual BOOL DestroyWindow();

protected:
    afx_msg LRESULT OnMDIActivateMsg(WPARAM wParam, LPARAM lParam);
    afx_msg void OnClose();
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_AFXMDI_H
