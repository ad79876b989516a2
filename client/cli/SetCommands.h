#pragma once
// The verbs that work on the backup set itself. Each returns the process exit status.
#include "client/cli/CliArgs.h"

namespace vl {

int RunShow(const CliCommand& command);
int RunResave(const CliCommand& command);

}  // namespace vl
