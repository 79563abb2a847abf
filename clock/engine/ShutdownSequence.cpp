// CShutdownSequence: five ticks to the save, five more to the request.
#include "ShutdownSequence.h"

namespace
{
const int kTicksPerStage = 5;
}

void CShutdownSequence::Schedule(UINT uFlags, BOOL bForce)
{
    // Only the four kinds of session end: any other flags (a damaged record) end nothing.
    if (uFlags != EWX_LOGOFF && uFlags != EWX_SHUTDOWN && uFlags != EWX_REBOOT && uFlags != EWX_POWEROFF)
        return;
    m_bPending = TRUE;
    m_nStage = 0;
    m_nCountdown = 0;
    m_uFlags = uFlags;
    m_bForce = bForce;
}

void CShutdownSequence::Clear()
{
    m_bPending = FALSE;
    m_nStage = 0;
    m_nCountdown = 0;
    m_uFlags = 0;
    m_bForce = FALSE;
}

UINT CShutdownSequence::GetExitFlags() const
{
    return m_bForce ? (m_uFlags | EWX_FORCE) : m_uFlags;
}

CShutdownSequence::Step CShutdownSequence::Advance()
{
    if (!m_bPending)
        return stepNone;
    switch (m_nStage)
    {
    case 0:
        m_nCountdown = kTicksPerStage;
        m_nStage = 1;
        return stepNone;
    case 1:
        if (--m_nCountdown > 0)
            return stepNone;
        m_nCountdown = kTicksPerStage;
        m_nStage = 2;
        return stepSave;
    default:
        if (--m_nCountdown > 0)
            return stepNone;
        return stepExit;
    }
}
