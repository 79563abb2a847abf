// CORXMenuSound: the worker polls the request word every 5 ms and plays what it finds.
#include "ORXMenuSound.h"

#include <process.h>

#include "ORXExtrasHooks.h"
#include "ORXGlobalData.h"

BOOL CORXMenuSound::s_bEnabled = TRUE;
volatile LONG CORXMenuSound::s_nState = CORXMenuSound::StateNoThread;
HANDLE CORXMenuSound::s_hThread = NULL;
HANDLE CORXMenuSound::s_hLingering = NULL;

namespace
{
IORXMenuSoundPlayer* volatile g_pPlayer = NULL;

// The sounds as the layers below the menus ask for them: the tool bars' commands and the global
// clean-up's stop.
class CMenuSoundLink : public CORXMenuSoundLink
{
public:
    CMenuSoundLink() { CORXServices::Register<CORXMenuSoundLink>(this); }
    ~CMenuSoundLink() { CORXServices::Unregister<CORXMenuSoundLink>(this); }
    virtual void PlayMenuSound(int nRequest) { CORXMenuSound::PlayMenuSound(nRequest); }
} s_menuSoundLink;

BOOL Play(LPCSTR pszSound, DWORD dwFlags)
{
    IORXMenuSoundPlayer* pPlayer = g_pPlayer;
    if (pPlayer != NULL)
        return pPlayer->PlaySound(pszSound, dwFlags);
    return ::PlaySoundA(pszSound, NULL, dwFlags);
}
} // namespace

// Serialises the start and the stop of the worker. Made on the first start; when it goes at the
// end of the process it stops a worker that is still running, so that nothing destroyed after it
// (the drawing data stop the sounds once more) finds a thread or a lock.
class CORXMenuSoundLock
{
public:
    CORXMenuSoundLock() { ::InitializeCriticalSection(&m_cs); }
    ~CORXMenuSoundLock()
    {
        CORXMenuSound::StopWorker();
        s_pLock = NULL;
        ::DeleteCriticalSection(&m_cs);
    }
    CORXMenuSoundLock(const CORXMenuSoundLock&) = delete;
    CORXMenuSoundLock& operator=(const CORXMenuSoundLock&) = delete;

    static CORXMenuSoundLock* Get()
    {
        static CORXMenuSoundLock s_lock;
        s_pLock = &s_lock;
        return s_pLock;
    }
    static CORXMenuSoundLock* s_pLock;

    CRITICAL_SECTION m_cs;
};
CORXMenuSoundLock* CORXMenuSoundLock::s_pLock = NULL;

void CORXMenuSound::SetPlayer(IORXMenuSoundPlayer* pPlayer)
{
    g_pPlayer = pPlayer;
}

void CORXMenuSound::PlayMenuSound(int nRequest)
{
    // A stop is honoured even with sounds turned off: a worker started before they were turned
    // off must still end before the process does.
    if (nRequest == StateStop)
    {
        StopWorker();
        return;
    }
    if (!s_bEnabled || (nRequest != StateCommand && nRequest != StatePopup))
        return;
    CORXMenuSoundLock* pLock = CORXMenuSoundLock::Get();
    ::EnterCriticalSection(&pLock->m_cs);
    if (s_hThread != NULL)
    {
        // The newest request wins over one not yet played.
        ::InterlockedExchange(&s_nState, nRequest);
    }
    else
        StartWorker(nRequest);
    ::LeaveCriticalSection(&pLock->m_cs);
}

void CORXMenuSound::StartWorker(int nRequest)
{
    if (s_hLingering != NULL)
    {
        if (::WaitForSingleObject(s_hLingering, 0) != WAIT_OBJECT_0)
            return;
        ::CloseHandle(s_hLingering);
        s_hLingering = NULL;
    }
    // The request is in place before the worker runs: it starts suspended, and a worker that sees
    // a negative state ends at once. Not _beginthread: its thread closes its own handle when it
    // ends (_endthread), so a stop could neither wait on the handle nor know it still names the
    // worker.
    ::InterlockedExchange(&s_nState, nRequest);
    unsigned uThreadId = 0;
    HANDLE hThread = (HANDLE)_beginthreadex(NULL, 0, &WorkerProc, NULL, CREATE_SUSPENDED, &uThreadId);
    if (hThread == NULL)
    {
        ::InterlockedExchange(&s_nState, StateNoThread);
        return;
    }
    ::SetThreadPriority(hThread, THREAD_PRIORITY_BELOW_NORMAL);
    s_hThread = hThread;
    ::ResumeThread(hThread);
}

void CORXMenuSound::StopWorker()
{
    CORXMenuSoundLock* pLock = CORXMenuSoundLock::s_pLock;
    if (pLock == NULL)
        return; // no worker was ever started
    ::EnterCriticalSection(&pLock->m_cs);
    if (s_hThread != NULL)
    {
        ::InterlockedExchange(&s_nState, StateStop);
        // The handle is closed only once the worker has ended; one that is still inside a sound
        // after the wait keeps the stop request and ends by itself.
        if (::WaitForSingleObject(s_hThread, kStopWaitMs) == WAIT_OBJECT_0)
        {
            ::CloseHandle(s_hThread);
            ::InterlockedExchange(&s_nState, StateNoThread);
        }
        else
            s_hLingering = s_hThread;
        s_hThread = NULL;
    }
    ::LeaveCriticalSection(&pLock->m_cs);
}

unsigned __stdcall CORXMenuSound::WorkerProc(void*)
{
    for (;;)
    {
        LONG nState = s_nState;
        if (nState < StateIdle)
            break;
        if (nState == StateCommand || nState == StatePopup)
        {
            Play(nState == StateCommand ? "MenuCommand" : "MenuPopup", kSoundFlags);
            // Only the request just played goes back to idle: a newer one, or a stop given while
            // the sound played, stays for the next pass.
            ::InterlockedCompareExchange(&s_nState, StateIdle, nState);
        }
        ::Sleep(5);
    }
    Play(NULL, SND_PURGE);
    return 0;
}
