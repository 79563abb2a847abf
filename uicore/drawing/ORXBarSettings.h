// CORXBarSettings: what every bar of the application shares: the live tool bars and sizing bars,
// the customise mode, the basic commands, the bars' text colours and how pop-up menus open. Kept
// below the looks, the commands and the menus, which read them; the tool bars and menus set them.
#ifndef VELMORA_ORXBARSETTINGS_H
#define VELMORA_ORXBARSETTINGS_H

#include <afxwin.h>
#include <afxtempl.h>

// The live tool bars and sizing bars, in the order they were created.
extern CObList gAllToolbars;
extern CObList gAllSizingControlBars;

class CORXBarSettings
{
    // Attributes
public:
    static BOOL IsCustomizeMode() { return s_bCustomizeMode; }
    static BOOL IsBasicCommand(UINT uiCmd) { return s_lstBasicCommands.Find(uiCmd) != NULL; }
    static COLORREF GetDefaultTextColor()
    {
        return s_clrText == (COLORREF)-1 ? ::GetSysColor(COLOR_BTNTEXT) : s_clrText;
    }
    static COLORREF GetHotTextColor()
    {
        return s_clrTextHot == (COLORREF)-1 ? GetDefaultTextColor() : s_clrTextHot;
    }

    // The pop-up menus' animation, from none (0) to fading (kLastMenuAnimation); a stored kind
    // outside the known ones gives none.
    enum
    {
        kLastMenuAnimation = 3
    };
    static int MenuAnimationFromStored(DWORD dwStored)
    {
        return dwStored <= (DWORD)kLastMenuAnimation ? (int)dwStored : 0;
    }

    // Fields
public:
    static BOOL s_bCustomizeMode;
    static CList<UINT, UINT> s_lstBasicCommands; // commands that are never rarely used
    static COLORREF s_clrText;                   // -1: the system's button text colour
    static COLORREF s_clrTextHot;                // -1: the text colour
    static int s_nMenuAnimation;                 // the kind the pop-up menus open with
    static BOOL s_bMenuShadows;                  // pop-up menus cast shadows
};

#endif // VELMORA_ORXBARSETTINGS_H
