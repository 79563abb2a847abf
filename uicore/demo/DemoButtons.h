// CDemoButtons: the framework's owner-drawn button and link button in the demonstration frame.
// Clicks of the owner-drawn button and every link the link button opens go to the program's log;
// nothing is really opened.
#ifndef VELMORA_DEMOBUTTONS_H
#define VELMORA_DEMOBUTTONS_H

#include "ORXButton.h"
#include "ORXLinkButton.h"

class CDemoButtons : public IORXLinkOpener
{
public:
    typedef void (*PFN_LOG)(LPCTSTR pszFormat, ...);

    BOOL Create(CWnd* pParent, PFN_LOG pfnLog);
    // Logs the command when it is a click of one of the buttons.
    void OnCommand(WPARAM wParam);

    HINSTANCE Open(HWND hWnd, LPCSTR pszTarget, int nShowCmd) override;

    CORXButton m_wndButton;
    CORXURLLinkButton m_wndLink;

private:
    PFN_LOG m_pfnLog = NULL;
};

#endif // VELMORA_DEMOBUTTONS_H
