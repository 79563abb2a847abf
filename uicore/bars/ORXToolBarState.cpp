// CORXToolBar: the bar's archive image, its registry state, the resource's original items, and the
// class-wide parameters with the command-usage counts.
#include "ORXToolBar.h"

#include "ORXCmdUsage.h"
#include "ORXCommandManager.h"
#include "ORXExtrasHooks.h"
#include "ORXRegistry.h"
#include "ORXVisualManager.h"
#include "ORXWorkspaceBase.h"

#include <algorithm>

int& CORXToolBar::m_nMenuAnimation = CORXBarSettings::s_nMenuAnimation;
BOOL CORXToolBar::m_bRecentlyUsedMenus = TRUE;
BOOL& CORXToolBar::m_bMenuShadows = CORXBarSettings::s_bMenuShadows;
BOOL CORXToolBar::m_bShowAllMenusAfterDelay = TRUE;
BOOL CORXToolBar::m_bLockTextEdit = FALSE;

namespace
{
const DWORD kPressedStates = TBBS_CHECKED | TBBS_PRESSED;

void DeleteButtons(CObList& list)
{
    while (!list.IsEmpty())
        delete list.RemoveHead();
}

// The bar whose LoadState is reading its value right now: its Serialize is the whole record.
const CORXToolBar* s_pLoadingRecord = NULL;

BOOL IsAlwaysReset()
{
    CORXWorkspaceBase* pWorkspace = CORXWorkspaceBase::GetInstance();
    return pWorkspace != NULL && pWorkspace->IsAlwaysReset();
}

// The original items as an object of their own, so that the registry's archive handling reads them.
class CButtonListImage : public CObject
{
public:
    virtual ~CButtonListImage() { DeleteButtons(m_list); }
    virtual void Serialize(CArchive& ar) { CORXToolbarButton::ReadList(ar, m_list); }
    CObList m_list;
};
} // namespace

CString CORXToolBar::GetStateKey(LPCTSTR lpszProfileName, int nIndex, UINT uiID) const
{
    CString strProfile = CORXWorkspaceBase::BuildRegistryPath(strORXToolbarProfile, lpszProfileName);
    if (nIndex == -1)
        nIndex = GetSafeHwnd() != NULL ? GetDlgCtrlID() : 0;
    CString strKey;
    if (uiID == (UINT)-1)
        strKey.Format(_T("%sORXToolBar-%d"), (LPCTSTR)strProfile, nIndex);
    else
        strKey.Format(_T("%sORXToolBar-%d%x"), (LPCTSTR)strProfile, nIndex, uiID);
    return strKey;
}

void CORXToolBar::Serialize(CArchive& ar)
{
    CControlBar::Serialize(ar);
    if (ar.IsStoring())
    {
        // The chevron and the buttons a bar makes for itself are never stored.
        CObList list;
        for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL;)
        {
            CORXToolbarButton* pButton = (CORXToolbarButton*)m_Buttons.GetNext(pos);
            if (pButton != m_pCustomizeBtn && pButton->CanBeStored())
                list.AddTail(pButton);
        }
        list.Serialize(ar);
        ar << m_bTextLabels;
        CString strText;
        if (GetSafeHwnd() != NULL)
            GetWindowText(strText);
        ar << strText;
        return;
    }

    // Everything is read before the bar changes: a damaged image throws and leaves the bar as it was.
    CObList list;
    CORXToolbarButton::ReadList(ar, list);
    BOOL bTextLabels = FALSE;
    CString strText;
    try
    {
        ar >> bTextLabels;
        ar >> strText;
        // A bar's own record is its whole value: bytes after it mean a count inside was wrong.
        if (s_pLoadingRecord == this)
            CORXRegistry::CheckArchiveAtEnd(ar);
    }
    catch (CException*)
    {
        DeleteButtons(list);
        throw;
    }

    CORXToolbarButton* pCustomizeCopy = m_pCustomizeBtn != NULL ? m_pCustomizeBtn->Clone() : NULL;
    RemoveAllButtons();
    while (!list.IsEmpty())
    {
        CORXToolbarButton* pButton = (CORXToolbarButton*)list.RemoveHead();
        if (!IsCommandPermitted(pButton->m_nID))
        {
            delete pButton;
            continue;
        }
        pButton->m_nStyle &= ~kPressedStates;
        m_Buttons.AddTail(pButton);
        pButton->OnChangeParentWnd(this);
    }
    if (AllowChangeTextLabels())
        m_bTextLabels = bTextLabels != FALSE;
    if (pCustomizeCopy != NULL)
    {
        m_Buttons.AddTail(pCustomizeCopy);
        pCustomizeCopy->OnChangeParentWnd(this);
        m_pCustomizeBtn = pCustomizeCopy;
    }
    if (GetSafeHwnd() != NULL)
    {
        PlaceButtons();
        if (!strText.IsEmpty())
            SetWindowText(strText);
    }
    RebuildAccelerationKeys();
}

