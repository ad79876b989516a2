#include "client/ui/logic/ProgressMailbox.h"

#include <utility>

namespace vl {

bool ProgressMailbox::Put(ProgressUpdate update) {
  std::lock_guard<std::mutex> hold(m_lock);
  if (update.percent) m_pending.percent = update.percent;
  if (update.status) m_pending.status = std::move(update.status);
  if (update.caption) m_pending.caption = std::move(update.caption);
  if (m_wakePending) return false;
  m_wakePending = true;
  return true;
}

ProgressUpdate ProgressMailbox::Take() {
  std::lock_guard<std::mutex> hold(m_lock);
  ProgressUpdate taken = std::move(m_pending);
  m_pending = ProgressUpdate{};
  m_wakePending = false;
  return taken;
}

}  // namespace vl
