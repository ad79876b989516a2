#include "client/cli/SetCommands.h"

#include "client/cli/CliFailure.h"
#include "client/cli/Console.h"
#include "client/cli/FullPath.h"
#include "client/cli/LoadedSet.h"
#include "client/cli/SetJson.h"
#include "client/model/BackupSetFile.h"
#include "client/platform/SetFileStoreWin32.h"

namespace vl {

int RunShow(const CliCommand& command) {
  if (!command.args.empty()) return Fail(L"show takes no arguments");
  LoadedSet set;
  int status = kExitOk;
  if (!LoadSet(command, set, status)) return status;
  WriteOut(BackupSetToJson(set.doc));
  return kExitOk;
}

int RunResave(const CliCommand& command) {
  if (command.args.size() != 1 || command.args[0].empty()) {
    return Fail(L"resave needs one output file");
  }
  LoadedSet set;
  int status = kExitOk;
  if (!LoadSet(command, set, status)) return status;
  const String out = FullPathOf(command.args[0]);
  platform::SetFileStoreWin32 store;
  const StoreResult result = store.WriteReplacing(out, StoreBackupSet(set.doc));
  if (!result.Ok()) return FailOnFile(out, StoreErrorMessage(result.error, out, true));
  return kExitOk;
}

}  // namespace vl
