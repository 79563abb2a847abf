// CArchive: buffered binary serialisation over a CFile, with the persistent object format.
#ifndef VELMORA_AFXARCHIVE_H
#define VELMORA_AFXARCHIVE_H

#include <windows.h>

#include "AfxDefs.h"
#include "AfxObject.h"
#include "AfxString.h"

class CFile;
class CDocument;
struct CArchiveMaps;

class CArchive
{
public:
    // Flag values
    enum Mode
    {
        store = 0,
        load = 1,
        bNoFlushOnDelete = 2,
        bNoByteSwap = 4
    };

    // Construction
    CArchive(CFile* pFile, UINT nMode, int nBufSize = 4096, void* lpBuf = NULL);
    ~CArchive();

    // Attributes
    BOOL IsLoading() const { return (m_nMode & load) != 0; }
    BOOL IsStoring() const { return (m_nMode & load) == 0; }
    BOOL IsByteSwapping() const { return FALSE; }
    BOOL IsBufferEmpty() const;
    CFile* GetFile() const { return m_pFile; }

    // The schema of the object being loaded; reading it resets it to (UINT)-1, so a class that
    // reads its base's data sees the schema once.
    UINT GetObjectSchema();
    void SetObjectSchema(UINT nSchema) { m_nObjectSchema = nSchema; }

    CDocument* m_pDocument;

    // Operations
    UINT Read(void* lpBuf, UINT nMax);
    void Write(const void* lpBuf, UINT nMax);
    void Flush();
    void Close();
    void Abort();

    // Text lines
    void WriteString(LPCTSTR lpsz);
    LPTSTR ReadString(LPTSTR lpsz, UINT nMax);
    BOOL ReadString(CString& rString);

    // Objects
    CObject* ReadObject(const CRuntimeClass* pClass);
    void WriteObject(const CObject* pOb);
    friend CArchive& AFXAPI operator<<(CArchive& ar, const CObject* pOb);
    friend CArchive& AFXAPI operator>>(CArchive& ar, CObject*& pOb);
    friend CArchive& AFXAPI operator>>(CArchive& ar, const CObject*& pOb);

    // Scalars, always little-endian with the widths of a 32-bit Windows build.
    CArchive& operator<<(BYTE by);
    CArchive& operator<<(WORD w);
    CArchive& operator<<(LONG l);
    CArchive& operator<<(DWORD dw);
    CArchive& operator<<(float f);
    CArchive& operator<<(double d);
    CArchive& operator<<(int i);
    CArchive& operator<<(short w);
    CArchive& operator<<(char ch);
    CArchive& operator<<(unsigned u);
    CArchive& operator<<(LONGLONG dwdw);
    CArchive& operator<<(ULONGLONG dwdw);

    CArchive& operator>>(BYTE& by);
    CArchive& operator>>(WORD& w);
    CArchive& operator>>(DWORD& dw);
    CArchive& operator>>(LONG& l);
    CArchive& operator>>(float& f);
    CArchive& operator>>(double& d);
    CArchive& operator>>(int& i);
    CArchive& operator>>(short& w);
    CArchive& operator>>(char& ch);
    CArchive& operator>>(unsigned& u);
    CArchive& operator>>(LONGLONG& dwdw);
    CArchive& operator>>(ULONGLONG& dwdw);

    // Classes
    CRuntimeClass* ReadClass(const CRuntimeClass* pClassRefRequested = NULL, UINT* pSchema = NULL,
                             DWORD* pObTag = NULL);
    void WriteClass(const CRuntimeClass* pClassRef);
    void SerializeClass(const CRuntimeClass* pClassRef);

    // Registers an object that is not written through WriteObject (for example an embedded
    // member) so later pointers to it are written or read as references.
    void MapObject(const CObject* pOb);

    // Element counts of collections: a WORD, or 0xFFFF and a DWORD.
    DWORD ReadCount();
    void WriteCount(DWORD dwCount);

    // Kept for source compatibility; the maps here size themselves.
    void SetStoreParams(UINT nHashSize = 2053, UINT nBlockSize = 128);
    void SetLoadParams(UINT nGrowBy = 1024);

    // Raises CArchiveException::endOfFile unless at least nBytes can still be read. Callers use
    // it before allocating for a stored count or length, so a damaged count cannot make them
    // allocate more than the archive could possibly hold.
    void CheckAvailable(ULONGLONG nBytes);

    // Implementation
    UINT m_nObjectSchema;
    CString m_strFileName;

protected:
    // Archives cannot be copied
    CArchive(const CArchive& arSrc);
    void operator=(const CArchive& arSrc);

    void WriteRaw(const void* lpBuf, UINT nLen);
    ULONGLONG GetAvailable(BOOL* pbKnown);
    [[noreturn]] void ThrowArchive(int cause);
    // Gives an archive exception that names no file this archive's file name.
    void NameArchiveException(CException* e) const;
    void FreeMaps();
    DWORD NextMapIndex();

    UINT m_nMode;
    BOOL m_bUserBuf;
    int m_nBufSize;
    CFile* m_pFile;
    BYTE* m_lpBufCur;
    BYTE* m_lpBufMax;
    BYTE* m_lpBufStart;
    BOOL m_bEndOfFile; // the file returned less than asked for: nothing more will come

    // Index counter shared by classes and objects; 0 is the null pointer.
    DWORD m_nMapCount;
    CArchiveMaps* m_pMaps;
    // How many objects are being read one inside another: a damaged archive that nests
    // collections without end is refused before the stack runs out.
    UINT m_nReadDepth;
};

// The length-prefixed string form (one BYTE; 0xFF + WORD; 0xFF 0xFFFF + DWORD). Loading also
// accepts strings written by a wide-character build (marker 0xFF 0xFFFE) and converts them.
CArchive& AFXAPI operator<<(CArchive& ar, const CString& string);
CArchive& AFXAPI operator>>(CArchive& ar, CString& string);

#endif // VELMORA_AFXARCHIVE_H
