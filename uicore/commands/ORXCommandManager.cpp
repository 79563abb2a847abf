// CORXCommandManager: the shared command images and their saved list of image-less menu commands.
#include "ORXCommandManager.h"

#include "ORXCleanUp.h"
#include "ORXRegistry.h"

const CString strORXToolbarProfile = _T("ORXToolBars");

namespace
{
void CleanUpCommandManager()
{
    CORXCommandManager::GetCmdMgr()->ClearAllCmdImages();
}
} // namespace

CORXCommandManager::CORXCommandManager()
{
    m_CommandIndex.InitHashTable(17);
    m_CommandIndexUser.InitHashTable(17);
    ORXRegisterCleanUp(ORXCLEANUP_COMMANDMANAGER, CleanUpCommandManager);
}

CORXCommandManager::~CORXCommandManager() {}

CORXCommandManager* CORXCommandManager::GetCmdMgr()
{
    static CORXCommandManager s_manager;
    return &s_manager;
}

void CORXCommandManager::SetCmdImage(UINT uiCmd, int iImage, BOOL bUserImage)
{
    if (uiCmd == 0 || uiCmd == (UINT)-1)
        return;
    int iOther = -1;
    if ((bUserImage ? m_CommandIndex : m_CommandIndexUser).Lookup(uiCmd, iOther))
        return;
    (bUserImage ? m_CommandIndexUser : m_CommandIndex).SetAt(uiCmd, iImage);
}

int CORXCommandManager::GetCmdImage(UINT uiCmd, BOOL bUserImage) const
{
    int iImage = -1;
    if (!(bUserImage ? m_CommandIndexUser : m_CommandIndex).Lookup(uiCmd, iImage))
        return -1;
    return iImage;
}

void CORXCommandManager::ClearUserCmdImage(UINT uiCmd)
{
    m_CommandIndexUser.RemoveKey(uiCmd);
    if (m_CommandIndexUser.IsEmpty())
        m_CommandIndexUser.RemoveAll();
}

void CORXCommandManager::ClearAllCmdImages()
{
    m_CommandIndex.RemoveAll();
    m_CommandIndexUser.RemoveAll();
    m_lstCommandsWithoutImages.RemoveAll();
}

void CORXCommandManager::EnableMenuItemImage(UINT uiCmd, BOOL bEnable)
{
    POSITION pos = m_lstCommandsWithoutImages.Find(uiCmd);
    if (bEnable)
    {
        if (pos != NULL)
            m_lstCommandsWithoutImages.RemoveAt(pos);
    }
    else if (pos == NULL)
        m_lstCommandsWithoutImages.AddTail(uiCmd);
}

BOOL CORXCommandManager::IsMenuItemWithoutImage(UINT uiCmd) const
{
    return m_lstCommandsWithoutImages.Find(uiCmd) != NULL;
}

CString CORXCommandManager::GetStateKey(LPCTSTR lpszProfileName) const
{
    CString strKey;
    strKey.Format(_T("%sORXCommandManager"),
                  (LPCTSTR)CORXWorkspaceBase::BuildRegistryPath(strORXToolbarProfile, lpszProfileName));
    return strKey;
}

BOOL CORXCommandManager::LoadState(LPCTSTR lpszProfileName)
{
    CORXRegistrySP regSP;
    CORXRegistry& reg = regSP.CreateRegistry(FALSE, TRUE);
    if (!reg.Open(GetStateKey(lpszProfileName)))
        return FALSE;
    CList<UINT, UINT> list;
    if (!reg.Read(_T("CommandsWithoutImages"), list))
        return FALSE;
    m_lstCommandsWithoutImages.RemoveAll();
    m_lstCommandsWithoutImages.AddTail(&list);
    return TRUE;
}

BOOL CORXCommandManager::SaveState(LPCTSTR lpszProfileName)
{
    CORXRegistrySP regSP;
    CORXRegistry& reg = regSP.CreateRegistry(FALSE, FALSE);
    if (!reg.CreateKey(GetStateKey(lpszProfileName)))
        return FALSE;
    return reg.Write(_T("CommandsWithoutImages"), m_lstCommandsWithoutImages);
}
