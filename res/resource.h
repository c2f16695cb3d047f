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

// Compatibility checker
#define IDD_COMPAT_CHECKER 131
#define IDC_CHECKER_STATUS 1000
#define IDC_CHECKER_LIST 1001
#define IDC_CHECKER_HEADING 1002
#define IDI_COMPONENT_MISSING 1080   // red cross
#define IDI_COMPONENT_INSTALLED 1082 // green tick

// Install prompt
#define IDD_INSTALL_PROMPT 132
#define IDC_PROMPT_MESSAGE 1000
#define IDC_PROMPT_SKIP 1003
#define IDC_PROMPT_DETAILS 1011

// Error report
#define IDD_ERRORS 1084
#define IDC_ERRORS_REPORT 1012

// In-use resources dialog ("Pellmore Updater")
#define IDD_RESOURCE_IN_USE 1096
#define IDC_IN_USE_PROMPT 1022
#define IDC_IN_USE_LIST 1001
#define IDC_FORCE_CLOSE 1024

// Diagnostics dialog
#define IDD_DIAGNOSTICS 129
#define IDC_DIAG_COMPONENTS 1001
#define IDC_DIAG_PARAMETERS 1002
#define IDC_DIAG_INSTALL 1003
#define IDC_DIAG_SYSTEM_INFO 1005
#define IDC_DIAG_CURRENT_FOLDER 1006
#define IDC_DIAG_DEBUG_LOG 1009
#define IDC_DIAG_REFRESH 1013
#define IDC_DIAG_SAFE_MODE 1014
#define IDC_DIAG_DEBUG_MODE 1015
#define IDC_DIAG_CLEAR_LOG 1016
#define IDC_DIAG_VERBOSE 1017
#define IDC_DIAG_SILENT 1018
#define IDC_DIAG_REINSTALL 1019
#define IDC_DIAG_LAUNCH 6 // IDYES

// ---------------------------------------------------------------- task dialog
#define IDI_COMMAND_LINK_ARROW 1166 // green arrow of the command links
// ---------------------------------------------------------------- end of task dialog

// ---------------------------------------------------------------- virtual printers
// "Choose Default Pellmore Virtual Printer" (printers/select_vprinter.h)
#define IDD_SELECT_VPRINTER 1093
#define IDC_VPRINTER_COMBO 1015
#define IDC_VPRINTER_RESET 4
// ---------------------------------------------------------------- end of virtual printers
