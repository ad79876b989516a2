#include "client/cli/LoadedSet.h"

#include "client/cli/CliFailure.h"
#include "client/cli/SetLocation.h"
#include "client/model/BackupSetFile.h"
#include "win32/CodePage.h"
#include "win32/SetFileStoreWin32.h"

namespace vl {

bool LoadSet(const CliCommand& command, LoadedSet& set, int& status) {
  SetLocation location;
  String error;
  if (!LocateSet(command.setFile, location, error)) {
    status = Fail(error);
    return false;
  }
  set.dataFolder = location.dataFolder;
  if (location.path.empty()) {
    set.doc.OnNewDocument(location.dataFolder);
    return true;
  }
  win32::SetFileStoreWin32 store;
  if (!LoadBackupSet(store, location.path, set.doc, error, win32::MakeAnsiDecoder())) {
    status = FailOnFile(location.path, error);
    return false;
  }
  return true;
}

}  // namespace vl
