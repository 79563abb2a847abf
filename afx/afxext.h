// Framework extensions: control bars, and the frame family they live in.
#ifndef VELMORA_AFXEXT_H
#define VELMORA_AFXEXT_H

#include "afxwin.h"
#include "AfxControlBar.h"
#include "AfxMiniFrame.h"
#include "AfxDockBar.h"
#include "AfxDockContext.h"
#include "AfxDockState.h"

// Button styles and states of tool bars (one word per button)
#define TBBS_BUTTON        0x0000 // a push button
#define TBBS_SEPARATOR     0x0001 // a gap, its width in the image field
#define TBBS_CHECKBOX      0x0002 // a button that stays down until pressed again
#define TBBS_GROUP         0x0004
#define TBBS_CHECKGROUP    (TBBS_GROUP | TBBS_CHECKBOX)
#define TBBS_CHECKED       0x00010000L
#define TBBS_PRESSED       0x00020000L
#define TBBS_DISABLED      0x00040000L
#define TBBS_INDETERMINATE 0x00100000L
#define TBBS_HIDDEN        0x00080000L

// Pane styles of status bars
#define SBPS_NORMAL    0x0000
#define SBPS_NOBORDERS 0x0100
#define SBPS_POPOUT    0x0200
#define SBPS_OWNERDRAW 0x1000
#define SBPS_DISABLED  0x04000000
#define SBPS_STRETCH   0x08000000

#endif // VELMORA_AFXEXT_H
