#include "client/ui/RestoreWorker.h"

#include <system_error>

#include "client/engine/Clock.h"
#include "client/engine/restore/Restore.h"
#include "client/platform/FileSystemWin32.h"

namespace vl {

RestoreWorker::~RestoreWorker() {
  if (m_thread.joinable()) m_thread.join();
}

bool RestoreWorker::Start(RestoreJob job) {
  // The logic starts a copy only after the last one reported, so this wait is over at once.
  if (m_thread.joinable()) m_thread.join();
  try {
    m_thread = std::thread([this, job = std::move(job)] { Run(job); });
  } catch (const std::system_error&) {
    return false;
  }
  return true;
}

void RestoreWorker::Run(const RestoreJob& job) const {
  platform::FileSystemWin32 fs;
  SystemClock clock;
  auto outcome = std::make_unique<RestoreOutcome>(
      RestoreVersion(fs, clock, job.list, job.version, job.destination, job.replace));
  // A window that is gone takes no message; the block then stays ours to free.
  if (::PostMessageW(m_window, m_doneMessage, 0, reinterpret_cast<LPARAM>(outcome.get())))
    outcome.release();
}

std::unique_ptr<RestoreOutcome> RestoreWorker::TakeOutcome(LPARAM lParam) {
  return std::unique_ptr<RestoreOutcome>(reinterpret_cast<RestoreOutcome*>(lParam));
}

}  // namespace vl
