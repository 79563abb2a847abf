// The MDI part of the extras' demonstration: started by ExtrasDemo /mdi [/state] <log file>.
#ifndef VELMORA_MDIDEMO_H
#define VELMORA_MDIDEMO_H

#include <afxwin.h>

// Makes the MDI frame with its three children and logs "ready"; FALSE when the frame failed.
BOOL MdiDemoInitInstance(CWinApp* pApp, LPCTSTR lpszArgs);

#endif // VELMORA_MDIDEMO_H
