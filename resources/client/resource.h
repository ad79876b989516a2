// Resource identifiers of the client, shared by Vaultline.rc and the code. Plain macros only,
// no includes and no C++, so that resource scripts and the portable code (which never sees
// <windows.h>) include it alike. The skin's bitmaps are named in resources/skin/ClientSkinIds.h,
// which resources/skin/make-bitmaps writes.
#pragma once

// Program icon, and the document type string.
#define IDR_MAINFRAME 128

// The notification-area menu; the tray icon uses the same number as its uID.
#define IDR_TRAYMENU 132

// Icons. Their numbers may equal string ids: resources of different types never clash.
#define IDI_BACKUP_RUNNING 178  // tray icon while a backup runs (IDR_MAINFRAME otherwise)
#define IDI_DELETE_MARK 169     // delete mark of an item list entry, drawn 9x9
#define IDI_ITEM_FILE 187       // item list entry that is a single file
#define IDI_ITEM_FOLDER 188     // item list entry that is a folder or a drive

// Dialog templates.
#define IDD_ABOUTBOX 100
#define IDD_BACKUP 155        // the backup dialog (DlgBackup.rc2)
#define IDD_SYNC_REPORT 173   // the report dialog (DlgSyncReport.rc2)
#define IDD_RESTORE 196       // the restore dialog (DlgRestore.rc2)
#define IDD_OPTION_SYNC 174   // the settings dialog (DlgOptionSync.rc2)
#define IDD_NAS 175           // the NAS dialog (DlgNAS.rc2)

// String table: the client's own texts use 100 to 199, the framework-style texts 57344 up.
// Ids in that range that no text uses are left undefined on purpose, so that a lookup of one
// fails instead of showing a made-up message. Each name carries the kind of its text: TIP_ a
// tooltip, ASK_ a yes/no question, MSG_ a message box, ERROR_ an error record, STATUS_ the
// status line, TITLE_ a title, COLUMN_ and REPORT_ the report dialog.
#define IDP_OLE_INIT_FAILED 100
#define IDS_ASK_EXIT 102
#define IDS_TIP_CLOSE 103
#define IDS_TIP_OK 106
#define IDS_TIP_CANCEL 122
// 128 is the document string, IDR_MAINFRAME.
#define IDS_TIP_SOURCE_LINE 132
#define IDS_TIP_MINIMIZE 133
#define IDS_TIP_ADD 134
#define IDS_TIP_BACKUP_LOCATION 135
#define IDS_TIP_BACKUP 136
#define IDS_TIP_STOP 137
#define IDS_MSG_ALREADY_REGISTERED 139
#define IDS_ASK_DELETE_ITEM 140
#define IDS_TITLE_BROWSE_TARGET 141
#define IDS_MSG_SELECT_ITEM 142
#define IDS_STATUS_ANALYZING 143
#define IDS_MSG_NOTHING_TO_BACK_UP 145
#define IDS_MSG_JOB_CANCELLED 146
#define IDS_COLUMN_FILE_NAME 148
#define IDS_COLUMN_ERROR 149
#define IDS_REPORT_SUCCESS 150
#define IDS_REPORT_ERROR 151
#define IDS_TIP_RESET_DESTINATION 152
#define IDS_ERROR_DELETE_FOLDER 153
#define IDS_ERROR_DELETE_FILE 154
#define IDS_ERROR_COPY 155
#define IDS_ERROR_CREATE_FOLDER 156
#define IDS_STATUS_PROGRESS 159
#define IDS_ASK_CANCEL_JOB 160
#define IDS_MSG_JOB_IN_PROGRESS 161
#define IDS_MSG_PERIOD_RANGE 162
#define IDS_MSG_IDLE_TIME_RANGE 163
#define IDS_ASK_DEFAULT_TARGET 167
#define IDS_ASK_SYNCHRONIZE 168
#define IDS_TIP_SETUP_NAS 169
#define IDS_MSG_NAS_BAD_ADDRESS 170
#define IDS_MSG_NAS_NO_SHARE 171
#define IDS_MSG_NAS_BAD_SHARE_CHARS 172
#define IDS_ASK_REALTIME_BACKUP_NOW 173
#define IDS_ASK_BACKUP_NOW 174
#define IDS_ASK_NAS_RECONNECT 175
#define IDS_MSG_NAS_CONNECTED 176
#define IDS_MSG_NAS_NOT_CONNECTED 177
#define IDS_MSG_ONLY_FOLDERS 178
// Refusals and error records that keep one item's backup from touching another's, and a
// folder that could not be read.
#define IDS_ERROR_READ_FOLDER 190
#define IDS_ERROR_SAME_TARGET 191
#define IDS_ERROR_TARGET_OVERLAP 192
#define IDS_ERROR_KIND_CHANGED 193
#define IDS_MSG_SAME_TARGET 194
#define IDS_MSG_TARGET_OVERLAP 195
// The restore dialog.
#define IDS_TIP_RESTORE_BROWSE 220
#define IDS_TIP_RESTORE_HERE 221
#define IDS_TIP_RESTORE_TO 222
#define IDS_COLUMN_VERSION 223
#define IDS_COLUMN_MODIFIED 224
#define IDS_COLUMN_SIZE 225
#define IDS_TEXT_CURRENT_VERSION 226
#define IDS_TEXT_RESTORE_HINT 227
#define IDS_TITLE_BROWSE_RESTORE_SOURCE 228
#define IDS_TITLE_BROWSE_RESTORE_TO 229
#define IDS_ASK_RESTORE_REPLACE 230
#define IDS_MSG_RESTORED 231
#define IDS_MSG_NO_VERSIONS 232
#define IDS_MSG_RESTORE_FAILED 233
#define IDS_STATUS_RESTORING 234
// Finding and restoring kept versions, and pruning history.
#define IDS_RESTORE_NOT_BELOW_ITEM 200
#define IDS_RESTORE_NO_TARGET 201
#define IDS_RESTORE_HISTORY_PATH 202
#define IDS_RESTORE_EXISTS 203
#define IDS_RESTORE_INTO_HISTORY 204
#define IDS_RESTORE_INTO_SOURCE 205
#define IDS_RESTORE_READ_FAILED 206
#define IDS_RESTORE_KEEP_FAILED 207
#define IDS_RESTORE_COPY_FAILED 208
#define IDS_RESTORE_NOTHING 209
#define IDS_RESTORE_IN_TARGET 210
#define IDS_TITLE_APPLICATION 57344
#define IDS_TITLE_BROWSE_ITEM 57345

