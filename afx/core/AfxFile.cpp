// CFile over Win32 handles, CMemFile and CSharedFile over memory, CStdioFile over a C stream.
#include "afx.h"

#include <errno.h>
#include <fcntl.h>
#include <io.h>
#include <limits.h>

static inline HANDLE ToHandle(UINT_PTR hFile)
{
    return (HANDLE)hFile;
}

// Times of 0 (no value, or before 1601) stay 0 rather than becoming a bogus date.
static CTime TimeFromFileTime(const FILETIME& ft)
{
    if (ft.dwLowDateTime == 0 && ft.dwHighDateTime == 0)
        return CTime(0);
    return CTime(ft);
}

static BOOL FileTimeFromTime(CTime time, FILETIME& ft)
{
    SYSTEMTIME st;
    FILETIME ftLocal;
    if (!time.GetAsSystemTime(st) || !SystemTimeToFileTime(&st, &ftLocal))
        return FALSE;
    return LocalFileTimeToFileTime(&ftLocal, &ft);
}

// Splits the name part off a path ("c:\dir\name.ext" gives "name.ext").
static CString NamePart(const CString& strPath)
{
    LPCTSTR psz = strPath;
    LPCTSTR pszName = psz;
    for (LPCTSTR p = psz; *p != '\0'; p = (LPCTSTR)_mbsinc((const unsigned char*)p))
        if (*p == '\\' || *p == '/' || *p == ':')
            pszName = p + 1;
    return CString(pszName);
}

// CFile

IMPLEMENT_DYNAMIC(CFile, CObject)

CFile::CFile() : m_hFile((UINT_PTR)hFileNull), m_bCloseOnDelete(FALSE) {}

CFile::CFile(INT_PTR hFile) : m_hFile((UINT_PTR)hFile), m_bCloseOnDelete(FALSE) {}

CFile::CFile(LPCTSTR lpszFileName, UINT nOpenFlags) : m_hFile((UINT_PTR)hFileNull), m_bCloseOnDelete(FALSE)
{
    CFileException e;
    if (!Open(lpszFileName, nOpenFlags, &e))
        AfxThrowFileException(e.m_cause, e.m_lOsError, e.m_strFileName);
}

CFile::~CFile()
{
    // Close() may throw and is virtual; a destructor can do neither safely.
    if (m_hFile != (UINT_PTR)hFileNull && m_bCloseOnDelete)
        ::CloseHandle(ToHandle(m_hFile));
    m_hFile = (UINT_PTR)hFileNull;
}

