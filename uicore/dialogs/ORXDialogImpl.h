// CORXDialogImpl: what a dialog or property page needs to run the framework's pop-up menus. The
// menus are never activated, so the dialog keeps the focus and its message loop sees the keys and
// clicks meant for the open menu; this object routes them, closes the menu on clicks elsewhere,
// keeps the caption active while the menu or a floating palette is active and lets accelerator
// commands reach the usage counts and the user tools.
#ifndef VELMORA_ORXDIALOGIMPL_H
#define VELMORA_ORXDIALOGIMPL_H

#include <afxwin.h>

#include "ORXContextMenuManager.h"
#include "ORXPopupMenu.h"

// While it lives, each dialog helper is registered as the host of the menus its dialog opens.
class CORXDialogImpl : private CORXMenuHost
{
public:
    explicit CORXDialogImpl(CWnd& dlg);
    virtual ~CORXDialogImpl();

    // The menu opened from this dialog becomes the framework's active menu; the first one installs
    // the thread's mouse hook, NULL removes it.
    void SetActiveMenu(CORXPopupMenu* pMenu);
    BOOL PreTranslateMessage(MSG* pMsg);
    BOOL ProcessCommand(WPARAM wParam, LPARAM lParam);
    void OnActivate(UINT nState, CWnd* pWndOther);
    void OnNcActivate(BOOL& bActive);
    void OnDestroy();

    // The click test: TRUE when a click at the screen point belongs to the open menu and is used.
    BOOL ProcessMouseClick(POINT ptScreen);
    // Mouse moves while a menu is open: TRUE when used.
    BOOL ProcessMouseMove(POINT ptScreen);

    CWnd& GetDialog() const { return m_Dlg; }

    static BOOL IsMouseHookInstalled() { return m_hookMouse != NULL; }
    // The dialog whose menu is open, NULL when none.
    static CORXDialogImpl* GetMenuDlgImpl() { return m_pMenuDlgImpl; }
    // The dialog base (page or dialog) that holds a window, or one of its ancestors; NULL when none.
    static CORXDialogImpl* FromWindow(HWND hWnd);

protected:
    static LRESULT CALLBACK DialogMouseHookProc(int nCode, WPARAM wParam, LPARAM lParam);
    void CloseActiveMenu(BOOL bFocusToDialog);

    CWnd& m_Dlg;

    static HHOOK m_hookMouse;
    static CORXDialogImpl* m_pMenuDlgImpl;

private:
    virtual BOOL OnShowMenu(CORXPopupMenu* pMenu, BOOL& bApprove);
    virtual void OnMenuClosed(CORXPopupMenu* pMenu);
};

// The dialog bases answer this interface so that the menus find their implementation object; they
// route their menus' commands themselves.
class CORXDialogImplHolder : public CORXMenuRoutingWnd
{
public:
    virtual ~CORXDialogImplHolder() {}
    virtual CORXDialogImpl& GetDialogImpl() = 0;
    virtual void SetMenuOpenedHere(CORXPopupMenu* pMenu) { GetDialogImpl().SetActiveMenu(pMenu); }
};

// What the dialogs ask of neighbours the extras may add, registered with CORXServices: a point
// outside every open menu while the mouse moves over a frame (FALSE: not used), and a window that
// is a docking bar. Each question is TRUE when any neighbour says so.
class CORXDialogNeighbours
{
public:
    virtual ~CORXDialogNeighbours() {}
    virtual BOOL IsPointOutsidePopupMenu(CPoint ptScreen) { return FALSE; }
    virtual BOOL IsDockBar(HWND hWnd) { return FALSE; }
};

#endif // VELMORA_ORXDIALOGIMPL_H
