#pragma once
// The time of day the engine stamps history copies and runs with; injectable so that tests
// can name the second.
#include <cstdint>

namespace vl {

struct LocalTime {
  int year = 1970;
  int month = 1;  // 1..12
  int day = 1;    // 1..31
  int hour = 0;
  int minute = 0;
  int second = 0;
};

class IClock {
 public:
  virtual ~IClock() = default;
  virtual LocalTime NowLocal() const = 0;
  // Seconds since 1 January 1970 (UTC), the unit of a run's start and end.
  virtual int64_t NowUtcSeconds() const = 0;
};

// The computer's clock and time zone.
class SystemClock : public IClock {
 public:
  LocalTime NowLocal() const override;
  int64_t NowUtcSeconds() const override;
};

}  // namespace vl
