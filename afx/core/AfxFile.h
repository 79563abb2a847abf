// CFile and its family: Win32 files, memory files, global-memory files and text (stdio) files.
#ifndef VELMORA_AFXFILE_H
#define VELMORA_AFXFILE_H

#include <windows.h>
#include <stdio.h>
#include "AfxDefs.h"
#include "AfxObject.h"
#include "AfxString.h"
#include "AfxException.h"
#include "AfxTime.h"

struct CFileStatus
{
    CTime m_ctime;    // creation date/time of file
    CTime m_mtime;    // last modification date/time of file
    CTime m_atime;    // last access date/time of file
    LONG m_size;      // logical size of file in bytes
    BYTE m_attribute; // logical OR of CFile::Attribute values
    BYTE m_padding;
    TCHAR m_szFullName[_MAX_PATH]; // absolute path name
};

class CFile : public CObject
{
    DECLARE_DYNAMIC(CFile)

public:
    // Flag values
    enum OpenFlags
    {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,       // used in derived classes (e.g. CStdioFile) only
        typeBinary = (int)0x8000 // used in derived classes (e.g. CStdioFile) only
    };

    enum Attribute
    {
        normal = 0x00,
        readOnly = 0x01,
        hidden = 0x02,
        system = 0x04,
        volume = 0x08,
        directory = 0x10,
        archive = 0x20
    };

    enum SeekPosition
    {
        begin = 0x0,
        current = 0x1,
        end = 0x2
    };

    enum
    {
        hFileNull = -1
    };

    // Constructors
    CFile();
    CFile(INT_PTR hFile);
    CFile(LPCTSTR lpszFileName, UINT nOpenFlags); // throws CFileException on failure

    // Attributes
    UINT_PTR m_hFile; // the file's handle: pointer-sized in either build
    operator HFILE() const { return (HFILE)m_hFile; }

    virtual DWORD GetPosition() const;
    BOOL GetStatus(CFileStatus& rStatus) const;
    virtual CString GetFileName() const;
    virtual CString GetFileTitle() const;
    virtual CString GetFilePath() const;
    virtual void SetFilePath(LPCTSTR lpszNewName);

    // Operations
    virtual BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError = NULL);

    static void PASCAL Rename(LPCTSTR lpszOldName, LPCTSTR lpszNewName);
    static void PASCAL Remove(LPCTSTR lpszFileName);
    static BOOL PASCAL GetStatus(LPCTSTR lpszFileName, CFileStatus& rStatus);
    static void PASCAL SetStatus(LPCTSTR lpszFileName, const CFileStatus& status);

    DWORD SeekToEnd();
    void SeekToBegin();

    DWORD ReadHuge(void* lpBuffer, DWORD dwCount);
    void WriteHuge(const void* lpBuffer, DWORD dwCount);

    // Overridables
    virtual CFile* Duplicate() const;

    virtual LONG Seek(LONG lOff, UINT nFrom);
    virtual void SetLength(DWORD dwNewLen);
    virtual DWORD GetLength() const;

    virtual UINT Read(void* lpBuf, UINT nCount);
    virtual void Write(const void* lpBuf, UINT nCount);

    virtual void LockRange(DWORD dwPos, DWORD dwCount);
    virtual void UnlockRange(DWORD dwPos, DWORD dwCount);

    virtual void Abort(); // closes without throwing
    virtual void Flush();
    virtual void Close();

    // Implementation
    virtual ~CFile();

    // Direct buffer access for archives (memory files only; others report 0)
    enum BufferCommand
    {
        bufferRead,
        bufferWrite,
        bufferCommit,
        bufferCheck
    };
    virtual UINT GetBufferPtr(UINT nCommand, UINT nCount = 0, void** ppBufStart = NULL,
                              void** ppBufMax = NULL);

protected:
    BOOL m_bCloseOnDelete;
    CString m_strFileName;
};

// A file held in a growable block of memory.
class CMemFile : public CFile
{
    DECLARE_DYNAMIC(CMemFile)

public:
    // Constructors
    CMemFile(UINT nGrowBytes = 1024);
    CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);

    // Operations
    void Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
    BYTE* Detach();

    // Advanced overridables
