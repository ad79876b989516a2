// The frame's automatic-backup timers: arming them and their handlers (the rules live in
// client/ui/logic/AutoBackupSchedule).
#include "client/app/FrameBackupTimers.h"
#include "client/app/MainFrm.h"
#include "client/app/VaultlineApp.h"

namespace vl {
namespace {

UINT_PTR TimerId(BackupTimer timer) {
  return timer == BackupTimer::idle ? CMainFrame::kIdleTimer : CMainFrame::kPeriodicTimer;
}

}  // namespace

FrameBackupTimers::FrameBackupTimers(CMainFrame& frame)
    : m_frame(frame), m_schedule(*this, frame.m_dwMinutes, m_ticks, m_lastInput) {}

void FrameBackupTimers::StartTimer(BackupTimer timer, uint32_t periodMs) {
  if (!m_frame.m_hWnd) return;
  m_frame.SetTimer(TimerId(timer), periodMs);
  GetVaultlineApp()->DebugTrace(L"[VAULTLINE][Frame] backup timer %u armed\n",
                                static_cast<unsigned>(TimerId(timer)));
}

void FrameBackupTimers::StopTimer(BackupTimer timer) {
  if (m_frame.m_hWnd) m_frame.KillTimer(TimerId(timer));
}

void FrameBackupTimers::StartAutomaticBackup() {
  GetVaultlineApp()->DebugTrace(L"[VAULTLINE][Frame] automatic backup\n");
  m_frame.StartAutomaticBackup();
}

void FrameBackupTimers::TraceMinutes(uint32_t minutes, const String& periodText) {
  // %ld of a 32-bit long: counts past 2^31 show negative, as they always have.
  GetVaultlineApp()->DebugTrace(L"[VAULTLINE]m_dwMinutes = %ld, m_strPeriod = %s\n",
                                static_cast<long>(static_cast<int32_t>(minutes)),
                                periodText.c_str());
}

void CMainFrame::ArmBackupTimers() { m_backupTimers->Schedule().Arm(m_pSettings); }

void CMainFrame::OnBackupTimer(UINT_PTR id) {
  if (id == kIdleTimer) m_backupTimers->Schedule().OnIdleTimer(m_pSettings);
  if (id == kPeriodicTimer) m_backupTimers->Schedule().OnPeriodicTimer(m_pSettings);
}

}  // namespace vl
