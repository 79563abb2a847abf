// Run-time classes and archive forms of the fixed-type collections: a count (WriteCount) and
// then the elements; maps write each key before its value.
#include "afxcoll.h"

IMPLEMENT_SERIAL(CByteArray, CObject, 0)
IMPLEMENT_SERIAL(CWordArray, CObject, 0)
IMPLEMENT_SERIAL(CDWordArray, CObject, 0)
IMPLEMENT_DYNAMIC(CUIntArray, CObject)
IMPLEMENT_DYNAMIC(CPtrArray, CObject)
IMPLEMENT_SERIAL(CObArray, CObject, 0)
IMPLEMENT_SERIAL(CStringArray, CObject, 0)
IMPLEMENT_DYNAMIC(CPtrList, CObject)
IMPLEMENT_SERIAL(CObList, CObject, 0)
IMPLEMENT_SERIAL(CStringList, CObject, 0)
IMPLEMENT_DYNAMIC(CMapWordToPtr, CObject)
IMPLEMENT_DYNAMIC(CMapPtrToWord, CObject)
IMPLEMENT_DYNAMIC(CMapPtrToPtr, CObject)
IMPLEMENT_SERIAL(CMapWordToOb, CObject, 0)
IMPLEMENT_DYNAMIC(CMapStringToPtr, CObject)
IMPLEMENT_SERIAL(CMapStringToOb, CObject, 0)
IMPLEMENT_SERIAL(CMapStringToString, CObject, 0)

// Before trusting a stored count, the archive must hold at least the smallest possible encoding
// of that many elements (an object tag is 2 bytes, a string 1).
static DWORD ReadCheckedCount(CArchive& ar, ULONGLONG nMinBytesEach)
{
    DWORD nCount = ar.ReadCount();
    ar.CheckAvailable((ULONGLONG)nCount * nMinBytesEach);
    return nCount;
}

void CByteArray::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring())
    {
        ar.WriteCount((DWORD)m_nSize);
        ar.Write(m_pData, (UINT)m_nSize);
    }
    else
        LoadElements(ReadCheckedCount(ar, 1), [&ar](BYTE& b) { ar >> b; });
}

void CWordArray::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring())
    {
        ar.WriteCount((DWORD)m_nSize);
        for (int i = 0; i < m_nSize; ++i)
            ar << m_pData[i];
    }
    else
        LoadElements(ReadCheckedCount(ar, 2), [&ar](WORD& w) { ar >> w; });
}

void CDWordArray::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring())
    {
        ar.WriteCount((DWORD)m_nSize);
        for (int i = 0; i < m_nSize; ++i)
            ar << m_pData[i];
    }
    else
        LoadElements(ReadCheckedCount(ar, 4), [&ar](DWORD& dw) { ar >> dw; });
}

void CObArray::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring())
    {
        ar.WriteCount((DWORD)m_nSize);
        for (int i = 0; i < m_nSize; ++i)
            ar << m_pData[i];
    }
    else
        LoadElements(ReadCheckedCount(ar, 2), [&ar](CObject*& pOb) { ar >> pOb; });
}

void CStringArray::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring())
    {
        ar.WriteCount((DWORD)m_nSize);
        for (int i = 0; i < m_nSize; ++i)
            ar << m_pData[i];
    }
    else
        LoadElements(ReadCheckedCount(ar, 1), [&ar](CString& s) { ar >> s; });
}

void CObList::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring())
    {
        ar.WriteCount((DWORD)m_nCount);
        for (CNode* pNode = m_pNodeHead; pNode != NULL; pNode = pNode->pNext)
            ar << pNode->data;
    }
    else
    {
        DWORD nNewCount = ReadCheckedCount(ar, 2);
        while (nNewCount--)
        {
            CObject* newData;
            ar >> newData;
            AddTail(newData);
        }
    }
}

void CStringList::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring())
    {
        ar.WriteCount((DWORD)m_nCount);
        for (CNode* pNode = m_pNodeHead; pNode != NULL; pNode = pNode->pNext)
            ar << pNode->data;
    }
    else
    {
        DWORD nNewCount = ReadCheckedCount(ar, 1);
        while (nNewCount--)
        {
            CString newData;
            ar >> newData;
            AddTail(newData);
        }
    }
}

void CMapWordToOb::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring())
    {
        ar.WriteCount((DWORD)m_nCount);
        POSITION pos = GetStartPosition();
        while (pos != NULL)
        {
            WORD key;
            CObject* pValue;
            GetNextAssoc(pos, key, pValue);
            ar << key;
            ar << pValue;
        }
    }
    else
    {
        DWORD nNewCount = ReadCheckedCount(ar, 4);
        while (nNewCount--)
        {
            WORD newKey;
            CObject* newValue;
            ar >> newKey;
            ar >> newValue;
            SetAt(newKey, newValue);
        }
    }
}

void CMapStringToOb::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring())
    {
        ar.WriteCount((DWORD)m_nCount);
        POSITION pos = GetStartPosition();
        while (pos != NULL)
        {
            CString key;
            CObject* pValue;
            GetNextAssoc(pos, key, pValue);
            ar << key;
            ar << pValue;
        }
    }
    else
    {
        DWORD nNewCount = ReadCheckedCount(ar, 3);
        while (nNewCount--)
        {
            CString newKey;
            CObject* newValue;
            ar >> newKey;
            ar >> newValue;
            SetAt(newKey, newValue);
        }
    }
}

void CMapStringToString::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring())
    {
        ar.WriteCount((DWORD)m_nCount);
        POSITION pos = GetStartPosition();
        while (pos != NULL)
        {
            CString key, value;
            GetNextAssoc(pos, key, value);
            ar << key;
            ar << value;
        }
    }
    else
    {
        DWORD nNewCount = ReadCheckedCount(ar, 2);
        while (nNewCount--)
        {
            CString newKey, newValue;
            ar >> newKey;
            ar >> newValue;
            SetAt(newKey, newValue);
        }
    }
}
