#include "client/engine/PauseGate.h"

namespace vl {

void PauseGate::Close() {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_closed = true;
}

void PauseGate::Open() {
  {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_closed = false;
  }
  m_opened.notify_all();
}

void PauseGate::WaitWhileClosed() const {
  // The check points run once per progress callback; an open gate costs no lock.
  if (!m_closed.load()) return;
  std::unique_lock<std::mutex> lock(m_mutex);
  ++m_waiting;
  m_opened.wait(lock, [this] { return !m_closed.load(); });
  --m_waiting;
}

int PauseGate::WaitingCount() const {
  std::lock_guard<std::mutex> lock(m_mutex);
  return m_waiting;
}

}  // namespace vl
