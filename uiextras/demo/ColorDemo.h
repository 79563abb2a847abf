// CColorDemo: with "/colors" the extras' demonstration runs a framework frame whose tool bar holds a
// colour menu button with a tear-off pop-up, and which opens the "Colors" dialog on command. It logs
// the display's depth and the palettes the colour windows draw with.
#ifndef VELMORA_COLORDEMO_H
#define VELMORA_COLORDEMO_H

#include <afxwin.h>

class CColorDemo
{
public:
    // TRUE when the command line starts with "/colors"; the switch is taken off it.
    static BOOL Wanted(CString& strCommandLine);
    // Creates and shows the frame as the application's main window; it logs to the demonstration's log.
    static BOOL Run(CWinApp* pApp);
};

#endif // VELMORA_COLORDEMO_H
