// CORXRegistry: typed access to one registry key at a time, with archive images in binary values.
#ifndef VELMORA_ORXREGISTRY_H
#define VELMORA_ORXREGISTRY_H

#include <afxwin.h>
#include <afxcoll.h>
#include <afxtempl.h>

class CORXRegistry : public CObject
{
    DECLARE_DYNCREATE(CORXRegistry)

    // Construction
public:
    CORXRegistry(BOOL bAdmin, BOOL bReadOnly);
    virtual ~CORXRegistry();

protected:
    CORXRegistry(); // for dynamic creation: the factory sets root and flags

    // Attributes
public:
    LONG GetLastResult() const { return m_lResult; }
    DWORD GetLastType() const { return m_dwType; }
    DWORD GetLastSize() const { return m_dwSize; }
    HKEY GetCurrentKey() const { return m_hKey; }
    BOOL IsAdmin() const { return m_bAdmin; }
    BOOL IsReadOnly() const { return m_bReadOnly; }
    const CString& GetPath() const { return m_strPath; }
    HKEY GetRootKey() const { return m_bAdmin ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER; }

    // Operations; the order of these virtuals is the class's published layout.
public:
    virtual BOOL ReadKeyValues(CStringArray& values);
    virtual BOOL KeyExists(LPCTSTR lpszPath);
    virtual BOOL ValueExists(LPCTSTR lpszValueName);
    virtual BOOL CreateKey(LPCTSTR lpszPath);
    virtual BOOL Open(LPCTSTR lpszPath);
    virtual void Close();
    virtual BOOL DeleteValue(LPCTSTR lpszValue);
    virtual BOOL DeleteKey(LPCTSTR lpszPath, BOOL bAdmin = FALSE);

    virtual BOOL Write(LPCTSTR lpszKey, CObject* pObj);
    virtual BOOL Write(LPCTSTR lpszKey, CObject& obj);
    virtual BOOL Write(LPCTSTR lpszKey, CStringList& list);
    virtual BOOL Write(LPCTSTR lpszKey, LPBYTE pData, UINT nBytes);
    virtual BOOL Write(LPCTSTR lpszKey, const CPoint& point);
    virtual BOOL Write(LPCTSTR lpszKey, const CRect& rect);
    virtual BOOL Write(LPCTSTR lpszKey, CWordArray& array);
    virtual BOOL Write(LPCTSTR lpszKey, CStringArray& array);
    virtual BOOL Write(LPCTSTR lpszKey, CDWordArray& array);
    virtual BOOL Write(LPCTSTR lpszKey, CList<UINT, UINT>& list);
    virtual BOOL Write(LPCTSTR lpszKey, CByteArray& array);
    virtual BOOL Write(LPCTSTR lpszKey, LPCTSTR lpszVal);
    virtual BOOL Write(LPCTSTR lpszKey, DWORD dwVal);
    virtual BOOL Write(LPCTSTR lpszKey, int iVal);

    // The object-creating read refuses an object that is not of pExpected (or derived); what it
    // made is deleted and pObj left NULL.
    virtual BOOL Read(LPCTSTR lpszKey, CObject*& pObj, CRuntimeClass* pExpected = RUNTIME_CLASS(CObject));
    virtual BOOL Read(LPCTSTR lpszKey, CObject& obj);
    virtual BOOL Read(LPCTSTR lpszKey, CObList& list);
    virtual BOOL Read(LPCTSTR lpszKey, BYTE*& pData, UINT& nBytes);
    virtual BOOL Read(LPCTSTR lpszKey, CRect& rect);
    virtual BOOL Read(LPCTSTR lpszKey, CPoint& point);
    virtual BOOL Read(LPCTSTR lpszKey, CWordArray& array);
    virtual BOOL Read(LPCTSTR lpszKey, CStringList& list);
    virtual BOOL Read(LPCTSTR lpszKey, CStringArray& array);
    virtual BOOL Read(LPCTSTR lpszKey, CDWordArray& array);
    virtual BOOL Read(LPCTSTR lpszKey, CList<UINT, UINT>& list);
    virtual BOOL Read(LPCTSTR lpszKey, CString& sVal);
    virtual BOOL Read(LPCTSTR lpszKey, DWORD& dwVal);
    virtual BOOL Read(LPCTSTR lpszKey, int& iVal);

    virtual BOOL ReadSubKeys(CStringArray& subKeys);

    // TRUE when a loading archive has handed out every byte of its file: a record that ends
    // before its value does was read with a wrong count or length somewhere inside it.
    static BOOL IsArchiveAtEnd(CArchive& ar);
    // Raises CArchiveException::badIndex unless IsArchiveAtEnd.
    static void CheckArchiveAtEnd(CArchive& ar);

    // Implementation
protected:
    friend class CORXRegistrySP;

    BOOL WriteArchived(LPCTSTR lpszKey, void (*pfnStore)(CArchive&, void*), void* pContext);
    BOOL ReadArchived(LPCTSTR lpszKey, void (*pfnLoad)(CArchive&, void*), void* pContext);
    BOOL ReadBinary(LPCTSTR lpszKey, BYTE*& pData, UINT& nBytes);
    void SetCurrentKey(HKEY hKey);
    static CString TrimPath(LPCTSTR lpszPath);

    LONG m_lResult;
    DWORD m_dwType;
    DWORD m_dwSize;
    HKEY m_hKey;
    BOOL m_bAdmin;
    CString m_strPath;
    BOOL m_bReadOnly;
    DWORD m_dwOwner;
};

// The holder through which framework code obtains its registry object; the object lives as long
// as the holder.
class CORXRegistrySP
{
public:
    explicit CORXRegistrySP(DWORD dwOwner = 0) : m_pRegistry(NULL), m_dwOwner(dwOwner) {}
    ~CORXRegistrySP() { delete m_pRegistry; }
    CORXRegistrySP(const CORXRegistrySP&) = delete;
    CORXRegistrySP& operator=(const CORXRegistrySP&) = delete;

    CORXRegistry& CreateRegistry(BOOL bAdmin, BOOL bReadOnly);

    // The class an application substitutes; FALSE (and nothing changed) unless it derives from
    // CORXRegistry and can be created. NULL restores the plain class.
    static BOOL SetRuntimeClass(CRuntimeClass* pRTI);
    static CRuntimeClass* GetRuntimeClass() { return s_pRTIDefault; }

protected:
    CORXRegistry* m_pRegistry;
    DWORD m_dwOwner;
    static CRuntimeClass* s_pRTIDefault;
};

#endif // VELMORA_ORXREGISTRY_H
