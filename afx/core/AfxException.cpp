// Exception classes, their texts, and the OS-error mapping for files.
#include "afx.h"

#include <errno.h>
#include <new>

// The address handed out by the most recent CException::operator new on this thread; the
// constructor that runs next on that address knows it lives on the heap.
static thread_local void* t_pLastNew = NULL;

static const UINT kHelpFileNone = 0xF120;
static const UINT kHelpArchiveNone = 0xF140;

static BOOL CopyMessage(LPTSTR lpszError, UINT nMaxError, LPCTSTR lpszText)
{
    if (lpszError == NULL || nMaxError == 0)
        return FALSE;
    lstrcpynA(lpszError, lpszText, (int)nMaxError);
    return TRUE;
}

// CException

IMPLEMENT_DYNAMIC(CException, CObject)

void* PASCAL CException::operator new(size_t nSize)
{
    void* p = ::operator new(nSize);
    t_pLastNew = p;
    return p;
}

void PASCAL CException::operator delete(void* p)
{
    ::operator delete(p);
}

CException::CException() : m_bAutoDelete(TRUE), m_bOnHeap(t_pLastNew == this)
{
    t_pLastNew = NULL;
}

CException::CException(BOOL bAutoDelete) : m_bAutoDelete(bAutoDelete), m_bOnHeap(t_pLastNew == this)
{
    t_pLastNew = NULL;
}

CException::~CException() {}

void CException::Delete()
{
    if (m_bAutoDelete > 0 && m_bOnHeap)
        delete this;
}

BOOL CException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext != NULL)
        *pnHelpContext = 0;
    if (lpszError != NULL && nMaxError > 0)
        *lpszError = '\0';
    return FALSE;
}

int CException::ReportError(UINT nType, UINT nMessageID)
{
    TCHAR szErrorMessage[512];
    UINT nHelpContext = 0;
    if (GetErrorMessage(szErrorMessage, sizeof(szErrorMessage), &nHelpContext))
        return AfxMessageBox(szErrorMessage, nType, nHelpContext);
    if (nMessageID != 0)
        return AfxMessageBox(nMessageID, nType, nHelpContext);
    return AfxMessageBox("No error message is available.", nType, nHelpContext);
}

// Exceptions with one text

IMPLEMENT_DYNAMIC(CSimpleException, CException)

CSimpleException::CSimpleException() {}
CSimpleException::CSimpleException(BOOL bAutoDelete) : CException(bAutoDelete) {}
CSimpleException::~CSimpleException() {}

LPCTSTR CSimpleException::GetDefaultMessage() const
{
    return NULL;
}

BOOL CSimpleException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext != NULL)
        *pnHelpContext = 0;
    LPCTSTR lpszText = GetDefaultMessage();
    if (lpszText == NULL)
    {
        if (lpszError != NULL && nMaxError > 0)
            *lpszError = '\0';
        return FALSE;
    }
    return CopyMessage(lpszError, nMaxError, lpszText);
}

#define IMPLEMENT_SIMPLE_EXCEPTION(class_name, text)                                                         \
    IMPLEMENT_DYNAMIC(class_name, CSimpleException)                                                          \
    class_name::class_name() {}                                                                              \
    class_name::class_name(BOOL bAutoDelete) : CSimpleException(bAutoDelete) {}                              \
    class_name::~class_name() {}                                                                             \
    LPCTSTR class_name::GetDefaultMessage() const                                                            \
    {                                                                                                        \
        return text;                                                                                         \
    }

IMPLEMENT_SIMPLE_EXCEPTION(CMemoryException, "Out of memory.")
IMPLEMENT_SIMPLE_EXCEPTION(CNotSupportedException, "An unsupported operation was attempted.")
IMPLEMENT_SIMPLE_EXCEPTION(CResourceException, "A required resource was unavailable.")
IMPLEMENT_SIMPLE_EXCEPTION(CUserException, "An unknown error has occurred.")

// Archive exceptions

IMPLEMENT_DYNAMIC(CArchiveException, CException)

CArchiveException::CArchiveException(int cause, LPCTSTR lpszArchiveName)
    : m_cause(cause), m_strFileName(lpszArchiveName)
{
}

CArchiveException::~CArchiveException() {}

static LPCTSTR const s_rgszArchiveText[] = {
    "No error occurred.",
    "An unexpected error occurred while reading %1.",
    "An attempt was made to write to %1 while it was being read.",
    "An attempt was made to access %1 past its end.",
    "An attempt was made to read from %1 while it was being written.",
    "%1 has a bad format.",
    "%1 contained an unexpected object.",
    "%1 contains an incorrect schema.",
};

static void FormatWithFileName(CString& rString, LPCTSTR lpszFormat, const CString& strFileName)
{
    LPCTSTR lpszName = strFileName.IsEmpty() ? "an unnamed file" : (LPCTSTR)strFileName;
    AfxFormatStrings(rString, lpszFormat, &lpszName, 1);
}

