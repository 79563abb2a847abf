// CORXDialogImpl: what a dialog or property page needs to run the framework's pop-up menus. The
// menus are never activated, so the dialog keeps the focus and its message loop sees the keys and
// clicks meant for the open menu; this object routes them, closes the menu on clicks elsewhere,
// keeps the caption active while the menu or a floating palette is active and lets accelerator
// commands reach the usage counts and the user tools.
#ifndef VELMORA_ORXDIALOGIMPL_H
#define VELMORA_ORXDIALOGIMPL_H

#include <afxwin.h>

class CORXPopupMenu;

class CORXDialogImpl
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

    // Joins the menus' approval and closing hooks, once; the hooks that were there before are
    // still asked for menus that no dialog opened.
    static void InstallMenuServices();

protected:
    static LRESULT CALLBACK DialogMouseHookProc(int nCode, WPARAM wParam, LPARAM lParam);
    void CloseActiveMenu(BOOL bFocusToDialog);

    CWnd& m_Dlg;

    static HHOOK m_hookMouse;
    static CORXDialogImpl* m_pMenuDlgImpl;
};

// The dialog bases answer this interface so that the menus find their implementation object.
class CORXDialogImplHolder
{
public:
    virtual ~CORXDialogImplHolder() {}
    virtual CORXDialogImpl& GetDialogImpl() = 0;
};

// The tests the dialogs need of neighbours the framework may add: a point outside every open menu
// while the mouse moves over a frame (FALSE: not used), and a window that is a docking bar.
extern BOOL (*g_pfnORXIsPointOutsidePopupMenu)(CPoint ptScreen);
extern BOOL (*g_pfnORXIsDockBar)(HWND hWnd);

#endif // VELMORA_ORXDIALOGIMPL_H
