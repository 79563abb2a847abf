// Resource ids of the tool-bar demonstration program and of the framework's tests.
#ifndef VELMORA_DEMOIDS_H
#define VELMORA_DEMOIDS_H

#define IDR_DEMO_TOOLBAR   200 // tool-bar resource and its bitmap
#define IDR_DEMO_BROKEN    201 // a tool-bar resource that counts more ids than it holds
#define IDR_DEMO_SECOND    202 // another resource id with the same bitmap drawing
#define IDR_DEMO_MAINFRAME 203

#define ID_DEMO_NEW   32001
#define ID_DEMO_OPEN  32002
#define ID_DEMO_SAVE  32003
#define ID_DEMO_BOLD  32004
#define ID_DEMO_CHECK 32005
#define ID_DEMO_ALARM 32006
#define ID_DEMO_LARGE 32007

// Commands of the demonstration's own menu.
#define ID_DEMO_TEXTLABELS 32100
#define ID_DEMO_LARGEICONS 32101
#define ID_DEMO_CHANGEBAR  32102 // removes Save and puts Alarm first

// The framework's own buttons below the tool bar.
#define ID_DEMO_OWNERDRAWN 16350
#define ID_DEMO_LINK       16351

// The menu button's menu and the commands of its items.
#define IDR_DEMO_MENU       204
#define ID_DEMO_MENU_FIRST  32200
#define ID_DEMO_MENU_INNER1 32201
#define ID_DEMO_MENU_INNER2 32202
#define ID_DEMO_MENU_GREYED 32203
#define ID_DEMO_MENU_LAST   32204
#define ID_DEMO_MENU_CHECK  32205
#define ID_DEMO_TALLMENU    32206 // opens a menu taller than the screen
#define ID_DEMO_TALL_FIRST  33000 // its 80 items
#define ID_DEMO_TALL_LAST   33079

// The customise sheet of "/pages" and the frame's accelerator table that it edits.
#define IDR_DEMO_PAGES_KEYS     34300
#define ID_DEMO_PAGES_CUSTOMIZE 34301
// The sizing bars' demonstration: bars, the dialog bar's template and its controls.
#define IDW_DEMO_ZONES          34401 // sizing bar docked left with a list box
#define IDW_DEMO_NOTES          34402 // the second sizing bar, in the same row
#define IDW_DEMO_DIALOGBAR      34403
#define IDW_DEMO_CAPTIONBAR     34404
#define IDD_DEMO_DIALOGBAR      34410
#define IDC_DEMO_DIALOG_EDIT    34411
#define IDC_DEMO_DIALOG_TEXT    34412

// "/menus": the File menu of the second bar and the chevron's customise command.
#define IDR_DEMO_FILEMENU       34500
#define ID_DEMO_MENUS_CUSTOMIZE 34501

#endif // VELMORA_DEMOIDS_H
