// CArchive: buffering, scalars, strings and the persistent object format.
#include "afx.h"

#include <string>
#include <unordered_map>
#include <vector>

#include "AfxArchive.h"
#include "AfxFile.h"

namespace
{
// Tags of the persistent object format. A WORD tag below 0x7FFF is an object index (0 = NULL);
// 0x8000 | n refers to a class already written; 0xFFFF introduces a new class. Indices from
// 0x7FFF on do not fit and are written as 0x7FFF followed by a DWORD, in which the top bit marks a
// class.
const WORD wNullTag = 0;
const WORD wNewClassTag = 0xFFFF;
const WORD wClassTag = 0x8000;
const DWORD dwBigClassTag = 0x80000000;
const WORD wBigObjectTag = 0x7FFF;
const DWORD nMaxMapCount = 0x3FFFFFFE;

// Single bytes must always pass through the buffer (a line reader puts one back), so even a
// caller's tiny buffer is replaced by one of this size.
const int nMinBufSize = 16;

// A file that cannot say how much is left still cannot make us allocate without bound: strings
// from it are read piece by piece.
const UINT nStringChunk = 0x10000;

template <class T> T Smaller(T a, T b)
{
    return a < b ? a : b;
}
} // namespace

struct CArchiveMaps
{
    struct LoadEntry
    {
        void* p;
        bool bClass;
        UINT nSchema;
    };
    std::unordered_map<const void*, DWORD> store;
    std::vector<LoadEntry> load;
};

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize, void* lpBuf)
    : m_pDocument(NULL), m_nObjectSchema((UINT)-1), m_nMode(nMode), m_bUserBuf(FALSE), m_nBufSize(nBufSize),
      m_pFile(pFile), m_lpBufCur(NULL), m_lpBufMax(NULL), m_lpBufStart(NULL), m_bEndOfFile(FALSE),
      m_nMapCount(1), m_pMaps(NULL), m_nReadDepth(0)
{
    ASSERT(pFile != NULL);
    if (lpBuf != NULL && nBufSize >= nMinBufSize)
    {
        m_lpBufStart = (BYTE*)lpBuf;
        m_bUserBuf = TRUE;
    }
    else
    {
        if (m_nBufSize < nMinBufSize)
            m_nBufSize = nMinBufSize;
        m_lpBufStart = new BYTE[m_nBufSize];
    }
    m_lpBufCur = m_lpBufStart;
    // Loading starts with an empty buffer; storing with the whole buffer free.
    m_lpBufMax = IsLoading() ? m_lpBufStart : m_lpBufStart + m_nBufSize;
    try
    {
        if (pFile != NULL)
            m_strFileName = pFile->GetFilePath();
    }
    catch (CException* e)
    {
        e->Delete();
    }
}

CArchive::~CArchive()
{
    // Storing code that relies on the destructor to flush gets its data written; a failure at
    // this point has nobody left to report to, and must not escape a destructor.
    if (m_pFile != NULL && !(m_nMode & bNoFlushOnDelete))
    {
        try
        {
            Close();
        }
        catch (CException* e)
        {
            e->Delete();
        }
        catch (...)
        {
        }
    }
    if (!m_bUserBuf)
        delete[] m_lpBufStart;
    FreeMaps();
}

void CArchive::FreeMaps()
{
    delete m_pMaps;
    m_pMaps = NULL;
}

void CArchive::ThrowArchive(int cause)
{
    AfxThrowArchiveException(cause, m_strFileName.IsEmpty() ? NULL : (LPCTSTR)m_strFileName);
}

void CArchive::NameArchiveException(CException* e) const
{
    // An object's Serialize may throw without knowing the archive's file; the report should
    // still say which file was damaged.
    if (e != NULL && e->IsKindOf(RUNTIME_CLASS(CArchiveException)))
    {
        CArchiveException* pArchiveException = (CArchiveException*)e;
        if (pArchiveException->m_strFileName.IsEmpty())
            pArchiveException->m_strFileName = m_strFileName;
    }
}

