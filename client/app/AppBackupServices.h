#pragma once
// What the backup dialog needs of the running client, over the application object (the backup
// set, the data folder, the target flags) and the main frame (tray icon, automatic-backup
// timers, real-time backup).
#include "client/ui/logic/BackupServices.h"

namespace vl {

class CMainFrame;
class CVaultlineApp;

class AppBackupServices : public IBackupServices {
 public:
  // Both must outlive this object.
  AppBackupServices(CVaultlineApp& app, CMainFrame& frame) : m_app(app), m_frame(frame) {}

  CSettings& Settings() override;
  CSourceList& Items() override;
  bool SaveBackupSet() override;
  String DataFolder() const override;
  void SetTargetReady(bool ready) override;
  void SetBackupFolder(const String& fullPath) override;

  void SetTrayIcon(uint32_t iconId) override;
  void StopBackupTimers() override;
  void ArmBackupTimers() override;
  void ResetMinutes() override;
  void StopRealTime() override;
  void StartRealTime() override;
  bool IsChangeProcessingRunning() const override;

 private:
  CVaultlineApp& m_app;
  CMainFrame& m_frame;
};

}  // namespace vl
