#pragma once
// Starts, pauses, cancels and waits for backup runs. The backup dialog starts a run on a worker
// thread and hears of its end through IRunObserver (posting its completion message from
// there); the console tool runs it on its own thread. Pausing holds the worker at its next
// cancel check point while the cancel question is open.
#include <optional>
#include <thread>

#include "client/engine/BackupRun.h"
#include "client/engine/RunCompletion.h"

namespace vl {

class CBackupEngine;
class CSourceList;
class IDriveSet;
class IRunObserver;

class CBackupRunner {
 public:
  CBackupRunner(CBackupEngine& engine, const IDriveSet& drives, CSourceList& items,
                IRunObserver& observer);
  // Cancels an active run and waits for its worker.
  ~CBackupRunner();
  CBackupRunner(const CBackupRunner&) = delete;
  CBackupRunner& operator=(const CBackupRunner&) = delete;

  // Starts a run on a worker thread; false (and nothing done) while a run is active, or when
  // called from the worker itself (its OnRunDone). Clears the cancel flag, sets the running
  // mark and zeroes the counters first.
  bool Start(const RunSettings& settings);
  // The same run on the calling thread; empty while another run is active. Ends the run
  // (CRunState::EndRun) before it returns, as nobody else will.
  std::optional<RunCompletion> RunNow(const RunSettings& settings);

  // Any thread: whether a run is active (from Start until just before OnRunDone).
  bool IsActive() const;
  // From any thread; only another thread can resume a paused worker.
  void Pause();
  void Resume();
  void RequestCancel();
  // Waits until the last worker has ended, OnRunDone included.
  void Wait();

 private:
  bool Claim();
  RunCompletion RunAndNotify(const RunSettings& settings);

  CBackupEngine& m_engine;
  const IDriveSet& m_drives;
  CSourceList& m_items;
  IRunObserver& m_observer;
  std::thread m_worker;
};

}  // namespace vl
