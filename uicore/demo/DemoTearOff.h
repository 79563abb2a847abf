// CDemoTearOff: with "/tearoff" the demonstration runs a framework frame whose tool bar has a menu
// button with a tear-off menu: dragging the menu's strip makes it a floating tool bar.
#ifndef VELMORA_DEMOTEAROFF_H
#define VELMORA_DEMOTEAROFF_H

#include <afxwin.h>

#define ID_DEMO_TEAROFF_FIRST 34500 // the ids torn-off menus' bars take
#define ID_DEMO_TEAROFF_LAST  34509
#define ID_DEMO_TEAROFF_LOG   34590 // writes the bars to the log

class CDemoTearOff
{
public:
    typedef void (*PFN_LOG)(LPCTSTR pszFormat, ...);

    // TRUE when the command line starts with "/tearoff"; the switch is taken off it.
    static BOOL Wanted(CString& strCommandLine);
    // Creates and shows the frame as the application's main window.
    static BOOL Run(CWinApp* pApp, PFN_LOG pfnLog);
    static void CleanUp();
};

#endif // VELMORA_DEMOTEAROFF_H
