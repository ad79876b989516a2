#include "client/app/AppBackupServices.h"

#include "client/app/MainFrm.h"
#include "client/app/VaultlineApp.h"

namespace vl {

CSettings& AppBackupServices::Settings() {
  // The application opens or creates its document before the frame (and so this dialog) is
  // made, and keeps it to the end.
  return m_app.GetDocument()->m_settings;
}

CSourceList& AppBackupServices::Items() { return m_app.m_listSource; }

bool AppBackupServices::SaveBackupSet() { return m_app.SaveBackupSet(); }

String AppBackupServices::DataFolder() const { return m_app.m_strDataFolder; }

void AppBackupServices::SetTargetReady(bool ready) { m_app.m_bTargetReady = ready ? 1 : 0; }

void AppBackupServices::SetBackupFolder(const String& fullPath) {
  m_app.m_strBackupFolder = fullPath;
}

void AppBackupServices::SetTrayIcon(uint32_t iconId) {
  // The icon does nothing itself while it is not in the notification area.
  m_frame.m_trayIcon.SetIcon(iconId);
}

void AppBackupServices::StopBackupTimers() { m_frame.StopBackupTimers(); }

void AppBackupServices::ArmBackupTimers() { m_frame.ArmBackupTimers(); }

void AppBackupServices::ResetMinutes() { m_frame.m_dwMinutes = 0; }

void AppBackupServices::StopRealTime() { m_frame.StopRealTime(); }

void AppBackupServices::StartRealTime() { m_frame.StartRealTime(); }

bool AppBackupServices::IsChangeProcessingRunning() const { return m_frame.IsRealTimeRunning(); }

}  // namespace vl
