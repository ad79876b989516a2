#include "client/app/CommandLine.h"

namespace vl {
namespace {

bool IsFlag(const String& arg) { return !arg.empty() && (arg[0] == L'/' || arg[0] == L'-'); }

}  // namespace

StartupCommand ParseStartupCommand(const std::vector<String>& args) {
  StartupCommand command;
  for (const String& arg : args) {
    if (!IsFlag(arg) && command.setFile.empty() && !arg.empty()) {
      command.setFile = arg;
    }
  }
  return command;
}

}  // namespace vl
