#pragma once
// The application and main frame as the backup dialog sees them: a real settings record and
// item list, and a log entry for every other call.
#include <string>

#include "client/model/Settings.h"
#include "client/model/SourceList.h"
#include "client/ui/logic/BackupServices.h"
#include "tests/ui/CallLog.h"

namespace vl::test {

// The log entry of a tray icon change, by the icon's resource id.
inline std::string TrayEntry(uint32_t iconId) { return "tray " + std::to_string(iconId); }

class FakeBackupServices : public IBackupServices {
 public:
  explicit FakeBackupServices(CallLog& log) : m_log(log) {}

  CSettings settings;
  CSourceList items;
  String dataFolder = VLT("C:\\VL");
  bool changeProcessingRunning = false;
  int saves = 0;
  int targetReady = -1;  // -1 until told
  String backupFolder;

  CSettings& Settings() override { return settings; }
  CSourceList& Items() override { return items; }
  bool SaveBackupSet() override {
    ++saves;
    m_log.Add("save");
    return true;
  }
  String DataFolder() const override { return dataFolder; }
  void SetTargetReady(bool ready) override { targetReady = ready ? 1 : 0; }
  void SetBackupFolder(const String& fullPath) override { backupFolder = fullPath; }

  void SetTrayIcon(uint32_t iconId) override { m_log.Add(TrayEntry(iconId)); }
  void StopBackupTimers() override { m_log.Add("stopTimers"); }
  void ArmBackupTimers() override { m_log.Add("armTimers"); }
  void ResetMinutes() override { m_log.Add("resetMinutes"); }
  void StopRealTime() override { m_log.Add("stopRealTime"); }
  void StartRealTime() override { m_log.Add("startRealTime"); }
  bool IsChangeProcessingRunning() const override { return changeProcessingRunning; }

 private:
  CallLog& m_log;
};

}  // namespace vl::test
