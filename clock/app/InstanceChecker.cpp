// CInstanceChecker: a named mutex marks a running copy; a named 4-byte mapping carries its window.
#include "InstanceChecker.h"

CInstanceChecker::CInstanceChecker(LPCTSTR lpszName)
    : m_dataLock(FALSE, NULL), m_hInstanceMutex(NULL), m_bMutexExisted(FALSE), m_pActiveLock(NULL),
      m_strName(lpszName), m_hPublished(NULL)
{
    m_hInstanceMutex = ::CreateMutex(NULL, FALSE, m_strName);
    m_bMutexExisted = (m_hInstanceMutex != NULL && ::GetLastError() == ERROR_ALREADY_EXISTS);
}

CInstanceChecker::~CInstanceChecker()
{
    ReleaseLock();
    if (m_hPublished != NULL)
        ::CloseHandle(m_hPublished);
    if (m_hInstanceMutex != NULL)
        ::CloseHandle(m_hInstanceMutex);
}

CString CInstanceChecker::GetMappingName() const
{
    return CString(_T("CInstanceChecker_MMF_")) + m_strName;
}

HWND CInstanceChecker::GetWindowToPublish() const
{
    CWnd* pMain = AfxGetMainWnd();
    return pMain != NULL ? pMain->GetSafeHwnd() : NULL;
}

BOOL CInstanceChecker::IsOtherInstanceRunning()
{
    HANDLE hMapping = ::OpenFileMapping(FILE_MAP_ALL_ACCESS, FALSE, GetMappingName());
    if (hMapping != NULL)
    {
        ::CloseHandle(hMapping);
        return TRUE;
    }
    return m_bMutexExisted;
}

HWND CInstanceChecker::ActivateOtherInstance()
{
    HANDLE hMapping = ::OpenFileMapping(FILE_MAP_ALL_ACCESS, FALSE, GetMappingName());
    if (hMapping == NULL)
        return NULL;
    DWORD* pData = (DWORD*)::MapViewOfFile(hMapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(DWORD));
    if (pData == NULL)
    {
        ::CloseHandle(hMapping);
        ReleaseLock();
        return NULL;
    }

    ReleaseLock();
    m_pActiveLock = new CSingleLock(&m_dataLock, TRUE);
    HWND hWnd = (HWND)(UINT_PTR)*pData;
    if (hWnd != NULL)
    {
        if (::IsIconic(hWnd))
            ::ShowWindow(hWnd, SW_RESTORE);
        ::SetForegroundWindow(::GetLastActivePopup(hWnd));
    }
    ::UnmapViewOfFile(pData);
    ::CloseHandle(hMapping);
    ReleaseLock();
    return hWnd;
}

BOOL CInstanceChecker::PublishWindow()
{
    if (m_hPublished == NULL)
    {
        m_hPublished = ::CreateFileMapping(INVALID_HANDLE_VALUE, NULL, PAGE_READWRITE, 0, sizeof(DWORD),
                                           GetMappingName());
        if (m_hPublished == NULL)
            return FALSE;
    }
    DWORD* pData = (DWORD*)::MapViewOfFile(m_hPublished, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(DWORD));
    if (pData == NULL)
        return FALSE;
    {
        CSingleLock lock(&m_dataLock, TRUE);
        *pData = (DWORD)(UINT_PTR)GetWindowToPublish();
    }
    ::UnmapViewOfFile(pData);
    return TRUE;
}

void CInstanceChecker::ReleaseLock()
{
    if (m_pActiveLock != NULL)
    {
        m_pActiveLock->Unlock();
        delete m_pActiveLock;
        m_pActiveLock = NULL;
    }
}
