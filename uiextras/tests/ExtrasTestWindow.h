// What the extras' tests share: the test program's application object and start-up, and a hidden
// top-level window that hosts the control under test and reflects its notifications.
#ifndef VELMORA_EXTRASTESTWINDOW_H
#define VELMORA_EXTRASTESTWINDOW_H

#include <afxwin.h>

class CExtrasTestParent : public CWnd
{
public:
    BOOL CreateHidden(int cx = 400, int cy = 300)
    {
        return CreateEx(0, AfxRegisterWndClass(0), _T("Extras test"), WS_POPUP | WS_CLIPCHILDREN, 0, 0, cx,
                        cy, NULL, NULL);
    }
    ~CExtrasTestParent()
    {
        if (GetSafeHwnd() != NULL)
            DestroyWindow();
    }
};

#endif // VELMORA_EXTRASTESTWINDOW_H
