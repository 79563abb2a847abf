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

BOOL SaveZoneFile(LPCTSTR lpszPath, const CObArray& zones, CException** ppError)
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
    if (!::MoveFileEx(szTemp, lpszPath, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    {
        DWORD dwError = ::GetLastError();
        ::DeleteFile(szTemp);
        *ppError = OsError(lpszPath, dwError);
        return FALSE;
    }
    return TRUE;
}
