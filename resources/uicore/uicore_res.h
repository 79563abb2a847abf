// Resource ids of the tool-bar framework's own resources, shared by every program that uses it.
#ifndef VELMORA_UICORE_RES_H
#define VELMORA_UICORE_RES_H

#define IDB_ORX_MENU_IMAGES       16129 // the 9 x 9 glyph strip
#define IDR_ORX_POPUP_TOOLBAR     16102 // the tool bar's customise menu
#define IDS_ORX_UNTITLED_TOOLBAR  16104
#define IDS_ORX_TOO_MANY_TOOLBARS 16243
#define IDS_ORX_MORE_BUTTONS      16026 // the chevron's default text
#define IDS_ORX_TEAROFF           16028 // the tip of a menu's tear-off strip
#define IDC_ORX_STRETCH           30980 // shown while a button is stretched
#define IDC_ORX_STRETCH_VERT      30981
#define IDS_ORX_HIDE_BAR          16011 // the sizing bar's caption buttons
#define IDS_ORX_EXPAND_BAR        16012
#define IDS_ORX_MENUBAR_TITLE     16006 // the menu bar's window text
#define IDS_ORX_CANT_COPY_BITMAP  16010 // a user tool's icon did not reach the clipboard
#define IDS_ORX_EXPAND_MENU       16025 // the show-all item's tip, with its key
#define IDC_ORX_DRAG_COPY         16004 // a dragged button is copied
#define IDC_ORX_DRAG_DELETE       16133 // a dragged button off every bar is deleted
#define IDC_ORX_DRAG_MOVE         16146 // a dragged button is moved
#define IDC_ORX_HAND              16919 // links
#define IDI_ORX_USER_TOOL         16931 // the default icon of a user tool

#define ID_ORX_TOOLBAR_RESET          16910
#define ID_ORX_TOOLBAR_COPY_IMAGE     16911
#define ID_ORX_TOOLBAR_DELETE         16912
#define ID_ORX_TOOLBAR_APPEARANCE     16913
#define ID_ORX_TOOLBAR_IMAGE          16914
#define ID_ORX_TOOLBAR_TEXT           16915
#define ID_ORX_TOOLBAR_IMAGE_AND_TEXT 16916
#define ID_ORX_TOOLBAR_START_GROUP    16917
#define ID_ORX_TOOLBAR_NEW_MENU       16918

// The keyboard and menu customise pages.
#define IDD_ORX_MENU_PAGE           16134
#define IDD_ORX_KEYBOARD_PAGE       16136
#define IDS_ORX_CANT_CUSTOMIZE_MENU 16007
#define IDS_ORX_DEFAULT_MENU        16106
#define IDS_ORX_DEFAULT_MENU_DESC   16107
#define IDS_ORX_NO_CONTEXT_MENU     16108
#define IDS_ORX_RESET_MENU_QUERY    16113
#define IDS_ORX_DEFAULT_TABLE       16114
#define IDS_ORX_RESET_KEYS_QUERY    16115
#define IDC_ORX_MENU_DESCRIPTION    16506
#define IDC_ORX_MENU_ICON           16507
#define IDC_ORX_CONTEXT_LABEL       16508
#define IDC_ORX_COMMAND_DESC        16514
#define IDC_ORX_CONTEXT_HINT        16519
#define IDC_ORX_CONTEXT_GROUP       16520
#define IDC_ORX_ASSIGNED_LABEL      16526
#define IDC_ORX_ASSIGNED_COMMAND    16527
#define IDC_ORX_ASSIGNED_KEY        16528
#define IDC_ORX_ANIMATION_LABEL     16543
#define IDC_ORX_CATEGORY            16601
#define IDC_ORX_FRAME_MENUS         16621
#define IDC_ORX_CONTEXT_MENUS       16622
#define IDC_ORX_RESET_CONTEXT       16623
#define IDC_ORX_RESET_FRAME_MENU    16624
#define IDC_ORX_MENU_ANIMATION      16625
#define IDC_ORX_MENU_SHADOWS        16626
#define IDC_ORX_COMMANDS            16641
#define IDC_ORX_ACCEL_TARGET        16642
#define IDC_ORX_CURRENT_KEYS        16643
#define IDC_ORX_NEW_KEY             16644
#define IDC_ORX_ASSIGN              16645
#define IDC_ORX_REMOVE              16646
#define IDC_ORX_RESET_ALL_KEYS      16647

#endif // VELMORA_UICORE_RES_H
