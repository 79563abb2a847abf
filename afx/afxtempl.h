// Collection templates: CArray, CList, CMap, and the type-safe pointer wrappers over the fixed-type
// collections.
#ifndef VELMORA_AFXTEMPL_H
#define VELMORA_AFXTEMPL_H

#include "afx.h"
#include "AfxArchive.h"
#include "AfxCollBase.h"
#include "afxcoll.h"

/////////////////////////////////////////////////////////////////////////////
// Archive form of elements. The default writes the elements' bytes as they lie in memory, so a
// type with padding or pointers must provide its own specialisation.

template <class TYPE> void AFXAPI SerializeElements(CArchive& ar, TYPE* pElements, int nCount)
{
    if (nCount <= 0)
        return;
    UINT nBytes = (UINT)nCount * (UINT)sizeof(TYPE);
    if (ar.IsStoring())
        ar.Write((const void*)pElements, nBytes);
    else if (ar.Read((void*)pElements, nBytes) != nBytes)
        AfxThrowArchiveException(CArchiveException::endOfFile,
                                 ar.m_strFileName.IsEmpty() ? NULL : (LPCTSTR)ar.m_strFileName);
}

template <> inline void AFXAPI SerializeElements<CString>(CArchive& ar, CString* pElements, int nCount)
{
    for (; nCount-- > 0; ++pElements)
    {
        if (ar.IsStoring())
            ar << *pElements;
        else
            ar >> *pElements;
    }
}

/////////////////////////////////////////////////////////////////////////////
// CArray

template <class TYPE, class ARG_TYPE> class CArray : public CAfxArrayBase<TYPE, ARG_TYPE>
{
public:
    CArray() {}
    void Serialize(CArchive& ar) override
    {
        CObject::Serialize(ar);
        if (ar.IsStoring())
        {
            ar.WriteCount((DWORD)this->m_nSize);
            SerializeElements<TYPE>(ar, this->m_pData, this->m_nSize);
        }
        else
        {
            DWORD nCount = ar.ReadCount();
            // Every element takes at least one byte in the archive.
            ar.CheckAvailable(nCount);
            this->LoadElements(nCount, [&ar](TYPE& element) { SerializeElements<TYPE>(ar, &element, 1); });
        }
    }
};

/////////////////////////////////////////////////////////////////////////////
// CList

template <class TYPE, class ARG_TYPE> class CList : public CAfxListBase<TYPE, ARG_TYPE>
{
public:
    explicit CList(int nBlockSize = 10) : CAfxListBase<TYPE, ARG_TYPE>(nBlockSize) {}
    void Serialize(CArchive& ar) override
    {
        CObject::Serialize(ar);
        if (ar.IsStoring())
        {
            ar.WriteCount((DWORD)this->m_nCount);
            for (auto* pNode = this->m_pNodeHead; pNode != NULL; pNode = pNode->pNext)
                SerializeElements<TYPE>(ar, &pNode->data, 1);
        }
        else
        {
            DWORD nNewCount = ar.ReadCount();
            ar.CheckAvailable(nNewCount);
            while (nNewCount--)
            {
                TYPE newData[1];
                SerializeElements<TYPE>(ar, newData, 1);
                this->AddTail(newData[0]);
            }
        }
    }
};

/////////////////////////////////////////////////////////////////////////////
// CMap

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap : public CAfxMapBase<KEY, ARG_KEY, VALUE, ARG_VALUE>
{
public:
    explicit CMap(int nBlockSize = 10) : CAfxMapBase<KEY, ARG_KEY, VALUE, ARG_VALUE>(nBlockSize) {}
    void Serialize(CArchive& ar) override
    {
        CObject::Serialize(ar);
        if (ar.IsStoring())
        {
            ar.WriteCount((DWORD)this->m_nCount);
            POSITION pos = this->GetStartPosition();
            while (pos != NULL)
            {
                KEY key[1];
                VALUE value[1];
                this->GetNextAssoc(pos, key[0], value[0]);
                SerializeElements<KEY>(ar, key, 1);
                SerializeElements<VALUE>(ar, value, 1);
            }
        }
        else
        {
            DWORD nNewCount = ar.ReadCount();
            ar.CheckAvailable((ULONGLONG)nNewCount * 2);
            while (nNewCount--)
            {
                KEY newKey[1];
                VALUE newValue[1];
                SerializeElements<KEY>(ar, newKey, 1);
                SerializeElements<VALUE>(ar, newValue, 1);
                this->SetAt(newKey[0], newValue[0]);
            }
        }
    }
};

/////////////////////////////////////////////////////////////////////////////
// Type-safe pointer collections over CObArray/CPtrArray, CObList/CPtrList and the pointer maps.

