// The framework's fixed-type collections: arrays, lists and maps of objects, pointers, strings
// and integers.
#ifndef VELMORA_AFXCOLL_H
#define VELMORA_AFXCOLL_H

#include "afx.h"
#include "AfxArchive.h"
#include "AfxCollBase.h"

/////////////////////////////////////////////////////////////////////////////
// Arrays

class CByteArray : public CAfxArrayBase<BYTE, BYTE>
{
    DECLARE_SERIAL(CByteArray)
public:
    CByteArray() {}
    void Serialize(CArchive& ar) override;
};

class CWordArray : public CAfxArrayBase<WORD, WORD>
{
    DECLARE_SERIAL(CWordArray)
public:
    CWordArray() {}
    void Serialize(CArchive& ar) override;
};

class CDWordArray : public CAfxArrayBase<DWORD, DWORD>
{
    DECLARE_SERIAL(CDWordArray)
public:
    CDWordArray() {}
    void Serialize(CArchive& ar) override;
};

// Not serialisable: the width of UINT is not fixed across platforms.
class CUIntArray : public CAfxArrayBase<UINT, UINT>
{
    DECLARE_DYNAMIC(CUIntArray)
public:
    CUIntArray() {}
};

class CPtrArray : public CAfxArrayBase<void*, void*>
{
    DECLARE_DYNAMIC(CPtrArray)
public:
    CPtrArray() {}
};

// Holds pointers it does not own; Serialize writes and reads them as objects.
class CObArray : public CAfxArrayBase<CObject*, CObject*>
{
    DECLARE_SERIAL(CObArray)
public:
    CObArray() {}
    void Serialize(CArchive& ar) override;
};

class CStringArray : public CAfxArrayBase<CString, LPCTSTR>
{
    DECLARE_SERIAL(CStringArray)
public:
    CStringArray() {}
    void Serialize(CArchive& ar) override;
};

/////////////////////////////////////////////////////////////////////////////
// Lists

class CPtrList : public CAfxListBase<void*, void*>
{
    DECLARE_DYNAMIC(CPtrList)
public:
    explicit CPtrList(int nBlockSize = 10) : CAfxListBase<void*, void*>(nBlockSize) {}
};

class CObList : public CAfxListBase<CObject*, CObject*>
{
    DECLARE_SERIAL(CObList)
public:
    explicit CObList(int nBlockSize = 10) : CAfxListBase<CObject*, CObject*>(nBlockSize) {}
    void Serialize(CArchive& ar) override;
};

class CStringList : public CAfxListBase<CString, LPCTSTR>
{
    DECLARE_SERIAL(CStringList)
public:
    explicit CStringList(int nBlockSize = 10) : CAfxListBase<CString, LPCTSTR>(nBlockSize) {}
    void Serialize(CArchive& ar) override;
};

/////////////////////////////////////////////////////////////////////////////
// Maps

class CMapWordToPtr : public CAfxMapBase<WORD, WORD, void*, void*>
{
    DECLARE_DYNAMIC(CMapWordToPtr)
public:
    explicit CMapWordToPtr(int nBlockSize = 10) : CAfxMapBase<WORD, WORD, void*, void*>(nBlockSize) {}
};

class CMapPtrToWord : public CAfxMapBase<void*, void*, WORD, WORD>
{
    DECLARE_DYNAMIC(CMapPtrToWord)
public:
    explicit CMapPtrToWord(int nBlockSize = 10) : CAfxMapBase<void*, void*, WORD, WORD>(nBlockSize) {}
};

class CMapPtrToPtr : public CAfxMapBase<void*, void*, void*, void*>
{
    DECLARE_DYNAMIC(CMapPtrToPtr)
public:
    explicit CMapPtrToPtr(int nBlockSize = 10) : CAfxMapBase<void*, void*, void*, void*>(nBlockSize) {}
};

class CMapWordToOb : public CAfxMapBase<WORD, WORD, CObject*, CObject*>
{
    DECLARE_SERIAL(CMapWordToOb)
public:
    explicit CMapWordToOb(int nBlockSize = 10) : CAfxMapBase<WORD, WORD, CObject*, CObject*>(nBlockSize) {}
    void Serialize(CArchive& ar) override;
};

class CMapStringToPtr : public CAfxMapBase<CString, LPCTSTR, void*, void*>
{
    DECLARE_DYNAMIC(CMapStringToPtr)
public:
    explicit CMapStringToPtr(int nBlockSize = 10) : CAfxMapBase<CString, LPCTSTR, void*, void*>(nBlockSize) {}
};

class CMapStringToOb : public CAfxMapBase<CString, LPCTSTR, CObject*, CObject*>
{
    DECLARE_SERIAL(CMapStringToOb)
public:
    explicit CMapStringToOb(int nBlockSize = 10)
        : CAfxMapBase<CString, LPCTSTR, CObject*, CObject*>(nBlockSize)
    {
    }
    void Serialize(CArchive& ar) override;
};

class CMapStringToString : public CAfxMapBase<CString, LPCTSTR, CString, LPCTSTR>
{
    DECLARE_SERIAL(CMapStringToString)
public:
    explicit CMapStringToString(int nBlockSize = 10)
        : CAfxMapBase<CString, LPCTSTR, CString, LPCTSTR>(nBlockSize)
    {
    }
    void Serialize(CArchive& ar) override;
};

#endif // VELMORA_AFXCOLL_H
