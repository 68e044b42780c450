// Resource ids of Orvanta.
#pragma once

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_ORVANTA_DIALOG 102
#define IDR_MAINFRAME 128

// System menu items "About", "open the next page now" and "stop"; the low
// four bits stay free for the system. The notification icon's menu sends
// the same two commands.
#define IDM_ABOUTBOX 0x0010
#define IDM_OPEN_NEXT 0x0020
#define IDM_STOP 0x0030
// The notification icon's id among the launcher window's (its uID), and
// the message its events reach the launcher by (its uCallbackMessage).
#define ID_NOTIFY_ICON 1
#define WM_NOTIFY_ICON (WM_APP + 1)

// Launcher window
#define IDC_START 1000
#define IDC_SETTINGS 1001
#define IDC_GROUP 1070

// Texts the program shows
#define IDS_APP_TITLE 200
#define IDS_NO_URL 201
#define IDS_OPEN_NEXT 202
#define IDS_STOP 203
// The notification icon's tooltip: each "%s" takes the group, then the
// numbers (pages open, pages in all, seconds to the next page).
#define IDS_TIP_STEPPING 204
#define IDS_TIP_DIALUP 205
#define IDS_TIP_NETWORK 206
#define IDS_TIP_NAVIGATOR 207

// Bookmark picker
#define IDC_REPLACE 3
#define IDD_BOOKMARK 134
#define IDI_BOOKMARK 135
#define IDI_FOLDER_CLOSED 136
#define IDI_FOLDER_OPEN 137
#define IDC_BOOKMARK_TREE 1065
#define IDC_BOOKMARK_LIST 1067
#define IDS_PICK_NN 400
#define IDS_PICK_IE 401
#define IDS_FAVORITES 402
#define IDS_COLUMN_NAME 403
#define IDS_COLUMN_PICKER_URL 404
#define IDS_PICK_FROM 405
// A Chromium profile's roots, in the order of ChromiumRoot, and the folder
// of the account's bookmarks.
#define IDS_ROOT_BAR 406
#define IDS_ROOT_OTHER 407
#define IDS_ROOT_SYNCED 408
#define IDS_ROOT_ACCOUNT 409

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
#define IDC_WAIT_NETWORK 1094
// The language of the windows: by Windows', Japanese or English
#define IDC_UI_AUTO 1095
#define IDC_UI_JAPANESE 1096
#define IDC_UI_ENGLISH 1097

// Texts of the settings sheet and the Startup shortcut
#define IDS_SETTINGS_CAPTION 210
#define IDS_STARTUP_FAILED 211
#define IDS_SHORTCUT_COMMENT 233
#define IDS_STARTUP_NOT_REMOVED 245

// Settings sheet: URL registration page
#define IDD_SET_URLS 138
#define IDC_URL_LIST 1004
#define IDC_URL_FRAME 1005
#define IDC_URL_EDIT 1009
#define IDC_URL_DELETE 1013
#define IDC_URL_REGISTER 1014
#define IDC_KIND_NN 1015
#define IDC_KIND_IE 1016
#define IDC_KIND_DEF 1017
#define IDC_HTTP_PREFIX 1033
#define IDC_HOME_PAGE 1061
#define IDC_BLANK_PAGE 1062
#define IDC_IMPORT_IE 1064
#define IDC_IMPORT_NN 1065
#define IDC_URL_CLEAR 1066
#define IDC_URL_RESTORE 1067
#define IDC_GROUP_LIST 1068
#define IDC_GROUP_SAVE 1069
#define IDC_GROUP_DELETE 1070
#define IDC_GROUP_NEW 1071
#define IDC_GROUP_RENAME 1072
// Another browser's bookmarks: its menu of profiles and "ファイルから…"
#define IDC_IMPORT_OTHER 1073
#define IDS_FROM_FILE 230
#define IDS_BOOKMARK_FILTER 231
#define IDS_SETTINGS_UNWRITTEN 232

// Group name dialog
#define IDD_GROUP_NAME 139
#define IDC_GROUP_NAME 1072

// Texts of the URL registration page and the group name dialog
#define IDS_ENTER_URL 212
#define IDS_DELETE_GROUP 213
#define IDS_NEW_ROW_KIND 214
#define IDS_NEW_ROW_URL 215
#define IDS_COLUMN_BROWSER 216
#define IDS_COLUMN_PAGE_URL 217
#define IDS_REGISTER 218
#define IDS_UPDATE 219
#define IDS_URL_TOO_LONG 220
#define IDS_NAME_TOO_LONG 221

// URL registration page: the entry's browser among the program's list
#define IDC_ENTRY_BROWSER 1080
#define IDS_NO_LISTED_BROWSER 222

// Settings sheet: the browsers page
#define IDD_BROWSERS 140
#define IDC_BROWSER_LIST 1081
#define IDC_BROWSER_ADD 1082
#define IDC_BROWSER_EDIT 1083
#define IDC_BROWSER_REMOVE 1084
#define IDC_INSTALLED 1085
#define IDC_INSTALLED_PRIVATE 1086
#define IDC_INSTALLED_ADD 1087
#define IDS_COLUMN_BROWSER_NAME 223
#define IDS_COLUMN_PROGRAM 224
#define IDS_COLUMN_ARGS 225
#define IDS_PRIVATE_SUFFIX 226
#define IDS_BROWSER_LIST_FULL 227

// Browser dialog: a browser added or edited by hand
#define IDD_BROWSER 141
#define IDC_BROWSER_NAME 1090
#define IDC_BROWSER_PROGRAM 1091
#define IDC_BROWSER_BROWSE 1092
#define IDC_BROWSER_ARGS 1093
#define IDC_BROWSER_FORM 1098
#define IDC_BROWSER_MONITOR 1099
// IDS_FORM_TAB + a WindowForm: that form's name.
#define IDS_FORM_TAB 234
#define IDS_FORM_WINDOW 235
#define IDS_FORM_APP 236
#define IDS_FORM_FULLSCREEN 237
#define IDS_FORM_KIOSK 238
#define IDS_COLUMN_FORM 239
#define IDS_FORM_ON_MONITOR 240
#define IDS_MONITOR_ANY 241
#define IDS_MONITOR 242
#define IDS_MONITOR_MAIN 243
#define IDS_MONITOR_ABSENT 244
#define IDS_PROGRAM_FILTER 228
#define IDS_BROWSER_INCOMPLETE 229
