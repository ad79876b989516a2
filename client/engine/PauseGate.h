#pragma once
// Holds the backup worker while the user is asked whether to cancel. The worker waits only at
// its cancel check points, where it holds no lock the user-interface thread could need;
// suspending the thread instead could stop it inside the heap or a window message.
#include <atomic>
#include <condition_variable>
#include <mutex>

namespace vl {

class PauseGate {
 public:
  void Close();
  void Open();
  // Returns at once while the gate is open; otherwise blocks until it opens.
  void WaitWhileClosed() const;
  // Threads blocked in WaitWhileClosed now; lets a test know the worker is held.
  int WaitingCount() const;

 private:
  std::atomic<bool> m_closed{false};
  mutable std::mutex m_mutex;
  mutable std::condition_variable m_opened;
  mutable int m_waiting = 0;
};

}  // namespace vl
