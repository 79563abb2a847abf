// CORXRegistry: keys, typed values and archive images in binary values.
#include "ORXRegistry.h"

IMPLEMENT_DYNCREATE(CORXRegistry, CObject)

CRuntimeClass* CORXRegistrySP::s_pRTIDefault = NULL;

namespace
{
const REGSAM kReadOnlyAccess = KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS | KEY_NOTIFY; // 0x19

BOOL IsRootKey(HKEY hKey)
{
    return hKey == NULL || hKey == HKEY_CURRENT_USER || hKey == HKEY_LOCAL_MACHINE ||
           hKey == HKEY_CLASSES_ROOT || hKey == HKEY_USERS;
}
} // namespace

CORXRegistry::CORXRegistry()
    : m_lResult(ERROR_SUCCESS), m_dwType(0), m_dwSize(0), m_hKey(HKEY_CURRENT_USER), m_bAdmin(FALSE),
      m_bReadOnly(FALSE), m_dwOwner(0)
{
}

CORXRegistry::CORXRegistry(BOOL bAdmin, BOOL bReadOnly)
    : m_lResult(ERROR_SUCCESS), m_dwType(0), m_dwSize(0),
      m_hKey(bAdmin ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER), m_bAdmin(bAdmin), m_bReadOnly(bReadOnly),
      m_dwOwner(0)
{
}

CORXRegistry::~CORXRegistry()
{
    Close();
}

CString CORXRegistry::TrimPath(LPCTSTR lpszPath)
{
    CString strPath = (lpszPath != NULL) ? lpszPath : _T("");
    while (!strPath.IsEmpty() && strPath[strPath.GetLength() - 1] == _T('\\'))
        strPath = strPath.Left(strPath.GetLength() - 1);
    return strPath;
}

// The object holds one key at a time: a newly opened key replaces (and closes) the previous one,
// so a second Open never leaks the first handle.
void CORXRegistry::SetCurrentKey(HKEY hKey)
{
    if (m_hKey != hKey && !IsRootKey(m_hKey))
        ::RegCloseKey(m_hKey);
    m_hKey = hKey;
}

BOOL CORXRegistry::KeyExists(LPCTSTR lpszPath)
{
    HKEY hKey = NULL;
    m_lResult =
        ::RegOpenKeyExA(m_hKey, TrimPath(lpszPath), 0, m_bReadOnly ? kReadOnlyAccess : KEY_ALL_ACCESS, &hKey);
    if (m_lResult != ERROR_SUCCESS)
        return FALSE;
    ::RegCloseKey(hKey);
    return TRUE;
}

BOOL CORXRegistry::ValueExists(LPCTSTR lpszValueName)
{
    m_lResult = ::RegQueryValueExA(m_hKey, lpszValueName, NULL, &m_dwType, NULL, &m_dwSize);
    return m_lResult == ERROR_SUCCESS;
}

BOOL CORXRegistry::CreateKey(LPCTSTR lpszPath)
{
    if (m_bReadOnly)
        return FALSE;
    HKEY hKey = NULL;
    DWORD dwDisposition = 0;
    m_lResult = ::RegCreateKeyExA(m_hKey, TrimPath(lpszPath), 0, NULL, REG_OPTION_NON_VOLATILE,
                                  KEY_ALL_ACCESS, NULL, &hKey, &dwDisposition);
    if (m_lResult != ERROR_SUCCESS)
        return FALSE;
    SetCurrentKey(hKey);
    return TRUE;
}

BOOL CORXRegistry::Open(LPCTSTR lpszPath)
{
    m_strPath = (lpszPath != NULL) ? lpszPath : _T("");
    HKEY hKey = NULL;
    m_lResult =
        ::RegOpenKeyExA(m_hKey, TrimPath(lpszPath), 0, m_bReadOnly ? kReadOnlyAccess : KEY_ALL_ACCESS, &hKey);
    if (m_lResult != ERROR_SUCCESS)
        return FALSE;
    SetCurrentKey(hKey);
    return TRUE;
}

