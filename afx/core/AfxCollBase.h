// Storage shared by the collection classes: growable arrays, doubly linked lists and chained
// hash maps, with the element helpers that typed collections may specialise.
#ifndef VELMORA_AFXCOLLBASE_H
#define VELMORA_AFXCOLLBASE_H

#include "afx.h"

#include <limits.h>
#include <new>
#include <utility>

#ifndef VELMORA_AFX_POSITION_DEFINED
#define VELMORA_AFX_POSITION_DEFINED
// An opaque place in a list or map.
struct __POSITION
{
};
typedef __POSITION* POSITION;
#endif
#ifndef BEFORE_START_POSITION
#define BEFORE_START_POSITION ((POSITION)-1L)
#endif

/////////////////////////////////////////////////////////////////////////////
// Element helpers

template <class TYPE> inline void AFXAPI ConstructElements(TYPE* pElements, int nCount)
{
    for (; nCount-- > 0; ++pElements)
        ::new ((void*)pElements) TYPE();
}

template <class TYPE> inline void AFXAPI DestructElements(TYPE* pElements, int nCount)
{
    for (; nCount-- > 0; ++pElements)
        pElements->~TYPE();
}

template <class TYPE> inline void AFXAPI CopyElements(TYPE* pDest, const TYPE* pSrc, int nCount)
{
    while (nCount-- > 0)
        *pDest++ = *pSrc++;
}

template <class TYPE, class ARG_TYPE>
inline BOOL AFXAPI CompareElements(const TYPE* pElement1, const ARG_TYPE* pElement2)
{
    return *pElement1 == *pElement2;
}

// Integers and pointers hash by their value; the low bits of a pointer are always zero.
template <class ARG_KEY> inline UINT AFXAPI HashKey(ARG_KEY key)
{
    return ((UINT)(DWORD_PTR)key) >> 4;
}

// Strings hash by their characters (signed, as the framework's char is).
template <> inline UINT AFXAPI HashKey<LPCTSTR>(LPCTSTR key)
{
    UINT nHash = 0;
    while (*key)
        nHash = (nHash << 5) + nHash + (UINT)(int)(signed char)*key++;
    return nHash;
}

template <> inline UINT AFXAPI HashKey<const CString&>(const CString& key)
{
    return HashKey<LPCTSTR>((LPCTSTR)key);
}

template <> inline UINT AFXAPI HashKey<CString>(CString key)
{
    return HashKey<LPCTSTR>((LPCTSTR)key);
}

/////////////////////////////////////////////////////////////////////////////
// Growable array

