// The frame lookup.
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

CORXFrameHooks* ORXFrameHooksOf(CWnd* pFrame)
{
    return pFrame != NULL ? dynamic_cast<CORXFrameHooks*>(pFrame) : NULL;
}

CORXFrameHooks* ORXGetFrameHooks(CWnd* pWnd)
{
    return ORXFrameHooksOf(ORXFindHooksFrame(pWnd));
}

namespace
{
BOOL FindAssignedKey(CFrameWnd* pFrame, UINT uiCmd, CString& strKey)
{
    strKey.Empty();
    CORXCommandKeyLink* pKeys = CORXServices::Find<CORXCommandKeyLink>();
    return pFrame != NULL && pKeys != NULL && pKeys->FindCommandKey(pFrame, uiCmd, strKey);
}
} // namespace

BOOL CORXFrameHooks::OnFindCommandKey(UINT uiCmd, CString& strKey)
{
    return FindAssignedKey(dynamic_cast<CFrameWnd*>(this), uiCmd, strKey);
}

BOOL ORXFindCommandKey(CWnd* pFrame, UINT uiCmd, CString& strKey)
{
    strKey.Empty();
    if (pFrame == NULL || uiCmd == 0 || uiCmd == (UINT)-1)
        return FALSE;
    CORXFrameHooks* pHooks = ORXFrameHooksOf(pFrame);
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
