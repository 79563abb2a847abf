// CORXWorkspace: loading, saving and cleaning the saved UI state of the framework's bars, menus and
// managers.
#include "ORXWorkspace.h"

#include "ORXCommandManager.h"
#include "ORXContextMenuManager.h"
#include "ORXExtrasHooks.h"
#include "ORXKeyboardManager.h"
#include "ORXMouseManager.h"
#include "ORXPopupMenuBar.h"
#include "ORXReBarState.h"
#include "ORXRegistry.h"
#include "ORXServices.h"
#include "ORXSizingControlBar.h"
#include "ORXTearOffManager.h"
#include "ORXToolBar.h"
#include "ORXUserToolsManager.h"

CORXWorkspace::PFN_MESSAGEBEEP CORXWorkspace::s_pfnMessageBeep = ::MessageBeep;

CORXWorkspace::CORXWorkspace(BOOL bResetAfterLoad) : CORXWorkspaceBase(bResetAfterLoad) {}

CORXWorkspace::~CORXWorkspace()
{
    // The context-menu and tear-off managers this workspace made go with it; the base releases the
    // other managers through the steps they registered.
    if (m_bManagerCreated[mgrContextMenu] && s_pfnRelease[mgrContextMenu] == NULL)
    {
        delete ORXContextMenuManager(); // which gives up its place in the services as it goes
        m_bManagerCreated[mgrContextMenu] = FALSE;
    }
    if (m_bManagerCreated[mgrTearOff] && s_pfnRelease[mgrTearOff] == NULL)
    {
        delete ORXTearOffManager(); // which gives up its role as it goes
        m_bManagerCreated[mgrTearOff] = FALSE;
    }
}

BOOL CORXWorkspace::ShowPopupMenu(UINT uiMenuResId, const CPoint& point, CWnd* pWnd)
{
    CORXContextMenuManager* pManager = ORXContextMenuManager();
    return pManager != NULL && pManager->ShowPopupMenu(uiMenuResId, point.x, point.y, pWnd);
}

CORXWorkspace* CORXWorkspace::GetInstance()
{
    // Every workspace the application makes is one of these; the base knows the same object.
    return static_cast<CORXWorkspace*>(CORXWorkspaceBase::GetInstance());
}

/////////////////////////////////////////////////////////////////////////////
// Saved state

namespace
{
const int kVersionMajor = 6;
const int kVersionMinor = 33;
} // namespace

BOOL CORXWorkspace::IsStateBar(CControlBar* pBar, CFrameWnd* pFrame, BOOL bToolBar) const
{
    if (pBar == NULL || pBar->GetSafeHwnd() == NULL)
        return FALSE;
    if (m_bLoadSaveFrameBarsOnly && pBar->GetTopLevelFrame() != pFrame)
        return FALSE;
    if (!bToolBar)
        return TRUE;
    if (pBar->IsKindOf(RUNTIME_CLASS(CORXPopupMenuBar)))
        return FALSE;
    CWnd* pParent = pBar->GetParent();
    if (pParent != NULL && pParent->IsKindOf(RUNTIME_CLASS(CDialog)))
        return FALSE;
    return TRUE;
}

BOOL CORXWorkspace::IsDockStateValid(CFrameWnd* pFrame, const CDockState& state)
{
    if (pFrame == NULL)
        return FALSE;
    for (int i = 0; i < state.m_arrBarInfo.GetSize(); i++)
    {
        const CControlBarInfo* pInfo = (const CControlBarInfo*)state.m_arrBarInfo[i];
        if (!pInfo->m_bDockBar)
            continue;
        for (int j = 0; j < pInfo->m_arrBarID.GetSize(); j++)
        {
            UINT nID = (UINT)(UINT_PTR)pInfo->m_arrBarID[j];
            if (nID != 0 && pFrame->GetControlBar(nID) == NULL)
                return FALSE;
        }
    }
    return TRUE;
}

