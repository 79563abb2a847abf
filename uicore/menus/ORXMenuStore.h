// CORXMenuStore: the customised items of pop-up menus, kept for the life of the process in
// temporary files, one per menu handle.
#ifndef VELMORA_ORXMENUSTORE_H
#define VELMORA_ORXMENUSTORE_H

#include <afxwin.h>

class CORXToolBar;

// One store serves the process: its operations are class-wide. Each kept menu has an open
// temporary file made delete-on-close, so the files vanish with their handles or with the process.
// An entry is dropped as soon as its menu is found destroyed or emptied: a menu handle is reused by
// the system once its menu is gone, and a new menu must not show an old menu's items.
class CORXMenuStore
{
    // Operations
public:
    // Writes the bar's items to a new file kept under the menu, replacing one kept before. FALSE
    // when the bar has no items, the menu is gone or empty, or the file cannot be made or written.
    static BOOL Store(HMENU hMenu, CORXToolBar* pBar);
    // Reads the items kept under the menu into the bar. FALSE (the bar unchanged) when nothing is
    // kept, the menu is gone or empty, or the file cannot be read.
    static BOOL Restore(HMENU hMenu, CORXToolBar* pBar);
    // The owner of a menu drops its entry when it destroys the menu.
    static void Remove(HMENU hMenu);
    static void RemoveAll();

    // Attributes
public:
    static BOOL IsStored(HMENU hMenu);
    static int GetCount();
    // The path of the file kept under the menu; empty when none.
    static CString GetFileName(HMENU hMenu);

    // Implementation
protected:
    static BOOL IsLiveMenu(HMENU hMenu);
    // Drops the entries whose menus are gone or empty.
    static void RemoveStale();
};

#endif // VELMORA_ORXMENUSTORE_H
