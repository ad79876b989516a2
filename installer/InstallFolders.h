#pragma once
// The system's folders an installation uses: Program Files, the Windows folder, and the current
// user's Desktop and Start-menu programs. A folder the system would not name stays empty.
#include "installer/logic/InstallSequence.h"

namespace vl::installer {

InstallFolders FindInstallFolders();

}  // namespace vl::installer
