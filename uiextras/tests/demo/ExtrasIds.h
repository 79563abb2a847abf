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

#endif // VELMORA_EXTRASIDS_H
