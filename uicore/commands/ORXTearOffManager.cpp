// CORXTearOffManager: use counts of the tear-off id range and the id prefix of menu texts.
#include "ORXTearOffManager.h"

#include <afxtempl.h>

namespace
{
const TCHAR chMark = 1;

} // namespace

CString ORXMenuItemText(HMENU hMenu, int nPos)
{
    CString str;
    int nLen = ::GetMenuStringA(hMenu, nPos, NULL, 0, MF_BYPOSITION);
    if (nLen > 0)
    {
        ::GetMenuStringA(hMenu, nPos, str.GetBuffer(nLen + 1), nLen + 1, MF_BYPOSITION);
        str.ReleaseBuffer();
    }
    return str;
}

CORXTearOffManager::CORXTearOffManager() : m_uiTearOffMenuFirst(0), m_uiTearOffMenuLast(0) {}

CORXTearOffManager::~CORXTearOffManager()
{
    if (ORXTearOffManager() == this)
        ORXSetTearOffManager(NULL);
}

BOOL CORXTearOffManager::Initialize(UINT uiTearOffMenuFirst, UINT uiTearOffMenuLast)
{
    m_uiTearOffMenuFirst = uiTearOffMenuFirst;
    m_uiTearOffMenuLast = uiTearOffMenuLast;
    m_arTearOffIDsUsage.RemoveAll();
    if (uiTearOffMenuFirst == 0 || uiTearOffMenuLast == 0 || uiTearOffMenuLast < uiTearOffMenuFirst)
        return FALSE;
    m_arTearOffIDsUsage.SetSize(uiTearOffMenuLast - uiTearOffMenuFirst + 1);
    Reset(NULL);
    return TRUE;
}

void CORXTearOffManager::Reset(HMENU hmenu)
{
    if (hmenu == NULL)
    {
        for (INT_PTR i = 0; i < m_arTearOffIDsUsage.GetSize(); i++)
            m_arTearOffIDsUsage[i] = 0;
        return;
    }
    int nCount = ::GetMenuItemCount(hmenu);
    for (int i = 0; i < nCount; i++)
    {
        CString str = ORXMenuItemText(hmenu, i);
        UINT uiId = Parse(str);
        if (uiId != 0 && IsInRange(uiId))
            m_arTearOffIDsUsage[uiId - m_uiTearOffMenuFirst] = 0;
        HMENU hSub = ::GetSubMenu(hmenu, i);
        if (hSub != NULL)
            Reset(hSub);
    }
}

UINT CORXTearOffManager::GetFreeTearOffID()
{
    if (m_uiTearOffMenuFirst == 0 || m_uiTearOffMenuLast == 0 || m_arTearOffIDsUsage.GetSize() == 0)
        return 0;
    for (INT_PTR i = 0; i < m_arTearOffIDsUsage.GetSize(); i++)
    {
        if (m_arTearOffIDsUsage[i] == 0)
        {
            m_arTearOffIDsUsage[i] = 1;
            return m_uiTearOffMenuFirst + (UINT)i;
        }
    }
    return 0;
}

int CORXTearOffManager::GetUseCount(UINT uiCmdId) const
{
    return IsInRange(uiCmdId) && m_arTearOffIDsUsage.GetSize() > 0
               ? m_arTearOffIDsUsage[uiCmdId - m_uiTearOffMenuFirst]
               : 0;
}

void CORXTearOffManager::SetupTearOffMenus(HMENU hMenu)
{
    SetupMenu(hMenu);
}

BOOL CORXTearOffManager::SetupMenu(HMENU hMenu)
{
    int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; i++)
    {
        HMENU hSub = ::GetSubMenu(hMenu, i);
        if (hSub == NULL)
            continue;
        UINT uiState = ::GetMenuState(hMenu, i, MF_BYPOSITION);
        if (uiState & MF_MENUBARBREAK)
        {
            CString str = ORXMenuItemText(hMenu, i);
            if (str.IsEmpty() || str[0] != chMark)
            {
                UINT uiId = GetFreeTearOffID();
                if (uiId == 0)
                    return FALSE;
                Build(uiId, str);
                // Only the text changes: the item keeps its sub-menu and its state.
                MENUITEMINFOA mii = {sizeof(mii)};
                mii.fMask = MIIM_STRING;
                mii.dwTypeData = (LPSTR)(LPCSTR)str;
                ::SetMenuItemInfoA(hMenu, i, TRUE, &mii);
            }
        }
        if (!SetupMenu(hSub))
            return FALSE;
    }
    return TRUE;
}

void CORXTearOffManager::SetInUse(UINT uiCmdId, BOOL bUse)
{
    if (!IsInRange(uiCmdId) || m_arTearOffIDsUsage.GetSize() == 0)
        return;
    int& nCount = m_arTearOffIDsUsage[uiCmdId - m_uiTearOffMenuFirst];
    if (bUse)
        nCount++;
    else if (nCount > 0)
        nCount--;
}

UINT CORXTearOffManager::Parse(CString& str)
{
    if (str.IsEmpty() || str[0] != chMark)
        return 0;
    int nLast = str.ReverseFind(chMark);
    if (nLast <= 0)
        return 0;
    UINT uiId = (UINT)_ttoi((LPCTSTR)str + 1);
    str = str.Mid(nLast + 1);
    return uiId;
}

void CORXTearOffManager::Build(UINT uiTearOffBarID, CString& strText)
{
    CString strOld = strText;
    strText.Format(_T("%c%d%c%s"), chMark, uiTearOffBarID, chMark, (LPCTSTR)strOld);
}
