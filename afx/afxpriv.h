// Framework-private messages and helpers that programs built on the framework may also use.
#ifndef VELMORA_AFXPRIV_H
#define VELMORA_AFXPRIV_H

#include "afxwin.h"

// Messages of the framework's own (0x0360-0x037F)
#define WM_QUERYAFXWNDPROC     0x0360 // lResult = 1 when a window procedure of the framework
#define WM_SIZEPARENT          0x0361
#define WM_SETMESSAGESTRING    0x0362 // wParam = string id, or lParam = the string
#define WM_IDLEUPDATECMDUI     0x0363 // wParam == bDisableIfNoHandler
#define WM_INITIALUPDATE       0x0364
#define WM_COMMANDHELP         0x0365
#define WM_HELPHITTEST         0x0366
#define WM_EXITHELPMODE        0x0367
#define WM_RECALCPARENT        0x0368
#define WM_SIZECHILD           0x0369
#define WM_KICKIDLE            0x036A // sent to a modal dialog while its loop is idle; lParam = idle count
#define WM_QUERYCENTERWND      0x036B
#define WM_DISABLEMODAL        0x036C
#define WM_FLOATSTATUS         0x036D
#define WM_ACTIVATETOPLEVEL    0x036E
#define WM_QUERY3DCONTROLS     0x036F
#define WM_SOCKET_NOTIFY       0x0373
#define WM_SOCKET_DEAD         0x0374
#define WM_POPMESSAGESTRING    0x0375
#define WM_OCC_LOADFROMSTREAM  0x0376
#define WM_OCC_LOADFROMSTORAGE 0x0377
#define WM_OCC_INITNEW         0x0378
#define WM_QUEUE_SENTINEL      0x0379

// WM_FLOATSTATUS flags
#define FS_SHOW       0x01
#define FS_HIDE       0x02
#define FS_ACTIVATE   0x04
#define FS_DEACTIVATE 0x08
#define FS_ENABLE     0x10
#define FS_DISABLE    0x20
#define FS_SYNCACTIVE 0x40

// Help context ids: a command's, a control's
#define HID_BASE_COMMAND  0x00010000UL
#define HID_BASE_RESOURCE 0x00020000UL
#define HID_BASE_PROMPT   0x00030000UL
#define HID_BASE_NCAREAS  0x00040000UL
#define HID_BASE_CONTROL  0x00050000UL

// WM_SIZEPARENT: a parent asks each bar to take its place from rect and to shrink rect by it.
// With hDWP NULL the layout is only measured and no window moves.
struct AFX_SIZEPARENTPARAMS
{
    HDWP hDWP;      // deferred moves of this layout, or NULL for a query
    RECT rect;      // the space still free, in the parent's client co-ordinates
    SIZE sizeTotal; // what the bars took so far
    BOOL bStretch;  // bars stretch across the free space
};

// Moves hWnd to lpRect (parent client co-ordinates) as part of the layout, unless it is there.
void AFXAPI AfxRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect);

#endif // VELMORA_AFXPRIV_H