BOOL CFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pException)
{
    nOpenFlags &= ~(UINT)typeBinary;
    m_bCloseOnDelete = FALSE;
    m_hFile = (UINT_PTR)hFileNull;
    m_strFileName.Empty();

    if (lpszFileName == NULL || *lpszFileName == '\0')
    {
        if (pException != NULL)
        {
            pException->m_lOsError = ERROR_INVALID_NAME;
            pException->m_cause = CFileException::badPath;
            pException->m_strFileName = lpszFileName;
        }
        return FALSE;
    }

    TCHAR szFullPath[_MAX_PATH];
    LPTSTR pszFilePart = NULL;
    DWORD nFull = ::GetFullPathNameA(lpszFileName, _MAX_PATH, szFullPath, &pszFilePart);
    m_strFileName = (nFull > 0 && nFull < _MAX_PATH) ? szFullPath : lpszFileName;

    DWORD dwAccess = 0;
    switch (nOpenFlags & 3)
    {
    case modeRead:
        dwAccess = GENERIC_READ;
        break;
    case modeWrite:
        dwAccess = GENERIC_WRITE;
        break;
    default:
        dwAccess = GENERIC_READ | GENERIC_WRITE;
        break;
    }

    DWORD dwShareMode = 0;
    switch (nOpenFlags & 0x70)
    {
    case shareDenyWrite:
        dwShareMode = FILE_SHARE_READ;
        break;
    case shareDenyRead:
        dwShareMode = FILE_SHARE_WRITE;
        break;
    case shareDenyNone:
        dwShareMode = FILE_SHARE_READ | FILE_SHARE_WRITE;
        break;
    default: // shareCompat, shareExclusive
        dwShareMode = 0;
        break;
    }

    SECURITY_ATTRIBUTES sa;
    sa.nLength = sizeof(sa);
    sa.lpSecurityDescriptor = NULL;
    sa.bInheritHandle = (nOpenFlags & modeNoInherit) == 0;

    DWORD dwCreateFlag;
    if (nOpenFlags & modeCreate)
        dwCreateFlag = (nOpenFlags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
    else
        dwCreateFlag = OPEN_EXISTING;

    HANDLE hFile =
        ::CreateFileA(lpszFileName, dwAccess, dwShareMode, &sa, dwCreateFlag, FILE_ATTRIBUTE_NORMAL, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
    {
        if (pException != NULL)
        {
            pException->m_lOsError = (LONG)::GetLastError();
            pException->m_cause = CFileException::OsErrorToException(pException->m_lOsError);
            pException->m_strFileName = lpszFileName;
        }
        m_strFileName.Empty();
        return FALSE;
    }
    m_hFile = (UINT_PTR)hFile;
    m_bCloseOnDelete = TRUE;
    return TRUE;
}

UINT CFile::Read(void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return 0;
    DWORD dwRead = 0;
    if (!::ReadFile(ToHandle(m_hFile), lpBuf, nCount, &dwRead, NULL))
        CFileException::ThrowOsError((LONG)::GetLastError(), m_strFileName);
    return (UINT)dwRead;
}

void CFile::Write(const void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return;
    DWORD nWritten = 0;
    if (!::WriteFile(ToHandle(m_hFile), lpBuf, nCount, &nWritten, NULL))
        CFileException::ThrowOsError((LONG)::GetLastError(), m_strFileName);
    // A short write without an error means the volume is full.
    if (nWritten != nCount)
        AfxThrowFileException(CFileException::diskFull, -1, m_strFileName);
}

LONG CFile::Seek(LONG lOff, UINT nFrom)
{
    if (nFrom > (UINT)end)
        AfxThrowFileException(CFileException::badSeek, -1, m_strFileName);
    ::SetLastError(NO_ERROR);
    DWORD dwNew = ::SetFilePointer(ToHandle(m_hFile), lOff, NULL, (DWORD)nFrom);
    if (dwNew == INVALID_SET_FILE_POINTER && ::GetLastError() != NO_ERROR)
        CFileException::ThrowOsError((LONG)::GetLastError(), m_strFileName);
    return (LONG)dwNew;
}

DWORD CFile::GetPosition() const
{
    ::SetLastError(NO_ERROR);
    DWORD dwPos = ::SetFilePointer(ToHandle(m_hFile), 0, NULL, FILE_CURRENT);
    if (dwPos == INVALID_SET_FILE_POINTER && ::GetLastError() != NO_ERROR)
        CFileException::ThrowOsError((LONG)::GetLastError(), m_strFileName);
    return dwPos;
}

DWORD CFile::SeekToEnd()
{
    return (DWORD)Seek(0, CFile::end);
}

void CFile::SeekToBegin()
{
    Seek(0, CFile::begin);
}

DWORD CFile::ReadHuge(void* lpBuffer, DWORD dwCount)
{
    return Read(lpBuffer, (UINT)dwCount);
}

void CFile::WriteHuge(const void* lpBuffer, DWORD dwCount)
{
    Write(lpBuffer, (UINT)dwCount);
}

void CFile::Flush()
{
    if (m_hFile == (UINT_PTR)hFileNull)
        return;
    if (!::FlushFileBuffers(ToHandle(m_hFile)))
        CFileException::ThrowOsError((LONG)::GetLastError(), m_strFileName);
}

void CFile::Close()
{
    BOOL bError = FALSE;
    if (m_hFile != (UINT_PTR)hFileNull)
        bError = !::CloseHandle(ToHandle(m_hFile));
    m_hFile = (UINT_PTR)hFileNull;
    m_bCloseOnDelete = FALSE;
    CString strFileName = m_strFileName;
    m_strFileName.Empty();
    if (bError)
        CFileException::ThrowOsError((LONG)::GetLastError(), strFileName);
}

void CFile::Abort()
{
    if (m_hFile != (UINT_PTR)hFileNull)
        ::CloseHandle(ToHandle(m_hFile));
    m_hFile = (UINT_PTR)hFileNull;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
}

CFile* CFile::Duplicate() const
{
    if (m_hFile == (UINT_PTR)hFileNull)
        return NULL;
    HANDLE hFile;
    if (!::DuplicateHandle(::GetCurrentProcess(), ToHandle(m_hFile), ::GetCurrentProcess(), &hFile, 0, FALSE,
                           DUPLICATE_SAME_ACCESS))
        CFileException::ThrowOsError((LONG)::GetLastError(), m_strFileName);
    CFile* pFile = new CFile((INT_PTR)hFile);
    pFile->m_bCloseOnDelete = m_bCloseOnDelete;
    pFile->m_strFileName = m_strFileName;
    return pFile;
}

void CFile::LockRange(DWORD dwPos, DWORD dwCount)
{
    if (!::LockFile(ToHandle(m_hFile), dwPos, 0, dwCount, 0))
        CFileException::ThrowOsError((LONG)::GetLastError(), m_strFileName);
}

void CFile::UnlockRange(DWORD dwPos, DWORD dwCount)
{
    if (!::UnlockFile(ToHandle(m_hFile), dwPos, 0, dwCount, 0))
        CFileException::ThrowOsError((LONG)::GetLastError(), m_strFileName);
}

void CFile::SetLength(DWORD dwNewLen)
{
    Seek((LONG)dwNewLen, (UINT)CFile::begin);
    if (!::SetEndOfFile(ToHandle(m_hFile)))
        CFileException::ThrowOsError((LONG)::GetLastError(), m_strFileName);
}

DWORD CFile::GetLength() const
{
    ::SetLastError(NO_ERROR);
    DWORD dwLen = ::GetFileSize(ToHandle(m_hFile), NULL);
    if (dwLen == INVALID_FILE_SIZE && ::GetLastError() != NO_ERROR)
        CFileException::ThrowOsError((LONG)::GetLastError(), m_strFileName);
    return dwLen;
}

UINT CFile::GetBufferPtr(UINT nCommand, UINT, void**, void**)
{
    return 0; // no direct buffering: archives read and write through Read/Write
}

CString CFile::GetFileName() const
{
    return NamePart(m_strFileName);
}

CString CFile::GetFileTitle() const
{
    CString strName = NamePart(m_strFileName);
    int nDot = strName.ReverseFind('.');
    if (nDot > 0)
        strName = strName.Left(nDot);
    return strName;
}

CString CFile::GetFilePath() const
{
    return m_strFileName;
}

void CFile::SetFilePath(LPCTSTR lpszNewName)
{
    m_strFileName = lpszNewName;
}

BOOL CFile::GetStatus(CFileStatus& rStatus) const
{
    rStatus = CFileStatus();
    lstrcpynA(rStatus.m_szFullName, m_strFileName, _MAX_PATH);
    if (m_hFile == (UINT_PTR)hFileNull)
        return FALSE;

    FILETIME ftCreate, ftAccess, ftModify;
    if (!::GetFileTime(ToHandle(m_hFile), &ftCreate, &ftAccess, &ftModify))
        return FALSE;
    DWORD dwSize = ::GetFileSize(ToHandle(m_hFile), NULL);
    if (dwSize == INVALID_FILE_SIZE && ::GetLastError() != NO_ERROR)
        return FALSE;
    rStatus.m_size = (LONG)dwSize;
    DWORD dwAttribute =
        m_strFileName.IsEmpty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesA(m_strFileName);
    rStatus.m_attribute = dwAttribute == INVALID_FILE_ATTRIBUTES ? 0 : (BYTE)dwAttribute;
    rStatus.m_ctime = TimeFromFileTime(ftCreate);
    rStatus.m_atime = TimeFromFileTime(ftAccess);
    rStatus.m_mtime = TimeFromFileTime(ftModify);
    if (rStatus.m_ctime.GetTime() == 0)
        rStatus.m_ctime = rStatus.m_mtime;
    if (rStatus.m_atime.GetTime() == 0)
        rStatus.m_atime = rStatus.m_mtime;
    return TRUE;
}

BOOL PASCAL CFile::GetStatus(LPCTSTR lpszFileName, CFileStatus& rStatus)
{
    rStatus = CFileStatus();
    if (lpszFileName == NULL || *lpszFileName == '\0')
        return FALSE;
    // A name with wildcards would report on whichever file happens to match.
    if (strpbrk(lpszFileName, "*?") != NULL)
        return FALSE;
    LPTSTR pszFilePart = NULL;
    DWORD nFull = ::GetFullPathNameA(lpszFileName, _MAX_PATH, rStatus.m_szFullName, &pszFilePart);
    if (nFull == 0 || nFull >= _MAX_PATH)
    {
        rStatus.m_szFullName[0] = '\0';
        return FALSE;
    }

    WIN32_FIND_DATAA findFileData;
    HANDLE hFind = ::FindFirstFileA(lpszFileName, &findFileData);
    if (hFind == INVALID_HANDLE_VALUE)
        return FALSE;
    ::FindClose(hFind);

    rStatus.m_attribute = (BYTE)(findFileData.dwFileAttributes & ~FILE_ATTRIBUTE_NORMAL);
    rStatus.m_size = (LONG)findFileData.nFileSizeLow;
    rStatus.m_mtime = TimeFromFileTime(findFileData.ftLastWriteTime);
    rStatus.m_ctime = TimeFromFileTime(findFileData.ftCreationTime);
    rStatus.m_atime = TimeFromFileTime(findFileData.ftLastAccessTime);
    if (rStatus.m_ctime.GetTime() == 0)
        rStatus.m_ctime = rStatus.m_mtime;
    if (rStatus.m_atime.GetTime() == 0)
        rStatus.m_atime = rStatus.m_mtime;
    return TRUE;
}

void PASCAL CFile::SetStatus(LPCTSTR lpszFileName, const CFileStatus& status)
{
    DWORD dwAttr = ::GetFileAttributesA(lpszFileName);
    if (dwAttr == INVALID_FILE_ATTRIBUTES)
        CFileException::ThrowOsError((LONG)::GetLastError(), lpszFileName);

    // A read-only file cannot have its times changed: set the times before the attributes.
    if ((DWORD)status.m_attribute != dwAttr && (dwAttr & readOnly))
    {
        if (!::SetFileAttributesA(lpszFileName, (DWORD)status.m_attribute))
            CFileException::ThrowOsError((LONG)::GetLastError(), lpszFileName);
    }

    if (status.m_mtime.GetTime() != 0)
    {
        FILETIME ftModify, ftAccess, ftCreate;
        FILETIME* pftAccess = NULL;
        FILETIME* pftCreate = NULL;
        if (!FileTimeFromTime(status.m_mtime, ftModify))
            AfxThrowFileException(CFileException::generic, -1, lpszFileName);
        if (status.m_atime.GetTime() != 0 && FileTimeFromTime(status.m_atime, ftAccess))
            pftAccess = &ftAccess;
        if (status.m_ctime.GetTime() != 0 && FileTimeFromTime(status.m_ctime, ftCreate))
            pftCreate = &ftCreate;

        HANDLE hFile = ::CreateFileA(lpszFileName, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, NULL,
                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
        if (hFile == INVALID_HANDLE_VALUE)
            CFileException::ThrowOsError((LONG)::GetLastError(), lpszFileName);
        BOOL bOK = ::SetFileTime(hFile, pftCreate, pftAccess, &ftModify);
        LONG lError = bOK ? 0 : (LONG)::GetLastError();
        ::CloseHandle(hFile);
        if (!bOK)
            CFileException::ThrowOsError(lError, lpszFileName);
    }

    if ((DWORD)status.m_attribute != dwAttr && !(dwAttr & readOnly))
    {
        if (!::SetFileAttributesA(lpszFileName, (DWORD)status.m_attribute))
            CFileException::ThrowOsError((LONG)::GetLastError(), lpszFileName);
    }
}

void PASCAL CFile::Rename(LPCTSTR lpszOldName, LPCTSTR lpszNewName)
{
    if (!::MoveFileA(lpszOldName, lpszNewName))
        CFileException::ThrowOsError((LONG)::GetLastError(), lpszOldName);
}

void PASCAL CFile::Remove(LPCTSTR lpszFileName)
{
    if (!::DeleteFileA(lpszFileName))
        CFileException::ThrowOsError((LONG)::GetLastError(), lpszFileName);
}

// CMemFile

IMPLEMENT_DYNAMIC(CMemFile, CFile)

CMemFile::CMemFile(UINT nGrowBytes)
    : m_nGrowBytes(nGrowBytes), m_nPosition(0), m_nBufferSize(0), m_nFileSize(0), m_lpBuffer(NULL),
      m_bAutoDelete(TRUE)
{
}

CMemFile::CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes)
    : m_nGrowBytes(0), m_nPosition(0), m_nBufferSize(0), m_nFileSize(0), m_lpBuffer(NULL), m_bAutoDelete(TRUE)
{
    Attach(lpBuffer, nBufferSize, nGrowBytes);
}

CMemFile::~CMemFile()
{
    if (m_lpBuffer != NULL && m_bAutoDelete)
        CMemFile::Free(m_lpBuffer);
    m_lpBuffer = NULL;
}

// A caller's block is used in place: with no grow size it holds a file of its full size that
// cannot grow; with a grow size it starts empty and is reallocated as it grows (so it must come
// from malloc).
void CMemFile::Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes)
{
    m_nGrowBytes = nGrowBytes;
    m_nPosition = 0;
    m_nBufferSize = lpBuffer != NULL ? nBufferSize : 0;
    m_nFileSize = nGrowBytes == 0 ? m_nBufferSize : 0;
    m_lpBuffer = lpBuffer;
    m_bAutoDelete = FALSE;
}

BYTE* CMemFile::Detach()
{
    BYTE* lpBuffer = m_lpBuffer;
    m_lpBuffer = NULL;
    m_nFileSize = 0;
    m_nBufferSize = 0;
    m_nPosition = 0;
    return lpBuffer;
}

BYTE* CMemFile::Alloc(DWORD nBytes)
{
    return (BYTE*)malloc(nBytes);
}

BYTE* CMemFile::Realloc(BYTE* lpMem, DWORD nBytes)
{
    return (BYTE*)realloc(lpMem, nBytes);
}

BYTE* CMemFile::Memcpy(BYTE* lpMemTarget, const BYTE* lpMemSource, UINT nBytes)
{
    return (BYTE*)memcpy(lpMemTarget, lpMemSource, nBytes);
}

void CMemFile::Free(BYTE* lpMem)
{
    free(lpMem);
}

void CMemFile::GrowFile(DWORD dwNewLen)
{
    if (dwNewLen <= m_nBufferSize)
        return;
    if (m_nGrowBytes == 0)
        AfxThrowMemoryException();
    ULONGLONG nNewBufferSize = ((ULONGLONG)dwNewLen + m_nGrowBytes - 1) / m_nGrowBytes * m_nGrowBytes;
    if (nNewBufferSize > 0x7FFFFFFF)
        AfxThrowMemoryException();
    BYTE* lpNew =
        m_lpBuffer == NULL ? Alloc((DWORD)nNewBufferSize) : Realloc(m_lpBuffer, (DWORD)nNewBufferSize);
    if (lpNew == NULL)
        AfxThrowMemoryException();
    m_lpBuffer = lpNew;
    m_nBufferSize = (DWORD)nNewBufferSize;
}

DWORD CMemFile::GetPosition() const
{
    return m_nPosition;
}

BOOL CMemFile::GetStatus(CFileStatus& rStatus) const
{
    rStatus = CFileStatus();
    rStatus.m_size = (LONG)m_nFileSize;
    return TRUE;
}

LONG CMemFile::Seek(LONG lOff, UINT nFrom)
{
    LONGLONG lNewPos;
    switch (nFrom)
    {
    case begin:
        lNewPos = lOff;
        break;
    case current:
        lNewPos = (LONGLONG)m_nPosition + lOff;
        break;
    case end:
        lNewPos = (LONGLONG)m_nFileSize + lOff;
        break;
    default:
        lNewPos = -1;
        break;
    }
    if (lNewPos < 0 || lNewPos > LONG_MAX)
        AfxThrowFileException(CFileException::badSeek, -1, m_strFileName);
    m_nPosition = (DWORD)lNewPos;
    return (LONG)m_nPosition;
}

// Bytes between the old end and a new, larger end read as zeros.
void CMemFile::SetLength(DWORD dwNewLen)
{
    if (dwNewLen > m_nBufferSize)
        GrowFile(dwNewLen);
    if (dwNewLen > m_nFileSize)
        memset(m_lpBuffer + m_nFileSize, 0, dwNewLen - m_nFileSize);
    if (dwNewLen < m_nPosition)
        m_nPosition = dwNewLen;
    m_nFileSize = dwNewLen;
}

DWORD CMemFile::GetLength() const
{
    return m_nFileSize;
}

UINT CMemFile::Read(void* lpBuf, UINT nCount)
{
    if (nCount == 0 || m_nPosition >= m_nFileSize)
        return 0;
    UINT nRead = (m_nFileSize - m_nPosition < nCount) ? (UINT)(m_nFileSize - m_nPosition) : nCount;
    Memcpy((BYTE*)lpBuf, m_lpBuffer + m_nPosition, nRead);
    m_nPosition += nRead;
    return nRead;
}

void CMemFile::Write(const void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return;
    if ((ULONGLONG)m_nPosition + nCount > 0x7FFFFFFF)
        AfxThrowFileException(CFileException::diskFull, -1, m_strFileName);
    DWORD dwEnd = m_nPosition + nCount;
    if (dwEnd > m_nBufferSize)
        GrowFile(dwEnd);
    // Writing after a seek past the end leaves a gap; it reads as zeros, not stale memory.
    if (m_nPosition > m_nFileSize)
        memset(m_lpBuffer + m_nFileSize, 0, m_nPosition - m_nFileSize);
    Memcpy(m_lpBuffer + m_nPosition, (const BYTE*)lpBuf, nCount);
    m_nPosition = dwEnd;
    if (m_nPosition > m_nFileSize)
        m_nFileSize = m_nPosition;
}

void CMemFile::Abort()
{
    Close();
}

void CMemFile::Flush() {}

void CMemFile::Close()
{
    m_nPosition = 0;
    m_nBufferSize = 0;
    m_nFileSize = 0;
    if (m_lpBuffer != NULL && m_bAutoDelete)
        Free(m_lpBuffer);
    m_lpBuffer = NULL;
}

UINT CMemFile::GetBufferPtr(UINT nCommand, UINT nCount, void** ppBufStart, void** ppBufMax)
{
    if (nCommand == bufferCheck)
        return 1; // direct buffer access is supported
    if (nCommand == bufferCommit)
    {
        // The caller wrote nCount bytes into the block handed out by bufferWrite.
        ULONGLONG nEnd = (ULONGLONG)m_nPosition + nCount;
        if (nEnd > m_nBufferSize)
            nEnd = m_nBufferSize;
        m_nPosition = (DWORD)nEnd;
        if (m_nPosition > m_nFileSize)
            m_nFileSize = m_nPosition;
        return 0;
    }
    if (ppBufStart == NULL || ppBufMax == NULL)
        return 0;
    if (nCommand == bufferWrite)
    {
        if ((ULONGLONG)m_nPosition + nCount > m_nBufferSize)
            GrowFile(m_nPosition + nCount);
        DWORD nAvail = m_nPosition < m_nBufferSize ? m_nBufferSize - m_nPosition : 0;
        if (nCount > nAvail)
            nCount = nAvail;
        *ppBufStart = m_lpBuffer + m_nPosition;
        *ppBufMax = m_lpBuffer + m_nPosition + nCount;
        return nCount;
    }
    // bufferRead: hands out up to nCount bytes of the file and moves past them.
    DWORD nAvail = m_nPosition < m_nFileSize ? m_nFileSize - m_nPosition : 0;
    if (nCount > nAvail)
        nCount = nAvail;
    *ppBufStart = m_lpBuffer + (m_nPosition < m_nFileSize ? m_nPosition : m_nFileSize);
    *ppBufMax = (BYTE*)*ppBufStart + nCount;
    m_nPosition += nCount;
    return nCount;
}

CFile* CMemFile::Duplicate() const
{
    AfxThrowNotSupportedException();
}

void CMemFile::LockRange(DWORD, DWORD)
{
    AfxThrowNotSupportedException();
}

void CMemFile::UnlockRange(DWORD, DWORD)
{
    AfxThrowNotSupportedException();
}

// CSharedFile

IMPLEMENT_DYNAMIC(CSharedFile, CMemFile)

CSharedFile::CSharedFile(UINT nAllocFlags, UINT nGrowBytes)
    : CMemFile(nGrowBytes), m_nAllocFlags(nAllocFlags), m_hGlobalMemory(NULL), m_bAllowGrow(TRUE)
{
}

CSharedFile::~CSharedFile()
{
    // The block must be released here, while Free is still this class's.
    if (m_lpBuffer != NULL && m_bAutoDelete)
        Free(m_lpBuffer);
    m_lpBuffer = NULL;
}

HGLOBAL CSharedFile::Detach()
{
    HGLOBAL hMem = m_hGlobalMemory;
    if (hMem != NULL)
        ::GlobalUnlock(hMem);
    m_hGlobalMemory = NULL;
    m_lpBuffer = NULL;
    m_nFileSize = 0;
    m_nBufferSize = 0;
    m_nPosition = 0;
    return hMem;
}

void CSharedFile::SetHandle(HGLOBAL hGlobalMemory, BOOL bAllowGrow)
{
    if (m_lpBuffer != NULL && m_bAutoDelete)
        Free(m_lpBuffer);
    m_hGlobalMemory = hGlobalMemory;
    m_lpBuffer = hGlobalMemory != NULL ? (BYTE*)::GlobalLock(hGlobalMemory) : NULL;
    m_nBufferSize = m_lpBuffer != NULL ? (DWORD)::GlobalSize(hGlobalMemory) : 0;
    m_nFileSize = m_nBufferSize;
    m_nPosition = 0;
    m_bAllowGrow = bAllowGrow;
    m_bAutoDelete = TRUE;
}

BYTE* CSharedFile::Alloc(DWORD nBytes)
{
    HGLOBAL hMem = ::GlobalAlloc(m_nAllocFlags, nBytes);
    if (hMem == NULL)
        return NULL;
    m_hGlobalMemory = hMem;
    return (BYTE*)::GlobalLock(hMem);
}

BYTE* CSharedFile::Realloc(BYTE*, DWORD nBytes)
{
    if (!m_bAllowGrow || m_hGlobalMemory == NULL)
        return NULL;
    ::GlobalUnlock(m_hGlobalMemory);
    HGLOBAL hNew = ::GlobalReAlloc(m_hGlobalMemory, nBytes, m_nAllocFlags | GMEM_MOVEABLE);
    if (hNew == NULL)
    {
        // The old block is untouched; keep using it.
        m_lpBuffer = (BYTE*)::GlobalLock(m_hGlobalMemory);
        return NULL;
    }
    m_hGlobalMemory = hNew;
    return (BYTE*)::GlobalLock(hNew);
}

void CSharedFile::Free(BYTE*)
{
    if (m_hGlobalMemory != NULL)
    {
        ::GlobalUnlock(m_hGlobalMemory);
        ::GlobalFree(m_hGlobalMemory);
    }
    m_hGlobalMemory = NULL;
}

// CStdioFile

IMPLEMENT_DYNAMIC(CStdioFile, CFile)

CStdioFile::CStdioFile() : m_pStream(NULL) {}

CStdioFile::CStdioFile(FILE* pOpenStream) : m_pStream(pOpenStream)
{
    if (pOpenStream != NULL)
        m_hFile = (UINT_PTR)_get_osfhandle(_fileno(pOpenStream));
}

CStdioFile::CStdioFile(LPCTSTR lpszFileName, UINT nOpenFlags) : m_pStream(NULL)
{
    CFileException e;
    if (!Open(lpszFileName, nOpenFlags, &e))
        AfxThrowFileException(e.m_cause, e.m_lOsError, e.m_strFileName);
}

CStdioFile::~CStdioFile()
{
    if (m_pStream != NULL && m_bCloseOnDelete)
        fclose(m_pStream); // also closes the handle under it
    m_pStream = NULL;
    m_hFile = (UINT_PTR)hFileNull;
}

BOOL CStdioFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pException)
{
    m_pStream = NULL;
    if (!CFile::Open(lpszFileName, nOpenFlags & ~(UINT)typeText, pException))
        return FALSE;

    // The C stream's mode follows from the open flags: a created file is written from its start
    // ("w") or appended to ("a"), an existing file opened for writing is appended to.
    char szMode[4];
    int nMode = 0;
    if (nOpenFlags & modeCreate)
        szMode[nMode++] = (nOpenFlags & modeNoTruncate) ? 'a' : 'w';
    else if (nOpenFlags & modeWrite)
        szMode[nMode++] = 'a';
    else
        szMode[nMode++] = 'r';
    if ((szMode[0] == 'r' && (nOpenFlags & modeReadWrite)) || (szMode[0] != 'r' && !(nOpenFlags & modeWrite)))
        szMode[nMode++] = '+';

    int nFlags = _O_RDONLY | _O_TEXT;
    if (nOpenFlags & (modeWrite | modeReadWrite))
        nFlags ^= _O_RDONLY;
    if (nOpenFlags & typeBinary)
    {
        szMode[nMode++] = 'b';
        nFlags ^= _O_TEXT;
        nFlags |= _O_BINARY;
    }
    else
        szMode[nMode++] = 't';
    szMode[nMode++] = '\0';

    int nHandle = _open_osfhandle((intptr_t)m_hFile, nFlags);
    if (nHandle != -1)
    {
        m_pStream = _fdopen(nHandle, szMode);
        if (m_pStream == NULL)
        {
            _close(nHandle); // closes the OS handle too
            m_hFile = (UINT_PTR)hFileNull;
        }
    }
    if (m_pStream == NULL)
    {
        if (pException != NULL)
        {
            pException->m_lOsError = _doserrno;
            pException->m_cause = CFileException::OsErrorToException(_doserrno);
            pException->m_strFileName = lpszFileName;
        }
        CFile::Abort();
        return FALSE;
    }
    return TRUE;
}

