// OLE on the framework: drag and drop (data sources, data objects, drop sources and targets),
// documents with embedded items and the in-place frames.
#ifndef VELMORA_AFXOLE_H
#define VELMORA_AFXOLE_H

#include "afxwin.h"
#include "AfxOleDragDrop.h"
#include "AfxOleFrame.h"

#endif // VELMORA_AFXOLE_H
