#include "client/cli/CliFailure.h"
#include "client/cli/EditArgs.h"
#include "client/cli/EditCommands.h"
#include "client/cli/ExclusiveSet.h"
#include "client/cli/FullPath.h"
#include "client/cli/PlanRun.h"
#include "client/cli/SaveSet.h"
#include "client/engine/ItemPath.h"
#include "client/engine/RunState.h"
#include "client/engine/SourceRegistration.h"
#include "client/engine/TextFormat.h"
#include "client/engine/TextProvider.h"
#include "client/model/BackupSetFile.h"
#include "client/platform/FileSystemWin32.h"
#include "win32/ResourceTexts.h"

namespace vl {

// The dialog only offers folders that exist, so a path that does not is refused here too. A
// relative path is taken from the current folder; the spelling is the registration's.
int RunAdd(const CliCommand& command) {
  String path;
  String error;
  if (!ParsePathArg(command.args, VLT("add"), path, error)) return Fail(error);
  path = CanonicalItemPath(FullPathOf(path));
  LoadedSet set;
  int status = kExitOk;
  if (!LoadSetExclusively(command, set, status, MissingSetFile::StartNew)) return status;
  platform::FileSystemWin32 fs;
  FileStatus found;
  if (!fs.GetStatus(path, found)) {
    return FailOnFile(path, StoreErrorMessage(StoreError::NotFound, path, false));
  }
  // The item-only mark for the next run is the dialog's; the next run here is another process.
  CRunState runMark;
  const String target = PlanTargetFolder(set.doc.m_settings, set.dataFolder);
  const AddSourceResult result = AddSourceItem(set.items, path, target, fs, runMark);
  if (!result.added) {
    const EnglishTexts english;
    return Fail(FormatText(ResourceTexts(english).Text(result.refusal), {path}));
  }
  return SaveLoadedSet(set);
}

}  // namespace vl
