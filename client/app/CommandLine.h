#pragma once
// What the client's command line asks for. Flags start with '/' or '-'; the first argument
// that is not a flag names a backup-set file. Flags (the framework's standard switches for
// printing, DDE or automation) mean nothing here and are skipped; "/check" is the start-up
// sequence's to read, by its own rule (the first argument only).
#include <vector>

#include "core/base/String.h"

namespace vl {

struct StartupCommand {
  String setFile;      // empty when no file was named
};

StartupCommand ParseStartupCommand(const std::vector<String>& args);

}  // namespace vl
