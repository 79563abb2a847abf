// CTrayPopupMenu: the tray icon's menu, shown as the framework's pop-up menu, kept above every
// window and in the foreground.
#ifndef VELMORA_TRAYPOPUPMENU_H
#define VELMORA_TRAYPOPUPMENU_H

#include <afxwin.h>

#include "ClockMenus.h"
#include "ORXPopupMenu.h"

class CTrayPopupMenu : public CORXPopupMenu
{
    DECLARE_DYNAMIC(CTrayPopupMenu)

public:
    virtual BOOL Create(CWnd* pWndParent, int x, int y, HMENU hMenu, BOOL bLocked = FALSE,
                        BOOL bOwnMessage = FALSE);

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    DECLARE_MESSAGE_MAP()
};

// Shows sub-menu 0 of the menu resource nMenuId at pt for the target window, adjusted to the state
// when one is given, with the item at position nDefaultItem as the default. The commands go to the
// target. The pop-up menu made, or NULL when the menu could not be loaded or shown; it runs by
// itself and deletes itself when it closes. The loaded menu is destroyed here, once, in every case.
CTrayPopupMenu* ShowTrayPopupMenu(CWnd* pTarget, UINT nMenuId, CPoint pt, const CTrayMenuState* pState,
                                  UINT nDefaultItem = 0);

#endif // VELMORA_TRAYPOPUPMENU_H
