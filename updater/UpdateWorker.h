#pragma once
// The updater's worker thread: the check, then the download, then word to the dialog.
#include <windows.h>

#include "updater/logic/PauseGate.h"
#include "updater/logic/UpdateCheck.h"

namespace vl::updater {

// Fills queue and posts kMsgWorkerDone to dialog as its very last act, after everything it
// opened is closed, so that the dialog may wait for the thread's end at once.
void RunUpdateWorker(HWND dialog, const CheckRequest& request, UpdateQueue& queue,
                     PauseGate& gate);

}  // namespace vl::updater
