#include "ZoneFile.h"

#include "TimeZoneInfo.h"

namespace
{
ZoneFileLoad ReadZones(LPCTSTR lpszPath, CObArray& zones, CException** ppError, BOOL bKeepBeforeDamage)
{
    *ppError = NULL;
    CFileStatus status;
    if (!CFile::GetStatus(lpszPath, status))
        return zoneFileMissing;
    return CTimeZoneInfo::ReadZoneFile(lpszPath, zones, ppError, bKeepBeforeDamage) ? zoneFileLoaded
                                                                                    : zoneFileFailed;
}
} // namespace

ZoneFileLoad LoadZoneFile(LPCTSTR lpszPath, CObArray& zones, CException** ppError)
{
    return ReadZones(lpszPath, zones, ppError, FALSE);
}

ZoneFileLoad LoadZoneFileUpToDamage(LPCTSTR lpszPath, CObArray& zones, CException** ppError)
{
    return ReadZones(lpszPath, zones, ppError, TRUE);
}

CString UnreadZoneFileMessage(INT_PTR nRead)
{
    CString strRead;
    if (nRead == 1)
        strRead = _T(" whole; only its first timezone could be read");
    else if (nRead > 1)
        strRead.Format(_T(" whole; only its first %d timezones could be read"), (int)nRead);
    return _T("The Velmora Timezone file could not be read") + strRead +
           _T(". It is left as it is unless you save.");
}

namespace
{
CString FolderOf(LPCTSTR lpszPath)
{
    CString path(lpszPath);
    int slash = path.ReverseFind(_T('\\'));
    int other = path.ReverseFind(_T('/'));
    if (other > slash)
        slash = other;
    return slash >= 0 ? path.Left(slash + 1) : CString(_T("."));
}

CException* OsError(LPCTSTR lpszPath, DWORD dwError)
{
    return new CFileException(CFileException::OsErrorToException((LONG)dwError), (LONG)dwError, lpszPath);
}
} // namespace

void CZoneFileStamp::Take(LPCTSTR lpszPath)
{
    m_bytes.clear();
    // Another copy replaces the file by a rename, so a reader sees the old file or the new one
    // whole, and its writing never needs to be shut out.
    HANDLE hFile =
        ::CreateFile(lpszPath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, NULL,
                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
    {
        DWORD dwError = ::GetLastError();
        m_nState = dwError == ERROR_FILE_NOT_FOUND || dwError == ERROR_PATH_NOT_FOUND ? stampMissing
                                                                                      : stampUnreadable;
        return;
    }
    m_nState = stampRead;
    BYTE buffer[4096];
    DWORD dwRead = 0;
    for (;;)
    {
        if (!::ReadFile(hFile, buffer, sizeof(buffer), &dwRead, NULL))
        {
            m_nState = stampUnreadable;
            m_bytes.clear();
            break;
        }
        if (dwRead == 0)
            break;
        m_bytes.insert(m_bytes.end(), buffer, buffer + dwRead);
    }
    ::CloseHandle(hFile);
}

BOOL SaveZoneFile(LPCTSTR lpszPath, const CObArray& zones, CException** ppError, CZoneFileStamp* pWritten)
{
    *ppError = NULL;
    // The new file lives in the same folder so that the replacement is a rename, not a copy.
    TCHAR szTemp[MAX_PATH];
    if (!::GetTempFileName(FolderOf(lpszPath), _T("vtz"), 0, szTemp))
    {
        *ppError = OsError(lpszPath, ::GetLastError());
        return FALSE;
    }
    if (!CTimeZoneInfo::WriteZoneFile(szTemp, zones, ppError))
    {
        ::DeleteFile(szTemp);
        return FALSE;
    }
    // Taken from the new file while it is still this program's alone.
    CZoneFileStamp written;
    if (pWritten != NULL)
        written.Take(szTemp);
    if (!::MoveFileEx(szTemp, lpszPath, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    {
        DWORD dwError = ::GetLastError();
        ::DeleteFile(szTemp);
        *ppError = OsError(lpszPath, dwError);
        return FALSE;
    }
    if (pWritten != NULL)
        *pWritten = written;
    return TRUE;
}
