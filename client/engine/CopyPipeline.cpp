#include "client/engine/CopyPipeline.h"

#include <algorithm>

#include "client/engine/BackupEngine.h"
#include "client/engine/FileCopy.h"
#include "client/model/JobItem.h"

namespace vl {
namespace {

// The run's own thread also works between copies (folders, accounting); measured under Wine
// on two cores, three copying threads beside it beat two and four.
constexpr size_t kCopyThreads = 3;
// From this size on a file is copied by the run's thread, with its progress shown as it goes;
// its data, not the per-file cost, is then most of its time.
constexpr uint64_t kLargeFileBytes = 256 * 1024;
// Copies handed out and not yet accounted for; bounds the memory and how far the counters
// trail the copies.
constexpr size_t kMaxPending = 32;
// A full window is accounted for this many copies at a time: every wake-up of the run's thread
// is a round trip to the system, which per copy would cost about what a copy's rename does.
constexpr size_t kAccountBatch = kMaxPending / 2;

}  // namespace

CopyPipeline::CopyPipeline(CBackupEngine& engine, int32_t historyMode)
    : m_engine(engine), m_historyMode(historyMode), m_workers(kCopyThreads) {}

CopyPipeline::~CopyPipeline() { AccountAll(); }

void CopyPipeline::Copy(const CJobItem& job) {
  if (job.size >= kLargeFileBytes) return CopyHere(job);
  Hand(Add(job, SlotKind::Handed));
  AccountFinished(kMaxPending - 1);
}

void CopyPipeline::ShowProgress(const CJobItem& job) {
  if (m_slots.empty()) return m_engine.UpdateProgress(job.name);
  Add(job, SlotKind::Shown);
}

CopyPipeline::Slot& CopyPipeline::Add(const CJobItem& job, SlotKind kind) {
  m_slots.push_back(std::make_unique<Slot>());
  Slot& slot = *m_slots.back();
  slot.job = &job;
  slot.kind = kind;
  slot.started = slot.done = kind != SlotKind::Handed;
  return slot;
}

// As CopyFileJob does; with copies still to be accounted for before it, its own accounting
// waits its turn.
void CopyPipeline::CopyHere(const CJobItem& job) {
  if (m_slots.empty()) return CopyFileJob(m_engine, job, m_historyMode);
  Slot& slot = Add(job, SlotKind::Here);
  slot.outcome = CopyShowingProgress(m_engine, job, m_historyMode);
  slot.bytesSeen = m_engine.State().streamBytesSeen;
  AccountFinished(kMaxPending - 1);
}

// A copy made here shows its name again: the copies before it have shown theirs since.
void CopyPipeline::Account(const Slot& slot) {
  m_engine.UpdateProgress(slot.job->name);
  m_engine.State().streamBytesSeen = slot.bytesSeen;
  if (slot.kind != SlotKind::Shown) AccountCopy(m_engine, *slot.job, slot.outcome);
}

void CopyPipeline::AccountAll() { AccountFinished(0); }

void CopyPipeline::Hand(Slot& slot) {
  m_workers.Submit([this, &slot] { Run(slot); });
}

// On a copying thread: the copy touches nothing of the run's but its cancel flag and pause.
void CopyPipeline::Run(Slot& slot) {
  const CRunState& state = m_engine.State();
  const bool start = !state.CancelRequested();
  ReplaceOutcome outcome;
  if (start) {
    const CopyProgressFn stopWhenCancelled = [&state](const CopyProgressInfo&) {
      return !state.CancelRequested();
    };
    outcome = CopyJobFile(m_engine, *slot.job, m_historyMode, stopWhenCancelled);
  }
  bool awaited = false;
  {
    std::lock_guard<std::mutex> lock(m_mutex);
    slot.outcome = std::move(outcome);
    slot.started = start;
    slot.done = true;
    awaited = &slot == m_awaitedFront || &slot == m_awaitedLast;
  }
  if (awaited) m_finished.notify_one();
}

// The same calls, in the same order, as a copy made on the run's thread whose platform copy
// reports no progress. Waiting for all, it waits for the last one handed out; a full window
// waits for a batch.
void CopyPipeline::AccountFinished(size_t keep) {
  while (!m_slots.empty()) {
    Slot& front = *m_slots.front();
    bool done = false;
    {
      std::lock_guard<std::mutex> lock(m_mutex);
      done = front.done;
    }
    if (!done) {
      if (m_slots.size() <= keep) return;
      WaitForFinished(keep == 0 ? m_slots.size() - 1 : std::min(m_slots.size(), kAccountBatch) - 1);
    }
    if (front.started) Account(front);
    m_slots.pop_front();
  }
}

void CopyPipeline::WaitForFinished(size_t last) {
  const Slot& front = *m_slots.front();
  const Slot& end = *m_slots[last];
  std::unique_lock<std::mutex> lock(m_mutex);
  m_awaitedFront = &front;
  m_awaitedLast = &end;
  m_finished.wait(lock, [&front, &end] { return front.done && end.done; });
  m_awaitedFront = m_awaitedLast = nullptr;
}

}  // namespace vl
