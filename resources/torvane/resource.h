// Resource ids of the time-zone editor.
#ifndef VELMORA_TORVANE_RESOURCE_H
#define VELMORA_TORVANE_RESOURCE_H

// ---- Application, About box and strings ---------------------------------------------------
#define IDD_ABOUTBOX            100
#define IDS_ABOUTBOX            101
#define IDD_TORVANE_DIALOG      102
#define IDS_SOCKETS_INIT_FAILED 103
#define IDR_MAINFRAME           128
#define IDD_EDIT_TIMEZONE       129
#define IDM_ABOUTBOX            0x0010

// ---- Zone list dialog -----------------------------------------------------------------------
#define IDC_ZONE_LIST     1000
#define IDC_NEW_TIMEZONE  1001
#define IDC_EDIT_ZONE     1002
#define IDC_DELETE_ZONE   1003
#define IDC_DAYLIGHT_RULE 1004
#define IDC_STANDARD_RULE 1006
#define IDC_ZONE_TIME     1007
#define IDC_ZONE_DATE     1008
#define IDC_SAVE_ZONES    1042
#define IDC_ZONE_COUNT    1043

// ---- Zone editing dialog --------------------------------------------------------------------
#define IDC_DISPLAY_NAME           1009
#define IDC_STANDARD_NAME          1010
#define IDC_DAYLIGHT_NAME          1011
#define IDC_OFFSET_HOURS           1014
#define IDC_OFFSET_HOURS_SPIN      1015
#define IDC_DAYLIGHT_HOURS         1016
#define IDC_OFFSET_MINUTES         1017
#define IDC_DAYLIGHT_HOURS_SPIN    1018
#define IDC_DAYLIGHT_MINUTES       1019
#define IDC_OFFSET_MINUTES_SPIN    1020
#define IDC_USE_DAYLIGHT           1021
#define IDC_DAYLIGHT_MINUTES_SPIN  1022
#define IDC_START_DAY_LABEL        1023
#define IDC_START_WEEK             1024
#define IDC_START_WEEKDAY          1025
#define IDC_START_OF               1026
#define IDC_START_MONTH            1027
#define IDC_START_AT               1028
#define IDC_START_TIME             1029
#define IDC_END_DAY_LABEL          1030
#define IDC_END_WEEK               1031
#define IDC_END_WEEKDAY            1032
#define IDC_END_OF                 1033
#define IDC_END_MONTH              1034
#define IDC_END_AT                 1035
#define IDC_END_TIME               1036
#define IDC_DAYLIGHT_NAME_LABEL    1037
#define IDC_DAYLIGHT_BIAS_LABEL    1038
#define IDC_DAYLIGHT_HOURS_LABEL   1039
#define IDC_DAYLIGHT_MINUTES_LABEL 1040

// Text statics of the About box and the dialogs that carry no code of their own.
#ifndef IDC_STATIC
#define IDC_STATIC -1
#endif

// Version numbers shown in the About box and written into the version block.
#define TORVANE_VERSION_TEXT "1.53"
#define TORVANE_FILEVERSION  1, 53, 0, 0

#endif // VELMORA_TORVANE_RESOURCE_H
