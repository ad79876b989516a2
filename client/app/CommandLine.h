#pragma once
// What the client's command line asks for. Flags start with '/' or '-'; the first argument
// that is not a flag names a backup-set file. Flags other than "check" (the framework's
// standard switches for printing, DDE or automation) mean nothing to the client and are
// skipped.
#include <vector>

#include "core/base/String.h"

namespace vl {

struct StartupCommand {
  bool check = false;  // "/check": hand over to the updater once the client is up
  String setFile;      // empty when no file was named
};

StartupCommand ParseStartupCommand(const std::vector<String>& args);

}  // namespace vl
