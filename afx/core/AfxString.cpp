// CString: allocation, editing, searching and formatting.
#include "afx.h"

#include <ctype.h>
#include <limits.h>

// The shared empty string: a header with no room, followed by its terminator. It is never
// freed and never written through the public interface.
static struct
{
    CStringData data;
    TCHAR ch[4];
} s_emptyString = {{-1, 0, 0}, {0, 0, 0, 0}};

static inline const unsigned char* MB(LPCTSTR p)
{
    return (const unsigned char*)p;
}
static inline unsigned char* MB(LPTSTR p)
{
    return (unsigned char*)p;
}

// Characters (single or double byte) compare through their full code so a trail byte is never
// mistaken for a character of its own.
static inline BOOL IsSpaceChar(unsigned int c)
{
    return c < 0x100 && isspace((int)c);
}

static inline BOOL IsInSet(LPCTSTR lpszSet, unsigned int c)
{
    return _mbschr(MB(lpszSet), c) != NULL && c != 0;
}

int CString::SafeStrlen(LPCTSTR lpsz)
{
    return lpsz == NULL ? 0 : (int)strlen(lpsz);
}

void CString::Init()
{
    m_pchData = s_emptyString.data.data();
}

void CString::FreeData(CStringData* pData)
{
    if (pData != &s_emptyString.data)
        free(pData);
}

void CString::AllocBuffer(int nLen)
{
    if (nLen <= 0)
    {
        Init();
        return;
    }
    if (nLen > INT_MAX - (int)sizeof(CStringData) - 1)
        AfxThrowMemoryException();
    CStringData* pData = (CStringData*)malloc(sizeof(CStringData) + nLen + 1);
    if (pData == NULL)
        AfxThrowMemoryException();
    pData->nRefs = 1;
    pData->nDataLength = nLen;
    pData->nAllocLength = nLen;
    pData->data()[nLen] = '\0';
    m_pchData = pData->data();
}

void CString::Release()
{
    FreeData(GetData());
    Init();
}

void CString::AllocBeforeWrite(int nLen)
{
    if (nLen > GetData()->nAllocLength)
    {
        Release();
        AllocBuffer(nLen);
    }
}

void CString::AssignCopy(int nSrcLen, LPCTSTR lpszSrcData)
{
    if (nSrcLen <= 0)
    {
        Empty();
        return;
    }
    // The source may lie inside this string's own block (s = (LPCTSTR)s + n): a reallocation
    // would free it first, so copy it out in that case.
    if (nSrcLen > GetData()->nAllocLength)
    {
        CString strTemp;
        strTemp.AllocBuffer(nSrcLen);
        memcpy(strTemp.m_pchData, lpszSrcData, nSrcLen);
        Release();
        m_pchData = strTemp.m_pchData;
        strTemp.Init();
        return;
    }
    memmove(m_pchData, lpszSrcData, nSrcLen);
    GetData()->nDataLength = nSrcLen;
    m_pchData[nSrcLen] = '\0';
}

void CString::ConcatCopy(int nSrc1Len, LPCTSTR lpszSrc1Data, int nSrc2Len, LPCTSTR lpszSrc2Data)
{
    long long nNewLen = (long long)nSrc1Len + nSrc2Len;
    if (nNewLen > INT_MAX / 2)
        AfxThrowMemoryException();
    if (nNewLen == 0)
    {
        Init();
        return;
    }
    AllocBuffer((int)nNewLen);
    if (nSrc1Len > 0)
        memcpy(m_pchData, lpszSrc1Data, nSrc1Len);
    if (nSrc2Len > 0)
        memcpy(m_pchData + nSrc1Len, lpszSrc2Data, nSrc2Len);
}

