// Synchronisation objects (mutex, semaphore, event, critical section) and the locks over them.
#ifndef VELMORA_AFXSYNC_H
#define VELMORA_AFXSYNC_H

#include "afx.h"

class CSyncObject : public CObject
{
    DECLARE_DYNAMIC(CSyncObject)
public:
    // Constructor
    explicit CSyncObject(LPCTSTR pstrName);

    // Attributes
    operator HANDLE() const { return m_hObject; }
    HANDLE m_hObject;

    // Operations
    virtual BOOL Lock(DWORD dwTimeout = INFINITE);
    virtual BOOL Unlock() = 0;
    virtual BOOL Unlock(LONG, LPLONG = NULL) { return TRUE; }

    // Implementation
    virtual ~CSyncObject();
    friend class CSingleLock;
    friend class CMultiLock;
};

class CSemaphore : public CSyncObject
{
    DECLARE_DYNAMIC(CSemaphore)
public:
    CSemaphore(LONG lInitialCount = 1, LONG lMaxCount = 1, LPCTSTR pstrName = NULL,
               LPSECURITY_ATTRIBUTES lpsaAttributes = NULL);
    virtual ~CSemaphore();
    virtual BOOL Unlock();
    virtual BOOL Unlock(LONG lCount, LPLONG lprevCount = NULL);
};

class CMutex : public CSyncObject
{
    DECLARE_DYNAMIC(CMutex)
public:
    CMutex(BOOL bInitiallyOwn = FALSE, LPCTSTR lpszName = NULL, LPSECURITY_ATTRIBUTES lpsaAttribute = NULL);
    virtual ~CMutex();
    BOOL Unlock();
};

class CEvent : public CSyncObject
{
    DECLARE_DYNAMIC(CEvent)
public:
    CEvent(BOOL bInitiallyOwn = FALSE, BOOL bManualReset = FALSE, LPCTSTR lpszName = NULL,
           LPSECURITY_ATTRIBUTES lpsaAttribute = NULL);
    virtual ~CEvent();
    BOOL SetEvent() { return ::SetEvent(m_hObject); }
    BOOL PulseEvent() { return ::PulseEvent(m_hObject); }
    BOOL ResetEvent() { return ::ResetEvent(m_hObject); }
    BOOL Unlock();
};

class CCriticalSection : public CSyncObject
{
    DECLARE_DYNAMIC(CCriticalSection)
public:
    CCriticalSection();
    virtual ~CCriticalSection();
    operator CRITICAL_SECTION*() { return &m_sect; }
    CRITICAL_SECTION m_sect;
    BOOL Unlock()
    {
        ::LeaveCriticalSection(&m_sect);
        return TRUE;
    }
    BOOL Lock()
    {
        ::EnterCriticalSection(&m_sect);
        return TRUE;
    }
    BOOL Lock(DWORD dwTimeout);
};

class CSingleLock
{
public:
    explicit CSingleLock(CSyncObject* pObject, BOOL bInitialLock = FALSE);
    ~CSingleLock() { Unlock(); }
    BOOL Lock(DWORD dwTimeOut = INFINITE);
    BOOL Unlock();
    BOOL Unlock(LONG lCount, LPLONG lPrevCount = NULL);
    BOOL IsLocked() { return m_bAcquired; }

protected:
    CSyncObject* m_pObject;
    HANDLE m_hObject;
    BOOL m_bAcquired;
};

class CMultiLock
{
public:
    CMultiLock(CSyncObject* ppObjects[], DWORD dwCount, BOOL bInitialLock = FALSE);
    ~CMultiLock();
    DWORD Lock(DWORD dwTimeOut = INFINITE, BOOL bWaitForAll = TRUE, DWORD dwWakeMask = 0);
    BOOL Unlock();
    BOOL Unlock(LONG lCount, LPLONG lPrevCount = NULL);
    BOOL IsLocked(DWORD dwItem);

protected:
    HANDLE m_hPreallocated[8];
    BOOL m_bPreallocated[8];
    CSyncObject* const* m_ppObjectArray;
    HANDLE* m_pHandleArray;
    BOOL* m_bLockedArray;
    DWORD m_dwCount;
};

#endif // VELMORA_AFXSYNC_H
