#pragma once
// The messages between the updater's worker thread and its dialog.
#include <windows.h>

namespace vl::updater {

// Posted by the worker as its last act: wParam 1 when files are downloaded and may be put in
// place, 0 when there is nothing to do, the user refused or cancelled, or the update failed.
constexpr UINT kMsgWorkerDone = 0x0FBB;
// Sent by the worker so that the dialog's own thread asks "Do you want to updating?"; the
// result is IDYES or IDNO.
constexpr UINT kMsgAskToUpdate = WM_APP + 1;

}  // namespace vl::updater
