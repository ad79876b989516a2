#pragma once
// What the frame does with the settings dialog's answer, in its order: real time switched on or
// off, the settings stored, the NAS connected or disconnected, the autostart value written or
// deleted, the set saved, the timers re-armed, and the synchronizing run or the offer to back
// up now that real time is on.
#include "client/ui/logic/SettingsChoice.h"

namespace vl {

class CSettings;

// The frame's side of applying.
class ISettingsApplyHost {
 public:
  virtual ~ISettingsApplyHost() = default;
  virtual void StartRealTime() = 0;
  virtual void StopRealTime() = 0;
  virtual void ConnectNas() = 0;     // does nothing while connected
  virtual void DisconnectNas() = 0;  // does nothing while not connected
  virtual void WriteAutostart(bool on) = 0;
  virtual void SaveSet() = 0;
  virtual void ArmBackupTimers() = 0;
  virtual bool HasItems() const = 0;
  // Message 173: back up what changed now that real time is on? True for Yes.
  virtual bool AskBackupNow() = 0;
  // An automatic run: asks nothing, shows no report; synchronizing also deletes from the
  // target what the sources no longer have.
  virtual void StartAutomaticRun(bool synchronize) = 0;
};

void ApplySettings(const SettingsChoice& choice, CSettings& settings, ISettingsApplyHost& host);

}  // namespace vl
