#pragma once
// The automatic-backup timers of the main frame: the schedule's rules on the frame's window
// timers, the system clock and the system's last-input record.
#include "client/platform/LastInputWin32.h"
#include "client/platform/SystemTicks.h"
#include "client/ui/logic/AutoBackupSchedule.h"

namespace vl {

class CMainFrame;

class FrameBackupTimers : private IScheduleHost {
 public:
  // Made with the frame, so that the client's start counts as the last idle backup.
  explicit FrameBackupTimers(CMainFrame& frame);

  CAutoBackupSchedule& Schedule() { return m_schedule; }

 private:
  void StartTimer(BackupTimer timer, uint32_t periodMs) override;
  void StopTimer(BackupTimer timer) override;
  void StartAutomaticBackup() override;
  void TraceMinutes(uint32_t minutes, const String& periodText) override;

  CMainFrame& m_frame;
  SystemTickSource m_ticks;
  LastInputWin32 m_lastInput;
  CAutoBackupSchedule m_schedule;
};

}  // namespace vl