UINT CStdioFile::Read(void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return 0;
    UINT nRead = (UINT)fread(lpBuf, 1, nCount, m_pStream);
    if (nRead == 0 && !feof(m_pStream))
    {
        clearerr(m_pStream);
        CFileException::ThrowErrno(errno != 0 ? errno : EIO, m_strFileName);
    }
    if (ferror(m_pStream))
    {
        clearerr(m_pStream);
        CFileException::ThrowErrno(errno != 0 ? errno : EIO, m_strFileName);
    }
    return nRead;
}

void CStdioFile::Write(const void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return;
    if (fwrite(lpBuf, 1, nCount, m_pStream) != nCount)
    {
        clearerr(m_pStream);
        CFileException::ThrowErrno(errno != 0 ? errno : ENOSPC, m_strFileName);
    }
}

void CStdioFile::WriteString(LPCTSTR lpsz)
{
    if (lpsz == NULL)
        AfxThrowFileException(CFileException::generic, -1, m_strFileName);
    if (fputs(lpsz, m_pStream) == EOF)
    {
        clearerr(m_pStream);
        CFileException::ThrowErrno(errno != 0 ? errno : ENOSPC, m_strFileName);
    }
}

LPTSTR CStdioFile::ReadString(LPTSTR lpsz, UINT nMax)
{
    if (lpsz == NULL || nMax == 0)
        return NULL;
    if (nMax > INT_MAX)
        nMax = INT_MAX;
    LPTSTR lpszResult = fgets(lpsz, (int)nMax, m_pStream);
    if (lpszResult == NULL)
    {
        lpsz[0] = '\0';
        if (!feof(m_pStream))
        {
            clearerr(m_pStream);
            CFileException::ThrowErrno(errno != 0 ? errno : EIO, m_strFileName);
        }
    }
    return lpszResult;
}

