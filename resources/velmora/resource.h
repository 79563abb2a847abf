// Resource ids of the desktop clock program.
#ifndef VELMORA_VELMORA_RESOURCE_H
#define VELMORA_VELMORA_RESOURCE_H

// ---- Application and clock window ----------------------------------------------------------
#define IDD_VELMORA_DIALOG      5
#define IDC_CLOCK_AREA          1000
#define IDR_MAINFRAME           128
#define IDR_CLOCK_POPUP         133
#define IDR_TRAY_POPUP          142
#define IDI_TRAY_NORMAL1        140
#define IDI_TRAY_NORMAL2        141
#define IDI_TRAY_ERROR1         163
#define IDI_TRAY_ERROR2         164
#define IDS_SOCKETS_INIT_FAILED 103
#define IDM_ABOUTBOX            0x0010

// Context menu (resource 133) commands that only that menu carries.
#define ID_CTX_OPTIONS     2
#define ID_CTX_ABOUT       101
#define ID_CTX_ALARMS_LIST 134
#define ID_CTX_CALENDAR    149
#define ID_CTX_CONFIGURE   156

// Commands of both menus.
#define ID_OPTIONS          32772
#define ID_ALARMS_LIST      32773
#define ID_EXIT             32774
#define ID_SHOW_CLOCK       32775
#define ID_HIDE_CLOCK       32776
#define ID_SYNCHRONIZE      32777
#define ID_CALENDAR         32778
#define ID_ADD_CLOCK        32783
#define ID_DELETE_CLOCK     32785
#define ID_SILENCE_ALARM    32805
#define ID_REMIND_1MIN      32806
#define ID_REMIND_3MIN      32807
#define ID_REMIND_5MIN      32808
#define ID_REMIND_15MIN     32809
#define ID_REMIND_30MIN     32810
#define ID_REMIND_1HOUR     32811
#define ID_REMIND_4HOURS    32812
#define ID_REMIND_12HOURS   32813
#define ID_REMIND_24HOURS   32814
#define ID_REMIND_CUSTOM    32815
#define ID_ADD_TIMER        32816
#define ID_STOP_COUNTDOWN   32817
#define ID_START_COUNTDOWN  32818
#define ID_PAUSE_COUNTDOWN  32819
#define ID_AMEND_TIMER      32820
#define ID_RESUME_COUNTDOWN 32821
#define ID_SAY_TIME         32863
#define ID_MUTE_AGENT       32864
#define ID_SHOW_AGENT       32865
#define ID_HIDE_AGENT       32866
#define ID_REMIND_2DAYS     32867
#define ID_REMIND_1WEEK     32868
#define ID_SYNC_STATUS      32870
#define ID_REMIND_3HOURS    32871
#define ID_REMIND_5HOURS    32872
#define ID_REMIND_10MIN     32873
#define ID_REMIND_20MIN     32874
#define ID_REMIND_45MIN     32875
#define ID_CHECK_VERSION    32876
#define ID_AUTO_HIDE        32878
#define ID_ABOUT_VELMORA    57664
#define ID_HELP_CONTENTS    57667

// ---- Clock engines, zone page and other feature blocks below ---------------------------------

// "Set Timezone" page of the clock configuration dialog.
#define IDD_CONFIGURE_CLOCK 148
#define IDC_TZ_LIST         161
#define IDC_TZ_TIME         171
#define IDC_TZ_DATE         174
#define IDC_TZ_NAME         1049
#define IDC_TZ_DAYLIGHT     1052

// Alarm notification and its Remind Later menu.
#define IDD_ALARM_NOTIFY  139
#define IDR_REMIND_LATER  157
#define IDC_ALARM_MESSAGE 1031
#define IDC_REMIND_LATER  1078
#define IDC_SILENCE_ALARM 1121
#define ID_LATER_1MIN     32786
#define ID_LATER_2MIN     32787
#define ID_LATER_3MIN     32788
#define ID_LATER_5MIN     32789
#define ID_LATER_10MIN    32790
#define ID_LATER_15MIN    32791
#define ID_LATER_30MIN    32792
#define ID_LATER_45MIN    32793
#define ID_LATER_1HOUR    32794
#define ID_LATER_2HOURS   32795
#define ID_LATER_4HOURS   32796
#define ID_LATER_8HOURS   32797
#define ID_LATER_12HOURS  32798
#define ID_LATER_1DAY     32799
#define ID_LATER_2DAYS    32801
#define ID_LATER_1WEEK    32802
#define ID_LATER_0MIN     32803

// Clock configuration dialog, its format page, element menu and preview; the options sheet's
// "Clock" page.
#define IDD_CLOCK_CONFIG       156
#define IDD_CLOCK_FORMAT       9
#define IDD_CLOCK_POPUP        180
#define IDD_OPTIONS_CLOCK      131
#define IDR_FORMAT_ELEMENTS    175
#define IDC_CFG_PLACEHOLDER    1070
#define IDC_FMT_BACKCOLOR      1004
#define IDC_FMT_TEXTCOLOR      150
#define IDC_FMT_FONT           152
#define IDC_FMT_24HOUR         1071
#define IDC_FMT_SECONDS        1072
#define IDC_FMT_DAYOFWEEK      1073
#define IDC_FMT_DATE           1074
#define IDC_FMT_STANDARD       1142
#define IDC_FMT_CUSTOM         1143
#define IDC_FMT_TEMPLATE       1144
#define IDC_FMT_ALIGN          1145
#define IDC_FMT_TEMPLATE_LABEL 1146
#define IDC_FMT_ALIGN_LABEL    1147
#define IDC_FMT_ELEMENTS       1148
#define IDC_FMT_SHOWBIAS       1149
#define IDC_FMT_FULLNAME       1150
#define IDC_FMT_RESET_FORMAT   1206
#define IDC_FMT_RESET_ZONE     1207
#define IDC_FMT_RESET_BOTH     1208
#define IDC_FMT_RESET_SELECTED 1209
#define IDC_FMT_RESET_ALL      1210
#define IDC_OPT_ONTOP          1001
#define IDC_OPT_STARTUP        1002
#define IDC_OPT_LAYOUT         1068
#define IDC_OPT_BACKCOLOR      1077
#define IDC_OPT_RUNOVERDUE     1084
#define IDC_OPT_VERSINT_SPIN   1095
#define IDC_OPT_ANIMATE        1117
#define IDC_OPT_NEWCLOCKPOS    1118
#define IDC_OPT_USELIMIT       1197
#define IDC_OPT_LIMIT          1198
#define IDC_OPT_ALARMTIME      1204
#define IDC_OPT_CONFIG_DEFAULT 1205
#define IDC_OPT_ENABLEALARMS   1239
#define IDC_OPT_VERSINT        1243
#define IDC_OPT_VERSBETA       1244
#define ID_FMT_ELEM_FIRST      32824
#define ID_FMT_ELEM_LAST       32862

#endif // VELMORA_VELMORA_RESOURCE_H