void CORXRegistry::Close()
{
    SetCurrentKey(GetRootKey());
}

BOOL CORXRegistry::DeleteValue(LPCTSTR lpszValue)
{
    if (m_bReadOnly)
        return FALSE;
    m_lResult = ::RegDeleteValueA(m_hKey, lpszValue);
    return m_lResult == ERROR_SUCCESS;
}

BOOL CORXRegistry::DeleteKey(LPCTSTR lpszPath, BOOL bAdmin)
{
    if (m_bReadOnly)
        return FALSE;
    CString strPath = TrimPath(lpszPath);
    HKEY hRoot = bAdmin ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
    HKEY hKey = NULL;
    m_lResult = ::RegOpenKeyExA(hRoot, strPath, 0, KEY_ALL_ACCESS, &hKey);
    if (m_lResult != ERROR_SUCCESS)
        return FALSE;
    for (;;)
    {
        DWORD dwSubKeys = 0, dwMaxLen = 0;
        m_lResult = ::RegQueryInfoKeyA(hKey, NULL, NULL, NULL, &dwSubKeys, &dwMaxLen, NULL, NULL, NULL, NULL,
                                       NULL, NULL);
        if (m_lResult != ERROR_SUCCESS)
        {
            ::RegCloseKey(hKey);
            return FALSE;
        }
        if (dwSubKeys == 0)
            break;
        CString strSub;
        LPTSTR pszSub = strSub.GetBuffer((int)dwMaxLen + 1);
        m_lResult = ::RegEnumKeyA(hKey, 0, pszSub, dwMaxLen + 1);
        strSub.ReleaseBuffer();
        if (m_lResult != ERROR_SUCCESS || !DeleteKey(strPath + _T("\\") + strSub, bAdmin))
        {
            ::RegCloseKey(hKey);
            return FALSE;
        }
    }
    ::RegCloseKey(hKey);
    m_lResult = ::RegDeleteKeyA(hRoot, strPath);
    return m_lResult == ERROR_SUCCESS;
}

/////////////////////////////////////////////////////////////////////////////
// Plain values

BOOL CORXRegistry::Write(LPCTSTR lpszKey, LPBYTE pData, UINT nBytes)
{
    if (m_bReadOnly)
        return FALSE;
    m_dwType = REG_BINARY;
    m_dwSize = nBytes;
    m_lResult = ::RegSetValueExA(m_hKey, lpszKey, 0, REG_BINARY, pData, nBytes);
    return m_lResult == ERROR_SUCCESS;
}

BOOL CORXRegistry::Write(LPCTSTR lpszKey, LPCTSTR lpszVal)
{
    if (m_bReadOnly)
        return FALSE;
    if (lpszVal == NULL)
        lpszVal = _T("");
    m_dwType = REG_SZ;
    m_dwSize = (DWORD)(lstrlenA(lpszVal) + 1);
    m_lResult = ::RegSetValueExA(m_hKey, lpszKey, 0, REG_SZ, (const BYTE*)lpszVal, m_dwSize);
    return m_lResult == ERROR_SUCCESS;
}

BOOL CORXRegistry::Write(LPCTSTR lpszKey, DWORD dwVal)
{
    if (m_bReadOnly)
        return FALSE;
    m_dwType = REG_DWORD;
    m_dwSize = sizeof(DWORD);
    m_lResult = ::RegSetValueExA(m_hKey, lpszKey, 0, REG_DWORD, (const BYTE*)&dwVal, sizeof(DWORD));
    return m_lResult == ERROR_SUCCESS;
}

BOOL CORXRegistry::Write(LPCTSTR lpszKey, int iVal)
{
    return Write(lpszKey, (DWORD)iVal);
}

