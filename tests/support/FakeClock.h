#pragma once
// A clock that says what the test tells it.
#include "client/engine/Clock.h"

namespace vl::test {

class FakeClock : public IClock {
 public:
  LocalTime now;
  int64_t utcSeconds = 0;

  LocalTime NowLocal() const override { return now; }
  int64_t NowUtcSeconds() const override { return utcSeconds; }
};

}  // namespace vl::test
