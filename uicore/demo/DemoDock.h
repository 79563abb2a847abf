// CDemoDock: with "/dock" the demonstration frame docks its tool bars and lets them be dragged to
// any side or out into floating frames.
#ifndef VELMORA_DEMODOCK_H
#define VELMORA_DEMODOCK_H

#include <afxwin.h>
#include <afxext.h>

class CDemoDock
{
public:
    typedef void (*PFN_LOG)(LPCTSTR pszFormat, ...);

    // TRUE when the command line starts with "/dock"; the switch is taken off it.
    static BOOL Wanted(CString& strCommandLine);
    // Docking on every side; each bar gets a gripper and is docked along the top, one row each.
    static void Dock(CFrameWnd* pFrame, CControlBar* const* ppBars, int nBars);
    // One line per bar: "dockbar <id> <dock bar id or 0> <floating> <left> <top> <right> <bottom>".
    static void LogBars(CFrameWnd* pFrame, PFN_LOG pfnLog);
};

#endif // VELMORA_DEMODOCK_H
