// Resource identifiers of Orvo.rc. The numbers are fixed: other programs of
// the suite and support documents refer to them.
#pragma once

#define IDR_MAINFRAME 1033 // application icon

#define IDS_APP_TITLE 57344 // "Pellmore Orvo"

// Launcher window
#define IDD_ORVO_DIALOG 102
#define IDC_STATUS_TEXT 1000
#define IDC_PROGRESS 1002

// Installation path dialog
#define IDD_INSTALL_PATH 1094
#define IDC_INSTALL_PATH_EDIT 1019
#define IDC_INSTALL_PATH_BROWSE 1003
#define IDC_INSTALL_PATH_ICON 1022

// In-use resources dialog ("Pellmore Updater")
#define IDD_RESOURCE_IN_USE 1096
#define IDC_IN_USE_PROMPT 1022
#define IDC_IN_USE_LIST 1001
#define IDC_FORCE_CLOSE 1024