BOOL CORXWorkspace::LoadState(LPCTSTR lpszSectionName, CFrameWnd* pFrame)
{
    if (lpszSectionName != NULL)
        SetRegistryBase(lpszSectionName);
    if (m_strRegSection.IsEmpty())
        return FALSE;
    CString strSection = GetRegistrySectionPath();
    PreLoadState();

    // The version describes the state being read: unknown until its key says otherwise.
    m_nSavedVersionMajor = -1;
    m_nSavedVersionMinor = -1;
    {
        CORXRegistrySP regSP;
        CORXRegistry& reg = regSP.CreateRegistry(FALSE, TRUE);
        if (reg.Open(strSection + _T("ORXControlBarVersion")))
        {
            reg.Read(_T("Major"), m_nSavedVersionMajor);
            reg.Read(_T("Minor"), m_nSavedVersionMinor);
        }
    }

    CORXToolBar::LoadParameters(strSection);
    CORXCommandManager::GetCmdMgr()->LoadState(strSection);

    BOOL bUpdateImages = CORXToolbarButton::m_bUpdateImages;
    if (m_bResetAfterLoad)
        CORXToolbarButton::m_bUpdateImages = FALSE;

    BOOL bResetNeeded = FALSE;
    if (pFrame != NULL)
    {
        CORXReBarState::LoadState(strSection, pFrame);
        // A bar that has no saved key keeps its resource's buttons.
        for (POSITION pos = gAllToolbars.GetHeadPosition(); pos != NULL;)
        {
            CORXToolBar* pBar = DYNAMIC_DOWNCAST(CORXToolBar, gAllToolbars.GetNext(pos));
            if (!IsStateBar(pBar, pFrame, TRUE))
                continue;
            pBar->LoadState(strSection, -1, (UINT)-1);
            if (pBar->IsModifiedFromOriginal())
                bResetNeeded = TRUE;
        }
        for (POSITION pos = CORXSizingControlBar::GetAllSizingBars().GetHeadPosition(); pos != NULL;)
        {
            CORXSizingControlBar* pBar =
                (CORXSizingControlBar*)CORXSizingControlBar::GetAllSizingBars().GetNext(pos);
            if (IsStateBar(pBar, pFrame, FALSE))
                pBar->LoadState(GetSizingBarsSection());
        }
        CORXServices::Any<CORXFrameStateLink>(
            [&](CORXFrameStateLink* pLink) { return pLink->LoadSaveFrameBars(pFrame, strSection, FALSE); });

        // A layout that names bars the frame no longer has would leave holes: it waits for a
        // force, or for the bars to come back.
        CDockState dockState;
        dockState.LoadState(m_strRegSection + _T("\\ControlBars"));
        if (dockState.m_arrBarInfo.GetSize() > 0 && pFrame->GetSafeHwnd() != NULL)
        {
            if (m_bForceDockStateLoad || IsDockStateValid(pFrame, dockState))
                pFrame->SetDockState(dockState);
        }
    }

    // The managers that exist read theirs: mouse, context menus, keyboard (for the frame), user tools.
    if (CORXMouseManager* pMouse = ORXMouseManager())
        pMouse->LoadState(strSection);
    if (CORXContextMenuManager* pContextMenus = ORXContextMenuManager())
        pContextMenus->LoadState(strSection);
    if (CORXKeyboardManager* pKeyboard = ORXKeyboardManager())
        pKeyboard->LoadState(strSection, pFrame);
    if (CORXUserToolsManager* pTools = ORXUserToolsManager())
        pTools->LoadState(strSection);

    CORXToolbarButton::m_bUpdateImages = bUpdateImages;

    if (pFrame != NULL && (m_bAlwaysReset || (m_bResetAfterLoad && bResetNeeded)))
    {
        for (POSITION pos = gAllToolbars.GetHeadPosition(); pos != NULL;)
        {
            CORXToolBar* pBar = DYNAMIC_DOWNCAST(CORXToolBar, gAllToolbars.GetNext(pos));
            if (pBar != NULL && pBar->GetSafeHwnd() != NULL && pBar->CanBeRestored())
                pBar->RestoreOriginalState();
        }
        if (pFrame->GetSafeHwnd() != NULL)
            pFrame->RecalcLayout();
    }

    LoadCustomState();
    m_nSavedVersionMajor = kVersionMajor;
    m_nSavedVersionMinor = kVersionMinor;
    // A first run with nothing saved loads too: every part keeps what it had.
    return TRUE;
}