BOOL CStdioFile::ReadString(CString& rString)
{
    rString.Empty();
    const int nChunk = 128;
    TCHAR szBuf[nChunk + 1];
    BOOL bReadAny = FALSE;
    for (;;)
    {
        if (fgets(szBuf, nChunk + 1, m_pStream) == NULL)
        {
            if (!feof(m_pStream))
            {
                clearerr(m_pStream);
                CFileException::ThrowErrno(errno != 0 ? errno : EIO, m_strFileName);
            }
            break;
        }
        bReadAny = TRUE;
        int nLen = (int)strlen(szBuf);
        if (nLen > 0 && szBuf[nLen - 1] == '\n')
        {
            rString += CString(szBuf, nLen - 1);
            break;
        }
        rString += CString(szBuf, nLen);
    }
    return bReadAny;
}

LONG CStdioFile::Seek(LONG lOff, UINT nFrom)
{
    int nOrigin = nFrom == begin ? SEEK_SET : nFrom == end ? SEEK_END : nFrom == current ? SEEK_CUR : -1;
    if (nOrigin < 0 || fseek(m_pStream, lOff, nOrigin) != 0)
        AfxThrowFileException(CFileException::badSeek, _doserrno, m_strFileName);
    return ftell(m_pStream);
}

DWORD CStdioFile::GetPosition() const
{
    long lPos = ftell(m_pStream);
    if (lPos == -1L)
        AfxThrowFileException(CFileException::invalidFile, _doserrno, m_strFileName);
    return (DWORD)lPos;
}

