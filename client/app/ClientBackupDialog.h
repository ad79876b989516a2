#pragma once
// The client's own backup dialog, as the program hands it to the frame.
#include <memory>

#include "client/ui/IBackupDialog.h"

namespace vl {

// The modeless backup dialog with frame (the client's CMainFrame) as its parent; null when
// frame is not the main frame or the dialog could not be made.
std::unique_ptr<IBackupDialog> MakeClientBackupDialog(CWnd& frame);

}  // namespace vl
