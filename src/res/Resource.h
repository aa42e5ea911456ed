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
