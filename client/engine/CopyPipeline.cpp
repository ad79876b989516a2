#include "client/engine/CopyPipeline.h"

#include "client/engine/BackupEngine.h"
#include "client/engine/FileCopy.h"
#include "client/model/JobItem.h"

namespace vl {
namespace {

// Two copying threads beside the run's own keep the platform busy on two cores; more only
// queue up behind the same file-system service.
constexpr size_t kCopyThreads = 2;
// From this size on a file is copied by the run's thread, with its progress shown as it goes;
// its data, not the per-file cost, is then most of its time.
constexpr uint64_t kLargeFileBytes = 256 * 1024;
// Copies handed out and not yet accounted for; bounds the memory and how far the counters
// trail the copies.
constexpr size_t kMaxPending = 32;

}  // namespace

CopyPipeline::CopyPipeline(CBackupEngine& engine, int32_t historyMode)
    : m_engine(engine), m_historyMode(historyMode), m_workers(kCopyThreads) {}

CopyPipeline::~CopyPipeline() { AccountAll(); }

void CopyPipeline::Copy(const CJobItem& job) {
  if (job.size >= kLargeFileBytes) {
    AccountAll();
    CopyFileJob(m_engine, job, m_historyMode);
    return;
  }
  m_slots.push_back(std::make_unique<Slot>());
  m_slots.back()->job = &job;
  Hand(*m_slots.back());
  AccountFinished(kMaxPending - 1);
}

void CopyPipeline::ShowProgress(const CJobItem& job) {
  if (m_slots.empty()) return m_engine.UpdateProgress(job.name);
  auto slot = std::make_unique<Slot>();
  slot->job = &job;
  slot->copy = false;
  slot->started = slot->done = true;
  m_slots.push_back(std::move(slot));
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
  {
    std::lock_guard<std::mutex> lock(m_mutex);
    slot.outcome = std::move(outcome);
    slot.started = start;
    slot.done = true;
  }
  m_finished.notify_all();
}

// The same calls, in the same order, as a copy made on the run's thread whose platform copy
// reports no progress.
void CopyPipeline::AccountFinished(size_t keep) {
  while (!m_slots.empty()) {
    Slot& front = *m_slots.front();
    {
      std::unique_lock<std::mutex> lock(m_mutex);
      if (!front.done && m_slots.size() <= keep) return;
      m_finished.wait(lock, [&front] { return front.done; });
    }
    if (front.started) {
      m_engine.UpdateProgress(front.job->name);
      m_engine.State().streamBytesSeen = 0;
      if (front.copy) AccountCopy(m_engine, *front.job, front.outcome);
    }
    m_slots.pop_front();
  }
}

}  // namespace vl