template <class TYPE, class ARG_TYPE> class CAfxArrayBase : public CObject
{
public:
    typedef TYPE BASE_TYPE;
    typedef ARG_TYPE BASE_ARG_TYPE;

    // Construction
    CAfxArrayBase() : m_pData(NULL), m_nSize(0), m_nMaxSize(0), m_nGrowBy(0) {}
    ~CAfxArrayBase() { SetSize(0); }

    // Attributes
    int GetSize() const { return m_nSize; }
    int GetUpperBound() const { return m_nSize - 1; }
    void SetSize(int nNewSize, int nGrowBy = -1);

    // Operations
    void FreeExtra();
    void RemoveAll() { SetSize(0); }

    TYPE GetAt(int nIndex) const
    {
        ASSERT(nIndex >= 0 && nIndex < m_nSize);
        return m_pData[nIndex];
    }
    void SetAt(int nIndex, ARG_TYPE newElement)
    {
        ASSERT(nIndex >= 0 && nIndex < m_nSize);
        m_pData[nIndex] = newElement;
    }
    TYPE& ElementAt(int nIndex)
    {
        ASSERT(nIndex >= 0 && nIndex < m_nSize);
        return m_pData[nIndex];
    }
    const TYPE* GetData() const { return m_pData; }
    TYPE* GetData() { return m_pData; }

    void SetAtGrow(int nIndex, ARG_TYPE newElement);
    int Add(ARG_TYPE newElement)
    {
        int nIndex = m_nSize;
        SetAtGrow(nIndex, newElement);
        return nIndex;
    }
    int Append(const CAfxArrayBase& src);
    void Copy(const CAfxArrayBase& src);

    TYPE operator[](int nIndex) const { return GetAt(nIndex); }
    TYPE& operator[](int nIndex) { return ElementAt(nIndex); }

    void InsertAt(int nIndex, ARG_TYPE newElement, int nCount = 1);
    void RemoveAt(int nIndex, int nCount = 1);
    void InsertAt(int nStartIndex, CAfxArrayBase* pNewArray);

    // Implementation
protected:
    void Reallocate(int nNewMax);
    // Loads nCount elements with load(element), growing in steps so a count that the archive
    // cannot back never allocates more than one step ahead of the data actually read.
    template <class LOAD> void LoadElements(DWORD nCount, LOAD load)
    {
        SetSize(0);
        const DWORD nStep = 16384;
        DWORD nDone = 0;
        while (nDone < nCount)
        {
            DWORD nNext = nCount - nDone > nStep ? nDone + nStep : nCount;
            if (nNext > (DWORD)INT_MAX)
                AfxThrowMemoryException();
            SetSize((int)nNext);
            for (; nDone < nNext; ++nDone)
                load(m_pData[nDone]);
        }
    }

    TYPE* m_pData;
    int m_nSize;
    int m_nMaxSize;
    int m_nGrowBy;
};

template <class TYPE, class ARG_TYPE> void CAfxArrayBase<TYPE, ARG_TYPE>::Reallocate(int nNewMax)
{
    if (nNewMax < 0 || (size_t)nNewMax > (size_t)INT_MAX / sizeof(TYPE))
        AfxThrowMemoryException();
    TYPE* pNewData = NULL;
    if (nNewMax != 0)
    {
        pNewData = (TYPE*)::operator new((size_t)nNewMax * sizeof(TYPE), std::nothrow);
        if (pNewData == NULL)
            AfxThrowMemoryException();
    }
    for (int i = 0; i < m_nSize; ++i)
    {
        ::new ((void*)(pNewData + i)) TYPE(std::move(m_pData[i]));
        m_pData[i].~TYPE();
    }
    ::operator delete(m_pData);
    m_pData = pNewData;
    m_nMaxSize = nNewMax;
}

template <class TYPE, class ARG_TYPE> void CAfxArrayBase<TYPE, ARG_TYPE>::SetSize(int nNewSize, int nGrowBy)
{
    ASSERT(nNewSize >= 0);
    if (nNewSize < 0)
        nNewSize = 0;
    if (nGrowBy != -1)
        m_nGrowBy = nGrowBy;

    if (nNewSize == 0)
    {
        DestructElements<TYPE>(m_pData, m_nSize);
        ::operator delete(m_pData);
        m_pData = NULL;
        m_nSize = m_nMaxSize = 0;
        return;
    }
    if (nNewSize > m_nMaxSize)
    {
        int nNewMax = nNewSize;
        if (m_pData != NULL)
        {
            // Grow by the caller's step, or by an eighth of the array (4 to 1024 elements).
            int nStep = m_nGrowBy;
            if (nStep == 0)
            {
                nStep = m_nSize / 8;
                nStep = (nStep < 4) ? 4 : ((nStep > 1024) ? 1024 : nStep);
            }
            if (m_nMaxSize <= INT_MAX - nStep && m_nMaxSize + nStep > nNewMax)
                nNewMax = m_nMaxSize + nStep;
        }
        Reallocate(nNewMax);
    }
    if (nNewSize > m_nSize)
        ConstructElements<TYPE>(m_pData + m_nSize, nNewSize - m_nSize);
    else if (nNewSize < m_nSize)
        DestructElements<TYPE>(m_pData + nNewSize, m_nSize - nNewSize);
    m_nSize = nNewSize;
}