BOOL CArchiveException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    int nCause = (m_cause >= 0 && m_cause < (int)(sizeof(s_rgszArchiveText) / sizeof(s_rgszArchiveText[0])))
                     ? m_cause
                     : (int)generic;
    if (pnHelpContext != NULL)
        *pnHelpContext = kHelpArchiveNone + nCause;
    CString strMessage;
    FormatWithFileName(strMessage, s_rgszArchiveText[nCause], m_strFileName);
    return CopyMessage(lpszError, nMaxError, strMessage);
}

// File exceptions

IMPLEMENT_DYNAMIC(CFileException, CException)

CFileException::CFileException(int cause, LONG lOsError, LPCTSTR lpszArchiveName)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszArchiveName)
{
}

CFileException::~CFileException() {}

static LPCTSTR const s_rgszFileText[] = {
    "No error occurred.",
    "An unexpected file error occurred while accessing %1.",
    "%1 was not found.",
    "%1 contains an incorrect path.",
    "Could not open %1 because there are too many open files.",
    "Access to %1 was denied.",
    "An incorrect file handle was associated with %1.",
    "Could not remove %1 because it is the current directory.",
    "Could not create %1 because the directory is full.",
    "Seek failed on %1",
    "A hardware I/O error was reported while accessing %1.",
    "A sharing violation occurred while accessing %1.",
    "A locking violation occurred while accessing %1.",
    "Disk full while accessing %1.",
    "An attempt was made to access %1 past its end.",
};

BOOL CFileException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    int nCause = (m_cause >= 0 && m_cause < (int)(sizeof(s_rgszFileText) / sizeof(s_rgszFileText[0])))
                     ? m_cause
                     : (int)generic;
    if (pnHelpContext != NULL)
        *pnHelpContext = kHelpFileNone + nCause;
    CString strMessage;
    FormatWithFileName(strMessage, s_rgszFileText[nCause], m_strFileName);
    return CopyMessage(lpszError, nMaxError, strMessage);
}

int PASCAL CFileException::OsErrorToException(LONG lOsError)
{
    switch (lOsError)
    {
    case NO_ERROR:
        return none;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_NO_MORE_FILES:
    case ERROR_DISK_CHANGE:
        return fileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_NOT_SAME_DEVICE:
    case ERROR_WRONG_DISK:
    case ERROR_DUP_NAME:
    case ERROR_BAD_NETPATH:
    case ERROR_DEV_NOT_EXIST:
    case ERROR_BAD_NET_NAME:
    case ERROR_SHARING_PAUSED:
    case ERROR_ALREADY_ASSIGNED:
    case ERROR_BUFFER_OVERFLOW:
    case ERROR_INVALID_NAME:
    case ERROR_INVALID_LEVEL:
    case ERROR_NO_VOLUME_LABEL:
    case ERROR_DIR_NOT_ROOT:
    case ERROR_LABEL_TOO_LONG:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_META_EXPANSION_TOO_LONG:
    case ERROR_DIRECTORY:
        return badPath;
    case ERROR_TOO_MANY_OPEN_FILES:
    case ERROR_SHARING_BUFFER_EXCEEDED:
    case ERROR_TOO_MANY_NAMES:
    case ERROR_NO_MORE_SEARCH_HANDLES:
        return tooManyOpenFiles;
    case ERROR_ACCESS_DENIED:
    case ERROR_INVALID_ACCESS:
    case ERROR_WRITE_PROTECT:
    case ERROR_WRITE_FAULT:
    case ERROR_NETWORK_BUSY:
    case ERROR_BAD_NET_RESP:
    case ERROR_NETNAME_DELETED:
    case ERROR_NETWORK_ACCESS_DENIED:
    case ERROR_REQ_NOT_ACCEP:
    case ERROR_FILE_EXISTS:
    case ERROR_CANNOT_MAKE:
    case ERROR_INVALID_PASSWORD:
    case ERROR_BUSY:
    case ERROR_ALREADY_EXISTS:
    case ERROR_SWAPERROR:
        return accessDenied;
    case ERROR_INVALID_HANDLE:
    case ERROR_BAD_FORMAT:
    case ERROR_NOT_DOS_DISK:
    case ERROR_BAD_REM_ADAP:
    case ERROR_BAD_DEV_TYPE:
    case ERROR_INVALID_TARGET_HANDLE:
    case ERROR_INVALID_ORDINAL:
    case ERROR_INVALID_EXE_SIGNATURE:
    case ERROR_BAD_EXE_FORMAT:
        return invalidFile;
    case ERROR_CURRENT_DIRECTORY:
    case ERROR_DIR_NOT_EMPTY:
        return removeCurrentDir;
    case ERROR_NO_SPOOL_SPACE:
        return directoryFull;
    case ERROR_BAD_LENGTH:
    case ERROR_SEEK:
    case ERROR_SECTOR_NOT_FOUND:
    case ERROR_READ_FAULT:
    case ERROR_NEGATIVE_SEEK:
    case ERROR_SEEK_ON_DEVICE:
        return badSeek;
    case ERROR_BAD_UNIT:
    case ERROR_NOT_READY:
    case ERROR_BAD_COMMAND:
    case ERROR_CRC:
    case ERROR_ADAP_HDW_ERR:
    case ERROR_UNEXP_NET_ERR:
    case ERROR_NET_WRITE_FAULT:
    case ERROR_INVALID_CATEGORY:
    case ERROR_OPERATION_ABORTED:
    case ERROR_IO_INCOMPLETE:
    case ERROR_IO_PENDING:
        return hardIO;
    case ERROR_SHARING_VIOLATION:
        return sharingViolation;
    case ERROR_LOCK_VIOLATION:
    case ERROR_DRIVE_LOCKED:
    case ERROR_LOCK_FAILED:
        return lockViolation;
    case ERROR_HANDLE_DISK_FULL:
    case ERROR_DISK_FULL:
        return diskFull;
    case ERROR_HANDLE_EOF:
        return endOfFile;
    default:
        return generic;
    }
}

