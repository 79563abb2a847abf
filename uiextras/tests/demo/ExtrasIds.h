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

// The property list's demonstration ("/proplist").
#define ID_PROPLIST_COLORCELLS    33600 // logs the cells of the colour row's open pop-up
#define ID_PROPLIST_LOGROWS       33601 // logs the rows on show
#define IDC_PROPLIST_LIST         1060
#define IDC_PROPLIST_CATEGORIZED  1061
#define IDC_PROPLIST_ALPHABETICAL 1062

#endif // VELMORA_EXTRASIDS_H
