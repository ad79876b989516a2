#pragma once
// The client's one-shot start-up sequence, run when the frame's start-up timer fires. The
// order matters: an update hand-over ends the sequence before anything connects or watches,
// and the frame ignores tray clicks until the very last step.
#include <vector>

#include "core/base/String.h"

namespace vl {

struct StartupFacts {
  bool checkFirst = false;   // "/check" is the first argument after the program name
  bool autoConnect = false;  // the set asks to connect the NAS share at start
  bool realTime = false;     // automatic backup in real-time mode
};

// The steps, each a hook the frame (or later work) supplies.
class IStartupSteps {
 public:
  virtual ~IStartupSteps() = default;
  virtual void StopStartupTimer() = 0;
  // True when the updater took over; the client then closes and nothing else runs.
  virtual bool LaunchUpdate() = 0;
  virtual void ConnectNas() = 0;
  virtual void StartRealTime() = 0;
  virtual void ShowBackupDialog() = 0;
  virtual void ArmBackupTimers() = 0;
  virtual void ClearPopup() = 0;
};

// args are the command-line arguments after the program name.
bool IsCheckFirst(const std::vector<String>& args);
// autoConnect is the set's auto-connect text ("OK" in any case means yes); backupMode 2 is
// real time.
StartupFacts MakeStartupFacts(const std::vector<String>& args, const String& autoConnect,
                              bool autoBackup, int backupMode);

void RunStartupSequence(const StartupFacts& facts, IStartupSteps& steps);

}  // namespace vl
