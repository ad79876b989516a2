#pragma once
// `vlbackup plan [--sync] [--json] [--stats]`: what a backup of the set would do, without doing it.
#include "client/cli/CliArgs.h"

namespace vl {

// The counters as "name: value" lines, or with --json the job tree and the counters as one
// document, on stdout; the analysis's status lines (and with --stats the peak memory) on
// stderr. Returns the exit status.
int RunPlan(const CliCommand& command);

}  // namespace vl
