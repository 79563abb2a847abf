// CORXMenuSound: the menu pop-up and menu command sounds, played on a worker thread of their own.
#ifndef VELMORA_ORXMENUSOUND_H
#define VELMORA_ORXMENUSOUND_H

#include <afxwin.h>
#include <mmsystem.h>

// Where the worker's sounds go: PlaySound in the program, a recorder in tests (Wine plays
// nothing). Called on the worker thread.
class IORXMenuSoundPlayer
{
public:
    virtual ~IORXMenuSoundPlayer() {}
    virtual BOOL PlaySound(LPCSTR pszSound, DWORD dwFlags) = 0;
};

class CORXMenuSound
{
public:
    // The shared request word.
    enum
    {
        StateNoThread = -2,
        StateStop = -1,
        StateIdle = 0,
        StateCommand = 1,
        StatePopup = 2
    };
    // The flags of every menu sound: an alias, never the default sound, never waiting for a sound
    // that is still playing.
    static const DWORD kSoundFlags = SND_ALIAS | SND_NODEFAULT | SND_NOWAIT;
    // How long a stop waits for the worker to end.
    static const DWORD kStopWaitMs = 2000;

    // Operations
public:
    // StateCommand or StatePopup asks for a sound (starting the worker on first use); StateStop
    // ends the worker and waits for it.
    static void PlayMenuSound(int nRequest);

    // Attributes
public:
    static void EnableMenuSound(BOOL bEnable) { s_bEnabled = bEnable; }
    static BOOL IsMenuSoundEnabled() { return s_bEnabled; }
    static LONG GetState() { return s_nState; }
    static HANDLE GetThreadHandle() { return s_hThread; }
    // NULL puts PlaySound back.
    static void SetPlayer(IORXMenuSoundPlayer* pPlayer);

    // Implementation
protected:
    static unsigned __stdcall WorkerProc(void*);
    static void StartWorker(int nRequest);
    static void StopWorker();
    friend class CORXMenuSoundLock;

    static BOOL s_bEnabled;
    static volatile LONG s_nState;
    static HANDLE s_hThread;
    // A worker that did not end within the stop's wait: no other starts until it has ended.
    static HANDLE s_hLingering;
};

inline void PlayMenuSound(int nRequest)
{
    CORXMenuSound::PlayMenuSound(nRequest);
}

#endif // VELMORA_ORXMENUSOUND_H
