// CORXWorkspaceBase: the workspace's registry base, saved version and ownership of the framework's
// global managers.
#include "ORXWorkspaceBase.h"

CORXWorkspaceBase* CORXWorkspaceBase::s_pInstance = NULL;
CORXWorkspaceBase::PFN_RELEASEMANAGER CORXWorkspaceBase::s_pfnRelease[CORXWorkspaceBase::mgrCount] = {};

CORXWorkspaceBase::CORXWorkspaceBase(BOOL bResetAfterLoad)
    : m_strRegSection(_T("ORXWorkspace")), m_nSavedVersionMajor(-1), m_nSavedVersionMinor(-1),
      m_bForceDockStateLoad(FALSE), m_bLoadSaveFrameBarsOnly(FALSE), m_bSaveState(TRUE),
      m_bResetAfterLoad(bResetAfterLoad), m_bAlwaysReset(FALSE)
{
    for (int i = 0; i < mgrCount; i++)
        m_bManagerCreated[i] = FALSE;
    s_pInstance = this;
}

CORXWorkspaceBase::~CORXWorkspaceBase()
{
    // Whichever workspace goes, the singleton goes with it: nothing may reach a dead workspace.
    s_pInstance = NULL;
    for (int i = 0; i < mgrCount; i++)
    {
        if (m_bManagerCreated[i] && s_pfnRelease[i] != NULL)
            s_pfnRelease[i]();
        m_bManagerCreated[i] = FALSE;
    }
}

CORXWorkspaceBase* CORXWorkspaceBase::GetInstance()
{
    return s_pInstance;
}

void CORXWorkspaceBase::SetManagerRelease(Manager nManager, PFN_RELEASEMANAGER pfnRelease)
{
    if (nManager >= 0 && nManager < mgrCount)
        s_pfnRelease[nManager] = pfnRelease;
}

LPCTSTR CORXWorkspaceBase::SetRegistryBase(LPCTSTR lpszSectionName)
{
    m_strRegSection = (lpszSectionName != NULL) ? lpszSectionName : _T("");
    return m_strRegSection;
}

CString CORXWorkspaceBase::GetRegistrySectionPath(LPCTSTR lpszSectionAdd) const
{
    CString strPath = BuildRegistryPath(m_strRegSection, NULL);
    if (lpszSectionAdd != NULL && *lpszSectionAdd != 0)
    {
        strPath += lpszSectionAdd;
        strPath += _T("\\");
    }
    return strPath;
}

CString CORXWorkspaceBase::BuildRegistryPath(LPCTSTR lpszSection, LPCTSTR lpszPath)
{
    if (lpszPath != NULL && *lpszPath != 0)
        return lpszPath;
    // A saver called on its own keeps its section beside the workspace's key, not inside it.
    CString strPath = _T("SOFTWARE\\");
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL)
    {
        if (pApp->m_pszRegistryKey != NULL && *pApp->m_pszRegistryKey != 0)
        {
            strPath += pApp->m_pszRegistryKey;
            strPath += _T("\\");
        }
        if (pApp->m_pszProfileName != NULL)
            strPath += pApp->m_pszProfileName;
    }
    strPath += _T("\\");
    if (lpszSection != NULL)
        strPath += lpszSection;
    strPath += _T("\\");
    return strPath;
}

BOOL ORXSavedVersionAtLeast(int nMajor, int nMinor)
{
    CORXWorkspaceBase* pWorkspace = CORXWorkspaceBase::GetInstance();
    if (pWorkspace == NULL)
        return TRUE;
    int nSavedMajor = pWorkspace->GetSavedVersionMajor();
    int nSavedMinor = pWorkspace->GetSavedVersionMinor();
    if (nSavedMajor < 0 || nSavedMinor < 0)
        return TRUE;
    return nSavedMajor > nMajor || (nSavedMajor == nMajor && nSavedMinor >= nMinor);
}
