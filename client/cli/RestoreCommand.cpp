#include "client/cli/CliFailure.h"
#include "client/cli/Console.h"
#include "client/cli/ExclusiveSet.h"
#include "client/cli/FullPath.h"
#include "client/cli/RestoreCommands.h"
#include "client/cli/RestoreOptions.h"
#include "client/cli/RestoreText.h"
#include "client/cli/VersionLookup.h"
#include "client/engine/Clock.h"
#include "client/engine/TextFormat.h"
#include "client/engine/restore/Restore.h"
#include "client/platform/FileSystemWin32.h"

namespace vl {
namespace {

const FileVersion* NewestHistoryCopy(const VersionList& list) {
  for (const FileVersion& version : list.versions) {
    if (!version.current) return &version;
  }
  return nullptr;
}

// The version the options name; nullptr, with the reason on stderr, when there is none.
const FileVersion* ChosenVersion(const VersionList& list, const RestoreOptions& options) {
  const FileVersion* version = nullptr;
  String what;
  if (options.latest) {
    version = NewestHistoryCopy(list);
    what = VLT("no history copy");
  } else if (!options.version.empty()) {
    version = FindVersionByStamp(list, StampFromArgument(options.version));
    what = VLT("no version ") + options.version;
  } else {
    version = FindVersionByStamp(list, VLT("current"));
    what = VLT("no current backup copy");
  }
  if (version == nullptr) Fail(VLT("restore: ") + list.sourcePath + VLT(" has ") + what);
  return version;
}

// In its own place a restore goes only where nothing is, unless told to replace: the user's
// file (or folder) there now is what a mistaken restore would hurt.
bool PlaceIsFree(const IFileSystem& fs, const String& destination, bool replace) {
  FileStatus status;
  if (replace || fs.GetStatus(destination, status).Missing()) return true;
  Fail(RestoreMessageLine(IDS_RESTORE_EXISTS, destination, FsResult()) +
       VLT(" Use --replace to replace it or --to FOLDER to restore elsewhere."));
  return false;
}

int Report(const RestoreOutcome& outcome, const String& destination) {
  if (outcome.files > 0 || outcome.Ok()) {
    WriteOut(VLT("restored ") + DecimalText(static_cast<int64_t>(outcome.files)) +
             (outcome.files == 1 ? VLT(" file to ") : VLT(" files to ")) + destination +
             VLT("\n"));
  }
  if (!outcome.keptCopy.empty()) {
    WriteOut(VLT("kept the replaced file as ") + outcome.keptCopy + VLT("\n"));
  }
  if (!outcome.Ok()) {
    WriteErr(VLT("vlbackup: ") +
             RestoreMessageLine(outcome.message, outcome.failedPath, outcome.result) + VLT("\n"));
  }
  if (outcome.failures > 1) {
    WriteErr(VLT("vlbackup: ") + DecimalText(static_cast<int64_t>(outcome.failures)) +
             VLT(" files or folders failed\n"));
  }
  return RestoreExitStatus(outcome);
}

}  // namespace

int RunRestore(const CliCommand& command) {
  RestoreOptions options;
  String error;
  if (!ParseRestoreOptions(command.args, options, error)) return Fail(error);
  LoadedSet set;
  int status = kExitOk;
  if (!LoadSetExclusively(command, set, status)) return status;
  platform::FileSystemWin32 fs;
  VersionList list;
  if (!LookUpVersions(fs, fs, set, options.path, list)) return kExitFailed;
  const FileVersion* version = ChosenVersion(list, options);
  if (version == nullptr) return kExitFailed;
  const bool inPlace = options.toFolder.empty();
  const String destination = inPlace ? list.sourcePath
                                     : RestoreDestinationIn(FullPathOf(options.toFolder), list);
  if (inPlace && !PlaceIsFree(fs, destination, options.replace)) return kExitFailed;
  SystemClock clock;
  return Report(RestoreVersion(fs, clock, list, *version, destination, options.replace),
                destination);
}

}  // namespace vl