BOOL CORXWorkspace::SaveState(LPCTSTR lpszSectionName, CFrameWnd* pFrame)
{
    if (!m_bSaveState)
        return FALSE;
    if (lpszSectionName != NULL)
        SetRegistryBase(lpszSectionName);
    if (m_strRegSection.IsEmpty())
        return FALSE;
    CString strSection = GetRegistrySectionPath();
    PreSaveState();

    BOOL bOK = FALSE;
    {
        CORXRegistrySP regSP;
        CORXRegistry& reg = regSP.CreateRegistry(FALSE, FALSE);
        if (reg.CreateKey(strSection + _T("ORXControlBarVersion")))
            bOK = reg.Write(_T("Major"), kVersionMajor) && reg.Write(_T("Minor"), kVersionMinor);
    }
    if (!CORXToolBar::SaveParameters(strSection))
        bOK = FALSE;
    if (!CORXCommandManager::GetCmdMgr()->SaveState(strSection))
        bOK = FALSE;

    if (pFrame != NULL)
    {
        if (pFrame->GetSafeHwnd() != NULL)
            pFrame->SaveBarState(m_strRegSection + _T("\\ControlBars"));
        for (POSITION pos = gAllToolbars.GetHeadPosition(); pos != NULL;)
        {
            CORXToolBar* pBar = DYNAMIC_DOWNCAST(CORXToolBar, gAllToolbars.GetNext(pos));
            if (IsStateBar(pBar, pFrame, TRUE) && !pBar->SaveState(strSection, -1, (UINT)-1))
                bOK = FALSE;
        }
        for (POSITION pos = CORXSizingControlBar::GetAllSizingBars().GetHeadPosition(); pos != NULL;)
        {
            CORXSizingControlBar* pBar =
                (CORXSizingControlBar*)CORXSizingControlBar::GetAllSizingBars().GetNext(pos);
            if (IsStateBar(pBar, pFrame, FALSE))
                pBar->SaveState(GetSizingBarsSection());
        }
        CORXServices::Any<CORXFrameStateLink>(
            [&](CORXFrameStateLink* pLink) { return pLink->LoadSaveFrameBars(pFrame, strSection, TRUE); });
        if (!CORXReBarState::SaveState(strSection, pFrame))
            bOK = FALSE;
    }

    // The user-defined images go to their own bitmap file. A read-only or empty well has nothing to
    // write; one that cannot be written loses the user's images, which the answer reports.
    CORXToolbarImageList* pUserImages = CORXToolBar::GetUserImages();
    if (pUserImages != NULL && pUserImages->IsUserImagesList() && !pUserImages->IsReadOnly() &&
        pUserImages->GetImageWell() != NULL && !pUserImages->Save())
        bOK = FALSE;

    // The managers that exist write theirs in the same order; a manager with nothing of its own to
    // keep (no table, no tools) answers FALSE, which is no failure of the bars' state.
    if (CORXMouseManager* pMouse = ORXMouseManager())
        pMouse->SaveState(strSection);
    if (CORXContextMenuManager* pContextMenus = ORXContextMenuManager())
        pContextMenus->SaveState(strSection);
    if (CORXKeyboardManager* pKeyboard = ORXKeyboardManager())
        pKeyboard->SaveState(strSection, pFrame);
    if (CORXUserToolsManager* pTools = ORXUserToolsManager())
        pTools->SaveState(strSection);

    SaveCustomState();
    // TRUE when everything the workspace writes itself was written; a part that could not be
    // written makes it FALSE rather than leave the caller thinking the arrangement is kept.
    return bOK;
}

BOOL CORXWorkspace::CleanState(LPCTSTR lpszSectionName)
{
    if (lpszSectionName != NULL)
        SetRegistryBase(lpszSectionName);
    // With no base the path is the program's own key and every other setting would go with it.
    if (m_strRegSection.IsEmpty())
        return FALSE;
    CORXRegistrySP regSP;
    CORXRegistry& reg = regSP.CreateRegistry(FALSE, FALSE);
    return reg.DeleteKey(GetRegistrySectionPath());
}

BOOL CORXWorkspace::OnContextHelp(CWnd* pWnd, const DWORD* dwHelpIDArray)
{
    CWinApp* pApp = AfxGetApp();
    LPCSTR lpszHelpFile = pApp != NULL ? pApp->m_pszHelpFilePath : NULL;
    return ::WinHelpA(pWnd != NULL ? pWnd->GetSafeHwnd() : NULL, lpszHelpFile, HELP_CONTEXTMENU,
                      (ULONG_PTR)dwHelpIDArray);
}

/////////////////////////////////////////////////////////////////////////////
// Window placement

BOOL CORXWorkspace::LoadWindowPlacement(CRect& rectNormalPosition, int& nFlags, int& nShowCmd)
{
    if (m_strRegSection.IsEmpty())
        return FALSE;
    CORXRegistrySP regSP;
    CORXRegistry& reg = regSP.CreateRegistry(FALSE, TRUE);
    if (!reg.Open(GetRegistrySectionPath(_T("WindowPlacement"))))
        return FALSE;
    CRect rect;
    int nFlagsRead = 0;
    int nShowCmdRead = 0;
    if (!reg.Read(_T("MainWindowRect"), rect) || !reg.Read(_T("Flags"), nFlagsRead) ||
        !reg.Read(_T("ShowCmd"), nShowCmdRead) || !IsPlacementSound(rect, nFlagsRead, nShowCmdRead))
        return FALSE;
    rectNormalPosition = rect;
    nFlags = nFlagsRead;
    nShowCmd = nShowCmdRead;
    return TRUE;
}

