// Skin bitmap ids of the client (Vaultline).
// Written by resources/skin/make-bitmaps; do not edit. Plain macros, so that resource
// scripts and portable code can include this alike.
#pragma once

#define IDB_CLOSE_NORMAL 143
#define IDB_CLOSE_PRESSED 144
#define IDB_CLOSE_HOVER 145
#define IDB_OK_NORMAL 147
#define IDB_CANCEL_PRESSED 148
#define IDB_CANCEL_HOVER 149
#define IDB_CANCEL_NORMAL 150
#define IDB_OK_PRESSED 151
#define IDB_OK_HOVER 154
#define IDB_STOP_NORMAL 155
#define IDB_ADD_PRESSED 156
#define IDB_ADD_HOVER 157
#define IDB_ADD_NORMAL 158
#define IDB_BACKUP_BACKGROUND 159
#define IDB_BACKUP_PRESSED 160
#define IDB_BACKUP_HOVER 161
#define IDB_BACKUP_NORMAL 162
#define IDB_LOCATION_PRESSED 163
#define IDB_LOCATION_HOVER 164
#define IDB_LOCATION_NORMAL 165
#define IDB_STOP_PRESSED 166
#define IDB_STOP_HOVER 167
#define IDB_MINIMIZE_NORMAL 170
#define IDB_MINIMIZE_PRESSED 171
#define IDB_MINIMIZE_HOVER 172
#define IDB_SETTINGS_BACKGROUND 175
#define IDB_REPORT_BACKGROUND 176
#define IDB_RESET_NORMAL 179
#define IDB_RESET_PRESSED 180
#define IDB_RESET_HOVER 181
#define IDB_NAS_PRESSED 182
#define IDB_NAS_HOVER 183
#define IDB_NAS_NORMAL 184
#define IDB_NAS_BACKGROUND 185
