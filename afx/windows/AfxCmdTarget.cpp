// Command routing through message maps, command-UI updates and the wait cursor.
#include "AfxWinImpl.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

CCmdTarget::CCmdTarget() {}
CCmdTarget::~CCmdTarget() {}

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY _messageEntries[] = {{0, 0, 0, 0, AfxSig_end, (AFX_PMSG)0}};
    static const AFX_MSGMAP messageMap = {NULL, &_messageEntries[0]};
    return &messageMap;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

const AFX_MSGMAP_ENTRY* AFXAPI AfxFindMessageEntry(const AFX_MSGMAP_ENTRY* lpEntry, UINT nMsg, UINT nCode,
                                                   UINT nID)
{
    for (; lpEntry->nSig != AfxSig_end; lpEntry++)
    {
        if (lpEntry->nMessage == nMsg && lpEntry->nCode == nCode && nID >= lpEntry->nID &&
            nID <= lpEntry->nLastID)
            return lpEntry;
    }
    return NULL;
}

union AfxCmdFunctions {
    AFX_PMSG pfn;
    void (CCmdTarget::*pfn_vv)();
    BOOL (CCmdTarget::*pfn_bv)();
    void (CCmdTarget::*pfn_vw)(UINT);
    BOOL (CCmdTarget::*pfn_bw)(UINT);
    void (CCmdTarget::*pfn_cmdui)(CCmdUI*);
    void (CCmdTarget::*pfn_NMHDR)(NMHDR*, LRESULT*);
    BOOL (CCmdTarget::*pfn_bNMHDR)(NMHDR*, LRESULT*);
    void (CCmdTarget::*pfn_wNMHDR)(UINT, NMHDR*, LRESULT*);
    BOOL (CCmdTarget::*pfn_bwNMHDR)(UINT, NMHDR*, LRESULT*);
};

BOOL AFXAPI CCmdTarget::DispatchCmdMsg(CCmdTarget* pTarget, UINT nID, int nCode, AFX_PMSG pfn, void* pExtra,
                                       UINT_PTR nSig, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    AfxCmdFunctions mmf;
    mmf.pfn = pfn;
    BOOL bResult = TRUE;

    if (pHandlerInfo != NULL)
    {
        pHandlerInfo->pTarget = pTarget;
        pHandlerInfo->pmf = pfn;
        return TRUE;
    }

    switch (nSig)
    {
    case AfxSig_vv:
        (pTarget->*mmf.pfn_vv)();
        break;
    case AfxSig_bv:
        bResult = (pTarget->*mmf.pfn_bv)();
        break;
    case AfxSig_vw:
        (pTarget->*mmf.pfn_vw)(nID);
        break;
    case AfxSig_bw:
        bResult = (pTarget->*mmf.pfn_bw)(nID);
        break;
    case AfxSig_cmdui: {
        CCmdUI* pCmdUI = (CCmdUI*)pExtra;
        if (pCmdUI == NULL)
            return FALSE;
        pCmdUI->m_bContinueRouting = FALSE;
        (pTarget->*mmf.pfn_cmdui)(pCmdUI);
        bResult = !pCmdUI->m_bContinueRouting;
        pCmdUI->m_bContinueRouting = FALSE;
        break;
    }
    case AfxSig_vNMHDRpl:
    case AfxSig_bNMHDRpl:
    case AfxSig_vwNMHDRpl:
    case AfxSig_bwNMHDRpl: {
        AFX_NOTIFY* pNotify = (AFX_NOTIFY*)pExtra;
        if (pNotify == NULL)
            return FALSE;
        if (nSig == AfxSig_vNMHDRpl)
            (pTarget->*mmf.pfn_NMHDR)(pNotify->pNMHDR, pNotify->pResult);
        else if (nSig == AfxSig_bNMHDRpl)
            bResult = (pTarget->*mmf.pfn_bNMHDR)(pNotify->pNMHDR, pNotify->pResult);
        else if (nSig == AfxSig_vwNMHDRpl)
            (pTarget->*mmf.pfn_wNMHDR)(nID, pNotify->pNMHDR, pNotify->pResult);
        else
            bResult = (pTarget->*mmf.pfn_bwNMHDR)(nID, pNotify->pNMHDR, pNotify->pResult);
        break;
    }
    default:
        return FALSE;
    }
    return bResult;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // A WM_NOTIFY or reflected code arrives as MAKELONG(code, message); plain commands keep 0.
    UINT nMsg = 0;
    UINT nPlainCode = (UINT)nCode;
    if ((UINT)nCode != CN_UPDATE_COMMAND_UI)
    {
        nMsg = HIWORD(nCode);
        nPlainCode = LOWORD(nCode);
    }
    if (nMsg == 0)
        nMsg = WM_COMMAND;

    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != NULL;
         pMap = pMap->pfnGetBaseMap != NULL ? pMap->pfnGetBaseMap() : NULL)
    {
        const AFX_MSGMAP_ENTRY* lpEntry = AfxFindMessageEntry(pMap->lpEntries, nMsg, nPlainCode, nID);
        if (lpEntry != NULL)
            return DispatchCmdMsg(this, nID, nCode, lpEntry->pfn, pExtra, lpEntry->nSig, pHandlerInfo);
    }
    return FALSE;
}

