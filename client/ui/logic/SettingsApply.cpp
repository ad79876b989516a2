#include "client/ui/logic/SettingsApply.h"

#include "client/model/Settings.h"

namespace vl {
namespace {

// True when real time was switched on just now.
bool SwitchRealTime(const SettingsChoice& choice, const CSettings& before,
                    ISettingsApplyHost& host) {
  const bool was = IsRealTimeBackup(before.m_bAutoBackup, before.m_nBackupMode);
  const bool now = IsRealTimeBackup(choice.autoBackup, choice.backupMode);
  if (was && !now) host.StopRealTime();
  if (!was && now) host.StartRealTime();
  return !was && now;
}

void Store(const SettingsChoice& choice, CSettings& settings) {
  settings.m_bAutoBackup = choice.autoBackup;
  settings.m_nBackupMode = choice.backupMode;
  settings.m_nHistoryMode = choice.historyMode;
  settings.m_strPeriod = choice.period;
  settings.m_strIdleTime = choice.idleTime;
}

}  // namespace

void ApplySettings(const SettingsChoice& choice, CSettings& settings, ISettingsApplyHost& host) {
  const bool realTimeJustOn = SwitchRealTime(choice, settings, host);
  Store(choice, settings);
  settings.m_strAutoConnect = choice.autoConnect ? VLT("OK") : String();
  if (choice.autoConnect)
    host.ConnectNas();
  else
    host.DisconnectNas();
  host.WriteAutostart(choice.autostart);
  host.SaveSet();
  host.ArmBackupTimers();
  if (choice.synchronize) {
    host.StartAutomaticRun(true);
  } else if (realTimeJustOn && host.HasItems() && host.AskBackupNow()) {
    host.StartAutomaticRun(false);
  }
}

}  // namespace vl
