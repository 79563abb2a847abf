// CDemoCustomize: a second tool bar to drag buttons to, a menu command that turns customise mode
// on and off, and a log line per bar with its buttons after every change.
#ifndef VELMORA_DEMOCUSTOMIZE_H
#define VELMORA_DEMOCUSTOMIZE_H

#include "ORXToolBar.h"

#define ID_DEMO_CUSTOMIZE  34200 // turns customise mode on and off
#define IDW_DEMO_SECONDBAR 34201 // the bar to drag to

class CDemoCustomize
{
public:
    typedef void (*PFN_LOG)(LPCTSTR pszFormat, ...);

    // TRUE when the command line starts with "/customize"; the switch is taken off it.
    static BOOL Wanted(CString& strCommandLine);
    BOOL Create(CFrameWnd* pFrame, CORXToolBar* pMainBar, PFN_LOG pfnLog);
    // TRUE when the command was the customise switch.
    BOOL OnCommand(WPARAM wParam);

    CORXToolBar m_wndSecond;

private:
    static void CALLBACK WatchBars(HWND hWnd, UINT, UINT_PTR idEvent, DWORD);
    void LogBar(const char* pszName, CORXToolBar& bar);
    void LogIfChanged();
    CString Describe(CORXToolBar& bar) const;
    CFrameWnd* m_pFrame = NULL;
    CORXToolBar* m_pMainBar = NULL;
    PFN_LOG m_pfnLog = NULL;
    CString m_strLast;
};

#endif // VELMORA_DEMOCUSTOMIZE_H
