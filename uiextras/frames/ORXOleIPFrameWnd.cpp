// The in-place frames: their run-time classes. The routing they share lives in CORXInPlaceFrame.
#include "ORXOleIPFrameWnd.h"

IMPLEMENT_DYNCREATE(CORXOleIPFrameWnd, COleIPFrameWnd)
IMPLEMENT_DYNCREATE(CORXOleDocIPFrameWnd, COleDocIPFrameWnd)
