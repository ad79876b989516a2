#pragma once
// `vlbackup run [--sync] [--item N] [--json]`: a backup of the set, as the backup dialog runs
// it, with the progress on stderr and the report on stdout.
#include "client/cli/CliArgs.h"

namespace vl {

// The exit status: see RunExitStatus, or kExitFailed when the run could not start.
int RunBackupCommand(const CliCommand& command);

}  // namespace vl
