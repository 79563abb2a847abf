// Date and time controls of the framework: the picker and the month calendar.
#ifndef VELMORA_AFXDTCTL_H
#define VELMORA_AFXDTCTL_H

#include "afxwin.h"
#include "AfxDateTimeCtrl.h"

#endif // VELMORA_AFXDTCTL_H
