// Resource identifiers of the updater, shared by VLUpdate.rc and the code. Plain macros only, so
// that the resource script and the code include it alike.
#pragma once

// The one dialog and its two controls.
#define IDD_VLUPDATE 102
#define IDC_UPDATE_STATUS 1000
#define IDC_UPDATE_PROGRESS 1001

// String table: the updater's texts start at 57344. STATUS_ texts go on the status line (%s is
// a file name), ASK_ texts are yes/no questions.
#define IDS_STATUS_CONFIRMING 57344
#define IDS_STATUS_DOWNLOADING 57345
#define IDS_STATUS_COPYING 57346
#define IDS_ASK_UPDATE 57347
#define IDS_ASK_CANCEL_UPDATE 57348
