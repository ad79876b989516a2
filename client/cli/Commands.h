#pragma once
// The verbs of vlbackup. Each returns the process exit status.
#include "client/cli/CliArgs.h"
#include "client/cli/CliFailure.h"

namespace vl {

int RunCommand(const CliCommand& command);

}  // namespace vl
