#pragma once
// Starting, cancelling and completing a backup run from the backup dialog. The run itself is
// the engine's (CBackupRunner on a worker thread); this is the dialog's side around it: the
// checks before a start, the tray icon, timers and real-time backup around the run, the cancel
// question with the worker held, and the messages or report when it ends.
#include <functional>
#include <optional>

#include "client/engine/BackupEngine.h"
#include "client/engine/BackupRunner.h"
#include "client/engine/RunObserver.h"

namespace vl {

class IBackupDialogView;
class IBackupServices;
class IClock;
class IDriveSet;
class IFileSystem;
class IRunWindow;
class ITextProvider;

class CRunControl : private IRunObserver {
 public:
  // selectionChanged: the dialog's selection handling, run when a run has ended.
  CRunControl(IBackupServices& services, IBackupDialogView& view, IRunWindow& window,
              IFileSystem& fs, const IDriveSet& drives, const ITextProvider& texts,
              const IClock& clock, std::function<void()> selectionChanged);
  // Cancels a run still going and waits for its worker (see Shutdown).
  ~CRunControl() override;

  // m_hThread != null: from StartBackup until the worker is about to post its completion.
  bool IsRunActive() const { return m_runner.IsActive(); }
  CRunState& State() { return m_engine.State(); }
  const CRunState& State() const { return m_engine.State(); }

  // Command IDC_BACKUP_START.
  void StartBackup();
  // Command IDC_BACKUP_STOP: the worker is held while the question (IDS_ASK_CANCEL_JOB) is
  // open.
  void CancelBackup();
  // WM_BACKUP_DONE, after the worker has ended.
  void OnBackupDone(RunCompletion code);
  // Before the window goes: asks an active run to stop. The caller keeps handling messages
  // until IsRunActive() is false, since the worker may be waiting on the window.
  void RequestStop();

 private:
  // IRunObserver, on the worker.
  void OnRunStarted() override;
  void OnRunDone(RunCompletion code) override;
  void ReportEnd(RunCompletion code);
  // Undoes a start whose worker could not be created.
  void RestoreIdle(bool restartRealTime);

  IBackupServices& m_services;
  IBackupDialogView& m_view;
  IRunWindow& m_window;
  IFileSystem& m_fs;
  const IDriveSet& m_drives;
  std::function<void()> m_selectionChanged;
  // The cancel question is open; a completion arriving meanwhile waits in m_deferredDone.
  bool m_asking = false;
  std::optional<RunCompletion> m_deferredDone;
  CBackupEngine m_engine;
  CBackupRunner m_runner;
};

}  // namespace vl