BOOL CORXToolBar::LoadState(LPCTSTR lpszProfileName, int nIndex, UINT uiID)
{
    CORXRegistrySP regSP;
    CORXRegistry& reg = regSP.CreateRegistry(FALSE, TRUE);
    if (!reg.Open(GetStateKey(lpszProfileName, nIndex, uiID)))
        return FALSE;
    BYTE* pData = NULL;
    UINT nBytes = 0;
    if (!reg.Read(_T("Buttons"), pData, nBytes))
        return FALSE;

    BOOL bRead = FALSE;
    BOOL bDamaged = FALSE;
    const CORXToolBar* pOuterRecord = s_pLoadingRecord;
    s_pLoadingRecord = this;
    try
    {
        CMemFile file(pData, nBytes);
        CArchive ar(&file, CArchive::load, 4096);
        Serialize(ar);
        // A bar class with a record of its own is held to the same end.
        CORXRegistry::CheckArchiveAtEnd(ar);
        ar.Close();
        bRead = TRUE;
    }
    catch (CMemoryException* e)
    {
        e->Delete();
    }
    catch (CException* e)
    {
        e->Delete();
        bDamaged = TRUE;
    }
    s_pLoadingRecord = pOuterRecord;
    delete[] pData;

    if (bDamaged)
    {
        // The bar still holds what it had before the load; a bar of a resource starts afresh from it.
        if (CanBeRestored())
            RestoreOriginalState();
        return FALSE;
    }
    if (!bRead)
        return FALSE;
    if (IsAlwaysReset())
        LoadOriginalState(reg);
    AdjustLayout();
    return TRUE;
}

BOOL CORXToolBar::SaveState(LPCTSTR lpszProfileName, int nIndex, UINT uiID)
{
    BOOL bResult = FALSE;
    BYTE* pData = NULL;
    try
    {
        UINT nBytes = 0;
        {
            CMemFile file(1024);
            CArchive ar(&file, CArchive::store, 4096);
            Serialize(ar);
            ar.Close();
            nBytes = (UINT)file.GetLength();
            pData = file.Detach();
        }
        if (nBytes > 0)
        {
            CORXRegistrySP regSP;
            CORXRegistry& reg = regSP.CreateRegistry(FALSE, FALSE);
            if (reg.CreateKey(GetStateKey(lpszProfileName, nIndex, uiID)))
            {
                if (GetSafeHwnd() != NULL)
                {
                    CString strName;
                    GetWindowText(strName);
                    reg.Write(_T("Name"), (LPCTSTR)strName);
                }
                bResult = reg.Write(_T("Buttons"), pData, nBytes);
                if (bResult && IsAlwaysReset())
                    SaveOriginalState(reg);
            }
        }
    }
    catch (CException* e)
    {
        e->Delete();
        bResult = FALSE;
    }
    free(pData);
    return bResult;
}

BOOL CORXToolBar::RemoveStateFromRegistry(LPCTSTR lpszProfileName, int nIndex, UINT uiID)
{
    CORXRegistrySP regSP;
    CORXRegistry& reg = regSP.CreateRegistry(FALSE, FALSE);
    return reg.DeleteKey(GetStateKey(lpszProfileName, nIndex, uiID));
}

