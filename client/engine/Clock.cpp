#include "client/engine/Clock.h"

#include <ctime>

namespace vl {
namespace {

// The reentrant form, since the worker and the real-time thread may both stamp names.
std::tm ToLocal(std::time_t t) {
  std::tm parts{};
#ifdef _WIN32
  localtime_s(&parts, &t);
#else
  localtime_r(&t, &parts);
#endif
  return parts;
}

}  // namespace

LocalTime SystemClock::NowLocal() const {
  const std::tm parts = ToLocal(std::time(nullptr));
  LocalTime now;
  now.year = parts.tm_year + 1900;
  now.month = parts.tm_mon + 1;
  now.day = parts.tm_mday;
  now.hour = parts.tm_hour;
  now.minute = parts.tm_min;
  now.second = parts.tm_sec;
  return now;
}

int64_t SystemClock::NowUtcSeconds() const { return static_cast<int64_t>(std::time(nullptr)); }

}  // namespace vl