BOOL CArchive::IsBufferEmpty() const
{
    return m_lpBufCur == m_lpBufMax;
}

UINT CArchive::GetObjectSchema()
{
    UINT nResult = m_nObjectSchema;
    m_nObjectSchema = (UINT)-1;
    return nResult;
}

/////////////////////////////////////////////////////////////////////////////
// Buffer management

UINT CArchive::Read(void* lpBuf, UINT nMax)
{
    if (nMax == 0)
        return 0;
    if (!IsLoading())
        ThrowArchive(CArchiveException::writeOnly);
    BYTE* pDest = (BYTE*)lpBuf;
    UINT nDone = 0;
    while (nDone < nMax)
    {
        UINT nBuffered = (UINT)(m_lpBufMax - m_lpBufCur);
        if (nBuffered != 0)
        {
            UINT nCopy = Smaller(nBuffered, nMax - nDone);
            memcpy(pDest + nDone, m_lpBufCur, nCopy);
            m_lpBufCur += nCopy;
            nDone += nCopy;
            continue;
        }
        if (m_bEndOfFile || m_pFile == NULL)
            break;
        UINT nLeft = nMax - nDone;
        if (nLeft >= (UINT)m_nBufSize)
        {
            // Large blocks go straight from the file to the caller.
            UINT nRead = m_pFile->Read(pDest + nDone, nLeft);
            if (nRead == 0)
                m_bEndOfFile = TRUE;
            nDone += nRead;
        }
        else
        {
            m_lpBufCur = m_lpBufMax = m_lpBufStart;
            UINT nRead = m_pFile->Read(m_lpBufStart, (UINT)m_nBufSize);
            if (nRead == 0)
                m_bEndOfFile = TRUE;
            m_lpBufMax += nRead;
        }
    }
    return nDone;
}

void CArchive::WriteRaw(const void* lpBuf, UINT nLen)
{
    if (m_pFile == NULL)
        ThrowArchive(CArchiveException::generic);
    const BYTE* pSrc = (const BYTE*)lpBuf;
    while (nLen != 0)
    {
        UINT nRoom = (UINT)(m_lpBufMax - m_lpBufCur);
        if (nRoom == 0)
        {
            m_pFile->Write(m_lpBufStart, (UINT)(m_lpBufCur - m_lpBufStart));
            m_lpBufCur = m_lpBufStart;
            if (nLen >= (UINT)m_nBufSize)
            {
                m_pFile->Write(pSrc, nLen);
                return;
            }
            continue;
        }
        UINT nCopy = Smaller(nRoom, nLen);
        memcpy(m_lpBufCur, pSrc, nCopy);
        m_lpBufCur += nCopy;
        pSrc += nCopy;
        nLen -= nCopy;
    }
}

void CArchive::Write(const void* lpBuf, UINT nMax)
{
    if (nMax == 0)
        return;
    if (IsLoading())
        ThrowArchive(CArchiveException::readOnly);
    WriteRaw(lpBuf, nMax);
}

void CArchive::Flush()
{
    if (m_pFile == NULL)
        return;
    if (IsLoading())
    {
        // Give back what was read ahead, so the file is positioned just after this archive.
        if (m_lpBufMax != m_lpBufCur)
            m_pFile->Seek(-(LONG)(m_lpBufMax - m_lpBufCur), CFile::current);
        m_lpBufCur = m_lpBufMax = m_lpBufStart;
        m_bEndOfFile = FALSE;
    }
    else
    {
        if (m_lpBufCur != m_lpBufStart)
            m_pFile->Write(m_lpBufStart, (UINT)(m_lpBufCur - m_lpBufStart));
        m_lpBufCur = m_lpBufStart;
    }
}

void CArchive::Close()
{
    Flush();
    m_pFile = NULL;
}

void CArchive::Abort()
{
    m_pFile = NULL;
}

