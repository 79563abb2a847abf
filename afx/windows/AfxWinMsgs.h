// The framework's own window messages (0x0360-0x037F), which the window layer sends and handles.
#ifndef VELMORA_AFXWINMSGS_H
#define VELMORA_AFXWINMSGS_H

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

#endif // VELMORA_AFXWINMSGS_H
