#pragma once
// Opening a folder (or anything the shell knows how to open) in its own window.
#include <windows.h>

#include "core/base/String.h"

namespace vl {

// The shell's "open" verb on path in a normal window; false when the shell refused.
bool OpenWithShell(HWND owner, const String& path);

}  // namespace vl
