// Ids of the window tests' dialog templates, controls and commands.
#ifndef VELMORA_WINDOWTESTIDS_H
#define VELMORA_WINDOWTESTIDS_H

#define IDD_TEST_TIMER   100
#define IDD_TEST_DDX     101
#define IDD_TEST_CMD     102
#define IDD_TEST_VISIBLE 103
#define IDD_TEST_PAGE1   110
#define IDD_TEST_PAGE2   111

#define IDC_TEST_EDIT      1001
#define IDC_TEST_EDIT2     1002
#define IDC_TEST_CHECK     1003
#define IDC_TEST_RADIO1    1004
#define IDC_TEST_RADIO2    1005
#define IDC_TEST_RADIO3    1006
#define IDC_TEST_DROPLIST  1007
#define IDC_TEST_LIST      1008
#define IDC_TEST_COMBO     1009
#define IDC_TEST_UPDATED   1011
#define IDC_TEST_HANDLED   1012
#define IDC_TEST_UNHANDLED 1013
#define IDC_TEST_AUTOCHECK 1014

// Commands routed from a dialog to its owner and the application
#define ID_TEST_DIALOG_CMD   0x8101
#define ID_TEST_OWNER_CMD    0x8102
#define ID_TEST_APP_CMD      0x8103
#define ID_TEST_SHARED_CMD   0x8104
#define ID_TEST_NOBODY_CMD   0x8105
#define ID_TEST_DISABLED_CMD 0x8106

#endif // VELMORA_WINDOWTESTIDS_H
