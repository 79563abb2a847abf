// Synchronisation objects and locks over the kernel's objects.
#include "afxmt.h"

IMPLEMENT_DYNAMIC(CSyncObject, CObject)
IMPLEMENT_DYNAMIC(CSemaphore, CSyncObject)
IMPLEMENT_DYNAMIC(CMutex, CSyncObject)
IMPLEMENT_DYNAMIC(CEvent, CSyncObject)
IMPLEMENT_DYNAMIC(CCriticalSection, CSyncObject)

CSyncObject::CSyncObject(LPCTSTR)
{
    m_hObject = NULL;
}

CSyncObject::~CSyncObject()
{
    if (m_hObject != NULL)
    {
        ::CloseHandle(m_hObject);
        m_hObject = NULL;
    }
}

BOOL CSyncObject::Lock(DWORD dwTimeout)
{
    DWORD dwRet = ::WaitForSingleObject(m_hObject, dwTimeout);
    return dwRet == WAIT_OBJECT_0 || dwRet == WAIT_ABANDONED;
}

CSemaphore::CSemaphore(LONG lInitialCount, LONG lMaxCount, LPCTSTR pstrName,
                       LPSECURITY_ATTRIBUTES lpsaAttributes)
    : CSyncObject(pstrName)
{
    m_hObject = ::CreateSemaphore(lpsaAttributes, lInitialCount, lMaxCount, pstrName);
    if (m_hObject == NULL)
        AfxThrowResourceException();
}

CSemaphore::~CSemaphore() {}
BOOL CSemaphore::Unlock()
{
    return Unlock(1, NULL);
}
BOOL CSemaphore::Unlock(LONG lCount, LPLONG lpPrevCount)
{
    return ::ReleaseSemaphore(m_hObject, lCount, lpPrevCount);
}

CMutex::CMutex(BOOL bInitiallyOwn, LPCTSTR pstrName, LPSECURITY_ATTRIBUTES lpsaAttribute)
    : CSyncObject(pstrName)
{
    m_hObject = ::CreateMutex(lpsaAttribute, bInitiallyOwn, pstrName);
    if (m_hObject == NULL)
        AfxThrowResourceException();
}

CMutex::~CMutex() {}
BOOL CMutex::Unlock()
{
    return ::ReleaseMutex(m_hObject);
}

CEvent::CEvent(BOOL bInitiallyOwn, BOOL bManualReset, LPCTSTR pstrName, LPSECURITY_ATTRIBUTES lpsaAttribute)
    : CSyncObject(pstrName)
{
    m_hObject = ::CreateEvent(lpsaAttribute, bManualReset, bInitiallyOwn, pstrName);
    if (m_hObject == NULL)
        AfxThrowResourceException();
}

CEvent::~CEvent() {}
BOOL CEvent::Unlock()
{
    return TRUE;
}

CCriticalSection::CCriticalSection() : CSyncObject(NULL)
{
    ::InitializeCriticalSection(&m_sect);
}
CCriticalSection::~CCriticalSection()
{
    ::DeleteCriticalSection(&m_sect);
}

BOOL CCriticalSection::Lock(DWORD dwTimeout)
{
    // A critical section cannot time out: waiting is all there is.
    (void)dwTimeout;
    ::EnterCriticalSection(&m_sect);
    return TRUE;
}

// CSingleLock

CSingleLock::CSingleLock(CSyncObject* pObject, BOOL bInitialLock)
{
    m_pObject = pObject;
    m_hObject = pObject != NULL ? pObject->m_hObject : NULL;
    m_bAcquired = FALSE;
    if (bInitialLock)
        Lock();
}

BOOL CSingleLock::Lock(DWORD dwTimeOut)
{
    if (m_pObject == NULL || m_bAcquired)
        return m_bAcquired;
    CCriticalSection* pSection = dynamic_cast<CCriticalSection*>(m_pObject);
    if (pSection != NULL)
        m_bAcquired = pSection->Lock(dwTimeOut);
    else
        m_bAcquired = m_pObject->Lock(dwTimeOut);
    return m_bAcquired;
}

BOOL CSingleLock::Unlock()
{
    if (m_bAcquired && m_pObject != NULL)
        m_bAcquired = !m_pObject->Unlock();
    return !m_bAcquired;
}

BOOL CSingleLock::Unlock(LONG lCount, LPLONG lpPrevCount)
{
    if (m_bAcquired && m_pObject != NULL)
        m_bAcquired = !m_pObject->Unlock(lCount, lpPrevCount);
    return !m_bAcquired;
}

// CMultiLock

CMultiLock::CMultiLock(CSyncObject* pObjects[], DWORD dwCount, BOOL bInitialLock)
{
    m_ppObjectArray = pObjects;
    m_dwCount = dwCount;
    if (dwCount <= 8)
    {
        m_pHandleArray = m_hPreallocated;
        m_bLockedArray = m_bPreallocated;
    }
    else
    {
        m_pHandleArray = new HANDLE[dwCount];
        m_bLockedArray = new BOOL[dwCount];
    }
    for (DWORD i = 0; i < dwCount; i++)
    {
        m_pHandleArray[i] = pObjects[i]->m_hObject;
        m_bLockedArray[i] = FALSE;
    }
    if (bInitialLock)
        Lock();
}

CMultiLock::~CMultiLock()
{
    Unlock();
    if (m_pHandleArray != m_hPreallocated)
    {
        delete[] m_bLockedArray;
        delete[] m_pHandleArray;
    }
}

DWORD CMultiLock::Lock(DWORD dwTimeOut, BOOL bWaitForAll, DWORD dwWakeMask)
{
    DWORD iIndex;
    if (dwWakeMask == 0)
        iIndex = ::WaitForMultipleObjects(m_dwCount, m_pHandleArray, bWaitForAll, dwTimeOut);
    else
        iIndex = ::MsgWaitForMultipleObjects(m_dwCount, m_pHandleArray, bWaitForAll, dwTimeOut, dwWakeMask);

    if (iIndex < WAIT_OBJECT_0 + m_dwCount)
    {
        if (bWaitForAll)
        {
            for (DWORD i = 0; i < m_dwCount; i++)
                m_bLockedArray[i] = TRUE;
        }
        else
        {
            m_bLockedArray[iIndex - WAIT_OBJECT_0] = TRUE;
        }
    }
    else if (iIndex >= WAIT_ABANDONED_0 && iIndex < WAIT_ABANDONED_0 + m_dwCount)
    {
        m_bLockedArray[iIndex - WAIT_ABANDONED_0] = TRUE;
    }
    return iIndex;
}

BOOL CMultiLock::Unlock()
{
    for (DWORD i = 0; i < m_dwCount; i++)
    {
        if (m_bLockedArray[i])
            m_bLockedArray[i] = !m_ppObjectArray[i]->Unlock();
    }
    return TRUE;
}

BOOL CMultiLock::Unlock(LONG lCount, LPLONG lpPrevCount)
{
    BOOL bGotOne = FALSE;
    for (DWORD i = 0; i < m_dwCount; i++)
    {
        if (m_bLockedArray[i])
        {
            CSemaphore* pSemaphore = dynamic_cast<CSemaphore*>(m_ppObjectArray[i]);
            if (pSemaphore != NULL)
            {
                bGotOne = TRUE;
                m_bLockedArray[i] = !m_ppObjectArray[i]->Unlock(lCount, lpPrevCount);
            }
        }
    }
    return bGotOne;
}

BOOL CMultiLock::IsLocked(DWORD dwObject)
{
    return dwObject < m_dwCount && m_bLockedArray[dwObject];
}