void CString::ConcatInPlace(int nSrcLen, LPCTSTR lpszSrcData)
{
    if (nSrcLen <= 0)
        return;
    CStringData* pOldData = GetData();
    long long nNewLen = (long long)pOldData->nDataLength + nSrcLen;
    if (nNewLen > INT_MAX / 2)
        AfxThrowMemoryException();
    if (nNewLen > pOldData->nAllocLength)
    {
        // Grow by half again so repeated appends stay linear; the source may be this string.
        int nAlloc = (int)nNewLen + (int)(nNewLen / 2);
        CString strNew;
        strNew.AllocBuffer(nAlloc);
        memcpy(strNew.m_pchData, m_pchData, pOldData->nDataLength);
        memcpy(strNew.m_pchData + pOldData->nDataLength, lpszSrcData, nSrcLen);
        strNew.GetData()->nDataLength = (int)nNewLen;
        strNew.m_pchData[nNewLen] = '\0';
        Release();
        m_pchData = strNew.m_pchData;
        strNew.Init();
    }
    else
    {
        memmove(m_pchData + pOldData->nDataLength, lpszSrcData, nSrcLen);
        pOldData->nDataLength = (int)nNewLen;
        m_pchData[nNewLen] = '\0';
    }
}

// Construction

CString::CString()
{
    Init();
}

CString::CString(const CString& stringSrc)
{
    Init();
    AssignCopy(stringSrc.GetLength(), stringSrc.m_pchData);
}

CString::CString(CString&& stringSrc) noexcept
{
    m_pchData = stringSrc.m_pchData;
    stringSrc.Init();
}

CString::CString(TCHAR ch, int nRepeat)
{
    Init();
    if (nRepeat >= 1)
    {
        AllocBuffer(nRepeat);
        memset(m_pchData, ch, nRepeat);
    }
}

CString::CString(LPCSTR lpsz)
{
    Init();
    if (lpsz != NULL && HIWORD((DWORD_PTR)lpsz) == 0)
        LoadString(LOWORD((DWORD_PTR)lpsz));
    else
        AssignCopy(SafeStrlen(lpsz), lpsz);
}

CString::CString(const unsigned char* psz)
{
    Init();
    *this = (LPCSTR)psz;
}

CString::CString(LPCWSTR lpsz)
{
    Init();
    *this = lpsz;
}

CString::CString(LPCTSTR lpch, int nLength)
{
    Init();
    if (lpch != NULL && nLength > 0)
    {
        AllocBuffer(nLength);
        memcpy(m_pchData, lpch, nLength);
    }
}

CString::~CString()
{
    FreeData(GetData());
}

void CString::Empty()
{
    Release();
}

TCHAR CString::GetAt(int nIndex) const
{
    if (nIndex < 0 || nIndex > GetLength())
        return '\0';
    return m_pchData[nIndex];
}

void CString::SetAt(int nIndex, TCHAR ch)
{
    if (nIndex >= 0 && nIndex < GetLength())
        m_pchData[nIndex] = ch;
}

// Assignment

const CString& CString::operator=(const CString& stringSrc)
{
    if (this != &stringSrc)
        AssignCopy(stringSrc.GetLength(), stringSrc.m_pchData);
    return *this;
}

const CString& CString::operator=(CString&& stringSrc) noexcept
{
    if (this != &stringSrc)
    {
        FreeData(GetData());
        m_pchData = stringSrc.m_pchData;
        stringSrc.Init();
    }
    return *this;
}

const CString& CString::operator=(TCHAR ch)
{
    AssignCopy(1, &ch);
    return *this;
}

const CString& CString::operator=(LPCSTR lpsz)
{
    AssignCopy(SafeStrlen(lpsz), lpsz);
    return *this;
}

const CString& CString::operator=(const unsigned char* psz)
{
    return *this = (LPCSTR)psz;
}

