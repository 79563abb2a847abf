// A shortcut bar's page button for the tests of the extras that draw one.
#ifndef VELMORA_TESTPAGEBUTTON_H
#define VELMORA_TESTPAGEBUTTON_H

#include "ORXOutlookBar.h"

// A page button the test can make hot without the real pointer.
class CHotPageButton : public CORXOutlookBarPageButton
{
public:
    void SetHot(BOOL bHot) { m_bHover = bHot; }
    // Draws the button into any DC, as its owner's WM_DRAWITEM would have it drawn.
    void DrawInto(HDC hDC, const CRect& rect)
    {
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = ODT_BUTTON;
        dis.hwndItem = GetSafeHwnd();
        dis.hDC = hDC;
        dis.rcItem = rect;
        DrawItem(&dis);
    }
};

#endif // VELMORA_TESTPAGEBUTTON_H
