// Resource ids of Orvanta.
#pragma once

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_ORVANTA_DIALOG 102
#define IDR_MAINFRAME 128

// System menu item "About"; the low four bits stay free for the system.
#define IDM_ABOUTBOX 0x0010

// Launcher window
#define IDC_START 1000
#define IDC_SETTINGS 1001
#define IDC_GROUP 1070

// Texts the program shows
#define IDS_APP_TITLE 200
#define IDS_NO_URL 201

// Bookmark picker
#define IDC_REPLACE 3
#define IDD_BOOKMARK 134
#define IDB_BOOKMARK 135
#define IDB_FOLDER_CLOSED 136
#define IDB_FOLDER_OPEN 137
#define IDC_BOOKMARK_TREE 1065
#define IDC_BOOKMARK_LIST 1067
#define IDS_PICK_NN 400
#define IDS_PICK_IE 401
#define IDS_FAVORITES 402
#define IDS_COLUMN_NAME 403
#define IDS_COLUMN_URL 404

// Settings sheet: start-up options page
#define IDD_SETTINGS 129
#define IDC_BROWSER_FOLLOW 1003
#define IDC_BROWSER_NN 1006
#define IDC_BROWSER_IE 1007
#define IDC_BROWSER_DEFAULT 1008
#define IDC_DELAY 1018
#define IDC_DELAY_SPIN 1019
#define IDC_NOTSURF 1056
#define IDC_WAIT_DIALUP 1057
#define IDC_REUSE_BROWSER 1058
#define IDC_STARTUP_ADD 1059
#define IDC_STARTUP_REMOVE 1060
#define IDC_WINDOWNUM 1063

// Texts of the settings sheet and the Startup shortcut
#define IDS_SETTINGS_CAPTION 210
#define IDS_STARTUP_FAILED 211