template <class TYPE, class ARG_TYPE> void CAfxArrayBase<TYPE, ARG_TYPE>::FreeExtra()
{
    if (m_nSize != m_nMaxSize)
        Reallocate(m_nSize);
}

template <class TYPE, class ARG_TYPE>
void CAfxArrayBase<TYPE, ARG_TYPE>::SetAtGrow(int nIndex, ARG_TYPE newElement)
{
    ASSERT(nIndex >= 0);
    // The new element may live in this array; copy it before the array can move.
    TYPE value(newElement);
    if (nIndex >= m_nSize)
    {
        if (nIndex == INT_MAX)
            AfxThrowMemoryException();
        SetSize(nIndex + 1, -1);
    }
    m_pData[nIndex] = std::move(value);
}

template <class TYPE, class ARG_TYPE> int CAfxArrayBase<TYPE, ARG_TYPE>::Append(const CAfxArrayBase& src)
{
    ASSERT(this != &src);
    int nOldSize = m_nSize;
    int nSrcSize = src.m_nSize;
    SetSize(m_nSize + nSrcSize);
    CopyElements<TYPE>(m_pData + nOldSize, src.m_pData, nSrcSize);
    return nOldSize;
}

template <class TYPE, class ARG_TYPE> void CAfxArrayBase<TYPE, ARG_TYPE>::Copy(const CAfxArrayBase& src)
{
    if (this == &src)
        return;
    SetSize(src.m_nSize);
    CopyElements<TYPE>(m_pData, src.m_pData, src.m_nSize);
}

template <class TYPE, class ARG_TYPE>
void CAfxArrayBase<TYPE, ARG_TYPE>::InsertAt(int nIndex, ARG_TYPE newElement, int nCount)
{
    ASSERT(nIndex >= 0 && nCount > 0);
    if (nIndex < 0 || nCount <= 0)
        return;
    TYPE value(newElement);
    if (nIndex >= m_nSize)
    {
        // Inserting beyond the end grows the array to hold the new elements.
        SetSize(nIndex + nCount, -1);
    }
    else
    {
        int nOldSize = m_nSize;
        SetSize(m_nSize + nCount, -1);
        for (int i = nOldSize - 1; i >= nIndex; --i)
            m_pData[i + nCount] = std::move(m_pData[i]);
    }
    for (int i = 0; i < nCount; ++i)
        m_pData[nIndex + i] = value;
}

template <class TYPE, class ARG_TYPE> void CAfxArrayBase<TYPE, ARG_TYPE>::RemoveAt(int nIndex, int nCount)
{
    ASSERT(nIndex >= 0 && nCount >= 0 && nIndex + nCount <= m_nSize);
    if (nIndex < 0 || nCount <= 0 || nIndex >= m_nSize)
        return;
    if (nCount > m_nSize - nIndex)
        nCount = m_nSize - nIndex;
    for (int i = nIndex + nCount; i < m_nSize; ++i)
        m_pData[i - nCount] = std::move(m_pData[i]);
    DestructElements<TYPE>(m_pData + m_nSize - nCount, nCount);
    m_nSize -= nCount;
}

template <class TYPE, class ARG_TYPE>
void CAfxArrayBase<TYPE, ARG_TYPE>::InsertAt(int nStartIndex, CAfxArrayBase* pNewArray)
{
    ASSERT(pNewArray != NULL && nStartIndex >= 0);
    if (pNewArray == NULL || pNewArray->GetSize() == 0)
        return;
    if (pNewArray == this)
    {
        CAfxArrayBase copy;
        copy.Copy(*this);
        InsertAt(nStartIndex, &copy);
        return;
    }
    InsertAt(nStartIndex, pNewArray->GetAt(0), pNewArray->GetSize());
    for (int i = 0; i < pNewArray->GetSize(); ++i)
        SetAt(nStartIndex + i, pNewArray->GetAt(i));
}

