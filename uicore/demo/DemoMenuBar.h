// The demonstration frame's menu as the framework's menu bar (with "/menubar" on the command line).
#ifndef VELMORA_DEMOMENUBAR_H
#define VELMORA_DEMOMENUBAR_H

#include <afxwin.h>

#include "ORXMenuBar.h"

class CDemoMenuBar
{
public:
    // Takes the frame's menu off the frame onto the bar; call first in the frame's OnCreate so the
    // bar lies above the others.
    BOOL Create(CFrameWnd* pFrame, UINT uiMenuResId, void (*pfnLog)(LPCTSTR, ...));
    // The frame's menu key (WM_SYSCOMMAND with SC_KEYMENU); TRUE when the bar took it.
    BOOL OnSysCommand(UINT nID, LPARAM lParam);
    // Writes the bar's item rectangles to the log.
    void LogItems();
    BOOL IsActive() const { return m_wndBar.GetSafeHwnd() != NULL; }

    CORXMenuBar m_wndBar;

private:
    void (*m_pfnLog)(LPCTSTR, ...) = NULL;
};

#endif // VELMORA_DEMOMENUBAR_H
