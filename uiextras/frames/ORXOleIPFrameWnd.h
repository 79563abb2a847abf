// CORXOleIPFrameWnd and CORXOleDocIPFrameWnd: the in-place frames with the framework's tool bars
// and menus. While one is active it is the framework's current in-place frame, which the bars and
// menus ask before their own frame; deactivated, it gives the place back to the frame it took it
// from. Both route alike: CORXInPlaceFrame holds that routing once, over either OLE frame class.
#ifndef VELMORA_ORXOLEIPFRAMEWND_H
#define VELMORA_ORXOLEIPFRAMEWND_H

#include <afxwin.h>
#include <afxext.h>
#include <afxole.h>

#include "ORXExtrasHooks.h"
#include "ORXFrameImpl.h"
#include "ORXPopupMenu.h"
#include "ORXToolBar.h"

template <class TBase>
class CORXInPlaceFrame : public TBase, public CORXFrameImplHolder, public CORXFrameHooks
{
    typedef CORXInPlaceFrame<TBase> ThisFrame;

public:
    CORXInPlaceFrame()
        : CORXFrameHooks(this), m_Impl(this), m_uiIDResource(0), m_bContextHelp(FALSE),
          m_hwndLastTopLevelFrame(NULL)
    {
    }
    virtual ~CORXInPlaceFrame()
    {
        // A frame that goes while it is the current in-place frame leaves none behind.
        if (ORXInPlaceFrame() == this)
            ORXSetInPlaceFrame(NULL);
    }

    void SetMenuBar(CORXMenuBar* pMenuBar) { m_Impl.SetMenuBar(pMenuBar); }
    // Whether a pop-up menu may show: the frame's helper, then the frame's own answer.
    static BOOL ShowPopupMenu(CFrameWnd* pFrame, CORXPopupMenu* pMenu)
    {
        ThisFrame* pThis = dynamic_cast<ThisFrame*>(pFrame);
        return CORXFrameRouting::ShowPopupMenu(pThis != NULL ? &pThis->m_Impl : NULL, pMenu, AskFrame,
                                               pFrame);
    }

    // Overridables
    virtual BOOL OnShowPopupMenu(CORXPopupMenu* pMenu) { return TRUE; }
    virtual void OnClosePopupMenu(CORXPopupMenu* pMenu)
    {
        if (pMenu != NULL && CORXPopupMenu::GetActiveMenu() == pMenu)
            CORXPopupMenu::SetActiveMenu(NULL);
    }
    virtual BOOL OnPopupTearOff(CORXPopupMenu* pMenu, CControlBar* pBar) { return TRUE; }
    virtual BOOL OnTearOffMenu(CORXPopupMenu* pMenu, CControlBar* pBar)
    {
        return OnPopupTearOff(pMenu, pBar);
    }

    // Overrides
    // Its hooks beside what the frame helper's holder offers.
    virtual void* OfferFrameInterface(const std::type_info& iface)
    {
        void* pOwn = ORXOfferOwn<CORXFrameHooks>(this, iface);
        return pOwn != NULL ? pOwn : CORXFrameImplHolder::OfferFrameInterface(iface);
    }
    virtual CORXFrameImpl& GetFrameImpl() { return m_Impl; }
    BOOL IsUserDefinedToolbar(const CORXToolBar* pBar) const override
    {
        return m_Impl.IsUserDefinedToolbar(pBar);
    }
    virtual BOOL ApproveFramePopupMenu(CORXPopupMenu* pMenu) { return ShowPopupMenu(this, pMenu); }
    virtual BOOL PreTranslateMessage(MSG* pMsg)
    {
        int nRoute = CORXFrameRouting::PreTranslate(this, m_Impl, pMsg, TRUE);
        if (nRoute != CORXFrameRouting::routeContinue)
            return nRoute == CORXFrameRouting::routeTaken;
        return TBase::PreTranslateMessage(pMsg);
    }
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs)
    {
        m_Impl.RestorePosition(cs);
        return TBase::PreCreateWindow(cs);
    }
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL)
    {
        m_uiIDResource = nIDResource;
        return TBase::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext);
    }
    virtual BOOL WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT)
    {
        if (dwData == 0 && m_bContextHelp)
        {
            OnContextHelp();
            return TRUE;
        }
        return TBase::WinHelp(dwData, nCmd);
    }
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam)
    {
        int nRoute = CORXFrameRouting::OnCommand(m_Impl, wParam);
        if (nRoute != CORXFrameRouting::routeContinue)
            return nRoute == CORXFrameRouting::routeTaken;
        return TBase::OnCommand(wParam, lParam);
    }

    // Fields
    CORXFrameImpl m_Impl;
    UINT m_uiIDResource;
    BOOL m_bContextHelp;
    HWND m_hwndLastTopLevelFrame; // the in-place frame before this one was activated

    afx_msg void OnContextHelp() { CORXFrameRouting::OnContextHelp(this, m_bContextHelp); }