// Numbers are taken only from REG_DWORD values of exactly four bytes; the output changes only
// on success.
BOOL CORXRegistry::Read(LPCTSTR lpszKey, DWORD& dwVal)
{
    DWORD dwType = 0, dwData = 0, dwSize = sizeof(DWORD);
    m_lResult = ::RegQueryValueExA(m_hKey, lpszKey, NULL, &dwType, (LPBYTE)&dwData, &dwSize);
    m_dwType = dwType;
    m_dwSize = dwSize;
    if (m_lResult != ERROR_SUCCESS)
        return FALSE;
    if (dwType != REG_DWORD || dwSize != sizeof(DWORD))
    {
        m_lResult = ERROR_INVALID_DATA;
        return FALSE;
    }
    dwVal = dwData;
    return TRUE;
}

BOOL CORXRegistry::Read(LPCTSTR lpszKey, int& iVal)
{
    DWORD dw = 0;
    if (!Read(lpszKey, dw))
        return FALSE;
    iVal = (int)dw;
    return TRUE;
}

// Strings come only from REG_SZ and REG_EXPAND_SZ values; the text ends at the first zero or at
// the value's end, whether or not the stored bytes carry a terminator.
BOOL CORXRegistry::Read(LPCTSTR lpszKey, CString& sVal)
{
    sVal.Empty();
    DWORD dwType = 0, dwSize = 0;
    m_lResult = ::RegQueryValueExA(m_hKey, lpszKey, NULL, &dwType, NULL, &dwSize);
    m_dwType = dwType;
    m_dwSize = dwSize;
    if (m_lResult != ERROR_SUCCESS)
        return FALSE;
    if (dwType != REG_SZ && dwType != REG_EXPAND_SZ)
    {
        m_lResult = ERROR_INVALID_DATA;
        return FALSE;
    }
    if (dwSize == 0)
        return FALSE;
    BYTE* pBuffer = new BYTE[dwSize + 1];
    DWORD dwRead = dwSize;
    m_lResult = ::RegQueryValueExA(m_hKey, lpszKey, NULL, &dwType, pBuffer, &dwRead);
    if (m_lResult == ERROR_SUCCESS && (dwType == REG_SZ || dwType == REG_EXPAND_SZ) && dwRead <= dwSize)
    {
        pBuffer[dwRead] = 0;
        sVal = (LPCSTR)pBuffer;
    }
    else if (m_lResult == ERROR_SUCCESS)
        m_lResult = ERROR_INVALID_DATA;
    delete[] pBuffer;
    return m_lResult == ERROR_SUCCESS && !sVal.IsEmpty();
}

BOOL CORXRegistry::ReadBinary(LPCTSTR lpszKey, BYTE*& pData, UINT& nBytes)
{
    pData = NULL;
    nBytes = 0;
    DWORD dwType = 0, dwSize = 0;
    m_lResult = ::RegQueryValueExA(m_hKey, lpszKey, NULL, &dwType, NULL, &dwSize);
    m_dwType = dwType;
    m_dwSize = dwSize;
    if (m_lResult != ERROR_SUCCESS)
        return FALSE;
    if (dwType != REG_BINARY)
    {
        m_lResult = ERROR_INVALID_DATA;
        return FALSE;
    }
    BYTE* pBuffer = new BYTE[dwSize > 0 ? dwSize : 1];
    DWORD dwRead = dwSize;
    m_lResult = ::RegQueryValueExA(m_hKey, lpszKey, NULL, &dwType, pBuffer, &dwRead);
    if (m_lResult != ERROR_SUCCESS || dwType != REG_BINARY || dwRead > dwSize)
    {
        if (m_lResult == ERROR_SUCCESS)
            m_lResult = ERROR_INVALID_DATA;
        delete[] pBuffer;
        return FALSE;
    }
    pData = pBuffer;
    nBytes = dwRead;
    return TRUE;
}

BOOL CORXRegistry::Read(LPCTSTR lpszKey, BYTE*& pData, UINT& nBytes)
{
    return ReadBinary(lpszKey, pData, nBytes);
}

/////////////////////////////////////////////////////////////////////////////
// Archive images