DWORD CStdioFile::GetLength() const
{
    long lCurrent = ftell(m_pStream);
    if (lCurrent == -1L || fseek(m_pStream, 0, SEEK_END) != 0)
        AfxThrowFileException(CFileException::invalidFile, _doserrno, m_strFileName);
    long lLength = ftell(m_pStream);
    fseek(m_pStream, lCurrent, SEEK_SET);
    if (lLength == -1L)
        AfxThrowFileException(CFileException::invalidFile, _doserrno, m_strFileName);
    return (DWORD)lLength;
}

void CStdioFile::Flush()
{
    if (m_pStream != NULL && fflush(m_pStream) != 0)
        CFileException::ThrowErrno(errno != 0 ? errno : EIO, m_strFileName);
}

void CStdioFile::Close()
{
    int nErr = 0;
    if (m_pStream != NULL)
        nErr = fclose(m_pStream);
    m_hFile = (UINT_PTR)hFileNull;
    m_bCloseOnDelete = FALSE;
    m_pStream = NULL;
    CString strFileName = m_strFileName;
    m_strFileName.Empty();
    if (nErr != 0)
        CFileException::ThrowErrno(errno != 0 ? errno : EIO, strFileName);
}

void CStdioFile::Abort()
{
    if (m_pStream != NULL && m_bCloseOnDelete)
        fclose(m_pStream);
    m_hFile = (UINT_PTR)hFileNull;
    m_pStream = NULL;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
}

CFile* CStdioFile::Duplicate() const
{
    AfxThrowNotSupportedException();
}

void CStdioFile::LockRange(DWORD, DWORD)
{
    AfxThrowNotSupportedException();
}

void CStdioFile::UnlockRange(DWORD, DWORD)
{
    AfxThrowNotSupportedException();
}
