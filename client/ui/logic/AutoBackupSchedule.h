#pragma once
// The backups the client starts by itself: every few hours, or once the user has been away
// for some minutes. The frame owns the timers and the minute counter; these rules decide what
// the timers do, on injected time, so that hours of waiting and the wrap of the 32-bit tick
// counter can be tried at once.
#include <cstdint>

#include "client/engine/LastInputSource.h"
#include "client/engine/TickSource.h"
#include "core/base/String.h"

namespace vl {

class CSettings;

enum class BackupTimer { idle, periodic };

// How often each timer fires; each is stopped by its own handler, so it fires once per arming.
constexpr uint32_t kIdleCheckMs = 10000;
constexpr uint32_t kMinuteMs = 60000;

// What the schedule needs of the frame.
class IScheduleHost {
 public:
  virtual ~IScheduleHost() = default;
  virtual void StartTimer(BackupTimer timer, uint32_t periodMs) = 0;
  virtual void StopTimer(BackupTimer timer) = 0;
  // A run without questions or report, started after the current handler has returned.
  virtual void StartAutomaticBackup() = 0;
  // The periodic count's debug line, with the counter and the period's text.
  virtual void TraceMinutes(uint32_t minutes, const String& periodText) = 0;
};

class CAutoBackupSchedule {
 public:
  // minutes: the frame's m_dwMinutes, which a finished run resets. The schedule's creation
  // counts as the last automatic backup, so an idle backup never comes sooner after start-up
  // than the idle time.
  CAutoBackupSchedule(IScheduleHost& host, uint32_t& minutes, const ITickSource& ticks,
                      const ILastInputSource& input);

  // ArmBackupTimers; settings may be null (no set yet), which arms nothing.
  void Arm(const CSettings* settings);
  // The handlers of the idle timer and the periodic timer.
  void OnIdleTimer(const CSettings* settings);
  void OnPeriodicTimer(const CSettings* settings);

  // How long the user had been away at the last idle check.
  uint32_t LastIdleMs() const { return m_lastIdleMs; }

 private:
  bool IdleLongEnough(const String& idleMinutesText);

  IScheduleHost& m_host;
  uint32_t& m_minutes;
  const ITickSource& m_ticks;
  const ILastInputSource& m_input;
  uint32_t m_lastAutomaticTick;
  uint32_t m_lastIdleMs = 0;
};

}  // namespace vl
