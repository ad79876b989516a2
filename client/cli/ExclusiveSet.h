#pragma once
// The set as the verbs that write it (add, remove, target) or write into its target (run)
// load it: only while the client is not running, since the client rewrites the set whenever
// its user changes it and runs backups into the same target.
#include "client/cli/CliArgs.h"
#include "client/cli/LoadedSet.h"

namespace vl {

// False with the reason on stderr and the exit status in status when the client runs or the
// set does not load.
bool LoadSetExclusively(const CliCommand& command, LoadedSet& set, int& status,
                        MissingSetFile missing = MissingSetFile::Fail);

}  // namespace vl
