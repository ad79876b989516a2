#pragma once
// The verbs that change the set and save it at once, as the client saves after each change.
// Each refuses while the client runs and returns the process exit status.
#include "client/cli/CliArgs.h"

namespace vl {

int RunAdd(const CliCommand& command);     // add PATH
int RunRemove(const CliCommand& command);  // remove INDEX
int RunTarget(const CliCommand& command);  // target PATH

}  // namespace vl
