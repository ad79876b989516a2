#include "client/cli/SaveSet.h"

#include <windows.h>

#include "client/cli/CliFailure.h"
#include "client/model/BackupSetFile.h"
#include "client/model/PathJoin.h"
#include "win32/SetFileStoreWin32.h"

namespace vl {

int SaveLoadedSet(LoadedSet& set) {
  if (set.doc.GetPathName().empty()) {
    ::CreateDirectoryW(model::JoinPath(set.dataFolder, VLT("Config")).c_str(), nullptr);
  }
  win32::SetFileStoreWin32 store;
  String message;
  switch (SaveBackupSet(set.doc, store, set.dataFolder, message)) {
    case SaveOutcome::Written: return kExitOk;
    case SaveOutcome::SkippedExisting:
      return Fail(VLT("a set file appeared in Config meanwhile; nothing was saved"));
    default: return Fail(message);
  }
}

}  // namespace vl