ULONGLONG CArchive::GetAvailable(BOOL* pbKnown)
{
    ULONGLONG nBuffered = (ULONGLONG)(m_lpBufMax - m_lpBufCur);
    *pbKnown = FALSE;
    if (m_bEndOfFile || m_pFile == NULL)
    {
        *pbKnown = TRUE;
        return nBuffered;
    }
    try
    {
        DWORD dwLength = m_pFile->GetLength();
        DWORD dwPosition = m_pFile->GetPosition();
        *pbKnown = TRUE;
        return nBuffered + (dwLength > dwPosition ? dwLength - dwPosition : 0);
    }
    catch (CException* e)
    {
        e->Delete();
    }
    return nBuffered;
}

void CArchive::CheckAvailable(ULONGLONG nBytes)
{
    if (!IsLoading())
        ThrowArchive(CArchiveException::writeOnly);
    if ((ULONGLONG)(m_lpBufMax - m_lpBufCur) >= nBytes)
        return;
    BOOL bKnown;
    ULONGLONG nAvailable = GetAvailable(&bKnown);
    if (bKnown && nAvailable < nBytes)
        ThrowArchive(CArchiveException::endOfFile);
}

/////////////////////////////////////////////////////////////////////////////
// Scalars

namespace
{
template <class T> void PutLE(CArchive& ar, T value)
{
    BYTE bytes[sizeof(T)];
    for (size_t i = 0; i < sizeof(T); ++i)
        bytes[i] = (BYTE)((ULONGLONG)value >> (8 * i));
    ar.Write(bytes, sizeof(T));
}

template <class T> T GetLE(CArchive& ar)
{
    BYTE bytes[sizeof(T)];
    if (ar.Read(bytes, sizeof(T)) != sizeof(T))
        AfxThrowArchiveException(CArchiveException::endOfFile,
                                 ar.m_strFileName.IsEmpty() ? NULL : (LPCTSTR)ar.m_strFileName);
    ULONGLONG value = 0;
    for (size_t i = 0; i < sizeof(T); ++i)
        value |= (ULONGLONG)bytes[i] << (8 * i);
    return (T)value;
}
} // namespace

CArchive& CArchive::operator<<(BYTE by)
{
    PutLE<BYTE>(*this, by);
    return *this;
}
CArchive& CArchive::operator<<(WORD w)
{
    PutLE<WORD>(*this, w);
    return *this;
}
CArchive& CArchive::operator<<(LONG l)
{
    PutLE<DWORD>(*this, (DWORD)l);
    return *this;
}
CArchive& CArchive::operator<<(DWORD dw)
{
    PutLE<DWORD>(*this, dw);
    return *this;
}
CArchive& CArchive::operator<<(int i)
{
    PutLE<DWORD>(*this, (DWORD)i);
    return *this;
}
CArchive& CArchive::operator<<(short w)
{
    PutLE<WORD>(*this, (WORD)w);
    return *this;
}
CArchive& CArchive::operator<<(char ch)
{
    PutLE<BYTE>(*this, (BYTE)ch);
    return *this;
}
CArchive& CArchive::operator<<(unsigned u)
{
    PutLE<DWORD>(*this, (DWORD)u);
    return *this;
}
CArchive& CArchive::operator<<(LONGLONG dwdw)
{
    PutLE<ULONGLONG>(*this, (ULONGLONG)dwdw);
    return *this;
}
CArchive& CArchive::operator<<(ULONGLONG dwdw)
{
    PutLE<ULONGLONG>(*this, dwdw);
    return *this;
}

CArchive& CArchive::operator<<(float f)
{
    DWORD bits;
    memcpy(&bits, &f, sizeof(bits));
    PutLE<DWORD>(*this, bits);
    return *this;
}

CArchive& CArchive::operator<<(double d)
{
    ULONGLONG bits;
    memcpy(&bits, &d, sizeof(bits));
    PutLE<ULONGLONG>(*this, bits);
    return *this;
}