const CString& CString::operator=(LPCWSTR lpsz)
{
    int nSrcLen = lpsz != NULL ? (int)wcslen(lpsz) : 0;
    if (nSrcLen == 0)
    {
        Empty();
        return *this;
    }
    int nLen = WideCharToMultiByte(CP_ACP, 0, lpsz, nSrcLen, NULL, 0, NULL, NULL);
    CString strTemp;
    strTemp.AllocBuffer(nLen);
    WideCharToMultiByte(CP_ACP, 0, lpsz, nSrcLen, strTemp.m_pchData, nLen, NULL, NULL);
    return *this = static_cast<CString&&>(strTemp);
}

// Concatenation

const CString& CString::operator+=(const CString& string)
{
    ConcatInPlace(string.GetLength(), string.m_pchData);
    return *this;
}

const CString& CString::operator+=(TCHAR ch)
{
    ConcatInPlace(1, &ch);
    return *this;
}

const CString& CString::operator+=(LPCTSTR lpsz)
{
    ConcatInPlace(SafeStrlen(lpsz), lpsz);
    return *this;
}

CString AFXAPI operator+(const CString& string1, const CString& string2)
{
    CString s;
    s.ConcatCopy(string1.GetLength(), string1.m_pchData, string2.GetLength(), string2.m_pchData);
    return s;
}

CString AFXAPI operator+(const CString& string, TCHAR ch)
{
    CString s;
    s.ConcatCopy(string.GetLength(), string.m_pchData, 1, &ch);
    return s;
}

CString AFXAPI operator+(TCHAR ch, const CString& string)
{
    CString s;
    s.ConcatCopy(1, &ch, string.GetLength(), string.m_pchData);
    return s;
}

CString AFXAPI operator+(const CString& string, LPCTSTR lpsz)
{
    CString s;
    s.ConcatCopy(string.GetLength(), string.m_pchData, CString::SafeStrlen(lpsz), lpsz);
    return s;
}

CString AFXAPI operator+(LPCTSTR lpsz, const CString& string)
{
    CString s;
    s.ConcatCopy(CString::SafeStrlen(lpsz), lpsz, string.GetLength(), string.m_pchData);
    return s;
}

// Comparison

static LPCTSTR NonNull(LPCTSTR lpsz)
{
    return lpsz != NULL ? lpsz : "";
}

int CString::Compare(LPCTSTR lpsz) const
{
    return _mbscmp(MB(m_pchData), MB(NonNull(lpsz)));
}

int CString::CompareNoCase(LPCTSTR lpsz) const
{
    return _mbsicmp(MB(m_pchData), MB(NonNull(lpsz)));
}

int CString::Collate(LPCTSTR lpsz) const
{
    return _mbscoll(MB(m_pchData), MB(NonNull(lpsz)));
}

int CString::CollateNoCase(LPCTSTR lpsz) const
{
    return _mbsicoll(MB(m_pchData), MB(NonNull(lpsz)));
}

bool AFXAPI operator==(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) == 0;
}
bool AFXAPI operator==(const CString& s1, LPCTSTR s2)
{
    return s1.Compare(s2) == 0;
}
bool AFXAPI operator==(LPCTSTR s1, const CString& s2)
{
    return s2.Compare(s1) == 0;
}
bool AFXAPI operator!=(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) != 0;
}
bool AFXAPI operator!=(const CString& s1, LPCTSTR s2)
{
    return s1.Compare(s2) != 0;
}
bool AFXAPI operator!=(LPCTSTR s1, const CString& s2)
{
    return s2.Compare(s1) != 0;
}
bool AFXAPI operator<(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) < 0;
}
bool AFXAPI operator<(const CString& s1, LPCTSTR s2)
{
    return s1.Compare(s2) < 0;
}
bool AFXAPI operator<(LPCTSTR s1, const CString& s2)
{
    return s2.Compare(s1) > 0;
}
bool AFXAPI operator>(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) > 0;
}
bool AFXAPI operator>(const CString& s1, LPCTSTR s2)
{
    return s1.Compare(s2) > 0;
}
bool AFXAPI operator>(LPCTSTR s1, const CString& s2)
{
    return s2.Compare(s1) < 0;
}
bool AFXAPI operator<=(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) <= 0;
}
bool AFXAPI operator<=(const CString& s1, LPCTSTR s2)
{
    return s1.Compare(s2) <= 0;
}
bool AFXAPI operator<=(LPCTSTR s1, const CString& s2)
{
    return s2.Compare(s1) >= 0;
}
bool AFXAPI operator>=(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) >= 0;
}
bool AFXAPI operator>=(const CString& s1, LPCTSTR s2)
{
    return s1.Compare(s2) >= 0;
}
bool AFXAPI operator>=(LPCTSTR s1, const CString& s2)
{
    return s2.Compare(s1) <= 0;
}

