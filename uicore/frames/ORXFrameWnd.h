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
    BOOL OnShowPopupMenu(CORXPopupMenu* pMenu) { return m_Impl.OnShowPopupMenu(pMenu); }
    // The user-defined tool bars take the control ids first..last.
    void EnableUserToolbars(UINT uiFirstID, UINT uiLastID) { m_Impl.SetUserToolbarIds(uiFirstID, uiLastID); }
    BOOL IsUserDefinedToolbar(const CORXToolBar* pBar) const { return m_Impl.IsUserDefinedToolbar(pBar); }

    // Overrides
public:
    virtual CORXFrameImpl& GetFrameImpl() { return m_Impl; }
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL);
    virtual BOOL OnGetButtonToolTip(const CORXToolbarButton* pButton, CString& strTTText)
    {
        return GetButtonToolTipText(pButton, strTTText);
    }
    // The menu has already handed the keyboard on; a frame that tracks its menus forgets it here.
    virtual void OnClosePopupMenu(CORXPopupMenu* pMenu) {}

    // Overridables
public:
    virtual BOOL GetButtonToolTipText(const CORXToolbarButton* pButton, CString& strTTText) { return FALSE; }

    // Fields
protected:
    CORXFrameImpl m_Impl;

    // Implementation
protected:
    afx_msg void OnClose();
    afx_msg LRESULT OnToolbarCreateNew(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnToolbarDelete(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_ORXFRAMEWND_H
