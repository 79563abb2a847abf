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

// Online version check, hyperlink control, side banner and About box.
#define IDR_HLINK_POPUP         6
#define IDD_HLINK_PAGE          7
#define IDS_VERSION_REQUESTING  85
#define IDD_VERSION_CHECK       86
#define IDD_ABOUTBOX            100
#define IDS_HLINK_PROPERTIES    105
#define IDC_HLINK_URL           155
#define IDC_HLINK_TEXT          1005
#define IDC_ABOUT_SUPPORT       1042
#define IDC_ABOUT_WEB           1119
#define IDC_ABOUT_MAIL          1120
#define IDC_VERSION_LINK        1242
#define IDC_ABOUT_TEXT          2500
#define IDC_VERSION_ICON        2501
#define IDC_HLINK_ICON          2502
#define IDC_VERSION_ANIMATE     4162
#define IDC_VERSION_TEXT        4163
#define IDR_VERSION_AVI         4206
#define IDC_SIDE_BANNER         0xFFF0
#define ID_HLINK_COPY           32771
#define ID_HLINK_PROPERTIES     32781
#define ID_HLINK_FAVORITES      32782
#define ID_HLINK_DESKTOP        32784
#define ID_HLINK_OPEN           32800
#define IDS_VERSION_NO_NEWER    61767
#define IDS_VERSION_NEW_RELEASE 61768
#define IDS_VERSION_NEW_BETA    61769

#endif // VELMORA_VELMORA_RESOURCE_H