template <class BASE_CLASS, class TYPE> class CTypedPtrArray : public BASE_CLASS
{
public:
    TYPE GetAt(int nIndex) const { return (TYPE)BASE_CLASS::GetAt(nIndex); }
    TYPE& ElementAt(int nIndex) { return (TYPE&)BASE_CLASS::ElementAt(nIndex); }
    void SetAt(int nIndex, TYPE ptr) { BASE_CLASS::SetAt(nIndex, ptr); }
    void SetAtGrow(int nIndex, TYPE newElement) { BASE_CLASS::SetAtGrow(nIndex, newElement); }
    int Add(TYPE newElement) { return BASE_CLASS::Add(newElement); }
    int Append(const CTypedPtrArray<BASE_CLASS, TYPE>& src) { return BASE_CLASS::Append(src); }
    void Copy(const CTypedPtrArray<BASE_CLASS, TYPE>& src) { BASE_CLASS::Copy(src); }
    void InsertAt(int nIndex, TYPE newElement, int nCount = 1)
    {
        BASE_CLASS::InsertAt(nIndex, newElement, nCount);
    }
    void InsertAt(int nStartIndex, CTypedPtrArray<BASE_CLASS, TYPE>* pNewArray)
    {
        BASE_CLASS::InsertAt(nStartIndex, pNewArray);
    }
    TYPE operator[](int nIndex) const { return (TYPE)BASE_CLASS::operator[](nIndex); }
    TYPE& operator[](int nIndex) { return (TYPE&)BASE_CLASS::operator[](nIndex); }
};

template <class BASE_CLASS, class TYPE> class CTypedPtrList : public BASE_CLASS
{
public:
    explicit CTypedPtrList(int nBlockSize = 10) : BASE_CLASS(nBlockSize) {}

    TYPE& GetHead() { return (TYPE&)BASE_CLASS::GetHead(); }
    TYPE GetHead() const { return (TYPE)BASE_CLASS::GetHead(); }
    TYPE& GetTail() { return (TYPE&)BASE_CLASS::GetTail(); }
    TYPE GetTail() const { return (TYPE)BASE_CLASS::GetTail(); }
    TYPE RemoveHead() { return (TYPE)BASE_CLASS::RemoveHead(); }
    TYPE RemoveTail() { return (TYPE)BASE_CLASS::RemoveTail(); }
    POSITION AddHead(TYPE newElement) { return BASE_CLASS::AddHead(newElement); }
    POSITION AddTail(TYPE newElement) { return BASE_CLASS::AddTail(newElement); }
    void AddHead(CTypedPtrList<BASE_CLASS, TYPE>* pNewList) { BASE_CLASS::AddHead(pNewList); }
    void AddTail(CTypedPtrList<BASE_CLASS, TYPE>* pNewList) { BASE_CLASS::AddTail(pNewList); }
    TYPE& GetNext(POSITION& rPosition) { return (TYPE&)BASE_CLASS::GetNext(rPosition); }
    TYPE GetNext(POSITION& rPosition) const { return (TYPE)BASE_CLASS::GetNext(rPosition); }
    TYPE& GetPrev(POSITION& rPosition) { return (TYPE&)BASE_CLASS::GetPrev(rPosition); }
    TYPE GetPrev(POSITION& rPosition) const { return (TYPE)BASE_CLASS::GetPrev(rPosition); }
    TYPE& GetAt(POSITION position) { return (TYPE&)BASE_CLASS::GetAt(position); }
    TYPE GetAt(POSITION position) const { return (TYPE)BASE_CLASS::GetAt(position); }
    void SetAt(POSITION pos, TYPE newElement) { BASE_CLASS::SetAt(pos, newElement); }
    POSITION InsertBefore(POSITION position, TYPE newElement)
    {
        return BASE_CLASS::InsertBefore(position, newElement);
    }
    POSITION InsertAfter(POSITION position, TYPE newElement)
    {
        return BASE_CLASS::InsertAfter(position, newElement);
    }
};

template <class BASE_CLASS, class KEY, class VALUE> class CTypedPtrMap : public BASE_CLASS
{
public:
    explicit CTypedPtrMap(int nBlockSize = 10) : BASE_CLASS(nBlockSize) {}

    BOOL Lookup(typename BASE_CLASS::BASE_ARG_KEY key, VALUE& rValue) const
    {
        typename BASE_CLASS::BASE_VALUE value;
        if (!BASE_CLASS::Lookup(key, value))
            return FALSE;
        rValue = (VALUE)value;
        return TRUE;
    }
    VALUE& operator[](typename BASE_CLASS::BASE_ARG_KEY key) { return (VALUE&)BASE_CLASS::operator[](key); }
    void SetAt(KEY key, VALUE newValue) { BASE_CLASS::SetAt(key, newValue); }
    BOOL RemoveKey(KEY key) { return BASE_CLASS::RemoveKey(key); }
    void GetNextAssoc(POSITION& rPosition, KEY& rKey, VALUE& rValue) const
    {
        typename BASE_CLASS::BASE_KEY key;
        typename BASE_CLASS::BASE_VALUE value;
        BASE_CLASS::GetNextAssoc(rPosition, key, value);
        rKey = (KEY)key;
        rValue = (VALUE)value;
    }
};

#endif // VELMORA_AFXTEMPL_H
