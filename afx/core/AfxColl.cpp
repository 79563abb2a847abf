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

// Lists: the count, then the elements from head to tail.
template <class LIST, class ELEMENT>
static void SerializeList(LIST& list, CArchive& ar, ULONGLONG nMinBytesEach)
{
    if (ar.IsStoring())
    {
        ar.WriteCount((DWORD)list.GetCount());
        for (POSITION pos = list.GetHeadPosition(); pos != NULL;)
            ar << list.GetNext(pos);
    }
    else
    {
        for (DWORD n = ReadCheckedCount(ar, nMinBytesEach); n != 0; n--)
        {
            ELEMENT newData;
            ar >> newData;
            list.AddTail(newData);
        }
    }
}

// Maps: the count, then each key before its value, in the map's own order.
template <class MAP, class KEY, class VALUE>
static void SerializeMap(MAP& map, CArchive& ar, ULONGLONG nMinBytesEach)
{
    if (ar.IsStoring())
    {
        ar.WriteCount((DWORD)map.GetCount());
        for (POSITION pos = map.GetStartPosition(); pos != NULL;)
        {
            KEY key;
            VALUE value;
            map.GetNextAssoc(pos, key, value);
            ar << key;
            ar << value;
        }
    }
    else
    {
        for (DWORD n = ReadCheckedCount(ar, nMinBytesEach); n != 0; n--)
        {
            KEY newKey;
            VALUE newValue;
            ar >> newKey;
            ar >> newValue;
            map.SetAt(newKey, newValue);
        }
    }
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
    SerializeList<CObList, CObject*>(*this, ar, 2);
}

void CStringList::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    SerializeList<CStringList, CString>(*this, ar, 1);
}

void CMapWordToOb::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    SerializeMap<CMapWordToOb, WORD, CObject*>(*this, ar, 4);
}

void CMapStringToOb::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    SerializeMap<CMapStringToOb, CString, CObject*>(*this, ar, 3);
}

void CMapStringToString::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    SerializeMap<CMapStringToString, CString, CString>(*this, ar, 2);
}
