// What the windowing layer's files share beyond the public surface: the thread state, the helpers
// that wrap GDI and menu handles for the dispatcher, and the command route of dialogs.
#ifndef VELMORA_AFXWINIMPL_H
#define VELMORA_AFXWINIMPL_H

#include "afxres.h"
#include "AfxThreadState.h"
#include "AfxWinMsgs.h"
#include "AfxWnd.h"
#include "AfxWinApp.h"

HMENU AFXAPI AfxMenuHandle(CMenu* pMenu);
CMenu* AFXAPI AfxMenuFromHandle(HMENU hMenu);
CDC* AFXAPI AfxDCFromHandle(HDC hDC);
LRESULT AFXAPI AfxProcessWndProcException(CException* e, const MSG* pMsg);
BOOL AFXAPI AfxEndDeferRegisterClass(LPCTSTR lpszClassName);
// Ends the platform services started through AfxSocketInit and AfxOleInit.
void AFXAPI AfxTermPlatformServices();

// Where a dialog or a property sheet sends a menu command it has no handler for: its owner window,
// then the thread and the application. Control notifications and system commands stay put.
BOOL AFXAPI AfxRouteCommandOutward(CWnd* pWnd, UINT nID, int nCode, void* pExtra,
                                   AFX_CMDHANDLERINFO* pHandlerInfo);

#endif // VELMORA_AFXWINIMPL_H
