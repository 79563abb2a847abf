// Multithreading: synchronisation objects and locks.
#ifndef VELMORA_AFXMT_H
#define VELMORA_AFXMT_H

#include "afx.h"
#include "AfxSync.h"

#endif // VELMORA_AFXMT_H
