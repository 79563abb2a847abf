// CWinApp's profile settings: the registry under the application's key, or its .INI file.
#include "AfxWinApp.h"

namespace
{
// The key below hParent, made when it does not exist, opened for reading and writing; NULL when it
// can be neither.
HKEY CreateProfileKey(HKEY hParent, LPCTSTR lpszName)
{
    HKEY hKey = NULL;
    DWORD dw;
    if (::RegCreateKeyEx(hParent, lpszName, 0, NULL, REG_OPTION_NON_VOLATILE, KEY_WRITE | KEY_READ, NULL,
                         &hKey, &dw) != ERROR_SUCCESS)
        return NULL;
    return hKey;
}
} // namespace

void CWinApp::SetRegistryKey(LPCTSTR lpszRegistryKey)
{
    // Keys a batch holds belong to the old name.
    CloseProfileBatchKeys();
    free((void*)m_pszRegistryKey);
    m_pszRegistryKey = _tcsdup(lpszRegistryKey != NULL ? lpszRegistryKey : _T(""));
    free((void*)m_pszProfileName);
    m_pszProfileName = _tcsdup(m_pszAppName != NULL ? m_pszAppName : _T(""));
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey)
{
    CString strKey;
    strKey.LoadString(nIDRegistryKey);
    SetRegistryKey((LPCTSTR)strKey);
}

// ---- Batches ---------------------------------------------------------------------------------------

void CWinApp::BeginProfileBatch()
{
    m_nProfileBatch++;
}

void CWinApp::EndProfileBatch()
{
    if (m_nProfileBatch > 0 && --m_nProfileBatch == 0)
        CloseProfileBatchKeys();
}

void CWinApp::CloseProfileBatchKeys()
{
    POSITION pos = m_profileBatchKeys.GetStartPosition();
    while (pos != NULL)
    {
        CString strSection;
        void* pKey = NULL;
        m_profileBatchKeys.GetNextAssoc(pos, strSection, pKey);
        ::RegCloseKey((HKEY)pKey);
    }
    m_profileBatchKeys.RemoveAll();
    if (m_hProfileBatchAppKey != NULL)
        ::RegCloseKey(m_hProfileBatchAppKey);
    m_hProfileBatchAppKey = NULL;
}

// The section's key for one profile call: outside a batch a new one, which CloseProfileSection
// closes; inside, the batch's, opened at its first use and kept.
HKEY CWinApp::OpenProfileSection(LPCTSTR lpszSection)
{
    if (m_nProfileBatch == 0)
        return GetSectionKey(lpszSection);
    CString strName(lpszSection);
    strName.MakeUpper(); // the registry's names ignore case
    void* pKey = NULL;
    if (m_profileBatchKeys.Lookup(strName, pKey))
        return (HKEY)pKey;
    if (m_hProfileBatchAppKey == NULL)
        m_hProfileBatchAppKey = GetAppRegistryKey();
    if (m_hProfileBatchAppKey == NULL)
        return NULL;
    HKEY hSectionKey = CreateProfileKey(m_hProfileBatchAppKey, lpszSection);
    if (hSectionKey == NULL)
        return NULL;
    m_profileBatchKeys.SetAt(strName, hSectionKey);
    return hSectionKey;
}

void CWinApp::CloseProfileSection(HKEY hSecKey)
{
    if (m_nProfileBatch == 0)
        ::RegCloseKey(hSecKey);
}

// A section about to be deleted: the batch lets go of its key, so that a later call in the same
// batch makes the section anew instead of writing into the deleted one.
void CWinApp::ForgetProfileSection(LPCTSTR lpszSection)
{
    CString strName(lpszSection);
    strName.MakeUpper();
    void* pKey = NULL;
    if (m_profileBatchKeys.Lookup(strName, pKey))
    {
        ::RegCloseKey((HKEY)pKey);
        m_profileBatchKeys.RemoveKey(strName);
    }
}

// ---- Keys ------------------------------------------------------------------------------------------

HKEY CWinApp::GetAppRegistryKey()
{
    HKEY hAppKey = NULL;
    HKEY hSoftKey = NULL;
    HKEY hCompanyKey = NULL;
    if (m_pszRegistryKey == NULL || m_pszProfileName == NULL)
        return NULL;
    if (::RegOpenKeyEx(HKEY_CURRENT_USER, _T("software"), 0, KEY_WRITE | KEY_READ, &hSoftKey) ==
        ERROR_SUCCESS)
    {
        hCompanyKey = CreateProfileKey(hSoftKey, m_pszRegistryKey);
        if (hCompanyKey != NULL)
            hAppKey = CreateProfileKey(hCompanyKey, m_pszProfileName);
    }
    if (hSoftKey != NULL)
        ::RegCloseKey(hSoftKey);
    if (hCompanyKey != NULL)
        ::RegCloseKey(hCompanyKey);
    return hAppKey;
}

