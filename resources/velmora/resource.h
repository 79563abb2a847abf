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

// Countdown and event timers, calendar and diary.
#define IDD_CALENDAR              149
#define IDD_DIARY_OPTIONS         154
#define IDD_EVENT_TIMER           172
#define IDD_TIMER_FORMAT          173
#define IDC_FORMAT_TEXT_COLOUR    150
#define IDC_FORMAT_FONT           152
#define IDC_FORMAT_BACKGROUND     1004
#define IDC_TIMER_PLAY_SOUND      1024
#define IDC_TIMER_SOUND_FILE      1025
#define IDC_TIMER_BROWSE          1026
#define IDC_TIMER_TEST_SOUND      1028
#define IDC_TIMER_STOP_SOUND      1029
#define IDC_TIMER_KIND            1132
#define IDC_TIMER_KIND_EVENT      1133
#define IDC_TIMER_COUNTDOWN       1134
#define IDC_TIMER_EVENT_TIME      1135
#define IDC_TIMER_EVENT_LABEL     1136
#define IDC_TIMER_COUNTDOWN_LABEL 1137
#define IDC_TIMER_SHOW_MESSAGE    1138
#define IDC_TIMER_MESSAGE         1139
#define IDC_TIMER_EVENT_DATE      1140
#define IDC_TIMER_NAME            1141
#define IDC_TIMER_SPEAK           1190
#define IDC_TIMER_STARTUP         1233
#define IDC_TIMER_STARTUP_PAUSE   1234
#define IDC_TIMER_STARTUP_UPDATE  1235
#define IDC_TIMER_STARTUP_GROUP   1236
#define IDC_CAL_HIDE_TEXT         153
#define IDC_CAL_MARKER            1008
#define IDC_CAL_NOTE              1058
#define IDC_CAL_REMINDER          1059
#define IDC_CAL_MONTH             1061
#define IDC_CAL_EXPAND            1089
#define IDC_CAL_HEADING           1090
#define IDC_CAL_REMINDER_DATE     1092
#define IDC_CAL_REMINDER_TIME     1098
#define IDC_CAL_REMINDER_LABEL    1099
#define IDC_DIARYOPT_PLAY_SOUND   1024
#define IDC_DIARYOPT_BROWSE       1026
#define IDC_DIARYOPT_TEST_SOUND   1028
#define IDC_DIARYOPT_STOP_SOUND   1029
#define IDC_DIARYOPT_SOUND_FILE   1067
#define IDC_DIARYOPT_DELETE       1091

#endif // VELMORA_VELMORA_RESOURCE_H
