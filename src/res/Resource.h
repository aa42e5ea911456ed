#pragma once
// Numeric ids of the program's resources and of the controls of its dialogs.

// Dialog templates.
#define IDD_CADDORA_DIALOG 102
#define IDD_SETUP 140
#define IDD_EDIT_CLUB 141

// Icon group (and the main dialog's accelerator table), bitmaps.
#define IDR_MAINFRAME 128
#define IDB_SETUP 131
#define IDB_MINUS10 132
#define IDB_MINUS20 133
#define IDB_PLUS10 134
#define IDB_PLUS20 135
#define IDB_CLOSE 136
#define IDB_RECOMMEND 137
#define IDB_BANNER 139
// The steps lettered in metres.
#define IDB_MINUS10_METRES 152
#define IDB_MINUS20_METRES 153
#define IDB_PLUS10_METRES 154
#define IDB_PLUS20_METRES 155
// Setup, Close and Recommend Club lettered in German, French and Spanish.
#define IDB_SETUP_DE 160
#define IDB_CLOSE_DE 161
#define IDB_RECOMMEND_DE 162
#define IDB_SETUP_FR 163
#define IDB_CLOSE_FR 164
#define IDB_RECOMMEND_FR 165
#define IDB_SETUP_ES 166
#define IDB_CLOSE_ES 167
#define IDB_RECOMMEND_ES 168

// Main dialog (102).
#define IDC_DISTANCE 1000
#define IDC_RECOMMENDATION 1002
#define IDC_RECOMMEND 1003
#define IDC_CLOSE 1004
#define IDC_MINUS10 1005
#define IDC_MINUS20 1006
#define IDC_PLUS10 1007
#define IDC_PLUS20 1008
#define IDC_SPIN_DISTANCE 1009
#define IDC_SETUP 1010

// Setup dialog (140).
#define IDC_CLUB_LIST 1011
#define IDC_DISTANCE_CHART 1012
#define IDC_PLAYER_TYPE 1013
#define IDC_ADULT_MALE 1014
#define IDC_ADULT_FEMALE 1015
#define IDC_EDIT 1016

// Edit Club dialog (141).
#define IDC_BEST_DISTANCE 1000
#define IDC_DESCRIPTION 1002

// The additions beyond the handheld's dialogs.
#define IDD_ABOUTBOX 100
#define IDD_CLUB_GAPS 142
#define IDD_CONDITIONS 143

// The main dialog's menu (IDR_MAINFRAME): its context menu, whose commands Windows also
// appends to the window's system menu, so that each is a multiple of 16 below 0xF000.
#define ID_CLUB_GAPS 0x8010
#define ID_YARDAGE_CARD 0x8020
#define ID_CONDITIONS 0x8030
// The Units submenu (its id names it for its texts) and its two choices.
#define ID_UNITS 0x8040
#define ID_UNITS_YARDS 0x8050
#define ID_UNITS_METRES 0x8060
#define ID_APP_ABOUT 0xE140

// The main dialog's line under the recommendation, shown only while conditions are in use.
#define IDC_PLAYS_LIKE 1017

// Setup's keys beyond its template: Club Gaps from there too.
#define IDR_SETUP_KEYS 140

// Club Gaps (142).
#define IDC_GAPS_CHART 1020
#define IDC_GAPS_SUMMARY 1021

// Conditions (143).
#define IDC_USE_CONDITIONS 1040
#define IDC_WIND 1041
#define IDC_WIND_SPIN 1042
#define IDC_WIND_INTO 1043
#define IDC_WIND_DOWN 1044
#define IDC_TEMPERATURE 1045
#define IDC_TEMPERATURE_SPIN 1046
#define IDC_SLOPE 1047
#define IDC_SLOPE_SPIN 1048
#define IDC_ALTITUDE 1049
#define IDC_ALTITUDE_SPIN 1050

// About (100).
#define IDC_ABOUT_VERSION 1030

// Texts.
#define IDS_UNIT_YARDS 2001
#define IDS_UNIT_METRES 2002
#define IDS_GAPS_NONE 2010
#define IDS_GAPS_ONE 2011
#define IDS_GAPS_MANY 2012
#define IDS_GAP_ITEM 2013
#define IDS_OVERLAPS_NONE 2014
#define IDS_OVERLAPS_ONE 2015
#define IDS_OVERLAPS_MANY 2016
#define IDS_OVERLAP_SAME 2017
#define IDS_OVERLAP_APART 2018
#define IDS_NOT_IN_BAG 2019
#define IDS_AND_MORE 2020
#define IDS_GAP_MARK 2021
#define IDS_OVERLAP_MARK 2022
#define IDS_NO_CLUBS_IN_BAG 2023
#define IDS_CLUB_AT 2024
#define IDS_ABOUT_VERSION 2030
#define IDS_PLAYS_LIKE 2080
#define IDS_SETUP_CLUB_COLUMN 2090
#define IDS_SETUP_DISTANCE_COLUMN 2091

// The yardage card.
#define IDS_CARD_TITLE 2040
#define IDS_CARD_PLAYER_TYPE 2041
#define IDS_CARD_DATE 2042
#define IDS_ADULT_MALE 2043
#define IDS_ADULT_FEMALE 2044
#define IDS_CARD_CLUB 2045
#define IDS_CARD_GAPS 2046
#define IDS_CARD_CUT 2047
#define IDS_CARD_NOT_PRINTED 2048

// The command line.
#define IDS_CLI_USAGE 2060
#define IDS_CLI_VERSION 2061
#define IDS_CLI_UNKNOWN 2062
#define IDS_CLI_MISSING_VALUE 2063
#define IDS_CLI_ONE_COMMAND 2064
#define IDS_CLI_NO_PDF_WRITER 2065
#define IDS_CLI_CARD_NOT_WRITTEN 2066
#define IDS_CLI_PLAYS_LIKE 2067

// What start-up and the end of a run tell of the club table and the settings.
#define IDS_TABLE_DAMAGED_NONE 2100
#define IDS_TABLE_DAMAGED_ONE 2101
#define IDS_TABLE_DAMAGED_MANY 2102
#define IDS_TABLE_DAMAGED_NO_COPY 2103
#define IDS_TABLE_DAMAGED_COPY 2104
#define IDS_TABLE_UNREADABLE 2105
#define IDS_UNREADABLE_ACCESS 2106
#define IDS_UNREADABLE_NOT_A_FILE 2107
#define IDS_UNREADABLE_ERROR 2108
#define IDS_TABLE_NO_MEMORY 2109
#define IDS_OTHER_USER_BOTH 2110
#define IDS_OTHER_USER_TABLE 2111
#define IDS_OTHER_USER_SETTINGS 2112
#define IDS_TABLE_NOT_SAVED 2113
#define IDS_SETTINGS_NOT_SAVED 2114
