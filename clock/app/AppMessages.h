// The registered window messages that the clock application's windows send one another.
#ifndef VELMORA_APPMESSAGES_H
#define VELMORA_APPMESSAGES_H

#include <windows.h>

// Registered once, when the program starts (before any window that handles them exists).
extern const UINT WM_VMRINIT;          // "VMRINIT": deferred start-up of the clock window
extern const UINT WM_VMFADE;           // "VMFade": lParam 1 fade out, 0 fade in
extern const UINT WM_VERSIONCHECKFINI; // "VelmoraVersionCheckFini"
extern const UINT WM_CLOCKRESET;       // "CLOCKRESET"

// Private messages of the clock window.
enum
{
    WM_TRAY_NOTIFY = 0x800A,  // the tray icon's callback message
    WM_DIALUP_NOTIFY = 0x006C // notifications of the dial-up monitor
};

#endif // VELMORA_APPMESSAGES_H
