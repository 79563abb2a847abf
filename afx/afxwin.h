// The windowing framework: everything of afx.h plus command targets, windows, message maps,
// the application and threads, dialogs, frames, and the GDI, menu and control classes.
#ifndef VELMORA_AFXWIN_H
#define VELMORA_AFXWIN_H

#include "afx.h"
#include <commctrl.h>
#include "afxres.h"
#include "AfxTypes.h"
#include "AfxMsgMap.h"
#include "AfxCmdTarget.h"
#include "AfxWnd.h"
#include "AfxWinApp.h"
#include "AfxDialog.h"
#include "AfxFrame.h"
#if __has_include("AfxGdi.h")
#include "AfxGdi.h"
#endif
#if __has_include("AfxMenu.h")
#include "AfxMenu.h"
#endif
#if __has_include("AfxCtrl.h")
#include "AfxCtrl.h"
#endif

#endif // VELMORA_AFXWIN_H
