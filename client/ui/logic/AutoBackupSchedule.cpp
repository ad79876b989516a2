#include "client/ui/logic/AutoBackupSchedule.h"

#include "client/model/SettingRanges.h"
#include "client/model/Settings.h"

namespace vl {
namespace {

// The counter starts again below the top of its range rather than at a wrap to 0 by itself.
constexpr uint32_t kMinutesRestartAt = 0xFFFFFFE1u;
constexpr uint32_t kMinutesPerHour = 60;

uint32_t WholeMinutes(uint32_t ms) { return ms / 1000 / 60; }

}  // namespace

CAutoBackupSchedule::CAutoBackupSchedule(IScheduleHost& host, uint32_t& minutes,
                                         const ITickSource& ticks, const ILastInputSource& input)
    : m_host(host),
      m_minutes(minutes),
      m_ticks(ticks),
      m_input(input),
      m_lastAutomaticTick(ticks.TickCount()) {}

void CAutoBackupSchedule::Arm(const CSettings* settings) {
  m_host.StopTimer(BackupTimer::idle);
  m_host.StopTimer(BackupTimer::periodic);
  if (!settings || !settings->m_bAutoBackup) return;
  if (settings->m_nBackupMode == kIdleMode) m_host.StartTimer(BackupTimer::idle, kIdleCheckMs);
  if (settings->m_nBackupMode == kPeriodicMode)
    m_host.StartTimer(BackupTimer::periodic, kMinuteMs);
}

void CAutoBackupSchedule::OnIdleTimer(const CSettings* settings) {
  m_host.StopTimer(BackupTimer::idle);
  if (settings && IdleLongEnough(settings->m_strIdleTime)) {
    m_lastAutomaticTick = m_ticks.TickCount();
    m_host.StartAutomaticBackup();
  }
  Arm(settings);
}

bool CAutoBackupSchedule::IdleLongEnough(const String& idleMinutesText) {
  uint32_t lastInput = 0;
  if (!m_input.LastInputTick(lastInput)) return false;
  // Read after the last input, so an input between the two reads cannot lie "ahead" of now
  // and pass for nearly 50 days of absence.
  const uint32_t now = m_ticks.TickCount();
  m_lastIdleMs = TicksSince(lastInput, now);
  const uint32_t threshold = SettingNumber(idleMinutesText);
  return WholeMinutes(m_lastIdleMs) >= threshold &&
         WholeMinutes(TicksSince(m_lastAutomaticTick, now)) >= threshold;
}

void CAutoBackupSchedule::OnPeriodicTimer(const CSettings* settings) {
  m_host.StopTimer(BackupTimer::periodic);
  m_minutes = m_minutes >= kMinutesRestartAt ? 0 : m_minutes + 1;
  if (!settings) return;
  m_host.TraceMinutes(m_minutes, settings->m_strPeriod);
  if (m_minutes / kMinutesPerHour < SettingNumber(settings->m_strPeriod)) {
    Arm(settings);
    return;
  }
  // The run's end resets the counter and arms again.
  m_host.StartAutomaticBackup();
}

}  // namespace vl