// Commands. ID_APP_ABOUT is the framework's standard About command; ID_TRAY_ABOUT is the same
// command as the Korean tray menu sends it.
#define ID_TRAY_OPEN 32773
#define ID_TRAY_EXIT 32774
#define ID_TRAY_SETTINGS 32775
#define ID_APP_ABOUT 57664
#define ID_TRAY_ABOUT 32777
#define ID_TRAY_RESTORE 32778

// Controls of the About dialog.
#define IDC_ABOUT_ICON 1000
#define IDC_ABOUT_TEXT 1001

// Controls of the backup dialog. Positions are set by the dialog's code, not the template.
#define IDC_BACKUP_CLOSE 1004
#define IDC_BACKUP_MINIMIZE 1020
#define IDC_BACKUP_ADD 1021
#define IDC_BACKUP_LIST 1022
#define IDC_BACKUP_SOURCE_LINE 1023
#define IDC_BACKUP_LOCATION 1024
#define IDC_BACKUP_TARGET_LINE 1025
#define IDC_BACKUP_PROGRESS 1026
#define IDC_BACKUP_START 1029
#define IDC_BACKUP_STOP 1030
#define IDC_BACKUP_LOCATION_LABEL 1052

// Controls of the restore dialog (1004, the close button, as in the backup dialog).
#define IDC_RESTORE_CLOSE 1004
#define IDC_RESTORE_BROWSE 1060
#define IDC_RESTORE_PATH 1061
#define IDC_RESTORE_VERSIONS 1062
#define IDC_RESTORE_HERE 1063
#define IDC_RESTORE_TO 1064
#define IDC_RESTORE_STATUS 1065

// Controls of the report dialog (1004, the close button, as in the backup dialog).
#define IDC_REPORT_CLOSE 1004
#define IDC_REPORT_RESULT 1031
#define IDC_REPORT_FILES 1032
#define IDC_REPORT_NEW 1033
#define IDC_REPORT_SIZE 1034
#define IDC_REPORT_FOLDERS 1036
#define IDC_REPORT_UPDATES 1037
#define IDC_REPORT_ELAPSED 1038
#define IDC_REPORT_ERRORS 1022
#define IDC_REPORT_FILES_LABEL 1053
#define IDC_REPORT_FOLDERS_LABEL 1054
#define IDC_REPORT_NEW_LABEL 1055
#define IDC_REPORT_UPDATES_LABEL 1056
#define IDC_REPORT_SIZE_LABEL 1057
#define IDC_REPORT_ELAPSED_LABEL 1058

// Controls of the settings dialog (1004, the close button, as in the backup dialog; IDOK and
// IDCANCEL its OK and Cancel buttons).
#define IDC_SETTINGS_CLOSE 1004
#define IDC_SETTINGS_AUTO_BACKUP 1040
#define IDC_SETTINGS_PERIODIC 1041
#define IDC_SETTINGS_IDLE 1042
#define IDC_SETTINGS_HOURS 1043
#define IDC_SETTINGS_MINUTES 1044
#define IDC_SETTINGS_HOURS_UNIT 1045
#define IDC_SETTINGS_MINUTES_UNIT 1046
#define IDC_SETTINGS_AUTO_HEADING 1047
#define IDC_SETTINGS_GENERAL_HEADING 1048
#define IDC_SETTINGS_AUTOSTART 1049
#define IDC_SETTINGS_AUTO_CONNECT 1050
#define IDC_SETTINGS_RESET 1051
#define IDC_SETTINGS_REAL_TIME 1059
#define IDC_SETTINGS_HISTORY_HEADING 1061
#define IDC_SETTINGS_ARCHIVE 1062
#define IDC_SETTINGS_OVERWRITE 1063
#define IDC_SETTINGS_NAS 1064

// Controls of the NAS dialog (1004, the close button, as in the backup dialog).
#define IDC_NAS_CLOSE 1004
#define IDC_NAS_CONNECT 1007
#define IDC_NAS_ADDRESS_LABEL 1067
#define IDC_NAS_SHARE_LABEL 1068
#define IDC_NAS_ACCOUNT_LABEL 1069
#define IDC_NAS_PASSWORD_LABEL 1070
#define IDC_NAS_ADDRESS 1071
#define IDC_NAS_SHARE 1072
#define IDC_NAS_ACCOUNT 1073
#define IDC_NAS_PASSWORD 1074
#define IDC_NAS_CANCEL 1076
