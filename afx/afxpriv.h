// Framework-private messages and helpers that programs built on the framework may also use.
#ifndef VELMORA_AFXPRIV_H
#define VELMORA_AFXPRIV_H

#include "afxwin.h"

#include "AfxWinMsgs.h" // the framework's own messages and the WM_FLOATSTATUS flags

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
