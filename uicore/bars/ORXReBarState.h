// CORXReBarState: the order and sizes of the bands of a frame's re-bars, kept in the registry with
// the rest of the bars' state and matched to the bands again by the control ids of their windows.
#ifndef VELMORA_ORXREBARSTATE_H
#define VELMORA_ORXREBARSTATE_H

#include <afxwin.h>

class CORXReBarState
{
public:
    // Operations
    // Every re-bar below the frame writes its bands to its key below the path ("ORXRebar-" and its
    // control id). FALSE when some re-bar's state could not be written.
    static BOOL SaveState(LPCTSTR lpszProfileName, CFrameWnd* pFrame);
    // Every re-bar below the frame whose key holds a state that fits its present bands gets that
    // order and those sizes back. TRUE when at least one re-bar was restored.
    static BOOL LoadState(LPCTSTR lpszProfileName, CFrameWnd* pFrame);

    // Implementation
    // The stored form of one band: the first 80 bytes of the control's band record.
    enum
    {
        nBandRecordSize = 80,
        nBandInfoMask = 0xB71,               // style, child, child size, size, id, ideal size, header size
        nStoredMask = nBandInfoMask & ~0x10, // all of those but the child window
        nFixedSizeGrowth = 4
    };
};

#endif // VELMORA_ORXREBARSTATE_H