CArchive& CArchive::operator>>(BYTE& by)
{
    by = GetLE<BYTE>(*this);
    return *this;
}
CArchive& CArchive::operator>>(WORD& w)
{
    w = GetLE<WORD>(*this);
    return *this;
}
CArchive& CArchive::operator>>(DWORD& dw)
{
    dw = GetLE<DWORD>(*this);
    return *this;
}
CArchive& CArchive::operator>>(LONG& l)
{
    l = (LONG)GetLE<DWORD>(*this);
    return *this;
}
CArchive& CArchive::operator>>(int& i)
{
    i = (int)GetLE<DWORD>(*this);
    return *this;
}
CArchive& CArchive::operator>>(short& w)
{
    w = (short)GetLE<WORD>(*this);
    return *this;
}
CArchive& CArchive::operator>>(char& ch)
{
    ch = (char)GetLE<BYTE>(*this);
    return *this;
}
CArchive& CArchive::operator>>(unsigned& u)
{
    u = (unsigned)GetLE<DWORD>(*this);
    return *this;
}
CArchive& CArchive::operator>>(LONGLONG& dwdw)
{
    dwdw = (LONGLONG)GetLE<ULONGLONG>(*this);
    return *this;
}
CArchive& CArchive::operator>>(ULONGLONG& dwdw)
{
    dwdw = GetLE<ULONGLONG>(*this);
    return *this;
}

CArchive& CArchive::operator>>(float& f)
{
    DWORD bits = GetLE<DWORD>(*this);
    memcpy(&f, &bits, sizeof(f));
    return *this;
}

CArchive& CArchive::operator>>(double& d)
{
    ULONGLONG bits = GetLE<ULONGLONG>(*this);
    memcpy(&d, &bits, sizeof(d));
    return *this;
}

DWORD CArchive::ReadCount()
{
    WORD wCount;
    *this >> wCount;
    if (wCount != 0xFFFF)
        return wCount;
    DWORD dwCount;
    *this >> dwCount;
    return dwCount;
}

void CArchive::WriteCount(DWORD dwCount)
{
    if (dwCount < 0xFFFF)
        *this << (WORD)dwCount;
    else
    {
        *this << (WORD)0xFFFF;
        *this << dwCount;
    }
}

void CArchive::SetStoreParams(UINT, UINT) {}
void CArchive::SetLoadParams(UINT) {}

/////////////////////////////////////////////////////////////////////////////
// Text lines

void CArchive::WriteString(LPCTSTR lpsz)
{
    ASSERT(lpsz != NULL);
    Write(lpsz, (UINT)lstrlen(lpsz) * sizeof(TCHAR));
}

// Reads one line into lpsz, at most nMax - 1 characters so the terminator always fits. The
// line end ("\n" or "\r\n") is consumed and not stored. NULL when nothing was left to read.
LPTSTR CArchive::ReadString(LPTSTR lpsz, UINT nMax)
{
    ASSERT(lpsz != NULL);
    if (nMax == 0)
        return NULL;
    UINT nRead = 0;
    BOOL bAny = FALSE;
    while (nRead + 1 < nMax)
    {
        BYTE ch;
        if (Read(&ch, 1) != 1)
            break;
        bAny = TRUE;
        if (ch == '\n')
            break;
        if (ch == '\r')
        {
            BYTE next;
            if (Read(&next, 1) == 1 && next != '\n')
                --m_lpBufCur; // not a line feed: it belongs to the next line
            break;
        }
        lpsz[nRead++] = (TCHAR)ch;
    }
    lpsz[nRead] = '\0';
    return bAny ? lpsz : NULL;
}

BOOL CArchive::ReadString(CString& rString)
{
    std::string line;
    BOOL bAny = FALSE;
    for (;;)
    {
        BYTE ch;
        if (Read(&ch, 1) != 1)
            break;
        bAny = TRUE;
        if (ch == '\n')
            break;
        if (ch == '\r')
        {
            BYTE next;
            if (Read(&next, 1) == 1 && next != '\n')
                --m_lpBufCur;
            break;
        }
        line += (char)ch;
    }
    rString = CString(line.c_str(), (int)line.size());
    return bAny;
}

/////////////////////////////////////////////////////////////////////////////
// Strings

