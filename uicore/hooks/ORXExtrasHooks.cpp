// The frame lookup and the run-time class test.
#include "ORXExtrasHooks.h"

CFrameWnd* g_pORXInPlaceFrame = NULL;
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

CORXFrameHooks* ORXGetFrameHooks(CWnd* pWnd)
{
    CWnd* pFrame = g_pORXInPlaceFrame;
    if (pFrame == NULL && pWnd != NULL && pWnd->GetSafeHwnd() != NULL)
        pFrame = pWnd->IsFrameWnd() ? pWnd : pWnd->GetParentFrame();
    if (pFrame == NULL)
        pFrame = AfxGetMainWnd();
    return pFrame != NULL ? dynamic_cast<CORXFrameHooks*>(pFrame) : NULL;
}

BOOL ORXIsKindOfName(const CObject* pObject, LPCSTR lpszClassName)
{
    if (pObject == NULL || lpszClassName == NULL)
        return FALSE;
    for (const CRuntimeClass* pClass = pObject->GetRuntimeClass(); pClass != NULL;
         pClass = pClass->m_pBaseClass)
        if (lstrcmpA(pClass->m_lpszClassName, lpszClassName) == 0)
            return TRUE;
    return FALSE;
}
