#include "client/app/CommandLine.h"

#include <cwctype>

namespace vl {
namespace {

bool IsFlag(const String& arg) { return !arg.empty() && (arg[0] == L'/' || arg[0] == L'-'); }

bool FlagEquals(const String& arg, const wchar_t* name) {
  const String flag = arg.substr(1);
  const String expected(name);
  if (flag.size() != expected.size()) return false;
  for (size_t i = 0; i < flag.size(); ++i) {
    if (std::towlower(flag[i]) != std::towlower(expected[i])) return false;
  }
  return true;
}

}  // namespace

StartupCommand ParseStartupCommand(const std::vector<String>& args) {
  StartupCommand command;
  for (const String& arg : args) {
    if (IsFlag(arg)) {
      if (FlagEquals(arg, L"check")) command.check = true;
    } else if (command.setFile.empty() && !arg.empty()) {
      command.setFile = arg;
    }
  }
  return command;
}

}  // namespace vl