HKEY CWinApp::GetSectionKey(LPCTSTR lpszSection)
{
    HKEY hAppKey = GetAppRegistryKey();
    if (hAppKey == NULL)
        return NULL;
    HKEY hSectionKey = CreateProfileKey(hAppKey, lpszSection);
    ::RegCloseKey(hAppKey);
    return hSectionKey;
}

UINT CWinApp::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault)
{
    if (m_pszRegistryKey != NULL)
    {
        HKEY hSecKey = OpenProfileSection(lpszSection);
        if (hSecKey == NULL)
            return (UINT)nDefault;
        DWORD dwValue = 0;
        DWORD dwType = 0;
        DWORD dwCount = sizeof(DWORD);
        LONG lResult = ::RegQueryValueEx(hSecKey, lpszEntry, NULL, &dwType, (LPBYTE)&dwValue, &dwCount);
        CloseProfileSection(hSecKey);
        // A value of another type or size is not an integer setting: the default stands.
        if (lResult == ERROR_SUCCESS && dwType == REG_DWORD && dwCount == sizeof(DWORD))
            return (UINT)dwValue;
        return (UINT)nDefault;
    }
    return ::GetPrivateProfileInt(lpszSection, lpszEntry, nDefault, m_pszProfileName);
}

CString CWinApp::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault)
{
    if (lpszDefault == NULL)
        lpszDefault = _T("");
    if (m_pszRegistryKey != NULL)
    {
        HKEY hSecKey = OpenProfileSection(lpszSection);
        if (hSecKey == NULL)
            return lpszDefault;
        CString strValue;
        DWORD dwType = 0;
        DWORD dwCount = 0;
        LONG lResult = ::RegQueryValueEx(hSecKey, lpszEntry, NULL, &dwType, NULL, &dwCount);
        if (lResult == ERROR_SUCCESS && (dwType == REG_SZ || dwType == REG_EXPAND_SZ))
        {
            // The stored bytes need not end in a terminator; never read past them.
            DWORD dwSize = dwCount;
            LPTSTR pBuf = strValue.GetBuffer((int)(dwSize / sizeof(TCHAR)) + 1);
            lResult = ::RegQueryValueEx(hSecKey, lpszEntry, NULL, &dwType, (LPBYTE)pBuf, &dwCount);
            int nLen = 0;
            if (lResult == ERROR_SUCCESS)
            {
                DWORD nChars = dwCount / sizeof(TCHAR);
                while ((DWORD)nLen < nChars && pBuf[nLen] != '\0')
                    nLen++;
            }
            strValue.ReleaseBuffer(nLen);
        }
        else if (lResult == ERROR_SUCCESS)
        {
            lResult = ERROR_INVALID_DATA;
        }
        CloseProfileSection(hSecKey);
        if (lResult == ERROR_SUCCESS)
            return strValue;
        return lpszDefault;
    }

    DWORD nSize = 256;
    for (;;)
    {
        CString strValue;
        DWORD nRead = ::GetPrivateProfileString(lpszSection, lpszEntry, lpszDefault,
                                                strValue.GetBuffer((int)nSize), nSize, m_pszProfileName);
        strValue.ReleaseBuffer((int)nRead);
        if (nRead < nSize - 2 || nSize >= 0x100000)
            return strValue;
        nSize *= 2;
    }
}

