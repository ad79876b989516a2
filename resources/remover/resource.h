// Resource identifiers of the remover, shared by VLRemove.rc and the code. Plain macros only, so
// that the resource script and the code include it alike.
#pragma once

// String table. The running-client warning keeps the number the client's own tables gave it;
// the remover's texts start at 57344, the title first.
#define IDS_CLIENT_RUNNING 102
#define IDS_REMOVER_TITLE 57344
#define IDS_ASK_REMOVE 57345
#define IDS_REMOVED 57346
// %1: what is still there, one a line.
#define IDS_NOT_ALL_REMOVED 57347
