#include "client/cli/CliFailure.h"
#include "client/cli/EditArgs.h"
#include "client/cli/EditCommands.h"
#include "client/cli/ExclusiveSet.h"
#include "client/cli/FullPath.h"
#include "client/cli/SaveSet.h"
#include "client/engine/ItemPlacement.h"
#include "client/engine/TextFormat.h"
#include "client/engine/TextProvider.h"
#include "win32/ResourceTexts.h"

namespace vl {

// Like the settings dialog, the folder is not required to exist yet: a share may be offline.
int RunTarget(const CliCommand& command) {
  String path;
  String error;
  if (!ParsePathArg(command.args, VLT("target"), path, error)) return Fail(error);
  LoadedSet set;
  int status = kExitOk;
  if (!LoadSetExclusively(command, set, status, MissingSetFile::StartNew)) return status;
  const String target = TrimTrailingBackslash(FullPathOf(path));
  const TextId refusal = NewTargetRefusal(set.items, target);
  if (refusal != 0) {
    const EnglishTexts english;
    return Fail(FormatText(ResourceTexts(english).Text(refusal), {target}));
  }
  set.doc.m_settings.m_strBackupPath = target;
  return SaveLoadedSet(set);
}

}  // namespace vl