// Extraction

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, GetLength() - (nFirst < 0 ? 0 : nFirst));
}

CString CString::Mid(int nFirst, int nCount) const
{
    int nLen = GetLength();
    if (nFirst < 0)
        nFirst = 0;
    if (nCount < 0)
        nCount = 0;
    if (nFirst > nLen)
        nFirst = nLen;
    if ((long long)nFirst + nCount > nLen)
        nCount = nLen - nFirst;
    return CString(m_pchData + nFirst, nCount);
}

CString CString::Left(int nCount) const
{
    if (nCount < 0)
        nCount = 0;
    if (nCount > GetLength())
        nCount = GetLength();
    return CString(m_pchData, nCount);
}

CString CString::Right(int nCount) const
{
    if (nCount < 0)
        nCount = 0;
    if (nCount > GetLength())
        nCount = GetLength();
    return CString(m_pchData + GetLength() - nCount, nCount);
}

CString CString::SpanIncluding(LPCTSTR lpszCharSet) const
{
    return Left((int)_mbsspn(MB(m_pchData), MB(NonNull(lpszCharSet))));
}

CString CString::SpanExcluding(LPCTSTR lpszCharSet) const
{
    return Left((int)_mbscspn(MB(m_pchData), MB(NonNull(lpszCharSet))));
}

// Case and order

void CString::MakeUpper()
{
    _mbsupr(MB(m_pchData));
}

void CString::MakeLower()
{
    _mbslwr(MB(m_pchData));
}

void CString::MakeReverse()
{
    _mbsrev(MB(m_pchData));
}

// Modification

int CString::Replace(TCHAR chOld, TCHAR chNew)
{
    if (chOld == chNew || IsEmpty())
        return 0;
    int nCount = 0;
    LPTSTR pEnd = m_pchData + GetLength();
    for (LPTSTR p = m_pchData; p < pEnd; p = (LPTSTR)_mbsinc(MB(p)))
    {
        if (*p == chOld && !_ismbblead((unsigned char)*p))
        {
            *p = chNew;
            ++nCount;
        }
    }
    return nCount;
}

int CString::Replace(LPCTSTR lpszOld, LPCTSTR lpszNew)
{
    int nOldLen = SafeStrlen(lpszOld);
    if (nOldLen == 0 || IsEmpty())
        return 0;
    int nNewLen = SafeStrlen(lpszNew);
    int nCount = 0;
    CString strResult;
    LPCTSTR pStart = m_pchData;
    LPCTSTR pEnd = m_pchData + GetLength();
    LPCTSTR pFound;
    while (pStart < pEnd && (pFound = (LPCTSTR)_mbsstr(MB(pStart), MB(lpszOld))) != NULL)
    {
        strResult.ConcatInPlace((int)(pFound - pStart), pStart);
        strResult.ConcatInPlace(nNewLen, lpszNew);
        pStart = pFound + nOldLen;
        ++nCount;
    }
    if (nCount == 0)
        return 0;
    strResult.ConcatInPlace((int)(pEnd - pStart), pStart);
    *this = static_cast<CString&&>(strResult);
    return nCount;
}

