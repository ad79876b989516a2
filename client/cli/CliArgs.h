#pragma once
// Command line of the vlbackup console tool: [--set FILE] VERB [ARGS...]
#include <vector>

#include "core/base/String.h"

namespace vl {

struct CliCommand {
  String setFile;               // --set FILE; empty: the client's own set
  String verb;                  // show, resave, ...
  std::vector<String> args;     // what follows the verb, flags included, in order
};

// Fails with a one-line reason on a malformed command line.
bool ParseCliArgs(const std::vector<String>& argv, CliCommand& command, String& error);

// The usage text printed for --help and after a malformed command line.
String CliUsage();

}  // namespace vl
