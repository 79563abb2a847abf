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

// Time synchronisation: the status window, the server page and its server dialog.
#define IDD_SYNC_OPTIONS        143
#define IDD_SERVER              181
#define IDD_SYNC_STATUS         182
#define IDC_SYNC_SERVER_COMBO   1038
#define IDC_SYNC_ON_STARTUP     1039
#define IDC_SYNC_PERIODIC       1040
#define IDC_SYNC_INTERVAL_SPIN  1044
#define IDC_SYNC_INTERVAL       1046
#define IDC_SYNC_NOW            1048
#define IDC_SYNC_TIMEOUT_SPIN   1095
#define IDC_SYNC_ANNOUNCE       1200
#define IDC_SYNC_SAY_TIME       1201
#define IDC_SYNC_MESSAGE        1203
#define IDC_SYNC_SERVER_LIST    1212
#define IDC_SYNC_ADD_SERVER     1213
#define IDC_SYNC_DELETE_SERVER  1214
#define IDC_SYNC_MODIFY_SERVER  1215
#define IDC_SERVER_DESCRIPTION  1217
#define IDC_SERVER_NAME         1218
#define IDC_STATUS_SERVER       1219
#define IDC_STATUS_CLOSE        1220
#define IDC_STATUS_LOCATION     1221
#define IDC_STATUS_LAST_SYNC    1222
#define IDC_STATUS_DIFFERENCE   1223
#define IDC_SYNC_LAN            1226
#define IDC_SYNC_MODEM          1227
#define IDC_STATUS_TEXT         1228
#define IDC_SYNC_ERR_NOTHING    1229
#define IDC_SYNC_ERR_ICON       1230
#define IDC_SYNC_ERR_WINDOW     1231
#define IDC_SYNC_TIMEOUT        1232
#define IDC_SYNC_NO_BIG         1240
#define IDC_SYNC_MAX_DIFFERENCE 1241
#define IDC_SYNC_EVERY_LABEL    2300
#define IDC_SYNC_MINUTES_LABEL  2301
#define IDC_SYNC_MESSAGE_LABEL  2302
// Speech: the Agent host window and the two option pages of speech.
#define IDD_AGENT_OPTIONS       176
#define IDD_SPEAKING_OPTIONS    177
#define IDD_AGENT_HOST          178
#define IDC_ENABLE_AGENT        1152
#define IDC_AGENT_LIST          1153
#define IDC_AGENT_PREVIEW       1154
#define IDC_AGENT_TEXT          1155
#define IDC_AGENT_PITCH         1156
#define IDC_AGENT_SPEAK         1158
#define IDC_AGENT_SPEED         1159
#define IDC_AGENT_VOLUME        1160
#define IDC_SPEAK_TIME          1170
#define IDC_FREQ_HOUR           1171
#define IDC_FREQ_30MIN          1172
#define IDC_FREQ_15MIN          1173
#define IDC_FREQ_10MIN          1174
#define IDC_FREQ_5MIN           1175
#define IDC_FREQ_1MIN           1176
#define IDC_QUIET_START         1178
#define IDC_QUIET_END           1179
#define IDC_QUIET_NORMAL        1180
#define IDC_QUIET_WHISPER       1181
#define IDC_QUIET_SILENT        1182
#define IDC_SPEAK_DATE          1183
#define IDC_PRE_DATE            1184
#define IDC_PRE_TIME            1185
#define IDC_PRE_ALARM           1186
#define IDC_STARTUP_MSG         1187
#define IDC_POST_TIME           1188
#define IDC_SAY_AMPM            1189
#define IDC_HIDE_POST_SPEECH    1191
#define IDC_ENABLE_EFFECTS      1192
#define IDC_BALLOON_TEXT        1193
#define IDC_STARTUP_TIME        1194
#define IDC_AGENT_MISSING       1195
#define IDC_AGENT_CONTROL       1196
#define IDC_AGENT_FILE_LABEL    2400
#define IDC_AGENT_PITCH_LABEL   2401
#define IDC_AGENT_SPEED_LABEL   2402
#define IDC_AGENT_VOLUME_LABEL  2403
#define IDC_AGENT_TEXT_LABEL    2404

#endif // VELMORA_VELMORA_RESOURCE_H