void CCmdTarget::BeginWaitCursor()
{
    AfxGetThreadState()->DoWaitCursor(1);
}
void CCmdTarget::EndWaitCursor()
{
    AfxGetThreadState()->DoWaitCursor(-1);
}
void CCmdTarget::RestoreWaitCursor()
{
    AfxGetThreadState()->DoWaitCursor(0);
}

CWaitCursor::CWaitCursor()
{
    AfxGetThreadState()->DoWaitCursor(1);
}
CWaitCursor::~CWaitCursor()
{
    AfxGetThreadState()->DoWaitCursor(-1);
}
void CWaitCursor::Restore()
{
    AfxGetThreadState()->DoWaitCursor(0);
}

// CCmdUI

CCmdUI::CCmdUI()
{
    m_nID = 0;
    m_nIndex = 0;
    m_pMenu = NULL;
    m_pSubMenu = NULL;
    m_pOther = NULL;
    m_bEnableChanged = FALSE;
    m_bContinueRouting = FALSE;
    m_nIndexMax = 0;
    m_pParentMenu = NULL;
}

void CCmdUI::ContinueRouting()
{
    m_bContinueRouting = TRUE;
}

void CCmdUI::Enable(BOOL bOn)
{
    if (m_pMenu != NULL)
    {
        if (m_pSubMenu != NULL)
            return; // pop-ups stay as the menu resource made them
        ::EnableMenuItem(AfxMenuHandle(m_pMenu), m_nIndex,
                         MF_BYPOSITION | (bOn ? MF_ENABLED : (MF_DISABLED | MF_GRAYED)));
    }
    else if (m_pOther != NULL)
    {
        // A control that loses its enabled state must not keep the focus, or the keyboard is lost.
        HWND hWnd = m_pOther->GetSafeHwnd();
        if (!bOn && ::GetFocus() == hWnd)
        {
            HWND hParent = ::GetParent(hWnd);
            HWND hNext = hParent != NULL ? ::GetNextDlgTabItem(hParent, hWnd, FALSE) : NULL;
            if (hNext != NULL)
                ::SetFocus(hNext);
        }
        ::EnableWindow(hWnd, bOn);
    }
    m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int nCheck)
{
    if (m_pMenu != NULL)
    {
        if (m_pSubMenu != NULL)
            return;
        ::CheckMenuItem(AfxMenuHandle(m_pMenu), m_nIndex,
                        MF_BYPOSITION | (nCheck ? MF_CHECKED : MF_UNCHECKED));
    }
    else if (m_pOther != NULL)
    {
        HWND hWnd = m_pOther->GetSafeHwnd();
        if (::SendMessage(hWnd, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON)
            ::SendMessage(hWnd, BM_SETCHECK, (WPARAM)nCheck, 0);
    }
}

void CCmdUI::SetRadio(BOOL bOn)
{
    if (m_pMenu != NULL)
    {
        if (m_pSubMenu != NULL)
            return;
        HMENU hMenu = AfxMenuHandle(m_pMenu);
        if (bOn)
            ::CheckMenuRadioItem(hMenu, m_nIndex, m_nIndex, m_nIndex, MF_BYPOSITION);
        else
            ::CheckMenuItem(hMenu, m_nIndex, MF_BYPOSITION | MF_UNCHECKED);
        return;
    }
    SetCheck(bOn ? 1 : 0);
}

void CCmdUI::SetText(LPCTSTR lpszText)
{
    if (lpszText == NULL)
        lpszText = _T("");
    if (m_pMenu != NULL)
    {
        if (m_pSubMenu != NULL)
            return;
        HMENU hMenu = AfxMenuHandle(m_pMenu);
        UINT nState = ::GetMenuState(hMenu, m_nIndex, MF_BYPOSITION) &
                      (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_MENUBARBREAK | MF_MENUBREAK);
        ::ModifyMenu(hMenu, m_nIndex, MF_BYPOSITION | MF_STRING | nState, m_nID, lpszText);
    }
    else if (m_pOther != NULL)
    {
        AfxSetWindowText(m_pOther->GetSafeHwnd(), lpszText);
    }
}

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    if (m_nID == 0 || LOWORD(m_nID) == 0xFFFF)
        return TRUE; // separators and static controls have no command

    m_bEnableChanged = FALSE;
    BOOL bResult = pTarget->OnCmdMsg(m_nID, (int)CN_UPDATE_COMMAND_UI, this, NULL);
    if (bDisableIfNoHndler && !m_bEnableChanged)
    {
        AFX_CMDHANDLERINFO info;
        info.pTarget = NULL;
        BOOL bHandler = pTarget->OnCmdMsg(m_nID, CN_COMMAND, this, &info);
        Enable(bHandler);
    }
    return bResult;
}
