#pragma once
// The copies of a run's execution. A small file's copy is handed to one of a few copying
// threads while the run goes on with the next jobs, so that the platform's per-file costs
// overlap; the run's own thread accounts for every copy (counters, error records, progress) in
// job order, so a run reports exactly what a run copying one file at a time reports. A large
// file is copied by the run's own thread, beside the copies under way, so that its progress
// shows byte by byte.
//
// The copying threads stop where the run's thread would: a copy not yet begun when the run is
// cancelled never begins, one under way stops at its next progress call, and both wait while
// the run is paused.
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>

#include "client/engine/SafeReplace.h"
#include "client/engine/WorkerPool.h"

namespace vl {

class CBackupEngine;
class CJobItem;

class CopyPipeline {
 public:
  CopyPipeline(CBackupEngine& engine, int32_t historyMode);
  CopyPipeline(const CopyPipeline&) = delete;
  CopyPipeline& operator=(const CopyPipeline&) = delete;
  ~CopyPipeline();

  // Copies a file job, now or on a copying thread.
  void Copy(const CJobItem& job);
  // The run's UpdateProgress for a job of its own thread, shown after the copies before it.
  void ShowProgress(const CJobItem& job);
  // Waits for every copy handed out and accounts for each, in order. The run's thread calls it
  // before it records anything of its own, and at the end.
  void AccountAll();

 private:
  enum class SlotKind {
    Handed,  // copied on a copying thread
    Here,    // copied on the run's thread, its bytes already counted up to bytesSeen
    Shown,   // no copy: only the job's name is to be shown
  };
  struct Slot {
    const CJobItem* job = nullptr;
    SlotKind kind = SlotKind::Handed;
    ReplaceOutcome outcome;
    int64_t bytesSeen = 0;
    bool started = false;  // false: the run was cancelled before the copy could begin
    bool done = false;
  };

  Slot& Add(const CJobItem& job, SlotKind kind);
  void CopyHere(const CJobItem& job);
  void Account(const Slot& slot);
  void Hand(Slot& slot);
  void Run(Slot& slot);
  // Accounts for the finished copies at the front; waits while more than keep are left.
  void AccountFinished(size_t keep);
  // Waits until the front slot and the one at index last have finished.
  void WaitForFinished(size_t last);

  CBackupEngine& m_engine;
  const int32_t m_historyMode;
  std::mutex m_mutex;  // guards the slots' outcome, started and done, and the two below
  std::condition_variable m_finished;
  // The slots whose end the run's thread waits for; only they wake it.
  const Slot* m_awaitedFront = nullptr;
  const Slot* m_awaitedLast = nullptr;
  std::deque<std::unique_ptr<Slot>> m_slots;  // in job order; only the run's thread changes it
  WorkerPool m_workers;                        // last, so that it is joined first
};

}  // namespace vl