CArchive& AFXAPI operator<<(CArchive& ar, const CString& string)
{
    DWORD nLen = (DWORD)string.GetLength();
    if (nLen < 0xFF)
        ar << (BYTE)nLen;
    else if (nLen < 0xFFFE)
    {
        ar << (BYTE)0xFF;
        ar << (WORD)nLen;
    }
    else
    {
        ar << (BYTE)0xFF;
        ar << (WORD)0xFFFF;
        ar << nLen;
    }
    ar.Write((LPCTSTR)string, nLen * sizeof(TCHAR));
    return ar;
}

namespace
{
// The length that follows the first prefix byte (already known to be 0xFF).
DWORD ReadLongLength(CArchive& ar, WORD wLen)
{
    if (wLen != 0xFFFF)
        return wLen;
    DWORD dwLen;
    ar >> dwLen;
    return dwLen;
}

void ReadBytes(CArchive& ar, std::string& out, ULONGLONG nBytes)
{
    ar.CheckAvailable(nBytes);
    out.clear();
    while (nBytes != 0)
    {
        UINT nChunk = (UINT)Smaller(nBytes, (ULONGLONG)nStringChunk);
        size_t nOld = out.size();
        out.resize(nOld + nChunk);
        if (ar.Read(&out[nOld], nChunk) != nChunk)
            AfxThrowArchiveException(CArchiveException::endOfFile,
                                     ar.m_strFileName.IsEmpty() ? NULL : (LPCTSTR)ar.m_strFileName);
        nBytes -= nChunk;
    }
}
} // namespace

CArchive& AFXAPI operator>>(CArchive& ar, CString& string)
{
    string.Empty();
    BYTE bLen;
    ar >> bLen;
    DWORD nLen = bLen;
    BOOL bWide = FALSE;
    if (bLen == 0xFF)
    {
        WORD wLen;
        ar >> wLen;
        if (wLen == 0xFFFE)
        {
            // A wide-character string: the marker is followed by the length in the usual form.
            bWide = TRUE;
            ar >> bLen;
            nLen = bLen;
            if (bLen == 0xFF)
            {
                ar >> wLen;
                nLen = ReadLongLength(ar, wLen);
            }
        }
        else
            nLen = ReadLongLength(ar, wLen);
    }

    std::string bytes;
    ReadBytes(ar, bytes, (ULONGLONG)nLen * (bWide ? sizeof(WCHAR) : 1));
    if (!bWide)
    {
        if (bytes.size() > (size_t)INT_MAX)
            AfxThrowMemoryException();
        string = CString(bytes.data(), (int)bytes.size());
        return ar;
    }
    int nWide = (int)(bytes.size() / sizeof(WCHAR));
    if (nWide == 0)
        return ar;
    std::vector<WCHAR> wide(nWide);
    for (int i = 0; i < nWide; ++i)
        wide[i] = (WCHAR)((BYTE)bytes[2 * i] | ((BYTE)bytes[2 * i + 1] << 8));
    int nAnsi = WideCharToMultiByte(CP_ACP, 0, wide.data(), nWide, NULL, 0, NULL, NULL);
    if (nAnsi > 0)
    {
        LPTSTR p = string.GetBufferSetLength(nAnsi);
        WideCharToMultiByte(CP_ACP, 0, wide.data(), nWide, p, nAnsi, NULL, NULL);
        string.ReleaseBuffer(nAnsi);
    }
    return ar;
}

/////////////////////////////////////////////////////////////////////////////
// Objects and classes

DWORD CArchive::NextMapIndex()
{
    if (m_nMapCount >= nMaxMapCount)
        ThrowArchive(CArchiveException::badIndex);
    return m_nMapCount++;
}

void CArchive::MapObject(const CObject* pOb)
{
    if (m_pMaps == NULL)
    {
        m_pMaps = new CArchiveMaps;
        m_pMaps->load.push_back({NULL, false, 0});
    }
    if (IsStoring())
    {
        if (pOb != NULL && m_pMaps->store.find(pOb) == m_pMaps->store.end())
            m_pMaps->store[pOb] = NextMapIndex();
    }
    else
    {
        NextMapIndex();
        m_pMaps->load.push_back({(void*)pOb, false, 0});
    }
}

