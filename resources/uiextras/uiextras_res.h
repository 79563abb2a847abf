// Resource ids of the tool-bar framework's extras. The framework's core keeps its own ids in
// uicore/uicore_res.h; the two ranges do not meet.
#ifndef VELMORA_UIEXTRAS_RES_H
#define VELMORA_UIEXTRAS_RES_H

// Messages of the button image editor
#define IDS_ORX_SELECT_IMAGE      16001
#define IDS_ORX_ENTER_TEXT        16002
#define IDS_ORX_CANT_CREATE_IMAGE 16003
#define IDS_ORX_CANT_PASTE_IMAGE  16004

// Texts and questions of the customise pages
#define IDS_ORX_DELETE_TOOLBAR     16109
#define IDS_ORX_ALL_COMMANDS       16110
#define IDS_ORX_RESET_TOOLBAR      16111
#define IDS_ORX_RESET_ALL_TOOLBARS 16112
#define IDS_ORX_RESET_USAGE_DATA   16244

// The tasks pane: its default caption, the navigation row's images, and the texts of the row's
// commands, whose ids are the same numbers
#define IDS_ORX_TASKS_PANE          17014
#define IDB_ORX_TASKS_NAV           17015
#define IDS_ORX_TASKS_BACK          17016
#define IDS_ORX_TASKS_FORWARD       17017
#define IDS_ORX_TASKS_HOME          17018
#define IDS_ORX_TASKS_CLOSE         17019
#define IDS_ORX_TASKS_OTHER_PANES   17020
// The customise sheet, its pages and the Toolbar Name dialog
#define IDD_ORX_CUSTOMIZE_COMMANDS  16104
#define IDD_ORX_CUSTOMIZE_TOOLBARS  16105
#define IDD_ORX_TOOLBAR_NAME        16130
#define IDD_ORX_CUSTOMIZE_MOUSE     16135
#define IDD_ORX_CUSTOMIZE_OPTIONS   16137
#define IDD_ORX_CUSTOMIZE_TOOLS     16928
#define IDC_ORX_CUST_CATEGORIES     16601
#define IDC_ORX_CUST_COMMANDS       16602
#define IDC_ORX_CUST_DESCRIPTION    16603
#define IDC_ORX_CUST_TOOLBARS       16611
#define IDC_ORX_CUST_TEXT_LABELS    16612
#define IDC_ORX_CUST_RESET          16613
#define IDC_ORX_CUST_RESET_ALL      16614
#define IDC_ORX_CUST_NEW            16615
#define IDC_ORX_CUST_RENAME         16616
#define IDC_ORX_CUST_DELETE         16617
#define IDC_ORX_CUST_NAME           16516
#define IDC_ORX_CUST_PERSONALIZED   16538
#define IDC_ORX_CUST_LINE           16539
#define IDC_ORX_CUST_TOOLTIPS       16651
#define IDC_ORX_CUST_SHORTCUTS      16652
#define IDC_ORX_CUST_LARGE_ICONS    16653
#define IDC_ORX_CUST_LOOK2000       16654
#define IDC_ORX_CUST_RECENT_MENUS   16655
#define IDC_ORX_CUST_MENUS_DELAY    16656
#define IDC_ORX_CUST_RESET_USAGE    16657
#define IDC_ORX_CUST_VISUALS        17001
#define IDC_ORX_CUST_VIEWS          16631
#define IDC_ORX_CUST_NO_DBLCLK      16632
#define IDC_ORX_CUST_DBLCLK         16633
#define IDC_ORX_CUST_VIEW_COMMANDS  16634
#define IDC_ORX_CUST_VIEW_DESC      16514
#define IDC_ORX_CUST_TOOLS_LIST     16921
#define IDC_ORX_CUST_TOOL_COMMAND   16922
#define IDC_ORX_CUST_TOOL_BROWSE    16923
#define IDC_ORX_CUST_TOOL_ARGS      16924
#define IDC_ORX_CUST_TOOL_DIR       16925
#define IDC_ORX_CUST_TOOL_ARGS_MENU 16989
#define IDC_ORX_CUST_TOOL_DIR_MENU  16997
#define IDS_ORX_CUSTOMIZE           16926 // the sheet's caption
#define IDS_ORX_CUSTOMIZE_CLOSE     16927 // its one button

