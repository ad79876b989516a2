#include "client/cli/CliFailure.h"
#include "client/cli/Console.h"
#include "client/cli/RestoreCommands.h"
#include "client/cli/RestoreOptions.h"
#include "client/cli/RestoreText.h"
#include "client/cli/VersionLookup.h"
#include "client/platform/FileSystemWin32.h"

namespace vl {

int RunVersions(const CliCommand& command) {
  VersionsOptions options;
  String error;
  if (!ParseVersionsOptions(command.args, options, error)) return Fail(error);
  LoadedSet set;
  int status = kExitOk;
  if (!LoadSet(command, set, status)) return status;
  platform::FileSystemWin32 fs;
  VersionList list;
  if (!LookUpVersions(fs, fs, set, options.path, list)) return kExitFailed;
  if (options.json) {
    WriteOut(VersionsJson(list));
  } else {
    WriteOut(VersionLines(list));
    // An empty answer on stdout keeps scripts simple; a person still learns why it is empty.
    if (list.versions.empty()) WriteErr(L"vlbackup: no backup copy of " + options.path + L"\n");
  }
  return kExitOk;
}

}  // namespace vl
