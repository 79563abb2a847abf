// CDemoDropDown: a bar at the bottom of the demonstration frame with a drop-down button over the
// demonstration commands and a command that opens a dialog on the framework's dialog base, whose
// own bar holds a menu button. The palette's buttons, the button's current command and the
// dialog's menu button go to the program's log.
#ifndef VELMORA_DEMODROPDOWN_H
#define VELMORA_DEMODROPDOWN_H

#include "ORXDialog.h"
#include "ORXDropDownToolBar.h"

#define ID_DEMO_DIALOG       16400 // opens the demonstration dialog
#define IDW_DEMO_PALETTE     16401 // the palette's hidden source bar
#define IDW_DEMO_DROPDOWNBAR 16402 // the bar with the drop-down button

class CDemoDropDown
{
public:
    typedef void (*PFN_LOG)(LPCTSTR pszFormat, ...);

    BOOL Create(CFrameWnd* pFrame, PFN_LOG pfnLog);
    // Logs the bar's buttons on the screen.
    void LogLayout();
    // TRUE when the command was the dialog's; logs the drop-down button's current command.
    BOOL OnCommand(WPARAM wParam);

    CORXDropDownToolBar m_wndPalette;
    CORXToolBar m_wndBar;

private:
    static void CALLBACK OpenDialogLater(HWND hWnd, UINT, UINT_PTR idEvent, DWORD);
    CFrameWnd* m_pFrame = NULL;
};

#endif // VELMORA_DEMODROPDOWN_H
