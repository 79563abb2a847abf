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

// The tasks pane
#define IDS_ORX_TASKS_PANE 17014

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
#define IDD_ORX_WINDOWS_DIALOG   16927
#define IDC_ORX_WINDOWS_LIST     16923
#define IDC_ORX_WINDOWS_ACTIVATE 16920
#define IDC_ORX_WINDOWS_SAVE     16921
#define IDC_ORX_WINDOWS_CLOSE    16922
#define IDC_ORX_WINDOWS_CASCADE  16926
#define IDC_ORX_WINDOWS_TILEHORZ 16924
#define IDC_ORX_WINDOWS_TILEVERT 16928
#define IDC_ORX_WINDOWS_MINIMIZE 16925
#define IDC_ORX_WINDOWS_HELP     57670

#endif // VELMORA_UIEXTRAS_RES_H
