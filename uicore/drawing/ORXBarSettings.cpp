// CORXBarSettings: the settings every bar shares.
#include "ORXBarSettings.h"

CObList gAllToolbars;
CObList gAllSizingControlBars;

BOOL CORXBarSettings::s_bCustomizeMode = FALSE;
CList<UINT, UINT> CORXBarSettings::s_lstBasicCommands;
COLORREF CORXBarSettings::s_clrText = (COLORREF)-1;
COLORREF CORXBarSettings::s_clrTextHot = (COLORREF)-1;
int CORXBarSettings::s_nMenuAnimation = 0;
BOOL CORXBarSettings::s_bMenuShadows = TRUE;