int CString::Remove(TCHAR chRemove)
{
    LPTSTR pSource = m_pchData;
    LPTSTR pDest = m_pchData;
    LPTSTR pEnd = m_pchData + GetLength();
    while (pSource < pEnd)
    {
        LPTSTR pNext = (LPTSTR)_mbsinc(MB(pSource));
        if (pNext > pEnd)
            pNext = pEnd;
        if (!(*pSource == chRemove && pNext == pSource + 1))
        {
            while (pSource < pNext)
                *pDest++ = *pSource++;
        }
        pSource = pNext;
    }
    int nCount = (int)(pEnd - pDest);
    if (nCount > 0)
    {
        *pDest = '\0';
        GetData()->nDataLength -= nCount;
    }
    return nCount;
}

int CString::Insert(int nIndex, TCHAR ch)
{
    return Insert(nIndex, CString(ch, 1));
}

int CString::Insert(int nIndex, LPCTSTR pstr)
{
    int nInsertLen = SafeStrlen(pstr);
    int nLen = GetLength();
    if (nInsertLen == 0)
        return nLen;
    if (nIndex < 0)
        nIndex = 0;
    if (nIndex > nLen)
        nIndex = nLen;
    CString strResult;
    strResult.ConcatCopy(nIndex, m_pchData, nInsertLen, pstr);
    strResult.ConcatInPlace(nLen - nIndex, m_pchData + nIndex);
    *this = static_cast<CString&&>(strResult);
    return GetLength();
}

int CString::Delete(int nIndex, int nCount)
{
    int nLen = GetLength();
    if (nIndex < 0)
        nIndex = 0;
    if (nCount > 0 && nIndex < nLen)
    {
        if (nCount > nLen - nIndex)
            nCount = nLen - nIndex;
        memmove(m_pchData + nIndex, m_pchData + nIndex + nCount, nLen - nIndex - nCount + 1);
        GetData()->nDataLength = nLen - nCount;
    }
    return GetLength();
}

// Trimming. Both directions walk characters from the front, since a trail byte cannot be
// recognised walking backwards.

template <class Pred> static void TrimRightWhere(LPTSTR psz, int& nLength, Pred inSet)
{
    LPTSTR pLast = NULL;
    LPTSTR pEnd = psz + nLength;
    for (LPTSTR p = psz; p < pEnd; p = (LPTSTR)_mbsinc(MB(p)))
    {
        if (inSet(_mbsnextc(MB(p))))
        {
            if (pLast == NULL)
                pLast = p;
        }
        else
            pLast = NULL;
    }
    if (pLast != NULL)
    {
        *pLast = '\0';
        nLength = (int)(pLast - psz);
    }
}

template <class Pred> static int TrimLeftCount(LPCTSTR psz, int nLength, Pred inSet)
{
    LPCTSTR p = psz;
    LPCTSTR pEnd = psz + nLength;
    while (p < pEnd && inSet(_mbsnextc(MB(p))))
        p = (LPCTSTR)_mbsinc(MB(p));
    return (int)((p < pEnd ? p : pEnd) - psz);
}

void CString::TrimRight()
{
    if (IsEmpty())
        return;
    TrimRightWhere(m_pchData, GetData()->nDataLength, [](unsigned int c) { return IsSpaceChar(c); });
}

void CString::TrimRight(TCHAR chTarget)
{
    if (IsEmpty())
        return;
    TrimRightWhere(m_pchData, GetData()->nDataLength,
                   [chTarget](unsigned int c) { return c == (unsigned char)chTarget; });
}

void CString::TrimRight(LPCTSTR lpszTargets)
{
    if (IsEmpty() || SafeStrlen(lpszTargets) == 0)
        return;
    TrimRightWhere(m_pchData, GetData()->nDataLength,
                   [lpszTargets](unsigned int c) { return IsInSet(lpszTargets, c); });
}

void CString::TrimLeft()
{
    Delete(0, TrimLeftCount(m_pchData, GetLength(), [](unsigned int c) { return IsSpaceChar(c); }));
}

