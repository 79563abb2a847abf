// CDemoSizing: with "/sizing" on the command line the demonstration frame gets a caption bar at
// the top, two sizing bars docked left (the first holding a list box) and a dialog bar at the
// bottom. The bars' screen rectangles and states, and the frame's dock bars, go to the program's
// log whenever they change.
#ifndef VELMORA_DEMOSIZING_H
#define VELMORA_DEMOSIZING_H

#include <afxwin.h>

#include "ORXCaptionBar.h"
#include "ORXDialogBar.h"
#include "ORXSizingControlBar.h"

// A sizing bar whose one child fills its client area.
class CDemoSizingBar : public CORXSizingControlBar
{
protected:
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()
};

class CDemoSizing
{
public:
    typedef void (*PFN_LOG)(LPCTSTR pszFormat, ...);

    // TRUE, with the switch taken off the command line, when the demonstration is wanted.
    static BOOL Wanted(CString& strCommandLine);
    // The frame needs room for the bars around its view.
    static void AdjustFrameRect(CRect& rect);

    BOOL Create(CFrameWnd* pFrame, PFN_LOG pfnLog);
    // TRUE when the command was the caption bar's button.
    BOOL OnCommand(WPARAM wParam);
    void LogLayout();

    CORXCaptionBar m_wndCaption;
    CDemoSizingBar m_wndZones;
    CDemoSizingBar m_wndNotes;
    CORXDialogBar m_wndDialog;
    CListBox m_wndList;
    CEdit m_wndNotesEdit;

private:
    static void CALLBACK CheckLayout(HWND hWnd, UINT, UINT_PTR idEvent, DWORD);
    CString Describe(CControlBar* pBar) const;
    CFrameWnd* m_pFrame = NULL;
    PFN_LOG m_pfnLog = NULL;
    CString m_strLast;
};

#endif // VELMORA_DEMOSIZING_H
