// The clock window's context menu and the tray menu, adjusted to the state of the clock under the
// cursor, the clock count and the speech character.
#ifndef VELMORA_CLOCKMENUS_H
#define VELMORA_CLOCKMENUS_H

#include <windows.h>

struct CClockMenuState
{
    BOOL bOverClock; // the menu was opened over a clock or timer
    int nClockType;  // of that clock: 0 clock, 1 countdown, 2 event timer
    int nTimerState; // of that clock: 0 stopped, 1 paused, 2 running, 3 completed
    int nClockCount;
    BOOL bCharLoaded; // a speech character is loaded
    BOOL bCharMuted;
    BOOL bCharVisible;
};

// Adjusts the first pop-up of the clock window's menu (resource 133) in place.
void AdjustClockMenu(HMENU hPopup, const CClockMenuState& state);

struct CTrayMenuState
{
    BOOL bClockHidden;
    BOOL bAutoHide;
    BOOL bCharLoaded;
    BOOL bCharMuted;
    BOOL bCharVisible;
    BOOL bAgentMissing; // the Agent server was not found at start-up
};

// Adjusts sub-menu 0 of the tray menu (resource 142) in place.
void AdjustTrayMenu(HMENU hPopup, const CTrayMenuState& state);

#endif // VELMORA_CLOCKMENUS_H
