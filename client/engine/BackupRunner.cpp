#include "client/engine/BackupRunner.h"

#include <system_error>

#include "client/engine/BackupEngine.h"
#include "client/engine/RunObserver.h"

namespace vl {
namespace {

// The runner whose worker this thread is. Set by the worker itself, so it holds before the
// starting thread has even stored the thread object.
thread_local const CBackupRunner* t_workerOf = nullptr;

}  // namespace

CBackupRunner::CBackupRunner(CBackupEngine& engine, const IDriveSet& drives, CSourceList& items,
                             IRunObserver& observer)
    : m_engine(engine), m_drives(drives), m_items(items), m_observer(observer) {}

CBackupRunner::~CBackupRunner() {
  if (IsActive()) RequestCancel();
  Resume();
  Wait();
}

bool CBackupRunner::Start(const RunSettings& settings) {
  if (!Claim()) return false;
  try {
    m_worker = std::thread([this, settings] {
      t_workerOf = this;
      RunAndNotify(settings);
    });
  } catch (const std::system_error&) {
    m_engine.State().running = false;
    m_engine.State().active = false;
    return false;
  }
  return true;
}

std::optional<RunCompletion> CBackupRunner::RunNow(const RunSettings& settings) {
  if (!Claim()) return std::nullopt;
  const RunCompletion code = RunAndNotify(settings);
  m_engine.State().EndRun();
  return code;
}

bool CBackupRunner::IsActive() const { return m_engine.State().active.load(); }

void CBackupRunner::Pause() { m_engine.State().pause.Close(); }

void CBackupRunner::Resume() { m_engine.State().pause.Open(); }

void CBackupRunner::RequestCancel() { m_engine.State().cancelRequested = true; }

void CBackupRunner::Wait() {
  if (m_worker.joinable() && m_worker.get_id() != std::this_thread::get_id()) m_worker.join();
}

// The previous worker has cleared the active flag and may still be telling its observer; it
// is joined before its thread object is reused. From that very observer call a start would
// have to join its own thread, so it is refused there; the worker may get there before the
// starting thread has stored its thread object, so it is recognised by its own mark.
bool CBackupRunner::Claim() {
  if (t_workerOf == this) return false;
  bool idle = false;
  if (!m_engine.State().active.compare_exchange_strong(idle, true)) return false;
  Wait();
  m_engine.State().BeginRun();
  return true;
}

// The run stops being active before the observer hears of its end, so that whatever the
// completion triggers may start the next run at once.
RunCompletion CBackupRunner::RunAndNotify(const RunSettings& settings) {
  m_observer.OnRunStarted();
  CBackupRun run(m_engine, m_drives, m_items, settings);
  const RunCompletion code = run.Run();
  m_engine.State().active = false;
  m_observer.OnRunDone(code);
  return code;
}

}  // namespace vl
