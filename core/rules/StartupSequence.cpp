#include "core/rules/StartupSequence.h"

#include "core/rules/AsciiCase.h"

namespace vl {

namespace {
constexpr int kRealTimeMode = 2;
}  // namespace

bool IsCheckFirst(const std::vector<String>& args) {
  return !args.empty() && EqualsIgnoringAsciiCase(args.front(), VLT("/check"));
}

StartupFacts MakeStartupFacts(const std::vector<String>& args, const String& autoConnect,
                              bool autoBackup, int backupMode) {
  StartupFacts facts;
  facts.checkFirst = IsCheckFirst(args);
  facts.autoConnect = EqualsIgnoringAsciiCase(autoConnect, VLT("OK"));
  facts.realTime = autoBackup && backupMode == kRealTimeMode;
  return facts;
}

void RunStartupSequence(const StartupFacts& facts, IStartupSteps& steps) {
  steps.StopStartupTimer();
  if (facts.checkFirst && steps.LaunchUpdate()) return;
  if (facts.autoConnect) steps.ConnectNas();
  if (facts.realTime) steps.StartRealTime();
  steps.ShowBackupDialog();
  steps.ArmBackupTimers();
  steps.ClearPopup();
}

}  // namespace vl
