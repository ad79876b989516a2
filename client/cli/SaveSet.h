#pragma once
// Writing the set back after a command changed it, by the client's own saving rule.
#include "client/cli/LoadedSet.h"

namespace vl {

// SaveBackupSet on the Win32 store; a new set goes to Config\Default.bsf of the data folder,
// whose Config folder is made first as the client makes it at start-up, and a set started for
// a --set file that did not exist goes to that file while it still does not. Returns the exit
// status, with one line naming the file on stderr on failure.
int SaveLoadedSet(LoadedSet& set);

}  // namespace vl