void CString::TrimLeft(TCHAR chTarget)
{
    Delete(0, TrimLeftCount(m_pchData, GetLength(),
                            [chTarget](unsigned int c) { return c == (unsigned char)chTarget; }));
}

void CString::TrimLeft(LPCTSTR lpszTargets)
{
    if (SafeStrlen(lpszTargets) == 0)
        return;
    Delete(0, TrimLeftCount(m_pchData, GetLength(),
                            [lpszTargets](unsigned int c) { return IsInSet(lpszTargets, c); }));
}

// Searching

int CString::Find(TCHAR ch) const
{
    return Find(ch, 0);
}

int CString::Find(TCHAR ch, int nStart) const
{
    if (nStart < 0)
        nStart = 0;
    if (nStart >= GetLength() || ch == '\0')
        return -1;
    LPCTSTR p = (LPCTSTR)_mbschr(MB(m_pchData + nStart), (unsigned char)ch);
    return p == NULL ? -1 : (int)(p - m_pchData);
}

int CString::Find(LPCTSTR lpszSub) const
{
    return Find(lpszSub, 0);
}

int CString::Find(LPCTSTR lpszSub, int nStart) const
{
    if (lpszSub == NULL)
        return -1;
    if (nStart < 0)
        nStart = 0;
    if (nStart > GetLength())
        return -1;
    LPCTSTR p = (LPCTSTR)_mbsstr(MB(m_pchData + nStart), MB(lpszSub));
    return p == NULL ? -1 : (int)(p - m_pchData);
}

int CString::ReverseFind(TCHAR ch) const
{
    if (ch == '\0')
        return -1;
    LPCTSTR p = (LPCTSTR)_mbsrchr(MB(m_pchData), (unsigned char)ch);
    return p == NULL ? -1 : (int)(p - m_pchData);
}

int CString::FindOneOf(LPCTSTR lpszCharSet) const
{
    if (SafeStrlen(lpszCharSet) == 0)
        return -1;
    LPCTSTR p = (LPCTSTR)_mbspbrk(MB(m_pchData), MB(lpszCharSet));
    return p == NULL ? -1 : (int)(p - m_pchData);
}

// Formatting

void CString::FormatV(LPCTSTR lpszFormat, va_list argList)
{
    if (lpszFormat == NULL)
    {
        Empty();
        return;
    }
    // Measure first so results of any length come out whole.
    va_list argCount;
    va_copy(argCount, argList);
    int nLen = _vscprintf(lpszFormat, argCount);
    va_end(argCount);
    if (nLen <= 0)
    {
        Empty();
        return;
    }
    CString strResult;
    strResult.AllocBuffer(nLen);
    va_list argWrite;
    va_copy(argWrite, argList);
    int nWritten = _vsnprintf(strResult.m_pchData, nLen + 1, lpszFormat, argWrite);
    va_end(argWrite);
    if (nWritten < 0 || nWritten > nLen)
        nWritten = nLen;
    strResult.m_pchData[nWritten] = '\0';
    strResult.GetData()->nDataLength = nWritten;
    *this = static_cast<CString&&>(strResult);
}

void AFX_CDECL CString::Format(LPCTSTR lpszFormat, ...)
{
    va_list argList;
    va_start(argList, lpszFormat);
    FormatV(lpszFormat, argList);
    va_end(argList);
}

void AFX_CDECL CString::Format(UINT nFormatID, ...)
{
    CString strFormat;
    strFormat.LoadString(nFormatID);
    va_list argList;
    va_start(argList, nFormatID);
    FormatV(strFormat, argList);
    va_end(argList);
}

static void FormatMessageV(CString& rString, LPCTSTR lpszFormat, va_list* pArgList)
{
    LPTSTR lpszTemp = NULL;
    DWORD nLen = ::FormatMessageA(FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ALLOCATE_BUFFER, lpszFormat, 0,
                                  0, (LPTSTR)&lpszTemp, 0, pArgList);
    if (nLen == 0 || lpszTemp == NULL)
        rString.Empty();
    else
        rString = CString(lpszTemp, (int)nLen);
    if (lpszTemp != NULL)
        LocalFree(lpszTemp);
}