/////////////////////////////////////////////////////////////////////////////
// Doubly linked list

template <class TYPE, class ARG_TYPE> class CAfxListBase : public CObject
{
protected:
    struct CNode
    {
        CNode* pNext;
        CNode* pPrev;
        TYPE data;
    };

public:
    typedef TYPE BASE_TYPE;
    typedef ARG_TYPE BASE_ARG_TYPE;

    // Construction
    explicit CAfxListBase(int nBlockSize = 10) : m_pNodeHead(NULL), m_pNodeTail(NULL), m_nCount(0) {}
    ~CAfxListBase() { RemoveAll(); }

    // Attributes
    int GetCount() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    TYPE& GetHead()
    {
        ASSERT(m_pNodeHead != NULL);
        return m_pNodeHead->data;
    }
    TYPE GetHead() const
    {
        ASSERT(m_pNodeHead != NULL);
        return m_pNodeHead->data;
    }
    TYPE& GetTail()
    {
        ASSERT(m_pNodeTail != NULL);
        return m_pNodeTail->data;
    }
    TYPE GetTail() const
    {
        ASSERT(m_pNodeTail != NULL);
        return m_pNodeTail->data;
    }

    // Operations
    TYPE RemoveHead();
    TYPE RemoveTail();
    POSITION AddHead(ARG_TYPE newElement);
    POSITION AddTail(ARG_TYPE newElement);
    void AddHead(CAfxListBase* pNewList);
    void AddTail(CAfxListBase* pNewList);
    void RemoveAll();

    POSITION GetHeadPosition() const { return (POSITION)m_pNodeHead; }
    POSITION GetTailPosition() const { return (POSITION)m_pNodeTail; }
    TYPE& GetNext(POSITION& rPosition)
    {
        CNode* pNode = (CNode*)rPosition;
        rPosition = (POSITION)pNode->pNext;
        return pNode->data;
    }
    TYPE GetNext(POSITION& rPosition) const
    {
        CNode* pNode = (CNode*)rPosition;
        rPosition = (POSITION)pNode->pNext;
        return pNode->data;
    }
    TYPE& GetPrev(POSITION& rPosition)
    {
        CNode* pNode = (CNode*)rPosition;
        rPosition = (POSITION)pNode->pPrev;
        return pNode->data;
    }
    TYPE GetPrev(POSITION& rPosition) const
    {
        CNode* pNode = (CNode*)rPosition;
        rPosition = (POSITION)pNode->pPrev;
        return pNode->data;
    }
    TYPE& GetAt(POSITION position) { return ((CNode*)position)->data; }
    TYPE GetAt(POSITION position) const { return ((CNode*)position)->data; }
    void SetAt(POSITION pos, ARG_TYPE newElement) { ((CNode*)pos)->data = newElement; }
    void RemoveAt(POSITION position);

    POSITION InsertBefore(POSITION position, ARG_TYPE newElement);
    POSITION InsertAfter(POSITION position, ARG_TYPE newElement);

    POSITION Find(ARG_TYPE searchValue, POSITION startAfter = NULL) const;
    POSITION FindIndex(int nIndex) const;

    // Implementation
protected:
    CNode* NewNode(CNode* pPrev, CNode* pNext, ARG_TYPE value)
    {
        CNode* pNode = new CNode{pNext, pPrev, TYPE(value)};
        ++m_nCount;
        return pNode;
    }
    void FreeNode(CNode* pNode)
    {
        delete pNode;
        --m_nCount;
    }

    CNode* m_pNodeHead;
    CNode* m_pNodeTail;
    int m_nCount;
};