BOOL CORXRegistry::WriteArchived(LPCTSTR lpszKey, void (*pfnStore)(CArchive&, void*), void* pContext)
{
    if (m_bReadOnly)
        return FALSE;
    BOOL bOK = FALSE;
    try
    {
        CMemFile file(1024);
        {
            CArchive ar(&file, CArchive::store, 4096);
            pfnStore(ar, pContext);
            ar.Close();
        }
        UINT nBytes = (UINT)file.GetLength();
        BYTE* pData = file.Detach();
        bOK = Write(lpszKey, pData, nBytes);
        free(pData);
    }
    catch (CException* e)
    {
        e->Delete();
        bOK = FALSE;
    }
    return bOK;
}

BOOL CORXRegistry::IsArchiveAtEnd(CArchive& ar)
{
    CFile* pFile = ar.GetFile();
    return ar.IsLoading() && ar.IsBufferEmpty() && pFile != NULL &&
           pFile->GetPosition() >= pFile->GetLength();
}

void CORXRegistry::CheckArchiveAtEnd(CArchive& ar)
{
    if (!IsArchiveAtEnd(ar))
        AfxThrowArchiveException(CArchiveException::badIndex, NULL);
}

// A damaged, cut-off or foreign value must not escape as an exception: whatever the loader had
// built is its own to free, and the read answers FALSE. A value with bytes left after its record
// is damaged as well: a count one short reads on inside the record and drops what follows.
BOOL CORXRegistry::ReadArchived(LPCTSTR lpszKey, void (*pfnLoad)(CArchive&, void*), void* pContext)
{
    BYTE* pData = NULL;
    UINT nBytes = 0;
    if (!ReadBinary(lpszKey, pData, nBytes))
        return FALSE;
    BOOL bOK = FALSE;
    try
    {
        CMemFile file(pData, nBytes);
        CArchive ar(&file, CArchive::load, 4096);
        pfnLoad(ar, pContext);
        CheckArchiveAtEnd(ar);
        ar.Close();
        bOK = TRUE;
    }
    catch (CException* e)
    {
        e->Delete();
        m_lResult = ERROR_INVALID_DATA;
        bOK = FALSE;
    }
    delete[] pData;
    return bOK;
}

BOOL CORXRegistry::Write(LPCTSTR lpszKey, CObject* pObj)
{
    return WriteArchived(
        lpszKey, [](CArchive& ar, void* p) { ar.WriteObject((CObject*)p); }, pObj);
}

BOOL CORXRegistry::Write(LPCTSTR lpszKey, CObject& obj)
{
    return WriteArchived(
        lpszKey, [](CArchive& ar, void* p) { ((CObject*)p)->Serialize(ar); }, &obj);
}

BOOL CORXRegistry::Write(LPCTSTR lpszKey, CStringList& list)
{
    return Write(lpszKey, (CObject&)list);
}

BOOL CORXRegistry::Write(LPCTSTR lpszKey, const CPoint& point)
{
    CDWordArray array;
    array.SetSize(5);
    array[0] = (DWORD)point.x;
    array[1] = (DWORD)point.y;
    array[2] = array[3] = array[4] = 0;
    return Write(lpszKey, (CObject&)array);
}

BOOL CORXRegistry::Write(LPCTSTR lpszKey, const CRect& rect)
{
    return WriteArchived(
        lpszKey, [](CArchive& ar, void* p) { ar.Write(p, sizeof(RECT)); }, (void*)(const RECT*)&rect);
}

BOOL CORXRegistry::Write(LPCTSTR lpszKey, CWordArray& array)
{
    return WriteArchived(
        lpszKey,
        [](CArchive& ar, void* p) {
            CWordArray& words = *(CWordArray*)p;
            ar << (DWORD)words.GetSize();
            for (INT_PTR i = 0; i < words.GetSize(); i++)
                ar << words[i];
        },
        &array);
}

BOOL CORXRegistry::Write(LPCTSTR lpszKey, CStringArray& array)
{
    return Write(lpszKey, (CObject&)array);
}

BOOL CORXRegistry::Write(LPCTSTR lpszKey, CDWordArray& array)
{
    return Write(lpszKey, (CObject&)array);
}

BOOL CORXRegistry::Write(LPCTSTR lpszKey, CList<UINT, UINT>& list)
{
    return Write(lpszKey, (CObject&)list);
}

