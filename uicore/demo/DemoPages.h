// CDemoPages: a "Tools" menu whose "Customize..." item opens a property sheet with the keyboard page
// and the menu page for the demonstration frame, and the frame's own accelerator table for the
// keyboard page to edit. What the sheet leaves behind goes to the program's log.
#ifndef VELMORA_DEMOPAGES_H
#define VELMORA_DEMOPAGES_H

#include <afxwin.h>

class CORXToolBar;

class CDemoPages
{
public:
    typedef void (*PFN_LOG)(LPCTSTR pszFormat, ...);

    // TRUE, and the option taken off the command line, when it starts with "/pages".
    static BOOL Wanted(CString& strCommandLine);

    // Adds the menu item to the frame's menu and gives the frame its table; call in the frame's
    // OnCreate before the menu bar takes the menu.
    BOOL Create(CFrameWnd* pFrame, PFN_LOG pfnLog);
    // Opens the sheet for the item's command; TRUE when the command was the sheet's.
    BOOL OnCommand(WPARAM wParam);
    // A button of the View menu's "Change Bar" on the bar, whose tip shows the command's key.
    static BOOL AddKeyedButton(CORXToolBar* pBar);

private:
    // The texts of the open menu's items ("popupitem <id> <text>" after "popup <count>"), logged
    // whenever they change.
    static void CALLBACK Watch(HWND hWnd, UINT uMsg, UINT_PTR idEvent, DWORD dwTime);
    PFN_LOG m_pfnLog = NULL;
    CFrameWnd* m_pFrame = NULL;
    CString m_strLastPopup;
};

#endif // VELMORA_DEMOPAGES_H
