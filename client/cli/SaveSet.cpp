#include "client/cli/SaveSet.h"

#include <windows.h>

#include "client/cli/CliFailure.h"
#include "client/model/BackupSetFile.h"
#include "client/model/PathJoin.h"
#include "client/platform/SetFileStoreWin32.h"

namespace vl {
namespace {

constexpr const Char* kAppeared = VLT("appeared meanwhile; nothing was saved");

// Where SaveBackupSet writes, for the failure line: the framework's message may not say.
String SavePathOf(const LoadedSet& set) {
  const String& path = set.doc.GetPathName();
  return path.empty() ? model::JoinPath(set.dataFolder, VLT("Config\\Default.bsf")) : path;
}

}  // namespace

int SaveLoadedSet(LoadedSet& set) {
  const String path = SavePathOf(set);
  platform::SetFileStoreWin32 store;
  if (set.startedForNewFile && store.FileExists(path)) return FailOnFile(path, kAppeared);
  if (set.doc.GetPathName().empty()) {
    ::CreateDirectoryW(model::JoinPath(set.dataFolder, VLT("Config")).c_str(), nullptr);
  }
  String message;
  switch (SaveBackupSet(set.doc, store, set.dataFolder, message)) {
    case SaveOutcome::Written: return kExitOk;
    case SaveOutcome::SkippedExisting: return FailOnFile(path, kAppeared);
    default: return FailOnFile(path, message);
  }
}

}  // namespace vl
