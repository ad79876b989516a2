#include "client/cli/PlanCommand.h"

#include "client/cli/CliFailure.h"
#include "client/cli/Console.h"
#include "client/cli/LoadedSet.h"
#include "client/cli/PeakMemory.h"
#include "client/cli/PlanJson.h"
#include "client/cli/PlanOptions.h"
#include "client/cli/PlanRun.h"
#include "client/engine/BackupEngine.h"
#include "client/engine/Clock.h"
#include "client/engine/LineProgressView.h"
#include "client/engine/RunStatsReport.h"
#include "client/engine/TextProvider.h"
#include "client/platform/FileSystemWin32.h"
#include "win32/ResourceTexts.h"

namespace vl {
namespace {

// Status lines go to stderr so that stdout stays one parseable result.
LineProgressView MakeStatusView() {
  return LineProgressView([](const String& line) { WriteErr(line + VLT("\n")); });
}

// What the analysis could not look at (a folder it could not read, an item it refuses) makes
// the plan incomplete: each goes to stderr, and the status says so.
int PrintPlan(const CRunState& state, const PlanOptions& options) {
  if (options.json) {
    WritePlanJson(state.jobList, state.stats, [](const std::string& utf8) { WriteOut(utf8); });
  } else {
    WriteOut(RunStatsText(state.stats));
  }
  for (const auto& error : state.errorList) {
    WriteErr(VLT("vlbackup: ") + error->path + VLT(": ") + error->message + VLT("\n"));
  }
  if (options.stats) WriteErr(PeakMemoryText());
  return state.errorList.empty() ? kExitOk : kExitErrors;
}

}  // namespace

int RunPlan(const CliCommand& command) {
  PlanOptions options;
  String error;
  if (!ParsePlanOptions(command.args, options, error)) return Fail(error);
  LoadedSet set;
  int status = kExitOk;
  if (!LoadSet(command, set, status)) return status;

  platform::FileSystemWin32 fs;
  const EnglishTexts english;
  const ResourceTexts texts(english);
  LineProgressView view = MakeStatusView();
  SystemClock clock;
  CBackupEngine engine(fs, texts, view, clock);
  RunStats& stats = engine.State().stats;
  stats.startTime = clock.NowUtcSeconds();
  PlanItems(engine, set.items, PlanTargetFolder(set.doc.m_settings, set.dataFolder),
            options.synchronize);
  stats.endTime = clock.NowUtcSeconds();
  return PrintPlan(engine.State(), options);
}

}  // namespace vl
