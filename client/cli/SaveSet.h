#pragma once
// Writing the set back after a command changed it, by the client's own saving rule.
#include "client/cli/LoadedSet.h"

namespace vl {

// SaveBackupSet on the Win32 store; a new set goes to Config\Default.bsf of the data folder,
// whose Config folder is made first as the client makes it at start-up. Returns the exit
// status, with the reason on stderr on failure.
int SaveLoadedSet(LoadedSet& set);

}  // namespace vl
