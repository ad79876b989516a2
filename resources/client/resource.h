// Resource identifiers of the client, shared by Vaultline.rc and the code.
#pragma once

// Program icon, and the document type string.
#define IDR_MAINFRAME 128

// Dialog templates.
#define IDD_ABOUTBOX 100

// String table: the client's own texts use 100 to 184.
#define IDP_OLE_INIT_FAILED 100

// Commands. ID_APP_ABOUT is the framework's standard About command; ID_TRAY_ABOUT is the same
// command as the Korean tray menu sends it.
#define ID_APP_ABOUT 57664
#define ID_TRAY_ABOUT 32777

// Controls of the About dialog.
#define IDC_ABOUT_ICON 1000
#define IDC_ABOUT_TEXT 1001
