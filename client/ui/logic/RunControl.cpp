#include "client/ui/logic/RunControl.h"

#include <utility>

#include "client/engine/BackupRun.h"
#include "client/engine/SourceRecognition.h"
#include "client/model/Settings.h"
#include "client/ui/logic/BackupDialogView.h"
#include "client/ui/logic/BackupServices.h"
#include "resources/client/resource.h"

namespace vl {
namespace {

// Real-time copies and a backup run must never overlap, so the watchers are off for the run.
bool RealTimeBackupOn(const CSettings& settings) {
  return IsRealTimeBackup(settings.m_bAutoBackup, settings.m_nBackupMode);
}

}  // namespace

CRunControl::CRunControl(IBackupServices& services, IBackupDialogView& view, IRunWindow& window,
                         IFileSystem& fs, const IDriveSet& drives, const ITextProvider& texts,
                         const IClock& clock, std::function<void()> selectionChanged)
    : m_services(services),
      m_view(view),
      m_window(window),
      m_fs(fs),
      m_drives(drives),
      m_selectionChanged(std::move(selectionChanged)),
      m_engine(fs, texts, window, clock),
      m_runner(m_engine, drives, services.Items(), *this) {}

// The worker calls back into this object until it ends, so it is joined here, while the
// object is still whole, rather than by the runner's own destructor.
CRunControl::~CRunControl() {
  RequestStop();
  m_runner.Wait();
}

void CRunControl::StartBackup() {
  // A worker that has just ended has posted its completion, which is still to be handled: a
  // run started now would have its controls and flags reset by that old completion.
  if (IsRunActive() || State().running) return;
  m_services.StopBackupTimers();
  if (RecognizeAll(m_services.Items(), m_fs, m_drives) == 0) {
    // The one-run flags stay for the next start, and the timers stay off until another run
    // ends or the settings are applied.
    if (!State().automaticStart) m_view.ShowMessage(IDS_MSG_SELECT_ITEM);
    m_services.ResetMinutes();
    return;
  }
  const CSettings& settings = m_services.Settings();
  const bool realTime = RealTimeBackupOn(settings);
  if (realTime) m_services.StopRealTime();
  m_services.SetTrayIcon(IDI_BACKUP_RUNNING);
  m_view.ShowRunControls(true);
  if (!m_runner.Start(RunSettingsFrom(settings))) RestoreIdle(realTime);
}

// Without a worker nothing would ever post the completion, so everything the start changed
// is put back here instead.
void CRunControl::RestoreIdle(bool restartRealTime) {
  m_view.ShowRunControls(false);
  m_services.SetTrayIcon(IDR_MAINFRAME);
  m_services.ArmBackupTimers();
  if (restartRealTime) m_services.StartRealTime();
}

void CRunControl::CancelBackup() {
  if (!IsRunActive()) return;
  // The worker waits at its next check point, where it holds nothing the message box needs.
  m_runner.Pause();
  m_asking = true;
  if (m_view.AskYesNo(IDS_ASK_CANCEL_JOB, BoxIcon::question)) m_runner.RequestCancel();
  m_asking = false;
  m_runner.Resume();
  if (!m_deferredDone) return;
  const RunCompletion code = *m_deferredDone;
  m_deferredDone.reset();
  OnBackupDone(code);
}

// The worker may end while the cancel question is open (it had passed its last check point),
// and the box's own message loop then delivers the completion. Handled there, the report would
// open on top of the question and the answer would come after the run is over; it waits until
// the question is closed instead.
void CRunControl::OnBackupDone(RunCompletion code) {
  if (m_asking) {
    m_deferredDone = code;
    return;
  }
  m_view.ShowRunControls(false);
  m_services.SetTrayIcon(IDR_MAINFRAME);
  ReportEnd(code);
  m_services.ResetMinutes();
  m_engine.Progress().ShowIdle();
  if (m_selectionChanged) m_selectionChanged();
  State().EndRun();
  m_services.ArmBackupTimers();
  if (RealTimeBackupOn(m_services.Settings())) m_services.StartRealTime();
}

// Automatic runs tell the user nothing; a code the worker never sends shows nothing either.
void CRunControl::ReportEnd(RunCompletion code) {
  if (State().automaticStart) return;
  switch (code) {
    case DONE_OK:
      m_view.ShowReport(State().errorList, State().stats);
      break;
    case DONE_NOTHING:
      m_view.ShowMessage(IDS_MSG_NOTHING_TO_BACK_UP);
      break;
    case DONE_CANCELLED:
      m_view.ShowMessage(IDS_MSG_JOB_CANCELLED);
      break;
  }
}

void CRunControl::RequestStop() {
  if (IsRunActive()) m_runner.RequestCancel();
  m_runner.Resume();
}

void CRunControl::OnRunStarted() { m_window.EnableItemList(false); }

void CRunControl::OnRunDone(RunCompletion code) {
  m_window.PostBackupDone(code);
  m_window.EnableItemList(true);
}

}  // namespace vl
