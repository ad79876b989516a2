#pragma once
// settings, and settings set NAME VALUE: the set's settings printed for people, or one of them
// changed and the set saved at once, as the client saves after each change. A change refuses
// while the client runs. Returns the process exit status.
#include "client/cli/CliArgs.h"

namespace vl {

int RunSettings(const CliCommand& command);

}  // namespace vl
