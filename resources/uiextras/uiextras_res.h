// Resource ids of the tool-bar framework's extras. The framework's core keeps its own ids in
// uicore/uicore_res.h; the two ranges do not meet.
#ifndef VELMORA_UIEXTRAS_RES_H
#define VELMORA_UIEXTRAS_RES_H

// Messages of the button image editor
#define IDS_ORX_SELECT_IMAGE        16001
#define IDS_ORX_ENTER_TEXT          16002
#define IDS_ORX_CANT_CREATE_IMAGE   16003
#define IDS_ORX_CANT_PASTE_IMAGE    16004

// Texts and questions of the customise pages
#define IDS_ORX_DELETE_TOOLBAR      16109
#define IDS_ORX_ALL_COMMANDS        16110
#define IDS_ORX_RESET_TOOLBAR       16111
#define IDS_ORX_RESET_ALL_TOOLBARS  16112
#define IDS_ORX_RESET_USAGE_DATA    16244

// The tasks pane
#define IDS_ORX_TASKS_PANE          17014

// The edit list box's header buttons
#define IDS_ORX_EDITLIST_NEW        17101
#define IDS_ORX_EDITLIST_DELETE     17102
#define IDS_ORX_EDITLIST_UP         17103
#define IDS_ORX_EDITLIST_DOWN       17104

#endif // VELMORA_UIEXTRAS_RES_H
