// CDemoControls: a bar at the foot of the demonstration frame with a combo box button and an edit
// box button, and a key bound through the keyboard manager. Choices, typing and the key's command
// go to the program's log.
#ifndef VELMORA_DEMOCONTROLS_H
#define VELMORA_DEMOCONTROLS_H

#include "ORXKeyboardManager.h"
#include "ORXToolBar.h"

#define ID_DEMO_COMBO    16450
#define ID_DEMO_EDIT     16451
#define ID_DEMO_KEYED    16452 // the command of the key the keyboard manager binds (Ctrl+K)
#define ID_DEMO_CTRLSBAR 59399 // the bar's window id

class CDemoControls
{
public:
    typedef void (*PFN_LOG)(LPCTSTR pszFormat, ...);

    // TRUE, and the option taken off the command line, when it starts with "/controls".
    static BOOL Wanted(CString& strCommandLine);

    BOOL Create(CFrameWnd* pFrame, PFN_LOG pfnLog);
    // Logs the bar's commands; TRUE when the command was one of the bar's.
    BOOL OnCommand(WPARAM wParam);
    // Screen places of the controls, for the test to click.
    void LogPlaces();

    CORXToolBar m_wndBar;
    CORXKeyboardManager m_keyboard;

private:
    PFN_LOG m_pfnLog = NULL;
    CFrameWnd* m_pFrame = NULL;
};

#endif // VELMORA_DEMOCONTROLS_H