BOOL CORXRegistry::Write(LPCTSTR lpszKey, CByteArray& array)
{
    return Write(lpszKey, (CObject&)array);
}

namespace
{
struct ObjectRead
{
    CObject* pObj;
    CRuntimeClass* pExpected;
};
} // namespace

BOOL CORXRegistry::Read(LPCTSTR lpszKey, CObject*& pObj, CRuntimeClass* pExpected)
{
    pObj = NULL;
    ObjectRead read = {NULL, pExpected != NULL ? pExpected : RUNTIME_CLASS(CObject)};
    BOOL bOK = ReadArchived(
        lpszKey,
        [](CArchive& ar, void* p) {
            ObjectRead& r = *(ObjectRead*)p;
            // ReadObject refuses a stored object of another class before the object is made.
            r.pObj = ar.ReadObject(r.pExpected);
        },
        &read);
    if (!bOK)
    {
        delete read.pObj;
        return FALSE;
    }
    if (read.pObj != NULL && !read.pObj->IsKindOf(read.pExpected))
    {
        delete read.pObj;
        m_lResult = ERROR_INVALID_DATA;
        return FALSE;
    }
    pObj = read.pObj;
    return pObj != NULL;
}

BOOL CORXRegistry::Read(LPCTSTR lpszKey, CObject& obj)
{
    return ReadArchived(
        lpszKey, [](CArchive& ar, void* p) { ((CObject*)p)->Serialize(ar); }, &obj);
}

namespace
{
// Empties the list, deleting each object once however often the list holds it.
void DeleteObjects(CObList& list)
{
    CMapPtrToPtr seen;
    while (!list.IsEmpty())
    {
        CObject* pObject = list.RemoveHead();
        void* pFound = NULL;
        if (pObject == NULL || seen.Lookup(pObject, pFound))
            continue;
        seen.SetAt(pObject, pObject);
        delete pObject;
    }
}

BOOL HasRepeatsOrNulls(const CObList& list)
{
    CMapPtrToPtr seen;
    for (POSITION pos = list.GetHeadPosition(); pos != NULL;)
    {
        CObject* pObject = list.GetNext(pos);
        void* pFound = NULL;
        if (pObject == NULL || seen.Lookup(pObject, pFound))
            return TRUE;
        seen.SetAt(pObject, pObject);
    }
    return FALSE;
}
} // namespace

BOOL CORXRegistry::Read(LPCTSTR lpszKey, CObList& list)
{
    DeleteObjects(list);
    // A list that holds one object twice, or a NULL, is damaged: its owner would delete the one
    // object twice.
    if (Read(lpszKey, (CObject&)list) && !HasRepeatsOrNulls(list))
        return TRUE;
    // The objects read before the damage are the list's: none of them survives a failed read.
    DeleteObjects(list);
    return FALSE;
}

BOOL CORXRegistry::Read(LPCTSTR lpszKey, CRect& rect)
{
    RECT rc = {0, 0, 0, 0};
    if (!ReadArchived(
            lpszKey,
            [](CArchive& ar, void* p) {
                if (ar.Read(p, sizeof(RECT)) != sizeof(RECT))
                    AfxThrowArchiveException(CArchiveException::endOfFile);
            },
            &rc))
        return FALSE;
    rect = rc;
    return TRUE;
}

BOOL CORXRegistry::Read(LPCTSTR lpszKey, CPoint& point)
{
    CDWordArray array;
    if (!Read(lpszKey, (CObject&)array))
        return FALSE;
    if (array.GetSize() < 2)
    {
        m_lResult = ERROR_INVALID_DATA;
        return FALSE;
    }
    point.x = (LONG)array[0];
    point.y = (LONG)array[1];
    return TRUE;
}

