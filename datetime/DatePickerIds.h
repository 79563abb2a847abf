// Resource ids of the date and time editing pages, sheets and pickers. The library carries
// the code only: a program that opens them supplies templates and strings under these ids.
#ifndef VELMORA_DATETIME_DATEPICKERIDS_H
#define VELMORA_DATETIME_DATEPICKERIDS_H

#define IDD_TIMEOFDAY_PAGE   601
#define IDD_TIMESPAN_PAGE    602
#define IDD_DATE_DOM_PAGE    603
#define IDD_DATE_DOY_PAGE    604
#define IDD_DATE_WOM_PAGE    605
#define IDD_DATE_WOY_PAGE    606
#define IDD_TIMEFRAME_PAGE   607
#define IDD_DATE_JULIAN_PAGE 608
#define IDD_DATE_INFO        609

#define IDC_DATE_NONE        1005
#define IDC_SECONDS_SPIN     1008
#define IDC_MINUTES_SPIN     1010
#define IDC_HOURS_SPIN       1011
#define IDC_DATE_WEEKDAY     1017
#define IDC_DATE_MONTH       1018 // the week combo on the week-of-month page, the frame combo on the frame page
#define IDC_DATE_YEAR        1019
#define IDC_DATE_WEEK        1047 // the month combo on the week-of-month page
#define IDC_DATE_NUMBER      1051 // day, day of year, Julian day number or days of a span
#define IDC_HOURS            1053
#define IDC_MINUTES          1054
#define IDC_SECONDS          1055
#define IDC_DAYS_SPIN        1059
#define IDC_DATE_NUMBER_SPIN 1060
#define IDC_DATE_FORM        1061
#define IDC_DATE_FORM_LABEL  1063
#define IDC_INFO_MAIL        1065
#define IDC_INFO_WEB         1066

#define IDS_WEEK_FIRST         16085 // .. 16089 the last week
#define IDS_DATE_CAPTION       16090
#define IDS_TIMEOFDAY_CAPTION  16091
#define IDS_TIMESPAN_CAPTION   16092
#define IDS_FORM_DAY_OF_YEAR   16094
#define IDS_FORM_DAY_OF_MONTH  16095
#define IDS_FORM_WEEK_OF_MONTH 16096
#define IDS_FORM_WEEK_OF_YEAR  16097
#define IDS_FORM_JULIAN_DAY    16098

// The command a date page posts to its sheet to switch to form n: 103 + n.
#define ID_DATE_FORM_FIRST 103
#define ID_DATE_FORM_LAST  107

// The message on which a picker opens its sheet.
#define WM_DATEPICKER_OPEN (WM_USER + 1000)

#endif // VELMORA_DATETIME_DATEPICKERIDS_H
