// The framework's exception classes, thrown as pointers and deleted by the handler.
#ifndef VELMORA_AFXEXCEPTION_H
#define VELMORA_AFXEXCEPTION_H

#include <windows.h>
#include "AfxDefs.h"
#include "AfxObject.h"
#include "AfxString.h"

// Code written for the framework throws `new CXxxException` and catches `CException* e`,
// ending with e->Delete(). The macros below keep the framework's older TRY/CATCH style working
// on top of C++ exceptions: an exception caught by CATCH is deleted when its handler ends
// unless the handler rethrows it with THROW_LAST().
class CException : public CObject
{
    DECLARE_DYNAMIC(CException)

public:
    // Construction
    CException();
    explicit CException(BOOL bAutoDelete);
    virtual ~CException();

    // Operations
    void Delete(); // deletes the exception if it was allocated on the heap (auto-delete)

    virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL);
    virtual int ReportError(UINT nType = MB_OK, UINT nMessageID = 0);

    // Implementation
    BOOL m_bAutoDelete;

    // Delete() frees only exceptions that came from new: one constructed on the stack (as in
    // `CFileException e; file.Open(name, flags, &e)`) survives a stray Delete().
    static void* PASCAL operator new(size_t nSize);
    static void PASCAL operator delete(void* p);

protected:
    BOOL m_bOnHeap;
};

// Exceptions with one fixed text.
class CSimpleException : public CException
{
    DECLARE_DYNAMIC(CSimpleException)

public:
    CSimpleException();
    explicit CSimpleException(BOOL bAutoDelete);
    virtual ~CSimpleException();

    virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL);

protected:
    virtual LPCTSTR GetDefaultMessage() const;
};

class CMemoryException : public CSimpleException
{
    DECLARE_DYNAMIC(CMemoryException)

public:
    CMemoryException();
    explicit CMemoryException(BOOL bAutoDelete);
    virtual ~CMemoryException();

protected:
    virtual LPCTSTR GetDefaultMessage() const;
};

class CNotSupportedException : public CSimpleException
{
    DECLARE_DYNAMIC(CNotSupportedException)

public:
    CNotSupportedException();
    explicit CNotSupportedException(BOOL bAutoDelete);
    virtual ~CNotSupportedException();

protected:
    virtual LPCTSTR GetDefaultMessage() const;
};

class CResourceException : public CSimpleException
{
    DECLARE_DYNAMIC(CResourceException)

public:
    CResourceException();
    explicit CResourceException(BOOL bAutoDelete);
    virtual ~CResourceException();

protected:
    virtual LPCTSTR GetDefaultMessage() const;
};

// Thrown after the user has already been told what went wrong; reports nothing further.
class CUserException : public CSimpleException
{
    DECLARE_DYNAMIC(CUserException)

public:
    CUserException();
    explicit CUserException(BOOL bAutoDelete);
    virtual ~CUserException();

protected:
    virtual LPCTSTR GetDefaultMessage() const;
};

class CArchiveException : public CException
{
    DECLARE_DYNAMIC(CArchiveException)

public:
    enum
    {
        none,
        generic,
        readOnly,
        endOfFile,
        writeOnly,
        badIndex,
        badClass,
        badSchema
    };

    // Constructor
    CArchiveException(int cause = CArchiveException::none, LPCTSTR lpszArchiveName = NULL);
    virtual ~CArchiveException();

    // Attributes
    int m_cause;
    CString m_strFileName;

    virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL);
};

class CFileException : public CException
{
    DECLARE_DYNAMIC(CFileException)

public:
    enum
    {
        none,
        generic,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile
    };

    // Constructor
    CFileException(int cause = CFileException::none, LONG lOsError = -1, LPCTSTR lpszArchiveName = NULL);
    virtual ~CFileException();

    // Operations
    static void PASCAL ThrowOsError(LONG lOsError, LPCTSTR lpszFileName = NULL);
    static void PASCAL ThrowErrno(int nErrno, LPCTSTR lpszFileName = NULL);
    static int PASCAL OsErrorToException(LONG lOsError);
    static int PASCAL ErrnoToException(int nErrno);

    // Attributes
    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;

    virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL);
};

class COleException : public CException
{
    DECLARE_DYNAMIC(COleException)

public:
    COleException();
    virtual ~COleException();

    // The SCODE that stands for any framework exception (E_OUTOFMEMORY, E_NOTIMPL, ...).
    static SCODE PASCAL Process(const CException* pAnyException);

    SCODE m_sc;

    virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL);
};

// Throwing helpers; none of them returns.
[[noreturn]] void AFXAPI AfxThrowMemoryException();
[[noreturn]] void AFXAPI AfxThrowNotSupportedException();
[[noreturn]] void AFXAPI AfxThrowResourceException();
[[noreturn]] void AFXAPI AfxThrowUserException();
[[noreturn]] void AFXAPI AfxThrowFileException(int cause, LONG lOsError = -1, LPCTSTR lpszFileName = NULL);
[[noreturn]] void AFXAPI AfxThrowArchiveException(int cause, LPCTSTR lpszArchiveName = NULL);
[[noreturn]] void AFXAPI AfxThrowOleException(SCODE sc);

// Deletes the exception caught by CATCH when the handler ends, unless THROW_LAST passed it on.
struct AFX_EXCEPTION_LINK
{
    CException* m_pException;
    explicit AFX_EXCEPTION_LINK(CException* pException) : m_pException(pException) {}
    ~AFX_EXCEPTION_LINK()
    {
        if (m_pException != NULL)
            m_pException->Delete();
    }
    AFX_EXCEPTION_LINK(const AFX_EXCEPTION_LINK&) = delete;
    AFX_EXCEPTION_LINK& operator=(const AFX_EXCEPTION_LINK&) = delete;
};

#define TRY try
#define CATCH(class_name, e)                                                                                 \
    catch (class_name * e)                                                                                   \
    {                                                                                                        \
        AFX_EXCEPTION_LINK _afxExceptionLink(e);
#define AND_CATCH(class_name, e)                                                                             \
    }                                                                                                        \
    catch (class_name * e)                                                                                   \
    {                                                                                                        \
        AFX_EXCEPTION_LINK _afxExceptionLink(e);
#define END_CATCH        }
#define CATCH_ALL(e)     CATCH(CException, e)
#define AND_CATCH_ALL(e) AND_CATCH(CException, e)
#define END_CATCH_ALL    }
#define THROW(e)         throw e
#define THROW_LAST()                                                                                         \
    do                                                                                                       \
    {                                                                                                        \
        _afxExceptionLink.m_pException = NULL;                                                               \
        throw;                                                                                               \
    } while (0)

#endif // VELMORA_AFXEXCEPTION_H
