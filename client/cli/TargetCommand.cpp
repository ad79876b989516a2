#include "client/cli/CliFailure.h"
#include "client/cli/EditArgs.h"
#include "client/cli/EditCommands.h"
#include "client/cli/ExclusiveSet.h"
#include "client/cli/FullPath.h"
#include "client/cli/SaveSet.h"

namespace vl {

// Like the settings dialog, the folder is not required to exist yet: a share may be offline.
int RunTarget(const CliCommand& command) {
  String path;
  String error;
  if (!ParsePathArg(command.args, VLT("target"), path, error)) return Fail(error);
  LoadedSet set;
  int status = kExitOk;
  if (!LoadSetExclusively(command, set, status, MissingSetFile::StartNew)) return status;
  set.doc.m_settings.m_strBackupPath = TrimTrailingBackslash(FullPathOf(path));
  return SaveLoadedSet(set);
}

}  // namespace vl
