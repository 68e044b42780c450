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