BOOL CORXWorkspace::IsPlacementSound(const CRect& rect, int nFlags, int nShowCmd)
{
    // A window's edges are 16-bit coordinates, its rectangle is the right way round and not empty,
    // its flags are the placement's own and its show command one the system knows. A stored
    // placement that is not all of that came from no window: it is refused whole, and the window
    // opens where the program puts it.
    const LONG kLimit = 32767;
    if (rect.left < -kLimit || rect.top < -kLimit || rect.right > kLimit || rect.bottom > kLimit ||
        rect.left >= rect.right || rect.top >= rect.bottom)
        return FALSE;
    if ((nFlags & ~(WPF_SETMINPOSITION | WPF_RESTORETOMAXIMIZED | WPF_ASYNCWINDOWPLACEMENT)) != 0)
        return FALSE;
    return nShowCmd >= SW_HIDE && nShowCmd <= SW_MAX;
}

BOOL CORXWorkspace::StoreWindowPlacement(const CRect& rectNormalPosition, int nFlags, int nShowCmd)
{
    if (m_strRegSection.IsEmpty())
        return FALSE;
    CORXRegistrySP regSP;
    CORXRegistry& reg = regSP.CreateRegistry(FALSE, FALSE);
    if (!reg.CreateKey(GetRegistrySectionPath(_T("WindowPlacement"))))
        return FALSE;
    return reg.Write(_T("MainWindowRect"), rectNormalPosition) && reg.Write(_T("Flags"), nFlags) &&
           reg.Write(_T("ShowCmd"), nShowCmd);
}

BOOL CORXWorkspace::SaveWindowPlacement(CWnd* pWnd)
{
    if (pWnd == NULL || pWnd->GetSafeHwnd() == NULL)
        return FALSE;
    WINDOWPLACEMENT wp;
    memset(&wp, 0, sizeof(wp));
    wp.length = sizeof(wp);
    if (!pWnd->GetWindowPlacement(&wp))
        return FALSE;
    // A window that ends minimised comes back the way it was before.
    int nShowCmd = (int)wp.showCmd;
    if (nShowCmd != SW_SHOWMAXIMIZED)
        nShowCmd = (wp.flags & WPF_RESTORETOMAXIMIZED) && nShowCmd == SW_SHOWMINIMIZED ? SW_SHOWMAXIMIZED
                                                                                       : SW_SHOWNORMAL;
    return StoreWindowPlacement(CRect(wp.rcNormalPosition), (int)wp.flags, nShowCmd);
}

BOOL CORXWorkspace::RestoreWindowPlacement(CWnd* pWnd)
{
    if (pWnd == NULL || pWnd->GetSafeHwnd() == NULL)
        return FALSE;
    CRect rect;
    int nFlags = 0;
    int nShowCmd = SW_SHOWNORMAL;
    if (!LoadWindowPlacement(rect, nFlags, nShowCmd))
        return FALSE;
    WINDOWPLACEMENT wp;
    memset(&wp, 0, sizeof(wp));
    wp.length = sizeof(wp);
    wp.flags = (UINT)nFlags & WPF_RESTORETOMAXIMIZED;
    wp.showCmd = nShowCmd == SW_SHOWMAXIMIZED ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
    wp.ptMinPosition = CPoint(-1, -1);
    wp.ptMaxPosition = CPoint(-1, -1);
    wp.rcNormalPosition = rect;
    return ::SetWindowPlacement(pWnd->GetSafeHwnd(), &wp);
}

BOOL CORXWorkspace::OnViewDoubleClick(CWnd* pWnd, int iViewId)
{
    CORXMouseManager* pMouse = ORXMouseManager();
    if (pMouse == NULL)
        return FALSE;
    UINT uiCmd = pMouse->GetViewDblClickCommand(iViewId);
    if (uiCmd == 0 || uiCmd == (UINT)-1)
    {
        if (s_pfnMessageBeep != NULL)
            s_pfnMessageBeep((UINT)-1);
        return FALSE;
    }
    CORXUserToolsManager* pTools = ORXUserToolsManager();
    if (pTools != NULL && pTools->FindTool(uiCmd) != NULL)
        return pTools->InvokeTool(uiCmd);
    CWnd* pTarget = NULL;
    if (pWnd == NULL || pWnd->GetSafeHwnd() == NULL)
    {
        CWinThread* pThread = AfxGetThread();
        pTarget = pThread != NULL ? pThread->m_pMainWnd : NULL;
    }
    else
    {
        pTarget = ORXInPlaceFrame();
        if (pTarget == NULL)
            pTarget = pWnd->GetParentFrame();
    }
    if (pTarget == NULL || pTarget->GetSafeHwnd() == NULL)
        return FALSE;
    ::SendMessageA(pTarget->m_hWnd, WM_COMMAND, uiCmd, 0);
    return TRUE;
}
