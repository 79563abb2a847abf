// CAutoHide: the window fades out when the cursor leaves it and comes back when the cursor rests on
// its place for a few seconds.
#include "AutoHide.h"

namespace
{
const int kShowSuspendTicks = 15;
const int kDwellTicks = 5;
const int kDwellToShow = 3;
const int kAlphaStep = 5;
} // namespace

CAutoHide::CAutoHide(IFadeTarget* pTarget)
    : m_bAutoHide(FALSE), m_bHidden(FALSE), m_bAutoHidden(FALSE), m_bFadingOut(FALSE), m_bFadingIn(FALSE),
      m_bSuspended(FALSE), m_bShowSuspended(TRUE), // idle through the first ticks after start-up
      m_nShowCount(0), m_bDwell(FALSE), m_nDwellCount(0), m_bLayered(FALSE), m_nFadeOut(0), m_nAlpha(255),
      m_bFadeTimer(FALSE), m_pTarget(pTarget)
{
}

void CAutoHide::ShowClock()
{
    m_bAutoHidden = FALSE;
    if (m_bAutoHide)
    {
        m_bShowSuspended = TRUE;
        m_nShowCount = 0;
    }
    m_pTarget->ShowClockWindow(TRUE);
    m_bHidden = FALSE;
    if (m_bLayered)
        m_pTarget->SetClockAlpha(255);
}

void CAutoHide::HideClock()
{
    m_pTarget->ShowClockWindow(FALSE);
    m_bHidden = TRUE;
    m_bAutoHidden = FALSE;
}

void CAutoHide::ToggleAutoHide()
{
    m_bAutoHide = !m_bAutoHide;
    if (m_bAutoHide)
        return;
    // Switched off: whatever auto-hide had started ends here, a fade half way out included, or the
    // clock would finish fading with nothing left to bring it back. A clock the user hid stays hidden.
    BOOL bAutoHiding = m_bAutoHidden || m_bFadingOut || m_bFadingIn || m_bFadeTimer;
    if (m_bFadeTimer)
    {
        m_pTarget->StopFadeTimer();
        m_bFadeTimer = FALSE;
    }
    m_bFadingOut = FALSE;
    m_bFadingIn = FALSE;
    m_bDwell = FALSE;
    m_nAlpha = 255;
    if (bAutoHiding)
    {
        m_bAutoHidden = FALSE;
        ShowClock();
    }
}

void CAutoHide::Suspend(BOOL bSuspend)
{
    if (m_bAutoHide && bSuspend)
    {
        StopFade();
        if (m_bAutoHidden)
            ShowClock();
    }
    m_bSuspended = bSuspend;
}

void CAutoHide::OnFade(BOOL bHide)
{
    // A request posted just before auto-hide was switched off finds it off: the clock stays shown.
    if (!m_bAutoHide)
        return;
    if (!bHide)
    {
        if (m_bLayered)
            StartFade(FALSE);
        else
        {
            m_pTarget->ShowClockWindow(TRUE);
            m_bHidden = FALSE;
            m_bAutoHidden = FALSE;
            m_bFadingIn = FALSE;
        }
    }
    else
    {
        if (m_bLayered)
            StartFade(TRUE);
        else
        {
            m_pTarget->ShowClockWindow(FALSE);
            m_bFadingOut = FALSE;
            m_bHidden = TRUE;
            m_bAutoHidden = TRUE;
        }
    }
}

void CAutoHide::StartFade(BOOL bOut)
{
    if (m_bFadeTimer)
    {
        m_pTarget->StopFadeTimer();
        m_bFadeTimer = FALSE;
    }
    m_nFadeOut = bOut ? 1 : 0;
    if (!bOut)
    {
        m_nAlpha = 0;
        m_pTarget->SetClockAlpha(0);
        m_pTarget->ShowClockWindow(TRUE);
        m_bHidden = FALSE;
    }
    else
        m_nAlpha = 255;
    m_pTarget->StartFadeTimer();
    m_bFadeTimer = TRUE;
}

void CAutoHide::StopFade()
{
    if (!m_bLayered || !m_bFadeTimer)
        return;
    m_pTarget->StopFadeTimer();
    m_bFadeTimer = FALSE;
    m_bAutoHidden = FALSE;
    m_bFadingOut = FALSE;
    m_bFadingIn = FALSE;
    m_nAlpha = 255;
    m_pTarget->SetClockAlpha(255);
    m_bHidden = FALSE;
}

void CAutoHide::FadeStep()
{
    if (m_nFadeOut)
    {
        m_pTarget->SetClockAlpha(m_nAlpha);
        m_nAlpha -= kAlphaStep;
        if (m_nAlpha < 0)
        {
            m_pTarget->StopFadeTimer();
            m_bFadeTimer = FALSE;
            m_pTarget->ShowClockWindow(FALSE);
            m_bFadingOut = FALSE;
            m_bHidden = TRUE;
            m_bAutoHidden = TRUE;
        }
    }
    else
    {
        m_pTarget->SetClockAlpha(m_nAlpha);
        m_nAlpha += kAlphaStep;
        if (m_nAlpha > 255)
        {
            m_pTarget->StopFadeTimer();
            m_bFadeTimer = FALSE;
            m_bAutoHidden = FALSE;
            m_bFadingIn = FALSE;
            m_nAlpha = 255;
            m_pTarget->SetClockAlpha(255);
        }
    }
}

void CAutoHide::TestCursor(BOOL bVisible, BOOL bCursorInside)
{
    if (!IsWatchingCursor())
        return;
    if (!m_bAutoHidden)
    {
        if (bVisible && !m_bFadingOut && !bCursorInside)
        {
            m_bDwell = FALSE;
            m_bFadingOut = TRUE;
            m_pTarget->PostFade(TRUE);
        }
    }
    else if (!m_bFadingIn && bCursorInside)
    {
        if (!m_bDwell)
        {
            m_bDwell = TRUE;
            m_nDwellCount = 0;
        }
        else if (m_nDwellCount > kDwellToShow)
        {
            m_bDwell = FALSE;
            m_bFadingIn = TRUE;
            m_pTarget->PostFade(FALSE);
        }
    }
}

void CAutoHide::Tick()
{
    if (m_bShowSuspended && ++m_nShowCount > kShowSuspendTicks)
    {
        m_bShowSuspended = FALSE;
        m_nShowCount = 0;
    }
    if (m_bDwell && ++m_nDwellCount > kDwellTicks)
    {
        m_bDwell = FALSE;
        m_nDwellCount = 0;
    }
}
