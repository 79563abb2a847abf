// Common controls of the framework: image lists, list views, spin buttons, sliders, progress
// bars, headers, tabs, tool tips, animations and the rich-edit control.
#ifndef VELMORA_AFXCMN_H
#define VELMORA_AFXCMN_H

#include "afxwin.h"
#include "AfxCmnCtrl.h"
#include "AfxReBarCtrl.h"

#endif // VELMORA_AFXCMN_H