BOOL CWinApp::GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE* ppData, UINT* pBytes)
{
    *ppData = NULL;
    *pBytes = 0;
    if (m_pszRegistryKey != NULL)
    {
        HKEY hSecKey = OpenProfileSection(lpszSection);
        if (hSecKey == NULL)
            return FALSE;
        DWORD dwType = 0;
        DWORD dwCount = 0;
        LONG lResult = ::RegQueryValueEx(hSecKey, lpszEntry, NULL, &dwType, NULL, &dwCount);
        if (lResult == ERROR_SUCCESS && dwType == REG_BINARY)
        {
            LPBYTE pData = new BYTE[dwCount > 0 ? dwCount : 1];
            DWORD dwRead = dwCount;
            lResult = ::RegQueryValueEx(hSecKey, lpszEntry, NULL, &dwType, pData, &dwRead);
            if (lResult == ERROR_SUCCESS && dwRead <= dwCount)
            {
                *ppData = pData;
                *pBytes = dwRead;
            }
            else
            {
                delete[] pData;
                lResult = ERROR_INVALID_DATA;
            }
        }
        else if (lResult == ERROR_SUCCESS)
        {
            lResult = ERROR_INVALID_DATA;
        }
        CloseProfileSection(hSecKey);
        return lResult == ERROR_SUCCESS;
    }

    // The private profile keeps each byte as two letters 'A'..'P', low nibble first.
    CString str = GetProfileString(lpszSection, lpszEntry, NULL);
    int nLen = str.GetLength();
    if (nLen == 0 || (nLen % 2) != 0)
        return FALSE;
    UINT nBytes = (UINT)nLen / 2;
    LPBYTE pData = new BYTE[nBytes];
    for (UINT i = 0; i < nBytes; i++)
    {
        int nLow = str[(int)(i * 2)] - 'A';
        int nHigh = str[(int)(i * 2 + 1)] - 'A';
        if (nLow < 0 || nLow > 15 || nHigh < 0 || nHigh > 15)
        {
            delete[] pData;
            return FALSE;
        }
        pData[i] = (BYTE)((nHigh << 4) | nLow);
    }
    *ppData = pData;
    *pBytes = nBytes;
    return TRUE;
}

BOOL CWinApp::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue)
{
    if (m_pszRegistryKey != NULL)
    {
        HKEY hSecKey = OpenProfileSection(lpszSection);
        if (hSecKey == NULL)
            return FALSE;
        DWORD dwValue = (DWORD)nValue;
        LONG lResult =
            ::RegSetValueEx(hSecKey, lpszEntry, 0, REG_DWORD, (const BYTE*)&dwValue, sizeof(dwValue));
        CloseProfileSection(hSecKey);
        return lResult == ERROR_SUCCESS;
    }
    TCHAR szT[16];
    wsprintf(szT, _T("%d"), nValue);
    return ::WritePrivateProfileString(lpszSection, lpszEntry, szT, m_pszProfileName);
}

BOOL CWinApp::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue)
{
    if (m_pszRegistryKey != NULL)
    {
        LONG lResult;
        if (lpszEntry == NULL) // the whole section goes
        {
            ForgetProfileSection(lpszSection);
            HKEY hAppKey = GetAppRegistryKey();
            if (hAppKey == NULL)
                return FALSE;
            lResult = ::RegDeleteKey(hAppKey, lpszSection);
            ::RegCloseKey(hAppKey);
        }
        else if (lpszValue == NULL) // the one value goes
        {
            HKEY hSecKey = OpenProfileSection(lpszSection);
            if (hSecKey == NULL)
                return FALSE;
            lResult = ::RegDeleteValue(hSecKey, lpszEntry);
            CloseProfileSection(hSecKey);
        }
        else
        {
            HKEY hSecKey = OpenProfileSection(lpszSection);
            if (hSecKey == NULL)
                return FALSE;
            lResult = ::RegSetValueEx(hSecKey, lpszEntry, 0, REG_SZ, (const BYTE*)lpszValue,
                                      (lstrlen(lpszValue) + 1) * sizeof(TCHAR));
            CloseProfileSection(hSecKey);
        }
        return lResult == ERROR_SUCCESS;
    }
    return ::WritePrivateProfileString(lpszSection, lpszEntry, lpszValue, m_pszProfileName);
}

BOOL CWinApp::WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData, UINT nBytes)
{
    if (m_pszRegistryKey != NULL)
    {
        HKEY hSecKey = OpenProfileSection(lpszSection);
        if (hSecKey == NULL)
            return FALSE;
        LONG lResult = ::RegSetValueEx(hSecKey, lpszEntry, 0, REG_BINARY, pData, nBytes);
        CloseProfileSection(hSecKey);
        return lResult == ERROR_SUCCESS;
    }
    CString str;
    LPTSTR lpsz = str.GetBuffer((int)nBytes * 2);
    for (UINT i = 0; i < nBytes; i++)
    {
        lpsz[i * 2] = (TCHAR)((pData[i] & 0x0F) + 'A');
        lpsz[i * 2 + 1] = (TCHAR)(((pData[i] >> 4) & 0x0F) + 'A');
    }
    str.ReleaseBuffer((int)nBytes * 2);
    return WriteProfileString(lpszSection, lpszEntry, str);
}
