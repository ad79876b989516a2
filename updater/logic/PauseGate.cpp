#include "updater/logic/PauseGate.h"

namespace vl::updater {

void PauseGate::Reset() {
  std::lock_guard<std::mutex> guard(m_lock);
  m_bPaused = false;
  m_bCancel = false;
}

void PauseGate::Pause() { Set(true, false); }
void PauseGate::Resume() { Set(false, false); }
void PauseGate::Cancel() { Set(false, true); }

void PauseGate::Set(bool paused, bool cancel) {
  {
    std::lock_guard<std::mutex> guard(m_lock);
    m_bPaused = paused;
    m_bCancel = m_bCancel || cancel;
  }
  m_changed.notify_all();
}

bool PauseGate::ShouldStop() {
  std::unique_lock<std::mutex> guard(m_lock);
  m_changed.wait(guard, [this] { return !m_bPaused || m_bCancel; });
  return m_bCancel;
}

}  // namespace vl::updater