int PASCAL CFileException::ErrnoToException(int nErrno)
{
    switch (nErrno)
    {
    case EPERM:
    case EACCES:
        return accessDenied;
    case EBADF:
        return invalidFile;
    case EDEADLOCK:
        return sharingViolation;
    case EMFILE:
        return tooManyOpenFiles;
    case ENOENT:
    case ENFILE:
        return fileNotFound;
    case ENOSPC:
        return diskFull;
    case EINVAL:
    case EIO:
        return hardIO;
    default:
        return generic;
    }
}

void PASCAL CFileException::ThrowOsError(LONG lOsError, LPCTSTR lpszFileName)
{
    if (lOsError != 0)
        AfxThrowFileException(OsErrorToException(lOsError), lOsError, lpszFileName);
}

void PASCAL CFileException::ThrowErrno(int nErrno, LPCTSTR lpszFileName)
{
    if (nErrno != 0)
        AfxThrowFileException(ErrnoToException(nErrno), _doserrno, lpszFileName);
}

// OLE exceptions

IMPLEMENT_DYNAMIC(COleException, CException)

COleException::COleException() : m_sc(S_OK) {}

COleException::~COleException() {}

SCODE PASCAL COleException::Process(const CException* pAnyException)
{
    if (pAnyException == NULL)
        return E_UNEXPECTED;
    if (pAnyException->IsKindOf(RUNTIME_CLASS(COleException)))
        return ((const COleException*)pAnyException)->m_sc;
    if (pAnyException->IsKindOf(RUNTIME_CLASS(CMemoryException)))
        return E_OUTOFMEMORY;
    if (pAnyException->IsKindOf(RUNTIME_CLASS(CNotSupportedException)))
        return E_NOTIMPL;
    return E_UNEXPECTED;
}

BOOL COleException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext != NULL)
        *pnHelpContext = 0;
    LPTSTR lpBuffer = NULL;
    BOOL bResult = FALSE;
    if (::FormatMessageA(
            FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, NULL,
            (DWORD)m_sc, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), (LPTSTR)&lpBuffer, 0, NULL) != 0 &&
        lpBuffer != NULL)
    {
        CString strText(lpBuffer);
        strText.TrimRight();
        bResult = CopyMessage(lpszError, nMaxError, strText);
    }
    else if (lpszError != NULL && nMaxError > 0)
        *lpszError = '\0';
    if (lpBuffer != NULL)
        ::LocalFree(lpBuffer);
    return bResult;
}

// Throwing helpers

void AFXAPI AfxThrowMemoryException()
{
    // Out of memory, a new exception object may not be obtainable: throw one that exists.
    static CMemoryException s_memoryException(FALSE);
    throw &s_memoryException;
}

void AFXAPI AfxThrowNotSupportedException()
{
    throw new CNotSupportedException;
}

void AFXAPI AfxThrowResourceException()
{
    throw new CResourceException;
}

void AFXAPI AfxThrowUserException()
{
    throw new CUserException;
}

void AFXAPI AfxThrowFileException(int cause, LONG lOsError, LPCTSTR lpszFileName)
{
    throw new CFileException(cause, lOsError, lpszFileName);
}

void AFXAPI AfxThrowArchiveException(int cause, LPCTSTR lpszArchiveName)
{
    throw new CArchiveException(cause, lpszArchiveName);
}

void AFXAPI AfxThrowOleException(SCODE sc)
{
    COleException* pException = new COleException;
    pException->m_sc = sc;
    throw pException;
}
