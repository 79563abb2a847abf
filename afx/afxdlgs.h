// Dialog classes: property sheets and pages, and the common dialogs.
#ifndef VELMORA_AFXDLGS_H
#define VELMORA_AFXDLGS_H

#include "afxwin.h"
#include "AfxPropSheet.h"
#if __has_include("AfxCommonDlg.h")
#include "AfxCommonDlg.h"
#endif

#endif // VELMORA_AFXDLGS_H
