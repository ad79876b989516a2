#pragma once
// The shell's folder browser as the programs use it: file-system folders only, a status line
// that follows the selection, and an optional folder selected when it opens.
#include <windows.h>

#include "core/base/String.h"

namespace vl {

// Shows the browser over owner with title; initial (when not empty) is selected first.
// True with the chosen folder's path; false when the user cancelled or the choice has no
// file-system path.
bool BrowseForFolder(HWND owner, const String& title, const String& initial, String& chosen);
// The same browser showing files as well: true with the chosen file's or folder's path.
bool BrowseForFileOrFolder(HWND owner, const String& title, String& chosen);

}  // namespace vl
