#pragma once
// How the dialog holds the worker while it asks the user whether to cancel: the worker looks at
// the gate between blocks and waits there while the question is open, so it is never stopped
// inside the network library with its locks held. Only the flags are guarded; nobody waits
// while holding the lock.
#include <condition_variable>
#include <mutex>

namespace vl::updater {

class PauseGate {
 public:
  // Open and not cancelled, for a new run.
  void Reset();
  void Pause();
  void Resume();
  // Stays set until Reset; a cancelled run waits no more.
  void Cancel();
  // Waits while paused; true when the run is to stop.
  bool ShouldStop();

 private:
  void Set(bool paused, bool cancel);

  std::mutex m_lock;
  std::condition_variable m_changed;
  bool m_bPaused = false;
  bool m_bCancel = false;
};

}  // namespace vl::updater
