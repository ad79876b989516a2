#include "client/ui/logic/ProgressMailbox.h"

#include <utility>

namespace vl {

template <typename Store>
bool ProgressMailbox::Put(Store store) {
  std::lock_guard<std::mutex> hold(m_lock);
  store(m_pending);
  if (m_wakePending) return false;
  m_wakePending = true;
  return true;
}

bool ProgressMailbox::PutPercent(int percent) {
  return Put([percent](ProgressUpdate& update) { update.percent = percent; });
}

bool ProgressMailbox::PutStatus(const String& text) {
  return Put([&text](ProgressUpdate& update) { update.status = text; });
}

bool ProgressMailbox::PutCaption(const String& text) {
  return Put([&text](ProgressUpdate& update) { update.caption = text; });
}

ProgressUpdate ProgressMailbox::Take() {
  std::lock_guard<std::mutex> hold(m_lock);
  ProgressUpdate taken = std::move(m_pending);
  m_pending = ProgressUpdate{};
  m_wakePending = false;
  return taken;
}

}  // namespace vl
