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

// "/colors": the colour menu button, its torn-off bar and the "Colors" dialog.
#define ID_COLORDEMO_COLOR       33120 // the colour menu button's command
#define ID_COLORDEMO_TORN        33121 // the control id of its pop-up torn off
#define ID_COLORDEMO_LOGSTATE    33122 // logs the button, the open pop-up's and the torn-off bar's cells
#define ID_COLORDEMO_DIALOG      33123 // runs the "Colors" dialog
#define ID_COLORDEMO_DIALOGSTATE 33124 // logs the running dialog's new colour

#define ID_EXTRAS_LOOK_BASE   33100
#define ID_EXTRAS_LOOK_XP     33101
#define ID_EXTRAS_LOOK_THEMED 33102
#define ID_EXTRAS_SHOWMENU    33110 // opens the framework's pop-up menu below the tool bar
#define ID_EXTRAS_PAINTBENCH  33111 // paints the tool bar and the open menu many times, logs the time

#define ID_EXTRAS_MENU_FIRST  33200
#define ID_EXTRAS_MENU_SECOND 33201
#define ID_EXTRAS_MENU_GREYED 33202
#define ID_EXTRAS_MENU_CHECK  33203

// The tasks pane's demonstration ("/taskspane"): the tasks' commands, the log requests, the pane.
#define ID_TASKS_ADD_CLOCK    33350
#define ID_TASKS_REMOVE_CLOCK 33351
#define ID_TASKS_SYNC         33352
#define ID_TASKS_NEW_ALARM    33353
#define ID_TASKS_SILENCE      33354
#define ID_TASKS_REMIND       33355
#define ID_TASKS_EDIT_ZONES   33356
#define ID_TASKS_LOG_MENU     33390 // logs the items of the open "Other Task Panes" menu
#define ID_TASKS_LOG_STATE    33391 // logs the pane's state and places again
#define IDC_TASKS_PANE        1040
// The customise sheet's demonstration
#define IDR_CUST_MAINFRAME    310
#define IDR_CUST_STANDARD     311 // tool-bar resource and its bitmap
#define IDR_CUST_TOOL_ARGS    312 // the Tools page's arguments menu
#define ID_CUST_NEW           33500
#define ID_CUST_OPEN          33501
#define ID_CUST_SAVE          33502
#define ID_CUST_BOLD          33503
#define ID_CUST_ITALIC        33504
#define ID_CUST_ALARM         33505
#define ID_CUST_ZOOM          33506
#define ID_CUST_CUT           33507
#define ID_CUST_COPY          33508
#define ID_CUST_PASTE         33509
#define ID_CUST_CUSTOMIZE     33510
#define ID_CUST_TOOLS_ENTRY   33511 // where the user tools stand in the tools menu
#define ID_CUST_LOGSTATE      33512 // logs every bar, its buttons and the menus
#define ID_CUST_ARG_FILE      33513 // the arguments menu's item (and its string)
#define IDR_CUST_CONTEXT      313   // the frame's context menu, which the Menu page edits
#define ID_CUST_TOOL_FIRST    33520
#define ID_CUST_TOOL_LAST     33529
#define IDW_CUST_FORMAT       0xE830 // the second tool bar
#define IDW_CUST_USER_FIRST   0xE840 // user-defined tool bars
#define IDW_CUST_USER_LAST    0xE84F

#define IDC_EXTRAS_MASKEDIT    1001
#define IDC_EXTRAS_LIST        1002
#define IDC_EXTRAS_SPIN        1003
#define IDC_EXTRAS_BUDDY       1004
#define IDC_EXTRAS_HEADER      1005
#define IDC_EXTRAS_TABS        1006
#define IDC_EXTRAS_TABPAGE     1010 // the first of the three tab pages
#define IDC_EXTRAS_COLORBUTTON 1020
#define IDC_EXTRAS_COLORBAR    1021

// The shortcut bar's frame (ExtrasDemo /outlook): its shortcuts' commands, its bitmap and windows.
#define ID_OUTLOOK_SHORTCUT_FIRST 33300 // up to 33319, one a shortcut
#define ID_OUTLOOK_SHORTCUT_LAST  33319
#define ID_OUTLOOK_LOGSTATE       33340 // logs the bar and the tab window as they are now
#define IDB_OUTLOOK_SHORTCUTS     33349 // six 32 x 32 shortcut images
#define IDC_OUTLOOK_BAR           1030
#define IDC_OUTLOOK_TABPAGE       1031 // the first of the three tab pages
#define IDC_OUTLOOK_TASKSPANE     1035 // the tasks pane docked at the frame's right
// The property list's demonstration ("/proplist").
#define ID_PROPLIST_COLORCELLS    33600 // logs the cells of the colour row's open pop-up
#define ID_PROPLIST_LOGROWS       33601 // logs the rows on show
#define IDC_PROPLIST_LIST         1060
#define IDC_PROPLIST_CATEGORIZED  1061
#define IDC_PROPLIST_ALPHABETICAL 1062
// The MDI demonstration (ExtrasDemo /mdi)
#define IDR_MDI_MAINFRAME         33400
#define ID_MDI_WINDOWS            33401 // opens the Windows dialog
#define ID_MDI_LOGTABS            33402 // logs the tabs and the children
#define ID_MDI_RENAME             33403 // renames the active child's document
#define ID_MDI_INPLACE            33404 // activates and deactivates the in-place frame stand-in
#define ID_MDI_SHEET              33405 // opens the tree-paged property sheet
#define ID_MDI_SHEETLOG           33406 // logs the sheet's tree items and active page
#define ID_MDI_DOCCMD             33407 // the command whose help a child's view gives
#define IDR_MDI_DOCTYPE           33408 // the children's template: their menu and name
#define ID_MDI_LOGMENUS           33409 // logs the menu bar's buttons and the active child's menu
#define ID_MDI_CUSTOMIZE          33410 // opens the customise sheet
#define IDD_MDI_PAGE_FIRST        33450
#define IDD_MDI_PAGE_SECOND       33451
#define IDC_MDI_PAGE_TEXT         1050

#endif // VELMORA_EXTRASIDS_H
