#include "client/cli/Commands.h"

#include "client/cli/Console.h"
#include "client/cli/PlanCommand.h"
#include "client/cli/SetCommands.h"

namespace vl {

int RunCommand(const CliCommand& command) {
  if (command.verb == L"show") return RunShow(command);
  if (command.verb == L"resave") return RunResave(command);
  if (command.verb == L"plan") return RunPlan(command);
  WriteErr(L"vlbackup: unknown command " + command.verb + L"\n" + CliUsage());
  return kExitFailed;
}

}  // namespace vl
