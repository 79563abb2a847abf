// A shortcut bar's page button for the tests of the extras that draw one.
#ifndef VELMORA_TESTPAGEBUTTON_H
#define VELMORA_TESTPAGEBUTTON_H

#include "ORXOutlookBar.h"

// A page button the test can make hot without the real pointer.
class CHotPageButton : public CORXOutlookBarPageButton
{
public:
    void SetHot(BOOL bHot) { m_bHover = bHot; }
};

#endif // VELMORA_TESTPAGEBUTTON_H
