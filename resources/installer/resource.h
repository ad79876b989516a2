// Resource identifiers of the installer, shared by VLInstall.rc, the generated payload script
// and the code. Plain macros only, so that the resource scripts and the code include it alike.
// The skin's bitmaps (129-145) are named in resources/skin/InstallerSkinIds.h.
#pragma once

#define IDR_MAINFRAME 128

// The one dialog and its controls.
#define IDD_VLINSTALL 102
#define IDC_INSTALL_CLOSE 1000
#define IDC_INSTALL_BROWSE 1001
#define IDC_INSTALL_DESKTOP_ICON 1002
#define IDC_INSTALL_NEXT 1003
#define IDC_INSTALL_CANCEL 1004
#define IDC_INSTALL_FOLDER 1005
#define IDC_INSTALL_PC 1006
#define IDC_INSTALL_REMOVABLE 1007
#define IDC_INSTALL_VOLUMES 1008

// String table. TIP_ texts are the buttons' tooltips (and captions), COLUMN_ the volume list's
// headers, the rest messages and names.
#define IDS_TIP_CLOSE 102
#define IDS_TIP_PC 103
#define IDS_TIP_REMOVABLE 104
#define IDS_TIP_BROWSE 105
#define IDS_TIP_NEXT 106
#define IDS_TIP_CANCEL 107
#define IDS_COLUMN_DISK 108
#define IDS_ASK_CANCEL 109
#define IDS_COLUMN_VOLUME 110
#define IDS_CHOOSE_FOLDER 111
#define IDS_CHOOSE_VOLUME 112
#define IDS_BROWSE_TITLE 114
#define IDS_SHORTCUT_FAILED 115
#define IDS_ASK_LAUNCH 116
#define IDS_UNINSTALL_NAME 117
#define IDS_VAULTLINE_RUNNING 118
// %1 is the file; the system's reason follows on a line of its own.
#define IDS_WRITE_FAILED 119

// The programs carried inside (resource type "IDR_EXE", given by name, language 1042). The
// build writes them into the generated script Payloads.rc.
#define IDR_PAYLOAD_CLIENT 146
#define IDR_PAYLOAD_UPDATER 147
#define IDR_PAYLOAD_REMOVER 148
