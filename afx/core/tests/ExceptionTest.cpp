// Exception texts, the OS-error mapping, deletion rules and the TRY/CATCH macros.
#include "afx.h"

#include <gtest/gtest.h>

static CString MessageOf(CException& e)
{
    TCHAR sz[512];
    UINT nHelp = 0;
    if (!e.GetErrorMessage(sz, sizeof(sz), &nHelp))
        return "(none)";
    return sz;
}

TEST(CExceptionTest, FileTexts)
{
    struct
    {
        int cause;
        LPCTSTR text;
    } cases[] = {
        {CFileException::none, "No error occurred."},
        {CFileException::generic, "An unexpected file error occurred while accessing C:\\zones.dat."},
        {CFileException::fileNotFound, "C:\\zones.dat was not found."},
        {CFileException::badPath, "C:\\zones.dat contains an incorrect path."},
        {CFileException::accessDenied, "Access to C:\\zones.dat was denied."},
        {CFileException::sharingViolation, "A sharing violation occurred while accessing C:\\zones.dat."},
        {CFileException::diskFull, "Disk full while accessing C:\\zones.dat."},
        {CFileException::endOfFile, "An attempt was made to access C:\\zones.dat past its end."},
        {99, "An unexpected file error occurred while accessing C:\\zones.dat."},
    };
    for (const auto& c : cases)
    {
        CFileException e(c.cause, -1, "C:\\zones.dat");
        EXPECT_STREQ(c.text, (LPCTSTR)MessageOf(e)) << c.cause;
    }
    CFileException unnamed(CFileException::fileNotFound);
    EXPECT_STREQ("an unnamed file was not found.", (LPCTSTR)MessageOf(unnamed));

    // A caller's short buffer gets a terminated prefix.
    CFileException e(CFileException::fileNotFound, -1, "C:\\zones.dat");
    TCHAR sz[6];
    memset(sz, 'x', sizeof(sz));
    EXPECT_TRUE(e.GetErrorMessage(sz, sizeof(sz)));
    EXPECT_STREQ("C:\\zo", sz);
}

TEST(CExceptionTest, ArchiveAndSimpleTexts)
{
    struct
    {
        int cause;
        LPCTSTR text;
    } cases[] = {
        {CArchiveException::generic, "An unexpected error occurred while reading Diary.dat."},
        {CArchiveException::endOfFile, "An attempt was made to access Diary.dat past its end."},
        {CArchiveException::badIndex, "Diary.dat has a bad format."},
        {CArchiveException::badClass, "Diary.dat contained an unexpected object."},
        {CArchiveException::badSchema, "Diary.dat contains an incorrect schema."},
    };
    for (const auto& c : cases)
    {
        CArchiveException e(c.cause, "Diary.dat");
        EXPECT_STREQ(c.text, (LPCTSTR)MessageOf(e)) << c.cause;
    }
    CMemoryException mem;
    EXPECT_STREQ("Out of memory.", (LPCTSTR)MessageOf(mem));
    CNotSupportedException ns;
    EXPECT_STREQ("An unsupported operation was attempted.", (LPCTSTR)MessageOf(ns));
    CException base;
    EXPECT_STREQ("(none)", (LPCTSTR)MessageOf(base));
}