void AFX_CDECL CString::FormatMessage(LPCTSTR lpszFormat, ...)
{
    va_list argList;
    va_start(argList, lpszFormat);
    FormatMessageV(*this, lpszFormat, &argList);
    va_end(argList);
}

void AFX_CDECL CString::FormatMessage(UINT nFormatID, ...)
{
    CString strFormat;
    strFormat.LoadString(nFormatID);
    va_list argList;
    va_start(argList, nFormatID);
    FormatMessageV(*this, strFormat, &argList);
    va_end(argList);
}

void CString::AnsiToOem()
{
    ::CharToOemA(m_pchData, m_pchData);
}

void CString::OemToAnsi()
{
    ::OemToCharA(m_pchData, m_pchData);
}

// Resources

BOOL CString::LoadString(UINT nID)
{
    // String resources hold at most 65535 characters; grow until the text fits.
    for (int nSize = 256; nSize <= 65536; nSize *= 2)
    {
        CString strTemp;
        LPTSTR p = strTemp.GetBuffer(nSize);
        int nLen = ::LoadStringA(AfxGetResourceHandle(), nID, p, nSize + 1);
        if (nLen <= 0)
        {
            Empty();
            return FALSE;
        }
        if (nLen < nSize)
        {
            strTemp.ReleaseBuffer(nLen);
            *this = strTemp;
            return TRUE;
        }
    }
    Empty();
    return FALSE;
}

int AFXAPI AfxLoadString(UINT nIDS, LPTSTR lpszBuf, UINT nMaxBuf)
{
    if (lpszBuf == NULL || nMaxBuf == 0)
        return 0;
    int nLen = ::LoadStringA(AfxGetResourceHandle(), nIDS, lpszBuf, (int)nMaxBuf);
    if (nLen <= 0)
    {
        lpszBuf[0] = '\0';
        return 0;
    }
    return nLen;
}

// OLE strings

BSTR CString::AllocSysString() const
{
    int nLen = MultiByteToWideChar(CP_ACP, 0, m_pchData, GetLength(), NULL, 0);
    BSTR bstr = ::SysAllocStringLen(NULL, nLen);
    if (bstr == NULL)
        AfxThrowMemoryException();
    if (nLen > 0)
        MultiByteToWideChar(CP_ACP, 0, m_pchData, GetLength(), bstr, nLen);
    bstr[nLen] = 0;
    return bstr;
}

BSTR CString::SetSysString(BSTR* pbstr) const
{
    int nLen = MultiByteToWideChar(CP_ACP, 0, m_pchData, GetLength(), NULL, 0);
    if (!::SysReAllocStringLen(pbstr, NULL, nLen))
        AfxThrowMemoryException();
    if (nLen > 0)
        MultiByteToWideChar(CP_ACP, 0, m_pchData, GetLength(), *pbstr, nLen);
    (*pbstr)[nLen] = 0;
    return *pbstr;
}

// Buffer access

LPTSTR CString::GetBuffer(int nMinBufLength)
{
    if (nMinBufLength > GetData()->nAllocLength)
    {
        CStringData* pOldData = GetData();
        int nOldLen = pOldData->nDataLength;
        if (nMinBufLength < nOldLen)
            nMinBufLength = nOldLen;
        AllocBuffer(nMinBufLength);
        memcpy(m_pchData, pOldData->data(), nOldLen + 1);
        GetData()->nDataLength = nOldLen;
        FreeData(pOldData);
    }
    return m_pchData;
}

