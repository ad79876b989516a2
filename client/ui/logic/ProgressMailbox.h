#pragma once
// The run's progress on its way from the worker to the dialog. The worker never waits for the
// window: it leaves the newest percentage, status text and caption here and wakes the window
// only when no wake-up is pending already; the window takes whatever is newest when it gets to
// it. Updates the window had no time to show are skipped, never reordered, and the last one of
// a run is always shown, so the worker copies at full speed however slowly the window paints.
#include <mutex>
#include <optional>

#include "core/base/String.h"

namespace vl {

struct ProgressUpdate {
  std::optional<int> percent;
  std::optional<String> status;
  std::optional<String> caption;
};

class ProgressMailbox {
 public:
  // Worker side: what update carries replaces what is pending of the same kind. True when the
  // caller must wake the window (post a message).
  bool Put(ProgressUpdate update);

  // Window side: what arrived since the last call, which may be nothing; the next Put wakes
  // the window again.
  ProgressUpdate Take();

 private:
  std::mutex m_lock;
  ProgressUpdate m_pending;
  bool m_wakePending = false;
};

}  // namespace vl
