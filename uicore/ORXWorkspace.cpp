// CORXWorkspace: registry base and ownership of the framework's global managers.
#include "ORXWorkspace.h"

CORXWorkspace* CORXWorkspace::s_pInstance = NULL;
CORXWorkspace::PFN_RELEASEMANAGER CORXWorkspace::s_pfnRelease[CORXWorkspace::mgrCount] = {};

CORXWorkspace::CORXWorkspace(BOOL bResetAfterLoad)
    : m_strRegSection(_T("ORXWorkspace")), m_nSavedVersionMajor(-1), m_nSavedVersionMinor(-1),
      m_bForceDockStateLoad(FALSE), m_bLoadSaveFrameBarsOnly(FALSE), m_bSaveState(TRUE),
      m_bResetAfterLoad(bResetAfterLoad), m_bAlwaysReset(FALSE)
{
    for (int i = 0; i < mgrCount; i++)
        m_bManagerCreated[i] = FALSE;
    s_pInstance = this;
}

CORXWorkspace::~CORXWorkspace()
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

CORXWorkspace* CORXWorkspace::GetInstance()
{
    return s_pInstance;
}

void CORXWorkspace::SetManagerRelease(Manager nManager, PFN_RELEASEMANAGER pfnRelease)
{
    if (nManager >= 0 && nManager < mgrCount)
        s_pfnRelease[nManager] = pfnRelease;
}

LPCTSTR CORXWorkspace::SetRegistryBase(LPCTSTR lpszSectionName)
{
    m_strRegSection = (lpszSectionName != NULL) ? lpszSectionName : _T("");
    return m_strRegSection;
}

CString CORXWorkspace::GetRegistrySectionPath(LPCTSTR lpszSectionAdd) const
{
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
    strPath += m_strRegSection;
    strPath += _T("\\");
    if (lpszSectionAdd != NULL && *lpszSectionAdd != 0)
    {
        strPath += lpszSectionAdd;
        strPath += _T("\\");
    }
    return strPath;
}