// The edit list box's header buttons
#define IDS_ORX_EDITLIST_NEW    17101
#define IDS_ORX_EDITLIST_DELETE 17102
#define IDS_ORX_EDITLIST_UP     17103
#define IDS_ORX_EDITLIST_DOWN   17104

// The colours dialog and its pages
#define IDD_ORX_COLOR_DIALOG        16961
#define IDD_ORX_COLOR_PAGE_STANDARD 16962
#define IDD_ORX_COLOR_PAGE_CUSTOM   16963
#define IDC_ORX_COLOR_PREVIEW       16662 // the dialog's preview and the Custom page's spectrum
#define IDC_ORX_COLOR_RED           16964
#define IDC_ORX_COLOR_GREEN         16965
#define IDC_ORX_COLOR_BLUE          16966
#define IDC_ORX_COLOR_LUM           16967
#define IDC_ORX_COLOR_SAT           16968
#define IDC_ORX_COLOR_HUE           16969
#define IDC_ORX_COLOR_PLACEHOLDER   16970
#define IDC_ORX_COLOR_GREY          16972
#define IDC_ORX_COLOR_LUMBAR        16973
#define IDC_ORX_COLOR_HEX           16974
#define IDC_ORX_COLOR_HUE_SPIN      16976
#define IDC_ORX_COLOR_SAT_SPIN      16977
#define IDC_ORX_COLOR_LUM_SPIN      16978
#define IDC_ORX_COLOR_RED_SPIN      16979
#define IDC_ORX_COLOR_GREEN_SPIN    16980
#define IDC_ORX_COLOR_BLUE_SPIN     16981

// The Windows dialog of the MDI frames
#define IDD_ORX_WINDOWS_DIALOG      16927
#define IDC_ORX_WINDOWS_LIST        16923
#define IDC_ORX_WINDOWS_ACTIVATE    16920
#define IDC_ORX_WINDOWS_SAVE        16921
#define IDC_ORX_WINDOWS_CLOSE       16922
#define IDC_ORX_WINDOWS_CASCADE     16926
#define IDC_ORX_WINDOWS_TILEHORZ    16924
#define IDC_ORX_WINDOWS_TILEVERT    16928
#define IDC_ORX_WINDOWS_MINIMIZE    16925
#define IDC_ORX_WINDOWS_HELP        57670
// The Button Appearance and Edit Button Image dialogs, the editor's tool palette and cursors
#define IDD_ORX_BUTTON_APPEARANCE   16132
#define IDS_ORX_CANT_UPDATE_IMAGE   16005
#define IDD_ORX_IMAGE_EDIT          16133
#define IDR_ORX_IMAGE_TOOLS         16138 // the editor's tool palette and its bitmap
#define IDC_ORX_CUR_RECT            16140
#define IDC_ORX_CUR_ELLIPSE         16141
#define IDC_ORX_CUR_FILL            16142
#define IDC_ORX_CUR_LINE            16143
#define IDC_ORX_CUR_PENCIL          16144
#define IDC_ORX_CUR_PICK            16145
#define IDC_ORX_BUTTON_TEXT         16500
#define IDC_ORX_IMAGE_ONLY          16505
#define IDC_ORX_TEXT_ONLY           16506
#define IDC_ORX_IMAGE_AND_TEXT      16507
#define IDC_ORX_USER_IMAGES         16508
#define IDC_ORX_NEW_IMAGE           16509
#define IDC_ORX_EDIT_IMAGE          16510
#define IDC_ORX_PAINT_AREA          16513
#define IDC_ORX_COLORS_PLACE        16516
#define IDC_ORX_PREVIEW_PLACE       16519
#define IDC_ORX_USER_IMAGE_RADIO    16529
#define IDC_ORX_DEFAULT_IMAGE_RADIO 16530
#define IDC_ORX_DEFAULT_IMAGE       16531
#define IDC_ORX_TOOLS_PLACE         16533
#define IDC_ORX_BUTTON_DESCRIPTION  16603
#define ID_ORX_IMAGE_FILL           16901
#define ID_ORX_IMAGE_PENCIL         16902
#define ID_ORX_IMAGE_PICK           16903
#define ID_ORX_IMAGE_LINE           16904
#define ID_ORX_IMAGE_RECT           16905
#define ID_ORX_IMAGE_ELLIPSE        16906
#define ID_ORX_IMAGE_COPY           16907
#define ID_ORX_IMAGE_PASTE          16908
#define ID_ORX_IMAGE_CLEAR          16909

#endif // VELMORA_UIEXTRAS_RES_H