void CArchive::WriteClass(const CRuntimeClass* pClassRef)
{
    ASSERT(pClassRef != NULL);
    if (IsLoading())
        ThrowArchive(CArchiveException::readOnly);
    if (pClassRef->m_wSchema == 0xFFFF)
    {
        TRACE1("Cannot store %hs: the class is not serialisable.\n", pClassRef->m_lpszClassName);
        ThrowArchive(CArchiveException::badClass);
    }
    if (m_pMaps == NULL)
    {
        m_pMaps = new CArchiveMaps;
        m_pMaps->load.push_back({NULL, false, 0});
    }
    auto it = m_pMaps->store.find(pClassRef);
    if (it != m_pMaps->store.end())
    {
        DWORD nClassIndex = it->second;
        if (nClassIndex < wBigObjectTag)
            *this << (WORD)(wClassTag | nClassIndex);
        else
        {
            *this << wBigObjectTag;
            *this << (DWORD)(dwBigClassTag | nClassIndex);
        }
        return;
    }
    size_t nLen = strlen(pClassRef->m_lpszClassName);
    if (nLen > 0xFFFF)
        ThrowArchive(CArchiveException::badClass);
    *this << wNewClassTag;
    *this << (WORD)pClassRef->m_wSchema;
    *this << (WORD)nLen;
    Write(pClassRef->m_lpszClassName, (UINT)nLen);
    m_pMaps->store[pClassRef] = NextMapIndex();
}

void CArchive::WriteObject(const CObject* pOb)
{
    if (IsLoading())
        ThrowArchive(CArchiveException::readOnly);
    if (pOb == NULL)
    {
        *this << wNullTag;
        return;
    }
    if (m_pMaps != NULL)
    {
        auto it = m_pMaps->store.find(pOb);
        if (it != m_pMaps->store.end())
        {
            DWORD nObIndex = it->second;
            if (nObIndex < wBigObjectTag)
                *this << (WORD)nObIndex;
            else
            {
                *this << wBigObjectTag;
                *this << nObIndex;
            }
            return;
        }
    }
    WriteClass(pOb->GetRuntimeClass());
    // Entered before its data, so pointers back to it from inside Serialize become references.
    m_pMaps->store[pOb] = NextMapIndex();
    try
    {
        const_cast<CObject*>(pOb)->Serialize(*this);
    }
    catch (CException* e)
    {
        NameArchiveException(e);
        throw;
    }
}

