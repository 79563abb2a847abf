// The window procedure, message-map dispatch, command and notification handling, reflection to
// child controls, and pre-translation.
#include "AfxWinImpl.h"
#include "AfxGdi.h"
#include "AfxMenu.h"

#include <new>

// Helpers that hand the dispatcher and the frames the GDI and menu wrappers of a handle.

HMENU AFXAPI AfxMenuHandle(CMenu* pMenu)
{
    return pMenu != NULL ? pMenu->m_hMenu : NULL;
}

CMenu* AFXAPI AfxMenuFromHandle(HMENU hMenu)
{
    return CMenu::FromHandle(hMenu);
}

CDC* AFXAPI AfxDCFromHandle(HDC hDC)
{
    return CDC::FromHandle(hDC);
}

// The window procedure

LRESULT AFXAPI AfxProcessWndProcException(CException* e, const MSG* pMsg)
{
    CWinThread* pThread = AfxGetThread();
    if (pThread != NULL)
        return pThread->ProcessWndProcException(e, pMsg);
    return CWinThread::DefaultProcessWndProcException(e, pMsg);
}

// A hidden dialog that its initialisation neither showed nor moved, and whose owner is
// disabled (a modal run), is centred on its owner.
static void AfxPostInitDialog(HWND hWnd, const RECT& rectOld, DWORD dwStyleOld)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == NULL || (dwStyleOld & WS_VISIBLE))
        return;
    if (::GetWindowLong(hWnd, GWL_STYLE) & (WS_VISIBLE | WS_CHILD))
        return;
    RECT rect;
    ::GetWindowRect(hWnd, &rect);
    if (rectOld.left != rect.left || rectOld.top != rect.top)
        return;
    HWND hWndOwner = ::GetWindow(hWnd, GW_OWNER);
    if (hWndOwner != NULL && ::IsWindowEnabled(hWndOwner))
        return;
    if (!pWnd->CheckAutoCenter())
        return;
    pWnd->CenterWindow();
}

LRESULT AFXAPI AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    RECT rectOld = {0, 0, 0, 0};
    DWORD dwStyleOld = 0;
    if (nMsg == WM_INITDIALOG)
    {
        ::GetWindowRect(hWnd, &rectOld);
        dwStyleOld = (DWORD)::GetWindowLong(hWnd, GWL_STYLE);
    }

    AFX_THREAD_STATE* pState = AfxGetThreadState();
    MSG oldState = pState->lastSentMsg;
    pState->lastSentMsg.hwnd = hWnd;
    pState->lastSentMsg.message = nMsg;
    pState->lastSentMsg.wParam = wParam;
    pState->lastSentMsg.lParam = lParam;

    // An exception must never unwind into the system's code that called this procedure: it
    // is reported here and the program goes on.
    LRESULT lResult = 0;
    try
    {
        lResult = pWnd->WindowProc(nMsg, wParam, lParam);
    }
    catch (CException* e)
    {
        MSG msg = pState->lastSentMsg;
        msg.hwnd = hWnd;
        msg.message = nMsg;
        lResult = AfxProcessWndProcException(e, &msg);
        e->Delete();
    }
    catch (std::bad_alloc&)
    {
        MSG msg = pState->lastSentMsg;
        msg.hwnd = hWnd;
        msg.message = nMsg;
        CMemoryException* e = new CMemoryException;
        lResult = AfxProcessWndProcException(e, &msg);
        e->Delete();
    }
    catch (...)
    {
        MSG msg = pState->lastSentMsg;
        msg.hwnd = hWnd;
        msg.message = nMsg;
        lResult = AfxProcessWndProcException(NULL, &msg);
    }
    pState->lastSentMsg = oldState;
    if (nMsg == WM_INITDIALOG)
        AfxPostInitDialog(hWnd, rectOld, dwStyleOld);
    return lResult;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == NULL || pWnd->m_hWnd != hWnd)
        return ::DefWindowProc(hWnd, nMsg, wParam, lParam);
    return AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

const MSG* PASCAL CWnd::GetCurrentMessage()
{
    return &AfxGetThreadState()->lastSentMsg;
}

// Default processing