template <class TYPE, class ARG_TYPE> TYPE CAfxListBase<TYPE, ARG_TYPE>::RemoveHead()
{
    ASSERT(m_pNodeHead != NULL);
    CNode* pOldNode = m_pNodeHead;
    TYPE returnValue = pOldNode->data;
    m_pNodeHead = pOldNode->pNext;
    if (m_pNodeHead != NULL)
        m_pNodeHead->pPrev = NULL;
    else
        m_pNodeTail = NULL;
    FreeNode(pOldNode);
    return returnValue;
}

template <class TYPE, class ARG_TYPE> TYPE CAfxListBase<TYPE, ARG_TYPE>::RemoveTail()
{
    ASSERT(m_pNodeTail != NULL);
    CNode* pOldNode = m_pNodeTail;
    TYPE returnValue = pOldNode->data;
    m_pNodeTail = pOldNode->pPrev;
    if (m_pNodeTail != NULL)
        m_pNodeTail->pNext = NULL;
    else
        m_pNodeHead = NULL;
    FreeNode(pOldNode);
    return returnValue;
}

template <class TYPE, class ARG_TYPE> POSITION CAfxListBase<TYPE, ARG_TYPE>::AddHead(ARG_TYPE newElement)
{
    CNode* pNewNode = NewNode(NULL, m_pNodeHead, newElement);
    if (m_pNodeHead != NULL)
        m_pNodeHead->pPrev = pNewNode;
    else
        m_pNodeTail = pNewNode;
    m_pNodeHead = pNewNode;
    return (POSITION)pNewNode;
}

template <class TYPE, class ARG_TYPE> POSITION CAfxListBase<TYPE, ARG_TYPE>::AddTail(ARG_TYPE newElement)
{
    CNode* pNewNode = NewNode(m_pNodeTail, NULL, newElement);
    if (m_pNodeTail != NULL)
        m_pNodeTail->pNext = pNewNode;
    else
        m_pNodeHead = pNewNode;
    m_pNodeTail = pNewNode;
    return (POSITION)pNewNode;
}

template <class TYPE, class ARG_TYPE> void CAfxListBase<TYPE, ARG_TYPE>::AddHead(CAfxListBase* pNewList)
{
    ASSERT(pNewList != NULL && pNewList != this);
    // Walking backwards keeps the other list's order at our head.
    POSITION pos = pNewList->GetTailPosition();
    while (pos != NULL)
        AddHead(pNewList->GetPrev(pos));
}

template <class TYPE, class ARG_TYPE> void CAfxListBase<TYPE, ARG_TYPE>::AddTail(CAfxListBase* pNewList)
{
    ASSERT(pNewList != NULL && pNewList != this);
    POSITION pos = pNewList->GetHeadPosition();
    while (pos != NULL)
        AddTail(pNewList->GetNext(pos));
}

template <class TYPE, class ARG_TYPE> void CAfxListBase<TYPE, ARG_TYPE>::RemoveAll()
{
    CNode* pNode = m_pNodeHead;
    while (pNode != NULL)
    {
        CNode* pNext = pNode->pNext;
        delete pNode;
        pNode = pNext;
    }
    m_pNodeHead = m_pNodeTail = NULL;
    m_nCount = 0;
}

template <class TYPE, class ARG_TYPE> void CAfxListBase<TYPE, ARG_TYPE>::RemoveAt(POSITION position)
{
    CNode* pOldNode = (CNode*)position;
    ASSERT(pOldNode != NULL);
    if (pOldNode == m_pNodeHead)
        m_pNodeHead = pOldNode->pNext;
    else
        pOldNode->pPrev->pNext = pOldNode->pNext;
    if (pOldNode == m_pNodeTail)
        m_pNodeTail = pOldNode->pPrev;
    else
        pOldNode->pNext->pPrev = pOldNode->pPrev;
    FreeNode(pOldNode);
}

