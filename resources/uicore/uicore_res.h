// Resource ids of the tool-bar framework's own resources, shared by every program that uses it.
#ifndef VELMORA_UICORE_RES_H
#define VELMORA_UICORE_RES_H

#define IDB_ORX_MENU_IMAGES       16129 // the 9 x 9 glyph strip
#define IDR_ORX_POPUP_TOOLBAR     16102 // the tool bar's customise menu
#define IDS_ORX_UNTITLED_TOOLBAR  16104
#define IDS_ORX_TOO_MANY_TOOLBARS 16243
#define IDS_ORX_MORE_BUTTONS      16026 // the chevron's default text
#define IDC_ORX_STRETCH           30980 // shown while a button is stretched
#define IDC_ORX_STRETCH_VERT      30981
#define IDS_ORX_HIDE_BAR          16011 // the sizing bar's caption buttons
#define IDS_ORX_EXPAND_BAR        16012

#define ID_ORX_TOOLBAR_RESET          16910
#define ID_ORX_TOOLBAR_COPY_IMAGE     16911
#define ID_ORX_TOOLBAR_DELETE         16912
#define ID_ORX_TOOLBAR_APPEARANCE     16913
#define ID_ORX_TOOLBAR_IMAGE          16914
#define ID_ORX_TOOLBAR_TEXT           16915
#define ID_ORX_TOOLBAR_IMAGE_AND_TEXT 16916
#define ID_ORX_TOOLBAR_START_GROUP    16917
#define ID_ORX_TOOLBAR_NEW_MENU       16918

#endif // VELMORA_UICORE_RES_H
