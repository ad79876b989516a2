#include "client/cli/LoadedSet.h"

#include "client/cli/CliFailure.h"
#include "client/cli/SetLocation.h"
#include "client/model/BackupSetFile.h"
#include "client/platform/CodePage.h"
#include "client/platform/SetFileStoreWin32.h"

namespace vl {
namespace {

// As the client starts a set it has no file for; only the file it goes to differs.
void StartNewSet(LoadedSet& set, const String& path) {
  set.doc.OnNewDocument(set.dataFolder);
  set.doc.SetPathName(path);
  set.startedForNewFile = !path.empty();
}

}  // namespace

bool LoadSet(const CliCommand& command, LoadedSet& set, int& status, MissingSetFile missing) {
  SetLocation location;
  String error;
  if (!LocateSet(command.setFile, location, error)) {
    status = Fail(error);
    return false;
  }
  set.dataFolder = location.dataFolder;
  platform::SetFileStoreWin32 store;
  const bool startNew = location.path.empty() ||
                        (missing == MissingSetFile::StartNew && !store.FileExists(location.path));
  if (startNew) {
    StartNewSet(set, location.path);
    return true;
  }
  if (!LoadBackupSet(store, location.path, set.doc, error, platform::MakeAnsiDecoder())) {
    status = FailOnFile(location.path, error);
    return false;
  }
  return true;
}

}  // namespace vl
