// The property list's demonstration: "ExtrasDemo /proplist <log file>".
#ifndef VELMORA_PROPLISTDEMO_H
#define VELMORA_PROPLISTDEMO_H

#include <afxwin.h>

// Opens the demonstration's window as the program's main window; FALSE when it cannot be made.
BOOL RunPropListDemo(CWinApp* pApp, LPCTSTR pszLog);

#endif // VELMORA_PROPLISTDEMO_H
