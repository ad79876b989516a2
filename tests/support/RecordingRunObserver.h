#pragma once
// A run observer that keeps what it heard, for tests of the run driver. It is called on the
// run's thread; tests read it after the run has been waited for.
#include <functional>
#include <vector>

#include "client/engine/RunObserver.h"
#include "client/engine/RunState.h"

namespace vl::test {

class RecordingRunObserver : public IRunObserver {
 public:
  explicit RecordingRunObserver(const CRunState& state) : m_state(state) {}

  int started = 0;
  std::vector<RunCompletion> codes;
  // Whether the run still counted as active when its end was announced.
  std::vector<bool> activeAtDone;
  // Called after the end is recorded, on the run's thread.
  std::function<void(RunCompletion)> onDone;

  void OnRunStarted() override { ++started; }
  void OnRunDone(RunCompletion code) override {
    codes.push_back(code);
    activeAtDone.push_back(m_state.active.load());
    if (onDone) onDone(code);
  }

 private:
  const CRunState& m_state;
};

}  // namespace vl::test
