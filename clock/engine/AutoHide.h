// CAutoHide: showing, hiding and auto-hiding the clock window, with a layered-window fade where the
// platform has one. The window is reached through IFadeTarget so the rules run without a window.
#ifndef VELMORA_AUTOHIDE_H
#define VELMORA_AUTOHIDE_H

#include <windows.h>

class IFadeTarget
{
public:
    virtual ~IFadeTarget() {}
    virtual void ShowClockWindow(BOOL bShow) = 0;
    virtual void SetClockAlpha(int nAlpha) = 0;
    virtual void StartFadeTimer() = 0;
    virtual void StopFadeTimer() = 0;
    virtual void PostFade(BOOL bHide) = 0;
};

class CAutoHide
{
public:
    explicit CAutoHide(IFadeTarget* pTarget);

    // Attributes, read by the window, the tray menu and the settings.
    BOOL m_bAutoHide;   // the setting "AutoHide"
    BOOL m_bHidden;     // hidden by the user or by auto-hide
    BOOL m_bAutoHidden; // hidden by auto-hide, may come back by itself
    BOOL m_bFadingOut;
    BOOL m_bFadingIn;
    BOOL m_bSuspended;     // a menu or dialog of the window is open
    BOOL m_bShowSuspended; // auto-hide pauses for a while after the clock was shown
    int m_nShowCount;
    BOOL m_bDwell; // the cursor rests on the hidden window's place
    int m_nDwellCount;
    BOOL m_bLayered; // fading is available
    int m_nFadeOut;  // 1 fading out, 0 fading in
    int m_nAlpha;
    BOOL m_bFadeTimer;

    // Operations
    void ShowClock();
    void HideClock();
    void ToggleAutoHide();
    void Suspend(BOOL bSuspend);
    void OnFade(BOOL bHide);
    void StartFade(BOOL bOut);
    void StopFade();
    void FadeStep();
    // The 10 ms test of the cursor against the window's rectangle.
    void TestCursor(BOOL bVisible, BOOL bCursorInside);
    // TestCursor would look at the cursor now: otherwise the caller need not read where it is.
    BOOL IsWatchingCursor() const { return m_bAutoHide && !m_bSuspended && !m_bShowSuspended; }
    // The once-a-second count of the show suspension and the dwell.
    void Tick();

private:
    IFadeTarget* m_pTarget;
};

#endif // VELMORA_AUTOHIDE_H