TEST(CExceptionTest, OsErrorMapping)
{
    struct
    {
        LONG os;
        int cause;
    } cases[] = {
        {NO_ERROR, CFileException::none},
        {ERROR_FILE_NOT_FOUND, CFileException::fileNotFound},
        {ERROR_PATH_NOT_FOUND, CFileException::badPath},
        {ERROR_TOO_MANY_OPEN_FILES, CFileException::tooManyOpenFiles},
        {ERROR_ACCESS_DENIED, CFileException::accessDenied},
        {ERROR_INVALID_HANDLE, CFileException::invalidFile},
        {ERROR_CURRENT_DIRECTORY, CFileException::removeCurrentDir},
        {ERROR_SEEK, CFileException::badSeek},
        {ERROR_CRC, CFileException::hardIO},
        {ERROR_SHARING_VIOLATION, CFileException::sharingViolation},
        {ERROR_LOCK_VIOLATION, CFileException::lockViolation},
        {ERROR_DISK_FULL, CFileException::diskFull},
        {ERROR_HANDLE_EOF, CFileException::endOfFile},
        {ERROR_INVALID_NAME, CFileException::badPath},
        {123456, CFileException::generic},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.cause, CFileException::OsErrorToException(c.os)) << c.os;
    EXPECT_EQ(CFileException::fileNotFound, CFileException::ErrnoToException(ENOENT));
    EXPECT_EQ(CFileException::accessDenied, CFileException::ErrnoToException(EACCES));
    EXPECT_EQ(CFileException::diskFull, CFileException::ErrnoToException(ENOSPC));

    try
    {
        CFileException::ThrowOsError(ERROR_ACCESS_DENIED, "a.txt");
        ADD_FAILURE();
    }
    catch (CException* e)
    {
        ASSERT_TRUE(e->IsKindOf(RUNTIME_CLASS(CFileException)));
        EXPECT_EQ(CFileException::accessDenied, ((CFileException*)e)->m_cause);
        e->Delete();
    }
    CFileException::ThrowOsError(0); // no error: nothing thrown
}

static CString s_strLastBox;
static int AFXAPI RecordBox(LPCTSTR lpszText, UINT, UINT)
{
    s_strLastBox = lpszText;
    return IDOK;
}

TEST(CExceptionTest, ReportErrorShowsTheText)
{
    afxMessageBoxHook = RecordBox;
    CFileException e(CFileException::accessDenied, ERROR_ACCESS_DENIED, "x.dat");
    EXPECT_EQ(IDOK, e.ReportError());
    EXPECT_STREQ("Access to x.dat was denied.", (LPCTSTR)s_strLastBox);
    CException base;
    base.ReportError();
    EXPECT_STREQ("No error message is available.", (LPCTSTR)s_strLastBox);
    afxMessageBoxHook = NULL;
}

TEST(CExceptionTest, OleProcess)
{
    COleException ole;
    ole.m_sc = E_ACCESSDENIED;
    CMemoryException mem;
    CNotSupportedException ns;
    CUserException user;
    EXPECT_EQ(E_ACCESSDENIED, COleException::Process(&ole));
    EXPECT_EQ(E_OUTOFMEMORY, COleException::Process(&mem));
    EXPECT_EQ(E_NOTIMPL, COleException::Process(&ns));
    EXPECT_EQ(E_UNEXPECTED, COleException::Process(&user));
}

static int s_nDestroyed;
class CCountedException : public CUserException
{
public:
    virtual ~CCountedException() { s_nDestroyed++; }
};

TEST(CExceptionTest, CatchMacrosDeleteUnlessRethrown)
{
    s_nDestroyed = 0;
    TRY
    {
        throw new CCountedException;
    }
    CATCH(CFileException, e)
    {
        ADD_FAILURE() << "wrong handler";
    }
    AND_CATCH(CUserException, e)
    {
        EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CUserException)));
    }
    END_CATCH
    EXPECT_EQ(1, s_nDestroyed);

    s_nDestroyed = 0;
    try
    {
        TRY
        {
            throw new CCountedException;
        }
        CATCH_ALL(e)
        {
            THROW_LAST();
        }
        END_CATCH_ALL
    }
    catch (CException* e)
    {
        EXPECT_EQ(0, s_nDestroyed); // passed on, still alive
        e->Delete();
    }
    EXPECT_EQ(1, s_nDestroyed);

    // Delete() on an exception that did not come from new leaves it alone.
    s_nDestroyed = 0;
    {
        CCountedException onStack;
        onStack.Delete();
        EXPECT_EQ(0, s_nDestroyed);
    }
    EXPECT_EQ(1, s_nDestroyed);

    // The memory exception is a shared object; deleting it is harmless.
    for (int i = 0; i < 2; i++)
    {
        try
        {
            AfxThrowMemoryException();
        }
        catch (CException* e)
        {
            EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CMemoryException)));
            e->Delete();
        }
    }
}