protected:
    virtual BYTE* Alloc(DWORD nBytes);
    virtual BYTE* Realloc(BYTE* lpMem, DWORD nBytes);
    virtual BYTE* Memcpy(BYTE* lpMemTarget, const BYTE* lpMemSource, UINT nBytes);
    virtual void Free(BYTE* lpMem);
    virtual void GrowFile(DWORD dwNewLen);

    // Implementation
protected:
    UINT m_nGrowBytes;
    DWORD m_nPosition;
    DWORD m_nBufferSize;
    DWORD m_nFileSize;
    BYTE* m_lpBuffer;
    BOOL m_bAutoDelete;

public:
    virtual ~CMemFile();
    virtual DWORD GetPosition() const;
    BOOL GetStatus(CFileStatus& rStatus) const;
    virtual LONG Seek(LONG lOff, UINT nFrom);
    virtual void SetLength(DWORD dwNewLen);
    virtual DWORD GetLength() const;
    virtual UINT Read(void* lpBuf, UINT nCount);
    virtual void Write(const void* lpBuf, UINT nCount);
    virtual void Abort();
    virtual void Flush();
    virtual void Close();
    virtual UINT GetBufferPtr(UINT nCommand, UINT nCount = 0, void** ppBufStart = NULL,
                              void** ppBufMax = NULL);

    // Unsupported on memory files: throw CNotSupportedException
    virtual CFile* Duplicate() const;
    virtual void LockRange(DWORD dwPos, DWORD dwCount);
    virtual void UnlockRange(DWORD dwPos, DWORD dwCount);
};

// A memory file whose block is global memory (GlobalAlloc), for the clipboard and OLE.
class CSharedFile : public CMemFile
{
    DECLARE_DYNAMIC(CSharedFile)

public:
    CSharedFile(UINT nAllocFlags = GMEM_DDESHARE | GMEM_MOVEABLE, UINT nGrowBytes = 4096);

    // Detaches the memory, leaving the file empty; the caller owns the handle.
    HGLOBAL Detach();
    void SetHandle(HGLOBAL hGlobalMemory, BOOL bAllowGrow = TRUE);

    // Implementation
protected:
    virtual BYTE* Alloc(DWORD nBytes);
    virtual BYTE* Realloc(BYTE* lpMem, DWORD nBytes);
    virtual void Free(BYTE* lpMem);

    UINT m_nAllocFlags;
    HGLOBAL m_hGlobalMemory;
    BOOL m_bAllowGrow;

public:
    virtual ~CSharedFile();
};

// A buffered stream file; in text mode CR LF on disk reads as LF and LF writes as CR LF.
class CStdioFile : public CFile
{
    DECLARE_DYNAMIC(CStdioFile)

public:
    // Constructors
    CStdioFile();
    CStdioFile(FILE* pOpenStream);
    CStdioFile(LPCTSTR lpszFileName, UINT nOpenFlags);

    // Attributes
    FILE* m_pStream; // stdio FILE; m_hFile from base class is the Win32 handle under it

    // Overridables
    virtual void WriteString(LPCTSTR lpsz);
    // Reads a line into the buffer, keeping the newline; NULL at end of file.
    virtual LPTSTR ReadString(LPTSTR lpsz, UINT nMax);
    // Reads a line without its newline; FALSE at end of file.
    BOOL ReadString(CString& rString);

    // Implementation
public:
    virtual ~CStdioFile();
    virtual DWORD GetPosition() const;
    virtual BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError = NULL);
    virtual UINT Read(void* lpBuf, UINT nCount);
    virtual void Write(const void* lpBuf, UINT nCount);
    virtual LONG Seek(LONG lOff, UINT nFrom);
    virtual void Abort();
    virtual void Flush();
    virtual void Close();
    virtual DWORD GetLength() const;

    // Unsupported APIs
    virtual CFile* Duplicate() const;
    virtual void LockRange(DWORD dwPos, DWORD dwCount);
    virtual void UnlockRange(DWORD dwPos, DWORD dwCount);
};

#endif // VELMORA_AFXFILE_H
