// OLE drag and drop on the framework: data sources, data objects, drop sources and targets.
#ifndef VELMORA_AFXOLE_H
#define VELMORA_AFXOLE_H

#include "afxwin.h"
#include "AfxOleDragDrop.h"

#endif // VELMORA_AFXOLE_H
