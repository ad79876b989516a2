#include "updater/logic/PauseGate.h"

namespace vl::updater {

void PauseGate::Reset() {
  std::lock_guard<std::mutex> guard(m_lock);
  m_bPaused = false;
  m_bCancel = false;
}

void PauseGate::Pause() {
  std::lock_guard<std::mutex> guard(m_lock);
  m_bPaused = true;
}

void PauseGate::Resume() {
  {
    std::lock_guard<std::mutex> guard(m_lock);
    m_bPaused = false;
  }
  m_changed.notify_all();
}

void PauseGate::Cancel() {
  {
    std::lock_guard<std::mutex> guard(m_lock);
    m_bCancel = true;
  }
  m_changed.notify_all();
}

bool PauseGate::IsCancelled() const {
  std::lock_guard<std::mutex> guard(m_lock);
  return m_bCancel;
}

bool PauseGate::ShouldStop() {
  std::unique_lock<std::mutex> guard(m_lock);
  m_changed.wait(guard, [this] { return !m_bPaused || m_bCancel; });
  return m_bCancel;
}

}  // namespace vl::updater