template <class TYPE, class ARG_TYPE>
POSITION CAfxListBase<TYPE, ARG_TYPE>::InsertBefore(POSITION position, ARG_TYPE newElement)
{
    if (position == NULL)
        return AddHead(newElement);
    CNode* pOldNode = (CNode*)position;
    CNode* pNewNode = NewNode(pOldNode->pPrev, pOldNode, newElement);
    if (pOldNode->pPrev != NULL)
        pOldNode->pPrev->pNext = pNewNode;
    else
        m_pNodeHead = pNewNode;
    pOldNode->pPrev = pNewNode;
    return (POSITION)pNewNode;
}

template <class TYPE, class ARG_TYPE>
POSITION CAfxListBase<TYPE, ARG_TYPE>::InsertAfter(POSITION position, ARG_TYPE newElement)
{
    if (position == NULL)
        return AddTail(newElement);
    CNode* pOldNode = (CNode*)position;
    CNode* pNewNode = NewNode(pOldNode, pOldNode->pNext, newElement);
    if (pOldNode->pNext != NULL)
        pOldNode->pNext->pPrev = pNewNode;
    else
        m_pNodeTail = pNewNode;
    pOldNode->pNext = pNewNode;
    return (POSITION)pNewNode;
}

template <class TYPE, class ARG_TYPE>
POSITION CAfxListBase<TYPE, ARG_TYPE>::Find(ARG_TYPE searchValue, POSITION startAfter) const
{
    CNode* pNode = (startAfter == NULL) ? m_pNodeHead : ((CNode*)startAfter)->pNext;
    for (; pNode != NULL; pNode = pNode->pNext)
        if (CompareElements(&pNode->data, &searchValue))
            return (POSITION)pNode;
    return NULL;
}

template <class TYPE, class ARG_TYPE> POSITION CAfxListBase<TYPE, ARG_TYPE>::FindIndex(int nIndex) const
{
    if (nIndex < 0 || nIndex >= m_nCount)
        return NULL;
    CNode* pNode = m_pNodeHead;
    while (nIndex--)
        pNode = pNode->pNext;
    return (POSITION)pNode;
}

/////////////////////////////////////////////////////////////////////////////
// Hash map. New entries go to the head of their bucket's chain and iteration walks the buckets
// in order, so the order in which a map is visited (and serialised) depends only on its keys,
// its table size and the order of insertion.

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE> class CAfxMapBase : public CObject
{
protected:
    struct CAssoc
    {
        CAssoc* pNext;
        UINT nHashValue; // bucket index
        KEY key;
        VALUE value;
    };

public:
    typedef KEY BASE_KEY;
    typedef ARG_KEY BASE_ARG_KEY;
    typedef VALUE BASE_VALUE;
    typedef ARG_VALUE BASE_ARG_VALUE;

    // Construction
    explicit CAfxMapBase(int nBlockSize = 10) : m_pHashTable(NULL), m_nHashTableSize(17), m_nCount(0) {}
    ~CAfxMapBase() { RemoveAll(); }

    // Attributes
    int GetCount() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }
    BOOL Lookup(ARG_KEY key, VALUE& rValue) const
    {
        UINT nHash;
        CAssoc* pAssoc = GetAssocAt(key, nHash);
        if (pAssoc == NULL)
            return FALSE;
        rValue = pAssoc->value;
        return TRUE;
    }

    // Operations
    VALUE& operator[](ARG_KEY key);
    void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }
    BOOL RemoveKey(ARG_KEY key);
    void RemoveAll();

    POSITION GetStartPosition() const { return (m_nCount == 0) ? NULL : BEFORE_START_POSITION; }
    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const;

    UINT GetHashTableSize() const { return m_nHashTableSize; }
    void InitHashTable(UINT hashSize, BOOL bAllocNow = TRUE);

    // Implementation
