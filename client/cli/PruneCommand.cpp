#include "client/cli/CliFailure.h"
#include "client/cli/Console.h"
#include "client/cli/ExclusiveSet.h"
#include "client/cli/PlanRun.h"
#include "client/cli/RestoreCommands.h"
#include "client/cli/RestoreOptions.h"
#include "client/cli/RestoreText.h"
#include "client/cli/VersionLookup.h"
#include "client/engine/Clock.h"
#include "client/engine/restore/Prune.h"
#include "client/platform/FileSystemWin32.h"

namespace vl {
namespace {

void WriteEach(const std::vector<String>& paths, StringView what) {
  for (const String& path : paths) {
    WriteErr(VLT("vlbackup: ") + path + VLT(": ") + String(what) + VLT("\n"));
  }
}

}  // namespace

int RunHistory(const CliCommand& command) {
  PruneOptions options;
  String error;
  if (!ParsePruneOptions(command.args, options, error)) return Fail(error);
  LoadedSet set;
  int status = kExitOk;
  if (!LoadSetExclusively(command, set, status)) return status;
  platform::FileSystemWin32 fs;
  SystemClock clock;
  const String target = PlanTargetFolder(set.doc.m_settings, set.dataFolder);
  const PrunePlan plan = PlanPrune(fs, target, options.keepNewest, options.olderThanDays, clock);
  if (!plan.unreadFolders.empty() && plan.unreadFolders.front() == target) {
    return Fail(RestoreMessageLine(IDS_RESTORE_READ_FAILED, target, plan.result));
  }
  WriteEach(plan.unreadFolders, VLT("could not be read; its history copies stay"));
  PruneOutcome done;
  if (options.dryRun) {
    for (const FileVersion& copy : plan.remove) WriteOut(copy.path + VLT("\n"));
  } else {
    done = CarryOutPrune(fs, plan);
    WriteEach(done.failedPaths, VLT("could not be removed"));
  }
  WriteOut(PruneSummary(plan, done, options.dryRun));
  const bool clean = plan.unreadFolders.empty() && done.failedPaths.empty();
  return clean ? kExitOk : kExitErrors;
}

}  // namespace vl
