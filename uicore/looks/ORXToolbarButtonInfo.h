// CORXToolbarButtonInfo: what the looks read of a bar's button they draw.
#ifndef VELMORA_ORXTOOLBARBUTTONINFO_H
#define VELMORA_ORXTOOLBARBUTTONINFO_H

#include <afxwin.h>

// The buttons belong to the bars, which sit above the looks: a look sees a button only through
// this, and a look above the bars that needs more asks the button's class for it.
class CORXToolbarButtonInfo
{
public:
    virtual ~CORXToolbarButtonInfo() {}

    // How the looks draw the button's face: as a tool-bar button; as the item that shows a menu's
    // rarely used commands, which is only highlighted; or as a shortcut on the shortcut bar's dark
    // face, with no fill of its own.
    enum FaceKind
    {
        faceToolbar,
        faceShowAll,
        faceShortcut
    };
    virtual FaceKind GetFaceKind() const = 0;
    // The button's TBBS_ style bits: pressed, checked, indeterminate, disabled.
    virtual UINT GetStyle() const = 0;
    // FALSE for a button no bar keeps, which customise mode shows greyed.
    virtual BOOL CanBeStored() const = 0;
};

#endif // VELMORA_ORXTOOLBARBUTTONINFO_H
