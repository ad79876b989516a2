#pragma once
// `vlbackup versions PATH [--json]`, `restore PATH [--version STAMP | --latest] [--to FOLDER]
// [--replace]` and `history prune [--keep N] [--older-than DAYS] [--dry-run]`.
#include "client/cli/CliArgs.h"

namespace vl {

// Each returns the exit status: 0 done, 1 could not run or refused, 2 ran with errors.
int RunVersions(const CliCommand& command);
int RunRestore(const CliCommand& command);
int RunHistory(const CliCommand& command);

}  // namespace vl