CRuntimeClass* CArchive::ReadClass(const CRuntimeClass* pClassRefRequested, UINT* pSchema, DWORD* pObTag)
{
    if (!IsLoading())
        ThrowArchive(CArchiveException::writeOnly);
    if (m_pMaps == NULL)
    {
        m_pMaps = new CArchiveMaps;
        m_pMaps->load.push_back({NULL, false, 0});
    }

    WORD wTag;
    *this >> wTag;
    DWORD obTag;
    if (wTag == wBigObjectTag)
        *this >> obTag;
    else
        obTag = ((DWORD)(wTag & wClassTag) << 16) | (wTag & ~wClassTag);

    if (!(obTag & dwBigClassTag))
    {
        if (pObTag == NULL)
            ThrowArchive(CArchiveException::badIndex);
        *pObTag = obTag;
        return NULL;
    }

    CRuntimeClass* pClassRef;
    UINT nSchema;
    if (wTag == wNewClassTag)
    {
        WORD wSchema, nLen;
        *this >> wSchema;
        *this >> nLen;
        std::string name;
        ReadBytes(*this, name, nLen);
        pClassRef = NULL;
        if (nLen != 0 && name.find('\0') == std::string::npos)
            pClassRef = CRuntimeClass::FromName(name.c_str());
        if (pClassRef == NULL || pClassRef->m_wSchema == 0xFFFF || pClassRef->m_pfnCreateObject == NULL)
        {
            TRACE1("Cannot load %hs from the archive: no such serialisable class.\n", name.c_str());
            ThrowArchive(CArchiveException::badClass);
        }
        if ((pClassRef->m_wSchema & ~VERSIONABLE_SCHEMA) != wSchema &&
            !(pClassRef->m_wSchema & VERSIONABLE_SCHEMA))
            ThrowArchive(CArchiveException::badSchema);
        nSchema = wSchema;
        NextMapIndex();
        m_pMaps->load.push_back({pClassRef, true, nSchema});
    }
    else
    {
        DWORD nClassIndex = obTag & ~dwBigClassTag;
        if (nClassIndex == 0 || nClassIndex >= m_pMaps->load.size() || !m_pMaps->load[nClassIndex].bClass)
            ThrowArchive(CArchiveException::badIndex);
        pClassRef = (CRuntimeClass*)m_pMaps->load[nClassIndex].p;
        nSchema = m_pMaps->load[nClassIndex].nSchema;
    }

    if (pClassRefRequested != NULL && !pClassRef->IsDerivedFrom(pClassRefRequested))
        ThrowArchive(CArchiveException::badClass);

    if (pSchema != NULL)
        *pSchema = nSchema;
    else
        m_nObjectSchema = nSchema;
    if (pObTag != NULL)
        *pObTag = obTag;
    return pClassRef;
}

void CArchive::SerializeClass(const CRuntimeClass* pClassRef)
{
    if (IsStoring())
        WriteClass(pClassRef);
    else
        ReadClass(pClassRef);
}

CObject* CArchive::ReadObject(const CRuntimeClass* pClassRefRequested)
{
    UINT nSchema = 0;
    DWORD obTag = 0;
    CRuntimeClass* pClassRef = ReadClass(pClassRefRequested, &nSchema, &obTag);
    if (pClassRef == NULL)
    {
        if (obTag >= m_pMaps->load.size() || m_pMaps->load[obTag].bClass)
            ThrowArchive(CArchiveException::badIndex);
        CObject* pOb = (CObject*)m_pMaps->load[obTag].p;
        if (pOb != NULL && pClassRefRequested != NULL && !pOb->IsKindOf(pClassRefRequested))
            ThrowArchive(CArchiveException::badClass);
        return pOb;
    }

    // Far beyond any object the programs store, far short of what the stack holds.
    const UINT nMaxReadDepth = 256;
    if (m_nReadDepth >= nMaxReadDepth)
        ThrowArchive(CArchiveException::badIndex);
    CObject* pOb = pClassRef->CreateObject();
    if (pOb == NULL)
        AfxThrowMemoryException();
    // Entered before its data, so references to it from inside its own data resolve.
    NextMapIndex();
    size_t nEntry = m_pMaps->load.size();
    m_pMaps->load.push_back({pOb, false, 0});
    UINT nSchemaSave = m_nObjectSchema;
    m_nObjectSchema = nSchema;
    m_nReadDepth++;
    try
    {
        pOb->Serialize(*this);
    }
    catch (CException* e)
    {
        m_nReadDepth--;
        // Nobody but this reader has the half-read object yet; a later reference to it finds
        // nothing rather than freed memory.
        m_pMaps->load[nEntry].p = NULL;
        delete pOb;
        m_nObjectSchema = nSchemaSave;
        NameArchiveException(e);
        throw;
    }
    m_nReadDepth--;
    m_nObjectSchema = nSchemaSave;
    return pOb;
}

CArchive& AFXAPI operator<<(CArchive& ar, const CObject* pOb)
{
    ar.WriteObject(pOb);
    return ar;
}

CArchive& AFXAPI operator>>(CArchive& ar, CObject*& pOb)
{
    pOb = ar.ReadObject(NULL);
    return ar;
}

CArchive& AFXAPI operator>>(CArchive& ar, const CObject*& pOb)
{
    pOb = ar.ReadObject(NULL);
    return ar;
}
