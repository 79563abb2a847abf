// The tasks pane's demonstration: "ExtrasDemo /taskspane [/state] LOG" shows a frame with a docked tasks
// pane of three pages and logs its commands, pages, groups and the places of what can be clicked.
#ifndef VELMORA_TASKSPANEDEMO_H
#define VELMORA_TASKSPANEDEMO_H

#include <afxwin.h>

// TRUE when the command line asks for this demonstration; the switch is taken off it.
BOOL TasksPaneDemoWanted(CString& strCommandLine);
// The shown frame of the demonstration, logging to the file named last; with "/state" before it
// the frame's bars are kept in the registry. NULL when the frame cannot be made.
CFrameWnd* CreateTasksPaneDemo(LPCTSTR lpszArgs);

#endif // VELMORA_TASKSPANEDEMO_H
