#pragma once
// What the drive watchers watch, skip and wake on this machine, unless a test says otherwise.
#include <vector>

#include "core/base/String.h"

namespace vl {

// The Windows, Program Files, Internet cache and temporary folders, as ExcludedFolders orders
// and trims them; a location the system cannot name is left out.
std::vector<String> SystemExcludedFolders();

// The roots ("C:\") of the fixed drives present now, from A upward. Removable, network and
// optical drives come and go and are never watched.
std::vector<String> FixedDriveRoots();

// Ends a blocking watch on root with a change there: an empty file under a fresh GUID name,
// created and deleted again. False when it cannot be created (no right to write in the root).
bool WakeByFile(const String& root);

}  // namespace vl
