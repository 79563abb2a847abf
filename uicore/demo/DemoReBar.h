// CDemoReBar: a re-bar at the top of the demonstration frame with three bands of plain windows,
// the last of fixed size. The bands' order and sizes go to the program's log whenever they change.
#ifndef VELMORA_DEMOREBAR_H
#define VELMORA_DEMOREBAR_H

#include <afxext.h>

#define IDW_DEMO_REBAR      34100 // the re-bar
#define IDW_DEMO_BAND_CLOCK 34101 // the windows of its bands
#define IDW_DEMO_BAND_ZONE  34102
#define IDW_DEMO_BAND_FIXED 34103 // the fixed-size band's window

class CDemoReBar
{
public:
    typedef void (*PFN_LOG)(LPCTSTR pszFormat, ...);

    // TRUE when the command line starts with "/rebar", which is then taken off it.
    static BOOL Wanted(CString& strCommandLine);
    BOOL Create(CFrameWnd* pFrame, PFN_LOG pfnLog);
    // Logs the bands when they differ from what was logged last, or always when bForce.
    void LogLayout(BOOL bForce = FALSE);

    CReBar m_wndReBar;
    CWnd m_wndBands[3];

private:
    static void CALLBACK WatchLayout(HWND hWnd, UINT, UINT_PTR idEvent, DWORD);
    PFN_LOG m_pfnLog = NULL;
    CString m_strLast;
};

#endif // VELMORA_DEMOREBAR_H
