// CORXWindowsDlg: the "Windows" dialog of the MDI frames: a list of the MDI children from which
// several can be activated, saved, closed, arranged or minimised at once.
#ifndef VELMORA_ORXWINDOWSDLG_H
#define VELMORA_ORXWINDOWSDLG_H

#include <afxwin.h>
#include <afxext.h>

class CORXMDIFrameWnd;

// Sent to the application's main window (wParam 0, lParam the dialog) when the user asks the
// dialog for help.
extern const UINT ORXM_WINDOW_HELP;

class CORXWindowsDlg : public CDialog
{
    DECLARE_DYNAMIC(CORXWindowsDlg)
public:
    explicit CORXWindowsDlg(CORXMDIFrameWnd* pMDIFrame);

    // The longest window text a list row holds.
    enum
    {
        nMaxTextLength = 256
    };

    // The window animation setting is read and written through this (the system's by default;
    // Wine keeps no such setting, so tests put a recording one in its place).
    typedef BOOL(WINAPI* PFN_SPI)(UINT uiAction, UINT uiParam, PVOID pvParam, UINT fWinIni);
    static PFN_SPI m_pfnSystemParametersInfo;

    CListBox m_wndList;
    CORXMDIFrameWnd* m_pMDIFrame;
    HWND m_hWndMDIClient;
    BOOL m_bAllSystemMenus; // every listed window has a system menu
    CPtrList m_lstCloseDisabled;

    // The list of the visible children, the active one selected.
    void FillWindowList();
    void SelectActive();
    void UpdateButtons();
    // Arranges the children with the message (WM_MDICASCADE or WM_MDITILE): the selected ones
    // restored, the rest minimised.
    void MDIMessage(UINT uMsg, WPARAM wParam);

protected:
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX);
    HWND ItemWindow(int iItem) const;

    afx_msg void OnActivate();
    afx_msg void OnSave();
    afx_msg void OnClose();
    afx_msg void OnCascade();
    afx_msg void OnTileHorz();
    afx_msg void OnTileVert();
    afx_msg void OnMinimize();
    afx_msg void OnSelChange();
    afx_msg void OnHelp();
    afx_msg LRESULT OnHelpInfoMsg(WPARAM wParam, LPARAM lParam);
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDIS);
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_ORXWINDOWSDLG_H
