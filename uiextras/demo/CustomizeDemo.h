// The customise sheet's demonstration: "ExtrasDemo /customize <log>" opens a frame with a menu
// bar, two tool bars, a tools menu whose "Customize..." opens the sheet with every page, and an
// "Edit" context menu on a right click, which the sheet's Menu page edits;
// "ExtrasDemo /echoargs <file> ..." writes its arguments to the file (the user tool the tests run).
#ifndef VELMORA_CUSTOMIZEDEMO_H
#define VELMORA_CUSTOMIZEDEMO_H

#include <afxwin.h>

// TRUE when the command line asks for one of this demonstration's modes; the app then returns
// the answer of RunCustomizeDemo from its InitInstance.
BOOL IsCustomizeDemo(const CString& strCommandLine);
BOOL RunCustomizeDemo(CWinApp* pApp, const CString& strCommandLine);

#endif // VELMORA_CUSTOMIZEDEMO_H
