#include "VersionedApp.h"

#include "VersionTexts.h"

CVersionedApp::CVersionedApp() : m_dwTranslation(0)
{
    memset(&m_fixedInfo, 0, sizeof(m_fixedInfo));
    memset(&m_ftCreation, 0, sizeof(m_ftCreation));
    memset(&m_ftLastAccess, 0, sizeof(m_ftLastAccess));
    memset(&m_ftLastWrite, 0, sizeof(m_ftLastWrite));
}

BOOL CVersionedApp::InitInstance()
{
    ReadVersionInfo();
    ReadFileTimes();
    return CWinApp::InitInstance();
}

BOOL CVersionedApp::ReadVersionInfo()
{
    TCHAR szPath[MAX_PATH];
    DWORD nLength = ::GetModuleFileName(AfxGetInstanceHandle(), szPath, MAX_PATH);
    if (nLength == 0 || nLength >= MAX_PATH)
        return FALSE;
    m_strModulePath = szPath;

    DWORD dwHandle = 0;
    DWORD dwSize = ::GetFileVersionInfoSize(szPath, &dwHandle);
    if (dwSize == 0)
        return FALSE;
    BYTE* pBlock = new BYTE[dwSize];
    BOOL bResult = FALSE;
    LPVOID pFixed = NULL;
    UINT nFixed = 0;
    if (::GetFileVersionInfo(szPath, 0, dwSize, pBlock) &&
        ::VerQueryValue(pBlock, (LPTSTR) _T("\\"), &pFixed, &nFixed) && pFixed != NULL &&
        nFixed >= sizeof(VS_FIXEDFILEINFO))
    {
        memcpy(&m_fixedInfo, pFixed, sizeof(VS_FIXEDFILEINFO));
        ReadVersionStrings(pBlock);
        FormatFixedInfo();
        bResult = TRUE;
    }
    delete[] pBlock;
    return bResult;
}

BOOL CVersionedApp::ReadVersionStrings(LPVOID pBlock)
{
    LPVOID pTranslation = NULL;
    UINT nLength = 0;
    if (::VerQueryValue(pBlock, (LPTSTR) _T("\\VarFileInfo\\Translation"), &pTranslation, &nLength) &&
        pTranslation != NULL && nLength >= sizeof(DWORD))
        m_dwTranslation = *(const DWORD*)pTranslation;

    const struct
    {
        LPCTSTR key;
        CString* member;
    } keys[] = {
        {_T("CompanyName"), &m_strCompanyName},           {_T("LegalCopyRight"), &m_strCopyright},
        {_T("ProductName"), &m_strProductName},           {_T("ProductVersion"), &m_strProductVersion},
        {_T("OriginalFileName"), &m_strOriginalFileName}, {_T("FileDescription"), &m_strFileDescription},
        {_T("FileVersion"), &m_strFileVersion},           {_T("InternalName"), &m_strInternalName},
    };
    for (size_t i = 0; i < sizeof(keys) / sizeof(keys[0]); i++)
        QueryVersionString(pBlock, m_dwTranslation, keys[i].key, *keys[i].member);
    return TRUE;
}

BOOL CVersionedApp::FormatFixedInfo()
{
    m_strMajorVersion.Format(_T("%d"), (int)HIWORD(m_fixedInfo.dwFileVersionMS));
    m_strMinorVersion.Format(_T("%d"), (int)LOWORD(m_fixedInfo.dwFileVersionMS));
    m_strVersionNumber.Format(
        _T("%d.%d.%d.%d"), (int)HIWORD(m_fixedInfo.dwFileVersionMS), (int)LOWORD(m_fixedInfo.dwFileVersionMS),
        (int)HIWORD(m_fixedInfo.dwFileVersionLS), (int)LOWORD(m_fixedInfo.dwFileVersionLS));
    FileTypeText(m_fixedInfo.dwFileType, m_fixedInfo.dwFileSubtype, m_strFileType);
    OperatingSystemText(m_fixedInfo.dwFileOS, m_strOperatingSystem);
    return TRUE;
}

BOOL CVersionedApp::ReadFileTimes()
{
    HANDLE hFile = ::CreateFile(m_strModulePath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
        return FALSE;
    BOOL bResult = ::GetFileTime(hFile, &m_ftCreation, &m_ftLastAccess, &m_ftLastWrite);
    ::CloseHandle(hFile);
    return bResult;
}