BOOL CORXToolBar::RestoreOriginalState()
{
    if (m_uiOriginalResID == 0)
        return FALSE;
    CORXToolBarImageIds params;
    UINT uiResID = m_uiOriginalResID;
    BOOL bOK = LoadToolBarEx(uiResID, params, m_bLocked);
    AdjustLayout();
    if (GetSafeHwnd() != NULL)
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME);
    return bOK;
}

/////////////////////////////////////////////////////////////////////////////
// Original items

BOOL CORXToolBar::SaveOriginalState(CORXRegistry& reg)
{
    if (m_OrigButtons.IsEmpty())
        return FALSE;
    return reg.Write(_T("OriginalItems"), (CObject&)m_OrigButtons);
}

BOOL CORXToolBar::LoadOriginalState(CORXRegistry& reg)
{
    CButtonListImage stored;
    if (!reg.Read(_T("OriginalItems"), (CObject&)stored))
        return FALSE;
    return MergeWithOriginalItems(stored.m_list);
}

BOOL CORXToolBar::MergeWithOriginalItems(const CObList& lstOrigButtons)
{
    BOOL bModified = FALSE;
    for (POSITION pos = lstOrigButtons.GetHeadPosition(); pos != NULL;)
    {
        const CORXToolbarButton* pStored = (const CORXToolbarButton*)lstOrigButtons.GetNext(pos);
        BOOL bFound = FALSE;
        for (POSITION posOrig = m_OrigButtons.GetHeadPosition(); posOrig != NULL && !bFound;)
            bFound = ((CORXToolbarButton*)m_OrigButtons.GetNext(posOrig))->CompareWith(*pStored);
        if (bFound)
            continue;
        bModified = TRUE;
        int iIndex = CommandToIndex(pStored->m_nID);
        if (iIndex >= 0)
            RemoveButton(iIndex);
    }

    int i = 0;
    for (POSITION posOrig = m_OrigButtons.GetHeadPosition(); posOrig != NULL; i++)
    {
        const CORXToolbarButton* pOrig = (const CORXToolbarButton*)m_OrigButtons.GetNext(posOrig);
        BOOL bFound = FALSE;
        for (POSITION pos = lstOrigButtons.GetHeadPosition(); pos != NULL && !bFound;)
            bFound = ((CORXToolbarButton*)lstOrigButtons.GetNext(pos))->CompareWith(*pOrig);
        if (bFound)
            continue;
        bModified = TRUE;
        int iInsertAt = std::min(i, GetCount());
        if (pOrig->m_nID == 0)
        {
            InsertSeparator(iInsertAt);
            continue;
        }
        CORXToolbarButton* pButton =
            new CORXToolbarButton(pOrig->m_nID, GetDefaultImage(pOrig->m_nID), NULL, FALSE, m_bLocked);
        if (InsertButton(pButton, iInsertAt) < 0)
            delete pButton;
    }

    if (lstOrigButtons.GetCount() != m_OrigButtons.GetCount())
        bModified = TRUE;
    else
    {
        POSITION pos = lstOrigButtons.GetHeadPosition();
        for (POSITION posOrig = m_OrigButtons.GetHeadPosition(); posOrig != NULL && pos != NULL;)
        {
            const CORXToolbarButton* pOrig = (const CORXToolbarButton*)m_OrigButtons.GetNext(posOrig);
            if (!pOrig->CompareWith(*lstOrigButtons.GetNext(pos)))
                bModified = TRUE;
        }
    }
    m_bIsModified = bModified;
    return bModified;
}

/////////////////////////////////////////////////////////////////////////////
// Parameters and usage

namespace
{
CString ParametersKey(LPCTSTR lpszProfileName)
{
    CString strKey;
    strKey.Format(_T("%sORXToolbarParameters"),
                  (LPCTSTR)CORXWorkspaceBase::BuildRegistryPath(strORXToolbarProfile, lpszProfileName));
    return strKey;
}
} // namespace