BOOL CORXRegistry::Read(LPCTSTR lpszKey, CWordArray& array)
{
    array.RemoveAll();
    BOOL bOK = ReadArchived(
        lpszKey,
        [](CArchive& ar, void* p) {
            CWordArray& words = *(CWordArray*)p;
            DWORD dwCount = 0;
            ar >> dwCount;
            ar.CheckAvailable((ULONGLONG)dwCount * sizeof(WORD));
            words.SetSize((INT_PTR)dwCount);
            for (DWORD i = 0; i < dwCount; i++)
                ar >> words[(INT_PTR)i];
        },
        &array);
    if (!bOK)
        array.RemoveAll();
    return bOK;
}

template <class COLLECTION> static BOOL ReadCollection(CORXRegistry& reg, LPCTSTR lpszKey, COLLECTION& coll)
{
    coll.RemoveAll();
    if (reg.Read(lpszKey, (CObject&)coll))
        return TRUE;
    coll.RemoveAll();
    return FALSE;
}

BOOL CORXRegistry::Read(LPCTSTR lpszKey, CStringList& list)
{
    return ReadCollection(*this, lpszKey, list);
}

BOOL CORXRegistry::Read(LPCTSTR lpszKey, CStringArray& array)
{
    return ReadCollection(*this, lpszKey, array);
}

BOOL CORXRegistry::Read(LPCTSTR lpszKey, CDWordArray& array)
{
    return ReadCollection(*this, lpszKey, array);
}

BOOL CORXRegistry::Read(LPCTSTR lpszKey, CList<UINT, UINT>& list)
{
    return ReadCollection(*this, lpszKey, list);
}

/////////////////////////////////////////////////////////////////////////////
// Enumeration

BOOL CORXRegistry::ReadSubKeys(CStringArray& subKeys)
{
    char szName[1025];
    for (DWORD dwIndex = 0;; dwIndex++)
    {
        DWORD dwLen = sizeof(szName) - 1;
        FILETIME ft;
        m_lResult = ::RegEnumKeyExA(m_hKey, dwIndex, szName, &dwLen, NULL, NULL, NULL, &ft);
        if (m_lResult != ERROR_SUCCESS)
            return dwIndex > 0;
        szName[dwLen < sizeof(szName) ? dwLen : sizeof(szName) - 1] = 0;
        subKeys.Add(szName);
    }
}

BOOL CORXRegistry::ReadKeyValues(CStringArray& values)
{
    char szName[1025];
    for (DWORD dwIndex = 0;; dwIndex++)
    {
        DWORD dwLen = sizeof(szName) - 1;
        m_lResult = ::RegEnumValueA(m_hKey, dwIndex, szName, &dwLen, NULL, NULL, NULL, NULL);
        if (m_lResult != ERROR_SUCCESS)
            return dwIndex > 0;
        szName[dwLen < sizeof(szName) ? dwLen : sizeof(szName) - 1] = 0;
        values.Add(szName);
    }
}

/////////////////////////////////////////////////////////////////////////////
// CORXRegistrySP

BOOL CORXRegistrySP::SetRuntimeClass(CRuntimeClass* pRTI)
{
    if (pRTI != NULL &&
        (!pRTI->IsDerivedFrom(RUNTIME_CLASS(CORXRegistry)) || pRTI->m_pfnCreateObject == NULL))
        return FALSE;
    s_pRTIDefault = pRTI;
    return TRUE;
}

CORXRegistry& CORXRegistrySP::CreateRegistry(BOOL bAdmin, BOOL bReadOnly)
{
    if (m_pRegistry != NULL)
        return *m_pRegistry;
    if (s_pRTIDefault != NULL)
    {
        CObject* pObj = s_pRTIDefault->CreateObject();
        if (pObj != NULL && pObj->IsKindOf(RUNTIME_CLASS(CORXRegistry)))
            m_pRegistry = (CORXRegistry*)pObj;
        else
            delete pObj;
    }
    if (m_pRegistry == NULL)
        m_pRegistry = new CORXRegistry(bAdmin, bReadOnly);
    m_pRegistry->m_bReadOnly = bReadOnly;
    m_pRegistry->m_bAdmin = bAdmin;
    m_pRegistry->SetCurrentKey(bAdmin ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER);
    m_pRegistry->m_dwOwner = m_dwOwner;
    return *m_pRegistry;
}
