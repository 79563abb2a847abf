// The Button Appearance demonstration of ExtrasDemo ("/appearance [/sheet] [/state] <log>").
#ifndef VELMORA_APPEARANCEDEMO_H
#define VELMORA_APPEARANCEDEMO_H

#include <afxwin.h>

// TRUE when the command line asks for it; the switch is then taken off the line.
BOOL AppearanceDemoWanted(CString& strCommandLine);
// Its frame, shown, in customise mode; NULL when it could not be made.
CFrameWnd* AppearanceDemoCreate(const CString& strLog);

#endif // VELMORA_APPEARANCEDEMO_H
