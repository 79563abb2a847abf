// Dialog classes: property sheets and pages, and the common dialogs.
#ifndef VELMORA_AFXDLGS_H
#define VELMORA_AFXDLGS_H

#include "afxwin.h"
#include "AfxPropSheet.h"
#include "AfxCommonDlg.h"

#endif // VELMORA_AFXDLGS_H
