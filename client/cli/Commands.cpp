#include "client/cli/Commands.h"

#include "client/cli/BackupCommand.h"
#include "client/cli/Console.h"
#include "client/cli/EditCommands.h"
#include "client/cli/PlanCommand.h"
#include "client/cli/RestoreCommands.h"
#include "client/cli/SetCommands.h"
#include "client/cli/SettingsCommand.h"

namespace vl {

int RunCommand(const CliCommand& command) {
  if (command.verb == L"show") return RunShow(command);
  if (command.verb == L"resave") return RunResave(command);
  if (command.verb == L"plan") return RunPlan(command);
  if (command.verb == L"add") return RunAdd(command);
  if (command.verb == L"remove") return RunRemove(command);
  if (command.verb == L"target") return RunTarget(command);
  if (command.verb == L"settings") return RunSettings(command);
  if (command.verb == L"run") return RunBackupCommand(command);
  if (command.verb == L"versions") return RunVersions(command);
  if (command.verb == L"restore") return RunRestore(command);
  if (command.verb == L"history") return RunHistory(command);
  WriteErr(L"vlbackup: unknown command " + command.verb + L"\n" + CliUsage());
  return kExitFailed;
}

}  // namespace vl
