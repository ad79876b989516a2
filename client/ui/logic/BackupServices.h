#pragma once
// What the backup dialog needs of the application and the main frame: the backup set, the
// data folder, the target flags, the tray icon, the automatic-backup timers and real-time
// backup. The client implements it over its application object and frame; tests record calls.
#include <cstdint>

#include "core/base/String.h"

namespace vl {

class CSettings;
class CSourceList;

class IBackupServices {
 public:
  virtual ~IBackupServices() = default;

  // The active set's settings and items (m_listSource).
  virtual CSettings& Settings() = 0;
  virtual CSourceList& Items() = 0;
  // Saves the set; a failure has been shown to the user when it returns false.
  virtual bool SaveBackupSet() = 0;
  // m_strDataFolder, for the default target "<data folder>\Backup".
  virtual String DataFolder() const = 0;
  // m_bTargetReady.
  virtual void SetTargetReady(bool ready) = 0;
  // m_strBackupFolder: the target path in full, never the shortened text of the line.
  virtual void SetBackupFolder(const String& fullPath) = 0;

  // The tray icon (IDR_MAINFRAME idle, IDI_BACKUP_RUNNING running); nothing when the icon is
  // not in the notification area.
  virtual void SetTrayIcon(uint32_t iconId) = 0;
  // The frame's automatic-backup timers 3 and 4, and its minute counter m_dwMinutes.
  virtual void StopBackupTimers() = 0;
  virtual void ArmBackupTimers() = 0;
  virtual void ResetMinutes() = 0;
  // Real-time backup: the drive watchers and the change-processing thread.
  virtual void StopRealTime() = 0;
  virtual void StartRealTime() = 0;
  virtual bool IsChangeProcessingRunning() const = 0;
};

}  // namespace vl
