#pragma once
// What the run driver tells its owner. Both calls come on the thread that runs the backup (the
// worker, or the console's own thread); the backup dialog turns OnRunDone into its completion
// message so that the rest happens on its user-interface thread.
#include "client/engine/RunCompletion.h"

namespace vl {

class IRunObserver {
 public:
  virtual ~IRunObserver() = default;
  // Before the run reads the item list; the dialog disables its list here.
  virtual void OnRunStarted() = 0;
  // After endTime is set and the run stopped being active; the lists and counters are final.
  virtual void OnRunDone(RunCompletion code) = 0;
};

class NullRunObserver : public IRunObserver {
 public:
  void OnRunStarted() override {}
  void OnRunDone(RunCompletion) override {}
};

}  // namespace vl
