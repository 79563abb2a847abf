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
#include "AfxGdi.h"
#include "AfxMenu.h"
#include "AfxCtrl.h"

#endif // VELMORA_AFXWIN_H
