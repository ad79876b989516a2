#include "client/cli/BackupCommand.h"

#include "client/cli/CliFailure.h"
#include "client/cli/Console.h"
#include "client/cli/ConsoleProgress.h"
#include "client/cli/CtrlCancel.h"
#include "client/cli/ExclusiveSet.h"
#include "client/cli/PeakMemory.h"
#include "client/cli/RunExitStatus.h"
#include "client/cli/RunOptions.h"
#include "client/cli/RunReport.h"
#include "client/cli/RunStart.h"
#include "client/engine/BackupEngine.h"
#include "client/engine/BackupRunner.h"
#include "client/engine/Clock.h"
#include "client/engine/RunObserver.h"
#include "client/engine/TextProvider.h"
#include "client/platform/FileSystemWin32.h"
#include "win32/ResourceTexts.h"
#include "win32/SystemMessage.h"

namespace vl {
namespace {

// The backup dialog's checks before a run: an item to back up and a target to back up into.
bool ReadyToRun(LoadedSet& set, const RunOptions& options, platform::FileSystemWin32& fs,
                const ITextProvider& texts, RunSettings& settings) {
  if (!HasItemToRun(set.items, options.itemIndex, fs, texts)) return false;
  settings = RunSettingsFrom(set.doc.m_settings);
  return PrepareTarget(fs, set.doc.m_settings.m_strBackupPath, set.dataFolder,
                       settings.targetFolder);
}

// The run happens on this thread; Ctrl+C reaches the runner from the console's own thread.
RunCompletion Execute(CBackupEngine& engine, platform::FileSystemWin32& fs, LoadedSet& set,
                      const RunSettings& settings, const RunOptions& options) {
  engine.State().runItemIndex = options.itemIndex;
  engine.State().synchronize = options.synchronize;
  NullRunObserver observer;
  CBackupRunner runner(engine, fs, set.items, observer);
  CtrlCancel cancelOnBreak(runner);
  return runner.RunNow(settings).value_or(DONE_CANCELLED);
}

void PrintReport(RunCompletion code, const CRunState& state, const ITextProvider& texts,
                 const RunOptions& options) {
  if (options.json) {
    WriteOut(RunReportJson(code, state, texts, win32::SystemMessageText));
  } else {
    WriteOut(RunReportText(code, state, texts));
  }
  if (options.stats) WriteErr(PeakMemoryText());
}

}  // namespace

int RunBackupCommand(const CliCommand& command) {
  RunOptions options;
  String error;
  if (!ParseRunOptions(command.args, options, error)) return Fail(error);
  LoadedSet set;
  int status = kExitOk;
  if (!LoadSetExclusively(command, set, status)) return status;
  platform::FileSystemWin32 fs;
  const EnglishTexts english;
  const ResourceTexts texts(english);
  RunSettings settings;
  if (!ReadyToRun(set, options, fs, texts, settings)) return kExitFailed;
  ConsoleProgress progress;
  SystemClock clock;
  CBackupEngine engine(fs, texts, progress.View(), clock);
  const RunCompletion code = Execute(engine, fs, set, settings, options);
  progress.Finish();
  PrintReport(code, engine.State(), texts, options);
  return RunExitStatus(code, engine.State());
}

}  // namespace vl