protected:
    CAssoc* GetAssocAt(ARG_KEY key, UINT& nHash) const
    {
        nHash = HashKey<ARG_KEY>(key) % m_nHashTableSize;
        if (m_pHashTable == NULL)
            return NULL;
        for (CAssoc* pAssoc = m_pHashTable[nHash]; pAssoc != NULL; pAssoc = pAssoc->pNext)
            if (CompareElements(&pAssoc->key, &key))
                return pAssoc;
        return NULL;
    }

    CAssoc** m_pHashTable;
    UINT m_nHashTableSize;
    int m_nCount;
};

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CAfxMapBase<KEY, ARG_KEY, VALUE, ARG_VALUE>::InitHashTable(UINT nHashSize, BOOL bAllocNow)
{
    ASSERT(m_nCount == 0 && nHashSize > 0);
    if (m_nCount != 0 || nHashSize == 0)
        return;
    delete[] m_pHashTable;
    m_pHashTable = NULL;
    if (bAllocNow)
    {
        m_pHashTable = new CAssoc*[nHashSize];
        memset(m_pHashTable, 0, sizeof(CAssoc*) * nHashSize);
    }
    m_nHashTableSize = nHashSize;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
VALUE& CAfxMapBase<KEY, ARG_KEY, VALUE, ARG_VALUE>::operator[](ARG_KEY key)
{
    UINT nHash;
    CAssoc* pAssoc = GetAssocAt(key, nHash);
    if (pAssoc == NULL)
    {
        if (m_pHashTable == NULL)
            InitHashTable(m_nHashTableSize);
        pAssoc = new CAssoc{m_pHashTable[nHash], nHash, KEY(key), VALUE()};
        m_pHashTable[nHash] = pAssoc;
        ++m_nCount;
    }
    return pAssoc->value;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
BOOL CAfxMapBase<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveKey(ARG_KEY key)
{
    if (m_pHashTable == NULL)
        return FALSE;
    CAssoc** ppAssocPrev = &m_pHashTable[HashKey<ARG_KEY>(key) % m_nHashTableSize];
    for (CAssoc* pAssoc = *ppAssocPrev; pAssoc != NULL; pAssoc = pAssoc->pNext)
    {
        if (CompareElements(&pAssoc->key, &key))
        {
            *ppAssocPrev = pAssoc->pNext;
            delete pAssoc;
            --m_nCount;
            return TRUE;
        }
        ppAssocPrev = &pAssoc->pNext;
    }
    return FALSE;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CAfxMapBase<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveAll()
{
    if (m_pHashTable != NULL)
    {
        for (UINT nHash = 0; nHash < m_nHashTableSize; ++nHash)
        {
            CAssoc* pAssoc = m_pHashTable[nHash];
            while (pAssoc != NULL)
            {
                CAssoc* pNext = pAssoc->pNext;
                delete pAssoc;
                pAssoc = pNext;
            }
        }
        delete[] m_pHashTable;
        m_pHashTable = NULL;
    }
    m_nCount = 0;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CAfxMapBase<KEY, ARG_KEY, VALUE, ARG_VALUE>::GetNextAssoc(POSITION& rNextPosition, KEY& rKey,
                                                               VALUE& rValue) const
{
    ASSERT(m_pHashTable != NULL && rNextPosition != NULL);
    CAssoc* pAssocRet = (CAssoc*)rNextPosition;
    if (pAssocRet == (CAssoc*)BEFORE_START_POSITION)
    {
        pAssocRet = NULL;
        for (UINT nBucket = 0; nBucket < m_nHashTableSize && pAssocRet == NULL; ++nBucket)
            pAssocRet = m_pHashTable[nBucket];
        ASSERT(pAssocRet != NULL);
    }
    CAssoc* pAssocNext = pAssocRet->pNext;
    for (UINT nBucket = pAssocRet->nHashValue + 1; pAssocNext == NULL && nBucket < m_nHashTableSize;
         ++nBucket)
        pAssocNext = m_pHashTable[nBucket];
    rNextPosition = (POSITION)pAssocNext;
    rKey = pAssocRet->key;
    rValue = pAssocRet->value;
}

#endif // VELMORA_AFXCOLLBASE_H
