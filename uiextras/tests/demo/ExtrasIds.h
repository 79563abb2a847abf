// Ids of the extras' demonstration program.
#ifndef VELMORA_EXTRASIDS_H
#define VELMORA_EXTRASIDS_H

#define IDR_EXTRAS_MAINFRAME 300
#define IDR_EXTRAS_TOOLBAR   301 // tool-bar resource and its bitmap
#define IDR_EXTRAS_POPUP     302

#define ID_EXTRAS_NEW   33001
#define ID_EXTRAS_OPEN  33002
#define ID_EXTRAS_SAVE  33003
#define ID_EXTRAS_BOLD  33004
#define ID_EXTRAS_CHECK 33005
#define ID_EXTRAS_ALARM 33006
#define ID_EXTRAS_LARGE 33007
#define ID_EXTRAS_COLOR 33008 // the colour menu button at the tool bar's end

#define ID_EXTRAS_COLORCELLS 33112 // logs the cells of the open colour pop-up

#define ID_EXTRAS_LOOK_BASE   33100
#define ID_EXTRAS_LOOK_XP     33101
#define ID_EXTRAS_LOOK_THEMED 33102
#define ID_EXTRAS_SHOWMENU    33110 // opens the framework's pop-up menu below the tool bar
#define ID_EXTRAS_PAINTBENCH  33111 // paints the tool bar and the open menu many times, logs the time

#define ID_EXTRAS_MENU_FIRST  33200
#define ID_EXTRAS_MENU_SECOND 33201
#define ID_EXTRAS_MENU_GREYED 33202
#define ID_EXTRAS_MENU_CHECK  33203

#define IDC_EXTRAS_MASKEDIT    1001
#define IDC_EXTRAS_LIST        1002
#define IDC_EXTRAS_SPIN        1003
#define IDC_EXTRAS_BUDDY       1004
#define IDC_EXTRAS_HEADER      1005
#define IDC_EXTRAS_TABS        1006
#define IDC_EXTRAS_TABPAGE     1010 // the first of the three tab pages
#define IDC_EXTRAS_COLORBUTTON 1020
#define IDC_EXTRAS_COLORBAR    1021

// The MDI demonstration (ExtrasDemo /mdi)
#define IDR_MDI_MAINFRAME   33400
#define ID_MDI_WINDOWS      33401 // opens the Windows dialog
#define ID_MDI_LOGTABS      33402 // logs the tabs and the children
#define ID_MDI_RENAME       33403 // renames the active child's document
#define ID_MDI_INPLACE      33404 // activates and deactivates the in-place frame stand-in
#define ID_MDI_SHEET        33405 // opens the tree-paged property sheet
#define ID_MDI_SHEETLOG     33406 // logs the sheet's tree items and active page
#define ID_MDI_DOCCMD       33407 // the command whose help a child's view gives
#define IDD_MDI_PAGE_FIRST  33450
#define IDD_MDI_PAGE_SECOND 33451
#define IDC_MDI_PAGE_TEXT   1050

#endif // VELMORA_EXTRASIDS_H
