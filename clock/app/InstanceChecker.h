// CInstanceChecker: keeps a program to one running copy and lets a second copy activate the first.
#ifndef VELMORA_INSTANCECHECKER_H
#define VELMORA_INSTANCECHECKER_H

#include <afxwin.h>
#include <afxmt.h>

class CInstanceChecker : public CObject
{
    // Construction
public:
    explicit CInstanceChecker(LPCTSTR lpszName);
    virtual ~CInstanceChecker();

    // Operations
public:
    // TRUE when another copy has published its window, or holds the instance mutex already: two
    // copies started together must not both run although neither has published yet.
    BOOL IsOtherInstanceRunning();
    // Restores and brings to the front the published window; its handle, or 0 when none.
    HWND ActivateOtherInstance();
    // Publishes GetWindowToPublish() for later copies; kept until this checker goes.
    BOOL PublishWindow();
    void ReleaseLock();

    // Overridables
public:
    virtual CString GetMappingName() const;
    virtual HWND GetWindowToPublish() const;

    // Implementation
protected:
    CMutex m_dataLock;
    HANDLE m_hInstanceMutex;
    BOOL m_bMutexExisted;
    CSingleLock* m_pActiveLock;
    CString m_strName;
    HANDLE m_hPublished;
};

#endif // VELMORA_INSTANCECHECKER_H
