// The shortcut bar's frame of the demonstration program (ExtrasDemo /outlook).
#ifndef VELMORA_OUTLOOKDEMO_H
#define VELMORA_OUTLOOKDEMO_H

#include <afxwin.h>

// Opens the frame as the application's main window, its state read from the registry; the log
// file gets a line for each change. FALSE when the frame could not be made.
BOOL RunOutlookDemo(CWinApp* pApp, LPCTSTR lpszLog);

#endif // VELMORA_OUTLOOKDEMO_H