BOOL CORXToolBar::SaveParameters(LPCTSTR lpszProfileName)
{
    CORXRegistrySP regSP;
    CORXRegistry& reg = regSP.CreateRegistry(FALSE, FALSE);
    if (!reg.CreateKey(ParametersKey(lpszProfileName)))
        return FALSE;
    CORXVisualManager* pLook = CORXVisualManager::GetInstance();
    BOOL bLook2000 = pLook != NULL && pLook->IsLook2000();
    return reg.Write(_T("Tooltips"), (int)m_bShowTooltips) &&
           reg.Write(_T("ShortcutKeys"), (int)m_bShowShortcutKeys) &&
           reg.Write(_T("LargeIcons"), (int)m_bLargeIcons) &&
           reg.Write(_T("MenuAnimation"), m_nMenuAnimation) &&
           reg.Write(_T("RecentlyUsedMenus"), (int)m_bRecentlyUsedMenus) &&
           reg.Write(_T("MenuShadows"), (int)m_bMenuShadows) &&
           reg.Write(_T("ShowAllMenusAfterDelay"), (int)m_bShowAllMenusAfterDelay) &&
           reg.Write(_T("Look2000"), (int)bLook2000) &&
           reg.Write(_T("CommandsUsage"), (CObject&)ORXGetCommandUsage());
}

BOOL CORXToolBar::LoadParameters(LPCTSTR lpszProfileName)
{
    CORXRegistrySP regSP;
    CORXRegistry& reg = regSP.CreateRegistry(FALSE, TRUE);
    if (!reg.Open(ParametersKey(lpszProfileName)))
        return FALSE;

    // Each value is read on its own and taken only when it was read: one missing or unreadable
    // value leaves its setting as it was and costs the others nothing. A value that is not read
    // is written back at exit as the setting stands, so a damaged one is replaced, never kept.
    BOOL bAll = TRUE;
    auto ReadFlag = [&](LPCTSTR lpszName, BOOL& bFlag) {
        int iValue = 0;
        if (reg.Read(lpszName, iValue))
            bFlag = iValue != 0;
        else
            bAll = FALSE;
    };
    ReadFlag(_T("Tooltips"), m_bShowTooltips);
    ReadFlag(_T("ShortcutKeys"), m_bShowShortcutKeys);
    BOOL bLargeIcons = m_bLargeIcons;
    ReadFlag(_T("LargeIcons"), bLargeIcons);
    DWORD dwAnimation = 0;
    if (reg.Read(_T("MenuAnimation"), dwAnimation))
        m_nMenuAnimation = CORXBarSettings::MenuAnimationFromStored(dwAnimation);
    else
        bAll = FALSE;
    ReadFlag(_T("RecentlyUsedMenus"), m_bRecentlyUsedMenus);
    ReadFlag(_T("MenuShadows"), m_bMenuShadows);
    ReadFlag(_T("ShowAllMenusAfterDelay"), m_bShowAllMenusAfterDelay);
    CORXVisualManager* pLook = CORXVisualManager::GetInstance();
    BOOL bLook2000 = pLook != NULL && pLook->IsLook2000();
    ReadFlag(_T("Look2000"), bLook2000);

    // The counts are read whole or not at all: damaged counts start again from none.
    if (!reg.Read(_T("CommandsUsage"), (CObject&)ORXGetCommandUsage()))
    {
        ORXGetCommandUsage().Reset();
        bAll = FALSE;
    }

    SetLargeIcons(bLargeIcons);
    if (pLook != NULL)
        pLook->SetLook2000(bLook2000);
    return bAll;
}

BOOL CORXToolBar::IsCommandRarelyUsed(UINT uiCmd)
{
    if (IsCustomizeMode() || CORXCommandUsage::IsGeneratedCommand(uiCmd))
        return FALSE;
    if (CORXServices::Find<CORXUserToolsLink>() != NULL &&
        uiCmd == CORXServices::Find<CORXUserToolsLink>()->GetToolsEntryCmd())
        return FALSE;
    if (m_lstBasicCommands.IsEmpty() || IsBasicCommand(uiCmd))
        return FALSE;
    return !ORXGetCommandUsage().IsFrequentlyUsed(uiCmd);
}
