// The frames' hooks and the keys they name.
#include "ORXExtrasHooks.h"

CString ORXRecentFileDisplayName(const CString& strPath, const CString& strCurDir)
{
    int nDir = strCurDir.GetLength();
    if (nDir == 0 || strPath.GetLength() <= nDir || strCurDir.CompareNoCase(strPath.Left(nDir)) != 0)
        return strPath;
    CString strName = strPath.Mid(nDir);
    if (strName.FindOneOf(_T("\\/")) >= 0)
        return strPath;
    return strName;
}

CWnd* ORXFindHooksFrame(CWnd* pWnd)
{
    CWnd* pFrame = ORXInPlaceFrame();
    if (pFrame == NULL && pWnd != NULL && pWnd->GetSafeHwnd() != NULL)
        pFrame = pWnd->IsFrameWnd() ? pWnd : pWnd->GetParentFrame();
    if (pFrame == NULL)
        pFrame = AfxGetMainWnd();
    return pFrame;
}

namespace
{
BOOL FindAssignedKey(CFrameWnd* pFrame, UINT uiCmd, CString& strKey)
{
    strKey.Empty();
    CORXCommandKeyLink* pKeys = pFrame != NULL ? ORXFrameOffer<CORXCommandKeyLink>(pFrame) : NULL;
    return pKeys != NULL && pKeys->FindCommandKey(pFrame, uiCmd, strKey);
}
} // namespace

BOOL CORXFrameHooks::OnFindCommandKey(UINT uiCmd, CString& strKey)
{
    return FindAssignedKey(m_pHookedFrame, uiCmd, strKey);
}

BOOL ORXFindCommandKey(CWnd* pFrame, UINT uiCmd, CString& strKey)
{
    strKey.Empty();
    if (pFrame == NULL || uiCmd == 0 || uiCmd == (UINT)-1)
        return FALSE;
    CORXFrameHooks* pHooks = ORXFrameOffer<CORXFrameHooks>(pFrame);
    BOOL bFound = pHooks != NULL ? pHooks->OnFindCommandKey(uiCmd, strKey)
                                 : FindAssignedKey(DYNAMIC_DOWNCAST(CFrameWnd, pFrame), uiCmd, strKey);
    if (!bFound)
        strKey.Empty();
    return bFound && !strKey.IsEmpty();
}

BOOL ORXFindShownCommandKey(UINT uiCmd, CString& strKey)
{
    CWnd* pMain = AfxGetMainWnd();
    if (ORXFindCommandKey(pMain, uiCmd, strKey))
        return TRUE;
    CFrameWnd* pMainFrame = DYNAMIC_DOWNCAST(CFrameWnd, pMain);
    CFrameWnd* pActive = pMainFrame != NULL ? pMainFrame->GetActiveFrame() : NULL;
    return pActive != NULL && pActive != pMain && ORXFindCommandKey(pActive, uiCmd, strKey);
}
