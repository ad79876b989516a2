#pragma once
// The shell's folder browser as the installer shows it: file-system folders only, with a
// status line that follows the selection.
#include <windows.h>

#include "core/base/String.h"

namespace vl::installer {

// True with the chosen folder's path as the shell gives it; false when the user cancelled or
// the choice has no file-system path.
bool BrowseForInstallFolder(HWND owner, const String& title, String& chosen);

}  // namespace vl::installer
