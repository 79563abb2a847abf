// What every window of the extras' demonstration shares: the log the end-to-end tests read, and
// how a demonstration frame is shown.
#ifndef VELMORA_DEMOSUPPORT_H
#define VELMORA_DEMOSUPPORT_H

#include <afxwin.h>

#include "DemoLog.h"

// Shows a demonstration frame above whatever else the session shows (the tests move the real mouse
// over it) and lays out its bars, unless bRecalcLayout is FALSE.
void DemoShowFrame(CFrameWnd* pFrame, BOOL bRecalcLayout = TRUE);

class CORXToolBar;
class CORXColorMenuButton;
// The demonstration's standard tool bar at the top of the frame; FALSE when it could not be made.
BOOL DemoCreateToolBar(CFrameWnd* pFrame, CORXToolBar& bar);
// A colour menu button for the command, for the bar to take: the bar's bold image with the colour
// strip drawn under it, automatic black and the other-colours button (bAltColorDlg: the framework's
// colour dialog rather than the system's).
CORXColorMenuButton* DemoMakeColorButton(CORXToolBar& bar, UINT uiCmdID, LPCTSTR lpszText, BOOL bAltColorDlg);

class CORXToolbarCustomize;
// Creates a customise sheet made for pFrame and places it beside the frame, so that the frame's
// bars and menus stay in sight; logs "<what> open pages=N", or "<what> failed" and deletes it.
BOOL DemoOpenSheet(CFrameWnd* pFrame, CORXToolbarCustomize* pSheet, LPCTSTR pszWhat);

class CORXColorBar;
class CColorPopup;
// How the cells of a colour bar are logged: with their kind ("automatic", "other" or "cell") after
// the tag, and whether only the palette's own cells are written.
enum
{
    demoCellKind = 0x01,
    demoCellPaletteOnly = 0x02
};
// Logs every shown cell of the bar as "<tag> [kind] RRGGBB left top right bottom" (screen
// coordinates, the colour as a COLORREF in hex).
void DemoLogColorCells(LPCTSTR pszTag, CORXColorBar& bar, UINT nFlags);
// The cells of an open colour pop-up as "colourcell ..." lines ended by "colourcells done", or
// "colourcells none" when no pop-up is open.
void DemoLogPopupCells(CColorPopup* pPopup, UINT nFlags);

#endif // VELMORA_DEMOSUPPORT_H
