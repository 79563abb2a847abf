// CShutdownSequence: a session end ordered by an alarm, carried out in two stages of clock ticks so
// that the data are saved before Windows is asked to end the session.
#ifndef VELMORA_SHUTDOWNSEQUENCE_H
#define VELMORA_SHUTDOWNSEQUENCE_H

#include <windows.h>

class CShutdownSequence
{
public:
    enum Step
    {
        stepNone, // nothing to do at this tick
        stepSave, // write every file and setting now
        stepExit  // ask Windows to end the session now
    };

    CShutdownSequence() { Clear(); }

    // uFlags are the ExitWindowsEx flags of the kind (log-off, shut-down, reboot, power-off).
    void Schedule(UINT uFlags, BOOL bForce);
    void Clear();
    BOOL IsPending() const { return m_bPending; }
    int GetStage() const { return m_nStage; }
    // The flags to hand to ExitWindowsEx: the kind, with EWX_FORCE when forced.
    UINT GetExitFlags() const;

    // One clock tick while the sequence is pending.
    Step Advance();

private:
    BOOL m_bPending;
    int m_nStage;
    int m_nCountdown;
    UINT m_uFlags;
    BOOL m_bForce;
};

#endif // VELMORA_SHUTDOWNSEQUENCE_H
