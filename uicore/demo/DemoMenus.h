// CDemoMenus ("/menus" on the command line): a chevron at the end of the main tool bar, a File menu
// button beside the Menu button of the second bar, a recent-file list and basic commands, so that
// menus hide what is rarely used. The chevron's hidden buttons and the items of the open menu are
// written to the log whenever they change.
#ifndef VELMORA_DEMOMENUS_H
#define VELMORA_DEMOMENUS_H

#include <afxwin.h>

#include "ORXExtrasHooks.h"
#include "ORXToolBar.h"

class CDemoMenus : public CORXRecentFileList
{
public:
    typedef void (*PFN_LOG)(LPCTSTR pszFormat, ...);

    // TRUE when the command line starts with "/menus"; the switch is taken off it.
    static BOOL Wanted(CString& strCommandLine);
    virtual ~CDemoMenus();
    BOOL Create(CFrameWnd* pFrame, CORXToolBar* pMainBar, CORXToolBar* pMenuBar, PFN_LOG pfnLog);
    // TRUE when the command was one of the recent files or the customise command.
    BOOL OnCommand(WPARAM wParam);
    // The frame's menu key with a character: the second bar's menu of that access key drops.
    BOOL OnSysCommand(UINT nID, LPARAM lParam);
    void LogLayout();

    // The recent files.
    virtual int GetSize() const { return 3; }
    virtual CString GetPath(int iIndex) const;

private:
    static void CALLBACK Watch(HWND hWnd, UINT, UINT_PTR idEvent, DWORD);
    void LogIfChanged();
    CFrameWnd* m_pFrame = NULL;
    CORXToolBar* m_pMainBar = NULL;
    CORXToolBar* m_pMenuBar = NULL;
    PFN_LOG m_pfnLog = NULL;
    CString m_strLastChevron;
    CString m_strLastBar;
    CString m_strLastMenu;
    CString m_strLastDropped;
};

#endif // VELMORA_DEMOMENUS_H
