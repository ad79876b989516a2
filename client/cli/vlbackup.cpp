// vlbackup: the console front end over the client's backup set, for scripts and headless tests.
#include <windows.h>

#include <vector>

#include "client/cli/CliArgs.h"
#include "client/cli/Commands.h"
#include "client/cli/Console.h"

int wmain(int argc, wchar_t** argv) {
  vl::ConsoleInit();
  const std::vector<vl::String> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  if (args.size() == 1 && (args[0] == L"--help" || args[0] == L"-h" || args[0] == L"/?")) {
    vl::WriteOut(vl::CliUsage());
    return vl::kExitOk;
  }
  vl::CliCommand command;
  vl::String error;
  if (!vl::ParseCliArgs(args, command, error)) {
    vl::WriteErr(L"vlbackup: " + error + L"\n" + vl::CliUsage());
    return vl::kExitFailed;
  }
  return vl::RunCommand(command);
}
