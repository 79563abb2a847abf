// The mouse manager's maps and their place in the registry.
#include "ORXMouseManager.h"

#include "ORXRegistry.h"
#include "ORXWorkspaceBase.h"

IMPLEMENT_SERIAL(CORXMouseManager, CObject, 1)

namespace
{
const UINT kHashSize = 17;
const LPCTSTR kMouseKey = _T("ORXMouseManager");
const LPCTSTR kMouseValue = _T("Mouse");
} // namespace

CORXMouseManager::CORXMouseManager()
{
    m_ViewsToCommands.InitHashTable(kHashSize);
    m_ViewsNames.InitHashTable(kHashSize);
    m_ViewsToIcons.InitHashTable(kHashSize);
    CORXServices::Hold<CORXMouseManager>(this);
}

CORXMouseManager::~CORXMouseManager()
{
    if (ORXMouseManager() == this)
        CORXServices::Hold<CORXMouseManager, CORXMouseManager>(NULL);
    m_ViewsToCommands.RemoveAll();
    m_ViewsNames.RemoveAll();
    m_ViewsToIcons.RemoveAll();
}

BOOL CORXMouseManager::AddView(int iViewId, LPCTSTR lpszViewName, UINT uiIconId)
{
    if (lpszViewName == NULL || *lpszViewName == 0)
        return FALSE;
    int iExisting = 0;
    if (m_ViewsNames.Lookup(lpszViewName, iExisting))
        return FALSE;
    for (POSITION pos = m_ViewsNames.GetStartPosition(); pos != NULL;)
    {
        CString strName;
        int iId = 0;
        m_ViewsNames.GetNextAssoc(pos, strName, iId);
        if (iId == iViewId)
            return FALSE;
    }
    m_ViewsNames.SetAt(lpszViewName, iViewId);
    if (uiIconId != 0)
        m_ViewsToIcons.SetAt(iViewId, uiIconId);
    return TRUE;
}

UINT CORXMouseManager::GetViewDblClickCommand(int iId) const
{
    UINT uiCmd = 0;
    return m_ViewsToCommands.Lookup(iId, uiCmd) ? uiCmd : 0;
}

void CORXMouseManager::SetCommandForDblClick(int iViewId, UINT uiCmd)
{
    if (uiCmd == 0)
        m_ViewsToCommands.RemoveKey(iViewId);
    else
        m_ViewsToCommands.SetAt(iViewId, uiCmd);
}

int CORXMouseManager::GetViewIdByName(LPCTSTR lpszName) const
{
    int iId = -1;
    return lpszName != NULL && m_ViewsNames.Lookup(lpszName, iId) ? iId : -1;
}

void CORXMouseManager::FillViewList(CStringList& listOfNames) const
{
    listOfNames.RemoveAll();
    for (POSITION pos = m_ViewsNames.GetStartPosition(); pos != NULL;)
    {
        CString strName;
        int iId = 0;
        m_ViewsNames.GetNextAssoc(pos, strName, iId);
        listOfNames.AddTail(strName);
    }
}

UINT CORXMouseManager::GetViewIconId(int iViewId) const
{
    UINT uiIcon = 0;
    return m_ViewsToIcons.Lookup(iViewId, uiIcon) ? uiIcon : 0;
}

void CORXMouseManager::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring())
    {
        ar << (DWORD)m_ViewsToCommands.GetCount();
        for (POSITION pos = m_ViewsToCommands.GetStartPosition(); pos != NULL;)
        {
            int iViewId = 0;
            UINT uiCmd = 0;
            m_ViewsToCommands.GetNextAssoc(pos, iViewId, uiCmd);
            ar << (DWORD)iViewId << (DWORD)uiCmd;
        }
        return;
    }
    m_ViewsToCommands.RemoveAll();
    // The bindings become the manager's only when the whole image has been read and every binding
    // is one the manager could have made: a known view (when views are registered) bound once, to
    // a command a double click may run. Anything else refuses the image whole.
    CMap<int, int, UINT, UINT> bindings;
    bindings.InitHashTable(kHashSize);
    DWORD dwCount = 0;
    ar >> dwCount;
    ar.CheckAvailable((ULONGLONG)dwCount * 2 * sizeof(DWORD));
    for (DWORD i = 0; i < dwCount; i++)
    {
        DWORD dwViewId = 0;
        DWORD dwCmd = 0;
        ar >> dwViewId >> dwCmd;
        const int iViewId = (int)dwViewId;
        UINT uiBound = 0;
        if (!IsBindableCommand(dwCmd) || !IsKnownView(iViewId) || bindings.Lookup(iViewId, uiBound))
            AfxThrowArchiveException(CArchiveException::generic);
        bindings.SetAt(iViewId, (UINT)dwCmd);
    }
    for (POSITION pos = bindings.GetStartPosition(); pos != NULL;)
    {
        int iViewId = 0;
        UINT uiCmd = 0;
        bindings.GetNextAssoc(pos, iViewId, uiCmd);
        m_ViewsToCommands.SetAt(iViewId, uiCmd);
    }
}

BOOL CORXMouseManager::IsBindableCommand(DWORD dwCmd)
{
    // 0 binds nothing and is never stored; a command is a 16-bit id, 0xFFFF is none and no id from
    // 0xFF00 is ever stored.
    return dwCmd != 0 && dwCmd < 0xFF00;
}

BOOL CORXMouseManager::IsKnownView(int iViewId) const
{
    if (iViewId == -1)
        return FALSE;
    // Before the application has registered any view every id is taken on trust.
    if (m_ViewsNames.IsEmpty())
        return TRUE;
    for (POSITION pos = m_ViewsNames.GetStartPosition(); pos != NULL;)
    {
        CString strName;
        int iId = 0;
        m_ViewsNames.GetNextAssoc(pos, strName, iId);
        if (iId == iViewId)
            return TRUE;
    }
    return FALSE;
}

BOOL CORXMouseManager::LoadState(LPCTSTR lpszProfileName)
{
    CORXRegistrySP regSP;
    CORXRegistry& reg = regSP.CreateRegistry(FALSE, TRUE);
    if (!reg.Open(CORXWorkspaceBase::BuildRegistryPath(kMouseKey, lpszProfileName)))
        return FALSE;
    if (!reg.Read(kMouseValue, *this))
    {
        m_ViewsToCommands.RemoveAll();
        return FALSE;
    }
    return TRUE;
}

BOOL CORXMouseManager::SaveState(LPCTSTR lpszProfileName)
{
    CORXRegistrySP regSP;
    CORXRegistry& reg = regSP.CreateRegistry(FALSE, FALSE);
    if (!reg.CreateKey(CORXWorkspaceBase::BuildRegistryPath(kMouseKey, lpszProfileName)))
        return FALSE;
    return reg.Write(kMouseValue, *this);
}

BOOL ORXInitMouseManager()
{
    CORXWorkspaceBase* pWorkspace = CORXWorkspaceBase::GetInstance();
    if (ORXMouseManager() != NULL || pWorkspace == NULL)
        return FALSE;
    new CORXMouseManager;
    CORXWorkspaceBase::SetManagerRelease(CORXWorkspaceBase::mgrMouse, []() { delete ORXMouseManager(); });
    pWorkspace->m_bManagerCreated[CORXWorkspaceBase::mgrMouse] = TRUE;
    return TRUE;
}