LRESULT CWnd::DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    WNDPROC pfnSuper = *GetSuperWndProcAddr();
    if (pfnSuper != NULL)
        return ::CallWindowProc(pfnSuper, m_hWnd, nMsg, wParam, lParam);
    return ::DefWindowProc(m_hWnd, nMsg, wParam, lParam);
}

LRESULT CWnd::Default()
{
    const MSG* pMsg = &AfxGetThreadState()->lastSentMsg;
    return DefWindowProc(pMsg->message, pMsg->wParam, pMsg->lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

// Message-map lookup. Maps are static tables, so what the walk from a class's map finds for a
// message never changes: the thread remembers it, found or not, keyed by the class's map.

static volatile LONG afxMsgCacheEnabled = TRUE;

BOOL AFXAPI AfxEnableMsgMapCache(BOOL bEnable)
{
    return (BOOL)::InterlockedExchange(&afxMsgCacheEnabled, bEnable ? TRUE : FALSE);
}

static void AfxWalkMessageMaps(const AFX_MSGMAP* pMap, UINT message, const AFX_MSGMAP_ENTRY*& lpEntry,
                               UINT_PTR& nSig)
{
    lpEntry = NULL;
    nSig = AfxSig_end;
    for (; pMap != NULL && lpEntry == NULL; pMap = pMap->pfnGetBaseMap != NULL ? pMap->pfnGetBaseMap() : NULL)
    {
        if (message < 0xC000)
        {
            lpEntry = AfxFindMessageEntry(pMap->lpEntries, message, 0, 0);
            if (lpEntry != NULL)
                nSig = lpEntry->nSig;
        }
        else
        {
            for (const AFX_MSGMAP_ENTRY* p = pMap->lpEntries; p->nSig != AfxSig_end; p++)
            {
                if (p->nMessage == 0xC000 && p->nCode == 0 && *(const UINT*)p->nSig == message)
                {
                    lpEntry = p;
                    nSig = AfxSig_lwl;
                    break;
                }
            }
        }
    }
}

static void AfxLookupMessage(const AFX_MSGMAP* pMessageMap, UINT message, const AFX_MSGMAP_ENTRY*& lpEntry,
                             UINT_PTR& nSig)
{
    if (!afxMsgCacheEnabled)
    {
        AfxWalkMessageMaps(pMessageMap, message, lpEntry, nSig);
        return;
    }
    UINT iHash = ((UINT)((UINT_PTR)pMessageMap >> 3) ^ message) & (AFX_THREAD_STATE::nMsgCacheSize - 1);
    AFX_MSG_CACHE& slot = AfxGetThreadState()->msgCache[iHash];
    if (slot.pMessageMap != pMessageMap || slot.nMsg != message)
    {
        AfxWalkMessageMaps(pMessageMap, message, slot.lpEntry, slot.nSig);
        slot.nMsg = message;
        slot.pMessageMap = pMessageMap;
    }
    lpEntry = slot.lpEntry;
    nSig = slot.nSig;
}

// Dispatch

union AfxWndFunctions {
    AFX_PMSG pfn;
    BOOL (CWnd::*pfn_bD)(CDC*);
    BOOL (CWnd::*pfn_bb)(BOOL);
    BOOL (CWnd::*pfn_bWww)(CWnd*, UINT, UINT);
    HBRUSH (CWnd::*pfn_hDWw)(CDC*, CWnd*, UINT);
    HBRUSH (CWnd::*pfn_hDw)(CDC*, UINT);
    int (CWnd::*pfn_iwWw)(UINT, CWnd*, UINT);
    int (CWnd::*pfn_iww)(UINT, UINT);
    int (CWnd::*pfn_iWww)(CWnd*, UINT, UINT);
    int (CWnd::*pfn_is)(LPVOID);
    LRESULT (CWnd::*pfn_lwl)(WPARAM, LPARAM);
    LRESULT (CWnd::*pfn_lwwM)(UINT, UINT, CMenu*);
    void (CWnd::*pfn_vv)();
    void (CWnd::*pfn_vw)(UINT);
    void (CWnd::*pfn_vww)(UINT, UINT);
    void (CWnd::*pfn_vvii)(int, int);
    void (CWnd::*pfn_vwww)(UINT, UINT, UINT);
    void (CWnd::*pfn_vwii)(UINT, int, int);
    void (CWnd::*pfn_vwl)(UINT, LPARAM);
    void (CWnd::*pfn_vD)(CDC*);
    void (CWnd::*pfn_vM)(CMenu*);
    void (CWnd::*pfn_vMwb)(CMenu*, UINT, BOOL);
    void (CWnd::*pfn_vW)(CWnd*);
    void (CWnd::*pfn_vWp)(CWnd*, CPoint);
    void (CWnd::*pfn_vwW)(UINT, CWnd*);
    void (CWnd::*pfn_vwWb)(UINT, CWnd*, BOOL);
    void (CWnd::*pfn_vwwW)(UINT, UINT, CWnd*);
    void (CWnd::*pfn_vs)(LPVOID);
    void (CWnd::*pfn_vOWNER)(int, LPVOID);
    int (CWnd::*pfn_iis)(int, LPVOID);
    LRESULT (CWnd::*pfn_wp)(CPoint);
    UINT (CWnd::*pfn_wv)();
    BOOL (CWnd::*pfn_bHELPINFO)(HELPINFO*);
    void (CWnd::*pfn_vwSIZING)(UINT, LPRECT);
    void (CWnd::*pfn_vbw)(BOOL, UINT);
    void (CWnd::*pfn_vbh)(BOOL, HTASK);
    void (CWnd::*pfn_vwwh)(UINT, UINT, HMENU);
    void (CWnd::*pfn_vws)(UINT, LPCTSTR);
    void (CWnd::*pfn_vs2)(LPCTSTR);
    BOOL (CWnd::*pfn_bwsp)(UINT, short, CPoint);
    void (CWnd::*pfn_vwp)(UINT, CPoint);
    BOOL (CWnd::*pfn_bv)();
    HANDLE (CWnd::*pfn_hv)();
    void (CWnd::*pfn_vb)(BOOL);
    void (CWnd::*pfn_iSS)(int, LPSTYLESTRUCT);
    void (CWnd::*pfn_vHDROP)(HDROP);
    BOOL (CWnd::*pfn_bWCDS)(CWnd*, COPYDATASTRUCT*);
    BOOL (CWnd::*pfn_bwl)(UINT, DWORD_PTR);
    void (CWnd::*pfn_vPOS)(WINDOWPOS*);
    void (CWnd::*pfn_vCALC)(BOOL, NCCALCSIZE_PARAMS*);
};

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = 0;

    if (message == WM_COMMAND)
    {
        if (OnCommand(wParam, lParam))
        {
            if (pResult != NULL)
                *pResult = 1;
            return TRUE;
        }
        return FALSE;
    }
    if (message == WM_NOTIFY)
    {
        NMHDR* pNMHDR = (NMHDR*)lParam;
        if (pNMHDR != NULL && pNMHDR->hwndFrom != NULL && OnNotify(wParam, lParam, &lResult))
        {
            if (pResult != NULL)
                *pResult = lResult;
            return TRUE;
        }
        return FALSE;
    }

    // Every colour message goes through the one WM_CTLCOLOR handler.
    AFX_CTLCOLOR ctl;
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
    {
        ctl.hDC = (HDC)wParam;
        ctl.hWnd = (HWND)lParam;
        ctl.nCtlType = message - WM_CTLCOLORMSGBOX;
        message = WM_CTLCOLOR;
        lParam = (LPARAM)&ctl;
    }

    const AFX_MSGMAP_ENTRY* lpEntry = NULL;
    UINT_PTR nSig = AfxSig_end;
    AfxLookupMessage(GetMessageMap(), message, lpEntry, nSig);
    if (lpEntry == NULL)
        return FALSE;

    AfxWndFunctions mmf;
    mmf.pfn = lpEntry->pfn;
    switch (nSig)
    {
    case AfxSig_bD:
        lResult = (this->*mmf.pfn_bD)(AfxDCFromHandle((HDC)wParam));
        break;
    case AfxSig_bb:
        lResult = (this->*mmf.pfn_bb)((BOOL)wParam);
        break;
    case AfxSig_bWww:
        lResult = (this->*mmf.pfn_bWww)(CWnd::FromHandle((HWND)wParam), (UINT)(short)LOWORD(lParam),
                                        HIWORD(lParam));
        break;
    case AfxSig_hDWw: {
        AFX_CTLCOLOR* pCtl = (AFX_CTLCOLOR*)lParam;
        lResult = (LRESULT)(this->*mmf.pfn_hDWw)(AfxDCFromHandle(pCtl->hDC), CWnd::FromHandle(pCtl->hWnd),
                                                 pCtl->nCtlType);
        break;
    }
    case AfxSig_hDw: {
        AFX_CTLCOLOR* pCtl = (AFX_CTLCOLOR*)lParam;
        lResult = (LRESULT)(this->*mmf.pfn_hDw)(AfxDCFromHandle(pCtl->hDC), pCtl->nCtlType);
        break;
    }
    case AfxSig_iwWw:
        lResult = (this->*mmf.pfn_iwWw)(LOWORD(wParam), CWnd::FromHandle((HWND)lParam), HIWORD(wParam));
        break;
    case AfxSig_iww:
        lResult = (this->*mmf.pfn_iww)(LOWORD(wParam), HIWORD(wParam));
        break;
    case AfxSig_iWww:
        lResult = (this->*mmf.pfn_iWww)(CWnd::FromHandle((HWND)wParam), (UINT)(short)LOWORD(lParam),
                                        HIWORD(lParam));
        break;
    case AfxSig_is:
        lResult = (this->*mmf.pfn_is)((LPVOID)lParam);
        break;
    case AfxSig_lwl:
        lResult = (this->*mmf.pfn_lwl)(wParam, lParam);
        break;
    case AfxSig_lwwM:
        lResult = (this->*mmf.pfn_lwwM)(LOWORD(wParam), HIWORD(wParam), AfxMenuFromHandle((HMENU)lParam));
        break;
    case AfxSig_vv:
        (this->*mmf.pfn_vv)();
        break;
    case AfxSig_vw:
        (this->*mmf.pfn_vw)((UINT)wParam);
        break;
    case AfxSig_vww:
        (this->*mmf.pfn_vww)((UINT)wParam, (UINT)lParam);
        break;
    case AfxSig_vvii:
        (this->*mmf.pfn_vvii)((short)LOWORD(lParam), (short)HIWORD(lParam));
        break;
    case AfxSig_vwww:
        (this->*mmf.pfn_vwww)((UINT)wParam, LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_vwii:
        (this->*mmf.pfn_vwii)((UINT)wParam, (short)LOWORD(lParam), (short)HIWORD(lParam));
        break;
    case AfxSig_vwl:
        (this->*mmf.pfn_vwl)((UINT)wParam, lParam);
        break;
    case AfxSig_vD:
        (this->*mmf.pfn_vD)(AfxDCFromHandle((HDC)wParam));
        break;
    case AfxSig_vM:
        (this->*mmf.pfn_vM)(AfxMenuFromHandle((HMENU)wParam));
        break;
    case AfxSig_vMwb:
        (this->*mmf.pfn_vMwb)(AfxMenuFromHandle((HMENU)wParam), LOWORD(lParam), (BOOL)HIWORD(lParam));
        break;
    case AfxSig_vW:
        // WM_CAPTURECHANGED names the new capture window in lParam; the others in wParam.
        (this->*mmf.pfn_vW)(CWnd::FromHandle((HWND)(message == WM_CAPTURECHANGED ? lParam : wParam)));
        break;
    case AfxSig_vWp:
        (this->*mmf.pfn_vWp)(CWnd::FromHandle((HWND)wParam), CPoint((DWORD)lParam));
        break;
    case AfxSig_vwW:
        (this->*mmf.pfn_vwW)((UINT)wParam, CWnd::FromHandle((HWND)lParam));
        break;
    case AfxSig_vwWb:
        (this->*mmf.pfn_vwWb)(LOWORD(wParam), CWnd::FromHandle((HWND)lParam), (BOOL)HIWORD(wParam));
        break;
    case AfxSig_vwwW:
        (this->*mmf.pfn_vwwW)(LOWORD(wParam), HIWORD(wParam), CWnd::FromHandle((HWND)lParam));
        break;
    case AfxSig_vwwx:
        (this->*mmf.pfn_vww)(LOWORD(wParam), HIWORD(wParam));
        break;
    case AfxSig_vs:
        (this->*mmf.pfn_vs)((LPVOID)lParam);
        break;
    case AfxSig_vOWNER:
        (this->*mmf.pfn_vOWNER)((int)wParam, (LPVOID)lParam);
        lResult = TRUE;
        break;
    case AfxSig_iis:
        lResult = (this->*mmf.pfn_iis)((int)wParam, (LPVOID)lParam);
        break;
    case AfxSig_wp:
        lResult = (this->*mmf.pfn_wp)(CPoint((DWORD)lParam));
        break;
    case AfxSig_wv:
        lResult = (this->*mmf.pfn_wv)();
        break;
    case AfxSig_vPOS:
        (this->*mmf.pfn_vPOS)((WINDOWPOS*)lParam);
        break;
    case AfxSig_vCALC:
        (this->*mmf.pfn_vCALC)((BOOL)wParam, (NCCALCSIZE_PARAMS*)lParam);
        break;
    case AfxSig_bHELPINFO:
        lResult = (this->*mmf.pfn_bHELPINFO)((HELPINFO*)lParam);
        break;
    case AfxSig_vwSIZING:
        (this->*mmf.pfn_vwSIZING)((UINT)wParam, (LPRECT)lParam);
        lResult = TRUE;
        break;
    case AfxSig_vbw:
        (this->*mmf.pfn_vbw)((BOOL)wParam, (UINT)lParam);
        break;
    case AfxSig_vbh:
        (this->*mmf.pfn_vbh)((BOOL)wParam, (HTASK)lParam);
        break;
    case AfxSig_vwwh:
        (this->*mmf.pfn_vwwh)(LOWORD(wParam), HIWORD(wParam), (HMENU)lParam);
        break;
    case AfxSig_vws:
        (this->*mmf.pfn_vws)((UINT)wParam, (LPCTSTR)lParam);
        break;
    case AfxSig_vs2:
        (this->*mmf.pfn_vs2)((LPCTSTR)lParam);
        break;
    case AfxSig_bwsp:
        lResult = (this->*mmf.pfn_bwsp)(LOWORD(wParam), (short)HIWORD(wParam), CPoint((DWORD)lParam));
        break;
    case AfxSig_vwp:
        (this->*mmf.pfn_vwp)((UINT)wParam, CPoint((DWORD)lParam));
        break;
    case AfxSig_bv:
        lResult = (this->*mmf.pfn_bv)();
        break;
    case AfxSig_hv:
        lResult = (LRESULT)(this->*mmf.pfn_hv)();
        break;
    case AfxSig_vb:
        (this->*mmf.pfn_vb)((BOOL)wParam);
        break;
    case AfxSig_iSS:
        (this->*mmf.pfn_iSS)((int)wParam, (LPSTYLESTRUCT)lParam);
        break;
    case AfxSig_vHDROP:
        (this->*mmf.pfn_vHDROP)((HDROP)wParam);
        break;
    case AfxSig_bWCDS:
        lResult = (this->*mmf.pfn_bWCDS)(CWnd::FromHandle((HWND)wParam), (COPYDATASTRUCT*)lParam);
        break;
    case AfxSig_bwl:
        lResult = (this->*mmf.pfn_bwl)((UINT)wParam, (DWORD_PTR)lParam);
        break;
    case AfxSig_vMINMAX:
        (this->*mmf.pfn_vs)((LPVOID)lParam);
        break;
    default:
        return FALSE;
    }

    if (pResult != NULL)
        *pResult = lResult;
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    HWND hWndCtrl = (HWND)lParam;
    int nCode = HIWORD(wParam);

    if (hWndCtrl == NULL)
    {
        if (nID == 0)
            return FALSE;
        // A command disabled since its menu was shown must not run.
        CCmdUI state;
        state.m_nID = nID;
        BOOL bEnabled = TRUE;
        struct CTestCmdUI : public CCmdUI
        {
            BOOL* m_pEnabled;
            virtual void Enable(BOOL bOn)
            {
                *m_pEnabled = bOn;
                m_bEnableChanged = TRUE;
            }
            virtual void SetCheck(int) {}
            virtual void SetRadio(BOOL) {}
            virtual void SetText(LPCTSTR) {}
        } test;
        test.m_nID = nID;
        test.m_pEnabled = &bEnabled;
        OnCmdMsg(nID, (int)CN_UPDATE_COMMAND_UI, &test, NULL);
        if (!bEnabled)
            return TRUE;
        nCode = CN_COMMAND;
    }
    else
    {
        if (AfxGetThreadState()->hLockoutNotifyWindow == m_hWnd)
            return TRUE; // notifications caused by UpdateData itself are ignored
        LRESULT lResult = 0;
        if (ReflectNotifyToChild(hWndCtrl, WM_COMMAND, wParam, lParam, &lResult))
            return TRUE;
        if (nID == 0)
            return FALSE;
    }
    return OnCmdMsg(nID, nCode, NULL, NULL);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = (NMHDR*)lParam;
    HWND hWndCtrl = pNMHDR->hwndFrom;
    UINT nID = (UINT)pNMHDR->idFrom;
    int nCode = (int)pNMHDR->code;

    if (AfxGetThreadState()->hLockoutNotifyWindow == m_hWnd)
        return TRUE;
    if (ReflectNotifyToChild(hWndCtrl, WM_NOTIFY, (WPARAM)nID, lParam, pResult))
        return TRUE;
    // A tool tip names its tool (often a window handle) in idFrom; handlers are keyed by the
    // tool-tip control's own id, which is 0.
    if (nCode <= (int)TTN_FIRST && nCode >= (int)TTN_LAST && hWndCtrl != NULL &&
        !(::GetWindowLong(hWndCtrl, GWL_STYLE) & WS_CHILD))
        nID = 0;

    AFX_NOTIFY notify;
    notify.pResult = pResult;
    notify.pNMHDR = pNMHDR;
    return OnCmdMsg(nID, MAKELONG(nCode, WM_NOTIFY), &notify, NULL);
}

BOOL CWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    return CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

// Reflection

BOOL CWnd::ReflectNotifyToChild(HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    CWnd* pChild = FromHandlePermanent(hWndChild);
    if (pChild == NULL || pChild == this)
        return FALSE;
    return pChild->OnChildNotify(message, wParam, lParam, pResult);
}

BOOL PASCAL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult)
{
    CWnd* pWnd = FromHandlePermanent(hWndChild);
    if (pWnd == NULL)
        return FALSE;
    return pWnd->SendChildNotifyLastMsg(pResult);
}

BOOL CWnd::SendChildNotifyLastMsg(LRESULT* pResult)
{
    const MSG* pMsg = &AfxGetThreadState()->lastSentMsg;
    return OnChildNotify(pMsg->message, pMsg->wParam, pMsg->lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lLocal = 0;
    if (pResult == NULL)
        pResult = &lLocal;

    switch (uMsg)
    {
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_PARENTNOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
        return CWnd::OnWndMsg(WM_REFLECT_BASE + uMsg, wParam, lParam, pResult);

    case WM_COMMAND: {
        int nCode = HIWORD(wParam);
        if (CWnd::OnCmdMsg(0, MAKELONG(nCode, WM_REFLECT_BASE + WM_COMMAND), NULL, NULL))
        {
            *pResult = 1;
            return TRUE;
        }
        return FALSE;
    }

    case WM_NOTIFY: {
        NMHDR* pNMHDR = (NMHDR*)lParam;
        AFX_NOTIFY notify;
        notify.pResult = pResult;
        notify.pNMHDR = pNMHDR;
        return CWnd::OnCmdMsg(0, MAKELONG((int)pNMHDR->code, WM_REFLECT_BASE + WM_NOTIFY), &notify, NULL);
    }

    default:
        if (uMsg >= WM_CTLCOLORMSGBOX && uMsg <= WM_CTLCOLORSTATIC)
        {
            AFX_CTLCOLOR ctl;
            ctl.hDC = (HDC)wParam;
            ctl.nCtlType = uMsg - WM_CTLCOLORMSGBOX;
            ctl.hWnd = (HWND)lParam;
            LRESULT lBrush = 0;
            // A control that returns no brush leaves the colours to its parent.
            if (!CWnd::OnWndMsg(WM_REFLECT_BASE + WM_CTLCOLOR, 0, (LPARAM)&ctl, &lBrush) || lBrush == 0)
                return FALSE;
            *pResult = lBrush;
            return TRUE;
        }
        break;
    }
    return FALSE;
}

// Default handlers that pass notifications back to the controls that sent them

HBRUSH CWnd::OnCtlColor(CDC*, CWnd* pWnd, UINT)
{
    LRESULT lResult;
    if (ReflectLastMsg(pWnd->GetSafeHwnd(), &lResult))
        return (HBRUSH)lResult;
    return (HBRUSH)Default();
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    // Owner-drawn menu items are left to the window's own handler.
    if (lpDrawItemStruct->CtlType != ODT_MENU && ReflectLastMsg(lpDrawItemStruct->hwndItem))
        return;
    Default();
}

void CWnd::OnMeasureItem(int, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    if (lpMeasureItemStruct->CtlType != ODT_MENU)
    {
        CWnd* pChild = GetDescendantWindow(lpMeasureItemStruct->CtlID, TRUE);
        if (pChild != NULL && pChild->SendChildNotifyLastMsg())
            return;
    }
    Default();
}

void CWnd::OnDeleteItem(int, LPDELETEITEMSTRUCT lpDeleteItemStruct)
{
    if (ReflectLastMsg(lpDeleteItemStruct->hwndItem))
        return;
    Default();
}

int CWnd::OnCompareItem(int, LPCOMPAREITEMSTRUCT lpCompareItemStruct)
{
    LRESULT lResult;
    if (ReflectLastMsg(lpCompareItemStruct->hwndItem, &lResult))
        return (int)lResult;
    return (int)Default();
}

int CWnd::OnCharToItem(UINT, CListBox* pListBox, UINT)
{
    LRESULT lResult;
    if (ReflectLastMsg(((CWnd*)pListBox)->GetSafeHwnd(), &lResult))
        return (int)lResult;
    return (int)Default();
}

int CWnd::OnVKeyToItem(UINT, CListBox* pListBox, UINT)
{
    LRESULT lResult;
    if (ReflectLastMsg(((CWnd*)pListBox)->GetSafeHwnd(), &lResult))
        return (int)lResult;
    return (int)Default();
}

void CWnd::OnHScroll(UINT, UINT, CScrollBar* pScrollBar)
{
    if (pScrollBar != NULL && ReflectLastMsg(((CWnd*)pScrollBar)->GetSafeHwnd()))
        return;
    Default();
}

void CWnd::OnVScroll(UINT, UINT, CScrollBar* pScrollBar)
{
    if (pScrollBar != NULL && ReflectLastMsg(((CWnd*)pScrollBar)->GetSafeHwnd()))
        return;
    Default();
}

void CWnd::OnParentNotify(UINT message, LPARAM lParam)
{
    if ((LOWORD(message) == WM_CREATE || LOWORD(message) == WM_DESTROY) && ReflectLastMsg((HWND)lParam))
        return;
    Default();
}

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
ON_WM_DRAWITEM()
ON_WM_MEASUREITEM()
ON_WM_CTLCOLOR()
ON_WM_COMPAREITEM()
ON_WM_DELETEITEM()
ON_WM_CHARTOITEM()
ON_WM_VKEYTOITEM()
ON_WM_HSCROLL()
ON_WM_VSCROLL()
ON_WM_PARENTNOTIFY()
ON_WM_NCDESTROY()
END_MESSAGE_MAP()

// Pre-translation

BOOL CWnd::PreTranslateMessage(MSG* pMsg)
{
    // Mouse messages show, move and hide tool tips; they are never consumed here.
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->pfnFilterToolTipMessage != NULL)
        pState->pfnFilterToolTipMessage(pMsg, this);
    return FALSE;
}

BOOL PASCAL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd != NULL; hWnd = ::GetParent(hWnd))
    {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd != NULL && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}