protected:
    static BOOL AskFrame(CFrameWnd* pFrame, CORXPopupMenu* pMenu)
    {
        ThisFrame* pThis = dynamic_cast<ThisFrame*>(pFrame);
        return pThis == NULL || pThis->OnShowPopupMenu(pMenu);
    }
    afx_msg LRESULT OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu)
    {
        LRESULT lResult = 0;
        if (CORXFrameRouting::OnMenuChar(m_Impl, nChar, lResult))
            return lResult;
        return TBase::OnMenuChar(nChar, nFlags, pMenu);
    }
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
    {
        TBase::OnActivate(nState, pWndOther, bMinimized);
        CORXFrameRouting::OnActivate(this, m_Impl, nState);
        CORXFrameRouting::OnActivateInPlace(this, nState, m_hwndLastTopLevelFrame);
    }
    afx_msg void OnClose()
    {
        m_Impl.OnCloseFrame();
        TBase::OnClose();
    }
    afx_msg void OnDestroy()
    {
        if (this->m_hAccelTable != NULL)
        {
            if (this->m_bAccelTableBuilt)
                ::DestroyAcceleratorTable(this->m_hAccelTable);
            this->m_hAccelTable = NULL;
            this->m_bAccelTableBuilt = FALSE;
        }
        if (ORXInPlaceFrame() == this)
            CORXFrameRouting::OnActivateInPlace(this, WA_INACTIVE, m_hwndLastTopLevelFrame);
        TBase::OnDestroy();
    }
    afx_msg LRESULT OnToolbarCreateNew(WPARAM, LPARAM lParam)
    {
        return (LRESULT)m_Impl.CreateNewToolBar((LPCTSTR)lParam);
    }
    afx_msg LRESULT OnToolbarDelete(WPARAM, LPARAM lParam)
    {
        return m_Impl.DeleteToolBar((CORXToolBar*)lParam);
    }

    // The message map, written out: the map macros name a plain class.
    static const AFX_MSGMAP* GetThisMessageMap()
    {
        typedef ThisFrame ThisClass;
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {
            // clang-format off
            ON_WM_MENUCHAR()
            ON_WM_ACTIVATE()
            ON_WM_CLOSE()
            ON_WM_DESTROY()
            ON_REGISTERED_MESSAGE(ORX_WM_TOOLBAR_CREATE, OnToolbarCreateNew)
            ON_REGISTERED_MESSAGE(ORX_WM_TOOLBAR_DELETE, OnToolbarDelete)
            {0, 0, 0, 0, AfxSig_end, (AFX_PMSG)0}
            // clang-format on
        };
        static const AFX_MSGMAP messageMap = {&TBase::GetThisMessageMap, &_messageEntries[0]};
        return &messageMap;
    }
    virtual const AFX_MSGMAP* GetMessageMap() const { return GetThisMessageMap(); }
};

class CORXOleIPFrameWnd : public CORXInPlaceFrame<COleIPFrameWnd>
{
    DECLARE_DYNCREATE(CORXOleIPFrameWnd)
public:
    CORXOleIPFrameWnd() {}
    virtual ~CORXOleIPFrameWnd() {}
};

class CORXOleDocIPFrameWnd : public CORXInPlaceFrame<COleDocIPFrameWnd>
{
    DECLARE_DYNCREATE(CORXOleDocIPFrameWnd)
public:
    CORXOleDocIPFrameWnd() {}
    virtual ~CORXOleDocIPFrameWnd() {}
};

#endif // VELMORA_ORXOLEIPFRAMEWND_H