void CString::ReleaseBuffer(int nNewLength)
{
    int nAlloc = GetData()->nAllocLength;
    if (nAlloc == 0)
        return; // still the shared empty string
    if (nNewLength < 0)
    {
        // The caller's text ends at its terminator, which must lie within the block.
        const void* pEnd = memchr(m_pchData, '\0', nAlloc);
        nNewLength = pEnd != NULL ? (int)((LPCTSTR)pEnd - m_pchData) : nAlloc;
    }
    if (nNewLength > nAlloc)
        nNewLength = nAlloc;
    GetData()->nDataLength = nNewLength;
    m_pchData[nNewLength] = '\0';
}

LPTSTR CString::GetBufferSetLength(int nNewLength)
{
    if (nNewLength < 0)
        nNewLength = 0;
    GetBuffer(nNewLength);
    if (GetData()->nAllocLength > 0)
    {
        GetData()->nDataLength = nNewLength;
        m_pchData[nNewLength] = '\0';
    }
    return m_pchData;
}

void CString::FreeExtra()
{
    if (GetData()->nDataLength < GetData()->nAllocLength)
    {
        CString strTemp(m_pchData, GetData()->nDataLength);
        *this = static_cast<CString&&>(strTemp);
    }
}

LPTSTR CString::LockBuffer()
{
    return m_pchData;
}

void CString::UnlockBuffer() {}

// "%1".."%9" and "%A".."%Z" stand for the 1st..35th insert; a reference to a missing insert
// shows as "?".

void AFXAPI AfxFormatStrings(CString& rString, LPCTSTR lpszFormat, LPCTSTR const* rglpsz, int nString)
{
    CString strResult;
    LPCTSTR p = NonNull(lpszFormat);
    while (*p != '\0')
    {
        if (p[0] == '%' && ((p[1] >= '1' && p[1] <= '9') || (p[1] >= 'A' && p[1] <= 'Z')))
        {
            int i = (p[1] <= '9') ? p[1] - '1' : p[1] - 'A' + 9;
            if (i >= nString || rglpsz == NULL)
                strResult += '?';
            else if (rglpsz[i] != NULL)
                strResult += rglpsz[i];
            p += 2;
        }
        else if (_ismbblead((unsigned char)p[0]) && p[1] != '\0')
        {
            strResult += CString(p, 2);
            p += 2;
        }
        else
        {
            strResult += *p;
            ++p;
        }
    }
    rString = static_cast<CString&&>(strResult);
}

void AFXAPI AfxFormatStrings(CString& rString, UINT nIDS, LPCTSTR const* rglpsz, int nString)
{
    CString strFormat;
    if (!strFormat.LoadString(nIDS))
    {
        rString.Empty();
        return;
    }
    AfxFormatStrings(rString, strFormat, rglpsz, nString);
}

void AFXAPI AfxFormatString1(CString& rString, UINT nIDS, LPCTSTR lpsz1)
{
    AfxFormatStrings(rString, nIDS, &lpsz1, 1);
}

void AFXAPI AfxFormatString2(CString& rString, UINT nIDS, LPCTSTR lpsz1, LPCTSTR lpsz2)
{
    LPCTSTR rglpsz[2] = {lpsz1, lpsz2};
    AfxFormatStrings(rString, nIDS, rglpsz, 2);
}

BOOL AFXAPI AfxExtractSubString(CString& rString, LPCTSTR lpszFullString, int iSubString, TCHAR chSep)
{
    rString.Empty();
    if (lpszFullString == NULL || iSubString < 0)
        return FALSE;
    // Separators are single bytes, never the trail byte of a double-byte character.
    LPCTSTR p = lpszFullString;
    for (; iSubString > 0; iSubString--)
    {
        while (*p != '\0' && *p != chSep)
            p = ::CharNext(p);
        if (*p == '\0')
            return FALSE;
        p++;
    }
    LPCTSTR pEnd = p;
    while (*pEnd != '\0' && *pEnd != chSep)
        pEnd = ::CharNext(pEnd);
    rString = CString(p, (int)(pEnd - p));
    return TRUE;
}
