#pragma once
// The verbs of vlbackup. Each returns the process exit status.
#include "client/cli/CliArgs.h"

namespace vl {

enum ExitStatus : int {
  kExitOk = 0,
  kExitFailed = 1,  // usage, unreadable set, a set that could not be written
};

int RunCommand(const CliCommand& command);

}  // namespace vl
