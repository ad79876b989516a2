#include "client/engine/realtime/ProcessingLoop.h"

#include <chrono>
#include <system_error>
#include <utility>

namespace vl {

CProcessingLoop::CProcessingLoop(Pass pass, std::function<bool()> skipPass, unsigned pauseMs)
    : m_pass(std::move(pass)), m_skipPass(std::move(skipPass)), m_pauseMs(pauseMs) {}

CProcessingLoop::~CProcessingLoop() {
  RequestStop();
  Join();
}

bool CProcessingLoop::Start() {
  std::unique_lock<std::mutex> lock(m_mutex);
  if (!m_ended) {
    m_stop = false;
    return true;
  }
  lock.unlock();
  // An ended thread has only its return left to do.
  if (m_thread.joinable()) m_thread.join();
  lock.lock();
  m_stop = false;
  m_ended = false;
  try {
    m_thread = std::thread([this] { Run(); });
  } catch (const std::system_error&) {
    m_ended = true;
    return false;
  }
  return true;
}

void CProcessingLoop::RequestStop() {
  {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_stop = true;
  }
  m_wake.notify_all();
}

void CProcessingLoop::Join() {
  if (m_thread.joinable() && m_thread.get_id() != std::this_thread::get_id()) m_thread.join();
}

bool CProcessingLoop::IsRunning() const {
  std::lock_guard<std::mutex> lock(m_mutex);
  return !m_ended && !m_stop;
}

void CProcessingLoop::Run() {
  do {
    if (!m_stop && !m_skipPass()) m_pass(m_stop);
  } while (PauseOrStop());
}

bool CProcessingLoop::PauseOrStop() {
  std::unique_lock<std::mutex> lock(m_mutex);
  m_wake.wait_for(lock, std::chrono::milliseconds(m_pauseMs), [this] { return m_stop.load(); });
  // Decided under the lock, so that Start either sees the thread still going (and clears the
  // request) or sees it ended (and makes a new one).
  if (m_stop) m_ended = true;
  return !m_ended;
}

}  // namespace vl
