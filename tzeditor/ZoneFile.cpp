#include "ZoneFile.h"

#include "TimeZoneInfo.h"

ZoneFileLoad LoadZoneFile(LPCTSTR lpszPath, CObArray& zones, CException** ppError)
{
    *ppError = NULL;
    CFileStatus status;
    if (!CFile::GetStatus(lpszPath, status))
        return zoneFileMissing;
    return CTimeZoneInfo::ReadZoneFile(lpszPath, zones, ppError) ? zoneFileLoaded : zoneFileFailed;
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
