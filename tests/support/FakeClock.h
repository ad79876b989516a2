#pragma once
// A clock that says what the test tells it. A hook on one of a run's copying threads may set
// the time while the run's thread reads it.
#include <atomic>

#include "client/engine/Clock.h"

namespace vl::test {

class FakeClock : public IClock {
 public:
  LocalTime now;
  std::atomic<int64_t> utcSeconds{0};

  LocalTime NowLocal() const override { return now; }
  int64_t NowUtcSeconds() const override { return utcSeconds; }
};

}  // namespace vl::test
