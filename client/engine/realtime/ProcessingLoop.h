#pragma once
// The thread that applies queued changes: one pass, then a pause, until it is told to stop.
// While a backup run is active it keeps going but skips its passes, so records wait for the
// run to end instead of racing it for the same target files.
#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace vl {

class CProcessingLoop {
 public:
  // pass gets the stop flag, to give up between records once a stop is asked for; skipPass
  // says a backup run is active. Both run on the loop's thread.
  using Pass = std::function<void(const std::atomic<bool>& stop)>;
  CProcessingLoop(Pass pass, std::function<bool()> skipPass, unsigned pauseMs);
  // Stops the thread and waits for it: the pass uses objects its owner is about to destroy.
  ~CProcessingLoop();
  CProcessingLoop(const CProcessingLoop&) = delete;
  CProcessingLoop& operator=(const CProcessingLoop&) = delete;

  // Starts the thread unless it runs. A thread that was asked to stop but has not yet seen the
  // request is kept going rather than left to end: otherwise a start that follows a stop
  // closely (a backup run ending just after it began) would find the old thread still there,
  // make no new one, and real-time copies would end for good. False when no thread could be
  // made.
  bool Start();
  // Asks the thread to stop after the record at hand; does not wait.
  void RequestStop();
  // Waits for a thread asked to stop.
  void Join();
  // True from Start until the thread has seen a stop request.
  bool IsRunning() const;

 private:
  void Run();
  // Waits the pause, or less when a stop is asked for; false when the thread is to end.
  bool PauseOrStop();

  Pass m_pass;
  std::function<bool()> m_skipPass;
  unsigned m_pauseMs;
  std::atomic<bool> m_stop{false};
  mutable std::mutex m_mutex;
  std::condition_variable m_wake;
  bool m_ended = true;  // guarded by m_mutex: the thread has left (or never entered) its loop
  std::thread m_thread;
};

}  // namespace vl
