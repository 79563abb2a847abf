// Framework extensions: control bars, and the frame family they live in.
#ifndef VELMORA_AFXEXT_H
#define VELMORA_AFXEXT_H

#include "afxwin.h"
#include "AfxControlBar.h"
#include "AfxMiniFrame.h"

#endif // VELMORA_AFXEXT_H
